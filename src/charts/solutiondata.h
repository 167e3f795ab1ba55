// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chartdata.h"

#include <QByteArray>
#include <QStringList>

namespace velmora::charts {

/**
 * Default steps of the data files' rows: pH for fractions, log c and buffer capacity, mL for a
 * titration and its derivative.
 */
inline constexpr double kDefaultPhStep = 0.1;
inline constexpr double kDefaultVolumeStep = 0.05;
/** The most rows a data file should have: a request for more is to be refused (chartCsvRows()). */
inline constexpr double kMaxDataRows = 1.0e6;

/**
 * Fractions as CSV: header "pH," and the species names, one row per `step` pH from 0 to 14
 * (the last row is 14), each α_j in the shortest text that reads back to the same double.
 */
[[nodiscard]] QByteArray solutionFractionsCsv(const model::PolyproticAcid& acid, double step);

/**
 * Log concentrations as CSV: header "pH,log[H+],log[OH-]," and the species names, one row per
 * `step` pH from 0 to 14, at the total concentration `concentration` (mol/L).
 */
[[nodiscard]] QByteArray logcCsv(const model::PolyproticAcid& acid, double concentration,
                                 double step);

/** A titration as CSV: header "V/mL,pH", one row per `step` mL from 0 to the end volume. */
[[nodiscard]] QByteArray titrationCsv(const model::PolyproticAcid& acid,
                                      const model::Solution& solution,
                                      const model::Titration& titration, double step);

/**
 * A mixture's fractions as CSV: header "pH," and every system's species names (each column named
 * uniquely, mixtureSpeciesNames()), one row per `step` pH from 0 to 14.
 */
[[nodiscard]] QByteArray mixtureFractionsCsv(const model::Mixture& mixture, double step);

/**
 * A mixture's log concentrations as CSV: header "pH,log[H+],log[OH-]," and the species of every
 * system that is present, one row per `step` pH from 0 to 14.
 */
[[nodiscard]] QByteArray mixtureLogcCsv(const model::Mixture& mixture, double step);

/** A mixture's titration as CSV: header "V/mL,pH", one row per `step` mL to the end volume. */
[[nodiscard]] QByteArray mixtureTitrationCsv(const model::Mixture& sample,
                                             const model::MixtureTitration& titration, double step);

/** Buffer capacity as CSV: header "pH,beta", β in mol/(L·pH) every `step` pH from 0 to 14. */
[[nodiscard]] QByteArray bufferCsv(const model::Mixture& mixture, double step);

/** A titration's slope as CSV: header "V/mL,dpH/dV", one row per `step` mL to the end volume. */
[[nodiscard]] QByteArray derivativeCsv(const model::Mixture& sample,
                                       const model::MixtureTitration& titration, double step);

/** The end volume of a request's titration (its own or its default), in mL. */
[[nodiscard]] double chartEndVolume(const ChartRequest& request);

/**
 * The data of a chart request as CSV with rows `step` apart (pH, or mL for a titration and its
 * derivative); with measured points, a row for each of them (measuredTitrationCsv(),
 * measuredDerivativeCsv()), and Gran's plot a row for each point it uses (granCsv()).
 */
[[nodiscard]] QByteArray chartCsv(const ChartRequest& request, double step);

/** How many data rows chartCsv() would write (the header aside), to refuse too many first. */
[[nodiscard]] double chartCsvRows(const ChartRequest& request, double step);

} // namespace velmora::charts
