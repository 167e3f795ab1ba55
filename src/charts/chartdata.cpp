// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartdata.h"

#include "chartaxes.h"

#include "diagram/decimaltext.h"
#include "diagram/palette.h"

#include "model/mixturecurves.h"

#include <algorithm>
#include <cmath>

namespace velmora::charts {

QColor speciesColour(int species) {
    if (species <= 4) {
        return diagram::paletteColor(diagram::speciesPaletteIndex(species));
    }
    // Green and olive: dark enough on white and apart from the first five.
    return diagram::paletteColor(species == 5 ? 2 : 6);
}

QStringList speciesTexts(const model::PolyproticAcid& acid) {
    QStringList texts;
    for (const std::string& name : acid.speciesNames()) {
        texts << QString::fromStdString(name);
    }
    return texts;
}

int clampedTextStep(int step) {
    return std::clamp(step, kSmallestTextStep, kLargestTextStep);
}

double textStepScale(int step) {
    constexpr double kStep = 1.15;
    return std::pow(kStep, clampedTextStep(step));
}

QString phMarkerText(double pH, const ChartTexts& texts) {
    return texts.phValue.arg(diagram::decimalText(pH, 2, texts.decimalPoint));
}

void addSolutionMarker(ChartData& data, const ChartRequest& request) {
    if (!request.showSolution) {
        return;
    }
    addSolutionMarkerAt(data, request,
                        model::solvePh(model::ChargeBalance(request.acid, request.solution)));
}

void addSolutionMarkerAt(ChartData& data, const ChartRequest& request, double pH) {
    if (!request.showSolution) {
        return;
    }
    data.hasMarker = true;
    data.markerX = pH;
    data.markerText = phMarkerText(pH, request.texts);
}

model::Mixture requestMixture(const ChartRequest& request) {
    return request.mixture ? *request.mixture : model::mixtureOf(request.acid, request.solution);
}

model::MixtureTitration requestMixtureTitration(const ChartRequest& request) {
    return request.mixture ? request.mixtureTitration
                           : model::mixtureTitrationOf(request.titration);
}

ChartReadout phReadout(double pH) {
    ChartReadout readout;
    readout.inside = pH >= 0.0 && pH <= 14.0;
    readout.x = std::clamp(pH, 0.0, 14.0);
    return readout;
}

ChartReadout volumeReadout(double volume, double end) {
    ChartReadout readout;
    readout.inside = volume >= 0.0 && volume <= end;
    readout.x = std::clamp(volume, 0.0, end);
    return readout;
}

const std::vector<double>& curvePhs() {
    static const std::vector<double> phs = [] {
        std::vector<double> values;
        constexpr int kCount = 14 * kCurveSamplesPerPh;
        for (int i = 0; i <= kCount; ++i) {
            values.push_back(static_cast<double>(i) / kCurveSamplesPerPh);
        }
        return values;
    }();
    return phs;
}

} // namespace velmora::charts
