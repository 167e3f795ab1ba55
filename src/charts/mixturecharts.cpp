// SPDX-License-Identifier: GPL-3.0-or-later
#include "mixturecharts.h"

#include "logcchart.h"
#include "mixturenames.h"

#include "model/mixturecurves.h"

#include <cmath>

namespace velmora::charts {

namespace {

/** The least fraction the readout of a mixture lists: a mixture has too many species for all. */
constexpr double kLeastListedFraction = 1.0e-3;
/** A mixture's curves are drawn wider than one acid's, so that their dots and gaps stay legible. */
constexpr double kMixtureCurveWidth = 1.5;
/** Within this of the highest log c, a curve's top counts as flat. */
constexpr double kFlatTop = 1.0e-3;

/** One curve per species of every system, in the systems' order. */
std::vector<ChartCurve> speciesCurves(const model::MixtureCurves& curves,
                                      const std::vector<QStringList>& names) {
    std::vector<ChartCurve> result;
    for (int s = 0; s < curves.systemCount(); ++s) {
        for (int j = 0; j < curves.speciesCount(s); ++j) {
            ChartCurve curve{names[static_cast<std::size_t>(s)][j],
                             speciesColour(j),
                             false,
                             {},
                             {},
                             systemDashes(s),
                             kMixtureCurveWidth};
            curve.points.reserve(curvePhs().size());
            result.push_back(std::move(curve));
        }
    }
    return result;
}

/** Whether system `system` is present at all: the log-c chart leaves out a system of none. */
bool present(const model::Mixture& mixture, int system) {
    return mixture.systems[static_cast<std::size_t>(system)].concentration > 0.0;
}

} // namespace

void labelAtPeak(ChartCurve& curve) {
    for (std::size_t i = 0; i < curve.points.size(); ++i) {
        if (i == 0 || curve.points[i].y() > curve.labelAt.y()) {
            curve.labelAt = curve.points[i];
        }
    }
}

void labelAtFlatTop(ChartCurve& curve) {
    for (std::size_t i = 0; i < curve.points.size(); ++i) {
        if (i == 0 || curve.points[i].y() > curve.labelAt.y() + kFlatTop) {
            curve.labelAt = curve.points[i];
        }
    }
    // A flat top's middle: the last point still within reach of the first peak value.
    double last = curve.labelAt.x();
    for (const QPointF& p : curve.points) {
        if (p.x() > curve.labelAt.x() && p.y() >= curve.labelAt.y() - kFlatTop) {
            last = p.x();
        }
    }
    curve.labelAt.setX((curve.labelAt.x() + last) / 2.0);
}

ChartData mixtureFractionsChartData(const ChartRequest& request) {
    const model::Mixture& mixture = *request.mixture;
    const model::MixtureCurves curves(mixture);
    ChartData data;
    data.x = {0.0, 14.0, request.texts.phAxis};
    data.y = {0.0, 1.0, request.texts.fractionAxis};
    data.curves = speciesCurves(curves, mixtureSpeciesNames(mixture));
    for (const double pH : curvePhs()) {
        std::size_t curve = 0;
        for (int s = 0; s < curves.systemCount(); ++s) {
            const model::SpeciesValues alpha = curves.fractions(s, pH);
            for (int j = 0; j < curves.speciesCount(s); ++j) {
                data.curves[curve++].points.emplace_back(pH, alpha[static_cast<std::size_t>(j)]);
            }
        }
    }
    for (ChartCurve& curve : data.curves) {
        labelAtPeak(curve);
    }
    addSolutionMarkerAt(data, request, curves.state().pH);
    return data;
}

ChartData mixtureLogcChartData(const ChartRequest& request) {
    const model::Mixture& mixture = *request.mixture;
    const model::MixtureCurves curves(mixture);
    ChartData data;
    data.x = {0.0, 14.0, request.texts.phAxis};
    data.y = {kLowestLogC, 0.0, request.texts.logCAxis};
    std::vector<ChartCurve> all = speciesCurves(curves, mixtureSpeciesNames(mixture));
    for (const double pH : curvePhs()) {
        std::size_t curve = 0;
        for (int s = 0; s < curves.systemCount(); ++s) {
            const model::SpeciesValues c = curves.concentrations(s, pH);
            for (int j = 0; j < curves.speciesCount(s); ++j) {
                all[curve++].points.emplace_back(pH, std::log10(c[static_cast<std::size_t>(j)]));
            }
        }
    }
    std::size_t curve = 0;
    for (int s = 0; s < curves.systemCount(); ++s) {
        for (int j = 0; j < curves.speciesCount(s); ++j, ++curve) {
            if (present(mixture, s)) {
                labelAtFlatTop(all[curve]);
                data.curves.push_back(std::move(all[curve]));
            }
        }
    }
    // Straight lines, shifted from −pH and pH − 14 by the temperature's pKw and the activities.
    data.curves.push_back({kHydrogen,
                           waterColour(),
                           true,
                           {{0.0, curves.logHydrogen(0.0)}, {14.0, curves.logHydrogen(14.0)}},
                           QPointF(1.0, curves.logHydrogen(1.0))});
    data.curves.push_back({kHydroxide,
                           waterColour(),
                           true,
                           {{0.0, curves.logHydroxide(0.0)}, {14.0, curves.logHydroxide(14.0)}},
                           QPointF(13.0, curves.logHydroxide(13.0))});
    addSolutionMarkerAt(data, request, curves.state().pH);
    return data;
}

ChartReadout mixtureFractionsReadout(const ChartRequest& request, double pH) {
    ChartReadout readout = phReadout(pH);
    const model::Mixture& mixture = *request.mixture;
    const model::MixtureCurves curves(mixture);
    const std::vector<QStringList> names = mixtureSpeciesNames(mixture);
    for (int s = 0; s < curves.systemCount(); ++s) {
        const model::SpeciesValues alpha = curves.fractions(s, readout.x);
        for (int j = 0; j < curves.speciesCount(s); ++j) {
            const double value = alpha[static_cast<std::size_t>(j)];
            if (value >= kLeastListedFraction) {
                readout.values.push_back(
                    {names[static_cast<std::size_t>(s)][j], speciesColour(j), value});
            }
        }
    }
    return readout;
}

ChartReadout mixtureLogcReadout(const ChartRequest& request, double pH) {
    ChartReadout readout = phReadout(pH);
    const model::Mixture& mixture = *request.mixture;
    const model::MixtureCurves curves(mixture);
    readout.values.push_back({kHydrogen, waterColour(), curves.logHydrogen(readout.x)});
    readout.values.push_back({kHydroxide, waterColour(), curves.logHydroxide(readout.x)});
    const std::vector<QStringList> names = mixtureSpeciesNames(mixture);
    for (int s = 0; s < curves.systemCount(); ++s) {
        const model::SpeciesValues c = curves.concentrations(s, readout.x);
        for (int j = 0; j < curves.speciesCount(s); ++j) {
            const double value = std::log10(c[static_cast<std::size_t>(j)]);
            if (value >= kLowestLogC) {
                readout.values.push_back(
                    {names[static_cast<std::size_t>(s)][j], speciesColour(j), value});
            }
        }
    }
    return readout;
}

} // namespace velmora::charts
