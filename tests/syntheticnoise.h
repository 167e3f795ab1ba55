// SPDX-License-Identifier: GPL-3.0-or-later
// Noise for synthetic measurements, the same on every machine: normal deviates by Box and
// Muller's formula from a fixed-seed Mersenne Twister's bits, not the library's distributions.
#pragma once

#include <cmath>
#include <numbers>
#include <random>

namespace velmora::test {

/** Normal deviates of standard deviation `sigma` from a generator seeded with `seed`. */
class Noise {
public:
    Noise(unsigned int seed, double sigma) : m_generator(seed), m_sigma(sigma) {}

    double next() {
        const double u1 = (static_cast<double>(m_generator()) + 0.5) / 4294967296.0;
        const double u2 = (static_cast<double>(m_generator()) + 0.5) / 4294967296.0;
        return m_sigma * std::sqrt(-2.0 * std::log(u1)) * std::cos(2.0 * std::numbers::pi * u2);
    }

private:
    std::mt19937 m_generator;
    double m_sigma;
};

} // namespace velmora::test
