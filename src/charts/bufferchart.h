// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chartdata.h"

namespace velmora::charts {

/**
 * The buffer-capacity chart: β = dC_B/dpH in mol/(L·pH) of the request's mixture (or its one
 * acid's solution) against pH 0..14, with the solution's pH as a marker when the request shows it.
 *
 * Water's own share, ln 10·([H+] + [OH−]), grows without bound towards both ends of the pH scale;
 * the β axis is made for the weak systems instead: it reaches a little above the highest of their
 * share anywhere and of the whole β between pH 3 and 11, so every system's hump is seen whole and
 * water's arms run off the top.
 */
[[nodiscard]] ChartData bufferChartData(const ChartRequest& request);

/** β at `pH`. */
[[nodiscard]] ChartReadout bufferReadout(const ChartRequest& request, double pH);

/**
 * The least of 1, 1.2, 1.5, 2, 2.5, 3, 4, 5, 6, 8 times a power of ten that is at least `value`
 * (> 0): the top of an axis that starts at zero.
 */
[[nodiscard]] double niceCeiling(double value);

} // namespace velmora::charts
