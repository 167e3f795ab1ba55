// SPDX-License-Identifier: GPL-3.0-or-later
#include "typesetformula.h"

#include "formula.h"
#include "surface.h"

#include <cmath>
#include <cstdint>

namespace velmora::diagram {

namespace {

void printSmall(Surface& surface, int row, const QString& text) {
    surface.setCurrentY(static_cast<float>(row));
    surface.setFontSize(kSmallTextSize);
    surface.print(text);
    surface.setFontSize(kNormalTextSize);
}

} // namespace

void typesetFormula(Surface& surface, const QString& name) {
    const std::vector<FormulaPiece> pieces = formulaPieces(name);
    if (pieces.empty()) {
        return;
    }
    // The base row: the pen's Y rounded to a whole pixel, halves to even.
    const auto y0 = static_cast<std::int16_t>(std::nearbyint(surface.currentY()));
    // The first character is printed where the pen stands, at the size that is current.
    surface.print(pieces.front().text);
    for (std::size_t i = 1; i < pieces.size(); ++i) {
        const FormulaPiece& piece = pieces[i];
        switch (piece.row) {
        case FormulaRow::Raised:
            printSmall(surface, y0 - kScriptOffset, piece.text);
            break;
        case FormulaRow::Lowered:
            printSmall(surface, y0 + kScriptOffset, piece.text);
            break;
        case FormulaRow::Base:
            surface.setCurrentY(static_cast<float>(y0));
            surface.print(piece.text);
            break;
        }
    }
}

} // namespace velmora::diagram
