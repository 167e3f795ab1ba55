// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "titration.h"

#include <span>
#include <vector>

namespace velmora::model {

/** How an end point was found from measured points. */
enum class EndPointMethod {
    Derivative,       ///< the largest |dpH/dV|, interpolated between points
    SecondDerivative, ///< where d²pH/dV² changes sign at that jump, interpolated
    Gran,             ///< Gran's function before the end point, extrapolated to zero
    GranExcess,       ///< Gran's function of the excess titrant after the end point
};

/** One end point: the method, its volume (mL) and, for a jump, its order (1-based). */
struct EndPoint {
    EndPointMethod method = EndPointMethod::Derivative;
    double volume = 0.0;
    int jump = 1;
};

/** A point of a derived curve: the first derivative at the midpoint of two measured points. */
struct SlopePoint {
    double volume = 0.0; ///< mL, midpoint
    double slope = 0.0;  ///< pH/mL
};

/**
 * A Gran plot: Gran's function at the measured points it uses, and the straight line fitted to
 * them, value = intercept + gradient·V, which reaches zero at the end point. The line is fitted by
 * least squares weighted by 1/value²: a meter's error is one of the pH, hence a proportion of the
 * function, and the smallest values, nearest the end point, are the surest.
 *
 * Before the end point the function is V·10^(∓pH) for a weak acid (base) sample, or
 * (V0 + V)·10^(∓pH) for a strong one, whichever the points follow more closely (−pH when the pH
 * rises, as an acid titrated with a base); after it, that of the excess titrant,
 * (V0 + V)·10^(±pH). Values are scaled to a largest value of 1.
 */
struct GranPlot {
    bool afterEndPoint = false;
    bool withSampleVolume = true;       ///< (V0 + V)·10^… rather than V·10^…
    std::vector<TitrationPoint> used{}; ///< volume, value of the function (not pH)
    double intercept = 0.0;
    double gradient = 0.0;
    double endVolume = 0.0; ///< −intercept/gradient, mL
};

/** Everything the end points of a measured titration are found from. */
struct EndPointAnalysis {
    bool rising = true;                  ///< the pH rises (a base is added)
    std::vector<SlopePoint> slopes{};    ///< first differences at midpoints
    std::vector<SlopePoint> curvature{}; ///< second differences (pH/mL²) at the slopes' midpoints
    std::vector<EndPoint> endPoints{};   ///< by method, then by volume
    std::vector<GranPlot> gran{};        ///< before (first jump) and after (last jump), as found
};

/**
 * The end points of measured `points` (volumes increasing, at least 5) titrating `sampleVolume`
 * mL: a jump is a local maximum of |ΔpH/ΔV| that stands out from its surroundings: a run of slopes
 * in the curve's direction above 3 times the median slope, with a lower slope on either side (so
 * the steep start of a weak acid's curve is none) and a pH change of at least 0.5 across it. For
 * each jump, its derivative end point is the vertex of the parabola through the three slopes around
 * the largest one, and its second-derivative end point the linear interpolation of the second
 * differences' sign change next to it. Gran's end points use the points between 30 % and 90 % of
 * the first jump's volume (before), and those from 110 % of the last jump's volume to 40 % past it
 * (after), each needing at least 3 points. Methods that find nothing are left out.
 */
[[nodiscard]] EndPointAnalysis analyseEndPoints(std::span<const TitrationPoint> points,
                                                double sampleVolume);

} // namespace velmora::model
