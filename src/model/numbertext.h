// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace velmora::model {

/**
 * The shortest decimal text that reads back to exactly the same double ("0.1", "2.5e-07",
 * "0.30000000000000004"). Data files use it, so that a reader gets the numbers the program
 * computed, digit for digit, and nothing more.
 */
[[nodiscard]] std::string shortestText(double value);

} // namespace velmora::model
