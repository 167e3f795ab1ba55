// SPDX-License-Identifier: GPL-3.0-or-later
#include "notcurrentbanner.h"

#include <QEvent>
#include <QTabWidget>

namespace velmora::ui {

NotCurrentBanner::NotCurrentBanner(QTabWidget& tabs) : QLabel(&tabs), m_tabs(tabs) {
    setObjectName(QStringLiteral("notCurrent"));
    setWordWrap(true);
    setAutoFillBackground(true);
    setMargin(fontMetrics().height() / 4);
    QPalette warning = palette();
    warning.setColor(QPalette::Window, QColor(255, 236, 179));
    warning.setColor(QPalette::WindowText, QColor(110, 60, 0));
    setPalette(warning);
    setVisible(false);
    m_tabs.installEventFilter(this);
    connect(&m_tabs, &QTabWidget::currentChanged, this, &NotCurrentBanner::place);
}

void NotCurrentBanner::say(const QString& text) {
    setText(text);
    setAccessibleName(text);
    setVisible(!text.isEmpty());
    place();
}

bool NotCurrentBanner::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_tabs &&
        (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest)) {
        place();
    }
    return QLabel::eventFilter(watched, event);
}

void NotCurrentBanner::place() {
    const QWidget* page = m_tabs.currentWidget();
    if (page == nullptr || isHidden()) {
        return;
    }
    const QPoint topLeft = page->mapTo(&m_tabs, QPoint(0, 0));
    const int width = page->width();
    setGeometry(topLeft.x(), topLeft.y(), width, heightForWidth(width));
    raise();
}

} // namespace velmora::ui
