// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace velmora::theory {

/**
 * A formula in the program's plain notation ("H2A2-", "HPO4^2-") as rich text: atom counts in
 * <sub>, charges in <sup> with a true minus sign, split by the program's formula typesetting.
 */
[[nodiscard]] QString formulaHtml(const QString& formula);

/**
 * The rows of the table of example acids, one <tr> per acid in the order of the program's menu:
 * name, type, the formulas of its species and its pKa values, from the program's own data.
 */
[[nodiscard]] QString exampleAcidRows();

/** What the document's marked places are filled in from, besides the program's own data. */
struct SourceInputs {
    QString program = QStringLiteral("Velmora"); ///< name and version, for the title page
    /** The edition's language, "en", "de", "es" or "fr": its words and its decimal separator. */
    QString language = QStringLiteral("en");
    /** The sample measurement (CSV) of the section on measured titrations; empty for none. */
    QByteArray measuredCsv;
};

/**
 * The document's source with its marked places filled in: <!-- example-acids --> by the rows of
 * exampleAcidRows(), <!-- program --> by the program's name and version. Each place must occur
 * exactly once; a missing or doubled one is a problem (returned in `problem`, source unchanged).
 */
[[nodiscard]] QString fillSource(const QString& source, const SourceInputs& inputs,
                                 QString* problem);

} // namespace velmora::theory
