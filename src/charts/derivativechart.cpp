// SPDX-License-Identifier: GPL-3.0-or-later
#include "derivativechart.h"

#include "bufferchart.h"
#include "marktexts.h"
#include "measuredchart.h"
#include "titrationchart.h"

#include "diagram/palette.h"

#include <algorithm>

namespace velmora::charts {

namespace {

/**
 * The share of the volume axis at its start whose slope does not set the axis: a sample without
 * buffer (a salt such as sodium acetate before any acid) changes its pH fastest with the first
 * drop, far faster than at its equivalence points, which would lie flat beside that spike.
 */
constexpr double kUnscaledStart = 0.05;

QColor slopeColour() {
    return diagram::paletteColor(1);
}

} // namespace

ChartData derivativeChartData(const ChartRequest& request) {
    const ChartRequest reaching = reachingMeasured(request);
    const model::MixtureTitrator titrator(requestMixture(reaching),
                                          requestMixtureTitration(reaching));
    ChartData data;
    data.x = {0.0, titrator.endVolume(), request.texts.volumeAxis};
    ChartCurve curve{{}, slopeColour(), false, {}, {}};
    const std::vector<model::TitrationPoint> points =
        titrator.drawingCurve(kTitrationDrawingVolumes, kTitrationDrawingPhStep);
    curve.points.reserve(points.size());
    double lowest = 0.0;
    double highest = 0.0;
    const auto include = [&](const QPointF& point) {
        lowest = std::min(lowest, point.y());
        highest = std::max(highest, point.y());
    };
    for (const model::TitrationPoint& p : points) {
        curve.points.emplace_back(p.volume, titrator.slopeAt(p.volume, p.pH));
        if (p.volume >= kUnscaledStart * data.x.max) {
            include(curve.points.back());
        }
    }
    data.curves.push_back(std::move(curve));
    for (const model::MixtureMark& mark : titrator.marks()) {
        if (mark.half || mark.volume > data.x.max) {
            continue;
        }
        const QPointF at(mark.volume, titrator.slopeAt(mark.volume, mark.pH));
        include(at);
        data.marks.push_back({at, true,
                              equivalenceLabel(request.texts.marks, mark.volume, mark.pH,
                                               request.texts.decimalPoint)});
        data.markKey.filled = request.texts.marks.equivalencePoint;
    }
    // The measured first differences, scaled for as the model's are.
    const model::EndPointAnalysis analysis = measuredEndPoints(request);
    if (!analysis.slopes.empty()) {
        MeasuredPoints measured{measuredColour(), {}};
        for (const model::SlopePoint& slope : analysis.slopes) {
            measured.points.emplace_back(slope.volume, slope.slope);
            if (slope.volume >= kUnscaledStart * data.x.max) {
                include(measured.points.back());
            }
        }
        data.measured.push_back(std::move(measured));
        data.endLines = endPointLines(analysis, {model::EndPointMethod::Derivative}, request.texts);
    }
    // A falling pH (an acid titrant) has its peaks below zero.
    data.y = {lowest < 0.0 ? -niceCeiling(-lowest) : 0.0,
              highest > 0.0 || lowest == 0.0 ? niceCeiling(highest) : 0.0, request.texts.slopeAxis};
    return data;
}

ChartReadout derivativeReadout(const ChartRequest& request, double volume) {
    const model::MixtureTitrator titrator(requestMixture(request),
                                          requestMixtureTitration(request));
    ChartReadout readout = volumeReadout(volume, titrator.endVolume());
    readout.values.push_back({request.texts.slopeName, slopeColour(),
                              titrator.slopeAt(readout.x, titrator.pHAt(readout.x))});
    return readout;
}

} // namespace velmora::charts
