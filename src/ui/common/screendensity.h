// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QScreen;

namespace velmora::ui {

/** The screen's density as twips per pixel (1440 / dots per inch), horizontal and vertical. */
struct ScreenDensity {
    float twipsPerPixelX = 15.0f;
    float twipsPerPixelY = 15.0f;

    /** The density of `screen` (the primary screen when null) from its logical dots per inch. */
    [[nodiscard]] static ScreenDensity of(const QScreen* screen = nullptr);
};

} // namespace velmora::ui
