// SPDX-License-Identifier: GPL-3.0-or-later
#include "formula.h"

namespace velmora::diagram {

namespace {

QChar subscript(QChar c) {
    return c.isDigit() ? QChar(0x2080 + c.digitValue()) : c;
}

QChar superscript(QChar c) {
    static constexpr char16_t kDigits[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
    if (c.isDigit()) {
        return QChar(kDigits[c.digitValue()]);
    }
    if (c == u'+') {
        return QChar(0x207A);
    }
    if (c == u'-' || c == QChar(0x2212)) {
        return QChar(0x207B);
    }
    return c;
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool isSign(QChar c) {
    return c == u'+' || c == u'-';
}

} // namespace

std::vector<FormulaPiece> formulaPieces(const QString& formula) {
    std::vector<FormulaPiece> pieces;
    if (formula.isEmpty()) {
        return pieces;
    }
    pieces.push_back({formula.left(1), FormulaRow::Base});
    // Characters are read with a bounds check: the place after the last one reads as nothing.
    const qsizetype length = formula.size();
    for (qsizetype i = 1; i < length; ++i) {
        const QChar c = formula.at(i);
        const QChar next = i + 1 < length ? formula.at(i + 1) : QChar();
        if (c == u'^') {
            if (i + 1 < length) {
                pieces.push_back({formula.mid(i + 1), FormulaRow::Raised});
            }
            break;
        }
        if (isDigit(c) && isSign(next)) {
            pieces.push_back({formula.mid(i, 2), FormulaRow::Raised});
            ++i;
        } else if (isDigit(c)) {
            pieces.push_back({QString(c), FormulaRow::Lowered});
        } else if (isSign(c)) {
            pieces.push_back({QString(c), FormulaRow::Raised});
        } else {
            pieces.push_back({QString(c), FormulaRow::Base});
        }
    }
    return pieces;
}

std::vector<FormulaPiece> mergedFormulaPieces(const QString& formula) {
    std::vector<FormulaPiece> merged;
    for (FormulaPiece& piece : formulaPieces(formula)) {
        if (!merged.empty() && merged.back().row == piece.row) {
            merged.back().text += piece.text;
        } else {
            merged.push_back(std::move(piece));
        }
    }
    return merged;
}

std::vector<FormulaPiece> typesetFormulaPieces(const QString& formula) {
    std::vector<FormulaPiece> pieces = mergedFormulaPieces(formula);
    for (FormulaPiece& piece : pieces) {
        if (piece.row == FormulaRow::Raised) {
            piece.text.replace(u'-', QChar(0x2212));
        }
    }
    return pieces;
}

QString spokenFormula(const QString& formula) {
    QString spoken = formula;
    spoken.replace(u'^', u' ');
    return spoken;
}

QString unicodeFormula(const QString& formula) {
    QString text;
    for (const FormulaPiece& piece : formulaPieces(formula)) {
        for (const QChar c : piece.text) {
            switch (piece.row) {
            case FormulaRow::Lowered:
                text += subscript(c);
                break;
            case FormulaRow::Raised:
                text += superscript(c);
                break;
            case FormulaRow::Base:
                text += c;
                break;
            }
        }
    }
    return text;
}

} // namespace velmora::diagram
