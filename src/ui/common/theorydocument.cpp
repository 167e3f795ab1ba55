// SPDX-License-Identifier: GPL-3.0-or-later
#include "theorydocument.h"

#include "desktop.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace velmora::ui {

QStringList theoryFolders() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    QStringList folders{
        QDir::currentPath(), programFolder,
        QDir::cleanPath(programFolder + QStringLiteral("/" VELMORA_DOCDIR_FROM_BIN)),
        QStringLiteral(VELMORA_DOCDIR)};
    folders.removeDuplicates();
    return folders;
}

bool openTheoryDocument(const QStringList& folders, QWidget* parent) {
    const QString name = QString::fromLatin1(kTheoryDocument);
    for (const QString& folder : folders) {
        const QFileInfo document(QDir(folder).filePath(name));
        if (document.isFile()) {
            return openWithDesktop(
                QUrl::fromLocalFile(document.absoluteFilePath()), parent,
                //: Takes the place of %1 in "The desktop could not open %1."
                QCoreApplication::translate("velmora::ui::TheoryDocument", "the theory document"));
        }
    }
    QStringList places;
    for (const QString& folder : folders) {
        places << QDir::toNativeSeparators(folder);
    }
    showProblem(parent, QCoreApplication::translate(
                            "velmora::ui::TheoryDocument",
                            "The theory document %1 was not found.\n\nLooked in:\n%2")
                            .arg(name, places.join(u'\n')));
    return false;
}

} // namespace velmora::ui
