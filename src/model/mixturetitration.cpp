// SPDX-License-Identifier: GPL-3.0-or-later
#include "mixturetitration.h"

#include "phroot.h"
#include "solution.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace velmora::model {

namespace {

/** The Davies iteration stops when the ionic strength changes by less than this (relative). */
constexpr double kIonicStrengthTolerance = 1.0e-11;
constexpr int kMaxActivityRounds = 200;
/** Rounds of the ionic strength when a volume is sought for a pH with Davies activities. */
constexpr int kMaxVolumeRounds = 100;
/** Relative step of the central differences in the slope with Davies activities. */
constexpr double kDerivativeStep = 1.0e-6;
/** Two equivalence points closer than this (relative) are one. */
constexpr double kSameVolume = 1.0e-12;

/** The titrant at the sample's temperature and with its activities. */
Mixture titrantOf(const Mixture& sample, const MixtureTitration& titration) {
    Mixture titrant = titration.titrant;
    titrant.temperature = sample.temperature;
    titrant.activity = sample.activity;
    return titrant;
}

/** The species each system of `mixture` is dissolved as. */
int dissolvedSpecies(const WeakSystem& system) {
    return system.givenAsBase ? static_cast<int>(system.pK.size()) : system.dissolvedAs;
}

/** Every constant of `mixture`'s systems at its temperature. */
void collectConstants(const Mixture& mixture, std::vector<double>& into) {
    for (const WeakSystem& system : mixture.systems) {
        const std::vector<double> pKa = systemPKa(system, mixture.temperature);
        into.insert(into.end(), pKa.begin(), pKa.end());
    }
}

/**
 * The proton excess of `mixture` over the species that predominate at `level`, mol/L: what it
 * holds beyond them (positive) or lacks (negative).
 */
double protonExcess(const Mixture& mixture, double level) {
    double excess = mixture.strongAcid - mixture.strongBase;
    for (const WeakSystem& system : mixture.systems) {
        const std::vector<double> pKa = systemPKa(system, mixture.temperature);
        const auto below =
            std::count_if(pKa.begin(), pKa.end(), [level](double value) { return value < level; });
        excess += system.concentration *
                  static_cast<double>(below - dissolvedSpecies(system) + system.protonsGiven);
    }
    return excess;
}

} // namespace

MixtureTitrator::MixtureTitrator(const Mixture& sample, const MixtureTitration& titration)
    : m_sample(sample), m_titration(titration), m_sampleBalance(sample),
      m_titrantBalance(titrantOf(sample, titration)),
      m_activities(sample.activity == Activity::Davies) {
    m_titration.titrant = titrantOf(sample, titration);
}

double MixtureTitrator::balanceAt(double volume, double pH) const {
    return m_titration.sampleVolume * m_sampleBalance(pH) + volume * m_titrantBalance(pH);
}

double MixtureTitrator::ionicStrengthAt(double volume, double pH) const {
    const double sampleVolume = m_titration.sampleVolume;
    return (sampleVolume * m_sampleBalance.ionicStrengthAt(pH) +
            volume * m_titrantBalance.ionicStrengthAt(pH)) /
           (sampleVolume + volume);
}

void MixtureTitrator::settleAt(double volume, double pH) const {
    const double ionicStrength = ionicStrengthAt(volume, pH);
    m_sampleBalance.setIonicStrength(ionicStrength);
    m_titrantBalance.setIonicStrength(ionicStrength);
}

double MixtureTitrator::pHAt(double volume, double guess, double firstStep) const {
    const auto balance = [this, volume](double pH) { return balanceAt(volume, pH); };
    if (!m_activities) {
        return fallingRoot(balance, guess, firstStep, kPhTolerance);
    }
    // Start from the coefficients of the ionic strength at the guess, then iterate as
    // solveMixture() does until the ionic strength settles.
    double ionicStrength = ionicStrengthAt(volume, guess);
    double pH = guess;
    double step = firstStep;
    for (int round = 0; round < kMaxActivityRounds; ++round) {
        m_sampleBalance.setIonicStrength(ionicStrength);
        m_titrantBalance.setIonicStrength(ionicStrength);
        const double next = fallingRoot(balance, pH, std::max(step, 1e-9), kPhTolerance);
        step = 2.0 * std::abs(next - pH);
        pH = next;
        const double strength = ionicStrengthAt(volume, pH);
        if (std::abs(strength - ionicStrength) <= kIonicStrengthTolerance * ionicStrength) {
            break;
        }
        ionicStrength = strength;
    }
    return pH;
}

std::vector<double> MixtureTitrator::pHsAt(const std::vector<double>& volumes) const {
    std::vector<double> pHs;
    pHs.reserve(volumes.size());
    double guess = 7.0;
    double change = 2.0;
    for (const double volume : volumes) {
        const double pH = pHAt(volume, guess, std::max(std::abs(change), 1.0e-6));
        change = pHs.empty() ? 2.0 : pH - pHs.back();
        pHs.push_back(pH);
        guess = pH + change;
    }
    return pHs;
}

double MixtureTitrator::slopeAt(double volume, double pH) const {
    const double sampleVolume = m_titration.sampleVolume;
    // At fixed coefficients: ∂g/∂pH = −(V0·β_S + V·β_T), ∂g/∂V = f_T.
    const auto fixedSlopes = [&] {
        return std::pair{-(sampleVolume * m_sampleBalance.bufferCapacity(pH) +
                           volume * m_titrantBalance.bufferCapacity(pH)),
                         m_titrantBalance(pH)};
    };
    if (!m_activities) {
        const auto [byPh, byVolume] = fixedSlopes();
        return -byVolume / byPh;
    }
    // With Davies activities the coefficients follow the ionic strength I, which itself is the
    // fixed point I = J(pH, V, I) of the ions at the coefficients of I. Differentiating
    // g(pH, V, I) = 0 and I = J(pH, V, I) together:
    //     dI = (J_pH·dpH + J_V·dV)/(1 − J_I),
    //     dpH/dV = −(g_V + g_I·J_V/(1 − J_I)) / (g_pH + g_I·J_pH/(1 − J_I)).
    // g_pH, g_V and J_V are exact; g_I, J_pH and J_I are central differences of smooth functions.
    double ionicStrength = ionicStrengthAt(volume, pH);
    for (int round = 0; round < kMaxActivityRounds; ++round) {
        settleAt(volume, pH);
        const double next = ionicStrengthAt(volume, pH);
        const bool settled =
            std::abs(next - ionicStrength) <= kIonicStrengthTolerance * ionicStrength;
        ionicStrength = next;
        if (settled) {
            break;
        }
    }
    const auto withStrength = [this](double strength) {
        m_sampleBalance.setIonicStrength(strength);
        m_titrantBalance.setIonicStrength(strength);
    };
    const double strengthStep = kDerivativeStep * std::max(ionicStrength, 1.0e-12);
    withStrength(ionicStrength + strengthStep);
    const double balanceUp = balanceAt(volume, pH);
    const double strengthUp = ionicStrengthAt(volume, pH);
    withStrength(ionicStrength - strengthStep);
    const double balanceDown = balanceAt(volume, pH);
    const double strengthDown = ionicStrengthAt(volume, pH);
    withStrength(ionicStrength);
    const double byStrength = (balanceUp - balanceDown) / (2.0 * strengthStep);
    const double strengthByStrength = (strengthUp - strengthDown) / (2.0 * strengthStep);
    const double strengthByPh = (ionicStrengthAt(volume, pH + kDerivativeStep) -
                                 ionicStrengthAt(volume, pH - kDerivativeStep)) /
                                (2.0 * kDerivativeStep);
    const double total = sampleVolume + volume;
    const double strengthByVolume =
        sampleVolume *
        (m_titrantBalance.ionicStrengthAt(pH) - m_sampleBalance.ionicStrengthAt(pH)) /
        (total * total);
    const auto [byPh, byVolume] = fixedSlopes();
    const double feedback = 1.0 - strengthByStrength;
    return -(byVolume + byStrength * strengthByVolume / feedback) /
           (byPh + byStrength * strengthByPh / feedback);
}

double MixtureTitrator::volumeAt(double pH) const {
    const double sampleVolume = m_titration.sampleVolume;
    const auto explicitVolume = [&] {
        return -sampleVolume * m_sampleBalance(pH) / m_titrantBalance(pH);
    };
    double volume = 0.0;
    if (!m_activities) {
        volume = explicitVolume();
    } else {
        // The ionic strength depends on the volume: take the volume of the coefficients at the
        // last volume's ionic strength until it settles.
        settleAt(0.0, pH);
        volume = explicitVolume();
        for (int round = 0; round < kMaxVolumeRounds && std::isfinite(volume) && volume >= 0.0;
             ++round) {
            settleAt(volume, pH);
            const double next = explicitVolume();
            const bool settled = std::abs(next - volume) <= 1.0e-12 * std::max(1.0, volume);
            volume = next;
            if (settled) {
                break;
            }
        }
    }
    if (!std::isfinite(volume) || volume < 0.0) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return volume;
}

std::vector<double> MixtureTitrator::levels() const {
    // One level below every constant, one between each two neighbouring ones, one above all.
    std::vector<double> constants;
    collectConstants(m_sample, constants);
    collectConstants(m_titration.titrant, constants);
    std::sort(constants.begin(), constants.end());
    constants.erase(std::unique(constants.begin(), constants.end()), constants.end());
    std::vector<double> result;
    result.reserve(constants.size() + 1);
    if (constants.empty()) {
        result.push_back(7.0);
        return result;
    }
    result.push_back(constants.front() - 1.0);
    for (std::size_t i = 1; i < constants.size(); ++i) {
        result.push_back(0.5 * (constants[i - 1] + constants[i]));
    }
    result.push_back(constants.back() + 1.0);
    return result;
}

MixtureTitrator::Level MixtureTitrator::excessAt(double level) const {
    return {protonExcess(m_sample, level), protonExcess(m_titration.titrant, level)};
}

std::vector<double> MixtureTitrator::equivalenceVolumes() const {
    std::vector<double> volumes;
    for (const double level : levels()) {
        const Level excess = excessAt(level);
        if (excess.titrant == 0.0) {
            continue;
        }
        const double volume = -m_titration.sampleVolume * excess.sample / excess.titrant;
        if (volume > 0.0 && std::isfinite(volume)) {
            volumes.push_back(volume);
        }
    }
    std::sort(volumes.begin(), volumes.end());
    const auto same = [](double a, double b) { return b - a <= kSameVolume * b; };
    volumes.erase(std::unique(volumes.begin(), volumes.end(), same), volumes.end());
    return volumes;
}

std::vector<MixtureMark> MixtureTitrator::marks() const {
    std::vector<MixtureMark> result;
    for (const double volume : equivalenceVolumes()) {
        MixtureMark mark;
        mark.volume = volume;
        result.push_back(mark);
    }
    // A half-equivalence point for each constant of the sample that is the only constant
    // between two levels where the titrant has the same excess.
    std::vector<double> titrantConstants;
    collectConstants(m_titration.titrant, titrantConstants);
    std::vector<double> sampleConstants;
    collectConstants(m_sample, sampleConstants);
    // Where each system's constants start among the sample's.
    std::vector<std::ptrdiff_t> firstConstant;
    std::ptrdiff_t start = 0;
    for (const WeakSystem& system : m_sample.systems) {
        firstConstant.push_back(start);
        start += static_cast<std::ptrdiff_t>(system.pK.size());
    }
    std::vector<double> allConstants = titrantConstants;
    allConstants.insert(allConstants.end(), sampleConstants.begin(), sampleConstants.end());
    const double sampleVolume = m_titration.sampleVolume;
    for (std::size_t s = 0; s < m_sample.systems.size(); ++s) {
        const std::vector<double> pKa = systemPKa(m_sample.systems[s], m_sample.temperature);
        for (std::size_t i = 0; i < pKa.size(); ++i) {
            const double constant = pKa[i];
            // A constant the titrant shares has no buffer of the sample's own; one that several
            // of the sample's systems share is one buffer, marked once, at its first system.
            const auto sameConstant = [constant](double value) { return value == constant; };
            const bool sharedWithTitrant =
                std::any_of(titrantConstants.begin(), titrantConstants.end(), sameConstant);
            const bool markedBefore = std::any_of(sampleConstants.begin(),
                                                  sampleConstants.begin() + firstConstant[s] +
                                                      static_cast<std::ptrdiff_t>(i),
                                                  sameConstant);
            if (sharedWithTitrant || markedBefore) {
                continue;
            }
            // The neighbouring constants of any system bound the levels on either side.
            double below = constant - 1.0;
            double above = constant + 1.0;
            for (const double other : allConstants) {
                if (other < constant) {
                    below = std::max(below, 0.5 * (other + constant));
                } else if (other > constant) {
                    above = std::min(above, 0.5 * (other + constant));
                }
            }
            const Level lower = excessAt(below);
            const Level upper = excessAt(above);
            if (lower.titrant == 0.0) {
                continue;
            }
            const double volume =
                -sampleVolume * 0.5 * (lower.sample + upper.sample) / lower.titrant;
            if (!(volume > 0.0) || !std::isfinite(volume)) {
                continue;
            }
            MixtureMark mark;
            mark.half = true;
            mark.volume = volume;
            mark.system = static_cast<int>(s);
            mark.constant = static_cast<int>(i + 1);
            result.push_back(mark);
        }
    }
    std::stable_sort(result.begin(), result.end(), [](const MixtureMark& a, const MixtureMark& b) {
        return a.volume < b.volume;
    });
    int step = 1;
    double guess = 7.0;
    for (MixtureMark& mark : result) {
        mark.step = step;
        if (!mark.half) {
            ++step;
        }
        mark.pH = pHAt(mark.volume, guess);
        guess = mark.pH;
    }
    return result;
}

double MixtureTitrator::endVolume() const {
    return titrationEndVolume(m_titration.endVolume, m_titration.sampleVolume,
                              equivalenceVolumes());
}

std::vector<TitrationPoint> MixtureTitrator::curve(int count) const {
    const std::vector<double> volumes = evenVolumes(endVolume(), count);
    const std::vector<double> pHs = pHsAt(volumes);
    std::vector<TitrationPoint> points;
    points.reserve(volumes.size());
    for (std::size_t i = 0; i < volumes.size(); ++i) {
        points.push_back({volumes[i], pHs[i]});
    }
    return points;
}

std::vector<TitrationPoint> MixtureTitrator::drawingCurve(int count, double pHStep) const {
    std::vector<TitrationPoint> points = curve(count);
    const double end = points.back().volume;
    const auto [lowest, highest] = std::minmax_element(
        points.begin(), points.end(),
        [](const TitrationPoint& a, const TitrationPoint& b) { return a.pH < b.pH; });
    const double from = std::ceil(lowest->pH / pHStep) * pHStep;
    std::vector<TitrationPoint> extra;
    for (double pH = from; pH < highest->pH; pH += pHStep) {
        const double volume = volumeAt(pH);
        if (std::isfinite(volume) && volume > 0.0 && volume < end) {
            extra.push_back({volume, pH});
        }
    }
    std::vector<TitrationPoint> merged;
    merged.reserve(points.size() + extra.size());
    std::sort(extra.begin(), extra.end(),
              [](const TitrationPoint& a, const TitrationPoint& b) { return a.volume < b.volume; });
    std::merge(
        points.begin(), points.end(), extra.begin(), extra.end(), std::back_inserter(merged),
        [](const TitrationPoint& a, const TitrationPoint& b) { return a.volume < b.volume; });
    return merged;
}

Mixture MixtureTitrator::mixtureAt(double volume) const {
    const double total = m_titration.sampleVolume + volume;
    const double sampleShare = m_titration.sampleVolume / total;
    const double titrantShare = volume / total;
    Mixture mixture = m_sample;
    const auto dilute = [](Mixture& part, double share) {
        for (WeakSystem& system : part.systems) {
            system.concentration *= share;
        }
        for (InertSalt& salt : part.salts) {
            salt.concentration *= share;
        }
        part.strongAcid *= share;
        part.strongBase *= share;
    };
    dilute(mixture, sampleShare);
    Mixture titrant = m_titration.titrant;
    dilute(titrant, titrantShare);
    mixture.systems.insert(mixture.systems.end(), titrant.systems.begin(), titrant.systems.end());
    mixture.salts.insert(mixture.salts.end(), titrant.salts.begin(), titrant.salts.end());
    mixture.strongAcid += titrant.strongAcid;
    mixture.strongBase += titrant.strongBase;
    return mixture;
}

Problem problemWithMixtureTitration(const MixtureTitration& titration) {
    if (Problem problem = problemWithSampleVolume(titration.sampleVolume); !problem.empty()) {
        return problem;
    }
    if (titration.endVolume != 0.0) {
        if (Problem problem = problemWithEndVolume(titration.endVolume); !problem.empty()) {
            return problem;
        }
    }
    return problemWithMixture(titration.titrant);
}

} // namespace velmora::model
