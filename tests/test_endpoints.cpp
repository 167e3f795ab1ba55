// SPDX-License-Identifier: GPL-3.0-or-later
// End points of measured titrations: synthetic measurements from the tests' own charge balance
// with noise of a fixed seed, written in the dialects of pH meters and read back, and the end
// points each method finds compared with the true equivalence volumes.

#include "referencechemistry.h"
#include "syntheticnoise.h"
#include "testsupport.h"

#include "model/endpoints.h"
#include "model/measurements.h"

#include <QtTest>

#include <cmath>
#include <cstdio>
#include <string>

using namespace velmora;

Q_DECLARE_METATYPE(velmora::test::ReferenceMixture)
Q_DECLARE_METATYPE(std::vector<double>)

namespace {

/** A synthetic titration written as a pH meter's file in one of three dialects. */
std::string measuredText(const test::ReferenceMixture& sample, double sampleVolume,
                         const test::ReferenceMixture& titrant, double step, double end,
                         test::Noise& noise, int dialect) {
    const char* const header[] = {"V (mL),pH\n", "Volume;pH\nmL;\n", "t/s\tV/mL\tpH\tT/°C\n"};
    std::string text = header[dialect];
    const int count = static_cast<int>(std::lround(end / step));
    for (int i = 0; i <= count; ++i) {
        const double volume = i * step;
        const double pH =
            test::referenceTitrationPh(sample, sampleVolume, titrant, volume) + noise.next();
        char line[96];
        if (dialect == 0) {
            std::snprintf(line, sizeof line, "%.3f,%.3f\n", volume, pH);
        } else if (dialect == 1) {
            std::snprintf(line, sizeof line, "%.3f;%.3f\n", volume, pH);
            for (char* c = line; *c != '\0'; ++c) {
                *c = *c == '.' ? ',' : *c;
            }
        } else {
            std::snprintf(line, sizeof line, "%d\t%.3f\t%.3f\t21.3\n", 15 * i, volume, pH);
        }
        text += line;
    }
    return text;
}

test::ReferenceMixture acid(std::vector<double> pKa, double concentration) {
    return {{{std::move(pKa), concentration, 0}}, 0.0, 0.0};
}

test::ReferenceMixture sodiumHydroxide(double concentration) {
    return {{}, concentration, 0.0};
}
test::ReferenceMixture hydrochloricAcid(double concentration) {
    return {{}, 0.0, concentration};
}

std::vector<double> endVolumes(const model::EndPointAnalysis& analysis,
                               model::EndPointMethod method) {
    std::vector<double> volumes;
    for (const model::EndPoint& point : analysis.endPoints) {
        if (point.method == method) {
            volumes.push_back(point.volume);
        }
    }
    return volumes;
}

} // namespace

class TestEndPoints : public QObject {
    Q_OBJECT

private slots:
    void synthetic_data();
    void synthetic();
    void differences();
    void noJump_data();
    void noJump();
};

void TestEndPoints::synthetic_data() {
    QTest::addColumn<test::ReferenceMixture>("sample");
    QTest::addColumn<double>("sampleVolume");
    QTest::addColumn<test::ReferenceMixture>("titrant");
    QTest::addColumn<double>("step");
    QTest::addColumn<double>("end");
    QTest::addColumn<double>("sigma");
    QTest::addColumn<std::vector<double>>("equivalences");
    QTest::addColumn<bool>("rising");
    QTest::addColumn<bool>("granBefore");
    QTest::addColumn<bool>("granAfter");
    QTest::addColumn<bool>("granWithSampleVolume");

    // The equivalence volumes by stoichiometry: n·C·V0/Ct.
    QTest::newRow("acetic acid with NaOH, comma")
        << acid({4.76}, 0.1) << 25.0 << sodiumHydroxide(0.1) << 0.5 << 40.0 << 0.01
        << std::vector<double>{25.0} << true << true << true << false;
    QTest::newRow("dilute acetic acid off the grid, sigma 0.02")
        << acid({4.76}, 0.00937) << 50.0 << sodiumHydroxide(0.02) << 0.4 << 36.0 << 0.02
        << std::vector<double>{0.00937 * 50.0 / 0.02} << true << true << true << false;
    QTest::newRow("hydrochloric acid with NaOH")
        << hydrochloricAcid(0.05) << 20.0 << sodiumHydroxide(0.1) << 0.25 << 16.0 << 0.005
        << std::vector<double>{10.0} << true << true << true << true;
    QTest::newRow("ammonia with HCl, falling")
        << test::ReferenceMixture{{{{9.25}, 0.08, 1}}, 0.0, 0.0} << 25.0 << hydrochloricAcid(0.1)
        << 0.5 << 32.0 << 0.01 << std::vector<double>{20.0} << false << true << true << false;
    QTest::newRow("sodium hydroxide with HCl, falling")
        << sodiumHydroxide(0.1) << 10.0 << hydrochloricAcid(0.1) << 0.2 << 15.0 << 0.01
        << std::vector<double>{10.0} << false << true << true << true;
    // Phosphoric acid's first protons are too strong for Gran's line before the first end point,
    // and past the second the excess base turns HPO4²⁻ partly into PO4³⁻ (pKa3 12.35).
    QTest::newRow("phosphoric acid with NaOH, two jumps")
        << acid({2.148, 7.198, 12.35}, 0.05) << 20.0 << sodiumHydroxide(0.1) << 0.25 << 26.0
        << 0.005 << std::vector<double>{10.0, 20.0} << true << false << false << false;
}

void TestEndPoints::synthetic() {
    QFETCH(test::ReferenceMixture, sample);
    QFETCH(double, sampleVolume);
    QFETCH(test::ReferenceMixture, titrant);
    QFETCH(double, step);
    QFETCH(double, end);
    QFETCH(double, sigma);
    QFETCH(std::vector<double>, equivalences);
    QFETCH(bool, granBefore);
    QFETCH(bool, granAfter);
    constexpr unsigned int kSeeds = 6;

    for (unsigned int seed = 1; seed <= kSeeds; ++seed) {
        const int dialect = static_cast<int>(seed % 3);
        test::Noise noise(seed, sigma);
        const std::string text =
            measuredText(sample, sampleVolume, titrant, step, end, noise, dialect);
        model::Measurements measured;
        const model::MeasurementsProblem problem = model::readMeasurements(text, {}, measured);
        QVERIFY2(problem.empty(), problem.problem.english().c_str());
        const model::EndPointAnalysis analysis =
            model::analyseEndPoints(measured.points, sampleVolume);
        QTEST(analysis.rising, "rising");

        const auto within = [&](const std::vector<double>& found, const char* method) {
            QCOMPARE(found.size(), equivalences.size());
            for (std::size_t i = 0; i < found.size(); ++i) {
                QVERIFY2(std::abs(found[i] - equivalences[i]) <= step,
                         qPrintable(QString("seed %1, %2 end point %3: %4 mL, true %5 mL")
                                        .arg(seed)
                                        .arg(method)
                                        .arg(i + 1)
                                        .arg(found[i])
                                        .arg(equivalences[i])));
            }
        };
        within(endVolumes(analysis, model::EndPointMethod::Derivative), "derivative");
        if (QTest::currentTestFailed()) {
            return;
        }
        within(endVolumes(analysis, model::EndPointMethod::SecondDerivative), "second");
        if (QTest::currentTestFailed()) {
            return;
        }
        // The excess titrant after the last jump follows Gran's line for every sample.
        const std::vector<double> excess = endVolumes(analysis, model::EndPointMethod::GranExcess);
        QCOMPARE(excess.size(), std::size_t(1));
        QVERIFY2(!granAfter || std::abs(excess[0] - equivalences.back()) <= step,
                 qPrintable(QString("seed %1, Gran after: %2 mL").arg(seed).arg(excess[0])));
        const std::vector<double> gran = endVolumes(analysis, model::EndPointMethod::Gran);
        if (granBefore) {
            QCOMPARE(gran.size(), std::size_t(1));
            QVERIFY2(std::abs(gran[0] - equivalences.front()) <= step,
                     qPrintable(QString("seed %1, Gran before: %2 mL").arg(seed).arg(gran[0])));
            QCOMPARE(analysis.gran.front().afterEndPoint, false);
            QTEST(analysis.gran.front().withSampleVolume, "granWithSampleVolume");
        }
        QVERIFY(analysis.gran.back().afterEndPoint);
        QVERIFY(analysis.gran.back().withSampleVolume);
        for (const model::GranPlot& plot : analysis.gran) {
            QVERIFY(plot.used.size() >= 3);
            double largest = 0.0;
            for (const model::TitrationPoint& point : plot.used) {
                largest = std::max(largest, point.pH);
            }
            QCOMPARE(largest, 1.0);
        }
    }
}

void TestEndPoints::differences() {
    // Slopes at the midpoints and their differences, on uneven steps worked by hand.
    const std::vector<model::TitrationPoint> points{
        {0.0, 1.0}, {1.0, 2.0}, {3.0, 6.0}, {3.5, 6.5}, {5.5, 6.0}};
    const model::EndPointAnalysis analysis = model::analyseEndPoints(points, 10.0);
    QCOMPARE(analysis.slopes.size(), std::size_t(4));
    QCOMPARE(analysis.slopes[1].volume, 2.0);
    QCOMPARE(analysis.slopes[1].slope, 2.0);
    QCOMPARE(analysis.slopes[3].volume, 4.5);
    QCOMPARE(analysis.slopes[3].slope, -0.25);
    QCOMPARE(analysis.curvature.size(), std::size_t(3));
    QCOMPARE(analysis.curvature[0].volume, 1.25);
    QVERIFY(test::closeTo(analysis.curvature[0].slope, (2.0 - 1.0) / 1.5, 1e-15));
    QVERIFY(test::closeTo(analysis.curvature[2].slope, (-0.25 - 1.0) / 1.25, 1e-15));
}

void TestEndPoints::noJump_data() {
    QTest::addColumn<std::vector<double>>("pH");
    QTest::addColumn<QString>("why");
    QTest::newRow("a straight line")
        << std::vector<double>{3, 3.2, 3.4, 3.6, 3.8, 4.0, 4.2, 4.4} << "no slope stands out";
    QTest::newRow("one noisy reading")
        << std::vector<double>{3, 3.05, 3.1, 3.4, 3.2, 3.25, 3.3, 3.35}
        << "the pH changes too little across it";
    QTest::newRow("a bend two and a half times the median slope")
        << std::vector<double>{3.0, 3.1, 3.2, 3.45, 3.7, 3.95, 4.05, 4.15, 4.25}
        << "the slope does not stand out enough";
    QTest::newRow("steep only at the start")
        << std::vector<double>{2.9, 4.0, 4.4, 4.5, 4.6, 4.7, 4.8, 4.9} << "open to the left";
    QTest::newRow("steep only at the end")
        << std::vector<double>{4.0, 4.1, 4.2, 4.3, 4.4, 4.5, 4.6, 7.9} << "open to the right";
}

void TestEndPoints::noJump() {
    QFETCH(std::vector<double>, pH);
    QFETCH(QString, why);
    std::vector<model::TitrationPoint> points;
    for (std::size_t i = 0; i < pH.size(); ++i) {
        points.push_back({static_cast<double>(i), pH[i]});
    }
    const model::EndPointAnalysis analysis = model::analyseEndPoints(points, 25.0);
    QVERIFY2(analysis.endPoints.empty(), qPrintable(why));
    QVERIFY(analysis.gran.empty());
    QCOMPARE(analysis.slopes.size(), pH.size() - 1);
}

QTEST_APPLESS_MAIN(TestEndPoints)
#include "test_endpoints.moc"
