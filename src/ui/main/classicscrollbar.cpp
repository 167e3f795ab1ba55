// SPDX-License-Identifier: GPL-3.0-or-later
#include "classicscrollbar.h"

#include <QPainter>
#include <QStyleOptionSlider>
#include <qdrawutil.h>

namespace velmora::ui {

namespace {

const QColor kTrough(236, 236, 236);
const QColor kFace(212, 212, 212);
const QColor kArrow(0, 0, 0);
const QColor kArrowDisabled(150, 150, 150);

/** A raised (or, pressed, sunken) box with a white and light top-left and a grey and dark edge. */
void bevel(QPainter* painter, const QRect& box, const QPalette& palette, bool sunken) {
    QPalette edge = palette;
    edge.setColor(QPalette::Light, QColor(255, 255, 255));
    edge.setColor(QPalette::Midlight, kFace);
    edge.setColor(QPalette::Dark, QColor(160, 160, 160));
    edge.setColor(QPalette::Shadow, QColor(64, 64, 64));
    edge.setColor(QPalette::Button, kFace);
    const QBrush face(kFace);
    qDrawWinButton(painter, box, edge, sunken, &face);
}

/** A small solid triangle pointing up or down, centred in `box`. */
void arrow(QPainter* painter, const QRect& box, bool up, bool enabled, bool sunken) {
    const QPoint c = box.center() + (sunken ? QPoint(1, 1) : QPoint(0, 0));
    const int half = std::max(2, std::min(box.width(), box.height()) / 4);
    painter->setPen(Qt::NoPen);
    painter->setBrush(enabled ? kArrow : kArrowDisabled);
    const int tip = up ? c.y() - half / 2 - 1 : c.y() + half / 2 + 1;
    const int base = up ? c.y() + half / 2 + 1 : c.y() - half / 2 - 1;
    const QPoint triangle[3] = {{c.x() - half, base}, {c.x() + half, base}, {c.x(), tip}};
    painter->drawPolygon(triangle, 3);
}

} // namespace

void ClassicScrollBarStyle::drawComplexControl(ComplexControl control,
                                               const QStyleOptionComplex* option, QPainter* painter,
                                               const QWidget* widget) const {
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_ScrollBar || bar == nullptr) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const bool enabled = (bar->state & State_Enabled) != 0;
    const auto pressed = [&](SubControl part) {
        return (bar->activeSubControls & part) != 0 && (bar->state & State_Sunken) != 0;
    };
    const auto part = [&](SubControl sc) { return subControlRect(CC_ScrollBar, bar, sc, widget); };

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->fillRect(bar->rect, kTrough);
    if (pressed(SC_ScrollBarSubPage)) {
        painter->fillRect(part(SC_ScrollBarSubPage), QColor(90, 90, 90));
    }
    if (pressed(SC_ScrollBarAddPage)) {
        painter->fillRect(part(SC_ScrollBarAddPage), QColor(90, 90, 90));
    }
    const QRect up = part(SC_ScrollBarSubLine);
    const QRect down = part(SC_ScrollBarAddLine);
    bevel(painter, up, bar->palette, pressed(SC_ScrollBarSubLine));
    arrow(painter, up, true, enabled, pressed(SC_ScrollBarSubLine));
    bevel(painter, down, bar->palette, pressed(SC_ScrollBarAddLine));
    arrow(painter, down, false, enabled, pressed(SC_ScrollBarAddLine));
    if (enabled && bar->maximum > bar->minimum) {
        bevel(painter, part(SC_ScrollBarSlider), bar->palette, false);
    }
    if ((bar->state & State_HasFocus) != 0) {
        painter->setPen(QPen(QColor(0, 0, 0), 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(part(SC_ScrollBarSlider).adjusted(3, 3, -4, -4));
    }
    painter->restore();
}

} // namespace velmora::ui
