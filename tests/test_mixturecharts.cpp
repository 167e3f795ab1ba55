// SPDX-License-Identifier: GPL-3.0-or-later
// The buffer-capacity and derivative charts, and the charts of mixtures: their values against the
// chemistry written out in the tests, the species' names and line styles, the data files.

#include "referencechemistry.h"
#include "testsupport.h"

#include "charts/bufferchart.h"
#include "charts/chartoverlay.h"
#include "charts/mixturenames.h"
#include "charts/solutionchart.h"
#include "charts/solutiondata.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>
#include <QSvgGenerator>
#include <QtTest>

#include <cmath>
#include <vector>

using namespace velmora;
using charts::ChartKind;
using charts::ChartRequest;
using test::ReferenceMixture;
using test::ReferenceSystem;

using Doubles = std::vector<double>;

Q_DECLARE_METATYPE(Doubles)
Q_DECLARE_METATYPE(ReferenceMixture)
Q_DECLARE_METATYPE(model::Mixture)

namespace {

const Doubles kPhosphoric{2.148, 7.198, 12.319};
const Doubles kCitric{3.128, 4.761, 6.396};

/** The reference mixture as the model takes it: ideal, 25 °C, generic names. */
model::Mixture modelMixture(const ReferenceMixture& reference) {
    model::Mixture mixture;
    for (const ReferenceSystem& system : reference.systems) {
        model::WeakSystem weak;
        weak.pK = system.pKa;
        weak.concentration = system.concentration;
        weak.dissolvedAs = system.dissolvedAs;
        mixture.systems.push_back(weak);
    }
    mixture.strongBase = reference.strongBase;
    mixture.strongAcid = reference.strongAcid;
    return mixture;
}

/**
 * A request for `reference`: as one acid where it has one system and `oneAcid` is set (the
 * command line's and the window's one acid), else as a mixture.
 */
ChartRequest requestFor(ChartKind kind, const ReferenceMixture& reference, bool oneAcid,
                        double sampleVolume = 25.0, const ReferenceMixture& titrant = {{}, 0.1}) {
    ChartRequest request;
    request.kind = kind;
    if (oneAcid) {
        const ReferenceSystem& system = reference.systems.front();
        request.acid = model::PolyproticAcid(system.pKa);
        request.solution = {system.concentration, system.dissolvedAs, reference.strongBase,
                            reference.strongAcid};
        request.titration.sampleVolume = sampleVolume;
        const bool base = titrant.strongBase > 0.0;
        request.titration.titrant = base ? model::Titrant::Base : model::Titrant::Acid;
        request.titration.titrantConcentration = base ? titrant.strongBase : titrant.strongAcid;
    } else {
        request.mixture = modelMixture(reference);
        request.mixtureTitration.sampleVolume = sampleVolume;
        request.mixtureTitration.titrant = modelMixture(titrant);
    }
    return request;
}

/** A mixture of systems given by their constants and charges, at 0.1 mol/L each. */
model::Mixture mixtureOf(const std::vector<std::pair<Doubles, int>>& systems) {
    model::Mixture mixture;
    for (const auto& [pK, charge] : systems) {
        model::WeakSystem system;
        system.pK = pK;
        system.charge = charge;
        mixture.systems.push_back(system);
    }
    return mixture;
}

/** The data file's lines, the header first. */
QList<QByteArray> csvLines(const QByteArray& csv) {
    QList<QByteArray> lines = csv.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty()) {
        lines.pop_back();
    }
    return lines;
}

} // namespace

class TestMixtureCharts : public QObject {
    Q_OBJECT

private slots:
    void bufferCapacity_data();
    void bufferCapacity();
    void bufferAxisShowsEverySystem_data();
    void bufferAxisShowsEverySystem();
    void derivative_data();
    void derivative();
    void derivativeMarksTheEquivalencePoints_data();
    void derivativeMarksTheEquivalencePoints();
    void curvesSumToTheirTotals_data();
    void curvesSumToTheirTotals();
    void oneSystemDrawsAsTheOneAcid_data();
    void oneSystemDrawsAsTheOneAcid();
    void speciesNames_data();
    void speciesNames();
    void lineStylePerSystem();
    void labelsKeepClear_data();
    void labelsKeepClear();
    void halfEquivalenceLabelsNameTheSystem();
    void mixtureReadoutListsWhatIsThere_data();
    void mixtureReadoutListsWhatIsThere();
    void dataFiles_data();
    void dataFiles();
    void significantDigits_data();
    void significantDigits();
    void niceCeilings_data();
    void niceCeilings();
};

void TestMixtureCharts::bufferCapacity_data() {
    QTest::addColumn<ReferenceMixture>("reference");
    QTest::addColumn<bool>("oneAcid");
    QTest::addColumn<Doubles>("phs");
    const Doubles everywhere{0.5, 3.0, 4.76, 7.0, 9.25, 12.0, 13.5};
    QTest::newRow("acetic acid, one acid")
        << ReferenceMixture{{{{4.76}, 0.1, 0}}} << true << everywhere;
    QTest::newRow("NaH2PO4, one acid")
        << ReferenceMixture{{{kPhosphoric, 0.1, 1}}} << true << everywhere;
    QTest::newRow("dilute acetic acid with strong acid, one acid")
        << ReferenceMixture{{{{4.76}, 1e-4, 0}}, 0.0, 1e-3} << true << everywhere;
    QTest::newRow("acetic acid and ammonium chloride")
        << ReferenceMixture{{{{4.76}, 0.1, 0}, {{9.25}, 0.05, 0}}} << false << everywhere;
    QTest::newRow("citric acid, phosphate and carbonate with NaOH")
        << ReferenceMixture{{{kCitric, 0.02, 0}, {kPhosphoric, 0.03, 2}, {{6.35, 10.33}, 0.01, 1}},
                            0.04}
        << false << everywhere;
    QTest::newRow("water with hydrochloric acid alone")
        << ReferenceMixture{{}, 0.0, 0.01} << false << Doubles{1.0, 3.0, 7.0, 11.0, 14.0};
}

void TestMixtureCharts::bufferCapacity() {
    QFETCH(ReferenceMixture, reference);
    QFETCH(bool, oneAcid);
    QFETCH(Doubles, phs);
    const ChartRequest request = requestFor(ChartKind::Buffer, reference, oneAcid);
    for (const double pH : phs) {
        const charts::ChartReadout readout = charts::chartReadout(request, pH);
        QCOMPARE(readout.values.size(), std::size_t(1));
        // The numeric derivative of the reference loses some 1e-11 to cancellation.
        VELMORA_COMPARE_REL(readout.values[0].value, test::referenceBufferCapacity(reference, pH),
                            1e-7, 1e-10);
    }
    // The curve is the same β at its pH points, and the marker stands at the solution's pH.
    ChartRequest shown = request;
    shown.showSolution = true;
    const charts::ChartData data = charts::chartData(shown);
    QCOMPARE(data.curves.size(), std::size_t(1));
    for (const QPointF& p : data.curves[0].points) {
        VELMORA_COMPARE_REL(p.y(), test::referenceBufferCapacity(reference, p.x()), 1e-7, 1e-10);
    }
    QVERIFY(data.hasMarker);
    VELMORA_COMPARE_REL(data.markerX, test::referencePhOf(reference), 1e-9);
}

void TestMixtureCharts::bufferAxisShowsEverySystem_data() {
    QTest::addColumn<ReferenceMixture>("reference");
    QTest::newRow("phosphoric acid: its first hump lies below pH 3")
        << ReferenceMixture{{{kPhosphoric, 0.1, 0}}};
    QTest::newRow("acetic acid and ammonia")
        << ReferenceMixture{{{{4.76}, 0.1, 0}, {{9.25}, 0.1, 1}}};
    QTest::newRow("a trace of acid: water sets the axis") << ReferenceMixture{{{{7.0}, 1e-6, 0}}};
    QTest::newRow("water alone") << ReferenceMixture{};
}

void TestMixtureCharts::bufferAxisShowsEverySystem() {
    QFETCH(ReferenceMixture, reference);
    const charts::ChartData data =
        charts::chartData(requestFor(ChartKind::Buffer, reference, false));
    // What the axis has to show: every system's own share anywhere, the whole β from pH 3 to 11.
    double highest = 0.0;
    for (int i = 0; i <= 14 * 40; ++i) {
        const double pH = i / 40.0;
        const double h = std::pow(10.0, -pH);
        const double beta = test::referenceBufferCapacity(reference, pH);
        highest = std::max(highest, beta - std::log(10.0) * (h + 1e-14 / h));
        if (pH >= 3.0 && pH <= 11.0) {
            highest = std::max(highest, beta);
        }
    }
    QCOMPARE(data.y.min, 0.0);
    QVERIFY2(data.y.max >= highest, qPrintable(QString::number(data.y.max)));
    // Not much more: a tenth above it, then up to the next of the axis' round numbers (6 to 8 is
    // the widest of their steps).
    QVERIFY2(data.y.max <= 1.1 * (8.0 / 6.0) * highest * 1.001,
             qPrintable(QString::number(data.y.max)));
}

void TestMixtureCharts::derivative_data() {
    QTest::addColumn<ReferenceMixture>("sample");
    QTest::addColumn<ReferenceMixture>("titrant");
    QTest::addColumn<double>("sampleVolume");
    QTest::addColumn<bool>("oneAcid");
    QTest::addColumn<Doubles>("volumes");
    const ReferenceMixture naoh{{}, 0.1};
    QTest::newRow("acetic acid with NaOH, one acid")
        << ReferenceMixture{{{{4.76}, 0.1, 0}}} << naoh << 25.0 << true
        << Doubles{0.0, 1.0, 12.5, 24.0, 26.0, 29.0};
    QTest::newRow("phosphoric acid with NaOH, one acid")
        << ReferenceMixture{{{kPhosphoric, 0.1, 0}}} << naoh << 25.0 << true
        << Doubles{5.0, 24.0, 37.5, 49.0, 60.0, 80.0};
    QTest::newRow("sodium acetate with HCl, one acid: the pH falls")
        << ReferenceMixture{{{{4.76}, 0.1, 1}}} << ReferenceMixture{{}, 0.0, 0.2} << 10.0 << true
        << Doubles{0.5, 2.5, 4.5, 5.5};
    QTest::newRow("hydrochloric and acetic acid with NaOH")
        << ReferenceMixture{{{{4.76}, 0.1, 0}}, 0.0, 0.05} << naoh << 25.0 << false
        << Doubles{5.0, 11.0, 14.0, 25.0, 36.0, 40.0};
    QTest::newRow("acetic acid and ammonium with NaOH")
        << ReferenceMixture{{{{4.76}, 0.05, 0}, {{9.25}, 0.05, 0}}} << naoh << 20.0 << false
        << Doubles{2.0, 9.0, 11.0, 15.0, 23.0};
    QTest::newRow("ammonia with acetic acid")
        << ReferenceMixture{{{{9.25}, 0.1, 1}}} << ReferenceMixture{{{{4.76}, 0.1, 0}}} << 25.0
        << false << Doubles{1.0, 12.5, 24.0, 26.0, 29.5};
}

void TestMixtureCharts::derivative() {
    QFETCH(ReferenceMixture, sample);
    QFETCH(ReferenceMixture, titrant);
    QFETCH(double, sampleVolume);
    QFETCH(bool, oneAcid);
    QFETCH(Doubles, volumes);
    const ChartRequest request =
        requestFor(ChartKind::Derivative, sample, oneAcid, sampleVolume, titrant);
    for (const double volume : volumes) {
        const charts::ChartReadout readout = charts::chartReadout(request, volume);
        QCOMPARE(readout.values.size(), std::size_t(1));
        const double slope = test::referenceSlope(sample, sampleVolume, titrant, volume);
        VELMORA_COMPARE_REL(readout.values[0].value, slope, 1e-6, 1e-8);
    }
    // The slope axis holds the curve past its first 5 %, with no more than some room to spare:
    // an unbuffered start may run off it, the equivalence points may not.
    const charts::ChartData data = charts::chartData(request);
    QVERIFY(data.y.min <= 0.0 && data.y.max >= 0.0);
    double lowest = 0.0;
    double highest = 0.0;
    for (const QPointF& p : data.curves[0].points) {
        if (p.x() >= 0.05 * data.x.max) {
            lowest = std::min(lowest, p.y());
            highest = std::max(highest, p.y());
        }
    }
    for (const charts::ChartMark& mark : data.marks) {
        lowest = std::min(lowest, mark.at.y());
        highest = std::max(highest, mark.at.y());
    }
    QVERIFY(data.y.min <= lowest && data.y.max >= highest);
    QVERIFY2(data.y.max - data.y.min <= (8.0 / 6.0) * (highest - lowest) * 1.001,
             qPrintable(QStringLiteral("%1 to %2").arg(data.y.min).arg(data.y.max)));
    QCOMPARE(charts::readoutHeading(ChartKind::Derivative, 12.5), QStringLiteral("V 12.50 mL"));
    // The data file's rows, every 0.5 mL, are the same slopes.
    const QList<QByteArray> lines = csvLines(charts::chartCsv(request, 0.5));
    QCOMPARE(lines.front(), QByteArray("V/mL,dpH/dV"));
    for (qsizetype i = 1; i < lines.size(); i += 7) {
        const QList<QByteArray> cells = lines[i].split(',');
        QCOMPARE(cells.size(), 2);
        const double volume = cells[0].toDouble();
        VELMORA_COMPARE_REL(volume, 0.5 * static_cast<double>(i - 1), 1e-12);
        VELMORA_COMPARE_REL(cells[1].toDouble(),
                            test::referenceSlope(sample, sampleVolume, titrant, volume), 1e-6,
                            1e-8);
    }
}

void TestMixtureCharts::derivativeMarksTheEquivalencePoints_data() {
    QTest::addColumn<ReferenceMixture>("sample");
    QTest::addColumn<bool>("oneAcid");
    QTest::addColumn<Doubles>("volumes"); // V = n·C·V0/Ct, written out
    QTest::newRow("acetic acid") << ReferenceMixture{{{{4.76}, 0.1, 0}}} << true << Doubles{25.0};
    QTest::newRow("phosphoric acid")
        << ReferenceMixture{{{kPhosphoric, 0.1, 0}}} << true << Doubles{25.0, 50.0, 75.0};
    QTest::newRow("hydrochloric and acetic acid")
        << ReferenceMixture{{{{4.76}, 0.1, 0}}, 0.0, 0.05} << false << Doubles{12.5, 37.5};
    QTest::newRow("citric acid and ammonium")
        << ReferenceMixture{{{kCitric, 0.02, 0}, {{9.25}, 0.04, 0}}} << false
        << Doubles{5.0, 10.0, 15.0, 25.0};
}

void TestMixtureCharts::derivativeMarksTheEquivalencePoints() {
    QFETCH(ReferenceMixture, sample);
    QFETCH(bool, oneAcid);
    QFETCH(Doubles, volumes);
    const ReferenceMixture naoh{{}, 0.1};
    const charts::ChartData data =
        charts::chartData(requestFor(ChartKind::Derivative, sample, oneAcid, 25.0, naoh));
    QCOMPARE(data.marks.size(), volumes.size());
    for (std::size_t i = 0; i < volumes.size(); ++i) {
        const charts::ChartMark& mark = data.marks[i];
        QVERIFY(mark.filled);
        VELMORA_COMPARE_REL(mark.at.x(), volumes[i], 1e-9);
        VELMORA_COMPARE_REL(mark.at.y(), test::referenceSlope(sample, 25.0, naoh, volumes[i]),
                            1e-4);
        const double pH = test::referenceTitrationPh(sample, 25.0, naoh, volumes[i]);
        QCOMPARE(mark.text, charts::equivalenceLabel({}, volumes[i], pH));
        // The axis reaches every mark, and the volume axis the end 20 % past the last one.
        QVERIFY(mark.at.y() <= data.y.max && mark.at.y() >= data.y.min);
    }
    VELMORA_COMPARE_REL(data.x.max, 1.2 * volumes.back(), 1e-9);
    QVERIFY(!data.markKey.filled.isEmpty());
    QVERIFY(data.markKey.open.isEmpty());
}

void TestMixtureCharts::curvesSumToTheirTotals_data() {
    QTest::addColumn<model::Mixture>("mixture");
    QTest::addColumn<bool>("reference"); // ideal at 25 °C: each fraction checked on its own too
    QTest::addColumn<double>("pKw");     // of the log[OH−] line where ideal, else NaN
    model::Mixture ideal = mixtureOf({{kPhosphoric, 0}, {{4.76}, 0}, {{9.25}, 1}});
    ideal.systems[0].concentration = 0.05;
    ideal.systems[2].concentration = 1e-5;
    QTest::newRow("phosphate, acetate, ammonium") << ideal << true << 14.0;
    model::Mixture davies = mixtureOf({{kCitric, 0}, {{6.35, 10.33}, 0}});
    davies.systems[1].dissolvedAs = 2;
    davies.activity = model::Activity::Davies;
    davies.salts.push_back({0.2, 1, 1});
    QTest::newRow("citrate and carbonate with salt, Davies") << davies << false << std::nan("");
    model::Mixture warm = mixtureOf({{{-1.0, 1.5, 12.0, 24.0}, 2}, {{9.25}, 1}});
    warm.temperature = 60.0;
    warm.systems[1].enthalpy = {52.2};
    // pKw 13.017 at 60 °C (Harned and Robinson).
    QTest::newRow("a charged tetraprotic acid and ammonium at 60 °C") << warm << false << 13.017;
}

void TestMixtureCharts::curvesSumToTheirTotals() {
    QFETCH(model::Mixture, mixture);
    QFETCH(bool, reference);
    QFETCH(double, pKw);
    ChartRequest request;
    request.mixture = mixture;
    request.kind = ChartKind::Fractions;
    const charts::ChartData fractions = charts::chartData(request);
    request.kind = ChartKind::LogC;
    const charts::ChartData logC = charts::chartData(request);
    std::size_t species = 0;
    for (const model::WeakSystem& system : mixture.systems) {
        species += system.pK.size() + 1;
    }
    QCOMPARE(fractions.curves.size(), species);
    QCOMPARE(logC.curves.size(), species + 2); // and [H+], [OH−]
    if (!std::isnan(pKw)) {
        const charts::ChartCurve& hydroxide = logC.curves.back();
        QCOMPARE(hydroxide.name, QStringLiteral("OH-"));
        QVERIFY(std::abs(hydroxide.points.back().y() - (14.0 - pKw)) < 0.01);
        QCOMPARE(logC.curves[species].points.back().y(), -14.0);
    }
    for (std::size_t point = 0; point < charts::curvePhs().size(); point += 13) {
        const double pH = charts::curvePhs()[point];
        std::size_t first = 0;
        for (const model::WeakSystem& system : mixture.systems) {
            double sum = 0.0;
            double total = 0.0;
            const std::vector<double> alpha = test::referenceFractions(system.pK, pH);
            for (std::size_t j = 0; j <= system.pK.size(); ++j) {
                const QPointF at = fractions.curves[first + j].points[point];
                QCOMPARE(at.x(), pH);
                sum += at.y();
                total += std::pow(10.0, logC.curves[first + j].points[point].y());
                if (reference) {
                    VELMORA_COMPARE_REL(at.y(), alpha[j], 1e-10, 1e-300);
                }
            }
            VELMORA_COMPARE_REL(sum, 1.0, 1e-14);
            VELMORA_COMPARE_REL(total, system.concentration, 1e-12);
            first += system.pK.size() + 1;
        }
    }
}

void TestMixtureCharts::oneSystemDrawsAsTheOneAcid_data() {
    QTest::addColumn<int>("kind");
    QTest::newRow("fractions") << int(ChartKind::Fractions);
    QTest::newRow("log c") << int(ChartKind::LogC);
    QTest::newRow("titration") << int(ChartKind::Titration);
}

void TestMixtureCharts::oneSystemDrawsAsTheOneAcid() {
    // The acid and its mixture of one system give the same curves, names and marks.
    QFETCH(int, kind);
    const ReferenceMixture phosphate{{{kPhosphoric, 0.1, 1}}};
    ChartRequest oneAcid = requestFor(ChartKind(kind), phosphate, true);
    ChartRequest mixture = requestFor(ChartKind(kind), phosphate, false);
    oneAcid.showSolution = mixture.showSolution = true;
    const charts::ChartData expected = charts::chartData(oneAcid);
    const charts::ChartData actual = charts::chartData(mixture);
    QCOMPARE(actual.curves.size(), expected.curves.size());
    for (std::size_t i = 0; i < expected.curves.size(); ++i) {
        const charts::ChartCurve& want = expected.curves[i];
        const charts::ChartCurve& got = actual.curves[i];
        QCOMPARE(got.name, want.name);
        QCOMPARE(got.colour, want.colour);
        QCOMPARE(got.dashes, want.dashes);
        if (kind != int(ChartKind::Titration)) {
            QCOMPARE(got.points.size(), want.points.size());
            for (std::size_t p = 0; p < want.points.size(); ++p) {
                VELMORA_COMPARE_REL(got.points[p].y(), want.points[p].y(), 1e-12, 1e-300);
            }
        }
    }
    QCOMPARE(actual.hasMarker, kind != int(ChartKind::Titration));
    VELMORA_COMPARE_REL(actual.markerX, expected.markerX, 1e-12);
    QCOMPARE(actual.marks.size(), expected.marks.size());
    for (std::size_t i = 0; i < expected.marks.size(); ++i) {
        QCOMPARE(actual.marks[i].text, expected.marks[i].text);
        QCOMPARE(actual.marks[i].filled, expected.marks[i].filled);
        VELMORA_COMPARE_REL(actual.marks[i].at.x(), expected.marks[i].at.x(), 1e-9);
    }
}

void TestMixtureCharts::speciesNames_data() {
    QTest::addColumn<model::Mixture>("mixture");
    QTest::addColumn<QStringList>("taken");
    QTest::addColumn<QString>("names"); // systems apart by "|"
    QTest::newRow("generic names, a letter per system")
        << mixtureOf({{{4.76}, 0}, {{9.25}, 1}, {kPhosphoric, 0}}) << QStringList()
        << "HA,A-|HB^+,B|H3C,H2C-,HC2-,C3-";
    model::Mixture library = mixtureOf({{{4.76}, 0}, {{9.25}, 1}});
    library.systems[0].formulas = {"CH3COOH", "CH3COO^-"};
    QTest::newRow("the library's formulas kept")
        << library << QStringList() << "CH3COOH,CH3COO^-|HB^+,B";
    model::Mixture twice = mixtureOf({{{6.35, 10.33}, 0}, {{6.35, 10.33}, 0}, {{4.76}, 0}});
    twice.systems[0].formulas = twice.systems[1].formulas = {"H2CO3", "HCO3^-", "CO3^2-"};
    QTest::newRow("the same substance twice: its system's letter first")
        << twice << QStringList()
        << "A: H2CO3,A: HCO3^-,A: CO3^2-|B: H2CO3,B: HCO3^-,B: CO3^2-|HC,C-";
    model::Mixture clash = mixtureOf({{{4.76}, 0}, {{4.0}, 0}});
    clash.systems[0].formulas = {"HB", "B-"};
    QTest::newRow("a formula that is another system's generic name")
        << clash << QStringList() << "A: HB,A: B-|B: HB,B: B-";
    QTest::newRow("a data file's other columns")
        << library << QStringList{"pH", "HB^+"} << "CH3COOH,CH3COO^-|B: HB^+,B";
    QTest::newRow("eight systems: no H among the letters")
        << mixtureOf(
               {{{1}, 0}, {{2}, 0}, {{3}, 0}, {{4}, 0}, {{5}, 0}, {{6}, 0}, {{7}, 0}, {{8}, 0}})
        << QStringList() << "HA,A-|HB,B-|HC,C-|HD,D-|HE,E-|HF,F-|HG,G-|HJ,J-";
}

void TestMixtureCharts::speciesNames() {
    QFETCH(model::Mixture, mixture);
    QFETCH(QStringList, taken);
    QFETCH(QString, names);
    const std::vector<QStringList> got = charts::mixtureSpeciesNames(mixture, taken);
    QStringList systems;
    for (const QStringList& system : got) {
        systems << system.join(u',');
    }
    QCOMPARE(systems.join(u'|'), names);
    // Every name is one of its own, beside each other and beside the other columns.
    const QStringList all = charts::flatNames(got) + taken;
    QCOMPARE(QSet<QString>(all.begin(), all.end()).size(), all.size());
}

void TestMixtureCharts::lineStylePerSystem() {
    // Each system's curves share one dash pattern, and no two systems have the same one.
    model::Mixture mixture =
        mixtureOf({{{1}, 0}, {{2}, 0}, {{3}, 0}, {{4}, 0}, {{5}, 0}, {{6}, 0}, {{7}, 0}, {{8}, 0}});
    ChartRequest request;
    request.mixture = mixture;
    const charts::ChartData data = charts::chartData(request);
    QSet<QString> patterns;
    for (int s = 0; s < model::kMaxSystems; ++s) {
        const QList<double> dashes = charts::systemDashes(s);
        QCOMPARE(data.curves[std::size_t(2 * s)].dashes, dashes);
        QCOMPARE(data.curves[std::size_t(2 * s + 1)].dashes, dashes);
        QStringList text;
        for (const double d : dashes) {
            text << QString::number(d);
        }
        patterns.insert(text.join(u' '));
    }
    QCOMPARE(patterns.size(), model::kMaxSystems);
    QVERIFY(charts::systemDashes(0).isEmpty()); // the first system solid, as one acid is drawn
    // Drawn so, in an SVG: every pattern but the solid one as a dash array of its own.
    QByteArray svg;
    QBuffer buffer(&svg);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(request.size);
    generator.setViewBox(QRect(QPoint(0, 0), request.size));
    {
        QPainter painter(&generator);
        charts::paintChart(painter, QRectF(QPointF(0, 0), QSizeF(request.size)), request);
    }
    QSet<QString> arrays;
    const QRegularExpression dashArray(QStringLiteral("stroke-dasharray=\"([^\"]+)\""));
    for (const QRegularExpressionMatch& match : dashArray.globalMatch(QString::fromUtf8(svg))) {
        arrays.insert(match.captured(1));
    }
    QVERIFY2(arrays.size() >= model::kMaxSystems - 1,
             qPrintable(QStringList(arrays.values()).join(u';')));
}

void TestMixtureCharts::labelsKeepClear_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QSize>("size");
    for (const QSize size : {QSize(960, 600), QSize(320, 200), QSize(1920, 1080)}) {
        const QByteArray at =
            QByteArray::number(size.width()) + "x" + QByteArray::number(size.height());
        QTest::newRow("fractions at " + at) << int(ChartKind::Fractions) << size;
        QTest::newRow("log c at " + at) << int(ChartKind::LogC) << size;
        QTest::newRow("titration at " + at) << int(ChartKind::Titration) << size;
        QTest::newRow("derivative at " + at) << int(ChartKind::Derivative) << size;
    }
}

void TestMixtureCharts::labelsKeepClear() {
    // Four systems, twelve species: every label placed inside the frame and clear of the others.
    QFETCH(int, kind);
    QFETCH(QSize, size);
    ChartRequest request;
    request.kind = ChartKind(kind);
    request.size = size;
    request.showSolution = true;
    request.mixture = mixtureOf({{kPhosphoric, 0}, {{4.76}, 0}, {{6.35, 10.33}, 0}, {{9.25}, 1}});
    charts::SolutionChart chart(request);
    QImage image(size, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        chart.paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    const std::vector<charts::PlacedLabel>& labels = chart.labels();
    QVERIFY(!labels.empty());
    const QRectF frame = chart.layout().mapping.lineFrame();
    for (std::size_t i = 0; i < labels.size(); ++i) {
        QVERIFY2(frame.contains(labels[i].box), qPrintable(labels[i].text));
        for (std::size_t j = i + 1; j < labels.size(); ++j) {
            QVERIFY2(!labels[i].box.intersects(labels[j].box),
                     qPrintable(labels[i].text + QStringLiteral(" / ") + labels[j].text));
        }
    }
}

void TestMixtureCharts::halfEquivalenceLabelsNameTheSystem() {
    model::Mixture mixture = mixtureOf({{{4.76}, 0}, {{9.25}, 1}});
    mixture.systems[0].formulas = {"CH3COOH", "CH3COO^-"};
    mixture.systems[1].formulas = {"NH4^+", "NH3"};
    ChartRequest request;
    request.kind = ChartKind::Titration;
    request.mixture = mixture;
    const charts::ChartData data = charts::chartData(request);
    QStringList halves;
    for (const charts::ChartMark& mark : data.marks) {
        if (!mark.filled) {
            halves << mark.text;
        }
    }
    // 0.1 mol/L each, 25 mL with 0.1 mol/L NaOH: half of each at 12.5 and 37.5 mL.
    QCOMPARE(halves.size(), 2);
    QVERIFY2(halves[0].endsWith(QStringLiteral("pKa (CH\u2083COOH)")) ||
                 halves[0].contains(QStringLiteral("pKa (CH\u2083COOH) =")),
             qPrintable(halves[0]));
    QVERIFY2(halves[1].contains(QStringLiteral("pKa (NH\u2084\u207a)")), qPrintable(halves[1]));
    // In another language the pattern is the window's.
    request.texts.marks.systemPKa = QStringLiteral("%1 [%2]");
    const charts::ChartData translated = charts::chartData(request);
    QVERIFY(std::any_of(translated.marks.begin(), translated.marks.end(), [](const auto& mark) {
        return mark.text.contains(QStringLiteral("pKa [NH\u2084\u207a]"));
    }));
}

void TestMixtureCharts::mixtureReadoutListsWhatIsThere_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("pH");
    QTest::addColumn<QStringList>("names");
    // Acetic acid, ammonium and a diprotic acid (pKa 2 and 12), 0.1 mol/L each: α of 0.1 % or
    // more; log c of −14 or more, after [H+] and [OH−].
    QTest::newRow("fractions at pH 7: H2C and C2- at 1e-5")
        << int(ChartKind::Fractions) << 7.0 << QStringList{"HA", "A-", "HB^+", "B", "HC-"};
    QTest::newRow("fractions at pH 2: acetate at 0.17 %, no ammonia")
        << int(ChartKind::Fractions) << 2.0 << QStringList{"HA", "A-", "HB^+", "H2C", "HC-"};
    QTest::newRow("fractions at pH 12: ammonium at 0.18 %")
        << int(ChartKind::Fractions) << 12.0 << QStringList{"A-", "HB^+", "B", "HC-", "C2-"};
    QTest::newRow("log c at pH 14: H2C at 1e-15 mol/L")
        << int(ChartKind::LogC) << 14.0
        << QStringList{"H+", "OH-", "HA", "A-", "HB^+", "B", "HC-", "C2-"};
    QTest::newRow("log c at pH 7")
        << int(ChartKind::LogC) << 7.0
        << QStringList{"H+", "OH-", "HA", "A-", "HB^+", "B", "H2C", "HC-", "C2-"};
}

void TestMixtureCharts::mixtureReadoutListsWhatIsThere() {
    QFETCH(int, kind);
    QFETCH(double, pH);
    QFETCH(QStringList, names);
    ChartRequest request;
    request.kind = ChartKind(kind);
    request.mixture = mixtureOf({{{4.76}, 0}, {{9.25}, 1}, {{2.0, 12.0}, 0}});
    const charts::ChartReadout readout = charts::chartReadout(request, pH);
    QStringList got;
    for (const charts::ReadoutValue& value : readout.values) {
        got << value.name;
        if (value.name == u"HA") {
            const double alpha = test::referenceFractions({4.76}, pH)[0];
            VELMORA_COMPARE_REL(
                value.value, kind == int(ChartKind::LogC) ? std::log10(0.1 * alpha) : alpha, 1e-12);
        }
    }
    QCOMPARE(got, names);
}

void TestMixtureCharts::dataFiles_data() {
    QTest::addColumn<ChartRequest>("request");
    QTest::addColumn<double>("step");
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QByteArray>("last"); // the last row's first cell
    model::Mixture library = mixtureOf({{{4.76}, 0}, {{9.25}, 1}});
    library.systems[0].formulas = {"CH3COOH", "CH3COO^-"};
    ChartRequest fractions;
    fractions.mixture = library;
    QTest::newRow("fractions of a mixture")
        << fractions << 0.1 << QByteArray("pH,CH3COOH,CH3COO^-,HB^+,B") << 141 << QByteArray("14");
    ChartRequest logC = fractions;
    logC.kind = ChartKind::LogC;
    logC.mixture->systems.push_back(model::WeakSystem{{7.0}, 0, 0.0});
    QTest::newRow("log c of a mixture: a system of none left out")
        << logC << 0.25 << QByteArray("pH,log[H+],log[OH-],CH3COOH,CH3COO^-,HB^+,B") << 57
        << QByteArray("14");
    ChartRequest titration = fractions;
    titration.kind = ChartKind::Titration;
    QTest::newRow("titration of a mixture: 60 mL")
        << titration << 0.5 << QByteArray("V/mL,pH") << 121 << QByteArray("60");
    ChartRequest buffer = requestFor(ChartKind::Buffer, {{{{4.76}, 0.1, 0}}}, true);
    QTest::newRow("buffer capacity of one acid")
        << buffer << 0.5 << QByteArray("pH,beta") << 29 << QByteArray("14");
    ChartRequest derivative = requestFor(ChartKind::Derivative, {{{{4.76}, 0.1, 0}}}, true);
    QTest::newRow("derivative of one acid: 30 mL")
        << derivative << 0.05 << QByteArray("V/mL,dpH/dV") << 601 << QByteArray("30");
}

void TestMixtureCharts::dataFiles() {
    QFETCH(ChartRequest, request);
    QFETCH(double, step);
    QFETCH(QByteArray, header);
    QFETCH(int, rows);
    QFETCH(QByteArray, last);
    const QList<QByteArray> lines = csvLines(charts::chartCsv(request, step));
    QCOMPARE(lines.front(), header);
    QCOMPARE(lines.size(), rows + 1);
    QCOMPARE(charts::chartCsvRows(request, step), double(rows));
    QCOMPARE(lines.back().split(',').front(), last);
    const qsizetype columns = header.count(',') + 1;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> cells = lines[i].split(',');
        QCOMPARE(cells.size(), columns);
        const double x = cells[0].toDouble();
        if (request.kind == ChartKind::Buffer || request.kind == ChartKind::Fractions) {
            // The model's values as they are: what the readout gives at that pH, to the bit.
            const charts::ChartReadout readout = charts::chartReadout(request, x);
            if (request.kind == ChartKind::Buffer) {
                QCOMPARE(cells[1].toDouble(), readout.values[0].value);
            }
            for (const charts::ReadoutValue& value : readout.values) {
                const qsizetype column = header.split(',').indexOf(value.name.toUtf8());
                if (column > 0) {
                    QCOMPARE(cells[column].toDouble(), value.value);
                }
            }
        }
    }
}

void TestMixtureCharts::significantDigits_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("a buffer's peak") << 0.057612 << "0.0576";
    QTest::newRow("a slope of one") << 1.2345 << "1.23";
    QTest::newRow("rounded up a digit") << 0.0999999 << "0.100";
    QTest::newRow("a steep equivalence point") << 4321.7 << "4322";
    QTest::newRow("a falling pH") << -0.4703 << "\u22120.470";
    QTest::newRow("zero") << 0.0 << "0.00";
    QTest::newRow("water's least, nine decimals at most") << 4.6e-7 << "0.000000460";
    QTest::newRow("below the decimals shown") << 2.0e-12 << "0.000000000";
}

void TestMixtureCharts::significantDigits() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(charts::significantText(value), text);
    QCOMPARE(charts::significantText(value, u','), QString(text).replace(u'.', u','));
    QCOMPARE(charts::readoutValueText(ChartKind::Buffer, value), text);
    QCOMPARE(charts::readoutValueText(ChartKind::Derivative, value), text);
}

void TestMixtureCharts::niceCeilings_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("ceiling");
    QTest::newRow("a round number stays") << 0.05 << 0.05;
    QTest::newRow("just above one") << 1.01 << 1.2;
    QTest::newRow("between 5 and 6") << 0.0634 << 0.08;
    QTest::newRow("between 1.2 and 1.5") << 0.00123 << 0.0015;
    QTest::newRow("up to the next power") << 9.0 << 10.0;
    QTest::newRow("large") << 2600.0 << 3000.0;
    QTest::newRow("nothing gives one") << 0.0 << 1.0;
}

void TestMixtureCharts::niceCeilings() {
    QFETCH(double, value);
    QFETCH(double, ceiling);
    VELMORA_COMPARE_REL(charts::niceCeiling(value), ceiling, 1e-12);
}

QTEST_MAIN(TestMixtureCharts)
#include "test_mixturecharts.moc"
