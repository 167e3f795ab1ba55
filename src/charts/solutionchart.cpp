// SPDX-License-Identifier: GPL-3.0-or-later
#include "solutionchart.h"

#include "bufferchart.h"
#include "derivativechart.h"
#include "fractionschart.h"
#include "granchart.h"
#include "labelplacer.h"
#include "logcchart.h"
#include "markkey.h"
#include "measuredchart.h"
#include "titrationchart.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <array>
#include <cmath>

namespace velmora::charts {

namespace {

/**
 * One logical pixel: the raster engine's quick stroker draws such lines, and they match the main
 * diagram's curves.
 */
constexpr double kCurveWidth = 1.0;
constexpr double kWaterLineWidth = 1.0;
/** How far from its dot a mark's label is tried, nearest first. */
constexpr std::array<double, 4> kMarkLabelDistances{kMarkRadius, 10.0, 20.0, 32.0};
/** Room between the marker line and its text, and below the frame's top. */
constexpr double kMarkerTextGap = 3.0;
/** Measured points: open circles of this radius; one closer than kMeasuredSpacing to the last
 * drawn is left out, so that a logger's thousands of points cost no more than the pixels. */
constexpr double kMeasuredRadius = 2.5;
constexpr double kMeasuredSpacing = 1.5;

const QColor kBackground(255, 255, 255);
const QColor kDropLineColour(128, 128, 128);

} // namespace

QColor markerColour() {
    return {224, 112, 0};
}

ChartData chartData(const ChartRequest& request) {
    switch (request.kind) {
    case ChartKind::LogC:
        return logcChartData(request);
    case ChartKind::Titration:
        return titrationChartData(request);
    case ChartKind::Buffer:
        return bufferChartData(request);
    case ChartKind::Derivative:
        return derivativeChartData(request);
    case ChartKind::Gran:
        return granChartData(request);
    case ChartKind::Fractions:
        break;
    }
    return fractionsChartData(request);
}

ChartReadout chartReadout(const ChartRequest& request, double value) {
    switch (request.kind) {
    case ChartKind::LogC:
        return logcReadout(request, value);
    case ChartKind::Titration:
        return titrationReadout(request, value);
    case ChartKind::Buffer:
        return bufferReadout(request, value);
    case ChartKind::Derivative:
        return derivativeReadout(request, value);
    case ChartKind::Gran:
        return granReadout(request, value);
    case ChartKind::Fractions:
        break;
    }
    return fractionsReadout(request, value);
}

void SolutionChart::setRequest(const ChartRequest& request) {
    if (request == m_request) {
        return;
    }
    m_request = request;
    m_dataCurrent = false;
}

const ChartData& SolutionChart::data() const {
    if (!m_dataCurrent) {
        m_data = chartData(m_request);
        m_dataCurrent = true;
    }
    return m_data;
}

void SolutionChart::paint(QPainter& painter, const QRectF& area) {
    static_cast<void>(data()); // brings the curves up to the request
    const double scale = drawingScale(area.size());
    const AxesStyle style{scale, scale * textStepScale(m_request.textStep),
                          m_request.texts.decimalPoint};
    m_text.prepare(*painter.device(), style.textScale);
    if (m_data.residuals.empty()) {
        m_layout = layoutAxes(area, m_data.x, m_data.y, m_text, style);
        m_stripLayout.reset();
    } else {
        const StripLayout both =
            layoutAxesWithStrip(area, m_data.x, m_data.y, m_data.residualAxis, m_text, style);
        m_layout = both.plot;
        m_stripLayout = both.strip;
    }
    const PlotMapping& map = m_layout.mapping;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(area, kBackground);
    paintGrid(painter, m_layout);
    if (m_stripLayout) {
        paintGrid(painter, *m_stripLayout);
    }

    m_pixels.clear();
    std::vector<QPointF> pixels;
    for (const ChartCurve& curve : m_data.curves) {
        pixels.clear();
        pixels.reserve(curve.points.size());
        for (const QPointF& p : curve.points) {
            pixels.emplace_back(map.xOf(p.x()), map.yOf(p.y()));
        }
        m_pixels.push_back(clipPolyline(pixels, map.lineFrame()));
    }

    paintCurves(painter);
    paintMeasured(painter);
    paintMarker(painter);
    paintMarks(painter);
    paintEndLines(painter);

    placeAndPaintLabels(painter);
    paintAxes(painter, m_layout, m_data.x, m_data.y, m_text);
    paintStrip(painter);
    painter.restore();
    m_painted = true;
}

void SolutionChart::paintCurves(QPainter& painter) {
    painter.setBrush(Qt::NoBrush);
    const double scale = m_layout.style.scale;
    for (std::size_t i = 0; i < m_data.curves.size(); ++i) {
        const ChartCurve& curve = m_data.curves[i];
        QPen pen(curve.colour,
                 (curve.dashed ? kWaterLineWidth : kCurveWidth * curve.widthFactor) * scale,
                 curve.dashed ? Qt::DashLine : Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin);
        if (!curve.dashes.isEmpty()) {
            pen.setDashPattern(curve.dashes);
        }
        painter.setPen(pen);
        for (const std::vector<QPointF>& piece : m_pixels[i]) {
            painter.drawPolyline(piece.data(), static_cast<int>(piece.size()));
        }
    }
}

void SolutionChart::paintMeasured(QPainter& painter) {
    m_measuredPixels.clear();
    m_measuredGroups.clear();
    const PlotMapping& map = m_layout.mapping;
    const QRectF frame = map.lineFrame();
    const double scale = m_layout.style.scale;
    const double radius = kMeasuredRadius * scale;
    const double spacing = kMeasuredSpacing * scale;
    painter.setBrush(Qt::NoBrush);
    for (const MeasuredPoints& group : m_data.measured) {
        painter.setPen(QPen(group.colour, kCurveWidth * scale));
        std::vector<QPointF>& drawn = m_measuredGroups.emplace_back();
        for (const QPointF& value : group.points) {
            const QPointF at(map.xOf(value.x()), map.yOf(value.y()));
            if (!frame.contains(at) ||
                (!drawn.empty() && std::abs(at.x() - drawn.back().x()) < spacing &&
                 std::abs(at.y() - drawn.back().y()) < spacing)) {
                continue;
            }
            painter.drawEllipse(at, radius, radius);
            drawn.push_back(at);
        }
        m_measuredPixels.insert(m_measuredPixels.end(), drawn.begin(), drawn.end());
    }
}

void SolutionChart::paintEndLines(QPainter& painter) {
    const QRectF frame = m_layout.mapping.lineFrame();
    const double scale = m_layout.style.scale;
    for (const EndPointLine& line : m_data.endLines) {
        const double x = crispLine(m_layout.mapping.xOf(line.volume));
        if (x < frame.left() || x > frame.right()) {
            continue;
        }
        painter.setPen(QPen(markerColour(), axisLineWidth(scale),
                            line.dotted ? Qt::DotLine : Qt::DashLine, Qt::FlatCap));
        painter.drawLine(QPointF(x, frame.top()), QPointF(x, frame.bottom()));
    }
}

void SolutionChart::paintStrip(QPainter& painter) {
    if (!m_stripLayout) {
        return;
    }
    const PlotMapping& map = m_stripLayout->mapping;
    const QRectF frame = map.lineFrame();
    const double scale = m_layout.style.scale;
    painter.save();
    painter.setClipRect(frame);
    const double zero = crispLine(map.yOf(0.0));
    painter.setPen(QPen(kDropLineColour, axisLineWidth(scale), Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(frame.left(), zero), QPointF(frame.right(), zero));
    painter.setPen(QPen(measuredColour(), kCurveWidth * scale));
    painter.setBrush(Qt::NoBrush);
    const double radius = kMeasuredRadius * scale;
    const double spacing = kMeasuredSpacing * scale;
    std::optional<QPointF> last;
    for (const QPointF& value : m_data.residuals) {
        const QPointF at(map.xOf(value.x()), map.yOf(value.y()));
        if (last && std::abs(at.x() - last->x()) < spacing &&
            std::abs(at.y() - last->y()) < spacing) {
            continue;
        }
        painter.drawEllipse(at, radius, radius);
        last = at;
    }
    painter.restore();
    paintAxes(painter, *m_stripLayout, m_data.x, m_data.residualAxis, m_text);
}

void SolutionChart::paintMarker(QPainter& painter) {
    if (!m_data.hasMarker) {
        return;
    }
    const QRectF frame = m_layout.mapping.lineFrame();
    const double x = crispLine(m_layout.mapping.xOf(m_data.markerX));
    if (x < frame.left() || x > frame.right()) {
        return;
    }
    const double scale = m_layout.style.scale;
    painter.setPen(QPen(markerColour(), axisLineWidth(scale), Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(x, frame.top()), QPointF(x, frame.bottom()));
}

void SolutionChart::paintMarks(QPainter& painter) {
    const PlotMapping& map = m_layout.mapping;
    const QRectF frame = map.lineFrame();
    const double scale = m_layout.style.scale;
    const double radius = kMarkRadius * scale;
    for (const ChartMark& mark : m_data.marks) {
        const QPointF at(map.xOf(mark.at.x()), map.yOf(mark.at.y()));
        if (!frame.contains(at)) {
            continue;
        }
        if (mark.filled) {
            // A dotted drop line to the volume axis, to read the equivalence volume off.
            const double x = crispLine(at.x());
            painter.setPen(QPen(kDropLineColour, axisLineWidth(scale), Qt::DotLine, Qt::FlatCap));
            painter.drawLine(QPointF(x, at.y() + radius), QPointF(x, frame.bottom()));
        }
        paintMarkDot(painter, at, mark.filled, scale);
    }
}

void SolutionChart::placeAndPaintLabels(QPainter& painter) {
    m_labels.clear();
    const PlotMapping& map = m_layout.mapping;
    const QRectF inside = map.lineFrame().adjusted(0.5, 0.5, -0.5, -0.5);
    const double scale = m_layout.style.scale;
    const double radius = kMarkRadius * scale;
    m_placer.emplace(inside);
    LabelPlacer& placer = *m_placer;
    for (const PolylinePieces& pieces : m_pixels) {
        for (const std::vector<QPointF>& piece : pieces) {
            placer.addCurve(piece);
        }
    }
    for (const std::vector<QPointF>& drawn : m_measuredGroups) {
        placer.addCurve(drawn);
    }
    std::vector<double> endLineXs;
    for (const EndPointLine& line : m_data.endLines) {
        const double x = crispLine(map.xOf(line.volume));
        endLineXs.push_back(x);
        if (x >= inside.left() && x <= inside.right()) {
            placer.addCurve({QPointF(x, inside.top()), QPointF(x, inside.bottom())});
        }
    }
    std::optional<double> markerLine;
    if (m_data.hasMarker) {
        const double x = crispLine(map.xOf(m_data.markerX));
        if (x >= map.lineFrame().left() && x <= map.lineFrame().right()) {
            markerLine = x;
            placer.addCurve({QPointF(x, inside.top()), QPointF(x, inside.bottom())});
        }
    }
    for (const ChartMark& mark : m_data.marks) {
        const QPointF at(map.xOf(mark.at.x()), map.yOf(mark.at.y()));
        if (!inside.contains(at)) {
            continue;
        }
        placer.addObstacle(QRectF(at.x() - radius, at.y() - radius, 2 * radius, 2 * radius));
        if (mark.filled) {
            const double x = crispLine(at.x());
            placer.addCurve({QPointF(x, at.y() + radius), QPointF(x, inside.bottom())});
        }
    }

    // The solution's pH beside its line: at the top where no curve crosses it, else lower down.
    if (markerLine) {
        const QSizeF size(m_text.width(TextRole::Label, m_data.markerText),
                          m_text.height(TextRole::Label));
        const std::optional<QRectF> box = placer.placeAmong(boxesBesideLine(
            *markerLine, size, inside, kMarkerTextGap * scale, size.height() / 2.0));
        if (box) {
            painter.setPen(markerColour());
            m_text.draw(painter, TextRole::Label, box->topLeft(), m_data.markerText);
            m_labels.push_back({m_data.markerText, *box});
        }
    }

    // The end points' volumes beside their lines, from the top down.
    for (std::size_t i = 0; i < m_data.endLines.size(); ++i) {
        const QString& text = m_data.endLines[i].text;
        if (endLineXs[i] < inside.left() || endLineXs[i] > inside.right()) {
            continue;
        }
        const QSizeF size(m_text.width(TextRole::Tick, text), m_text.height(TextRole::Tick));
        const std::optional<QRectF> box = placer.placeAmong(boxesBesideLine(
            endLineXs[i], size, inside, kMarkerTextGap * scale, size.height() / 2.0));
        if (box) {
            painter.setPen(markerColour().darker(130));
            m_text.draw(painter, TextRole::Tick, box->topLeft(), text);
            m_labels.push_back({text, *box});
        }
    }

    for (std::size_t i = 0; i < m_data.curves.size(); ++i) {
        const ChartCurve& curve = m_data.curves[i];
        if (curve.name.isEmpty()) {
            continue;
        }
        const QRectF bounds = m_text.formulaBounds(curve.name);
        const QPointF preferred(map.xOf(curve.labelAt.x()), map.yOf(curve.labelAt.y()));
        const std::optional<QRectF> box =
            placer.place(anchorsAlong(m_pixels[i], preferred, inside), bounds.size());
        if (!box) {
            continue;
        }
        m_text.drawFormula(painter, box->topLeft() - bounds.topLeft(), curve.name, curve.colour);
        m_labels.push_back({curve.name, *box});
    }

    // The equivalence points' labels first, then the half-equivalence points'.
    for (const bool filled : {true, false}) {
        for (const ChartMark& mark : m_data.marks) {
            const QPointF at(map.xOf(mark.at.x()), map.yOf(mark.at.y()));
            if (mark.filled != filled || mark.text.isEmpty() || !inside.contains(at)) {
                continue;
            }
            const QSizeF size(m_text.width(TextRole::Tick, mark.text),
                              m_text.height(TextRole::Tick));
            // Beside the dot, a little further out than a curve's label; where a curve or
            // another label is in the way there, further out.
            std::vector<QPointF> anchors;
            for (const double unscaled : kMarkLabelDistances) {
                const double distance = unscaled * scale;
                anchors.insert(anchors.end(),
                               {at + QPointF(distance, 0), at - QPointF(distance, 0),
                                at + QPointF(0, -distance), at + QPointF(0, distance)});
            }
            const std::optional<QRectF> box = placer.place(anchors, size);
            if (!box) {
                continue;
            }
            painter.setPen(markerColour().darker(130));
            m_text.draw(painter, TextRole::Tick, box->topLeft(), mark.text);
            m_labels.push_back({mark.text, *box});
        }
    }

    if (!m_data.markKey.isEmpty() && !m_data.marks.empty()) {
        const QSizeF size = markKeySize(m_data.markKey, m_text, scale);
        if (const std::optional<QRectF> box = placer.placeAmong(keyPlaces(inside, size, scale))) {
            paintMarkKey(painter, *box, m_data.markKey, m_text, scale);
            m_labels.push_back(
                {m_data.markKey.filled + QStringLiteral(" / ") + m_data.markKey.open, *box});
        }
    }
}

std::vector<double> SolutionChart::markValues() const {
    const ChartData& shown = data();
    std::vector<double> values;
    if (shown.hasMarker) {
        values.push_back(shown.markerX);
    }
    for (const ChartMark& mark : shown.marks) {
        values.push_back(mark.at.x());
    }
    std::erase_if(values, [&](double v) { return !(v >= shown.x.min && v <= shown.x.max); });
    std::sort(values.begin(), values.end());
    return values;
}

ChartReadout SolutionChart::readoutAt(double x) const {
    if (!m_painted) {
        return {};
    }
    const PlotMapping& map = m_layout.mapping;
    ChartReadout readout = chartReadout(m_request, map.xValueAt(x));
    const QRectF frame = map.lineFrame();
    readout.inside = readout.inside && x >= frame.left() && x <= frame.right();
    return readout;
}

ChartReadout SolutionChart::readoutAtValue(double value) const {
    return chartReadout(m_request, value);
}

void paintChart(QPainter& painter, const QRectF& area, const ChartRequest& request) {
    SolutionChart chart(request);
    chart.paint(painter, area);
}

QImage chartImage(const ChartRequest& request, qreal scale) {
    return encode::rasterize(chartDrawing(request), scale);
}

QString chartTitle(const ChartRequest& request) {
    switch (request.kind) {
    case ChartKind::LogC:
        return request.texts.logCTitle;
    case ChartKind::Titration:
        return request.texts.titrationTitle;
    case ChartKind::Buffer:
        return request.texts.bufferTitle;
    case ChartKind::Derivative:
        return request.texts.derivativeTitle;
    case ChartKind::Gran:
        return request.texts.granTitle;
    case ChartKind::Fractions:
        break;
    }
    return request.texts.fractionsTitle;
}

encode::Drawing chartDrawing(const ChartRequest& request) {
    return {request.size, chartTitle(request), [request](QPainter& painter) {
                paintChart(painter, QRectF(QPointF(0, 0), QSizeF(request.size)), request);
            }};
}

QStringList missingChartFonts() {
    // The tick numbers, the axis titles, the markers' values and the species' formulas.
    static const QString sample = QStringLiteral(
        "0123456789.,+-\u2212/() pH fraction \u03b1\u03b2 log c mol L V mL \u00b7\u2248= "
        "ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz");
    return encode::familiesWithoutGlyphs({QStringLiteral("Arial")}, sample);
}

} // namespace velmora::charts
