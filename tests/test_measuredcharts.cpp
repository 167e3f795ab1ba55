// SPDX-License-Identifier: GPL-3.0-or-later
// Measured titrations on the charts: the points over the model with their residuals, the measured
// first differences, Gran's plot and its lines, the end points' lines, the data files and the
// residual strip's layout, checked against the tests' own charge balance.

#include "referencechemistry.h"
#include "syntheticnoise.h"
#include "testsupport.h"

#include "charts/chartaxes.h"
#include "charts/chartdata.h"
#include "charts/solutionchart.h"
#include "charts/solutiondata.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include <array>
#include <cmath>
#include <vector>

using namespace velmora;
using charts::ChartKind;
using charts::ChartRequest;

Q_DECLARE_METATYPE(ChartKind)

namespace {

constexpr std::array<double, 1> kAcetic{4.76};
const test::ReferenceMixture kAceticAcid{{{{4.76}, 0.1, 0}}, 0.0, 0.0};
const test::ReferenceMixture kSodiumHydroxide{{}, 0.1, 0.0};

/** 25 mL of 0.1 mol/L acetic acid and 0.1 mol/L NaOH: the end point at 25 mL. */
constexpr double kEquivalence = 25.0;

/** Measured every `step` mL to `end` mL: the tests' own pH, noise added, the meter's offset. */
std::vector<model::TitrationPoint> measuredAcetic(double step, double end, double offset,
                                                  unsigned int seed) {
    test::Noise noise(seed, 0.01);
    std::vector<model::TitrationPoint> points;
    for (int i = 0; i * step <= end + 1e-9; ++i) {
        const double volume = i * step;
        points.push_back(
            {volume, test::referenceTitrationPh(kAceticAcid, 25.0, kSodiumHydroxide, volume) +
                         offset + noise.next()});
    }
    return points;
}

ChartRequest aceticRequest(ChartKind kind, std::vector<model::TitrationPoint> measured,
                           double offset = 0.0) {
    ChartRequest request;
    request.kind = kind;
    request.acid = model::PolyproticAcid(kAcetic);
    request.solution = {0.1, 0, 0.0, 0.0};
    request.measured = std::move(measured);
    request.pHOffset = offset;
    return request;
}

double modelPh(double volume) {
    return test::referenceTitrationPh(kAceticAcid, 25.0, kSodiumHydroxide, volume);
}

QImage painted(charts::SolutionChart& chart) {
    QImage image(chart.request().size, QImage::Format_RGB32);
    QPainter painter(&image);
    chart.paint(painter, QRectF(QPointF(0, 0), QSizeF(chart.request().size)));
    return image;
}

QList<QByteArray> csvLines(const QByteArray& csv) {
    QList<QByteArray> lines = csv.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

} // namespace

class TestMeasuredCharts : public QObject {
    Q_OBJECT

private slots:
    void titration_data();
    void titration();
    void derivative();
    void derivativeFarFromTheModel();
    void mixtureReachesTheMeasured();
    void gran();
    void granOfTheModel();
    void dataFiles();
    void residualStrip_data();
    void residualStrip();
};

void TestMeasuredCharts::titration_data() {
    QTest::addColumn<double>("offset");
    QTest::addColumn<double>("end");
    QTest::newRow("calibrated meter") << 0.0 << 36.0;
    QTest::newRow("meter reading 0.08 high") << 0.08 << 36.0;
    QTest::newRow("measured within the model's end") << 0.0 << 28.0;
}

void TestMeasuredCharts::titration() {
    QFETCH(double, offset);
    QFETCH(double, end);
    const std::vector<model::TitrationPoint> measured = measuredAcetic(0.5, end, offset, 11);
    const charts::ChartData data =
        charts::chartData(aceticRequest(ChartKind::Titration, measured, offset));

    // The volume axis reaches the model's own end (30 mL) or the last reading, whichever is later.
    QCOMPARE(data.x.max, std::max(30.0, end));
    QCOMPARE(data.measured.size(), std::size_t(1));
    QCOMPARE(data.measured[0].points.size(), measured.size());
    QCOMPARE(data.residuals.size(), measured.size());
    double largest = 0.0;
    for (std::size_t i = 0; i < measured.size(); ++i) {
        QCOMPARE(data.measured[0].points[i], QPointF(measured[i].volume, measured[i].pH));
        // The meter's offset is part of the model, so only the noise is left.
        const double expected = measured[i].pH - (modelPh(measured[i].volume) + offset);
        QVERIFY2(std::abs(data.residuals[i].y() - expected) < 1e-6,
                 qPrintable(QString("at %1 mL: %2, expected %3")
                                .arg(measured[i].volume)
                                .arg(data.residuals[i].y())
                                .arg(expected)));
        largest = std::max(largest, std::abs(expected));
    }
    QCOMPARE(data.residualAxis.min, -data.residualAxis.max);
    QVERIFY(data.residualAxis.max >= largest);
    QVERIFY(data.residualAxis.max <= 2.0 * largest);

    // The model's curve is moved by the offset too.
    const charts::ChartCurve& curve = data.curves.front();
    for (const QPointF& point : curve.points) {
        if (std::abs(point.x() - kEquivalence) > 1.0) {
            QVERIFY(std::abs(point.y() - modelPh(point.x()) - offset) < 1e-6);
        }
    }
    QVERIFY(curve.points.back().x() >= end - 1e-9);

    // One line for each end point, the second derivative's dotted, both within the step.
    QCOMPARE(data.endLines.size(), std::size_t(2));
    QVERIFY(!data.endLines[0].dotted);
    QVERIFY(data.endLines[1].dotted);
    for (const charts::EndPointLine& line : data.endLines) {
        QVERIFY2(std::abs(line.volume - kEquivalence) <= 0.5, qPrintable(line.text));
    }
    QVERIFY(data.endLines[0].text.startsWith(QStringLiteral("dpH/dV max 2")));
    QVERIFY(data.endLines[0].text.endsWith(QStringLiteral(" mL")));
}

void TestMeasuredCharts::derivative() {
    // Measured to the model's own end (30 mL), so the model's curve stays as it is.
    const std::vector<model::TitrationPoint> measured = measuredAcetic(1.0, 30.0, 0.0, 5);
    const charts::ChartData data =
        charts::chartData(aceticRequest(ChartKind::Derivative, measured));
    QCOMPARE(data.measured.size(), std::size_t(1));
    const std::vector<QPointF>& slopes = data.measured[0].points;
    QCOMPARE(slopes.size(), measured.size() - 1);
    double steepest = 0.0;
    for (std::size_t i = 0; i + 1 < measured.size(); ++i) {
        QCOMPARE(slopes[i].x(), measured[i].volume + 0.5);
        QVERIFY(test::closeTo(slopes[i].y(), measured[i + 1].pH - measured[i].pH, 1e-12, 1e-15));
        steepest = std::max(steepest, slopes[i].y());
    }
    // The axis holds the steepest measured slope as well as the model's.
    QVERIFY(data.y.max >= steepest);
    QCOMPARE(data.endLines.size(), std::size_t(1));
    QVERIFY(std::abs(data.endLines[0].volume - kEquivalence) <= 1.0);
    // Without measured points the chart is the model's alone.
    const charts::ChartData model = charts::chartData(aceticRequest(ChartKind::Derivative, {}));
    QVERIFY(model.measured.empty());
    QVERIFY(model.endLines.empty());
    QCOMPARE(model.curves.front().points, data.curves.front().points);
}

void TestMeasuredCharts::derivativeFarFromTheModel() {
    // A model of twice the acid ends before its own jump (at 50 mL), its slopes all small; the
    // measured jump at 25 mL must still fit on the axis.
    const std::vector<model::TitrationPoint> measured = measuredAcetic(1.0, 36.0, 0.0, 8);
    ChartRequest request = aceticRequest(ChartKind::Derivative, measured);
    request.solution.concentration = 0.2;
    request.titration.endVolume = 36.0;
    const charts::ChartData data = charts::chartData(request);
    double steepest = 0.0;
    for (const QPointF& slope : data.measured[0].points) {
        steepest = std::max(steepest, slope.y());
    }
    QVERIFY(steepest > 1.0);
    QVERIFY(data.y.max >= steepest);
    QCOMPARE(data.x.max, 36.0);
}

void TestMeasuredCharts::mixtureReachesTheMeasured() {
    // The same titration given as a mixture of one system: the model reaches the last reading.
    const std::vector<model::TitrationPoint> measured = measuredAcetic(0.5, 36.0, 0.0, 4);
    ChartRequest request = aceticRequest(ChartKind::Titration, measured);
    request.mixture = charts::requestMixture(request);
    request.mixtureTitration = charts::requestMixtureTitration(request);
    const charts::ChartData data = charts::chartData(request);
    QCOMPARE(data.x.max, 36.0);
    QVERIFY(data.curves.front().points.back().x() >= 36.0 - 1e-9);
    QCOMPARE(data.residuals.size(), measured.size());
    QVERIFY(std::abs(data.residuals.back().y() -
                     (measured.back().pH - modelPh(measured.back().volume))) < 1e-6);
}

void TestMeasuredCharts::gran() {
    const std::vector<model::TitrationPoint> measured = measuredAcetic(0.5, 36.0, 0.0, 3);
    const charts::ChartData data = charts::chartData(aceticRequest(ChartKind::Gran, measured));
    QCOMPARE(data.x.max, 36.0);
    QCOMPARE(data.y.min, 0.0);
    // Before the end point (blue, V·10^−pH) and after it (green, the excess base).
    QCOMPARE(data.measured.size(), std::size_t(2));
    QCOMPARE(data.curves.size(), std::size_t(2));
    QCOMPARE(data.endLines.size(), std::size_t(2));
    for (std::size_t part = 0; part < 2; ++part) {
        const charts::ChartCurve& line = data.curves[part];
        QCOMPARE(line.points.size(), std::size_t(2));
        // The line meets the volume axis at its end point, within the step of the truth.
        const QPointF& onAxis = part == 0 ? line.points.back() : line.points.front();
        QVERIFY(std::abs(onAxis.y()) < 1e-9);
        QCOMPARE(onAxis.x(), data.endLines[part].volume);
        QVERIFY2(std::abs(onAxis.x() - kEquivalence) <= 0.5, qPrintable(data.endLines[part].text));
        QCOMPARE(line.colour, data.measured[part].colour);
        // It reaches out to the farthest point it was fitted to.
        const std::vector<QPointF>& used = data.measured[part].points;
        const QPointF& far = part == 0 ? line.points.front() : line.points.back();
        QCOMPARE(far.x(), part == 0 ? used.front().x() : used.back().x());
        for (const QPointF& point : data.measured[part].points) {
            QVERIFY(point.y() > 0.0 && point.y() <= 1.0);
        }
    }
    // The points before the end point follow the weak acid's V·10^−pH, in a scale of their own.
    const std::vector<QPointF>& before = data.measured[0].points;
    const auto granOf = [](double volume) { return volume * std::pow(10.0, -modelPh(volume)); };
    const double scale = before.front().y() / granOf(before.front().x());
    for (const QPointF& point : before) {
        QVERIFY2(std::abs(point.y() - scale * granOf(point.x())) < 0.06,
                 qPrintable(QString("at %1 mL").arg(point.x())));
    }
    QVERIFY(before.front().x() >= 0.3 * kEquivalence - 0.5);
    QVERIFY(before.back().x() <= 0.9 * kEquivalence + 0.5);
    QVERIFY(data.measured[1].points.front().x() >= 1.1 * kEquivalence - 0.5);
}

void TestMeasuredCharts::granOfTheModel() {
    // Without measurements the model's own curve stands in for them.
    const charts::ChartData data = charts::chartData(aceticRequest(ChartKind::Gran, {}));
    QCOMPARE(data.x.max, 30.0);
    QCOMPARE(data.endLines.size(), std::size_t(2));
    for (const charts::EndPointLine& line : data.endLines) {
        QVERIFY2(std::abs(line.volume - kEquivalence) <= 0.1, qPrintable(line.text));
    }
}

void TestMeasuredCharts::dataFiles() {
    const std::vector<model::TitrationPoint> measured = measuredAcetic(0.5, 36.0, 0.0, 9);
    // The measured titration: a row for each reading with the model's pH beside it.
    ChartRequest request = aceticRequest(ChartKind::Titration, measured);
    QList<QByteArray> lines = csvLines(charts::chartCsv(request, 0.05));
    QCOMPARE(lines.front(), QByteArray("V/mL,pH,pH model,residual"));
    QCOMPARE(lines.size() - 1, static_cast<qsizetype>(measured.size()));
    QCOMPARE(charts::chartCsvRows(request, 0.05), static_cast<double>(measured.size()));
    for (std::size_t i = 0; i < measured.size(); ++i) {
        const QList<QByteArray> cells = lines[static_cast<qsizetype>(i) + 1].split(',');
        QCOMPARE(cells.size(), 4);
        QCOMPARE(cells[0].toDouble(), measured[i].volume);
        QCOMPARE(cells[1].toDouble(), measured[i].pH);
        QVERIFY(std::abs(cells[2].toDouble() - modelPh(measured[i].volume)) < 1e-6);
        QVERIFY(
            test::closeTo(cells[3].toDouble(), measured[i].pH - cells[2].toDouble(), 1e-9, 1e-12));
    }

    // The derivative: a row at each midpoint.
    request.kind = ChartKind::Derivative;
    lines = csvLines(charts::chartCsv(request, 0.05));
    QCOMPARE(lines.front(), QByteArray("V/mL,dpH/dV,dpH/dV model"));
    QCOMPARE(lines.size() - 1, static_cast<qsizetype>(measured.size()) - 1);
    QCOMPARE(charts::chartCsvRows(request, 0.05), static_cast<double>(measured.size()) - 1.0);
    const QList<QByteArray> middle = lines[20].split(',');
    QCOMPARE(middle[0].toDouble(), 9.75);
    VELMORA_COMPARE_REL(middle[2].toDouble(),
                        test::referenceSlope(kAceticAcid, 25.0, kSodiumHydroxide, 9.75), 1e-5);

    // Gran's plot: the part before in the second and third columns, the part after in the last.
    request.kind = ChartKind::Gran;
    lines = csvLines(charts::chartCsv(request, 0.05));
    QCOMPARE(lines.front(), QByteArray("V/mL,Gran before,line before,Gran after,line after"));
    QCOMPARE(charts::chartCsvRows(request, 0.05), static_cast<double>(lines.size() - 1));
    const charts::ChartData data = charts::chartData(request);
    QCOMPARE(lines.size() - 1, static_cast<qsizetype>(data.measured[0].points.size() +
                                                      data.measured[1].points.size()));
    QVERIFY(lines[1].endsWith(",,"));
    QCOMPARE(lines[1].split(',')[1].toDouble(), data.measured[0].points.front().y());
    QVERIFY(lines.back().split(',')[1].isEmpty());
    QCOMPARE(lines.back().split(',')[3].toDouble(), data.measured[1].points.back().y());

    // Without measured points the titration's file is the model's, row by row.
    const QByteArray model = charts::chartCsv(aceticRequest(ChartKind::Titration, {}), 0.5);
    QVERIFY(model.startsWith("V/mL,pH\n0,"));
    QCOMPARE(csvLines(model).size(), 62);
}

void TestMeasuredCharts::residualStrip_data() {
    QTest::addColumn<ChartKind>("kind");
    QTest::addColumn<bool>("measured");
    QTest::addColumn<bool>("strip");
    QTest::newRow("titration with measured points") << ChartKind::Titration << true << true;
    QTest::newRow("titration alone") << ChartKind::Titration << false << false;
    QTest::newRow("derivative with measured points") << ChartKind::Derivative << true << false;
    QTest::newRow("Gran's plot") << ChartKind::Gran << true << false;
}

void TestMeasuredCharts::residualStrip() {
    QFETCH(ChartKind, kind);
    QFETCH(bool, measured);
    QFETCH(bool, strip);
    charts::SolutionChart chart(aceticRequest(
        kind, measured ? measuredAcetic(0.5, 36.0, 0.0, 1) : std::vector<model::TitrationPoint>{}));
    const QImage image = painted(chart);
    QCOMPARE(chart.stripLayout().has_value(), strip);
    QCOMPARE(chart.layout().xNumbers, !strip);
    QCOMPARE(chart.measuredPixels().empty(), !measured);
    if (!strip) {
        return;
    }
    const QRect plot = chart.layout().mapping.frame();
    const QRect below = chart.stripLayout()->mapping.frame();
    // One x axis for both, the strip under the plot with room between them.
    QCOMPARE(below.left(), plot.left());
    QCOMPARE(below.right(), plot.right());
    QVERIFY(below.top() > plot.bottom() + 4);
    QVERIFY(below.height() >= plot.height() / 6);
    QVERIFY(below.height() < plot.height());
    const charts::AxisTicks& ticks = chart.stripLayout()->yTicks;
    QCOMPARE(ticks.values.size(), std::size_t(3));
    QCOMPARE(ticks.values[1], 0.0);
    QCOMPARE(ticks.values[0], -ticks.values[2]);
    // The zero line runs across the strip in grey, between the residuals' circles.
    const int zero = static_cast<int>(std::floor(chart.stripLayout()->mapping.yOf(0.0)));
    int grey = 0;
    for (int x = below.left() + 1; x < below.right(); ++x) {
        grey += QColor(image.pixel(x, zero)) == QColor(128, 128, 128) ? 1 : 0;
    }
    QVERIFY2(grey > below.width() / 2, qPrintable(QString("%1 grey pixels").arg(grey)));
    // Every drawn point lies on the measured point it stands for.
    const charts::ChartData& data = chart.data();
    for (const QPointF& at : chart.measuredPixels()) {
        const double volume = chart.layout().mapping.xValueAt(at.x());
        QVERIFY(volume >= -1e-9 && volume <= data.x.max + 1e-9);
    }
    QVERIFY(chart.measuredPixels().size() <= data.measured[0].points.size());
    QVERIFY(chart.measuredPixels().size() > data.measured[0].points.size() / 2);
}

QTEST_MAIN(TestMeasuredCharts)
#include "test_measuredcharts.moc"
