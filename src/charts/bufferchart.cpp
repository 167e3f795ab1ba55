// SPDX-License-Identifier: GPL-3.0-or-later
#include "bufferchart.h"

#include "diagram/palette.h"

#include "model/mixturecurves.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace velmora::charts {

namespace {

/** The pH range in which the whole β, water's share included, sets the axis. */
constexpr double kWaterRangeLow = 3.0;
constexpr double kWaterRangeHigh = 11.0;
/** Room above the highest value, as a share of it. */
constexpr double kHeadroom = 1.1;

QColor bufferColour() {
    return diagram::paletteColor(1);
}

} // namespace

double niceCeiling(double value) {
    if (!(value > 0.0) || !std::isfinite(value)) {
        return 1.0;
    }
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    static constexpr std::array kMultiples{1.0, 1.2, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 8.0, 10.0};
    for (const double multiple : kMultiples) {
        if (multiple * power >= value * (1.0 - 1e-12)) {
            return multiple * power;
        }
    }
    return 10.0 * power;
}

ChartData bufferChartData(const ChartRequest& request) {
    const model::MixtureCurves curves(requestMixture(request));
    ChartData data;
    data.x = {0.0, 14.0, request.texts.phAxis};
    ChartCurve curve{{}, bufferColour(), false, {}, {}};
    curve.points.reserve(curvePhs().size());
    double highest = 0.0;
    for (const double pH : curvePhs()) {
        const double beta = curves.bufferCapacity(pH);
        curve.points.emplace_back(pH, beta);
        highest = std::max(highest, beta - curves.waterBufferCapacity(pH));
        if (pH >= kWaterRangeLow && pH <= kWaterRangeHigh) {
            highest = std::max(highest, beta);
        }
    }
    data.y = {0.0, niceCeiling(kHeadroom * highest), request.texts.bufferAxis};
    data.curves.push_back(std::move(curve));
    addSolutionMarkerAt(data, request, curves.state().pH);
    return data;
}

ChartReadout bufferReadout(const ChartRequest& request, double pH) {
    ChartReadout readout = phReadout(pH);
    const model::MixtureCurves curves(requestMixture(request));
    readout.values.push_back(
        {request.texts.bufferName, bufferColour(), curves.bufferCapacity(readout.x)});
    return readout;
}

} // namespace velmora::charts
