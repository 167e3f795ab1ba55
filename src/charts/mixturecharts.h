// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chartdata.h"

namespace velmora::charts {

/**
 * The fractions chart of the request's mixture: α of every species of every system against pH
 * 0..14, a line style per system (systemDashes()) and the species' colours, each labelled by its
 * peak, with the mixture's pH as a marker when the request shows the solution.
 */
[[nodiscard]] ChartData mixtureFractionsChartData(const ChartRequest& request);

/**
 * The log-c chart of the request's mixture: log c of every species of every system that is
 * present, with log[H+] and log[OH−] at the mixture's temperature and activities.
 */
[[nodiscard]] ChartData mixtureLogcChartData(const ChartRequest& request);

/** The fractions of the mixture's species at `pH`: those of at least 0.1 %, as the chart names
 * them. */
[[nodiscard]] ChartReadout mixtureFractionsReadout(const ChartRequest& request, double pH);

/** log[H+], log[OH−] and the log c of the mixture's species that lie on the chart at `pH`. */
[[nodiscard]] ChartReadout mixtureLogcReadout(const ChartRequest& request, double pH);

/** The label's place of a fractions curve: its peak (the first of equal ones). */
void labelAtPeak(ChartCurve& curve);

/** The label's place of a log-c curve: where its species is most abundant, the middle of a flat
 * top. */
void labelAtFlatTop(ChartCurve& curve);

} // namespace velmora::charts
