// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include <array>

namespace velmora::resources {

namespace {
// The words on the button faces are marked for the translators.
constexpr std::array allPictures{
    //: The word on the Theory button's face; it has room for about eight letters.
    Picture{theoryButton, QSize(90, 36),
            QT_TRANSLATE_NOOP("velmora::resources::Picture", "Theory")},
    //: The word on the About button's face; it has room for about eight letters.
    Picture{aboutButton, QSize(90, 36), QT_TRANSLATE_NOOP("velmora::resources::Picture", "About")},
    //: The word on the Exit button's face; it has room for about eight letters.
    Picture{exitButton, QSize(90, 36), QT_TRANSLATE_NOOP("velmora::resources::Picture", "Exit")},
    Picture{acidHA, QSize(110, 30)},
    Picture{acidH2A, QSize(110, 30)},
    Picture{acidH3A, QSize(110, 30)},
    Picture{acidH4A, QSize(110, 30)},
    Picture{mainIcon, QSize(32, 32)},
    //: The word on the About window's Cancel button, which closes the window; it has room for
    //: about six letters.
    Picture{cancelButton, QSize(65, 28),
            QT_TRANSLATE_NOOP("velmora::resources::Picture", "Cancel")},
    Picture{portrait, QSize(110, 111)},
    Picture{aboutIcon, QSize(32, 32)},
};
} // namespace

std::span<const Picture> pictures() {
    return allPictures;
}

} // namespace velmora::resources
