// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "message.h"

#include <span>
#include <string>
#include <vector>

namespace velmora::model {

/** The context of the substance library's texts for the translators. */
inline constexpr char kSubstanceContext[] = "velmora::model::Substance";

/** What a substance does when it dissolves. */
enum class SubstanceKind {
    Weak,       ///< a weak acid or base: its species share out by the pH
    Salt,       ///< a named species of a weak system, with spectator ions balancing its charge
    StrongAcid, ///< gives all its acidic protons (its counter-ion is H+)
    StrongBase, ///< gives its hydroxide completely (its counter-ion is OH-)
    Inert,      ///< a salt of spectator ions only: no acid or base at all
};

/**
 * One substance a teacher can dissolve: a weak acid or base with its constants, or a named form
 * of such a system (a salt, sulfuric acid as hydrogen sulfate with one proton given), a strong
 * acid or base, or an inert salt.
 *
 * Every substance stands for an acid-base system (its own or the one `system` names) dissolved as
 * one of its species, `species`, with as many `counterion`s as balance that species' charge.
 * Formulas are written as the example acids write them: charge after a caret, "HPO4^2-".
 *
 * The constants are at 25 degrees C and at the ionic strength its source names (zero for most,
 * 0.1 M for EDTA).
 */
struct Substance {
    std::string key;       ///< lowercase, hyphenated: "sodium-acetate"
    const char* name = ""; ///< English; translated in `context`
    const char* context = kSubstanceContext;
    SubstanceKind kind = SubstanceKind::Weak;
    int charge = 0;                    ///< of the fully protonated form, formulas[0]
    std::vector<std::string> formulas; ///< pKa.size() + 1 species, fully protonated first
    std::vector<double> pKa;           ///< not decreasing; empty for a system that takes no protons
    std::vector<double> enthalpies;    ///< kJ/mol per step, or empty where no source gives them
    const char* source = "";           ///< a citation of sources.h, translated in kSourceContext
    std::string system;                ///< key of the system this is a form of; empty: its own
    int species = 0;                   ///< the species it dissolves as, 0 = fully protonated
    std::string counterion;            ///< e.g. "Na^+", "H^+", "OH^-"; empty when none
    /**
     * Decimals each constant is written with, where its source gives them to unlike precision
     * ("7.05, 19"); empty: all with as many as the most precise needs ("1.82, 6.00, 9.17").
     */
    std::vector<int> decimals;

    /** True for a named form of another entry's system. */
    [[nodiscard]] bool isForm() const { return !system.empty(); }
};

/** Every substance, weak systems first in their order of protons, then the named forms. */
[[nodiscard]] std::span<const Substance> substances();

/** The substance with this key, whatever its letter case, or nullptr. */
[[nodiscard]] const Substance* findSubstance(const std::string& key);

/** The entry holding the formulas and constants of `substance`: itself or its system. */
[[nodiscard]] const Substance& systemOf(const Substance& substance);

/**
 * The charge a formula's caret suffix gives: "HPO4^2-" -2, "NH4^+" 1, "HAc" 0.
 */
[[nodiscard]] int formulaCharge(const std::string& formula);

/**
 * How many counter-ions balance the species `substance` dissolves as: 2 for "Na^+" with
 * "CO3^2-", 0 when it has no counter-ion.
 */
[[nodiscard]] int counterionCount(const Substance& substance);

/**
 * The line --list-substances prints for a substance: key, name, species, pKa and source, e.g.
 * "acetic  Acetic acid  HAc, Ac^-  pKa 4.76  (CRC Handbook ...)". Names, sources and the words
 * of the line go through `translate` (empty: English).
 */
[[nodiscard]] std::string substanceLine(const Substance& substance,
                                        const Translate& translate = {});

} // namespace velmora::model
