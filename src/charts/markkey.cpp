// SPDX-License-Identifier: GPL-3.0-or-later
#include "markkey.h"

#include "charttext.h"
#include "solutionchart.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace velmora::charts {

namespace {

constexpr double kKeyPad = 4.0;
/** Room between a dot and its text. */
constexpr double kKeyDotGap = 5.0;
/** Room between the key and the frame. */
constexpr double kKeyInset = 6.0;
/** Steps between the key's places away from the corners. */
constexpr double kKeyGridStep = 12.0;

const QColor kKeyBorder(160, 160, 160);
const QColor kKeyFill(255, 255, 255);

std::vector<std::pair<bool, QString>> keyRows(const MarkKey& key) {
    std::vector<std::pair<bool, QString>> rows;
    if (!key.filled.isEmpty()) {
        rows.emplace_back(true, key.filled);
    }
    if (!key.open.isEmpty()) {
        rows.emplace_back(false, key.open);
    }
    return rows;
}

double rowHeight(ChartText& text, double scale) {
    return std::max(text.height(TextRole::Tick), (2 * kMarkRadius + 2.0) * scale);
}

} // namespace

void paintMarkDot(QPainter& painter, const QPointF& at, bool filled, double scale) {
    painter.setPen(QPen(markerColour(), 1.5 * scale));
    painter.setBrush(filled ? QBrush(markerColour()) : QBrush(Qt::white));
    painter.drawEllipse(at, kMarkRadius * scale, kMarkRadius * scale);
    painter.setBrush(Qt::NoBrush);
}

QSizeF markKeySize(const MarkKey& key, ChartText& text, double scale) {
    double width = 0.0;
    const auto rows = keyRows(key);
    for (const auto& row : rows) {
        width = std::max(width, text.width(TextRole::Tick, row.second));
    }
    const double dot = (2 * kMarkRadius + kKeyDotGap) * scale;
    const double pad = kKeyPad * scale;
    return {std::ceil(width + dot + 2 * pad),
            std::ceil(rowHeight(text, scale) * static_cast<double>(rows.size()) + 2 * pad)};
}

void paintMarkKey(QPainter& painter, const QRectF& box, const MarkKey& key, ChartText& text,
                  double scale) {
    painter.save();
    painter.setPen(QPen(kKeyBorder, std::max(1.0, std::round(scale))));
    painter.setBrush(kKeyFill);
    painter.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
    const double pad = kKeyPad * scale;
    const double radius = kMarkRadius * scale;
    double top = box.top() + pad;
    const double height = rowHeight(text, scale);
    for (const auto& [filled, words] : keyRows(key)) {
        paintMarkDot(painter, QPointF(box.left() + pad + radius, top + height / 2.0), filled,
                     scale);
        painter.setPen(Qt::black);
        text.draw(painter, TextRole::Tick,
                  QPointF(box.left() + pad + 2 * radius + kKeyDotGap * scale,
                          top + (height - text.height(TextRole::Tick)) / 2.0),
                  words);
        top += height;
    }
    painter.restore();
}

std::vector<QRectF> keyPlaces(const QRectF& bounds, const QSizeF& size, double scale) {
    const double inset = kKeyInset * scale;
    const QRectF inner = bounds.adjusted(inset, inset, -inset, -inset);
    const double right = inner.right() - size.width();
    const double bottom = inner.bottom() - size.height();
    std::vector<QRectF> places{
        QRectF(QPointF(inner.left(), inner.top()), size), QRectF(QPointF(right, bottom), size),
        QRectF(QPointF(right, inner.top()), size), QRectF(QPointF(inner.left(), bottom), size)};
    // Then anywhere inside, row by row from the top, for a plot whose corners are all taken.
    const double step = kKeyGridStep * scale;
    for (double top = inner.top(); top <= bottom; top += step) {
        for (double left = inner.left(); left <= right; left += step) {
            places.emplace_back(QPointF(left, top), size);
        }
    }
    return places;
}

} // namespace velmora::charts
