#pragma once

#include <QWidget>

namespace velmora::diagram {
class RetainedPlot;
}

namespace velmora::ui {

/**
 * The plot box `Pict_pole`: shows the retained image of the diagram. Painting copies the last
 * drawing, it never draws the diagram, so a covered and uncovered window shows the diagram at
 * once. When the box finds itself on a screen of another device pixel ratio than the image was
 * drawn for, it asks its owner to draw again (devicePixelRatioChanged) so the diagram stays sharp.
 *
 * It takes the keyboard focus (tab order and click), like the picture box it stands for.
 */
class PlotBox : public QWidget {
    Q_OBJECT
public:
    explicit PlotBox(QWidget* parent = nullptr);

    /** The retained image to show; the owner keeps it alive as long as the box. */
    void setPlot(const diagram::RetainedPlot* plot);

    [[nodiscard]] QSize sizeHint() const override;

signals:
    /** The box's device pixel ratio differs from the image's: the diagram must be drawn again. */
    void devicePixelRatioChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const diagram::RetainedPlot* m_plot = nullptr;
};

} // namespace velmora::ui
