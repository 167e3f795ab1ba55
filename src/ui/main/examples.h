#pragma once

#include "diagram/grafik.h"
#include "model/presets.h"

#include <QString>
#include <QStringList>

namespace velmora::ui {

/**
 * An example acid's literature values as a teacher reads them, e.g. "2.15, 7.20, 12.35". All
 * values of one acid get the same number of decimals, as many as the most precise of them
 * needs (one or two), so "7.0, 12.9" does not pretend a precision the sources do not have.
 */
[[nodiscard]] QString presetValuesText(const model::Preset& preset);

/** The menu entry of an example acid: "Phosphoric acid (2.15, 7.20, 12.35)". */
[[nodiscard]] QString presetMenuText(const model::Preset& preset);

/** The acid's formulas as the diagram's label texts (caret notation kept). */
[[nodiscard]] diagram::LabelTexts presetLabels(const model::Preset& preset);

/** The readout's heading for an example acid: its name, its literature values, its note. */
[[nodiscard]] QStringList presetHeading(const model::Preset& preset);


} // namespace velmora::ui
