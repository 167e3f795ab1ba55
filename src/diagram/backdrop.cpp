#include "backdrop.h"

#include "geometry.h"
#include "surface.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <array>

namespace velmora::diagram {

namespace {

/** Draws `text` with its ink right-aligned to column `right` (inclusive) on baseline `base`. */
void drawRightAligned(QPainter& p, const QString& text, double right, double base) {
    const QRectF ink = QFontMetricsF(p.font(), p.device()).tightBoundingRect(text);
    p.drawText(QPointF(right + 1.0 - ink.right(), base), text);
}

/** Draws `text` with its ink centred on column `centre` on baseline `base`. */
void drawCentred(QPainter& p, const QString& text, double centre, double base) {
    const QRectF ink = QFontMetricsF(p.font(), p.device()).tightBoundingRect(text);
    p.drawText(QPointF(centre + 0.5 - (ink.left() + ink.right()) / 2.0, base), text);
}

void fill(QPainter& p, int x1, int y1, int x2, int y2, const QColor& c) {
    p.fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), c);
}

} // namespace

void drawBackdrop(QPainter& p) {
    p.save();
    fill(p, 0, 0, kSurfaceWidth - 1, kSurfaceHeight - 1, kBackdropWhite);

    // Grid: pH 2, 4, ..., 12 and fractions 0.2, 0.4, 0.6, 0.8, two pixels each.
    for (int k = 1; k <= 6; ++k) {
        const int x = kFrameLeft + 60 * k;
        fill(p, x, kFrameTop + 1, x + 1, 315, kGridGrey);
    }
    for (int k = 1; k <= 4; ++k) {
        const int y = kFrameBottom - 60 * k;
        fill(p, 57, y - 1, kFrameRight - 1, y, kGridGrey);
    }

    const QColor black(0, 0, 0);
    // Ticks inside the frame: every 0.1 on the left edge, every pH unit on the bottom edge.
    for (int k = 1; k <= 9; ++k) {
        const int y = kFrameBottom - 30 * k;
        fill(p, kFrameLeft + 1, y - 1, kFrameLeft + 4, y, black);
    }
    for (int k = 1; k <= 13; ++k) {
        const int x = kFrameLeft + 30 * k;
        fill(p, x, kFrameBottom - 4, x + 1, kFrameBottom - 1, black);
    }

    // Frame: one-pixel lines on columns 52 and 473 and rows 20 and 320.
    fill(p, kFrameLeft, kFrameTop, kFrameRight, kFrameTop, black);
    fill(p, kFrameLeft, kFrameBottom, kFrameRight, kFrameBottom, black);
    fill(p, kFrameLeft, kFrameTop, kFrameLeft, kFrameBottom, black);
    fill(p, kFrameRight, kFrameTop, kFrameRight, kFrameBottom, black);

    const double dpi = p.device()->logicalDpiY();
    p.setRenderHint(QPainter::TextAntialiasing, true);

    QFont numbers(QStringLiteral("Arial"));
    setScreenPointSize(numbers, 14.0, dpi);
    p.setFont(numbers);
    p.setPen(black);
    // Baselines put each number's digits on the row of its value.
    static constexpr std::array<std::pair<const char*, int>, 6> fractions{
        {{"1.0", 26}, {"0.8", 87}, {"0.6", 148}, {"0.4", 207}, {"0.2", 268}, {"0.0", 327}}};
    for (const auto& [text, base] : fractions) {
        drawRightAligned(p, QString::fromLatin1(text), 41, base);
    }
    for (int pH = 0; pH <= 14; pH += 2) {
        drawCentred(p, QString::number(pH), kFrameLeft + kPixelsPerPh * pH, 342);
    }

    QFont title(QStringLiteral("Arial"));
    title.setBold(true);
    setScreenPointSize(title, 12.0, dpi);
    p.setFont(title);
    p.setPen(kTitleNavy);
    drawCentred(p, QStringLiteral("Concentration fraction vs pH"), 255, 15);
    p.restore();
}

QImage backdropImage(qreal devicePixelRatio) {
    const QSize size(qRound(kSurfaceWidth * devicePixelRatio),
                     qRound(kSurfaceHeight * devicePixelRatio));
    QImage image(size, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&image);
    drawBackdrop(painter);
    return image;
}

} // namespace velmora::diagram
