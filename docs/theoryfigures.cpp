// SPDX-License-Identifier: GPL-3.0-or-later
#include "theoryfigures.h"

#include "theorycharts.h"
#include "theorystyle.h"

#include "charts/chartdata.h"

#include "diagram/formula.h"

#include "model/acid.h"
#include "model/fractions.h"
#include "model/presets.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>

#include <algorithm>
#include <array>

namespace velmora::theory {

namespace {

/**
 * The acid of a diagram with the given constants. It is built the way the program builds an
 * example acid from its literature values, so the fractions come from the program's own model.
 */
model::Acid acidWith(const std::vector<double>& pKa) {
    model::Preset acid;
    acid.pKa = pKa;
    return acid.acid();
}

/**
 * A species formula set in a given size on one device: measured first, then drawn. The pieces
 * come from the program's formula typesetting; charges get a true minus sign.
 */
class FormulaLabel {
public:
    FormulaLabel(const QPaintDevice* device, const QString& formula, double sizePt)
        : m_pieces(diagram::typesetFormulaPieces(formula)), m_base(kSansFamily),
          m_unit(unitsPerPoint(device)), m_sizePt(sizePt) {
        m_base.setBold(true);
        m_base.setPointSizeF(sizePt);
        m_script = m_base;
        m_script.setPointSizeF(sizePt * 0.72);
        const QFontMetricsF baseMetrics(m_base, device);
        const QFontMetricsF scriptMetrics(m_script, device);
        for (const diagram::FormulaPiece& piece : m_pieces) {
            const double advance = piece.row == diagram::FormulaRow::Base
                                       ? baseMetrics.horizontalAdvance(piece.text)
                                       : scriptMetrics.horizontalAdvance(piece.text);
            m_advances.push_back(advance);
            m_width += advance;
        }
    }

    /** The space the label takes with its base line starting at origin, raised charges included. */
    QRectF box(QPointF origin) const {
        return QRectF(origin.x(), origin.y() - 1.15 * m_sizePt * m_unit, m_width,
                      1.45 * m_sizePt * m_unit);
    }

    double width() const { return m_width; }

    void draw(QPainter* painter, QPointF origin) const {
        double x = origin.x();
        for (std::size_t i = 0; i < m_pieces.size(); ++i) {
            const diagram::FormulaPiece& piece = m_pieces[i];
            double shift = 0.0;
            if (piece.row == diagram::FormulaRow::Lowered) {
                shift = 0.28;
            } else if (piece.row == diagram::FormulaRow::Raised) {
                shift = -0.42;
            }
            painter->setFont(piece.row == diagram::FormulaRow::Base ? m_base : m_script);
            painter->drawText(QPointF(x, origin.y() + shift * m_sizePt * m_unit), piece.text);
            x += m_advances[i];
        }
    }

private:
    const std::vector<diagram::FormulaPiece> m_pieces;
    std::vector<double> m_advances;
    QFont m_base;
    QFont m_script;
    double m_unit;
    double m_sizePt;
    double m_width = 0.0;
};

void drawAxes(QPainter* painter, const QRectF& rect, const QRectF& plot,
              const charts::ChartTexts& texts) {
    const QPaintDevice* device = painter->device();
    const double pt = unitsPerPoint(device);
    QFont tickFont(kSansFamily);
    tickFont.setPointSizeF(7.5);
    const QFontMetricsF tickMetrics(tickFont, device);
    const auto X = [&](double pH) { return plot.left() + plot.width() * pH / 14.0; };
    const auto Y = [&](double alpha) { return plot.bottom() - plot.height() * alpha; };

    // Grid every 2 pH units and every 0.2 of the fraction, as in the program's diagram.
    painter->setPen(QPen(QColor(215, 215, 215), 0.6 * pt));
    for (int pH = 2; pH <= 12; pH += 2) {
        painter->drawLine(QPointF(X(pH), plot.top()), QPointF(X(pH), plot.bottom()));
    }
    for (int tenth = 2; tenth <= 8; tenth += 2) {
        painter->drawLine(QPointF(plot.left(), Y(tenth / 10.0)),
                          QPointF(plot.right(), Y(tenth / 10.0)));
    }

    // Ticks and numbers.
    painter->setPen(QPen(Qt::black, 0.5 * pt));
    painter->setFont(tickFont);
    for (int pH = 0; pH <= 14; ++pH) {
        painter->drawLine(QPointF(X(pH), plot.bottom()), QPointF(X(pH), plot.bottom() - 3 * pt));
        if (pH % 2 == 0) {
            const QString text = QString::number(pH);
            painter->drawText(QPointF(X(pH) - tickMetrics.horizontalAdvance(text) / 2,
                                      plot.bottom() + 4 * pt + tickMetrics.ascent()),
                              text);
        }
    }
    for (int tenth = 0; tenth <= 10; ++tenth) {
        painter->drawLine(QPointF(plot.left(), Y(tenth / 10.0)),
                          QPointF(plot.left() + 3 * pt, Y(tenth / 10.0)));
        if (tenth % 2 == 0) {
            const QString text =
                QString::number(tenth / 10.0, 'f', 1).replace(u'.', texts.decimalPoint);
            painter->drawText(QPointF(plot.left() - 4 * pt - tickMetrics.horizontalAdvance(text),
                                      Y(tenth / 10.0) + tickMetrics.capHeight() / 2),
                              text);
        }
    }
    QFont axisFont = tickFont;
    axisFont.setPointSizeF(8.5);
    axisFont.setItalic(true);
    painter->setFont(axisFont);
    const QFontMetricsF axisMetrics(axisFont, device);
    const QString& xTitle = texts.phAxis;
    painter->drawText(QPointF(plot.center().x() - axisMetrics.horizontalAdvance(xTitle) / 2,
                              rect.bottom() - axisMetrics.descent()),
                      xTitle);
    const QString& yTitle = texts.fractionAxis;
    painter->save();
    painter->translate(rect.left() + axisMetrics.ascent(),
                       plot.center().y() + axisMetrics.horizontalAdvance(yTitle) / 2);
    painter->rotate(-90);
    painter->drawText(QPointF(0, 0), yTitle);
    painter->restore();
}

/**
 * A distribution diagram for the given pKa values, pH 0..14 across, fraction 0..1 up, its axes'
 * words and numbers as the charts of the edition have them.
 */
void drawDiagram(QPainter* painter, const QRectF& rect, const std::vector<double>& pKa,
                 const charts::ChartTexts& texts) {
    const QPaintDevice* device = painter->device();
    const double pt = unitsPerPoint(device);
    const QRectF plot(rect.left() + 34 * pt, rect.top() + 6 * pt, rect.width() - 42 * pt,
                      rect.height() - 32 * pt);
    const auto X = [&](double pH) { return plot.left() + plot.width() * pH / 14.0; };
    const auto Y = [&](double alpha) { return plot.bottom() - plot.height() * alpha; };

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->fillRect(plot, Qt::white);
    drawAxes(painter, rect, plot, texts);

    // Curves, sampled every 0.01 pH.
    const model::Acid acid = acidWith(pKa);
    const int protons = static_cast<int>(pKa.size());
    constexpr int samples = 1400;
    std::array<QPainterPath, model::kMaxSpecies> curves;
    std::array<double, model::kMaxSpecies> peakAlpha{};
    std::array<double, model::kMaxSpecies> peakPH{};
    for (int s = 0; s <= samples; ++s) {
        const double pH = 14.0 * s / samples;
        const std::array<double, model::kMaxSpecies> alpha = model::fractionsAt(acid, pH);
        for (std::size_t j = 0; j <= static_cast<std::size_t>(protons); ++j) {
            const QPointF point(X(pH), Y(alpha[j]));
            if (s == 0) {
                curves[j].moveTo(point);
            } else {
                curves[j].lineTo(point);
            }
            if (alpha[j] > peakAlpha[j]) {
                peakAlpha[j] = alpha[j];
                peakPH[j] = pH;
            }
        }
    }
    painter->setClipRect(plot.adjusted(-pt, -pt, pt, pt));
    for (int j = 0; j <= protons; ++j) {
        painter->setPen(
            QPen(charts::speciesColour(j), 1.3 * pt, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->drawPath(curves[static_cast<std::size_t>(j)]);
    }

    // Labels: the first and the last species under their plateaus at the ends of the pH axis,
    // low enough to stay clear of their falling or rising flanks; the others centred on the tops
    // of their humps, inside a high hump, above a low one. A label that would touch one placed
    // before it moves up by its own height.
    const double labelSize = 8.5;
    const double plateauLabel = 0.64;
    const model::SpeciesNames& names = model::speciesNames(protons);
    std::vector<QRectF> placed;
    for (int j = 0; j <= protons; ++j) {
        const auto slot = static_cast<std::size_t>(j);
        const FormulaLabel label(device, QString::fromStdString(names[slot]), labelSize);
        QPointF origin;
        if (j == 0) {
            origin = QPointF(X(0.2), Y(plateauLabel));
        } else if (j == protons) {
            origin = QPointF(X(13.8) - label.width(), Y(plateauLabel));
        } else if (peakAlpha[slot] > 0.86) {
            origin = QPointF(X(peakPH[slot]) - label.width() / 2, Y(peakAlpha[slot]) + 13 * pt);
        } else {
            origin = QPointF(X(peakPH[slot]) - label.width() / 2, Y(peakAlpha[slot]) - 4 * pt);
        }
        for (int attempt = 0; attempt < 4; ++attempt) {
            const QRectF box = label.box(origin).adjusted(-2 * pt, 0, 2 * pt, 0);
            if (std::none_of(placed.begin(), placed.end(),
                             [&](const QRectF& other) { return other.intersects(box); })) {
                break;
            }
            origin.ry() -= box.height();
        }
        placed.push_back(label.box(origin));
        painter->setPen(charts::speciesColour(j));
        label.draw(painter, origin);
    }
    painter->setClipping(false);

    painter->setPen(QPen(Qt::black, 0.7 * pt));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(plot);
    painter->restore();
}

/** The equilibrium arrow: a right half-arrow over a left half-arrow, centred near the math axis. */
void drawEquilibrium(QPainter* painter, const QRectF& rect, const QColor& colour) {
    const double h = rect.height();
    const double upper = rect.top() + 0.50 * h;
    const double lower = rect.top() + 0.75 * h;
    const double barbX = 0.30 * h;
    const double barbY = 0.22 * h;
    const double left = rect.left() + 0.12 * rect.width();
    const double right = rect.right() - 0.12 * rect.width();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(colour, 0.075 * h, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath path;
    path.moveTo(left, upper);
    path.lineTo(right, upper);
    path.lineTo(right - barbX, upper - barbY);
    path.moveTo(right, lower);
    path.lineTo(left, lower);
    path.lineTo(left + barbX, lower + barbY);
    painter->drawPath(path);
    painter->restore();
}

} // namespace

std::optional<Figure> parseFigure(const QString& source) {
    if (source == QLatin1String("symbol:equilibrium")) {
        return Figure{Figure::Kind::Equilibrium, {}};
    }
    if (source.startsWith(QLatin1String("chart:"))) {
        const QString name = source.mid(6);
        if (!isChartFigure(name)) {
            return std::nullopt;
        }
        return Figure{Figure::Kind::Chart, {}, name};
    }
    if (!source.startsWith(QLatin1String("diagram:"))) {
        return std::nullopt;
    }
    const QStringList parts = source.mid(8).split(QLatin1Char(','));
    if (parts.isEmpty() || parts.size() > model::kMaxProtons) {
        return std::nullopt;
    }
    Figure figure;
    for (const QString& part : parts) {
        bool ok = false;
        const double value = part.trimmed().toDouble(&ok);
        if (!ok || value < 0.0 || value > 14.0) {
            return std::nullopt;
        }
        if (!figure.pKa.empty() && value < figure.pKa.back()) {
            return std::nullopt; // the constants of an acid never decrease
        }
        figure.pKa.push_back(value);
    }
    return figure;
}

bool checkFigures(const QTextDocument& doc, const SourceInputs& inputs) {
    bool ok = true;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat()) {
                continue;
            }
            const QTextImageFormat image = format.toImageFormat();
            const std::optional<Figure> figure = parseFigure(image.name());
            QString problem;
            if (!figure) {
                fail(QStringLiteral("unknown picture \"%1\"").arg(image.name()));
                ok = false;
            } else if (image.width() <= 0 || image.height() <= 0) {
                fail(QStringLiteral("picture \"%1\" needs a width and a height").arg(image.name()));
                ok = false;
            } else if (figure->kind == Figure::Kind::Chart &&
                       !chartFigure(figure->chart, inputs, charts::kDefaultChartSize, &problem)) {
                fail(QStringLiteral("picture \"%1\": %2").arg(image.name(), problem));
                ok = false;
            }
        }
    }
    return ok;
}

QSizeF FigureHandler::intrinsicSize(QTextDocument*, int, const QTextFormat& format) {
    const QTextImageFormat image = format.toImageFormat();
    return QSizeF(image.width(), image.height());
}

void FigureHandler::drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                               const QTextFormat& format) {
    const std::optional<Figure> figure = parseFigure(format.toImageFormat().name());
    if (!figure) {
        return; // refused before layout, see checkFigures()
    }
    if (figure->kind == Figure::Kind::Chart) {
        // Laid out in the chart's own pixels, scaled into the layout's: vector all the way.
        QString problem;
        const std::optional<charts::ChartRequest> request =
            chartFigure(figure->chart, m_inputs, chartCanvas(rect.size()), &problem);
        if (request) {
            drawChartFigure(*painter, rect, *request);
        }
        return;
    }
    const QRectF deviceRect = painter->transform().mapRect(rect);
    painter->save();
    painter->resetTransform();
    if (figure->kind == Figure::Kind::Equilibrium) {
        drawEquilibrium(painter, deviceRect,
                        format.hasProperty(QTextFormat::ForegroundBrush)
                            ? format.foreground().color()
                            : QColor(Qt::black));
    } else {
        drawDiagram(painter, deviceRect, figure->pKa, editionChartTexts(m_inputs.language));
    }
    painter->restore();
}

} // namespace velmora::theory
