// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chartdata.h"

namespace velmora::charts {

/**
 * The fractions chart: α_j of every species against pH 0..14, each species labelled by its peak,
 * and the solution's pH as a marker when the request shows the solution.
 */
[[nodiscard]] ChartData fractionsChartData(const ChartRequest& request);

/** The fractions of every species at `pH`. */
[[nodiscard]] ChartReadout fractionsReadout(const ChartRequest& request, double pH);

} // namespace velmora::charts
