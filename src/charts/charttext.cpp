// SPDX-License-Identifier: GPL-3.0-or-later
#include "charttext.h"

#include "diagram/formula.h"
#include "diagram/surface.h"

#include <QColor>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace velmora::charts {

namespace {

struct RoleFont {
    double points;
    bool bold;
};

constexpr std::array<RoleFont, static_cast<std::size_t>(TextRole::Count)> kRoleFonts{{
    {9.0, false},
    {10.0, false},
    {diagram::kNormalTextSize, true},
    {diagram::kSmallTextSize, true},
}};

TextRole rowRole(diagram::FormulaRow row) {
    return row == diagram::FormulaRow::Base ? TextRole::Label : TextRole::Script;
}

} // namespace

double ChartText::rowOffset(diagram::FormulaRow row) const {
    switch (row) {
    case diagram::FormulaRow::Raised:
        return -diagram::kScriptOffset * m_scale;
    case diagram::FormulaRow::Lowered:
        return diagram::kScriptOffset * m_scale;
    case diagram::FormulaRow::Base:
        break;
    }
    return 0.0;
}

ChartText::ChartText() {
    for (std::size_t i = 0; i < m_slots.size(); ++i) {
        m_slots[i].font = QFont(QStringLiteral("Arial"));
        m_slots[i].font.setBold(kRoleFonts[i].bold);
        m_slots[i].points = kRoleFonts[i].points;
    }
}

void ChartText::prepare(const QPaintDevice& device, double scale) {
    const int type = device.devType();
    m_raster = type == QInternal::Image || type == QInternal::Pixmap || type == QInternal::Widget;
    const double dpi = device.logicalDpiY();
    if (dpi == m_dpi && scale == m_scale && &device == m_device) {
        return;
    }
    const bool sameMetrics = dpi == m_dpi && scale == m_scale;
    m_dpi = dpi;
    m_scale = scale;
    m_device = &device;
    for (Slot& s : m_slots) {
        diagram::setScreenPointSize(s.font, s.points * scale, dpi);
        const QFontMetricsF metrics(s.font, &device);
        s.ascent = metrics.ascent();
        s.descent = metrics.descent();
        // Laid-out texts belong to the device they were prepared for.
        s.laidOut.clear();
        if (!sameMetrics) {
            s.widths.clear();
        }
    }
}

double ChartText::width(TextRole role, const QString& text) {
    Slot& s = slot(role);
    const auto known = s.widths.constFind(text);
    if (known != s.widths.cend()) {
        return *known;
    }
    const double advance = m_device != nullptr
                               ? QFontMetricsF(s.font, m_device).horizontalAdvance(text)
                               : QFontMetricsF(s.font).horizontalAdvance(text);
    s.widths.insert(text, advance);
    return advance;
}

void ChartText::draw(QPainter& painter, TextRole role, const QPointF& topLeft,
                     const QString& text) {
    Slot& s = slot(role);
    painter.setFont(s.font);
    if (!m_raster) {
        painter.drawText(QPointF(topLeft.x(), topLeft.y() + s.ascent), text);
        return;
    }
    auto laid = s.laidOut.find(text);
    if (laid == s.laidOut.end()) {
        QStaticText prepared(text);
        prepared.setTextFormat(Qt::PlainText);
        prepared.setPerformanceHint(QStaticText::AggressiveCaching);
        prepared.prepare(painter.transform(), s.font);
        laid = s.laidOut.insert(text, prepared);
    }
    painter.drawStaticText(topLeft, *laid);
}

QRectF ChartText::formulaBounds(const QString& formula) {
    double x = 0.0;
    double top = 0.0;
    double bottom = height(TextRole::Label);
    for (const diagram::FormulaPiece& piece : diagram::typesetFormulaPieces(formula)) {
        const TextRole role = rowRole(piece.row);
        const double y = rowOffset(piece.row);
        top = std::min(top, y);
        bottom = std::max(bottom, y + height(role));
        x += width(role, piece.text);
    }
    return {0.0, top, x, bottom - top};
}

void ChartText::drawFormula(QPainter& painter, const QPointF& topLeft, const QString& formula,
                            const QColor& colour) {
    painter.setPen(colour);
    double x = topLeft.x();
    for (const diagram::FormulaPiece& piece : diagram::typesetFormulaPieces(formula)) {
        const TextRole role = rowRole(piece.row);
        draw(painter, role, QPointF(x, topLeft.y() + rowOffset(piece.row)), piece.text);
        x += width(role, piece.text);
    }
}

} // namespace velmora::charts
