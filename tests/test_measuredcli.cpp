// SPDX-License-Identifier: GPL-3.0-or-later
// Measured titrations on the command line: --fit, --endpoints, --columns and --vary, on files
// written here from the test's own model of the titration with noise of a fixed seed, in the
// dialects pH meters, loggers and spreadsheets write, then read by the real program.

#include "files.h"
#include "program.h"
#include "referencetitration.h"

#include "app/commandline.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <functional>

using namespace velmora;
using namespace velmora::test;
using Action = app::CommandLine::Action;

namespace {

const ReferenceTitration kAcetic{{4.76}, 0, 0.1, 25.0, 0.1, false};
const ReferenceTitration kPhosphoric{{2.148, 7.198, 12.35}, 0, 0.05, 25.0, 0.1, false};

/** How a file writes its table. */
struct Dialect {
    QByteArray header;    ///< lines before the data, each ended
    char separator = ','; ///< between the cells
    char decimal = '.';
    QByteArray lineEnd = "\n";
    /** Each row's cells from its volume and pH (as text with the dialect's decimal mark). */
    std::function<QByteArrayList(const QByteArray& volume, const QByteArray& pH, int row)> row;
};

QByteArray number(double value, int decimals, char decimal) {
    QByteArray text = QByteArray::number(value, 'f', decimals);
    if (decimal == ',') {
        text.replace('.', ',');
    }
    return text;
}

QByteArray tableOf(const std::vector<model::TitrationPoint>& points, const Dialect& dialect) {
    QByteArray text = dialect.header;
    int row = 0;
    for (const model::TitrationPoint& point : points) {
        const QByteArrayList cells = dialect.row(number(point.volume, 3, dialect.decimal),
                                                 number(point.pH, 4, dialect.decimal), row++);
        text += cells.join(dialect.separator) + dialect.lineEnd;
    }
    return text;
}

QByteArrayList volumeThenPh(const QByteArray& volume, const QByteArray& pH, int) {
    return {volume, pH};
}

/** The dialects of the fitting and end-point tests, by name. */
Dialect dialectNamed(const QString& name) {
    if (name == u"logger with time and temperature") {
        return {"Time (s),Volume (mL),pH,Temperature (C)\n", ',', '.', "\n",
                [](const QByteArray& volume, const QByteArray& pH, int row) {
                    return QByteArrayList{QByteArray::number(row * 10), volume, pH, "25.0"};
                }};
    }
    if (name == u"spreadsheet with decimal comma") {
        return {"\xEF\xBB\xBFVolumen;pH\r\nmL;\r\n", ';', ',', "\r\n", volumeThenPh};
    }
    if (name == u"tab-separated with a unit row") {
        return {"# pH meter export\nV\tpH\nmL\t\n", '\t', '.', "\n", volumeThenPh};
    }
    // Headerless, the pH first: --columns 2,1 says which is which.
    return {"", ',', '.', "\n", [](const QByteArray& volume, const QByteArray& pH, int) {
                return QByteArrayList{pH, volume};
            }};
}

struct PrintedValue {
    QString name;
    double value = 0.0;
    double error = 0.0;
    QString unit;
};

/** The lines "NAME VALUE ± ERROR[ mol/L]" of --fit's output; their form checked on the way. */
QList<PrintedValue> printedValues(const QByteArray& out, QString& s, QString& n,
                                  QStringList& correlations) {
    static const QRegularExpression valueLine(
        QStringLiteral("^(\\S+) (-?\\d+(?:\\.(\\d+))?) ± (\\d+(?:\\.(\\d+))?)( mol/L)?$"));
    QList<PrintedValue> values;
    for (const QString& line : QString::fromUtf8(out).split(u'\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(QLatin1String("s "))) {
            s = line.mid(2);
        } else if (line.startsWith(QLatin1String("n "))) {
            n = line.mid(2);
        } else if (line.startsWith(QLatin1String("correlation "))) {
            correlations << line;
        } else if (const QRegularExpressionMatch match = valueLine.match(line); match.hasMatch()) {
            // The value has the decimals of its error.
            if (match.captured(3).size() != match.captured(5).size()) {
                return {};
            }
            values.append({match.captured(1), match.captured(2).toDouble(),
                           match.captured(4).toDouble(), match.captured(6).trimmed()});
        } else {
            return {};
        }
    }
    return values;
}

} // namespace

class TestMeasuredCli : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void fitted_data();
    void fitted();
    void endPoints_data();
    void endPoints();
    void refusedArguments_data();
    void refusedArguments();
    void refusedData_data();
    void refusedData();
    void decimalCommaLocale();
    void noEndPoint();
    void drawings_data();
    void drawings();
    void measuredModel_data();
    void measuredModel();

private:
    QByteArray written(const QString& name, const QByteArray& text) {
        const QByteArray path = m_dir.filePath(name).toLocal8Bit();
        return putFile(path, text) ? path : QByteArray();
    }
    QTemporaryDir m_dir;
};

void TestMeasuredCli::fitted_data() {
    QTest::addColumn<QString>("dialect");
    QTest::addColumn<QStringList>("arguments"); // the sample as the starting guess, --vary
    QTest::addColumn<double>("offset");         // of the electrode, pH
    QTest::addColumn<QStringList>("names");     // of the printed parameters, in order
    QTest::addColumn<QList<double>>("truth");
    QTest::newRow("logger, default parameters")
        << "logger with time and temperature" << QStringList{"--pka", "4.5", "--conc", "0.12"}
        << 0.0 << QStringList{"conc", "pka1"} << QList<double>{0.1, 4.76};
    QTest::newRow("spreadsheet, offset")
        << "spreadsheet with decimal comma"
        << QStringList{"--add", "0.12:acetic", "--vary", "conc,pka1,offset"} << 0.04
        << QStringList{"conc", "pka1", "offset"} << QList<double>{0.1, 4.76, 0.04};
    QTest::newRow("tab-separated, titrant")
        << "tab-separated with a unit row"
        << QStringList{"--pka",     "4.76",      "--conc", "0.1",
                       "--titrant", "base:0.09", "--vary", "titrant,pka1"}
        << 0.0 << QStringList{"titrant", "pka1"} << QList<double>{0.1, 4.76};
    QTest::newRow("headerless, columns by position")
        << "headerless, pH first"
        << QStringList{"--pka", "5", "--conc", "0.09", "--columns", "2,1", "--volume", "25"} << 0.0
        << QStringList{"conc", "pka1"} << QList<double>{0.1, 4.76};
}

void TestMeasuredCli::fitted() {
    QFETCH(QString, dialect);
    QFETCH(QStringList, arguments);
    QFETCH(double, offset);
    QFETCH(QStringList, names);
    QFETCH(QList<double>, truth);
    constexpr int kCount = 61;
    constexpr double kSigma = 0.01;
    Noise noise(11, kSigma);
    const QByteArray file = written(
        QStringLiteral("fit.csv"),
        tableOf(measured(kAcetic, 0.0, 40.0, kCount, noise, offset), dialectNamed(dialect)));
    const Run run = runProgram(QStringList{"--fit", QString::fromLocal8Bit(file)} + arguments);
    QVERIFY2(run.status == 0, run.err.constData());
    QCOMPARE(run.err, QByteArray());
    QString s;
    QString n;
    QStringList correlations;
    const QList<PrintedValue> values = printedValues(run.out, s, n, correlations);
    QStringList printedNames;
    for (const PrintedValue& value : values) {
        printedNames << value.name;
    }
    QVERIFY2(printedNames == names, run.out.constData());
    for (qsizetype j = 0; j < values.size(); ++j) {
        const bool concentration = names[j] == u"conc" || names[j] == u"titrant";
        QCOMPARE(values[j].unit, concentration ? QStringLiteral("mol/L") : QString());
        // Rounded to its error's digits, the value stays within three errors and a rounding step.
        QVERIFY2(std::abs(values[j].value - truth[j]) <= 3.5 * values[j].error,
                 run.out.constData());
    }
    QCOMPARE(n, QString::number(kCount));
    QVERIFY2(QRegularExpression(QStringLiteral("^0\\.0\\d\\d$")).match(s).hasMatch(),
             qPrintable(s));
    QVERIFY(s.toDouble() > 0.7 * kSigma && s.toDouble() < 1.3 * kSigma);
    // One correlation per pair, in the parameters' order.
    QCOMPARE(correlations.size(), names.size() * (names.size() - 1) / 2);
    static const QRegularExpression correlationLine(
        QStringLiteral("^correlation (\\S+) (\\S+) (-?[01]\\.\\d\\d)$"));
    for (const QString& line : correlations) {
        const QRegularExpressionMatch match = correlationLine.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line));
        QVERIFY(names.indexOf(match.captured(1)) < names.indexOf(match.captured(2)));
    }
}

void TestMeasuredCli::endPoints_data() {
    QTest::addColumn<QString>("dialect");
    QTest::addColumn<int>("titration"); // 0 acetic acid, 1 phosphoric acid
    QTest::addColumn<double>("step");   // mL between the points
    QTest::addColumn<QStringList>("methods");
    QTest::addColumn<QList<double>>("volumes"); // the equivalence points, mL
    QTest::newRow("acetic acid, logger")
        << "logger with time and temperature" << 0 << 0.25
        << QStringList{"derivative", "second-derivative", "gran", "gran-excess"}
        << QList<double>{25.0, 25.0, 25.0, 25.0};
    QTest::newRow("acetic acid, spreadsheet, coarse")
        << "spreadsheet with decimal comma" << 0 << 0.5
        << QStringList{"derivative", "second-derivative", "gran", "gran-excess"}
        << QList<double>{25.0, 25.0, 25.0, 25.0};
    QTest::newRow("phosphoric acid, two jumps")
        << "tab-separated with a unit row" << 1 << 0.25
        << QStringList{"derivative", "derivative", "second-derivative", "second-derivative"}
        << QList<double>{12.5, 25.0, 12.5, 25.0};
}

void TestMeasuredCli::endPoints() {
    QFETCH(QString, dialect);
    QFETCH(int, titration);
    QFETCH(double, step);
    QFETCH(QStringList, methods);
    QFETCH(QList<double>, volumes);
    Noise noise(5, 0.005);
    const ReferenceTitration& truth = titration == 0 ? kAcetic : kPhosphoric;
    const double last = titration == 0 ? 40.0 : 32.0;
    const auto count = static_cast<int>(std::lround(last / step)) + 1;
    const QByteArray file =
        written(QStringLiteral("endpoints.csv"),
                tableOf(measured(truth, 0.0, last, count, noise), dialectNamed(dialect)));
    const Run run = runProgram({"--endpoints", QString::fromLocal8Bit(file)});
    QVERIFY2(run.status == 0, run.err.constData());
    static const QRegularExpression endPointLine(QStringLiteral("^(\\S+) (\\d+\\.\\d\\d) mL$"));
    QStringList printedMethods;
    for (const QString& line : QString::fromUtf8(run.out).split(u'\n', Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch match = endPointLine.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line));
        printedMethods << match.captured(1);
        const qsizetype index = printedMethods.size() - 1;
        if (index >= volumes.size()) {
            break;
        }
        // Every method finds the end point within the volume step.
        QVERIFY2(std::abs(match.captured(2).toDouble() - volumes[index]) <= step,
                 run.out.constData());
    }
    // Gran's lines are the first jump's before it and the last jump's after it.
    QCOMPARE(printedMethods.mid(0, methods.size()), methods);
}

void TestMeasuredCli::refusedArguments_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("problem"); // how it starts; all of it where it ends with $
    const QStringList fit{"--fit", "data.csv", "--pka", "4.76"};
    QTest::newRow("fit without a sample")
        << QStringList{"--fit", "data.csv"}
        << "--fit needs the sample the data were measured on: --pka LIST, --add SUBSTANCE or "
           "--recipe FILE$";
    QTest::newRow("fit without a file")
        << QStringList{"--fit", "", "--pka", "4.76"} << "--fit: no file name given$";
    QTest::newRow("fit and export") << fit + QStringList{"--export", "a.png"}
                                    << "--fit: use either --fit or --export, not both$";
    QTest::newRow("fit and solve")
        << fit + QStringList{"--solve"} << "--fit: use either --fit or --solve, not both$";
    QTest::newRow("fit and end points") << fit + QStringList{"--endpoints", "data.csv"}
                                        << "--endpoints: use either --endpoints or --fit";
    QTest::newRow("fit with a plot")
        << fit + QStringList{"--plot", "titration"} << "--plot is only used with --export";
    QTest::newRow("fit with a step")
        << fit + QStringList{"--step", "0.1"} << "--step is only used with --export";
    QTest::newRow("unknown parameter") << fit + QStringList{"--vary", "conc,temperature"}
                                       << "--vary: temperature: not a parameter";
    QTest::newRow("constant the acid has not") << fit + QStringList{"--vary", "pka2"}
                                               << "--vary: pka2: the weak acid or base has 1 "
                                                  "constants$";
    QTest::newRow("pkb of an acid") << fit + QStringList{"--vary", "pkb1"}
                                    << "--vary: pkb1: the acid is given by its pKa values";
    QTest::newRow("parameter twice")
        << fit + QStringList{"--vary", "conc,conc"} << "--vary: conc: named twice$";
    QTest::newRow("no parameter") << fit + QStringList{"--vary", " "}
                                  << "--vary: names no parameter to fit$";
    QTest::newRow("vary given twice")
        << fit + QStringList{"--vary", "conc", "--vary", "pka1"} << "--vary";
    QTest::newRow("vary without a fit")
        << QStringList{"--vary", "conc"} << "--vary applies to --fit and --plot measured only$";
    QTest::newRow("vary with end points")
        << QStringList{"--endpoints", "data.csv", "--vary", "conc"}
        << "--vary applies to --fit and --plot measured only$";
    QTest::newRow("columns without a file")
        << QStringList{"--solve", "--pka", "4.76", "--columns", "1,2"}
        << "--columns applies to --fit, --endpoints and --data only$";
    QTest::newRow("one column") << fit + QStringList{"--columns", "2"}
                                << "--columns: '2' is not V,PH";
    QTest::newRow("column 0") << QStringList{"--endpoints", "data.csv", "--columns", "0,1"}
                              << "--columns: '0,1' is not V,PH";
    QTest::newRow("end points with an acid")
        << QStringList{"--endpoints", "data.csv", "--pka", "4.76"}
        << "--pka does not apply to --endpoints (only --volume, --columns)$";
    QTest::newRow("end points with a titrant")
        << QStringList{"--endpoints", "data.csv", "--titrant", "base:0.1"}
        << "--titrant does not apply to --endpoints";
    QTest::newRow("end points, volume out of range")
        << QStringList{"--endpoints", "data.csv", "--volume", "0"} << "--volume: 0 must be";
    QTest::newRow("data without export")
        << QStringList{"--data", "data.csv"} << "--data is only used with --export";
    QTest::newRow("measured without data")
        << QStringList{"--export", "m.png", "--plot", "measured", "--pka", "4.76"}
        << "--plot measured needs the measured titration: --data FILE$";
    QTest::newRow("data with the titration")
        << QStringList{"--export", "m.png", "--plot", "titration", "--data", "d.csv"}
        << "--data applies to --export with --plot measured, gran or derivative only$";
    QTest::newRow("data with the main diagram")
        << QStringList{"--export", "m.png", "--data", "d.csv"}
        << "--data applies to --export with --plot";
    QTest::newRow("vary with gran")
        << QStringList{"--export", "g.png", "--plot", "gran", "--data", "d.csv", "--vary", "conc"}
        << "--vary applies to --fit and --plot measured only$";
    QTest::newRow("measured derivative without a sample")
        << QStringList{"--export", "d.png", "--plot", "derivative", "--data", "d.csv"}
        << "--plot derivative needs the sample the data were measured on";
    QTest::newRow("measured, parameter the sample has not")
        << QStringList{"--export", "m.png", "--plot", "measured", "--data",
                       "d.csv",    "--pka", "4",      "--vary",   "conc:2"}
        << "--vary: conc:2: the sample has no weak acid or base number 2$";
    QTest::newRow("data with solve") << QStringList{"--solve", "--pka", "4", "--data", "d.csv"}
                                     << "--data applies to --export with --plot measured";
}

void TestMeasuredCli::refusedArguments() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, problem);
    const app::CommandLine line = app::parseCommandLine(QStringList{"velmora"} + arguments);
    QCOMPARE(line.action, Action::Refused);
    const bool whole = problem.endsWith(u'$');
    const QString start = whole ? problem.chopped(1) : problem;
    QVERIFY2(whole ? line.problem == start : line.problem.startsWith(start),
             qPrintable(line.problem));
    // The real program says the same on standard error and ends with status 2.
    const Run run = runProgram(arguments);
    QCOMPARE(run.status, 2);
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(QString::fromUtf8(run.err), QStringLiteral("velmora: ") + line.problem + u'\n');
}

void TestMeasuredCli::refusedData_data() {
    QTest::addColumn<QByteArray>("contents"); // none: no such file
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("problem"); // how the line starts after "velmora: ", FILE the file
    QByteArray acetic;
    Noise noise(2, 0.01);
    for (const model::TitrationPoint& point : measured(kAcetic, 0.0, 40.0, 41, noise)) {
        acetic +=
            QByteArray::number(point.volume) + ',' + QByteArray::number(point.pH, 'f', 3) + '\n';
    }
    const QStringList fit{"--fit", "--pka", "4.76"};
    QTest::newRow("no such file") << QByteArray() << fit
                                  << "--fit: 'FILE': No such file or directory";
    QTest::newRow("volume going backwards")
        << QByteArray("V,pH\n0,3.0\n1,3.5\n2,3.9\n1.5,4.0\n3,4.2\n4,4.4\n") << fit
        << "--fit: 'FILE': line 5: the volume 1.5 mL is smaller than the one before (2 mL)";
    QTest::newRow("pH out of range")
        << QByteArray("V,pH\n0,3.0\n1,3.5\n2,17.5\n3,4.2\n4,4.4\n") << fit
        << "--fit: 'FILE': line 4: the pH 17.5 lies outside -2 to 16";
    QTest::newRow("no number") << QByteArray("V,pH\n0,3.0\n1,three\n2,4\n3,4.2\n4,4.4\n") << fit
                               << "--fit: 'FILE': line 3: the pH 'three' is not a number";
    QTest::newRow("fewer than five points")
        << QByteArray("V,pH\n0,3.0\n1,3.5\n2,3.9\n3,4.2\n") << QStringList{"--endpoints"}
        << "--endpoints: 'FILE': it has 4 different volumes, fewer than the 5";
    QTest::newRow("drawing, volume going backwards")
        << QByteArray("V,pH\n0,3.0\n1,3.5\n2,3.9\n1.5,4.0\n3,4.2\n4,4.4\n")
        << QStringList{"--data", "--export", "never-written.png", "--plot", "gran"}
        << "--data: 'FILE': line 5: the volume 1.5 mL is smaller";
    QTest::newRow("drawing, fit refused")
        << acetic.mid(acetic.indexOf("\n30,") + 1)
        << QStringList{"--data", "--export", "never-written.png",
                       "--plot", "measured", "--pka",
                       "4.76",   "--vary",   "pka1"}
        << "--data: pka1: the pKa 4.76 lies outside the measured pH range";
    QTest::newRow("pKa outside the measured range")
        << acetic.mid(acetic.indexOf("\n30,") + 1)
        << QStringList{"--fit", "--pka", "4.76", "--vary", "conc,pka1"}
        << "--fit: pka1: the pKa 4.76 lies outside the measured pH range";
    QTest::newRow("no more points than parameters")
        << QByteArray("0,3.0\n1,3.5\n2,3.9\n3,4.2\n4,4.4\n")
        << QStringList{"--fit",
                       "--pka",
                       "4.76",
                       "--base",
                       "0.001",
                       "--vary",
                       "conc,pka1,offset,titrant,strong"}
        << "--fit: needs more measured points (5) than parameters to fit (5)";
}

void TestMeasuredCli::refusedData() {
    QFETCH(QByteArray, contents);
    QFETCH(QStringList, arguments);
    QFETCH(QString, problem);
    const QString name = QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-');
    const QByteArray file = contents.isEmpty() ? m_dir.filePath(name).toLocal8Bit()
                                               : written(name + QStringLiteral(".csv"), contents);
    // A drawing that is refused must not be written.
    const QString never = m_dir.filePath(QStringLiteral("never-written.png"));
    QStringList command = arguments;
    command.replaceInStrings(QStringLiteral("never-written.png"), never);
    command.insert(1, QString::fromLocal8Bit(file));
    const Run run = runProgram(command);
    QCOMPARE(run.status, 2);
    QCOMPARE(run.out, QByteArray());
    const QString err = QString::fromUtf8(run.err);
    // One line, naming the file and the line where the problem lies on one.
    QVERIFY2(err.endsWith(u'\n') && err.count(u'\n') == 1, run.err.constData());
    const QString start =
        QStringLiteral("velmora: ") +
        QString(problem).replace(QStringLiteral("FILE"), QString::fromLocal8Bit(file));
    QVERIFY2(err.startsWith(start), run.err.constData());
    QVERIFY(!QFile::exists(never));
}

// A German locale (decimal comma, German texts) changes nothing of what the program prints.
void TestMeasuredCli::decimalCommaLocale() {
    QTemporaryDir locales;
    std::optional<Launch> german = germanLocale(locales);
    if (!german) {
        QSKIP("no locale with a decimal comma can be made here");
    }
    german->set.append({QStringLiteral("LANGUAGE"), QStringLiteral("de")});
    Noise noise(9, 0.01);
    const QByteArray file =
        written(QStringLiteral("locale.csv"),
                tableOf(measured(kAcetic, 0.0, 40.0, 81, noise),
                        dialectNamed(QStringLiteral("spreadsheet with decimal comma"))));
    for (const QStringList& arguments :
         {QStringList{"--fit", QString::fromLocal8Bit(file), "--pka", "4.5", "--vary",
                      "conc,pka1,offset"},
          QStringList{"--endpoints", QString::fromLocal8Bit(file)}}) {
        const Run plain = runProgram(arguments);
        const Run inGerman = runProgram(arguments, *german);
        QCOMPARE(plain.status, 0);
        QCOMPARE(inGerman.status, 0);
        QVERIFY(!plain.out.isEmpty() && !plain.out.contains(','));
        QCOMPARE(inGerman.out, plain.out);
    }
}

// A buffer region without its jump has no end point: said on standard error, status 1.
void TestMeasuredCli::noEndPoint() {
    Noise noise(8, 0.005);
    const QByteArray file =
        written(QStringLiteral("buffer-only.csv"),
                tableOf(measured(kAcetic, 5.0, 20.0, 31, noise),
                        dialectNamed(QStringLiteral("logger with time and temperature"))));
    const Run run = runProgram({"--endpoints", QString::fromLocal8Bit(file)});
    QCOMPARE(run.status, 1);
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(QString::fromUtf8(run.err),
             QStringLiteral("velmora: --endpoints: '%1': no end point found: the pH has no jump "
                            "that stands out\n")
                 .arg(QString::fromLocal8Bit(file)));
}

void TestMeasuredCli::drawings_data() {
    QTest::addColumn<QStringList>("arguments"); // after --export FILE --data DATA
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("header"); // of the CSV; empty for a picture
    QTest::addColumn<int>("rows");          // of the CSV, the header left out
    const QStringList measuredPlot{"--plot", "measured", "--pka", "4.76"};
    QTest::newRow("measured, PNG") << measuredPlot << "m.png" << QByteArray() << 0;
    QTest::newRow("measured, fitted, SVG")
        << measuredPlot + QStringList{"--vary", "conc,pka1,offset"} << "m.svg" << QByteArray() << 0;
    QTest::newRow("measured, CSV")
        << measuredPlot << "m.csv" << QByteArray("V/mL,pH,pH model,residual") << 41;
    QTest::newRow("derivative, PDF") << QStringList{"--plot", "derivative", "--add", "0.1:acetic"}
                                     << "d.pdf" << QByteArray() << 0;
    QTest::newRow("derivative, CSV") << QStringList{"--plot", "derivative", "--add", "0.1:acetic"}
                                     << "d.csv" << QByteArray("V/mL,dpH/dV,dpH/dV model") << 40;
    QTest::newRow("gran, PNG") << QStringList{"--plot", "gran", "--volume", "25"} << "g.png"
                               << QByteArray() << 0;
    QTest::newRow("gran, CSV") << QStringList{"--plot", "gran"} << "g.csv"
                               << QByteArray("V/mL,Gran before,line before,Gran after,line after")
                               << -1;
}

// The drawings of measured data are written as every drawing is, their CSV a row a point.
void TestMeasuredCli::drawings() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);
    QFETCH(QByteArray, header);
    QFETCH(int, rows);
    Noise noise(21, 0.01);
    const QByteArray data =
        written(QStringLiteral("drawn.csv"),
                tableOf(measured(kAcetic, 0.0, 40.0, 41, noise),
                        dialectNamed(QStringLiteral("logger with time and temperature"))));
    const QString path = m_dir.filePath(file);
    QFile::remove(path);
    const Run run = runProgram(
        QStringList{"--export", path, "--data", QString::fromLocal8Bit(data)} + arguments);
    QVERIFY2(run.status == 0, run.err.constData());
    const QByteArray contents = contentsOf(path.toLocal8Bit());
    QVERIFY(!contents.isEmpty());
    if (header.isEmpty()) {
        return;
    }
    const QByteArrayList lines = contents.trimmed().split('\n');
    QCOMPARE(lines.first().trimmed(), header);
    if (rows >= 0) {
        QCOMPARE(lines.size() - 1, rows);
    } else {
        QVERIFY(lines.size() > 10);
    }
}

void TestMeasuredCli::measuredModel_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<double>("pKa"); // of the model drawn
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<double>("offset"); // of the measured pH, and of the fitted model
    QTest::newRow("the sample as given") << QStringList{"--pka", "4.5"} << 4.5 << 1e-6 << 0.0;
    QTest::newRow("fitted from a start away")
        << QStringList{"--pka", "4.5", "--conc", "0.12", "--vary", "conc,pka1"} << 4.76 << 0.02
        << 0.0;
    QTest::newRow("fitted with the electrode's offset")
        << QStringList{"--pka", "4.5", "--conc", "0.12", "--vary", "conc,pka1,offset"} << 4.76
        << 0.02 << 0.1;
}

// --plot measured draws the given sample's model, or with --vary the one fitted to the points.
void TestMeasuredCli::measuredModel() {
    QFETCH(QStringList, arguments);
    QFETCH(double, pKa);
    QFETCH(double, tolerance);
    QFETCH(double, offset);
    Noise noise(4, 0.01);
    const QByteArray data = written(QStringLiteral("model.csv"),
                                    tableOf(measured(kAcetic, 0.0, 40.0, 81, noise, offset),
                                            dialectNamed(QStringLiteral("csv"))));
    const QString path = m_dir.filePath(QStringLiteral("model-drawn.csv"));
    const Run run = runProgram(QStringList{"--export", path, "--plot", "measured", "--data",
                                           QString::fromLocal8Bit(data), "--columns", "2,1"} +
                               arguments);
    QVERIFY2(run.status == 0, run.err.constData());
    ReferenceTitration drawn = kAcetic;
    drawn.pKa = {pKa};
    const QByteArrayList lines = contentsOf(path.toLocal8Bit()).trimmed().split('\n');
    QCOMPARE(lines.size(), 82);
    for (const QByteArray& line : lines.mid(1)) {
        const QByteArrayList cells = line.split(',');
        QCOMPARE(cells.size(), 4);
        const double volume = cells[0].toDouble();
        const double model = cells[2].toDouble();
        // The residual is the measured pH less the model's.
        QVERIFY(closeTo(cells[3].toDouble(), cells[1].toDouble() - model, 0.0, 1e-9));
        // Away from the jump, where a small shift of the end point moves the pH far.
        if (std::abs(volume - 25.0) > 1.0) {
            QVERIFY2(closeTo(model, referencePh(drawn, volume) + offset, 0.0, tolerance),
                     line.constData());
        }
    }
}

QTEST_GUILESS_MAIN(TestMeasuredCli)
#include "test_measuredcli.moc"
