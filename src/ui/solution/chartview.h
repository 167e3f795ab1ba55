// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "charts/charttext.h"
#include "charts/solutionchart.h"

#include <QImage>
#include <QWidget>

#include <optional>

namespace velmora::ui {

/**
 * One view of the solution window: a chart filling the widget at any size, with a readout.
 *
 * The chart is painted into a retained image of the widget's size at its device pixel ratio, and
 * painting only copies that image. The image is rebuilt when it is stale (the request, the size
 * or the ratio changed) and only while the view is shown: a request for a hidden view is stored
 * and drawn when the view is next shown. A new request for the shown view is drawn at once. A
 * resize or the view shown queues one rebuild from the event loop, so that the sizes a layout
 * passes through on its way are not drawn; a paint that comes first draws the image itself, and
 * a change of ratio found while painting shows the old image scaled once until the rebuild.
 *
 * The readout is painted over the image and is no part of it: the mouse over the plot shows it at
 * the pointer, leaving hides it; with the focus, Left and Right move it by a small step (0.1 pH,
 * or a tenth of the volume axis' tick step), with Shift by a big one (1 pH, a tick step), Home and
 * End put it at the ends of the axis, Escape hides it. PageDown and PageUp put it on the next or
 * the previous marked point (the solution's pH, the equivalence and half-equivalence points), and
 * the mouse within a few pixels of one puts it there exactly. Its values come from the chart's
 * model at paint time, so they follow every change of the request. Its box keeps clear of the
 * chart's curves and labels where it can.
 *
 * The view is one stop of the focus chain; while it has the focus a frame in the highlight colour
 * says so (on the screen only, never in what is taken out). The Menu key and Shift+F10 ask for
 * the context menu at the readout's line (customContextMenuRequested()), or at the middle of the
 * plot while the readout is hidden.
 */
class ChartView : public QWidget {
    Q_OBJECT
public:
    explicit ChartView(charts::ChartKind kind, QWidget* parent = nullptr);

    [[nodiscard]] charts::ChartKind kind() const { return m_kind; }
    /** The request as the view draws it; its size is the view's size. */
    [[nodiscard]] charts::ChartRequest request() const;
    /** Takes the acid, solution and titration of `request` (its kind and size are the view's). */
    void setRequest(const charts::ChartRequest& request);

    /** The retained image, and whether it is stale (to be rebuilt before it is shown again). */
    [[nodiscard]] const QImage& image() const { return m_image; }
    [[nodiscard]] bool isStale() const;
    /** How often the image was built, for the checks that hidden views cost nothing. */
    [[nodiscard]] int builds() const { return m_builds; }
    /** The chart of the last build: its layout maps the view's coordinates. */
    [[nodiscard]] const charts::SolutionChart& chart() const { return m_chart; }

    /** The readout's x (pH or mL), or nothing while it is hidden. */
    [[nodiscard]] std::optional<double> readoutValue() const { return m_readout; }
    /** The readout as it is painted now, or nothing while it is hidden. */
    [[nodiscard]] std::optional<charts::ChartReadout> readout() const;
    void showReadoutAt(double value);
    void hideReadout();

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

    /** The most pixels the retained image has: those of an 8K screen (about 127 MiB). */
    static constexpr double kMaxImagePixels = 7680.0 * 4320.0;
    /**
     * The device pixel ratio of the image of a view of `logical` size on a screen of `ratio`:
     * the screen's, unless that would take more than kMaxImagePixels; then less, and the image
     * is stretched when shown.
     */
    [[nodiscard]] static qreal imageRatio(QSize logical, qreal ratio);

    /** How near (logical pixels) the mouse must come to a marked point to put the readout on it. */
    static constexpr double kMarkSnapPixels = 4.0;

    /** Where a context menu asked for from the keyboard opens: at the readout, in view pixels. */
    [[nodiscard]] QPoint keyboardMenuPoint() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    /** Rebuilds the image and repaints the view if the image is stale and the view is shown. */
    void refresh();
    /** Queues one refresh() from the event loop, unless one is on its way. */
    void queueRefresh();
    void rebuild();
    /** The marked point's value within kMarkSnapPixels of logical x, the nearest, if any. */
    [[nodiscard]] std::optional<double> markNear(double x) const;
    /**
     * Puts the readout on the next (1) or previous (−1) marked point; the first or last one when
     * it is hidden. False when the chart marks no point.
     */
    bool jumpToMark(int direction);
    /** The readout's steps along the axis: small and big. */
    [[nodiscard]] std::pair<double, double> steps() const;

    charts::ChartKind m_kind;
    charts::SolutionChart m_chart;
    charts::ChartText m_overlayText;
    QImage m_image;
    QSize m_builtSize;
    qreal m_builtRatio = 0.0; ///< the view's device pixel ratio when the image was built
    QSize m_failedSize;       ///< the size for which no image could be had, if any
    bool m_requestChanged = true;
    bool m_refreshQueued = false;
    int m_builds = 0;
    std::optional<double> m_readout;
};

} // namespace velmora::ui
