// SPDX-License-Identifier: GPL-3.0-or-later
#include "endpoints.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace velmora::model {

namespace {

/** How far a jump's slope must stand above the median slope. */
constexpr double kJumpFactor = 3.0;
/** The least pH change across a jump. */
constexpr double kMinJumpChange = 0.5;
/** The parts of the end volume whose points Gran's method uses, before and after the end point. */
constexpr double kGranBeforeFrom = 0.3;
constexpr double kGranBeforeTo = 0.9;
constexpr double kGranAfterFrom = 1.1;
constexpr double kGranAfterTo = 1.4;
constexpr std::size_t kMinGranPoints = 3;

/** One jump: the index of its largest slope. */
struct Jump {
    std::size_t peak = 0;
};

std::vector<SlopePoint> differences(std::span<const TitrationPoint> points) {
    std::vector<SlopePoint> slopes;
    slopes.reserve(points.size());
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const double width = points[i + 1].volume - points[i].volume;
        slopes.push_back({0.5 * (points[i].volume + points[i + 1].volume),
                          (points[i + 1].pH - points[i].pH) / width});
    }
    return slopes;
}

std::vector<SlopePoint> differences(const std::vector<SlopePoint>& slopes) {
    std::vector<SlopePoint> curvature;
    curvature.reserve(slopes.size());
    for (std::size_t i = 0; i + 1 < slopes.size(); ++i) {
        const double width = slopes[i + 1].volume - slopes[i].volume;
        curvature.push_back({0.5 * (slopes[i].volume + slopes[i + 1].volume),
                             (slopes[i + 1].slope - slopes[i].slope) / width});
    }
    return curvature;
}

/**
 * The jumps: each run of slopes (in the curve's direction) above kJumpFactor times the median
 * slope that changes the pH by kMinJumpChange or more, and is closed by a lower slope on both
 * sides. The steep start of a weak acid's curve, open to the left, is thus no jump.
 */
std::vector<Jump> jumpsOf(std::span<const TitrationPoint> points,
                          const std::vector<SlopePoint>& slopes, double direction) {
    std::vector<double> sizes;
    sizes.reserve(slopes.size());
    for (const SlopePoint& slope : slopes) {
        sizes.push_back(std::abs(slope.slope));
    }
    std::nth_element(sizes.begin(), sizes.begin() + static_cast<std::ptrdiff_t>(sizes.size() / 2),
                     sizes.end());
    const double threshold = kJumpFactor * sizes[sizes.size() / 2];
    std::vector<Jump> jumps;
    std::size_t i = 0;
    while (i < slopes.size()) {
        if (direction * slopes[i].slope <= threshold) {
            ++i;
            continue;
        }
        const std::size_t first = i;
        std::size_t peak = i;
        while (i < slopes.size() && direction * slopes[i].slope > threshold) {
            if (direction * slopes[i].slope > direction * slopes[peak].slope) {
                peak = i;
            }
            ++i;
        }
        const double change = direction * (points[i].pH - points[first].pH);
        if (first > 0 && i < slopes.size() && change >= kMinJumpChange) {
            jumps.push_back({peak});
        }
    }
    return jumps;
}

/** The vertex of the parabola through the slopes at k − 1, k and k + 1, kept between them. */
double parabolaVertex(const std::vector<SlopePoint>& slopes, std::size_t k) {
    const double x0 = slopes[k - 1].volume;
    const double x1 = slopes[k].volume;
    const double x2 = slopes[k + 1].volume;
    const double y0 = slopes[k - 1].slope;
    const double y1 = slopes[k].slope;
    const double y2 = slopes[k + 1].slope;
    // Newton's divided differences: y = y0 + a·(x − x0) + b·(x − x0)(x − x1).
    const double a = (y1 - y0) / (x1 - x0);
    const double b = ((y2 - y1) / (x2 - x1) - a) / (x2 - x0);
    if (b == 0.0) {
        return x1;
    }
    const double vertex = 0.5 * (x0 + x1) - a / (2.0 * b);
    return std::clamp(vertex, x0, x2);
}

/** Where the second differences around slope k (c[k − 1] ≥ 0 ≥ c[k] in the curve's direction) cross
 * zero. */
double curvatureZero(const std::vector<SlopePoint>& curvature, std::size_t k) {
    const SlopePoint& before = curvature[k - 1];
    const SlopePoint& after = curvature[k];
    const double drop = before.slope - after.slope;
    if (drop == 0.0) {
        return 0.5 * (before.volume + after.volume);
    }
    return before.volume + before.slope / drop * (after.volume - before.volume);
}

struct Line {
    double intercept = 0.0;
    double gradient = 0.0;
    double unexplained = 1.0; ///< 1 − R², how far the points stray from the line
};

/**
 * The straight line through Gran's values by least squares, each point weighted by 1/value²: a
 * pH meter's error is one of the pH, so it is a proportion of Gran's value, and the points
 * nearest the end point, the smallest, are the surest and the least extrapolated.
 */
Line leastSquaresLine(const std::vector<TitrationPoint>& points) {
    double weights = 0.0;
    double meanX = 0.0;
    double meanY = 0.0;
    for (const TitrationPoint& point : points) {
        const double weight = 1.0 / (point.pH * point.pH);
        weights += weight;
        meanX += weight * point.volume;
        meanY += weight * point.pH;
    }
    if (!(weights > 0.0) || !std::isfinite(weights)) {
        return {};
    }
    meanX /= weights;
    meanY /= weights;
    double sxx = 0.0;
    double sxy = 0.0;
    double syy = 0.0;
    for (const TitrationPoint& point : points) {
        const double weight = 1.0 / (point.pH * point.pH);
        sxx += weight * (point.volume - meanX) * (point.volume - meanX);
        sxy += weight * (point.volume - meanX) * (point.pH - meanY);
        syy += weight * (point.pH - meanY) * (point.pH - meanY);
    }
    Line line;
    if (sxx <= 0.0) {
        return line;
    }
    line.gradient = sxy / sxx;
    line.intercept = meanY - line.gradient * meanX;
    line.unexplained = syy > 0.0 ? 1.0 - sxy * sxy / (sxx * syy) : 0.0;
    return line;
}

/**
 * Gran's function at the points with volumes in [from, to]: (V0 + V)·10^(sign·pH), or V·10^(…)
 * without the sample's volume, scaled to a largest value of 1 (the powers taken relative to the
 * largest, so that none overflows).
 */
std::vector<TitrationPoint> granValues(std::span<const TitrationPoint> points, double from,
                                       double to, double sign, double sampleVolume,
                                       bool withSampleVolume) {
    std::vector<TitrationPoint> values;
    double top = -HUGE_VAL;
    for (const TitrationPoint& point : points) {
        if (point.volume >= from && point.volume <= to) {
            top = std::max(top, sign * point.pH);
            values.push_back(point);
        }
    }
    double largest = 0.0;
    for (TitrationPoint& value : values) {
        const double volume = withSampleVolume ? sampleVolume + value.volume : value.volume;
        value.pH = volume * std::pow(10.0, sign * value.pH - top);
        largest = std::max(largest, value.pH);
    }
    for (TitrationPoint& value : values) {
        value.pH = largest > 0.0 ? value.pH / largest : 0.0;
    }
    return values;
}

std::optional<GranPlot> granPlot(std::span<const TitrationPoint> points, double from, double to,
                                 double sign, double sampleVolume, bool withSampleVolume,
                                 bool after) {
    GranPlot plot;
    plot.afterEndPoint = after;
    plot.withSampleVolume = withSampleVolume;
    plot.used = granValues(points, from, to, sign, sampleVolume, withSampleVolume);
    if (plot.used.size() < kMinGranPoints) {
        return std::nullopt;
    }
    const Line line = leastSquaresLine(plot.used);
    if (line.gradient == 0.0) {
        return std::nullopt;
    }
    plot.intercept = line.intercept;
    plot.gradient = line.gradient;
    plot.endVolume = -line.intercept / line.gradient;
    if (!std::isfinite(plot.endVolume) || plot.endVolume < 0.0) {
        return std::nullopt;
    }
    return plot;
}

/** Gran before the end point: V·10^… or (V0 + V)·10^…, whichever is straighter. */
std::optional<GranPlot> granBefore(std::span<const TitrationPoint> points, double end, double sign,
                                   double sampleVolume) {
    const double from = kGranBeforeFrom * end;
    const double to = kGranBeforeTo * end;
    const std::vector<TitrationPoint> weak =
        granValues(points, from, to, sign, sampleVolume, false);
    const std::vector<TitrationPoint> strong =
        granValues(points, from, to, sign, sampleVolume, true);
    if (weak.size() < kMinGranPoints) {
        return std::nullopt;
    }
    const bool withSampleVolume =
        leastSquaresLine(strong).unexplained < leastSquaresLine(weak).unexplained;
    return granPlot(points, from, to, sign, sampleVolume, withSampleVolume, false);
}

} // namespace

EndPointAnalysis analyseEndPoints(std::span<const TitrationPoint> points, double sampleVolume) {
    EndPointAnalysis analysis;
    if (points.size() < 3) {
        return analysis;
    }
    analysis.rising = points.back().pH >= points.front().pH;
    const double direction = analysis.rising ? 1.0 : -1.0;
    analysis.slopes = differences(points);
    analysis.curvature = differences(analysis.slopes);
    const std::vector<Jump> jumps = jumpsOf(points, analysis.slopes, direction);

    for (std::size_t j = 0; j < jumps.size(); ++j) {
        analysis.endPoints.push_back({EndPointMethod::Derivative,
                                      parabolaVertex(analysis.slopes, jumps[j].peak),
                                      static_cast<int>(j) + 1});
    }
    for (std::size_t j = 0; j < jumps.size(); ++j) {
        analysis.endPoints.push_back({EndPointMethod::SecondDerivative,
                                      curvatureZero(analysis.curvature, jumps[j].peak),
                                      static_cast<int>(j) + 1});
    }
    if (jumps.empty()) {
        return analysis;
    }
    // The titrant's own ions grow after the end point (OH− for a base), the sample's before it.
    const double first = analysis.endPoints.front().volume;
    const double last = analysis.endPoints[jumps.size() - 1].volume;
    if (std::optional<GranPlot> before = granBefore(points, first, -direction, sampleVolume)) {
        analysis.endPoints.push_back({EndPointMethod::Gran, before->endVolume, 1});
        analysis.gran.push_back(std::move(*before));
    }
    if (std::optional<GranPlot> after = granPlot(points, kGranAfterFrom * last, kGranAfterTo * last,
                                                 direction, sampleVolume, true, true)) {
        analysis.endPoints.push_back(
            {EndPointMethod::GranExcess, after->endVolume, static_cast<int>(jumps.size())});
        analysis.gran.push_back(std::move(*after));
    }
    return analysis;
}

} // namespace velmora::model
