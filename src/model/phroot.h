// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <boost/math/tools/toms748_solve.hpp>

#include <algorithm>
#include <cstdint>
#include <utility>

namespace velmora::model {

/** The search range of every pH solve, far beyond any solution of the allowed inputs. */
inline constexpr double kLowestSearchPh = -40.0;
inline constexpr double kHighestSearchPh = 60.0;

/**
 * The root of a charge balance f(pH) that falls strictly as the pH rises, with Boost.Math's
 * TOMS 748 bracketing solver, to `tolerance` in pH (the midpoint of the final bracket).
 *
 * The bracket grows from `guess` in the direction the sign of f(guess) points to, first by
 * `firstStep`, then doubling; without a root in −40..60 the nearest end is returned.
 */
template <class Balance>
[[nodiscard]] double fallingRoot(const Balance& balance, double guess, double firstStep,
                                 double tolerance) {
    constexpr std::uintmax_t kMaxIterations = 100;
    double a = std::clamp(guess, kLowestSearchPh, kHighestSearchPh);
    double fa = balance(a);
    if (fa == 0.0) {
        return a;
    }
    // f falls with the pH: a positive value means the root lies above.
    const double direction = fa > 0.0 ? 1.0 : -1.0;
    double step = std::max(firstStep, tolerance);
    double b = a;
    double fb = fa;
    while (true) {
        b = std::clamp(a + direction * step, kLowestSearchPh, kHighestSearchPh);
        fb = balance(b);
        if (fb == 0.0) {
            return b;
        }
        if ((fb > 0.0) != (fa > 0.0)) {
            break;
        }
        if (b == kLowestSearchPh || b == kHighestSearchPh) {
            return b;
        }
        a = b;
        fa = fb;
        step *= 2.0;
    }
    if (a > b) {
        std::swap(a, b);
        std::swap(fa, fb);
    }
    std::uintmax_t iterations = kMaxIterations;
    const auto narrowEnough = [tolerance](double lo, double hi) { return hi - lo <= tolerance; };
    // The solver copies the function it is given at every step: hand it a reference.
    const auto evaluate = [&balance](double pH) { return balance(pH); };
    const auto root =
        boost::math::tools::toms748_solve(evaluate, a, b, fa, fb, narrowEnough, iterations);
    return 0.5 * (root.first + root.second);
}

} // namespace velmora::model
