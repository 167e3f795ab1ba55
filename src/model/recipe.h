// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "message.h"
#include "mixture.h"
#include "mixturetitration.h"
#include "substances.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::model {

/**
 * One substance of a solution as the user gave it: a substance of the library by its key, or an
 * acid-base system typed as its constants.
 *
 * Typed, `typed` holds the constants (pKa, or pKb of a base with `givenAsBase`), the charge of the
 * fully protonated form, for an acid the species it is dissolved as, and optionally the formulas
 * of its species (one for each, fully protonated first; none for the generic names); its
 * concentration, library key and enthalpies are not used. A base given by pKb is dissolved as the
 * base itself.
 */
struct Ingredient {
    double concentration = 0.1; ///< mol/L of the substance as dissolved, 0..10
    std::string substance{};    ///< a library key ("sodium-acetate"); empty when typed
    WeakSystem typed{};
    /**
     * The species a weak acid or base of the library is dissolved as; nothing for its uncharged
     * species as it comes from the bottle (dissolvedSpecies()). A salt is dissolved as its own
     * form, and typed constants keep their species in `typed`.
     */
    std::optional<int> dissolvedAs{};

    [[nodiscard]] bool fromLibrary() const { return !substance.empty(); }

    friend bool operator==(const Ingredient&, const Ingredient&) = default;
};

/** What a recipe's titration would use when it names no titrant: 0.1 mol/L sodium hydroxide. */
[[nodiscard]] Ingredient defaultTitrant();

/**
 * A solution as the user made it up, to be saved, read back and shown again: its substances in
 * the order given, the temperature and activities, and optionally a titration of it.
 */
struct Recipe {
    double temperature = kStandardTemperature; ///< °C
    Activity activity = Activity::Ideal;
    std::vector<Ingredient> substances{};
    bool titrated = false;
    double sampleVolume = 25.0; ///< mL
    Ingredient titrant = defaultTitrant();
    double endVolume = 0.0; ///< mL; 0 for the titration's own default

    friend bool operator==(const Recipe&, const Recipe&) = default;
};

/** The part of an ingredient a problem is about. */
enum class IngredientPart {
    Whole,
    Concentration,
    Substance,
    Constants,
    Charge,
    DissolvedAs,
    Names
};

/** What is wrong with an ingredient (the `index`-th of a list, or −1), and in which part. */
struct IngredientProblem {
    IngredientPart part = IngredientPart::Whole;
    Problem problem{};
    int index = -1;

    [[nodiscard]] bool empty() const { return problem.empty(); }
};

/**
 * The library's substance named `name`: a key in any letter case ("Sodium-Acetate"), or one of
 * the common formulas a teacher writes for the simplest ones ("HCl", "NaOH", "NaCl", "NH3"); null
 * when there is none.
 */
[[nodiscard]] const Substance* substanceNamed(const std::string& name);

/** The short formulas substanceNamed() takes, each with the key it stands for. */
struct SubstanceAlias {
    const char* formula;
    const char* key;
};
[[nodiscard]] std::span<const SubstanceAlias> substanceAliases();

/** The first problem of one ingredient: an unknown key, a value out of range; none when fine. */
[[nodiscard]] IngredientProblem problemWithIngredient(const Ingredient& ingredient);

/**
 * The species a substance of the library is dissolved as: a salt or another named form as the
 * library says; a weak acid or base as its uncharged species, as it comes from the bottle
 * (ammonia as NH3, tris as its base, glycine as its zwitterion), or as its first species where
 * none is uncharged.
 */
[[nodiscard]] int dissolvedSpecies(const Substance& substance);

/**
 * The acid-base system an ingredient brings, at its concentration: typed constants; a weak acid
 * or base or a salt of the library with its key, formulas, constants, charge, enthalpies and the
 * species it is dissolved as; a strong acid's weak part (sulfuric acid's hydrogen sulfate).
 * Nothing for a strong acid or base of ions alone, an inert salt or an unknown key.
 */
[[nodiscard]] std::optional<WeakSystem> weakSystemOf(const Ingredient& ingredient);

/**
 * Adds what an ingredient without a problem brings to `mixture`: its system (weakSystemOf()), the
 * protons of a strong acid to the strong acid, the hydroxides of a strong base to the strong
 * base, an inert salt with its ions' charges. Nothing is checked.
 */
void addIngredient(const Ingredient& ingredient, Mixture& mixture);

/**
 * The mixture of `ingredients` at `celsius` with `activity`: each weak system or salt of the
 * library becomes a WeakSystem with its key, formulas, constants, charge, enthalpies and the
 * species the salt dissolves as; a strong acid adds its protons to the strong acid (sulfuric acid
 * is its hydrogen sulfate system with the first proton given off, WeakSystem::protonsGiven), a
 * strong base its hydroxides to the strong
 * base; an inert salt becomes an InertSalt with its ions' charges; typed constants become a
 * WeakSystem of their own. Refuses an ingredient with a problem and more than kMaxSystems weak
 * systems, naming the ingredient; `mixture` is only changed when there is none.
 */
[[nodiscard]] IngredientProblem mixtureOf(const std::vector<Ingredient>& ingredients,
                                          double celsius, Activity activity, Mixture& mixture);

/** The mixture of a recipe's substances at its temperature and activities. */
[[nodiscard]] IngredientProblem mixtureOf(const Recipe& recipe, Mixture& mixture);

/**
 * The titration of a recipe: its volume, its end, and its titrant as a mixture of its own (at the
 * recipe's temperature and activities); the problem names the titrant with index 0.
 */
[[nodiscard]] IngredientProblem titrationOf(const Recipe& recipe, MixtureTitration& titration);

/** A problem with a substance written as C:WHAT[:KEY=VALUE]...: the piece of it that is wrong, as
 * given. */
struct IngredientTextProblem {
    std::string piece{}; ///< "charge=7", "20", "xyz"; empty when the whole is wrong
    Problem problem{};

    [[nodiscard]] bool empty() const { return problem.empty(); }
};

/**
 * Reads a substance written as `C:WHAT[:KEY=VALUE]...`: C in mol/L; WHAT a library key or formula
 * (substanceNamed()), a pKa list ("4.76", "2.148,7.198,12.319", or "pka=4.76") or `pkb=LIST` (a
 * base, dissolved as the base, with its charge 0 by default); the keys `charge=Z` (of the fully
 * protonated form) and `as=K` (the species an acid is dissolved as), for typed constants only.
 * Numbers are read with a point, whatever the locale. `ingredient` is set only when fine.
 */
[[nodiscard]] IngredientTextProblem readIngredient(std::string_view written,
                                                   Ingredient& ingredient);

/**
 * A number as a recipe or a written substance has it: a point for decimals, an optional sign, an
 * exponent, blanks around it; finite. False for anything else.
 */
[[nodiscard]] bool readPlainNumber(std::string_view text, double& value);

} // namespace velmora::model
