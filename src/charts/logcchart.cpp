// SPDX-License-Identifier: GPL-3.0-or-later
#include "logcchart.h"

#include "diagram/palette.h"

namespace velmora::charts {

namespace {

const QString kHydrogen = QStringLiteral("H+");
const QString kHydroxide = QStringLiteral("OH-");

QColor waterColour() {
    return diagram::paletteColor(8);
}

} // namespace

ChartData logcChartData(const ChartRequest& request) {
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
            const double value = logC[static_cast<std::size_t>(j)];
            ChartCurve& curve = data.curves[static_cast<std::size_t>(j)];
            curve.points.emplace_back(pH, value);
            // Where the species is most abundant: the middle of a flat top, not its start.
            if (curve.points.size() == 1 || value > curve.labelAt.y() + 1e-3) {
                curve.labelAt = QPointF(pH, value);
            }
        }
    }
    // A flat top's middle: the last point still within reach of the first peak value.
    for (ChartCurve& curve : data.curves) {
        double last = curve.labelAt.x();
        for (const QPointF& p : curve.points) {
            if (p.x() > curve.labelAt.x() && p.y() >= curve.labelAt.y() - 1e-3) {
                last = p.x();
            }
        }
        curve.labelAt.setX((curve.labelAt.x() + last) / 2.0);
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
