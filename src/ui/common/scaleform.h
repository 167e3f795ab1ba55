// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace velmora::ui {

class Form;

/**
 * Adapts a window to the screen's density when it loads: the window's outer size becomes
 * `outerWidthPx` x `outerHeightPx` pixels (stored in twips), and every control's Left, Width,
 * Top, Height and FontSize are multiplied by kx = twips per pixel / 15 (horizontal) or ky
 * (vertical), the font by kx. Each step is independent: a control without the property (a
 * scroll bar has no font) skips that step only. Products are kept unrounded; placing the
 * controls rounds to whole pixels. Run once per load: a window loaded again starts from its
 * design, so scaling never compounds.
 */
void scaleform(Form& form, int outerWidthPx, int outerHeightPx);

} // namespace velmora::ui
