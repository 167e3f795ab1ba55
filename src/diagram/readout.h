// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "labels.h"

#include "model/acid.h"

#include <QString>
#include <QStringList>

#include <array>

class QPainter;

namespace velmora::diagram {

/** The pH readout over the plot: the fractions of every species at one pH. */
struct Readout {
    double pH = 7.0;
    int species = 0;                                ///< number of species of the acid
    std::array<double, model::kMaxSpecies> alpha{}; ///< fractions from the model, not pixels
    int predominant = 0;
    LabelTexts names;    ///< label texts of the species
    QStringList heading; ///< e.g. an example acid's name, values, their source, a note
};

/** The pH range of the readout and the plot columns it maps to. */
inline constexpr double kReadoutMinPh = 0.0;
inline constexpr double kReadoutMaxPh = 14.0;

/** The readout of `acid` at `pH` (clamped to 0..14), computed from the model's fractions. */
[[nodiscard]] Readout readoutAt(const model::Acid& acid, double pH, const LabelTexts& labels = {});

/** The pH under a logical x coordinate of the plot, or a negative value outside the plot area. */
[[nodiscard]] double phAtX(double x);

/**
 * A fraction as the readout shows it: percent with one decimal, "<0.1 %" below that. `pattern`
 * puts the number with its percent sign ("%1 %"), `decimalPoint` separates its decimal.
 */
[[nodiscard]] QString percentText(double alpha, QChar decimalPoint = u'.',
                                  const QString& pattern = QStringLiteral("%1 %"));

/**
 * Paints the readout over the diagram in the 495 x 350 logical space: a thin vertical line at
 * the pH and a small box with the lines, placed beside the line and kept inside the surface.
 */
void paintReadout(QPainter& painter, const Readout& readout);

} // namespace velmora::diagram
