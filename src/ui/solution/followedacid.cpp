// SPDX-License-Identifier: GPL-3.0-or-later
#include "followedacid.h"

#include "diagram/formula.h"

#include <QRegularExpression>

#include <algorithm>
#include <string>
#include <vector>

namespace velmora::ui {

std::optional<int> formulaCharge(const QString& formula) {
    QString raised;
    for (const diagram::FormulaPiece& piece : diagram::formulaPieces(formula)) {
        if (piece.row == diagram::FormulaRow::Raised) {
            raised += piece.text;
        }
    }
    if (raised.isEmpty()) {
        return 0;
    }
    static const QRegularExpression charge(QStringLiteral("^([0-9]{0,2})([+-])$"));
    const QRegularExpressionMatch match = charge.match(raised);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const int size = match.capturedView(1).isEmpty() ? 1 : match.capturedView(1).toInt();
    return match.capturedView(2) == u"-" ? -size : size;
}

model::PolyproticAcid followedAcid(const model::Acid& acid, const diagram::LabelTexts& labels) {
    const int constants = acid.protonCount();
    std::vector<double> pKa;
    for (int index = 1; index <= constants; ++index) {
        const double value = acid.pKa(index);
        pKa.push_back(pKa.empty() ? value : std::max(value, pKa.back()));
    }

    std::vector<std::string> names;
    for (int j = 0; j <= constants; ++j) {
        const QString& label = labels[static_cast<std::size_t>(j)];
        if (label.isEmpty()) {
            names.clear();
            break;
        }
        names.push_back(label.toStdString());
    }
    int charge = 0;
    if (!names.empty()) {
        const std::optional<int> z = formulaCharge(labels[0]);
        if (z && model::problemWithCharge(*z).empty() &&
            model::problemWithNames(names, constants + 1).empty()) {
            charge = *z;
        } else {
            names.clear();
        }
    }
    if (!model::problemWithConstants(pKa).empty()) {
        // Out of the solution's range (the main window's bars cannot get there): the acid as
        // close as the range allows.
        for (double& value : pKa) {
            value = std::clamp(value, model::kMinPka, model::kMaxPka);
        }
    }
    return model::PolyproticAcid(pKa, charge, std::move(names));
}

} // namespace velmora::ui
