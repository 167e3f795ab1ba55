// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartoverlay.h"

#include "charttext.h"

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

const QColor kLineColour(0, 0, 128, 170);
const QColor kBoxBorder(0, 0, 128);
const QColor kBoxFill(255, 255, 235, 240);

} // namespace

QString readoutValueText(ChartKind kind, double value, const ChartTexts& texts) {
    if (kind == ChartKind::Fractions) {
        return diagram::percentText(value, texts.decimalPoint, texts.percentValue);
    }
    return tickText(value, 2, texts.decimalPoint);
}

QString readoutHeading(ChartKind kind, double x, const ChartTexts& texts) {
    if (kind == ChartKind::Titration) {
        return texts.volumeValue.arg(diagram::decimalText(x, 2, texts.decimalPoint));
    }
    return phMarkerText(x, texts);
}

void paintChartReadout(QPainter& painter, const AxesLayout& layout, const ChartReadout& readout,
                       ChartKind kind, ChartText& text, const ChartTexts& texts) {
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
    const double columnGap = kColumnGap * scale;
    const double boxGap = kBoxGap * scale;
    painter.setPen(QPen(kLineColour, axisLineWidth(scale), Qt::DashLine));
    painter.drawLine(QPointF(x, frame.top() + 1), QPointF(x, frame.bottom() - 1));

    // The rows: the heading, then every curve's typeset name and value.
    const QString heading = readoutHeading(kind, readout.x, texts);
    std::vector<QString> values;
    double nameWidth = 0.0;
    double valueWidth = 0.0;
    // Every row has room for raised and lowered parts, so that the base rows stand evenly.
    double top = 0.0;
    double bottom = text.height(TextRole::Label);
    for (const ReadoutValue& value : readout.values) {
        const QRectF bounds = text.formulaBounds(value.name);
        values.push_back(readoutValueText(kind, value.value, texts));
        nameWidth = std::max(nameWidth, bounds.width());
        valueWidth = std::max(valueWidth, text.width(TextRole::Title, values.back()));
        top = std::min(top, bounds.top());
        bottom = std::max(bottom, bounds.bottom());
    }
    const double rowHeight = bottom - top + rowGap;
    const double width =
        std::max(text.width(TextRole::Label, heading), nameWidth + columnGap + valueWidth);
    const double height =
        text.height(TextRole::Label) + rowGap + rowHeight * static_cast<double>(values.size());
    const QSizeF size(std::ceil(width + 2 * pad), std::ceil(height + 2 * pad));

    double left = x + boxGap;
    if (left + size.width() > frame.right() - 2.0) {
        left = x - boxGap - size.width();
    }
    left = std::clamp(left, frame.left() + 2.0,
                      std::max(frame.left() + 2.0, frame.right() - 2.0 - size.width()));
    const QRectF box(QPointF(std::round(left) + 0.5, std::round(frame.top() + boxGap) + 0.5), size);
    painter.setPen(kBoxBorder);
    painter.setBrush(kBoxFill);
    painter.drawRect(box);

    double y = box.top() + pad;
    const double textLeft = box.left() + pad;
    painter.setPen(Qt::black);
    text.draw(painter, TextRole::Label, QPointF(textLeft, y), heading);
    y += text.height(TextRole::Label) + rowGap;
    const double valueRight = textLeft + nameWidth + columnGap + valueWidth;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double baseTop = y - top;
        text.drawFormula(painter, QPointF(textLeft, baseTop), readout.values[i].name,
                         readout.values[i].colour);
        painter.setPen(Qt::black);
        const double valueTop =
            baseTop + (text.height(TextRole::Label) - text.height(TextRole::Title)) / 2.0;
        text.draw(painter, TextRole::Title,
                  QPointF(valueRight - text.width(TextRole::Title, values[i]), valueTop),
                  values[i]);
        y += rowHeight;
    }
    painter.restore();
}

} // namespace velmora::charts
