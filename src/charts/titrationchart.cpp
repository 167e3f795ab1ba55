// SPDX-License-Identifier: GPL-3.0-or-later
#include "titrationchart.h"

#include "marktexts.h"

#include "diagram/palette.h"

#include <algorithm>

namespace velmora::charts {

namespace {

QColor curveColour() {
    return diagram::paletteColor(1);
}

} // namespace

ChartData titrationChartData(const ChartRequest& request) {
    const model::Titrator titrator(request.acid, request.solution, request.titration);
    ChartData data;
    data.x = {0.0, titrator.endVolume(), request.texts.volumeAxis};
    data.y = {0.0, 14.0, request.texts.phAxis};
    ChartCurve curve{{}, curveColour(), false, {}, {}};
    const std::vector<model::TitrationPoint> points =
        titrator.drawingCurve(kTitrationDrawingVolumes, kTitrationDrawingPhStep);
    curve.points.reserve(points.size());
    for (const model::TitrationPoint& p : points) {
        curve.points.emplace_back(p.volume, p.pH);
    }
    data.curves.push_back(std::move(curve));
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

ChartReadout titrationReadout(const ChartRequest& request, double volume) {
    const model::Titrator titrator(request.acid, request.solution, request.titration);
    ChartReadout readout;
    const double end = titrator.endVolume();
    readout.inside = volume >= 0.0 && volume <= end;
    readout.x = std::clamp(volume, 0.0, end);
    readout.values.push_back({request.texts.phAxis, curveColour(), titrator.pHAt(readout.x)});
    return readout;
}

} // namespace velmora::charts
