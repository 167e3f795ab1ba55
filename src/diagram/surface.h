// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>
#include <QPointF>
#include <QString>

#include <memory>
#include <vector>

class QFont;
class QImage;
class QPainter;

namespace velmora::diagram {

/** One piece of text as it was printed on the surface (kept only when recording is on). */
struct PrintedText {
    QString text;
    float x = 0.0f; ///< top-left corner of the text
    float y = 0.0f;
    double points = 0; ///< font size in points
    QColor colour;
    double width = 0; ///< the advance of the pen
};

/**
 * A picture box to draw on, with the pen semantics the diagram relies on: a current point that
 * every point, line and printed text moves, a text colour and a font size that stay set between
 * drawings, and text printed with its top-left corner at the pen.
 *
 * The surface draws through a QPainter onto any paint device (a retained screen image, a PNG,
 * SVG or PDF, a printer) in the 495 x 350 logical pixel space. Font sizes are converted from
 * points at 96 dpi whatever the device's resolution, so every output looks like the screen.
 * At one device pixel per logical pixel lines are 1 pixel wide, not antialiased, and snapped to
 * whole pixels, so the drawing is pixel-exact; on scaled or vector devices they are smooth.
 *
 * The state (pen, colour, font size) lives in the Surface object and outlives begin()/end():
 * the next drawing starts with what the last one left.
 */
class Surface {
public:
    Surface();
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    /**
     * Attaches a painter for drawing. `backdrop`, when given, is a ready image of the backdrop
     * at the painter's device scale that clear() copies instead of drawing the backdrop anew.
     */
    void begin(QPainter& painter, const QImage* backdrop = nullptr);
    /** Finishes pending drawing and detaches the painter. */
    void end();

    /** Repaints the backdrop, erasing everything drawn, and moves the pen to (0, 0). */
    void clear();
    /** Sets one pixel; the pen moves there. */
    void point(float x, float y, const QColor& colour);
    /** Draws a straight line from the pen to (x, y); the pen moves there. */
    void lineTo(float x, float y, const QColor& colour);
    /** The outline of the box with corners (x1, y1) and (x2, y2). */
    void rectangle(float x1, float y1, float x2, float y2, const QColor& colour);

    [[nodiscard]] float currentX() const { return m_x; }
    [[nodiscard]] float currentY() const { return m_y; }
    void setCurrentX(float x) { m_x = x; }
    void setCurrentY(float y) { m_y = y; }

    [[nodiscard]] QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor& colour) { m_foreColor = colour; }

    [[nodiscard]] double fontSize() const { return m_fontSize; }
    void setFontSize(double points) { m_fontSize = points; }

    /** Prints text with its top-left corner at the pen; the pen's X advances by its width. */
    void print(const QString& text);

    /** Keeps every printed piece in `sink` (nullptr stops recording). */
    void setRecorder(std::vector<PrintedText>* sink) { m_recorder = sink; }

private:
    struct FontCache;

    void flushLines();
    [[nodiscard]] QPointF mapped(float x, float y) const;

    QPainter* m_painter = nullptr;
    const QImage* m_backdrop = nullptr;
    bool m_pixelExact = true;
    double m_dpiFactor = 1.0;

    float m_x = 0.0f;
    float m_y = 0.0f;
    QColor m_foreColor{Qt::black};
    double m_fontSize;

    /** The fonts of the attached device with the texts laid out in them, kept between drawings. */
    std::unique_ptr<FontCache> m_fonts;

    QList<QPointF> m_pending;
    QColor m_pendingColour;

    std::vector<PrintedText>* m_recorder = nullptr;
};

/** Sets up a font that is `points` big at 96 dpi on a device of `deviceDpi` dots per inch. */
void setScreenPointSize(QFont& font, double points, double deviceDpi);

} // namespace velmora::diagram
