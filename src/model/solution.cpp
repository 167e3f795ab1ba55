// SPDX-License-Identifier: GPL-3.0-or-later
#include "solution.h"

#include "numbertext.h"

#include "phroot.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace velmora::model {

ChargeBalance::ChargeBalance(const PolyproticAcid& acid, double concentration, int dissolvedAs,
                             double netStrong)
    : m_acid(&acid), m_concentration(concentration), m_dissolvedAs(dissolvedAs),
      m_netStrong(netStrong) {}

ChargeBalance::ChargeBalance(const PolyproticAcid& acid, const Solution& solution)
    : ChargeBalance(acid, solution.concentration, solution.dissolvedAs,
                    solution.strongBase - solution.strongAcid) {}

double ChargeBalance::operator()(double pH) const {
    const double x = std::exp(std::numbers::ln10 * pH);
    const double water = 1.0 / x - kKw * x;
    if (m_concentration == 0.0) {
        return water + m_netStrong;
    }
    const int n = m_acid->constantCount();
    // The largest term: the species j* with every constant below it given off.
    int top = 0;
    while (top < n && m_acid->pKa(top) < pH) {
        ++top;
    }
    // Terms outward from it, each the one before times 10^(pH - pKa) or its inverse (at most 1).
    double sum = 1.0;
    double weighted = m_dissolvedAs - top;
    double term = 1.0;
    for (int j = top + 1; j <= n; ++j) {
        term *= m_acid->Ka(j - 1) * x;
        sum += term;
        weighted += (m_dissolvedAs - j) * term;
    }
    term = 1.0;
    for (int j = top - 1; j >= 0; --j) {
        term /= m_acid->Ka(j) * x;
        sum += term;
        weighted += (m_dissolvedAs - j) * term;
    }
    return water + m_netStrong + m_concentration * (weighted / sum);
}

double solvePh(const ChargeBalance& balance, double guess, double firstStep) {
    return fallingRoot(balance, guess, firstStep, kPhTolerance);
}

SolutionState solutionAt(const PolyproticAcid& acid, const Solution& solution, double pH) {
    SolutionState state;
    state.pH = pH;
    state.pOH = kPKw - pH;
    state.hydrogen = std::pow(10.0, -pH);
    state.hydroxide = std::pow(10.0, -state.pOH);
    state.species = acid.speciesCount();
    state.fraction = acid.fractions(pH);
    for (int j = 0; j < state.species; ++j) {
        const auto slot = static_cast<std::size_t>(j);
        state.concentration[slot] = solution.concentration * state.fraction[slot];
    }
    return state;
}

SolutionState solveSolution(const PolyproticAcid& acid, const Solution& solution) {
    return solutionAt(acid, solution, solvePh(ChargeBalance(acid, solution)));
}

SpeciesValues logConcentrations(const PolyproticAcid& acid, double concentration, double pH) {
    SpeciesValues logC = acid.logFractions(pH);
    const double logTotal = std::log10(concentration);
    for (int j = 0; j < acid.speciesCount(); ++j) {
        logC[static_cast<std::size_t>(j)] += logTotal;
    }
    return logC;
}

std::vector<std::string> solutionReport(const PolyproticAcid& acid, const SolutionState& state) {
    std::vector<std::string> lines;
    lines.push_back("pH " + fixedText(state.pH, 4));
    for (int j = 0; j < state.species; ++j) {
        const auto slot = static_cast<std::size_t>(j);
        lines.push_back(acid.speciesName(j) + ' ' + significantText(state.concentration[slot], 4) +
                        " mol/L " + significantText(100.0 * state.fraction[slot], 4) + " %");
    }
    return lines;
}

Problem problemWithConcentration(double concentration) {
    if (!(concentration >= kMinConcentration && concentration <= kMaxConcentration)) {
        return {QT_TRANSLATE_NOOP("velmora::model::Problem", "must be from 1e-10 to 10 mol/L")};
    }
    return {};
}

Problem problemWithDissolvedAs(int dissolvedAs, const PolyproticAcid& acid) {
    if (dissolvedAs < 0 || dissolvedAs > acid.constantCount()) {
        return {
            QT_TRANSLATE_NOOP("velmora::model::Problem", "must be a species index from 0 to %1"),
            {std::to_string(acid.constantCount())}};
    }
    return {};
}

Problem problemWithStrongConcentration(double concentration) {
    if (!(concentration >= 0.0 && concentration <= kMaxStrongConcentration)) {
        return {QT_TRANSLATE_NOOP("velmora::model::Problem", "must be from 0 to 10 mol/L")};
    }
    return {};
}

} // namespace velmora::model
