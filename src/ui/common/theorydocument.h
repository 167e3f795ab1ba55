// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QWidget;

namespace velmora::ui {

/** File name of the theory document that the main window's Theory button opens, in English. */
inline constexpr char kTheoryDocument[] = "explain_multiproticacids.pdf";

/**
 * File name of the theory document's edition in `language`: "explain_multiproticacids.de.pdf"
 * for "de", kTheoryDocument for English ("en" or empty).
 */
[[nodiscard]] QString theoryDocumentName(const QString& language);

/**
 * The language the program's windows speak: the name of the translation they load ("de"), as
 * the user's language settings choose it, or "en" where none is loaded.
 */
[[nodiscard]] QString interfaceLanguage();

/**
 * The theory document to open for a reader of `language`: in the first of `folders` that holds
 * an edition, the one in `language` if it is there, else the English one. Empty when no folder
 * holds either.
 */
[[nodiscard]] QString findTheoryDocument(const QStringList& folders, const QString& language);

/**
 * The folders the theory document is looked for in, in order: the current working directory as
 * it is at the call, the folder of the executable, the documents folder relative to the
 * executable (where an installed tree keeps it), and the folder the build was configured to
 * install documents to.
 */
[[nodiscard]] QStringList theoryFolders();

/**
 * Hands the theory document for a reader of `language` (findTheoryDocument()) to the desktop.
 * When there is none, one message names the English document, every folder looked in, and the
 * edition in `language` that was looked for too.
 * Returns whether the desktop took the document.
 */
bool openTheoryDocument(const QStringList& folders, QWidget* parent,
                        const QString& language = interfaceLanguage());

} // namespace velmora::ui
