// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mixture.h"
#include "mixturetitration.h"
#include "polyprotic.h"
#include "solution.h"
#include "titration.h"

namespace velmora::model {

/**
 * The solution of `acid` as a mixture of one system: the acid at its concentration, dissolved as
 * the same species, with the solution's strong acid and base, ideal and at 25 °C. Its own species
 * names go with it; generic names stay generic (no formulas).
 */
[[nodiscard]] Mixture mixtureOf(const PolyproticAcid& acid, const Solution& solution);

/** A titration with a strong base or acid as a mixture's titration: the titrant as a mixture. */
[[nodiscard]] MixtureTitration mixtureTitrationOf(const Titration& titration);

/**
 * What the drawings of a mixture show against pH: every system's species, the ions of water and
 * the buffer capacity, all at the activity coefficients of the mixture's own solution (its solved
 * ionic strength with Davies activities, 1 when ideal), so that the curves pass through the
 * solution's composition at its pH. The pH is −log10 a(H+) throughout.
 */
class MixtureCurves {
public:
    /** `mixture` checked with problemWithMixture(); it is solved here. */
    explicit MixtureCurves(const Mixture& mixture);

    [[nodiscard]] const MixtureState& state() const { return m_state; }
    [[nodiscard]] int systemCount() const { return static_cast<int>(m_counts.size()); }
    /** The species count n + 1 of system `system`. */
    [[nodiscard]] int speciesCount(int system) const {
        return m_counts[static_cast<std::size_t>(system)] + 1;
    }

    /** The fractions α_0..α_n of system `system` at pH; they sum to 1 (also at no concentration).
     */
    [[nodiscard]] SpeciesValues fractions(int system, double pH) const;
    /** The species' concentrations of system `system` at pH, mol/L. */
    [[nodiscard]] SpeciesValues concentrations(int system, double pH) const;
    /** log10 [H+] and log10 [OH−] at pH. */
    [[nodiscard]] double logHydrogen(double pH) const;
    [[nodiscard]] double logHydroxide(double pH) const;
    /** β = dC_B/dpH in mol/(L·pH) at pH, of every system and of water. */
    [[nodiscard]] double bufferCapacity(double pH) const;
    /** Water's share of β: ln 10·([H+] + [OH−]). */
    [[nodiscard]] double waterBufferCapacity(double pH) const;

private:
    MixtureState m_state;
    MixtureBalance m_balance;
    /** The same systems at 1 mol/L each, for the fractions of every system. */
    MixtureBalance m_unit;
    std::vector<int> m_counts;
    double m_logGamma1 = 0.0;
};

} // namespace velmora::model
