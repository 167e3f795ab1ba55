// SPDX-License-Identifier: GPL-3.0-or-later
#include "backdrop.h"

#include "geometry.h"
#include "surface.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <array>
#include <utility>

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

/** Grid lines every two pH units and every 0.2 of a fraction, each two pixels wide. */
constexpr int kGridPhStep = 2 * kPixelsPerPh;
constexpr int kGridFractionStep = kPixelsPerFraction / 5;
constexpr int kGridLines = 2;
/** Vertical grid lines end above the bottom ticks, horizontal ones right of the left ticks. */
constexpr int kGridBottom = kFrameBottom - 5;
constexpr int kGridLeft = kFrameLeft + 5;
/** Ticks inside the frame, 4 pixels long and 2 wide: every 0.1 on the left, every pH unit below. */
constexpr int kTickLength = 4;
constexpr int kFractionTickStep = kPixelsPerFraction / 10;

/** Axis numbers: 14 pt, the fractions right-aligned to column 41, the pHs on row 342. */
constexpr double kAxisNumberPoints = 14.0;
constexpr int kFractionNumbersRight = 41;
constexpr int kPhNumbersBaseline = 342;
/** Baselines that put each fraction's digits on the row of its value. */
constexpr std::array<std::pair<const char*, int>, 6> kFractionNumbers{
    {{"1.0", 26}, {"0.8", 87}, {"0.6", 148}, {"0.4", 207}, {"0.2", 268}, {"0.0", 327}}};

/** The title: 12 pt bold, centred on column 255 in the margin above the frame. */
constexpr double kTitlePoints = 12.0;
constexpr int kTitleCentre = 255;
constexpr int kTitleBaseline = 15;

} // namespace

void drawBackdrop(QPainter& p) {
    p.save();
    fill(p, 0, 0, kSurfaceWidth - 1, kSurfaceHeight - 1, kBackdropWhite);

    for (int x = kFrameLeft + kGridPhStep; x < kFrameRight - kGridLines; x += kGridPhStep) {
        fill(p, x, kFrameTop + 1, x + kGridLines - 1, kGridBottom, kGridGrey);
    }
    for (int y = kFrameBottom - kGridFractionStep; y > kFrameTop + kGridLines;
         y -= kGridFractionStep) {
        fill(p, kGridLeft, y - kGridLines + 1, kFrameRight - 1, y, kGridGrey);
    }

    const QColor black(0, 0, 0);
    for (int y = kFrameBottom - kFractionTickStep; y > kFrameTop; y -= kFractionTickStep) {
        fill(p, kFrameLeft + 1, y - 1, kFrameLeft + kTickLength, y, black);
    }
    for (int x = kFrameLeft + kPixelsPerPh; x < kFrameRight - 1; x += kPixelsPerPh) {
        fill(p, x, kFrameBottom - kTickLength, x + 1, kFrameBottom - 1, black);
    }

    // The frame: one-pixel lines on its four edges.
    fill(p, kFrameLeft, kFrameTop, kFrameRight, kFrameTop, black);
    fill(p, kFrameLeft, kFrameBottom, kFrameRight, kFrameBottom, black);
    fill(p, kFrameLeft, kFrameTop, kFrameLeft, kFrameBottom, black);
    fill(p, kFrameRight, kFrameTop, kFrameRight, kFrameBottom, black);

    const double dpi = p.device()->logicalDpiY();
    p.setRenderHint(QPainter::TextAntialiasing, true);

    QFont numbers(QStringLiteral("Arial"));
    setScreenPointSize(numbers, kAxisNumberPoints, dpi);
    p.setFont(numbers);
    p.setPen(black);
    for (const auto& [text, base] : kFractionNumbers) {
        drawRightAligned(p, QString::fromLatin1(text), kFractionNumbersRight, base);
    }
    for (int pH = 0; pH <= 14; pH += 2) {
        drawCentred(p, QString::number(pH), kFrameLeft + kPixelsPerPh * pH, kPhNumbersBaseline);
    }

    QFont title(QStringLiteral("Arial"));
    title.setBold(true);
    setScreenPointSize(title, kTitlePoints, dpi);
    p.setFont(title);
    p.setPen(kTitleNavy);
    drawCentred(p, QStringLiteral("Concentration fraction vs pH"), kTitleCentre, kTitleBaseline);
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
