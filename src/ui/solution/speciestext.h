// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/polyprotic.h"
#include "model/solution.h"
#include "model/titration.h"

#include <QString>

namespace velmora::ui {

/**
 * A formula in caret notation as one line of plain text for controls and status lines: counts as
 * subscript digits, the charge as superscript digits and signs ("HPO4^2-" reads "HPO₄²⁻").
 */
[[nodiscard]] QString unicodeFormula(const QString& formula);

/**
 * What is weighed in to make the solution with species k: the species itself when neutral, its
 * sodium salt for a negative species ("NaH2A", "Na2HPO4"), its chloride for a positive one
 * ("H2GlyCl", "HACl", "H3ACl2"), as a formula without charge.
 */
[[nodiscard]] QString dissolvedFormula(const model::PolyproticAcid& acid, int k);

/** The dissolved-species choice as the list shows it: "as " and the formula ("as Na₂HA"). */
[[nodiscard]] QString dissolvedText(const model::PolyproticAcid& acid, int k);

/**
 * A concentration in mol/L to three significant digits, in decimals from 0.001 up ("0.1",
 * "0.00427", "2.5") and with a power of ten below ("1e-6", "3.16e-8"); the text reads back to
 * the value it shows.
 */
[[nodiscard]] QString concentrationText(double value);

/**
 * The solution in one line: its concentration and what was dissolved, its pH, and every
 * species' concentration ("0.1 mol/L as H₃A: pH 1.62 · H₃A 0.0760, H₂A⁻ 0.0240, … mol/L").
 */
[[nodiscard]] QString solutionLine(const model::PolyproticAcid& acid,
                                   const model::Solution& solution,
                                   const model::SolutionState& state);

/** An equivalence point as the titration line names it: "25.00 mL (pH 8.73)". */
[[nodiscard]] QString equivalencePointText(double volume, double pH);
/** The strong titrant's formula: NaOH or HCl. */
[[nodiscard]] QString titrantFormula(model::Titrant titrant);

/**
 * The titration in one line: the sample, the titrant and every equivalence point's volume and pH
 * ("25 mL of 0.1 mol/L CH₃COOH with 0.1 mol/L NaOH · equivalence at 25.00 mL (pH 8.73)").
 */
[[nodiscard]] QString titrationLine(const model::PolyproticAcid& acid,
                                    const model::Solution& solution,
                                    const model::Titration& titration);

} // namespace velmora::ui
