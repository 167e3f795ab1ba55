// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/mixture.h"
#include "model/polyprotic.h"
#include "model/solution.h"
#include "model/titration.h"

#include <string>
#include <vector>

namespace velmora::ui {

/**
 * A substance of the solution window's list below its acid: one from the library (`key`) or a
 * weak system whose constants were typed (`key` empty: `pK` are its pKa values, or its pKb values
 * when `givenAsBase`).
 */
struct ListedSubstance {
    std::string key{};
    std::vector<double> pK{}; ///< typed constants; empty for a library substance
    bool givenAsBase = false; ///< typed constants are pKb values of a base
    double concentration = 0.1;
    /**
     * The species a weak system is dissolved as (a library acid or base, typed acid constants);
     * a salt's is its own and a typed base is dissolved as itself.
     */
    int dissolvedAs = 0;

    [[nodiscard]] bool typed() const { return key.empty(); }

    friend bool operator==(const ListedSubstance&, const ListedSubstance&) = default;
};

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

    friend bool operator==(const SolutionInputs&, const SolutionInputs&) = default;
};

} // namespace velmora::ui
