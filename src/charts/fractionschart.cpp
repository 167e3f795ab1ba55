// SPDX-License-Identifier: GPL-3.0-or-later
#include "fractionschart.h"
#include "mixturecharts.h"

namespace velmora::charts {

ChartData fractionsChartData(const ChartRequest& request) {
    if (request.mixture) {
        return mixtureFractionsChartData(request);
    }
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
            data.curves[static_cast<std::size_t>(j)].points.emplace_back(
                pH, alpha[static_cast<std::size_t>(j)]);
        }
    }
    for (ChartCurve& curve : data.curves) {
        labelAtPeak(curve);
    }
    addSolutionMarker(data, request);
    return data;
}

ChartReadout fractionsReadout(const ChartRequest& request, double pH) {
    if (request.mixture) {
        return mixtureFractionsReadout(request, pH);
    }
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
