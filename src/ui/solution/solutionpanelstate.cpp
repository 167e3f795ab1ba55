// SPDX-License-Identifier: GPL-3.0-or-later
#include "solutionpanelstate.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace velmora::ui {

namespace {

/** Takes `value` into `field` when there is one and `check` (a model's problemWith…) has none. */
bool takeChecked(double& field, std::optional<double> value, model::Problem (*check)(double)) {
    if (!value || !check(*value).empty() || field == *value) {
        return false;
    }
    field = *value;
    return true;
}

} // namespace

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
    setAcid(inputs.acid);
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

bool SolutionPanelState::acidEdited() {
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
    if (!m_constantsProblem.empty() || !m_namesProblem.empty()) {
        return false;
    }
    m_inputs.acid = model::PolyproticAcid(m_pKa, m_charge,
                                          m_ownNames ? fieldNames : std::vector<std::string>{});
    keepDissolvedWithinSpecies();
    return !(m_inputs == before);
}

bool SolutionPanelState::setConstant(int i, double pKa) {
    if (i < 0 || i >= constantCount()) {
        return false;
    }
    m_pKa[static_cast<std::size_t>(i)] = std::clamp(pKa, model::kMinPka, model::kMaxPka);
    return acidEdited();
}

bool SolutionPanelState::setCharge(int charge) {
    m_charge = std::clamp(charge, model::kMinCharge, model::kMaxCharge);
    return acidEdited();
}

bool SolutionPanelState::setName(int j, const std::string& name) {
    if (j < 0 || j > constantCount()) {
        return false;
    }
    m_ownNames = true;
    m_names[static_cast<std::size_t>(j)] = name;
    return acidEdited();
}

bool SolutionPanelState::addConstant() {
    if (!canAddConstant()) {
        return false;
    }
    m_pKa.push_back(std::min(m_pKa.back() + kAddedConstantGap, model::kMaxPka));
    if (m_ownNames) {
        const int count = constantCount();
        m_names[static_cast<std::size_t>(count)] =
            model::genericSpeciesName(count, m_charge, count);
    }
    renameSpecies();
    return acidEdited();
}

bool SolutionPanelState::removeConstant() {
    if (!canRemoveConstant()) {
        return false;
    }
    m_pKa.pop_back();
    renameSpecies();
    return acidEdited();
}

bool SolutionPanelState::useGenericNames() {
    m_ownNames = false;
    return acidEdited();
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
    return takeChecked(m_inputs.solution.concentration, concentration,
                       model::problemWithConcentration);
}

bool SolutionPanelState::setTitrant(model::Titrant titrant) {
    if (m_inputs.titration.titrant == titrant) {
        return false;
    }
    m_inputs.titration.titrant = titrant;
    return true;
}

bool SolutionPanelState::setTitrantConcentration(std::optional<double> concentration) {
    return takeChecked(m_inputs.titration.titrantConcentration, concentration,
                       model::problemWithTitrantConcentration);
}

bool SolutionPanelState::setSampleVolume(std::optional<double> volume) {
    return takeChecked(m_inputs.titration.sampleVolume, volume, model::problemWithSampleVolume);
}

} // namespace velmora::ui
