// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include <array>

namespace velmora::resources {

namespace {
constexpr std::array allPictures{
    Picture{theoryButton, QSize(90, 36)}, Picture{aboutButton, QSize(90, 36)},
    Picture{exitButton, QSize(90, 36)},   Picture{acidHA, QSize(110, 30)},
    Picture{acidH2A, QSize(110, 30)},     Picture{acidH3A, QSize(110, 30)},
    Picture{acidH4A, QSize(110, 30)},     Picture{mainIcon, QSize(32, 32)},
    Picture{cancelButton, QSize(65, 28)}, Picture{portrait, QSize(110, 111)},
    Picture{aboutIcon, QSize(32, 32)},
};
} // namespace

std::span<const Picture> pictures() {
    return allPictures;
}

} // namespace velmora::resources
