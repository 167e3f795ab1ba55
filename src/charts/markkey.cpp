// SPDX-License-Identifier: GPL-3.0-or-later
#include "markkey.h"

#include "charttext.h"
#include "solutionchart.h"

#include <QPainter>
#include <QPen>

#include <algorithm>

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

double rowHeight(ChartText& text) {
    return std::max(text.height(TextRole::Tick), 2 * kMarkRadius + 2.0);
}

} // namespace

void paintMarkDot(QPainter& painter, const QPointF& at, bool filled) {
    painter.setPen(QPen(markerColour(), 1.5));
    painter.setBrush(filled ? QBrush(markerColour()) : QBrush(Qt::white));
    painter.drawEllipse(at, kMarkRadius, kMarkRadius);
    painter.setBrush(Qt::NoBrush);
}

QSizeF markKeySize(const MarkKey& key, ChartText& text) {
    double width = 0.0;
    const auto rows = keyRows(key);
    for (const auto& row : rows) {
        width = std::max(width, text.width(TextRole::Tick, row.second));
    }
    const double dot = 2 * kMarkRadius + kKeyDotGap;
    return {std::ceil(width + dot + 2 * kKeyPad),
            std::ceil(rowHeight(text) * static_cast<double>(rows.size()) + 2 * kKeyPad)};
}

void paintMarkKey(QPainter& painter, const QRectF& box, const MarkKey& key, ChartText& text) {
    painter.save();
    painter.setPen(QPen(kKeyBorder, 1.0));
    painter.setBrush(kKeyFill);
    painter.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
    double top = box.top() + kKeyPad;
    const double height = rowHeight(text);
    for (const auto& [filled, words] : keyRows(key)) {
        paintMarkDot(painter, QPointF(box.left() + kKeyPad + kMarkRadius, top + height / 2.0),
                     filled);
        painter.setPen(Qt::black);
        text.draw(painter, TextRole::Tick,
                  QPointF(box.left() + kKeyPad + 2 * kMarkRadius + kKeyDotGap,
                          top + (height - text.height(TextRole::Tick)) / 2.0),
                  words);
        top += height;
    }
    painter.restore();
}

std::vector<QRectF> keyPlaces(const QRectF& bounds, const QSizeF& size) {
    const QRectF inner = bounds.adjusted(kKeyInset, kKeyInset, -kKeyInset, -kKeyInset);
    const double right = inner.right() - size.width();
    const double bottom = inner.bottom() - size.height();
    std::vector<QRectF> places{
        QRectF(QPointF(inner.left(), inner.top()), size), QRectF(QPointF(right, bottom), size),
        QRectF(QPointF(right, inner.top()), size), QRectF(QPointF(inner.left(), bottom), size)};
    // Then anywhere inside, row by row from the top, for a plot whose corners are all taken.
    for (double top = inner.top(); top <= bottom; top += kKeyGridStep) {
        for (double left = inner.left(); left <= right; left += kKeyGridStep) {
            places.emplace_back(QPointF(left, top), size);
        }
    }
    return places;
}

} // namespace velmora::charts
