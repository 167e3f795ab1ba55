// SPDX-License-Identifier: GPL-3.0-or-later
// The user's language: which translation the environment asks for and where it is found, the
// translators of a run, the model's texts in that language, and the real program's help,
// messages and data in every language that must be complete.

#include "program.h"

#include "language/language.h"
#include "language/modeltexts.h"
#include "model/polyprotic.h"
#include "model/presets.h"
#include "model/solution.h"
#include "model/summary.h"
#include "model/titration.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <array>
#include <utility>

using namespace velmora;
using namespace velmora::test;
using language::Environment;

Q_DECLARE_METATYPE(Environment)

namespace {

QStringList completeLanguages() {
    return QString::fromUtf8(VELMORA_COMPLETE_TRANSLATIONS).split(u',', Qt::SkipEmptyParts);
}

/** One row per language that must be complete, in the column "language". */
void addCompleteLanguages() {
    QTest::addColumn<QString>("language");
    for (const QString& language : completeLanguages()) {
        QTest::newRow(qPrintable(language)) << language;
    }
}

/** The program started in a language: only the variables given are set. */
Launch speaking(const QList<QPair<QString, QString>>& variables) {
    return Launch{.unset = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}, .set = variables};
}

/** A launch with LANGUAGE set to `language` in a UTF-8 locale. */
Launch inLanguage(const QString& language) {
    return speaking({{"LANGUAGE", language}, {"LANG", "C.UTF-8"}});
}

/** Every problem the model can report, one of each. */
std::vector<model::Problem> everyProblem() {
    const model::PolyproticAcid acid;
    const std::array<double, 1> high{30.0};
    const std::array<double, 2> falling{5.0, 4.0};
    std::vector<model::Problem> problems{model::problemWithConstants({}),
                                         model::problemWithConstants(high),
                                         model::problemWithConstants(falling),
                                         model::problemWithCharge(9),
                                         model::problemWithNames({"A"}, 2),
                                         model::problemWithNames({""}, 1),
                                         model::problemWithNames({" A"}, 1),
                                         model::problemWithNames({"A,B"}, 1),
                                         model::problemWithConcentration(0.0),
                                         model::problemWithDissolvedAs(5, acid),
                                         model::problemWithStrongConcentration(-1.0),
                                         model::problemWithSampleVolume(0.0),
                                         model::problemWithTitrantConcentration(0.0),
                                         model::problemWithEndVolume(0.0)};
    // A name whose bytes are no UTF-8 text.
    problems.push_back(model::problemWithNames({"A\xff"}, 1));
    return problems;
}

/** What `pattern` captures in each line of a help that it matches, in order. */
QStringList fromEachLine(const QString& help, const QRegularExpression& pattern) {
    QStringList found;
    for (const QString& line : help.split(u'\n')) {
        if (const QRegularExpressionMatch match = pattern.match(line); match.hasMatch()) {
            found << match.captured(1);
        }
    }
    return found;
}

/** The options' explanations of a help, the first line of each. */
QStringList helpExplanations(const QString& help) {
    static const QRegularExpression option(QStringLiteral("^  -\\S.*?\\s{2,}(\\S.*)$"));
    return fromEachLine(help, option);
}

/** The options a help lists, in its order. */
QStringList helpOptions(const QString& help) {
    static const QRegularExpression option(QStringLiteral("^  (-\\S+(?:, --\\S+)?)"));
    return fromEachLine(help, option);
}

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void wantedLanguages_data();
    void wantedLanguages();
    void translationNames_data();
    void translationNames();
    void firstWantedTranslationFound_data();
    void firstWantedTranslationFound();
    void translatorsOfTheBuild_data();
    void translatorsOfTheBuild();
    void modelTextsInTheLanguage();
    void everyModelTextTranslated_data();
    void everyModelTextTranslated();

    void helpInTheUsersLanguage_data();
    void helpInTheUsersLanguage();
    void messagesInTheLanguage_data();
    void messagesInTheLanguage();
    void helpOfEveryCompleteLanguage_data();
    void helpOfEveryCompleteLanguage();
    void dataTheSameInEveryLanguage_data();
    void dataTheSameInEveryLanguage();
};

void TestLanguage::wantedLanguages_data() {
    QTest::addColumn<Environment>("environment");
    QTest::addColumn<QStringList>("wanted");
    QTest::newRow("nothing set") << Environment{} << QStringList{};
    QTest::newRow("LANG") << Environment{.lang = "de_DE.UTF-8"} << QStringList{"de_DE.UTF-8"};
    QTest::newRow("LC_ALL before LC_MESSAGES before LANG")
        << Environment{.lcAll = "fr_FR.UTF-8", .lcMessages = "es_ES.UTF-8", .lang = "de_DE.UTF-8"}
        << QStringList{"fr_FR.UTF-8"};
    QTest::newRow("LC_MESSAGES before LANG")
        << Environment{.lcMessages = "es_ES.UTF-8", .lang = "de_DE.UTF-8"}
        << QStringList{"es_ES.UTF-8"};
    QTest::newRow("LANGUAGE before the locale")
        << Environment{.language = "fr:de", .lang = "es_ES.UTF-8"}
        << QStringList{"fr", "de", "es_ES.UTF-8"};
    QTest::newRow("LANGUAGE in C.UTF-8")
        << Environment{.language = "de", .lang = "C.UTF-8"} << QStringList{"de"};
    QTest::newRow("LANGUAGE without a locale")
        << Environment{.language = "de"} << QStringList{"de"};
    QTest::newRow("plain C overrides LANGUAGE")
        << Environment{.language = "de", .lcAll = "C", .lang = "de_DE.UTF-8"} << QStringList{};
    QTest::newRow("POSIX overrides LANGUAGE")
        << Environment{.language = "de", .lang = "POSIX"} << QStringList{};
    QTest::newRow("English first ends the list")
        << Environment{.language = "en_GB:de", .lang = "de_DE.UTF-8"} << QStringList{};
    QTest::newRow("English after German")
        << Environment{.language = "de:en", .lang = "fr_FR"} << QStringList{"de"};
    QTest::newRow("English locale") << Environment{.lang = "en_US.UTF-8"} << QStringList{};
    QTest::newRow("C.UTF-8 alone") << Environment{.lcAll = "C.UTF-8"} << QStringList{};
    QTest::newRow("empty entries")
        << Environment{.language = "::de::", .lang = "C.UTF-8"} << QStringList{"de"};
}

void TestLanguage::wantedLanguages() {
    QFETCH(Environment, environment);
    QFETCH(QStringList, wanted);
    QCOMPARE(language::wantedLanguages(environment), wanted);
}

void TestLanguage::translationNames_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("language") << "de" << QStringList{"de"};
    QTest::newRow("territory") << "de_AT" << QStringList{"de_AT", "de"};
    QTest::newRow("code set and modifier") << "de_AT.UTF-8@euro" << QStringList{"de_AT", "de"};
    QTest::newRow("modifier only") << "sr@latin" << QStringList{"sr"};
    QTest::newRow("nothing") << ".UTF-8" << QStringList{};
}

void TestLanguage::translationNames() {
    QFETCH(QString, entry);
    QFETCH(QStringList, names);
    QCOMPARE(language::translationNames(entry), names);
}

void TestLanguage::firstWantedTranslationFound_data() {
    QTest::addColumn<QStringList>("first");  // files in the first folder
    QTest::addColumn<QStringList>("second"); // files in the second folder
    QTest::addColumn<QStringList>("wanted");
    QTest::addColumn<QString>("found"); // "folder/name", or empty
    const QStringList all{"de", "es", "fr"};
    QTest::newRow("first wanted") << all << QStringList{} << QStringList{"fr", "de"} << "1/fr";
    QTest::newRow("next wanted when one is missing")
        << all << QStringList{} << QStringList{"sv_SE.UTF-8", "es"} << "1/es";
    QTest::newRow("territory falls back to its language")
        << all << QStringList{} << QStringList{"de_CH.UTF-8"} << "1/de";
    QTest::newRow("territory's own translation first")
        << QStringList{"pt", "pt_BR"} << QStringList{} << QStringList{"pt_BR"} << "1/pt_BR";
    QTest::newRow("installed folder when the first has none")
        << QStringList{} << all << QStringList{"de"} << "2/de";
    QTest::newRow("beside the program first") << all << all << QStringList{"de"} << "1/de";
    QTest::newRow("none of them") << all << all << QStringList{"sv", "nl"} << QString();
    QTest::newRow("nothing wanted") << all << all << QStringList{} << QString();
}

void TestLanguage::firstWantedTranslationFound() {
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    QFETCH(QStringList, wanted);
    QFETCH(QString, found);
    QTemporaryDir root;
    const QStringList folders{root.filePath("1"), root.filePath("2")};
    for (const auto& [folder, names] :
         {std::pair{folders[0], first}, std::pair{folders[1], second}}) {
        QVERIFY(QDir().mkpath(folder));
        for (const QString& name : names) {
            QFile file(folder + QStringLiteral("/velmora_%1.qm").arg(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }
    // A folder of that name is no translation.
    QVERIFY(QDir().mkpath(folders[0] + QStringLiteral("/velmora_sv.qm")));
    const std::optional<language::Translation> translation =
        language::findTranslation(wanted, folders);
    if (found.isEmpty()) {
        QVERIFY(!translation);
        return;
    }
    QVERIFY(translation);
    const QString name = found.section(u'/', 1);
    QCOMPARE(translation->name, name);
    QCOMPARE(translation->file,
             root.filePath(found.section(u'/', 0, 0)) + QStringLiteral("/velmora_%1.qm").arg(name));
}

void TestLanguage::translatorsOfTheBuild_data() {
    QTest::addColumn<Environment>("environment");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("frameCaption"); // the main window's "Type of acid"
    QTest::newRow("English") << Environment{.lang = "C.UTF-8"} << QString() << "Type of acid";
    QTest::newRow("German from LANGUAGE")
        << Environment{.language = "de", .lang = "C.UTF-8"} << "de"
        << "Säuretyp";
    QTest::newRow("German from an Austrian locale") << Environment{.lang = "de_AT.UTF-8"} << "de"
                                                    << "Säuretyp";
    QTest::newRow("a language the program lacks")
        << Environment{.language = "sv", .lang = "C.UTF-8"} << QString() << "Type of acid";
}

void TestLanguage::translatorsOfTheBuild() {
    QFETCH(Environment, environment);
    QFETCH(QString, name);
    QFETCH(QString, frameCaption);
    // The test runs beside the program, where the build puts the translations.
    const language::Translators translators(environment);
    QCOMPARE(translators.name(), name);
    QCOMPARE(translators.active(), !name.isEmpty());
    QCOMPARE(translators.text("velmora::ui::MainWindow", "Type of acid"), frameCaption);
    QCOMPARE(translators.text("velmora::ui::MainWindow", "no such text"),
             QStringLiteral("no such text"));
}

void TestLanguage::modelTextsInTheLanguage() {
    const model::Preset& phosphoric = *model::findPreset("phosphoric");
    const std::vector<std::string> names{"H2X", "HX-"};
    const model::Problem problem = model::problemWithNames(names, 3);
    const model::Acid diprotic({2.0, 7.0, 0.0, 0.0});
    const model::SpeciesNames species{"H2A", "HA-", "A2-"};
    {
        language::Translators translators(Environment{.language = "de", .lang = "C.UTF-8"});
        QVERIFY(translators.install());
        QCOMPARE(language::problemText(problem),
                 QStringLiteral("braucht 3 Namen, einen je Spezies"));
        QCOMPARE(language::presetName(phosphoric), QStringLiteral("Phosphorsäure"));
        QCOMPARE(language::presetSource(phosphoric),
                 QStringLiteral("Skoog, West, Holler und Crouch, Fundamentals of Analytical "
                                "Chemistry, 9. Aufl., Anhang 3; 25 °C, I = 0"));
        QCOMPARE(QString::fromStdString(
                     model::describe(diprotic, species, 1, language::modelTranslation())),
                 QStringLiteral("Zweiprotonige Säure. H2A überwiegt unterhalb von pH 2.0, HA- von "
                                "2.0 bis 7.0, A2- oberhalb von 7.0."));
    }
    // Without the translators, the model's own English.
    QCOMPARE(language::problemText(problem), QString::fromStdString(problem.english()));
    QCOMPARE(language::presetName(phosphoric), QStringLiteral("Phosphoric acid"));
    QCOMPARE(language::presetNote(phosphoric), QString());
    QCOMPARE(
        QString::fromStdString(model::describe(diprotic, species, 1, language::modelTranslation())),
        QString::fromStdString(model::describe(diprotic, species, 1)));
}

void TestLanguage::everyModelTextTranslated_data() {
    addCompleteLanguages();
}

void TestLanguage::everyModelTextTranslated() {
    QFETCH(QString, language);
    // The model marks its texts in the contexts the layers above look them up in.
    QTranslator translator;
    QVERIFY(translator.load(language::programFolder() +
                            QStringLiteral("/translations/velmora_%1.qm").arg(language)));
    QStringList untranslated;
    const auto check = [&](const char* context, const std::string& text) {
        if (!text.empty() && translator.translate(context, text.c_str()).isEmpty()) {
            untranslated << QString::fromUtf8(context) + u' ' + QString::fromStdString(text);
        }
    };
    for (const model::Preset& preset : model::presets()) {
        check(model::kPresetContext, preset.name);
        check(model::kSourceContext, preset.source);
        check(model::kPresetContext, preset.note);
    }
    for (const model::Problem& problem : everyProblem()) {
        QVERIFY(!problem.empty());
        check(model::kProblemContext, problem.text);
    }
    // Every piece of the spoken sentence: one, two and four ranges.
    const model::Translate record = [&](const char* context, const char* text) {
        check(context, text);
        return std::string(text);
    };
    const model::SpeciesNames species{"a", "b", "c", "d", "e"};
    for (const model::Exponents& pKa :
         {model::Exponents{4.0, 0, 0, 0}, model::Exponents{3.0, 3.0, 0, 0},
          model::Exponents{2.0, 7.0, 12.0, 0}, model::Exponents{2.0, 5.0, 8.0, 11.0}}) {
        static_cast<void>(model::describe(model::Acid(pKa), species, 1, record));
    }
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(u'\n')));
}

void TestLanguage::helpInTheUsersLanguage_data() {
    QTest::addColumn<Launch>("launch");
    QTest::addColumn<bool>("german");
    QTest::newRow("nothing set") << speaking({}) << false;
    QTest::newRow("C.UTF-8") << speaking({{"LANG", "C.UTF-8"}}) << false;
    QTest::newRow("LANGUAGE=de") << inLanguage("de") << true;
    QTest::newRow("LANG=de_DE.UTF-8") << speaking({{"LANG", "de_DE.UTF-8"}}) << true;
    QTest::newRow("LC_MESSAGES=de_AT") << speaking({{"LC_MESSAGES", "de_AT.UTF-8"}}) << true;
    QTest::newRow("LANGUAGE=de, LC_ALL=C")
        << speaking({{"LANGUAGE", "de"}, {"LC_ALL", "C"}, {"LANG", "de_DE.UTF-8"}}) << false;
    // As the manual page and the completion are written at build time.
    QTest::newRow("LC_ALL=C.UTF-8 over a German LANG")
        << speaking({{"LC_ALL", "C.UTF-8"}, {"LANG", "de_DE.UTF-8"}}) << false;
    QTest::newRow("LANGUAGE=en:de") << inLanguage("en:de") << false;
    QTest::newRow("LANGUAGE=sv:de") << inLanguage("sv:de") << true;
    QTest::newRow("LANGUAGE=sv") << inLanguage("sv") << false;
}

void TestLanguage::helpInTheUsersLanguage() {
    QFETCH(Launch, launch);
    QFETCH(bool, german);
    const Run run = runProgram({"--help"}, launch);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QByteArray());
    const QString help = QString::fromUtf8(run.out);
    const QString usage = german ? QStringLiteral("Aufruf: velmora [Optionen]\n")
                                 : QStringLiteral("Usage: velmora [options]\n");
    QVERIFY2(help.startsWith(usage), qPrintable(help));
    const QRegularExpression line(german ? QStringLiteral("^  -h, --help +Zeigt diese Hilfe\\.$")
                                         : QStringLiteral("^  -h, --help +Shows this help\\.$"),
                                  QRegularExpression::MultilineOption);
    QVERIFY2(help.contains(line), qPrintable(help));
    QCOMPARE(help.contains(QStringLiteral("--export <DATEI>")), german);
}

void TestLanguage::messagesInTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("line"); // the start of the one line on stderr
    QTest::newRow("our refusal") << "de" << QStringList{"--export", "x.png", "--pka", "3,2"} << 2
                                 << "velmora: --pka: die Werte dürfen nicht abnehmen (2 nach 3)\n";
    QTest::newRow("the parser's refusal")
        << "de" << QStringList{"--frob"} << 2 << "velmora: Unbekannte Option 'frob'.\n";
    // Qt's own texts in languages whose letters Latin-1 has: they stay the letters they are.
    QTest::newRow("the parser's refusal in Spanish")
        << "es" << QStringList{"--frob"} << 2 << "velmora: Opción desconocida «frob».\n";
    QTest::newRow("the parser's missing value in French")
        << "fr" << QStringList{"--export", "x.png", "--pka"} << 2
        << "velmora: Valeur manquante après \"--pka\".\n";
    QTest::newRow("the parser's refusal of a name that is no text")
        << "es" << QStringList{QStringLiteral("--fr\u001bob")} << 2
        << "velmora: Opción desconocida «fr\\x1bob».\n";
    QTest::newRow("the model's problem")
        << "de" << QStringList{"--solve", "--pka", "2", "--conc", "20"} << 2
        << "velmora: --conc: 20 muss zwischen 1e-10 und 10 mol/L liegen\n";
    QTest::newRow("the model's problem with a number")
        << "de" << QStringList{"--solve", "--pka", "2", "--names", "A"} << 2
        << "velmora: --names: braucht 2 Namen, einen je Spezies\n";
    QTest::newRow("a write failure")
        << "de" << QStringList{"--export", "/nonexistent-folder-of-velmora/x.csv"} << 1
        << "velmora: kann /nonexistent-folder-of-velmora/x.csv nicht schreiben: ";
    QTest::newRow("no display") << "de" << QStringList{} << 1
                                << "velmora: kann kein Fenster öffnen: ";
}

void TestLanguage::messagesInTheLanguage() {
    QFETCH(QString, language);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, line);
    Launch launch = inLanguage(language);
    launch.unset << "DISPLAY"
                 << "WAYLAND_DISPLAY"
                 << "QT_QPA_PLATFORM";
    launch.set << qMakePair(QStringLiteral("XDG_RUNTIME_DIR"), QStringLiteral("/nonexistent"));
    const Run run = runProgram(arguments, launch);
    QCOMPARE(run.status, status);
    QVERIFY2(oneLine(run, line.toUtf8(), QByteArray()), run.err.constData());
}

void TestLanguage::helpOfEveryCompleteLanguage_data() {
    addCompleteLanguages();
}

void TestLanguage::helpOfEveryCompleteLanguage() {
    QFETCH(QString, language);
    const QString english = QString::fromUtf8(runProgram({"--help"}, speaking({})).out);
    const Run run = runProgram({"--help"}, inLanguage(language));
    QCOMPARE(run.status, 0);
    const QString help = QString::fromUtf8(run.out);
    // The same options in the same order, every explanation in the language.
    QCOMPARE(helpOptions(help), helpOptions(english));
    const QStringList explanations = helpExplanations(english);
    QCOMPARE(explanations.size(), helpOptions(english).size());
    for (const QString& explanation : explanations) {
        QVERIFY2(!help.contains(explanation), qPrintable(explanation));
    }
}

void TestLanguage::dataTheSameInEveryLanguage_data() {
    addCompleteLanguages();
}

void TestLanguage::dataTheSameInEveryLanguage() {
    QFETCH(QString, language);
    QTemporaryDir folder;
    const auto runIn = [&](const Launch& launch, const QStringList& arguments) {
        return runProgram(arguments, launch);
    };
    // The data written: a CSV of an example acid and of a titration.
    for (const QStringList& arguments :
         {QStringList{"--preset", "citric", "--step", "0.5"},
          QStringList{"--plot", "titration", "--pka", "4.76", "--step", "1"}}) {
        const QString english = folder.filePath("en.csv");
        const QString translated = folder.filePath(language + ".csv");
        QCOMPARE(runIn(speaking({}), QStringList{"--export", english} + arguments).status, 0);
        QCOMPARE(
            runIn(inLanguage(language), QStringList{"--export", translated} + arguments).status, 0);
        QCOMPARE(readAll(translated), readAll(english));
    }
    // The solution printed.
    const QStringList solve{"--solve", "--pka", "2.148,7.198,12.319", "--names",
                            "H3PO4,H2PO4^-,HPO4^2-,PO4^3-"};
    QCOMPARE(runIn(inLanguage(language), solve).out, runIn(speaking({}), solve).out);
    // The example acids keep their keys, which --preset takes.
    const auto keys = [&](const Launch& launch) {
        QStringList found;
        for (const QByteArray& line : runIn(launch, {"--list-presets"}).out.split('\n')) {
            found << QString::fromUtf8(line.left(line.indexOf(" | ")));
        }
        return found;
    };
    QCOMPARE(keys(inLanguage(language)), keys(speaking({})));
}

QTEST_GUILESS_MAIN(TestLanguage)
#include "test_language.moc"
