// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface.h"

#include "backdrop.h"
#include "geometry.h"

#include "encode/encode.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QStaticText>

#include <algorithm>
#include <cmath>
#include <utility>

namespace velmora::diagram {

namespace {

/** One logical pixel wide: a single pixel at 1x, scaled with the drawing elsewhere. */
QPen linePen(const QColor& colour) {
    return QPen(colour, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

} // namespace

/**
 * Fonts and metrics of the sizes in use on the attached device (a handful at most), with the
 * laid-out texts printed in them: labels repeat from one drawing to the next, so each piece is
 * shaped once, not on every redraw. A device of another kind or pixel ratio starts afresh.
 */
struct Surface::FontCache {
    struct SizedFont {
        double points;
        QFont font;
        QFontMetricsF metrics;
        QHash<QString, std::pair<QStaticText, double>> texts;
    };

    QFont baseFont{QStringLiteral("Arial")};
    std::vector<SizedFont> fonts;
    const QPaintDevice* device = nullptr;
    qreal deviceRatio = 0.0;

    FontCache() { baseFont.setBold(true); }

    void attach(const QPaintDevice* paintDevice) {
        if (paintDevice != device || paintDevice->devicePixelRatio() != deviceRatio) {
            fonts.clear();
            device = paintDevice;
            deviceRatio = paintDevice->devicePixelRatio();
        }
    }

    SizedFont& sized(double points, double dpiFactor) {
        for (SizedFont& f : fonts) {
            if (f.points == points) {
                return f;
            }
        }
        QFont font = baseFont;
        font.setPointSizeF(points * dpiFactor);
        fonts.push_back({points, font, QFontMetricsF(font, device), {}});
        return fonts.back();
    }
};

void setScreenPointSize(QFont& font, double points, double deviceDpi) {
    font.setPointSizeF(points * encode::kScreenDpi / deviceDpi);
}

Surface::Surface() : m_fontSize(kDesignFontSize), m_fonts(std::make_unique<FontCache>()) {}

Surface::~Surface() = default;

void Surface::begin(QPainter& painter, const QImage* backdrop) {
    m_painter = &painter;
    m_backdrop = backdrop;
    const QTransform t = painter.deviceTransform();
    const bool unscaled = qFuzzyCompare(t.m11(), 1.0) && qFuzzyCompare(t.m22(), 1.0);
    const bool raster = painter.device()->devType() == QInternal::Image ||
                        painter.device()->devType() == QInternal::Pixmap ||
                        painter.device()->devType() == QInternal::Widget;
    m_pixelExact = unscaled && raster;
    m_dpiFactor = encode::kScreenDpi / painter.device()->logicalDpiY();
    m_fonts->attach(painter.device());
    painter.setRenderHint(QPainter::Antialiasing, !m_pixelExact);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
}

void Surface::end() {
    flushLines();
    m_painter = nullptr;
    m_backdrop = nullptr;
}

QPointF Surface::mapped(float x, float y) const {
    // Whole pixels at 1x: the pixel nearest to the point is set, as a picture box does.
    // Elsewhere a 1-unit line is centred on the middle of the logical pixel it stands for.
    if (m_pixelExact) {
        return {std::nearbyint(static_cast<double>(x)), std::nearbyint(static_cast<double>(y))};
    }
    return {static_cast<double>(x) + 0.5, static_cast<double>(y) + 0.5};
}

void Surface::flushLines() {
    if (m_pending.size() < 2 || m_painter == nullptr) {
        m_pending.clear();
        return;
    }
    m_painter->setPen(linePen(m_pendingColour));
    m_painter->drawPolyline(m_pending.constData(), static_cast<int>(m_pending.size()));
    m_pending.clear();
}

void Surface::clear() {
    m_pending.clear();
    if (m_painter != nullptr) {
        if (m_backdrop != nullptr) {
            const QPainter::CompositionMode mode = m_painter->compositionMode();
            m_painter->setCompositionMode(QPainter::CompositionMode_Source);
            m_painter->drawImage(QRectF(0, 0, kSurfaceWidth, kSurfaceHeight), *m_backdrop);
            m_painter->setCompositionMode(mode);
        } else {
            drawBackdrop(*m_painter);
        }
    }
    m_x = 0.0f;
    m_y = 0.0f;
}

void Surface::point(float x, float y, const QColor& colour) {
    flushLines();
    if (m_painter != nullptr) {
        m_painter->setPen(linePen(colour));
        m_painter->drawPoint(mapped(x, y));
    }
    m_x = x;
    m_y = y;
}

void Surface::lineTo(float x, float y, const QColor& colour) {
    if (!m_pending.isEmpty() && colour != m_pendingColour) {
        flushLines();
    }
    if (m_pending.isEmpty()) {
        m_pendingColour = colour;
        m_pending.append(mapped(m_x, m_y));
    }
    m_pending.append(mapped(x, y));
    m_x = x;
    m_y = y;
}

void Surface::rectangle(float x1, float y1, float x2, float y2, const QColor& colour) {
    flushLines();
    if (m_painter != nullptr) {
        const QPointF a = mapped(std::min(x1, x2), std::min(y1, y2));
        const QPointF b = mapped(std::max(x1, x2), std::max(y1, y2));
        m_painter->setPen(linePen(colour));
        m_painter->setBrush(Qt::NoBrush);
        m_painter->drawRect(QRectF(a, b));
    }
}

void Surface::print(const QString& text) {
    flushLines();
    double width = 0.0;
    if (m_painter != nullptr) {
        FontCache::SizedFont& sized = m_fonts->sized(m_fontSize, m_dpiFactor);
        auto laidOut = sized.texts.find(text);
        if (laidOut == sized.texts.end()) {
            QStaticText prepared(text);
            prepared.setTextFormat(Qt::PlainText);
            prepared.setPerformanceHint(QStaticText::AggressiveCaching);
            laidOut = sized.texts.insert(text, {prepared, sized.metrics.horizontalAdvance(text)});
        }
        width = laidOut->second;
        m_painter->setFont(sized.font);
        m_painter->setPen(m_foreColor);
        // A static text is placed by the top-left corner of its line, as a picture box prints.
        m_painter->drawStaticText(QPointF(static_cast<double>(m_x), static_cast<double>(m_y)),
                                  laidOut->first);
    }
    if (m_recorder != nullptr) {
        m_recorder->push_back({text, m_x, m_y, m_fontSize, m_foreColor, width});
    }
    m_x = static_cast<float>(static_cast<double>(m_x) + width);
}

} // namespace velmora::diagram
