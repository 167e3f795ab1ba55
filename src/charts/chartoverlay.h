// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chartaxes.h"
#include "chartdata.h"

#include <QString>

class QPainter;

namespace velmora::charts {

class ChartText;
class LabelPlacer;

/**
 * A curve's value as a chart's readout shows it: a fraction in percent ("51.2 %", "<0.1 %"), a
 * log concentration or a pH with two decimals and a true minus sign ("−3.21", "4.76"), a buffer
 * capacity or a slope with three significant digits (significantText()).
 */
[[nodiscard]] QString readoutValueText(ChartKind kind, double value, const ChartTexts& texts = {});

/**
 * A value with three significant digits and a true minus sign ("0.0576", "1.23", "4320"), at
 * most nine decimals: a buffer capacity or a slope in the readout.
 */
[[nodiscard]] QString significantText(double value, QChar decimalPoint = u'.');

/** The readout's x on a chart of `kind` as its box heads it: "pH 4.50" or "V 12.35 mL". */
[[nodiscard]] QString readoutHeading(ChartKind kind, double x, const ChartTexts& texts = {});

/**
 * Where the readout's box of `size` stands for a line at logical x: beside the line inside the
 * frame, at the top right of it where there is room, else at the top left; with `around` (what
 * the chart has placed), the first place from the top down, right then left, that keeps clear of
 * its curves, lines, dots and labels, and where none does, the first clear of its dots and labels.
 */
[[nodiscard]] QRectF readoutBox(const AxesLayout& layout, double x, const QSizeF& size,
                                const LabelPlacer* around = nullptr);

/**
 * Paints a chart's readout over the chart as it was last laid out: a dashed vertical line at the
 * readout's x inside the frame, and a box beside it (see readoutBox()) with the heading and one
 * row per curve, its name typeset in the curve's colour and its value. Nothing is painted for a
 * readout outside the frame. The overlay is no part of a chart's image: a window paints it over
 * its retained copy. It grows with the chart (the layout's style) and speaks the chart's `texts`.
 */
void paintChartReadout(QPainter& painter, const AxesLayout& layout, const ChartReadout& readout,
                       ChartKind kind, ChartText& text, const ChartTexts& texts = {},
                       const LabelPlacer* around = nullptr);

/**
 * The size of the readout's box for `readout` on a chart of `kind` laid out as `layout` (its
 * style's scale), with `text` prepared for that chart.
 */
[[nodiscard]] QSizeF readoutBoxSize(const AxesLayout& layout, const ChartReadout& readout,
                                    ChartKind kind, ChartText& text, const ChartTexts& texts = {});

} // namespace velmora::charts
