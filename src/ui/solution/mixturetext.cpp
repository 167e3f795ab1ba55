// SPDX-License-Identifier: GPL-3.0-or-later
#include "mixturetext.h"

#include "speciestext.h"
#include "substancelist.h"
#include "substancelistview.h"
#include "typednumber.h"

#include "diagram/decimaltext.h"

#include "model/mixturetitration.h"

#include <QCoreApplication>
#include <QLocale>

namespace velmora::ui {

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("velmora::ui::MixtureText", text);
}

QString shownValue(double value, int decimals) {
    return shownNumber(diagram::decimalText(value, decimals), QLocale());
}

/**
 * The titrant as it comes from the bottle: a weak acid or base as its uncharged species (NH₃), a
 * salt or strong one as it is weighed out (Na₂CO₃, HNO₃), else NaOH or HCl.
 */
QString titrantName(const SolutionInputs& inputs) {
    const model::Substance* substance = model::findSubstance(inputs.titrantSubstance);
    if (substance == nullptr) {
        return titrantFormula(inputs.titration.titrant);
    }
    if (substance->kind == model::SubstanceKind::Weak) {
        const std::string& species =
            substance->formulas.at(static_cast<std::size_t>(model::dissolvedSpecies(*substance)));
        if (model::formulaCharge(species) == 0) {
            return unicodeFormula(QString::fromStdString(species));
        }
    }
    return unicodeFormula(weighedFormula(titrantIngredient(inputs)));
}

} // namespace

QStringList systemNames(const SolutionInputs& inputs) {
    QStringList names{unicodeFormula(QString::fromStdString(inputs.acid.speciesName(0)))};
    for (const ListedSubstance& listed : inputs.substances) {
        if (systemCount(listed) > 0) {
            names << listedName(listed);
        }
    }
    return names;
}

QString mixtureLine(const SolutionInputs& inputs, const model::MixtureState& state) {
    //: The line under the drawings for a solution of several substances: %1 its temperature in
    //: °C, %2 its pH.
    QStringList parts{
        translated(QT_TRANSLATE_NOOP("velmora::ui::MixtureText", "Solution at %1 °C: pH %2"))
            .arg(shownNumber(QString::number(inputs.temperature, 'g', 6), QLocale()),
                 shownValue(state.pH, 2))};
    if (inputs.activity == model::Activity::Davies) {
        //: The ionic strength of the solution, in mol/L.
        parts << translated(QT_TRANSLATE_NOOP("velmora::ui::MixtureText", "I = %1 mol/L"))
                     .arg(shownNumber(concentrationText(state.ionicStrength), QLocale()));
        if (state.beyondDavies || !state.activitiesSettled) {
            parts << translated(QT_TRANSLATE_NOOP(
                                    "velmora::ui::MixtureText",
                                    "the Davies equation is not reliable above I = %1 mol/L"))
                         .arg(shownValue(model::kDaviesLimit, 1));
        }
    }
    if (!state.constantsNotShifted.empty() && inputs.temperature != model::kStandardTemperature) {
        const QStringList names = systemNames(inputs);
        QStringList unshifted;
        for (const int system : state.constantsNotShifted) {
            if (system >= 0 && system < names.size()) {
                unshifted << names.at(system);
            }
        }
        //: A note under the drawings: the constants of these systems are not known at other
        //: temperatures and are used at their 25 °C values.
        parts << translated(QT_TRANSLATE_NOOP("velmora::ui::MixtureText", "constants at 25 °C: %1"))
                     .arg(unshifted.join(QStringLiteral(", ")));
    }
    return parts.join(QStringLiteral(" · "));
}

QString mixtureTitrationLine(const SolutionInputs& inputs) {
    const model::MixtureTitrator titrator(mixtureOf(inputs), mixtureTitrationOf(inputs));
    const QLocale locale;
    QStringList points;
    for (const model::MixtureMark& mark : titrator.marks()) {
        if (!mark.half) {
            points << equivalencePointText(mark.volume, mark.pH);
        }
    }
    const QString titrant = titrantName(inputs);
    const QString volume =
        shownNumber(QString::number(inputs.titration.sampleVolume, 'g', 6), locale);
    const QString concentration =
        shownNumber(concentrationText(inputs.titration.titrantConcentration), locale);
    if (points.isEmpty()) {
        //: The titration line of a solution of several substances when the titrant reaches no
        //: equivalence point: "25 mL of the solution with 0.1 mol/L NaOH · no equivalence point".
        return translated(QT_TRANSLATE_NOOP(
                              "velmora::ui::MixtureText",
                              "%1 mL of the solution with %2 mol/L %3 · no equivalence point"))
            .arg(volume, concentration, titrant);
    }
    //: The titration line of a solution of several substances: %1 the sample's volume, %2 the
    //: titrant's concentration, %3 the titrant, %4 the equivalence points.
    return translated(
               QT_TRANSLATE_NOOP("velmora::ui::MixtureText",
                                 "%1 mL of the solution with %2 mol/L %3 · equivalence at %4"))
        .arg(volume, concentration, titrant, points.join(QStringLiteral(", ")));
}

} // namespace velmora::ui
