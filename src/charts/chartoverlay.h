// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chartaxes.h"
#include "chartdata.h"

#include <QString>

class QPainter;

namespace velmora::charts {

class ChartText;

/**
 * A curve's value as a chart's readout shows it: a fraction in percent ("51.2 %", "<0.1 %"), a
 * log concentration or a pH with two decimals and a true minus sign ("−3.21", "4.76").
 */
[[nodiscard]] QString readoutValueText(ChartKind kind, double value, const ChartTexts& texts = {});

/** The readout's x on a chart of `kind` as its box heads it: "pH 4.50" or "V 12.35 mL". */
[[nodiscard]] QString readoutHeading(ChartKind kind, double x, const ChartTexts& texts = {});

/**
 * Paints a chart's readout over the chart as it was last laid out: a dashed vertical line at the
 * readout's x inside the frame, and a box beside it with the heading and one row per curve, its
 * name typeset in the curve's colour and its value. The box stands right of the line where there
 * is room, else left of it, and inside the frame. Nothing is painted for a readout outside the
 * frame. The overlay is no part of a chart's image: a window paints it over its retained copy.
 * It grows with the chart (the layout's style) and speaks the chart's `texts`.
 */
void paintChartReadout(QPainter& painter, const AxesLayout& layout, const ChartReadout& readout,
                       ChartKind kind, ChartText& text, const ChartTexts& texts = {});

} // namespace velmora::charts
