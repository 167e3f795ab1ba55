// SPDX-License-Identifier: GPL-3.0-or-later
#include "titrationchart.h"

#include "marktexts.h"
#include "measuredchart.h"
#include "mixturenames.h"

#include "diagram/formula.h"
#include "diagram/palette.h"

#include <algorithm>

namespace velmora::charts {

namespace {

QColor curveColour() {
    return diagram::paletteColor(1);
}

ChartCurve pHCurve(const std::vector<model::TitrationPoint>& points) {
    ChartCurve curve{{}, curveColour(), false, {}, {}};
    curve.points.reserve(points.size());
    for (const model::TitrationPoint& p : points) {
        curve.points.emplace_back(p.volume, p.pH);
    }
    return curve;
}

/** A titration chart's axes and its curve, without marks. */
template <class AnyTitrator>
ChartData curveData(const AnyTitrator& titrator, const ChartRequest& request) {
    ChartData data;
    data.x = {0.0, titrator.endVolume(), request.texts.volumeAxis};
    data.y = {0.0, 14.0, request.texts.phAxis};
    data.curves.push_back(
        pHCurve(titrator.drawingCurve(kTitrationDrawingVolumes, kTitrationDrawingPhStep)));
    return data;
}

/**
 * The name of constant `constant` of system `system` in a mixture's half-equivalence label: as
 * for one acid where the mixture has one system, else with its system's acid ("pKa2 (H₃PO₄)").
 */
QString mixturePKaName(const ChartRequest& request, const std::vector<QStringList>& names,
                       int system, int constant) {
    const model::Mixture& mixture = *request.mixture;
    const auto count =
        static_cast<int>(mixture.systems[static_cast<std::size_t>(system)].pK.size());
    const QString name = pKaName(request.texts.marks, constant, count);
    if (mixture.systems.size() == 1) {
        return name;
    }
    return request.texts.marks.systemPKa.arg(
        name, diagram::unicodeFormula(names[static_cast<std::size_t>(system)].constFirst()));
}

/** The titration chart of the request's mixture with its titrant. */
ChartData mixtureTitrationChartData(const ChartRequest& request) {
    const model::Mixture& sample = *request.mixture;
    const model::MixtureTitrator titrator(sample, request.mixtureTitration);
    ChartData data = curveData(titrator, request);
    const MarkTexts& texts = request.texts.marks;
    const QChar point = request.texts.decimalPoint;
    const std::vector<QStringList> names = mixtureSpeciesNames(sample);
    for (const model::MixtureMark& mark : titrator.marks()) {
        if (mark.volume > data.x.max) {
            continue;
        }
        QString label;
        if (mark.half) {
            const std::vector<double> pKa = model::systemPKa(
                sample.systems[static_cast<std::size_t>(mark.system)], sample.temperature);
            label = namedHalfEquivalenceLabel(
                texts, mark.pH, pKa[static_cast<std::size_t>(mark.constant - 1)],
                mixturePKaName(request, names, mark.system, mark.constant), point);
            data.markKey.open = texts.halfEquivalencePoint;
        } else {
            label = equivalenceLabel(texts, mark.volume, mark.pH, point);
            data.markKey.filled = texts.equivalencePoint;
        }
        data.marks.push_back({QPointF(mark.volume, mark.pH), !mark.half, label});
    }
    return data;
}

/** The titration chart of the request's model, without measured points. */
ChartData modelTitrationChartData(const ChartRequest& request) {
    if (request.mixture) {
        return mixtureTitrationChartData(request);
    }
    const model::Titrator titrator(request.acid, request.solution, request.titration);
    ChartData data = curveData(titrator, request);
    const MarkTexts& texts = request.texts.marks;
    const QChar point = request.texts.decimalPoint;
    for (const model::TitrationMark& mark : titrator.marks()) {
        if (mark.volume > data.x.max) {
            continue;
        }
        const QString label =
            mark.half ? halfEquivalenceLabel(texts, mark.pH, request.acid.pKa(mark.constant - 1),
                                             mark.constant, request.acid.constantCount(), point)
                      : equivalenceLabel(texts, mark.volume, mark.pH, point);
        data.marks.push_back({QPointF(mark.volume, mark.pH), !mark.half, label});
        if (mark.half) {
            data.markKey.open = texts.halfEquivalencePoint;
        } else {
            data.markKey.filled = texts.equivalencePoint;
        }
    }
    return data;
}

} // namespace

ChartData titrationChartData(const ChartRequest& request) {
    if (request.measured.empty()) {
        return modelTitrationChartData(request);
    }
    // The model as the pH meter reads it, along the whole measured range.
    ChartData data = modelTitrationChartData(reachingMeasured(request));
    for (QPointF& point : data.curves.front().points) {
        point.ry() += request.pHOffset;
    }
    for (ChartMark& mark : data.marks) {
        mark.at.ry() += request.pHOffset;
    }
    addMeasuredPh(data, request);
    return data;
}

ChartReadout titrationReadout(const ChartRequest& request, double volume) {
    if (request.mixture) {
        const model::MixtureTitrator titrator(*request.mixture, request.mixtureTitration);
        ChartReadout readout = volumeReadout(volume, titrator.endVolume());
        readout.values.push_back({request.texts.phAxis, curveColour(), titrator.pHAt(readout.x)});
        return readout;
    }
    const model::Titrator titrator(request.acid, request.solution, request.titration);
    ChartReadout readout = volumeReadout(volume, titrator.endVolume());
    readout.values.push_back({request.texts.phAxis, curveColour(), titrator.pHAt(readout.x)});
    return readout;
}

} // namespace velmora::charts
