#pragma once

namespace velmora::app {

inline constexpr char kName[] = "Velmora";
inline constexpr char kVersion[] = "1.0";

/** Name of the entry point of the window module. */
inline constexpr char kWindowEntry[] = "velmoraRunWindow";
/** Signature of the entry point: the program's arguments in, its exit status out. */
using WindowEntry = int (*)(int argc, char** argv);

} // namespace velmora::app
