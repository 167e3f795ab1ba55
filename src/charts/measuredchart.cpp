// SPDX-License-Identifier: GPL-3.0-or-later
#include "measuredchart.h"

#include "bufferchart.h"

#include "diagram/decimaltext.h"
#include "diagram/palette.h"

#include "io/csv.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>

namespace velmora::charts {

namespace {

/** The least half-range of the residual strip, in pH: a perfect fit still shows a scale. */
constexpr double kLeastResidualRange = 0.01;

std::vector<double> volumesOf(const std::vector<model::TitrationPoint>& points) {
    std::vector<double> volumes;
    volumes.reserve(points.size());
    for (const model::TitrationPoint& point : points) {
        volumes.push_back(point.volume);
    }
    return volumes;
}

} // namespace

QColor measuredColour() {
    return diagram::paletteColor(12);
}

double requestSampleVolume(const ChartRequest& request) {
    return request.mixture ? request.mixtureTitration.sampleVolume : request.titration.sampleVolume;
}

std::vector<double> modelPhsAt(const ChartRequest& request, const std::vector<double>& volumes) {
    const model::MixtureTitrator titrator(requestMixture(request),
                                          requestMixtureTitration(request));
    std::vector<double> pHs = titrator.pHsAt(volumes);
    for (double& pH : pHs) {
        pH += request.pHOffset;
    }
    return pHs;
}

ChartRequest reachingMeasured(const ChartRequest& request) {
    if (request.measured.empty()) {
        return request;
    }
    const double last = request.measured.back().volume;
    ChartRequest reaching = request;
    if (request.mixture) {
        const model::MixtureTitrator titrator(*request.mixture, request.mixtureTitration);
        if (titrator.endVolume() < last) {
            reaching.mixtureTitration.endVolume = last;
        }
    } else if (model::Titrator(request.acid, request.solution, request.titration).endVolume() <
               last) {
        reaching.titration.endVolume = last;
    }
    return reaching;
}

model::EndPointAnalysis measuredEndPoints(const ChartRequest& request) {
    if (request.measured.size() < static_cast<std::size_t>(model::kMinMeasuredPoints)) {
        return {};
    }
    return model::analyseEndPoints(request.measured, requestSampleVolume(request));
}

std::vector<EndPointLine> endPointLines(const model::EndPointAnalysis& analysis,
                                        std::initializer_list<model::EndPointMethod> methods,
                                        const ChartTexts& texts) {
    std::vector<EndPointLine> lines;
    for (const model::EndPointMethod method : methods) {
        for (const model::EndPoint& point : analysis.endPoints) {
            if (point.method != method) {
                continue;
            }
            const QString volume = diagram::decimalText(point.volume, 2, texts.decimalPoint);
            switch (method) {
            case model::EndPointMethod::Derivative:
                lines.push_back({point.volume, texts.derivativeEndPoint.arg(volume), false});
                break;
            case model::EndPointMethod::SecondDerivative:
                lines.push_back({point.volume, texts.secondDerivativeEndPoint.arg(volume), true});
                break;
            case model::EndPointMethod::Gran:
            case model::EndPointMethod::GranExcess:
                lines.push_back({point.volume, texts.granEndPoint.arg(volume), false});
                break;
            }
        }
    }
    return lines;
}

void addMeasuredPh(ChartData& data, const ChartRequest& request) {
    if (request.measured.empty()) {
        return;
    }
    const std::vector<double> model = modelPhsAt(request, volumesOf(request.measured));
    MeasuredPoints points{measuredColour(), {}};
    double largest = 0.0;
    for (std::size_t i = 0; i < request.measured.size(); ++i) {
        const model::TitrationPoint& point = request.measured[i];
        points.points.emplace_back(point.volume, point.pH);
        data.residuals.emplace_back(point.volume, point.pH - model[i]);
        largest = std::max(largest, std::abs(point.pH - model[i]));
    }
    data.measured.push_back(std::move(points));
    const double range = niceCeiling(std::max(largest, kLeastResidualRange));
    data.residualAxis = {-range, range, request.texts.residualAxis};
    data.endLines =
        endPointLines(measuredEndPoints(request),
                      {model::EndPointMethod::Derivative, model::EndPointMethod::SecondDerivative},
                      request.texts);
}

QByteArray measuredTitrationCsv(const ChartRequest& request) {
    const std::vector<double> model = modelPhsAt(request, volumesOf(request.measured));
    QByteArray out = io::csvHeader({QStringLiteral("V/mL"), QStringLiteral("pH"),
                                    QStringLiteral("pH model"), QStringLiteral("residual")});
    for (std::size_t i = 0; i < request.measured.size(); ++i) {
        const model::TitrationPoint& point = request.measured[i];
        io::appendCsvRow(out, std::array{point.volume, point.pH, model[i], point.pH - model[i]});
    }
    return out;
}

QByteArray measuredDerivativeCsv(const ChartRequest& request) {
    const model::MixtureTitrator titrator(requestMixture(request),
                                          requestMixtureTitration(request));
    const model::EndPointAnalysis analysis = measuredEndPoints(request);
    std::vector<double> volumes;
    for (const model::SlopePoint& slope : analysis.slopes) {
        volumes.push_back(slope.volume);
    }
    const std::vector<double> pHs = titrator.pHsAt(volumes);
    QByteArray out = io::csvHeader(
        {QStringLiteral("V/mL"), QStringLiteral("dpH/dV"), QStringLiteral("dpH/dV model")});
    for (std::size_t i = 0; i < volumes.size(); ++i) {
        io::appendCsvRow(out, std::array{volumes[i], analysis.slopes[i].slope,
                                         titrator.slopeAt(volumes[i], pHs[i])});
    }
    return out;
}

} // namespace velmora::charts
