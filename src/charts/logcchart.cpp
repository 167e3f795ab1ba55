// SPDX-License-Identifier: GPL-3.0-or-later
#include "logcchart.h"
#include "mixturecharts.h"

#include "diagram/palette.h"

namespace velmora::charts {

const QString kHydrogen = QStringLiteral("H+");
const QString kHydroxide = QStringLiteral("OH-");

QColor waterColour() {
    return diagram::paletteColor(8);
}

ChartData logcChartData(const ChartRequest& request) {
    if (request.mixture) {
        return mixtureLogcChartData(request);
    }
    const model::PolyproticAcid& acid = request.acid;
    ChartData data;
    data.x = {0.0, 14.0, request.texts.phAxis};
    data.y = {kLowestLogC, 0.0, request.texts.logCAxis};
    const QStringList names = speciesTexts(acid);
    const int species = acid.speciesCount();
    for (int j = 0; j < species; ++j) {
        data.curves.push_back({names[j], speciesColour(j), false, {}, {}});
        data.curves.back().points.reserve(curvePhs().size());
    }
    const double concentration = request.solution.concentration;
    for (const double pH : curvePhs()) {
        const model::SpeciesValues logC = model::logConcentrations(acid, concentration, pH);
        for (int j = 0; j < species; ++j) {
            data.curves[static_cast<std::size_t>(j)].points.emplace_back(
                pH, logC[static_cast<std::size_t>(j)]);
        }
    }
    for (ChartCurve& curve : data.curves) {
        labelAtFlatTop(curve);
    }
    // The water lines are straight: log[H+] = −pH and log[OH−] = pH − pKw.
    data.curves.push_back(
        {kHydrogen, waterColour(), true, {{0.0, 0.0}, {14.0, -14.0}}, QPointF(1.0, -1.0)});
    data.curves.push_back(
        {kHydroxide, waterColour(), true, {{0.0, -14.0}, {14.0, 0.0}}, QPointF(13.0, -1.0)});
    addSolutionMarker(data, request);
    return data;
}

ChartReadout logcReadout(const ChartRequest& request, double pH) {
    if (request.mixture) {
        return mixtureLogcReadout(request, pH);
    }
    ChartReadout readout = phReadout(pH);
    pH = readout.x;
    readout.values.push_back({kHydrogen, waterColour(), -pH});
    readout.values.push_back({kHydroxide, waterColour(), pH - model::kPKw});
    const model::SpeciesValues logC =
        model::logConcentrations(request.acid, request.solution.concentration, pH);
    const QStringList names = speciesTexts(request.acid);
    for (int j = 0; j < request.acid.speciesCount(); ++j) {
        readout.values.push_back({names[j], speciesColour(j), logC[static_cast<std::size_t>(j)]});
    }
    return readout;
}

} // namespace velmora::charts
