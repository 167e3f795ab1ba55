// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturebutton.h"

#include <QPainter>
#include <qdrawutil.h>

namespace velmora::ui {

namespace {
/** Width of the three-dimensional edge. */
constexpr int kEdge = 2;
} // namespace

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize PictureButton::sizeHint() const {
    return iconSize() + QSize(2 * kEdge + 2, 2 * kEdge + 2);
}

void PictureButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRect box = rect();
    const bool sunken = isDown() || isChecked();
    painter.fillRect(box, palette().button());

    // The picture, centred; a pressed button shifts it down and right by one pixel.
    const QRect inside = box.adjusted(kEdge, kEdge, -kEdge, -kEdge);
    const QSize size = iconSize();
    QPoint at((box.width() - size.width()) / 2, (box.height() - size.height()) / 2);
    if (sunken) {
        at += QPoint(1, 1);
    }
    const QPixmap picture =
        icon().pixmap(size, devicePixelRatioF(), isEnabled() ? QIcon::Normal : QIcon::Disabled);
    painter.save();
    painter.setClipRect(inside);
    painter.drawPixmap(at, picture);
    painter.restore();

    // The edge: white and light above and left, grey and dark below and right; reversed sunk.
    QPalette edge = palette();
    edge.setColor(QPalette::Light, QColor(255, 255, 255));
    edge.setColor(QPalette::Midlight, palette().color(QPalette::Button));
    edge.setColor(QPalette::Dark, QColor(160, 160, 160));
    edge.setColor(QPalette::Shadow, QColor(64, 64, 64));
    qDrawWinButton(&painter, box, edge, sunken, nullptr);

    if (hasFocus()) {
        QPen dotted(QColor(0, 0, 0), 1, Qt::DotLine);
        painter.setPen(dotted);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(inside.adjusted(1, 1, -2, -2));
    }
}

} // namespace velmora::ui
