// SPDX-License-Identifier: GPL-3.0-or-later
#include "palette.h"

#include <array>

namespace velmora::diagram {

QColor paletteColor(int index) {
    static constexpr std::array<QRgb, 16> colours{
        qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
        qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
        qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255),
    };
    if (index < 0 || index >= static_cast<int>(colours.size())) {
        return QColor(colours[0]);
    }
    return QColor(colours[static_cast<std::size_t>(index)]);
}

int speciesPaletteIndex(int species) {
    // light red, black, magenta, cyan, light blue
    static constexpr std::array<int, 5> speciesIndex{12, 0, 5, 3, 9};
    if (species < 0 || species >= static_cast<int>(speciesIndex.size())) {
        return 0;
    }
    return speciesIndex[static_cast<std::size_t>(species)];
}

} // namespace velmora::diagram
