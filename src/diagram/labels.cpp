// SPDX-License-Identifier: GPL-3.0-or-later
#include "labels.h"

#include "formula.h"

#include "model/presets.h"

#include <cstddef>

namespace velmora::diagram {

LabelTexts speciesLabels(int protons, const LabelTexts& custom) {
    const model::SpeciesNames& generic = model::speciesNames(protons);
    LabelTexts labels;
    for (std::size_t j = 0; j < labels.size() && !generic[j].empty(); ++j) {
        labels[j] = custom[j].isEmpty() ? QString::fromStdString(generic[j]) : custom[j];
    }
    return labels;
}

LabelTexts presetLabels(const model::Preset& preset) {
    LabelTexts labels;
    for (std::size_t j = 0; j < preset.formulas.size() && j < labels.size(); ++j) {
        labels[j] = QString::fromStdString(preset.formulas[j]);
    }
    return labels;
}

model::SpeciesNames spokenNames(const LabelTexts& labels) {
    model::SpeciesNames names;
    for (std::size_t j = 0; j < labels.size(); ++j) {
        names[j] = spokenFormula(labels[j]).toStdString();
    }
    return names;
}

} // namespace velmora::diagram
