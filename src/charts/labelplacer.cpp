// SPDX-License-Identifier: GPL-3.0-or-later
#include "labelplacer.h"

#include <algorithm>
#include <cmath>

namespace velmora::charts {

namespace {

/** Size of the grid's cells in pixels: fine enough for text, coarse enough to stay quick. */
constexpr double kCell = 2.0;
/** Anchor points closer together than this (pixels) give the same places. */
constexpr double kAnchorSpacing = 4.0;

/** True when the segment a-b lies wholly on one side of `rect`, so it cannot cross it. */
bool besideRect(const QPointF& a, const QPointF& b, const QRectF& rect) {
    return (a.x() < rect.left() && b.x() < rect.left()) ||
           (a.x() > rect.right() && b.x() > rect.right()) ||
           (a.y() < rect.top() && b.y() < rect.top()) ||
           (a.y() > rect.bottom() && b.y() > rect.bottom());
}

} // namespace

LabelPlacer::LabelPlacer(const QRectF& bounds) : m_bounds(bounds) {
    m_columns = std::max(1, static_cast<int>(std::ceil(bounds.width() / kCell)));
    m_rows = std::max(1, static_cast<int>(std::ceil(bounds.height() / kCell)));
    m_cells.assign(static_cast<std::size_t>(m_columns) * static_cast<std::size_t>(m_rows), false);
}

void LabelPlacer::addCurve(const std::vector<QPointF>& pixels) {
    const auto mark = [this](double x, double y) {
        const double column = (x - m_bounds.left()) / kCell;
        const double row = (y - m_bounds.top()) / kCell;
        if (column >= 0.0 && column < m_columns && row >= 0.0 && row < m_rows) {
            m_cells[static_cast<std::size_t>(static_cast<int>(row) * m_columns +
                                             static_cast<int>(column))] = true;
        }
    };
    if (pixels.size() == 1) {
        mark(pixels.front().x(), pixels.front().y());
    }
    for (std::size_t i = 0; i + 1 < pixels.size(); ++i) {
        const QPointF a = pixels[i];
        const QPointF b = pixels[i + 1];
        if (besideRect(a, b, m_bounds)) {
            continue;
        }
        // Steps of half a cell along the segment, so that no cell it crosses is missed.
        const double dx = b.x() - a.x();
        const double dy = b.y() - a.y();
        const int steps = std::max(
            1, static_cast<int>(std::ceil(std::max(std::abs(dx), std::abs(dy)) / (kCell / 2.0))));
        for (int step = 0; step <= steps; ++step) {
            const double t = static_cast<double>(step) / steps;
            mark(a.x() + dx * t, a.y() + dy * t);
        }
    }
}

void LabelPlacer::addObstacle(const QRectF& box) {
    m_boxes.push_back(box);
}

bool LabelPlacer::fitsHard(const QRectF& box) const {
    if (!m_bounds.adjusted(kLabelMargin, kLabelMargin, -kLabelMargin, -kLabelMargin)
             .contains(box)) {
        return false;
    }
    const QRectF padded = box.adjusted(-kLabelMargin, -kLabelMargin, kLabelMargin, kLabelMargin);
    return std::none_of(m_boxes.begin(), m_boxes.end(),
                        [&](const QRectF& other) { return other.intersects(padded); });
}

bool LabelPlacer::clearOfCurves(const QRectF& wholeBox) const {
    // A line may touch the box's outermost pixel: the glyphs do not fill it.
    const QRectF box = wholeBox.adjusted(1.0, 1.0, -1.0, -1.0);
    const int c0 =
        std::max(0, static_cast<int>(std::floor((box.left() - m_bounds.left()) / kCell)));
    const int c1 = std::min(m_columns - 1,
                            static_cast<int>(std::floor((box.right() - m_bounds.left()) / kCell)));
    const int r0 = std::max(0, static_cast<int>(std::floor((box.top() - m_bounds.top()) / kCell)));
    const int r1 =
        std::min(m_rows - 1, static_cast<int>(std::floor((box.bottom() - m_bounds.top()) / kCell)));
    for (int r = r0; r <= r1; ++r) {
        for (int c = c0; c <= c1; ++c) {
            if (m_cells[static_cast<std::size_t>(r * m_columns + c)]) {
                return false;
            }
        }
    }
    return true;
}

std::vector<QRectF> LabelPlacer::candidates(const QPointF& anchor, const QSizeF& size) const {
    const double w = size.width();
    const double h = size.height();
    // Above and below, centred on the anchor but kept within the frame sideways, so that a label
    // of a curve that leaves the plot at its edge still stands by it.
    const double minLeft = m_bounds.left() + kLabelMargin;
    const double maxLeft = m_bounds.right() - kLabelMargin - w;
    const double centred = std::clamp(anchor.x() - w / 2.0, minLeft, std::max(minLeft, maxLeft));
    // Then the four corners, which keep clear of a line that runs through the anchor slantwise,
    // then right and left of it.
    const double g = kLabelGap;
    return {
        QRectF(centred, anchor.y() - g - h, w, h),
        QRectF(centred, anchor.y() + g, w, h),
        QRectF(anchor.x() - g - w, anchor.y() - g - h, w, h),
        QRectF(anchor.x() + g, anchor.y() - g - h, w, h),
        QRectF(anchor.x() - g - w, anchor.y() + g, w, h),
        QRectF(anchor.x() + g, anchor.y() + g, w, h),
        QRectF(anchor.x() + g, anchor.y() - h / 2.0, w, h),
        QRectF(anchor.x() - g - w, anchor.y() - h / 2.0, w, h),
    };
}

std::optional<QRectF> LabelPlacer::place(const std::vector<QPointF>& anchors, const QSizeF& size) {
    std::optional<QRectF> fallback;
    for (const QPointF& anchor : anchors) {
        for (const QRectF& box : candidates(anchor, size)) {
            if (!fitsHard(box)) {
                continue;
            }
            if (clearOfCurves(box)) {
                m_boxes.push_back(box);
                return box;
            }
            if (!fallback) {
                fallback = box;
            }
        }
    }
    if (fallback) {
        m_boxes.push_back(*fallback);
    }
    return fallback;
}

std::optional<QRectF> LabelPlacer::firstFree(const std::vector<QRectF>& boxes) const {
    std::optional<QRectF> fallback;
    for (const QRectF& box : boxes) {
        if (!fitsHard(box)) {
            continue;
        }
        if (clearOfCurves(box)) {
            return box;
        }
        if (!fallback) {
            fallback = box;
        }
    }
    return fallback;
}

std::optional<QRectF> LabelPlacer::placeAmong(const std::vector<QRectF>& boxes) {
    const std::optional<QRectF> box = firstFree(boxes);
    if (box) {
        m_boxes.push_back(*box);
    }
    return box;
}

std::vector<QRectF> boxesBesideLine(double x, const QSizeF& size, const QRectF& bounds, double gap,
                                    double step) {
    std::vector<QRectF> boxes;
    const double inner = kLabelMargin;
    const bool right = x + gap + size.width() <= bounds.right() - inner;
    const bool left = x - gap - size.width() >= bounds.left() + inner;
    for (double top = bounds.top() + gap; top + size.height() <= bounds.bottom() - inner;
         top += std::max(step, 1.0)) {
        if (right) {
            boxes.emplace_back(QPointF(x + gap, top), size);
        }
        if (left) {
            boxes.emplace_back(QPointF(x - gap - size.width(), top), size);
        }
    }
    return boxes;
}

std::vector<QPointF> anchorsAlong(const std::vector<std::vector<QPointF>>& pieces,
                                  const QPointF& preferred, const QRectF& bounds) {
    std::vector<QPointF> anchors;
    const auto keep = [&](const QPointF& p) {
        if (bounds.contains(p)) {
            anchors.push_back(p);
        }
    };
    for (const std::vector<QPointF>& pixels : pieces) {
        if (pixels.empty()) {
            continue;
        }
        keep(pixels.front());
        // Points every kAnchorSpacing pixels along the piece, however long its segments.
        double toNext = kAnchorSpacing;
        for (std::size_t i = 0; i + 1 < pixels.size(); ++i) {
            const QPointF a = pixels[i];
            const QPointF b = pixels[i + 1];
            if (besideRect(a, b, bounds)) {
                continue;
            }
            const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
            double at = toNext;
            while (at <= length) {
                keep(a + (b - a) * (at / length));
                at += kAnchorSpacing;
            }
            toNext = at - length;
        }
    }
    const auto distance = [&](const QPointF& p) {
        return std::abs(p.x() - preferred.x()) + 0.25 * std::abs(p.y() - preferred.y());
    };
    std::stable_sort(anchors.begin(), anchors.end(),
                     [&](const QPointF& a, const QPointF& b) { return distance(a) < distance(b); });
    return anchors;
}

} // namespace velmora::charts
