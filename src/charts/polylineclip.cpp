// SPDX-License-Identifier: GPL-3.0-or-later
#include "polylineclip.h"

#include <algorithm>

namespace velmora::charts {

namespace {

/**
 * Liang–Barsky: narrows [t0, t1] of the segment a + t·(b − a) to the part inside the rectangle;
 * false when nothing is inside.
 */
bool clipSegment(const QPointF& a, const QPointF& b, const QRectF& rect, double& t0, double& t1) {
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - rect.left(), rect.right() - a.x(), a.y() - rect.top(),
                         rect.bottom() - a.y()};
    t0 = 0.0;
    t1 = 1.0;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) {
                return false;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) {
            return false;
        }
    }
    return true;
}

} // namespace

PolylinePieces clipPolyline(const std::vector<QPointF>& points, const QRectF& rect) {
    PolylinePieces pieces;
    if (points.size() == 1 && rect.contains(points.front())) {
        pieces.push_back(points);
        return pieces;
    }
    bool open = false; // the last piece goes on with the next segment
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const QPointF a = points[i];
        const QPointF b = points[i + 1];
        double t0 = 0.0;
        double t1 = 1.0;
        if (!clipSegment(a, b, rect, t0, t1)) {
            open = false;
            continue;
        }
        if (!open || t0 > 0.0) {
            pieces.emplace_back();
            pieces.back().push_back(t0 > 0.0 ? a + (b - a) * t0 : a);
        }
        pieces.back().push_back(t1 < 1.0 ? a + (b - a) * t1 : b);
        open = t1 >= 1.0;
    }
    return pieces;
}

} // namespace velmora::charts
