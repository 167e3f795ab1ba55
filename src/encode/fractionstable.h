// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QStringList>

#include <functional>
#include <span>

namespace velmora::encode {

/** Fills `into` with each species' fraction at `pH`, in the order of the species' names. */
using SpeciesFractions = std::function<void(double pH, std::span<double> into)>;

/**
 * The one writer of a fractions table, for the main diagram's acid and the solution's alike: the
 * header "pH," and the species' names, then a row every `step` from pH 0 to 14 with the pH and
 * the fractions that `fractions` gives there.
 */
[[nodiscard]] QByteArray speciesFractionsCsv(const QStringList& species, double step,
                                             const SpeciesFractions& fractions);

} // namespace velmora::encode
