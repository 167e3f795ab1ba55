// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

class QWidget;

namespace velmora::ui {

/**
 * Hands an address (a document, a mail address, a web page) to the desktop. When the desktop
 * cannot open it, one message tells the user so and shows the address so it can be copied.
 * Returns whether the desktop took it. A document goes to the desktop's opener (xdg-open),
 * whose end is awaited: when it fails later, no program being there for the document, the
 * message comes then, naming `what` and the document.
 */
bool openWithDesktop(const QUrl& url, QWidget* parent, const QString& what);

/**
 * Shows one warning message under the program's name, modal to `parent` (or to the application
 * when null); its text can be selected and copied.
 */
void showProblem(QWidget* parent, const QString& text);

} // namespace velmora::ui
