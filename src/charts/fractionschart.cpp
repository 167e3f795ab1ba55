// SPDX-License-Identifier: GPL-3.0-or-later
#include "fractionschart.h"

namespace velmora::charts {

ChartData fractionsChartData(const ChartRequest& request) {
    const model::PolyproticAcid& acid = request.acid;
    ChartData data;
    data.x = {0.0, 14.0, request.texts.phAxis};
    data.y = {0.0, 1.0, request.texts.fractionAxis};
    const QStringList names = speciesTexts(acid);
    const int species = acid.speciesCount();
    for (int j = 0; j < species; ++j) {
        data.curves.push_back({names[j], speciesColour(j), false, {}, {}});
        data.curves.back().points.reserve(curvePhs().size());
    }
    for (const double pH : curvePhs()) {
        const model::SpeciesValues alpha = acid.fractions(pH);
        for (int j = 0; j < species; ++j) {
            const double value = alpha[static_cast<std::size_t>(j)];
            ChartCurve& curve = data.curves[static_cast<std::size_t>(j)];
            curve.points.emplace_back(pH, value);
            // The label's place: the curve's peak (the first of equal ones).
            if (curve.points.size() == 1 || value > curve.labelAt.y()) {
                curve.labelAt = QPointF(pH, value);
            }
        }
    }
    addSolutionMarker(data, request);
    return data;
}

ChartReadout fractionsReadout(const ChartRequest& request, double pH) {
    ChartReadout readout = phReadout(pH);
    pH = readout.x;
    const model::SpeciesValues alpha = request.acid.fractions(pH);
    const QStringList names = speciesTexts(request.acid);
    for (int j = 0; j < request.acid.speciesCount(); ++j) {
        readout.values.push_back({names[j], speciesColour(j), alpha[static_cast<std::size_t>(j)]});
    }
    return readout;
}

} // namespace velmora::charts
