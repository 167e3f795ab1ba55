// SPDX-License-Identifier: GPL-3.0-or-later
// The theory document's charts and its language editions: the charts' chemistry against an
// independent calculation, their words and decimal separator in each edition, the generator's
// own words, its refusals, and the typeset charts read back from the PDF.

#include "theorycharts.h"
#include "theoryfigures.h"
#include "theorypages.h"

#include "charts/solutionchart.h"

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTranslator>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace velmora::theory;
using velmora::charts::ChartData;
using velmora::charts::ChartRequest;

namespace {

constexpr double kKw = 1e-14;

/** The root of a function falling in log h from pH 0 to 14, by bisection: the pH. */
double solvePh(const std::function<double(double h)>& excessOfPositive) {
    double low = 0.0;
    double high = 14.0;
    for (int i = 0; i < 200; ++i) {
        const double mid = (low + high) / 2;
        if (excessOfPositive(std::pow(10.0, -mid)) > 0) {
            low = mid; // too many protons: the pH is higher
        } else {
            high = mid;
        }
    }
    return (low + high) / 2;
}

/**
 * The pH of V0 mL of a weak acid (C0, Ka) after V mL of a strong base Cb: the charge balance
 * h + Na+ = OH− + A−, written out here from the textbook.
 */
double weakAcidWithBase(double c0, double ka, double v0, double cb, double v) {
    const double acid = c0 * v0 / (v0 + v);
    const double sodium = cb * v / (v0 + v);
    return solvePh([&](double h) { return h + sodium - kKw / h - acid * ka / (ka + h); });
}

/** The pH of V0 mL of a weak acid (C0, Ka) after V mL of a weak base (Cb, its acid's Kb'). */
double weakAcidWithWeakBase(double c0, double ka, double v0, double cb, double kaBase, double v) {
    const double acid = c0 * v0 / (v0 + v);
    const double base = cb * v / (v0 + v);
    return solvePh(
        [&](double h) { return h + base * h / (kaBase + h) - kKw / h - acid * ka / (ka + h); });
}

/** The y value of a curve at x, between its nearest points. */
double curveAt(const std::vector<QPointF>& points, double x) {
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (points[i].x() >= x) {
            const QPointF a = points[i - 1];
            const QPointF b = points[i];
            return a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x());
        }
    }
    return std::nan("");
}

QByteArray measuredCsv() {
    QFile file(QStringLiteral(VELMORA_MEASURED_CSV));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

ChartData chartNamed(const QString& name, const SourceInputs& inputs = {}) {
    SourceInputs withMeasurement = inputs;
    withMeasurement.measuredCsv = measuredCsv();
    QString problem;
    const std::optional<ChartRequest> request =
        chartFigure(name, withMeasurement, QSize(640, 400), &problem);
    if (!request) {
        qWarning() << problem;
        return {};
    }
    return velmora::charts::chartData(*request);
}

struct Run {
    int exitCode = -1;
    QString errors;
    QByteArray pdf;
};

/** Runs the generator with `arguments` on `source`; the PDF it wrote, if any. */
Run generate(const QTemporaryDir& dir, const QString& source, const QStringList& arguments) {
    const QString output = dir.filePath(QStringLiteral("out.pdf"));
    QFile::remove(output);
    QProcess generator;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("SOURCE_DATE_EPOCH"), QStringLiteral("1700000000"));
    generator.setProcessEnvironment(env);
    generator.start(QStringLiteral(VELMORA_MAKE_THEORY), arguments + QStringList{source, output});
    Run run;
    if (!generator.waitForFinished(120000)) {
        return run;
    }
    run.exitCode = generator.exitCode();
    run.errors = QString::fromUtf8(generator.readAllStandardError());
    QFile pdf(output);
    if (pdf.open(QIODevice::ReadOnly)) {
        run.pdf = pdf.readAll();
    }
    return run;
}

/**
 * The document's source with `pictures` first, on a page of their own, in place of the charts it
 * shows itself (so that only the pictures of a test ask for anything).
 */
QString sourceWith(const QString& pictures) {
    QFile file(QStringLiteral(VELMORA_THEORY_SOURCE));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QString html = QString::fromUtf8(file.readAll());
    html.remove(QRegularExpression(QStringLiteral("<img[^>]*src=\"chart:[^>]*>")));
    // The numbers quoted from the sample measurement need it too; the charts alone are tried here.
    html.remove(QRegularExpression(QStringLiteral("<!-- n:measured-[^ ]* -->")));
    const QString first =
        QStringLiteral("<p style=\"page-break-after: always\">%1</p>").arg(pictures);
    const qsizetype body = html.indexOf(QStringLiteral("<body"));
    const qsizetype at = body < 0 ? 0 : html.indexOf(u'>', body) + 1;
    return html.insert(at, first);
}

/** Every chart the document can show, two a line, and a diagram. */
QString everyChart() {
    QString pictures =
        QStringLiteral("<img src=\"diagram:2.15,7.20\" width=\"300\" height=\"190\"> ");
    for (const QString& name : chartFigureNames()) {
        pictures +=
            QStringLiteral("<img src=\"chart:%1\" width=\"300\" height=\"190\"> ").arg(name);
    }
    return pictures;
}

QString writeSource(const QTemporaryDir& dir, const QString& html) {
    const QString path = dir.filePath(QStringLiteral("source.html"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(html.toUtf8()) < 0) {
        return {};
    }
    return path;
}

/** The words pdftotext finds on the first page of a PDF, in reading order; empty on failure. */
QStringList firstPageWords(const QByteArray& pdf, const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("read.pdf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size()) {
        return {};
    }
    file.close();
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-l"), QStringLiteral("1"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(pdftotext.readAllStandardOutput())
        .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

QString translationsDir() {
    return QStringLiteral(VELMORA_TRANSLATIONS_DIR);
}

} // namespace

class TestTheoryFigures : public QObject {
    Q_OBJECT

private slots:
    void chartNamesAreParsed_data();
    void chartNamesAreParsed();
    void picturesAreChecked_data();
    void picturesAreChecked();
    void chartCanvas_data();
    void chartCanvas();
    void chartFillsItsPicture_data();
    void chartFillsItsPicture();
    void solutionPhMarked();
    void titrationMarks_data();
    void titrationMarks();
    void bufferCapacityAtThePKa();
    void measuredCharts();
    void chartWordsInTheEdition_data();
    void chartWordsInTheEdition();
    void generatorWords_data();
    void generatorWords();
    void generatorRefuses_data();
    void generatorRefuses();
    void chartsTypesetInTheEdition_data();
    void chartsTypesetInTheEdition();
};

void TestTheoryFigures::chartNamesAreParsed_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("chart");
    for (const QString& name : chartFigureNames()) {
        QTest::newRow(qPrintable(name)) << QStringLiteral("chart:") + name << true;
    }
    QTest::newRow("unknown chart") << "chart:logc-citric" << false;
    QTest::newRow("no name") << "chart:" << false;
    QTest::newRow("letter case") << "chart:LogC-Acetic" << false;
    QTest::newRow("blank after the name") << "chart:logc-acetic " << false;
    QTest::newRow("name without its kind") << "logc-acetic" << false;
}

void TestTheoryFigures::chartNamesAreParsed() {
    QFETCH(QString, source);
    QFETCH(bool, chart);
    const std::optional<Figure> figure = parseFigure(source);
    QCOMPARE(figure.has_value(), chart);
    if (chart) {
        QVERIFY(figure->kind == Figure::Kind::Chart);
        QCOMPARE(QStringLiteral("chart:") + figure->chart, source);
    }
}

void TestTheoryFigures::picturesAreChecked_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<bool>("withMeasurement");
    QTest::addColumn<bool>("accepted");
    const auto img = [](const char* source) {
        return QStringLiteral("<p><img src=\"%1\" width=\"300\" height=\"200\"></p>")
            .arg(QLatin1String(source));
    };
    QTest::newRow("model chart") << img("chart:titration-acetic") << false << true;
    QTest::newRow("unknown chart") << img("chart:titration-citric") << true << false;
    QTest::newRow("chart without size")
        << "<p><img src=\"chart:buffer-acetic\"></p>" << false << false;
    QTest::newRow("gran with measurement") << img("chart:gran-measured") << true << true;
    QTest::newRow("gran without measurement") << img("chart:gran-measured") << false << false;
    QTest::newRow("measured without measurement") << img("chart:measured") << false << false;
    QTest::newRow("diagram beside") << img("diagram:4.76") + img("chart:measured") << true << true;
}

void TestTheoryFigures::picturesAreChecked() {
    QFETCH(QString, html);
    QFETCH(bool, withMeasurement);
    QFETCH(bool, accepted);
    QTextDocument doc;
    doc.setHtml(html);
    SourceInputs inputs;
    if (withMeasurement) {
        inputs.measuredCsv = measuredCsv();
        QVERIFY(!inputs.measuredCsv.isEmpty());
    }
    QCOMPARE(checkFigures(doc, inputs), accepted);
}

void TestTheoryFigures::chartCanvas_data() {
    QTest::addColumn<QSizeF>("css");
    QTest::addColumn<QSize>("canvas");
    // The texts of a chart laid out at css / 0.9 come out at 0.9 times their size on paper.
    QTest::newRow("page-wide") << QSizeF(540, 330) << QSize(600, 367);
    QTest::newRow("half the page") << QSizeF(288, 180) << QSize(320, 200);
    QTest::newRow("smaller than any chart") << QSizeF(90, 60) << QSize(320, 200);
}

void TestTheoryFigures::chartCanvas() {
    QFETCH(QSizeF, css);
    QFETCH(QSize, canvas);
    QCOMPARE(velmora::theory::chartCanvas(css), canvas);
}

void TestTheoryFigures::chartFillsItsPicture_data() {
    QTest::addColumn<QRect>("picture");
    QTest::newRow("at the corner") << QRect(0, 0, 200, 125);
    QTest::newRow("inside") << QRect(37, 21, 160, 100);
    QTest::newRow("wider than the chart's shape") << QRect(10, 50, 230, 90);
}

void TestTheoryFigures::chartFillsItsPicture() {
    QFETCH(QRect, picture);
    QString problem;
    const std::optional<ChartRequest> request =
        chartFigure(QStringLiteral("buffer-acetic"), {},
                    velmora::theory::chartCanvas(picture.size()), &problem);
    QVERIFY2(request, qPrintable(problem));
    QImage image(260, 160, QImage::Format_RGB32);
    image.fill(Qt::blue);
    {
        QPainter painter(&image);
        drawChartFigure(painter, picture, *request);
    }
    // The chart's white ground reaches the picture's corners and not a pixel beyond.
    for (const QPoint corner :
         {picture.topLeft(), picture.topRight(), picture.bottomLeft(), picture.bottomRight()}) {
        QCOMPARE(image.pixelColor(corner), QColor(Qt::white));
    }
    for (const QPoint outside :
         {picture.topLeft() + QPoint(-1, -1), picture.bottomRight() + QPoint(1, 1),
          QPoint(picture.right() + 1, picture.top()),
          QPoint(picture.left(), picture.bottom() + 1)}) {
        if (image.rect().contains(outside)) {
            QCOMPARE(image.pixelColor(outside), QColor(Qt::blue));
        }
    }
}

void TestTheoryFigures::solutionPhMarked() {
    const ChartData data = chartNamed(QStringLiteral("logc-acetic"));
    QVERIFY(data.hasMarker);
    // 0.1 mol/L acetic acid: pH 2.88 (h² = Ka·(C − h)).
    const double expected = weakAcidWithBase(0.1, std::pow(10.0, -4.76), 25, 0.1, 0);
    QVERIFY(std::abs(expected - 2.88) < 0.005);
    QVERIFY2(std::abs(data.markerX - expected) < 0.01, qPrintable(QString::number(data.markerX)));
    // HA, A−, H+ and OH− on a log c axis down from 0.
    QVERIFY(data.curves.size() >= 4);
    QVERIFY(data.y.max <= 0.5);
}

void TestTheoryFigures::titrationMarks_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("equivalence"); // mL
    QTest::addColumn<double>("equivalencePh");
    QTest::addColumn<double>("halfPh"); // at half the equivalence volume; NaN for no such mark
    const double ka = std::pow(10.0, -4.76);
    // Acetic acid 4.76 and the ammonium ion 9.25 (the weak titrant's acid).
    const double kaAmmonium = std::pow(10.0, -9.25);
    QTest::newRow("sodium hydroxide")
        << "titration-acetic" << 25.0 << weakAcidWithBase(0.1, ka, 25, 0.1, 25.0)
        << weakAcidWithBase(0.1, ka, 25, 0.1, 12.5);
    QTest::newRow("ammonia") << "titration-weak-titrant" << 25.0
                             << weakAcidWithWeakBase(0.1, ka, 25, 0.1, kaAmmonium, 25.0)
                             << weakAcidWithWeakBase(0.1, ka, 25, 0.1, kaAmmonium, 12.5);
}

void TestTheoryFigures::titrationMarks() {
    QFETCH(QString, name);
    QFETCH(double, equivalence);
    QFETCH(double, equivalencePh);
    QFETCH(double, halfPh);
    const ChartData data = chartNamed(name);
    QCOMPARE(data.x.min, 0.0);
    QCOMPARE(data.x.max, 50.0);
    QVERIFY(!data.markKey.isEmpty());
    const auto filled = std::find_if(data.marks.begin(), data.marks.end(),
                                     [](const auto& mark) { return mark.filled; });
    const auto open = std::find_if(data.marks.begin(), data.marks.end(),
                                   [](const auto& mark) { return !mark.filled; });
    QVERIFY(filled != data.marks.end());
    QVERIFY(open != data.marks.end());
    // The library's constants differ from the rounded ones by a few thousandths.
    QVERIFY2(std::abs(filled->at.x() - equivalence) < 0.01,
             qPrintable(QString::number(filled->at.x())));
    QVERIFY2(std::abs(filled->at.y() - equivalencePh) < 0.03,
             qPrintable(QString::number(filled->at.y())));
    QVERIFY2(std::abs(open->at.x() - equivalence / 2) < 0.01,
             qPrintable(QString::number(open->at.x())));
    QVERIFY2(std::abs(open->at.y() - halfPh) < 0.03, qPrintable(QString::number(open->at.y())));
}

void TestTheoryFigures::bufferCapacityAtThePKa() {
    const ChartData data = chartNamed(QStringLiteral("buffer-acetic"));
    QVERIFY(!data.curves.empty());
    // β = ln 10 · (h + Kw/h + C·Ka·h/(Ka + h)²): at pH = pKa the acid gives ln 10 · C / 4.
    const double h = std::pow(10.0, -4.76);
    const double expected = std::log(10.0) * (h + kKw / h + 0.1 / 4);
    const double drawn = curveAt(data.curves.front().points, 4.76);
    QVERIFY2(std::abs(drawn - expected) < 0.001 * expected,
             qPrintable(QStringLiteral("%1 drawn, %2 expected").arg(drawn).arg(expected)));
}

void TestTheoryFigures::measuredCharts() {
    // The measurement is 25 mL of 0.1 mol/L acetic acid with 0.1 mol/L NaOH: 25 mL to the end.
    const ChartData gran = chartNamed(QStringLiteral("gran-measured"));
    QVERIFY(!gran.measured.empty());
    QVERIFY(!gran.endLines.empty());
    for (const auto& line : gran.endLines) {
        QVERIFY2(std::abs(line.volume - 25.0) < 0.15, qPrintable(QString::number(line.volume)));
    }
    const ChartData measured = chartNamed(QStringLiteral("measured"));
    QVERIFY(!measured.measured.empty());
    const std::vector<QPointF>& points = measured.measured.front().points;
    QCOMPARE(measured.residuals.size(), points.size());
    // The residuals are measured minus model pH, the model 0.1 mol/L of pKa 4.76 with 0.1 mol/L
    // NaOH; before the jump the points lie on it within the measurement's noise.
    const double ka = std::pow(10.0, -4.76);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double model = weakAcidWithBase(0.1, ka, 25, 0.1, points[i].x());
        QVERIFY2(std::abs(measured.residuals[i].y() - (points[i].y() - model)) < 0.002,
                 qPrintable(QStringLiteral("%1 mL: %2").arg(points[i].x()).arg(model)));
        if (points[i].x() < 20.0) {
            QVERIFY(std::abs(measured.residuals[i].y()) < 0.06);
        }
    }
}

void TestTheoryFigures::chartWordsInTheEdition_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("equivalencePoint");
    QTest::addColumn<QChar>("decimalPoint");
    QTest::newRow("en") << "en"
                        << "equivalence point" << QChar(u'.');
    QTest::newRow("de") << "de"
                        << "Äquivalenzpunkt" << QChar(u',');
    QTest::newRow("es") << "es"
                        << "punto de equivalencia" << QChar(u',');
    QTest::newRow("fr") << "fr"
                        << "point d’équivalence" << QChar(u',');
}

void TestTheoryFigures::chartWordsInTheEdition() {
    QFETCH(QString, language);
    QFETCH(QString, equivalencePoint);
    QFETCH(QChar, decimalPoint);
    QTranslator translator;
    if (language != u"en") {
        QVERIFY(translator.load(QStringLiteral("velmora_%1.qm").arg(language), translationsDir()));
        QVERIFY(QCoreApplication::installTranslator(&translator));
    }
    auto remove = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });
    SourceInputs inputs;
    inputs.language = language;
    const ChartData data = chartNamed(QStringLiteral("titration-acetic"), inputs);
    QCOMPARE(data.markKey.filled, equivalencePoint);
    // The marks' numbers take the edition's separator: "25.00 mL · pH 8.72" or "25,00 mL ...".
    const auto filled = std::find_if(data.marks.begin(), data.marks.end(),
                                     [](const auto& mark) { return mark.filled; });
    QVERIFY(filled != data.marks.end());
    QVERIFY2(filled->text.startsWith(QStringLiteral("25") + decimalPoint + QStringLiteral("00")),
             qPrintable(filled->text));
}

void TestTheoryFigures::generatorWords_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("footer");
    QTest::addColumn<QString>("title");
    QTest::newRow("en") << "en"
                        << "Page 3 of 12"
                        << "Theory";
    QTest::newRow("de") << "de"
                        << "Seite 3 von 12"
                        << "Theorie";
    QTest::newRow("es") << "es"
                        << "Página 3 de 12"
                        << "Teoría";
    QTest::newRow("fr") << "fr"
                        << "Page 3 sur 12"
                        << "Théorie";
    QTest::newRow("unknown: English") << "it"
                                      << "Page 3 of 12"
                                      << "Theory";
}

void TestTheoryFigures::generatorWords() {
    QFETCH(QString, language);
    QFETCH(QString, footer);
    QFETCH(QString, title);
    QCOMPARE(pageFooter(language, 3, 12), footer);
    QCOMPARE(fallbackTitle(language), title);
}

void TestTheoryFigures::generatorRefuses_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("pictures"); // "" for one of every chart
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("reason");
    const QString measured = QStringLiteral("--measured=" VELMORA_MEASURED_CSV);
    const QString translations = QStringLiteral("--translations=") + translationsDir();
    QTest::newRow("every chart") << QStringList{measured} << "" << 0 << "";
    QTest::newRow("every chart in German")
        << QStringList{measured, QStringLiteral("--language=de"), translations} << "" << 0 << "";
    QTest::newRow("unknown language")
        << QStringList{measured, QStringLiteral("--language=it"), translations} << "" << 2
        << "\"it\" is not one of en, de, es, fr";
    QTest::newRow("translation missing")
        << QStringList{measured, QStringLiteral("--language=fr"),
                       QStringLiteral("--translations=/nonexistent")}
        << "" << 1 << "/nonexistent/velmora_fr.qm does not exist";
    QTest::newRow("English needs no translation")
        << QStringList{measured, QStringLiteral("--translations=/nonexistent")} << "" << 0 << "";
    QTest::newRow("measurement unreadable")
        << QStringList{QStringLiteral("--measured=/nonexistent/run.csv")} << "" << 1
        << "cannot read /nonexistent/run.csv";
    QTest::newRow("measurement missing")
        << QStringList{} << "" << 1 << "no measurement given (--measured FILE)";
    QTest::newRow("no measured chart, no measurement")
        << QStringList{} << "<img src=\"chart:logc-acetic\" width=\"300\" height=\"190\">" << 0
        << "";
    QTest::newRow("unknown chart")
        << QStringList{measured}
        << "<img src=\"chart:titration-citric\" width=\"300\" height=\"190\">" << 1
        << "unknown picture \"chart:titration-citric\"";
}

void TestTheoryFigures::generatorRefuses() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, pictures);
    QFETCH(int, exitCode);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = writeSource(dir, sourceWith(pictures.isEmpty() ? everyChart() : pictures));
    const Run run = generate(dir, path, arguments);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.pdf.isEmpty(), exitCode != 0);
    if (!reason.isEmpty()) {
        QVERIFY2(run.errors.contains(reason), qPrintable(run.errors));
    }
}

void TestTheoryFigures::chartsTypesetInTheEdition_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("words"); // found among the PDF's words
    QTest::addColumn<QString>("number");    // a decimal number as the edition writes them
    QTest::addColumn<QString>("notNumber"); // one as the edition does not
    const QString point = QStringLiteral("^\\d+\\.\\d+$");
    const QString comma = QStringLiteral("^\\d+,\\d+$");
    QTest::newRow("en") << "en" << QStringList{"Page", "1", "of", "equivalence", "Gran"} << point
                        << comma;
    QTest::newRow("de") << "de" << QStringList{"Seite", "1", "von", "Äquivalenzpunkt"} << comma
                        << point;
    QTest::newRow("fr") << "fr" << QStringList{"Page", "1", "sur", "d’équivalence"} << comma
                        << point;
}

void TestTheoryFigures::chartsTypesetInTheEdition() {
    QFETCH(QString, language);
    QFETCH(QStringList, words);
    QFETCH(QString, number);
    QFETCH(QString, notNumber);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        QSKIP("pdftotext (poppler-utils) is not installed");
    }
    QTemporaryDir dir;
    const Run run = generate(dir, writeSource(dir, sourceWith(everyChart())),
                             {QStringLiteral("--measured=" VELMORA_MEASURED_CSV),
                              QStringLiteral("--language=") + language,
                              QStringLiteral("--translations=") + translationsDir()});
    QCOMPARE(run.exitCode, 0);
    // The charts are drawn as lines and text, not as pictures.
    QVERIFY(!run.pdf.contains("/Subtype /Image"));
    const QStringList found = firstPageWords(run.pdf, dir);
    QVERIFY(!found.isEmpty());
    for (const QString& word : words) {
        QVERIFY2(found.contains(word), qPrintable(word));
    }
    const QRegularExpression written(number);
    const QRegularExpression notWritten(notNumber);
    QVERIFY(std::any_of(found.begin(), found.end(),
                        [&](const QString& word) { return written.match(word).hasMatch(); }));
    const auto wrong = std::find_if(found.begin(), found.end(), [&](const QString& word) {
        return notWritten.match(word).hasMatch();
    });
    QVERIFY2(wrong == found.end(), qPrintable(wrong == found.end() ? QString() : *wrong));
}

QTEST_MAIN(TestTheoryFigures)
#include "test_theoryfigures.moc"
