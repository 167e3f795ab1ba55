// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

namespace velmora::charts {

class ChartText;

/** One axis of a chart: its value range and title. */
struct ChartAxis {
    double min = 0.0;
    double max = 1.0;
    QString title;
};

/** The tick values of an axis, a "nice" step apart (1, 2, 2.5 or 5 times a power of ten). */
struct AxisTicks {
    double step = 1.0;
    int decimals = 0; ///< decimals the step needs ("0.25" needs 2)
    std::vector<double> values;
};

/**
 * The smallest nice step that keeps the ticks of [min, max] at least `minSpacing` pixels apart on
 * an axis `length` pixels long, with the ticks it gives inside the range (ends included).
 */
[[nodiscard]] AxisTicks niceTicks(double min, double max, double length, double minSpacing);

/** A tick number with `decimals` decimals and a true minus sign ("−14", "0.25", "0,25"). */
[[nodiscard]] QString tickText(double value, int decimals, QChar decimalPoint = u'.');

/**
 * The size a chart is designed at: there its texts, lines and marks have their normal size.
 * Larger, it grows as a slide does.
 */
inline constexpr double kDesignWidth = 960.0;
inline constexpr double kDesignHeight = 600.0;
/** The largest growth: an 8K screen's chart. */
inline constexpr double kMaxDrawingScale = 8.0;

/**
 * How much larger than designed a chart filling `size` is drawn: the smaller of its width and
 * height over the design size's, so that it grows like a slide and the same share of it is text
 * whatever its shape; never below 1, since texts smaller than the design's cannot be read on a
 * screen (a small window keeps them and shows fewer ticks), and at most kMaxDrawingScale.
 */
[[nodiscard]] double drawingScale(const QSizeF& size);

/** How a chart's axes are drawn: the scales of its lines and texts and its decimal separator. */
struct AxesStyle {
    double scale = 1.0;     ///< lines, marks and gaps: drawingScale() of the chart's size
    double textScale = 1.0; ///< texts: the drawing's scale times the window's text size
    QChar decimalPoint = u'.';
};

/** The width of the frame's, the grid's and the ticks' lines: whole pixels, at least one. */
[[nodiscard]] double axisLineWidth(double scale);

/**
 * Maps the axes' values to the logical pixels of a chart. The frame's lines cover the pixel
 * columns left..right and rows top..bottom of `frame`; the axis minimum and maximum fall on the
 * middle of those lines, so a value drawn there is a crisp one-pixel line at 1× and a crisp
 * two-pixel line at 2×.
 */
class PlotMapping {
public:
    PlotMapping() = default;
    PlotMapping(const QRect& frame, const ChartAxis& x, const ChartAxis& y);

    [[nodiscard]] const QRect& frame() const { return m_frame; }
    /** The frame as the lines are drawn: through the middles of its edge pixels. */
    [[nodiscard]] QRectF lineFrame() const;
    [[nodiscard]] double xOf(double value) const;
    [[nodiscard]] double yOf(double value) const;
    [[nodiscard]] double xValueAt(double x) const;
    [[nodiscard]] double xMin() const { return m_xMin; }
    [[nodiscard]] double xMax() const { return m_xMax; }
    [[nodiscard]] double yMin() const { return m_yMin; }
    [[nodiscard]] double yMax() const { return m_yMax; }

private:
    QRect m_frame;
    double m_xMin = 0.0;
    double m_xMax = 1.0;
    double m_yMin = 0.0;
    double m_yMax = 1.0;
};

/** The axes of a chart laid out in an area: the plot frame and the ticks that fit it. */
struct AxesLayout {
    QRectF area;
    AxesStyle style;
    PlotMapping mapping;
    AxisTicks xTicks;
    AxisTicks yTicks;
    /** False for a plot with a strip under it, below which its x numbers and title stand. */
    bool xNumbers = true;
};

/**
 * Lays the axes out in `area`: the y title (turned upright) and the tick numbers on the left,
 * the tick numbers and the x title below, a small margin above and on the right. The frame's
 * corners fall on whole logical pixels. Gaps grow with the style's scale; `text` is prepared at
 * its text scale.
 */
[[nodiscard]] AxesLayout layoutAxes(const QRectF& area, const ChartAxis& x, const ChartAxis& y,
                                    ChartText& text, const AxesStyle& style = {});

/** A plot and a strip under it that shares its x axis, as a plot of residuals does. */
struct StripLayout {
    AxesLayout plot;  ///< without x numbers and title
    AxesLayout strip; ///< its ticks at the ends and the middle of its y axis
};

/**
 * Lays out a plot with a strip under it in `area`: both frames share their left and right edges
 * (room left for the wider of both y axes' numbers) and the x ticks, the strip takes about a
 * fifth of the height (at least room for three tick numbers), and the x numbers and title stand
 * under the strip. The strip's axis `stripY` is symmetric about zero, its ticks at its ends and
 * at zero.
 */
[[nodiscard]] StripLayout layoutAxesWithStrip(const QRectF& area, const ChartAxis& x,
                                              const ChartAxis& y, const ChartAxis& stripY,
                                              ChartText& text, const AxesStyle& style = {});

/** The decimals a nice number (1, 1.2, 1.5, 2, 2.5 … times a power of ten) is written with. */
[[nodiscard]] int niceDecimals(double value);

/** Paints the grid (light lines at the ticks), under everything else. */
void paintGrid(QPainter& painter, const AxesLayout& layout);
/** Paints the frame, the ticks with their numbers and the axis titles. */
void paintAxes(QPainter& painter, const AxesLayout& layout, const ChartAxis& x, const ChartAxis& y,
               ChartText& text);

/**
 * The middle of the device pixel (or pixels) that a line one logical pixel wide at `coordinate`
 * covers, so vertical and horizontal lines stay crisp at every device pixel ratio.
 */
[[nodiscard]] double crispLine(double coordinate);

/** Geometry of the axes, in logical pixels at the design size (times the drawing's scale). */
inline constexpr double kTickLength = 4.0;
inline constexpr double kAxisGap = 4.0;
inline constexpr double kChartPadding = 8.0;

} // namespace velmora::charts
