// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solutioninputs.h"

#include "model/message.h"
#include "model/titration.h"
#include "model/titrationfit.h"

#include <span>
#include <string>
#include <vector>

namespace velmora::ui {

/** A parameter the window offers to fit to measured data, with the value it starts from. */
struct FitOffer {
    model::FitParameter parameter{};
    std::string name{}; ///< as the command line writes it (model::fitParameterName())
    double start = 0.0; ///< the solution's value now: mol/L, pK, or 0 pH for the offset
};

/**
 * The parameters of the window's solution that a fit can carry back into its fields, in the
 * panel's order: the acid's concentration and constants, the concentration of every listed weak
 * acid or base (not of a salt, whose counter-ions would not follow) and the constants of every
 * listed system whose constants were typed (a library substance's are its own), the strong acid
 * or base where the field alone gives it, the titrant's concentration and the electrode's pH
 * offset.
 */
[[nodiscard]] std::vector<FitOffer> fitOffers(const SolutionInputs& inputs);

/**
 * The offers checked when nothing was chosen yet: those of model::defaultFitParameters() for the
 * measured `points`, the sample's concentration and the constants the data cover.
 */
[[nodiscard]] std::vector<bool> defaultFitChoice(const SolutionInputs& inputs,
                                                 std::span<const FitOffer> offers,
                                                 std::span<const model::TitrationPoint> points);

/**
 * The inputs with the fitted values of `fit` in their fields (the pH offset is no field and is
 * left out). Refused, with `fitted` left alone, where a value does not fit its field (a
 * concentration past 10 mol/L, constants out of order) or a parameter is not one of fitOffers().
 */
[[nodiscard]] model::Problem inputsWithFit(const SolutionInputs& inputs,
                                           const model::TitrationFit& fit, SolutionInputs& fitted);

} // namespace velmora::ui
