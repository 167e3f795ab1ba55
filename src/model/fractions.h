#pragma once

#include "acid.h"

#include <array>

namespace velmora::model {

/** The diagram's pH axis in pixel columns: column 52 is pH 0, 30 columns per pH unit. */
inline constexpr int kFirstColumn = 52;
inline constexpr int kLastColumn = 473;
inline constexpr int kColumnCount = kLastColumn + 1;
inline constexpr int kColumnsPerPh = 30;
/** Height of the plot area in pixels: a fraction of 1 is plotted 300 pixels high. */
inline constexpr double kPlotHeight = 300.0;

/** pH of a pixel column, formed in single precision as the drawing has always done. */
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

/**
 * Fills the species terms and column scales for columns 52..473. The acid's constants must be
 * current (Acid::computeConstants()).
 */
void computeColumns(const Acid& acid, ColumnTable& table);

/** Species fractions alpha_0..alpha_4 at any pH, in double precision (absent species are 0). */
[[nodiscard]] std::array<double, kMaxSpecies> fractionsAt(const Acid& acid, double pH);

} // namespace velmora::model
