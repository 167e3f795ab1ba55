// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "acid.h"

#include <array>

namespace velmora::model {

/**
 * The grid the diagram is computed on: pixel columns along the pH axis and a plot height in
 * pixels. Column 52 is pH 0 and every pH unit is 30 columns wide; columns run up to 473, one past
 * pH 14, where the frame's right edge stands. A fraction of 1 is plotted 300 pixels high. The
 * drawing's geometry (diagram/geometry.h) is built on these numbers.
 */
inline constexpr int kFirstColumn = 52;
inline constexpr int kLastColumn = 473;
inline constexpr int kColumnCount = kLastColumn + 1;
inline constexpr int kColumnsPerPh = 30;
inline constexpr int kPlotHeight = 300;

/**
 * pH of a pixel column, formed in single precision: every curve point is computed at this float
 * pH, not at the exact decimal, and the plotted pixels depend on the difference.
 */
[[nodiscard]] float columnPh(int column);

/**
 * Per-column species terms for one redraw. Only columns kFirstColumn..kLastColumn are filled.
 *
 * T0 = h^4, T1 = Ka1 h^3, T2 = Ka1 Ka2 h^2, T3 = Ka1 Ka2 Ka3 h, T4 = Ka1 Ka2 Ka3 Ka4 with
 * h = 10^-pH; k = 300 / (T0 + T1 + T2 + T3 + T4), so k * Tj is the plotted height of species j
 * in pixels. An absent constant is 0, which zeroes every term that contains it, so the one
 * tetraprotic formula serves all four acid types.
 */
struct ColumnTable {
    std::array<std::array<double, kColumnCount>, kMaxSpecies> T{};
    std::array<double, kColumnCount> k{};
};

/** Fills the species terms and column scales for every column of the grid. */
void computeColumns(const Acid& acid, ColumnTable& table);

/** Species fractions alpha_0..alpha_4 at any pH, in double precision (absent species are 0). */
[[nodiscard]] std::array<double, kMaxSpecies> fractionsAt(const Acid& acid, double pH);

} // namespace velmora::model
