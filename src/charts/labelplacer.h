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

    /**
     * The first of `boxes` (in order of preference) that is free of both the obstacles and the
     * curves, else the first free of the obstacles; nothing where every box meets an obstacle.
     * Nothing is kept: a box over the finished chart (its readout) asks this.
     */
    [[nodiscard]] std::optional<QRectF> firstFree(const std::vector<QRectF>& boxes) const;
    /** As firstFree(), the box kept as an obstacle for the labels that follow. */
    [[nodiscard]] std::optional<QRectF> placeAmong(const std::vector<QRectF>& boxes);

    [[nodiscard]] const QRectF& bounds() const { return m_bounds; }

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
 * Places for a box of `size` beside a vertical line at `x` within `bounds`: from the top down in
 * steps of `step`, at each height right of the line and then left of it, `gap` from the line and
 * from the top. A box that does not fit sideways is left out.
 */
[[nodiscard]] std::vector<QRectF> boxesBesideLine(double x, const QSizeF& size,
                                                  const QRectF& bounds, double gap, double step);

/**
 * Anchor points along a curve's pieces (pixels) for LabelPlacer: points every few pixels along
 * them inside `bounds`, nearest to `preferred` first.
 */
[[nodiscard]] std::vector<QPointF> anchorsAlong(const std::vector<std::vector<QPointF>>& pieces,
                                                const QPointF& preferred, const QRectF& bounds);

} // namespace velmora::charts
