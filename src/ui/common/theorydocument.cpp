// SPDX-License-Identifier: GPL-3.0-or-later
#include "theorydocument.h"

#include "desktop.h"

#include "language/language.h"

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

QString theoryDocumentName(const QString& language) {
    if (language.isEmpty() || language == u"en") {
        return QString::fromLatin1(kTheoryDocument);
    }
    // The edition's name is the English one with the language before the suffix.
    const QFileInfo english(QString::fromLatin1(kTheoryDocument));
    return QStringLiteral("%1.%2.%3").arg(english.completeBaseName(), language, english.suffix());
}

QString interfaceLanguage() {
    const std::optional<language::Translation> translation =
        language::findTranslation(language::wantedLanguages(language::Environment::current()),
                                  language::translationFolders(language::programFolder()));
    return translation ? translation->name : QStringLiteral("en");
}

QString findTheoryDocument(const QStringList& folders, const QString& language) {
    const QStringList names{theoryDocumentName(language), QString::fromLatin1(kTheoryDocument)};
    for (const QString& folder : folders) {
        for (const QString& name : names) {
            const QFileInfo document(QDir(folder).filePath(name));
            if (document.isFile()) {
                return document.absoluteFilePath();
            }
        }
    }
    return {};
}

bool openTheoryDocument(const QStringList& folders, QWidget* parent, const QString& language) {
    if (const QString document = findTheoryDocument(folders, language); !document.isEmpty()) {
        return openWithDesktop(
            QUrl::fromLocalFile(document), parent,
            //: Takes the place of %1 in "The desktop could not open %1."
            QCoreApplication::translate("velmora::ui::TheoryDocument", "the theory document"));
    }
    QStringList places;
    for (const QString& folder : folders) {
        places << QDir::toNativeSeparators(folder);
    }
    const QString english = QString::fromLatin1(kTheoryDocument);
    QString message =
        QCoreApplication::translate("velmora::ui::TheoryDocument",
                                    "The theory document %1 was not found.\n\nLooked in:\n%2")
            .arg(english, places.join(u'\n'));
    if (const QString edition = theoryDocumentName(language); edition != english) {
        //: Follows the list of folders where the theory document was not found; %1 is the
        //: document's file name in the user's language.
        message += QStringLiteral("\n\n") +
                   QCoreApplication::translate("velmora::ui::TheoryDocument",
                                               "Its edition in your language, %1, was looked for "
                                               "there too.")
                       .arg(edition);
    }
    showProblem(parent, message);
    return false;
}

} // namespace velmora::ui
