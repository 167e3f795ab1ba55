// SPDX-License-Identifier: GPL-3.0-or-later
#include "theorysource.h"

#include "theorynumbers.h"
#include "theorypages.h"

#include "diagram/formula.h"
#include "language/modeltexts.h"
#include "model/presets.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace velmora::theory {

namespace {

const QString kExampleAcids = QStringLiteral("<!-- example-acids -->");
const QString kProgram = QStringLiteral("<!-- program -->");

const QString kExampleSources = QStringLiteral("<!-- example-sources -->");

/** Fills every <!-- n:NAME --> with its number; an unknown name is a problem. */
QString fillNumbers(const QString& source, const std::vector<TheoryNumber>& numbers,
                    const QString& language, bool measurementGiven, QString* problem) {
    static const QRegularExpression place(QStringLiteral("<!-- n:([A-Za-z0-9.-]+) -->"));
    QString filled;
    qsizetype from = 0;
    QRegularExpressionMatchIterator matches = place.globalMatch(source);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        const QString name = match.captured(1);
        const auto found = std::find_if(numbers.begin(), numbers.end(),
                                        [&](const TheoryNumber& n) { return n.name == name; });
        if (found == numbers.end()) {
            *problem = name.startsWith(kMeasuredPrefix) && !measurementGiven
                           ? QStringLiteral("the source quotes the number %1, which is computed "
                                            "from the sample measurement, and none was given")
                                 .arg(name)
                           : QStringLiteral("the source quotes the number %1, which is not "
                                            "computed")
                                 .arg(name);
            return source;
        }
        filled += source.mid(from, match.capturedStart() - from);
        filled += numberHtml(*found, language);
        from = match.capturedEnd();
    }
    filled += source.mid(from);
    return filled;
}

} // namespace

QString formulaHtml(const QString& formula) {
    QString html;
    for (const diagram::FormulaPiece& piece : diagram::typesetFormulaPieces(formula)) {
        const QString text = piece.text.toHtmlEscaped();
        switch (piece.row) {
        case diagram::FormulaRow::Base:
            html += text;
            break;
        case diagram::FormulaRow::Lowered:
            html += QStringLiteral("<sub>%1</sub>").arg(text);
            break;
        case diagram::FormulaRow::Raised:
            html += QStringLiteral("<sup>%1</sup>").arg(text);
            break;
        }
    }
    return html;
}

QString exampleAcidRows(const QString& language) {
    QString rows;
    for (const model::Preset& preset : model::presets()) {
        QStringList formulas;
        for (const std::string& formula : preset.formulas) {
            formulas << formulaHtml(QString::fromStdString(formula));
        }
        QStringList values;
        for (double value : preset.pKa) {
            values << numberHtml(TheoryNumber{{}, value, 2}, language);
        }
        // With a decimal comma, the values of a list are parted by semicolons.
        const QString between = decimalPointOf(language) == QLatin1Char(',') ? QStringLiteral("; ")
                                                                             : QStringLiteral(", ");
        rows += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td></tr>\n")
                    .arg(language::presetName(preset).toHtmlEscaped(),
                         acidKind(language, preset.protons()), formulas.join(QStringLiteral(", ")),
                         values.join(between));
    }
    return rows;
}

QString exampleSources() {
    QStringList sources;
    for (const model::Preset& preset : model::presets()) {
        sources << QStringLiteral("%1: %2").arg(language::presetName(preset).toHtmlEscaped(),
                                                language::presetSource(preset).toHtmlEscaped());
    }
    return sources.join(QStringLiteral("; ")) + QLatin1Char('.');
}

QString fillSource(const QString& source, const SourceInputs& inputs, QString* problem) {
    for (const QString& place : {kExampleAcids, kExampleSources, kProgram}) {
        const qsizetype count = source.count(place);
        if (count != 1) {
            *problem = QStringLiteral("the source has %1 times the place %2, not once")
                           .arg(count)
                           .arg(place);
            return source;
        }
    }
    const std::vector<TheoryNumber> numbers = theoryNumbers(inputs.measuredCsv, problem);
    if (!problem->isEmpty()) {
        return source;
    }
    QString filled =
        fillNumbers(source, numbers, inputs.language, !inputs.measuredCsv.isEmpty(), problem);
    if (!problem->isEmpty()) {
        return source;
    }
    filled.replace(kExampleAcids, exampleAcidRows(inputs.language));
    filled.replace(kExampleSources, exampleSources());
    filled.replace(kProgram, inputs.program.toHtmlEscaped());
    problem->clear();
    return filled;
}

} // namespace velmora::theory
