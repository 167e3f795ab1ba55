// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "charts/chartdata.h"

namespace velmora::ui {

/**
 * The solution window's words and decimal separator for its drawings: its axis titles, markers,
 * readout and document titles in the user's language, and the separator of the user's locale
 * (a comma in German, Spanish and French). What the window shows is what Save, Copy and Print
 * take out; the command line keeps the charts' English with a point.
 */
[[nodiscard]] charts::ChartTexts userChartTexts();

} // namespace velmora::ui
