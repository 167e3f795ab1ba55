// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QRectF>

#include <vector>

namespace velmora::charts {

/** Pieces of a polyline, each drawn as a polyline of its own. */
using PolylinePieces = std::vector<std::vector<QPointF>>;

/**
 * The parts of a polyline inside `rect` (edges included), cut where it leaves and re-enters.
 * Charts clip their curves themselves rather than through the painter, because not every paint
 * device honours a clip (an SVG would show a log-c curve running on below the frame), and the
 * raster engine then has fewer points to draw.
 */
[[nodiscard]] PolylinePieces clipPolyline(const std::vector<QPointF>& points, const QRectF& rect);

} // namespace velmora::charts
