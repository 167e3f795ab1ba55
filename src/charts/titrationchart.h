// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chartdata.h"

namespace velmora::charts {

/** Evenly spaced volumes of the drawn titration curve, and its pH step between them. */
inline constexpr int kTitrationDrawingVolumes = 401;
inline constexpr double kTitrationDrawingPhStep = 0.05;

/**
 * The titration chart: pH 0..14 against the added volume from 0 to the end volume, the
 * equivalence points as filled dots with their pH and the half-equivalence points as open ones.
 */
[[nodiscard]] ChartData titrationChartData(const ChartRequest& request);

/** The pH after adding `volume` mL. */
[[nodiscard]] ChartReadout titrationReadout(const ChartRequest& request, double volume);

} // namespace velmora::charts
