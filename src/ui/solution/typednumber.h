// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QString>

#include <optional>

namespace velmora::ui {

/**
 * How the windows' fields write and read numbers in the user's locale.
 *
 * Shown: Latin digits always (the drawings, the data files and the command line write them, so a
 * field never differs from the axis beside it), with the locale's decimal separator where the
 * locale writes Latin digits ("2,5" in German, French and Spanish) and a point where it writes
 * digits of its own ("2.5" in Arabic, as the drawings have it). No group separators.
 *
 * Read: the point always, and the locale's decimal separator; Arabic-Indic digits, the Arabic
 * decimal separator, blanks around the number, a leading plus, the Unicode minus and exponents
 * ("1e-6", "1,5e-3"). What could mean another number is refused with its reason, never guessed:
 * a group separator or a blank inside ("1.000,5", "1 000"), a comma where the locale's decimals
 * take a point, and, where the locale groups thousands with a point, one point followed by
 * exactly three digits after one to three digits ("1.000" is a thousand to a German reader and
 * one to everybody else).
 */
class TypedNumber {
    Q_DECLARE_TR_FUNCTIONS(velmora::ui::TypedNumber)

public:
    /** The value the text stands for, or nothing; problem() says why not. */
    std::optional<double> value;
    /** Why the text is not a number, in the user's language; empty when it is one. */
    QString problem;

    /** Reads `text` as a user in `locale` writes it. */
    [[nodiscard]] static TypedNumber read(const QString& text, const QLocale& locale);
};

/** The decimal separator the windows show numbers with in `locale`. */
[[nodiscard]] QChar shownDecimalSeparator(const QLocale& locale);

/**
 * `text`, a number as the program writes it (a point, "1.5e-3"), as the windows show it in
 * `locale`: its point becomes the shown decimal separator.
 */
[[nodiscard]] QString shownNumber(QString text, const QLocale& locale);

/** `value` with `decimals` decimals as the windows show it in `locale`. */
[[nodiscard]] QString shownNumber(double value, int decimals, const QLocale& locale);

} // namespace velmora::ui
