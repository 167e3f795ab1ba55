// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagram/labels.h"
#include "model/acid.h"
#include "model/polyprotic.h"

#include <QString>

#include <optional>

namespace velmora::ui {

/**
 * The charge a formula in caret notation carries, read off its raised part ("H2Gly^+" is +1,
 * "HPO4^2-" and "HA2-" are −2, "H3PO4" is 0), or nothing when the raised part is no charge.
 */
[[nodiscard]] std::optional<int> formulaCharge(const QString& formula);

/**
 * The main window's acid as the solution window takes it: the first protonCount() exponents as
 * they stand in the acid, exactly, and the label texts as the species' formulas when the main
 * window shows an example's (all of them given and fit for names), else the generic names. The
 * charge of the fully protonated form is read off its formula (the generic names are uncharged).
 *
 * The main window keeps its constants in order by their tenths, but holds pKa1..pKa3 in single
 * precision and pKa4 in double: two bars on the same tenth can differ in the last digits in
 * either direction. Such a constant is taken as equal to the one before it, so the acid keeps
 * the non-decreasing order it stands for.
 */
[[nodiscard]] model::PolyproticAcid followedAcid(const model::Acid& acid,
                                                 const diagram::LabelTexts& labels);

} // namespace velmora::ui
