// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowplacement.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <array>
#include <vector>

namespace velmora::ui {

namespace {

/** Room between two windows placed side by side. */
constexpr int kGap = 8;

enum class Side { Right, Left, Below, Above };
constexpr std::array kSides{Side::Right, Side::Left, Side::Below, Side::Above};

/** One place the solution window could take. */
struct Candidate {
    QRect frame;
    std::optional<QPoint> mainPosition;
    bool holdsPreferred = false;
};

int clamped(int value, int low, int high) {
    return std::clamp(value, low, std::max(low, high));
}

/** The part of `screen` on `side` of `avoid`, a gap away from it (empty where there is none). */
QRect strip(const QRect& screen, const QRect& avoid, Side side) {
    QRect area = screen;
    switch (side) {
    case Side::Right:
        area.setLeft(avoid.right() + 1 + kGap);
        break;
    case Side::Left:
        area.setRight(avoid.left() - 1 - kGap);
        break;
    case Side::Below:
        area.setTop(avoid.bottom() + 1 + kGap);
        break;
    case Side::Above:
        area.setBottom(avoid.top() - 1 - kGap);
        break;
    }
    return area.intersected(screen);
}

/**
 * A frame of at most `wanted` within `area`, as close to `avoid` on `side` as the area allows:
 * beside it, the tops (or left edges) in line.
 */
QRect frameIn(const QRect& area, const QRect& avoid, Side side, const QSize& wanted) {
    const QSize size = wanted.boundedTo(area.size());
    QPoint at;
    switch (side) {
    case Side::Right:
        at = QPoint(avoid.right() + 1 + kGap, avoid.top());
        break;
    case Side::Left:
        at = QPoint(avoid.left() - kGap - size.width(), avoid.top());
        break;
    case Side::Below:
        at = QPoint(avoid.left(), avoid.bottom() + 1 + kGap);
        break;
    case Side::Above:
        at = QPoint(avoid.left(), avoid.top() - kGap - size.height());
        break;
    }
    at.setX(clamped(at.x(), area.left(), area.right() + 1 - size.width()));
    at.setY(clamped(at.y(), area.top(), area.bottom() + 1 - size.height()));
    return {at, size};
}

int areaOf(const QRect& rect) {
    return rect.isEmpty() ? 0 : rect.width() * rect.height();
}

/** The screen that shows most of `rect` (the first when none shows any of it). */
int screenOf(const QRect& rect, const QList<QRect>& screens) {
    int best = 0;
    int bestArea = -1;
    for (int i = 0; i < screens.size(); ++i) {
        if (const int shown = areaOf(rect & screens[i]); shown > bestArea) {
            bestArea = shown;
            best = i;
        }
    }
    return best;
}

/** The main window's frame positions in the corners of `screen`, top left first. */
std::array<QPoint, 4> corners(const QRect& screen, const QSize& frame) {
    const int right = std::max(screen.left(), screen.right() + 1 - frame.width());
    const int bottom = std::max(screen.top(), screen.bottom() + 1 - frame.height());
    return {QPoint(screen.left(), screen.top()), QPoint(right, screen.top()),
            QPoint(screen.left(), bottom), QPoint(right, bottom)};
}

/** Everything needed to list the places beside one position of the main window. */
struct Beside {
    const PlacementRequest& request;
    QSize wanted; ///< the preferred frame size

    /**
     * The places on `screen` on every side of `avoid`, right first; on a screen that it does not
     * reach, the side it lies on is the screen whole.
     */
    void add(std::vector<Candidate>& to, int screen, const QRect& avoid,
             const std::optional<QPoint>& mainPosition) const {
        const QRect& area = request.screens[screen];
        for (const Side side : kSides) {
            const QRect frame = frameIn(strip(area, avoid, side), avoid, side, wanted);
            if (fitsBeside(frame, request.frame, avoid, {area}, request.minimumSize)) {
                to.push_back({frame, mainPosition, frame.size() == wanted});
            }
        }
    }
};

std::optional<Candidate> firstHoldingPreferred(const std::vector<Candidate>& candidates) {
    const auto found = std::find_if(candidates.begin(), candidates.end(),
                                    [](const Candidate& c) { return c.holdsPreferred; });
    return found == candidates.end() ? std::nullopt : std::optional(*found);
}

/** The largest of the candidates, the first of equals. */
std::optional<Candidate> largest(const std::vector<Candidate>& candidates) {
    std::optional<Candidate> best;
    for (const Candidate& candidate : candidates) {
        if (!best || areaOf(candidate.frame) > areaOf(best->frame)) {
            best = candidate;
        }
    }
    return best;
}

} // namespace

bool fitsBeside(const QRect& frame, const QMargins& margins, const QRect& keptClear,
                const QList<QRect>& screens, const QSize& minimumSize) {
    const QSize inner = frame.marginsRemoved(margins).size();
    return inner.width() >= minimumSize.width() && inner.height() >= minimumSize.height() &&
           !frame.intersects(keptClear) &&
           std::any_of(screens.begin(), screens.end(),
                       [&](const QRect& screen) { return screen.contains(frame); });
}

Placement placeSolutionWindow(const PlacementRequest& request) {
    const QList<QRect>& screens = request.screens;
    const QRect& mainFrame = request.main.frame;
    const QRect& keptClear = request.main.keptClear;
    const QSize wanted = request.preferredSize.grownBy(request.frame);
    const auto placement = [&](const QRect& frame, const std::optional<QPoint>& mainPosition,
                               bool remembered) {
        const auto on = std::find_if(screens.begin(), screens.end(),
                                     [&](const QRect& screen) { return screen.contains(frame); });
        return Placement{frame, frame.marginsRemoved(request.frame).size(), mainPosition,
                         on == screens.end() ? -1 : static_cast<int>(on - screens.begin()),
                         remembered};
    };
    const auto rememberedFits = [&](const QPoint& mainAt) -> std::optional<QRect> {
        if (!request.rememberedPosition) {
            return std::nullopt;
        }
        const QRect frame(*request.rememberedPosition, wanted);
        const QRect clear = keptClear.translated(mainAt - mainFrame.topLeft());
        if (fitsBeside(frame, request.frame, clear, screens, request.minimumSize)) {
            return frame;
        }
        return std::nullopt;
    };
    if (screens.isEmpty()) {
        return placement(QRect(request.rememberedPosition.value_or(QPoint()), wanted), std::nullopt,
                         false);
    }
    if (const std::optional<QRect> frame = rememberedFits(mainFrame.topLeft())) {
        return placement(*frame, std::nullopt, true);
    }

    const Beside beside{request, wanted};
    const int home = screenOf(mainFrame, screens);
    std::vector<Candidate> staying;
    beside.add(staying, home, mainFrame, std::nullopt);
    std::vector<Candidate> elsewhere;
    for (int i = 0; i < screens.size(); ++i) {
        if (i != home) {
            beside.add(elsewhere, i, mainFrame, std::nullopt);
        }
    }
    std::vector<Candidate> cornered;
    std::vector<Candidate> overPlot;
    beside.add(overPlot, home, keptClear, std::nullopt);
    for (const QPoint& corner : corners(screens[home], mainFrame.size())) {
        // A main window already in a corner gives the places it has where it stands again:
        // those come first among equals, so it does not move.
        const QPoint shift = corner - mainFrame.topLeft();
        beside.add(cornered, home, mainFrame.translated(shift), corner);
        beside.add(overPlot, home, keptClear.translated(shift), corner);
    }

    std::optional<Candidate> chosen = firstHoldingPreferred(staying);
    if (!chosen) {
        chosen = firstHoldingPreferred(elsewhere);
    }
    if (!chosen) {
        chosen = firstHoldingPreferred(cornered);
    }
    if (!chosen) {
        std::vector<Candidate> all = staying;
        all.insert(all.end(), elsewhere.begin(), elsewhere.end());
        all.insert(all.end(), cornered.begin(), cornered.end());
        chosen = largest(all);
    }
    if (!chosen) {
        chosen = largest(overPlot);
    }
    if (chosen) {
        if (chosen->mainPosition) {
            if (const std::optional<QRect> frame = rememberedFits(*chosen->mainPosition)) {
                return placement(*frame, chosen->mainPosition, true);
            }
        }
        return placement(chosen->frame, chosen->mainPosition, false);
    }

    // A screen too small for the window even over the plot: on the side of the controls with
    // the most room, within the screen.
    const QRect& area = screens[home];
    Side roomiest = Side::Right;
    for (const Side side : kSides) {
        if (areaOf(strip(area, keptClear, side)) > areaOf(strip(area, keptClear, roomiest))) {
            roomiest = side;
        }
    }
    return placement(frameIn(area, keptClear, roomiest, wanted), std::nullopt, false);
}

QList<QRect> availableScreenAreas() {
    QList<QRect> areas;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary != nullptr) {
        areas << primary->availableGeometry();
    }
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != primary) {
            areas << screen->availableGeometry();
        }
    }
    return areas;
}

} // namespace velmora::ui
