// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "endpoints.h"
#include "titrationfit.h"

#include <string>
#include <vector>

namespace velmora::model {

/**
 * The decimals that round a standard error `error` (positive, finite) to one significant digit,
 * or two where the first is 1 or 2. The digits are counted on the error rounded to two digits,
 * so that an error that rounding carries into a 3 (0.00296 → 0.0030) or into the next power of
 * ten (0.0996 → 0.100) is written as its rounded value reads (0.003, 0.10).
 */
[[nodiscard]] int errorDecimals(double error);

/**
 * A value with its standard error, both rounded to the error's first significant digit, or its
 * first two where that digit is 1 or 2 (so that the rounding changes the error by less than a
 * sixth), both with the same decimals: "0.10012 ± 0.00008", "4.7598 ± 0.0021". An error of 10 or
 * more keeps no decimals; an error that is zero or not finite leaves the value with six
 * significant digits and writes the error as it is.
 */
[[nodiscard]] std::string valueWithError(double value, double error);

/**
 * The lines of a fit's result as the command line prints them and the window copies them: one
 * per parameter ("conc 0.10012 ± 0.00008 mol/L", "pka1 4.7598 ± 0.0021", "titrant 0.1003 ±
 * 0.0004 mol/L", "offset 0.012 ± 0.003"), the residual standard deviation in pH with two
 * significant digits ("s 0.0049"), the points used ("n 61"), and one line for each pair of
 * parameters with their correlation coefficient ("correlation conc pka1 -0.42"). Names and units
 * are the same in every language, as the command line's data are.
 */
[[nodiscard]] std::vector<std::string> fitReport(const TitrationFit& fit);

/**
 * One line per end point: "derivative 25.02 mL", "second-derivative 25.01 mL", "gran 25.00 mL"
 * and, for the excess titrant after the last jump, "gran-excess 25.03 mL"; in the analysis's
 * order (by method, then by volume).
 */
[[nodiscard]] std::vector<std::string> endPointReport(const EndPointAnalysis& analysis);

/** The method's name as endPointReport() writes it ("second-derivative"). */
[[nodiscard]] std::string endPointMethodName(EndPointMethod method);

} // namespace velmora::model
