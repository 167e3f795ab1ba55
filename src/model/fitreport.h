// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mixture.h"
#include "titrationfit.h"

#include <string>
#include <vector>

namespace velmora::model {

/**
 * The decimals a value with standard error `error` is written with: those that keep two
 * significant digits of the error where its first digit is 1 or 2, else one (0.0021 → 4,
 * 0.00008 → 5, 0.3 → 1, 25 → 0). A value without an error (zero, infinite) gets 6 significant
 * digits instead, shown by −1.
 */
[[nodiscard]] int decimalsForError(double error);

/** `value ± error` rounded to the same decimals (decimalsForError()), with a point. */
[[nodiscard]] std::string valueWithError(double value, double error);

/**
 * The lines of a fit as the command line prints them and the window copies them, in the order
 * of the fitted parameters: `conc 0.10012 ± 0.00008 mol/L`, `pka1 4.7598 ± 0.0021`,
 * `titrant 0.1003 ± 0.0004 mol/L`, `offset 0.012 ± 0.003`; then `s 0.0049` (the residual standard
 * deviation in pH, two significant digits), `n 61` (the points used) and one line per pair of
 * parameters with their correlation coefficient, `correlation conc pka1 -0.42`. `sample` names
 * the parameters (fitParameterName()).
 */
[[nodiscard]] std::vector<std::string> fitReportLines(const TitrationFit& fit,
                                                      const Mixture& sample);

} // namespace velmora::model
