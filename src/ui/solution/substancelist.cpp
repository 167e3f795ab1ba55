// SPDX-License-Identifier: GPL-3.0-or-later
#include "substancelist.h"

#include <algorithm>

namespace velmora::ui {

namespace {

/** The constants a typed substance starts with. */
constexpr double kTypedStart = 4.76;

} // namespace

const model::Substance* librarySubstance(const ListedSubstance& listed) {
    return listed.fromLibrary() ? model::findSubstance(listed.substance) : nullptr;
}

ListedKind listedKind(const ListedSubstance& listed) {
    const model::Substance* substance = librarySubstance(listed);
    if (substance == nullptr) {
        return ListedKind::System;
    }
    switch (substance->kind) {
    case model::SubstanceKind::Salt:
        return ListedKind::Salt;
    case model::SubstanceKind::StrongAcid:
        return ListedKind::StrongAcid;
    case model::SubstanceKind::StrongBase:
        return ListedKind::StrongBase;
    case model::SubstanceKind::Inert:
        return ListedKind::Inert;
    case model::SubstanceKind::Weak:
        break;
    }
    return ListedKind::System;
}

int systemCount(const ListedSubstance& listed) {
    return model::weakSystemOf(listed) ? 1 : 0;
}

bool hasSpeciesChoice(const ListedSubstance& listed) {
    return listedKind(listed) == ListedKind::System &&
           !(!listed.fromLibrary() && listed.typed.givenAsBase);
}

ListedSubstance listedFromLibrary(const model::Substance& substance) {
    ListedSubstance listed;
    listed.substance = substance.key;
    if (substance.kind == model::SubstanceKind::Weak) {
        listed.dissolvedAs = model::dissolvedSpecies(substance);
    }
    return listed;
}

ListedSubstance typedSubstance(bool base) {
    ListedSubstance listed;
    listed.typed.pK = {kTypedStart};
    listed.typed.givenAsBase = base;
    // A base B takes up as many protons as it has constants: H_nB^n+ is its acid.
    listed.typed.charge = base ? 1 : 0;
    return listed;
}

model::Problem problemWithListed(const ListedSubstance& listed) {
    if (listed.fromLibrary() && librarySubstance(listed) == nullptr) {
        return {QT_TRANSLATE_NOOP("velmora::model::Problem", "is not in the library")};
    }
    if (const std::optional<model::WeakSystem> weak = model::weakSystemOf(listed)) {
        return model::problemWithSystem(*weak);
    }
    return model::problemWithStrongConcentration(listed.concentration);
}

bool isSingleAcid(const SolutionInputs& inputs) {
    return inputs.substances.empty() && inputs.activity == model::Activity::Ideal &&
           inputs.temperature == model::kStandardTemperature && inputs.titrantSubstance.empty();
}

bool isTitrantSubstance(const std::string& key) {
    const model::Substance* substance = model::findSubstance(key);
    return substance != nullptr && substance->kind != model::SubstanceKind::Inert &&
           key != kStrongBaseTitrant && key != kStrongAcidTitrant;
}

std::vector<const model::Substance*> titrantSubstances() {
    std::vector<const model::Substance*> found;
    for (const model::Substance& substance : model::substances()) {
        if (isTitrantSubstance(substance.key)) {
            found.push_back(&substance);
        }
    }
    return found;
}

model::Ingredient acidIngredient(const SolutionInputs& inputs) {
    model::Ingredient acid;
    acid.concentration = inputs.solution.concentration;
    acid.typed.pK = inputs.acid.exponents();
    acid.typed.charge = inputs.acid.charge();
    acid.typed.dissolvedAs = inputs.solution.dissolvedAs;
    if (!inputs.acid.hasGenericNames()) {
        acid.typed.formulas = inputs.acid.speciesNames();
    }
    return acid;
}

model::Mixture mixtureOf(const SolutionInputs& inputs) {
    model::Mixture mixture;
    model::addIngredient(acidIngredient(inputs), mixture);
    mixture.strongAcid = inputs.solution.strongAcid;
    mixture.strongBase = inputs.solution.strongBase;
    for (const ListedSubstance& listed : inputs.substances) {
        if (librarySubstance(listed) != nullptr || !listed.fromLibrary()) {
            model::addIngredient(listed, mixture);
        }
    }
    mixture.activity = inputs.activity;
    mixture.temperature = inputs.temperature;
    return mixture;
}

std::optional<model::Mixture> drawnMixture(const SolutionInputs& inputs) {
    if (isSingleAcid(inputs)) {
        return std::nullopt;
    }
    return mixtureOf(inputs);
}

model::Ingredient titrantIngredient(const SolutionInputs& inputs) {
    model::Ingredient titrant;
    titrant.concentration = inputs.titration.titrantConcentration;
    if (!inputs.titrantSubstance.empty()) {
        titrant.substance = inputs.titrantSubstance;
    } else {
        titrant.substance = inputs.titration.titrant == model::Titrant::Acid ? kStrongAcidTitrant
                                                                             : kStrongBaseTitrant;
    }
    return titrant;
}

model::MixtureTitration mixtureTitrationOf(const SolutionInputs& inputs) {
    model::MixtureTitration titration;
    titration.sampleVolume = inputs.titration.sampleVolume;
    titration.endVolume = inputs.titration.endVolume;
    titration.titrant = model::Mixture{};
    const model::Ingredient titrant = titrantIngredient(inputs);
    if (model::findSubstance(titrant.substance) != nullptr) {
        model::addIngredient(titrant, titration.titrant);
    }
    titration.titrant.temperature = inputs.temperature;
    titration.titrant.activity = inputs.activity;
    return titration;
}

model::Problem problemWithComposition(const SolutionInputs& inputs) {
    if (isSingleAcid(inputs)) {
        return {};
    }
    const model::Mixture mixture = mixtureOf(inputs);
    if (!model::problemWithStrongConcentration(model::strongAcidOf(mixture)).empty()) {
        return {QT_TRANSLATE_NOOP("velmora::model::Problem",
                                  "the strong acids add up to more than %1 mol/L"),
                {"10"}};
    }
    if (!model::problemWithStrongConcentration(mixture.strongBase).empty()) {
        return {QT_TRANSLATE_NOOP("velmora::model::Problem",
                                  "the strong bases add up to more than %1 mol/L"),
                {"10"}};
    }
    return model::problemWithMixture(mixture);
}

const ListedSubstance& SubstanceListState::shown(int i) const {
    return m_rows.at(static_cast<std::size_t>(i)).shown;
}

ListedSubstance SubstanceListState::takenRow(const Row& row) const {
    ListedSubstance taken = row.shown;
    if (row.unreadableConcentration || !row.concentrationProblem.empty()) {
        taken.concentration = row.settled.concentration;
    }
    if (row.unreadableConstants || !row.constantsProblem.empty()) {
        taken.typed.pK = row.settled.typed.pK;
    }
    // The species chosen is one of the constants taken.
    if (!taken.fromLibrary()) {
        taken.typed.dissolvedAs =
            std::min(taken.typed.dissolvedAs, static_cast<int>(taken.typed.pK.size()));
    }
    return taken;
}

std::vector<ListedSubstance> SubstanceListState::taken() const {
    std::vector<ListedSubstance> rows;
    rows.reserve(m_rows.size());
    for (const Row& row : m_rows) {
        rows.push_back(takenRow(row));
    }
    return rows;
}

int SubstanceListState::systems() const {
    int count = 0;
    for (const Row& row : m_rows) {
        count += systemCount(row.shown);
    }
    return count;
}

bool SubstanceListState::canAdd(const ListedSubstance& listed, int otherSystems) const {
    return count() < kMaxListedSubstances &&
           otherSystems + systems() + systemCount(listed) <= model::kMaxSystems;
}

bool SubstanceListState::add(const ListedSubstance& listed, int otherSystems) {
    if (!canAdd(listed, otherSystems) || !problemWithListed(listed).empty()) {
        return false;
    }
    Row row;
    row.shown = listed;
    row.settled = listed;
    m_rows.push_back(std::move(row));
    return true;
}

bool SubstanceListState::remove(int i) {
    if (!valid(i)) {
        return false;
    }
    m_rows.erase(m_rows.begin() + i);
    return true;
}

void SubstanceListState::setRows(const std::vector<ListedSubstance>& rows, int otherSystems) {
    m_rows.clear();
    for (const ListedSubstance& listed : rows) {
        add(listed, otherSystems);
    }
}

void SubstanceListState::check(Row& row) {
    row.concentrationProblem = row.unreadableConcentration
                                   ? model::Problem{}
                                   : model::problemWithStrongConcentration(row.shown.concentration);
    row.constantsProblem = row.unreadableConstants || row.shown.fromLibrary()
                               ? model::Problem{}
                               : model::problemWithConstants(row.shown.typed.pK);
}

void SubstanceListState::typeConcentration(int i, std::optional<double> concentration) {
    if (!valid(i)) {
        return;
    }
    Row& row = m_rows[static_cast<std::size_t>(i)];
    row.unreadableConcentration = !concentration;
    if (concentration) {
        row.shown.concentration = *concentration;
    }
    check(row);
}

void SubstanceListState::typeConstants(int i, std::optional<std::vector<double>> constants) {
    if (!valid(i) || m_rows[static_cast<std::size_t>(i)].shown.fromLibrary()) {
        return;
    }
    Row& row = m_rows[static_cast<std::size_t>(i)];
    row.unreadableConstants = !constants;
    if (constants) {
        model::WeakSystem& typed = row.shown.typed;
        typed.pK = *constants;
        // The species chosen stays within the system's, and a base stays uncharged.
        typed.dissolvedAs = std::min(typed.dissolvedAs, static_cast<int>(constants->size()));
        if (typed.givenAsBase) {
            typed.charge = static_cast<int>(constants->size());
        }
        // Formulas given for other constants name nothing now.
        if (!typed.formulas.empty() && typed.formulas.size() != constants->size() + 1) {
            typed.formulas.clear();
        }
    }
    check(row);
}

void SubstanceListState::finishTyping(int i) {
    if (!valid(i)) {
        return;
    }
    Row& row = m_rows[static_cast<std::size_t>(i)];
    row.settled = takenRow(row);
}

void SubstanceListState::setGivenAsBase(int i, bool base) {
    if (valid(i) && !m_rows[static_cast<std::size_t>(i)].shown.fromLibrary()) {
        Row& row = m_rows[static_cast<std::size_t>(i)];
        for (ListedSubstance* listed : {&row.shown, &row.settled}) {
            listed->typed.givenAsBase = base;
            listed->typed.charge = base ? static_cast<int>(listed->typed.pK.size()) : 0;
        }
        check(row);
    }
}

void SubstanceListState::setDissolved(int i, int species) {
    if (!valid(i) || !hasSpeciesChoice(shown(i))) {
        return;
    }
    Row& row = m_rows[static_cast<std::size_t>(i)];
    const std::optional<model::WeakSystem> weak = model::weakSystemOf(takenRow(row));
    const int top = weak ? static_cast<int>(weak->pK.size()) : 0;
    const int chosen = std::clamp(species, 0, top);
    for (ListedSubstance* listed : {&row.shown, &row.settled}) {
        if (listed->fromLibrary()) {
            listed->dissolvedAs = chosen;
        } else {
            listed->typed.dissolvedAs = chosen;
        }
    }
    check(row);
}

const model::Problem& SubstanceListState::concentrationProblem(int i) const {
    return m_rows.at(static_cast<std::size_t>(i)).concentrationProblem;
}

const model::Problem& SubstanceListState::constantsProblem(int i) const {
    return m_rows.at(static_cast<std::size_t>(i)).constantsProblem;
}

bool SubstanceListState::unreadableConcentration(int i) const {
    return m_rows.at(static_cast<std::size_t>(i)).unreadableConcentration;
}

bool SubstanceListState::unreadableConstants(int i) const {
    return m_rows.at(static_cast<std::size_t>(i)).unreadableConstants;
}

bool SubstanceListState::refused(int i) const {
    const Row& row = m_rows.at(static_cast<std::size_t>(i));
    return row.unreadableConcentration || row.unreadableConstants ||
           !row.concentrationProblem.empty() || !row.constantsProblem.empty();
}

} // namespace velmora::ui
