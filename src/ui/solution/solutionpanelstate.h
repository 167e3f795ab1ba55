// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solutioninputs.h"
#include "substancelist.h"

#include "model/message.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace velmora::ui {

/**
 * The concentration slider beside the concentration's field: hundredths of a decade from 1e-6
 * (position 0) to 1 mol/L (kConcentrationPositions).
 */
inline constexpr int kConcentrationDecades = 6;
inline constexpr int kConcentrationPerDecade = 100;
inline constexpr int kConcentrationPositions = kConcentrationDecades * kConcentrationPerDecade;

/** The slider position nearest to a concentration, at the ends for one beyond them. */
[[nodiscard]] int concentrationPosition(double concentration);

/**
 * The concentration a slider position stands for, rounded to the three significant digits the
 * field shows, so that the field's text reads back to it exactly.
 */
[[nodiscard]] double positionConcentration(int position);

/** The solution panel's number fields besides the acid's. */
enum class NumberInput {
    Concentration,
    StrongAcid,
    StrongBase,
    TitrantConcentration,
    SampleVolume,
    EndVolume, ///< 0 for the titration's automatic end
    Temperature,
};
/** Every number input, in the panel's order. */
inline constexpr std::array kNumberInputs{
    NumberInput::Concentration, NumberInput::StrongAcid,           NumberInput::StrongBase,
    NumberInput::Temperature,   NumberInput::TitrantConcentration, NumberInput::SampleVolume,
    NumberInput::EndVolume};

/** The value of `input` in `inputs`. */
[[nodiscard]] double numberOf(const SolutionInputs& inputs, NumberInput input);
/** The model's check of a value of `input`; the end volume's 0 (automatic) is fine. */
[[nodiscard]] model::Problem problemWithNumber(NumberInput input, double value);

/**
 * What the solution panel shows, and every rule its edits follow, without a widget: the pKa
 * values as given or edited, the charge, the species' formulas as they stand in their fields,
 * the species the user wants dissolved, the problems of the acid's fields and the inputs as
 * they last were all fine.
 *
 * Every edit is checked by the model's own checks. An acid with a problem stays in the fields
 * with its problem and is not taken: inputs() keeps the last acid that was fine, so invalid
 * input never reaches a drawing. pKa values out of order are such a problem; they are never
 * reordered.
 *
 * The formulas are the generic ones, renamed with every change of the constants or the charge,
 * until the user types one; then they are the user's until useGenericNames(). A constant added
 * then gets the generic name of its new species. The formulas of species past the last one keep
 * what they held, as hidden fields do.
 *
 * Typed edits: a field that is being typed into is one edit from its first change to
 * finishTyping() (the user leaves the field or presses Enter). While its text is fine, inputs()
 * follow it at once; while it is not (unreadable, out of range, pKa values out of order, a formula
 * that is no formula), inputs() hold the field's value from before the edit began, and refused()
 * says so, so that the drawings never keep a value that only passed by while typing ("1" on the
 * way to "1e999"). Every other edit (a step of a spin box, a button, the slider, a list) is whole
 * at once: a fine value becomes the one a later edit returns to.
 *
 * The substances listed below the acid follow the same rules row by row (SubstanceListState).
 * Besides its own check, every value is checked with the whole solution it makes
 * (problemWithComposition(): the strong acids adding up past the model's bound, say): a list
 * whose solution is not fine is not taken, and compositionProblem() says why; a number field
 * whose value would make it so is refused as its own problem is.
 *
 * Each edit returns whether inputs() changed.
 */
class SolutionPanelState {
public:
    /** The gap a newly added constant keeps from the last one (and never past the model's top). */
    static constexpr double kAddedConstantGap = 2.0;

    SolutionPanelState();

    /** The inputs as they last were all fine. */
    [[nodiscard]] const SolutionInputs& inputs() const { return m_inputs; }

    /** The constants as given or edited, exactly, 1..6 of them. */
    [[nodiscard]] const std::vector<double>& constants() const { return m_pKa; }
    [[nodiscard]] int constantCount() const { return static_cast<int>(m_pKa.size()); }
    [[nodiscard]] int charge() const { return m_charge; }
    [[nodiscard]] bool canAddConstant() const { return constantCount() < model::kMaxConstants; }
    [[nodiscard]] bool canRemoveConstant() const { return constantCount() > 1; }

    /** True when the formulas are the user's rather than the generic ones. */
    [[nodiscard]] bool ownNames() const { return m_ownNames; }
    /** The formula of species j = 0..6 as its field holds it (those past the last are hidden). */
    [[nodiscard]] const std::string& name(int j) const;
    /** The formulas of the acid's species, j = 0..constantCount(). */
    [[nodiscard]] std::vector<std::string> names() const;

    /** The species the user asked to dissolve; inputs() dissolves it when the acid has it. */
    [[nodiscard]] int wantedDissolved() const { return m_wantedDissolved; }

    [[nodiscard]] const model::Problem& constantsProblem() const { return m_constantsProblem; }
    [[nodiscard]] const model::Problem& namesProblem() const { return m_namesProblem; }

    /** Takes `acid` as the program's own choice (the main window's acid): no problem is left. */
    bool setAcid(const model::PolyproticAcid& acid);
    /** Takes all the inputs (the remembered ones) with the dissolved species they ask for. */
    bool setInputs(const SolutionInputs& inputs);

    /** The user's edits of the acid; pKa i and species j past the last are not edited. */
    bool setConstant(int i, double pKa);
    bool setCharge(int charge);
    bool setName(int j, const std::string& name);
    bool addConstant();
    bool removeConstant();
    bool useGenericNames();

    /**
     * pKa i as typed: nothing when its text cannot be read. Not clamped: a value out of range is
     * the model's problem. Part of the acid's typed edit.
     */
    bool typeConstant(int i, std::optional<double> pKa);
    /**
     * Whether pKa i's text could not be read at its last typed edit. Adding or removing a
     * constant shows every constant's value again: none is unreadable then.
     */
    [[nodiscard]] bool unreadableConstant(int i) const;
    /** The user left a field of the acid: a fine acid becomes the one to return to. */
    void finishAcidTyping();

    /** A number typed into its field: nothing when its text cannot be read. */
    bool typeNumber(NumberInput input, std::optional<double> value);
    /** The user left the field: a fine value becomes the one to return to. */
    void finishTyping(NumberInput input);
    /** A whole edit of a number (typed and finished at once, the slider). */
    bool setNumber(NumberInput input, std::optional<double> value);

    /** Whether inputs() hold the acid from before its edit, as its fields are not fine. */
    [[nodiscard]] bool acidRefused() const { return m_acidRefused; }
    /** Whether inputs() hold `input`'s value from before its edit, as its field is not fine. */
    [[nodiscard]] bool refused(NumberInput input) const;

    /** The user's choice of the species dissolved, kept within the acid's species. */
    bool setDissolved(int species);
    /** The field of `inputs` that `input` edits. */
    [[nodiscard]] static double& fieldOf(SolutionInputs& inputs, NumberInput input);

    /** Whole edits of the numbers (see setNumber()). */
    bool setConcentration(std::optional<double> concentration);
    bool setTitrant(model::Titrant titrant);
    /**
     * Titrates with the library's substance `key` (isTitrantSubstance()) at the titrant
     * concentration, or with the strong base or acid again for "" or a key it does not take.
     */
    bool setTitrantSubstance(const std::string& key);
    bool setTitrantConcentration(std::optional<double> concentration);
    bool setSampleVolume(std::optional<double> volume);

    /** The value's own problem, else the problem of the solution it would make. */
    [[nodiscard]] model::Problem problemWithNumberHere(NumberInput input, double value) const;

    /** The substances listed below the acid, as their fields stand. */
    [[nodiscard]] const SubstanceListState& list() const { return m_list; }
    /** Why the list as its fields stand is not taken as a whole; empty when it is. */
    [[nodiscard]] const model::Problem& compositionProblem() const { return m_compositionProblem; }
    /** Whether inputs() hold listed values from before an edit the list's fields show. */
    [[nodiscard]] bool listRefused() const;
    /** Whether `listed` still fits in the list (the model's count of systems, the list's size). */
    [[nodiscard]] bool canAddSubstance(const ListedSubstance& listed) const;

    /** The user's edits of the list; row i past the last is not edited. */
    bool addSubstance(const ListedSubstance& listed);
    bool removeSubstance(int i);
    bool typeSubstanceConcentration(int i, std::optional<double> concentration);
    bool typeSubstanceConstants(int i, std::optional<std::vector<double>> constants);
    /** The user left a field of row i: fine values become the ones to return to. */
    void finishSubstanceTyping(int i);
    bool setSubstanceGivenAsBase(int i, bool base);
    bool setSubstanceDissolved(int i, int species);
    bool setActivity(model::Activity activity);

private:
    /** Takes the list as its fields stand when the solution it makes is fine. */
    void takeList();
    /** The formulas after a change of the number of constants or of the acid. */
    void renameSpecies();
    /** The acid's fields changed: renames generic formulas and takes the acid when fine. */
    bool acidEdited(bool whole);
    [[nodiscard]] static std::size_t slot(NumberInput input);
    void keepDissolvedWithinSpecies();

    SolutionInputs m_inputs;
    /** The values a refused field's edit returns to: each as its last whole or finished edit. */
    SolutionInputs m_settled;
    bool m_acidRefused = false;
    std::array<bool, kNumberInputs.size()> m_refused{};
    std::array<bool, model::kMaxConstants> m_unreadable{};
    std::vector<double> m_pKa;
    int m_charge = 0;
    bool m_ownNames = false;
    std::array<std::string, model::kMaxSolutionSpecies> m_names{};
    int m_wantedDissolved = 0;
    model::Problem m_constantsProblem;
    model::Problem m_namesProblem;
    SubstanceListState m_list;
    model::Problem m_compositionProblem;
};

} // namespace velmora::ui
