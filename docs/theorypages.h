// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QPainter;
class QTextDocument;

namespace velmora::theory {

/**
 * Adjusts a document laid out on pages (QTextDocument::setPageSize) so that nothing is cut by a
 * page break:
 *   - a paragraph that runs over a page break becomes two, one on each page, so that every
 *     paragraph lies on one page (see drawPage());
 *   - a heading at the foot of a page moves to the next page, with the text it heads;
 *   - a table that a page break would cut, and that fits on one page, starts on the next page.
 * The text itself does not change, nor does the place of any line that was not cut. Returns
 * false if the layout did not settle (which would be a fault of this function).
 */
[[nodiscard]] bool keepPagesWhole(QTextDocument& doc);

/**
 * Draws page `index` of a document prepared by keepPagesWhole(); the painter maps layout pixels
 * from the top-left corner of the page's body. Only the paragraphs of this page are drawn: none
 * of a neighbouring page comes along as hidden text, which a PDF would keep for search and copy.
 */
void drawPage(QPainter& painter, QTextDocument& doc, int index);

/** The languages the document is typeset in, English first: "en", "de", "es", "fr". */
[[nodiscard]] QStringList editionLanguages();

/**
 * The footer of page `number` of `count` in an edition's language: "Page 2 of 9", "Seite 2 von 9",
 * "Página 2 de 9", "Page 2 sur 9"; English for a language not in editionLanguages().
 */
[[nodiscard]] QString pageFooter(const QString& language, int number, int count);

/** The document's title where its source gives none, in an edition's language ("Theory"). */
[[nodiscard]] QString fallbackTitle(const QString& language);

/** An acid with 1..4 protons as an edition's table of example acids calls it ("diprotic"). */
[[nodiscard]] QString acidKind(const QString& language, int protons);

} // namespace velmora::theory
