// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "distributiondiagram.h"
#include "surface.h"

#include <QImage>

namespace velmora::diagram {

/**
 * The plot's retained image: it keeps the last drawing until the next one, so a covered and
 * uncovered window shows the diagram without drawing it again. The image has the screen's device
 * pixel ratio: on a 2x screen lines and text are sharp while every coordinate stays logical.
 * The backdrop is rendered once per pixel ratio and copied on every clear.
 */
class RetainedPlot {
public:
    explicit RetainedPlot(qreal devicePixelRatio = 1.0);

    /** Changes the pixel ratio; the image is blank (backdrop only) until the next redraw. */
    void setDevicePixelRatio(qreal ratio);
    [[nodiscard]] qreal devicePixelRatio() const { return m_image.devicePixelRatio(); }

    /** Redraws the whole diagram of `acid` (see drawDistributionDiagram()). */
    DrawnDiagram redraw(const model::Acid& acid, const LabelTexts& labels = {});

    [[nodiscard]] const QImage& image() const { return m_image; }
    [[nodiscard]] Surface& surface() { return m_surface; }

private:
    QImage m_backdrop;
    QImage m_image;
    Surface m_surface;
};

} // namespace velmora::diagram
