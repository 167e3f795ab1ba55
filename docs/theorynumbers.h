// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/recipe.h"

#include <QByteArray>
#include <QString>

#include <string>
#include <vector>

namespace velmora::theory {

/** How a number of the document is written. */
enum class NumberStyle {
    Fixed,      ///< `digits` decimals: 2.88
    Scientific, ///< `digits` significant digits as a power of ten: 1.31·10^−3
};

/**
 * A number the theory document quotes, computed by the program's model from the worked example
 * it belongs to, so that the text always says what the program computes. The source marks its
 * place as <!-- n:NAME -->.
 */
struct TheoryNumber {
    QString name; ///< e.g. "acetic-ph"
    double value = 0.0;
    int digits = 2;
    NumberStyle style = NumberStyle::Fixed;
};

/** The names of the numbers computed from the sample measurement begin with this. */
inline const QString kMeasuredPrefix = QStringLiteral("measured-");

/**
 * Every number of the worked examples: the pH of solutions from their charge balance, a
 * titration's points, a buffer and its capacity, activities, the water's constant at
 * temperatures, and, when `measuredCsv` holds the sample measurement, its end points and the fit
 * of its concentration and pKa with their standard errors. A measurement that cannot be read or
 * fitted is a problem (`problem` says why; the numbers without it are returned).
 */
[[nodiscard]] std::vector<TheoryNumber> theoryNumbers(const QByteArray& measuredCsv,
                                                      QString* problem);

/**
 * Substances of a worked example written as the command line's --add takes them ("0.1:acetic"),
 * read into `ingredients`; false with the first one not understood named in `problem`.
 */
[[nodiscard]] bool readWrittenIngredients(const std::vector<std::string>& written,
                                          std::vector<model::Ingredient>& ingredients,
                                          QString* problem);

/** The decimal point of an edition: a point in English, a comma in German, Spanish and French. */
[[nodiscard]] QChar decimalPointOf(const QString& language);

/**
 * A number as rich text in a language's way: its decimal separator (a point in English, a comma
 * in German, Spanish and French), a true minus sign, a power of ten with a raised exponent.
 */
[[nodiscard]] QString numberHtml(const TheoryNumber& number, const QString& language);

} // namespace velmora::theory
