// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace velmora::app {

/** Name of the entry point of the window module. */
inline constexpr char kWindowEntry[] = "velmoraRunWindow";
/** Signature of the entry point: the program's arguments in, its exit status out. */
using WindowEntry = int (*)(int argc, char** argv);
/** The option that opens the solution window beside the main window at start. */
inline constexpr char kSolutionOption[] = "--solution";

} // namespace velmora::app
