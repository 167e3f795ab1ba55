// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/fractions.h"

namespace velmora::diagram {

/** The plot surface: 495 x 350 logical pixels, y growing downwards. */
inline constexpr int kSurfaceWidth = 495;
inline constexpr int kSurfaceHeight = 350;

/**
 * The plot mapping: pH 0..14 maps to x = 52 + 30 pH, a fraction a to y = 320 - 300 a. The
 * columns and the height are the model's grid (model/fractions.h); the frame's top row is ours.
 */
inline constexpr int kFrameLeft = model::kFirstColumn;
inline constexpr int kFrameRight = model::kLastColumn;
inline constexpr int kFrameTop = 20;
inline constexpr int kPixelsPerPh = model::kColumnsPerPh;
inline constexpr int kPixelsPerFraction = model::kPlotHeight;
inline constexpr int kFrameBottom = kFrameTop + kPixelsPerFraction;

/**
 * Font sizes in points; every device converts points at the drawings' 96 dpi
 * (encode::kScreenDpi), so all outputs look alike.
 */
inline constexpr double kDesignFontSize = 9.75;

} // namespace velmora::diagram
