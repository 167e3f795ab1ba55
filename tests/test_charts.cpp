// SPDX-License-Identifier: GPL-3.0-or-later
// The solution's charts: tick choice, layout, pixels of the frame and the markers, the SVG's
// texts and coordinates, label placement, the readout and the data files.

#include "referencechemistry.h"
#include "testsupport.h"

#include "charts/chartaxes.h"
#include "charts/chartdata.h"
#include "charts/chartoverlay.h"
#include "charts/charttext.h"
#include "charts/labelplacer.h"
#include "charts/markkey.h"
#include "charts/marktexts.h"
#include "charts/solutionchart.h"
#include "charts/solutiondata.h"

#include "diagram/decimaltext.h"
#include "diagram/palette.h"

#include "encode/encode.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <cmath>
#include <vector>

using namespace velmora;
using charts::ChartKind;
using charts::ChartRequest;

using Doubles = std::vector<double>;

Q_DECLARE_METATYPE(Doubles)
Q_DECLARE_METATYPE(ChartKind)
Q_DECLARE_METATYPE(ChartRequest)

namespace {

const std::array<double, 3> kPhosphoric{2.148, 7.198, 12.319};

/** 0.1 mol/L NaH2PO4 (pH 4.688), its pH shown; 25 mL titrated with 0.1 mol/L NaOH. */
ChartRequest phosphateRequest(ChartKind kind) {
    ChartRequest request;
    request.kind = kind;
    request.acid = model::PolyproticAcid(kPhosphoric);
    request.solution = {0.1, 1, 0.0, 0.0};
    request.showSolution = true;
    return request;
}

/** The pH of 0.1 mol/L NaH2PO4 from an independent calculation. */
constexpr double kPhosphatePh = 4.688005106366055;

/** Where a value lands between the middles of the frame's edge pixels. */
double expectedX(const QRect& frame, double value, double min, double max) {
    return frame.left() + 0.5 + (value - min) / (max - min) * (frame.width() - 1);
}
double expectedY(const QRect& frame, double value, double min, double max) {
    return frame.bottom() + 0.5 - (value - min) / (max - min) * (frame.height() - 1);
}

bool near(QRgb pixel, const QColor& colour, int tolerance) {
    return std::abs(qRed(pixel) - colour.red()) <= tolerance &&
           std::abs(qGreen(pixel) - colour.green()) <= tolerance &&
           std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
}

/** A chart painted into an image of its request's size at `ratio`, the chart kept to ask. */
QImage painted(charts::SolutionChart& chart, qreal ratio) {
    const QSize size = chart.request().size;
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    chart.paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image;
}

/** What an SVG holds: the texts of each group joined, and the elements' attributes. */
struct SvgContent {
    QStringList texts;                     ///< one entry per group: its text pieces joined
    QList<QXmlStreamAttributes> polylines; ///< with the stroke colour of their group
    QList<QXmlStreamAttributes> circles;
    int textElements = 0;
    int paths = 0;
};

SvgContent readSvg(const QByteArray& svg) {
    SvgContent content;
    QXmlStreamReader xml(svg);
    QString groupText;
    QString stroke;
    QString strokeWidth;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == u"g") {
                stroke = xml.attributes().value(QLatin1StringView("stroke")).toString();
                strokeWidth = xml.attributes().value(QLatin1StringView("stroke-width")).toString();
            } else if (xml.name() == u"text") {
                ++content.textElements;
                groupText += xml.readElementText();
            } else if (xml.name() == u"polyline") {
                QXmlStreamAttributes attributes = xml.attributes();
                attributes.append(QStringLiteral("group-stroke"), stroke);
                attributes.append(QStringLiteral("group-stroke-width"), strokeWidth);
                content.polylines << attributes;
            } else if (xml.name() == u"circle") {
                content.circles << xml.attributes();
            } else if (xml.name() == u"path") {
                ++content.paths;
            }
        } else if (xml.isEndElement() && xml.name() == u"g") {
            if (!groupText.isEmpty()) {
                content.texts << groupText;
            }
            groupText.clear();
        }
    }
    return content;
}

QByteArray svgOf(charts::SolutionChart& chart) {
    QByteArray svg;
    QBuffer buffer(&svg);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(chart.request().size);
    generator.setViewBox(QRect(QPoint(0, 0), chart.request().size));
    generator.setResolution(96);
    QPainter painter(&generator);
    chart.paint(painter, QRectF(QPointF(0, 0), QSizeF(chart.request().size)));
    painter.end();
    return svg;
}

/** A chart's SVG as the encoders write it for a file. */
QByteArray exportedSvg(const ChartRequest& request) {
    const std::optional<QByteArray> svg = encode::encodeSvg(charts::chartDrawing(request));
    return svg.value_or(QByteArray());
}

/** A text of an SVG with the font size it is drawn in (its own or its group's attribute). */
struct SizedText {
    QString text;
    double size = 0.0;
};

QList<SizedText> sizedTexts(const QByteArray& svg) {
    QList<SizedText> texts;
    QXmlStreamReader xml(svg);
    QString groupSize;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        const QString size = xml.attributes().value(QLatin1StringView("font-size")).toString();
        if (xml.name() == u"g") {
            groupSize = size;
        } else if (xml.name() == u"text") {
            QString given = size.isEmpty() ? groupSize : size;
            given.remove(QStringLiteral("px")).remove(QStringLiteral("pt"));
            texts.push_back({xml.readElementText(), given.toDouble()});
        }
    }
    return texts;
}

/**
 * The font sizes of an SVG's tick numbers: of its texts that are a plain number, those in the size
 * most of them have (a species' count or charge is a number too, in a smaller size).
 */
QList<double> tickNumberSizes(const QByteArray& svg) {
    static const QRegularExpression number(QStringLiteral("^\u2212?\\d+([.,]\\d+)?$"));
    QMap<double, int> counts;
    for (const SizedText& text : sizedTexts(svg)) {
        if (number.match(text.text).hasMatch()) {
            ++counts[text.size];
        }
    }
    double common = 0.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > counts.value(common)) {
            common = it.key();
        }
    }
    return QList<double>(counts.value(common), common);
}

/** Texts a German teacher's window gives the charts: its words and a decimal comma. */
charts::ChartTexts germanTexts() {
    charts::ChartTexts texts;
    texts.fractionAxis = QStringLiteral("Anteil α");
    texts.volumeAxis = QStringLiteral("V / mL");
    texts.phValue = QStringLiteral("pH %1");
    texts.fractionsTitle = QStringLiteral("Speziesanteile in Abhängigkeit vom pH-Wert");
    texts.titrationTitle = QStringLiteral("Titrationskurve");
    texts.logCTitle = QStringLiteral("log-c-pH-Diagramm");
    texts.decimalPoint = u',';
    return texts;
}

/** A titration of 25 mL at 0.1 mol/L with 0.1 mol/L titrant, as the window's defaults have it. */
ChartRequest titrationRequest(const Doubles& pKa, int charge, int dissolvedAs,
                              model::Titrant titrant) {
    ChartRequest request;
    request.kind = ChartKind::Titration;
    request.acid = model::PolyproticAcid(pKa, charge);
    request.solution = {0.1, dissolvedAs, 0.0, 0.0};
    request.titration = {25.0, titrant, 0.1, 0.0};
    return request;
}

/**
 * Whether a drawn line passes through `box` less its outermost pixel (a line may touch that: the
 * glyphs do not fill it), tried every quarter pixel along each segment.
 */
bool crossesLine(const QRectF& box, const std::vector<QPointF>& line) {
    const QRectF core = box.adjusted(1.0, 1.0, -1.0, -1.0);
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
        const QPointF a = line[i];
        const QPointF b = line[i + 1];
        const int steps = 1 + int(4.0 * std::hypot(b.x() - a.x(), b.y() - a.y()));
        for (int k = 0; k <= steps; ++k) {
            if (core.contains(a + (b - a) * (double(k) / steps))) {
                return true;
            }
        }
    }
    return false;
}

/** The curves of the last paint and the lines of the marker and the marks, as drawn. */
std::vector<std::vector<QPointF>> drawnLines(const charts::SolutionChart& chart) {
    std::vector<std::vector<QPointF>> lines;
    for (const charts::PolylinePieces& pieces : chart.curvePixels()) {
        lines.insert(lines.end(), pieces.begin(), pieces.end());
    }
    const charts::PlotMapping& map = chart.layout().mapping;
    const QRectF frame = map.lineFrame();
    if (chart.data().hasMarker) {
        const double x = charts::crispLine(map.xOf(chart.data().markerX));
        lines.push_back({QPointF(x, frame.top()), QPointF(x, frame.bottom())});
    }
    for (const charts::ChartMark& mark : chart.data().marks) {
        const QPointF at(map.xOf(mark.at.x()), map.yOf(mark.at.y()));
        if (mark.filled) {
            const double x = charts::crispLine(at.x());
            lines.push_back({QPointF(x, at.y() + charts::kMarkRadius), QPointF(x, frame.bottom())});
        }
    }
    return lines;
}

QList<QByteArray> csvRows(const QByteArray& csv) {
    QList<QByteArray> rows = csv.split('\n');
    if (!rows.isEmpty() && rows.back().isEmpty()) {
        rows.removeLast();
    }
    return rows;
}

} // namespace

class TestCharts : public QObject {
    Q_OBJECT

private slots:
    void niceTicks_data();
    void niceTicks();
    void tickTexts_data();
    void tickTexts();
    void drawnNumbers_data();
    void drawnNumbers();
    void speciesColours();
    void formulaBounds_data();
    void formulaBounds();
    void layoutFillsTheArea_data();
    void layoutFillsTheArea();
    void framePixels_data();
    void framePixels();
    void markerPixels();
    void equivalencePointPixels();
    void svgKeepsTextsAndCoordinates_data();
    void svgKeepsTextsAndCoordinates();
    void pdfKeepsTexts();
    void pdfDrawingFillsItsPage_data();
    void pdfDrawingFillsItsPage();
    void labelsStayApart_data();
    void labelsStayApart();
    void labelMargins_data();
    void labelMargins();
    void labelOverCurvesAsALastResort_data();
    void labelOverCurvesAsALastResort();
    void boxesBesideALine_data();
    void boxesBesideALine();
    void markLabelTexts_data();
    void markLabelTexts();
    void titrationMarksNamed_data();
    void titrationMarksNamed();
    void labelsKeepClearOfCurves_data();
    void labelsKeepClearOfCurves();
    void readout_data();
    void readout();
    void readoutOutsideTheFrame();
    void newRequestIsDrawnNextTime();
    void fractionsCsv();
    void logcCsv();
    void titrationCsv();
    void imageSize();
    void drawingScale_data();
    void drawingScale();
    void exportScalesLikeASlide_data();
    void exportScalesLikeASlide();
    void textSteps_data();
    void textSteps();
    void drawnInTheUsersLanguage_data();
    void drawnInTheUsersLanguage();
};

void TestCharts::niceTicks_data() {
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("spacing");
    QTest::addColumn<double>("step");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<int>("count");
    QTest::newRow("pH, wide") << 0.0 << 14.0 << 880.0 << 40.0 << 1.0 << 0 << 15;
    QTest::newRow("pH, narrow") << 0.0 << 14.0 << 250.0 << 30.0 << 2.0 << 0 << 8;
    QTest::newRow("fraction, tall") << 0.0 << 1.0 << 540.0 << 35.0 << 0.1 << 1 << 11;
    QTest::newRow("fraction, low") << 0.0 << 1.0 << 130.0 << 30.0 << 0.25 << 2 << 5;
    QTest::newRow("log c") << -14.0 << 0.0 << 540.0 << 35.0 << 1.0 << 0 << 15;
    QTest::newRow("volume") << 0.0 << 60.0 << 880.0 << 40.0 << 5.0 << 0 << 13;
    QTest::newRow("volume not a multiple") << 0.0 << 24.02 << 880.0 << 40.0 << 2.0 << 0 << 13;
    QTest::newRow("small volume") << 0.0 << 0.0003 << 880.0 << 40.0 << 0.00002 << 5 << 16;
}

void TestCharts::niceTicks() {
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(double, length);
    QFETCH(double, spacing);
    QFETCH(double, step);
    QFETCH(int, decimals);
    QFETCH(int, count);
    const charts::AxisTicks ticks = charts::niceTicks(min, max, length, spacing);
    VELMORA_COMPARE_REL(ticks.step, step, 1e-12);
    QCOMPARE(ticks.decimals, decimals);
    QCOMPARE(int(ticks.values.size()), count);
    VELMORA_COMPARE_REL(ticks.values.front(), std::ceil(min / step - 1e-9) * step, 1e-12, 1e-15);
    QVERIFY(ticks.values.back() <= max + step * 1e-9);
    QVERIFY(ticks.step / (max - min) * length >= spacing * (1 - 1e-9));
}

void TestCharts::tickTexts_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");
    QTest::newRow("negative") << -14.0 << 0 << QStringLiteral("\u221214");
    QTest::newRow("quarter") << 0.25 << 2 << QStringLiteral("0.25");
    QTest::newRow("negative zero") << -0.0 << 1 << QStringLiteral("0.0");
    QTest::newRow("rounds to zero") << -1e-17 << 0 << QStringLiteral("0");
    QTest::newRow("half") << 2.5 << 1 << QStringLiteral("2.5");
    QTest::newRow("rounds to zero from below") << -0.004 << 2 << QStringLiteral("0.00");
    QTest::newRow("rounds to a negative") << -0.006 << 2 << QStringLiteral("\u22120.01");
}

void TestCharts::drawnNumbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("decimal, negative zero") << diagram::decimalText(-0.0, 2) << "0.00";
    QTest::newRow("decimal, rounds to zero") << diagram::decimalText(-0.04, 1) << "0.0";
    QTest::newRow("decimal, rounds to a negative") << diagram::decimalText(-0.05001, 1) << "-0.1";
    QTest::newRow("decimal, negative") << diagram::decimalText(-2.25, 2) << "-2.25";
    QTest::newRow("the pH marker a hair below zero") << charts::phMarkerText(-1e-9) << "pH 0.00";
    QTest::newRow("the pH marker below zero") << charts::phMarkerText(-0.5) << "pH -0.50";
    QTest::newRow("the readout's pH a hair below zero")
        << charts::readoutHeading(charts::ChartKind::LogC, -1e-12) << "pH 0.00";
    QTest::newRow("the readout's volume at a hair below zero")
        << charts::readoutHeading(charts::ChartKind::Titration, -1e-12) << "V 0.00 mL";
    const charts::ChartTexts german = germanTexts();
    QTest::newRow("decimal comma") << diagram::decimalText(-2.25, 2, u',') << "-2,25";
    QTest::newRow("decimal comma, whole number") << diagram::decimalText(14.0, 0, u',') << "14";
    QTest::newRow("decimal comma, negative zero") << diagram::decimalText(-0.0, 1, u',') << "0,0";
    QTest::newRow("tick with a comma") << charts::tickText(-0.25, 2, u',') << "\u22120,25";
    QTest::newRow("the pH marker with a comma") << charts::phMarkerText(4.688, german) << "pH 4,69";
    QTest::newRow("the readout's volume with a comma")
        << charts::readoutHeading(charts::ChartKind::Titration, 12.345, german) << "V 12,35 mL";
    QTest::newRow("the readout's fraction with a comma")
        << charts::readoutValueText(charts::ChartKind::Fractions, 0.5123, german) << "51,2 %";
    QTest::newRow("the readout's small fraction with a comma")
        << charts::readoutValueText(charts::ChartKind::Fractions, 0.0004, german) << "<0,1 %";
    QTest::newRow("the readout's log c with a comma")
        << charts::readoutValueText(charts::ChartKind::LogC, -3.214, german) << "\u22123,21";
    QTest::newRow("the readout's fraction with a point")
        << charts::readoutValueText(charts::ChartKind::Fractions, 0.5123) << "51.2 %";
}

void TestCharts::drawnNumbers() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

void TestCharts::tickTexts() {
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(charts::tickText(value, decimals), text);
}

void TestCharts::speciesColours() {
    for (int j = 0; j <= 4; ++j) {
        QCOMPARE(charts::speciesColour(j), diagram::paletteColor(diagram::speciesPaletteIndex(j)));
    }
    for (int j = 5; j <= 6; ++j) {
        for (int other = 0; other < j; ++other) {
            QVERIFY(charts::speciesColour(j) != charts::speciesColour(other));
        }
        QVERIFY(charts::speciesColour(j) != charts::markerColour());
        QVERIFY(charts::speciesColour(j) != QColor(Qt::white));
    }
}

void TestCharts::formulaBounds_data() {
    QTest::addColumn<QString>("formula");
    QTest::addColumn<bool>("raised");
    QTest::addColumn<bool>("lowered");
    QTest::newRow("neutral") << "A" << false << false;
    QTest::newRow("count") << "H2A" << false << true;
    QTest::newRow("caret charge") << "HA^+" << true << false;
    QTest::newRow("count and charge") << "H2A2-" << true << true;
    QTest::newRow("two-digit charge") << "A^12-" << true << false;
}

void TestCharts::formulaBounds() {
    QFETCH(QString, formula);
    QFETCH(bool, raised);
    QFETCH(bool, lowered);
    QImage image(10, 10, QImage::Format_RGB32);
    charts::ChartText text;
    text.prepare(image);
    const QRectF box = text.formulaBounds(formula);
    QCOMPARE(box.top(), raised ? -diagram::kScriptOffset : 0.0);
    const double lowBottom = diagram::kScriptOffset + text.height(charts::TextRole::Script);
    QCOMPARE(box.bottom() > text.height(charts::TextRole::Label) + 1e-9,
             lowered && lowBottom > text.height(charts::TextRole::Label));
    QVERIFY(box.width() > 0.0);
}

void TestCharts::layoutFillsTheArea_data() {
    QTest::addColumn<ChartKind>("kind");
    QTest::addColumn<QSize>("size");
    for (const ChartKind kind : {ChartKind::Fractions, ChartKind::LogC, ChartKind::Titration}) {
        for (const QSize size : {QSize(320, 200), QSize(960, 600), QSize(4096, 4096)}) {
            QTest::addRow("kind %d, %dx%d", int(kind), size.width(), size.height()) << kind << size;
        }
    }
}

void TestCharts::layoutFillsTheArea() {
    QFETCH(ChartKind, kind);
    QFETCH(QSize, size);
    ChartRequest request = phosphateRequest(kind);
    request.size = size;
    charts::SolutionChart chart(request);
    const QImage image = painted(chart, 1.0);
    const charts::AxesLayout& layout = chart.layout();
    const QRect frame = layout.mapping.frame();
    QVERIFY(QRect(QPoint(0, 0), size).contains(frame));
    QVERIFY(frame.width() >= size.width() * 0.75);
    QVERIFY(frame.height() >= size.height() * 0.65);
    // Every tick is inside the axis and their numbers have room.
    QVERIFY(layout.xTicks.values.size() >= 3);
    QVERIFY(layout.yTicks.values.size() >= 3);
    for (const double value : layout.xTicks.values) {
        QVERIFY(value >= chart.data().x.min && value <= chart.data().x.max + 1e-9);
    }
    // The mapping reads back what it maps.
    const charts::PlotMapping& map = layout.mapping;
    for (const double value : layout.xTicks.values) {
        VELMORA_COMPARE_REL(map.xValueAt(map.xOf(value)), value, 1e-12, 1e-12);
    }
    VELMORA_COMPARE_REL(map.xOf(map.xMin()), frame.left() + 0.5, 1e-15);
    VELMORA_COMPARE_REL(map.xOf(map.xMax()), frame.right() + 0.5, 1e-15);
    VELMORA_COMPARE_REL(map.yOf(map.yMin()), frame.bottom() + 0.5, 1e-15);
    VELMORA_COMPARE_REL(map.yOf(map.yMax()), frame.top() + 0.5, 1e-15);
    // White outside the frame's corners.
    QCOMPARE(image.pixel(size.width() - 2, 1), qRgb(255, 255, 255));
}

void TestCharts::framePixels_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("1x") << qreal(1);
    QTest::newRow("2x") << qreal(2);
    QTest::newRow("3x") << qreal(3);
}

void TestCharts::framePixels() {
    QFETCH(qreal, ratio);
    const int r = int(ratio);
    charts::SolutionChart chart(phosphateRequest(ChartKind::Fractions));
    const QImage image = painted(chart, ratio);
    const QRect frame = chart.layout().mapping.frame();
    // The left and bottom lines: exactly one logical pixel of black, white or grid beside them.
    const auto& ticks = chart.layout().yTicks.values;
    const double between = (ticks[0] + ticks[1]) / 2.0;
    const int row = int(std::floor(chart.layout().mapping.yOf(between))) * r;
    for (int d = 0; d < r; ++d) {
        QCOMPARE(image.pixel(frame.left() * r + d, row), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(frame.right() * r + d, row), qRgb(0, 0, 0));
    }
    QCOMPARE(image.pixel(frame.left() * r - 1, row), qRgb(255, 255, 255));
    for (int y = frame.top() * r; y < (frame.bottom() + 1) * r; ++y) {
        QCOMPARE(image.pixel(frame.left() * r, y), qRgb(0, 0, 0));
    }
    for (int x = frame.left() * r; x < (frame.right() + 1) * r; ++x) {
        QCOMPARE(image.pixel(x, frame.bottom() * r + r - 1), qRgb(0, 0, 0));
    }
    // The species' colours are all there, inside the frame.
    for (int j = 0; j < 4; ++j) {
        const QColor colour = charts::speciesColour(j);
        int count = 0;
        for (int y = (frame.top() + 1) * r; y < frame.bottom() * r; y += 1) {
            for (int x = (frame.left() + 1) * r; x < frame.right() * r; x += 1) {
                count += near(image.pixel(x, y), colour, 40) ? 1 : 0;
            }
        }
        QVERIFY2(count > 100 * r, qPrintable(QStringLiteral("species %1: %2").arg(j).arg(count)));
    }
}

void TestCharts::markerPixels() {
    for (const ChartKind kind : {ChartKind::Fractions, ChartKind::LogC}) {
        charts::SolutionChart chart(phosphateRequest(kind));
        const QImage image = painted(chart, 1.0);
        const QRect frame = chart.layout().mapping.frame();
        const int column = int(std::floor(expectedX(frame, kPhosphatePh, 0.0, 14.0)));
        const auto markerRun = [&](int x) {
            int count = 0;
            for (int y = frame.top() + 1; y < frame.bottom(); ++y) {
                count += image.pixel(x, y) == charts::markerColour().rgb() ? 1 : 0;
            }
            return count;
        };
        // The line is one pixel wide and runs through the plot (curves cross it here and there).
        QVERIFY2(markerRun(column) > frame.height() * 0.8, qPrintable(QString::number(column)));
        QCOMPARE(markerRun(column - 1), 0);
        QCOMPARE(markerRun(column + 1), 0);
        QCOMPARE(chart.labels().front().text, QStringLiteral("pH 4.69"));
    }
    // Without a solution there is no marker.
    ChartRequest request = phosphateRequest(ChartKind::Fractions);
    request.showSolution = false;
    const QImage image = charts::chartImage(request);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            QVERIFY(image.pixel(x, y) != charts::markerColour().rgb());
        }
    }
}

void TestCharts::equivalencePointPixels() {
    ChartRequest request = phosphateRequest(ChartKind::Titration);
    request.solution.dissolvedAs = 0;
    charts::SolutionChart chart(request);
    const QImage image = painted(chart, 1.0);
    const QRect frame = chart.layout().mapping.frame();
    // 25 mL of 0.1 mol/L H3PO4 with 0.1 mol/L NaOH: 25, 50, 75 mL, the axis to 90 mL.
    QCOMPARE(chart.data().x.max, 90.0);
    const model::Titrator titrator(request.acid, request.solution, request.titration);
    for (const double volume : {25.0, 50.0, 75.0, 12.5, 37.5, 62.5}) {
        const QPoint dot(int(std::floor(expectedX(frame, volume, 0.0, 90.0))),
                         int(std::floor(expectedY(frame, titrator.pHAt(volume), 0.0, 14.0))));
        const bool whole = std::fmod(volume, 25.0) == 0.0;
        // A filled dot is the marker's colour in the middle; an open one is white there.
        const QRgb centre = image.pixel(dot);
        QVERIFY2(whole ? near(centre, charts::markerColour(), 30)
                       : near(centre, QColor(Qt::white), 30),
                 qPrintable(QStringLiteral("%1 mL").arg(volume)));
        int ring = 0;
        for (int dx = -4; dx <= 4; ++dx) {
            ring += near(image.pixel(dot.x() + dx, dot.y()), charts::markerColour(), 60) ? 1 : 0;
        }
        QVERIFY(ring >= 2);
    }
}

void TestCharts::svgKeepsTextsAndCoordinates_data() {
    QTest::addColumn<ChartKind>("kind");
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("fractions") << ChartKind::Fractions
                               << QStringList{"pH", "fraction α", "pH 4.69", "HA", "2\u2212"};
    QTest::newRow("log c") << ChartKind::LogC
                           << QStringList{"pH", "log c / (mol/L)", "pH 4.69", "OH", "\u2212"};
    QTest::newRow("titration") << ChartKind::Titration
                               << QStringList{"V / mL", "pH", "25.00 mL · pH 9.68",
                                              "equivalence point", "half-equivalence point"};
}

void TestCharts::svgKeepsTextsAndCoordinates() {
    QFETCH(ChartKind, kind);
    QFETCH(QStringList, titles);
    charts::SolutionChart chart(phosphateRequest(kind));
    const SvgContent svg = readSvg(svgOf(chart));
    for (const QString& title : titles) {
        QVERIFY2(svg.texts.contains(title), qPrintable(title + " in " + svg.texts.join(u'|')));
    }
    // Texts stay text: one element or more per tick number, and no outlines of glyphs.
    const auto& layout = chart.layout();
    QVERIFY(svg.textElements >= int(layout.xTicks.values.size() + layout.yTicks.values.size()));
    QCOMPARE(svg.paths, 0);

    const QRect frame = layout.mapping.frame();
    if (kind == ChartKind::Titration) {
        // 25 mL of 0.1 mol/L NaH2PO4: equivalence at 25 and 50 mL, halves at 12.5 and 37.5;
        // then the two dots of the key.
        QCOMPARE(svg.circles.size(), 6);
        const Doubles volumes{12.5, 25.0, 37.5, 50.0};
        for (int i = 0; i < 4; ++i) {
            const double cx = svg.circles[i].value(QLatin1StringView("cx")).toDouble();
            QVERIFY(std::abs(cx - expectedX(frame, volumes[std::size_t(i)], 0.0, 60.0)) < 0.01);
        }
        return;
    }
    const QString marker = charts::markerColour().name();
    const double x = std::floor(expectedX(frame, kPhosphatePh, 0.0, 14.0)) + 0.5;
    bool found = false;
    for (const QXmlStreamAttributes& line : svg.polylines) {
        if (line.value(QLatin1StringView("group-stroke")) != marker) {
            continue;
        }
        const QStringList points =
            line.value(QLatin1StringView("points")).toString().split(u' ', Qt::SkipEmptyParts);
        QCOMPARE(points.size(), 2);
        QCOMPARE(points[0].section(u',', 0, 0).toDouble(), x);
        QCOMPARE(points[1].section(u',', 0, 0).toDouble(), x);
        QCOMPARE(points[0].section(u',', 1, 1).toDouble(), frame.top() + 0.5);
        QCOMPARE(points[1].section(u',', 1, 1).toDouble(), frame.bottom() + 0.5);
        found = true;
    }
    QVERIFY(found);
}

void TestCharts::pdfKeepsTexts() {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QSizeF(720, 450), QPageSize::Point));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(96);
        QPainter painter(&writer);
        paintChart(painter, QRectF(0, 0, 960, 600), phosphateRequest(ChartKind::LogC));
    }
    // Texts drawn as text bring their font into the file; outlines of glyphs would not.
    QVERIFY(pdf.startsWith("%PDF"));
    QVERIFY(pdf.contains("/FontFile2"));
}

void TestCharts::pdfDrawingFillsItsPage_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("chart") << QSize(960, 600);
    QTest::newRow("smallest chart") << QSize(320, 200);
    QTest::newRow("main diagram") << QSize(495, 350);
}

void TestCharts::pdfDrawingFillsItsPage() {
    QFETCH(QSize, size);
    // Green to the page's edges, a red square 100 px from the top left corner.
    const QRect square(100, 100, 100, 80);
    const encode::Drawing drawing{size, QStringLiteral("frame"), [&](QPainter& painter) {
                                      painter.fillRect(QRect(QPoint(0, 0), size), Qt::green);
                                      painter.fillRect(square, Qt::red);
                                  }};
    const std::optional<QByteArray> pdf = encode::encodePdf(drawing);
    QVERIFY(pdf.has_value());
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("frame.pdf")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(*pdf) == pdf->size());
    file.close();
    // The page rendered at 96 dpi: one pixel a logical pixel.
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"),
                  QStringLiteral("-singlefile"), file.fileName(),
                  dir.filePath(QStringLiteral("page"))});
    if (!render.waitForStarted()) {
        QSKIP("pdftoppm (poppler-utils) is not installed");
    }
    QVERIFY(render.waitForFinished(60000));
    QCOMPARE(render.exitCode(), 0);
    const QImage page(dir.filePath(QStringLiteral("page.png")));
    // Points are rounded up to whole pixels: 350 px are 262.5 pt, rendered as 351 px.
    QVERIFY2(page.width() - size.width() >= 0 && page.width() - size.width() <= 1 &&
                 page.height() - size.height() >= 0 && page.height() - size.height() <= 1,
             qPrintable(QStringLiteral("%1x%2").arg(page.width()).arg(page.height())));
    const auto isColour = [&](int x, int y, QColor colour) {
        const QColor pixel = page.pixelColor(x, y);
        return std::abs(pixel.red() - colour.red()) < 40 &&
               std::abs(pixel.green() - colour.green()) < 40 &&
               std::abs(pixel.blue() - colour.blue()) < 40;
    };
    // The drawing reaches every corner of the page.
    const int right = size.width() - 2;
    const int bottom = size.height() - 2;
    for (const QPoint corner :
         {QPoint(1, 1), QPoint(right, 1), QPoint(1, bottom), QPoint(right, bottom)}) {
        QVERIFY2(isColour(corner.x(), corner.y(), Qt::green),
                 qPrintable(QStringLiteral("at %1, %2").arg(corner.x()).arg(corner.y())));
    }
    // The square stands where it was drawn, to a pixel.
    QVERIFY(isColour(square.left() + 1, square.top() + 1, Qt::red));
    QVERIFY(isColour(square.right() - 1, square.bottom() - 1, Qt::red));
    QVERIFY(isColour(square.left() - 2, square.top() + 10, Qt::green));
    QVERIFY(isColour(square.left() + 10, square.top() - 2, Qt::green));
    QVERIFY(isColour(square.right() + 2, square.bottom() - 10, Qt::green));
    QVERIFY(isColour(square.right() - 10, square.bottom() + 2, Qt::green));
}

void TestCharts::labelsStayApart_data() {
    QTest::addColumn<ChartKind>("kind");
    QTest::addColumn<Doubles>("pKa");
    QTest::addColumn<int>("charge");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("labelled"); // at least, marker text included
    const QList<QSize> sizes{QSize(320, 200), QSize(960, 600), QSize(1600, 1000)};
    for (const QSize& size : sizes) {
        const bool roomy = size.width() >= 960;
        for (const ChartKind kind : {ChartKind::Fractions, ChartKind::LogC}) {
            const int water = kind == ChartKind::LogC ? 2 : 0;
            QTest::addRow("six constants, kind %d, %dx%d", int(kind), size.width(), size.height())
                << kind << Doubles{1, 2, 3, 4, 5, 6} << 1 << size << (roomy ? 8 + water : 4);
            QTest::addRow("crowded, kind %d, %dx%d", int(kind), size.width(), size.height())
                << kind << Doubles{4.0, 4.2, 4.4} << 0 << size << (roomy ? 5 + water : 3);
            QTest::addRow("phosphoric, kind %d, %dx%d", int(kind), size.width(), size.height())
                << kind << Doubles{2.148, 7.198, 12.319} << 0 << size << 5 + water;
        }
    }
}

void TestCharts::labelsStayApart() {
    QFETCH(ChartKind, kind);
    QFETCH(Doubles, pKa);
    QFETCH(int, charge);
    QFETCH(QSize, size);
    QFETCH(int, labelled);
    ChartRequest request = phosphateRequest(kind);
    request.acid = model::PolyproticAcid(pKa, charge);
    request.size = size;
    charts::SolutionChart chart(request);
    (void)painted(chart, 1.0);
    const std::vector<charts::PlacedLabel>& labels = chart.labels();
    QVERIFY2(int(labels.size()) >= labelled, qPrintable(QString::number(labels.size())));
    const QRectF inside = chart.layout().mapping.lineFrame().adjusted(0.5, 0.5, -0.5, -0.5);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        QVERIFY2(inside.contains(labels[i].box), qPrintable(labels[i].text));
        for (std::size_t k = i + 1; k < labels.size(); ++k) {
            QVERIFY2(!labels[i].box.intersects(labels[k].box),
                     qPrintable(labels[i].text + " and " + labels[k].text));
        }
    }
}

void TestCharts::labelMargins_data() {
    // A 20 x 10 label at (100, 50) in a 200 x 100 frame: above it (90, 37) when that is free,
    // else below it (90, 53).
    QTest::addColumn<QRectF>("obstacle"); // empty for none
    QTest::addColumn<QPointF>("anchor");
    QTest::addColumn<double>("top");
    const QPointF anchor(100, 50);
    QTest::newRow("free") << QRectF() << anchor << 37.0;
    QTest::newRow("a box 2.1 px above") << QRectF(90, 20, 20, 14.9) << anchor << 37.0;
    QTest::newRow("a box 1.5 px above") << QRectF(90, 20, 20, 15.5) << anchor << 53.0;
    QTest::newRow("a box 1.5 px to the left") << QRectF(60, 37, 28.5, 10) << anchor << 53.0;
    QTest::newRow("a box 1.5 px to the right") << QRectF(111.5, 37, 20, 10) << anchor << 53.0;
    QTest::newRow("a box 2.1 px to the right") << QRectF(112.1, 37, 20, 10) << anchor << 37.0;
    // The frame keeps the same margin.
    QTest::newRow("2.1 px below the frame's top") << QRectF() << QPointF(100, 15.1) << 2.1;
    QTest::newRow("1.5 px below the frame's top") << QRectF() << QPointF(100, 14.5) << 17.5;
}

void TestCharts::labelMargins() {
    QFETCH(QRectF, obstacle);
    QFETCH(QPointF, anchor);
    QFETCH(double, top);
    charts::LabelPlacer placer(QRectF(0, 0, 200, 100));
    if (!obstacle.isEmpty()) {
        placer.addObstacle(obstacle);
    }
    const std::optional<QRectF> box = placer.place({anchor}, QSizeF(20, 10));
    QVERIFY(box.has_value());
    QCOMPARE(box->left(), anchor.x() - 10.0);
    QVERIFY2(std::abs(box->top() - top) < 1e-9, qPrintable(QString::number(box->top())));
    // A second label for the same place keeps the margin from the first (or goes further on).
    const std::optional<QRectF> next = placer.place({anchor, QPointF(30, 50)}, QSizeF(20, 10));
    QVERIFY(next.has_value());
    QVERIFY(!next->intersects(box->adjusted(-charts::kLabelMargin, -charts::kLabelMargin,
                                            charts::kLabelMargin, charts::kLabelMargin)));
}

void TestCharts::labelOverCurvesAsALastResort_data() {
    // Curves every pixel across the whole frame: no place is clear of them, so the label takes
    // the first place clear of the boxes.
    QTest::addColumn<QRectF>("obstacle");
    QTest::addColumn<QRectF>("expected");
    QTest::newRow("nothing in the way") << QRectF() << QRectF(90, 37, 20, 10);
    QTest::newRow("above taken") << QRectF(90, 30, 20, 10) << QRectF(90, 53, 20, 10);
    // Every place by the first anchor taken: the second anchor's first free place, its upper
    // right corner.
    QTest::newRow("first anchor boxed in") << QRectF(60, 20, 80, 60) << QRectF(153, 37, 20, 10);
}

void TestCharts::labelOverCurvesAsALastResort() {
    QFETCH(QRectF, obstacle);
    QFETCH(QRectF, expected);
    charts::LabelPlacer placer(QRectF(0, 0, 200, 100));
    for (int y = 0; y < 100; ++y) {
        placer.addCurve({QPointF(0, y + 0.5), QPointF(200, y + 0.5)});
    }
    if (!obstacle.isEmpty()) {
        placer.addObstacle(obstacle);
    }
    const std::vector<QPointF> anchors{QPointF(100, 50), QPointF(150, 50)};
    const std::optional<QRectF> box = placer.place(anchors, QSizeF(20, 10));
    QVERIFY(box.has_value());
    QCOMPARE(*box, expected);
    // The place is taken now: the next label goes elsewhere, clear of it.
    const std::optional<QRectF> next = placer.place(anchors, QSizeF(20, 10));
    QVERIFY(next.has_value());
    QVERIFY(!next->intersects(*box));
    // Where no place is clear of the boxes either, the label is left out.
    charts::LabelPlacer full(QRectF(0, 0, 200, 100));
    full.addObstacle(QRectF(0, 0, 200, 100));
    QVERIFY(!full.place(anchors, QSizeF(20, 10)).has_value());
}

void TestCharts::boxesBesideALine_data() {
    // A 20 x 10 box beside a line at x in a 200 x 100 frame, 3 px from it and from the top.
    QTest::addColumn<double>("x");
    QTest::addColumn<QList<QRectF>>("first");
    QTest::addColumn<int>("count");
    QTest::newRow("room both sides")
        << 100.0
        << QList<QRectF>{QRectF(103, 3, 20, 10), QRectF(77, 3, 20, 10), QRectF(103, 8, 20, 10)}
        << 2 * 18;
    QTest::newRow("right only") << 20.0
                                << QList<QRectF>{QRectF(23, 3, 20, 10), QRectF(23, 8, 20, 10)}
                                << 18;
    QTest::newRow("left only") << 180.0
                               << QList<QRectF>{QRectF(157, 3, 20, 10), QRectF(157, 8, 20, 10)}
                               << 18;
    QTest::newRow("no room") << 100.0 << QList<QRectF>{} << 0;
}

void TestCharts::boxesBesideALine() {
    QFETCH(double, x);
    QFETCH(QList<QRectF>, first);
    QFETCH(int, count);
    const QRectF bounds(0, 0, 200, 100);
    const QSizeF size = count == 0 ? QSizeF(110, 10) : QSizeF(20, 10);
    const std::vector<QRectF> boxes = charts::boxesBesideLine(x, size, bounds, 3.0, 5.0);
    QCOMPARE(int(boxes.size()), count);
    for (int i = 0; i < first.size(); ++i) {
        QCOMPARE(boxes[std::size_t(i)], first[i]);
    }
    for (const QRectF& box : boxes) {
        QVERIFY(bounds.adjusted(2, 2, -2, -2).contains(box));
        QVERIFY(box.left() >= x + 3.0 || box.right() <= x - 3.0);
    }
}

void TestCharts::markLabelTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const charts::MarkTexts english;
    QTest::newRow("equivalence") << charts::equivalenceLabel(english, 25.0, 8.7295)
                                 << QStringLiteral("25.00 mL · pH 8.73");
    QTest::newRow("equivalence below a millilitre")
        << charts::equivalenceLabel(english, 0.25, 7.0) << QStringLiteral("0.250 mL · pH 7.00");
    QTest::newRow("equivalence at a microlitre")
        << charts::equivalenceLabel(english, 0.001, 7.0) << QStringLiteral("0.00100 mL · pH 7.00");
    QTest::newRow("equivalence at a large volume")
        << charts::equivalenceLabel(english, 1234.5, 11.5)
        << QStringLiteral("1234.50 mL · pH 11.50");
    // Acetic acid half-way: pH 4.7605 against pKa 4.76.
    QTest::newRow("half-way, equal at the shown digits")
        << charts::halfEquivalenceLabel(english, 4.760452, 4.76, 1, 1)
        << QStringLiteral("pH = pKa = 4.76");
    QTest::newRow("half-way, second of three constants")
        << charts::halfEquivalenceLabel(english, 7.197999, 7.198, 2, 3)
        << QStringLiteral("pH = pKa2 = 7.20");
    QTest::newRow("half-way, near but not equal")
        << charts::halfEquivalenceLabel(english, 4.79, 4.76, 1, 1)
        << QStringLiteral("pH 4.79 ≈ pKa");
    QTest::newRow("half-way, just under 0.05 apart")
        << charts::halfEquivalenceLabel(english, 4.8099, 4.76, 1, 2)
        << QStringLiteral("pH 4.81 ≈ pKa1");
    QTest::newRow("half-way, just over 0.05 apart")
        << charts::halfEquivalenceLabel(english, 4.8101, 4.76, 1, 1) << QStringLiteral("pH 4.81");
    QTest::newRow("half-way below pKa") << charts::halfEquivalenceLabel(english, 4.72, 4.76, 1, 1)
                                        << QStringLiteral("pH 4.72 ≈ pKa");
    // Phosphoric acid's first proton is too strong: half-way the pH is well above pKa1.
    QTest::newRow("half-way, a strong acid")
        << charts::halfEquivalenceLabel(english, 2.27, 2.148, 1, 3) << QStringLiteral("pH 2.27");
    QTest::newRow("half-way below zero") << charts::halfEquivalenceLabel(english, -0.5, -0.5, 1, 1)
                                         << QStringLiteral("pH = pKa = \u22120.50");
    QTest::newRow("another decimal sign") << charts::equivalenceLabel(english, 25.0, 8.73, u',')
                                          << QStringLiteral("25,00 mL · pH 8,73");
}

void TestCharts::markLabelTexts() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

void TestCharts::titrationMarksNamed_data() {
    // The labels of the drawn marks in order of volume, their pH worked out on paper: acetic acid
    // 4.76 half-way and 8.73 at 25 mL (0.05 mol/L acetate, pKb 9.24); ammonia 9.25 half-way and
    // 5.28 at 25 mL (0.05 mol/L NH4Cl).
    QTest::addColumn<ChartRequest>("request");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("acetic acid with NaOH") << titrationRequest({4.76}, 0, 0, model::Titrant::Base)
                                           << QStringList{"pH = pKa = 4.76", "25.00 mL · pH 8.73"};
    QTest::newRow("ammonia with HCl") << titrationRequest({9.25}, 1, 1, model::Titrant::Acid)
                                      << QStringList{"pH = pKa = 9.25", "25.00 mL · pH 5.28"};
    // Phosphoric acid: only pKa2 is both weak and strong enough to be read off half-way.
    ChartRequest phosphoric = titrationRequest({2.148, 7.198, 12.319}, 0, 0, model::Titrant::Base);
    const model::Titrator titrator(phosphoric.acid, phosphoric.solution, phosphoric.titration);
    const auto ph = [&](double volume) { return diagram::decimalText(titrator.pHAt(volume), 2); };
    QTest::newRow("phosphoric acid with NaOH")
        << phosphoric << QStringList{"pH " + ph(12.5),   "25.00 mL · pH " + ph(25.0),
                                     "pH = pKa2 = 7.20", "50.00 mL · pH " + ph(50.0),
                                     "pH " + ph(62.5),   "75.00 mL · pH " + ph(75.0)};
}

void TestCharts::titrationMarksNamed() {
    QFETCH(ChartRequest, request);
    QFETCH(QStringList, labels);
    const charts::ChartData data = charts::chartData(request);
    QStringList texts;
    for (const charts::ChartMark& mark : data.marks) {
        texts << mark.text;
    }
    QCOMPARE(texts, labels);
    QCOMPARE(data.markKey.filled, QStringLiteral("equivalence point"));
    QCOMPARE(data.markKey.open, QStringLiteral("half-equivalence point"));
    // A drawing without marks has no key.
    request.solution.dissolvedAs =
        request.titration.titrant == model::Titrant::Base ? request.acid.constantCount() : 0;
    QVERIFY(charts::chartData(request).markKey.isEmpty());
}

void TestCharts::labelsKeepClearOfCurves_data() {
    QTest::addColumn<ChartRequest>("request");
    QTest::addColumn<int>("labels"); // every one that is to be placed, the key included
    const QList<QSize> sizes{QSize(480, 300), QSize(960, 600), QSize(1600, 1000)};
    for (const QSize& size : sizes) {
        const auto row = [&](const char* name, ChartRequest request, int labels) {
            request.size = size;
            QTest::addRow("%s, %dx%d", name, size.width(), size.height()) << request << labels;
        };
        row("acetic acid", titrationRequest({4.76}, 0, 0, model::Titrant::Base), 3);
        row("carbonic acid", titrationRequest({6.35, 10.33}, 0, 0, model::Titrant::Base), 5);
        row("phosphoric acid", titrationRequest({2.148, 7.198, 12.319}, 0, 0, model::Titrant::Base),
            7);
        row("ammonia with HCl", titrationRequest({9.25}, 1, 1, model::Titrant::Acid), 3);
        row("Na3PO4 with HCl", titrationRequest({2.148, 7.198, 12.319}, 0, 3, model::Titrant::Acid),
            7);
        // The fractions of 0.1 mol/L acetic acid: the acid's curve runs along the top at pH 2.88.
        ChartRequest fractions = titrationRequest({4.76}, 0, 0, model::Titrant::Base);
        fractions.kind = ChartKind::Fractions;
        fractions.showSolution = true;
        row("acetic acid's fractions", fractions, 3);
        fractions.kind = ChartKind::LogC;
        row("acetic acid's log c", fractions, 5);
    }
}

void TestCharts::labelsKeepClearOfCurves() {
    QFETCH(ChartRequest, request);
    QFETCH(int, labels);
    charts::SolutionChart chart(request);
    (void)painted(chart, 1.0);
    const std::vector<charts::PlacedLabel>& placed = chart.labels();
    QCOMPARE(int(placed.size()), labels);
    const std::vector<std::vector<QPointF>> lines = drawnLines(chart);
    const QRectF inside = chart.layout().mapping.lineFrame();
    const auto onLabel = [&](const QRectF& box, std::size_t own) {
        for (std::size_t i = 0; i < placed.size(); ++i) {
            if (i != own && placed[i].box.intersects(box)) {
                return true;
            }
        }
        return false;
    };
    const auto onLine = [&](const QRectF& box) {
        return std::any_of(lines.begin(), lines.end(), [&](const std::vector<QPointF>& line) {
            return crossesLine(box, line);
        });
    };
    const auto clear = [&](const QRectF& box, const QString& what, std::size_t own) {
        QVERIFY2(inside.contains(box), qPrintable(what));
        QVERIFY2(!onLabel(box, own), qPrintable(what + " on a label"));
        QVERIFY2(!onLine(box), qPrintable(what + " on a line"));
    };
    for (std::size_t i = 0; i < placed.size(); ++i) {
        clear(placed[i].box, placed[i].text, i);
    }
    // The readout's box, over the marks and across the plot, keeps clear of them all too.
    charts::ChartText text;
    QImage scratch(10, 10, QImage::Format_RGB32);
    text.prepare(scratch, chart.layout().style.textScale);
    const charts::PlotMapping& map = chart.layout().mapping;
    const double gap = 8.0 * chart.layout().style.scale;
    std::vector<double> values = chart.markValues();
    for (int i = 1; i < 10; ++i) {
        values.push_back(map.xMin() + (map.xMax() - map.xMin()) * i / 10.0);
    }
    for (const double value : values) {
        const charts::ChartReadout readout = chart.readoutAtValue(value);
        const double x = charts::crispLine(map.xOf(readout.x));
        const QSizeF size = charts::readoutBoxSize(chart.layout(), readout, request.kind, text);
        const QRectF box = charts::readoutBox(chart.layout(), x, size, chart.placed());
        const QString what = QStringLiteral("the readout at %1").arg(value);
        QVERIFY2(box.left() >= x + gap || box.right() <= x - gap, qPrintable(what));
        // Over a crowded plot it may have to sit on a curve, but only where every place beside
        // its line, from the top down in whole pixels, is taken (with a grid cell to spare: the
        // placer finds curves in cells of two pixels).
        bool roomBeside = false;
        for (double top = inside.top() + gap; top + size.height() < inside.bottom(); top += 1.0) {
            for (const double left : {x + gap, x - gap - size.width()}) {
                const QRectF place(QPointF(std::round(left) + 0.5, top), size);
                roomBeside = roomBeside || (inside.adjusted(2, 2, -2, -2).contains(place) &&
                                            !onLabel(place.adjusted(-2, -2, 2, 2), placed.size()) &&
                                            !onLine(place.adjusted(-3, -3, 3, 3)));
            }
        }
        if (roomBeside) {
            clear(box, what, placed.size());
        } else {
            QVERIFY2(!onLabel(box, placed.size()), qPrintable(what + " on a label"));
        }
    }
}

void TestCharts::readout_data() {
    QTest::addColumn<ChartKind>("kind");
    QTest::addColumn<double>("at");
    QTest::newRow("fractions at pH 7") << ChartKind::Fractions << 7.0;
    QTest::newRow("log c at pH 3.25") << ChartKind::LogC << 3.25;
    QTest::newRow("titration at 25 mL") << ChartKind::Titration << 25.0;
    QTest::newRow("buffer capacity at pH 6.5") << ChartKind::Buffer << 6.5;
    QTest::newRow("derivative at 12.5 mL") << ChartKind::Derivative << 12.5;
    QTest::newRow("Gran at 12.5 mL") << ChartKind::Gran << 12.5;
}

void TestCharts::readout() {
    QFETCH(ChartKind, kind);
    QFETCH(double, at);
    charts::SolutionChart chart(phosphateRequest(kind));
    (void)painted(chart, 1.0);
    const QRect frame = chart.layout().mapping.frame();
    const double x = expectedX(frame, at, chart.data().x.min, chart.data().x.max);
    const charts::ChartReadout readout = chart.readoutAt(x);
    QVERIFY(readout.inside);
    VELMORA_COMPARE_REL(readout.x, at, 1e-12);
    const model::PolyproticAcid& acid = chart.request().acid;
    switch (kind) {
    case ChartKind::Fractions: {
        QCOMPARE(readout.values.size(), std::size_t(4));
        // Phosphoric acid at pH 7, from the independent calculation.
        const Doubles exact{8.605538114832316e-06, 0.6120374999527535, 0.3879520333734629,
                            1.8611356687586693e-06};
        for (std::size_t j = 0; j < 4; ++j) {
            VELMORA_COMPARE_REL(readout.values[j].value, exact[j], 1e-12);
            QCOMPARE(readout.values[j].name, QString::fromStdString(acid.speciesName(int(j))));
        }
        break;
    }
    case ChartKind::LogC:
        QCOMPARE(readout.values.size(), std::size_t(6));
        QCOMPARE(readout.values[0].value, -3.25);
        QCOMPARE(readout.values[1].value, 3.25 - 14.0);
        for (std::size_t j = 0; j < 4; ++j) {
            VELMORA_COMPARE_REL(readout.values[j + 2].value,
                                std::log10(0.1 * acid.fractions(3.25)[j]), 1e-12);
        }
        break;
    case ChartKind::Titration:
        // 25 mL of NaH2PO4 with as much NaOH: Na2HPO4 at 0.05 mol/L.
        QCOMPARE(readout.values.size(), std::size_t(1));
        QCOMPARE(QString::number(readout.values[0].value, 'f', 2), QStringLiteral("9.68"));
        break;
    case ChartKind::Buffer: {
        QCOMPARE(readout.values.size(), std::size_t(1));
        const test::ReferenceMixture phosphate{{{{2.148, 7.198, 12.319}, 0.1, 1}}};
        VELMORA_COMPARE_REL(readout.values[0].value, test::referenceBufferCapacity(phosphate, 6.5),
                            1e-7);
        break;
    }
    case ChartKind::Derivative: {
        QCOMPARE(readout.values.size(), std::size_t(1));
        const test::ReferenceMixture phosphate{{{{2.148, 7.198, 12.319}, 0.1, 1}}};
        const test::ReferenceMixture naoh{{}, 0.1};
        VELMORA_COMPARE_REL(readout.values[0].value,
                            test::referenceSlope(phosphate, 25.0, naoh, 12.5), 1e-6);
        break;
    }
    case ChartKind::Gran: {
        // Before the end point at 25 mL, V·10^−pH of the weak acid H2PO4−, in a scale of its own:
        // two of its values stand as the function's; after it the excess base's line.
        QCOMPARE(readout.values.size(), std::size_t(2));
        QCOMPARE(readout.values[0].name, QStringLiteral("before"));
        QCOMPARE(readout.values[1].name, QStringLiteral("after"));
        const test::ReferenceMixture phosphate{{{{2.148, 7.198, 12.319}, 0.1, 1}}};
        const test::ReferenceMixture naoh{{}, 0.1};
        const auto gran = [&](double volume) {
            return volume *
                   std::pow(10.0, -test::referenceTitrationPh(phosphate, 25.0, naoh, volume));
        };
        const double at10 = chart.readoutAtValue(10.0).values[0].value;
        VELMORA_COMPARE_REL(readout.values[0].value / at10, gran(12.5) / gran(10.0), 0.005);
        QVERIFY(readout.values[1].value < 0.0); // before the excess titrant's end volume
        break;
    }
    }
}

void TestCharts::readoutOutsideTheFrame() {
    charts::SolutionChart chart(phosphateRequest(ChartKind::Fractions));
    QVERIFY(!chart.readoutAt(400).inside); // nothing painted yet
    (void)painted(chart, 1.0);
    const QRect frame = chart.layout().mapping.frame();
    QVERIFY(!chart.readoutAt(frame.left() - 3).inside);
    QVERIFY(!chart.readoutAt(frame.right() + 3).inside);
    QVERIFY(chart.readoutAt(frame.right()).inside);
    const charts::ChartReadout byValue = chart.readoutAtValue(14.5);
    QVERIFY(!byValue.inside);
    QCOMPARE(byValue.x, 14.0);
}

void TestCharts::newRequestIsDrawnNextTime() {
    charts::SolutionChart chart(phosphateRequest(ChartKind::Fractions));
    (void)painted(chart, 1.0);
    QCOMPARE(chart.data().curves.size(), std::size_t(4));
    ChartRequest request = chart.request();
    const std::array<double, 1> acetic{4.76};
    request.acid = model::PolyproticAcid(acetic);
    request.solution.dissolvedAs = 0;
    chart.setRequest(request);
    QCOMPARE(chart.data().curves.size(), std::size_t(2));
    QCOMPARE(chart.data().markerText, QStringLiteral("pH 2.88"));
    (void)painted(chart, 1.0);
    QCOMPARE(chart.labels().size(), std::size_t(3)); // the marker's value, HA and A-
    QCOMPARE(chart.labels()[1].text, QStringLiteral("HA"));
    QCOMPARE(chart.labels()[2].text, QStringLiteral("A-"));
}

void TestCharts::fractionsCsv() {
    const model::PolyproticAcid acid(kPhosphoric, 0, {"H3PO4", "H2PO4^-", "HPO4^2-", "PO4^3-"});
    const QList<QByteArray> rows = csvRows(charts::solutionFractionsCsv(acid, 0.1));
    QCOMPARE(rows.front(), QByteArray("pH,H3PO4,H2PO4^-,HPO4^2-,PO4^3-"));
    QCOMPARE(rows.size(), 142);
    QVERIFY(rows.back().startsWith("14,"));
    QVERIFY(rows[4].startsWith("0.3,"));
    // Row pH 7 reads back to the very fractions the model gives.
    const QList<QByteArray> row = rows[71].split(',');
    QCOMPARE(row[0], QByteArray("7"));
    const model::SpeciesValues alpha = acid.fractions(7.0);
    for (int j = 0; j < 4; ++j) {
        QCOMPARE(row[j + 1].toDouble(), alpha[std::size_t(j)]);
    }
}

void TestCharts::logcCsv() {
    const std::array<double, 1> acetic{4.76};
    const model::PolyproticAcid acid(acetic);
    const QList<QByteArray> rows = csvRows(charts::logcCsv(acid, 0.1, 0.5));
    QCOMPARE(rows.front(), QByteArray("pH,log[H+],log[OH-],HA,A-"));
    QCOMPARE(rows.size(), 30);
    QVERIFY(rows[1].startsWith("0,0,-14,"));
    const QList<QByteArray> last = rows.back().split(',');
    QCOMPARE(last[0], QByteArray("14"));
    QCOMPARE(last[1], QByteArray("-14"));
    QCOMPARE(last[2], QByteArray("0"));
    // log c of HA at pH 14: log 0.1 + log α0, α0 = 10^-9.24 / (1 + 10^-9.24).
    VELMORA_COMPARE_REL(last[3].toDouble(), -1.0 - 9.24 - std::log10(1.0 + std::pow(10.0, -9.24)),
                        1e-12);
}

void TestCharts::titrationCsv() {
    const std::array<double, 1> acetic{4.76};
    const model::PolyproticAcid acid(acetic);
    const model::Titration titration{50.0, model::Titrant::Base, 0.1, 0.0};
    const QList<QByteArray> rows =
        csvRows(charts::titrationCsv(acid, model::Solution{}, titration, 0.05));
    QCOMPARE(rows.front(), QByteArray("V/mL,pH"));
    // To 60 mL, 20 % past the equivalence point at 50 mL, every 0.05 mL: 1201 rows.
    QCOMPARE(rows.size(), 1202);
    QVERIFY(rows[1].startsWith("0,"));
    QVERIFY(rows.back().startsWith("60,"));
    QCOMPARE(rows[501].split(',')[0], QByteArray("25"));
    QCOMPARE(QString::number(rows[501].split(',')[1].toDouble(), 'f', 4), QStringLiteral("4.7605"));
    QCOMPARE(QString::number(rows[1001].split(',')[1].toDouble(), 'f', 4),
             QStringLiteral("8.7295"));
    ChartRequest request;
    request.kind = ChartKind::Titration;
    request.acid = acid;
    request.titration = titration;
    QCOMPARE(charts::chartCsvRows(request, 0.05), 1201.0);
}

void TestCharts::imageSize() {
    ChartRequest request = phosphateRequest(ChartKind::LogC);
    request.size = QSize(320, 200);
    const QImage image = charts::chartImage(request, 2.0);
    QCOMPARE(image.size(), QSize(640, 400));
    QCOMPARE(image.devicePixelRatio(), 1.0);
    QCOMPARE(image.pixel(0, 0), qRgb(255, 255, 255));
}

void TestCharts::drawingScale_data() {
    QTest::addColumn<QSizeF>("size");
    QTest::addColumn<double>("scale");
    QTest::newRow("the design size") << QSizeF(960, 600) << 1.0;
    QTest::newRow("twice as large") << QSizeF(1920, 1200) << 2.0;
    QTest::newRow("wide: the height decides") << QSizeF(1920, 1080) << 1.8;
    QTest::newRow("tall: the width decides") << QSizeF(1200, 1200) << 1.25;
    QTest::newRow("a maximised window") << QSizeF(1600, 1000) << 1600.0 / 960.0;
    QTest::newRow("smaller keeps the design's texts") << QSizeF(480, 300) << 1.0;
    QTest::newRow("the smallest chart") << QSizeF(320, 200) << 1.0;
    QTest::newRow("an 8K screen") << QSizeF(7680, 4320) << 7.2;
    QTest::newRow("larger than any screen") << QSizeF(32767, 32767) << charts::kMaxDrawingScale;
    QTest::newRow("empty") << QSizeF(0, 0) << 1.0;
}

void TestCharts::drawingScale() {
    QFETCH(QSizeF, size);
    QFETCH(double, scale);
    VELMORA_COMPARE_REL(charts::drawingScale(size), scale, 1e-12);
}

void TestCharts::exportScalesLikeASlide_data() {
    QTest::addColumn<ChartKind>("kind");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<double>("scale"); ///< of the texts, against 960x600
    for (const ChartKind kind : {ChartKind::Fractions, ChartKind::LogC, ChartKind::Titration}) {
        QTest::addRow("kind %d, 1920x1200 (a projector)", int(kind))
            << kind << QSize(1920, 1200) << 2.0;
        QTest::addRow("kind %d, 1920x1080", int(kind)) << kind << QSize(1920, 1080) << 1.8;
        QTest::addRow("kind %d, 480x300", int(kind)) << kind << QSize(480, 300) << 1.0;
    }
    QTest::newRow("fractions, 4096x4096")
        << ChartKind::Fractions << QSize(4096, 4096) << 4096.0 / 960.0;
}

void TestCharts::exportScalesLikeASlide() {
    QFETCH(ChartKind, kind);
    QFETCH(QSize, size);
    QFETCH(double, scale);
    ChartRequest request = phosphateRequest(kind);
    const QByteArray designSvg = exportedSvg(request);
    request.size = size;
    const QByteArray svg = exportedSvg(request);
    const QList<double> design = tickNumberSizes(designSvg);
    const QList<double> sizes = tickNumberSizes(svg);
    QVERIFY(design.size() >= 6);
    QVERIFY(sizes.size() >= 6);
    // The tick numbers are drawn the scale times the design's size.
    VELMORA_COMPARE_REL(sizes.front(), design.front() * scale, 0.01);
    if (size.width() >= 1920 && size.height() >= 1200) {
        QVERIFY(sizes.front() >= 1.6 * design.front());
    }
    // The ticks keep about their number where the chart keeps its shape.
    if (scale > 1.0 && std::abs(double(size.width()) / size.height() - 1.6) < 0.01) {
        QVERIFY(std::abs(sizes.size() - design.size()) <= 2);
    }
    // The curves' lines and the frame grow too.
    charts::SolutionChart designChart(phosphateRequest(kind));
    charts::SolutionChart chart(request);
    static_cast<void>(painted(designChart, 1.0));
    static_cast<void>(painted(chart, 1.0));
    QCOMPARE(chart.layout().style.scale, charts::drawingScale(QSizeF(size)));
    // The curve of the first species (or the titration's) is a line `scale` pixels wide.
    const QString colour = kind == ChartKind::Titration ? diagram::paletteColor(1).name()
                                                        : charts::speciesColour(0).name();
    int curves = 0;
    for (const QXmlStreamAttributes& line : readSvg(svg).polylines) {
        if (line.value(QLatin1StringView("group-stroke")) == colour) {
            ++curves;
            VELMORA_COMPARE_REL(
                line.value(QLatin1StringView("group-stroke-width")).toString().toDouble(), scale,
                1e-6);
        }
    }
    QVERIFY(curves >= 1);
    QCOMPARE(charts::axisLineWidth(chart.layout().style.scale), std::max(1.0, std::round(scale)));
}

void TestCharts::textSteps_data() {
    QTest::addColumn<int>("step");
    QTest::addColumn<double>("scale");
    QTest::newRow("normal") << 0 << 1.0;
    QTest::newRow("one larger") << 1 << 1.15;
    QTest::newRow("the largest") << charts::kLargestTextStep << std::pow(1.15, 6);
    QTest::newRow("past the largest") << charts::kLargestTextStep + 4 << std::pow(1.15, 6);
    QTest::newRow("the smallest") << charts::kSmallestTextStep << std::pow(1.15, -3);
    QTest::newRow("past the smallest") << -40 << std::pow(1.15, -3);
}

void TestCharts::textSteps() {
    QFETCH(int, step);
    QFETCH(double, scale);
    VELMORA_COMPARE_REL(charts::textStepScale(step), scale, 1e-12);
    // The texts of the exported chart are that much larger; its lines are not.
    ChartRequest request = phosphateRequest(ChartKind::Fractions);
    request.size = QSize(1920, 1200);
    const QList<double> normal = tickNumberSizes(exportedSvg(request));
    request.textStep = step;
    const QList<double> sizes = tickNumberSizes(exportedSvg(request));
    QVERIFY(!normal.isEmpty() && !sizes.isEmpty());
    VELMORA_COMPARE_REL(sizes.front(), normal.front() * scale, 0.01);
    charts::SolutionChart chart(request);
    static_cast<void>(painted(chart, 1.0));
    QCOMPARE(chart.layout().style.scale, 2.0);
    VELMORA_COMPARE_REL(chart.layout().style.textScale, 2.0 * scale, 1e-12);
}

void TestCharts::drawnInTheUsersLanguage_data() {
    QTest::addColumn<ChartKind>("kind");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("title");
    QTest::addColumn<double>("endVolume"); ///< a titration's, 0 for its default
    QTest::newRow("fractions") << ChartKind::Fractions << QStringList{"Anteil α", "pH 4,69", "0,2"}
                               << "Speziesanteile in Abhängigkeit vom pH-Wert" << 0.0;
    QTest::newRow("log c") << ChartKind::LogC << QStringList{"log c / (mol/L)", "pH 4,69"}
                           << "log-c-pH-Diagramm" << 0.0;
    QTest::newRow("titration") << ChartKind::Titration
                               << QStringList{"V / mL", "25,00 mL · pH 9,68", "pH = pKa2 = 7,20"}
                               << "Titrationskurve" << 0.0;
    // The first drops: the volume's ticks have decimals.
    QTest::newRow("titration's start")
        << ChartKind::Titration << QStringList{"V / mL", "0,5"} << "Titrationskurve" << 2.0;
}

void TestCharts::drawnInTheUsersLanguage() {
    QFETCH(ChartKind, kind);
    QFETCH(QStringList, shown);
    QFETCH(QString, title);
    QFETCH(double, endVolume);
    ChartRequest request = phosphateRequest(kind);
    request.titration.endVolume = endVolume;
    request.texts = germanTexts();
    const QByteArray svg = exportedSvg(request);
    const SvgContent content = readSvg(svg);
    for (const QString& text : shown) {
        QVERIFY2(content.texts.contains(text),
                 qPrintable(text + " in " + content.texts.join(u'|')));
    }
    QVERIFY2(svg.contains("<title>" + title.toUtf8() + "</title>"), svg.left(600).constData());
    // No number is written with a point.
    static const QRegularExpression pointed(QStringLiteral("\\d\\.\\d"));
    for (const SizedText& text : sizedTexts(svg)) {
        QVERIFY2(!pointed.match(text.text).hasMatch(), qPrintable(text.text));
    }
    // The data stay English with a point.
    ChartRequest english = request;
    english.texts = {};
    QCOMPARE(charts::chartCsv(request, 0.5), charts::chartCsv(english, 0.5));
}

QTEST_MAIN(TestCharts)
#include "test_charts.moc"
