// SPDX-License-Identifier: GPL-3.0-or-later
#include "etchedframe.h"

#include <QPainter>

namespace velmora::ui {

EtchedFrame::EtchedFrame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

void EtchedFrame::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());

    const QFontMetrics metrics(font());
    const bool captioned = !title().isEmpty();
    // The outline runs through the middle of the caption's line.
    const int top = captioned ? metrics.height() / 2 : 0;
    const QRect outline = rect().adjusted(0, top, -2, -2);
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(outline);
    painter.setPen(QColor(255, 255, 255));
    painter.drawRect(outline.translated(1, 1));

    if (captioned) {
        const QRect caption(6, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
        painter.fillRect(caption, palette().window());
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                       QPalette::WindowText));
        painter.drawText(caption, Qt::AlignCenter, title());
    }
}

} // namespace velmora::ui
