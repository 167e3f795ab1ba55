// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop.h"

#include "version.h"

#include <QDesktopServices>
#include <QMessageBox>

namespace velmora::ui {

void showProblem(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(kName), text, QMessageBox::Ok,
                    parent);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

bool openWithDesktop(const QUrl& url, QWidget* parent, const QString& what) {
    if (QDesktopServices::openUrl(url)) {
        return true;
    }
    const QString address = url.isLocalFile() ? url.toLocalFile() : url.toString();
    showProblem(parent, QStringLiteral("The desktop could not open %1.\n\n%2").arg(what, address));
    return false;
}

} // namespace velmora::ui
