// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mixture.h"

#include <string>
#include <vector>

namespace velmora::model {

/**
 * The lines that describe a solved mixture, in English with a decimal point whatever the user's
 * language, as every line the command line prints for a solution:
 *
 *     pH 4.7600
 *     I 0.1000 mol/L                        (with Davies activities)
 *     note: ...                             (where I passes what Davies describes)
 *     HAc 0.05000 mol/L activity 0.03894    (each species of each system; its activity when on)
 *     constants not shifted from 25 °C ...  (at another temperature, for systems without ΔH°)
 *
 * A species is named by its system's formulas, or else by the generic names of its constants;
 * systems of the same species and constants (acetic acid and sodium acetate) are listed once with
 * their concentrations added, and a name that another system gives as well has its system's
 * number after it ("HA [2]").
 */
[[nodiscard]] std::vector<std::string> mixtureReport(const Mixture& mixture,
                                                     const MixtureState& state);

/** A system named for the user: its library key, or its typed constants ("pKa 4.76"). */
[[nodiscard]] std::string systemLabel(const WeakSystem& system);

} // namespace velmora::model
