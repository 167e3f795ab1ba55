// SPDX-License-Identifier: GPL-3.0-or-later
// The chemistry of mixtures: several weak acid-base systems with strong acid, base and salts, at
// 0..100 °C, with ideal or Davies activities. Expected values are textbook and standard figures
// and an independent calculation (the charge balance of every ion in long double, each species
// from its activity, bisected in pH, with the ionic strength iterated by hand).

#include "testsupport.h"

#include "model/mixture.h"
#include "model/mixturetitration.h"
#include "model/polyprotic.h"
#include "model/solution.h"

#include <QtTest>

#include <cmath>
#include <numeric>
#include <vector>

using namespace velmora::model;

using Doubles = std::vector<double>;

Q_DECLARE_METATYPE(Mixture)
Q_DECLARE_METATYPE(Doubles)
Q_DECLARE_METATYPE(MixtureTitration)

namespace {

WeakSystem acidSystem(const Doubles& pKa, double concentration, int dissolvedAs, int charge = 0,
                      const Doubles& enthalpy = {}) {
    return WeakSystem{pKa, charge, concentration, dissolvedAs, false, enthalpy};
}

WeakSystem baseSystem(const Doubles& pKb, double concentration, int charge,
                      const Doubles& enthalpy = {}) {
    return WeakSystem{pKb, charge, concentration, 0, true, enthalpy};
}

Mixture mixtureOf(std::vector<WeakSystem> systems, double strongBase = 0.0, double strongAcid = 0.0,
                  double celsius = 25.0, Activity activity = Activity::Ideal,
                  std::vector<InertSalt> salts = {}) {
    return Mixture{std::move(systems), strongBase, strongAcid, std::move(salts), celsius, activity};
}

/** Phosphoric acid's thermodynamic constants at 25 °C (Bates). */
const Doubles kPhosphoric{2.148, 7.198, 12.35};

/** The five systems of the benchmark: phosphate, citrate, ammonium, carbonate, borate. */
Mixture fiveSystems(Activity activity) {
    return mixtureOf({acidSystem(kPhosphoric, 0.02, 1), acidSystem({3.13, 4.76, 6.40}, 0.01, 3),
                      acidSystem({9.25}, 0.03, 0, 1), acidSystem({6.35, 10.33}, 0.005, 2),
                      acidSystem({9.24}, 0.01, 0)},
                     0.01, 0.0, 25.0, activity, {{0.05, 1, 1}});
}

/** The ions of a mixture's weak systems at given activity coefficients, in long double. */
struct ReferenceSystem {
    std::vector<long double> pKa;
    int charge = 0;
    long double concentration = 0.0L;
    int dissolvedAs = 0;
};

/**
 * The pH of `mixture` worked out on its own: the acids' constants from the given ones (van 't Hoff
 * by hand, a base's pKb turned into pKa with `pKw`), every species' activity from the products of
 * the constants over a(H+)^j, its concentration that activity over its γ (Davies with constant
 * `A`), all scaled to the system's total; the charge balance of every ion, counter-ions included,
 * bisected in pH; the ionic strength of those ions fed back until it no longer changes.
 */
double referencePh(const Mixture& mixture, long double pKw, long double A,
                   long double* ionicStrengthOut = nullptr) {
    const long double kelvin = mixture.temperature + 273.15L;
    std::vector<ReferenceSystem> systems;
    long double cations = mixture.strongBase; // singly charged counter-ions and strong base
    long double anions = mixture.strongAcid;
    long double saltIons = 0.0L; // Σ c z² of the salts
    for (const InertSalt& salt : mixture.salts) {
        const int common = std::gcd(salt.cationCharge, salt.anionCharge);
        saltIons +=
            salt.concentration * (salt.anionCharge / common) * salt.cationCharge *
                salt.cationCharge +
            salt.concentration * (salt.cationCharge / common) * salt.anionCharge * salt.anionCharge;
    }
    for (const WeakSystem& given : mixture.systems) {
        ReferenceSystem system;
        const std::size_t n = given.pK.size();
        for (std::size_t i = 0; i < n; ++i) {
            long double pK = given.pK[i];
            if (!given.enthalpy.empty()) {
                pK += given.enthalpy[i] * 1000.0L / (8.314462618L * std::log(10.0L)) *
                      (1.0L / kelvin - 1.0L / 298.15L);
            }
            system.pKa.push_back(pK);
        }
        if (given.givenAsBase) {
            std::reverse(system.pKa.begin(), system.pKa.end());
            for (long double& pK : system.pKa) {
                pK = pKw - pK;
            }
        }
        system.charge = given.charge;
        system.concentration = given.concentration;
        system.dissolvedAs = given.givenAsBase ? static_cast<int>(n) : given.dissolvedAs;
        // The protons a substance gives off completely are free H+, not counter-ions.
        const int dissolvedCharge = given.charge - system.dissolvedAs + given.protonsGiven;
        (dissolvedCharge < 0 ? cations : anions) += std::abs(dissolvedCharge) * given.concentration;
        systems.push_back(system);
    }
    const bool davies = mixture.activity == Activity::Davies;
    long double ionic = 0.0L;
    long double pH = 7.0L;
    for (int round = 0; round < 300; ++round) {
        const auto gamma = [&](int z) {
            const long double root = std::sqrt(ionic);
            return davies ? std::pow(10.0L, -A * z * z * (root / (1.0L + root) - 0.3L * ionic))
                          : 1.0L;
        };
        // Net charge and Σ c z² at a pH.
        const auto ions = [&](long double at, long double& strength) {
            const long double activity = std::pow(10.0L, -at);
            const long double h = activity / gamma(1);
            const long double oh = std::pow(10.0L, -pKw) / activity / gamma(1);
            long double net = h - oh + cations - anions;
            strength = h + oh + cations + anions + saltIons;
            for (const ReferenceSystem& system : systems) {
                std::vector<long double> c{1.0L / gamma(system.charge)};
                long double product = 1.0L;
                long double sum = c[0];
                for (std::size_t j = 1; j <= system.pKa.size(); ++j) {
                    product *= std::pow(10.0L, -system.pKa[j - 1]) / activity;
                    c.push_back(product / gamma(system.charge - static_cast<int>(j)));
                    sum += c.back();
                }
                for (std::size_t j = 0; j < c.size(); ++j) {
                    const int z = system.charge - static_cast<int>(j);
                    const long double amount = system.concentration * c[j] / sum;
                    net += z * amount;
                    strength += z * z * amount;
                }
            }
            return net;
        };
        long double low = -3.0L;
        long double high = 17.0L;
        long double strength = 0.0L;
        for (int i = 0; i < 200; ++i) {
            const long double mid = 0.5L * (low + high);
            (ions(mid, strength) > 0.0L ? low : high) = mid;
        }
        pH = 0.5L * (low + high);
        (void)ions(pH, strength);
        const long double next = 0.5L * strength;
        if (!davies || std::abs(next - ionic) <= 1e-16L * next) {
            ionic = next;
            break;
        }
        ionic = next;
    }
    if (ionicStrengthOut != nullptr) {
        *ionicStrengthOut = ionic;
    }
    return static_cast<double>(pH);
}

/**
 * The ions of a solved mixture as a chemist adds them up: the net charge and the sum of the
 * charges' magnitudes to compare it with.
 */
std::pair<double, double> chargeSums(const Mixture& mixture, const MixtureState& state) {
    double net = state.hydrogen - state.hydroxide + mixture.strongBase - mixture.strongAcid;
    double scale = state.hydrogen + state.hydroxide + mixture.strongBase + mixture.strongAcid;
    for (std::size_t s = 0; s < mixture.systems.size(); ++s) {
        const WeakSystem& system = mixture.systems[s];
        const int n = static_cast<int>(system.pK.size());
        const int dissolvedAs = system.givenAsBase ? n : system.dissolvedAs;
        const double counter =
            (dissolvedAs - system.charge - system.protonsGiven) * system.concentration;
        net += counter;
        scale += std::abs(counter);
        for (int j = 0; j <= n; ++j) {
            const double charge = (system.charge - j) * state.concentration[s][std::size_t(j)];
            net += charge;
            scale += std::abs(charge);
        }
    }
    return {net, scale};
}

} // namespace

class TestMixture : public QObject {
    Q_OBJECT

private slots:
    void publishedAndReference_data();
    void publishedAndReference();
    void singleSystemAsSolution_data();
    void singleSystemAsSolution();
    void bufferCapacity_data();
    void bufferCapacity();
    void daviesConstant_data();
    void daviesConstant();
    void flags();
    void problems_data();
    void problems();
    void titrationAgainstReference_data();
    void titrationAgainstReference();
    void titrationSlopeAndVolume_data();
    void titrationSlopeAndVolume();
};

void TestMixture::publishedAndReference_data() {
    QTest::addColumn<Mixture>("mixture");
    QTest::addColumn<double>("published"); // NaN when there is none
    QTest::addColumn<double>("tolerance");

    const double none = std::nan("");
    // Pure water: pKw/2 at 0, 25 and 50 °C (CRC Handbook, ionisation constant of water).
    QTest::newRow("water 0 °C") << mixtureOf({}, 0, 0, 0.0) << 7.47 << 0.005;
    QTest::newRow("water 25 °C") << mixtureOf({}) << 7.00 << 1e-12;
    QTest::newRow("water 50 °C") << mixtureOf({}, 0, 0, 50.0) << 6.63 << 0.005;
    QTest::newRow("water 100 °C") << mixtureOf({}, 0, 0, 100.0) << 6.14 << 0.01;
    // Hydrofluoric acid, Ka 6.76e-4: the textbook quadratic.
    const double pKaHF = -std::log10(6.76e-4);
    QTest::newRow("0.01 M HF") << mixtureOf({acidSystem({pKaHF}, 0.01, 0)}) << 2.6413 << 5e-5;
    QTest::newRow("0.01 M NaF") << mixtureOf({acidSystem({pKaHF}, 0.01, 1)}) << 7.5992 << 5e-5;
    // Ammonium acetate: (pKa(HAc) + pKa(NH4+))/2.
    QTest::newRow("0.1 M ammonium acetate")
        << mixtureOf({acidSystem({4.76}, 0.1, 1), acidSystem({9.25}, 0.1, 0, 1)}) << 7.00 << 0.01;
    QTest::newRow("acetate buffer 0.1/0.1")
        << mixtureOf({acidSystem({4.76}, 0.1, 0), acidSystem({4.76}, 0.1, 1)}) << 4.76 << 0.001;
    // Ammonia given by its pKb 4.75: [OH-] = √(Kb·C).
    QTest::newRow("0.1 M ammonia by pKb")
        << mixtureOf({baseSystem({4.75}, 0.1, 1)}) << 11.12 << 0.01;
    // Ethylenediamine by its two pKb (3.29, 6.44 at 25 °C): the first step's quadratic gives
    // [OH−] = 2.02e-3 for 0.01 M, pH 11.31.
    QTest::newRow("0.01 M ethylenediamine by pKb")
        << mixtureOf({baseSystem({3.29, 6.44}, 0.01, 2)}) << 11.31 << 0.01;
    // NIST phosphate standard 0.025 m KH2PO4 + 0.025 m Na2HPO4: pH(S) 6.865 at 25 °C.
    QTest::newRow("phosphate standard, Davies")
        << mixtureOf({acidSystem(kPhosphoric, 0.025, 1), acidSystem(kPhosphoric, 0.025, 2)}, 0, 0,
                     25.0, Activity::Davies)
        << 6.865 << 0.02;
    QTest::newRow("phosphate standard, ideal")
        << mixtureOf({acidSystem(kPhosphoric, 0.025, 1), acidSystem(kPhosphoric, 0.025, 2)})
        << 7.198 << 0.001;
    // 0.1 M HCl: pH = −log(0.1·γ±), measured 1.09 (Bates); Davies gives γ 0.78.
    QTest::newRow("0.1 M HCl, Davies")
        << mixtureOf({}, 0, 0.1, 25.0, Activity::Davies) << 1.09 << 0.03;
    // Sulfuric acid, its first proton given off completely, HSO4- with pKa 1.99: 0.01 M gives
    // [H+] = 0.01 + x with x² + 0.02023x − 1.023e-4 = 0, x = 0.00419, pH 1.848.
    QTest::newRow("0.01 M sulfuric acid") << [] {
        WeakSystem hydrogenSulfate = acidSystem({1.99}, 0.01, 0, -1);
        hydrogenSulfate.protonsGiven = 1;
        return mixtureOf({hydrogenSulfate});
    }() << 1.848 << 0.001;
    // With Davies its ions are H+, HSO4- and SO4^2- alone (I = 0.0184 here), no counter-ions.
    QTest::newRow("0.01 M sulfuric acid, Davies") << [] {
        WeakSystem hydrogenSulfate = acidSystem({1.99}, 0.01, 0, -1);
        hydrogenSulfate.protonsGiven = 1;
        return mixtureOf({hydrogenSulfate}, 0, 0, 25.0, Activity::Davies);
    }() << none << 0.0;
    // Ammonium chloride at 50 °C with ΔH° 52.2 kJ/mol: pKa 8.54 there (about 8.56 measured).
    QTest::newRow("0.1 M NH4Cl 50 °C")
        << mixtureOf({acidSystem({9.245}, 0.1, 0, 1, {52.2})}, 0, 0, 50.0) << none << 0.0;
    QTest::newRow("five systems, ideal") << fiveSystems(Activity::Ideal) << none << 0.0;
    QTest::newRow("five systems, Davies") << fiveSystems(Activity::Davies) << none << 0.0;
    QTest::newRow("five systems, Davies, 80 °C") << [] {
        Mixture m = fiveSystems(Activity::Davies);
        m.temperature = 80.0;
        m.systems[2].enthalpy = {52.2};
        return m;
    }() << none << 0.0;
    QTest::newRow("sulfate salt and citrate, Davies")
        << mixtureOf({acidSystem({3.13, 4.76, 6.40}, 0.05, 2)}, 0.0, 0.02, 25.0, Activity::Davies,
                     {{0.1, 1, 2}, {0.05, 2, 1}})
        << none << 0.0;
    // ΔH° of opposite signs move the two constants past each other by 100 °C.
    QTest::newRow("constants crossing at 100 °C, Davies")
        << mixtureOf({acidSystem({5.0, 5.1}, 0.05, 1, 0, {-100.0, 100.0})}, 0, 0, 100.0,
                     Activity::Davies)
        << none << 0.0;
    QTest::newRow("1e-8 M HCl") << mixtureOf({}, 0, 1e-8) << 6.98 << 0.005;
    QTest::newRow("3 M NaOH, Davies beyond range")
        << mixtureOf({}, 3.0, 0, 25.0, Activity::Davies) << none << 0.0;
}

void TestMixture::publishedAndReference() {
    QFETCH(Mixture, mixture);
    QFETCH(double, published);
    QFETCH(double, tolerance);
    QVERIFY(problemWithMixture(mixture).empty());
    const MixtureState state = solveMixture(mixture);
    long double ionic = 0.0L;
    const double expected = referencePh(mixture, state.pKw, daviesA(mixture.temperature), &ionic);
    QVERIFY2(std::abs(state.pH - expected) <= 1e-9,
             qPrintable(velmora::test::describeClose(state.pH, expected, 0)));
    QVERIFY(velmora::test::closeTo(state.ionicStrength, static_cast<double>(ionic), 1e-9));
    if (!std::isnan(published)) {
        QVERIFY2(std::abs(state.pH - published) <= tolerance,
                 qPrintable(velmora::test::describeClose(state.pH, published, tolerance)));
    }
    // Balanced to 1e-12 of the ions' charge, plus what the pH's tolerance of 1e-10 leaves: the
    // balance changes by β (mol/L per pH) as the pH moves, and the root is the middle of the
    // solver's last bracket, at most 5e-11 from the true one.
    const auto [net, scale] = chargeSums(mixture, state);
    QVERIFY2(std::abs(net) <= 1e-12 * scale + 0.5 * kPhTolerance * state.bufferCapacity,
             qPrintable(QString::number(net / scale)));
    // Water's own equilibrium at the returned pH: a(H+)·a(OH−) = Kw.
    const double gamma1 = state.gamma[1];
    QVERIFY(velmora::test::closeTo(state.hydrogen * gamma1 * state.hydroxide * gamma1,
                                   std::pow(10.0, -state.pKw), 1e-12));
}

void TestMixture::singleSystemAsSolution_data() {
    QTest::addColumn<Mixture>("mixture"); // one acid given by its pKa, ideal, 25 °C

    QTest::newRow("acetic acid") << mixtureOf({acidSystem({4.76}, 0.1, 0)});
    QTest::newRow("1e-10 M acetic acid") << mixtureOf({acidSystem({4.76}, 1e-10, 0)});
    QTest::newRow("Na2HPO4 with HCl") << mixtureOf({acidSystem(kPhosphoric, 0.05, 2)}, 0, 0.03);
    QTest::newRow("NH4Cl") << mixtureOf({acidSystem({9.25}, 0.2, 0, 1)});
    QTest::newRow("tetraprotic NaH3A") << mixtureOf({acidSystem({2.1, 5.4, 9.7, 12.3}, 0.1, 1)});
    QTest::newRow("hexaprotic, charged, with base")
        << mixtureOf({acidSystem({-2.0, 0.5, 3.0, 3.0, 11.0, 24.0}, 10.0, 4, 2)}, 5.0);
    QTest::newRow("strong acid alone") << mixtureOf({acidSystem({4.76}, 0.0, 0)}, 0, 1e-8);
}

void TestMixture::singleSystemAsSolution() {
    QFETCH(Mixture, mixture);
    const WeakSystem& system = mixture.systems.front();
    const PolyproticAcid acid(system.pK, system.charge);
    const Solution solution{system.concentration, system.dissolvedAs, mixture.strongBase,
                            mixture.strongAcid};
    // The same doubles at every pH and at the root, not merely close ones.
    const ChargeBalance single(acid, solution);
    const MixtureBalance several(mixture);
    for (double pH = -4.0; pH <= 18.0; pH += 0.37) {
        QCOMPARE(several(pH), single(pH));
    }
    const SolutionState expected = solveSolution(acid, solution);
    const MixtureState state = solveMixture(mixture);
    QCOMPARE(state.pH, expected.pH);
    QCOMPARE(state.hydrogen, expected.hydrogen);
    QCOMPARE(state.hydroxide, expected.hydroxide);
    for (int j = 0; j < acid.speciesCount(); ++j) {
        QVERIFY(velmora::test::closeTo(state.concentration[0][std::size_t(j)],
                                       expected.concentration[std::size_t(j)], 1e-13, 1e-300));
    }
}

void TestMixture::bufferCapacity_data() {
    QTest::addColumn<Mixture>("mixture");
    QTest::addColumn<double>("published"); // NaN when there is none

    const double none = std::nan("");
    // β = ln10·(C·Ka·h/(Ka + h)² + h + Kw/h) at pH = pKa: ln10·C/4 with C = 0.2.
    QTest::newRow("acetate buffer 0.1/0.1")
        << mixtureOf({acidSystem({4.76}, 0.1, 0), acidSystem({4.76}, 0.1, 1)})
        << std::log(10.0) * 0.2 / 4.0;
    QTest::newRow("water") << mixtureOf({}) << std::log(10.0) * 2e-7;
    QTest::newRow("0.01 M HCl") << mixtureOf({}, 0, 0.01) << none;
    QTest::newRow("five systems") << fiveSystems(Activity::Ideal) << none;
    QTest::newRow("ethylenediamine at 60 °C")
        << mixtureOf({baseSystem({3.29, 6.44}, 0.05, 2)}, 0, 0.06, 60.0) << none;
}

void TestMixture::bufferCapacity() {
    QFETCH(Mixture, mixture);
    QFETCH(double, published);
    const MixtureState state = solveMixture(mixture);
    if (!std::isnan(published)) {
        QVERIFY(velmora::test::closeTo(state.bufferCapacity, published, 2e-3));
    }
    // dC_B/dpH from two solves with a little more and a little less strong base.
    const double step = state.bufferCapacity * 1e-4;
    Mixture more = mixture;
    more.strongBase += step;
    Mixture less = mixture;
    less.strongBase -= step;
    if (less.strongBase < 0.0) {
        less.strongAcid -= less.strongBase;
        less.strongBase = 0.0;
    }
    const double numeric = 2.0 * step / (solveMixture(more).pH - solveMixture(less).pH);
    QVERIFY2(velmora::test::closeTo(state.bufferCapacity, numeric, 1e-4),
             qPrintable(velmora::test::describeClose(state.bufferCapacity, numeric, 1e-4)));
}

void TestMixture::daviesConstant_data() {
    QTest::addColumn<double>("celsius");
    QTest::addColumn<double>("published");
    // Debye-Hückel A (mol/L), Robinson and Stokes, Electrolyte Solutions, appendix 7.1.
    QTest::newRow("0 °C") << 0.0 << 0.4918;
    QTest::newRow("25 °C") << 25.0 << 0.5115;
    QTest::newRow("50 °C") << 50.0 << 0.5373;
    QTest::newRow("100 °C") << 100.0 << 0.6086;
}

void TestMixture::daviesConstant() {
    QFETCH(double, celsius);
    QFETCH(double, published);
    QVERIFY2(velmora::test::closeTo(daviesA(celsius), published, 0.01),
             qPrintable(velmora::test::describeClose(daviesA(celsius), published, 0.01)));
}

void TestMixture::flags() {
    // Davies beyond its range above I = 0.5 mol/L.
    QVERIFY(!solveMixture(mixtureOf({}, 0, 0.4, 25.0, Activity::Davies)).beyondDavies);
    QVERIFY(solveMixture(mixtureOf({}, 0, 0.6, 25.0, Activity::Davies)).beyondDavies);
    QVERIFY(!solveMixture(mixtureOf({}, 0, 0.6)).beyondDavies);
    // Counter-ions count: 0.2 M Na2HPO4 alone is I = 0.6.
    const MixtureState sodium =
        solveMixture(mixtureOf({acidSystem(kPhosphoric, 0.2, 2)}, 0, 0, 25.0, Activity::Davies));
    QVERIFY(sodium.beyondDavies);
    QVERIFY(sodium.activitiesSettled);
    QVERIFY(std::abs(sodium.ionicStrength - 0.6) < 0.005);
    // Constants without ΔH° keep their value away from 25 °C and are named.
    const Mixture warm =
        mixtureOf({acidSystem({4.76}, 0.1, 0), acidSystem({9.245}, 0.1, 0, 1, {52.2}),
                   baseSystem({4.75}, 0.1, 1)},
                  0, 0, 40.0);
    const MixtureState state = solveMixture(warm);
    QCOMPARE(state.constantsNotShifted, (std::vector<int>{0, 2}));
    QCOMPARE(state.pKa[0], Doubles{4.76});
    QVERIFY(state.pKa[1][0] < 9.245 - 0.3);
    QCOMPARE(state.pKa[2][0], state.pKw - 4.75);
    QVERIFY(solveMixture(mixtureOf({acidSystem({4.76}, 0.1, 0)})).constantsNotShifted.empty());
}

void TestMixture::problems_data() {
    QTest::addColumn<Mixture>("mixture");
    QTest::addColumn<QString>("problem"); // empty when fine

    const WeakSystem fine = acidSystem({4.76}, 0.1, 0);
    QTest::newRow("eight systems") << mixtureOf(std::vector<WeakSystem>(8, fine)) << QString();
    QTest::newRow("nine systems") << mixtureOf(std::vector<WeakSystem>(9, fine))
                                  << "may hold at most 8 acid-base systems";
    QTest::newRow("concentration 10") << mixtureOf({acidSystem({4.76}, 10.0, 0)}) << QString();
    QTest::newRow("concentration 0") << mixtureOf({acidSystem({4.76}, 0.0, 0)}) << QString();
    QTest::newRow("concentration above 10")
        << mixtureOf({acidSystem({4.76}, 10.001, 0)}) << "must be from 0 to 10 mol/L";
    QTest::newRow("concentration negative")
        << mixtureOf({acidSystem({4.76}, -1e-9, 0)}) << "must be from 0 to 10 mol/L";
    QTest::newRow("no pKa") << mixtureOf({acidSystem({}, 0.1, 0)}) << "needs 1 to 6 values";
    QTest::newRow("seven pKa") << mixtureOf({acidSystem({1, 2, 3, 4, 5, 6, 7}, 0.1, 0)})
                               << "needs 1 to 6 values";
    QTest::newRow("pKa falling") << mixtureOf({acidSystem({5, 4}, 0.1, 0)})
                                 << "values must be in non-decreasing order";
    QTest::newRow("pKb above 25") << mixtureOf({baseSystem({25.5}, 0.1, 1)})
                                  << "values must be from -5 to 25";
    QTest::newRow("dissolved as species 3 of 2")
        << mixtureOf({acidSystem({2, 7}, 0.1, 3)}) << "must be a species index from 0 to 2";
    QTest::newRow("enthalpies one short")
        << mixtureOf({acidSystem({2, 7}, 0.1, 0, 0, {10.0})})
        << "needs no enthalpy or one from -500 to 500 kJ/mol per constant";
    QTest::newRow("charge 7") << mixtureOf({acidSystem({2}, 0.1, 0, 7)})
                              << "must be a whole number from -6 to 6";
    const auto giving = [](int protons) {
        WeakSystem system = acidSystem({1.99}, 0.1, 0, -1);
        system.protonsGiven = protons;
        return mixtureOf({system});
    };
    QTest::newRow("six protons given off") << giving(6) << QString();
    QTest::newRow("seven protons given off")
        << giving(7) << "must give off from 0 to 6 protons completely";
    QTest::newRow("protons taken up")
        << giving(-1) << "must give off from 0 to 6 protons completely";
    QTest::newRow("strong base above 10") << mixtureOf({}, 10.5) << "must be from 0 to 10 mol/L";
    QTest::newRow("salt ion of charge 4")
        << mixtureOf({}, 0, 0, 25.0, Activity::Ideal, {{0.1, 4, 1}})
        << "ion charges must be from 1 to 3";
    QTest::newRow("0 °C") << mixtureOf({}, 0, 0, 0.0) << QString();
    QTest::newRow("100 °C") << mixtureOf({}, 0, 0, 100.0) << QString();
    QTest::newRow("below 0 °C") << mixtureOf({}, 0, 0, -0.1) << "must be from 0 to 100 °C";
    QTest::newRow("above 100 °C") << mixtureOf({}, 0, 0, 100.1) << "must be from 0 to 100 °C";
    QTest::newRow("temperature not a number")
        << mixtureOf({}, 0, 0, std::nan("")) << "must be from 0 to 100 °C";
}

void TestMixture::problems() {
    QFETCH(Mixture, mixture);
    QFETCH(QString, problem);
    QCOMPARE(QString::fromStdString(problemWithMixture(mixture).english()), problem);
}

namespace {

/**
 * The beaker after `volume` mL, put together by hand: every substance of the sample diluted by
 * V0/(V0 + V), every one of the titrant by V/(V0 + V), at the sample's temperature.
 */
Mixture beakerAfter(const Mixture& sample, const MixtureTitration& titration, double volume) {
    const double total = titration.sampleVolume + volume;
    Mixture beaker = sample;
    beaker.systems.clear();
    beaker.salts.clear();
    const auto add = [&beaker](const Mixture& part, double share) {
        for (WeakSystem system : part.systems) {
            system.concentration *= share;
            beaker.systems.push_back(system);
        }
        for (InertSalt salt : part.salts) {
            salt.concentration *= share;
            beaker.salts.push_back(salt);
        }
    };
    add(sample, titration.sampleVolume / total);
    add(titration.titrant, volume / total);
    beaker.strongAcid =
        (sample.strongAcid * titration.sampleVolume + titration.titrant.strongAcid * volume) /
        total;
    beaker.strongBase =
        (sample.strongBase * titration.sampleVolume + titration.titrant.strongBase * volume) /
        total;
    return beaker;
}

MixtureTitration titratedWith(Mixture titrant, double sampleVolume = 25.0) {
    return MixtureTitration{sampleVolume, std::move(titrant), 0.0};
}

} // namespace

void TestMixture::titrationAgainstReference_data() {
    QTest::addColumn<Mixture>("sample");
    QTest::addColumn<MixtureTitration>("titration");
    QTest::addColumn<Doubles>("equivalences"); // mL, worked out by hand from the amounts
    QTest::addColumn<Doubles>("halves");       // mL
    QTest::addColumn<Doubles>("halfPhs");      // what each half point's pH approaches; NaN: none
    QTest::addColumn<double>("equivalencePh"); // of the first equivalence point; NaN: none

    const double none = std::nan("");
    const Mixture naoh = mixtureOf({}, 0.1);
    const Mixture hcl = mixtureOf({}, 0.0, 0.1);
    const Mixture ammonia = mixtureOf({acidSystem({9.25}, 0.1, 1, 1)});
    const Mixture carbonate = mixtureOf({acidSystem({6.35, 10.33}, 0.1, 2)});
    // 25 mL 0.1 M acetic acid with 0.1 M NaOH: 2.5 mmol at 25 mL; sodium acetate 0.05 M there,
    // pH 7 + (4.76 + log 0.05)/2 = 8.73.
    QTest::newRow("acetic with NaOH")
        << mixtureOf({acidSystem({4.76}, 0.1, 0)}) << titratedWith(naoh) << Doubles{25.0}
        << Doubles{12.5} << Doubles{4.76} << 8.73;
    QTest::newRow("acetic with NaOH, Davies")
        << mixtureOf({acidSystem({4.76}, 0.1, 0)}, 0, 0, 25.0, Activity::Davies)
        << titratedWith(naoh) << Doubles{25.0} << Doubles{12.5} << Doubles{none} << none;
    // Strong with strong: neutral at the equivalence point, and no half-equivalence point.
    QTest::newRow("HCl with NaOH") << mixtureOf({}, 0.0, 0.1) << titratedWith(naoh) << Doubles{25.0}
                                   << Doubles{} << Doubles{} << 7.0;
    // A weak titrant: ammonium acetate at the equivalence point, (4.76 + 9.25)/2.
    QTest::newRow("acetic with ammonia")
        << mixtureOf({acidSystem({4.76}, 0.1, 0)}) << titratedWith(ammonia) << Doubles{25.0}
        << Doubles{12.5} << Doubles{4.76} << 7.005;
    // Ammonia takes phosphoric acid's first two protons, not the third (pKa 12.35 > 9.25).
    QTest::newRow("phosphoric with ammonia")
        << mixtureOf({acidSystem(kPhosphoric, 0.1, 0)}) << titratedWith(ammonia)
        << Doubles{25.0, 50.0} << Doubles{12.5, 37.5} << Doubles{none, 7.198} << none;
    // Carbonate titrating HCl: first to H2CO3 (2 H+ per CO3^2-), then to HCO3-.
    QTest::newRow("HCl with sodium carbonate")
        << mixtureOf({}, 0.0, 0.1) << titratedWith(carbonate) << Doubles{12.5, 25.0} << Doubles{}
        << Doubles{} << none;
    // An acid titrant gives sodium acetate its proton back.
    QTest::newRow("sodium acetate with HCl")
        << mixtureOf({acidSystem({4.76}, 0.1, 1)}) << titratedWith(hcl) << Doubles{25.0}
        << Doubles{12.5} << Doubles{4.76} << none;
    // Acetic acid with 0.02 M NaOH and 0.03 M HCl: the HCl's excess of 0.01 M at 2.5 mL, then the
    // acetic acid at 27.5 mL, its half point halfway between, at 15 mL.
    QTest::newRow("acetic, NaOH and HCl with NaOH")
        << mixtureOf({acidSystem({4.76}, 0.1, 0)}, 0.02, 0.03) << titratedWith(naoh)
        << Doubles{2.5, 27.5} << Doubles{15.0} << Doubles{4.76} << none;
    // Two acids far apart: HCl-like formic (3.75) beside ammonium (9.25), both titrated.
    QTest::newRow("formic and ammonium chloride with NaOH")
        << mixtureOf({acidSystem({3.75}, 0.05, 0), acidSystem({9.25}, 0.05, 0, 1)})
        << titratedWith(naoh) << Doubles{12.5, 25.0} << Doubles{6.25, 18.75} << Doubles{3.75, 9.25}
        << none;
    // Ammonia given by pKb titrated with HCl.
    QTest::newRow("ammonia by pKb with HCl")
        << mixtureOf({baseSystem({4.75}, 0.1, 1)}) << titratedWith(hcl) << Doubles{25.0}
        << Doubles{12.5} << Doubles{9.25} << none;
    // The same constant in two systems is one buffer with one half-equivalence point.
    QTest::newRow("acetic twice with NaOH")
        << mixtureOf({acidSystem({4.76}, 0.05, 0), acidSystem({4.76}, 0.05, 0)})
        << titratedWith(naoh) << Doubles{25.0} << Doubles{12.5} << Doubles{4.76} << 8.73;
    // The titrant's constants follow the sample's temperature (ammonium's ΔH° 52.2 kJ/mol).
    QTest::newRow("acetic with ammonia at 50 °C")
        << mixtureOf({acidSystem(
                         {
                             4.76,
                         },
                         0.1, 0, 0, {-0.41})},
                     0, 0, 50.0)
        << titratedWith(mixtureOf({acidSystem({9.245}, 0.1, 1, 1, {52.2})})) << Doubles{25.0}
        << Doubles{12.5} << Doubles{none} << none;
    // Sulfuric acid: its first proton given off completely (12.5 mL), then hydrogen sulfate's.
    QTest::newRow("sulfuric acid with NaOH, Davies") <<
        [] {
            WeakSystem hydrogenSulfate = acidSystem({1.99}, 0.05, 0, -1);
            hydrogenSulfate.protonsGiven = 1;
            return mixtureOf({hydrogenSulfate}, 0, 0, 25.0, Activity::Davies);
        }() << titratedWith(naoh) << Doubles{12.5, 25.0}
                                                     << Doubles{18.75} << Doubles{none} << none;
    // Pure dilution: a salt solution brings no acid or base.
    QTest::newRow("acetic with NaCl solution")
        << mixtureOf({acidSystem({4.76}, 0.1, 0)})
        << titratedWith(mixtureOf({}, 0, 0, 25.0, Activity::Ideal, {{0.1, 1, 1}})) << Doubles{}
        << Doubles{} << Doubles{} << none;
}

void TestMixture::titrationAgainstReference() {
    QFETCH(Mixture, sample);
    QFETCH(MixtureTitration, titration);
    QFETCH(Doubles, equivalences);
    QFETCH(Doubles, halves);
    QFETCH(Doubles, halfPhs);
    QFETCH(double, equivalencePh);
    QVERIFY(problemWithMixture(sample).empty());
    QVERIFY(problemWithMixtureTitration(titration).empty());
    const MixtureTitrator titrator(sample, titration);

    const Doubles found = titrator.equivalenceVolumes();
    QCOMPARE(found.size(), equivalences.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
        QVERIFY(velmora::test::closeTo(found[i], equivalences[i], 1e-12));
    }
    std::vector<MixtureMark> halfMarks;
    for (const MixtureMark& mark : titrator.marks()) {
        if (mark.half) {
            halfMarks.push_back(mark);
        }
    }
    QCOMPARE(halfMarks.size(), halves.size());
    for (std::size_t i = 0; i < halves.size(); ++i) {
        QVERIFY(velmora::test::closeTo(halfMarks[i].volume, halves[i], 1e-12));
        QVERIFY(halfMarks[i].system >= 0 && halfMarks[i].constant >= 1);
        if (!std::isnan(halfPhs[i])) {
            QVERIFY2(std::abs(halfMarks[i].pH - halfPhs[i]) <= 0.05,
                     qPrintable(velmora::test::describeClose(halfMarks[i].pH, halfPhs[i], 0.05)));
        }
    }
    const double end = titrator.endVolume();
    QVERIFY(equivalences.empty() ? end == titration.sampleVolume
                                 : velmora::test::closeTo(end, 1.2 * equivalences.back(), 1e-11));

    // Every point of the curve, the marks included, against the beaker's own pH worked out from
    // scratch (long double, every ion, bisected).
    Doubles volumes{0.0, 0.5 * end, end};
    for (const double volume : equivalences) {
        volumes.insert(volumes.end(), {volume * 0.999, volume, volume * 1.001});
    }
    for (const double volume : volumes) {
        const Mixture beaker = beakerAfter(sample, titration, volume);
        const double expected =
            referencePh(beaker, waterPKw(sample.temperature), daviesA(sample.temperature));
        const double pH = titrator.pHAt(volume);
        QVERIFY2(std::abs(pH - expected) <= 1e-9,
                 qPrintable(QStringLiteral("V %1: ").arg(volume) +
                            velmora::test::describeClose(pH, expected, 1e-9)));
    }
    const std::vector<TitrationPoint> curve = titrator.curve(201);
    for (std::size_t i = 0; i < curve.size(); i += 25) {
        const Mixture beaker = beakerAfter(sample, titration, curve[i].volume);
        const double expected =
            referencePh(beaker, waterPKw(sample.temperature), daviesA(sample.temperature));
        QVERIFY(std::abs(curve[i].pH - expected) <= 1e-9);
    }
    if (!std::isnan(equivalencePh)) {
        QVERIFY2(std::abs(titrator.pHAt(equivalences.front()) - equivalencePh) <= 0.01,
                 qPrintable(velmora::test::describeClose(titrator.pHAt(equivalences.front()),
                                                         equivalencePh, 0.01)));
    }
}

void TestMixture::titrationSlopeAndVolume_data() {
    QTest::addColumn<Mixture>("sample");
    QTest::addColumn<MixtureTitration>("titration");

    // Ideal and Davies activities: the slope is exact in both (with Davies the coefficients'
    // change along the curve included); the difference quotient of pHs solved to 1e-10 is good to
    // about 1e-6.
    const Mixture naoh = mixtureOf({}, 0.1);
    QTest::newRow("phosphoric with NaOH")
        << mixtureOf({acidSystem(kPhosphoric, 0.1, 0)}) << titratedWith(naoh, 20.0);
    QTest::newRow("five systems with ammonia")
        << fiveSystems(Activity::Ideal) << titratedWith(mixtureOf({acidSystem({9.25}, 0.2, 1, 1)}));
    QTest::newRow("citric with carbonate, Davies")
        << mixtureOf({acidSystem({3.13, 4.76, 6.40}, 0.05, 0)}, 0, 0, 25.0, Activity::Davies)
        << titratedWith(mixtureOf({acidSystem({6.35, 10.33}, 0.1, 2)}));
    QTest::newRow("ammonia with HCl at 60 °C, Davies")
        << mixtureOf({baseSystem({4.75}, 0.1, 1, {-52.2})}, 0, 0, 60.0, Activity::Davies)
        << titratedWith(mixtureOf({}, 0.0, 0.1));
}

void TestMixture::titrationSlopeAndVolume() {
    QFETCH(Mixture, sample);
    QFETCH(MixtureTitration, titration);
    const double slopeTolerance = 1e-5;
    const MixtureTitrator titrator(sample, titration);
    const double end = titrator.endVolume();
    for (int i = 1; i < 20; ++i) {
        const double volume = end * i / 20.0;
        const double pH = titrator.pHAt(volume);
        // The slope against a central difference of the pH.
        const double h = 1e-5 * end;
        const double numeric =
            (titrator.pHAt(volume + h, pH) - titrator.pHAt(volume - h, pH)) / (2.0 * h);
        const double slope = titrator.slopeAt(volume, pH);
        QVERIFY2(std::abs(slope - numeric) <= slopeTolerance * std::abs(numeric) + 1e-7,
                 qPrintable(QStringLiteral("V %1: ").arg(volume) +
                            velmora::test::describeClose(slope, numeric, slopeTolerance)));
        // The volume that reaches the pH is the volume.
        QVERIFY2(
            std::abs(titrator.volumeAt(pH) - volume) <= 1e-6 * end,
            qPrintable(QStringLiteral("V %1: volumeAt %2").arg(volume).arg(titrator.volumeAt(pH))));
    }
    // No volume of titrant brings the sample further back than where it starts.
    const double start = titrator.pHAt(0.0);
    const bool base = titrator.pHAt(end) > start;
    QVERIFY(std::isnan(titrator.volumeAt(base ? start - 0.5 : start + 0.5)));
    // The drawing curve keeps its volumes in order and every point on the curve.
    const std::vector<TitrationPoint> drawn = titrator.drawingCurve(101, 0.1);
    QVERIFY(drawn.size() > 101);
    for (std::size_t i = 1; i < drawn.size(); ++i) {
        QVERIFY(drawn[i - 1].volume <= drawn[i].volume);
    }
    for (std::size_t i = 0; i < drawn.size(); i += 7) {
        QVERIFY(std::abs(titrator.pHAt(drawn[i].volume) - drawn[i].pH) <= 1e-6);
    }
}

QTEST_APPLESS_MAIN(TestMixture)
#include "test_mixture.moc"
