// SPDX-License-Identifier: GPL-3.0-or-later
// The library of acids, bases and salts: its entries' formulas, charges and constants hang
// together, the example acids are the same, the named forms point at real species, and the
// constants agree with published values and say where they come from.

#include "model/mixture.h"
#include "model/presets.h"
#include "model/substances.h"

#include <QRegularExpression>
#include <QtTest>

#include <cmath>
#include <set>
#include <string>
#include <vector>

using namespace velmora::model;

namespace {

/** The charge written after a formula's caret, read independently of the library. */
int chargeOf(const QString& formula) {
    static const QRegularExpression suffix(QStringLiteral("\\^(\\d*)([+-])$"));
    const QRegularExpressionMatch match = suffix.match(formula);
    if (!match.hasMatch()) {
        return 0;
    }
    const int magnitude = match.captured(1).isEmpty() ? 1 : match.captured(1).toInt();
    return match.captured(2) == QLatin1String("-") ? -magnitude : magnitude;
}

int chargeOf(const std::string& formula) {
    return chargeOf(QString::fromStdString(formula));
}

/** One data row per entry, named by its key. */
void rowPerSubstance() {
    QTest::addColumn<QString>("key");
    for (const Substance& s : substances()) {
        QTest::newRow(s.key.c_str()) << QString::fromStdString(s.key);
    }
}

const Substance& entry(const QString& key) {
    const Substance* s = findSubstance(key.toStdString());
    if (s == nullptr) {
        qFatal("no substance %s", qPrintable(key));
    }
    return *s;
}

} // namespace

class TestSubstances : public QObject {
    Q_OBJECT

private slots:
    void systemsHaveOneFormulaMoreThanConstants_data() { rowPerSubstance(); }
    void systemsHaveOneFormulaMoreThanConstants() {
        QFETCH(QString, key);
        const Substance& s = entry(key);
        if (s.isForm()) {
            QVERIFY(s.formulas.empty() && s.pKa.empty());
            return;
        }
        QCOMPARE(s.formulas.size(), s.pKa.size() + 1);
        QVERIFY2(s.enthalpies.empty() || s.enthalpies.size() == s.pKa.size(),
                 "one enthalpy per step or none");
    }

    void chargesStepDownByOne_data() { rowPerSubstance(); }
    void chargesStepDownByOne() {
        QFETCH(QString, key);
        const Substance& s = entry(key);
        if (s.isForm()) {
            return;
        }
        QCOMPARE(s.charge, chargeOf(s.formulas.front()));
        for (std::size_t i = 0; i < s.formulas.size(); ++i) {
            QCOMPARE(chargeOf(s.formulas[i]), s.charge - static_cast<int>(i));
            QCOMPARE(formulaCharge(s.formulas[i]), chargeOf(s.formulas[i]));
        }
    }

    void constantsRiseWithinRange_data() { rowPerSubstance(); }
    void constantsRiseWithinRange() {
        QFETCH(QString, key);
        const Substance& s = entry(key);
        for (std::size_t i = 0; i < s.pKa.size(); ++i) {
            QVERIFY2(s.pKa[i] >= -5.0 && s.pKa[i] <= 25.0, qPrintable(QString::number(s.pKa[i])));
            if (i > 0) {
                QVERIFY2(s.pKa[i] >= s.pKa[i - 1], "constants must not decrease");
            }
        }
        // Where constants stand, the reader is told where they come from.
        QVERIFY(s.pKa.empty() || std::string(s.source).size() > 10);
        QVERIFY(std::string(s.name).size() > 1);
    }

    void keysAreUniqueAndWellFormed() {
        static const QRegularExpression wellFormed(QStringLiteral("^[a-z0-9]+(-[a-z0-9]+)*$"));
        std::set<std::string> seen;
        for (const Substance& s : substances()) {
            QVERIFY2(wellFormed.match(QString::fromStdString(s.key)).hasMatch(), s.key.c_str());
            QVERIFY2(seen.insert(s.key).second, s.key.c_str());
        }
        QVERIFY(seen.size() >= 60);
    }

    void lookupIgnoresCase_data() {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("key");
        QTest::newRow("lower") << "acetic"
                               << "acetic";
        QTest::newRow("capital") << "Ammonia"
                                 << "ammonia";
        QTest::newRow("upper, hyphenated") << "SODIUM-ACETATE"
                                           << "sodium-acetate";
        QTest::newRow("unknown") << "vinegar"
                                 << "";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("prefix only") << "sodium"
                                     << "";
    }
    void lookupIgnoresCase() {
        QFETCH(QString, asked);
        QFETCH(QString, key);
        const Substance* found = findSubstance(asked.toStdString());
        QCOMPARE(found ? QString::fromStdString(found->key) : QString(), key);
    }

    void listingOrderIsStable() {
        // Weak systems by their number of protons, the example acids leading each group, the
        // named forms last.
        std::size_t protons = 0;
        bool forms = false;
        for (const Substance& s : substances()) {
            const bool ownSystem = s.kind == SubstanceKind::Weak;
            QVERIFY2(!(forms && ownSystem), s.key.c_str());
            forms = forms || !ownSystem;
            if (ownSystem) {
                QVERIFY2(s.pKa.size() >= protons, s.key.c_str());
                protons = s.pKa.size();
            }
        }
        QCOMPARE(substances().front().key, presets().front().key);
        // The example acids keep the order of the plot's menu.
        std::vector<std::string> examples;
        for (const Substance& s : substances()) {
            if (std::string(s.context) == kPresetContext) {
                examples.push_back(s.key);
            }
        }
        std::vector<std::string> menu;
        for (const Preset& p : presets()) {
            menu.push_back(p.key);
        }
        QCOMPARE(examples, menu);
    }

    void exampleAcidsAreThePresets_data() {
        QTest::addColumn<QString>("key");
        for (const Preset& p : presets()) {
            QTest::newRow(p.key.c_str()) << QString::fromStdString(p.key);
        }
    }
    void exampleAcidsAreThePresets() {
        QFETCH(QString, key);
        const Preset& p = *findPreset(key.toStdString());
        const Substance* s = findSubstance(p.key);
        QVERIFY2(s != nullptr, p.key.c_str());
        QCOMPARE(std::string(s->name), p.name);
        QCOMPARE(s->formulas, p.formulas);
        QCOMPARE(s->pKa, p.pKa);
        QCOMPARE(std::string(s->source), p.source);
        QCOMPARE(std::string(s->context), std::string(kPresetContext));
        QVERIFY(s->kind == SubstanceKind::Weak);
        // No other entry offers the same acid, under its formula, with other values.
        for (const Substance& other : substances()) {
            if (&other != s && !other.formulas.empty() &&
                other.formulas.front() == p.formulas.front()) {
                QVERIFY2(other.pKa == p.pKa, other.key.c_str());
                QCOMPARE(std::string(other.source), p.source);
            }
        }
    }

    // The acids the plot's menu offered before keep their keys for recipes and --add, but only
    // the example acids are presets.
    void presetsAreExactlyTheExampleAcids_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("preset");
        QTest::newRow("sulfurous acid") << "sulfurous" << true;
        QTest::newRow("hydrogen sulfide") << "hydrogen-sulfide" << false;
        QTest::newRow("oxalic acid") << "oxalic" << true;
        QTest::newRow("formic acid") << "formic" << false;
        QTest::newRow("sodium acetate") << "sodium-acetate" << false;
    }
    void presetsAreExactlyTheExampleAcids() {
        QFETCH(QString, key);
        QFETCH(bool, preset);
        QVERIFY(findSubstance(key.toStdString()) != nullptr);
        QCOMPARE(findPreset(key.toStdString()) != nullptr, preset);
        QCOMPARE(std::string(entry(key).context) == kPresetContext, preset);
    }

    // Where constants stand, they come with a citation a reader can look up: a book's edition or
    // a paper's year, and the temperature; the example acids name the edition of a book.
    void sourcesAreCitations_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("example");
        for (const Substance& s : substances()) {
            if (!s.isForm() && !s.pKa.empty()) {
                QTest::newRow(s.key.c_str())
                    << QString::fromStdString(s.key) << (findPreset(s.key) != nullptr);
            }
        }
    }
    void sourcesAreCitations() {
        QFETCH(QString, key);
        QFETCH(bool, example);
        const QString source = QString::fromUtf8(entry(key).source);
        static const QRegularExpression edition(QStringLiteral(", \\d+(st|nd|rd|th) ed\\., "));
        static const QRegularExpression year(QStringLiteral(" \\((19|20)\\d\\d\\);"));
        const bool book = source.contains(edition);
        QVERIFY2(book || (!example && source.contains(year)), qPrintable(source));
        QVERIFY2(source.contains(QStringLiteral("; 25 °C")), qPrintable(source));
        for (const char* vague : {"textbook", "common", "older", "usual"}) {
            QVERIFY2(!source.contains(QLatin1String(vague)), qPrintable(source));
        }
    }

    // Every system of the library can go into a mixture as it stands, also one with a constant
    // far above the scroll bars' range (H2S's second, 19).
    void mixtureTakesEverySystem_data() {
        QTest::addColumn<QString>("key");
        for (const Substance& s : substances()) {
            if (!s.isForm() && !s.pKa.empty()) {
                QTest::newRow(s.key.c_str()) << QString::fromStdString(s.key);
            }
        }
    }
    void mixtureTakesEverySystem() {
        QFETCH(QString, key);
        const Substance& s = entry(key);
        WeakSystem system;
        system.pK = s.pKa;
        system.charge = s.charge;
        system.formulas = s.formulas;
        system.substance = s.key;
        for (int species = 0; species <= static_cast<int>(s.pKa.size()); ++species) {
            system.dissolvedAs = species;
            const Problem problem = problemWithSystem(system);
            QVERIFY2(problem.empty(), problem.english().c_str());
        }
    }

    // Values are written with as many decimals as the most precise of them has, one at least.
    void exampleValuesDecimals_data() {
        QTest::addColumn<QList<double>>("pKa");
        QTest::addColumn<int>("decimals");
        QTest::newRow("tenths") << QList<double>{7.0, 12.9} << 1;
        QTest::newRow("whole numbers") << QList<double>{4.0, 9.0} << 1;
        QTest::newRow("hundredths") << QList<double>{2.15, 7.20, 12.35} << 2;
        QTest::newRow("one value in hundredths last") << QList<double>{2.0, 6.5, 10.37} << 2;
        QTest::newRow("one value in hundredths first") << QList<double>{1.25, 4.3} << 2;
        QTest::newRow("a single value") << QList<double>{4.76} << 2;
        QTest::newRow("a single hundredth") << QList<double>{2.01, 7.0} << 2;
    }
    void exampleValuesDecimals() {
        QFETCH(QList<double>, pKa);
        QFETCH(int, decimals);
        Preset preset;
        preset.pKa.assign(pKa.begin(), pKa.end());
        QCOMPARE(preset.decimals(), decimals);
    }

    void formsPointAtASpecies_data() {
        QTest::addColumn<QString>("key");
        for (const Substance& s : substances()) {
            if (s.isForm() || s.kind != SubstanceKind::Weak) {
                QTest::newRow(s.key.c_str()) << QString::fromStdString(s.key);
            }
        }
    }
    void formsPointAtASpecies() {
        QFETCH(QString, key);
        const Substance& s = entry(key);
        const Substance* system = &s;
        if (s.isForm()) {
            system = findSubstance(s.system);
            QVERIFY2(system != nullptr, s.system.c_str());
            QVERIFY(!system->isForm());
            QVERIFY(system->kind == SubstanceKind::Weak);
            QCOMPARE(&systemOf(s), system);
        }
        QVERIFY(s.species >= 0 && s.species < static_cast<int>(system->formulas.size()));
        // The counter-ions balance the dissolved species: the substance is neutral.
        const int species = chargeOf(system->formulas[static_cast<std::size_t>(s.species)]);
        const int ion = chargeOf(s.counterion);
        QVERIFY2(species != 0 && ion != 0 && species * ion < 0 && species % ion == 0,
                 qPrintable(key));
        QCOMPARE(species + counterionCount(s) * ion, 0);
        switch (s.kind) {
        case SubstanceKind::StrongAcid:
            QCOMPARE(s.counterion, std::string("H^+"));
            break;
        case SubstanceKind::StrongBase:
            QCOMPARE(s.counterion, std::string("OH^-"));
            break;
        case SubstanceKind::Inert:
            QVERIFY(system->pKa.empty());
            [[fallthrough]];
        case SubstanceKind::Salt:
            QVERIFY(s.counterion != "H^+" && s.counterion != "OH^-");
            break;
        case SubstanceKind::Weak:
            QFAIL("a weak system is not a form");
        }
    }

    void namedFormsDissolveAsTheirSpecies_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("species");
        QTest::addColumn<int>("counterions");
        QTest::newRow("sodium acetate") << "sodium-acetate"
                                        << "Ac^-" << 1;
        QTest::newRow("ammonium chloride") << "ammonium-chloride"
                                           << "NH4^+" << 1;
        QTest::newRow("sodium carbonate") << "sodium-carbonate"
                                          << "CO3^2-" << 2;
        QTest::newRow("sodium hydrogen carbonate") << "sodium-hydrogen-carbonate"
                                                   << "HCO3^-" << 1;
        QTest::newRow("potassium dihydrogen phosphate") << "potassium-dihydrogen-phosphate"
                                                        << "H2PO4^-" << 1;
        QTest::newRow("disodium hydrogen phosphate") << "disodium-hydrogen-phosphate"
                                                     << "HPO4^2-" << 2;
        QTest::newRow("trisodium phosphate") << "trisodium-phosphate"
                                             << "PO4^3-" << 3;
        QTest::newRow("sodium fluoride") << "sodium-fluoride"
                                         << "F^-" << 1;
        QTest::newRow("disodium EDTA") << "disodium-edta"
                                       << "H2Y^2-" << 2;
        QTest::newRow("sulfuric acid, first proton given") << "sulfuric"
                                                           << "HSO4^-" << 1;
        QTest::newRow("sodium hydroxide") << "sodium-hydroxide"
                                          << "Na^+" << 1;
        QTest::newRow("sodium chloride") << "sodium-chloride"
                                         << "Cl^-" << 1;
    }
    void namedFormsDissolveAsTheirSpecies() {
        QFETCH(QString, key);
        QFETCH(QString, species);
        QFETCH(int, counterions);
        const Substance& s = entry(key);
        const Substance& system = systemOf(s);
        QCOMPARE(QString::fromStdString(system.formulas[static_cast<std::size_t>(s.species)]),
                 species);
        QCOMPARE(counterionCount(s), counterions);
    }

    void teachersListIsThere_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("protons");
        const auto weak = static_cast<int>(SubstanceKind::Weak);
        const auto strongAcid = static_cast<int>(SubstanceKind::StrongAcid);
        const auto strongBase = static_cast<int>(SubstanceKind::StrongBase);
        const auto inert = static_cast<int>(SubstanceKind::Inert);
        for (const char* key :
             {"formic",          "acetic",        "benzoic",        "lactic",   "hydrofluoric",
              "hydrocyanic",     "nitrous",       "hypochlorous",   "boric",    "ammonia",
              "methylamine",     "dimethylamine", "trimethylamine", "pyridine", "aniline",
              "hydrazine",       "hydroxylamine", "tris",           "hepes",    "mes",
              "hydrogen-sulfate"}) {
            QTest::newRow(key) << key << weak << 1;
        }
        for (const char* key : {"sulfurous", "malonic", "succinic", "tartaric", "maleic", "fumaric",
                                "phthalic", "ascorbic", "salicylic", "carbonic", "oxalic",
                                "hydrogen-sulfide", "glycine", "alanine"}) {
            QTest::newRow(key) << key << weak << 2;
        }
        for (const char* key : {"citric", "phosphoric", "arsenic", "histidine", "aspartic",
                                "glutamic", "lysine", "cysteine"}) {
            QTest::newRow(key) << key << weak << 3;
        }
        QTest::newRow("edta") << "edta" << weak << 4;
        for (const char* key :
             {"hydrochloric", "nitric", "perchloric", "hydrobromic", "hydroiodic"}) {
            QTest::newRow(key) << key << strongAcid << 0;
        }
        QTest::newRow("sulfuric") << "sulfuric" << strongAcid << 1;
        QTest::newRow("sodium-hydroxide") << "sodium-hydroxide" << strongBase << 0;
        QTest::newRow("potassium-hydroxide") << "potassium-hydroxide" << strongBase << 0;
        for (const char* key : {"sodium-chloride", "potassium-chloride", "potassium-nitrate"}) {
            QTest::newRow(key) << key << inert << 0;
        }
    }
    void teachersListIsThere() {
        QFETCH(QString, key);
        QFETCH(int, kind);
        QFETCH(int, protons);
        const Substance& s = entry(key);
        QCOMPARE(static_cast<int>(s.kind), kind);
        QCOMPARE(static_cast<int>(systemOf(s).pKa.size()), protons);
    }

    // Published values, each with the tolerance the library's rounding allows.
    void constantsAgreeWithPublishedValues_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("step");
        QTest::addColumn<double>("published");
        QTest::addColumn<double>("tolerance");
        // Goldberg, Kishore, Lennen, J. Phys. Chem. Ref. Data 31, 231 (2002), 25 C, I = 0.
        QTest::newRow("acetic, Goldberg") << "acetic" << 0 << 4.756 << 0.005;
        QTest::newRow("ammonium, Goldberg") << "ammonia" << 0 << 9.245 << 0.0005;
        QTest::newRow("carbonic 1, Goldberg") << "carbonic" << 0 << 6.351 << 0.005;
        QTest::newRow("carbonic 2, Goldberg") << "carbonic" << 1 << 10.329 << 0.005;
        QTest::newRow("citric 1, Goldberg") << "citric" << 0 << 3.128 << 0.005;
        QTest::newRow("citric 2, Goldberg") << "citric" << 1 << 4.761 << 0.005;
        QTest::newRow("citric 3, Goldberg") << "citric" << 2 << 6.396 << 0.005;
        QTest::newRow("phosphoric 1, Goldberg") << "phosphoric" << 0 << 2.148 << 0.005;
        QTest::newRow("phosphoric 2, Goldberg") << "phosphoric" << 1 << 7.198 << 0.005;
        QTest::newRow("Tris, Goldberg") << "tris" << 0 << 8.072 << 0.0005;
        QTest::newRow("HEPES, Goldberg") << "hepes" << 0 << 7.564 << 0.0005;
        QTest::newRow("MES, Goldberg") << "mes" << 0 << 6.270 << 0.0005;
        // Skoog et al., Fundamentals of Analytical Chemistry, 9th ed., appendix 3: Ka1 = 7.11e-3,
        // Ka2 = 6.32e-8, Ka3 = 4.5e-13.
        QTest::newRow("phosphoric 1, Skoog Ka")
            << "phosphoric" << 0 << -std::log10(7.11e-3) << 0.005;
        QTest::newRow("phosphoric 2, Skoog Ka")
            << "phosphoric" << 1 << -std::log10(6.32e-8) << 0.005;
        QTest::newRow("phosphoric 3, Skoog Ka")
            << "phosphoric" << 2 << -std::log10(4.5e-13) << 0.005;
        // Harris, Quantitative Chemical Analysis, appendix G.
        QTest::newRow("HF, Harris") << "hydrofluoric" << 0 << 3.17 << 0.0005;
        QTest::newRow("HCN, Harris") << "hydrocyanic" << 0 << 9.21 << 0.0005;
        QTest::newRow("formic, Harris") << "formic" << 0 << 3.745 << 0.0055;
        QTest::newRow("benzoic, Harris") << "benzoic" << 0 << 4.202 << 0.005;
        QTest::newRow("hydroxylammonium, Harris") << "hydroxylamine" << 0 << 5.96 << 0.0005;
        QTest::newRow("malonic 2, Harris") << "malonic" << 1 << 5.696 << 0.005;
        QTest::newRow("succinic 1, Harris") << "succinic" << 0 << 4.207 << 0.005;
        // CRC Handbook of Chemistry and Physics, properties of amino acids, 25 C.
        QTest::newRow("glycine 1, CRC") << "glycine" << 0 << 2.34 << 0.0005;
        QTest::newRow("glycine 2, CRC") << "glycine" << 1 << 9.60 << 0.0005;
        QTest::newRow("histidine 2, CRC") << "histidine" << 1 << 6.00 << 0.0005;
        QTest::newRow("lysine 3, CRC") << "lysine" << 2 << 10.53 << 0.0005;
        QTest::newRow("alanine 2, CRC") << "alanine" << 1 << 9.69 << 0.0005;
        QTest::newRow("aspartic 2, CRC") << "aspartic" << 1 << 3.90 << 0.0005;
        QTest::newRow("glutamic 2, CRC") << "glutamic" << 1 << 4.15 << 0.0005;
        QTest::newRow("cysteine 2, CRC") << "cysteine" << 1 << 8.33 << 0.0005;
        // CRC Handbook of Chemistry and Physics, dissociation constants of inorganic acids and
        // bases, 25 C.
        QTest::newRow("nitrous, CRC") << "nitrous" << 0 << 3.25 << 0.0005;
        QTest::newRow("hydrogen sulfate, CRC") << "hydrogen-sulfate" << 0 << 1.99 << 0.0005;
        QTest::newRow("arsenic 1, CRC") << "arsenic" << 0 << 2.26 << 0.0005;
        QTest::newRow("arsenic 2, CRC") << "arsenic" << 1 << 6.76 << 0.0005;
        QTest::newRow("arsenic 3, CRC") << "arsenic" << 2 << 11.29 << 0.0005;
        QTest::newRow("hydrogen sulfide 1, CRC") << "hydrogen-sulfide" << 0 << 7.05 << 0.0005;
        // Given to a whole number only.
        QTest::newRow("hydrogen sulfide 2, CRC") << "hydrogen-sulfide" << 1 << 19.0 << 0.5;
        // Given to one decimal only.
        QTest::newRow("sulfurous 2, CRC") << "sulfurous" << 1 << 7.2 << 0.05;
        QTest::newRow("hydrazinium, CRC") << "hydrazine" << 0 << 8.10 << 0.0005;
        // CRC, dissociation constants of organic acids and bases, 25 C.
        QTest::newRow("lactic, CRC") << "lactic" << 0 << 3.86 << 0.0005;
        QTest::newRow("phenol, CRC") << "phenol" << 0 << 9.99 << 0.0005;
        QTest::newRow("methylammonium, CRC") << "methylamine" << 0 << 10.66 << 0.0005;
        QTest::newRow("pyridinium, CRC") << "pyridine" << 0 << 5.23 << 0.0005;
        QTest::newRow("tartaric 2, CRC") << "tartaric" << 1 << 4.34 << 0.0005;
        QTest::newRow("maleic 2, CRC") << "maleic" << 1 << 6.23 << 0.0005;
        // Harris, appendix G.
        QTest::newRow("oxalic 1, Harris") << "oxalic" << 0 << 1.25 << 0.0005;
        QTest::newRow("oxalic 2, Harris") << "oxalic" << 1 << 4.266 << 0.005;
        QTest::newRow("sulfurous 1, Harris") << "sulfurous" << 0 << 1.857 << 0.005;
        QTest::newRow("sulfurous 2, Harris") << "sulfurous" << 1 << 7.172 << 0.005;
        // Harris, appendix G, at I = 0.1 M.
        QTest::newRow("EDTA 1, Harris") << "edta" << 0 << 2.00 << 0.0005;
        QTest::newRow("EDTA 2, Harris") << "edta" << 1 << 2.69 << 0.0005;
        QTest::newRow("EDTA 3, Harris") << "edta" << 2 << 6.13 << 0.0005;
        QTest::newRow("EDTA 4, Harris") << "edta" << 3 << 10.37 << 0.0005;
        QTest::newRow("hypochlorous, Harris") << "hypochlorous" << 0 << 7.53 << 0.0005;
        QTest::newRow("anilinium, Harris") << "aniline" << 0 << 4.60 << 0.0015;
    }
    void constantsAgreeWithPublishedValues() {
        QFETCH(QString, key);
        QFETCH(int, step);
        QFETCH(double, published);
        QFETCH(double, tolerance);
        const Substance& system = systemOf(entry(key));
        QVERIFY(step < static_cast<int>(system.pKa.size()));
        const double value = system.pKa[static_cast<std::size_t>(step)];
        QVERIFY2(std::abs(value - published) <= tolerance + 1e-9,
                 qPrintable(QStringLiteral("%1 against %2").arg(value).arg(published)));
    }

    void enthalpiesAgreeWithGoldberg_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<double>("enthalpy");
        // Goldberg et al. 2002, standard enthalpy of the ionisation at 25 C, kJ/mol.
        QTest::newRow("Tris") << "tris" << 47.45;
        QTest::newRow("HEPES") << "hepes" << 20.4;
        QTest::newRow("MES") << "mes" << 14.8;
    }
    void enthalpiesAgreeWithGoldberg() {
        QFETCH(QString, key);
        QFETCH(double, enthalpy);
        const Substance& s = entry(key);
        QCOMPARE(s.enthalpies.size(), std::size_t{1});
        QCOMPARE(s.enthalpies.front(), enthalpy);
    }

    void listingLine_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("line");
        QTest::newRow("example acid")
            << "acetic"
            << "acetic  Acetic acid  HAc, Ac^-  pKa 4.76  (CRC Handbook of Chemistry and "
               "Physics, 97th ed., dissociation constants of organic acids and bases; 25 °C, "
               "I = 0)";
        QTest::newRow("salt with two counter-ions")
            << "sodium-carbonate"
            << "sodium-carbonate  Sodium carbonate  CO3^2- + 2 Na^+ (carbonic)  pKa 6.35, "
               "10.33  (CRC Handbook of Chemistry and Physics, 97th ed., dissociation constants "
               "of inorganic acids and bases; 25 °C, I = 0)";
        QTest::newRow("values written as precisely as the most precise")
            << "edta"
            << "edta  EDTA  H4Y, H3Y^-, H2Y^2-, HY^3-, Y^4-  pKa 2.00, 2.69, 6.13, 10.37  "
               "(Harris, Quantitative Chemical Analysis, 9th ed., appendix G; 25 °C, I = 0.1 M)";
        QTest::newRow("example acid with a note")
            << "sulfurous"
            << "sulfurous  Sulfurous acid  H2SO3, HSO3^-, SO3^2-  pKa 1.86, 7.17  (Harris, "
               "Quantitative Chemical Analysis, 9th ed., appendix G; 25 °C, I = 0)";
        QTest::newRow("each value as precise as its source gives it")
            << "hydrogen-sulfide"
            << "hydrogen-sulfide  Hydrogen sulfide  H2S, HS^-, S^2-  pKa 7.05, 19  (CRC Handbook "
               "of Chemistry and Physics, 97th ed., dissociation constants of inorganic acids "
               "and bases; 25 °C, I = 0)";
        QTest::newRow("a whole tenth keeps its zero")
            << "glycine"
            << "glycine  Glycine  H2Gly^+, HGly, Gly^-  pKa 2.34, 9.60  (CRC Handbook of "
               "Chemistry and Physics, 97th ed., properties of amino acids; 25 °C)";
        QTest::newRow("three decimals")
            << "tris"
            << "tris  Tris  HTris^+, Tris  pKa 8.072  (Goldberg, Kishore and Lennen, J. Phys. "
               "Chem. Ref. Data 31, 231 (2002); 25 °C, I = 0)";
        QTest::newRow("strong acid") << "hydrochloric"
                                     << "hydrochloric  Hydrochloric acid  Cl^- + H^+  strong acid";
        QTest::newRow("strong acid with a weak step")
            << "sulfuric"
            << "sulfuric  Sulfuric acid  HSO4^- + H^+ (hydrogen-sulfate)  strong acid  pKa 1.99  "
               "(CRC Handbook of Chemistry and Physics, 97th ed., dissociation constants of "
               "inorganic acids and bases; 25 °C, I = 0)";
        QTest::newRow("strong base")
            << "potassium-hydroxide"
            << "potassium-hydroxide  Potassium hydroxide  K^+ + OH^-  strong base";
        QTest::newRow("inert salt") << "potassium-nitrate"
                                    << "potassium-nitrate  Potassium nitrate  NO3^- + K^+  no acid "
                                       "or base";
    }
    void listingLine() {
        QFETCH(QString, key);
        QFETCH(QString, line);
        QCOMPARE(QString::fromStdString(substanceLine(entry(key))), line);
    }

    void listingLineTranslatesInTheEntrysContext() {
        std::vector<std::string> contexts;
        const Translate translate = [&](const char* context, const char* text) {
            contexts.emplace_back(context);
            return "[" + std::string(text) + "]";
        };
        const std::string line = substanceLine(entry(QStringLiteral("sodium-acetate")), translate);
        QCOMPARE(QString::fromStdString(line),
                 QStringLiteral("sodium-acetate  [Sodium acetate]  Ac^- + Na^+ (acetic)  pKa 4.76  "
                                "([CRC Handbook of Chemistry and Physics, 97th ed., dissociation "
                                "constants of organic acids and bases; 25 °C, I = 0])"));
        // The salt's name is the library's, the acid's source one of the shared citations.
        QCOMPARE(contexts, (std::vector<std::string>{kSubstanceContext, kSourceContext}));
    }
};

QTEST_APPLESS_MAIN(TestSubstances)
#include "test_substances.moc"
