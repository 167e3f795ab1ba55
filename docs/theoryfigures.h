// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTextObjectInterface>

#include <optional>
#include <vector>

class QTextDocument;

namespace velmora::theory {

/**
 * A picture of the theory document. Pictures are not loaded from files: two kinds of <img> are
 * drawn as vector graphics, with width and height given in CSS pixels (1/96 inch):
 *   src="diagram:2.1,5.4,9.7,12.3"  a distribution diagram for one to four pKa values, its
 *                                    fractions and species names from the program's model;
 *   src="symbol:equilibrium"        the equilibrium arrow (two half-arrows), which the usual
 *                                    text fonts do not contain.
 */
struct Figure {
    enum class Kind { Diagram, Equilibrium };
    Kind kind = Kind::Diagram;
    std::vector<double> pKa; ///< Diagram: 1..4 values from 0 to 14, not decreasing
};

/** Reads an <img> source of the forms above; anything else is nullopt. */
[[nodiscard]] std::optional<Figure> parseFigure(const QString& source);

/**
 * Every picture of the document must be one drawn here, with its size given, so that a typo
 * cannot leave an empty hole. Problems are reported on stderr; returns whether there were none.
 */
[[nodiscard]] bool checkFigures(const QTextDocument& doc);

/**
 * Draws the document's pictures in place of <img> elements. Registered as the layout's handler
 * of image objects, it receives every <img> of the source.
 */
class FigureHandler : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    using QObject::QObject;

    /** The layout works in CSS pixels, the unit of width and height. */
    QSizeF intrinsicSize(QTextDocument* doc, int position, const QTextFormat& format) override;

    /**
     * The painter arrives scaled from layout pixels to the writer's resolution. The pictures are
     * drawn unscaled in device units instead, so that their point sizes (fonts, pen widths) are
     * taken at the device's own resolution.
     */
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* doc, int position,
                    const QTextFormat& format) override;
};

} // namespace velmora::theory
