// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers the theory document quotes, each checked against a calculation of its own here
// (charge balances solved by bisection, Davies and van 't Hoff written out) or a published value.

#include "theorynumbers.h"
#include "theorysource.h"

#include "model/presets.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

#include <cmath>
#include <functional>

using namespace velmora::theory;

namespace {

constexpr double kKw = 1.0e-14;
const double kLn10 = std::log(10.0);

/** The pH where `balance(h)` (positive minus negative charges, falling with pH) is zero. */
double bisectPh(const std::function<double(double)>& balance) {
    double low = -2.0;
    double high = 16.0;
    for (int i = 0; i < 200; ++i) {
        const double middle = 0.5 * (low + high);
        if (balance(std::pow(10.0, -middle)) > 0.0) {
            low = middle;
        } else {
            high = middle;
        }
    }
    return 0.5 * (low + high);
}

/** The base's fraction of a monoprotic acid. */
double baseFraction(double h, double pKa) {
    const double ka = std::pow(10.0, -pKa);
    return ka / (ka + h);
}

/**
 * pH of a monoprotic acid HA (charge of HA `acidCharge`, 0 or +1) at `total` mol/L, with
 * `cation` mol/L of Na+ and `anion` mol/L of Cl−.
 */
double monoproticPh(double total, double pKa, int acidCharge, double cation, double anion) {
    return bisectPh([=](double h) {
        const double alpha1 = baseFraction(h, pKa);
        const double charge = acidCharge == 0 ? -total * alpha1 : total * (1.0 - alpha1);
        return h + cation - anion - kKw / h + charge;
    });
}

/** 0.1 mol/L acetic acid, 4.76 (CRC Handbook, 97th ed.); ammonium 9.245 (Harris, 9th ed.). */
constexpr double kAcetic = 4.76;
constexpr double kAmmonium = 9.245;
constexpr double kChloroacetic = 2.87;

QByteArray sampleMeasurement() {
    QFile file(QStringLiteral(VELMORA_MEASURED_SAMPLE));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const std::vector<TheoryNumber>& computed() {
    static const std::vector<TheoryNumber> numbers = [] {
        QString problem;
        std::vector<TheoryNumber> all = theoryNumbers(sampleMeasurement(), &problem);
        if (!problem.isEmpty()) {
            qWarning("%s", qPrintable(problem));
        }
        return all;
    }();
    return numbers;
}

double computedValue(const QString& name) {
    for (const TheoryNumber& number : computed()) {
        if (number.name == name) {
            return number.value;
        }
    }
    return std::nan("");
}

/** The constants of the library with which Figure 2 and the citric acid's peaks are checked. */
double highestOfSpecies(const std::vector<double>& pKa, int species, double from, double to) {
    double highest = 0.0;
    for (double pH = from; pH <= to + 1e-9; pH += 0.0005) {
        std::vector<double> terms{1.0};
        for (double value : pKa) {
            terms.push_back(terms.back() * std::pow(10.0, pH - value));
        }
        double sum = 0.0;
        for (double term : terms) {
            sum += term;
        }
        for (std::size_t j = 0; j < terms.size(); ++j) {
            if (species < 0 || static_cast<int>(j) == species) {
                highest = std::max(highest, terms[j] / sum);
            }
        }
    }
    return highest;
}

} // namespace

class TestTheoryNumbers : public QObject {
    Q_OBJECT

private slots:
    void computedWithoutProblem();
    void agreesWithAnOwnCalculation_data();
    void agreesWithAnOwnCalculation();
    void writtenInTheEditionsWay_data();
    void writtenInTheEditionsWay();
    void everyQuotedNumberIsComputed_data();
    void everyQuotedNumberIsComputed();
    void unknownNumberIsAProblem();
    void figureTwoDrawnWithTheExampleValues();
    void editionsKeepTheEnglishPlacesAndPictures_data();
    void editionsKeepTheEnglishPlacesAndPictures();
};

void TestTheoryNumbers::computedWithoutProblem() {
    QString problem;
    const std::vector<TheoryNumber> numbers = theoryNumbers(sampleMeasurement(), &problem);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(numbers.size() > 80);

    // Without the measurement the other numbers stand; a broken one is named.
    const std::vector<TheoryNumber> withoutMeasurement = theoryNumbers(QByteArray(), &problem);
    QVERIFY(problem.isEmpty());
    QVERIFY(withoutMeasurement.size() < numbers.size());
    const std::vector<TheoryNumber> broken =
        theoryNumbers(QByteArrayLiteral("V;pH\n1;2\n"), &problem);
    QVERIFY(problem.contains(QStringLiteral("measurement")));
    QCOMPARE(broken.size(), withoutMeasurement.size());
}

void TestTheoryNumbers::agreesWithAnOwnCalculation_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("tolerance");

    const auto row = [](const char* name, double expected, double tolerance) {
        QTest::newRow(name) << QString::fromLatin1(name) << expected << tolerance;
    };
    // Charge balances of section 6.
    row("acetic-ph", monoproticPh(0.1, kAcetic, 0, 0.0, 0.0), 1e-4);
    const double aceticH = std::pow(10.0, -monoproticPh(0.1, kAcetic, 0, 0.0, 0.0));
    row("acetic-acetate", 0.1 * baseFraction(aceticH, kAcetic), 1e-7);
    row("acetic-approx", 0.5 * (kAcetic + 1.0), 1e-9);
    row("acetate-ph", monoproticPh(0.1, kAcetic, 0, 0.1, 0.0), 1e-4);
    row("acetate-hydroxide", kKw * std::pow(10.0, monoproticPh(0.1, kAcetic, 0, 0.1, 0.0)), 1e-9);
    row("acetate-approx", 14.0 - 0.5 * (14.0 - kAcetic + 1.0), 1e-9);
    row("ammonium-ph", monoproticPh(0.1, kAmmonium, 1, 0.0, 0.1), 1e-4);
    row("ammonium-pka", kAmmonium, 1e-9);
    row("ammonium-approx", 0.5 * (kAmmonium + 1.0), 1e-9);
    row("hcl-hydrogen", (1e-8 + std::sqrt(1e-16 + 4.0 * kKw)) / 2.0, 1e-11);
    row("hcl-ph", -std::log10((1e-8 + std::sqrt(1e-16 + 4.0 * kKw)) / 2.0), 1e-4);

    // Titrations of section 8: 25 mL with 0.1 mol/L titrant.
    row("titration-eq-volume", 25.0, 1e-3);
    row("titration-eq-ph", monoproticPh(0.05, kAcetic, 0, 0.05, 0.0), 1e-3);
    const double halfTotal = 2.5 / 37.5;
    row("titration-half-ph", monoproticPh(halfTotal, kAcetic, 0, halfTotal / 2.0, 0.0), 1e-3);
    row("titration-24-ph", monoproticPh(2.5 / 49.0, kAcetic, 0, 2.4 / 49.0, 0.0), 1e-3);
    row("titration-26-ph", monoproticPh(2.5 / 51.0, kAcetic, 0, 2.6 / 51.0, 0.0), 1e-3);
    row("titration-50-ph", monoproticPh(2.5 / 75.0, kAcetic, 0, 5.0 / 75.0, 0.0), 1e-3);
    const double chloroTotal = 0.25 / 37.5;
    row("chloro-half-ph", monoproticPh(chloroTotal, kChloroacetic, 0, chloroTotal / 2.0, 0.0),
        1e-3);
    const auto withAmmonia = [](double acid, double base) {
        return bisectPh([=](double h) {
            return h + base * (1.0 - baseFraction(h, kAmmonium)) - kKw / h -
                   acid * baseFraction(h, kAcetic);
        });
    };
    row("weak-eq-ph", withAmmonia(0.05, 0.05), 1e-3);
    row("weak-24-ph", withAmmonia(2.5 / 49.0, 2.4 / 49.0), 1e-3);
    row("weak-26-ph", withAmmonia(2.5 / 51.0, 2.6 / 51.0), 1e-3);
    row("weak-50-ph", withAmmonia(2.5 / 75.0, 5.0 / 75.0), 1e-3);

    // The buffer of section 9, and its capacity written out.
    const double bufferPh = monoproticPh(0.2, kAcetic, 0, 0.1, 0.0);
    row("buffer-ph", bufferPh, 1e-4);
    row("buffer-acid-ph", monoproticPh(0.2, kAcetic, 0, 0.1, 0.01), 1e-4);
    const double h = std::pow(10.0, -bufferPh);
    const double ka = std::pow(10.0, -kAcetic);
    row("buffer-capacity", kLn10 * (h + kKw / h + 0.2 * ka * h / ((ka + h) * (ka + h))), 1e-5);
    row("water-acid-ph", 2.0, 1e-4);
    const double dilutePh = monoproticPh(0.02, kAcetic, 0, 0.01, 0.0);
    const double hd = std::pow(10.0, -dilutePh);
    row("dilute-buffer-capacity",
        kLn10 * (hd + kKw / hd + 0.02 * ka * hd / ((ka + hd) * (ka + hd))), 1e-6);
    row("dilute-buffer-acid-ph", monoproticPh(0.02, kAcetic, 0, 0.01, 0.001), 1e-4);

    // Davies at I = 0.1 with A = 0.509 (the usual tabulated value at 25 °C), and the
    // standard phosphate buffer: its certified pH is 6.865, and Davies comes within 0.02.
    const double davies = std::sqrt(0.1) / (1.0 + std::sqrt(0.1)) - 0.3 * 0.1;
    row("davies-a", 0.509, 0.002);
    row("phosphate-ionic", 0.1, 1e-4);
    row("gamma-1", std::pow(10.0, -0.509 * davies), 0.002);
    row("gamma-2", std::pow(10.0, -0.509 * 4.0 * davies), 0.002);
    row("phosphate-ph-davies", 7.20 - 0.509 * 3.0 * davies, 0.004);
    row("phosphate-ph-ideal", 7.20, 1e-3);

    // The ion product of water (Harned and Owen; CRC Handbook, ion product of water).
    const std::vector<std::pair<int, double>> published{
        {0, 14.94},  {10, 14.53}, {20, 14.17}, {25, 14.00}, {30, 13.83}, {40, 13.53},
        {50, 13.26}, {60, 13.02}, {70, 12.80}, {80, 12.60}, {90, 12.42}, {100, 12.26}};
    for (const auto& [celsius, pKw] : published) {
        QTest::newRow(qPrintable(QStringLiteral("pkw-%1").arg(celsius)))
            << QStringLiteral("pkw-%1").arg(celsius) << pKw << 0.02;
        QTest::newRow(qPrintable(QStringLiteral("neutral-%1").arg(celsius)))
            << QStringLiteral("neutral-%1").arg(celsius) << pKw / 2.0 << 0.01;
    }
    // Tris: pKa 8.072 and ΔH° 47.45 kJ/mol (Goldberg, Kishore and Lennen 2002), van 't Hoff.
    const double trisShift = 47450.0 / (8.314462618 * kLn10) * (1.0 / 298.15 - 1.0 / 310.15);
    row("tris-ph-25", 8.072, 1e-3);
    row("tris-ph-37", 8.072 - trisShift, 2e-3);
    row("tris-enthalpy", 47.45, 1e-9);

    // Figure 2, with the constants of the table (CRC Handbook, 97th ed.).
    row("carbonic-max", 1.0 / (1.0 + 2.0 * std::pow(10.0, -(10.33 - 6.35) / 2.0)), 1e-4);
    row("citric-max-1", highestOfSpecies({3.13, 4.76, 6.40}, 1, 0.0, 14.0), 1e-4);
    row("citric-max-2", highestOfSpecies({3.13, 4.76, 6.40}, 2, 0.0, 14.0), 1e-4);
    row("citric-highest-3-6.5", highestOfSpecies({3.13, 4.76, 6.40}, -1, 3.0, 6.5), 1e-4);

    // The sample measurement was made up from 25.00 mL of 0.1000 mol/L acetic acid, pKa 4.76,
    // with a scatter of 0.01 pH: what is found from it lies that close to the truth.
    row("measured-points", 81, 0.0);
    row("measured-endpoint-derivative", 25.0, 0.05);
    row("measured-endpoint-second", 25.0, 0.05);
    row("measured-endpoint-gran", 25.0, 0.1);
    row("measured-fit-conc", 0.1, 1e-5);
    row("measured-fit-pka", 4.76, 0.01);
    // 81 readings with 0.01 pH of scatter pin the pKa to a few thousandths, no better.
    row("measured-fit-pka-se", 0.002, 0.0015);
    row("measured-fit-s", 0.01, 0.002);
    row("measured-fit-n", 81, 0.0);
}

void TestTheoryNumbers::agreesWithAnOwnCalculation() {
    QFETCH(QString, name);
    QFETCH(double, expected);
    QFETCH(double, tolerance);
    const double value = computedValue(name);
    QVERIFY2(std::abs(value - expected) <= tolerance,
             qPrintable(QStringLiteral("%1 = %2, expected %3 ± %4")
                            .arg(name)
                            .arg(value, 0, 'g', 10)
                            .arg(expected, 0, 'g', 10)
                            .arg(tolerance)));
}

void TestTheoryNumbers::writtenInTheEditionsWay_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("digits");
    QTest::addColumn<bool>("scientific");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("expected");
    QTest::newRow("fixed") << 2.88286 << 2 << false << "en"
                           << "2.88";
    QTest::newRow("comma") << 2.88286 << 2 << false << "de"
                           << "2,88";
    QTest::newRow("comma fr") << 0.765 << 3 << false << "fr"
                              << "0,765";
    QTest::newRow("whole") << 81.0 << 0 << false << "es"
                           << "81";
    QTest::newRow("minus") << -0.5 << 1 << false << "en"
                           << "−0.5";
    QTest::newRow("rounds to zero, no sign") << -0.0004 << 2 << false << "en"
                                             << "0.00";
    QTest::newRow("power") << 1.3096e-3 << 3 << true << "en"
                           << "1.31·10<sup>−3</sup>";
    QTest::newRow("power, comma") << 7.586e-6 << 3 << true << "de"
                                  << "7,59·10<sup>−6</sup>";
    QTest::newRow("rounds up a power") << 9.9996e-4 << 3 << true << "en"
                                       << "1.00·10<sup>−3</sup>";
    QTest::newRow("positive power") << 4.2e5 << 2 << true << "en"
                                    << "4.2·10<sup>5</sup>";
}

void TestTheoryNumbers::writtenInTheEditionsWay() {
    QFETCH(double, value);
    QFETCH(int, digits);
    QFETCH(bool, scientific);
    QFETCH(QString, language);
    QFETCH(QString, expected);
    const TheoryNumber number{QStringLiteral("x"), value, digits,
                              scientific ? NumberStyle::Scientific : NumberStyle::Fixed};
    QCOMPARE(numberHtml(number, language), expected);
}

void TestTheoryNumbers::everyQuotedNumberIsComputed_data() {
    QTest::addColumn<QString>("path");
    const QDir docs(QStringLiteral(VELMORA_DOCS_DIR));
    for (const QString& name :
         docs.entryList({QStringLiteral("theory*.html")}, QDir::Files, QDir::Name)) {
        QTest::newRow(qPrintable(name)) << docs.filePath(name);
    }
}

void TestTheoryNumbers::everyQuotedNumberIsComputed() {
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString source = QString::fromUtf8(file.readAll());
    SourceInputs inputs;
    inputs.measuredCsv = sampleMeasurement();
    QString problem;
    const QString filled = fillSource(source, inputs, &problem);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(source.contains(QStringLiteral("<!-- n:")));
    QVERIFY(!filled.contains(QStringLiteral("<!-- n:")));
    // The pH of 0.1 mol/L acetic acid is quoted, and filled in as computed.
    QVERIFY(source.contains(QStringLiteral("<!-- n:acetic-ph -->")));
}

void TestTheoryNumbers::unknownNumberIsAProblem() {
    QString problem;
    SourceInputs inputs;
    inputs.language = QStringLiteral("de");
    const QString source =
        QStringLiteral("<!-- program --><!-- example-acids --><!-- example-sources -->"
                       "pH <!-- n:acetic-ph --> und <!-- n:acetic-ph -->");
    const QString filled = fillSource(source, inputs, &problem);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(filled.count(QStringLiteral("pH 2,88 und 2,88")), 1);

    const QString wrong = source + QStringLiteral(" <!-- n:acetic-pH-typo -->");
    QCOMPARE(fillSource(wrong, inputs, &problem), wrong);
    QVERIFY(problem.contains(QStringLiteral("acetic-pH-typo")));
    QVERIFY(problem.contains(QStringLiteral("not computed")));

    // A number of the sample measurement, without the measurement: said so.
    const QString measured = source + QStringLiteral(" <!-- n:measured-fit-pka -->");
    QCOMPARE(fillSource(measured, inputs, &problem), measured);
    QVERIFY2(problem.contains(QStringLiteral("from the sample measurement, and none was given")),
             qPrintable(problem));
    inputs.measuredCsv = sampleMeasurement();
    QVERIFY(!fillSource(measured, inputs, &problem).contains(QStringLiteral("<!--")));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void TestTheoryNumbers::figureTwoDrawnWithTheExampleValues() {
    QFile file(QStringLiteral(VELMORA_DOCS_DIR "/theory.html"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString source = QString::fromUtf8(file.readAll());
    for (const char* key : {"carbonic", "citric"}) {
        const velmora::model::Preset* preset = velmora::model::findPreset(key);
        QVERIFY(preset != nullptr);
        QStringList values;
        for (double value : preset->pKa) {
            values << QString::number(value, 'f', 2);
        }
        QVERIFY2(source.contains(QStringLiteral("src=\"diagram:%1\"").arg(values.join(u','))), key);
    }
}

namespace {

/** The marked places in order, and every picture, of a source: what an edition must keep. */
QStringList placesAndPictures(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {QStringLiteral("cannot read ") + path};
    }
    static const QRegularExpression kept(
        QStringLiteral("<!-- (?:n:[^ ]+|program|example-acids|example-sources) -->|<img [^>]*>"));
    QStringList found;
    // The comment at the top, which describes the places, is the translators' to word.
    static const QRegularExpression header(QStringLiteral("<!--\\s*\n.*?-->"),
                                           QRegularExpression::DotMatchesEverythingOption);
    const QString source = QString::fromUtf8(file.readAll()).remove(header);
    QRegularExpressionMatchIterator matches = kept.globalMatch(source);
    while (matches.hasNext()) {
        found << matches.next().captured(0);
    }
    return found;
}

} // namespace

void TestTheoryNumbers::editionsKeepTheEnglishPlacesAndPictures_data() {
    QTest::addColumn<QString>("path");
    const QDir docs(QStringLiteral(VELMORA_DOCS_DIR));
    for (const QString& name :
         docs.entryList({QStringLiteral("theory.*.html")}, QDir::Files, QDir::Name)) {
        QTest::newRow(qPrintable(name)) << docs.filePath(name);
    }
}

void TestTheoryNumbers::editionsKeepTheEnglishPlacesAndPictures() {
    QFETCH(QString, path);
    const QStringList english = placesAndPictures(QStringLiteral(VELMORA_DOCS_DIR "/theory.html"));
    const QStringList edition = placesAndPictures(path);
    QVERIFY(english.size() > 100);
    for (qsizetype i = 0; i < std::min(english.size(), edition.size()); ++i) {
        QVERIFY2(
            edition.at(i) == english.at(i),
            qPrintable(
                QStringLiteral("%1 where the English has %2").arg(edition.at(i), english.at(i))));
    }
    QCOMPARE(edition.size(), english.size());
}

QTEST_MAIN(TestTheoryNumbers)
#include "test_theorynumbers.moc"
