// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace velmora::diagram {

/**
 * A number with `decimals` decimals and a point ("2.88", "-1.5"); a value that rounds to zero is
 * written without a sign ("0.00", never "-0.00"). Every number a drawing writes goes through it.
 */
[[nodiscard]] QString decimalText(double value, int decimals);

} // namespace velmora::diagram
