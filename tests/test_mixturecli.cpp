// SPDX-License-Identifier: GPL-3.0-or-later
// Mixtures on the command line: --add, --activity, --temperature, --titrant as a substance,
// --recipe and --list-substances, read in process, then the real program end to end.

#include "files.h"
#include "program.h"

#include "app/commandline.h"

#include "model/recipe.h"
#include "model/substances.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace velmora;
using namespace velmora::test;
using Action = app::CommandLine::Action;

namespace {

/** The pH printed on the first line of --solve, or NaN. */
double printedPh(const QByteArray& out) {
    const QByteArray first = out.left(out.indexOf('\n'));
    return first.startsWith("pH ") ? first.mid(3).toDouble() : std::nan("");
}

app::CommandLine parsed(const QStringList& arguments) {
    return app::parseCommandLine(QStringList{"velmora"} + arguments);
}

} // namespace

class TestMixtureCli : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void refused_data();
    void refused();
    void mixtureRead_data();
    void mixtureRead();
    void singleAcidStaysSingle_data();
    void singleAcidStaysSingle();
    void solvedAsPublished_data();
    void solvedAsPublished();
    void recipeFiles_data();
    void recipeFiles();
    void decimalComma();
    void wholeNumberListsWarn_data();
    void wholeNumberListsWarn();
    void substanceList_data();
    void substanceList();

private:
    QTemporaryDir m_dir;
};

void TestMixtureCli::refused_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("problem"); // how it starts; all of it where it ends with $
    const QStringList solve{"--solve"};
    const QStringList titration{"--export", "t.png", "--plot", "titration", "--add", "0.1:acetic"};
    QTest::newRow("add alone") << QStringList{"--add", "0.1:acetic"}
                               << "--add is only used with --export or --solve";
    QTest::newRow("recipe with the main diagram")
        << QStringList{"--export", "a.png", "--recipe", "r.json"}
        << "--recipe applies to --plot fractions, logc, titration, buffer or derivative only";
    QTest::newRow("unknown activity") << solve + QStringList{"--activity", "debye"}
                                      << "--activity: 'debye' is not ideal or davies";
    QTest::newRow("temperature above 100") << solve + QStringList{"--temperature", "101"}
                                           << "--temperature: 101 must be from 0 to 100 °C";
    QTest::newRow("temperature below 0") << solve + QStringList{"--temperature", "-1"}
                                         << "--temperature: -1 must be from 0 to 100 °C";
    QTest::newRow("temperature not a number")
        << solve + QStringList{"--temperature", "warm"} << "--temperature: 'warm' is not a number";
    QTest::newRow("malformed written")
        << solve + QStringList{"--add", "0.1"}
        << "--add: '0.1' is not C:WHAT[:KEY=VALUE]... (such as 0.1:acetic or 0.1:4.76)";
    QTest::newRow("decimal comma in a concentration")
        << solve + QStringList{"--add", "0,1:acetic"}
        << "--add: '0,1:acetic': 0,1 is not a number; write decimals with a point: 0.1";
    QTest::newRow("decimal comma in a titrant's concentration")
        << titration + QStringList{"--titrant", "0,1:NH3"}
        << "--titrant: '0,1:NH3': 0,1 is not a number; write decimals with a point: 0.1";
    QTest::newRow("two commas are no decimal") << solve + QStringList{"--add", "0,1,2:acetic"}
                                               << "--add: '0,1,2:acetic': 0,1,2 is not a number$";
    QTest::newRow("a comma in a constant")
        << solve + QStringList{"--add", "0.1:4,x"} << "--add: '0.1:4,x': x is not a number";
    QTest::newRow("unknown key")
        << solve + QStringList{"--add", "0.1:vinegar"}
        << "--add: '0.1:vinegar': vinegar is not a substance of the library";
    QTest::newRow("second written wrong")
        << solve + QStringList{"--add", "0.1:acetic", "--add", "0.1:4.76:as=2"}
        << "--add: '0.1:4.76:as=2': as=2 must be a species index from 0 to 1";
    QStringList nine = solve;
    for (int i = 0; i < 9; ++i) {
        nine << "--add" << QStringLiteral("0.01:%1").arg(3 + i);
    }
    QTest::newRow("nine systems")
        << nine << "--add: '0.01:11': the solution may hold at most 8 acid-base systems";
    QTest::newRow("pka and eight more")
        << QStringList{"--solve", "--pka", "4.76"} + nine.mid(1, 16)
        << "--add: '0.01:10': the solution may hold at most 8 acid-base systems";
    QTest::newRow("strong bases past 10 mol/L")
        << solve + QStringList{"--add", "6:NaOH", "--add", "6:KOH"}
        << "--add: the strong acids or bases in all must be from 0 to 10 mol/L";
    QTest::newRow("base option on top") << solve + QStringList{"--add", "9:NaOH", "--base", "2"}
                                        << "--base: must be from 0 to 10 mol/L";
    QTest::newRow("concentration without pka")
        << solve + QStringList{"--add", "0.1:acetic", "--conc", "0.1"}
        << "--conc applies to the acid of --pka; give the mixture's substances with --add";
    QTest::newRow("names without pka")
        << solve + QStringList{"--temperature", "30", "--names", "A,B"}
        << "--names applies to the acid of --pka";
    QTest::newRow("activity twice")
        << solve + QStringList{"--activity", "ideal", "--activity", "davies"}
        << "--activity is given more than once";
    QTest::newRow("recipe twice") << solve + QStringList{"--recipe", "a", "--recipe", "b"}
                                  << "--recipe is given more than once";
    QTest::newRow("titrant substance with solve")
        << solve + QStringList{"--titrant", "0.1:NH3"}
        << "--titrant applies to --plot titration or derivative only";
    QTest::newRow("titrant substance with logc")
        << QStringList{"--export", "l.png", "--plot", "logc", "--titrant", "0.1:NH3"}
        << "--titrant applies to --plot titration or derivative only";
    QTest::newRow("titrant unknown") << titration + QStringList{"--titrant", "0.1:brine"}
                                     << "--titrant: '0.1:brine': brine is not a substance";
    QTest::newRow("titrant neither strong nor a substance")
        << titration + QStringList{"--titrant", "salt:0.1"}
        << "--titrant: 'salt:0.1' is not base:CT or acid:CT, nor a substance as --add takes it "
           "(C:WHAT, such as 0.1:ammonia)";
    QTest::newRow("titrant too concentrated") << titration + QStringList{"--titrant", "11:NH3"}
                                              << "--titrant: '11:NH3': 11 must be from 0 to 10";
    QTest::newRow("titrant of nothing") << titration + QStringList{"--titrant", "0:NH3"}
                                        << "--titrant: 0 must be from 1e-6 to 10 mol/L";
    QTest::newRow("strong titrant too dilute") << titration + QStringList{"--titrant", "base:1e-7"}
                                               << "--titrant: 1e-7 must be from 1e-6 to 10 mol/L";
    QTest::newRow("volume of a mixture")
        << titration + QStringList{"--volume", "0"} << "--volume: 0 must be from 0.1 to 1000 mL";
    QTest::newRow("default end of a mixture out of range")
        << QStringList{"--export",  "t.png",    "--plot", "titration", "--add",
                       "10:acetic", "--volume", "1000",   "--titrant", "1e-6:NaOH"}
        << "--to: the default end volume 1.2e+10 mL must be from 0.001 to 100000 mL; give --to";
    const QString missing = m_dir.filePath(QStringLiteral("missing.json"));
    QTest::newRow("recipe missing") << solve + QStringList{"--recipe", missing}
                                    << "--recipe: '" + missing + "': No such file or directory";
    QTest::newRow("escaped written") << solve + QStringList{"--add", "0.1:ac\ntic"}
                                     << "--add: '0.1:ac\\ntic': ac\\ntic is not a substance";
}

void TestMixtureCli::refused() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, problem);
    const app::CommandLine line = parsed(arguments);
    QCOMPARE(line.action, Action::Refused);
    if (problem.endsWith(u'$')) {
        QCOMPARE(line.problem, problem.chopped(1));
    }
    QVERIFY2(line.problem.startsWith(problem.chopped(problem.endsWith(u'$') ? 1 : 0)),
             qPrintable(line.problem));
    QVERIFY(!line.problem.contains(u'\n'));
}

void TestMixtureCli::mixtureRead_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("systems");  // each system's key, or its constants
    QTest::addColumn<QList<double>>("strong"); // acid, base of the sample
    QTest::addColumn<double>("temperature");
    QTest::addColumn<bool>("davies");
    QTest::addColumn<QList<double>>("titration"); // V0, titrant's strong base, its systems, end
    const QStringList titration{"--export", "t.csv", "--plot", "titration"};
    QTest::newRow("solve, added in order")
        << QStringList{"--solve", "--add",   "0.1:acetic", "--add", "0.05:Sodium-Acetate",
                       "--add",   "0.01:HCl"}
        << QStringList{"acetic", "sodium-acetate"} << QList<double>{0.01, 0} << 25.0 << false
        << QList<double>{};
    QTest::newRow("water at 50 degrees with activities")
        << QStringList{"--solve", "--temperature", "50", "--activity", "DAVIES"} << QStringList{}
        << QList<double>{0, 0} << 50.0 << true << QList<double>{};
    QTest::newRow("pka first, its names, strong options added")
        << QStringList{"--solve",  "--pka",  "4.76",    "--conc",   "0.05",
                       "--as",     "1",      "--names", "HAc,Ac^-", "--add",
                       "0.1:NaOH", "--base", "0.1",     "--acid",   "0.02"}
        << QStringList{"4.76"} << QList<double>{0.02, 0.2} << 25.0 << false << QList<double>{};
    QTest::newRow("titration with a weak titrant")
        << titration + QStringList{"--add",    "0.1:acetic", "--titrant", "0.1:ammonia",
                                   "--volume", "20",         "--to",      "30"}
        << QStringList{"acetic"} << QList<double>{0, 0} << 25.0 << false
        << QList<double>{20, 0, 1, 30};
    QTest::newRow("titration of a mixture by a strong base")
        << titration + QStringList{"--add", "0.1:acetic", "--titrant", "BASE:0.2"}
        << QStringList{"acetic"} << QList<double>{0, 0} << 25.0 << false
        << QList<double>{25, 0.2, 0, 0};
    QTest::newRow("the acid of pka titrated by a weak titrant")
        << titration + QStringList{"--pka", "4.76", "--titrant", "0.1:pkb=4.75"}
        << QStringList{"4.76"} << QList<double>{0, 0} << 25.0 << false
        << QList<double>{25, 0, 1, 0};
    QTest::newRow("fractions of a mixture")
        << QStringList{"--export", "f.png", "--plot", "fractions", "--add", "0.1:phosphoric"}
        << QStringList{"phosphoric"} << QList<double>{0, 0} << 25.0 << false << QList<double>{};
}

void TestMixtureCli::mixtureRead() {
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, systems);
    QFETCH(QList<double>, strong);
    QFETCH(double, temperature);
    QFETCH(bool, davies);
    QFETCH(QList<double>, titration);
    const app::CommandLine line = parsed(arguments);
    QVERIFY2(line.action != Action::Refused, qPrintable(line.problem));
    QVERIFY(line.chart);
    const charts::ChartRequest& request = line.chart->request;
    QVERIFY(request.mixture);
    const model::Mixture& mixture = *request.mixture;
    QCOMPARE(mixture.systems.size(), static_cast<std::size_t>(systems.size()));
    for (qsizetype s = 0; s < systems.size(); ++s) {
        const model::WeakSystem& system = mixture.systems[static_cast<std::size_t>(s)];
        const QString name = system.substance.empty() ? QString::number(system.pK.front())
                                                      : QString::fromStdString(system.substance);
        QCOMPARE(name, systems[s]);
    }
    QCOMPARE(mixture.strongAcid, strong[0]);
    QCOMPARE(mixture.strongBase, strong[1]);
    QCOMPARE(mixture.temperature, temperature);
    QCOMPARE(mixture.activity == model::Activity::Davies, davies);
    if (arguments.contains("--names")) {
        QCOMPARE(mixture.systems.front().formulas, (std::vector<std::string>{"HAc", "Ac^-"}));
        QCOMPARE(mixture.systems.front().concentration, 0.05);
        QCOMPARE(mixture.systems.front().dissolvedAs, 1);
    }
    if (!titration.isEmpty()) {
        const model::MixtureTitration& t = request.mixtureTitration;
        QCOMPARE(t.sampleVolume, titration[0]);
        QCOMPARE(t.titrant.strongBase, titration[1]);
        QCOMPARE(t.titrant.systems.size(), static_cast<std::size_t>(titration[2]));
        QCOMPARE(t.endVolume, titration[3]);
    }
}

void TestMixtureCli::singleAcidStaysSingle_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("solve") << QStringList{"--solve", "--pka", "4.76", "--base", "0.05"};
    QTest::newRow("titration with a strong titrant")
        << QStringList{"--export", "t.png", "--plot", "titration", "--titrant", "acid:0.1"};
}

void TestMixtureCli::singleAcidStaysSingle() {
    QFETCH(QStringList, arguments);
    const app::CommandLine line = parsed(arguments);
    QVERIFY2(line.action != Action::Refused, qPrintable(line.problem));
    QVERIFY(!line.chart->request.mixture);
}

void TestMixtureCli::solvedAsPublished_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<double>("published");
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<QByteArray>("lines"); // lines that must follow, in order (a regex)
    // Henderson–Hasselbalch: pH = pKa for equal acid and base.
    QTest::newRow("acetate buffer")
        << QStringList{"--solve", "--add", "0.1:acetic", "--add", "0.1:sodium-acetate"} << 4.76
        << 0.005 << QByteArray("\nHAc 0\\.09998 mol/L\nAc\\^- 0\\.1000 mol/L\n$");
    // HF, pKa 3.17, 0.01 mol/L: x²/(0.01 − x) = 10^−3.17 gives x = 2.28e-3, pH 2.64.
    QTest::newRow("hydrofluoric acid")
        << QStringList{"--solve", "--add", "0.01:3.17"} << 2.64 << 0.005
        << QByteArray("\nHA 0\\.007716 mol/L\nA- 0\\.002284 mol/L\n$");
    // Ammonium acetate: pH = (pKa(NH4+) + pKa(HAc))/2 = (9.25 + 4.76)/2.
    QTest::newRow("ammonium acetate")
        << QStringList{"--solve", "--add", "0.1:9.25:charge=1", "--add", "0.1:sodium-acetate"}
        << 7.005 << 0.005 << QByteArray("\nHA\\^\\+ ");
    // Sulfurous acid, pKa1 1.86, 0.1 mol/L: x²/(0.1 − x) = 10^−1.86 gives x = 0.03089, pH 1.510.
    QTest::newRow("sulfurous acid")
        << QStringList{"--solve", "--add", "0.1:sulfurous"} << 1.510 << 0.001
        << QByteArray("\nH2SO3 0\\.0691\\d mol/L\nHSO3\\^- 0\\.0308\\d mol/L\nSO3\\^2- ");
    // Hydrogen sulfide, pKa 7.05 and 19, 0.1 mol/L: x = √(0.1 · 10^−7.05) = 9.44e-5, pH 4.025;
    // [S2−] is then Ka2 = 1e-19.
    QTest::newRow("hydrogen sulfide")
        << QStringList{"--solve", "--add", "0.1:hydrogen-sulfide"} << 4.025 << 0.001
        << QByteArray("\nHS\\^- 9\\.4\\d\\de-05 mol/L\nS\\^2- 1\\.00\\de-19 mol/L\n$");
    // Water: pKw/2, 14.946/2 at 0 °C and 13.266/2 at 50 °C (Harned and Robinson).
    QTest::newRow("water at 0 degrees") << QStringList{"--solve", "--temperature", "0"} << 7.473
                                        << 0.002 << QByteArray("^pH 7\\.47\\d\\d\n$");
    QTest::newRow("water at 50 degrees") << QStringList{"--solve", "--temperature", "50"} << 6.633
                                         << 0.002 << QByteArray("^pH 6\\.63\\d\\d\n$");
    // Davies at I = 0.1: log γ± = −0.51·(0.316/1.316 − 0.03) = −0.107, so pH = 4.76 − 0.107.
    QTest::newRow("acetate buffer with activities")
        << QStringList{"--solve", "--add",     "0.05:acetic", "--add", "0.05:sodium-acetate",
                       "--add",   "0.05:NaCl", "--activity",  "davies"}
        << 4.653 << 0.003 << QByteArray("\nI 0\\.1000 mol/L\nHAc ");
    QTest::newRow("acetic acid at 50 degrees, its constant not shifted")
        << QStringList{"--solve", "--add", "0.1:acetic", "--temperature", "50"} << 2.88 << 0.01
        << QByteArray("\nconstants not shifted from 25 °C to 50 °C \\(no enthalpy known\\): "
                      "acetic\n$");
}

void TestMixtureCli::solvedAsPublished() {
    QFETCH(QStringList, arguments);
    QFETCH(double, published);
    QFETCH(double, tolerance);
    QFETCH(QByteArray, lines);
    const Run run = runProgram(arguments);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QByteArray());
    const double pH = printedPh(run.out);
    QVERIFY2(std::abs(pH - published) <= tolerance, run.out.constData());
    QVERIFY2(
        QRegularExpression(QString::fromUtf8(lines)).match(QString::fromUtf8(run.out)).hasMatch(),
        run.out.constData());
}

void TestMixtureCli::recipeFiles_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("more");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("output"); // how stdout starts, or the whole of stderr
    const QByteArray buffer = R"({
  "format": "velmora-recipe",
  "version": 1,
  "substances": [
    {"conc": 0.1, "substance": "acetic"},
    {"conc": 0.1, "substance": "sodium-acetate"}
  ]
})";
    QTest::newRow("a buffer") << buffer << QStringList{} << 0 << QByteArray("pH 4.7602\n");
    QTest::newRow("a buffer and one more acid")
        // All the acetate taken up: 0.2 mol/L acetic acid, pH ½(4.76 − log 0.2) = 2.73.
        << buffer << QStringList{"--add", "0.1:HCl"} << 0 << QByteArray("pH 2.73");
    QTest::newRow("its temperature changed")
        << buffer << QStringList{"--temperature", "50"} << 0 << QByteArray("pH 4.7602\n");
    QTest::newRow("error at line 5, column 40")
        << QByteArray(buffer).replace("\"acetic\"}", "\"acetic\"]") << QStringList{} << 2
        << QByteArray("velmora: --recipe: '%1': line 5, column 40: ");
    const QByteArray eight = R"({"format": "velmora-recipe", "version": 1, "substances": [)" +
                             QByteArray(R"({"conc": 0.01, "substance": "acetic"}, )").repeated(7) +
                             R"({"conc": 0.01, "pka": [4]}]})";
    QTest::newRow("eight systems in the file and one added")
        << eight << QStringList{"--add", "0.1:9"} << 2
        << QByteArray("velmora: --add: '0.1:9': the solution may hold at most 8 acid-base "
                      "systems\n");
    QTest::newRow("the acid of pka before eight systems in the file")
        << eight << QStringList{"--pka", "4"} << 2
        << QByteArray("velmora: --recipe: the solution may hold at most 8 acid-base systems\n");
    QTest::newRow("field out of range")
        << QByteArray(buffer).replace("0.1, \"substance\": \"sodium", "20, \"substance\": \"sodium")
        << QStringList{} << 2
        << QByteArray("velmora: --recipe: '%1': substances[1].conc: must be a number from 0 to 10 "
                      "mol/L\n");
}

void TestMixtureCli::recipeFiles() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, more);
    QFETCH(int, status);
    QFETCH(QByteArray, output);
    const QString path = m_dir.filePath(QStringLiteral("recipe.json"));
    QFile recipe(path);
    QVERIFY(recipe.open(QIODevice::WriteOnly | QIODevice::Truncate));
    recipe.write(file);
    recipe.close();
    const Run run = runProgram(QStringList{"--solve", "--recipe", path} + more);
    QCOMPARE(run.status, status);
    if (status == 0) {
        QVERIFY2(run.out.startsWith(output), run.out.constData());
    } else {
        const QByteArray expected = QByteArray(output).replace("%1", QFile::encodeName(path));
        QVERIFY2(run.err.startsWith(expected), run.err.constData());
        QCOMPARE(run.err.count('\n'), 1);
        QCOMPARE(run.out, QByteArray());
    }
}

void TestMixtureCli::decimalComma() {
    // A locale with a decimal comma of our own, since the machine may have none installed.
    QTemporaryDir locales;
    const std::optional<Launch> german = germanLocale(locales);
    if (!german) {
        QSKIP("no locale with a decimal comma can be made here");
    }
    const Run solved =
        runProgram({"--solve", "--add", "0.01:3.17", "--temperature", "25.0"}, *german);
    QCOMPARE(solved.status, 0);
    QCOMPARE(solved.out, runProgram({"--solve", "--add", "0.01:3.17"}).out);
    QVERIFY(solved.out.startsWith("pH 2.64"));
    const Run comma = runProgram({"--solve", "--add", "0,01:3,17"}, *german);
    QCOMPARE(comma.status, 2);
    QVERIFY2(comma.err.startsWith("velmora: --add: '0,01:3,17': 0,01 "), comma.err.constData());
    QCOMPARE(comma.out, QByteArray());
}

void TestMixtureCli::wholeNumberListsWarn_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("warnings"); // where decimals take a comma
    const QStringList titration{"--export", "t.csv", "--plot", "titration"};
    QTest::newRow("two whole numbers")
        << QStringList{"--solve", "--add", "0.1:9,25"}
        << QStringList{"--add 0.1:9,25: 9,25 was read as two values, 9 and 25; write decimals "
                       "with a point: 9.25"};
    QTest::newRow("three, by pKb, with blanks")
        << QStringList{"--solve", "--add", " 0.1:pkb= 2, 7,12 "}
        << QStringList{"--add 0.1:pkb= 2, 7,12: 2, 7,12 was read as 3 values: 2, 7, 12; write "
                       "decimals with a point"};
    QTest::newRow("each substance, the titrant too")
        << titration + QStringList{"--add", "0.1:-1,4",  "--add",     "0.1:acetic",
                                   "--add", "0.1:4.5,9", "--titrant", "0.1:pka=9,10"}
        << QStringList{"--add 0.1:-1,4: -1,4 was read as two values, -1 and 4; write decimals "
                       "with a point: -1.4",
                       "--titrant 0.1:pka=9,10: 9,10 was read as two values, 9 and 10; write "
                       "decimals with a point: 9.10"};
    QTest::newRow("one value, decimals and keys say nothing")
        << QStringList{"--solve", "--add", "0.1:9", "--add", "0.1:4.76,9.2", "--add", "1.5:NaCl"}
        << QStringList{};
    QTest::newRow("a concentration with a comma is refused")
        << QStringList{"--solve", "--add", "1,5:NaCl"} << QStringList{};
    QTest::newRow("a strong titrant says nothing")
        << titration + QStringList{"--pka", "4.76", "--titrant", "base:0,1"} << QStringList{};
}

void TestMixtureCli::wholeNumberListsWarn() {
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, warnings);
    const app::CommandLine line = parsed(arguments);
    if (line.action == Action::Refused) {
        // A list that is refused is said as such, not warned of.
        QVERIFY2(warnings.isEmpty(), qPrintable(line.problem));
        return;
    }
    QCOMPARE(app::typedConstantsWarnings(line, QLocale(QLocale::German)), warnings);
    QCOMPARE(app::typedConstantsWarnings(line, QLocale(QLocale::French)), warnings);
    QCOMPARE(app::typedConstantsWarnings(line, QLocale::c()), QStringList());
    QCOMPARE(app::typedConstantsWarnings(line, QLocale(QLocale::English)), QStringList());
}

void TestMixtureCli::substanceList_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("acetic"); // the acetic acid's name as listed
    QTest::newRow("English") << "C.UTF-8" << QByteArray("acetic  Acetic acid  HAc, Ac^-");
    QTest::newRow("German") << "de_DE.UTF-8" << QByteArray("acetic  Essigsäure  HAc, Ac^-");
}

void TestMixtureCli::substanceList() {
    QFETCH(QString, language);
    QFETCH(QByteArray, acetic);
    const Run run = runProgram({"--list-substances"}, {.set = {{"LANG", language}}});
    QCOMPARE(run.status, 0);
    const QList<QByteArray> lines = run.out.trimmed().split('\n');
    QCOMPARE(lines.size(), static_cast<qsizetype>(model::substances().size()));
    // Each line starts with a key that --add takes.
    for (const QByteArray& line : lines) {
        const QByteArray key = line.left(line.indexOf("  "));
        model::Ingredient ingredient;
        QVERIFY2(model::readIngredient("0.1:" + key.toStdString(), ingredient).empty(),
                 line.constData());
    }
    QVERIFY2(run.out.contains(acetic), run.out.left(200).constData());
}

QTEST_GUILESS_MAIN(TestMixtureCli)
#include "test_mixturecli.moc"
