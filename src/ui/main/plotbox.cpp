#include "plotbox.h"

#include "diagram/geometry.h"
#include "diagram/retainedplot.h"

#include <QPaintEvent>
#include <QPainter>

namespace velmora::ui {

PlotBox::PlotBox(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    // The image covers the whole box: nothing below it needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PlotBox::setPlot(const diagram::RetainedPlot* plot) {
    m_plot = plot;
    update();
}

QSize PlotBox::sizeHint() const {
    return {diagram::kSurfaceWidth, diagram::kSurfaceHeight};
}

void PlotBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (m_plot == nullptr) {
        painter.fillRect(event->rect(), palette().window());
        return;
    }
    if (!qFuzzyCompare(m_plot->devicePixelRatio(), devicePixelRatioF())) {
        // Draws the image afresh, synchronously, at the new ratio.
        emit devicePixelRatioChanged();
    }
    painter.drawImage(QPointF(0, 0), m_plot->image());
}

} // namespace velmora::ui
