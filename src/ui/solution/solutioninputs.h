// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/mixture.h"
#include "model/polyprotic.h"
#include "model/recipe.h"
#include "model/solution.h"
#include "model/titration.h"

#include <string>
#include <vector>

namespace velmora::ui {

/**
 * A substance of the solution window's list below its acid, as a recipe holds it: one from the
 * library (`substance`, and for a weak acid or base the species it is dissolved as) or a weak
 * system whose constants were typed (`typed`: its pKa values, or its pKb values when
 * `givenAsBase`, with its charge and species).
 */
using ListedSubstance = model::Ingredient;

/**
 * What the solution window's controls set: the acid, the solution and the titration, the
 * substances listed below the acid, the activities and the temperature.
 */
struct SolutionInputs {
    model::PolyproticAcid acid;
    model::Solution solution;
    model::Titration titration;
    std::vector<ListedSubstance> substances{};
    model::Activity activity = model::Activity::Ideal;
    double temperature = model::kStandardTemperature; ///< °C
    /**
     * A substance of the library titrating the solution at the titration's titrant
     * concentration (ammonia, sodium carbonate); empty for the strong base or acid the
     * titration names.
     */
    std::string titrantSubstance{};

    friend bool operator==(const SolutionInputs&, const SolutionInputs&) = default;
};

} // namespace velmora::ui
