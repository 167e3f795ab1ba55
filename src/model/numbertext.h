// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace velmora::model {

/**
 * The shortest decimal text that reads back to exactly the same double ("0.1", "2.5e-07",
 * "0.30000000000000004"). Data files use it, so that a reader gets the numbers the program
 * computed, digit for digit, and nothing more. A negative zero is written "0".
 */
[[nodiscard]] std::string shortestText(double value);

/** The value with `decimals` places, as printf's "%.*f" writes it ("2.8829"). */
[[nodiscard]] std::string fixedText(double value, int decimals);

/** The value with `digits` significant digits, trailing zeros kept, as printf's "%#.*g". */
[[nodiscard]] std::string significantText(double value, int digits);

/**
 * Drops the minus of a number's text that reads as zero ("-0.0000", "-0,00", "-0"): a value
 * that rounds to nothing has no sign to show.
 */
void dropSignOfZero(std::string& text);

} // namespace velmora::model
