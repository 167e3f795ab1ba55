// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/acid.h"

#include <cstddef>

namespace velmora::ui {

/** Whether `index` names one of the four bars, value labels or acid-type buttons (1..4). */
inline bool validIndex(int index) {
    return index >= 1 && index <= model::kMaxProtons;
}

/** The slot of a control-array index in the window's arrays (which keep slot 0 unused). */
inline std::size_t slot(int index) {
    return static_cast<std::size_t>(index);
}

} // namespace velmora::ui
