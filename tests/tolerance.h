#pragma once

#include <QString>
#include <QtTest>

#include <cmath>

namespace velmora::test {

/**
 * True when `actual` is within `relative` of `expected`, measured against the larger magnitude;
 * `absolute` is a floor for values that should be (nearly) zero.
 */
inline bool closeTo(double actual, double expected, double relative, double absolute = 0.0) {
    if (!std::isfinite(actual) || !std::isfinite(expected)) {
        return actual == expected;
    }
    const double diff = std::abs(actual - expected);
    return diff <= absolute || diff <= relative * std::max(std::abs(actual), std::abs(expected));
}

inline QString describeClose(double actual, double expected, double relative) {
    return QStringLiteral("actual %1, expected %2 (relative tolerance %3)")
        .arg(actual, 0, 'g', 17)
        .arg(expected, 0, 'g', 17)
        .arg(relative, 0, 'g', 3);
}

} // namespace velmora::test

/** Compares two numbers with a relative tolerance (and an optional absolute floor). */
#define VELMORA_COMPARE_REL(actual, expected, relative, ...)                                       \
    do {                                                                                           \
        const double velmoraActual_ = (actual);                                                    \
        const double velmoraExpected_ = (expected);                                                \
        QVERIFY2(::velmora::test::closeTo(velmoraActual_, velmoraExpected_,                        \
                                          (relative)__VA_OPT__(, ) __VA_ARGS__),                   \
                 qPrintable(::velmora::test::describeClose(velmoraActual_, velmoraExpected_,       \
                                                           (relative))));                          \
    } while (false)
