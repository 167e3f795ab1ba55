// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

namespace velmora::test {

/**
 * Answers every message box as soon as it shows, recording its text, so that a hand-over that
 * fails cannot block the test in the box's own event loop.
 */
class MessageWatcher {
public:
    MessageWatcher() {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* box = qobject_cast<QMessageBox*>(w); box != nullptr && box->isVisible()) {
                    messages.append(box->text());
                    box->accept();
                }
            }
        });
        m_timer.start(10);
    }
    QStringList messages;

private:
    QTimer m_timer;
};

} // namespace velmora::test
