#pragma once

#include "ui/common/design.h"

namespace velmora::ui {

/** Outer size in pixels that the main window's load gives it (title bar and border included). */
inline constexpr int kMainOuterWidthPx = 763;
inline constexpr int kMainOuterHeightPx = 388;

/**
 * The main window `pHH` as designed: caption, client area, colours, font, icon and every control
 * with its twip geometry (at 15 twips per pixel), tab index, texts, colours and picture. The
 * option buttons sit in `Frame1` and are placed relative to it.
 */
[[nodiscard]] const WindowDesign& pHHDesign();

} // namespace velmora::ui
