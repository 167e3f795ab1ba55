// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chartdata.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <vector>

class QPainter;

namespace velmora::charts {

class ChartText;

/** Radius of a mark's dot, in logical pixels at scale 1 (the chart's style scales it). */
inline constexpr double kMarkRadius = 3.5;

/** A mark's dot: filled for an equivalence point, open (white inside) for a half-equivalence one.
 */
void paintMarkDot(QPainter& painter, const QPointF& at, bool filled, double scale = 1.0);

/** The size of the key's box: one row per kind of dot shown, a dot and its meaning. */
[[nodiscard]] QSizeF markKeySize(const MarkKey& key, ChartText& text, double scale = 1.0);

/** Paints the key in `box` (as markKeySize() measured it). */
void paintMarkKey(QPainter& painter, const QRectF& box, const MarkKey& key, ChartText& text,
                  double scale = 1.0);

/**
 * Places for the key inside `bounds`, in order of preference: the upper left corner (a rising
 * titration curve starts low there), the lower right, the upper right and the lower left, then
 * places on a coarse grid from the top down.
 */
[[nodiscard]] std::vector<QRectF> keyPlaces(const QRectF& bounds, const QSizeF& size,
                                            double scale = 1.0);

} // namespace velmora::charts
