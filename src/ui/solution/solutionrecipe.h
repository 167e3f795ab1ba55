// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solutioninputs.h"

#include "model/message.h"
#include "model/recipe.h"

namespace velmora::ui {

/**
 * The solution window's inputs as a recipe: the acid as typed constants with its charge, the
 * species it is dissolved as and its names (when they are not the generic ones); the strong acid
 * and base as hydrochloric acid and sodium hydroxide; the listed substances in order; the
 * activities and the temperature; the titration with its titrant.
 */
[[nodiscard]] model::Recipe recipeOf(const SolutionInputs& inputs);

/**
 * The window's inputs for a recipe, the ones not in it (a titration, when it has none) taken
 * from `current`: the first weak acid or base (typed, or a weak substance or salt of the
 * library) becomes the acid with its 25 °C constants; the first hydrochloric acid and sodium
 * hydroxide become the strong acid and base of the solution; every other substance is listed in
 * order. Refuses a recipe that the window cannot show as it is, with `inputs` left alone: one
 * without a weak acid or base, with a titrant typed as constants, or with values past the
 * window's fields.
 */
[[nodiscard]] model::Problem inputsFromRecipe(const model::Recipe& recipe,
                                              const SolutionInputs& current,
                                              SolutionInputs& inputs);

} // namespace velmora::ui
