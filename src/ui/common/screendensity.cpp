// SPDX-License-Identifier: GPL-3.0-or-later
#include "screendensity.h"

#include <QGuiApplication>
#include <QScreen>

namespace velmora::ui {

ScreenDensity ScreenDensity::of(const QScreen* screen) {
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return {};
    }
    const auto perPixel = [](qreal dpi) {
        return dpi > 0 ? static_cast<float>(1440.0 / dpi) : 15.0f;
    };
    return {perPixel(screen->logicalDotsPerInchX()), perPixel(screen->logicalDotsPerInchY())};
}

} // namespace velmora::ui
