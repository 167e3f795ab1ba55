// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/common/design.h"

#include <QString>

namespace velmora::ui {

/** Outer size in pixels that the main window's load gives it (title bar and border included). */
inline constexpr int kMainOuterWidthPx = 763;
inline constexpr int kMainOuterHeightPx = 388;

/**
 * The main window `pHH` as designed: caption, client area, colours, font, icon and every control
 * with its twip geometry (at 15 twips per pixel), tab index, texts, colours and picture. The
 * option buttons sit in `Frame1` and are placed relative to it. The value labels start with the
 * start acid's exponents.
 */
[[nodiscard]] const WindowDesign& pHHDesign();

/**
 * A pKa as its value label `Lab_pKa` shows it, with the pattern "##.0": integer digits without
 * leading zeros, a point and exactly one decimal (12.3 gives "12.3", 0.7 gives ".7", 0 gives ".0").
 */
[[nodiscard]] QString pKaText(double pKa);

} // namespace velmora::ui
