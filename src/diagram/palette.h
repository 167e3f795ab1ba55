// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

namespace velmora::diagram {

/** The classic 16-colour palette, looked up by index 0..15 (out-of-range indices give black). */
[[nodiscard]] QColor paletteColor(int index);

/** Palette index of the colour of species slot j = 0..4 (the colour belongs to the slot). */
[[nodiscard]] int speciesPaletteIndex(int species);

} // namespace velmora::diagram
