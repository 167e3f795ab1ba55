// SPDX-License-Identifier: GPL-3.0-or-later
#include "recipe.h"

#include "solution.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstddef>

namespace velmora::model {

namespace {

/** Formulas written as a teacher writes them on the board, for the simplest substances. */
constexpr std::array kAliases{
    SubstanceAlias{"HCl", "hydrochloric"},
    SubstanceAlias{"HBr", "hydrobromic"},
    SubstanceAlias{"HI", "hydroiodic"},
    SubstanceAlias{"HNO3", "nitric"},
    SubstanceAlias{"HClO4", "perchloric"},
    SubstanceAlias{"H2SO4", "sulfuric"},
    SubstanceAlias{"NaOH", "sodium-hydroxide"},
    SubstanceAlias{"KOH", "potassium-hydroxide"},
    SubstanceAlias{"NaCl", "sodium-chloride"},
    SubstanceAlias{"KCl", "potassium-chloride"},
    SubstanceAlias{"KNO3", "potassium-nitrate"},
    SubstanceAlias{"NH3", "ammonia"},
    SubstanceAlias{"NH4Cl", "ammonium-chloride"},
    SubstanceAlias{"HF", "hydrofluoric"},
    SubstanceAlias{"HCN", "hydrocyanic"},
    SubstanceAlias{"HNO2", "nitrous"},
    SubstanceAlias{"H3PO4", "phosphoric"},
    SubstanceAlias{"NaF", "sodium-fluoride"},
    SubstanceAlias{"NaCN", "sodium-cyanide"},
    SubstanceAlias{"NaHCO3", "sodium-hydrogen-carbonate"},
    SubstanceAlias{"Na2CO3", "sodium-carbonate"},
    SubstanceAlias{"NaH2PO4", "sodium-dihydrogen-phosphate"},
    SubstanceAlias{"Na2HPO4", "disodium-hydrogen-phosphate"},
    SubstanceAlias{"Na3PO4", "trisodium-phosphate"},
    SubstanceAlias{"Na2SO4", "sodium-sulfate"},
};

bool sameLetters(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

/** A weak system as the library has it: `substance` is the key the mixture keeps. */
WeakSystem librarySystem(const Substance& substance, double concentration) {
    const Substance& system = systemOf(substance);
    WeakSystem weak;
    weak.pK = system.pKa;
    weak.charge = system.charge;
    weak.concentration = concentration;
    weak.dissolvedAs = dissolvedSpecies(substance);
    weak.enthalpy = system.enthalpies;
    weak.substance = substance.key;
    weak.formulas = system.formulas;
    return weak;
}

/** The charge of the positive and the magnitude of the negative ion of an inert salt. */
InertSalt inertSalt(const Substance& salt, double concentration) {
    const int ion = formulaCharge(salt.formulas.front());
    const int counter = formulaCharge(salt.counterion);
    InertSalt inert;
    inert.concentration = concentration;
    inert.cationCharge = std::max(ion, counter);
    inert.anionCharge = -std::min(ion, counter);
    return inert;
}

/** The typed system of an ingredient as the mixture takes it. */
WeakSystem typedSystem(const Ingredient& ingredient) {
    WeakSystem weak = ingredient.typed;
    weak.concentration = ingredient.concentration;
    weak.substance.clear();
    weak.enthalpy.clear();
    if (weak.givenAsBase) {
        weak.dissolvedAs = 0;
    }
    return weak;
}

const char* const kNotANumber = QT_TRANSLATE_NOOP("velmora::model::Problem", "is not a number");

} // namespace

int dissolvedSpecies(const Substance& substance) {
    if (substance.isForm()) {
        return substance.species;
    }
    const auto neutral =
        std::find_if(substance.formulas.begin(), substance.formulas.end(),
                     [](const std::string& formula) { return formulaCharge(formula) == 0; });
    return neutral == substance.formulas.end()
               ? substance.species
               : static_cast<int>(neutral - substance.formulas.begin());
}

Ingredient defaultTitrant() {
    return {0.1, "sodium-hydroxide", {}};
}

std::span<const SubstanceAlias> substanceAliases() {
    return kAliases;
}

const Substance* substanceNamed(const std::string& name) {
    if (const Substance* substance = findSubstance(name)) {
        return substance;
    }
    for (const SubstanceAlias& alias : kAliases) {
        if (sameLetters(alias.formula, name)) {
            return findSubstance(alias.key);
        }
    }
    return nullptr;
}

IngredientProblem problemWithIngredient(const Ingredient& ingredient) {
    if (Problem problem = problemWithStrongConcentration(ingredient.concentration);
        !problem.empty()) {
        return {IngredientPart::Concentration, problem};
    }
    if (!ingredient.substance.empty()) {
        const Substance* substance = substanceNamed(ingredient.substance);
        if (substance == nullptr) {
            return {IngredientPart::Substance,
                    {QT_TRANSLATE_NOOP("velmora::model::Problem",
                                       "is not a substance of the library")}};
        }
        if (ingredient.dissolvedAs) {
            if (substance->kind != SubstanceKind::Weak) {
                return {IngredientPart::DissolvedAs,
                        {QT_TRANSLATE_NOOP("velmora::model::Problem",
                                           "applies to a weak acid or base only; a salt or a "
                                           "strong acid or base is dissolved as it is")}};
            }
            const int count = static_cast<int>(systemOf(*substance).pKa.size());
            if (*ingredient.dissolvedAs < 0 || *ingredient.dissolvedAs > count) {
                return {IngredientPart::DissolvedAs,
                        {QT_TRANSLATE_NOOP("velmora::model::Problem",
                                           "must be a species index from 0 to %1"),
                         {std::to_string(count)}}};
            }
        }
        return {};
    }
    const WeakSystem& typed = ingredient.typed;
    if (Problem problem = problemWithConstants(typed.pK); !problem.empty()) {
        return {IngredientPart::Constants, problem};
    }
    if (Problem problem = problemWithCharge(typed.charge); !problem.empty()) {
        return {IngredientPart::Charge, problem};
    }
    const int count = static_cast<int>(typed.pK.size());
    if (!typed.givenAsBase && (typed.dissolvedAs < 0 || typed.dissolvedAs > count)) {
        return {
            IngredientPart::DissolvedAs,
            {QT_TRANSLATE_NOOP("velmora::model::Problem", "must be a species index from 0 to %1"),
             {std::to_string(count)}}};
    }
    if (!typed.formulas.empty()) {
        if (Problem problem = problemWithNames(typed.formulas, count + 1); !problem.empty()) {
            return {IngredientPart::Names, problem};
        }
    }
    return {};
}

std::optional<WeakSystem> weakSystemOf(const Ingredient& ingredient) {
    if (!ingredient.fromLibrary()) {
        return typedSystem(ingredient);
    }
    const Substance* substance = substanceNamed(ingredient.substance);
    if (substance == nullptr) {
        return std::nullopt;
    }
    switch (substance->kind) {
    case SubstanceKind::Weak: {
        WeakSystem weak = librarySystem(*substance, ingredient.concentration);
        weak.dissolvedAs = ingredient.dissolvedAs.value_or(weak.dissolvedAs);
        return weak;
    }
    case SubstanceKind::Salt:
        return librarySystem(*substance, ingredient.concentration);
    case SubstanceKind::StrongAcid:
        if (substance->isForm()) {
            // Sulfuric acid: hydrogen sulfate with the proton it gave off completely.
            WeakSystem system = librarySystem(*substance, ingredient.concentration);
            system.protonsGiven = counterionCount(*substance);
            return system;
        }
        return std::nullopt;
    case SubstanceKind::StrongBase:
    case SubstanceKind::Inert:
        break;
    }
    return std::nullopt;
}

void addIngredient(const Ingredient& ingredient, Mixture& mixture) {
    if (std::optional<WeakSystem> weak = weakSystemOf(ingredient)) {
        mixture.systems.push_back(std::move(*weak));
    }
    const Substance* substance =
        ingredient.fromLibrary() ? substanceNamed(ingredient.substance) : nullptr;
    if (substance == nullptr) {
        return;
    }
    // Each formula unit gives as many protons or hydroxide ions as balance its ion.
    const double c = ingredient.concentration;
    switch (substance->kind) {
    case SubstanceKind::StrongAcid:
        // Sulfuric acid's proton is its system's (WeakSystem::protonsGiven).
        if (!substance->isForm()) {
            mixture.strongAcid += c * counterionCount(*substance);
        }
        break;
    case SubstanceKind::StrongBase:
        mixture.strongBase += c * counterionCount(*substance);
        break;
    case SubstanceKind::Inert:
        mixture.salts.push_back(inertSalt(*substance, c));
        break;
    case SubstanceKind::Weak:
    case SubstanceKind::Salt:
        break;
    }
}

IngredientProblem mixtureOf(const std::vector<Ingredient>& ingredients, double celsius,
                            Activity activity, Mixture& mixture) {
    Mixture made;
    made.temperature = celsius;
    made.activity = activity;
    for (std::size_t i = 0; i < ingredients.size(); ++i) {
        const Ingredient& ingredient = ingredients[i];
        IngredientProblem problem = problemWithIngredient(ingredient);
        problem.index = static_cast<int>(i);
        if (!problem.empty()) {
            return problem;
        }
        const std::size_t systemsBefore = made.systems.size();
        addIngredient(ingredient, made);
        if (made.systems.size() > systemsBefore &&
            made.systems.size() > static_cast<std::size_t>(kMaxSystems)) {
            return {IngredientPart::Whole,
                    {QT_TRANSLATE_NOOP("velmora::model::Problem",
                                       "may hold at most %1 acid-base systems"),
                     {std::to_string(kMaxSystems)}},
                    static_cast<int>(i)};
        }
    }
    // Several strong acids or bases may together pass what one may be.
    if (Problem problem = problemWithMixture(made); !problem.empty()) {
        return {IngredientPart::Whole, problem};
    }
    mixture = std::move(made);
    return {};
}

IngredientProblem mixtureOf(const Recipe& recipe, Mixture& mixture) {
    if (Problem problem = problemWithTemperature(recipe.temperature); !problem.empty()) {
        return {IngredientPart::Whole, problem};
    }
    return mixtureOf(recipe.substances, recipe.temperature, recipe.activity, mixture);
}

IngredientProblem titrationOf(const Recipe& recipe, MixtureTitration& titration) {
    MixtureTitration made;
    made.sampleVolume = recipe.sampleVolume;
    made.endVolume = recipe.endVolume;
    if (IngredientProblem problem =
            mixtureOf({recipe.titrant}, recipe.temperature, recipe.activity, made.titrant);
        !problem.empty()) {
        return problem;
    }
    if (Problem problem = problemWithMixtureTitration(made); !problem.empty()) {
        return {IngredientPart::Whole, problem};
    }
    titration = std::move(made);
    return {};
}

bool readPlainNumber(std::string_view text, double& value) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
            return false;
        }
    }
    // from_chars reads "inf" and "nan" too, which are no concentrations or constants.
    const bool startsWell =
        !text.empty() &&
        (std::isdigit(static_cast<unsigned char>(text[text.front() == '-' ? 1 : 0])) ||
         text[text.front() == '-' ? 1 : 0] == '.');
    if (!startsWell || (text.front() == '-' && text.size() < 2)) {
        return false;
    }
    double read = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), read);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(read)) {
        return false;
    }
    value = read;
    return true;
}

namespace {

/** Splits `text` at every `separator`. */
std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(separator, start);
        parts.push_back(text.substr(start, at == std::string_view::npos ? at : at - start));
        if (at == std::string_view::npos) {
            return parts;
        }
        start = at + 1;
    }
}

/** `text` starts with `prefix`, whatever the letter case; `text` loses it then. */
bool takePrefix(std::string_view& text, std::string_view prefix) {
    if (text.size() < prefix.size() || !sameLetters(text.substr(0, prefix.size()), prefix)) {
        return false;
    }
    text.remove_prefix(prefix.size());
    return true;
}

IngredientTextProblem wrongPiece(std::string_view piece, const Problem& problem) {
    return {std::string(trimmed(piece)), problem};
}

/** A whole number, as readPlainNumber() reads a number. */
bool readWholeNumber(std::string_view text, int& value) {
    double read = 0.0;
    if (!readPlainNumber(text, read) || read != std::floor(read) || std::abs(read) > 1e6) {
        return false;
    }
    value = static_cast<int>(read);
    return true;
}

} // namespace

IngredientTextProblem readIngredient(std::string_view written, Ingredient& ingredient) {
    const std::vector<std::string_view> pieces = split(trimmed(written), ':');
    const Problem malformed{
        QT_TRANSLATE_NOOP("velmora::model::Problem",
                          "is not C:WHAT[:KEY=VALUE]... (such as 0.1:acetic or 0.1:4.76)")};
    if (pieces.size() < 2 || trimmed(pieces[1]).empty()) {
        return {{}, malformed};
    }
    Ingredient read;
    if (!readPlainNumber(pieces[0], read.concentration)) {
        return wrongPiece(pieces[0], {kNotANumber});
    }
    std::string_view what = trimmed(pieces[1]);
    const bool base = takePrefix(what, "pkb=");
    const bool acid = !base && takePrefix(what, "pka=");
    const bool looksNumeric = !what.empty() && (std::isdigit(static_cast<unsigned char>(what[0])) ||
                                                what[0] == '-' || what[0] == '+' || what[0] == '.');
    const bool typed = base || acid || looksNumeric;
    if (typed) {
        read.typed.pK.clear();
        for (std::string_view value : split(what, ',')) {
            double pK = 0.0;
            if (!readPlainNumber(value, pK)) {
                return wrongPiece(value, {kNotANumber});
            }
            read.typed.pK.push_back(pK);
        }
        read.typed.givenAsBase = base;
        // A base given by its pKb alone is uncharged, as ammonia or an amine.
        read.typed.charge = base ? static_cast<int>(read.typed.pK.size()) : 0;
    } else {
        read.substance = std::string(what);
    }
    bool chargeGiven = false;
    bool asGiven = false;
    for (std::size_t i = 2; i < pieces.size(); ++i) {
        std::string_view option = trimmed(pieces[i]);
        const std::string_view whole = option;
        const bool charge = takePrefix(option, "charge=");
        const bool as = !charge && takePrefix(option, "as=");
        if (!charge && !as) {
            if (whole.empty()) {
                return {{}, malformed};
            }
            return wrongPiece(whole, {QT_TRANSLATE_NOOP("velmora::model::Problem",
                                                        "is no option of a substance (use "
                                                        "charge=Z or as=K)")});
        }
        if (!typed && charge) {
            return wrongPiece(whole, {QT_TRANSLATE_NOOP("velmora::model::Problem",
                                                        "applies to constants typed as numbers "
                                                        "only, not to a substance of the "
                                                        "library")});
        }
        if ((charge && chargeGiven) || (as && asGiven)) {
            return wrongPiece(
                whole, {QT_TRANSLATE_NOOP("velmora::model::Problem", "is given more than once")});
        }
        if (as && base) {
            return wrongPiece(whole, {QT_TRANSLATE_NOOP("velmora::model::Problem",
                                                        "does not apply to a base given by "
                                                        "pKb, which is dissolved as the base")});
        }
        int value = 0;
        if (!readWholeNumber(option, value)) {
            return wrongPiece(
                whole, {QT_TRANSLATE_NOOP("velmora::model::Problem", "is not a whole number")});
        }
        if (charge) {
            read.typed.charge = value;
        } else if (typed) {
            read.typed.dissolvedAs = value;
        } else {
            // A weak acid or base of the library dissolved as another of its species.
            read.dissolvedAs = value;
        }
        chargeGiven = chargeGiven || charge;
        asGiven = asGiven || as;
    }
    if (const IngredientProblem problem = problemWithIngredient(read); !problem.empty()) {
        // The piece the problem is about, as it was given.
        std::string_view piece;
        switch (problem.part) {
        case IngredientPart::Concentration:
            piece = pieces[0];
            break;
        case IngredientPart::Substance:
        case IngredientPart::Constants:
            piece = pieces[1];
            break;
        case IngredientPart::Charge:
        case IngredientPart::DissolvedAs:
            for (std::size_t i = 2; i < pieces.size(); ++i) {
                std::string_view option = trimmed(pieces[i]);
                if (takePrefix(option,
                               problem.part == IngredientPart::Charge ? "charge=" : "as=")) {
                    piece = pieces[i];
                }
            }
            break;
        case IngredientPart::Whole:
        case IngredientPart::Names:
            break;
        }
        return wrongPiece(piece, problem.problem);
    }
    if (!read.substance.empty()) {
        read.substance = substanceNamed(read.substance)->key;
    }
    ingredient = std::move(read);
    return {};
}

} // namespace velmora::model
