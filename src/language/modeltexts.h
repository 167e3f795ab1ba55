// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/message.h"

#include <QString>

namespace velmora::model {
struct Preset;
}

namespace velmora::language {

/** A problem of the model in the user's language, its arguments in their places. */
[[nodiscard]] QString problemText(const model::Problem& problem);

/** An example acid's name, the source of its values and its note (may be empty), translated. */
[[nodiscard]] QString presetName(const model::Preset& preset);
[[nodiscard]] QString presetSource(const model::Preset& preset);
[[nodiscard]] QString presetNote(const model::Preset& preset);

/** The model's marked texts in the user's language, for the model's own sentences. */
[[nodiscard]] model::Translate modelTranslation();

} // namespace velmora::language
