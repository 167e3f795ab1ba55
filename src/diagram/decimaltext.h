// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>

namespace velmora::diagram {

/**
 * A number with `decimals` decimals and `decimalPoint` between its whole part and its decimals
 * ("2.88", "-1.5"; "2,88" with a comma); a value that rounds to zero is written without a sign
 * ("0.00", never "-0.00"). Every number a drawing writes goes through it: the command line's
 * drawings always with a point, the windows' with the user's separator.
 */
[[nodiscard]] QString decimalText(double value, int decimals, QChar decimalPoint = u'.');

} // namespace velmora::diagram
