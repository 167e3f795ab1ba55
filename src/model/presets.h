// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "acid.h"

#include <array>
#include <span>
#include <string>
#include <vector>

namespace velmora::model {

/**
 * A real acid to show in class: its name, the formulas its species' labels read as, its pKa
 * values at 25 degrees C, where they come from, and a note where a teacher needs one.
 *
 * Formulas follow the species names' convention (digits are counts, a trailing sign is a
 * charge) except that a real formula writes its charge after a caret, since a count can stand
 * right before the sign: "HPO4^2-".
 */
struct Preset {
    std::string key;                   ///< the name --preset takes, e.g. "phosphoric"
    std::string name;                  ///< e.g. "Phosphoric acid" (English; see kPresetContext)
    std::vector<std::string> formulas; ///< protons + 1 entries, fully protonated first
    std::vector<double> pKa;           ///< 1..4 values, not decreasing
    std::string source;                ///< book, edition, table, temperature, ionic strength
    std::string note;                  ///< may be empty

    [[nodiscard]] int protons() const { return static_cast<int>(pKa.size()); }
    /** The acid with these exact values. */
    [[nodiscard]] Acid acid() const;
    /** The acid with its values rounded to tenths, as the scroll bars can hold them. */
    [[nodiscard]] std::array<int, kMaxProtons> tenths() const;
    /**
     * Decimals the values are written with, one or two: as many as the most precise of them
     * needs, so values given to tenths ("7.0, 12.9") do not pretend a precision their source
     * lacks, and "2.15, 7.20, 12.35" keeps its second decimal throughout.
     */
    [[nodiscard]] int decimals() const;
};

/** All example acids, from mono- to tetraprotic. */
[[nodiscard]] std::span<const Preset> presets();

/** The example acid with this key, or nullptr. */
[[nodiscard]] const Preset* findPreset(const std::string& key);

} // namespace velmora::model
