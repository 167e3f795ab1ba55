// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "theorysource.h"

#include <QObject>
#include <QTextObjectInterface>

#include <optional>
#include <vector>

class QTextDocument;

namespace velmora::theory {

/**
 * A picture of the theory document. Pictures are not loaded from files: three kinds of <img> are
 * drawn as vector graphics, with width and height given in CSS pixels (1/96 inch):
 *   src="diagram:2.1,5.4,9.7,12.3"  a distribution diagram for one to four pKa values, its
 *                                    fractions and species names from the program's model;
 *   src="symbol:equilibrium"        the equilibrium arrow (two half-arrows), which the usual
 *                                    text fonts do not contain;
 *   src="chart:logc-acetic"          one of the program's charts, drawn by its own chart code in
 *                                    the edition's words (theorycharts.h names them).
 */
struct Figure {
    enum class Kind { Diagram, Equilibrium, Chart };
    Kind kind = Kind::Diagram;
    std::vector<double> pKa; ///< Diagram: 1..4 values from 0 to 14, not decreasing
    QString chart{};         ///< Chart: its name, one of chartFigureNames()
};

/** Reads an <img> source of the forms above; anything else is nullopt. */
[[nodiscard]] std::optional<Figure> parseFigure(const QString& source);

/**
 * Every picture of the document must be one drawn here, with its size given, so that a typo
 * cannot leave an empty hole; a chart of the sample measurement needs a readable one in
 * `inputs`. Problems are reported on stderr; returns whether there were none.
 */
[[nodiscard]] bool checkFigures(const QTextDocument& doc, const SourceInputs& inputs = {});

/**
 * Draws the document's pictures in place of <img> elements. Registered as the layout's handler
 * of image objects, it receives every <img> of the source.
 */
class FigureHandler : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    /** The charts are drawn for the edition of `inputs`, with its sample measurement. */
    explicit FigureHandler(SourceInputs inputs = {}, QObject* parent = nullptr)
        : QObject(parent), m_inputs(std::move(inputs)) {}

    /** The layout works in CSS pixels, the unit of width and height. */
    QSizeF intrinsicSize(QTextDocument* doc, int position, const QTextFormat& format) override;

    /**
     * The painter arrives scaled from layout pixels to the writer's resolution. The pictures are
     * drawn unscaled in device units instead, so that their point sizes (fonts, pen widths) are
     * taken at the device's own resolution.
     */
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* doc, int position,
                    const QTextFormat& format) override;

private:
    SourceInputs m_inputs;
};

} // namespace velmora::theory
