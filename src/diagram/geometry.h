#pragma once

namespace velmora::diagram {

/** The plot surface: 495 x 350 pixels, y growing downwards. */
inline constexpr int kSurfaceWidth = 495;
inline constexpr int kSurfaceHeight = 350;

/** The plot frame: pH 0..14 maps to x = 52 + 30 pH, a fraction a to y = 320 - 300 a. */
inline constexpr int kFrameLeft = 52;
inline constexpr int kFrameRight = 473;
inline constexpr int kFrameTop = 20;
inline constexpr int kFrameBottom = 320;
inline constexpr int kPixelsPerPh = 30;
inline constexpr int kPixelsPerFraction = 300;

/** Font sizes in points; every device converts points at 96 dpi so all outputs look alike. */
inline constexpr double kDesignFontSize = 9.75;
inline constexpr double kScreenDpi = 96.0;

} // namespace velmora::diagram
