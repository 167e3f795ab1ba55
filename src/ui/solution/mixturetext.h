// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solutioninputs.h"

#include "model/mixture.h"

#include <QString>
#include <QStringList>

namespace velmora::ui {

/** The names of the mixture's systems in order: the acid's first species, then each listed. */
[[nodiscard]] QStringList systemNames(const SolutionInputs& inputs);

/**
 * A solution of several substances, or at another temperature or with activities, in one line:
 * its temperature and pH, the ionic strength with Davies activities, and notes where the Davies
 * equation is stretched (I > 0.5 mol/L) or where constants were not shifted for the temperature
 * ("Solution at 37 °C: pH 4,71 · I = 0,105 mol/L · constants at 25 °C: H₃A").
 */
[[nodiscard]] QString mixtureLine(const SolutionInputs& inputs, const model::MixtureState& state);

/**
 * The titration of such a solution in one line: the sample, the titrant and every equivalence
 * point ("25 mL of the solution with 0,1 mol/L NaOH · equivalence at 12,50 mL (pH 4,20)").
 */
[[nodiscard]] QString mixtureTitrationLine(const SolutionInputs& inputs);

} // namespace velmora::ui
