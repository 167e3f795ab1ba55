// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace velmora::model {

/**
 * The values first, first + step, … up to and including `last`, which is always the final
 * value, exactly. Each value is formed from its index (no error accumulates) and rounded to
 * 1e-9, so that steps of 0.1 give 0.3 and not 0.30000000000000004; a value within a millionth
 * of a step of `last` is `last` itself. The rows of the data files. A step that is not a
 * positive number gives just `first` and `last`.
 */
[[nodiscard]] std::vector<double> inclusiveGrid(double first, double last, double step);

} // namespace velmora::model
