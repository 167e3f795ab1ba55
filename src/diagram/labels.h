// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/acid.h"

#include <QString>

#include <array>

namespace velmora::model {
struct Preset;
}

namespace velmora::diagram {

/** Label texts for the five species slots; an empty entry stands for the generic name. */
using LabelTexts = std::array<QString, model::kMaxSpecies>;

/**
 * The one rule for what a species is called: the text in `custom` where there is one (an example
 * acid's own formula), else the generic species name of an acid with `protons` protons. Slots
 * past the acid's species stay empty.
 */
[[nodiscard]] LabelTexts speciesLabels(int protons, const LabelTexts& custom = {});

/** An example acid's formulas as label texts, fully protonated first (caret notation kept). */
[[nodiscard]] LabelTexts presetLabels(const model::Preset& preset);

/** The labels as a screen reader should say them (spokenFormula() of each). */
[[nodiscard]] model::SpeciesNames spokenNames(const LabelTexts& labels);

} // namespace velmora::diagram
