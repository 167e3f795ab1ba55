// SPDX-License-Identifier: GPL-3.0-or-later
// Substances as the user gives them: the reader of substances written as C:WHAT, the mixture made
// of a recipe, and the pH of such mixtures against published values and an independent charge
// balance.

#include "testsupport.h"

#include "model/mixturereport.h"
#include "model/recipe.h"

#include <QtTest>

#include <cmath>
#include <string>
#include <vector>

using namespace velmora::model;
using velmora::test::closeTo;

Q_DECLARE_METATYPE(std::vector<double>)

namespace {

/** One weak system as the reference balance takes it: pKa values, charge, C and species k. */
struct ReferenceSystem {
    std::vector<double> pKa;
    int charge = 0;
    double concentration = 0.0;
    int dissolvedAs = 0;
};

/**
 * The ideal pH at 25 °C of weak systems with strong acid and base, by bisection on the charge
 * balance written with plain powers of ten: [H+] − [OH−] + C_B − C_A + Σ C·Σ_j (k − j)·α_j = 0.
 */
double referencePh(const std::vector<ReferenceSystem>& systems, double base, double acid) {
    const auto balance = [&](double pH) {
        const double h = std::pow(10.0, -pH);
        double f = h - 1e-14 / h + base - acid;
        for (const ReferenceSystem& system : systems) {
            std::vector<double> terms{1.0};
            double product = 1.0;
            for (const double pKa : system.pKa) {
                product *= std::pow(10.0, -pKa) / h;
                terms.push_back(product);
            }
            double sum = 0.0;
            double excess = 0.0;
            for (std::size_t j = 0; j < terms.size(); ++j) {
                sum += terms[j];
                excess += (system.dissolvedAs - static_cast<double>(j)) * terms[j];
            }
            f += system.concentration * excess / sum;
        }
        return f;
    };
    return velmora::test::bisectedPh(balance);
}

std::vector<Ingredient> readIngredients(const QStringList& writtenSubstances) {
    std::vector<Ingredient> ingredients;
    for (const QString& written : writtenSubstances) {
        Ingredient ingredient;
        const IngredientTextProblem problem = readIngredient(written.toStdString(), ingredient);
        if (!problem.empty()) {
            qWarning("%s: %s", qPrintable(written), problem.problem.english().c_str());
            return {};
        }
        ingredients.push_back(ingredient);
    }
    return ingredients;
}

} // namespace

class TestRecipe : public QObject {
    Q_OBJECT

private slots:
    void ingredientRead_data();
    void ingredientRead();
    void ingredientRefused_data();
    void ingredientRefused();
    void mixtureMade_data();
    void mixtureMade();
    void publishedPh_data();
    void publishedPh();
    void librarySpecies_data();
    void librarySpecies();
    void systemLimit_data();
    void systemLimit();
    void titrant_data();
    void titrant();
    void reportLines_data();
    void reportLines();
};

void TestRecipe::ingredientRead_data() {
    QTest::addColumn<QString>("written");
    QTest::addColumn<double>("concentration");
    QTest::addColumn<QString>("substance");
    QTest::addColumn<std::vector<double>>("pK");
    QTest::addColumn<int>("charge");
    QTest::addColumn<int>("as");
    QTest::addColumn<bool>("base");
    const std::vector<double> none{4.76}; // the untouched default of a library substance
    // `as` of a library substance: the species it is dissolved as when given, else −1.
    QTest::newRow("library key") << "0.1:acetic" << 0.1 << "acetic" << none << 0 << -1 << false;
    QTest::newRow("key in capitals")
        << "0.05:Sodium-ACETATE" << 0.05 << "sodium-acetate" << none << 0 << -1 << false;
    QTest::newRow("formula of a strong acid")
        << "0.01:HCl" << 0.01 << "hydrochloric" << none << 0 << -1 << false;
    QTest::newRow("formula in small letters")
        << "1e-3:naoh" << 1e-3 << "sodium-hydroxide" << none << 0 << -1 << false;
    QTest::newRow("inert salt by formula")
        << "0.2:NaCl" << 0.2 << "sodium-chloride" << none << 0 << -1 << false;
    QTest::newRow("ammonia") << "0.1:ammonia" << 0.1 << "ammonia" << none << 0 << -1 << false;
    QTest::newRow("one pKa") << "0.1:4.76" << 0.1 << "" << std::vector<double>{4.76} << 0 << 0
                             << false;
    QTest::newRow("three pKa") << "0.1:2.148,7.198,12.319" << 0.1 << ""
                               << std::vector<double>{2.148, 7.198, 12.319} << 0 << 0 << false;
    QTest::newRow("charge and species")
        << "0.1:9.25:charge=1:as=1" << 0.1 << "" << std::vector<double>{9.25} << 1 << 1 << false;
    QTest::newRow("base by pKb is uncharged")
        << "0.1:pkb=4.75" << 0.1 << "" << std::vector<double>{4.75} << 1 << 0 << true;
    QTest::newRow("diprotic base by pKb")
        << "0.1:PKB=3.2,6.5" << 0.1 << "" << std::vector<double>{3.2, 6.5} << 2 << 0 << true;
    QTest::newRow("base with its charge")
        << "0.1:pkb=9.24:charge=0" << 0.1 << "" << std::vector<double>{9.24} << 0 << 0 << true;
    QTest::newRow("pka= and blanks") << " +0.25 : pka= 4.2 , 5.6 : As=2 " << 0.25 << ""
                                     << std::vector<double>{4.2, 5.6} << 0 << 2 << false;
    QTest::newRow("negative constant and charge")
        << "10:-1.5:charge=-2" << 10.0 << "" << std::vector<double>{-1.5} << -2 << 0 << false;
    QTest::newRow("zero concentration")
        << "0:acetic" << 0.0 << "acetic" << none << 0 << -1 << false;
    QTest::newRow("library acid as its salt")
        << "0.1:acetic:as=1" << 0.1 << "acetic" << none << 0 << 1 << false;
    QTest::newRow("library base as its acid")
        << "0.1:NH3:AS=0" << 0.1 << "ammonia" << none << 0 << 0 << false;
}

void TestRecipe::ingredientRead() {
    QFETCH(QString, written);
    QFETCH(double, concentration);
    QFETCH(QString, substance);
    QFETCH(std::vector<double>, pK);
    QFETCH(int, charge);
    QFETCH(int, as);
    QFETCH(bool, base);
    Ingredient ingredient;
    const IngredientTextProblem problem = readIngredient(written.toStdString(), ingredient);
    QVERIFY2(problem.empty(), problem.problem.english().c_str());
    QCOMPARE(ingredient.concentration, concentration);
    QCOMPARE(QString::fromStdString(ingredient.substance), substance);
    QCOMPARE(ingredient.typed.pK, pK);
    QCOMPARE(ingredient.typed.charge, charge);
    QCOMPARE(substance.isEmpty() ? ingredient.typed.dissolvedAs
                                 : ingredient.dissolvedAs.value_or(-1),
             as);
    QCOMPARE(ingredient.typed.givenAsBase, base);
}

void TestRecipe::ingredientRefused_data() {
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("piece");
    QTest::addColumn<QString>("problem");
    const QString malformed = "is not C:WHAT[:KEY=VALUE]... (such as 0.1:acetic or 0.1:4.76)";
    QTest::newRow("concentration alone") << "0.1"
                                         << "" << malformed;
    QTest::newRow("key alone") << "acetic"
                               << "" << malformed;
    QTest::newRow("nothing after the colon") << "0.1:"
                                             << "" << malformed;
    QTest::newRow("empty option") << "0.1:4.76:"
                                  << "" << malformed;
    QTest::newRow("empty") << ""
                           << "" << malformed;
    QTest::newRow("concentration not a number") << "x:acetic"
                                                << "x"
                                                << "is not a number";
    QTest::newRow("decimal comma") << "0,1:acetic"
                                   << "0,1"
                                   << "is not a number";
    QTest::newRow("infinite concentration") << "inf:acetic"
                                            << "inf"
                                            << "is not a number";
    QTest::newRow("two signs") << "+-1:acetic"
                               << "+-1"
                               << "is not a number";
    QTest::newRow("concentration above 10") << "10.5:acetic"
                                            << "10.5"
                                            << "must be from 0 to 10 mol/L";
    QTest::newRow("negative concentration") << "-0.1:4.76"
                                            << "-0.1"
                                            << "must be from 0 to 10 mol/L";
    QTest::newRow("unknown key") << "0.1:vinegar"
                                 << "vinegar"
                                 << "is not a substance of the library";
    QTest::newRow("species of a salt") << "0.1:sodium-acetate:as=0"
                                       << "as=0"
                                       << "applies to a weak acid or base only; a salt or a strong "
                                          "acid or base is dissolved as it "
                                          "is";
    QTest::newRow("species of a strong acid") << "0.1:HCl:as=1"
                                              << "as=1"
                                              << "applies to a weak acid or base only; a salt or a "
                                                 "strong acid or base is dissolved as it "
                                                 "is";
    QTest::newRow("library species past the last") << "0.1:acetic:as=2"
                                                   << "as=2"
                                                   << "must be a species index from 0 to 1";
    QTest::newRow("charge of a library substance")
        << "0.1:acetic:charge=1"
        << "charge=1"
        << "applies to constants typed as numbers only, not to a substance of the library";
    QTest::newRow("charge 7") << "0.1:4.76:charge=7"
                              << "charge=7"
                              << "must be a whole number from -6 to 6";
    QTest::newRow("charge -7") << "0.1:4.76:charge=-7"
                               << "charge=-7"
                               << "must be a whole number from -6 to 6";
    QTest::newRow("species past the last") << "0.1:4.76:as=2"
                                           << "as=2"
                                           << "must be a species index from 0 to 1";
    QTest::newRow("species negative") << "0.1:4,5:as=-1"
                                      << "as=-1"
                                      << "must be a species index from 0 to 2";
    QTest::newRow("species of a base")
        << "0.1:pkb=4.75:as=1"
        << "as=1"
        << "does not apply to a base given by pKb, which is dissolved as the base";
    QTest::newRow("unknown option") << "0.1:4.76:colour=red"
                                    << "colour=red"
                                    << "is no option of a substance (use charge=Z or as=K)";
    QTest::newRow("charge twice") << "0.1:4.76:charge=1:charge=1"
                                  << "charge=1"
                                  << "is given more than once";
    QTest::newRow("charge not whole") << "0.1:4.76:charge=1.5"
                                      << "charge=1.5"
                                      << "is not a whole number";
    QTest::newRow("constants decreasing") << "0.1:5,4"
                                          << "5,4"
                                          << "values must be in non-decreasing order";
    QTest::newRow("seven constants") << "0.1:1,2,3,4,5,6,7"
                                     << "1,2,3,4,5,6,7"
                                     << "needs 1 to 6 values";
    QTest::newRow("constant above 25") << "0.1:26"
                                       << "26"
                                       << "values must be from -5 to 25";
    QTest::newRow("constant not a number") << "0.1:4,x"
                                           << "x"
                                           << "is not a number";
    QTest::newRow("pKb not a number") << "0.1:pkb="
                                      << ""
                                      << "is not a number";
}

void TestRecipe::ingredientRefused() {
    QFETCH(QString, written);
    QFETCH(QString, piece);
    QFETCH(QString, problem);
    Ingredient ingredient;
    ingredient.concentration = 7.0;
    const IngredientTextProblem found = readIngredient(written.toStdString(), ingredient);
    QCOMPARE(QString::fromStdString(found.problem.english()), problem);
    QCOMPARE(QString::fromStdString(found.piece), piece);
    QCOMPARE(ingredient.concentration, 7.0); // left as it was
}

void TestRecipe::mixtureMade_data() {
    QTest::addColumn<QStringList>("writtenSubstances");
    QTest::addColumn<QStringList>("keys");         // of the weak systems, in order
    QTest::addColumn<QList<int>>("dissolvedAs");   // of the weak systems
    QTest::addColumn<QList<double>>("strong");     // acid, base
    QTest::addColumn<QList<int>>("salts");         // cation and anion charge of each salt
    QTest::addColumn<QList<double>>("enthalpies"); // of the first system
    QTest::newRow("acid and its salt")
        << QStringList{"0.1:acetic", "0.1:sodium-acetate"}
        << QStringList{"acetic", "sodium-acetate"} << QList<int>{0, 1} << QList<double>{0, 0}
        << QList<int>{} << QList<double>{};
    QTest::newRow("weak acids and bases as their uncharged species")
        << QStringList{"0.1:acetic", "0.1:NH3", "0.1:glycine", "0.1:hydrogen-sulfate"}
        << QStringList{"acetic", "ammonia", "glycine", "hydrogen-sulfate"} << QList<int>{0, 1, 1, 0}
        << QList<double>{0, 0} << QList<int>{} << QList<double>{};
    QTest::newRow("carbonate dissolved as its last species")
        << QStringList{"0.05:Na2CO3"} << QStringList{"sodium-carbonate"} << QList<int>{2}
        << QList<double>{0, 0} << QList<int>{} << QList<double>{};
    QTest::newRow("ammonium chloride as the acid")
        << QStringList{"0.1:NH4Cl"} << QStringList{"ammonium-chloride"} << QList<int>{0}
        << QList<double>{0, 0} << QList<int>{} << QList<double>{};
    QTest::newRow("strong acids and bases add up")
        << QStringList{"0.01:HCl", "0.02:nitric", "0.05:NaOH", "0.01:KOH"} << QStringList{}
        << QList<int>{} << QList<double>{0.03, 0.06} << QList<int>{} << QList<double>{};
    // Its first proton is given off by the hydrogen-sulfate system itself, not as HCl would.
    QTest::newRow("sulfuric acid: hydrogen sulfate with its first proton given off")
        << QStringList{"0.05:H2SO4"} << QStringList{"sulfuric"} << QList<int>{0}
        << QList<double>{0, 0} << QList<int>{} << QList<double>{};
    QTest::newRow("inert salts") << QStringList{"0.1:NaCl", "0.2:potassium-nitrate"}
                                 << QStringList{} << QList<int>{} << QList<double>{0, 0}
                                 << QList<int>{1, 1, 1, 1} << QList<double>{};
    QTest::newRow("typed base keeps no key")
        << QStringList{"0.1:pkb=4.75", "0.1:9.25:charge=1:as=1"} << QStringList{"", ""}
        << QList<int>{0, 1} << QList<double>{0, 0} << QList<int>{} << QList<double>{};
    QTest::newRow("base as itself, with its enthalpy")
        << QStringList{"0.1:tris", "0.05:HCl"} << QStringList{"tris"} << QList<int>{1}
        << QList<double>{0.05, 0} << QList<int>{} << QList<double>{47.45};
}

void TestRecipe::mixtureMade() {
    QFETCH(QStringList, writtenSubstances);
    QFETCH(QStringList, keys);
    QFETCH(QList<int>, dissolvedAs);
    QFETCH(QList<double>, strong);
    QFETCH(QList<int>, salts);
    QFETCH(QList<double>, enthalpies);
    const std::vector<Ingredient> ingredients = readIngredients(writtenSubstances);
    QCOMPARE(ingredients.size(), static_cast<std::size_t>(writtenSubstances.size()));
    Mixture mixture;
    const IngredientProblem problem = mixtureOf(ingredients, 40.0, Activity::Davies, mixture);
    QVERIFY2(problem.empty(), problem.problem.english().c_str());
    QCOMPARE(mixture.temperature, 40.0);
    QCOMPARE(mixture.activity, Activity::Davies);
    QCOMPARE(mixture.systems.size(), static_cast<std::size_t>(keys.size()));
    for (qsizetype s = 0; s < keys.size(); ++s) {
        const WeakSystem& system = mixture.systems[static_cast<std::size_t>(s)];
        QCOMPARE(QString::fromStdString(system.substance), keys[s]);
        QCOMPARE(system.dissolvedAs, dissolvedAs[s]);
        // Library systems carry their species' formulas, one more than constants.
        QCOMPARE(system.formulas.empty(), keys[s].isEmpty());
        if (!system.formulas.empty()) {
            QCOMPARE(system.formulas.size(), system.pK.size() + 1);
        }
    }
    QVERIFY(closeTo(mixture.strongAcid, strong[0], 1e-12));
    QVERIFY(closeTo(mixture.strongBase, strong[1], 1e-12));
    QCOMPARE(mixture.salts.size() * 2, static_cast<std::size_t>(salts.size()));
    for (std::size_t i = 0; i < mixture.salts.size(); ++i) {
        QCOMPARE(mixture.salts[i].cationCharge, salts[static_cast<qsizetype>(2 * i)]);
        QCOMPARE(mixture.salts[i].anionCharge, salts[static_cast<qsizetype>(2 * i + 1)]);
    }
    if (!enthalpies.isEmpty()) {
        QCOMPARE(mixture.systems.front().enthalpy,
                 std::vector<double>(enthalpies.begin(), enthalpies.end()));
    }
}

void TestRecipe::publishedPh_data() {
    QTest::addColumn<QStringList>("writtenSubstances");
    QTest::addColumn<double>("published"); // textbook value, to its two decimals
    QTest::addColumn<double>("tolerance");
    // The same solution as the reference balance takes it: pKa, charge, C, k of each system.
    QTest::addColumn<double>("reference");
    QTest::newRow("acetate buffer 1:1")
        << QStringList{"0.1:acetic", "0.1:sodium-acetate"} << 4.76 << 0.005
        << referencePh({{{4.76}, 0, 0.1, 0}, {{4.76}, 0, 0.1, 1}}, 0, 0);
    QTest::newRow("hydrofluoric acid 0.01 M typed")
        << QStringList{"0.01:3.17", "0:acetic"} << 2.6 << 0.05
        << referencePh({{{3.17}, 0, 0.01, 0}}, 0, 0);
    QTest::newRow("hydrofluoric acid from the library")
        << QStringList{"0.01:HF"} << 2.6 << 0.05 << referencePh({{{3.17}, 0, 0.01, 0}}, 0, 0);
    QTest::newRow("ammonium acetate")
        << QStringList{"0.1:9.25:charge=1", "0.1:sodium-acetate"} << 7.00 << 0.01
        << referencePh({{{9.25}, 1, 0.1, 0}, {{4.76}, 0, 0.1, 1}}, 0, 0);
    QTest::newRow("ammonia 0.1 M from the library")
        << QStringList{"0.1:ammonia"} << 11.12 << 0.01 << referencePh({{{9.245}, 1, 0.1, 1}}, 0, 0);
    QTest::newRow("tris half neutralised") << QStringList{"0.1:tris", "0.05:HCl"} << 8.07 << 0.005
                                           << referencePh({{{8.072}, 1, 0.1, 1}}, 0, 0.05);
    QTest::newRow("glycine as its zwitterion") << QStringList{"0.1:glycine"} << 5.97 << 0.03
                                               << referencePh({{{2.34, 9.60}, 1, 0.1, 1}}, 0, 0);
    QTest::newRow("ammonia 0.1 M by pKb")
        << QStringList{"0.1:pkb=4.75"} << 11.12 << 0.01 << referencePh({{{9.25}, 1, 0.1, 1}}, 0, 0);
    QTest::newRow("hydrochloric acid 0.1 M")
        << QStringList{"0.1:HCl"} << 1.00 << 0.001 << referencePh({}, 0, 0.1);
    QTest::newRow("sulfuric acid 0.05 M") << QStringList{"0.05:sulfuric"} << 1.23 << 0.01
                                          << referencePh({{{1.99}, -1, 0.05, 0}}, 0, 0.05);
    QTest::newRow("sodium carbonate 0.1 M") << QStringList{"0.1:sodium-carbonate"} << 11.66 << 0.01
                                            << referencePh({{{6.35, 10.33}, 0, 0.1, 2}}, 0, 0);
    QTest::newRow("acetic acid half neutralised by sodium hydroxide")
        << QStringList{"0.1:acetic", "0.05:NaOH", "0.1:NaCl"} << 4.76 << 0.005
        << referencePh({{{4.76}, 0, 0.1, 0}}, 0.05, 0);
}

void TestRecipe::publishedPh() {
    QFETCH(QStringList, writtenSubstances);
    QFETCH(double, published);
    QFETCH(double, tolerance);
    QFETCH(double, reference);
    const std::vector<Ingredient> ingredients = readIngredients(writtenSubstances);
    QCOMPARE(ingredients.size(), static_cast<std::size_t>(writtenSubstances.size()));
    Mixture mixture;
    QVERIFY(mixtureOf(ingredients, 25.0, Activity::Ideal, mixture).empty());
    const double pH = solveMixture(mixture).pH;
    QVERIFY2(std::abs(pH - published) <= tolerance, qPrintable(QString::number(pH, 'f', 4)));
    QVERIFY2(std::abs(pH - reference) <= 1e-6, qPrintable(QString::number(pH - reference)));
}

void TestRecipe::librarySpecies_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("as"); // −1: the library's own choice
    QTest::addColumn<double>("published");
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<double>("reference");
    QTest::newRow("ammonia as it comes")
        << "ammonia" << -1 << 11.12 << 0.01 << referencePh({{{9.245}, 1, 0.1, 1}}, 0, 0);
    QTest::newRow("ammonia as ammonium, 0.1 M ammonium chloride")
        << "ammonia" << 0 << 5.12 << 0.01 << referencePh({{{9.245}, 1, 0.1, 0}}, 0, 0);
    QTest::newRow("acetic acid as acetate, 0.1 M sodium acetate")
        << "acetic" << 1 << 8.88 << 0.01 << referencePh({{{4.76}, 0, 0.1, 1}}, 0, 0);
    QTest::newRow("acetic acid named as its acid")
        << "acetic" << 0 << 2.88 << 0.01 << referencePh({{{4.76}, 0, 0.1, 0}}, 0, 0);
}

void TestRecipe::librarySpecies() {
    QFETCH(QString, key);
    QFETCH(int, as);
    QFETCH(double, published);
    QFETCH(double, tolerance);
    QFETCH(double, reference);
    Ingredient ingredient{0.1, key.toStdString(), {}, {}};
    if (as >= 0) {
        ingredient.dissolvedAs = as;
    }
    QVERIFY(problemWithIngredient(ingredient).empty());
    Mixture mixture;
    QVERIFY(mixtureOf({ingredient}, 25.0, Activity::Ideal, mixture).empty());
    QCOMPARE(mixture.systems.size(), std::size_t{1});
    const double pH = solveMixture(mixture).pH;
    QVERIFY2(std::abs(pH - published) <= tolerance, qPrintable(QString::number(pH, 'f', 4)));
    QVERIFY2(std::abs(pH - reference) <= 1e-6, qPrintable(QString::number(pH - reference)));
}

void TestRecipe::systemLimit_data() {
    QTest::addColumn<int>("weak");
    QTest::addColumn<QStringList>("others");
    QTest::addColumn<int>("failing"); // the ingredient refused, or -1
    QTest::newRow("eight weak systems") << 8 << QStringList{} << -1;
    QTest::newRow("nine weak systems") << 9 << QStringList{} << 8;
    QTest::newRow("strong and inert ones do not count")
        << 8 << QStringList{"0.1:HCl", "0.1:NaOH", "0.1:NaCl"} << -1;
    QTest::newRow("sulfuric acid counts as a system") << 8 << QStringList{"0.01:H2SO4"} << 8;
}

void TestRecipe::systemLimit() {
    QFETCH(int, weak);
    QFETCH(QStringList, others);
    QFETCH(int, failing);
    QStringList writtenSubstances;
    for (int i = 0; i < weak; ++i) {
        writtenSubstances << QStringLiteral("0.01:%1").arg(3.0 + i);
    }
    writtenSubstances += others;
    Mixture mixture;
    mixture.strongBase = 1.25;
    const IngredientProblem problem =
        mixtureOf(readIngredients(writtenSubstances), 25.0, Activity::Ideal, mixture);
    QCOMPARE(problem.index, failing);
    if (failing >= 0) {
        QCOMPARE(problem.problem.english(), std::string("may hold at most 8 acid-base systems"));
        QCOMPARE(mixture.strongBase, 1.25); // untouched
    } else {
        QVERIFY(problem.empty());
        QCOMPARE(mixture.systems.size(), static_cast<std::size_t>(weak));
    }
}

void TestRecipe::titrant_data() {
    QTest::addColumn<QString>("titrant"); // empty: the default
    QTest::addColumn<double>("strongBase");
    QTest::addColumn<double>("strongAcid");
    QTest::addColumn<int>("systems");
    QTest::addColumn<QString>("problem");
    QTest::newRow("default sodium hydroxide") << "" << 0.1 << 0.0 << 0 << "";
    QTest::newRow("hydrochloric acid") << "0.2:HCl" << 0.0 << 0.2 << 0 << "";
    QTest::newRow("ammonia") << "0.1:ammonia" << 0.0 << 0.0 << 1 << "";
    QTest::newRow("unknown titrant")
        << "0.1:brine" << 0.0 << 0.0 << 0 << "is not a substance of the library";
}

void TestRecipe::titrant() {
    QFETCH(QString, titrant);
    QFETCH(double, strongBase);
    QFETCH(double, strongAcid);
    QFETCH(int, systems);
    QFETCH(QString, problem);
    Recipe recipe;
    recipe.titrated = true;
    recipe.sampleVolume = 50.0;
    recipe.endVolume = 40.0;
    recipe.temperature = 30.0;
    if (!titrant.isEmpty()) {
        const auto colon = titrant.indexOf(u':');
        recipe.titrant.concentration = titrant.left(colon).toDouble();
        recipe.titrant.substance = titrant.mid(colon + 1).toStdString();
    }
    MixtureTitration titration;
    const IngredientProblem found = titrationOf(recipe, titration);
    QCOMPARE(QString::fromStdString(found.problem.english()), problem);
    if (!problem.isEmpty()) {
        QCOMPARE(titration, MixtureTitration{});
        return;
    }
    QCOMPARE(titration.sampleVolume, 50.0);
    QCOMPARE(titration.endVolume, 40.0);
    QCOMPARE(titration.titrant.temperature, 30.0);
    QCOMPARE(titration.titrant.strongBase, strongBase);
    QCOMPARE(titration.titrant.strongAcid, strongAcid);
    QCOMPARE(titration.titrant.systems.size(), static_cast<std::size_t>(systems));
}

void TestRecipe::reportLines_data() {
    QTest::addColumn<QStringList>("writtenSubstances");
    QTest::addColumn<double>("temperature");
    QTest::addColumn<bool>("davies");
    QTest::addColumn<QStringList>("patterns"); // one per line, in order
    QTest::newRow("ideal buffer") << QStringList{"0.1:acetic", "0.1:sodium-acetate"} << 25.0
                                  << false
                                  << QStringList{"^pH 4\\.760\\d$", "^HAc 0\\.09998 mol/L$",
                                                 "^Ac\\^- 0\\.1000 mol/L$"};
    QTest::newRow("typed systems with the same names get their numbers")
        << QStringList{"0.1:4.76", "0.05:3.17", "0.1:9.25:charge=1"} << 25.0 << false
        << QStringList{"^pH ",         "^HA \\[1\\] ", "^A- \\[1\\] ", "^HA \\[2\\] ",
                       "^A- \\[2\\] ", "^HA\\^\\+ ",   "^A "};
    QTest::newRow("davies buffer")
        << QStringList{"0.1:acetic", "0.1:sodium-acetate"} << 25.0 << true
        << QStringList{"^pH 4\\.6", "^I 0\\.1", "^HAc ", "^Ac\\^- "};
    QTest::newRow("davies with its ionic strength")
        << QStringList{"0.01:HCl"} << 25.0 << true
        << QStringList{"^pH 2\\.04", "^I 0\\.01000 mol/L$"};
    QTest::newRow("davies beyond its range")
        << QStringList{"1:NaCl"} << 25.0 << true
        << QStringList{"^pH ", "^I 1\\.000 mol/L$",
                       "^note: I is above 0\\.5 mol/L, where the Davies equation"};
    QTest::newRow("constants not shifted at 50 degrees")
        << QStringList{"0.1:tris", "0.1:acetic", "0.1:pkb=4.75"} << 50.0 << false
        << QStringList{"^pH ",
                       "^HTris\\^\\+ ",
                       "^Tris ",
                       "^HAc ",
                       "^Ac\\^- ",
                       "^HA\\^\\+ ",
                       "^A ",
                       "^constants not shifted from 25 °C to 50 °C \\(no enthalpy known\\): "
                       "acetic; pKb 4\\.75$"};
}

void TestRecipe::reportLines() {
    QFETCH(QStringList, writtenSubstances);
    QFETCH(double, temperature);
    QFETCH(bool, davies);
    QFETCH(QStringList, patterns);
    Mixture mixture;
    QVERIFY(mixtureOf(readIngredients(writtenSubstances), temperature,
                      davies ? Activity::Davies : Activity::Ideal, mixture)
                .empty());
    const MixtureState state = solveMixture(mixture);
    const std::vector<std::string> lines = mixtureReport(mixture, state);
    QStringList shown;
    for (const std::string& line : lines) {
        shown << QString::fromStdString(line);
    }
    QCOMPARE(shown.size(), patterns.size());
    for (qsizetype i = 0; i < patterns.size(); ++i) {
        QVERIFY2(QRegularExpression(patterns[i]).match(shown[i]).hasMatch(),
                 qPrintable(shown.join(u'\n')));
    }
    if (davies) {
        // Each activity is the concentration times the Davies coefficient of its charge, with
        // A = 0.509 at 25 °C (Davies 1962), at the ionic strength printed.
        const double I = shown[1].split(u' ')[1].toDouble();
        const double davies1 =
            std::pow(10.0, -0.509 * (std::sqrt(I) / (1 + std::sqrt(I)) - 0.3 * I));
        for (const QString& line : shown.mid(2)) {
            const QStringList words = line.split(u' ');
            if (words.size() == 5 && words[3] == u"activity") {
                const double c = words[1].toDouble();
                const double expected = line.contains(u'^') ? c * davies1 : c;
                QVERIFY2(closeTo(words[4].toDouble(), expected, 2e-3), qPrintable(line));
            }
        }
    }
}

QTEST_APPLESS_MAIN(TestRecipe)
#include "test_recipe.moc"
