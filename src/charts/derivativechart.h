// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chartdata.h"

namespace velmora::charts {

/**
 * The derivative chart: the titration curve's slope dpH/dV in pH/mL against the added volume from
 * 0 to the end volume, of the request's mixture (or its one acid) with its titrant, the
 * equivalence points as filled dots on the curve with their volume and pH. The slope axis runs
 * from zero to the steepest point (down to it for an acid titrant, whose pH falls) past the first
 * 5 % of the volumes and at the equivalence points; an unbuffered start may run off the frame.
 */
[[nodiscard]] ChartData derivativeChartData(const ChartRequest& request);

/** The slope after adding `volume` mL. */
[[nodiscard]] ChartReadout derivativeReadout(const ChartRequest& request, double volume);

} // namespace velmora::charts
