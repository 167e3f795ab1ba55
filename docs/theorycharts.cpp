// SPDX-License-Identifier: GPL-3.0-or-later
#include "theorycharts.h"

#include "theorynumbers.h"

#include "charts/solutionchart.h"
#include "charts/translatedtexts.h"

#include "model/measurements.h"
#include "model/presets.h"
#include "model/recipe.h"

#include <QPainter>

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace velmora::theory {

namespace {

using charts::ChartKind;
using charts::ChartRequest;

constexpr double kConcentration = 0.1; // mol/L of the sample and of the titrant
constexpr double kSampleVolume = 25.0; // mL
constexpr double kEndVolume = 50.0;    // mL

/**
 * 0.1 mol/L acetic acid with the example acid's constant (4.76), as `--pka 4.76 --conc 0.1`
 * gives it: the same acid as the worked examples' "0.1:acetic".
 */
ChartRequest aceticAcid(ChartKind kind) {
    ChartRequest request;
    request.kind = kind;
    const model::Preset* acetic = model::findPreset("acetic");
    request.acid = model::PolyproticAcid(std::array{acetic != nullptr ? acetic->pKa.at(0) : 4.76});
    request.solution.concentration = kConcentration;
    return request;
}

/**
 * A titration of substances written as --add takes them ("0.1:acetic") with a titrant written
 * the same way, made by the model as the command line makes it; `endVolume` 0 for the model's
 * own end.
 */
bool mixtureTitration(const std::vector<std::string>& substances, const std::string& titrant,
                      double endVolume, ChartRequest& request, QString* problem) {
    model::Recipe recipe;
    if (!readWrittenIngredients(substances, recipe.substances, problem)) {
        return false;
    }
    if (!titrant.empty()) {
        std::vector<model::Ingredient> titrants;
        if (!readWrittenIngredients({titrant}, titrants, problem)) {
            return false;
        }
        recipe.titrant = titrants.front();
    }
    recipe.titrated = true;
    recipe.sampleVolume = kSampleVolume;
    recipe.endVolume = endVolume;
    model::Mixture mixture;
    model::IngredientProblem wrong = model::mixtureOf(recipe, mixture);
    if (wrong.empty()) {
        wrong = model::titrationOf(recipe, request.mixtureTitration);
    }
    if (!wrong.empty()) {
        *problem = QString::fromStdString(wrong.problem.english());
        return false;
    }
    request.mixture = std::move(mixture);
    // Every substance of a mixture is given with its concentration: its pH is marked.
    request.showSolution = true;
    return true;
}

/** The points of the sample measurement, read as the program reads a measured titration. */
bool measuredPoints(const SourceInputs& inputs, ChartRequest& request, QString* problem) {
    if (inputs.measuredCsv.isEmpty()) {
        *problem = QStringLiteral("no measurement given (--measured FILE)");
        return false;
    }
    model::Measurements measurements;
    const model::MeasurementsProblem wrong = model::readMeasurements(
        std::string_view(inputs.measuredCsv.constData(),
                         static_cast<std::size_t>(inputs.measuredCsv.size())),
        {}, measurements);
    if (!wrong.empty()) {
        const QString what = QString::fromStdString(wrong.problem.english());
        *problem = wrong.line == 0
                       ? QStringLiteral("the measurement: %1").arg(what)
                       : QStringLiteral("the measurement, line %1: %2").arg(wrong.line).arg(what);
        return false;
    }
    request.measured = std::move(measurements.points);
    return true;
}

struct ChartFigureMaker {
    const char* name;
    bool (*make)(const SourceInputs& inputs, ChartRequest& request, QString* problem);
};

constexpr std::array kCharts{
    ChartFigureMaker{"logc-acetic",
                     [](const SourceInputs&, ChartRequest& request, QString*) {
                         request = aceticAcid(ChartKind::LogC);
                         request.showSolution = true;
                         return true;
                     }},
    ChartFigureMaker{
        "titration-acetic",
        [](const SourceInputs&, ChartRequest& request, QString*) {
            request = aceticAcid(ChartKind::Titration);
            request.titration = {kSampleVolume, model::Titrant::Base, kConcentration, kEndVolume};
            return true;
        }},
    ChartFigureMaker{"titration-weak-titrant",
                     [](const SourceInputs&, ChartRequest& request, QString* problem) {
                         request.kind = ChartKind::Titration;
                         return mixtureTitration({"0.1:acetic"}, "0.1:ammonia", kEndVolume, request,
                                                 problem);
                     }},
    ChartFigureMaker{"buffer-acetic",
                     [](const SourceInputs&, ChartRequest& request, QString*) {
                         request = aceticAcid(ChartKind::Buffer);
                         return true;
                     }},
    ChartFigureMaker{"gran-measured",
                     [](const SourceInputs& inputs, ChartRequest& request, QString* problem) {
                         // Gran's plot needs only the sample's volume and the titrant.
                         request.kind = ChartKind::Gran;
                         return mixtureTitration({}, {}, 0.0, request, problem) &&
                                measuredPoints(inputs, request, problem);
                     }},
    ChartFigureMaker{"measured",
                     [](const SourceInputs& inputs, ChartRequest& request, QString* problem) {
                         request.kind = ChartKind::Titration;
                         return mixtureTitration({"0.1:4.76"}, {}, 0.0, request, problem) &&
                                measuredPoints(inputs, request, problem);
                     }},
};

} // namespace

QStringList chartFigureNames() {
    QStringList names;
    for (const ChartFigureMaker& chart : kCharts) {
        names << QString::fromLatin1(chart.name);
    }
    return names;
}

bool isChartFigure(const QString& name) {
    return chartFigureNames().contains(name);
}

charts::ChartTexts editionChartTexts(const QString& language) {
    return charts::translatedChartTexts(decimalPointOf(language));
}

std::optional<ChartRequest> chartFigure(const QString& name, const SourceInputs& inputs,
                                        QSize canvas, QString* problem) {
    for (const ChartFigureMaker& chart : kCharts) {
        if (name != QLatin1String(chart.name)) {
            continue;
        }
        ChartRequest request;
        if (!chart.make(inputs, request, problem)) {
            return std::nullopt;
        }
        request.texts = editionChartTexts(inputs.language);
        request.size = canvas;
        return request;
    }
    *problem = QStringLiteral("no chart called \"%1\"").arg(name);
    return std::nullopt;
}

QSize chartCanvas(QSizeF cssSize) {
    const QSize canvas(static_cast<int>(std::lround(cssSize.width() / kChartTextScale)),
                       static_cast<int>(std::lround(cssSize.height() / kChartTextScale)));
    return canvas.expandedTo(charts::kMinChartSize);
}

void drawChartFigure(QPainter& painter, const QRectF& rect, const ChartRequest& request) {
    const QSizeF canvas(request.size);
    painter.save();
    painter.translate(rect.topLeft());
    painter.scale(rect.width() / canvas.width(), rect.height() / canvas.height());
    charts::paintChart(painter, QRectF(QPointF(0, 0), canvas), request);
    painter.restore();
}

} // namespace velmora::theory
