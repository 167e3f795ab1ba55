// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartoverlay.h"

#include "charttext.h"
#include "labelplacer.h"

#include "diagram/decimaltext.h"
#include "diagram/readout.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace velmora::charts {

namespace {

constexpr double kPad = 5.0;
constexpr double kRowGap = 2.0;
constexpr double kColumnGap = 10.0;
/** Room between the readout's line and its box, and between the box and the frame. */
constexpr double kBoxGap = 8.0;
/** Steps between the box's places down the line. */
constexpr double kPlaceStep = 1.0;

const QColor kLineColour(0, 0, 128, 170);
const QColor kBoxBorder(0, 0, 128);
const QColor kBoxFill(255, 255, 235, 240);

} // namespace

QString readoutValueText(ChartKind kind, double value, const ChartTexts& texts) {
    if (kind == ChartKind::Fractions) {
        return diagram::percentText(value, texts.decimalPoint, texts.percentValue);
    }
    if (kind == ChartKind::Buffer || kind == ChartKind::Derivative) {
        return significantText(value, texts.decimalPoint);
    }
    return tickText(value, 2, texts.decimalPoint);
}

QString significantText(double value, QChar decimalPoint) {
    constexpr int kDigits = 3;
    constexpr int kMostDecimals = 9;
    if (value == 0.0 || !std::isfinite(value)) {
        return tickText(value, kDigits - 1, decimalPoint);
    }
    const int magnitude = static_cast<int>(std::floor(std::log10(std::abs(value))));
    int decimals = std::clamp(kDigits - 1 - magnitude, 0, kMostDecimals);
    // 0.0999999 rounds to 0.100, not 0.1000: a value rounded up to the next power of ten has
    // one decimal fewer.
    const double scale = std::pow(10.0, decimals);
    if (decimals > 0 &&
        std::round(std::abs(value) * scale) / scale >= std::pow(10.0, magnitude + 1)) {
        --decimals;
    }
    return tickText(value, decimals, decimalPoint);
}

QString readoutHeading(ChartKind kind, double x, const ChartTexts& texts) {
    if (hasVolumeAxis(kind)) {
        return texts.volumeValue.arg(diagram::decimalText(x, 2, texts.decimalPoint));
    }
    return phMarkerText(x, texts);
}

namespace {

/** The readout's rows measured: the values' texts and the columns' and rows' sizes. */
struct ReadoutRows {
    QString heading;
    std::vector<QString> values;
    double nameWidth = 0.0;
    double valueWidth = 0.0;
    double top = 0.0; ///< every row has room for raised and lowered parts
    double rowHeight = 0.0;
    QSizeF size;
};

/** The readout's rows at the chart's `scale`, with `text` prepared for the chart. */
ReadoutRows measuredRows(const ChartReadout& readout, ChartKind kind, ChartText& text,
                         const ChartTexts& texts, double scale) {
    const double pad = kPad * scale;
    const double rowGap = kRowGap * scale;
    ReadoutRows rows;
    rows.heading = readoutHeading(kind, readout.x, texts);
    double bottom = text.height(TextRole::Label);
    for (const ReadoutValue& value : readout.values) {
        const QRectF bounds = text.formulaBounds(value.name);
        rows.values.push_back(readoutValueText(kind, value.value, texts));
        rows.nameWidth = std::max(rows.nameWidth, bounds.width());
        rows.valueWidth =
            std::max(rows.valueWidth, text.width(TextRole::Title, rows.values.back()));
        rows.top = std::min(rows.top, bounds.top());
        bottom = std::max(bottom, bounds.bottom());
    }
    rows.rowHeight = bottom - rows.top + rowGap;
    const double width = std::max(text.width(TextRole::Label, rows.heading),
                                  rows.nameWidth + kColumnGap * scale + rows.valueWidth);
    const double height = text.height(TextRole::Label) + rowGap +
                          rows.rowHeight * static_cast<double>(rows.values.size());
    rows.size = QSizeF(std::ceil(width + 2 * pad), std::ceil(height + 2 * pad));
    return rows;
}

} // namespace

QSizeF readoutBoxSize(const AxesLayout& layout, const ChartReadout& readout, ChartKind kind,
                      ChartText& text, const ChartTexts& texts) {
    return measuredRows(readout, kind, text, texts, layout.style.scale).size;
}

QRectF readoutBox(const AxesLayout& layout, double x, const QSizeF& size,
                  const LabelPlacer* around) {
    const QRectF frame = layout.mapping.lineFrame();
    // Whole pixels, so that the box's place, rounded to pixel middles, keeps the gap either side.
    const double boxGap = std::ceil(kBoxGap * layout.style.scale);
    if (around != nullptr) {
        // On whole pixels before they are tried: the box's border is drawn through pixel middles.
        std::vector<QRectF> places =
            boxesBesideLine(x, size, around->bounds(), boxGap + 0.5, kPlaceStep);
        for (QRectF& place : places) {
            place.moveTopLeft(
                QPointF(std::round(place.left()) + 0.5, std::round(place.top()) + 0.5));
        }
        if (const std::optional<QRectF> free = around->firstFree(places)) {
            return *free;
        }
    }
    double left = x + boxGap;
    if (left + size.width() > frame.right() - 2.0) {
        left = x - boxGap - size.width();
    }
    left = std::clamp(left, frame.left() + 2.0,
                      std::max(frame.left() + 2.0, frame.right() - 2.0 - size.width()));
    return {QPointF(std::round(left) + 0.5, std::round(frame.top() + boxGap) + 0.5), size};
}

void paintChartReadout(QPainter& painter, const AxesLayout& layout, const ChartReadout& readout,
                       ChartKind kind, ChartText& text, const ChartTexts& texts,
                       const LabelPlacer* around) {
    const PlotMapping& map = layout.mapping;
    const QRectF frame = map.lineFrame();
    const double x = crispLine(map.xOf(readout.x));
    if (!readout.inside || x < frame.left() || x > frame.right()) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    text.prepare(*painter.device(), layout.style.textScale);
    const double scale = layout.style.scale;
    const double pad = kPad * scale;
    const double rowGap = kRowGap * scale;
    painter.setPen(QPen(kLineColour, axisLineWidth(scale), Qt::DashLine));
    painter.drawLine(QPointF(x, frame.top() + 1), QPointF(x, frame.bottom() - 1));

    // The rows: the heading, then every curve's typeset name and value.
    const ReadoutRows rows = measuredRows(readout, kind, text, texts, scale);
    const QRectF box = readoutBox(layout, x, rows.size, around);
    painter.setPen(kBoxBorder);
    painter.setBrush(kBoxFill);
    painter.drawRect(box);

    double y = box.top() + pad;
    const double textLeft = box.left() + pad;
    painter.setPen(Qt::black);
    text.draw(painter, TextRole::Label, QPointF(textLeft, y), rows.heading);
    y += text.height(TextRole::Label) + rowGap;
    const double valueRight = textLeft + rows.nameWidth + kColumnGap * scale + rows.valueWidth;
    for (std::size_t i = 0; i < rows.values.size(); ++i) {
        const double baseTop = y - rows.top;
        text.drawFormula(painter, QPointF(textLeft, baseTop), readout.values[i].name,
                         readout.values[i].colour);
        painter.setPen(Qt::black);
        const double valueTop =
            baseTop + (text.height(TextRole::Label) - text.height(TextRole::Title)) / 2.0;
        text.draw(painter, TextRole::Title,
                  QPointF(valueRight - text.width(TextRole::Title, rows.values[i]), valueTop),
                  rows.values[i]);
        y += rows.rowHeight;
    }
    painter.restore();
}

} // namespace velmora::charts
