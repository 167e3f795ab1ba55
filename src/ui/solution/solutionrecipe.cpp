// SPDX-License-Identifier: GPL-3.0-or-later
#include "solutionrecipe.h"

#include "substancelist.h"

#include "model/mixture.h"
#include "model/solution.h"
#include "model/titration.h"

#include <algorithm>
#include <string>

namespace velmora::ui {

namespace {

/** A substance given by its key, as the window writes its strong acid and base. */
model::Ingredient libraryIngredient(const char* key, double concentration) {
    model::Ingredient ingredient;
    ingredient.substance = key;
    ingredient.concentration = concentration;
    return ingredient;
}

/** Whether the acid editor can take the ingredient's system: typed, or a weak one or a salt. */
bool canBeAcid(const model::Ingredient& ingredient) {
    if (!ingredient.fromLibrary()) {
        return true;
    }
    const model::Substance* substance = model::substanceNamed(ingredient.substance);
    return substance != nullptr && (substance->kind == model::SubstanceKind::Weak ||
                                    substance->kind == model::SubstanceKind::Salt);
}

/**
 * The acid of a weak system, as the acid editor holds it: a base given by its pKb has the
 * constants of its acid at 25 °C, pKa_i = pKw − pKb_(n+1−i), and is dissolved as the base.
 */
model::Problem acidOf(const model::WeakSystem& system, model::PolyproticAcid& acid,
                      int& dissolvedAs) {
    std::vector<double> pKa = system.pK;
    dissolvedAs = system.dissolvedAs;
    if (system.givenAsBase) {
        std::reverse(pKa.begin(), pKa.end());
        for (double& pK : pKa) {
            pK = model::kPKw - pK;
        }
        dissolvedAs = static_cast<int>(pKa.size());
    }
    if (model::Problem problem = model::problemWithConstants(pKa); !problem.empty()) {
        return problem;
    }
    if (model::Problem problem = model::problemWithCharge(system.charge); !problem.empty()) {
        return problem;
    }
    std::vector<std::string> names = system.formulas;
    if (!names.empty() &&
        !model::problemWithNames(names, static_cast<int>(pKa.size()) + 1).empty()) {
        names.clear();
    }
    acid = model::PolyproticAcid(pKa, system.charge, names);
    return {};
}

} // namespace

model::Recipe recipeOf(const SolutionInputs& inputs) {
    model::Recipe recipe;
    recipe.temperature = inputs.temperature;
    recipe.activity = inputs.activity;
    recipe.substances.push_back(acidIngredient(inputs));
    if (inputs.solution.strongAcid > 0.0) {
        recipe.substances.push_back(
            libraryIngredient(kStrongAcidTitrant, inputs.solution.strongAcid));
    }
    if (inputs.solution.strongBase > 0.0) {
        recipe.substances.push_back(
            libraryIngredient(kStrongBaseTitrant, inputs.solution.strongBase));
    }
    recipe.substances.insert(recipe.substances.end(), inputs.substances.begin(),
                             inputs.substances.end());
    recipe.titrated = true;
    recipe.sampleVolume = inputs.titration.sampleVolume;
    recipe.endVolume = inputs.titration.endVolume;
    recipe.titrant = titrantIngredient(inputs);
    return recipe;
}

model::Problem inputsFromRecipe(const model::Recipe& recipe, const SolutionInputs& current,
                                SolutionInputs& inputs) {
    model::Mixture mixture;
    if (const model::IngredientProblem problem = model::mixtureOf(recipe, mixture);
        !problem.empty()) {
        return {QT_TRANSLATE_NOOP("velmora::model::Problem", "is not a solution the model takes")};
    }
    SolutionInputs made = current;
    made.temperature = recipe.temperature;
    made.activity = recipe.activity;
    made.substances.clear();
    made.solution.strongAcid = 0.0;
    made.solution.strongBase = 0.0;
    bool acidTaken = false;
    bool strongAcidTaken = false;
    bool strongBaseTaken = false;
    for (const model::Ingredient& ingredient : recipe.substances) {
        if (!acidTaken && canBeAcid(ingredient)) {
            const model::WeakSystem system = *model::weakSystemOf(ingredient);
            if (!model::problemWithConcentration(system.concentration).empty()) {
                return {QT_TRANSLATE_NOOP("velmora::model::Problem",
                                          "has its first weak acid or base at less than "
                                          "1e-10 mol/L, too little for the window's acid")};
            }
            if (!acidOf(system, made.acid, made.solution.dissolvedAs).empty()) {
                return {QT_TRANSLATE_NOOP("velmora::model::Problem",
                                          "has its first weak acid or base with constants "
                                          "the window's acid does not take")};
            }
            made.solution.concentration = system.concentration;
            acidTaken = true;
            continue;
        }
        if (!strongAcidTaken && ingredient.substance == kStrongAcidTitrant) {
            made.solution.strongAcid = ingredient.concentration;
            strongAcidTaken = true;
            continue;
        }
        if (!strongBaseTaken && ingredient.substance == kStrongBaseTitrant) {
            made.solution.strongBase = ingredient.concentration;
            strongBaseTaken = true;
            continue;
        }
        model::Ingredient listed = ingredient;
        // The row's species box shows the species a weak substance of the library is taken as.
        if (listedKind(listed) == ListedKind::System && listed.fromLibrary() &&
            !listed.dissolvedAs) {
            listed.dissolvedAs = model::dissolvedSpecies(*model::substanceNamed(listed.substance));
        }
        made.substances.push_back(std::move(listed));
    }
    if (!acidTaken) {
        return {QT_TRANSLATE_NOOP("velmora::model::Problem",
                                  "has no weak acid or base for the window's acid")};
    }
    if (made.substances.size() > static_cast<std::size_t>(kMaxListedSubstances)) {
        return {QT_TRANSLATE_NOOP("velmora::model::Problem",
                                  "lists more than %1 substances besides the acid"),
                {std::to_string(kMaxListedSubstances)}};
    }
    if (recipe.titrated) {
        const model::Ingredient& titrant = recipe.titrant;
        if (!titrant.fromLibrary()) {
            return {QT_TRANSLATE_NOOP("velmora::model::Problem",
                                      "titrates with constants typed as numbers; the window "
                                      "titrates with a substance of the library")};
        }
        if (!model::problemWithTitrantConcentration(titrant.concentration).empty()) {
            return {QT_TRANSLATE_NOOP("velmora::model::Problem",
                                      "titrates with a concentration outside 1e-6 to 10 mol/L")};
        }
        made.titration.sampleVolume = recipe.sampleVolume;
        made.titration.endVolume = recipe.endVolume;
        made.titration.titrantConcentration = titrant.concentration;
        made.titrantSubstance.clear();
        if (titrant.substance == kStrongBaseTitrant) {
            made.titration.titrant = model::Titrant::Base;
        } else if (titrant.substance == kStrongAcidTitrant) {
            made.titration.titrant = model::Titrant::Acid;
        } else if (isTitrantSubstance(titrant.substance)) {
            made.titrantSubstance = titrant.substance;
        } else {
            return {QT_TRANSLATE_NOOP("velmora::model::Problem",
                                      "titrates with a substance the window does not titrate "
                                      "with")};
        }
    }
    inputs = std::move(made);
    return {};
}

} // namespace velmora::ui
