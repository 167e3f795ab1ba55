// SPDX-License-Identifier: GPL-3.0-or-later
#include "polyprotic.h"

#include "utf8.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace velmora::model {

namespace {

constexpr double kLn10 = std::numbers::ln10;

std::string chargeText(int charge) {
    if (charge == 0) {
        return {};
    }
    const int magnitude = std::abs(charge);
    const std::string sign = charge < 0 ? "-" : "+";
    const std::string count = magnitude == 1 ? std::string() : std::to_string(magnitude);
    // A caret keeps a positive or two-digit charge in one raised piece.
    if (charge > 0 || magnitude >= 10) {
        return "^" + count + sign;
    }
    return count + sign;
}

} // namespace

std::string genericSpeciesName(int constants, int charge, int species) {
    const int protons = constants - species;
    std::string name;
    if (protons >= 1) {
        name = "H";
    }
    if (protons >= 2) {
        name += std::to_string(protons);
    }
    return name + "A" + chargeText(charge - species);
}

std::vector<std::string> genericSpeciesNames(int constants, int charge) {
    std::vector<std::string> names;
    for (int j = 0; j <= constants; ++j) {
        names.push_back(genericSpeciesName(constants, charge, j));
    }
    return names;
}

Problem problemWithConstants(std::span<const double> pKa) {
    if (pKa.empty() || pKa.size() > static_cast<std::size_t>(kMaxConstants)) {
        //: The problems of the model are shown beside an input field ("must be from 1e-10 to 10
        //: mol/L") and on the command line after the option and its value ("--conc: 20 must be
        //: from 1e-10 to 10 mol/L"); keep the numbers as they are written.
        return {QT_TRANSLATE_NOOP("velmora::model::Problem", "needs 1 to 6 values")};
    }
    for (const double value : pKa) {
        if (!std::isfinite(value) || value < kMinPka || value > kMaxPka) {
            return {QT_TRANSLATE_NOOP("velmora::model::Problem", "values must be from -5 to 25")};
        }
    }
    if (!std::is_sorted(pKa.begin(), pKa.end())) {
        return {
            QT_TRANSLATE_NOOP("velmora::model::Problem", "values must be in non-decreasing order")};
    }
    return {};
}

Problem problemWithCharge(int charge) {
    if (charge < kMinCharge || charge > kMaxCharge) {
        return {
            QT_TRANSLATE_NOOP("velmora::model::Problem", "must be a whole number from -6 to 6")};
    }
    return {};
}

Problem problemWithNames(const std::vector<std::string>& names, int species) {
    if (static_cast<int>(names.size()) != species) {
        return {QT_TRANSLATE_NOOP("velmora::model::Problem", "needs %1 names, one per species"),
                {std::to_string(species)}};
    }
    for (const std::string& name : names) {
        // The name read as UTF-8, one character (code point) at a time.
        std::size_t characters = 0;
        bool refused = false;
        for (std::size_t at = 0; at < name.size(); ++characters) {
            char32_t c = 0;
            const int length = utf8Sequence(name, at, c);
            if (length == 0) {
                return {QT_TRANSLATE_NOOP("velmora::model::Problem", "a name must be UTF-8 text")};
            }
            refused = refused || c == U',' || isControlOrFormat(c);
            at += static_cast<std::size_t>(length);
        }
        if (characters == 0 || characters > static_cast<std::size_t>(kMaxFormulaLength)) {
            return {
                QT_TRANSLATE_NOOP("velmora::model::Problem", "each name needs 1 to 49 characters")};
        }
        if (name.front() == ' ' || name.back() == ' ') {
            return {QT_TRANSLATE_NOOP("velmora::model::Problem",
                                      "a name may not start or end with a blank")};
        }
        if (refused) {
            return {QT_TRANSLATE_NOOP("velmora::model::Problem",
                                      "a name may not contain commas or control characters")};
        }
    }
    return {};
}

PolyproticAcid::PolyproticAcid() : PolyproticAcid(std::array<double, 1>{4.76}) {}

PolyproticAcid::PolyproticAcid(std::span<const double> pKa, int charge,
                               std::vector<std::string> names) {
    Problem problem = problemWithConstants(pKa);
    if (problem.empty()) {
        problem = problemWithCharge(charge);
    }
    const int count = static_cast<int>(pKa.size());
    if (problem.empty() && !names.empty()) {
        problem = problemWithNames(names, count + 1);
    }
    if (!problem.empty()) {
        throw std::invalid_argument(problem.english());
    }
    m_count = count;
    m_charge = charge;
    double sum = 0.0;
    for (int i = 0; i < count; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        m_pKa[slot] = pKa[slot];
        m_Ka[slot] = std::pow(10.0, -pKa[slot]);
        sum += pKa[slot];
        m_pKaSums[slot + 1] = sum;
    }
    m_genericNames = names.empty();
    m_names = m_genericNames ? genericSpeciesNames(count, charge) : std::move(names);
}

std::vector<double> PolyproticAcid::exponents() const {
    return {m_pKa.begin(), m_pKa.begin() + m_count};
}

SpeciesValues PolyproticAcid::logTerms(double pH) const {
    SpeciesValues t{};
    for (int j = 0; j <= m_count; ++j) {
        const auto slot = static_cast<std::size_t>(j);
        t[slot] = static_cast<double>(j) * pH - m_pKaSums[slot];
    }
    return t;
}

SpeciesValues PolyproticAcid::fractions(double pH) const {
    const SpeciesValues t = logTerms(pH);
    const double top = *std::max_element(t.begin(), t.begin() + m_count + 1);
    SpeciesValues alpha{};
    double sum = 0.0;
    for (int j = 0; j <= m_count; ++j) {
        const auto slot = static_cast<std::size_t>(j);
        alpha[slot] = std::exp(kLn10 * (t[slot] - top));
        sum += alpha[slot];
    }
    for (int j = 0; j <= m_count; ++j) {
        alpha[static_cast<std::size_t>(j)] /= sum;
    }
    return alpha;
}

SpeciesValues PolyproticAcid::logFractions(double pH) const {
    SpeciesValues t = logTerms(pH);
    const double top = *std::max_element(t.begin(), t.begin() + m_count + 1);
    double sum = 0.0;
    for (int j = 0; j <= m_count; ++j) {
        sum += std::exp(kLn10 * (t[static_cast<std::size_t>(j)] - top));
    }
    // The sum is between 1 and 7, so its logarithm is exact to the last digit.
    const double shift = top + std::log10(sum);
    for (int j = 0; j <= m_count; ++j) {
        t[static_cast<std::size_t>(j)] -= shift;
    }
    return t;
}

} // namespace velmora::model
