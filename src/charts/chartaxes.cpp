// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartaxes.h"

#include "charttext.h"

#include "diagram/decimaltext.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <array>
#include <cmath>

namespace velmora::charts {

namespace {

const QColor kFrameColour(0, 0, 0);
const QColor kGridColour(224, 224, 224);
const QColor kTextColour(0, 0, 0);

/** Least distance of two y ticks, in lines of tick numbers. */
constexpr double kTickRows = 2.5;
/** Room between two neighbouring tick numbers on the x axis, in pixels. */
constexpr double kTickTextGap = 12.0;

} // namespace

AxisTicks niceTicks(double min, double max, double length, double minSpacing) {
    AxisTicks ticks;
    const double range = max - min;
    if (!(range > 0.0) || !(length > 0.0)) {
        ticks.values = {min};
        return ticks;
    }
    // The smallest step a tick spacing of minSpacing pixels allows, rounded up to a nice one.
    const double least = range * std::max(minSpacing, 1.0) / length;
    const double power = std::pow(10.0, std::floor(std::log10(least)));
    static constexpr std::array<double, 5> kMultiples{1.0, 2.0, 2.5, 5.0, 10.0};
    double step = power * 10.0;
    for (const double multiple : kMultiples) {
        if (multiple * power >= least * (1.0 - 1e-9)) {
            step = multiple * power;
            break;
        }
    }
    ticks.step = step;
    // Decimals: those of the power of ten, one more for a step of 2.5 times it.
    const int decimals = static_cast<int>(-std::floor(std::log10(step) + 1e-9));
    const bool quarter = std::abs(step / power - 2.5) < 1e-9;
    ticks.decimals = std::max(0, decimals + (quarter ? 1 : 0));
    const auto first = static_cast<long>(std::ceil(min / step - 1e-9));
    for (long i = first;; ++i) {
        const double value = static_cast<double>(i) * step;
        if (value > max + step * 1e-9) {
            break;
        }
        ticks.values.push_back(value);
    }
    return ticks;
}

QString tickText(double value, int decimals, QChar decimalPoint) {
    QString text = diagram::decimalText(value, decimals, decimalPoint);
    if (text.startsWith(u'-')) {
        text.replace(0, 1, QChar(0x2212));
    }
    return text;
}

double drawingScale(const QSizeF& size) {
    const double scale = std::min(size.width() / kDesignWidth, size.height() / kDesignHeight);
    return std::isfinite(scale) ? std::clamp(scale, 1.0, kMaxDrawingScale) : 1.0;
}

double axisLineWidth(double scale) {
    return std::max(1.0, std::round(scale));
}

double crispLine(double coordinate) {
    return std::floor(coordinate) + 0.5;
}

PlotMapping::PlotMapping(const QRect& frame, const ChartAxis& x, const ChartAxis& y)
    : m_frame(frame), m_xMin(x.min), m_xMax(x.max), m_yMin(y.min), m_yMax(y.max) {}

QRectF PlotMapping::lineFrame() const {
    return {QPointF(m_frame.left() + 0.5, m_frame.top() + 0.5),
            QPointF(m_frame.right() + 0.5, m_frame.bottom() + 0.5)};
}

double PlotMapping::xOf(double value) const {
    const double fraction = (value - m_xMin) / (m_xMax - m_xMin);
    return m_frame.left() + 0.5 + fraction * (m_frame.width() - 1);
}

double PlotMapping::yOf(double value) const {
    const double fraction = (value - m_yMin) / (m_yMax - m_yMin);
    return m_frame.bottom() + 0.5 - fraction * (m_frame.height() - 1);
}

double PlotMapping::xValueAt(double x) const {
    return m_xMin + (x - m_frame.left() - 0.5) / (m_frame.width() - 1) * (m_xMax - m_xMin);
}

AxesLayout layoutAxes(const QRectF& area, const ChartAxis& x, const ChartAxis& y, ChartText& text,
                      const AxesStyle& style) {
    AxesLayout layout;
    layout.area = area;
    layout.style = style;
    const QChar point = style.decimalPoint;
    const double padding = kChartPadding * style.scale;
    const double gap = kAxisGap * style.scale;
    const double tickLength = kTickLength * style.scale;
    const double tickGap = kTickTextGap * style.scale;
    const double tickHeight = text.height(TextRole::Tick);
    const double titleHeight = text.height(TextRole::Title);

    const int top =
        static_cast<int>(std::ceil(area.top() + std::max(padding, tickHeight / 2.0 + 2.0)));
    const int bottom = static_cast<int>(
        std::floor(area.bottom() - padding - titleHeight - gap - tickHeight - gap - tickLength));
    layout.yTicks = niceTicks(y.min, y.max, bottom - top, kTickRows * tickHeight);
    double widest = 0.0;
    for (const double value : layout.yTicks.values) {
        widest = std::max(
            widest, text.width(TextRole::Tick, tickText(value, layout.yTicks.decimals, point)));
    }
    const int left = static_cast<int>(
        std::ceil(area.left() + padding + titleHeight + gap + widest + gap + tickLength));
    // The last x tick number is centred on its tick and may stand out past the frame.
    const double widestEnd = std::max(text.width(TextRole::Tick, tickText(x.max, 2, point)),
                                      text.width(TextRole::Tick, tickText(x.min, 2, point)));
    const int right =
        static_cast<int>(std::floor(area.right() - std::max(padding, widestEnd / 2.0 + 2.0)));
    // Ticks far enough apart for their own numbers: a step's numbers decide whether it fits.
    double spacing = tickGap;
    for (int attempt = 0; attempt < 4; ++attempt) {
        layout.xTicks = niceTicks(x.min, x.max, right - left, spacing);
        double widestX = 0.0;
        for (const double value : layout.xTicks.values) {
            widestX = std::max(widestX, text.width(TextRole::Tick,
                                                   tickText(value, layout.xTicks.decimals, point)));
        }
        if (layout.xTicks.step / (x.max - x.min) * (right - left) >= widestX + tickGap) {
            break;
        }
        spacing = widestX + tickGap;
    }
    layout.mapping = PlotMapping(QRect(QPoint(left, top), QPoint(right, bottom)), x, y);
    return layout;
}

int niceDecimals(double value) {
    if (!(value > 0.0) || !std::isfinite(value)) {
        return 0;
    }
    for (int decimals = 0; decimals < 12; ++decimals) {
        const double scaled = value * std::pow(10.0, decimals);
        if (std::abs(scaled - std::round(scaled)) <= 1e-9 * scaled) {
            return decimals;
        }
    }
    return 12;
}

StripLayout layoutAxesWithStrip(const QRectF& area, const ChartAxis& x, const ChartAxis& y,
                                const ChartAxis& stripY, ChartText& text, const AxesStyle& style) {
    // The whole frame as either axis alone would lay it out: the wider numbers set its left.
    const AxesLayout forPlot = layoutAxes(area, x, y, text, style);
    const AxesLayout forStrip = layoutAxes(area, x, stripY, text, style);
    const AxesLayout& whole =
        forStrip.mapping.frame().left() > forPlot.mapping.frame().left() ? forStrip : forPlot;
    const QRect frame = whole.mapping.frame();
    const double tickHeight = text.height(TextRole::Tick);
    const int stripHeight =
        std::min(frame.height() * 2 / 5,
                 std::max(frame.height() / 5, static_cast<int>(std::ceil(3.5 * tickHeight))));
    const int separation = static_cast<int>(std::ceil(3.0 * kAxisGap * style.scale));

    StripLayout layout{whole, whole};
    const QRect plotFrame(frame.topLeft(),
                          QPoint(frame.right(), frame.bottom() - stripHeight - separation));
    layout.plot.mapping = PlotMapping(plotFrame, x, y);
    layout.plot.yTicks = niceTicks(y.min, y.max, plotFrame.height(), kTickRows * tickHeight);
    layout.plot.xNumbers = false;
    const QRect stripFrame(QPoint(frame.left(), frame.bottom() - stripHeight + 1),
                           frame.bottomRight());
    layout.strip.mapping = PlotMapping(stripFrame, x, stripY);
    const double range = stripY.max;
    layout.strip.yTicks = {range, niceDecimals(range), {-range, 0.0, range}};
    return layout;
}

void paintGrid(QPainter& painter, const AxesLayout& layout) {
    const PlotMapping& map = layout.mapping;
    const QRectF frame = map.lineFrame();
    // Straight lines through pixel middles need no smoothing, and corners stay square without it.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(
        QPen(kGridColour, axisLineWidth(layout.style.scale), Qt::SolidLine, Qt::FlatCap));
    for (const double value : layout.xTicks.values) {
        const double x = crispLine(map.xOf(value));
        if (x > frame.left() && x < frame.right()) {
            painter.drawLine(QPointF(x, frame.top()), QPointF(x, frame.bottom()));
        }
    }
    for (const double value : layout.yTicks.values) {
        const double y = crispLine(map.yOf(value));
        if (y > frame.top() && y < frame.bottom()) {
            painter.drawLine(QPointF(frame.left(), y), QPointF(frame.right(), y));
        }
    }
    painter.restore();
}

void paintAxes(QPainter& painter, const AxesLayout& layout, const ChartAxis& x, const ChartAxis& y,
               ChartText& text) {
    const PlotMapping& map = layout.mapping;
    const QRectF frame = map.lineFrame();
    const AxesStyle& style = layout.style;
    const double lineWidth = axisLineWidth(style.scale);
    const double gap = kAxisGap * style.scale;
    const double tickLength = kTickLength * style.scale;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(kFrameColour, lineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);

    const double tickHeight = text.height(TextRole::Tick);
    for (const double value : layout.xTicks.values) {
        const double at = crispLine(map.xOf(value));
        painter.setPen(QPen(kFrameColour, lineWidth, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(at, frame.bottom()), QPointF(at, frame.bottom() + tickLength));
        if (!layout.xNumbers) {
            continue;
        }
        const QString number = tickText(value, layout.xTicks.decimals, style.decimalPoint);
        painter.setPen(kTextColour);
        text.draw(painter, TextRole::Tick,
                  QPointF(at - text.width(TextRole::Tick, number) / 2.0,
                          frame.bottom() + tickLength + gap),
                  number);
    }
    for (const double value : layout.yTicks.values) {
        const double at = crispLine(map.yOf(value));
        painter.setPen(QPen(kFrameColour, lineWidth, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(frame.left() - tickLength, at), QPointF(frame.left(), at));
        const QString number = tickText(value, layout.yTicks.decimals, style.decimalPoint);
        painter.setPen(kTextColour);
        text.draw(painter, TextRole::Tick,
                  QPointF(frame.left() - tickLength - gap - text.width(TextRole::Tick, number),
                          at - tickHeight / 2.0),
                  number);
    }

    painter.setPen(kTextColour);
    const double xTitleTop = frame.bottom() + tickLength + gap + tickHeight + gap;
    if (layout.xNumbers) {
        text.draw(
            painter, TextRole::Title,
            QPointF(frame.center().x() - text.width(TextRole::Title, x.title) / 2.0, xTitleTop),
            x.title);
    }
    // The y title reads upwards, centred on the frame, at the left edge of the area.
    painter.save();
    painter.translate(layout.area.left() + kChartPadding * style.scale, frame.center().y());
    painter.rotate(-90.0);
    text.draw(painter, TextRole::Title, QPointF(-text.width(TextRole::Title, y.title) / 2.0, 0.0),
              y.title);
    painter.restore();
    painter.restore();
}

} // namespace velmora::charts
