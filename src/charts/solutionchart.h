// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chartaxes.h"
#include "chartdata.h"
#include "charttext.h"
#include "labelplacer.h"
#include "polylineclip.h"

#include "encode/encode.h"

#include <QImage>
#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

class QPainter;

namespace velmora::charts {

/** Where one label of a chart was placed (logical pixels). */
struct PlacedLabel {
    QString text;
    QRectF box; ///< the whole formula, raised and lowered parts included
};

/**
 * A solution's chart, kept between redraws: the request, its curves in axis values (computed
 * when the request changes), the fonts and laid-out texts, and where the last paint put the
 * frame and the labels.
 *
 * A window holds one per view: it calls setRequest() on every change of the acid or the
 * solution (which only takes the request: the curves are computed when the chart is next
 * painted or its data asked for, so a view that is not shown costs nothing), paint() into its
 * retained image at any size, and readoutAt() with the mouse's x. The command line, print and
 * the clipboard use paintChart() or chartImage(), which paint through a chart of their own.
 *
 * A chart grows with its area as a slide does: its texts, lines, marks and gaps are drawingScale()
 * times their size at 960 × 600, its texts also the request's text step larger or smaller, so
 * that the ticks keep about the same count at every size.
 *
 * Painting order: white background, grid, curves (cut at the frame), measured points, the
 * solution's pH marker, the titration's points, the end points' lines, the labels, and the frame
 * with its ticks last, so that it stays intact over curves that run along its edges. With
 * residuals of measured points, a strip under the plot shows them on its own axis, the plot's
 * x numbers and title under it.
 */
class SolutionChart {
public:
    SolutionChart() = default;
    explicit SolutionChart(const ChartRequest& request) { setRequest(request); }

    /** Takes a new request; its curves are computed when they are next needed. */
    void setRequest(const ChartRequest& request);
    [[nodiscard]] const ChartRequest& request() const { return m_request; }
    /** The curves of the request, computed now if the request changed since. */
    [[nodiscard]] const ChartData& data() const;

    /** Paints the chart filling `area` (logical coordinates of the painter). */
    void paint(QPainter& painter, const QRectF& area);

    /** The layout of the last paint (frame, mapping and ticks). */
    [[nodiscard]] const AxesLayout& layout() const { return m_layout; }
    /** The layout of the last paint's residual strip; nothing for a chart without one. */
    [[nodiscard]] const std::optional<AxesLayout>& stripLayout() const { return m_stripLayout; }
    /** The measured points the last paint drew, in logical pixels (those inside the frames). */
    [[nodiscard]] const std::vector<QPointF>& measuredPixels() const { return m_measuredPixels; }
    /**
     * The texts placed in the plot by the last paint: the marker's value, the curves' labels,
     * the marks' labels and the marks' key (its text the key's words joined).
     */
    [[nodiscard]] const std::vector<PlacedLabel>& labels() const { return m_labels; }
    /** The curves in logical pixels of the last paint, cut at the frame (as drawn). */
    [[nodiscard]] const std::vector<PolylinePieces>& curvePixels() const { return m_pixels; }
    /**
     * What the last paint put in the plot, curves and lines as soft obstacles and texts and dots
     * as hard ones, for a box painted over the chart (the readout) to keep clear of; nothing
     * before any paint.
     */
    [[nodiscard]] const LabelPlacer* placed() const { return m_placer ? &*m_placer : nullptr; }
    /**
     * The axis values (pH or mL) of the marked points in order: the solution's pH, the
     * equivalence and half-equivalence points, those within the axis.
     */
    [[nodiscard]] std::vector<double> markValues() const;

    /**
     * The readout at logical x of the last paint: the pH (or volume) there and every curve's
     * value, from the model. `inside` is false left or right of the frame and before any paint.
     */
    [[nodiscard]] ChartReadout readoutAt(double x) const;
    /** The readout at an axis value (pH or mL), for the keyboard. */
    [[nodiscard]] ChartReadout readoutAtValue(double value) const;

private:
    void paintCurves(QPainter& painter);
    void paintMarker(QPainter& painter);
    void paintMarks(QPainter& painter);
    void paintMeasured(QPainter& painter);
    void paintEndLines(QPainter& painter);
    void paintStrip(QPainter& painter);
    void placeAndPaintLabels(QPainter& painter);

    ChartRequest m_request;
    mutable ChartData m_data;
    mutable bool m_dataCurrent = false;
    bool m_painted = false;
    ChartText m_text;
    AxesLayout m_layout;
    std::optional<AxesLayout> m_stripLayout;
    std::vector<QPointF> m_measuredPixels;
    /** The drawn measured points of each group, for the labels to keep clear of. */
    std::vector<std::vector<QPointF>> m_measuredGroups;
    std::vector<PolylinePieces> m_pixels; ///< the curves in pixels of the last paint, clipped
    std::vector<PlacedLabel> m_labels;
    std::optional<LabelPlacer> m_placer;
};

/** The chart's data for a request (what SolutionChart::setRequest() computes). */
[[nodiscard]] ChartData chartData(const ChartRequest& request);

/** The readout of a request at an axis value (pH or mL), without a chart. */
[[nodiscard]] ChartReadout chartReadout(const ChartRequest& request, double value);

/** Paints the chart of `request` filling `area` on any painter (screen, PNG, SVG, PDF, print). */
void paintChart(QPainter& painter, const QRectF& area, const ChartRequest& request);

/**
 * The chart as an image of request.size times `scale` device pixels, drawn at that device pixel
 * ratio (so it is the same drawing, only sharper); the returned image's ratio is 1.
 */
[[nodiscard]] QImage chartImage(const ChartRequest& request, qreal scale = 1.0);

/** The title of the chart's document (an SVG's or PDF's title, a print job's name). */
[[nodiscard]] QString chartTitle(const ChartRequest& request);

/** The chart of `request` as a drawing of request.size that the encoders take (PNG, SVG, PDF). */
[[nodiscard]] encode::Drawing chartDrawing(const ChartRequest& request);

/**
 * The font families the charts' texts are drawn in that no installed font can draw (digits,
 * letters, signs, the minus sign and α); empty where everything is legible.
 */
[[nodiscard]] QStringList missingChartFonts();

/** Colours of the markers. */
[[nodiscard]] QColor markerColour();

} // namespace velmora::charts
