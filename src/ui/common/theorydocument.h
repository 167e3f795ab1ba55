// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QWidget;

namespace velmora::ui {

/** File name of the theory document that the main window's Theory button opens. */
inline constexpr char kTheoryDocument[] = "explain_multiproticacids.pdf";

/**
 * The folders the theory document is looked for in, in order: the current working directory as
 * it is at the call, the folder of the executable, the documents folder relative to the
 * executable (where an installed tree keeps it), and the folder the build was configured to
 * install documents to.
 */
[[nodiscard]] QStringList theoryFolders();

/**
 * Hands the theory document from the first of `folders` that holds it to the desktop. When none
 * does, one message names the document and every folder looked in. Returns whether the desktop
 * took the document.
 */
bool openTheoryDocument(const QStringList& folders, QWidget* parent);

} // namespace velmora::ui
