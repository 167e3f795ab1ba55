// SPDX-License-Identifier: GPL-3.0-or-later
#include "theorypages.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextList>
#include <QTextTable>

#include <array>
#include <cmath>
#include <vector>

namespace velmora::theory {

namespace {

/** Far less than any line, in layout pixels: what lies closer to a page's edge is on it. */
constexpr double kHair = 0.5;

class Pages {
public:
    explicit Pages(QTextDocument& doc)
        : m_doc(doc), m_layout(*doc.documentLayout()), m_height(doc.pageSize().height()) {}

    /** Makes one change that keeps something whole; false when there was nothing to change. */
    bool mendOne() {
        // The layout follows changes lazily; every look at it must see the whole of it.
        m_layout.documentSize();
        return keepWithHeadings() || splitCutParagraph();
    }

private:
    /** One piece of the document's main flow: a paragraph or a frame (a table). */
    struct Piece {
        QTextBlock block;
        QTextFrame* frame = nullptr;
    };

    int pageOf(double y) const { return static_cast<int>(std::floor(y / m_height)); }

    /**
     * Top of a line of a paragraph of the main flow, in document coordinates. (Paragraphs in
     * tables need no look: a table is kept on one page as a whole.)
     */
    double lineTop(const QTextBlock& block, const QTextLine& line) const {
        return m_layout.frameBoundingRect(m_doc.rootFrame()).top() +
               block.layout()->position().y() + line.y();
    }

    /** Where a piece's first line of text or its frame begins. */
    double topOf(const Piece& piece) const {
        if (piece.frame != nullptr) {
            return m_layout.frameBoundingRect(piece.frame).top();
        }
        const QTextLayout* layout = piece.block.layout();
        if (layout->lineCount() == 0) {
            return m_layout.frameBoundingRect(m_doc.rootFrame()).top() + layout->position().y();
        }
        return lineTop(piece.block, layout->lineAt(0));
    }

    static bool isHeading(const Piece& piece) {
        return piece.frame == nullptr && piece.block.blockFormat().headingLevel() > 0;
    }

    static bool startsPage(const Piece& piece) {
        const QTextFormat::PageBreakFlags policy =
            piece.frame != nullptr ? piece.frame->frameFormat().pageBreakPolicy()
                                   : piece.block.blockFormat().pageBreakPolicy();
        return policy.testFlag(QTextFormat::PageBreak_AlwaysBefore);
    }

    /** Puts a page break before a piece; false if it has one already. */
    static bool breakBefore(const Piece& piece) {
        if (startsPage(piece)) {
            return false;
        }
        if (piece.frame != nullptr) {
            QTextFrameFormat format = piece.frame->frameFormat();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            piece.frame->setFrameFormat(format);
        } else {
            QTextBlockFormat format = piece.block.blockFormat();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(piece.block).setBlockFormat(format);
        }
        return true;
    }

    std::vector<Piece> mainFlow() const {
        std::vector<Piece> pieces;
        for (auto it = m_doc.rootFrame()->begin(); !it.atEnd(); ++it) {
            if (QTextFrame* frame = it.currentFrame()) {
                pieces.push_back({QTextBlock(), frame});
            } else {
                pieces.push_back({it.currentBlock(), nullptr});
            }
        }
        return pieces;
    }

    /**
     * A heading stays with what it heads: at the foot of a page it moves to the next. A table that
     * a page break would cut, and that fits on a page, starts on the next page, together with
     * its heading if one stands right before it.
     */
    bool keepWithHeadings() {
        const std::vector<Piece> pieces = mainFlow();
        for (std::size_t i = 0; i + 1 < pieces.size(); ++i) {
            const Piece& piece = pieces[i];
            const Piece& next = pieces[i + 1];
            if (isHeading(piece) && pageOf(topOf(next) + kHair) > pageOf(topOf(piece) + kHair) &&
                breakBefore(piece)) {
                return true;
            }
            if (qobject_cast<QTextTable*>(next.frame) == nullptr) {
                continue;
            }
            const QRectF area = m_layout.frameBoundingRect(next.frame);
            if (area.height() <= m_height &&
                pageOf(area.top() + kHair) != pageOf(area.bottom() - kHair) &&
                breakBefore(isHeading(piece) ? piece : next)) {
                return true;
            }
        }
        return false;
    }

    /** A paragraph of the main flow that runs over a page break becomes two. */
    bool splitCutParagraph() {
        for (const Piece& piece : mainFlow()) {
            const QTextLayout* layout = piece.frame == nullptr ? piece.block.layout() : nullptr;
            if (layout == nullptr || layout->lineCount() < 2) {
                continue;
            }
            const int firstPage = pageOf(lineTop(piece.block, layout->lineAt(0)) + kHair);
            for (int i = 1; i < layout->lineCount(); ++i) {
                const QTextLine line = layout->lineAt(i);
                if (pageOf(lineTop(piece.block, line) + kHair) != firstPage) {
                    split(piece.block, line.textStart());
                    return true;
                }
            }
        }
        return false;
    }

    /**
     * Splits a paragraph before the character at `offset`. The second part goes on where the
     * first left off: no space above it, and, in a list, no bullet of its own but the item's
     * indentation.
     */
    void split(const QTextBlock& block, int offset) {
        QTextCursor cursor(block);
        cursor.setPosition(block.position() + offset);
        QTextBlockFormat format = block.blockFormat();
        format.setTopMargin(0);
        format.setTextIndent(0);
        format.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
        cursor.insertBlock(format);
        const QTextBlock rest = cursor.block();
        if (QTextList* list = rest.textList()) {
            list->remove(rest);
        }
    }

    QTextDocument& m_doc;
    QAbstractTextDocumentLayout& m_layout;
    double m_height;
};

/** The generator's own words in each edition's language. */
struct EditionWords {
    const char* language;
    const char* footer; ///< %1 the page's number, %2 the number of pages
    const char* title;
    std::array<const char*, 4> acidKinds; ///< one to four protons
};

constexpr std::array kEditionWords{
    EditionWords{
        "en", "Page %1 of %2", "Theory", {"monoprotic", "diprotic", "triprotic", "tetraprotic"}},
    EditionWords{"de",
                 "Seite %1 von %2",
                 "Theorie",
                 {"einprotonig", "zweiprotonig", "dreiprotonig", "vierprotonig"}},
    EditionWords{"es",
                 "Página %1 de %2",
                 "Teoría",
                 {"monoprótico", "diprótico", "triprótico", "tetraprótico"}},
    EditionWords{
        "fr", "Page %1 sur %2", "Théorie", {"monoacide", "diacide", "triacide", "tétraacide"}},
};

const EditionWords& wordsOf(const QString& language) {
    for (const EditionWords& words : kEditionWords) {
        if (language == QLatin1String(words.language)) {
            return words;
        }
    }
    return kEditionWords.front();
}

} // namespace

QStringList editionLanguages() {
    QStringList languages;
    for (const EditionWords& words : kEditionWords) {
        languages << QString::fromLatin1(words.language);
    }
    return languages;
}

QString pageFooter(const QString& language, int number, int count) {
    return QString::fromUtf8(wordsOf(language).footer).arg(number).arg(count);
}

QString fallbackTitle(const QString& language) {
    return QString::fromUtf8(wordsOf(language).title);
}

QString acidKind(const QString& language, int protons) {
    return QString::fromUtf8(wordsOf(language).acidKinds.at(static_cast<std::size_t>(protons - 1)));
}

bool keepPagesWhole(QTextDocument& doc) {
    // Every change settles one place for good; a document has far fewer pages than this.
    constexpr int kMostChanges = 1000;
    Pages pages(doc);
    for (int changes = 0; changes < kMostChanges; ++changes) {
        if (!pages.mendOne()) {
            return true;
        }
    }
    return false;
}

void drawPage(QPainter& painter, QTextDocument& doc, int index) {
    const QSizeF size = doc.pageSize();
    const QRectF page(QPointF(0, index * size.height()), size);
    painter.save();
    painter.translate(0, -page.top());
    // The painter clips at the page's edges, for the frames and backgrounds of a table that goes
    // on over a page break. The layout is asked for an area a hair inside them: it draws every
    // paragraph that touches the area, and a paragraph of the next page may begin exactly at
    // this page's lower edge (one of the previous page may end exactly at its upper edge).
    painter.setClipRect(page);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = page.adjusted(0, kHair, 0, -kHair);
    doc.documentLayout()->draw(&painter, context);
    painter.restore();
}

} // namespace velmora::theory
