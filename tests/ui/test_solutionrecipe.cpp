// SPDX-License-Identifier: GPL-3.0-or-later
// The solution window's inputs as a recipe and back: what a saved recipe gives when it is opened
// again, what the window refuses to open, and a titration with a weak titrant of the library.

#include "testsupport.h"

#include "io/recipefile.h"

#include "model/mixturetitration.h"

#include "ui/solution/solutionrecipe.h"
#include "ui/solution/substancelist.h"

#include <QtTest>

#include <cmath>

using namespace velmora;
using namespace velmora::ui;

Q_DECLARE_METATYPE(velmora::ui::SolutionInputs)

namespace {

ListedSubstance library(const char* key, double c) {
    ListedSubstance listed = listedFromLibrary(*model::findSubstance(key));
    listed.concentration = c;
    return listed;
}

ListedSubstance typedRow(std::vector<double> pK, bool base, int charge, int as, double c) {
    ListedSubstance listed = typedSubstance(base);
    listed.typed.pK = std::move(pK);
    listed.typed.charge = charge;
    listed.typed.dissolvedAs = as;
    listed.concentration = c;
    return listed;
}

/** A system for the reference balance: its pKa values, concentration and species dissolved. */
struct Reference {
    std::vector<double> pKa;
    double concentration;
    int dissolvedAs;
};

/**
 * The pH of ideal systems at 25 °C by bisection of the proton condition: each system dissolved
 * as species k has given k protons; at the pH it has given n̄ = Σ j·α_j, so
 * [H+] − [OH−] − Σ C·(n̄ − k) = 0.
 */
double referencePh(const std::vector<Reference>& systems) {
    const auto excess = [&](double pH) {
        const double h = std::pow(10.0, -pH);
        double sum = h - 1.0e-14 / h;
        for (const Reference& system : systems) {
            std::vector<double> weights{1.0};
            for (const double pKa : system.pKa) {
                weights.push_back(weights.back() * std::pow(10.0, -pKa) / h);
            }
            double total = 0.0;
            double given = 0.0;
            for (std::size_t j = 0; j < weights.size(); ++j) {
                total += weights[j];
                given += static_cast<double>(j) * weights[j];
            }
            sum -= system.concentration * (given / total - system.dissolvedAs);
        }
        return sum;
    };
    double low = -2.0;
    double high = 16.0;
    for (int i = 0; i < 200; ++i) {
        const double middle = 0.5 * (low + high);
        (excess(middle) > 0.0 ? low : high) = middle;
    }
    return 0.5 * (low + high);
}

} // namespace

Q_DECLARE_METATYPE(std::vector<Reference>)

class TestSolutionRecipe : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void opened_data();
    void opened();
    void refused_data();
    void refused();
    void weakTitrant_data();
    void weakTitrant();
};

void TestSolutionRecipe::roundTrip_data() {
    QTest::addColumn<SolutionInputs>("inputs");
    QTest::newRow("the window's start") << SolutionInputs{};

    SolutionInputs phosphate;
    phosphate.acid = model::PolyproticAcid(std::vector<double>{2.148, 7.198, 12.319}, 0,
                                           {"H3PO4", "H2PO4^-", "HPO4^2-", "PO4^3-"});
    phosphate.solution = {0.05, 1, 0.01, 0.02};
    phosphate.substances = {library("ammonia", 0.02),
                            library("sodium-acetate", 0.1),
                            library("sulfuric", 0.005),
                            library("potassium-nitrate", 0.3),
                            typedRow({3.5, 8.25}, false, 1, 2, 0.0125),
                            typedRow({4.75}, true, 1, 0, 1.0 / 3.0)};
    phosphate.substances[0].dissolvedAs = 0; // as ammonium
    phosphate.activity = model::Activity::Davies;
    phosphate.temperature = 37.5;
    phosphate.titration = {50.0, model::Titrant::Acid, 0.2, 120.0};
    QTest::newRow("named acid, strong acid and base, every kind of row, Davies, 37.5 °C")
        << phosphate;

    SolutionInputs weak;
    weak.acid = model::PolyproticAcid(std::vector<double>{9.25}, 1);
    weak.solution.dissolvedAs = 1;
    weak.substances = {typedRow({2.0, 4.0}, false, -1, 1, 1e-3)};
    weak.titrantSubstance = "sodium-carbonate";
    weak.titration.titrantConcentration = 0.05;
    QTest::newRow("charged acid, a typed row's charge, sodium carbonate as titrant") << weak;

    SolutionInputs ammonia;
    ammonia.titrantSubstance = "ammonia";
    ammonia.titration.endVolume = 0.0;
    QTest::newRow("one acid titrated with ammonia") << ammonia;
}

void TestSolutionRecipe::roundTrip() {
    QFETCH(SolutionInputs, inputs);
    // Written to a file's bytes and read back, as the window saves and opens it.
    model::Recipe read;
    const QString problem = io::RecipeFile::parse(io::RecipeFile::json(recipeOf(inputs)), read);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    SolutionInputs other;
    other.acid = model::PolyproticAcid(std::vector<double>{1.0, 2.0, 3.0}, -2);
    other.substances = {library("glycine", 0.5)};
    other.titrantSubstance = "tris";
    SolutionInputs back;
    const model::Problem refused = inputsFromRecipe(read, other, back);
    QVERIFY2(refused.empty(), refused.english().c_str());
    QVERIFY(back == inputs);
    // And so the same drawings: the same mixture and titration.
    QVERIFY(mixtureOf(back) == mixtureOf(inputs));
    QVERIFY(mixtureTitrationOf(back) == mixtureTitrationOf(inputs));
    QCOMPARE(isSingleAcid(back), isSingleAcid(inputs));
}

void TestSolutionRecipe::opened_data() {
    QTest::addColumn<QByteArray>("substances");
    QTest::addColumn<QByteArray>("titration");
    QTest::addColumn<QString>("acid"); // its pKa values and charge, "pKa/pKa charge k c"
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("titrant"); // "base c", "acid c" or a library key and c
    QTest::newRow("a library acid first, its formulas kept")
        << QByteArray(R"([{"conc": 0.01, "substance": "HCl"}, {"conc": 0.1, "substance": "acetic"},
                        {"conc": 0.1, "substance": "sodium-acetate"}])")
        << QByteArray() << "4.76 0 0 0.1" << QStringList{"sodium-acetate"} << "base 0.1";
    QTest::newRow("a salt first is the acid dissolved as its form")
        << QByteArray(R"([{"conc": 0.2, "substance": "sodium-carbonate"}])")
        << QByteArray(R"({"titrant": {"conc": 0.1, "substance": "HCl"}})") << "6.35/10.33 0 2 0.2"
        << QStringList{} << "acid 0.1";
    QTest::newRow("a base by pKb first: the constants of its acid at 25 °C")
        << QByteArray(R"([{"conc": 0.1, "pkb": [4.75]}, {"conc": 0.1, "pkb": [4.75]}])")
        << QByteArray(R"({"titrant": {"conc": 0.5, "substance": "ammonia"}})") << "9.25 1 1 0.1"
        << QStringList{"typed"} << "ammonia 0.5";
    QTest::newRow("a second hydrochloric acid is a row")
        << QByteArray(R"([{"conc": 0.1, "pka": [4]}, {"conc": 0.01, "substance": "HCl"},
                        {"conc": 0.02, "substance": "HCl"}, {"conc": 0.03, "substance": "NaOH"}])")
        << QByteArray(R"({"titrant": {"conc": 0.1, "substance": "nitric"}})") << "4 0 0 0.1"
        << QStringList{"hydrochloric"} << "nitric 0.1";
}

void TestSolutionRecipe::opened() {
    QFETCH(QByteArray, substances);
    QFETCH(QByteArray, titration);
    QFETCH(QString, acid);
    QFETCH(QStringList, rows);
    QFETCH(QString, titrant);
    QByteArray json = R"({"format": "velmora-recipe", "version": 1, "substances": )" + substances;
    if (!titration.isEmpty()) {
        json += R"(, "titration": )" + titration;
    }
    json += "}";
    model::Recipe recipe;
    const QString problem = io::RecipeFile::parse(json, recipe);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    SolutionInputs inputs;
    const model::Problem refused = inputsFromRecipe(recipe, SolutionInputs{}, inputs);
    QVERIFY2(refused.empty(), refused.english().c_str());

    const QStringList wanted = acid.split(u' ');
    std::vector<double> pKa;
    for (const QString& value : wanted.at(0).split(u'/')) {
        pKa.push_back(value.toDouble());
    }
    QCOMPARE(inputs.acid.exponents().size(), pKa.size());
    for (std::size_t i = 0; i < pKa.size(); ++i) {
        VELMORA_COMPARE_REL(inputs.acid.exponents()[i], pKa[i], 1e-12);
    }
    QCOMPARE(inputs.acid.charge(), wanted.at(1).toInt());
    QCOMPARE(inputs.solution.dissolvedAs, wanted.at(2).toInt());
    QCOMPARE(inputs.solution.concentration, wanted.at(3).toDouble());
    QStringList listed;
    for (const ListedSubstance& row : inputs.substances) {
        listed << (row.fromLibrary() ? QString::fromStdString(row.substance)
                                     : QStringLiteral("typed"));
    }
    QCOMPARE(listed, rows);
    // Every substance of the recipe is in the window's solution: the same pH.
    model::Mixture fromRecipe;
    QVERIFY(model::mixtureOf(recipe, fromRecipe).empty());
    VELMORA_COMPARE_REL(model::solveMixture(mixtureOf(inputs)).pH,
                        model::solveMixture(fromRecipe).pH, 1e-9);
    const QStringList wantedTitrant = titrant.split(u' ');
    const QString shown =
        !inputs.titrantSubstance.empty() ? QString::fromStdString(inputs.titrantSubstance)
        : inputs.titration.titrant == model::Titrant::Acid ? QStringLiteral("acid")
                                                           : QStringLiteral("base");
    QCOMPARE(shown, wantedTitrant.at(0));
    QCOMPARE(inputs.titration.titrantConcentration, wantedTitrant.at(1).toDouble());
}

void TestSolutionRecipe::refused_data() {
    QTest::addColumn<QByteArray>("fields");
    QTest::addColumn<QString>("problem");
    QTest::newRow("no weak system")
        << QByteArray(R"("substances": [{"conc": 0.1, "substance": "NaOH"}])")
        << "has no weak acid or base for the window's acid";
    QTest::newRow("nothing at all")
        << QByteArray(R"("temperature": 30)") << "has no weak acid or base for the window's acid";
    QTest::newRow("sulfuric acid is no acid of the editor")
        << QByteArray(R"("substances": [{"conc": 0.1, "substance": "sulfuric"}])")
        << "has no weak acid or base for the window's acid";
    QTest::newRow("a weak acid at no concentration")
        << QByteArray(R"("substances": [{"conc": 0, "pka": [4.76]}])")
        << "has its first weak acid or base at less than 1e-10 mol/L, too little for the "
           "window's acid";
    QTest::newRow("a base whose acid's constant is past -5")
        << QByteArray(R"("substances": [{"conc": 0.1, "pkb": [19.5]}])")
        << "has its first weak acid or base with constants the window's acid does not take";
    QTest::newRow("a typed titrant")
        << QByteArray(R"("substances": [{"conc": 0.1, "pka": [4]}], "titration": {"titrant":
                        {"conc": 0.1, "pkb": [4.75]}})")
        << "titrates with constants typed as numbers; the window titrates with a substance of "
           "the library";
    QTest::newRow("an inert titrant")
        << QByteArray(R"("substances": [{"conc": 0.1, "pka": [4]}], "titration": {"titrant":
                        {"conc": 0.1, "substance": "NaCl"}})")
        << "titrates with a substance the window does not titrate with";
    QTest::newRow("a titrant too dilute for the window")
        << QByteArray(R"("substances": [{"conc": 0.1, "pka": [4]}], "titration": {"titrant":
                        {"conc": 0, "substance": "NaOH"}})")
        << "titrates with a concentration outside 1e-6 to 10 mol/L";
    QByteArray many = R"("substances": [{"conc": 0.1, "pka": [4]})";
    for (int i = 0; i < kMaxListedSubstances + 1; ++i) {
        many += R"(, {"conc": 0.001, "substance": "NaCl"})";
    }
    QTest::newRow("more rows than the window lists")
        << many + "]"
        << "lists more than 16 substances besides the acid";
}

void TestSolutionRecipe::refused() {
    QFETCH(QByteArray, fields);
    QFETCH(QString, problem);
    model::Recipe recipe;
    const QString read = io::RecipeFile::parse(
        R"({"format": "velmora-recipe", "version": 1, )" + fields + "}", recipe);
    QVERIFY2(read.isEmpty(), qPrintable(read));
    SolutionInputs inputs;
    inputs.temperature = 12.5;
    const SolutionInputs before = inputs;
    const model::Problem refused = inputsFromRecipe(recipe, SolutionInputs{}, inputs);
    QCOMPARE(QString::fromStdString(refused.english()), problem);
    QVERIFY(inputs == before); // left as it was
}

void TestSolutionRecipe::weakTitrant_data() {
    QTest::addColumn<QString>("titrant");
    QTest::addColumn<double>("volume");
    QTest::addColumn<double>("published");               // the textbook's pH, or NaN for none
    QTest::addColumn<std::vector<Reference>>("systems"); // the mixture after `volume` mL
    const auto diluted = [](double volume) { return 25.0 / (25.0 + volume); };
    const auto added = [](double volume) { return volume / (25.0 + volume); };
    const double none = std::nan("");
    for (const double v : {0.0, 12.5, 25.0, 40.0}) {
        QTest::newRow(qPrintable(QStringLiteral("acetic acid with ammonia, %1 mL").arg(v)))
            << "ammonia" << v
            << (v == 25.0   ? 7.00
                : v == 12.5 ? 4.76
                            : none)
            << std::vector<Reference>{{{4.76}, 0.1 * diluted(v), 0}, {{9.245}, 0.1 * added(v), 1}};
    }
    for (const double v : {6.25, 12.5, 30.0}) {
        QTest::newRow(qPrintable(QStringLiteral("acetic acid with sodium carbonate, %1 mL").arg(v)))
            << "sodium-carbonate" << v << none
            << std::vector<Reference>{{{4.76}, 0.1 * diluted(v), 0},
                                      {{6.35, 10.33}, 0.1 * added(v), 2}};
    }
}

void TestSolutionRecipe::weakTitrant() {
    QFETCH(QString, titrant);
    QFETCH(double, volume);
    QFETCH(double, published);
    QFETCH(std::vector<Reference>, systems);
    SolutionInputs inputs; // 25 mL of 0.1 M acid of pKa 4.76
    inputs.titrantSubstance = titrant.toStdString();
    inputs.titration.titrantConcentration = 0.1;
    QVERIFY(!isSingleAcid(inputs)); // a weak titrant is always drawn as a mixture
    QVERIFY(drawnMixture(inputs).has_value());
    const model::MixtureTitration titration = mixtureTitrationOf(inputs);
    QCOMPARE(titration.titrant.systems.size(), std::size_t{1});
    QCOMPARE(titration.titrant.strongBase, 0.0);
    const model::MixtureTitrator titrator(mixtureOf(inputs), titration);
    const double pH = titrator.pHAt(volume);
    QVERIFY2(std::abs(pH - referencePh(systems)) < 1e-6,
             qPrintable(QStringLiteral("%1 against %2").arg(pH).arg(referencePh(systems))));
    if (!std::isnan(published)) {
        QVERIFY2(std::abs(pH - published) < 0.02, qPrintable(QString::number(pH)));
    }
}

QTEST_GUILESS_MAIN(TestSolutionRecipe)
#include "test_solutionrecipe.moc"
