// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chartdata.h"

namespace velmora::charts {

/**
 * The charts' words (axis titles, markers, readout, titles, the marks' key) in the language of the
 * installed translation, with `decimalPoint` for their numbers. The solution window draws with
 * them in the user's language, the theory document in its edition's.
 */
[[nodiscard]] ChartTexts translatedChartTexts(QChar decimalPoint);

} // namespace velmora::charts
