// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/common/design.h"

namespace velmora::ui {

/** Outer size of the About window in pixels, title bar and border included (8490 x 5295 twips). */
inline constexpr int kAboutOuterWidthPx = 566;
inline constexpr int kAboutOuterHeightPx = 353;

/** Text colour of the title, the acknowledgement caption and both links. */
inline const QColor kAboutBlue{0, 0, 192};

/**
 * The About window's design: caption, client area, colours, font and every control with its
 * twips at 15 twips per pixel (controls in a frame relative to that frame), in the order of the
 * window's Controls collection.
 */
[[nodiscard]] const WindowDesign& aboutDesign();

} // namespace velmora::ui
