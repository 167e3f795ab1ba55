// SPDX-License-Identifier: GPL-3.0-or-later
// Acid-base chemistry written out plainly for the tests, independent of the program's model:
// fractions from plain powers of ten, the charge balance of a mixture, its root by bisection, the
// buffer capacity as the balance's numeric derivative and the pH along a titration. Ideal
// solutions at 25 °C (Kw = 1e-14), for the moderate constants of the tests' rows.
#pragma once

#include <cmath>
#include <vector>

namespace velmora::test {

/** One weak system of a reference mixture. */
struct ReferenceSystem {
    std::vector<double> pKa;
    double concentration = 0.1; ///< mol/L
    int dissolvedAs = 0;        ///< the species weighed in, 0..n
};

/** A reference mixture: weak systems, strong base (as NaOH) and strong acid (as HCl). */
struct ReferenceMixture {
    std::vector<ReferenceSystem> systems;
    double strongBase = 0.0;
    double strongAcid = 0.0;
};

/** α_0..α_n of constants `pKa` at pH. */
inline std::vector<double> referenceFractions(const std::vector<double>& pKa, double pH) {
    std::vector<double> terms{1.0};
    double product = 1.0;
    for (const double p : pKa) {
        product *= std::pow(10.0, pH - p);
        terms.push_back(product);
    }
    double sum = 0.0;
    for (const double term : terms) {
        sum += term;
    }
    for (double& term : terms) {
        term /= sum;
    }
    return terms;
}

/** The charge balance in mol/L: h − Kw/h + C_B − C_A + Σ_s C_s·Σ_j (k_s − j)·α_sj. */
inline double referenceBalance(const ReferenceMixture& mixture, double pH) {
    const double h = std::pow(10.0, -pH);
    double total = h - 1e-14 / h + mixture.strongBase - mixture.strongAcid;
    for (const ReferenceSystem& system : mixture.systems) {
        const std::vector<double> alpha = referenceFractions(system.pKa, pH);
        for (std::size_t j = 0; j < alpha.size(); ++j) {
            total +=
                system.concentration * (system.dissolvedAs - static_cast<double>(j)) * alpha[j];
        }
    }
    return total;
}

/** The root of a function that falls with x, by bisection between `low` and `high`. */
template <class Falling> double referenceRoot(Falling f, double low = -2.0, double high = 16.0) {
    for (int i = 0; i < 200; ++i) {
        const double middle = 0.5 * (low + high);
        (f(middle) > 0.0 ? low : high) = middle;
    }
    return 0.5 * (low + high);
}

/** The pH of a reference mixture. */
inline double referencePhOf(const ReferenceMixture& mixture) {
    return referenceRoot([&](double pH) { return referenceBalance(mixture, pH); });
}

/** β = −d(balance)/dpH by a central difference of step 1e-5 pH. */
inline double referenceBufferCapacity(const ReferenceMixture& mixture, double pH) {
    constexpr double kStep = 1e-5;
    return -(referenceBalance(mixture, pH + kStep) - referenceBalance(mixture, pH - kStep)) /
           (2.0 * kStep);
}

/**
 * The pH after `volume` mL of `titrant` added to `sampleVolume` mL of `sample`: the root of
 * V0·f_S(pH) + V·f_T(pH), the balances of both weighted by their volumes (water counted once).
 */
inline double referenceTitrationPh(const ReferenceMixture& sample, double sampleVolume,
                                   const ReferenceMixture& titrant, double volume) {
    return referenceRoot([&](double pH) {
        return sampleVolume * referenceBalance(sample, pH) + volume * referenceBalance(titrant, pH);
    });
}

/**
 * dpH/dV in pH/mL by a central difference of the titration's pH, step `step` mL: small enough for
 * the steep start of an unbuffered sample, while the bisection's last bits (1e-15 pH) leave the
 * slope within 1e-9 pH/mL.
 */
inline double referenceSlope(const ReferenceMixture& sample, double sampleVolume,
                             const ReferenceMixture& titrant, double volume, double step = 1e-6) {
    return (referenceTitrationPh(sample, sampleVolume, titrant, volume + step) -
            referenceTitrationPh(sample, sampleVolume, titrant, volume - step)) /
           (2.0 * step);
}

} // namespace velmora::test
