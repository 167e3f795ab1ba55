// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <vector>

namespace velmora::diagram {

/** Size of a raised or lowered part, and of normal text once such a part has been printed. */
inline constexpr double kSmallTextSize = 8.0;
inline constexpr double kNormalTextSize = 10.0;
/** How far a raised or lowered part stands from the base row, in pixels. */
inline constexpr int kScriptOffset = 5;

/** Where a piece of a typeset formula stands: on the base row, raised or lowered. */
enum class FormulaRow { Base, Raised, Lowered };

/** One piece of a typeset formula, printed as one text. */
struct FormulaPiece {
    QString text;
    FormulaRow row = FormulaRow::Base;

    friend bool operator==(const FormulaPiece&, const FormulaPiece&) = default;
};

/**
 * Splits a formula in plain text ("H2A2-", "HPO4^2-") into the pieces it is typeset as. The one
 * rule set of every label, readout and summary of the program:
 *
 * - the first character stands on the base row, whatever it is;
 * - after it, a digit directly followed by a sign is a charge with its magnitude (one raised
 *   piece, "2-"); any other digit is an atom count (lowered); a lone "+" or "-" is a charge
 *   (raised);
 * - a caret starts a charge written out in full: everything after it is one raised piece, so a
 *   count can stand right before a charge ("HPO4^2-");
 * - every other character stands on the base row.
 *
 * The pieces come one character each (a charge's digit and sign together, the written-out
 * charge whole), in the order they are printed; mergedFormulaPieces() joins neighbours on the
 * same row for layouts that print runs of text.
 */
[[nodiscard]] std::vector<FormulaPiece> formulaPieces(const QString& formula);

/** formulaPieces() with neighbouring pieces on the same row joined into one. */
[[nodiscard]] std::vector<FormulaPiece> mergedFormulaPieces(const QString& formula);

/**
 * mergedFormulaPieces() as set in a text face: a hyphen in a raised charge becomes a true minus
 * sign (U+2212), which reads better than a hyphen.
 */
[[nodiscard]] std::vector<FormulaPiece> typesetFormulaPieces(const QString& formula);

/**
 * A formula in caret notation as one line of plain text: counts as subscript digits, the charge as
 * superscript digits and signs ("HPO4^2-" reads "HPO₄²⁻").
 */
[[nodiscard]] QString unicodeFormula(const QString& formula);

/**
 * A formula as a screen reader should say it: the caret becomes a blank, so that the count
 * before a written-out charge is not read as part of it ("HPO4 2-", not "HPO42-").
 */
[[nodiscard]] QString spokenFormula(const QString& formula);

} // namespace velmora::diagram
