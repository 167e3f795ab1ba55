// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowplacement.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <array>

namespace velmora::ui {

namespace {

/** Room between two windows placed side by side. */
constexpr int kGap = 8;
/** The middle of a title bar lies this far below the frame's top. */
constexpr int kTitleBarMiddle = 12;

QPoint movedOnto(QPoint at, const QSize& size, const QRect& available) {
    at.setX(std::clamp(at.x(), available.left(),
                       std::max(available.left(), available.right() + 1 - size.width())));
    at.setY(std::clamp(at.y(), available.top(),
                       std::max(available.top(), available.bottom() + 1 - size.height())));
    return at;
}

int visibleArea(const QRect& rect, const QRect& available) {
    const QRect shown = rect & available;
    return shown.isEmpty() ? 0 : shown.width() * shown.height();
}

} // namespace

bool liesOnAScreen(const QPoint& position, const QSize& size, const QList<QRect>& screens) {
    const QPoint titleBar(position.x() + size.width() / 2, position.y() + kTitleBarMiddle);
    return std::any_of(screens.begin(), screens.end(),
                       [&](const QRect& screen) { return screen.contains(titleBar); });
}

QPoint besidePosition(const QRect& anchor, const QSize& size, const QRect& available) {
    const std::array<QPoint, 4> sides{
        QPoint(anchor.right() + 1 + kGap, anchor.top()),
        QPoint(anchor.left() - kGap - size.width(), anchor.top()),
        QPoint(anchor.left(), anchor.bottom() + 1 + kGap),
        QPoint(anchor.left(), anchor.top() - kGap - size.height()),
    };
    QPoint best = sides[0];
    int bestArea = -1;
    for (const QPoint& side : sides) {
        const QRect rect(side, size);
        if (available.contains(rect)) {
            return side;
        }
        if (const int area = visibleArea(rect, available); area > bestArea) {
            bestArea = area;
            best = side;
        }
    }
    return movedOnto(best, size, available);
}

QList<QRect> availableScreenAreas() {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        areas << screen->availableGeometry();
    }
    return areas;
}

} // namespace velmora::ui
