// SPDX-License-Identifier: GPL-3.0-or-later
#include "mixture.h"

#include "phroot.h"
#include "solution.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>
#include <string>

namespace velmora::model {

namespace {

constexpr double kLn10 = std::numbers::ln10;
constexpr double kZeroCelsius = 273.15;
constexpr double kStandardKelvin = kZeroCelsius + kStandardTemperature;
constexpr double kGasConstant = 8.314462618; ///< J/(mol·K)
constexpr double kMaxEnthalpy = 500.0;       ///< kJ/mol
/** The Davies iteration stops when the ionic strength changes by less than this (relative). */
constexpr double kIonicStrengthTolerance = 1.0e-11;
constexpr int kMaxActivityRounds = 200;
/** Bound of log10 γ, far beyond any ionic strength the equation means anything at. */
constexpr double kLogGammaLimit = 250.0;

double harnedRobinsonPKw(double kelvin) {
    return 4470.99 / kelvin - 6.0875 + 0.01706 * kelvin;
}

/** A constant's exponent moved from 25 °C to `kelvin` by van 't Hoff, ΔH° in kJ/mol. */
double vantHoff(double pK, double enthalpy, double kelvin) {
    return pK + enthalpy * 1000.0 / (kGasConstant * kLn10) * (1.0 / kelvin - 1.0 / kStandardKelvin);
}

} // namespace

double waterPKw(double celsius) {
    if (celsius == kStandardTemperature) {
        return kPKw;
    }
    const double kelvin = celsius + kZeroCelsius;
    return kPKw + harnedRobinsonPKw(kelvin) - harnedRobinsonPKw(kStandardKelvin);
}

double daviesA(double celsius) {
    const double t = celsius;
    const double permittivity = 87.740 - 0.40008 * t + 9.398e-4 * t * t - 1.410e-6 * t * t * t;
    return 1.82e6 * std::pow(permittivity * (t + kZeroCelsius), -1.5);
}

double daviesLogGamma(double A, int charge, double ionicStrength) {
    const double root = std::sqrt(ionicStrength);
    return -A * charge * charge * (root / (1.0 + root) - 0.3 * ionicStrength);
}

std::vector<double> systemPKa(const WeakSystem& system, double celsius) {
    const double kelvin = celsius + kZeroCelsius;
    std::vector<double> pK = system.pK;
    if (!system.enthalpy.empty() && celsius != kStandardTemperature) {
        for (std::size_t i = 0; i < pK.size(); ++i) {
            pK[i] = vantHoff(pK[i], system.enthalpy[i], kelvin);
        }
    }
    if (system.givenAsBase) {
        const double pKw = waterPKw(celsius);
        std::reverse(pK.begin(), pK.end());
        for (double& value : pK) {
            value = pKw - value;
        }
    }
    return pK;
}

MixtureBalance::MixtureBalance(const Mixture& mixture) {
    m_pKw = waterPKw(mixture.temperature);
    m_Kw = m_pKw == kPKw ? kKw : std::pow(10.0, -m_pKw);
    m_A = daviesA(mixture.temperature);
    m_gamma.fill(1.0);
    m_logGamma.fill(0.0);
    m_netStrong = mixture.strongBase - mixture.strongAcid;
    double strongIons = mixture.strongBase + mixture.strongAcid;
    for (const InertSalt& salt : mixture.salts) {
        const int common = std::gcd(salt.cationCharge, salt.anionCharge);
        const double cations = salt.concentration * salt.anionCharge / common;
        const double anions = salt.concentration * salt.cationCharge / common;
        strongIons += cations * salt.cationCharge * salt.cationCharge +
                      anions * salt.anionCharge * salt.anionCharge;
    }
    m_strongIons = 0.5 * strongIons;
    for (const WeakSystem& given : mixture.systems) {
        System system;
        const std::vector<double> pKa = systemPKa(given, mixture.temperature);
        system.count = static_cast<int>(pKa.size());
        std::copy(pKa.begin(), pKa.end(), system.pKa.begin());
        system.charge = given.charge;
        system.concentration = given.concentration;
        const int dissolvedAs = given.givenAsBase ? system.count : given.dissolvedAs;
        system.dissolvedAs = dissolvedAs;
        // The substance as dissolved: the species plus the protons it gave off completely.
        const int dissolvedCharge = given.charge - dissolvedAs + given.protonsGiven;
        m_netStrong -= given.protonsGiven * given.concentration;
        system.counterCations = dissolvedCharge < 0 ? -dissolvedCharge * given.concentration : 0.0;
        system.counterAnions = dissolvedCharge > 0 ? dissolvedCharge * given.concentration : 0.0;
        for (int i = 0; i < system.count; ++i) {
            const auto slot = static_cast<std::size_t>(i);
            system.Ka[slot] = std::pow(10.0, -system.pKa[slot]);
        }
        m_highestCharge = std::max(
            {m_highestCharge, std::abs(system.charge), std::abs(system.charge - system.count)});
        m_systems.push_back(std::move(system));
    }
    setIonicStrength(0.0);
    m_activities = mixture.activity == Activity::Davies;
}

void MixtureBalance::setIonicStrength(double ionicStrength) {
    // log γ_z = z²·log γ_1; clamped so that far beyond the equation's range (it is flagged there)
    // every coefficient stays finite.
    const double logGamma1 = daviesLogGamma(m_A, 1, ionicStrength);
    for (int z = 0; z <= m_highestCharge; ++z) {
        const auto slot = static_cast<std::size_t>(z);
        m_logGamma[slot] = std::clamp(logGamma1 * z * z, -kLogGammaLimit, kLogGammaLimit);
        m_gamma[slot] = ionicStrength == 0.0 ? 1.0 : std::pow(10.0, m_logGamma[slot]);
    }
    for (System& system : m_systems) {
        system.sorted = true;
        for (int i = 0; i < system.count; ++i) {
            const auto slot = static_cast<std::size_t>(i);
            // Ka' = Ka·γ(species i)/γ(species i + 1): the ratio of concentrations at a(H+) = 1.
            const int above = std::abs(system.charge - i);
            const int below = std::abs(system.charge - i - 1);
            if (ionicStrength == 0.0) {
                system.KaC[slot] = system.Ka[slot];
                system.pKaC[slot] = system.pKa[slot];
            } else {
                system.KaC[slot] =
                    system.Ka[slot] * m_gamma[std::size_t(above)] / m_gamma[std::size_t(below)];
                system.pKaC[slot] = system.pKa[slot] - m_logGamma[std::size_t(above)] +
                                    m_logGamma[std::size_t(below)];
            }
            system.sorted = system.sorted && (i == 0 || system.pKaC[slot - 1] <= system.pKaC[slot]);
        }
    }
}

double MixtureBalance::gamma(int charge) const {
    return m_gamma[static_cast<std::size_t>(std::abs(charge))];
}

std::vector<double> MixtureBalance::pKa(int system) const {
    const System& given = m_systems[static_cast<std::size_t>(system)];
    return {given.pKa.begin(), given.pKa.begin() + given.count};
}

int MixtureBalance::topSpecies(const System& system, double pH) {
    // With non-decreasing constants the species with every constant below the pH given off;
    // otherwise the largest log term j·pH − Σ pKa'.
    int top = 0;
    if (system.sorted) {
        while (top < system.count && system.pKaC[static_cast<std::size_t>(top)] < pH) {
            ++top;
        }
        return top;
    }
    double logTerm = 0.0;
    double best = 0.0;
    for (int j = 1; j <= system.count; ++j) {
        logTerm += pH - system.pKaC[static_cast<std::size_t>(j - 1)];
        if (logTerm > best) {
            best = logTerm;
            top = j;
        }
    }
    return top;
}

double MixtureBalance::systemTerm(const System& system, double pH, double x,
                                  double* variance) const {
    const int n = system.count;
    const int top = topSpecies(system, pH);
    // Terms outward from it, each the one before times Ka'·10^pH or its inverse (at most 1).
    double sum = 1.0;
    double weighted = system.dissolvedAs - top;
    double spread = 0.0;
    double spreadSquared = 0.0;
    double term = 1.0;
    for (int j = top + 1; j <= n; ++j) {
        term *= system.KaC[static_cast<std::size_t>(j - 1)] * x;
        sum += term;
        weighted += (system.dissolvedAs - j) * term;
        spread += (j - top) * term;
        spreadSquared += (j - top) * (j - top) * term;
    }
    term = 1.0;
    for (int j = top - 1; j >= 0; --j) {
        term /= system.KaC[static_cast<std::size_t>(j)] * x;
        sum += term;
        weighted += (system.dissolvedAs - j) * term;
        spread += (j - top) * term;
        spreadSquared += (j - top) * (j - top) * term;
    }
    if (variance != nullptr) {
        const double mean = spread / sum;
        *variance = system.concentration * std::max(0.0, spreadSquared / sum - mean * mean);
    }
    return system.concentration * (weighted / sum);
}

double MixtureBalance::operator()(double pH) const {
    const double x = std::exp(std::numbers::ln10 * pH);
    double total = 1.0 / x - m_Kw * x;
    if (m_activities) {
        total /= m_gamma[1];
    }
    total += m_netStrong;
    for (const System& system : m_systems) {
        if (system.concentration != 0.0) {
            total += systemTerm(system, pH, x, nullptr);
        }
    }
    return total;
}

double MixtureBalance::bufferCapacity(double pH) const {
    const double x = std::exp(std::numbers::ln10 * pH);
    double total = (1.0 / x + m_Kw * x) / m_gamma[1];
    for (const System& system : m_systems) {
        if (system.concentration != 0.0) {
            double variance = 0.0;
            (void)systemTerm(system, pH, x, &variance);
            total += variance;
        }
    }
    return kLn10 * total;
}

SpeciesValues MixtureBalance::concentrations(int index, double pH) const {
    const System& system = m_systems[static_cast<std::size_t>(index)];
    const double x = std::exp(kLn10 * pH);
    const int top = topSpecies(system, pH);
    // Outward from the largest by the ratios Ka'·10^pH, each term at most 1.
    SpeciesValues values{};
    values[static_cast<std::size_t>(top)] = 1.0;
    double sum = 1.0;
    for (int j = top + 1; j <= system.count; ++j) {
        const auto slot = static_cast<std::size_t>(j);
        values[slot] = values[slot - 1] * (system.KaC[slot - 1] * x);
        sum += values[slot];
    }
    for (int j = top - 1; j >= 0; --j) {
        const auto slot = static_cast<std::size_t>(j);
        values[slot] = values[slot + 1] / (system.KaC[slot] * x);
        sum += values[slot];
    }
    const double scale = system.concentration / sum;
    for (int j = 0; j <= system.count; ++j) {
        values[static_cast<std::size_t>(j)] *= scale;
    }
    return values;
}

double MixtureBalance::ionicStrengthAt(double pH, std::vector<SpeciesValues>* species) const {
    const double activity = std::pow(10.0, -pH);
    double sum = (activity + m_Kw / activity) / m_gamma[1];
    for (std::size_t s = 0; s < m_systems.size(); ++s) {
        const System& system = m_systems[s];
        sum += system.counterCations + system.counterAnions;
        const SpeciesValues c = concentrations(static_cast<int>(s), pH);
        if (species != nullptr) {
            species->push_back(c);
        }
        for (int j = 0; j <= system.count; ++j) {
            const int z = system.charge - j;
            sum += c[static_cast<std::size_t>(j)] * z * z;
        }
    }
    return m_strongIons + 0.5 * sum;
}

MixtureState solveMixture(const Mixture& mixture) {
    MixtureBalance balance(mixture);
    double pH = fallingRoot(balance, 7.0, 2.0, kPhTolerance);
    MixtureState state;
    state.concentration.reserve(mixture.systems.size());
    double ionicStrength = balance.ionicStrengthAt(pH, &state.concentration);
    if (mixture.activity == Activity::Davies) {
        // The ionic strength of the last pH sets the coefficients of the next solve, until it
        // settles (each round shrinks the change some hundredfold).
        double change = 0.5;
        state.activitiesSettled = false;
        for (int round = 0; round < kMaxActivityRounds && !state.activitiesSettled; ++round) {
            balance.setIonicStrength(ionicStrength);
            const double next =
                fallingRoot(balance, pH, std::max(2.0 * change, 1e-9), kPhTolerance);
            change = std::abs(next - pH);
            pH = next;
            const double strength = balance.ionicStrengthAt(pH);
            state.activitiesSettled =
                std::abs(strength - ionicStrength) <= kIonicStrengthTolerance * ionicStrength;
            if (!state.activitiesSettled) {
                ionicStrength = strength;
            }
        }
        state.concentration.clear();
        (void)balance.ionicStrengthAt(pH, &state.concentration);
    }
    state.pH = pH;
    state.pKw = balance.pKw();
    const double activity = std::pow(10.0, -pH);
    state.hydrogen = activity / balance.gamma(1);
    state.hydroxide = std::pow(10.0, -balance.pKw()) / activity / balance.gamma(1);
    state.ionicStrength = ionicStrength;
    state.beyondDavies = mixture.activity == Activity::Davies && ionicStrength > kDaviesLimit;
    state.bufferCapacity = balance.bufferCapacity(pH);
    state.gamma.reserve(2 * kMaxCharge + 1);
    for (int z = 0; z <= 2 * kMaxCharge; ++z) {
        state.gamma.push_back(balance.gamma(z));
    }
    state.pKa.reserve(mixture.systems.size());
    for (std::size_t s = 0; s < mixture.systems.size(); ++s) {
        const int index = static_cast<int>(s);
        if (mixture.temperature != kStandardTemperature && mixture.systems[s].enthalpy.empty()) {
            state.constantsNotShifted.push_back(index);
        }
        state.pKa.push_back(balance.pKa(index));
    }
    return state;
}

double strongAcidOf(const Mixture& mixture) {
    double protons = mixture.strongAcid;
    for (const WeakSystem& system : mixture.systems) {
        protons += system.protonsGiven * system.concentration;
    }
    return protons;
}

Problem problemWithTemperature(double celsius) {
    if (!(celsius >= kMinTemperature && celsius <= kMaxTemperature)) {
        return {QT_TRANSLATE_NOOP("velmora::model::Problem", "must be from 0 to 100 °C")};
    }
    return {};
}

Problem problemWithSystem(const WeakSystem& system) {
    if (Problem problem = problemWithConstants(system.pK); !problem.empty()) {
        return problem;
    }
    if (Problem problem = problemWithCharge(system.charge); !problem.empty()) {
        return problem;
    }
    if (Problem problem = problemWithStrongConcentration(system.concentration); !problem.empty()) {
        return problem;
    }
    const int count = static_cast<int>(system.pK.size());
    if (!system.givenAsBase && (system.dissolvedAs < 0 || system.dissolvedAs > count)) {
        return {
            QT_TRANSLATE_NOOP("velmora::model::Problem", "must be a species index from 0 to %1"),
            {std::to_string(count)}};
    }
    if (system.protonsGiven < 0 || system.protonsGiven > kMaxConstants) {
        return {QT_TRANSLATE_NOOP("velmora::model::Problem",
                                  "must give off from 0 to 6 protons completely")};
    }
    const bool enthalpiesFine =
        (system.enthalpy.empty() || system.enthalpy.size() == system.pK.size()) &&
        std::all_of(system.enthalpy.begin(), system.enthalpy.end(), [](double value) {
            return std::isfinite(value) && std::abs(value) <= kMaxEnthalpy;
        });
    if (!enthalpiesFine) {
        return {QT_TRANSLATE_NOOP("velmora::model::Problem",
                                  "needs no enthalpy or one from -500 to 500 kJ/mol per constant")};
    }
    return {};
}

Problem problemWithMixture(const Mixture& mixture) {
    if (mixture.systems.size() > static_cast<std::size_t>(kMaxSystems)) {
        return {
            QT_TRANSLATE_NOOP("velmora::model::Problem", "may hold at most %1 acid-base systems"),
            {std::to_string(kMaxSystems)}};
    }
    for (const WeakSystem& system : mixture.systems) {
        if (Problem problem = problemWithSystem(system); !problem.empty()) {
            return problem;
        }
    }
    for (const double strong : {mixture.strongBase, mixture.strongAcid}) {
        if (Problem problem = problemWithStrongConcentration(strong); !problem.empty()) {
            return problem;
        }
    }
    for (const InertSalt& salt : mixture.salts) {
        if (Problem problem = problemWithStrongConcentration(salt.concentration);
            !problem.empty()) {
            return problem;
        }
        const auto chargeFine = [](int z) { return z >= 1 && z <= kMaxSaltCharge; };
        if (!chargeFine(salt.cationCharge) || !chargeFine(salt.anionCharge)) {
            return {
                QT_TRANSLATE_NOOP("velmora::model::Problem", "ion charges must be from 1 to 3")};
        }
    }
    return problemWithTemperature(mixture.temperature);
}

} // namespace velmora::model
