// SPDX-License-Identifier: GPL-3.0-or-later
#include "readoutkeys.h"

#include <QKeyEvent>

namespace velmora::ui {

bool handleReadoutKey(QKeyEvent& event, bool shown, const ReadoutMoves& moves) {
    const bool big = event.modifiers().testFlag(Qt::ShiftModifier);
    switch (event.key()) {
    case Qt::Key_Left:
        moves.step(-1, big);
        break;
    case Qt::Key_Right:
        moves.step(+1, big);
        break;
    case Qt::Key_Home:
        moves.first();
        break;
    case Qt::Key_End:
        moves.last();
        break;
    case Qt::Key_Escape:
        if (!shown) {
            // Nothing to hide: the key goes on to the window.
            return false;
        }
        moves.hide();
        break;
    default:
        return false;
    }
    event.accept();
    return true;
}

} // namespace velmora::ui
