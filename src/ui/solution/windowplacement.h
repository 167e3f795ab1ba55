// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

namespace velmora::ui {

/** The main window as the solution window is placed beside it. */
struct MainWindowArea {
    QRect frame;     ///< its frame on the screen
    QRect keptClear; ///< what the solution window never covers: its controls, within the frame
};

/** What the solution window is placed from: plain rectangles, no widgets. */
struct PlacementRequest {
    QList<QRect> screens; ///< the available areas of all screens, the primary first
    MainWindowArea main;
    QMargins frame;      ///< the solution window's frame around its inner area
    QSize minimumSize;   ///< the solution window's smallest inner size
    QSize preferredSize; ///< its inner size: the remembered one or its first size
    /** The frame's top-left corner it had last time, at preferredSize. */
    std::optional<QPoint> rememberedPosition;
};

/** Where the solution window goes, and where the main window goes first if it has to move. */
struct Placement {
    QRect frame;                        ///< the solution window's frame
    QSize size;                         ///< its inner size
    std::optional<QPoint> mainPosition; ///< the main window's new frame position, if it moves
    int screen = -1;                    ///< the index of the screen it lies on (-1: none fits)
    bool remembered = false;            ///< whether the remembered place is used
};

/**
 * Whether the solution window's `frame` is fit to open: it lies wholly on one of `screens`,
 * covers nothing of `keptClear` and leaves an inner area of at least `minimumSize` inside
 * `margins`.
 */
[[nodiscard]] bool fitsBeside(const QRect& frame, const QMargins& margins, const QRect& keptClear,
                              const QList<QRect>& screens, const QSize& minimumSize);

/**
 * Where the solution window opens beside the main window, so that both are in view.
 *
 * The remembered place is used when it is fit (fitsBeside()) with the main window where it is.
 * Otherwise the solution window takes, in this order:
 *  1. a side of the main window on its own screen (right, left, below, above) with room for the
 *     preferred size, the main window staying where it is;
 *  2. another screen with room for it, on the side nearest the main window, which stays;
 *  3. a side with room for it once the main window has moved to a corner of its screen (top
 *     left, top right, bottom left, bottom right), where the remembered place is used instead
 *     when it is fit beside the main window in that corner;
 *  4. of all the places above that hold at least the minimum size, the largest;
 *  5. where nothing beside the main window holds even that (a small screen), the largest place
 *     beside the main window's controls, over its plot;
 *  6. where not even that fits, the preferred size within the main window's screen, on the side
 *     of its controls with the most room.
 * The window is never larger than its preferred size, and smaller only as its place demands.
 */
[[nodiscard]] Placement placeSolutionWindow(const PlacementRequest& request);

/** The available areas of all screens, the primary first. */
[[nodiscard]] QList<QRect> availableScreenAreas();

} // namespace velmora::ui
