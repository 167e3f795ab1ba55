// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/mixture.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

namespace velmora::charts {

/**
 * The letter of system `system` of a mixture in generic names: A, B, C … G, then J (no H, which
 * would read as hydrogen).
 */
[[nodiscard]] QChar systemLetter(int system);

/**
 * The species names of every system of a mixture, fully protonated first: the formulas the
 * library gave a system, else generic names with the system's letter (HA, A-; HB, B-; H2C, HC-,
 * C2-). A name that another species (of any system) or one of `taken` (the data file's other
 * columns) also has is preceded by its system's letter ("B: HCO3^-"), so that every curve, readout
 * row and column has a name of its own.
 */
[[nodiscard]] std::vector<QStringList> mixtureSpeciesNames(const model::Mixture& mixture,
                                                           const QStringList& taken = {});

/** The names of mixtureSpeciesNames() in one list, system after system. */
[[nodiscard]] QStringList flatNames(const std::vector<QStringList>& names);

/**
 * The dash pattern of system `system`'s curves (in line widths; empty for a solid line): solid,
 * dashed, dotted, dash-dot, then long dashes, dash-dot-dot, long dash-dot and short dashes, so
 * that a drawing printed in black and white still tells the systems apart.
 */
[[nodiscard]] QList<double> systemDashes(int system);

} // namespace velmora::charts
