// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/common/design.h"

#include <QString>

#include <array>
#include <string_view>

namespace velmora::ui {

/** Outer size in pixels that the main window's load gives it (title bar and border included). */
inline constexpr int kMainOuterWidthPx = 763;
inline constexpr int kMainOuterHeightPx = 388;

/**
 * The main window as designed: its name `pHH`, caption, client area, colours, font, icon and
 * every control with its twip geometry (at 15 twips per pixel), tab index, texts, colours and
 * picture. The acid-type buttons `Option1` sit in the frame `Frame1` and are placed relative to
 * it. The value labels start with the start acid's exponents.
 */
[[nodiscard]] const WindowDesign& mainWindowDesign();

/**
 * A name of the main window's design and what MainWindow calls it: the accessor that returns the
 * control (for the window itself, the class).
 *
 * The design's names are the widgets' object names, which tests and accessibility tools see; a
 * control of a row is named with its design index, as "VScroll1(1)". The code counts the rows of
 * four from 0, the design from `firstIndex`: pKaBar(0) is "VScroll1(1)", pKaBarNumber(0) is
 * "Label1(0)". `firstIndex` is -1 for a single control.
 */
struct DesignName {
    std::u16string_view design;
    int firstIndex;
    std::string_view code;
};

/**
 * Every name of the main window's design with its name in the code, the window first and then
 * its controls in design order. This is the one place where the two meet.
 */
inline constexpr std::array<DesignName, 11> kMainWindowControls{{
    {u"pHH", -1, "MainWindow"},
    {u"Pict_pole", -1, "plotBox"},
    {u"Comm_theory", -1, "theoryButton"},
    {u"Comm_about", -1, "aboutButton"},
    {u"Comm_exit", -1, "exitButton"},
    {u"Frame2", -1, "separatorFrame"},
    {u"Frame1", -1, "acidTypeFrame"},
    {u"Option1", 1, "acidTypeButton"},
    {u"VScroll1", 1, "pKaBar"},
    {u"Label1", 0, "pKaBarNumber"},
    {u"Lab_pKa", 1, "pKaLabel"},
}};

/**
 * A pKa as its value label shows it, with the pattern "##.0": integer digits without leading
 * zeros, a point and exactly one decimal (12.3 gives "12.3", 0.7 gives ".7", 0 gives ".0").
 */
[[nodiscard]] QString pKaText(double pKa);

} // namespace velmora::ui
