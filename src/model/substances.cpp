// SPDX-License-Identifier: GPL-3.0-or-later
#include "substances.h"

#include "presets.h"
#include "sources.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdlib>

namespace velmora::model {

namespace {

using Kind = SubstanceKind;

/** A weak system with its own constants. */
Substance weak(std::string key, const char* name, std::vector<std::string> formulas,
               std::vector<double> pKa, const char* source, std::vector<double> enthalpies = {}) {
    Substance s;
    s.key = std::move(key);
    s.name = name;
    s.kind = Kind::Weak;
    s.charge = formulaCharge(formulas.front());
    s.formulas = std::move(formulas);
    s.pKa = std::move(pKa);
    s.enthalpies = std::move(enthalpies);
    s.source = source;
    return s;
}

/** `substance` with each of its constants written to the given number of decimals. */
Substance writtenTo(Substance substance, std::vector<int> decimals) {
    substance.decimals = std::move(decimals);
    return substance;
}

/** A named form of the system `system`, dissolved as its species `species`. */
Substance form(std::string key, const char* name, Kind kind, std::string system, int species,
               std::string counterion) {
    Substance s;
    s.key = std::move(key);
    s.name = name;
    s.kind = kind;
    s.system = std::move(system);
    s.species = species;
    s.counterion = std::move(counterion);
    return s;
}

/** A substance whose ion takes no protons: a strong acid or base, or an inert salt. */
Substance ionic(std::string key, const char* name, Kind kind, std::string ion,
                std::string counterion) {
    Substance s;
    s.key = std::move(key);
    s.name = name;
    s.kind = kind;
    s.charge = formulaCharge(ion);
    s.formulas = {std::move(ion)};
    s.counterion = std::move(counterion);
    return s;
}

std::vector<Substance> build() {
    std::vector<Substance> all;
    // The example acids, with their values, formulas and sources as the plot shows them.
    for (const Preset& preset : presets()) {
        Substance s = weak(preset.key, preset.name.c_str(), preset.formulas, preset.pKa,
                           preset.source.c_str());
        s.context = kPresetContext;
        all.push_back(std::move(s));
    }
    const std::vector<Substance> systems{
        //: A substance's name in the library of --list-substances.
        weak("formic", QT_TRANSLATE_NOOP("velmora::model::Substance", "Formic acid"),
             {"HCOOH", "HCOO^-"}, {3.75}, kCrcOrganic),
        weak("propanoic", QT_TRANSLATE_NOOP("velmora::model::Substance", "Propanoic acid"),
             {"C2H5COOH", "C2H5COO^-"}, {4.87}, kCrcOrganic),
        weak("chloroacetic", QT_TRANSLATE_NOOP("velmora::model::Substance", "Chloroacetic acid"),
             {"ClCH2COOH", "ClCH2COO^-"}, {2.87}, kCrcOrganic),
        weak("benzoic", QT_TRANSLATE_NOOP("velmora::model::Substance", "Benzoic acid"),
             {"C6H5COOH", "C6H5COO^-"}, {4.20}, kCrcOrganic),
        weak("lactic", QT_TRANSLATE_NOOP("velmora::model::Substance", "Lactic acid"),
             {"HC3H5O3", "C3H5O3^-"}, {3.86}, kCrcOrganic),
        weak("phenol", QT_TRANSLATE_NOOP("velmora::model::Substance", "Phenol"),
             {"C6H5OH", "C6H5O^-"}, {9.99}, kCrcOrganic),
        weak("hydrofluoric", QT_TRANSLATE_NOOP("velmora::model::Substance", "Hydrofluoric acid"),
             {"HF", "F^-"}, {3.17}, kHarris),
        weak("hydrocyanic", QT_TRANSLATE_NOOP("velmora::model::Substance", "Hydrocyanic acid"),
             {"HCN", "CN^-"}, {9.21}, kCrcInorganic),
        weak("nitrous", QT_TRANSLATE_NOOP("velmora::model::Substance", "Nitrous acid"),
             {"HNO2", "NO2^-"}, {3.25}, kCrcInorganic),
        weak("hypochlorous", QT_TRANSLATE_NOOP("velmora::model::Substance", "Hypochlorous acid"),
             {"HOCl", "OCl^-"}, {7.53}, kHarris),
        weak("boric", QT_TRANSLATE_NOOP("velmora::model::Substance", "Boric acid"),
             {"H3BO3", "H2BO3^-"}, {9.237}, kHarris),
        weak("ammonia", QT_TRANSLATE_NOOP("velmora::model::Substance", "Ammonia"), {"NH4^+", "NH3"},
             {9.245}, kHarris),
        weak("methylamine", QT_TRANSLATE_NOOP("velmora::model::Substance", "Methylamine"),
             {"CH3NH3^+", "CH3NH2"}, {10.66}, kCrcOrganic),
        weak("dimethylamine", QT_TRANSLATE_NOOP("velmora::model::Substance", "Dimethylamine"),
             {"(CH3)2NH2^+", "(CH3)2NH"}, {10.73}, kCrcOrganic),
        weak("trimethylamine", QT_TRANSLATE_NOOP("velmora::model::Substance", "Trimethylamine"),
             {"(CH3)3NH^+", "(CH3)3N"}, {9.80}, kCrcOrganic),
        weak("ethylamine", QT_TRANSLATE_NOOP("velmora::model::Substance", "Ethylamine"),
             {"C2H5NH3^+", "C2H5NH2"}, {10.65}, kCrcOrganic),
        weak("ethanolamine", QT_TRANSLATE_NOOP("velmora::model::Substance", "Ethanolamine"),
             {"HOC2H4NH3^+", "HOC2H4NH2"}, {9.50}, kCrcOrganic),
        weak("pyridine", QT_TRANSLATE_NOOP("velmora::model::Substance", "Pyridine"),
             {"C5H5NH^+", "C5H5N"}, {5.23}, kCrcOrganic),
        weak("aniline", QT_TRANSLATE_NOOP("velmora::model::Substance", "Aniline"),
             {"C6H5NH3^+", "C6H5NH2"}, {4.60}, kHarris),
        weak("hydrazine", QT_TRANSLATE_NOOP("velmora::model::Substance", "Hydrazine"),
             {"N2H5^+", "N2H4"}, {8.10}, kCrcInorganic),
        weak("hydroxylamine", QT_TRANSLATE_NOOP("velmora::model::Substance", "Hydroxylamine"),
             {"NH3OH^+", "NH2OH"}, {5.96}, kCrcInorganic),
        weak("imidazole", QT_TRANSLATE_NOOP("velmora::model::Substance", "Imidazole"),
             {"HIm^+", "Im"}, {6.993}, kGoldberg, {36.64}),
        weak("tris", QT_TRANSLATE_NOOP("velmora::model::Substance", "Tris"), {"HTris^+", "Tris"},
             {8.072}, kGoldberg, {47.45}),
        weak("mes", QT_TRANSLATE_NOOP("velmora::model::Substance", "MES"), {"HMES", "MES^-"},
             {6.270}, kGoldberg, {14.8}),
        weak("mops", QT_TRANSLATE_NOOP("velmora::model::Substance", "MOPS"), {"HMOPS", "MOPS^-"},
             {7.184}, kGoldberg, {21.1}),
        weak("hepes", QT_TRANSLATE_NOOP("velmora::model::Substance", "HEPES"),
             {"HHEPES", "HEPES^-"}, {7.564}, kGoldberg, {20.4}),
        weak("hydrogen-sulfate", QT_TRANSLATE_NOOP("velmora::model::Substance", "Hydrogen sulfate"),
             {"HSO4^-", "SO4^2-"}, {1.99}, kCrcInorganic),
        // The source gives the second constant only to a whole number: S2- is hardly
        // measurable in water.
        writtenTo(weak("hydrogen-sulfide",
                       QT_TRANSLATE_NOOP("velmora::model::Substance", "Hydrogen sulfide"),
                       {"H2S", "HS^-", "S^2-"}, {7.05, 19}, kCrcInorganic),
                  {2, 0}),
        weak("malonic", QT_TRANSLATE_NOOP("velmora::model::Substance", "Malonic acid"),
             {"H2C3H2O4", "HC3H2O4^-", "C3H2O4^2-"}, {2.85, 5.70}, kCrcOrganic),
        weak("succinic", QT_TRANSLATE_NOOP("velmora::model::Substance", "Succinic acid"),
             {"H2C4H4O4", "HC4H4O4^-", "C4H4O4^2-"}, {4.21, 5.64}, kCrcOrganic),
        weak("tartaric", QT_TRANSLATE_NOOP("velmora::model::Substance", "Tartaric acid"),
             {"H2C4H4O6", "HC4H4O6^-", "C4H4O6^2-"}, {2.98, 4.34}, kCrcOrganic),
        weak("maleic", QT_TRANSLATE_NOOP("velmora::model::Substance", "Maleic acid"),
             {"H2C4H2O4", "HC4H2O4^-", "C4H2O4^2-"}, {1.92, 6.23}, kCrcOrganic),
        weak("fumaric", QT_TRANSLATE_NOOP("velmora::model::Substance", "Fumaric acid"),
             {"H2C4H2O4", "HC4H2O4^-", "C4H2O4^2-"}, {3.03, 4.44}, kCrcOrganic),
        weak("phthalic", QT_TRANSLATE_NOOP("velmora::model::Substance", "Phthalic acid"),
             {"H2C8H4O4", "HC8H4O4^-", "C8H4O4^2-"}, {2.94, 5.43}, kCrcOrganic),
        weak("ascorbic", QT_TRANSLATE_NOOP("velmora::model::Substance", "Ascorbic acid"),
             {"H2C6H6O6", "HC6H6O6^-", "C6H6O6^2-"}, {4.10, 11.79}, kHarris),
        weak("salicylic", QT_TRANSLATE_NOOP("velmora::model::Substance", "Salicylic acid"),
             {"H2C7H4O3", "HC7H4O3^-", "C7H4O3^2-"}, {2.98, 13.6}, kCrcOrganic),
        weak("alanine", QT_TRANSLATE_NOOP("velmora::model::Substance", "Alanine"),
             {"H2Ala^+", "HAla", "Ala^-"}, {2.34, 9.69}, kCrcAminoAcids),
        weak("histidine", QT_TRANSLATE_NOOP("velmora::model::Substance", "Histidine"),
             {"H3His^2+", "H2His^+", "HHis", "His^-"}, {1.82, 6.00, 9.17}, kCrcAminoAcids),
        weak("aspartic", QT_TRANSLATE_NOOP("velmora::model::Substance", "Aspartic acid"),
             {"H3Asp^+", "H2Asp", "HAsp^-", "Asp^2-"}, {1.99, 3.90, 9.90}, kCrcAminoAcids),
        weak("glutamic", QT_TRANSLATE_NOOP("velmora::model::Substance", "Glutamic acid"),
             {"H3Glu^+", "H2Glu", "HGlu^-", "Glu^2-"}, {2.16, 4.15, 9.58}, kCrcAminoAcids),
        weak("lysine", QT_TRANSLATE_NOOP("velmora::model::Substance", "Lysine"),
             {"H3Lys^2+", "H2Lys^+", "HLys", "Lys^-"}, {2.18, 8.95, 10.53}, kCrcAminoAcids),
        weak("cysteine", QT_TRANSLATE_NOOP("velmora::model::Substance", "Cysteine"),
             {"H3Cys^+", "H2Cys", "HCys^-", "Cys^2-"}, {1.71, 8.33, 10.78}, kCrcAminoAcids),
    };
    all.insert(all.end(), systems.begin(), systems.end());
    // Stable by the number of protons, so the listing runs from mono- to tetraprotic.
    std::stable_sort(all.begin(), all.end(), [](const Substance& a, const Substance& b) {
        return a.pKa.size() < b.pKa.size();
    });

    const std::vector<Substance> others{
        ionic("hydrochloric", QT_TRANSLATE_NOOP("velmora::model::Substance", "Hydrochloric acid"),
              Kind::StrongAcid, "Cl^-", "H^+"),
        ionic("hydrobromic", QT_TRANSLATE_NOOP("velmora::model::Substance", "Hydrobromic acid"),
              Kind::StrongAcid, "Br^-", "H^+"),
        ionic("hydroiodic", QT_TRANSLATE_NOOP("velmora::model::Substance", "Hydroiodic acid"),
              Kind::StrongAcid, "I^-", "H^+"),
        ionic("nitric", QT_TRANSLATE_NOOP("velmora::model::Substance", "Nitric acid"),
              Kind::StrongAcid, "NO3^-", "H^+"),
        ionic("perchloric", QT_TRANSLATE_NOOP("velmora::model::Substance", "Perchloric acid"),
              Kind::StrongAcid, "ClO4^-", "H^+"),
        form("sulfuric", QT_TRANSLATE_NOOP("velmora::model::Substance", "Sulfuric acid"),
             Kind::StrongAcid, "hydrogen-sulfate", 0, "H^+"),
        ionic("sodium-hydroxide",
              QT_TRANSLATE_NOOP("velmora::model::Substance", "Sodium hydroxide"), Kind::StrongBase,
              "Na^+", "OH^-"),
        ionic("potassium-hydroxide",
              QT_TRANSLATE_NOOP("velmora::model::Substance", "Potassium hydroxide"),
              Kind::StrongBase, "K^+", "OH^-"),
        ionic("sodium-chloride", QT_TRANSLATE_NOOP("velmora::model::Substance", "Sodium chloride"),
              Kind::Inert, "Cl^-", "Na^+"),
        ionic("potassium-chloride",
              QT_TRANSLATE_NOOP("velmora::model::Substance", "Potassium chloride"), Kind::Inert,
              "Cl^-", "K^+"),
        ionic("potassium-nitrate",
              QT_TRANSLATE_NOOP("velmora::model::Substance", "Potassium nitrate"), Kind::Inert,
              "NO3^-", "K^+"),
        form("sodium-formate", QT_TRANSLATE_NOOP("velmora::model::Substance", "Sodium formate"),
             Kind::Salt, "formic", 1, "Na^+"),
        form("sodium-acetate", QT_TRANSLATE_NOOP("velmora::model::Substance", "Sodium acetate"),
             Kind::Salt, "acetic", 1, "Na^+"),
        form("sodium-benzoate", QT_TRANSLATE_NOOP("velmora::model::Substance", "Sodium benzoate"),
             Kind::Salt, "benzoic", 1, "Na^+"),
        form("sodium-fluoride", QT_TRANSLATE_NOOP("velmora::model::Substance", "Sodium fluoride"),
             Kind::Salt, "hydrofluoric", 1, "Na^+"),
        form("sodium-cyanide", QT_TRANSLATE_NOOP("velmora::model::Substance", "Sodium cyanide"),
             Kind::Salt, "hydrocyanic", 1, "Na^+"),
        form("sodium-nitrite", QT_TRANSLATE_NOOP("velmora::model::Substance", "Sodium nitrite"),
             Kind::Salt, "nitrous", 1, "Na^+"),
        form("sodium-hypochlorite",
             QT_TRANSLATE_NOOP("velmora::model::Substance", "Sodium hypochlorite"), Kind::Salt,
             "hypochlorous", 1, "Na^+"),
        form("ammonium-chloride",
             QT_TRANSLATE_NOOP("velmora::model::Substance", "Ammonium chloride"), Kind::Salt,
             "ammonia", 0, "Cl^-"),
        form("tris-hydrochloride",
             QT_TRANSLATE_NOOP("velmora::model::Substance", "Tris hydrochloride"), Kind::Salt,
             "tris", 0, "Cl^-"),
        form("sodium-hydrogen-sulfate",
             QT_TRANSLATE_NOOP("velmora::model::Substance", "Sodium hydrogen sulfate"), Kind::Salt,
             "hydrogen-sulfate", 0, "Na^+"),
        form("sodium-sulfate", QT_TRANSLATE_NOOP("velmora::model::Substance", "Sodium sulfate"),
             Kind::Salt, "hydrogen-sulfate", 1, "Na^+"),
        form("sodium-oxalate", QT_TRANSLATE_NOOP("velmora::model::Substance", "Sodium oxalate"),
             Kind::Salt, "oxalic", 2, "Na^+"),
        form("sodium-hydrogen-carbonate",
             QT_TRANSLATE_NOOP("velmora::model::Substance", "Sodium hydrogen carbonate"),
             Kind::Salt, "carbonic", 1, "Na^+"),
        form("sodium-carbonate", QT_TRANSLATE_NOOP("velmora::model::Substance", "Sodium carbonate"),
             Kind::Salt, "carbonic", 2, "Na^+"),
        form("potassium-hydrogen-phthalate",
             QT_TRANSLATE_NOOP("velmora::model::Substance", "Potassium hydrogen phthalate"),
             Kind::Salt, "phthalic", 1, "K^+"),
        form("sodium-dihydrogen-phosphate",
             QT_TRANSLATE_NOOP("velmora::model::Substance", "Sodium dihydrogen phosphate"),
             Kind::Salt, "phosphoric", 1, "Na^+"),
        form("potassium-dihydrogen-phosphate",
             QT_TRANSLATE_NOOP("velmora::model::Substance", "Potassium dihydrogen phosphate"),
             Kind::Salt, "phosphoric", 1, "K^+"),
        form("disodium-hydrogen-phosphate",
             QT_TRANSLATE_NOOP("velmora::model::Substance", "Disodium hydrogen phosphate"),
             Kind::Salt, "phosphoric", 2, "Na^+"),
        form("dipotassium-hydrogen-phosphate",
             QT_TRANSLATE_NOOP("velmora::model::Substance", "Dipotassium hydrogen phosphate"),
             Kind::Salt, "phosphoric", 2, "K^+"),
        form("trisodium-phosphate",
             QT_TRANSLATE_NOOP("velmora::model::Substance", "Trisodium phosphate"), Kind::Salt,
             "phosphoric", 3, "Na^+"),
        form("trisodium-citrate",
             QT_TRANSLATE_NOOP("velmora::model::Substance", "Trisodium citrate"), Kind::Salt,
             "citric", 3, "Na^+"),
        form("disodium-edta", QT_TRANSLATE_NOOP("velmora::model::Substance", "Disodium EDTA"),
             Kind::Salt, "edta", 2, "Na^+"),
    };
    all.insert(all.end(), others.begin(), others.end());
    return all;
}

const std::vector<Substance>& table() {
    static const std::vector<Substance> all = build();
    return all;
}

std::string lowercase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

/**
 * Decimals a system's values are written with: as many as the most precise of them needs, one to
 * three, as the example acids do ("2.15, 7.20, 12.35", "1.82, 6.00, 9.17").
 */
int decimalsOf(const std::vector<double>& values) {
    int decimals = 1;
    for (double value : values) {
        while (decimals < 3) {
            const double scaled = value * std::pow(10.0, decimals);
            if (std::abs(scaled - std::round(scaled)) < 1e-6) {
                break;
            }
            ++decimals;
        }
    }
    return decimals;
}

/** `value` with `decimals` decimals and a point, whatever the locale. */
std::string number(double value, int decimals) {
    char buffer[32];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return error == std::errc{} ? std::string(buffer, end) : std::string{};
}

std::string joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) {
        text += (text.empty() ? "" : ", ") + part;
    }
    return text;
}

} // namespace

std::span<const Substance> substances() {
    return table();
}

const Substance* findSubstance(const std::string& key) {
    const std::string wanted = lowercase(key);
    for (const Substance& s : table()) {
        if (s.key == wanted) {
            return &s;
        }
    }
    return nullptr;
}

const Substance& systemOf(const Substance& substance) {
    if (substance.isForm()) {
        if (const Substance* system = findSubstance(substance.system)) {
            return *system;
        }
    }
    return substance;
}

int formulaCharge(const std::string& formula) {
    const std::size_t caret = formula.rfind('^');
    if (caret == std::string::npos || caret + 1 >= formula.size()) {
        return 0;
    }
    const char sign = formula.back();
    int magnitude = 1;
    if (caret + 2 < formula.size()) {
        magnitude = 0;
        std::from_chars(formula.data() + caret + 1, formula.data() + formula.size() - 1, magnitude);
    }
    return sign == '-' ? -magnitude : sign == '+' ? magnitude : 0;
}

int counterionCount(const Substance& substance) {
    const Substance& system = systemOf(substance);
    const std::size_t index = static_cast<std::size_t>(substance.species);
    const int ion = formulaCharge(substance.counterion);
    if (ion == 0 || index >= system.formulas.size()) {
        return 0;
    }
    return std::abs(formulaCharge(system.formulas[index]) / ion);
}

std::string substanceLine(const Substance& substance, const Translate& translate) {
    const auto tr = [&](const char* context, const char* text) {
        return translate ? translate(context, text) : std::string(text);
    };
    const Substance& system = systemOf(substance);
    std::string line = substance.key + "  " + tr(substance.context, substance.name) + "  ";
    if (substance.isForm() || !substance.counterion.empty()) {
        const std::size_t index = static_cast<std::size_t>(substance.species);
        const std::string dissolved =
            index < system.formulas.size() ? system.formulas[index] : std::string{};
        const int count = counterionCount(substance);
        line += dissolved + " + " + (count > 1 ? std::to_string(count) + " " : "") +
                substance.counterion;
        if (substance.isForm()) {
            line += " (" + system.key + ")";
        }
    } else {
        line += joined(system.formulas);
    }
    switch (substance.kind) {
    case Kind::StrongAcid:
        //: A substance's kind in --list-substances.
        line += "  " + tr(kSubstanceContext,
                          QT_TRANSLATE_NOOP("velmora::model::Substance", "strong acid"));
        break;
    case Kind::StrongBase:
        line += "  " + tr(kSubstanceContext,
                          QT_TRANSLATE_NOOP("velmora::model::Substance", "strong base"));
        break;
    case Kind::Inert:
        line += "  " + tr(kSubstanceContext,
                          QT_TRANSLATE_NOOP("velmora::model::Substance", "no acid or base"));
        break;
    case Kind::Weak:
    case Kind::Salt:
        break;
    }
    if (!system.pKa.empty()) {
        std::vector<std::string> values;
        const int decimals = decimalsOf(system.pKa);
        for (std::size_t i = 0; i < system.pKa.size(); ++i) {
            values.push_back(
                number(system.pKa[i], i < system.decimals.size() ? system.decimals[i] : decimals));
        }
        line += "  pKa " + joined(values);
        line += "  (" + tr(kSourceContext, system.source) + ")";
    }
    return line;
}

} // namespace velmora::model
