// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QKeyEvent;

namespace velmora::ui {

/** What the keys of a drawing's readout do, in the drawing's own units. */
struct ReadoutMoves {
    /** One step back (-1) or on (+1); a big step with Shift. Shows a hidden readout. */
    std::function<void(int direction, bool big)> step;
    std::function<void()> first; ///< Home: the start of the axis
    std::function<void()> last;  ///< End: the end of the axis
    std::function<void()> hide;  ///< Escape, while the readout is shown
};

/**
 * The readout's keys, alike in every drawing: Left and Right step (with Shift, a big step), Home
 * and End go to the ends of the axis, Escape hides the readout. Escape with no readout shown is
 * left to the window, as is every other key. Returns whether the key was the readout's; the
 * event is then accepted.
 */
bool handleReadoutKey(QKeyEvent& event, bool shown, const ReadoutMoves& moves);

} // namespace velmora::ui
