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
 * name, type, the formulas of its species and its pKa values, from the program's own data, in a
 * language ("en", "de", "es", "fr"; the names as the loaded translations have them).
 */
[[nodiscard]] QString exampleAcidRows(const QString& language = QStringLiteral("en"));

/**
 * Where the example acids' values come from, one "name: source" each, in the language whose
 * translations are loaded.
 */
[[nodiscard]] QString exampleSources();

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
 * exampleAcidRows(), <!-- example-sources --> by exampleSources(), <!-- program --> by the
 * program's name and version, each exactly once (a missing or doubled one is a problem); and
 * every <!-- n:NAME --> by the number of that name (theorynumbers.h) in the edition's language,
 * as often as it occurs (a name that is not computed is a problem). On a problem, returned in
 * `problem`, the source comes back unchanged.
 */
[[nodiscard]] QString fillSource(const QString& source, const SourceInputs& inputs,
                                 QString* problem);

} // namespace velmora::theory
