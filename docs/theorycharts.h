// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "theorysource.h"

#include "charts/chartdata.h"

#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <optional>

class QPainter;
class QRectF;

namespace velmora::theory {

/**
 * The names of the charts the document can show, <img src="chart:NAME">, each drawn by the
 * program's own chart code from the program's model:
 *   logc-acetic             log c of 0.1 mol/L acetic acid (pKa 4.76), its pH marked;
 *   titration-acetic        25 mL of it titrated with 0.1 mol/L NaOH up to 50 mL, with the
 *                           equivalence and half-equivalence points;
 *   titration-weak-titrant  25 mL of 0.1 mol/L acetic acid (the program's library substance)
 *                           titrated with 0.1 mol/L ammonia up to 50 mL;
 *   buffer-acetic           the buffer capacity of 0.1 mol/L acetic acid;
 *   gran-measured           Gran's plot of the sample measurement (25 mL sample, 0.1 mol/L NaOH);
 *   measured                the sample measurement over the model of 0.1 mol/L acetic acid
 *                           (pKa 4.76) titrated with 0.1 mol/L NaOH, with its residuals.
 */
[[nodiscard]] QStringList chartFigureNames();

/** Whether `name` is one of chartFigureNames(). */
[[nodiscard]] bool isChartFigure(const QString& name);

/**
 * The charts' words in the language of the installed translation and the decimal separator of
 * the edition's language ("en" a point; "de", "es", "fr" a comma).
 */
[[nodiscard]] charts::ChartTexts editionChartTexts(const QString& language);

/**
 * The request of chart `name` for the edition of `inputs` (its words and separator, the sample
 * measurement of the measured charts), drawn at `canvas` logical pixels. Nothing, with the
 * reason in `problem`, for an unknown name or a measured chart without a readable measurement.
 */
[[nodiscard]] std::optional<charts::ChartRequest>
chartFigure(const QString& name, const SourceInputs& inputs, QSize canvas, QString* problem);

/**
 * How much smaller a chart's texts are drawn in the document than at their size on the screen:
 * its ticks' 9 points become about 8 and its axis titles' 10 about 9 on paper.
 */
inline constexpr double kChartTextScale = 0.9;

/**
 * The logical size a chart is laid out at to fill a picture of `cssSize` CSS pixels (1/96 inch)
 * with its texts kChartTextScale times their screen size; never below the charts' smallest size.
 */
[[nodiscard]] QSize chartCanvas(QSizeF cssSize);

/** Paints `request` (laid out at request.size) scaled to fill `rect` of the painter. */
void drawChartFigure(QPainter& painter, const QRectF& rect, const charts::ChartRequest& request);

} // namespace velmora::theory
