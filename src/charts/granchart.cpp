// SPDX-License-Identifier: GPL-3.0-or-later
#include "granchart.h"

#include "measuredchart.h"
#include "solutiondata.h"

#include "diagram/palette.h"

#include "io/csv.h"

#include <algorithm>

namespace velmora::charts {

namespace {

/** The top of the axis of Gran's function, whose values reach 1. */
constexpr double kGranAxisTop = 1.2;

QColor granColour(const model::GranPlot& plot) {
    return diagram::paletteColor(plot.afterEndPoint ? 2 : 1);
}

double lineAt(const model::GranPlot& plot, double volume) {
    return plot.intercept + plot.gradient * volume;
}

/** The straight line from the end volume to the farthest point it was fitted to. */
ChartCurve granLine(const model::GranPlot& plot) {
    const double far = plot.afterEndPoint ? plot.used.back().volume : plot.used.front().volume;
    ChartCurve line{{}, granColour(plot), false, {}, {}};
    for (const double volume : {std::min(far, plot.endVolume), std::max(far, plot.endVolume)}) {
        line.points.emplace_back(volume, lineAt(plot, volume));
    }
    return line;
}

} // namespace

std::vector<model::TitrationPoint> granSourcePoints(const ChartRequest& request) {
    if (!request.measured.empty()) {
        return request.measured;
    }
    const double end = chartEndVolume(request);
    const std::vector<double> volumes = model::evenVolumes(end, kGranModelVolumes);
    const std::vector<double> pHs = modelPhsAt(request, volumes);
    std::vector<model::TitrationPoint> points;
    points.reserve(volumes.size());
    for (std::size_t i = 0; i < volumes.size(); ++i) {
        points.push_back({volumes[i], pHs[i]});
    }
    return points;
}

model::EndPointAnalysis granAnalysis(const ChartRequest& request) {
    const std::vector<model::TitrationPoint> points = granSourcePoints(request);
    if (points.size() < static_cast<std::size_t>(model::kMinMeasuredPoints)) {
        return {};
    }
    return model::analyseEndPoints(points, requestSampleVolume(request));
}

ChartData granChartData(const ChartRequest& request) {
    const model::EndPointAnalysis analysis = granAnalysis(request);
    ChartData data;
    const double end =
        request.measured.empty() ? chartEndVolume(request) : request.measured.back().volume;
    data.x = {0.0, end, request.texts.volumeAxis};
    data.y = {0.0, kGranAxisTop, request.texts.granAxis};
    for (const model::GranPlot& plot : analysis.gran) {
        MeasuredPoints points{granColour(plot), {}};
        for (const model::TitrationPoint& point : plot.used) {
            points.points.emplace_back(point.volume, point.pH);
        }
        data.measured.push_back(std::move(points));
        data.curves.push_back(granLine(plot));
    }
    data.endLines = endPointLines(
        analysis, {model::EndPointMethod::Gran, model::EndPointMethod::GranExcess}, request.texts);
    return data;
}

ChartReadout granReadout(const ChartRequest& request, double volume) {
    const model::EndPointAnalysis analysis = granAnalysis(request);
    ChartReadout readout =
        volumeReadout(volume, request.measured.empty() ? chartEndVolume(request)
                                                       : request.measured.back().volume);
    for (const model::GranPlot& plot : analysis.gran) {
        readout.values.push_back(
            {plot.afterEndPoint ? request.texts.granAfterName : request.texts.granBeforeName,
             granColour(plot), lineAt(plot, readout.x)});
    }
    return readout;
}

QByteArray granCsv(const ChartRequest& request) {
    const model::EndPointAnalysis analysis = granAnalysis(request);
    QByteArray out = io::csvHeader({QStringLiteral("V/mL"), QStringLiteral("Gran before"),
                                    QStringLiteral("line before"), QStringLiteral("Gran after"),
                                    QStringLiteral("line after")});
    for (const model::GranPlot& plot : analysis.gran) {
        for (const model::TitrationPoint& point : plot.used) {
            io::appendCsvNumber(out, point.volume);
            out += plot.afterEndPoint ? ",,," : ",";
            io::appendCsvNumber(out, point.pH);
            out += ',';
            io::appendCsvNumber(out, lineAt(plot, point.volume));
            out += plot.afterEndPoint ? "\n" : ",,\n";
        }
    }
    return out;
}

double granCsvRows(const ChartRequest& request) {
    double rows = 0.0;
    for (const model::GranPlot& plot : granAnalysis(request).gran) {
        rows += static_cast<double>(plot.used.size());
    }
    return rows;
}

} // namespace velmora::charts
