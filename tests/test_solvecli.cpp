// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's solutions and charts: --solve and --plot fractions, logc and titration,
// parsed in process, then the real program end to end.

#include "files.h"
#include "program.h"
#include "testsupport.h"

#include "app/commandline.h"

#include "charts/solutionchart.h"

#include "model/solution.h"
#include "model/titration.h"

#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <cstdio>
#include <vector>

using namespace velmora;
using namespace velmora::test;
using Action = app::CommandLine::Action;
using charts::ChartKind;

namespace {

/**
 * The pH of a solution by bisection on its charge balance written out with plain powers of ten
 * (fine for the moderate constants of the rows), independent of the program's root finder.
 */
double referencePh(const QList<double>& pKa, int dissolvedAs, double concentration, double base,
                   double acid) {
    const auto balance = [&](double pH) {
        const double h = std::pow(10.0, -pH);
        std::vector<double> terms{1.0};
        double beta = 1.0;
        for (const double p : pKa) {
            beta *= std::pow(10.0, -p);
            terms.push_back(beta / std::pow(h, static_cast<double>(terms.size())));
        }
        double sum = 0.0;
        double given = 0.0;
        for (std::size_t j = 0; j < terms.size(); ++j) {
            sum += terms[j];
            given += (dissolvedAs - static_cast<double>(j)) * terms[j];
        }
        return h - 1e-14 / h + base - acid + concentration * given / sum;
    };
    return velmora::test::bisectedPh(balance);
}

/** The fractions at pH with plain powers, as referencePh() forms them. */
std::vector<double> referenceFractions(const QList<double>& pKa, double pH) {
    std::vector<double> terms{1.0};
    double logBeta = 0.0;
    for (const double p : pKa) {
        logBeta -= p;
        terms.push_back(std::pow(10.0, logBeta + static_cast<double>(terms.size()) * pH));
    }
    double sum = 0.0;
    for (const double t : terms) {
        sum += t;
    }
    for (double& t : terms) {
        t /= sum;
    }
    return terms;
}

/** A number as the C library prints it (Qt's asprintf drops the # of "%#.4g"). */
QString printed(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return QString::fromLatin1(buffer);
}

/** Whether any pixel of the image has exactly the colour `colour`. */
bool hasColour(const QImage& image, const QColor& colour) {
    const QRgb wanted = colour.rgb();
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] | 0xff000000u) == wanted) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

class TestSolveCli : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void refused_data();
    void refused();
    void valuesAsGiven_data();
    void valuesAsGiven();
    void accepted_data();
    void accepted();
    void chartSizeBounds_data();
    void chartSizeBounds();
    void titrantKindInAnyCase_data();
    void titrantKindInAnyCase();
    void solveOutput_data();
    void solveOutput();
    void solveKeepsTheDecimalPoint();
    void wholeNumberListWarns_data();
    void wholeNumberListWarns();
    void pictures_data();
    void pictures();
    void dataFiles_data();
    void dataFiles();
    void mainPlotUnchanged_data();
    void mainPlotUnchanged();
    void chartWithoutFontsWarns();
    void drawingsTheSameInEveryLanguage_data();
    void drawingsTheSameInEveryLanguage();
    void noSignOnZero_data();
    void noSignOnZero();

private:
    QTemporaryDir m_dir;
    [[nodiscard]] QString path(const QString& name) const { return m_dir.filePath(name); }
};

void TestSolveCli::initTestCase() {
    QVERIFY(m_dir.isValid());
}

void TestSolveCli::refused_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("problem");
    const auto row = [](const char* name, const QStringList& args, const char* problem) {
        QTest::newRow(name) << args << QString::fromUtf8(problem);
    };
    const QStringList solve{"--solve", "--pka", "4.76"};
    const QStringList logc{"--export", "a.png", "--plot", "logc"};
    const QStringList titration{"--export", "a.png", "--plot", "titration"};
    const QStringList titrationCsv{"--export", "a.csv", "--plot", "titration"};
    row("solve without pka", {"--solve"}, "--solve needs the acid's constants: --pka");
    row("solve with export", solve + QStringList{"--export", "a.png"}, "--solve: use either");
    row("solve, pka decreasing", {"--solve", "--pka", "5,4"}, "--pka: values must be in non-");
    row("solve, seven constants", {"--solve", "--pka", "1,2,3,4,5,6,7"},
        "--pka: needs 1 to 6 values");
    row("solve, pka above 25", {"--solve", "--pka", "25.5"}, "--pka: values must be from -5 to 25");
    row("solve, pka below -5", {"--solve", "--pka", "-6"}, "--pka: values must be from -5 to 25");
    row("solve, pka not a number", {"--solve", "--pka", "4,x"}, "--pka: 'x' is not a number");
    row("too many names", solve + QStringList{"--names", "A,B,C"}, "--names: needs 2 names");
    row("too few names", solve + QStringList{"--names", "HA"}, "--names: needs 2 names");
    row("empty name", solve + QStringList{"--names", "HA,"}, "--names: each name needs 1 to 49");
    row("species index too high", solve + QStringList{"--as", "2"},
        "--as: 2 must be a species index from 0 to 1");
    row("species index negative", solve + QStringList{"--as", "-1"}, "--as: -1 must be");
    row("species index not whole", solve + QStringList{"--as", "0.5"},
        "--as: '0.5' is not a whole number");
    row("concentration too high", solve + QStringList{"--conc", "10.5"},
        "--conc: 10.5 must be from 1e-10 to 10 mol/L");
    row("concentration zero", solve + QStringList{"--conc", "0"}, "--conc: 0 must be from");
    row("concentration nan", solve + QStringList{"--conc", "nan"}, "--conc: 'nan' is not a number");
    row("base negative", solve + QStringList{"--base", "-0.1"},
        "--base: -0.1 must be from 0 to 10");
    row("acid too high", solve + QStringList{"--acid", "11"}, "--acid: 11 must be from 0 to 10");
    row("charge 7", solve + QStringList{"--charge", "7"}, "--charge: 7 must be a whole number");
    row("charge not whole", solve + QStringList{"--charge", "+1.5"},
        "--charge: '+1.5' is not a whole number");
    row("solve with size", solve + QStringList{"--size", "400x300"},
        "--size is only used with --export");
    row("solve with plot", solve + QStringList{"--plot", "logc"}, "--plot is only used with");
    row("solve with volume", solve + QStringList{"--volume", "10"},
        "--volume applies to --plot titration or derivative only");
    row("solve with scale", solve + QStringList{"--scale", "2"}, "--scale is only used with");
    row("solve with preset", solve + QStringList{"--preset", "acetic"}, "--preset is only used");
    row("conc alone", {"--conc", "0.1"}, "--conc is only used with --export or --solve");
    row("titrant alone", {"--titrant", "base:0.1"}, "--titrant is only used with --export");
    row("unknown plot", {"--export", "a.png", "--plot", "pie"}, "--plot: unknown kind 'pie'");
    row("conc with the main diagram", {"--export", "a.png", "--conc", "0.1"},
        "--conc applies to --plot fractions, logc, titration, buffer or derivative only");
    row("size with plot main", {"--export", "a.png", "--plot", "main", "--size", "400x300"},
        "--size applies to --plot fractions, logc, titration, buffer or derivative only");
    row("titrant with plot main", {"--export", "a.csv", "--plot", "main", "--titrant", "acid:1"},
        "--titrant applies to --plot titration or derivative only");
    row("names with the main diagram", {"--export", "a.svg", "--names", "HA,A-"},
        "--names applies to --plot fractions");
    row("volume with logc", logc + QStringList{"--volume", "10"},
        "--volume applies to --plot titration or derivative only");
    row("to with fractions", {"--export", "a.png", "--plot", "fractions", "--to", "10"},
        "--to applies to --plot titration or derivative only");
    row("titrant with the buffer capacity",
        {"--export", "a.png", "--plot", "buffer", "--titrant", "acid:0.1"},
        "--titrant applies to --plot titration or derivative only");
    row("buffer capacity's pH step too large",
        {"--export", "a.csv", "--plot", "buffer", "--step", "2"},
        "--step: 2 is out of range (0.001 to 1)");
    row("derivative's volume step past the end",
        {"--export", "a.csv", "--plot", "derivative", "--pka", "4.76", "--step", "31"},
        "--step: 31 is out of range (0.001 to 30 mL, the end volume)");
    row("derivative's default end out of range",
        {"--export", "a.png", "--plot", "derivative", "--conc", "10", "--volume", "1000",
         "--titrant", "base:1e-6"},
        "--to: the default end volume");
    row("preset with a chart", logc + QStringList{"--preset", "acetic"},
        "--preset applies to --plot main only");
    row("chart pka of the main diagram's range is not enough", logc + QStringList{"--pka", "26"},
        "--pka: values must be from -5 to 25");
    row("size malformed", logc + QStringList{"--size", "960"}, "--size: '960' is not WIDTHxHEIGHT");
    row("size with blanks inside", logc + QStringList{"--size", "960 x 600"},
        "--size: '960 x 600' is not");
    row("size too small", logc + QStringList{"--size", "319x200"},
        "--size: 319x200 is out of range (320x200 to 4096x4096)");
    row("size too large", logc + QStringList{"--size", "960x4097"}, "--size: 960x4097 is out");
    row("size overflowing", logc + QStringList{"--size", "999999999x600"}, "is out of range");
    row("scale too large for the size", logc + QStringList{"--size", "4096x600", "--scale", "3"},
        "--scale: 4096x600 at 3 would be more than 8192 pixels a side");
    row("scale with a chart's svg", {"--export", "a.svg", "--plot", "logc", "--scale", "2"},
        "--scale applies to .png only");
    row("step with a chart's pdf", {"--export", "a.pdf", "--plot", "titration", "--step", "1"},
        "--step applies to .csv only");
    row("pH step too small", {"--export", "a.csv", "--plot", "logc", "--step", "0.0005"},
        "--step: 0.0005 is out of range (0.001 to 1)");
    row("pH step too large", {"--export", "a.csv", "--plot", "fractions", "--step", "1.5"},
        "--step: 1.5 is out of range");
    row("volume step too small", titrationCsv + QStringList{"--step", "0.0001"},
        "--step: 0.0001 is out of range (0.001 to 120 mL, the end volume)");
    row("volume step past the end", titrationCsv + QStringList{"--to", "10", "--step", "11"},
        "--step: 11 is out of range (0.001 to 10 mL");
    row("too many rows", titrationCsv + QStringList{"--to", "2000", "--step", "0.001"},
        "--step: a step of 0.001 mL up to 2000 mL gives 2000001 rows, more than 1000000");
    row("too many rows by default", titrationCsv + QStringList{"--to", "100000"},
        "--step: the default step of 0.05 mL up to 100000 mL gives 2000001 rows");
    row("sample volume too small", titration + QStringList{"--volume", "0.05"},
        "--volume: 0.05 must be from 0.1 to 1000 mL");
    row("titrant without its kind", titration + QStringList{"--titrant", "0.1"},
        "--titrant: '0.1' is not base:CT or acid:CT");
    row("titrant of an unknown kind", titration + QStringList{"--titrant", "salt:0.1"},
        "--titrant: 'salt:0.1' is not");
    row("titrant kind without its concentration", titration + QStringList{"--titrant", "base"},
        "--titrant: 'base' is not base:CT or acid:CT");
    row("titrant concentration missing", titration + QStringList{"--titrant", "base:"},
        "--titrant: '' is not a number");
    row("titrant too dilute", titration + QStringList{"--titrant", "acid:1e-7"},
        "--titrant: 1e-7 must be from 1e-6 to 10 mol/L");
    row("end volume zero", titration + QStringList{"--to", "0"},
        "--to: 0 must be from 0.001 to 100000 mL");
    row("end volume below a microlitre", titration + QStringList{"--to", "0.0009"},
        "--to: 0.0009 must be from 0.001 to 100000 mL");
    row("default end volume out of range",
        titration + QStringList{"--conc", "10", "--volume", "1000", "--titrant", "base:1e-6"},
        "--to: the default end volume 4.8e+10 mL must be from 0.001 to 100000 mL; give --to");
    row("default end volume below a microlitre",
        titration + QStringList{"--pka", "4.76", "--conc", "1e-10", "--titrant", "base:10"},
        "--to: the default end volume 3e-10 mL must be from 0.001 to 100000 mL; give --to");
    // Every option is taken once.
    for (const char* option : {"--plot", "--charge", "--conc", "--as", "--base", "--acid",
                               "--names", "--size", "--volume", "--titrant", "--to"}) {
        const QString value = QString::fromLatin1(option) == u"--plot" ? "titration" : "1";
        const QByteArray name = QByteArray(option) + " twice";
        QTest::newRow(name.constData()) << (titration + QStringList{option, value, option, value})
                                        << QString::fromLatin1(option) + " is given more than once";
    }
    row("solve twice", {"--solve", "--solve", "--pka", "4"}, "--solve is given more than once");
    // Shown values stay on one line.
    row("newline in a kind", {"--export", "a.png", "--plot", "log\nc"}, "'log\\nc'");
    row("escape in a size", logc + QStringList{"--size", "1x\x1b"}, "'1x\\x1b'");
    row("bytes that are not UTF-8 in the names",
        {"--solve", "--pka", "4", "--names", QString::fromLatin1("HA,A\xff")},
        "--names: 'HA,A\\xff' is not UTF-8 text");
}

void TestSolveCli::refused() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, problem);
    QByteArrayList bytes{"velmora"};
    for (const QString& argument : arguments) {
        // Latin-1 keeps a lone byte (\xff) the byte it is.
        bytes << (argument.contains(QChar(0xff)) ? argument.toLatin1() : argument.toUtf8());
    }
    const app::CommandLine line = app::parseCommandLine(bytes);
    QCOMPARE(line.action, Action::Refused);
    QVERIFY2(line.problem.contains(problem), qPrintable(line.problem));
    QVERIFY2(!line.problem.contains(u'\n'), qPrintable(line.problem));
}

void TestSolveCli::valuesAsGiven_data() {
    // Arguments as printf formats: \377 is a byte that is no UTF-8, \302\240 a no-break space,
    // \303\251 "é", \342\200\250 the line separator U+2028.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("err"); // the whole of it
    QTest::addColumn<QByteArray>("out"); // how it starts
    const QStringList solve{"--solve", "--pka", "4.76"};
    // Files in the test's folder, which a refusal leaves as they are.
    const QStringList titration{"--export", path("t.png"), "--plot", "titration"};
    const QStringList titrationCsv{"--export", path("t.csv"), "--plot", "titration"};
    const auto refused = [](const char* name, const QStringList& args, const char* message) {
        QTest::newRow(name) << args << 2 << "velmora: " + QByteArray(message) + '\n'
                            << QByteArray();
    };
    refused("conc", solve + QStringList{"--conc", "1\\377"}, "--conc: '1\\xff' is not a number");
    refused("pka of a solution", {"--solve", "--pka", "4,\\3775"},
            "--pka: '\\xff5' is not a number");
    refused("pka of the main diagram", {"--export", path("d.png"), "--pka", "2,\\377"},
            "--pka: '\\xff' is not a number");
    refused("charge", solve + QStringList{"--charge", "\\377"},
            "--charge: '\\xff' is not a whole number");
    refused("as", solve + QStringList{"--as", "1\\377"}, "--as: '1\\xff' is not a whole number");
    refused("base", solve + QStringList{"--base", "0.1\\377"},
            "--base: '0.1\\xff' is not a number");
    refused("acid", solve + QStringList{"--acid", "\\3770.1"},
            "--acid: '\\xff0.1' is not a number");
    refused("titrant's kind", titration + QStringList{"--titrant", "b\\377se:0.1"},
            "--titrant: 'b\\xffse:0.1' is not base:CT or acid:CT"
            ", nor a substance as --add takes it (C:WHAT, such as 0.1:ammonia)");
    refused("titrant's concentration", titration + QStringList{"--titrant", "acid:0.\\3771"},
            "--titrant: '0.\\xff1' is not a number");
    refused("volume", titration + QStringList{"--volume", "25\\377"},
            "--volume: '25\\xff' is not a number");
    refused("to", titration + QStringList{"--to", "\\377"}, "--to: '\\xff' is not a number");
    refused("size", titration + QStringList{"--size", "960x6\\37700"},
            "--size: '960x6\\xff00' is not WIDTHxHEIGHT in pixels (such as 960x600)");
    refused("step of a titration", titrationCsv + QStringList{"--step", "0.\\3775"},
            "--step: '0.\\xff5' is not a number");
    refused("step of the log c chart",
            {"--export", path("l.csv"), "--plot", "logc", "--step", "\\377"},
            "--step: '\\xff' is not a number");
    refused("step of the main diagram", {"--export", path("d.csv"), "--step", "1\\377"},
            "--step: '1\\xff' is not a number");
    refused("scale", {"--export", path("d.png"), "--scale", "\\3772"},
            "--scale: '\\xff2' is not a whole number from 1 to 8");
    // Blanks around a value are left out of the message, Unicode's as well; the bytes stay.
    refused("blanks around a value", solve + QStringList{"--conc", " \\302\\240\\3771\\302\\240 "},
            "--conc: '\\xff1' is not a number");
    refused("blanks around a value out of range", solve + QStringList{"--conc", " 20\\302\\240"},
            "--conc: 20 must be from 1e-10 to 10 mol/L");
    refused("blanks around a step out of range",
            titrationCsv + QStringList{"--step", "\\302\\240 0.0001 "},
            "--step: 0.0001 is out of range (0.001 to 120 mL, the end volume)");
    refused("blanks around a titrant", titration + QStringList{"--titrant", "\\302\\240x:\\377 "},
            "--titrant: 'x:\\xff' is not base:CT or acid:CT"
            ", nor a substance as --add takes it (C:WHAT, such as 0.1:ammonia)");
    QTest::newRow("no-break spaces around a number")
        << solve + QStringList{"--conc", "\\302\\2400.1\\302\\240"} << 0 << QByteArray()
        << QByteArray("pH 2.8829\n");
    // Names count characters, not bytes, and refuse every character that breaks a line or
    // turns the text around.
    const QString e25 = QString("\\303\\251").repeated(25);
    QTest::newRow("25 letters é")
        << QStringList{"--solve", "--pka", "4.76", "--names", e25 + ",A-"} << 0 << QByteArray()
        << QString("pH 2.8829\n" + QString(u'é').repeated(25) + ' ').toUtf8();
    QTest::newRow("49 letters é") << QStringList{"--solve", "--pka", "4.76", "--names",
                                                 "HA," + QString("\\303\\251").repeated(49)}
                                  << 0 << QByteArray() << QByteArray("pH 2.8829\nHA ");
    refused("50 letters é",
            {"--solve", "--pka", "4.76", "--names", "HA," + QString("\\303\\251").repeated(50)},
            "--names: each name needs 1 to 49 characters");
    const char* control = "--names: a name may not contain commas or control characters";
    refused("line separator in a name", solve + QStringList{"--names", "H\\342\\200\\250A,A-"},
            control);
    refused("next line in a name", solve + QStringList{"--names", "HA,A\\302\\205-"}, control);
    refused("right-to-left override in a name",
            solve + QStringList{"--names", "HA,\\342\\200\\256-A"}, control);
}

void TestSolveCli::valuesAsGiven() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QByteArray, err);
    QFETCH(QByteArray, out);
    const Run run = runWithBytes(arguments);
    QCOMPARE(run.err, err);
    QCOMPARE(run.status, status);
    QVERIFY2(run.out.startsWith(out), run.out.constData());
}

void TestSolveCli::accepted_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<double>>("pKa");
    QTest::addColumn<QString>("names");
    QTest::addColumn<QList<double>>("solution"); // C, k, base, acid
    QTest::addColumn<bool>("marker");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("scale");
    QTest::addColumn<double>("step");
    QTest::addColumn<QList<double>>("titration"); // V0, base (1) or acid (0), Ct, VMAX
    const QList<double> start{2.1, 5.4, 9.7, 12.3};
    const QList<double> plain{0.1, 0, 0, 0};
    const QList<double> defaultTitration{25, 1, 0.1, 0};
    const QSize size(960, 600);
    QTest::newRow("fractions, defaults")
        << QStringList{"--export", "f.png", "--plot", "fractions"} << int(ChartKind::Fractions)
        << start << "H4A,H3A-,H2A2-,HA3-,A4-" << plain << false << size << 1 << 0.0
        << defaultTitration;
    QTest::newRow("fractions, every option")
        << QStringList{"--export", "f.png",    "--plot", "fractions", "--pka",
                       "-5,0,25",  "--charge", "-1",     "--names",   "H3X^-, H2X^2-,HX^3-,X^4-",
                       "--conc",   "1e-10",    "--as",   "3",         "--base",
                       "10",       "--acid",   "0",      "--size",    "4096x200",
                       "--scale",  "2"}
        << int(ChartKind::Fractions) << QList<double>{-5, 0, 25} << "H3X^-,H2X^2-,HX^3-,X^4-"
        << QList<double>{1e-10, 3, 10, 0} << true << QSize(4096, 200) << 2 << 0.0
        << defaultTitration;
    QTest::newRow("logc csv, default step, kind in capitals")
        << QStringList{"--export", "l.csv", "--plot", "LogC", "--pka", "4.76", "--charge", "+1"}
        << int(ChartKind::LogC) << QList<double>{4.76} << "HA^+,A" << plain << false << size << 1
        << 0.1 << defaultTitration;
    QTest::newRow("logc csv, finest step")
        << QStringList{"--export", "l.csv", "--plot", "logc",
                       "--step",   "0.001", "--size", "320X200"}
        << int(ChartKind::LogC) << start << "H4A,H3A-,H2A2-,HA3-,A4-" << plain << false
        << QSize(320, 200) << 1 << 0.001 << defaultTitration;
    QTest::newRow("titration, defaults")
        << QStringList{"--export", "t.pdf", "--plot", "titration", "--pka", "4.76"}
        << int(ChartKind::Titration) << QList<double>{4.76} << "HA,A-" << plain << false << size
        << 1 << 0.0 << defaultTitration;
    QTest::newRow("titration csv, acid titrant, every option")
        << QStringList{"--export",  "t.csv",   "--plot", "titration", "--pka",    "4.76",
                       "--as",      "1",       "--conc", "0.05",      "--volume", "1000",
                       "--titrant", "acid:10", "--to",   "100000",    "--step",   "0.5"}
        << int(ChartKind::Titration) << QList<double>{4.76} << "HA,A-"
        << QList<double>{0.05, 1, 0, 0} << true << size << 1 << 0.5
        << QList<double>{1000, 0, 10, 100000};
    QTest::newRow("titration csv, default step")
        << QStringList{"--export",           "t.csv",     "--plot",  "titration", "--pka",
                       "2.148,7.198,12.319", "--titrant", "base:0.2"}
        << int(ChartKind::Titration) << QList<double>{2.148, 7.198, 12.319} << "H3A,H2A-,HA2-,A3-"
        << plain << false << size << 1 << 0.05 << QList<double>{25, 1, 0.2, 0};
    QTest::newRow("buffer capacity, marked")
        << QStringList{"--export", "b.svg", "--plot", "Buffer", "--pka", "4.76", "--conc", "0.2"}
        << int(ChartKind::Buffer) << QList<double>{4.76} << "HA,A-" << QList<double>{0.2, 0, 0, 0}
        << true << size << 1 << 0.0 << defaultTitration;
    QTest::newRow("buffer capacity csv, default step")
        << QStringList{"--export", "b.csv", "--plot", "buffer"} << int(ChartKind::Buffer) << start
        << "H4A,H3A-,H2A2-,HA3-,A4-" << plain << false << size << 1 << 0.1 << defaultTitration;
    QTest::newRow("derivative csv, acid titrant")
        << QStringList{"--export",  "d.csv",     "--plot", "derivative", "--pka",    "9.25",
                       "--charge",  "1",         "--as",   "1",          "--volume", "10",
                       "--titrant", "acid:0.05", "--to",   "30",         "--step",   "0.5"}
        << int(ChartKind::Derivative) << QList<double>{9.25} << "HA^+,A"
        << QList<double>{0.1, 1, 0, 0} << false << size << 1 << 0.5
        << QList<double>{10, 0, 0.05, 30};
    QTest::newRow("derivative csv, default step")
        << QStringList{"--export", "d.csv", "--plot", "derivative", "--pka", "4.76"}
        << int(ChartKind::Derivative) << QList<double>{4.76} << "HA,A-" << plain << false << size
        << 1 << 0.05 << defaultTitration;
    QTest::newRow("solve, every option")
        << QStringList{"--solve", "--pka",     "9.25",   "--charge", "1",
                       "--names", "NH4^+,NH3", "--conc", "0.2",      "--as",
                       "1",       "--base",    "0.01",   "--acid",   "0.02"}
        << -1 << QList<double>{9.25} << "NH4^+,NH3" << QList<double>{0.2, 1, 0.01, 0.02} << true
        << size << 1 << 0.0 << defaultTitration;
}

void TestSolveCli::accepted() {
    QFETCH(QStringList, arguments);
    QFETCH(int, kind);
    QFETCH(QList<double>, pKa);
    QFETCH(QString, names);
    QFETCH(QList<double>, solution);
    QFETCH(bool, marker);
    QFETCH(QSize, size);
    QFETCH(int, scale);
    QFETCH(double, step);
    QFETCH(QList<double>, titration);
    const app::CommandLine line = app::parseCommandLine(QStringList{"velmora"} + arguments);
    QVERIFY2(line.action == (kind < 0 ? Action::Solve : Action::Export), qPrintable(line.problem));
    QVERIFY(line.chart.has_value());
    const charts::ChartRequest& request = line.chart->request;
    if (kind >= 0) {
        QCOMPARE(int(request.kind), kind);
    }
    const std::vector<double> exponents = request.acid.exponents();
    QCOMPARE(QList<double>(exponents.begin(), exponents.end()), pKa);
    QCOMPARE(charts::speciesTexts(request.acid).join(u','), names);
    QCOMPARE(request.solution.concentration, solution[0]);
    QCOMPARE(request.solution.dissolvedAs, int(solution[1]));
    QCOMPARE(request.solution.strongBase, solution[2]);
    QCOMPARE(request.solution.strongAcid, solution[3]);
    QCOMPARE(request.showSolution, marker);
    QCOMPARE(request.size, size);
    QCOMPARE(line.chart->scale, scale);
    QCOMPARE(line.chart->step, step);
    QCOMPARE(request.titration.sampleVolume, titration[0]);
    QCOMPARE(request.titration.titrant == model::Titrant::Base, titration[1] == 1.0);
    QCOMPARE(request.titration.titrantConcentration, titration[2]);
    QCOMPARE(request.titration.endVolume, titration[3]);
}

void TestSolveCli::chartSizeBounds_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("accepted");
    // Each bound of each side on its own, the other side well inside.
    const struct {
        const char* side;
        int low;
        int high;
    } sides[] = {{"width", 320, 4096}, {"height", 200, 4096}};
    for (const auto& side : sides) {
        for (const int bound : {side.low, side.high}) {
            for (const int step : {-1, 0, 1}) {
                const int value = bound + step;
                const bool inside = value >= side.low && value <= side.high;
                const bool width = side.side[0] == 'w';
                QTest::addRow("%s %d", side.side, value)
                    << (width ? value : 600) << (width ? 600 : value) << inside;
            }
        }
    }
}

void TestSolveCli::chartSizeBounds() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, accepted);
    const QString size = QStringLiteral("%1x%2").arg(width).arg(height);
    const app::CommandLine line = app::parseCommandLine(
        QStringList{"velmora", "--export", "l.svg", "--plot", "logc", "--size", size});
    if (!accepted) {
        QCOMPARE(line.action, Action::Refused);
        QCOMPARE(line.problem, "--size: " + size + " is out of range (320x200 to 4096x4096)");
        return;
    }
    QVERIFY2(line.action == Action::Export, qPrintable(line.problem));
    QVERIFY(line.chart.has_value());
    QCOMPARE(line.chart->request.size, QSize(width, height));
}

void TestSolveCli::titrantKindInAnyCase_data() {
    QTest::addColumn<QString>("titrant");
    QTest::addColumn<bool>("base");
    QTest::addColumn<double>("concentration");
    QTest::newRow("BASE") << "BASE:0.1" << true << 0.1;
    QTest::newRow("Base") << "Base:0.2" << true << 0.2;
    QTest::newRow("bAsE") << "bAsE:1" << true << 1.0;
    QTest::newRow("ACID") << "ACID:0.1" << false << 0.1;
    QTest::newRow("Acid") << "Acid:0.5" << false << 0.5;
    QTest::newRow("acid") << "acid:2" << false << 2.0;
}

void TestSolveCli::titrantKindInAnyCase() {
    QFETCH(QString, titrant);
    QFETCH(bool, base);
    QFETCH(double, concentration);
    const app::CommandLine line = app::parseCommandLine(
        QStringList{"velmora", "--export", "t.csv", "--plot", "titration", "--titrant", titrant});
    QVERIFY2(line.action == Action::Export, qPrintable(line.problem));
    QVERIFY(line.chart.has_value());
    const model::Titration& titration = line.chart->request.titration;
    QCOMPARE(titration.titrant == model::Titrant::Base, base);
    QCOMPARE(titration.titrantConcentration, concentration);
}

void TestSolveCli::solveOutput_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QList<double>>("pKa");
    QTest::addColumn<QList<double>>("solution"); // C, k, base, acid
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("textbook"); // the pH as the textbooks give it
    QTest::newRow("0.1 M acetic acid")
        << QStringList{"--pka", "4.76", "--names", "CH3COOH,CH3COO^-"} << QList<double>{4.76}
        << QList<double>{0.1, 0, 0, 0} << QStringList{"CH3COOH", "CH3COO^-"} << "2.8829";
    QTest::newRow("0.1 M sodium acetate")
        << QStringList{"--pka", "4.76", "--as", "1"} << QList<double>{4.76}
        << QList<double>{0.1, 1, 0, 0} << QStringList{"HA", "A-"} << "8.88";
    QTest::newRow("0.1 M ammonium chloride")
        << QStringList{"--pka", "9.25", "--charge", "1", "--conc", "0.1"} << QList<double>{9.25}
        << QList<double>{0.1, 0, 0, 0} << QStringList{"HA^+", "A"} << "5.125";
    QTest::newRow("1.0e-8 M HCl") << QStringList{"--pka", "4.76",   "--conc",
                                                 "1e-10", "--acid", "1e-8"}
                                  << QList<double>{4.76} << QList<double>{1e-10, 0, 0, 1e-8}
                                  << QStringList{"HA", "A-"} << "6.978";
    QTest::newRow("phosphate buffer with NaOH")
        << QStringList{"--pka",   "2.148,7.198,12.319",          "--base", "0.15",
                       "--names", "H3PO4,H2PO4^-,HPO4^2-,PO4^3-"}
        << QList<double>{2.148, 7.198, 12.319} << QList<double>{0.1, 0, 0.15, 0}
        << QStringList{"H3PO4", "H2PO4^-", "HPO4^2-", "PO4^3-"} << "";
    QTest::newRow("six constants, doubly charged, dissolved as species 4")
        << QStringList{"--pka",    "0,1.5,2,2.66,6.16,10.24",
                       "--charge", "2",
                       "--conc",   "0.01",
                       "--as",     "4"}
        << QList<double>{0, 1.5, 2, 2.66, 6.16, 10.24} << QList<double>{0.01, 4, 0, 0}
        << QStringList{"H6A^2+", "H5A^+", "H4A", "H3A-", "H2A2-", "HA3-", "A4-"} << "";
}

void TestSolveCli::solveOutput() {
    QFETCH(QStringList, arguments);
    QFETCH(QList<double>, pKa);
    QFETCH(QList<double>, solution);
    QFETCH(QStringList, names);
    QFETCH(QString, textbook);
    const Run run = runProgram(QStringList{"--solve"} + arguments);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QByteArray());
    const double pH = referencePh(pKa, int(solution[1]), solution[0], solution[2], solution[3]);
    const std::vector<double> alpha = referenceFractions(pKa, pH);
    QStringList expected{QStringLiteral("pH ") + printed("%.4f", pH)};
    for (qsizetype j = 0; j < names.size(); ++j) {
        const double a = alpha[static_cast<std::size_t>(j)];
        expected << QStringLiteral("%1 %2 mol/L %3 %")
                        .arg(names[j], printed("%#.4g", solution[0] * a),
                             printed("%#.4g", 100.0 * a));
    }
    QCOMPARE(QString::fromUtf8(run.out), expected.join(u'\n') + u'\n');
    QVERIFY2(run.out.startsWith("pH " + textbook.toLatin1()), run.out.constData());
}

void TestSolveCli::solveKeepsTheDecimalPoint() {
    // A locale with a decimal comma of our own, since the machine may have none installed.
    QTemporaryDir locales;
    const std::optional<Launch> german = germanLocale(locales);
    if (!german) {
        QSKIP("no locale with a decimal comma can be made here");
    }
    const Run run = runProgram({"--solve", "--pka", "4.76"}, *german);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out,
             QByteArray("pH 2.8829\nHA 0.09869 mol/L 98.69 %\nA- 0.001310 mol/L 1.310 %\n"));
}

void TestSolveCli::wholeNumberListWarns_data() {
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("warning"); // the line on stderr, empty for none
    QTest::addColumn<QString>("file");    // a file written, compared with the C locale's

    const QStringList solve{"--solve", "--conc", "0.1"};
    QTest::newRow("de, two whole numbers")
        << "de_DE.UTF-8" << solve + QStringList{"--pka", "9,25"}
        << "velmora: --pka 9,25 wurde als zwei Werte gelesen, 9 und 25; Dezimalzahlen mit "
           "Punkt schreiben: 9.25"
        << QString();
    QTest::newRow("fr, three whole numbers")
        << "fr_FR.UTF-8" << solve + QStringList{"--pka", "2, 7,12"}
        << QStringLiteral("velmora: --pka 2, 7,12 a été lu comme 3 valeurs\u00A0: 2, 7, 12\u00A0; "
                          "écrivez les décimales avec un point")
        << QString();
    QTest::newRow("es, a chart exported")
        << "es_ES.UTF-8" << QStringList{"--export", "f.csv", "--plot", "fractions", "--pka", "4,8"}
        << "velmora: --pka 4,8 se leyó como dos valores, 4 y 8; escriba los decimales con "
           "punto: 4.8"
        << "f.csv";
    QTest::newRow("de, the main diagram exported")
        << "de_DE.UTF-8" << QStringList{"--export", "m.csv", "--pka", "2,7"}
        << "velmora: --pka 2,7 wurde als zwei Werte gelesen, 2 und 7; Dezimalzahlen mit Punkt "
           "schreiben: 2.7"
        << "m.csv";
    QTest::newRow("de, a decimal with a point")
        << "de_DE.UTF-8" << solve + QStringList{"--pka", "9.25"} << QString() << QString();
    QTest::newRow("de, not whole numbers only")
        << "de_DE.UTF-8" << solve + QStringList{"--pka", "2.1,9"} << QString() << QString();
    QTest::newRow("de, a single whole number")
        << "de_DE.UTF-8" << solve + QStringList{"--pka", "9"} << QString() << QString();
    QTest::newRow("C, two whole numbers")
        << "C.UTF-8" << solve + QStringList{"--pka", "9,25"} << QString() << QString();
    QTest::newRow("en, two whole numbers")
        << "en_US.UTF-8" << solve + QStringList{"--pka", "9,25"} << QString() << QString();
    QTest::newRow("ar, two whole numbers")
        << "ar_EG.UTF-8" << solve + QStringList{"--pka", "9,25"} << QString() << QString();
}

void TestSolveCli::wholeNumberListWarns() {
    QFETCH(QString, lang);
    QFETCH(QStringList, arguments);
    QFETCH(QString, warning);
    QFETCH(QString, file);
    const QString language = lang.startsWith(u'C') ? QString() : lang.left(2);
    QTemporaryDir here;
    QTemporaryDir there;
    const auto run = [&arguments](const QString& folder, const QString& locale,
                                  const QString& languages) {
        QStringList inFolder = arguments;
        for (QString& argument : inFolder) {
            if (argument.endsWith(QLatin1String(".csv"))) {
                argument = folder + u'/' + argument;
            }
        }
        return runProgram(inFolder, {.unset = {"LC_ALL", "LC_NUMERIC", "LC_MESSAGES"},
                                     .set = {{"LANG", locale}, {"LANGUAGE", languages}}});
    };
    const Run localRun = run(here.path(), lang, language);
    const Run plain = run(there.path(), QStringLiteral("C.UTF-8"), QString());
    QCOMPARE(localRun.status, 0);
    QCOMPARE(plain.status, 0);
    // What was asked for is done as the list stands: the same output in every locale.
    QCOMPARE(localRun.out, plain.out);
    if (!file.isEmpty()) {
        QCOMPARE(readAll(here.filePath(file)), readAll(there.filePath(file)));
    }
    QCOMPARE(QString::fromUtf8(localRun.err), warning.isEmpty() ? QString() : warning + u'\n');
}

void TestSolveCli::pictures_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QSize>("pixels");  // PNG: the image's size
    QTest::addColumn<QString>("title"); // SVG: an axis title kept as text
    QTest::addColumn<bool>("marker");   // PNG: the solution's pH or a titration's points marked
    const QStringList phosphoric{"--pka", "2.148,7.198,12.319", "--names",
                                 "H3PO4,H2PO4^-,HPO4^2-,PO4^3-"};
    QTest::newRow("fractions png, default size")
        << "f.png" << QStringList{"--plot", "fractions"} + phosphoric << QSize(960, 600)
        << QString() << false;
    QTest::newRow("fractions png, marked, 720x450 at 2")
        << "f2.png"
        << QStringList{"--plot", "fractions", "--conc",  "0.1",
                       "--size", "720x450",   "--scale", "2"} +
               phosphoric
        << QSize(1440, 900) << QString() << true;
    QTest::newRow("fractions svg") << "f.svg" << QStringList{"--plot", "fractions"} + phosphoric
                                   << QSize() << "fraction α" << false;
    QTest::newRow("logc png, marked, smallest")
        << "l.png" << QStringList{"--plot", "logc", "--conc", "0.01", "--size", "320x200"}
        << QSize(320, 200) << QString() << true;
    QTest::newRow("logc svg") << "l.svg" << QStringList{"--plot", "logc"} << QSize()
                              << "log c / (mol/L)" << false;
    QTest::newRow("logc pdf") << "l.pdf" << QStringList{"--plot", "logc"} << QSize() << QString()
                              << false;
    QTest::newRow("titration png at 3")
        << "t.png" << QStringList{"--plot", "titration", "--pka", "4.76", "--scale", "3"}
        << QSize(2880, 1800) << QString() << true;
    QTest::newRow("titration svg, acid titrant")
        << "t.svg"
        << QStringList{"--plot", "titration", "--pka", "4.76", "--as", "1", "--titrant", "acid:0.1"}
        << QSize() << "V / mL" << false;
    QTest::newRow("titration pdf")
        << "t.pdf" << QStringList{"--plot", "titration"} << QSize() << QString() << false;
    QTest::newRow("buffer capacity png, marked")
        << "b.png" << QStringList{"--plot", "buffer", "--conc", "0.1"} + phosphoric
        << QSize(960, 600) << QString() << true;
    QTest::newRow("buffer capacity svg")
        << "b.svg" << QStringList{"--plot", "buffer", "--pka", "4.76"} << QSize()
        << "β / (mol/(L·pH))" << false;
    QTest::newRow("derivative png, its equivalence points marked")
        << "d.png" << QStringList{"--plot", "derivative", "--pka", "4.76"} << QSize(960, 600)
        << QString() << true;
    QTest::newRow("derivative svg")
        << "d.svg" << QStringList{"--plot", "derivative"} << QSize() << "dpH/dV / (pH/mL)" << false;
}

void TestSolveCli::pictures() {
    QFETCH(QString, name);
    QFETCH(QStringList, arguments);
    QFETCH(QSize, pixels);
    QFETCH(QString, title);
    QFETCH(bool, marker);
    const QString file = path(name);
    const Run run = runProgram(QStringList{"--export", file} + arguments);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(run.err, QByteArray());
    const QByteArray bytes = readAll(file);
    if (name.endsWith(u".png")) {
        const QImage image(file);
        QCOMPARE(image.size(), pixels);
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::white));
        // The species' curves in their colours, and the marker only where it was asked for.
        if (name.startsWith(u'f') || name.startsWith(u'l')) {
            QVERIFY(hasColour(image, charts::speciesColour(0)));
        }
        QCOMPARE(hasColour(image, charts::markerColour()), marker);
    } else if (name.endsWith(u".svg")) {
        QVERIFY(bytes.contains("viewBox=\"0 0 960 600\""));
        // The texts in the order drawn (a title may come in pieces where a letter needs another
        // font): the axis titles are among them as text.
        QString texts;
        const QRegularExpression text(QStringLiteral(">([^<]*)</text>"));
        for (const QRegularExpressionMatch& match : text.globalMatch(QString::fromUtf8(bytes))) {
            texts += match.captured(1) + u'|';
        }
        texts.remove(QStringLiteral("|"));
        QVERIFY2(texts.contains(title), qPrintable(texts));
        // A pH axis on every chart but the derivative, whose axes are the volume and the slope.
        QCOMPARE(bytes.contains(">pH</text>"), !name.startsWith(u'd'));
    } else {
        QVERIFY(bytes.startsWith("%PDF"));
        // 960 x 600 pixels at 96 dpi are 720 x 450 points, on one page.
        const QString pdf = QString::fromLatin1(bytes);
        QVERIFY(pdf.contains(QRegularExpression(QStringLiteral("/MediaBox \\[0 0 720(\\.0*)? "
                                                               "450(\\.0*)?\\]"))));
        // Page objects, not the /Pages tree.
        QCOMPARE(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"))), 1);
    }
}

void TestSolveCli::dataFiles_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QByteArray>("lastButOne"); // first cell of the row before the last
    QTest::addColumn<QByteArray>("last");       // first cell of the last row
    QTest::addColumn<QStringList>("solution");  // titration: the sample as --solve takes it
    QTest::newRow("fractions, seven species")
        << QStringList{"--plot", "fractions", "--pka", "0,1.5,2,2.66,6.16,10.24", "--charge", "2"}
        << QByteArray("pH,H6A^2+,H5A^+,H4A,H3A-,H2A2-,HA3-,A4-") << 141 << QByteArray("13.9")
        << QByteArray("14") << QStringList();
    QTest::newRow("logc, default step")
        << QStringList{"--plot",  "logc",
                       "--pka",   "2.148,7.198,12.319",
                       "--names", "H3PO4,H2PO4^-,HPO4^2-,PO4^3-"}
        << QByteArray("pH,log[H+],log[OH-],H3PO4,H2PO4^-,HPO4^2-,PO4^3-") << 141
        << QByteArray("13.9") << QByteArray("14") << QStringList();
    QTest::newRow("logc, step 0.3")
        << QStringList{"--plot", "logc", "--pka", "4.76", "--conc", "0.001", "--step", "0.3"}
        << QByteArray("pH,log[H+],log[OH-],HA,A-") << 48 << QByteArray("13.8") << QByteArray("14")
        << QStringList();
    QTest::newRow("titration, acetic acid, defaults")
        << QStringList{"--plot", "titration", "--pka", "4.76"} << QByteArray("V/mL,pH") << 601
        << QByteArray("29.95") << QByteArray("30") << QStringList{"--pka", "4.76"};
    // 1.2 · 3 · 0.1 mol/L · 25 mL / 0.1 mol/L: the end is 90 mL, not the product's last bits.
    QTest::newRow("titration, phosphoric acid, defaults")
        << QStringList{"--plot", "titration", "--pka", "2.148,7.198,12.319"}
        << QByteArray("V/mL,pH") << 1801 << QByteArray("89.95") << QByteArray("90")
        << QStringList{"--pka", "2.148,7.198,12.319"};
    QTest::newRow("titration, step that does not divide the end")
        << QStringList{"--plot", "titration", "--pka", "4.76", "--to", "1", "--step", "0.3"}
        << QByteArray("V/mL,pH") << 5 << QByteArray("0.9") << QByteArray("1")
        << QStringList{"--pka", "4.76"};
    QTest::newRow("buffer capacity, step 0.25")
        << QStringList{"--plot", "buffer", "--pka", "4.76", "--step", "0.25"}
        << QByteArray("pH,beta") << 57 << QByteArray("13.75") << QByteArray("14") << QStringList();
    QTest::newRow("buffer capacity of a mixture")
        << QStringList{"--plot", "buffer",     "--add",  "0.1:acetic",
                       "--add",  "0.05:NH4Cl", "--step", "0.5"}
        << QByteArray("pH,beta") << 29 << QByteArray("13.5") << QByteArray("14") << QStringList();
    QTest::newRow("derivative of a mixture with ammonia as titrant")
        << QStringList{"--plot",    "derivative",  "--add",  "0.1:acetic",
                       "--titrant", "0.1:ammonia", "--step", "1"}
        << QByteArray("V/mL,dpH/dV") << 31 << QByteArray("29") << QByteArray("30") << QStringList();
    QTest::newRow("derivative, phosphoric acid, defaults")
        << QStringList{"--plot", "derivative", "--pka", "2.148,7.198,12.319"}
        << QByteArray("V/mL,dpH/dV") << 1801 << QByteArray("89.95") << QByteArray("90")
        << QStringList();
    QTest::newRow("titration with acid, step 0.5")
        << QStringList{"--plot",    "titration", "--pka", "4.76", "--as",   "1",
                       "--titrant", "acid:0.2",  "--to",  "12.5", "--step", "0.5"}
        << QByteArray("V/mL,pH") << 26 << QByteArray("12") << QByteArray("12.5")
        << QStringList{"--pka", "4.76", "--as", "1"};
}

void TestSolveCli::dataFiles() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, header);
    QFETCH(int, rows);
    QFETCH(QByteArray, lastButOne);
    QFETCH(QByteArray, last);
    QFETCH(QStringList, solution);
    const QString file = path(QStringLiteral("data.csv"));
    const Run run = runProgram(QStringList{"--export", file} + arguments);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QByteArray());
    const QList<QByteArray> lines = csvLines(readAll(file));
    QCOMPARE(lines.size(), rows + 1);
    QCOMPARE(lines.front(), header);
    QCOMPARE(lines[rows - 1].split(',').front(), lastButOne);
    QCOMPARE(lines[rows].split(',').front(), last);
    const qsizetype columns = header.count(',') + 1;
    for (qsizetype i = 1; i <= rows; ++i) {
        const QList<QByteArray> cells = lines[i].split(',');
        QCOMPARE(cells.size(), columns);
        double sum = 0.0; // of every column but the first
        for (qsizetype j = 0; j < columns; ++j) {
            bool ok = false;
            const double value = cells[j].toDouble(&ok);
            QVERIFY2(ok, lines[i].constData());
            sum += j > 0 ? value : 0.0;
        }
        if (header.startsWith("pH,log")) {
            // log[H+] is −pH and log[OH−] is pH − 14, exactly.
            QCOMPARE(cells[1].toDouble(), -cells[0].toDouble());
            QCOMPARE(cells[2].toDouble(), cells[0].toDouble() - 14.0);
        } else if (header == "pH,beta") {
            // Water's share alone: ln 10·([H+] + [OH−]) at least.
            const double pH = cells[0].toDouble();
            const double water = std::log(10.0) * (std::pow(10.0, -pH) + std::pow(10.0, pH - 14));
            QVERIFY2(sum >= water * (1 - 1e-12), lines[i].constData());
        } else if (header.startsWith("pH,")) {
            QVERIFY2(std::abs(sum - 1.0) <= 1e-15, lines[i].constData());
        }
    }
    if (!solution.isEmpty()) {
        // Before any titrant the pH is the sample's own, as --solve finds it.
        const Run solved = runProgram(QStringList{"--solve"} + solution);
        QCOMPARE(solved.status, 0);
        const double pH = lines[1].split(',')[1].toDouble();
        QCOMPARE(solved.out.left(solved.out.indexOf('\n')), "pH " + QByteArray::number(pH, 'f', 4));
    }
}

void TestSolveCli::mainPlotUnchanged_data() {
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QStringList>("options");
    QTest::newRow("csv") << "csv" << QStringList{"--pka", "3,7", "--step", "0.05"};
    QTest::newRow("png") << "png" << QStringList{"--preset", "citric", "--scale", "2"};
    QTest::newRow("svg") << "svg" << QStringList{"--pka", "2.1,5.4,9.7,12.3"};
}

void TestSolveCli::mainPlotUnchanged() {
    QFETCH(QString, suffix);
    QFETCH(QStringList, options);
    const QString plain = path(QStringLiteral("plain.") + suffix);
    const QString main = path(QStringLiteral("main.") + suffix);
    QCOMPARE(runProgram(QStringList{"--export", plain} + options).status, 0);
    QCOMPARE(runProgram(QStringList{"--export", main, "--plot", "main"} + options).status, 0);
    const QByteArray bytes = readAll(plain);
    QVERIFY(bytes.size() > 100);
    QCOMPARE(readAll(main), bytes);
}

void TestSolveCli::chartWithoutFontsWarns() {
    const QString config = path(QStringLiteral("nofonts.conf"));
    QVERIFY(test::putFile(QFile::encodeName(config),
                          "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n"));
    const QString file = path(QStringLiteral("boxes.png"));
    const Run run =
        runProgram({"--export", file, "--plot", "logc"}, {.set = {{"FONTCONFIG_FILE", config}}});
    QCOMPARE(run.status, 0);
    QCOMPARE(QImage(file).size(), QSize(960, 600));
    QVERIFY2(oneLine(run, "velmora: warning: ", "Arial"), run.err.constData());
}

void TestSolveCli::drawingsTheSameInEveryLanguage_data() {
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QStringList>("options");
    const QStringList phosphate{"--pka", "2.148,7.198,12.319", "--conc", "0.1", "--as", "1"};
    QTest::newRow("fractions svg") << "svg" << QStringList{"--plot", "fractions"} + phosphate;
    QTest::newRow("log c svg, large")
        << "svg" << QStringList{"--plot", "logc", "--size", "1920x1200"} + phosphate;
    QTest::newRow("titration svg") << "svg" << QStringList{"--plot", "titration"} + phosphate;
    QTest::newRow("titration png") << "png" << QStringList{"--plot", "titration"} + phosphate;
    QTest::newRow("fractions pdf") << "pdf" << QStringList{"--plot", "fractions"} + phosphate;
    QTest::newRow("titration csv") << "csv" << QStringList{"--plot", "titration"} + phosphate;
    QTest::newRow("log c csv") << "csv" << QStringList{"--plot", "logc"} + phosphate;
    QTest::newRow("main diagram svg") << "svg" << QStringList{"--pka", "2.15,7.20,12.35"};
}

void TestSolveCli::drawingsTheSameInEveryLanguage() {
    QFETCH(QString, suffix);
    QFETCH(QStringList, options);
    const QString english = path(QStringLiteral("english.") + suffix);
    const Run plain = runProgram(
        QStringList{"--export", english} + options,
        {.unset = {"LANGUAGE", "LC_MESSAGES", "LANG", "LC_NUMERIC"}, .set = {{"LC_ALL", "C"}}});
    QCOMPARE(plain.status, 0);
    // A PDF names the second it was made in: the rest of it must be the same.
    const auto undated = [](QByteArray file) {
        const qsizetype at = file.indexOf("/CreationDate (");
        return at < 0 ? file : file.remove(at, file.indexOf(')', at) - at);
    };
    const QByteArray bytes = undated(readAll(english));
    QVERIFY(bytes.size() > 100);
    for (const char* language : {"de_DE.UTF-8", "fr_FR.UTF-8", "es_ES.UTF-8"}) {
        const QString file = path(QStringLiteral("%1.%2").arg(QLatin1String(language), suffix));
        const QString code = QString::fromLatin1(language).left(2);
        const Launch launch{.unset = {"LC_ALL", "LC_MESSAGES", "LC_NUMERIC"},
                            .set = {{"LANGUAGE", code}, {"LANG", QString::fromLatin1(language)}}};
        const Run run = runProgram(QStringList{"--export", file} + options, launch);
        QCOMPARE(run.status, 0);
        QCOMPARE(undated(readAll(file)), bytes);
        // The same environment does speak the language: a refusal comes translated.
        const Run refused = runProgram({"--export", file, "--plot", "nonsense"}, launch);
        QCOMPARE(refused.status, 2);
        QVERIFY2(!refused.err.contains("unknown kind"), refused.err.constData());
    }
    if (suffix == u"svg" && options.contains(QStringLiteral("titration"))) {
        QVERIFY(bytes.contains(">V / mL</text>"));
        QVERIFY(bytes.contains("<title>Titration curve</title>"));
    }
}

void TestSolveCli::noSignOnZero_data() {
    QTest::addColumn<QStringList>("arguments"); // after --export FILE for a file
    QTest::addColumn<QString>("file");          // none: --solve prints
    QTest::addColumn<QByteArray>("zero");       // the number as it must appear
    // 1 mol/L of HCl beside a trace of a very weak acid: the pH is a hair below or above 0.
    const QStringList strong{"--pka", "25", "--conc", "1e-10", "--acid", "1"};
    QTest::newRow("solve prints the pH")
        << QStringList{"--solve"} + strong << QString() << QByteArray("pH 0.0000\n");
    QTest::newRow("the fractions chart marks the pH")
        << QStringList{"--plot", "fractions"} + strong << "zero.svg" << QByteArray(">pH 0.00<");
    QTest::newRow("the log c chart marks the pH")
        << QStringList{"--plot", "logc"} + strong << "zero-logc.svg" << QByteArray(">pH 0.00<");
}

void TestSolveCli::noSignOnZero() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);
    QFETCH(QByteArray, zero);
    const Run run =
        runProgram(file.isEmpty() ? arguments : QStringList{"--export", path(file)} + arguments);
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.status, 0);
    const QByteArray text = file.isEmpty() ? run.out : readAll(path(file));
    QVERIFY2(text.contains(zero), text.left(2000).constData());
    QVERIFY(!text.contains("-0.00"));
    QVERIFY(!text.contains("\u22120.00"));
}

QTEST_GUILESS_MAIN(TestSolveCli)
#include "test_solvecli.moc"
