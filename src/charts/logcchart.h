// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chartdata.h"

namespace velmora::charts {

/** The names of the water lines and their colour. */
extern const QString kHydrogen;
extern const QString kHydroxide;
[[nodiscard]] QColor waterColour();

/** The lowest log c of the log-c chart; the chart runs from there to 0. */
inline constexpr double kLowestLogC = -14.0;

/**
 * The log-concentration chart: log10 of each species' concentration at the solution's total
 * concentration against pH 0..14, log c from −14 to 0, with [H+] and [OH−] as thin dashed
 * lines, every line labelled where its species is most abundant, and the solution's pH as a
 * marker when the request shows the solution.
 */
[[nodiscard]] ChartData logcChartData(const ChartRequest& request);

/** log[H+], log[OH−] and the log c of every species at `pH`. */
[[nodiscard]] ChartReadout logcReadout(const ChartRequest& request, double pH);

} // namespace velmora::charts
