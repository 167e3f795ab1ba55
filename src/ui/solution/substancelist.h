// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solutioninputs.h"

#include "model/message.h"
#include "model/mixture.h"
#include "model/mixturetitration.h"
#include "model/substances.h"

#include <optional>
#include <vector>

namespace velmora::ui {

/** How many substances the list below the acid holds at most (strong ones and salts included). */
inline constexpr int kMaxListedSubstances = 16;

/** What a listed substance adds to the solution. */
enum class ListedKind {
    System,     ///< a weak acid or base: an acid-base system with a choice of species
    Salt,       ///< a named form of a weak system: the system, dissolved as that form
    StrongAcid, ///< to the strong acid (sulfuric acid brings its hydrogen sulfate as well)
    StrongBase, ///< to the strong base
    Inert,      ///< an inert salt: ionic strength only
};

/** The library's entry of a listed substance; nullptr for typed constants or an unknown key. */
[[nodiscard]] const model::Substance* librarySubstance(const ListedSubstance& listed);
[[nodiscard]] ListedKind listedKind(const ListedSubstance& listed);
/** The acid-base systems the substance brings (0 or 1). */
[[nodiscard]] int systemCount(const ListedSubstance& listed);
/** Whether the user chooses the species it is dissolved as (a weak system, typed pKa values). */
[[nodiscard]] bool hasSpeciesChoice(const ListedSubstance& listed);

/**
 * A library substance as the list takes it: 0.1 mol/L, a weak system dissolved as its neutral
 * species where it has one (ammonia as NH3, alanine as its zwitterion), else as the first.
 */
[[nodiscard]] ListedSubstance listedFromLibrary(const model::Substance& substance);
/** A system with typed constants: pKa 4.76 (or pKb 4.76 for a base), 0.1 mol/L. */
[[nodiscard]] ListedSubstance typedSubstance(bool base);

/** The first problem of one listed substance's own values (its key, constants, amount). */
[[nodiscard]] model::Problem problemWithListed(const ListedSubstance& listed);

/**
 * Whether the inputs are one acid as before, with no listed substance, ideal activities, 25 °C
 * and a strong titrant: then the solution is drawn as that acid, exactly as without a list.
 */
[[nodiscard]] bool isSingleAcid(const SolutionInputs& inputs);

/** The library's substances the window's strong base and strong acid titrants are. */
inline constexpr char kStrongBaseTitrant[] = "sodium-hydroxide";
inline constexpr char kStrongAcidTitrant[] = "hydrochloric";

/**
 * Whether the titration takes the library's substance `key` as its titrant: any but an inert
 * salt and the strong base and acid it names as such.
 */
[[nodiscard]] bool isTitrantSubstance(const std::string& key);
/** The library's substances the titration takes as titrant, in the library's order. */
[[nodiscard]] std::vector<const model::Substance*> titrantSubstances();

/** The acid as the window dissolves it: typed constants with its charge, species and names. */
[[nodiscard]] model::Ingredient acidIngredient(const SolutionInputs& inputs);
/** The titrant: the library substance chosen, or the strong base or acid (kStrongBaseTitrant). */
[[nodiscard]] model::Ingredient titrantIngredient(const SolutionInputs& inputs);

/**
 * The solution the inputs describe as a mixture, each substance as the model takes an
 * ingredient (model::addIngredient()): the acid first, then each listed substance in order; the
 * strong acid and base with the listed ones added; the activity and the temperature.
 */
[[nodiscard]] model::Mixture mixtureOf(const SolutionInputs& inputs);
/** The mixture to draw, or nothing where the inputs are a single acid (isSingleAcid()). */
[[nodiscard]] std::optional<model::Mixture> drawnMixture(const SolutionInputs& inputs);
/** The titration of mixtureOf(inputs) with the window's titrant (titrantIngredient()). */
[[nodiscard]] model::MixtureTitration mixtureTitrationOf(const SolutionInputs& inputs);

/**
 * The first problem of the whole solution (none for a single acid): the strong acids or bases
 * adding up past what the model takes, then the model's own check of the mixture.
 */
[[nodiscard]] model::Problem problemWithComposition(const SolutionInputs& inputs);

/**
 * The substances listed below the acid as their fields stand, with every rule of their edits and
 * without a widget.
 *
 * A row's typed edit follows the acid's rule: while a field is fine, taken() follows it; while it
 * is not (unreadable, out of range, constants out of order), taken() holds the field's value from
 * before the edit, until it is mended or the user leaves it and a whole edit comes. Every check
 * is the model's.
 */
class SubstanceListState {
public:
    [[nodiscard]] int count() const { return static_cast<int>(m_rows.size()); }
    /** Row i as its fields stand, fine or not. */
    [[nodiscard]] const ListedSubstance& shown(int i) const;
    /** The rows as they last were fine, field by field. */
    [[nodiscard]] std::vector<ListedSubstance> taken() const;

    /** Whether `listed` still fits beside `otherSystems` systems (the acid's) and the rows. */
    [[nodiscard]] bool canAdd(const ListedSubstance& listed, int otherSystems = 1) const;
    /** Adds a row at the end, if it fits and its values are fine. */
    bool add(const ListedSubstance& listed, int otherSystems = 1);
    bool remove(int i);
    /** Takes remembered rows: each one that is not fine or does not fit any more is dropped. */
    void setRows(const std::vector<ListedSubstance>& rows, int otherSystems = 1);

    /** Typed edits of row i (nothing: a text that cannot be read). */
    void typeConcentration(int i, std::optional<double> concentration);
    void typeConstants(int i, std::optional<std::vector<double>> constants);
    /** The user left a field of row i: fine values become the ones to return to. */
    void finishTyping(int i);
    /** Whole edits of row i. */
    void setGivenAsBase(int i, bool base);
    void setDissolved(int i, int species);

    /** Why row i's concentration or constants are not taken; empty when they are. */
    [[nodiscard]] const model::Problem& concentrationProblem(int i) const;
    [[nodiscard]] const model::Problem& constantsProblem(int i) const;
    [[nodiscard]] bool unreadableConcentration(int i) const;
    [[nodiscard]] bool unreadableConstants(int i) const;
    /** Whether row i's taken values are from before an edit its fields show. */
    [[nodiscard]] bool refused(int i) const;

private:
    struct Row {
        ListedSubstance shown;
        ListedSubstance settled; ///< what a field that is not fine returns to
        bool unreadableConcentration = false;
        bool unreadableConstants = false;
        model::Problem concentrationProblem;
        model::Problem constantsProblem;
    };
    [[nodiscard]] bool valid(int i) const { return i >= 0 && i < count(); }
    [[nodiscard]] ListedSubstance takenRow(const Row& row) const;
    /** The rows' problems after an edit of row i. */
    void check(Row& row);
    [[nodiscard]] int systems() const;

    std::vector<Row> m_rows;
};

} // namespace velmora::ui
