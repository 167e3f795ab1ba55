// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chartdata.h"

#include "model/endpoints.h"
#include "model/measurements.h"

#include <QByteArray>

namespace velmora::charts {

/** Volumes of the model's curve that stand in for measured points in its Gran plot. */
inline constexpr int kGranModelVolumes = 61;

/**
 * The points Gran's plot of a request is made from: its measured points, or without them
 * kGranModelVolumes evenly spaced points of its model's curve (its offset added), so that the
 * plot of a solution's own titration can be seen before any measurement.
 */
[[nodiscard]] std::vector<model::TitrationPoint> granSourcePoints(const ChartRequest& request);

/** The end points of granSourcePoints(), Gran's plots among them. */
[[nodiscard]] model::EndPointAnalysis granAnalysis(const ChartRequest& request);

/**
 * Gran's plot: Gran's function (scaled to a largest value of 1) at the points it uses before
 * the first end point and after the last, each group with its straight line drawn on to the
 * volume axis, where it meets it at the end volume, marked with its volume.
 */
[[nodiscard]] ChartData granChartData(const ChartRequest& request);

/** The values of Gran's lines at `volume` mL. */
[[nodiscard]] ChartReadout granReadout(const ChartRequest& request, double volume);

/**
 * Gran's plot as CSV: "V/mL,Gran before,line before,Gran after,line after", one row for each
 * point used, its cells of the other part empty.
 */
[[nodiscard]] QByteArray granCsv(const ChartRequest& request);

/** How many rows granCsv() writes. */
[[nodiscard]] double granCsvRows(const ChartRequest& request);

} // namespace velmora::charts
