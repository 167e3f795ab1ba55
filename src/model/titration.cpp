// SPDX-License-Identifier: GPL-3.0-or-later
#include "titration.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace velmora::model {

namespace {

std::vector<double> volumesOf(const std::vector<TitrationMark>& points) {
    std::vector<double> volumes;
    volumes.reserve(points.size());
    for (const TitrationMark& point : points) {
        volumes.push_back(point.volume);
    }
    return volumes;
}

} // namespace

Titrator::Titrator(const PolyproticAcid& acid, const Solution& solution, const Titration& titration)
    : m_acid(&acid), m_solution(solution), m_titration(titration) {}

double Titrator::direction() const {
    return m_titration.titrant == Titrant::Base ? 1.0 : -1.0;
}

double Titrator::pHAt(double volume, double guess, double firstStep) const {
    const double v0 = m_titration.sampleVolume;
    const double dilution = v0 / (v0 + volume);
    const double net = (m_solution.strongBase - m_solution.strongAcid) * dilution +
                       direction() * m_titration.titrantConcentration * (1.0 - dilution);
    const ChargeBalance balance(*m_acid, m_solution.concentration * dilution,
                                m_solution.dissolvedAs, net);
    return solvePh(balance, guess, firstStep);
}

std::vector<double> Titrator::pHsAt(const std::vector<double>& volumes) const {
    std::vector<double> pHs;
    pHs.reserve(volumes.size());
    double change = 0.0;
    for (const double volume : volumes) {
        if (pHs.empty()) {
            pHs.push_back(pHAt(volume));
            continue;
        }
        // The next pH is near the last one moved on by the last change; the bracket around it
        // starts at a quarter of that change and doubles only where the curve turns steep.
        const double last = pHs.back();
        const double pH = pHAt(volume, last + change, 0.25 * std::abs(change) + 1e-9);
        change = pH - last;
        pHs.push_back(pH);
    }
    return pHs;
}

double Titrator::volumeAt(double pH) const {
    const double x = std::pow(10.0, pH);
    const double water = 1.0 / x - kKw * x;
    const double sample = ChargeBalance(*m_acid, m_solution)(pH);
    const double denominator = water + direction() * m_titration.titrantConcentration;
    const double volume = -m_titration.sampleVolume * sample / denominator;
    if (!std::isfinite(volume) || volume < 0.0 || denominator == 0.0) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return volume;
}

std::vector<TitrationMark> Titrator::points(bool half) const {
    // Moles of titrant per litre of sample before the first proton (the excess strong acid for a
    // base, the excess strong base for an acid), then the protons the species can give or take.
    const bool base = m_titration.titrant == Titrant::Base;
    const double excess = base ? m_solution.strongAcid - m_solution.strongBase
                               : m_solution.strongBase - m_solution.strongAcid;
    const int protons =
        base ? m_acid->constantCount() - m_solution.dissolvedAs : m_solution.dissolvedAs;
    const double perMole = m_titration.sampleVolume / m_titration.titrantConcentration;
    std::vector<TitrationMark> points;
    if (!half && excess > 0.0) {
        points.push_back({0, false, excess * perMole, 0.0, 0});
    }
    if (m_solution.concentration > 0.0) {
        const double offset = half ? 0.5 : 0.0;
        for (int m = 1; m <= protons; ++m) {
            const double volume = ((m - offset) * m_solution.concentration + excess) * perMole;
            if (volume > 0.0) {
                const int constant = !half  ? 0
                                     : base ? m_solution.dissolvedAs + m
                                            : m_solution.dissolvedAs - m + 1;
                points.push_back({m, half, volume, 0.0, constant});
            }
        }
    }
    return points;
}

std::vector<double> Titrator::equivalenceVolumes() const {
    return volumesOf(points(false));
}

std::vector<double> Titrator::halfEquivalenceVolumes() const {
    return volumesOf(points(true));
}

std::vector<TitrationMark> Titrator::marks() const {
    std::vector<TitrationMark> marks = points(false);
    const std::vector<TitrationMark> half = points(true);
    marks.insert(marks.end(), half.begin(), half.end());
    std::sort(marks.begin(), marks.end(),
              [](const TitrationMark& a, const TitrationMark& b) { return a.volume < b.volume; });
    for (TitrationMark& mark : marks) {
        mark.pH = pHAt(mark.volume);
    }
    return marks;
}

double Titrator::endVolume() const {
    return titrationEndVolume(m_titration.endVolume, m_titration.sampleVolume,
                              equivalenceVolumes());
}

std::vector<TitrationPoint> Titrator::curve(int count) const {
    const std::vector<double> volumes = evenVolumes(endVolume(), count);
    const std::vector<double> pHs = pHsAt(volumes);
    std::vector<TitrationPoint> points(volumes.size());
    for (std::size_t i = 0; i < volumes.size(); ++i) {
        points[i] = {volumes[i], pHs[i]};
    }
    return points;
}

std::vector<TitrationPoint> Titrator::drawingCurve(int count, double pHStep) const {
    std::vector<TitrationPoint> points = curve(count);
    const double first = points.front().pH;
    const double last = points.back().pH;
    const double low = std::min(first, last);
    const double high = std::max(first, last);
    const double end = points.back().volume;
    const std::size_t even = points.size();
    for (double pH = std::ceil(low / pHStep) * pHStep; pH < high; pH += pHStep) {
        const double volume = volumeAt(pH);
        if (volume > 0.0 && volume < end) {
            points.push_back({volume, pH});
        }
    }
    const auto byVolume = [](const TitrationPoint& a, const TitrationPoint& b) {
        return a.volume < b.volume;
    };
    // The pH points come in rising pH, which is falling volume where an acid is added.
    const auto extra = points.begin() + static_cast<std::ptrdiff_t>(even);
    if (direction() < 0.0) {
        std::reverse(extra, points.end());
    }
    std::inplace_merge(points.begin(), extra, points.end(), byVolume);
    return points;
}

double titrationEndVolume(double own, double sampleVolume,
                          const std::vector<double>& equivalences) {
    if (own > 0.0) {
        return own;
    }
    if (equivalences.empty()) {
        return sampleVolume;
    }
    // The product carries the last bits of the decimal inputs (1.2 · 75.00000000000001); at twelve
    // significant digits the end reads as the volume it is (90), on the axis and in the data.
    const double end = kEndVolumeFactor * equivalences.back();
    const double scale = std::pow(10.0, 11.0 - std::floor(std::log10(end)));
    return std::round(end * scale) / scale;
}

std::vector<double> evenVolumes(double end, int count) {
    count = std::max(count, 2);
    std::vector<double> volumes(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        volumes[static_cast<std::size_t>(i)] = end * i / (count - 1);
    }
    volumes.back() = end;
    return volumes;
}

Problem problemWithSampleVolume(double volume) {
    if (!(volume >= kMinSampleVolume && volume <= kMaxSampleVolume)) {
        return {QT_TRANSLATE_NOOP("velmora::model::Problem", "must be from 0.1 to 1000 mL")};
    }
    return {};
}

Problem problemWithTitrantConcentration(double concentration) {
    if (!(concentration >= kMinTitrantConcentration && concentration <= kMaxTitrantConcentration)) {
        return {QT_TRANSLATE_NOOP("velmora::model::Problem", "must be from 1e-6 to 10 mol/L")};
    }
    return {};
}

Problem problemWithEndVolume(double volume) {
    if (!(volume >= kMinTitrationVolume && volume <= kMaxTitrationVolume)) {
        return {QT_TRANSLATE_NOOP("velmora::model::Problem", "must be from 0.001 to 100000 mL")};
    }
    return {};
}

} // namespace velmora::model
