#include "grafik.h"

#include "forma.h"
#include "geometry.h"
#include "palette.h"
#include "surface.h"

#include "model/fractions.h"

#include <cmath>
#include <cstdint>

namespace velmora::diagram {

namespace {

using model::kFirstColumn;
using model::kLastColumn;

std::int16_t roundedRow(float y) {
    return static_cast<std::int16_t>(std::nearbyint(y));
}

/**
 * Label trackers of one species. labelY follows the curve's top (species 0 and 4) or its
 * highest point below the top band y > 30 (species 1..3); labelX is the last column of
 * species 0 inside the top band y < 30, or of species 4 still below it.
 */
struct Trackers {
    std::int16_t labelY = 320;
    float labelX = 40.0f;

    void update(int species, int x, float y) {
        const float row = static_cast<float>(labelY);
        switch (species) {
        case 0:
            if (y <= row) {
                labelY = roundedRow(y);
            }
            if (y < 30.0f) {
                labelX = static_cast<float>(x);
            }
            break;
        case 4:
            if (y < row) {
                labelY = roundedRow(y);
            }
            if (y > 30.0f) {
                labelX = static_cast<float>(x);
            }
            break;
        default:
            if (y <= row && y > 30.0f) {
                labelY = roundedRow(y);
            }
            break;
        }
    }
};

/**
 * Left edge of species j's label. An intermediate species peaks midway between its two
 * exponents: its label starts 12 pixels left of that column (15 (a + b) + 40). The last species
 * of a smaller acid starts right of the column of its own exponent.
 */
float labelColumn(int species, const Trackers& t, const std::array<double, 4>& pKa) {
    switch (species) {
    case 0:
        return t.labelX + 15.0f;
    case 4:
        return t.labelX - 30.0f;
    default: {
        const double own = pKa[static_cast<std::size_t>(species - 1)];
        const double next = pKa[static_cast<std::size_t>(species)];
        if (next > 0.0) {
            return static_cast<float>(15.0 * (own + next) + 40.0);
        }
        return static_cast<float>(30.0 * own + (species == 1 ? 64.0 : 60.0));
    }
    }
}

} // namespace

DrawnDiagram grafik(model::Acid& acid, Surface& surface, const LabelTexts* labels) {
    // Stage 1: the model.
    acid.computeConstants();
    const int protons = acid.protonCount();
    const model::SpeciesNames& names = model::speciesNames(protons);
    model::ColumnTable table;
    model::computeColumns(acid, table);

    // Stage 2: the drawing.
    surface.clear();
    const std::array<double, 4> pKa = acid.exponents();
    const std::array<double, 4> Ka = acid.constants();
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
        for (int x = kFirstColumn + 1; x <= kLastColumn; x += 2) {
            const float y = plotted(x);
            surface.lineTo(static_cast<float>(x), y, colour);
            trackers.update(j, x, y);
        }

        const float labelX = labelColumn(j, trackers, pKa);
        const auto labelY = static_cast<float>(trackers.labelY + 10);
        surface.setCurrentX(labelX);
        surface.setCurrentY(labelY);
        surface.setForeColor(colour);
        const QString custom = labels != nullptr ? (*labels)[slot] : QString();
        forma(surface, custom.isEmpty() ? QString::fromStdString(names[slot]) : custom);

        drawn.labelAt[slot] = QPointF(static_cast<double>(labelX), static_cast<double>(labelY));
        drawn.species = j + 1;
    }

    surface.rectangle(static_cast<float>(kFrameLeft), static_cast<float>(kFrameBottom),
                      static_cast<float>(kFrameRight), static_cast<float>(kFrameTop),
                      paletteColor(0));
    return drawn;
}

} // namespace velmora::diagram
