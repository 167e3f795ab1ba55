// SPDX-License-Identifier: GPL-3.0-or-later
#include "speciestext.h"

#include "typednumber.h"

#include "charts/marktexts.h"

#include "diagram/decimaltext.h"
#include "diagram/formula.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

namespace velmora::ui {

namespace {

/** A count after an ion: none for one ("Na"), the number otherwise ("Na2"). */
QString counted(const QString& ion, int count) {
    return count > 1 ? ion + QString::number(count) : ion;
}

} // namespace

QString unicodeFormula(const QString& formula) {
    return diagram::unicodeFormula(formula);
}

QString dissolvedFormula(const model::PolyproticAcid& acid, int k) {
    QString base;
    for (const diagram::FormulaPiece& piece :
         diagram::formulaPieces(QString::fromStdString(acid.speciesName(k)))) {
        if (piece.row != diagram::FormulaRow::Raised) {
            base += piece.text;
        }
    }
    const int charge = acid.speciesCharge(k);
    if (charge < 0) {
        return counted(QStringLiteral("Na"), -charge) + base;
    }
    if (charge > 0) {
        return base + counted(QStringLiteral("Cl"), charge);
    }
    return base;
}

QString dissolvedText(const model::PolyproticAcid& acid, int k) {
    return QCoreApplication::translate("velmora::ui::SpeciesText", "as %1")
        .arg(unicodeFormula(dissolvedFormula(acid, k)));
}

QString concentrationText(double value) {
    if (value == 0.0 || !std::isfinite(value)) {
        return QString::number(value);
    }
    if (std::abs(value) >= 1.0e-3) {
        return QString::number(value, 'g', 3);
    }
    const int exponent = static_cast<int>(std::floor(std::log10(std::abs(value))));
    double mantissa = value / std::pow(10.0, exponent);
    // 9.996e-5 rounds up to the next power.
    if (std::abs(QString::number(mantissa, 'g', 3).toDouble()) >= 10.0) {
        return concentrationText(std::copysign(std::pow(10.0, exponent + 1), value));
    }
    mantissa = QString::number(mantissa, 'g', 3).toDouble();
    return QStringLiteral("%1e%2").arg(QString::number(mantissa, 'g', 3)).arg(exponent);
}

QString solutionLine(const model::PolyproticAcid& acid, const model::Solution& solution,
                     const model::SolutionState& state) {
    // The numbers as the window's fields show them.
    const QLocale locale;
    QStringList species;
    for (int j = 0; j < acid.speciesCount(); ++j) {
        species << QStringLiteral("%1 %2").arg(
            unicodeFormula(QString::fromStdString(acid.speciesName(j))),
            shownNumber(concentrationText(state.concentration[static_cast<std::size_t>(j)]),
                        locale));
    }
    //: The solution line under the drawing: "0.1 mol/L as H₃A: pH 1.62 · H₃A 0.0760, H₂A⁻ 0.0240,
    //: … mol/L". %1 is the concentration, %2 what was dissolved ("as H₃A"), %3 the pH and %4 the
    //: species with their concentrations.
    return QCoreApplication::translate("velmora::ui::SpeciesText", "%1 mol/L %2: pH %3 · %4 mol/L")
        .arg(shownNumber(concentrationText(solution.concentration), locale),
             dissolvedText(acid, solution.dissolvedAs),
             shownNumber(diagram::decimalText(state.pH, 2), locale),
             species.join(QStringLiteral(", ")));
}

QString equivalencePointText(double volume, double pH) {
    const QLocale locale;
    //: One equivalence point in the titration line: %1 the volume in mL, %2 the pH.
    return QCoreApplication::translate("velmora::ui::SpeciesText", "%1 mL (pH %2)")
        .arg(shownNumber(volume, charts::volumeDecimals(volume), locale),
             shownNumber(pH, 2, locale));
}

QString titrantFormula(model::Titrant titrant) {
    return titrant == model::Titrant::Base ? QStringLiteral("NaOH") : QStringLiteral("HCl");
}

QString titrationLine(const model::PolyproticAcid& acid, const model::Solution& solution,
                      const model::Titration& titration) {
    const model::Titrator titrator(acid, solution, titration);
    const QLocale locale;
    QStringList points;
    for (const model::TitrationMark& mark : titrator.marks()) {
        if (!mark.half) {
            points << equivalencePointText(mark.volume, mark.pH);
        }
    }
    const QString titrant = titrantFormula(titration.titrant);
    const QString sample = unicodeFormula(dissolvedFormula(acid, solution.dissolvedAs));
    const QString volume = shownNumber(QString::number(titration.sampleVolume, 'g', 6), locale);
    if (points.isEmpty()) {
        //: The titration line when the titrant reaches no equivalence point: "25 mL of 0.1 mol/L
        //: CH₃COO⁻ with 0.1 mol/L NaOH · no equivalence point".
        return QCoreApplication::translate(
                   "velmora::ui::SpeciesText",
                   "%1 mL of %2 mol/L %3 with %4 mol/L %5 · no equivalence point")
            .arg(volume, shownNumber(concentrationText(solution.concentration), locale), sample,
                 shownNumber(concentrationText(titration.titrantConcentration), locale), titrant);
    }
    //: The titration line under the drawing: "25 mL of 0.1 mol/L CH₃COOH with 0.1 mol/L NaOH ·
    //: equivalence at 25.00 mL (pH 8.73)". %1 the sample's volume, %2 its concentration, %3 what
    //: was dissolved, %4 the titrant's concentration, %5 the titrant, %6 the equivalence points.
    return QCoreApplication::translate("velmora::ui::SpeciesText",
                                       "%1 mL of %2 mol/L %3 with %4 mol/L %5 · equivalence at %6")
        .arg(volume, shownNumber(concentrationText(solution.concentration), locale), sample,
             shownNumber(concentrationText(titration.titrantConcentration), locale), titrant,
             points.join(QStringLiteral(", ")));
}

} // namespace velmora::ui
