// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace velmora::ui {

/**
 * Whether a window at `position` (its frame's top-left corner) with `size` can be reached on one
 * of `screens` (their available areas): the middle of its title bar must lie on one. A window
 * remembered on a screen that is gone would otherwise open where nobody can see or move it.
 */
[[nodiscard]] bool liesOnAScreen(const QPoint& position, const QSize& size,
                                 const QList<QRect>& screens);

/**
 * Where a window of `size` goes beside `anchor` (another window's frame) within `available`:
 * right of it, else left, below or above, whichever first leaves it wholly on the screen;
 * where none does, the side with the most room, moved onto the screen.
 */
[[nodiscard]] QPoint besidePosition(const QRect& anchor, const QSize& size, const QRect& available);

/** The available areas of all screens. */
[[nodiscard]] QList<QRect> availableScreenAreas();

} // namespace velmora::ui
