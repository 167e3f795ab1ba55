// SPDX-License-Identifier: GPL-3.0-or-later
#include "solutionpanelstate.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace velmora::ui {

double numberOf(const SolutionInputs& inputs, NumberInput input) {
    SolutionInputs copy = inputs;
    return SolutionPanelState::fieldOf(copy, input);
}

model::Problem problemWithNumber(NumberInput input, double value) {
    switch (input) {
    case NumberInput::Concentration:
        return model::problemWithConcentration(value);
    case NumberInput::StrongAcid:
    case NumberInput::StrongBase:
        return model::problemWithStrongConcentration(value);
    case NumberInput::TitrantConcentration:
        return model::problemWithTitrantConcentration(value);
    case NumberInput::SampleVolume:
        return model::problemWithSampleVolume(value);
    case NumberInput::Temperature:
        return model::problemWithTemperature(value);
    case NumberInput::EndVolume:
        break;
    }
    // 0 asks for the titration's own end (Titrator::endVolume()).
    return value == 0.0 ? model::Problem{} : model::problemWithEndVolume(value);
}

int concentrationPosition(double concentration) {
    if (!(concentration > 0.0)) {
        return 0;
    }
    const double position =
        (std::log10(concentration) + kConcentrationDecades) * kConcentrationPerDecade;
    return static_cast<int>(
        std::lround(std::clamp(position, 0.0, static_cast<double>(kConcentrationPositions))));
}

double positionConcentration(int position) {
    const double exact = std::pow(10.0, static_cast<double>(position) / kConcentrationPerDecade -
                                            kConcentrationDecades);
    // Three significant digits through their decimal text, whatever the locale.
    std::array<char, 32> text{};
    const auto written =
        std::to_chars(text.data(), text.data() + text.size(), exact, std::chars_format::general, 3);
    double rounded = exact;
    std::from_chars(text.data(), written.ptr, rounded);
    return rounded;
}

SolutionPanelState::SolutionPanelState() {
    setInputs(SolutionInputs{});
}

const std::string& SolutionPanelState::name(int j) const {
    return m_names.at(static_cast<std::size_t>(j));
}

std::vector<std::string> SolutionPanelState::names() const {
    return {m_names.begin(), m_names.begin() + constantCount() + 1};
}

bool SolutionPanelState::setAcid(const model::PolyproticAcid& acid) {
    const SolutionInputs before = m_inputs;
    m_pKa = acid.exponents();
    m_charge = acid.charge();
    m_ownNames = !acid.hasGenericNames();
    m_inputs.acid = acid;
    m_settled.acid = acid;
    m_acidRefused = false;
    m_unreadable = {};
    renameSpecies();
    // The main window's acid is always fine: no problem left standing.
    m_constantsProblem = {};
    m_namesProblem = {};
    keepDissolvedWithinSpecies();
    return !(m_inputs == before);
}

bool SolutionPanelState::setInputs(const SolutionInputs& inputs) {
    const SolutionInputs before = m_inputs;
    m_wantedDissolved = std::max(inputs.solution.dissolvedAs, 0);
    m_inputs.solution = inputs.solution;
    m_inputs.titration = inputs.titration;
    m_inputs.activity = inputs.activity;
    m_inputs.temperature = inputs.temperature;
    m_inputs.titrantSubstance =
        isTitrantSubstance(inputs.titrantSubstance) ? inputs.titrantSubstance : std::string();
    setAcid(inputs.acid);
    m_list.setRows(inputs.substances);
    m_inputs.substances = m_list.taken();
    // A list that does not make a fine solution with the rest is not taken at all.
    if (!problemWithComposition(m_inputs).empty()) {
        m_list.setRows({});
        m_inputs.substances.clear();
    }
    m_compositionProblem = {};
    m_settled = m_inputs;
    m_refused = {};
    return !(m_inputs == before);
}

void SolutionPanelState::renameSpecies() {
    const int count = constantCount();
    const std::vector<std::string> generic = model::genericSpeciesNames(count, m_charge);
    const std::vector<std::string>& own = m_inputs.acid.speciesNames();
    // The user's formulas come back from the acid only when it has as many species; otherwise
    // each keeps what it held.
    const bool ownFit = m_inputs.acid.constantCount() == count;
    for (int j = 0; j <= count; ++j) {
        const auto slot = static_cast<std::size_t>(j);
        if (!m_ownNames) {
            m_names[slot] = generic[slot];
        } else if (j < static_cast<int>(own.size()) && ownFit) {
            m_names[slot] = own[slot];
        }
    }
}

bool SolutionPanelState::acidEdited(bool whole) {
    if (!m_ownNames) {
        // The generic names follow the constants and the charge.
        const std::vector<std::string> generic =
            model::genericSpeciesNames(constantCount(), m_charge);
        std::copy(generic.begin(), generic.end(), m_names.begin());
    }
    const SolutionInputs before = m_inputs;
    m_constantsProblem = model::problemWithConstants(m_pKa);
    const std::vector<std::string> fieldNames = names();
    m_namesProblem =
        m_ownNames ? model::problemWithNames(fieldNames, constantCount() + 1) : model::Problem{};
    const bool unreadable =
        std::any_of(m_unreadable.begin(), m_unreadable.begin() + constantCount(),
                    [](bool flag) { return flag; });
    m_acidRefused = unreadable || !m_constantsProblem.empty() || !m_namesProblem.empty();
    if (m_acidRefused) {
        m_inputs.acid = m_settled.acid;
    } else {
        m_inputs.acid = model::PolyproticAcid(m_pKa, m_charge,
                                              m_ownNames ? fieldNames : std::vector<std::string>{});
        if (whole) {
            m_settled.acid = m_inputs.acid;
        }
    }
    keepDissolvedWithinSpecies();
    return !(m_inputs == before);
}

bool SolutionPanelState::setConstant(int i, double pKa) {
    if (i < 0 || i >= constantCount()) {
        return false;
    }
    m_pKa[static_cast<std::size_t>(i)] = std::clamp(pKa, model::kMinPka, model::kMaxPka);
    m_unreadable[static_cast<std::size_t>(i)] = false;
    return acidEdited(true);
}

bool SolutionPanelState::typeConstant(int i, std::optional<double> pKa) {
    if (i < 0 || i >= constantCount()) {
        return false;
    }
    m_unreadable[static_cast<std::size_t>(i)] = !pKa;
    if (pKa) {
        m_pKa[static_cast<std::size_t>(i)] = *pKa;
    }
    return acidEdited(false);
}

bool SolutionPanelState::unreadableConstant(int i) const {
    return i >= 0 && i < constantCount() && m_unreadable.at(static_cast<std::size_t>(i));
}

void SolutionPanelState::finishAcidTyping() {
    if (!m_acidRefused) {
        m_settled.acid = m_inputs.acid;
    }
}

bool SolutionPanelState::setCharge(int charge) {
    m_charge = std::clamp(charge, model::kMinCharge, model::kMaxCharge);
    return acidEdited(true);
}

bool SolutionPanelState::setName(int j, const std::string& name) {
    if (j < 0 || j > constantCount()) {
        return false;
    }
    m_ownNames = true;
    m_names[static_cast<std::size_t>(j)] = name;
    return acidEdited(false);
}

bool SolutionPanelState::addConstant() {
    if (!canAddConstant()) {
        return false;
    }
    m_pKa.push_back(std::min(m_pKa.back() + kAddedConstantGap, model::kMaxPka));
    m_unreadable = {};
    if (m_ownNames) {
        const int count = constantCount();
        m_names[static_cast<std::size_t>(count)] =
            model::genericSpeciesName(count, m_charge, count);
    }
    renameSpecies();
    return acidEdited(true);
}

bool SolutionPanelState::removeConstant() {
    if (!canRemoveConstant()) {
        return false;
    }
    m_pKa.pop_back();
    m_unreadable = {};
    renameSpecies();
    return acidEdited(true);
}

bool SolutionPanelState::useGenericNames() {
    m_ownNames = false;
    return acidEdited(true);
}

void SolutionPanelState::keepDissolvedWithinSpecies() {
    m_inputs.solution.dissolvedAs = std::min(m_wantedDissolved, m_inputs.acid.constantCount());
}

bool SolutionPanelState::setDissolved(int species) {
    const SolutionInputs before = m_inputs;
    m_wantedDissolved = std::max(species, 0);
    keepDissolvedWithinSpecies();
    return !(m_inputs == before);
}

bool SolutionPanelState::setConcentration(std::optional<double> concentration) {
    return setNumber(NumberInput::Concentration, concentration);
}

bool SolutionPanelState::setTitrant(model::Titrant titrant) {
    if (m_inputs.titration.titrant == titrant) {
        return false;
    }
    m_inputs.titration.titrant = titrant;
    return true;
}

bool SolutionPanelState::setTitrantSubstance(const std::string& key) {
    const std::string taken = isTitrantSubstance(key) ? key : std::string();
    if (m_inputs.titrantSubstance == taken) {
        return false;
    }
    m_inputs.titrantSubstance = taken;
    m_settled.titrantSubstance = taken;
    return true;
}

bool SolutionPanelState::setTitrantConcentration(std::optional<double> concentration) {
    return setNumber(NumberInput::TitrantConcentration, concentration);
}

bool SolutionPanelState::setSampleVolume(std::optional<double> volume) {
    return setNumber(NumberInput::SampleVolume, volume);
}

std::size_t SolutionPanelState::slot(NumberInput input) {
    return static_cast<std::size_t>(std::find(kNumberInputs.begin(), kNumberInputs.end(), input) -
                                    kNumberInputs.begin());
}

double& SolutionPanelState::fieldOf(SolutionInputs& inputs, NumberInput input) {
    switch (input) {
    case NumberInput::Concentration:
        return inputs.solution.concentration;
    case NumberInput::StrongAcid:
        return inputs.solution.strongAcid;
    case NumberInput::StrongBase:
        return inputs.solution.strongBase;
    case NumberInput::TitrantConcentration:
        return inputs.titration.titrantConcentration;
    case NumberInput::SampleVolume:
        return inputs.titration.sampleVolume;
    case NumberInput::Temperature:
        return inputs.temperature;
    case NumberInput::EndVolume:
        break;
    }
    return inputs.titration.endVolume;
}

bool SolutionPanelState::refused(NumberInput input) const {
    return m_refused.at(slot(input));
}

model::Problem SolutionPanelState::problemWithNumberHere(NumberInput input, double value) const {
    if (model::Problem own = problemWithNumber(input, value); !own.empty()) {
        return own;
    }
    SolutionInputs candidate = m_inputs;
    fieldOf(candidate, input) = value;
    return problemWithComposition(candidate);
}

bool SolutionPanelState::typeNumber(NumberInput input, std::optional<double> value) {
    const SolutionInputs before = m_inputs;
    const bool fine = value && problemWithNumberHere(input, *value).empty();
    // A value that is not fine leaves the one from before the edit, never one typed on the way.
    fieldOf(m_inputs, input) = fine ? *value : fieldOf(m_settled, input);
    m_refused.at(slot(input)) = !fine;
    // A list refused with the value before may fit with this one.
    takeList();
    return !(m_inputs == before);
}

void SolutionPanelState::takeList() {
    SolutionInputs candidate = m_inputs;
    candidate.substances = m_list.taken();
    m_compositionProblem = problemWithComposition(candidate);
    if (m_compositionProblem.empty()) {
        m_inputs = std::move(candidate);
    }
}

bool SolutionPanelState::listRefused() const {
    if (!m_compositionProblem.empty()) {
        return true;
    }
    for (int i = 0; i < m_list.count(); ++i) {
        if (m_list.refused(i)) {
            return true;
        }
    }
    return false;
}

bool SolutionPanelState::canAddSubstance(const ListedSubstance& listed) const {
    return m_list.canAdd(listed);
}

bool SolutionPanelState::addSubstance(const ListedSubstance& listed) {
    const SolutionInputs before = m_inputs;
    if (m_list.add(listed)) {
        takeList();
    }
    return !(m_inputs == before);
}

bool SolutionPanelState::removeSubstance(int i) {
    const SolutionInputs before = m_inputs;
    if (m_list.remove(i)) {
        takeList();
    }
    return !(m_inputs == before);
}

bool SolutionPanelState::typeSubstanceConcentration(int i, std::optional<double> concentration) {
    const SolutionInputs before = m_inputs;
    m_list.typeConcentration(i, concentration);
    takeList();
    return !(m_inputs == before);
}

bool SolutionPanelState::typeSubstanceConstants(int i,
                                                std::optional<std::vector<double>> constants) {
    const SolutionInputs before = m_inputs;
    m_list.typeConstants(i, std::move(constants));
    takeList();
    return !(m_inputs == before);
}

void SolutionPanelState::finishSubstanceTyping(int i) {
    m_list.finishTyping(i);
}

bool SolutionPanelState::setSubstanceGivenAsBase(int i, bool base) {
    const SolutionInputs before = m_inputs;
    m_list.setGivenAsBase(i, base);
    takeList();
    return !(m_inputs == before);
}

bool SolutionPanelState::setSubstanceDissolved(int i, int species) {
    const SolutionInputs before = m_inputs;
    m_list.setDissolved(i, species);
    takeList();
    return !(m_inputs == before);
}

bool SolutionPanelState::setActivity(model::Activity activity) {
    const SolutionInputs before = m_inputs;
    m_inputs.activity = activity;
    m_settled.activity = activity;
    takeList();
    return !(m_inputs == before);
}

void SolutionPanelState::finishTyping(NumberInput input) {
    if (!refused(input)) {
        fieldOf(m_settled, input) = fieldOf(m_inputs, input);
    }
}

bool SolutionPanelState::setNumber(NumberInput input, std::optional<double> value) {
    const bool changed = typeNumber(input, value);
    finishTyping(input);
    return changed;
}

} // namespace velmora::ui
