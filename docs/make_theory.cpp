// SPDX-License-Identifier: GPL-3.0-or-later
/**
 * velmora_make_theory - typesets the theory document that Velmora ships beside the program
 * (explain_multiproticacids.pdf) from its rich-text source.
 *
 * Usage: velmora_make_theory SOURCE.html OUTPUT.pdf
 *
 * The source is Qt rich text, the HTML subset that QTextDocument reads. It is laid out on A4
 * pages in CSS pixels (96 per inch, Qt::AA_Use96Dpi), so that the pixel lengths of the source
 * (margins, padding, picture sizes) and its point sizes keep their usual meaning, with unhinted
 * glyph advances so that lines break as they are printed; every page is then painted into the
 * PDF writer, scaled to its resolution, with a running header and a "Page N of M" footer. The
 * program needs a Qt platform plugin but no display: the build runs it with
 * QT_QPA_PLATFORM=offscreen.
 *
 * Pictures are not loaded from files. Two kinds of <img> are drawn here as vector graphics,
 * with width and height given in CSS pixels (1/96 inch):
 *   src="diagram:2.1,5.4,9.7,12.3"  a distribution diagram for one to four pKa values, computed
 *                                    by the program's model, its labels set by the program's
 *                                    formula typesetting, in its species colours;
 *   src="symbol:equilibrium"        the equilibrium arrow (two half-arrows), which the usual
 *                                    text fonts do not contain.
 * Any other picture is an error, so that a typo cannot leave an empty hole in the document.
 */

#include "diagram/formula.h"
#include "diagram/palette.h"
#include "model/acid.h"
#include "model/fractions.h"
#include "version.h"

#include <QAbstractTextDocumentLayout>
#include <QCommandLineParser>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QTextObjectInterface>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kPtPerInch = 72.0;
constexpr double kLayoutDpi = 96.0; // CSS pixels; guaranteed by Qt::AA_Use96Dpi
constexpr int kPdfResolution = 1200;

const QString kProgramLine = QStringLiteral("%1 %2").arg(QString::fromLatin1(velmora::kName),
                                                         QString::fromLatin1(velmora::kVersion));
const QString kBodyFamily = QStringLiteral("Liberation Serif");
const QString kSansFamily = QStringLiteral("Liberation Sans");
constexpr double kBodyPointSize = 11.0;

/** Page geometry in millimetres from the top-left corner of an A4 sheet (210 x 297 mm). */
struct PageGeometry {
    double bodyLeft = 20.0;
    double bodyTop = 24.0;
    double bodyWidth = 170.0;
    double bodyHeight = 250.0;
    double headerBaseline = 14.0;
    double headerRule = 16.0;
    double footerBaseline = 286.0;
};

void fail(const QString& message) {
    std::fprintf(stderr, "velmora_make_theory: %s\n", qPrintable(message));
}

/** Device units per point on the device a painter works on. */
double unitsPerPoint(const QPaintDevice* device) {
    return device->logicalDpiY() / kPtPerInch;
}

// ---------------------------------------------------------------------------------------------
// Figures

enum class FigureKind { Diagram, Equilibrium };

struct Figure {
    FigureKind kind = FigureKind::Diagram;
    std::vector<double> pKa;
};

/** Reads an <img> source of the forms described at the top of this file. */
std::optional<Figure> parseFigure(const QString& source) {
    if (source == QLatin1String("symbol:equilibrium"))
        return Figure{FigureKind::Equilibrium, {}};
    if (!source.startsWith(QLatin1String("diagram:")))
        return std::nullopt;
    const QStringList parts = source.mid(8).split(QLatin1Char(','));
    if (parts.isEmpty() || parts.size() > 4)
        return std::nullopt;
    Figure figure;
    for (const QString& part : parts) {
        bool ok = false;
        const double value = part.trimmed().toDouble(&ok);
        if (!ok || value < 0.0 || value > 14.0)
            return std::nullopt;
        if (!figure.pKa.empty() && value < figure.pKa.back())
            return std::nullopt; // the constants of an acid never decrease
        if (!figure.pKa.empty() && value == 0.0)
            return std::nullopt; // a later exponent of 0 marks an absent constant
        figure.pKa.push_back(value);
    }
    return figure;
}

/** Species names by number of protons, written as the program writes them ("H2A2-"). */
QString speciesName(std::size_t protons, std::size_t j) {
    return QString::fromStdString(velmora::model::speciesNames(static_cast<int>(protons)).at(j));
}

/** The curve colour of species slot j, the program's own. */
QColor speciesColour(std::size_t j) {
    return velmora::diagram::paletteColor(
        velmora::diagram::speciesPaletteIndex(static_cast<int>(j)));
}

/**
 * The pieces of a species name as the program typesets them (diagram::formulaPieces), each
 * shifted: 0 on the base line, +1 lowered (atom count), -1 raised (charge, with a true minus).
 */
struct FormulaRun {
    QString text;
    int shift = 0;
};

std::vector<FormulaRun> formulaRuns(const QString& name) {
    using velmora::diagram::FormulaRow;
    std::vector<FormulaRun> runs;
    for (velmora::diagram::FormulaPiece& piece : velmora::diagram::formulaPieces(name)) {
        switch (piece.row) {
        case FormulaRow::Base:
            runs.push_back({piece.text, 0});
            break;
        case FormulaRow::Lowered:
            runs.push_back({piece.text, +1});
            break;
        case FormulaRow::Raised:
            runs.push_back({piece.text.replace(QLatin1Char('-'), QChar(0x2212)), -1});
            break;
        }
    }
    return runs;
}

/** A species formula set in a given size on one device: measured first, then drawn. */
class FormulaLabel {
public:
    FormulaLabel(const QPaintDevice* device, const QString& name, double sizePt)
        : m_runs(formulaRuns(name)), m_base(QString(kSansFamily)), m_unit(unitsPerPoint(device)),
          m_sizePt(sizePt) {
        m_base.setBold(true);
        m_base.setPointSizeF(sizePt);
        m_script = m_base;
        m_script.setPointSizeF(sizePt * 0.72);
        const QFontMetricsF baseMetrics(m_base, device);
        const QFontMetricsF scriptMetrics(m_script, device);
        for (const FormulaRun& run : m_runs) {
            const double advance = run.shift == 0 ? baseMetrics.horizontalAdvance(run.text)
                                                  : scriptMetrics.horizontalAdvance(run.text);
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
        for (std::size_t i = 0; i < m_runs.size(); ++i) {
            const FormulaRun& run = m_runs[i];
            painter->setFont(run.shift == 0 ? m_base : m_script);
            const double offset = run.shift > 0 ? 0.28 : 0.42;
            painter->drawText(QPointF(x, origin.y() + run.shift * offset * m_sizePt * m_unit),
                              run.text);
            x += m_advances[i];
        }
    }

private:
    std::vector<FormulaRun> m_runs;
    std::vector<double> m_advances;
    QFont m_base;
    QFont m_script;
    double m_unit;
    double m_sizePt;
    double m_width = 0.0;
};

/** A distribution diagram for the given pKa values, pH 0..14 across, fraction 0..1 up. */
void drawDiagram(QPainter* painter, const QRectF& rect, const std::vector<double>& pKa) {
    const QPaintDevice* device = painter->device();
    const double pt = unitsPerPoint(device);
    QFont tickFont(kSansFamily);
    tickFont.setPointSizeF(7.5);
    const QFontMetricsF tickMetrics(tickFont, device);

    const QRectF plot(rect.left() + 34 * pt, rect.top() + 6 * pt, rect.width() - 42 * pt,
                      rect.height() - 32 * pt);
    const auto X = [&](double pH) { return plot.left() + plot.width() * pH / 14.0; };
    const auto Y = [&](double alpha) { return plot.bottom() - plot.height() * alpha; };

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->fillRect(plot, Qt::white);

    // Grid every 2 pH units and every 0.2 of the fraction, as in the program's diagram.
    painter->setPen(QPen(QColor(215, 215, 215), 0.6 * pt));
    for (int pH = 2; pH <= 12; pH += 2)
        painter->drawLine(QPointF(X(pH), plot.top()), QPointF(X(pH), plot.bottom()));
    for (int tenth = 2; tenth <= 8; tenth += 2)
        painter->drawLine(QPointF(plot.left(), Y(tenth / 10.0)),
                          QPointF(plot.right(), Y(tenth / 10.0)));

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
            const QString text = QString::number(tenth / 10.0, 'f', 1);
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
    const QString xTitle = QStringLiteral("pH");
    painter->drawText(QPointF(plot.center().x() - axisMetrics.horizontalAdvance(xTitle) / 2,
                              rect.bottom() - axisMetrics.descent()),
                      xTitle);
    const QString yTitle = QStringLiteral("fraction \u03b1");
    painter->save();
    painter->translate(rect.left() + axisMetrics.ascent(),
                       plot.center().y() + axisMetrics.horizontalAdvance(yTitle) / 2);
    painter->rotate(-90);
    painter->drawText(QPointF(0, 0), yTitle);
    painter->restore();

    // Curves, sampled every 0.01 pH.
    velmora::model::Exponents exponents{};
    std::copy(pKa.begin(), pKa.end(), exponents.begin());
    const velmora::model::Acid acid(exponents);
    const std::size_t protons = pKa.size();
    constexpr int samples = 1400;
    std::array<QPainterPath, 5> curves;
    std::array<double, 5> peakAlpha{};
    std::array<double, 5> peakPH{};
    for (int s = 0; s <= samples; ++s) {
        const double pH = 14.0 * s / samples;
        const std::array<double, 5> alpha = velmora::model::fractionsAt(acid, pH);
        for (std::size_t j = 0; j <= protons; ++j) {
            const QPointF point(X(pH), Y(alpha[j]));
            if (s == 0)
                curves[j].moveTo(point);
            else
                curves[j].lineTo(point);
            if (alpha[j] > peakAlpha[j]) {
                peakAlpha[j] = alpha[j];
                peakPH[j] = pH;
            }
        }
    }
    painter->setClipRect(plot.adjusted(-pt, -pt, pt, pt));
    for (std::size_t j = 0; j <= protons; ++j) {
        painter->setPen(
            QPen(speciesColour(j), 1.3 * pt, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->drawPath(curves[j]);
    }

    // Labels: the first and the last species under their plateaus at the ends of the pH axis,
    // low enough to stay clear of their falling or rising flanks; the others centred on the tops
    // of their humps, inside a high hump, above a low one. A label that would touch one placed
    // before it moves up by its own height.
    const double labelSize = 8.5;
    const double plateauLabel = 0.64;
    std::vector<QRectF> placed;
    for (std::size_t j = 0; j <= protons; ++j) {
        const FormulaLabel label(device, speciesName(protons, j), labelSize);
        QPointF origin;
        if (j == 0)
            origin = QPointF(X(0.2), Y(plateauLabel));
        else if (j == protons)
            origin = QPointF(X(13.8) - label.width(), Y(plateauLabel));
        else if (peakAlpha[j] > 0.86)
            origin = QPointF(X(peakPH[j]) - label.width() / 2, Y(peakAlpha[j]) + 13 * pt);
        else
            origin = QPointF(X(peakPH[j]) - label.width() / 2, Y(peakAlpha[j]) - 4 * pt);
        for (int attempt = 0; attempt < 4; ++attempt) {
            const QRectF box = label.box(origin).adjusted(-2 * pt, 0, 2 * pt, 0);
            if (std::none_of(placed.begin(), placed.end(),
                             [&](const QRectF& other) { return other.intersects(box); }))
                break;
            origin.ry() -= box.height();
        }
        placed.push_back(label.box(origin));
        painter->setPen(speciesColour(j));
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

/**
 * Draws the document's pictures in place of <img> elements. It replaces the layout's handler of
 * image objects, so every <img> of the source comes here.
 */
class FigureHandler : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    using QObject::QObject;

    /** The layout works in CSS pixels, the unit of width and height. */
    QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat& format) override {
        const QTextImageFormat image = format.toImageFormat();
        return QSizeF(image.width(), image.height());
    }

    /**
     * The painter arrives scaled from layout pixels to the writer's resolution. The pictures are
     * drawn unscaled in device units instead, so that their point sizes (fonts, pen widths) are
     * taken at the device's own resolution.
     */
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                    const QTextFormat& format) override {
        const std::optional<Figure> figure = parseFigure(format.toImageFormat().name());
        if (!figure)
            return; // refused before layout, see checkFigures()
        const QRectF deviceRect = painter->transform().mapRect(rect);
        painter->save();
        painter->resetTransform();
        if (figure->kind == FigureKind::Equilibrium)
            drawEquilibrium(painter, deviceRect,
                            format.hasProperty(QTextFormat::ForegroundBrush)
                                ? format.foreground().color()
                                : QColor(Qt::black));
        else
            drawDiagram(painter, deviceRect, figure->pKa);
        painter->restore();
    }
};

/** Every picture of the source must be one this program draws, with its size given. */
bool checkFigures(const QTextDocument& doc) {
    bool ok = true;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QTextImageFormat image = format.toImageFormat();
            if (!parseFigure(image.name())) {
                fail(QStringLiteral("unknown picture \"%1\"").arg(image.name()));
                ok = false;
            } else if (image.width() <= 0 || image.height() <= 0) {
                fail(QStringLiteral("picture \"%1\" needs a width and a height").arg(image.name()));
                ok = false;
            }
        }
    }
    return ok;
}

// ---------------------------------------------------------------------------------------------
// Pages

void drawHeaderAndFooter(QPainter& painter, const PageGeometry& page, double unitsPerMm,
                         const QString& title, int pageNumber, int pageCount) {
    QFont font(kSansFamily);
    font.setPointSizeF(8.5);
    const QFontMetricsF metrics(font, painter.device());
    const double left = page.bodyLeft * unitsPerMm;
    const double right = (page.bodyLeft + page.bodyWidth) * unitsPerMm;

    painter.save();
    painter.setFont(font);
    painter.setPen(QColor(90, 90, 90));
    const double headerY = page.headerBaseline * unitsPerMm;
    painter.drawText(QPointF(left, headerY), kProgramLine);
    painter.drawText(QPointF(right - metrics.horizontalAdvance(title), headerY), title);
    painter.setPen(QPen(QColor(150, 150, 150), 0.4 * unitsPerPoint(painter.device())));
    painter.drawLine(QPointF(left, page.headerRule * unitsPerMm),
                     QPointF(right, page.headerRule * unitsPerMm));

    painter.setPen(QColor(90, 90, 90));
    const QString footer = QStringLiteral("Page %1 of %2").arg(pageNumber).arg(pageCount);
    painter.drawText(QPointF((left + right - metrics.horizontalAdvance(footer)) / 2,
                             page.footerBaseline * unitsPerMm),
                     footer);
    painter.restore();
}

int run(const QString& sourcePath, const QString& outputPath) {
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("cannot read %1: %2").arg(sourcePath, source.errorString()));
        return 1;
    }
    const QString html = QString::fromUtf8(source.readAll());

    for (const QString& family : {kBodyFamily, kSansFamily}) {
        if (!QFontDatabase::hasFamily(family))
            fail(QStringLiteral("warning: font \"%1\" is not installed, a substitute is used")
                     .arg(family));
    }

    QSaveFile output(outputPath);
    if (!output.open(QIODevice::WriteOnly)) {
        fail(QStringLiteral("cannot write %1: %2").arg(outputPath, output.errorString()));
        return 1;
    }

    QPdfWriter writer(&output);
    writer.setResolution(kPdfResolution);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    writer.setCreator(kProgramLine);

    const PageGeometry page;
    const double unitsPerMm = writer.logicalDpiY() / kMmPerInch;
    const double pixelsPerMm = kLayoutDpi / kMmPerInch;
    const double deviceUnitsPerPixel = writer.logicalDpiY() / kLayoutDpi;

    QTextDocument doc;
    doc.setUseDesignMetrics(true);
    doc.documentLayout()->registerHandler(QTextFormat::ImageObject, new FigureHandler(&doc));
    QFont body(kBodyFamily);
    body.setPointSizeF(kBodyPointSize);
    doc.setDefaultFont(body);
    doc.setDocumentMargin(0);
    doc.setPageSize(QSizeF(page.bodyWidth * pixelsPerMm, page.bodyHeight * pixelsPerMm));
    doc.setHtml(html);
    if (!checkFigures(doc))
        return 1;

    QString title = doc.metaInformation(QTextDocument::DocumentTitle).trimmed();
    if (title.isEmpty())
        title = QStringLiteral("Theory");
    writer.setTitle(title);

    const int pageCount = doc.pageCount();
    const QSizeF bodySize = doc.pageSize();
    QPainter painter;
    if (!painter.begin(&writer)) {
        fail(QStringLiteral("cannot start the PDF output for %1").arg(outputPath));
        return 1;
    }
    for (int index = 0; index < pageCount; ++index) {
        if (index > 0 && !writer.newPage()) {
            fail(QStringLiteral("cannot start page %1").arg(index + 1));
            return 1;
        }
        painter.save();
        // Shift the document up by the pages already printed; drawContents clips to this page.
        painter.translate(page.bodyLeft * unitsPerMm, page.bodyTop * unitsPerMm);
        painter.scale(deviceUnitsPerPixel, deviceUnitsPerPixel);
        painter.translate(0, -index * bodySize.height());
        doc.drawContents(&painter, QRectF(QPointF(0, index * bodySize.height()), bodySize));
        painter.restore();
        drawHeaderAndFooter(painter, page, unitsPerMm, title, index + 1, pageCount);
    }
    if (!painter.end()) {
        fail(QStringLiteral("cannot finish the PDF output for %1").arg(outputPath));
        return 1;
    }
    if (!output.commit()) {
        fail(QStringLiteral("cannot write %1: %2").arg(outputPath, output.errorString()));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    // Pixel lengths of the source and point sizes must not depend on the machine that builds.
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("velmora_make_theory"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Typesets Velmora's theory document as PDF."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("source"),
                                 QStringLiteral("Rich-text (HTML) source of the document."));
    parser.addPositionalArgument(QStringLiteral("output"), QStringLiteral("PDF file to write."));
    parser.process(app);
    const QStringList args = parser.positionalArguments();
    if (args.size() != 2) {
        fail(QStringLiteral("expected a source file and an output file"));
        parser.showHelp(2);
    }
    return run(args.at(0), args.at(1));
}

#include "make_theory.moc"
