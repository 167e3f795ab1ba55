#pragma once

#include "model/acid.h"

#include <QPointF>
#include <QString>

#include <array>

namespace velmora::diagram {

class Surface;

/** Label texts for the five species slots; empty entries fall back to the generic names. */
using LabelTexts = std::array<QString, model::kMaxSpecies>;

/** What one drawing produced: the number of species drawn and where each label starts. */
struct DrawnDiagram {
    int species = 0;
    std::array<QPointF, model::kMaxSpecies> labelAt{};
};

/**
 * Draws the whole distribution diagram: recomputes the model (constants, acid type, species
 * terms per column), clears the surface to its backdrop, then draws every species of the acid in
 * turn, curve and label, and finally the frame, so that the frame stays intact over curves that
 * run along its edges.
 *
 * Curves go through every second column (53, 55, ..., 473). Each label is placed by trackers
 * that follow its curve; see the table in grafik.cpp. `labels` optionally replaces the generic
 * species names (an example acid's own formulas).
 */
DrawnDiagram grafik(model::Acid& acid, Surface& surface, const LabelTexts* labels = nullptr);

} // namespace velmora::diagram
