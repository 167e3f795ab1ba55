// SPDX-License-Identifier: GPL-3.0-or-later
#include "mixturecurves.h"

#include <cmath>
#include <numbers>

namespace velmora::model {

namespace {

/** The mixture with each system at 1 mol/L: its concentrations are the fractions. */
Mixture unitMixture(Mixture mixture) {
    for (WeakSystem& system : mixture.systems) {
        system.concentration = 1.0;
    }
    return mixture;
}

/** The balance of `mixture` at the activity coefficients of `ionicStrength`. */
MixtureBalance balanceAt(const Mixture& mixture, double ionicStrength) {
    MixtureBalance balance(mixture);
    if (mixture.activity == Activity::Davies) {
        balance.setIonicStrength(ionicStrength);
    }
    return balance;
}

} // namespace

Mixture mixtureOf(const PolyproticAcid& acid, const Solution& solution) {
    WeakSystem system;
    system.pK = acid.exponents();
    system.charge = acid.charge();
    system.concentration = solution.concentration;
    system.dissolvedAs = solution.dissolvedAs;
    if (!acid.hasGenericNames()) {
        system.formulas = acid.speciesNames();
    }
    Mixture mixture;
    mixture.systems.push_back(std::move(system));
    mixture.strongBase = solution.strongBase;
    mixture.strongAcid = solution.strongAcid;
    return mixture;
}

MixtureTitration mixtureTitrationOf(const Titration& titration) {
    MixtureTitration converted;
    converted.sampleVolume = titration.sampleVolume;
    converted.titrant = Mixture{};
    if (titration.titrant == Titrant::Base) {
        converted.titrant.strongBase = titration.titrantConcentration;
    } else {
        converted.titrant.strongAcid = titration.titrantConcentration;
    }
    converted.endVolume = titration.endVolume;
    return converted;
}

MixtureCurves::MixtureCurves(const Mixture& mixture)
    : m_state(solveMixture(mixture)), m_balance(balanceAt(mixture, m_state.ionicStrength)),
      m_unit(balanceAt(unitMixture(mixture), m_state.ionicStrength)) {
    for (const WeakSystem& system : mixture.systems) {
        m_counts.push_back(static_cast<int>(system.pK.size()));
    }
    m_logGamma1 = std::log10(m_balance.gamma(1));
}

SpeciesValues MixtureCurves::fractions(int system, double pH) const {
    return m_unit.concentrations(system, pH);
}

SpeciesValues MixtureCurves::concentrations(int system, double pH) const {
    return m_balance.concentrations(system, pH);
}

double MixtureCurves::logHydrogen(double pH) const {
    // 0 − pH, not −pH: pH 0 reads 0, not -0.
    return 0.0 - pH - m_logGamma1;
}

double MixtureCurves::logHydroxide(double pH) const {
    return pH - m_balance.pKw() - m_logGamma1;
}

double MixtureCurves::bufferCapacity(double pH) const {
    return m_balance.bufferCapacity(pH);
}

double MixtureCurves::waterBufferCapacity(double pH) const {
    return std::numbers::ln10 *
           (std::pow(10.0, logHydrogen(pH)) + std::pow(10.0, logHydroxide(pH)));
}

} // namespace velmora::model
