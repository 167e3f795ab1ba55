// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>

class QPainter;

namespace velmora::diagram {

/** Colours of the backdrop. */
inline const QColor kBackdropWhite{255, 255, 255};
inline const QColor kGridGrey{228, 228, 228};
inline const QColor kTitleNavy{0, 0, 128};

/**
 * Draws the diagram's backdrop in the 495 x 350 logical space: white ground, the grey two-pixel
 * grid, the black frame and ticks, the axis numbers and the navy title
 * "Concentration fraction vs pH". Everything but the texts is filled rectangles, so it is
 * pixel-exact on raster devices and stays vector on SVG and PDF.
 */
void drawBackdrop(QPainter& painter);

/** The backdrop rendered once into an image of the given device pixel ratio. */
[[nodiscard]] QImage backdropImage(qreal devicePixelRatio = 1.0);

} // namespace velmora::diagram
