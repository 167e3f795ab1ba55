// SPDX-License-Identifier: GPL-3.0-or-later
#include "substancelist.h"

#include <algorithm>
#include <cstdlib>

namespace velmora::ui {

namespace {

/** The constants a typed substance starts with. */
constexpr double kTypedStart = 4.76;

model::WeakSystem systemFromLibrary(const model::Substance& system, const std::string& key) {
    model::WeakSystem weak;
    weak.pK = system.pKa;
    weak.charge = system.charge;
    weak.enthalpy = system.enthalpies;
    weak.formulas = system.formulas;
    weak.substance = key;
    return weak;
}

} // namespace

const model::Substance* librarySubstance(const ListedSubstance& listed) {
    return listed.typed() ? nullptr : model::findSubstance(listed.key);
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
    return weakSystemOf(listed) ? 1 : 0;
}

bool hasSpeciesChoice(const ListedSubstance& listed) {
    return listedKind(listed) == ListedKind::System && !(listed.typed() && listed.givenAsBase);
}

ListedSubstance listedFromLibrary(const model::Substance& substance) {
    ListedSubstance listed;
    listed.key = substance.key;
    if (substance.kind == model::SubstanceKind::Weak) {
        const auto neutral = std::find_if(
            substance.formulas.begin(), substance.formulas.end(),
            [](const std::string& formula) { return model::formulaCharge(formula) == 0; });
        listed.dissolvedAs =
            neutral == substance.formulas.end()
                ? 0
                : static_cast<int>(std::distance(substance.formulas.begin(), neutral));
    }
    return listed;
}

ListedSubstance typedSubstance(bool base) {
    ListedSubstance listed;
    listed.pK = {kTypedStart};
    listed.givenAsBase = base;
    return listed;
}

std::optional<model::WeakSystem> weakSystemOf(const ListedSubstance& listed) {
    if (listed.typed()) {
        model::WeakSystem weak;
        weak.pK = listed.pK;
        weak.givenAsBase = listed.givenAsBase;
        // A base B takes up as many protons as it has constants: H_nB^n+ is its acid.
        weak.charge = listed.givenAsBase ? static_cast<int>(listed.pK.size()) : 0;
        weak.dissolvedAs = listed.givenAsBase ? 0 : listed.dissolvedAs;
        weak.concentration = listed.concentration;
        return weak;
    }
    const model::Substance* substance = librarySubstance(listed);
    if (substance == nullptr) {
        return std::nullopt;
    }
    const bool own = substance->kind == model::SubstanceKind::Weak;
    // A strong acid or base of ions alone, or an inert salt, brings no system.
    if (!own && !substance->isForm()) {
        return std::nullopt;
    }
    model::WeakSystem weak = systemFromLibrary(model::systemOf(*substance), listed.key);
    weak.dissolvedAs = own ? listed.dissolvedAs : substance->species;
    weak.concentration = listed.concentration;
    return weak;
}

model::Problem problemWithListed(const ListedSubstance& listed) {
    if (!listed.typed() && librarySubstance(listed) == nullptr) {
        return {QT_TRANSLATE_NOOP("velmora::model::Problem", "is not in the library")};
    }
    if (const std::optional<model::WeakSystem> weak = weakSystemOf(listed)) {
        return model::problemWithSystem(*weak);
    }
    return model::problemWithStrongConcentration(listed.concentration);
}

bool isSingleAcid(const SolutionInputs& inputs) {
    return inputs.substances.empty() && inputs.activity == model::Activity::Ideal &&
           inputs.temperature == model::kStandardTemperature;
}

model::Mixture mixtureOf(const SolutionInputs& inputs) {
    model::Mixture mixture;
    model::WeakSystem first;
    first.pK = inputs.acid.exponents();
    first.charge = inputs.acid.charge();
    first.concentration = inputs.solution.concentration;
    first.dissolvedAs = inputs.solution.dissolvedAs;
    if (!inputs.acid.hasGenericNames()) {
        first.formulas = inputs.acid.speciesNames();
    }
    mixture.systems.push_back(std::move(first));
    mixture.strongAcid = inputs.solution.strongAcid;
    mixture.strongBase = inputs.solution.strongBase;
    for (const ListedSubstance& listed : inputs.substances) {
        if (std::optional<model::WeakSystem> weak = weakSystemOf(listed)) {
            mixture.systems.push_back(std::move(*weak));
        }
        const model::Substance* substance = librarySubstance(listed);
        if (substance == nullptr) {
            continue;
        }
        // Each formula unit gives as many protons or hydroxide ions as balance its ion.
        const double ions = listed.concentration * model::counterionCount(*substance);
        switch (listedKind(listed)) {
        case ListedKind::StrongAcid:
            mixture.strongAcid += ions;
            break;
        case ListedKind::StrongBase:
            mixture.strongBase += ions;
            break;
        case ListedKind::Inert: {
            const int ion = model::formulaCharge(substance->formulas.front());
            const int counter = model::formulaCharge(substance->counterion);
            model::InertSalt salt;
            salt.concentration = listed.concentration;
            salt.cationCharge = std::abs(ion > 0 ? ion : counter);
            salt.anionCharge = std::abs(ion > 0 ? counter : ion);
            mixture.salts.push_back(salt);
            break;
        }
        case ListedKind::System:
        case ListedKind::Salt:
            break;
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

model::MixtureTitration mixtureTitrationOf(const SolutionInputs& inputs) {
    model::MixtureTitration titration;
    titration.sampleVolume = inputs.titration.sampleVolume;
    titration.endVolume = inputs.titration.endVolume;
    titration.titrant = model::Mixture{};
    if (inputs.titration.titrant == model::Titrant::Acid) {
        titration.titrant.strongAcid = inputs.titration.titrantConcentration;
    } else {
        titration.titrant.strongBase = inputs.titration.titrantConcentration;
    }
    return titration;
}

model::Problem problemWithComposition(const SolutionInputs& inputs) {
    if (isSingleAcid(inputs)) {
        return {};
    }
    const model::Mixture mixture = mixtureOf(inputs);
    if (!model::problemWithStrongConcentration(mixture.strongAcid).empty()) {
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
        taken.pK = row.settled.pK;
    }
    // The species chosen is one of the constants taken.
    if (taken.typed()) {
        taken.dissolvedAs = std::min(taken.dissolvedAs, static_cast<int>(taken.pK.size()));
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
    row.constantsProblem = row.unreadableConstants || !row.shown.typed()
                               ? model::Problem{}
                               : model::problemWithConstants(row.shown.pK);
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
    if (!valid(i) || !m_rows[static_cast<std::size_t>(i)].shown.typed()) {
        return;
    }
    Row& row = m_rows[static_cast<std::size_t>(i)];
    row.unreadableConstants = !constants;
    if (constants) {
        row.shown.pK = *constants;
        // The species chosen stays within the system's.
        row.shown.dissolvedAs =
            std::min(row.shown.dissolvedAs, static_cast<int>(constants->size()));
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
    if (valid(i) && m_rows[static_cast<std::size_t>(i)].shown.typed()) {
        Row& row = m_rows[static_cast<std::size_t>(i)];
        row.shown.givenAsBase = base;
        row.settled.givenAsBase = base;
        check(row);
    }
}

void SubstanceListState::setDissolved(int i, int species) {
    if (!valid(i) || !hasSpeciesChoice(shown(i))) {
        return;
    }
    Row& row = m_rows[static_cast<std::size_t>(i)];
    const std::optional<model::WeakSystem> weak = weakSystemOf(takenRow(row));
    const int top = weak ? static_cast<int>(weak->pK.size()) : 0;
    row.shown.dissolvedAs = std::clamp(species, 0, top);
    row.settled.dissolvedAs = row.shown.dissolvedAs;
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
