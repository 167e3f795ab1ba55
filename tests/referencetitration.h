// SPDX-License-Identifier: GPL-3.0-or-later
// The tests' own model of a titration, to make synthetic measurements from: one acid-base system
// titrated with a strong base or acid, its charge balance solved by bisection, Davies activities
// written out here, and Gaussian noise from a fixed seed by Box and Muller, so that the numbers do
// not depend on the standard library's distributions.
#pragma once

#include "testsupport.h"

#include "model/titration.h"

#include <cmath>
#include <numbers>
#include <random>
#include <vector>

namespace velmora::test {

/**
 * A titration as the test models it: one acid-base system H_nA^z (thermodynamic pKa's, C mol/L
 * in V0 mL) titrated with a strong base (titrant > 0, mol/L of NaOH) or a strong acid
 * (titrant < 0, HCl), at 25 °C, with or without Davies activities.
 */
struct ReferenceTitration {
    std::vector<double> pKa;
    int charge = 0; ///< of the fully protonated species
    double concentration = 0.1;
    double sampleVolume = 25.0;
    double titrant = 0.1;
    bool davies = false;
};

constexpr double kWaterKw = 1.0e-14;

/** Davies' A at 25 °C from the permittivity of water (Malmberg and Maryott) at 298.15 K. */
inline double referenceDaviesA() {
    const double t = 25.0;
    const double permittivity = 87.740 - 0.40008 * t + 9.398e-4 * t * t - 1.410e-6 * t * t * t;
    return 1.82e6 * std::pow(permittivity * 298.15, -1.5);
}

inline double referenceGamma(int charge, double ionicStrength) {
    const double root = std::sqrt(ionicStrength);
    return std::pow(10.0, -referenceDaviesA() * charge * charge *
                              (root / (1.0 + root) - 0.3 * ionicStrength));
}

/** The charge balance after `volume` mL at a given ionic strength, and the ions' strength. */
struct ReferenceBalance {
    const ReferenceTitration& titration;
    double volume;
    double ionicStrength;

    /** The species' concentrations H_(n−j)A^(z−j), j = 0..n, at a(H+) = 10^−pH. */
    std::vector<double> species(double pH) const {
        const double total =
            titration.concentration * titration.sampleVolume / (titration.sampleVolume + volume);
        const double activity = std::pow(10.0, -pH);
        std::vector<double> relative{1.0};
        for (std::size_t j = 1; j <= titration.pKa.size(); ++j) {
            const int higher = titration.charge - static_cast<int>(j) + 1;
            const double conditional = std::pow(10.0, -titration.pKa[j - 1]) *
                                       referenceGamma(higher, ionicStrength) /
                                       referenceGamma(higher - 1, ionicStrength);
            relative.push_back(relative.back() * conditional / activity);
        }
        double sum = 0.0;
        for (const double value : relative) {
            sum += value;
        }
        for (double& value : relative) {
            value *= total / sum;
        }
        return relative;
    }
    double added() const {
        return std::abs(titration.titrant) * volume / (titration.sampleVolume + volume);
    }
    double hydrogen(double pH) const {
        return std::pow(10.0, -pH) / referenceGamma(1, ionicStrength);
    }
    double hydroxide(double pH) const {
        return kWaterKw / (std::pow(10.0, -pH) * referenceGamma(1, ionicStrength));
    }
    double operator()(double pH) const {
        double charge = hydrogen(pH) - hydroxide(pH) + (titration.titrant > 0 ? 1 : -1) * added();
        const std::vector<double> concentrations = species(pH);
        for (std::size_t j = 0; j < concentrations.size(); ++j) {
            charge += (titration.charge - static_cast<int>(j)) * concentrations[j];
        }
        return charge;
    }
    double strengthAt(double pH) const {
        double sum = hydrogen(pH) + hydroxide(pH) + added();
        const std::vector<double> concentrations = species(pH);
        for (std::size_t j = 0; j < concentrations.size(); ++j) {
            const int z = titration.charge - static_cast<int>(j);
            sum += z * z * concentrations[j];
        }
        return 0.5 * sum;
    }
};

/** The pH after `volume` mL: bisection, with Davies the ionic strength iterated to its fixed point.
 */
inline double referencePh(const ReferenceTitration& titration, double volume) {
    double strength = 0.0;
    double pH = bisectedPh(ReferenceBalance{titration, volume, strength});
    if (titration.davies) {
        for (int i = 0; i < 100; ++i) {
            strength = ReferenceBalance{titration, volume, strength}.strengthAt(pH);
            pH = bisectedPh(ReferenceBalance{titration, volume, strength});
        }
    }
    return pH;
}

/** Gaussian numbers by Box and Muller from a fixed-seed Mersenne twister. */
class Noise {
public:
    Noise(unsigned seed, double sigma) : m_engine(seed), m_sigma(sigma) {}
    double operator()() {
        const double u1 = (static_cast<double>(m_engine()) + 0.5) / 4294967296.0;
        const double u2 = (static_cast<double>(m_engine()) + 0.5) / 4294967296.0;
        return m_sigma * std::sqrt(-2.0 * std::log(u1)) * std::cos(2.0 * std::numbers::pi * u2);
    }

private:
    std::mt19937 m_engine;
    double m_sigma;
};

/** `count` evenly spaced points from `first` to `last` mL with noise and an electrode offset. */
inline std::vector<model::TitrationPoint> measured(const ReferenceTitration& titration,
                                                   double first, double last, int count,
                                                   Noise& noise, double offset = 0.0) {
    std::vector<model::TitrationPoint> points;
    for (int i = 0; i < count; ++i) {
        const double volume = first + (last - first) * i / (count - 1);
        points.push_back({volume, referencePh(titration, volume) + offset + noise()});
    }
    return points;
}

} // namespace velmora::test
