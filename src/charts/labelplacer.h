// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <optional>
#include <vector>

namespace velmora::charts {

/**
 * Finds places for labels inside a plot so that no label overlaps another, a marker's text or the
 * frame, and, where it can, none lies over a curve.
 *
 * Curves are marked in a coarse grid of cells (soft obstacles); labels already placed and other
 * texts are boxes (hard obstacles). A label is tried at each of its anchor points in turn, above
 * and below it, at its four corners, then right and left of it; the first place free of both kinds
 * wins, else the first free of the hard ones. A label that fits nowhere is left out rather than
 * drawn over another.
 */
class LabelPlacer {
public:
    /** `bounds` is the inside of the plot frame; every label stays within it. */
    explicit LabelPlacer(const QRectF& bounds);

    /** Marks the cells a polyline (in pixels) passes through. */
    void addCurve(const std::vector<QPointF>& pixels);
    /** A box no label may overlap. */
    void addObstacle(const QRectF& box);

    /**
     * The box of `size` for a label at the first of `anchors` (in order of preference) where it
     * fits; the box is kept as an obstacle for the labels that follow.
     */
    [[nodiscard]] std::optional<QRectF> place(const std::vector<QPointF>& anchors,
                                              const QSizeF& size);

private:
    [[nodiscard]] bool fitsHard(const QRectF& box) const;
    [[nodiscard]] bool clearOfCurves(const QRectF& box) const;
    [[nodiscard]] std::vector<QRectF> candidates(const QPointF& anchor, const QSizeF& size) const;

    QRectF m_bounds;
    int m_columns = 0;
    int m_rows = 0;
    std::vector<bool> m_cells;
    std::vector<QRectF> m_boxes;
};

/** Room kept between a label and its anchor, and around each label, in pixels. */
inline constexpr double kLabelGap = 3.0;
inline constexpr double kLabelMargin = 2.0;

/**
 * Anchor points along a curve's pieces (pixels) for LabelPlacer: points every few pixels along
 * them inside `bounds`, nearest to `preferred` first.
 */
[[nodiscard]] std::vector<QPointF> anchorsAlong(const std::vector<std::vector<QPointF>>& pieces,
                                                const QPointF& preferred, const QRectF& bounds);

} // namespace velmora::charts
