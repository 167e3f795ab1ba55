// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "labels.h"

#include "model/acid.h"

#include <QPointF>

#include <array>

namespace velmora::diagram {

class Surface;

/** What one drawing produced: the species drawn, where each label starts and what it reads. */
struct DrawnDiagram {
    int species = 0;
    std::array<QPointF, model::kMaxSpecies> labelAt{};
    LabelTexts labels{}; ///< the label text of each species drawn, as passed to typesetFormula()
};

/**
 * Draws the whole distribution diagram of `acid`: the model stage (acid type, species terms per
 * column), then the surface cleared to its backdrop, every species of the acid in turn, curve
 * and label, and finally the frame, so that the frame stays intact over curves that run along
 * its edges.
 *
 * Curves go through every second column (53, 55, ..., 473). Each label is placed by trackers
 * that follow its curve; see the table in distributiondiagram.cpp. `labels` replaces the generic
 * species names where it has a text (an example acid's own formulas), see speciesLabels().
 */
DrawnDiagram drawDistributionDiagram(const model::Acid& acid, Surface& surface,
                                     const LabelTexts& labels = {});

} // namespace velmora::diagram
