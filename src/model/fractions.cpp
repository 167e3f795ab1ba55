// SPDX-License-Identifier: GPL-3.0-or-later
#include "fractions.h"

#include <cstddef>

namespace velmora::model {

float columnPh(int column) {
    return static_cast<float>(column - kFirstColumn) / static_cast<float>(kColumnsPerPh);
}

namespace {

/**
 * The five terms at hydrogen-ion concentration h. The evaluation order is fixed so that every
 * caller, the drawing and the pH readout alike, gets the same rounding:
 * ((h*h)*h)*h, Ka1*((h*h)*h), Ka2*(Ka1*(h*h)), Ka3*(Ka2*(Ka1*h)), Ka4*(Ka3*(Ka2*Ka1)).
 */
struct Terms {
    double t0, t1, t2, t3, t4;
};

inline Terms termsAt(const Acid& a, double h) {
    const double h2 = h * h;
    const double h3 = h2 * h;
    const double Ka1 = a.Ka1();
    const double Ka2 = a.Ka2();
    const double Ka3 = a.Ka3();
    const double Ka4 = a.Ka4();
    return {h3 * h, Ka1 * h3, Ka2 * (Ka1 * h2), Ka3 * (Ka2 * (Ka1 * h)), Ka4 * (Ka3 * (Ka2 * Ka1))};
}

/**
 * Code that ran before us (image filling in a graphics library, say) may leave the upper halves
 * of the AVX registers dirty; every later switch into the SSE code of the math library's pow
 * then pays a transition penalty that makes the 422 calls ten times slower. Clearing the upper
 * halves once before the loop avoids it.
 */
void clearVectorUpperHalves() {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx) {
        asm volatile("vzeroupper" ::: "memory");
    }
#endif
}

} // namespace

void computeColumns(const Acid& acid, ColumnTable& table) {
    clearVectorUpperHalves();
    for (int x = kFirstColumn; x <= kLastColumn; ++x) {
        const auto col = static_cast<std::size_t>(x);
        const double h = powerOfTen(-static_cast<double>(columnPh(x)));
        const Terms t = termsAt(acid, h);
        table.T[0][col] = t.t0;
        table.T[1][col] = t.t1;
        table.T[2][col] = t.t2;
        table.T[3][col] = t.t3;
        table.T[4][col] = t.t4;
        const double sum = t.t0 + t.t1 + t.t2 + t.t3 + t.t4;
        table.k[col] = static_cast<double>(kPlotHeight) / sum;
    }
}

std::array<double, kMaxSpecies> fractionsAt(const Acid& acid, double pH) {
    const Terms t = termsAt(acid, powerOfTen(-pH));
    const double sum = t.t0 + t.t1 + t.t2 + t.t3 + t.t4;
    return {t.t0 / sum, t.t1 / sum, t.t2 / sum, t.t3 / sum, t.t4 / sum};
}

} // namespace velmora::model
