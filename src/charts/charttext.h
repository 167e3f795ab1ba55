// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagram/formula.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPointF>
#include <QRectF>
#include <QStaticText>
#include <QString>

#include <array>

class QColor;
class QPaintDevice;
class QPainter;

namespace velmora::charts {

/** What a text of a chart is: each role has its own font. */
enum class TextRole {
    Tick,   ///< tick numbers, 9 pt
    Title,  ///< axis titles, 10 pt
    Label,  ///< species labels and marker values, 10 pt bold
    Script, ///< the raised and lowered parts of a label, 8 pt bold
    Count
};

/**
 * The fonts of the solution's charts and the texts they print, for one paint device.
 *
 * Sizes are points at 96 dpi on every device, so that a chart has the same proportions on the
 * screen, in a PNG, an SVG or a PDF, times the scale the chart's texts are drawn at (a chart
 * scales with its size, as a slide does, and the window can make its texts larger). Widths are
 * measured once per text; on raster devices the laid-out texts are kept too (a chart repaints the
 * same tick numbers and labels on every redraw), while vector devices get plain drawText() so that
 * SVG and PDF keep the text as text.
 */
class ChartText {
public:
    ChartText();

    /**
     * Sets the fonts up for `device` at `scale` times their normal size; keeps what it has while
     * the device's resolution and the scale stay.
     */
    void prepare(const QPaintDevice& device, double scale = 1.0);
    /** The scale of the last prepare(). */
    [[nodiscard]] double scale() const { return m_scale; }

    [[nodiscard]] double height(TextRole role) const {
        return slot(role).ascent + slot(role).descent;
    }
    /** The advance of `text` in the role's font. */
    [[nodiscard]] double width(TextRole role, const QString& text);

    /** Prints `text` with its top-left corner at `topLeft` in the painter's pen colour. */
    void draw(QPainter& painter, TextRole role, const QPointF& topLeft, const QString& text);

    /**
     * The box a species formula takes when its base row's top-left corner is at (0, 0): base
     * row in the Label font, counts and charges in the Script font 5 pixels (times the scale)
     * below or above it (see formula.h for the rules), as the main diagram typesets its labels;
     * charges show a true minus sign.
     */
    [[nodiscard]] QRectF formulaBounds(const QString& formula);
    /** Prints a formula with its base row's top-left corner at `topLeft`. */
    void drawFormula(QPainter& painter, const QPointF& topLeft, const QString& formula,
                     const QColor& colour);

private:
    struct Slot {
        QFont font;
        double points = 10.0;
        double ascent = 0.0;
        double descent = 0.0;
        QHash<QString, double> widths;
        QHash<QString, QStaticText> laidOut;
    };
    [[nodiscard]] const Slot& slot(TextRole role) const {
        return m_slots[static_cast<std::size_t>(role)];
    }
    [[nodiscard]] Slot& slot(TextRole role) { return m_slots[static_cast<std::size_t>(role)]; }

    std::array<Slot, static_cast<std::size_t>(TextRole::Count)> m_slots;
    [[nodiscard]] double rowOffset(diagram::FormulaRow row) const;

    double m_dpi = 0.0;
    double m_scale = 1.0;
    bool m_raster = false;
    const QPaintDevice* m_device = nullptr;
};

} // namespace velmora::charts
