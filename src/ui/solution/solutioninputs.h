// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/polyprotic.h"
#include "model/solution.h"
#include "model/titration.h"

namespace velmora::ui {

/** What the solution window's controls set: the acid, the solution and the titration. */
struct SolutionInputs {
    model::PolyproticAcid acid;
    model::Solution solution;
    model::Titration titration;

    friend bool operator==(const SolutionInputs&, const SolutionInputs&) = default;
};

} // namespace velmora::ui
