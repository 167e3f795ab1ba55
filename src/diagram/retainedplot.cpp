// SPDX-License-Identifier: GPL-3.0-or-later
#include "retainedplot.h"

#include "backdrop.h"

#include <QPainter>

namespace velmora::diagram {

RetainedPlot::RetainedPlot(qreal devicePixelRatio) {
    setDevicePixelRatio(devicePixelRatio);
}

void RetainedPlot::setDevicePixelRatio(qreal ratio) {
    if (!m_image.isNull() && qFuzzyCompare(ratio, m_image.devicePixelRatio())) {
        return;
    }
    m_backdrop = backdropImage(ratio);
    m_image = m_backdrop.copy();
    m_image.setDevicePixelRatio(ratio);
}

DrawnDiagram RetainedPlot::redraw(const model::Acid& acid, const LabelTexts& labels) {
    QPainter painter(&m_image);
    m_surface.begin(painter, &m_backdrop);
    const DrawnDiagram drawn = drawDistributionDiagram(acid, m_surface, labels);
    m_surface.end();
    return drawn;
}

} // namespace velmora::diagram
