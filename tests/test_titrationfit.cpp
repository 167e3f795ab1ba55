// SPDX-License-Identifier: GPL-3.0-or-later
// The fit of the titration model to measured points: synthetic measurements from the test's own
// model of each titration (its charge balance solved by bisection, Davies activities written out
// here), with Gaussian noise of known size from a fixed seed, fitted back. The fitted values must
// lie within three standard errors of the truth in nearly every run, the standard errors must
// shrink as 1/√n, and what the data cannot determine must be refused by name.

#include "model/fitreport.h"
#include "model/titrationfit.h"

#include "referencetitration.h"
#include "testsupport.h"

#include <QtTest>

#include <cmath>
#include <numbers>
#include <random>
#include <string>
#include <vector>

using namespace velmora;
using namespace velmora::test;

namespace {

/** The program's sample and titration for the test's titration, a base given by its pKb. */
model::Mixture sampleOf(const ReferenceTitration& titration, bool givenAsBase) {
    model::Mixture sample;
    model::WeakSystem system;
    system.pK = titration.pKa;
    system.charge = titration.charge;
    system.concentration = titration.concentration;
    if (givenAsBase) {
        system.givenAsBase = true;
        for (double& pK : system.pK) {
            pK = 14.0 - pK;
        }
        std::reverse(system.pK.begin(), system.pK.end());
    }
    sample.systems = {system};
    sample.activity = titration.davies ? model::Activity::Davies : model::Activity::Ideal;
    return sample;
}

model::MixtureTitration titrationOf(const ReferenceTitration& titration) {
    model::MixtureTitration result;
    result.sampleVolume = titration.sampleVolume;
    result.titrant = {};
    (titration.titrant > 0 ? result.titrant.strongBase : result.titrant.strongAcid) =
        std::abs(titration.titrant);
    return result;
}

/** A fit case: the truth, the data's range, what is fitted and how far off the start is. */
struct FitCase {
    ReferenceTitration truth;
    bool givenAsBase = false;
    double lastVolume = 40.0;
    int count = 80;
    double sigma = 0.01;
    double offset = 0.0;
    QString vary{}; ///< empty for the default choice
};

/** The true value of each fitted parameter in the program's terms. */
double trueValue(const model::FitParameter& parameter, const FitCase& fitCase) {
    switch (parameter.quantity) {
    case model::FitQuantity::Concentration:
        return fitCase.truth.concentration;
    case model::FitQuantity::Constant: {
        const std::size_t index = static_cast<std::size_t>(parameter.constant - 1);
        return fitCase.givenAsBase ? 14.0 - fitCase.truth.pKa[fitCase.truth.pKa.size() - 1 - index]
                                   : fitCase.truth.pKa[index];
    }
    case model::FitQuantity::TitrantConcentration:
        return std::abs(fitCase.truth.titrant);
    case model::FitQuantity::PhOffset:
        return fitCase.offset;
    }
    return 0.0;
}

/** The start of a fit: every fitted quantity moved away from the truth. */
void moveFromTruth(model::Mixture& sample, model::MixtureTitration& titration,
                   const std::vector<model::FitParameter>& parameters) {
    for (const model::FitParameter& parameter : parameters) {
        model::WeakSystem& system = sample.systems.front();
        switch (parameter.quantity) {
        case model::FitQuantity::Concentration:
            system.concentration *= 1.25;
            break;
        case model::FitQuantity::Constant:
            system.pK[static_cast<std::size_t>(parameter.constant - 1)] += 0.3;
            break;
        case model::FitQuantity::TitrantConcentration:
            titration.titrant.strongBase *= 0.85;
            titration.titrant.strongAcid *= 0.85;
            break;
        case model::FitQuantity::PhOffset:
            break;
        }
    }
}

struct FitRun {
    std::vector<model::TitrationPoint> points;
    model::FitProblem problem;
    model::TitrationFit fit;
    std::vector<model::FitParameter> parameters;
};

/**
 * Fits data made for `fitCase` with `count` points and noise of `seed`; with `jumpLeftOut`, the
 * points within 10 % of the equivalence volume are left out.
 */
FitRun runFit(const FitCase& fitCase, unsigned seed, int count, bool jumpLeftOut = false) {
    Noise noise(seed, fitCase.sigma);
    std::vector<model::TitrationPoint> points =
        measured(fitCase.truth, 0.0, fitCase.lastVolume, count, noise, fitCase.offset);
    if (jumpLeftOut) {
        const double equivalence = fitCase.truth.concentration * fitCase.truth.sampleVolume /
                                   std::abs(fitCase.truth.titrant);
        std::erase_if(points, [&](const model::TitrationPoint& point) {
            return std::abs(point.volume - equivalence) < 0.1 * equivalence;
        });
    }
    model::Mixture sample = sampleOf(fitCase.truth, fitCase.givenAsBase);
    model::MixtureTitration titration = titrationOf(fitCase.truth);
    FitRun run;
    run.points = points;
    if (fitCase.vary.isEmpty()) {
        run.parameters = model::defaultFitParameters(sample, points);
    } else {
        const model::FitNameProblem names =
            model::readFitParameters(fitCase.vary.toStdString(), sample, run.parameters);
        if (!names.empty()) {
            run.problem.problem = names.problem;
            return run;
        }
    }
    moveFromTruth(sample, titration, run.parameters);
    run.problem = model::fitTitration(sample, titration, points, run.parameters, run.fit);
    return run;
}

const ReferenceTitration kAcetic{{4.76}, 0, 0.1, 25.0, 0.1, false};
const ReferenceTitration kPhosphoric{{2.148, 7.198, 12.35}, 0, 0.05, 25.0, 0.1, false};
const ReferenceTitration kAmmonia{{9.25}, 1, 0.08, 25.0, -0.1, false};
const ReferenceTitration kAceticDavies{{4.76}, 0, 0.1, 25.0, 0.1, true};
/** Ethylenediamine, H2en^2+ with pKa 6.85 and 9.93, the base given by its pKb 4.07 and 7.15. */
const ReferenceTitration kEthylenediamine{{6.85, 9.93}, 2, 0.05, 25.0, -0.1, false};

} // namespace

Q_DECLARE_METATYPE(FitCase)

class TestTitrationFit : public QObject {
    Q_OBJECT

private slots:
    void modelAgreesWithReference_data();
    void modelAgreesWithReference();
    void recoversTruth_data();
    void recoversTruth();
    void errorsShrinkAsRootOfPoints_data();
    void errorsShrinkAsRootOfPoints();
    void refusesUndetermined_data();
    void refusesUndetermined();
    void readsNames_data();
    void readsNames();
    void defaultParameters_data();
    void defaultParameters();
    void valueWithError_data();
    void valueWithError();
    void report();
};

void TestTitrationFit::modelAgreesWithReference_data() {
    QTest::addColumn<FitCase>("fitCase");
    QTest::newRow("acetic acid with NaOH") << FitCase{kAcetic};
    QTest::newRow("phosphoric acid with NaOH") << FitCase{kPhosphoric};
    QTest::newRow("ammonia by pKb with HCl") << FitCase{kAmmonia, true};
    QTest::newRow("acetic acid, Davies") << FitCase{kAceticDavies};
}

// The test's model and the program's must agree before fits to the test's data mean anything.
void TestTitrationFit::modelAgreesWithReference() {
    QFETCH(FitCase, fitCase);
    std::vector<model::TitrationPoint> points;
    for (double volume = 0.0; volume <= 40.0; volume += 0.7) {
        points.push_back({volume, 0.0});
    }
    const double offset = 0.0123;
    const std::vector<double> pHs = model::modelPhAt(sampleOf(fitCase.truth, fitCase.givenAsBase),
                                                     titrationOf(fitCase.truth), points, offset);
    QCOMPARE(pHs.size(), points.size());
    // Davies' A of the test and the program's differ in the fourth digit at most.
    const double tolerance = fitCase.truth.davies ? 2.0e-4 : 1.0e-8;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double expected = referencePh(fitCase.truth, points[i].volume) + offset;
        QVERIFY2(closeTo(pHs[i], expected, 0.0, tolerance),
                 qPrintable(QStringLiteral("V %1: %2 against %3")
                                .arg(points[i].volume)
                                .arg(pHs[i], 0, 'g', 12)
                                .arg(expected, 0, 'g', 12)));
    }
}

void TestTitrationFit::recoversTruth_data() {
    QTest::addColumn<FitCase>("fitCase");
    QTest::addColumn<QStringList>("expectedNames");
    QTest::newRow("acetic acid, default") << FitCase{kAcetic} << QStringList{"conc", "pka1"};
    QTest::newRow("acetic acid, electrode offset")
        << FitCase{kAcetic, false, 40.0, 60, 0.005, 0.05, "conc,pka1,offset"}
        << QStringList{"conc", "pka1", "offset"};
    QTest::newRow("acetic acid, titrant")
        << FitCase{kAcetic, false, 40.0, 80, 0.01, 0.0, "conc,titrant"}
        << QStringList{"conc", "titrant"};
    QTest::newRow("phosphoric acid, default")
        << FitCase{kPhosphoric, false, 40.0, 81, 0.01} << QStringList{"conc", "pka1", "pka2"};
    QTest::newRow("ammonia by pKb with HCl")
        << FitCase{kAmmonia, true, 35.0, 71, 0.02} << QStringList{"conc", "pkb1"};
    QTest::newRow("acetic acid, Davies")
        << FitCase{kAceticDavies, false, 40.0, 80, 0.01} << QStringList{"conc", "pka1"};
}

void TestTitrationFit::recoversTruth() {
    QFETCH(FitCase, fitCase);
    QFETCH(QStringList, expectedNames);
    constexpr int kSeeds = 20;
    int within = 0;
    std::vector<std::vector<double>> fitted;
    std::vector<double> meanError;
    for (unsigned seed = 1; seed <= kSeeds; ++seed) {
        const FitRun run = runFit(fitCase, seed, fitCase.count);
        QVERIFY2(run.problem.empty(), run.problem.problem.english().c_str());
        QStringList names;
        for (const model::FitParameter& parameter : run.parameters) {
            names << QString::fromStdString(model::fitParameterName(parameter, run.fit.sample));
        }
        QCOMPARE(names, expectedNames);
        QCOMPARE(run.fit.pointsUsed, fitCase.count);
        QCOMPARE(run.fit.residuals.size(), static_cast<std::size_t>(fitCase.count));
        // The residuals are the measured pH less the fitted model's, and give s.
        const std::vector<double> fittedPhs =
            model::modelPhAt(run.fit.sample, run.fit.titration, run.points, run.fit.pHOffset);
        double squares = 0.0;
        for (std::size_t i = 0; i < run.points.size(); ++i) {
            QVERIFY(closeTo(run.fit.residuals[i], run.points[i].pH - fittedPhs[i], 0.0, 1e-9));
            squares += run.fit.residuals[i] * run.fit.residuals[i];
        }
        QVERIFY(closeTo(
            run.fit.residualDeviation,
            std::sqrt(squares / static_cast<double>(fitCase.count - expectedNames.size())), 1e-9));
        // s estimates the noise's σ; with 60 or more points it lies well within ±30 %.
        QVERIFY2(run.fit.residualDeviation > 0.7 * fitCase.sigma &&
                     run.fit.residualDeviation < 1.3 * fitCase.sigma,
                 qPrintable(QString::number(run.fit.residualDeviation)));
        bool allWithin = true;
        fitted.resize(run.fit.values.size());
        meanError.resize(run.fit.values.size());
        for (std::size_t j = 0; j < run.fit.values.size(); ++j) {
            fitted[j].push_back(run.fit.values[j].value);
            meanError[j] += run.fit.values[j].standardError / kSeeds;
        }
        for (const model::FittedValue& value : run.fit.values) {
            QVERIFY(value.standardError > 0.0);
            allWithin = allWithin && std::abs(value.value - trueValue(value.parameter, fitCase)) <=
                                         3.0 * value.standardError;
        }
        within += allWithin ? 1 : 0;
        for (std::size_t j = 0; j < run.fit.correlation.size(); ++j) {
            QCOMPARE(run.fit.correlation[j][j], 1.0);
            for (std::size_t k = 0; k < run.fit.correlation.size(); ++k) {
                QVERIFY(std::abs(run.fit.correlation[j][k]) <= 1.0);
                QCOMPARE(run.fit.correlation[j][k], run.fit.correlation[k][j]);
            }
        }
    }
    // Three standard errors hold a value with 99.7 % probability; allow two misses in twenty.
    QVERIFY2(within >= kSeeds - 2, qPrintable(QStringLiteral("%1 of %2").arg(within).arg(kSeeds)));
    // The standard errors are neither too small nor too large: the spread of the values fitted
    // to twenty sets of noise matches them within what twenty samples allow.
    for (std::size_t j = 0; j < fitted.size(); ++j) {
        double mean = 0.0;
        for (const double value : fitted[j]) {
            mean += value / kSeeds;
        }
        double squares = 0.0;
        for (const double value : fitted[j]) {
            squares += (value - mean) * (value - mean);
        }
        const double spread = std::sqrt(squares / (kSeeds - 1));
        QVERIFY2(spread > 0.6 * meanError[j] && spread < 1.5 * meanError[j],
                 qPrintable(QStringLiteral("%1: spread %2, standard error %3")
                                .arg(expectedNames[static_cast<int>(j)])
                                .arg(spread)
                                .arg(meanError[j])));
    }
}

void TestTitrationFit::errorsShrinkAsRootOfPoints_data() {
    QTest::addColumn<FitCase>("fitCase");
    QTest::newRow("acetic acid") << FitCase{kAcetic, false, 40.0, 40, 0.01};
    QTest::newRow("acetic acid, offset")
        << FitCase{kAcetic, false, 40.0, 40, 0.01, 0.03, "conc,pka1,offset"};
    QTest::newRow("ammonia by pKb") << FitCase{kAmmonia, true, 35.0, 40, 0.01};
}

// Four times the points over the same volumes: the standard errors halve. They are compared
// relative to the residual deviation s of each run, which leaves (JᵀJ)⁻¹ alone, and against the
// square root of the ratio of the points actually used. The points on the jump are left out: a
// point that happens to fall on its steep part weighs far more than the others, so a coarse and a
// fine grid differ there by more than their numbers.
void TestTitrationFit::errorsShrinkAsRootOfPoints() {
    QFETCH(FitCase, fitCase);
    constexpr int kSeeds = 5;
    std::vector<double> fewer;
    std::vector<double> more;
    double expectedRatio = 0.0;
    for (unsigned seed = 1; seed <= kSeeds; ++seed) {
        const FitRun few = runFit(fitCase, seed, fitCase.count, true);
        const FitRun many = runFit(fitCase, seed + 100, 4 * fitCase.count, true);
        QVERIFY(few.problem.empty() && many.problem.empty());
        fewer.resize(few.fit.values.size());
        more.resize(many.fit.values.size());
        for (std::size_t j = 0; j < few.fit.values.size(); ++j) {
            fewer[j] += few.fit.values[j].standardError / few.fit.residualDeviation;
            more[j] += many.fit.values[j].standardError / many.fit.residualDeviation;
        }
        expectedRatio = std::sqrt(static_cast<double>(many.fit.pointsUsed) / few.fit.pointsUsed);
    }
    QVERIFY(expectedRatio > 1.9 && expectedRatio < 2.1);
    for (std::size_t j = 0; j < fewer.size(); ++j) {
        const double ratio = fewer[j] / more[j];
        QVERIFY2(closeTo(ratio, expectedRatio, 0.06),
                 qPrintable(QStringLiteral("parameter %1: ratio %2, expected %3")
                                .arg(j)
                                .arg(ratio)
                                .arg(expectedRatio)));
    }
}

void TestTitrationFit::refusesUndetermined_data() {
    QTest::addColumn<int>("first"); ///< first point's index of 0..40 mL in 0.5 mL
    QTest::addColumn<int>("count"); ///< points used
    QTest::addColumn<QString>("vary");
    QTest::addColumn<int>("twinSystems"); ///< acetic acid given as this many identical systems
    QTest::addColumn<int>("parameter");   ///< the refused one, or −1
    QTest::addColumn<QString>("named");   ///< a part of the message
    QTest::newRow("pKa below the data")
        << 60 << 21 << "conc,pka1" << 1 << 1 << "pka1: the pKa 4.76 lies outside";
    QTest::newRow("pKa above the data")
        << 0 << 7 << "pka1,conc" << 1 << 0 << "pka1: the pKa 4.76 lies outside";
    QTest::newRow("fewer points than parameters")
        << 0 << 3 << "conc,pka1,offset" << 1 << -1 << "points (3) than parameters to fit (3)";
    QTest::newRow("as many points as parameters")
        << 0 << 2 << "conc,pka1" << 1 << -1 << "points (2) than parameters to fit (2)";
    QTest::newRow("two systems told apart by nothing")
        << 0 << 81 << "conc,conc:2" << 2 << 1 << "conc:2 is not determined";
    QTest::newRow("two constants told apart by nothing")
        << 0 << 81 << "pka1,pka1:2" << 2 << 1 << "pka1:2 is not determined";
    QTest::newRow("start at no concentration")
        << 0 << 81 << "pka1,conc:2" << 2 << 1 << "conc:2 needs a starting value above 0";
}

void TestTitrationFit::refusesUndetermined() {
    QFETCH(int, first);
    QFETCH(int, count);
    QFETCH(QString, vary);
    QFETCH(int, twinSystems);
    QFETCH(int, parameter);
    QFETCH(QString, named);
    Noise noise(7, 0.01);
    ReferenceTitration truth = kAcetic;
    truth.pKa = {4.76};
    // Two systems of 0.05 mol/L each behave exactly as one of 0.1 mol/L.
    truth.concentration = 0.1;
    std::vector<model::TitrationPoint> all = measured(truth, 0.0, 40.0, 81, noise);
    const std::vector<model::TitrationPoint> points(all.begin() + first,
                                                    all.begin() + first + count);
    model::Mixture sample = sampleOf(truth, false);
    sample.systems.front().concentration /= twinSystems;
    sample.systems.resize(static_cast<std::size_t>(twinSystems), sample.systems.front());
    if (QTest::currentDataTag() == QLatin1String("start at no concentration")) {
        sample.systems.back().concentration = 0.0;
    }
    std::vector<model::FitParameter> parameters;
    QVERIFY(model::readFitParameters(vary.toStdString(), sample, parameters).empty());
    model::TitrationFit fit;
    fit.pointsUsed = -5;
    const model::FitProblem problem =
        model::fitTitration(sample, titrationOf(truth), points, parameters, fit);
    QVERIFY(!problem.empty());
    QCOMPARE(problem.parameter, parameter);
    QVERIFY2(QString::fromStdString(problem.problem.english()).contains(named),
             problem.problem.english().c_str());
    QCOMPARE(fit.pointsUsed, -5);
}

void TestTitrationFit::readsNames_data() {
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("names");   ///< as fitParameterName() writes them back, or empty
    QTest::addColumn<QString>("refused"); ///< the name the refusal gives
    QTest::newRow("concentration and constant") << "acid"
                                                << "conc,pka1"
                                                << "conc,pka1"
                                                << "";
    QTest::newRow("blanks and capitals") << "acid"
                                         << " Conc , PKA1 "
                                         << "conc,pka1"
                                         << "";
    QTest::newRow("second system") << "two"
                                   << "conc:2,pka1:2,pka1"
                                   << "conc:2,pka1:2,pka1"
                                   << "";
    QTest::newRow("titrant and offset") << "acid"
                                        << "titrant,offset"
                                        << "titrant,offset"
                                        << "";
    QTest::newRow("base by pKb") << "base"
                                 << "pkb1,conc"
                                 << "pkb1,conc"
                                 << "";
    QTest::newRow("strong acid alone") << "strong"
                                       << "conc"
                                       << "conc"
                                       << "";
    QTest::newRow("strong acid beside a system") << "acid+strong"
                                                 << "strong,conc"
                                                 << "strong,conc"
                                                 << "";
    QTest::newRow("pka of a base") << "base"
                                   << "pka1"
                                   << ""
                                   << "pka1";
    QTest::newRow("pkb of an acid") << "acid"
                                    << "conc,pkb1"
                                    << ""
                                    << "pkb1";
    QTest::newRow("constant beyond the system's") << "acid"
                                                  << "pka2"
                                                  << ""
                                                  << "pka2";
    QTest::newRow("system beyond the sample's") << "two"
                                                << "conc:3"
                                                << ""
                                                << "conc:3";
    QTest::newRow("system 0") << "two"
                              << "conc:0"
                              << ""
                              << "conc:0";
    QTest::newRow("unknown name") << "acid"
                                  << "conc,temperature"
                                  << ""
                                  << "temperature";
    QTest::newRow("named twice") << "acid"
                                 << "pka1,conc,pka1"
                                 << ""
                                 << "pka1";
    QTest::newRow("same twice, two spellings") << "acid"
                                               << "conc,conc:1"
                                               << ""
                                               << "conc:1";
    QTest::newRow("strong without one") << "acid"
                                        << "strong"
                                        << ""
                                        << "strong";
    QTest::newRow("empty between commas") << "acid"
                                          << "conc,,pka1"
                                          << ""
                                          << "";
    QTest::newRow("nothing") << "acid"
                             << ""
                             << ""
                             << "";
}

void TestTitrationFit::readsNames() {
    QFETCH(QString, sample);
    QFETCH(QString, list);
    QFETCH(QString, names);
    QFETCH(QString, refused);
    model::Mixture mixture;
    if (sample.startsWith("acid") || sample == "two") {
        mixture.systems = {{{4.76}, 0, 0.1}};
    }
    if (sample == "two") {
        mixture.systems.push_back({{2.15, 7.2, 12.35}, 0, 0.05});
    }
    if (sample == "base") {
        mixture.systems = {{{4.75}, 1, 0.1, 0, true}};
    }
    if (sample.endsWith("strong")) {
        mixture.strongAcid = 0.02;
    }
    std::vector<model::FitParameter> parameters{{model::FitQuantity::PhOffset}};
    const model::FitNameProblem problem =
        model::readFitParameters(list.toStdString(), mixture, parameters);
    if (names.isEmpty()) {
        QVERIFY(!problem.empty());
        QCOMPARE(QString::fromStdString(problem.name), refused);
        QCOMPARE(parameters.size(), std::size_t{1});
        return;
    }
    QVERIFY2(problem.empty(), problem.problem.english().c_str());
    QStringList written;
    for (const model::FitParameter& parameter : parameters) {
        written << QString::fromStdString(model::fitParameterName(parameter, mixture));
    }
    QCOMPARE(written.join(','), names);
}

void TestTitrationFit::defaultParameters_data() {
    QTest::addColumn<FitCase>("fitCase");
    QTest::addColumn<double>("lastVolume");
    QTest::addColumn<QString>("names");
    QTest::newRow("acetic acid, whole curve") << FitCase{kAcetic} << 40.0 << "conc,pka1";
    QTest::newRow("acetic acid, only its start") << FitCase{kAcetic} << 1.0 << "conc";
    QTest::newRow("phosphoric acid to pH 11.6") << FitCase{kPhosphoric} << 40.0 << "conc,pka1,pka2";
    QTest::newRow("phosphoric acid to its second step")
        << FitCase{kPhosphoric} << 15.0 << "conc,pka1";
    QTest::newRow("ammonia by pKb") << FitCase{kAmmonia, true} << 35.0 << "conc,pkb1";
    QTest::newRow("ethylenediamine by pKb, its first step")
        << FitCase{kEthylenediamine, true} << 10.0 << "conc,pkb1";
    QTest::newRow("ethylenediamine by pKb, its second step")
        << FitCase{kEthylenediamine, true} << 35.0 << "conc,pkb1,pkb2";
}

void TestTitrationFit::defaultParameters() {
    QFETCH(FitCase, fitCase);
    QFETCH(double, lastVolume);
    QFETCH(QString, names);
    Noise noise(3, 0.0);
    const std::vector<model::TitrationPoint> points =
        measured(fitCase.truth, 0.0, lastVolume, 41, noise);
    const model::Mixture sample = sampleOf(fitCase.truth, fitCase.givenAsBase);
    QStringList written;
    for (const model::FitParameter& parameter : model::defaultFitParameters(sample, points)) {
        written << QString::fromStdString(model::fitParameterName(parameter, sample));
    }
    QCOMPARE(written.join(','), names);
}

void TestTitrationFit::valueWithError_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("error");
    QTest::addColumn<QString>("text");
    QTest::newRow("one digit of 8") << 0.100123 << 0.0000812 << "0.10012 ± 0.00008";
    QTest::newRow("two digits of 21") << 4.75983 << 0.00213 << "4.7598 ± 0.0021";
    QTest::newRow("one digit of 4") << 0.10031 << 0.00041 << "0.1003 ± 0.0004";
    QTest::newRow("two digits of 1") << 0.0123 << 0.00149 << "0.0123 ± 0.0015";
    QTest::newRow("29 is still two digits") << 0.0123 << 0.00294 << "0.0123 ± 0.0029";
    QTest::newRow("3 from one digit") << 0.0123 << 0.0031 << "0.012 ± 0.003";
    QTest::newRow("rounded up into a 3") << 0.0123 << 0.00296 << "0.012 ± 0.003";
    QTest::newRow("rounded up into the next power") << 4.7512 << 0.0996 << "4.75 ± 0.10";
    QTest::newRow("9.6 rounds to 10") << 123.4 << 9.6 << "123 ± 10";
    QTest::newRow("large error, no decimals") << 1234.56 << 12.3 << "1235 ± 12";
    QTest::newRow("negative") << -0.0123 << 0.003 << "-0.012 ± 0.003";
    QTest::newRow("a negative that rounds to zero") << -0.0004 << 0.003 << "0.000 ± 0.003";
    QTest::newRow("no error") << 0.1 << 0.0 << "0.100000 ± 0";
}

void TestTitrationFit::valueWithError() {
    QFETCH(double, value);
    QFETCH(double, error);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(model::valueWithError(value, error)), text);
}

// The report of a fit as the command line prints it, from a fit made up here.
void TestTitrationFit::report() {
    model::TitrationFit fit;
    fit.sample.systems = {{{4.76}, 0, 0.1}};
    fit.values = {{{model::FitQuantity::Concentration, 0, 0}, 0.100123, 0.0000812},
                  {{model::FitQuantity::Constant, 0, 1}, 4.75983, 0.00213},
                  {{model::FitQuantity::TitrantConcentration, 0, 0}, 0.10031, 0.00041},
                  {{model::FitQuantity::PhOffset, 0, 0}, 0.0123, 0.0031}};
    fit.correlation = {{1.0, -0.4213, 0.5, 0.0},
                       {-0.4213, 1.0, 0.25, -0.001},
                       {0.5, 0.25, 1.0, 0.996},
                       {0.0, -0.001, 0.996, 1.0}};
    fit.residualDeviation = 0.004912;
    fit.pointsUsed = 61;
    const std::vector<std::string> expected{"conc 0.10012 ± 0.00008 mol/L",
                                            "pka1 4.7598 ± 0.0021",
                                            "titrant 0.1003 ± 0.0004 mol/L",
                                            "offset 0.012 ± 0.003",
                                            "s 0.0049",
                                            "n 61",
                                            "correlation conc pka1 -0.42",
                                            "correlation conc titrant 0.50",
                                            "correlation conc offset 0.00",
                                            "correlation pka1 titrant 0.25",
                                            "correlation pka1 offset 0.00",
                                            "correlation titrant offset 1.00"};
    QCOMPARE(model::fitReport(fit), expected);
}

QTEST_GUILESS_MAIN(TestTitrationFit)
#include "test_titrationfit.moc"
