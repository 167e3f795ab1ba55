// SPDX-License-Identifier: GPL-3.0-or-later
#include "theorysource.h"

#include "diagram/formula.h"
#include "model/presets.h"

#include <QStringList>

#include <array>

namespace velmora::theory {

namespace {

const QString kExampleAcids = QStringLiteral("<!-- example-acids -->");
const QString kProgram = QStringLiteral("<!-- program -->");

QString acidType(int protons) {
    static const std::array<QString, 4> types{
        QStringLiteral("monoprotic"), QStringLiteral("diprotic"), QStringLiteral("triprotic"),
        QStringLiteral("tetraprotic")};
    return types.at(static_cast<std::size_t>(protons - 1));
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

QString exampleAcidRows() {
    QString rows;
    for (const model::Preset& preset : model::presets()) {
        QStringList formulas;
        for (const std::string& formula : preset.formulas) {
            formulas << formulaHtml(QString::fromStdString(formula));
        }
        QStringList values;
        for (double value : preset.pKa) {
            values << QString::number(value, 'f', 2);
        }
        rows += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td></tr>\n")
                    .arg(QString::fromStdString(preset.name).toHtmlEscaped(),
                         acidType(preset.protons()), formulas.join(QStringLiteral(", ")),
                         values.join(QStringLiteral(", ")));
    }
    return rows;
}

QString fillSource(const QString& source, const SourceInputs& inputs, QString* problem) {
    for (const QString& place : {kExampleAcids, kProgram}) {
        const qsizetype count = source.count(place);
        if (count != 1) {
            *problem = QStringLiteral("the source has %1 times the place %2, not once")
                           .arg(count)
                           .arg(place);
            return source;
        }
    }
    QString filled = source;
    filled.replace(kExampleAcids, exampleAcidRows());
    filled.replace(kProgram, inputs.program.toHtmlEscaped());
    problem->clear();
    return filled;
}

} // namespace velmora::theory
