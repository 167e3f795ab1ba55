// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagram/readout.h"

#include <QSize>
#include <QWidget>

#include <functional>
#include <optional>

namespace velmora::diagram {
class RetainedPlot;
}

namespace velmora::ui {

/**
 * The main window's plot box: shows the retained image of the diagram. Painting copies the last
 * drawing, it never draws the diagram, so a covered and uncovered window shows the diagram at
 * once. When the box finds itself on a screen of another device pixel ratio than the image was
 * drawn for, the image is stale: the box shows it scaled for the moment and asks its owner,
 * from the event loop and once, to draw again (devicePixelRatioChanged), so that the diagram is
 * rebuilt outside painting and stays sharp.
 *
 * It takes the keyboard focus (tab order and click), like the picture box it stands for.
 *
 * Over the image it paints the pH readout, which is no part of the retained drawing: the mouse
 * over pH 0..14 shows it at the pH under the pointer, leaving hides it; with the focus, Left and
 * Right move it by 0.1 pH (with Shift by 1.0), Home and End put it at pH 0 and 14, Escape hides
 * it. The readout's pH is kept in whole tenths, so the pH the box shows is the pH its fractions
 * belong to; the fractions themselves come from the owner's readout source at paint time, so
 * they follow every change of the acid.
 */
class PlotBox : public QWidget {
    Q_OBJECT
public:
    /** What the readout shows at a pH: the owner's model, species names and heading. */
    using ReadoutSource = std::function<diagram::Readout(double pH)>;

    explicit PlotBox(QWidget* parent = nullptr);

    /** The retained image to show; the owner keeps it alive as long as the box. */
    void setPlot(const diagram::RetainedPlot* plot);
    void setReadoutSource(ReadoutSource source);

    [[nodiscard]] QSize sizeHint() const override;

    /** The pH the readout stands at, or nothing while it is hidden. */
    [[nodiscard]] std::optional<double> readoutPh() const;
    /** The readout as it is painted now, or nothing while it is hidden. */
    [[nodiscard]] std::optional<diagram::Readout> readout() const;
    /** Shows the readout at `pH` (rounded to 0.1, clamped to 0..14). */
    void showReadout(double pH);
    void hideReadout();

signals:
    /**
     * The box's device pixel ratio differs from the image's: the diagram must be drawn again.
     * Emitted from the event loop after the paint that found the image stale, never inside it.
     */
    void devicePixelRatioChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setReadoutTenths(std::optional<int> tenths);
    [[nodiscard]] bool imageIsStale() const;
    /** Queues one devicePixelRatioChanged(), unless one is on its way. */
    void requestRedraw();

    const diagram::RetainedPlot* m_plot = nullptr;
    ReadoutSource m_readoutSource;
    std::optional<int> m_readoutTenths; ///< pH x 10, 0..140
    bool m_redrawRequested = false;
};

} // namespace velmora::ui
