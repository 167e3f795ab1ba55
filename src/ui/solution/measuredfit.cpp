// SPDX-License-Identifier: GPL-3.0-or-later
#include "measuredfit.h"

#include "solutionpanelstate.h"
#include "substancelist.h"

#include "model/polyprotic.h"
#include "model/solution.h"

#include <algorithm>

namespace velmora::ui {

namespace {

/** Where a weak system of mixtureOf(inputs) comes from: the acid (−1) or a listed row. */
std::vector<int> systemSources(const SolutionInputs& inputs) {
    std::vector<int> sources{-1};
    for (std::size_t i = 0; i < inputs.substances.size(); ++i) {
        const ListedSubstance& listed = inputs.substances[i];
        const bool inMixture = librarySubstance(listed) != nullptr || !listed.fromLibrary();
        if (inMixture && systemCount(listed) == 1) {
            sources.push_back(static_cast<int>(i));
        }
    }
    return sources;
}

/** The strong acid (or base) of the solution when its field alone gives it, else none. */
std::optional<NumberInput> strongField(const SolutionInputs& inputs,
                                       const model::Mixture& mixture) {
    if (mixture.strongAcid > 0.0) {
        return mixture.strongAcid == inputs.solution.strongAcid
                   ? std::optional(NumberInput::StrongAcid)
                   : std::nullopt;
    }
    if (mixture.strongBase > 0.0 && mixture.strongBase == inputs.solution.strongBase) {
        return NumberInput::StrongBase;
    }
    return std::nullopt;
}

bool offered(std::span<const FitOffer> offers, const model::FitParameter& parameter) {
    return std::any_of(offers.begin(), offers.end(),
                       [&](const FitOffer& offer) { return offer.parameter == parameter; });
}

model::Problem notOffered() {
    return {QT_TRANSLATE_NOOP("velmora::model::Problem",
                              "the fit is of another solution than the one shown now")};
}

} // namespace

std::vector<FitOffer> fitOffers(const SolutionInputs& inputs) {
    const model::Mixture mixture = mixtureOf(inputs);
    const std::vector<int> sources = systemSources(inputs);
    std::vector<FitOffer> offers;
    const auto offer = [&](model::FitParameter parameter, double start) {
        offers.push_back({parameter, model::fitParameterName(parameter, mixture), start});
    };
    for (std::size_t k = 0; k < mixture.systems.size() && k < sources.size(); ++k) {
        const model::WeakSystem& system = mixture.systems[k];
        const int source = sources[k];
        const ListedSubstance* listed =
            source < 0 ? nullptr : &inputs.substances[static_cast<std::size_t>(source)];
        const int index = static_cast<int>(k);
        if (listed == nullptr || listedKind(*listed) == ListedKind::System) {
            offer({model::FitQuantity::Concentration, index, 0}, system.concentration);
        }
        if (listed == nullptr || !listed->fromLibrary()) {
            for (std::size_t c = 0; c < system.pK.size(); ++c) {
                offer({model::FitQuantity::Constant, index, static_cast<int>(c) + 1}, system.pK[c]);
            }
        }
    }
    if (const std::optional<NumberInput> strong = strongField(inputs, mixture)) {
        offer({model::FitQuantity::Concentration, -1, 0}, numberOf(inputs, *strong));
    }
    offer({model::FitQuantity::TitrantConcentration, 0, 0}, inputs.titration.titrantConcentration);
    offer({model::FitQuantity::PhOffset, 0, 0}, 0.0);
    return offers;
}

std::vector<bool> defaultFitChoice(const SolutionInputs& inputs, std::span<const FitOffer> offers,
                                   std::span<const model::TitrationPoint> points) {
    const std::vector<model::FitParameter> chosen =
        model::defaultFitParameters(mixtureOf(inputs), points);
    std::vector<bool> choice;
    for (const FitOffer& offer : offers) {
        choice.push_back(std::find(chosen.begin(), chosen.end(), offer.parameter) != chosen.end());
    }
    return choice;
}

model::Problem inputsWithFit(const SolutionInputs& inputs, const model::TitrationFit& fit,
                             SolutionInputs& fitted) {
    const model::Mixture mixture = mixtureOf(inputs);
    const std::vector<int> sources = systemSources(inputs);
    const std::vector<FitOffer> offers = fitOffers(inputs);
    SolutionInputs result = inputs;
    std::vector<double> acidPKa = inputs.acid.exponents();
    for (const model::FittedValue& value : fit.values) {
        const model::FitParameter& parameter = value.parameter;
        if (!offered(offers, parameter)) {
            return notOffered();
        }
        switch (parameter.quantity) {
        case model::FitQuantity::Concentration: {
            if (parameter.system < 0) {
                const NumberInput field = *strongField(inputs, mixture);
                if (model::Problem problem = problemWithNumber(field, value.value);
                    !problem.empty()) {
                    return problem;
                }
                (field == NumberInput::StrongAcid ? result.solution.strongAcid
                                                  : result.solution.strongBase) = value.value;
                break;
            }
            if (model::Problem problem = model::problemWithConcentration(value.value);
                !problem.empty()) {
                return problem;
            }
            const int source = sources[static_cast<std::size_t>(parameter.system)];
            (source < 0 ? result.solution.concentration
                        : result.substances[static_cast<std::size_t>(source)].concentration) =
                value.value;
            break;
        }
        case model::FitQuantity::Constant: {
            const int source = sources[static_cast<std::size_t>(parameter.system)];
            std::vector<double>& constants =
                source < 0 ? acidPKa : result.substances[static_cast<std::size_t>(source)].typed.pK;
            constants[static_cast<std::size_t>(parameter.constant - 1)] = value.value;
            break;
        }
        case model::FitQuantity::TitrantConcentration:
            if (model::Problem problem = model::problemWithTitrantConcentration(value.value);
                !problem.empty()) {
                return problem;
            }
            result.titration.titrantConcentration = value.value;
            break;
        case model::FitQuantity::PhOffset:
            break;
        }
    }
    if (model::Problem problem = model::problemWithConstants(acidPKa); !problem.empty()) {
        return problem;
    }
    const std::vector<std::string> names =
        inputs.acid.hasGenericNames() ? std::vector<std::string>{} : inputs.acid.speciesNames();
    result.acid = model::PolyproticAcid(acidPKa, inputs.acid.charge(), names);
    for (const ListedSubstance& listed : result.substances) {
        if (model::Problem problem = problemWithListed(listed); !problem.empty()) {
            return problem;
        }
    }
    if (model::Problem problem = problemWithComposition(result); !problem.empty()) {
        return problem;
    }
    fitted = result;
    return {};
}

} // namespace velmora::ui
