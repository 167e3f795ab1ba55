// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chartdata.h"

#include "model/endpoints.h"
#include "model/measurements.h"

#include <QByteArray>

#include <vector>

namespace velmora::charts {

/** The colour of measured points and of their residuals. */
[[nodiscard]] QColor measuredColour();

/** The sample's volume of a request's titration (V0, mL). */
[[nodiscard]] double requestSampleVolume(const ChartRequest& request);

/** The model's pH at each of `volumes` (increasing) of the request's titration, its offset added.
 */
[[nodiscard]] std::vector<double> modelPhsAt(const ChartRequest& request,
                                             const std::vector<double>& volumes);

/** The request with its titration reaching past its last measured volume, if it did not. */
[[nodiscard]] ChartRequest reachingMeasured(const ChartRequest& request);

/** The end points of the request's measured points (none without them). */
[[nodiscard]] model::EndPointAnalysis measuredEndPoints(const ChartRequest& request);

/** The end points of `methods` as lines with their texts (the second derivative's dotted). */
[[nodiscard]] std::vector<EndPointLine>
endPointLines(const model::EndPointAnalysis& analysis,
              std::initializer_list<model::EndPointMethod> methods, const ChartTexts& texts);

/**
 * Adds the request's measured points to its titration chart: the points, their residuals against
 * the model (measured − model pH) with an axis symmetric about zero, and the derivative and
 * second-derivative end points as lines.
 */
void addMeasuredPh(ChartData& data, const ChartRequest& request);

/** The titration's measured points as CSV: "V/mL,pH,pH model,residual", one row a point. */
[[nodiscard]] QByteArray measuredTitrationCsv(const ChartRequest& request);

/**
 * The measured first differences as CSV: "V/mL,dpH/dV,dpH/dV model", one row at the midpoint of
 * each two neighbouring points.
 */
[[nodiscard]] QByteArray measuredDerivativeCsv(const ChartRequest& request);

} // namespace velmora::charts
