// SPDX-License-Identifier: GPL-3.0-or-later
// The solution window's remembered settings as users meet them: a special file in place of the
// settings file, two instances of the program sharing the file, and a file that could not be
// read cleanly.

#include "testsupport.h"

#include "files.h"

#include "io/settingsfile.h"
#include "io/settingsvalue.h"
#include "ui/main/mainwindow.h"
#include "ui/solution/chartdrawing.h"
#include "ui/solution/chartview.h"
#include "ui/solution/numberfield.h"
#include "ui/solution/solutioncompanion.h"
#include "ui/solution/solutionpanel.h"
#include "ui/solution/solutionsettings.h"
#include "ui/solution/solutionwindow.h"
#include "ui/solution/substancelist.h"

#include <QAction>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace velmora;
using namespace velmora::ui;
using test::contentsOf;
using test::entriesOf;
using test::putFile;

namespace {

constexpr ScreenDensity kDensity{15.0f, 15.0f};

/** What the program writes on standard error while it lives. */
class ErrorCapture {
public:
    ErrorCapture() {
        std::fflush(stderr);
        m_saved = ::dup(STDERR_FILENO);
        m_file = ::open(m_path.constData(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        ::dup2(m_file, STDERR_FILENO);
    }
    ~ErrorCapture() { restore(); }
    ErrorCapture(const ErrorCapture&) = delete;
    ErrorCapture& operator=(const ErrorCapture&) = delete;

    /** Ends the capture and gives what was written. */
    QByteArray text() {
        restore();
        return contentsOf(m_path);
    }

private:
    void restore() {
        if (m_saved >= 0) {
            std::fflush(stderr);
            ::dup2(m_saved, STDERR_FILENO);
            ::close(m_saved);
            ::close(m_file);
            m_saved = -1;
        }
    }
    QTemporaryDir m_dir;
    QByteArray m_path = QFile::encodeName(m_dir.path()) + "/stderr";
    int m_saved = -1;
    int m_file = -1;
};

/** Types `text` into a line edit as one edit. */
void typeInto(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    edit->insert(text);
}

QByteArray settingsPath() {
    return QFile::encodeName(solutionSettingsFile());
}

/** The window's action that `key` triggers, or none. */
QAction* actionWithShortcut(QWidget& window, const QKeySequence& key) {
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->shortcuts().contains(key)) {
            return action;
        }
    }
    return nullptr;
}

QMap<QString, QString> fileValues() {
    return io::readSettings(settingsPath(), QStringLiteral("solution")).values;
}

} // namespace

class TestSolutionSettings : public QObject {
    Q_OBJECT
private slots:
    void listActivityAndTemperatureAreRead_data();
    void listActivityAndTemperatureAreRead();
    void listActivityAndTemperatureRoundTrip_data();
    void listActivityAndTemperatureRoundTrip();
    void titrantAndLastRecipeAreRead_data();
    void titrantAndLastRecipeAreRead();
    void initTestCase();
    void init();

    void specialFilesAreLeftAlone_data();
    void specialFilesAreLeftAlone();
    void twoInstancesKeepEachOthersChanges();
    void changesAreWrittenWhenMade();
    void aDamagedFileIsReadAndKept_data();
    void aDamagedFileIsReadAndKept();
    void aFailedWriteIsReportedOnce();
    void unfitValuesGiveWayToDefaults_data();
    void unfitValuesGiveWayToDefaults();
    void solutionAndTitrationAreRemembered_data();
    void solutionAndTitrationAreRemembered();
    void textSizeIsRemembered();
    void textSizeStopsAtItsEnds_data();
    void textSizeStopsAtItsEnds();

private:
    QTemporaryDir m_config;
};

void TestSolutionSettings::titrantAndLastRecipeAreRead_data() {
    QTest::addColumn<QString>("titrant");   // as the file holds it
    QTest::addColumn<QString>("substance"); // the titrant substance taken, or empty
    QTest::addColumn<bool>("acid");         // the strong titrant
    QTest::addColumn<QString>("row");       // a listed substance as the file holds it
    QTest::addColumn<int>("charge");        // of that row's typed system, or -99 when refused
    QTest::newRow("strong base") << "base"
                                 << "" << false << "pKa:4 0.1 1" << 0;
    QTest::newRow("strong acid") << "acid"
                                 << "" << true << "pKb:4/6 0.1 0" << 2;
    QTest::newRow("ammonia") << "ammonia"
                             << "ammonia" << false << "pKa:4/6 0.1 0 2" << 2;
    QTest::newRow("sodium carbonate") << "sodium-carbonate"
                                      << "sodium-carbonate" << false << "pKb:4.75 0.1 0 0" << 0;
    QTest::newRow("an inert salt does not titrate") << "sodium-chloride"
                                                    << "" << false << "pKa:4 0.1 0 7" << -99;
    QTest::newRow("an unknown key") << "vinegar"
                                    << "" << false << "acetic 0.1 0 1" << -99;
}

void TestSolutionSettings::titrantAndLastRecipeAreRead() {
    QFETCH(QString, titrant);
    QFETCH(QString, substance);
    QFETCH(bool, acid);
    QFETCH(QString, row);
    QFETCH(int, charge);
    const QString path = QStringLiteral("/home/teacher/Rezepte/Puffer ä.json");
    const QMap<QString, QString> values{
        {QStringLiteral("titrant"), titrant},
        {QStringLiteral("substances"), row},
        {QStringLiteral("lastRecipe"), io::settingsvalue::fromText(path)}};
    const SolutionWindowState state = stateFromSettings(values);
    QCOMPARE(QString::fromStdString(state.inputs.titrantSubstance), substance);
    QCOMPARE(state.inputs.titration.titrant == model::Titrant::Acid, acid);
    QCOMPARE(state.lastRecipe, path);
    if (charge == -99) {
        QVERIFY(state.inputs.substances.empty());
    } else {
        QCOMPARE(state.inputs.substances.size(), std::size_t{1});
        QCOMPARE(state.inputs.substances.front().typed.charge, charge);
    }
    // Written and read again, the same.
    const SolutionWindowState again = stateFromSettings(settingsValues(state));
    QVERIFY(again.inputs == state.inputs);
    QCOMPARE(again.lastRecipe, path);
}

void TestSolutionSettings::initTestCase() {
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
}

void TestSolutionSettings::init() {
    const QByteArray folder = QFile::encodeName(m_config.path()) + "/velmora";
    QDir(QFile::decodeName(folder)).removeRecursively();
    QVERIFY(QDir().mkpath(QFile::decodeName(folder)));
    QVERIFY(solutionSettingsFile().startsWith(m_config.path()));
}

void TestSolutionSettings::specialFilesAreLeftAlone_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    for (const test::SpecialKind& special : test::kSpecialKinds) {
        QTest::newRow(special.row)
            << QString::fromLatin1(special.kind) << QString::fromLatin1(special.reason);
    }
}

void TestSolutionSettings::specialFilesAreLeftAlone() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    const QByteArray path = settingsPath();
    const test::SpecialFile special(path, kind.toLatin1());
    QVERIFY(special.made());
    const auto before = test::identityOf(path);
    const QByteArrayList entries = entriesOf(QFile::encodeName(m_config.path()) + "/velmora");

    ErrorCapture errors;
    {
        // Ctrl+L in a running main window, as --solution does it at start.
        MainWindow main(kDensity);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        main.solution().open();
        SolutionWindow* solution = main.solution().window();
        QVERIFY(solution != nullptr);
        QVERIFY(solution->following());
        QCOMPARE(solution->panel().inputs().solution, model::Solution{});
        typeInto(solution->panel().concentrationField(), QStringLiteral("0.02"));
        solution->saveSettings();
        QVERIFY(solution->close());
    }
    const QString said = QString::fromUtf8(errors.text());
    QCOMPARE(said.count(u'\n'), 1);
    QVERIFY2(said.contains(u"velmora.conf") && said.contains(reason), qPrintable(said));

    QCOMPARE(test::identityOf(path), before);
    QCOMPARE(entriesOf(QFile::encodeName(m_config.path()) + "/velmora"), entries);
}

void TestSolutionSettings::twoInstancesKeepEachOthersChanges() {
    // Both start from nothing remembered; A takes an acid of its own, B only follows.
    MainWindow mainA(kDensity);
    MainWindow mainB(kDensity);
    mainA.solution().open();
    mainB.solution().open();
    SolutionWindow* a = mainA.solution().window();
    SolutionWindow* b = mainB.solution().window();
    QVERIFY(a != nullptr && b != nullptr);
    a->panel().pKaBox(0)->setValue(3.5);
    QVERIFY(!a->following());
    typeInto(b->panel().volumeField(), QStringLiteral("20"));

    QVERIFY(a->close());
    QCOMPARE(fileValues().value(QStringLiteral("follow")), QStringLiteral("false"));
    QVERIFY(b->close());

    const QMap<QString, QString> values = fileValues();
    QCOMPARE(values.value(QStringLiteral("follow")), QStringLiteral("false"));
    QCOMPARE(io::settingsvalue::toText(values.value(QStringLiteral("pKa"))),
             QStringLiteral("3.5,5.4,9.7,12.3"));
    QCOMPARE(values.value(QStringLiteral("volume")), QStringLiteral("20"));

    // The next run has both: A's acid and B's volume.
    SolutionSettings next;
    const SolutionWindowState state = next.load();
    QVERIFY(!state.follow);
    QCOMPARE(state.inputs.acid.exponents().front(), 3.5);
    QCOMPARE(state.inputs.titration.sampleVolume, 20.0);
}

void TestSolutionSettings::changesAreWrittenWhenMade() {
    MainWindow main(kDensity);
    main.solution().open();
    SolutionWindow* solution = main.solution().window();
    QVERIFY(solution != nullptr);
    QVERIFY(!QFile::exists(solutionSettingsFile()));
    typeInto(solution->panel().titrantField(), QStringLiteral("0.25"));
    // Written a moment later without closing: a program that is killed keeps it.
    QTRY_COMPARE_WITH_TIMEOUT(fileValues().value(QStringLiteral("titrantConcentration")),
                              QStringLiteral("0.25"), 3000);
    // Nothing else: what this instance did not change is not its to write, and its size and
    // place are written when it closes.
    QCOMPARE(fileValues().keys(), QStringList{QStringLiteral("titrantConcentration")});
}

void TestSolutionSettings::aDamagedFileIsReadAndKept_data() {
    static constexpr char kNoise[] = "\x8f\x01\"\xff,=;[\x00x\n\xfe\xfd]\n";
    QTest::addColumn<QByteArray>("head");
    QTest::newRow("a byte-order mark") << QByteArray("\xEF\xBB\xBF");
    QTest::newRow("random bytes") << QByteArray::fromRawData(kNoise, sizeof kNoise - 1);
    QTest::newRow("a line with no key") << QByteArray("=value without a key\n");
}

void TestSolutionSettings::aDamagedFileIsReadAndKept() {
    QFETCH(QByteArray, head);
    const QByteArray foreign("[other]\nmine=keep me\n");
    QVERIFY(putFile(settingsPath(), head + "[solution]\nvolume=20\n" + foreign));
    ErrorCapture errors;
    {
        SolutionWindow solution;
        QCOMPARE(solution.panel().inputs().titration.sampleVolume, 20.0);
        typeInto(solution.panel().concentrationField(), QStringLiteral("0.03"));
        QVERIFY(solution.close());
    }
    QCOMPARE(errors.text(), QByteArray());
    const QByteArray after = contentsOf(settingsPath());
    QVERIFY2(after.startsWith(head) && after.contains(foreign), after.constData());
    QCOMPARE(fileValues().value(QStringLiteral("concentration")), QStringLiteral("0.03"));
    QCOMPARE(fileValues().value(QStringLiteral("volume")), QStringLiteral("20"));
}

void TestSolutionSettings::aFailedWriteIsReportedOnce() {
    // A file larger than the process may write: the write fails for every user, root too.
    const QByteArray before = "[solution]\nvolume=20\n[other]\nbig=" + QByteArray(8192, 'x') + '\n';
    QVERIFY(putFile(settingsPath(), before));
    rlimit saved{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    ErrorCapture errors;
    {
        SolutionWindow solution;
        rlimit small = saved;
        small.rlim_cur = 4096;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        typeInto(solution.panel().concentrationField(), QStringLiteral("0.03"));
        solution.saveSettings();
        typeInto(solution.panel().concentrationField(), QStringLiteral("0.04"));
        solution.saveSettings();
        solution.close();
    }
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &saved), 0);
    const QString said = QString::fromUtf8(errors.text());
    QCOMPARE(said.count(u'\n'), 1);
    QVERIFY2(said.contains(u"could not be written") && said.contains(u"File too large"),
             qPrintable(said));
    QCOMPARE(contentsOf(settingsPath()), before);
}

void TestSolutionSettings::unfitValuesGiveWayToDefaults_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    const QList<std::pair<const char*, const char*>> rows{
        {"size", "@Size(-5 300)"},
        {"size", "@Size(800)"},
        {"size", "@Point(800 600)"},
        {"position", "@Point(a b)"},
        {"maximized", "perhaps"},
        {"view", "pie"},
        {"follow", "2"},
        {"pKa", "9,2"},
        {"pKa", "nan"},
        {"pKa", "1e999"},
        {"pKa", "3,,5"},
        {"charge", "99"},
        {"charge", "1.5"},
        {"names", "HA"},
        {"names", "\"unclosed, A-"},
        {"concentration", "-1"},
        {"concentration", "inf"},
        {"concentration", "0,05"},
        {"dissolvedAs", "-1"},
        {"dissolvedAs", "7"},
        {"titrantConcentration", "0"},
        {"volume", "1e9"},
        {"volume", "@Size(1 2)"},
        {"strongAcid", "-0.1"},
        {"strongAcid", "11"},
        {"strongBase", "0,5"},
        {"strongBase", "nan"},
        {"endVolume", "-5"},
        {"endVolume", "0.0005"},
        {"endVolume", "1e6"},
        {"textSize", "7"},
        {"textSize", "-4"},
        {"textSize", "1.5"},
        {"textSize", "large"},
    };
    for (const auto& [key, value] : rows) {
        QTest::addRow("%s=%s", key, value)
            << QString::fromLatin1(key) << QString::fromLatin1(value);
    }
}

void TestSolutionSettings::unfitValuesGiveWayToDefaults() {
    QFETCH(QString, key);
    QFETCH(QString, value);
    // An own acid that is fine in every part but the one under test.
    QMap<QString, QString> values{{QStringLiteral("follow"), QStringLiteral("false")},
                                  {QStringLiteral("pKa"), QStringLiteral("\"3,5\"")},
                                  {QStringLiteral("charge"), QStringLiteral("0")},
                                  {QStringLiteral("names"), QStringLiteral("H2B, HB-, B2-")}};
    const SolutionWindowState fine = stateFromSettings(values);
    QVERIFY(!fine.follow);
    QCOMPARE(fine.inputs.acid.exponents(), (std::vector<double>{3.0, 5.0}));
    values.insert(key, value);
    const SolutionWindowState state = stateFromSettings(values);
    const SolutionWindowState defaults;
    const bool acidKey = key == u"pKa" || key == u"charge" || key == u"names" || key == u"follow";
    if (acidKey) {
        // Any unfit part of the own acid: the main window's acid is followed instead.
        QVERIFY(state.follow);
        QCOMPARE(state.inputs.acid, defaults.inputs.acid);
    } else {
        QVERIFY(!state.follow);
        QCOMPARE(state.inputs.acid, fine.inputs.acid);
    }
    QCOMPARE(state.inputs.solution, defaults.inputs.solution);
    QCOMPARE(state.inputs.titration, defaults.inputs.titration);
    QCOMPARE(state.view, defaults.view);
    QCOMPARE(state.size, defaults.size);
    QCOMPARE(state.position, defaults.position);
    QCOMPARE(state.maximized, defaults.maximized);
    QCOMPARE(state.textStep, defaults.textStep);
}

void TestSolutionSettings::textSizeIsRemembered() {
    // A file of an earlier version, without the text size: normal text.
    QVERIFY(putFile(settingsPath(), "[solution]\nvolume=20\n"));
    {
        SolutionWindow solution;
        QCOMPARE(solution.textStep(), 0);
        QAction* larger = actionWithShortcut(solution, QKeySequence(QKeySequence::ZoomIn));
        QAction* normal = actionWithShortcut(solution, QKeySequence(Qt::CTRL | Qt::Key_0));
        QVERIFY(larger != nullptr && normal != nullptr);
        QVERIFY(!normal->isEnabled());
        larger->trigger();
        larger->trigger();
        QCOMPARE(solution.textStep(), 2);
        QVERIFY(normal->isEnabled());
        QCOMPARE(solution.shownView()->request().textStep, 2);
        // Written a moment later, as every change.
        QTRY_COMPARE_WITH_TIMEOUT(fileValues().value(QStringLiteral("textSize")),
                                  QStringLiteral("2"), 3000);
        QVERIFY(solution.close());
    }
    QCOMPARE(fileValues().value(QStringLiteral("volume")), QStringLiteral("20"));
    SolutionWindow next;
    QCOMPARE(next.textStep(), 2);
    QCOMPARE(next.drawing().request().textStep, 2);
    actionWithShortcut(next, QKeySequence(Qt::CTRL | Qt::Key_0))->trigger();
    QCOMPARE(next.textStep(), 0);
}

void TestSolutionSettings::textSizeStopsAtItsEnds_data() {
    QTest::addColumn<int>("shortcut");
    QTest::addColumn<int>("end");
    QTest::newRow("larger") << int(QKeySequence::ZoomIn) << charts::kLargestTextStep;
    QTest::newRow("smaller") << int(QKeySequence::ZoomOut) << charts::kSmallestTextStep;
}

void TestSolutionSettings::textSizeStopsAtItsEnds() {
    QFETCH(int, shortcut);
    QFETCH(int, end);
    SolutionWindow solution;
    QAction* action =
        actionWithShortcut(solution, QKeySequence(QKeySequence::StandardKey(shortcut)));
    QVERIFY(action != nullptr);
    for (int i = 0; i < 20 && action->isEnabled(); ++i) {
        action->trigger();
    }
    QCOMPARE(solution.textStep(), end);
    QVERIFY(!action->isEnabled());
    solution.setTextStep(end * 3);
    QCOMPARE(solution.textStep(), end);
}

void TestSolutionSettings::solutionAndTitrationAreRemembered_data() {
    QTest::addColumn<double>("strongAcid");
    QTest::addColumn<double>("strongBase");
    QTest::addColumn<double>("endVolume");
    QTest::newRow("none added, automatic end") << 0.0 << 0.0 << 0.0;
    QTest::newRow("acid added, end given") << 0.01 << 0.0 << 40.0;
    QTest::newRow("both added, at their tops") << 10.0 << 10.0 << 100000.0;
    QTest::newRow("base added, smallest end") << 0.0 << 2.5e-5 << 0.001;
}

void TestSolutionSettings::solutionAndTitrationAreRemembered() {
    QFETCH(double, strongAcid);
    QFETCH(double, strongBase);
    QFETCH(double, endVolume);
    SolutionWindowState state;
    state.inputs.solution.strongAcid = strongAcid;
    state.inputs.solution.strongBase = strongBase;
    state.inputs.titration.endVolume = endVolume;
    state.inputs.titration.sampleVolume = 10.0;
    const QMap<QString, QString> values = settingsValues(state);
    const SolutionWindowState read = stateFromSettings(values);
    QCOMPARE(read.inputs.solution, state.inputs.solution);
    QCOMPARE(read.inputs.titration, state.inputs.titration);

    // A file from before these inputs is read as it was, with none added and an automatic end.
    QMap<QString, QString> older = values;
    older.remove(QStringLiteral("strongAcid"));
    older.remove(QStringLiteral("strongBase"));
    older.remove(QStringLiteral("endVolume"));
    const SolutionWindowState old = stateFromSettings(older);
    QCOMPARE(old.inputs.solution.strongAcid, 0.0);
    QCOMPARE(old.inputs.solution.strongBase, 0.0);
    QCOMPARE(old.inputs.titration.endVolume, 0.0);
    QCOMPARE(old.inputs.titration.sampleVolume, 10.0);
}

void TestSolutionSettings::listActivityAndTemperatureAreRead_data() {
    QTest::addColumn<QString>("substances"); // the encoded value; "<none>" for no key
    QTest::addColumn<QString>("activity");
    QTest::addColumn<QString>("temperature");
    QTest::addColumn<QStringList>("keys"); // of the substances read; "typed" for typed ones
    QTest::addColumn<bool>("davies");
    QTest::addColumn<double>("celsius");
    const QString none = QStringLiteral("<none>");
    QTest::newRow("a file from before: one acid, ideal, 25 °C")
        << none << none << none << QStringList{} << false << 25.0;
    QTest::newRow("two substances")
        << "sodium-acetate 0.1 1, nitric 0.5 0"
        << "davies"
        << "37" << QStringList{"sodium-acetate", "nitric"} << true << 37.0;
    QTest::newRow("an unknown key is dropped, the others stay")
        << "vinegar 0.1 0, nitric 0.5 0"
        << "ideal"
        << "0" << QStringList{"nitric"} << false << 0.0;
    QTest::newRow("typed constants") << "pKa:2/7 0.1 1, pKb:4.75 0.2 0" << none << "100"
                                     << QStringList{"typed", "typed"} << false << 100.0;
    QTest::newRow("typed constants out of order")
        << "pKa:7/2 0.1 0" << none << none << QStringList{} << false << 25.0;
    QTest::newRow("typed constants that are no numbers")
        << "pKa:2/x 0.1 0" << none << none << QStringList{} << false << 25.0;
    QTest::newRow("concentration past 10 mol/L")
        << "nitric 11 0" << none << none << QStringList{} << false << 25.0;
    QTest::newRow("species past the system's")
        << "acetic 0.1 2" << none << none << QStringList{} << false << 25.0;
    QTest::newRow("a field missing")
        << "acetic 0.1" << none << none << QStringList{} << false << 25.0;
    QTest::newRow("activity not known, temperature past 100 °C")
        << "acetic 0.1 0"
        << "debye"
        << "101" << QStringList{"acetic"} << false << 25.0;
    QTest::newRow("temperature below 0 °C") << none << "davies"
                                            << "-1" << QStringList{} << true << 25.0;
    QTest::newRow("temperature no number")
        << none << none << "warm" << QStringList{} << false << 25.0;
}

void TestSolutionSettings::listActivityAndTemperatureAreRead() {
    QFETCH(QString, substances);
    QFETCH(QString, activity);
    QFETCH(QString, temperature);
    QFETCH(QStringList, keys);
    QFETCH(bool, davies);
    QFETCH(double, celsius);
    QMap<QString, QString> values{{QStringLiteral("concentration"), QStringLiteral("0.05")}};
    const auto put = [&values](const char* key, const QString& value) {
        if (value != u"<none>") {
            values.insert(QString::fromLatin1(key), value);
        }
    };
    put("substances", substances);
    put("activity", activity);
    put("temperature", temperature);
    const SolutionWindowState state = stateFromSettings(values);
    QStringList read;
    for (const ListedSubstance& listed : state.inputs.substances) {
        read << (listed.fromLibrary() ? QString::fromStdString(listed.substance)
                                      : QStringLiteral("typed"));
    }
    QCOMPARE(read, keys);
    QCOMPARE(state.inputs.activity == model::Activity::Davies, davies);
    QCOMPARE(state.inputs.temperature, celsius);
    // The rest of the file is read as it always was.
    QCOMPARE(state.inputs.solution.concentration, 0.05);
}

void TestSolutionSettings::listActivityAndTemperatureRoundTrip_data() {
    QTest::addColumn<QStringList>("keys"); // "typed-acid", "typed-base" or a library key
    QTest::addColumn<bool>("davies");
    QTest::addColumn<double>("celsius");
    QTest::newRow("none") << QStringList{} << false << 25.0;
    QTest::newRow("library and typed")
        << QStringList{"ammonia", "typed-acid", "typed-base"} << true << 0.5;
    QTest::newRow("strong and inert")
        << QStringList{"sulfuric", "sodium-hydroxide", "potassium-nitrate"} << false << 99.25;
}

void TestSolutionSettings::listActivityAndTemperatureRoundTrip() {
    QFETCH(QStringList, keys);
    QFETCH(bool, davies);
    QFETCH(double, celsius);
    SolutionWindowState state;
    for (const QString& key : keys) {
        ListedSubstance listed = key.startsWith(u"typed")
                                     ? typedSubstance(key == u"typed-base")
                                     : listedFromLibrary(*model::findSubstance(key.toStdString()));
        if (!listed.fromLibrary()) {
            listed.typed.pK = {2.125, 7.5};
            listed.typed.dissolvedAs = listed.typed.givenAsBase ? 0 : 2;
            listed.typed.charge = listed.typed.givenAsBase ? 2 : 0;
        }
        listed.concentration = 0.0125 * static_cast<double>(state.inputs.substances.size() + 1);
        state.inputs.substances.push_back(listed);
    }
    state.inputs.activity = davies ? model::Activity::Davies : model::Activity::Ideal;
    state.inputs.temperature = celsius;
    const SolutionWindowState read = stateFromSettings(settingsValues(state));
    QCOMPARE(read.inputs.substances, state.inputs.substances);
    QCOMPARE(read.inputs.activity, state.inputs.activity);
    QCOMPARE(read.inputs.temperature, state.inputs.temperature);
}

QTEST_MAIN(TestSolutionSettings)
#include "test_solutionsettings.moc"
