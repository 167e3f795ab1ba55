// SPDX-License-Identifier: GPL-3.0-or-later
#include "distributiondiagram.h"

#include "geometry.h"
#include "palette.h"
#include "surface.h"
#include "typesetformula.h"

#include "model/fractions.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace velmora::diagram {

namespace {

using model::kFirstColumn;
using model::kLastColumn;

/** Curves are drawn through every second column, starting one column right of the first. */
constexpr int kCurveStep = 2;
/** Above this row a curve is on its plateau near a fraction of 1, too close to the frame's top. */
constexpr float kTopBand = static_cast<float>(kFrameTop + 10);
/** Where a tracker starts before its curve has been followed: the bottom row, left of the plot. */
constexpr std::int16_t kTrackerStartRow = kFrameBottom;
constexpr float kTrackerStartColumn = static_cast<float>(kFrameLeft - 12);
/** A label's top stands this far below the row its tracker found. */
constexpr int kLabelDrop = 10;

std::int16_t roundedRow(float y) {
    return static_cast<std::int16_t>(std::nearbyint(y));
}

/**
 * Label trackers of one species. labelY follows the curve's top (species 0 and 4) or its
 * highest point below the top band (species 1..3); labelX is the last column of species 0 still
 * in the top band, or of species 4 still below it.
 */
struct Trackers {
    std::int16_t labelY = kTrackerStartRow;
    float labelX = kTrackerStartColumn;

    void update(int species, int x, float y) {
        const float row = static_cast<float>(labelY);
        switch (species) {
        case 0:
            if (y <= row) {
                labelY = roundedRow(y);
            }
            if (y < kTopBand) {
                labelX = static_cast<float>(x);
            }
            break;
        case 4:
            if (y < row) {
                labelY = roundedRow(y);
            }
            if (y > kTopBand) {
                labelX = static_cast<float>(x);
            }
            break;
        default:
            if (y <= row && y > kTopBand) {
                labelY = roundedRow(y);
            }
            break;
        }
    }
};

/**
 * Left edge of species j's label. The first species' label starts half a pH unit right of where
 * its plateau ends, the fourth anion's one pH unit left of where its plateau begins. An
 * intermediate species peaks midway between its two exponents: its label starts 12 pixels left
 * of that column. The last species of a smaller acid starts right of the column of its own
 * exponent, 12 pixels for the monoprotic anion and 8 for the others.
 */
float labelColumn(int species, const Trackers& t, const model::Exponents& pKa) {
    switch (species) {
    case 0:
        return t.labelX + static_cast<float>(kPixelsPerPh) / 2.0f;
    case 4:
        return t.labelX - static_cast<float>(kPixelsPerPh);
    default: {
        const double own = pKa[static_cast<std::size_t>(species - 1)];
        const double next = pKa[static_cast<std::size_t>(species)];
        if (next > 0.0) {
            return static_cast<float>(kPixelsPerPh / 2.0 * (own + next) + (kFrameLeft - 12));
        }
        return static_cast<float>(kPixelsPerPh * own + (kFrameLeft + (species == 1 ? 12 : 8)));
    }
    }
}

} // namespace

DrawnDiagram drawDistributionDiagram(const model::Acid& acid, Surface& surface,
                                     const LabelTexts& labels) {
    // The model stage: the acid type, the species' labels and every column's terms.
    const int protons = acid.protonCount();
    const LabelTexts names = speciesLabels(protons, labels);
    model::ColumnTable table;
    model::computeColumns(acid, table);

    // The drawing.
    surface.clear();
    const model::Exponents& pKa = acid.exponents();
    const model::Exponents& Ka = acid.constants();
    DrawnDiagram drawn;
    for (int j = 0; j < model::kMaxSpecies; ++j) {
        // After species j - 1 the drawing stops when the constant that makes species j is absent.
        if (j >= 2 && Ka[static_cast<std::size_t>(j - 1)] == 0.0) {
            break;
        }
        const auto slot = static_cast<std::size_t>(j);
        const QColor colour = paletteColor(speciesPaletteIndex(j));
        const auto& terms = table.T[slot];
        const auto plotted = [&](int x) {
            const auto col = static_cast<std::size_t>(x);
            return static_cast<float>(kFrameBottom - table.k[col] * terms[col]);
        };

        Trackers trackers;
        surface.point(static_cast<float>(kFirstColumn), plotted(kFirstColumn), colour);
        for (int x = kFirstColumn + 1; x <= kLastColumn; x += kCurveStep) {
            const float y = plotted(x);
            surface.lineTo(static_cast<float>(x), y, colour);
            trackers.update(j, x, y);
        }

        const float labelX = labelColumn(j, trackers, pKa);
        const auto labelY = static_cast<float>(trackers.labelY + kLabelDrop);
        surface.setCurrentX(labelX);
        surface.setCurrentY(labelY);
        surface.setForeColor(colour);
        typesetFormula(surface, names[slot]);

        drawn.labelAt[slot] = QPointF(static_cast<double>(labelX), static_cast<double>(labelY));
        drawn.labels[slot] = names[slot];
        drawn.species = j + 1;
    }

    surface.rectangle(static_cast<float>(kFrameLeft), static_cast<float>(kFrameBottom),
                      static_cast<float>(kFrameRight), static_cast<float>(kFrameTop),
                      paletteColor(0));
    return drawn;
}

} // namespace velmora::diagram
