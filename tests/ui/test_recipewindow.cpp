// SPDX-License-Identifier: GPL-3.0-or-later
// The solution window's File menu: a recipe saved and opened again, a recipe refused with its
// reason and the window left as it was, the recipe used last remembered and offered again, and
// a substance of the library chosen as titrant.

#include "testsupport.h"

#include "ui/solution/chartview.h"
#include "ui/solution/recipecommands.h"
#include "ui/solution/solutionpanel.h"
#include "ui/solution/solutionsettings.h"
#include "ui/solution/solutionwindow.h"
#include "ui/solution/substancelist.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace velmora;
using namespace velmora::ui;

namespace {

/** The main window's acid as the window follows it: phosphoric acid. */
model::PolyproticAcid mainAcid() {
    return model::PolyproticAcid(std::vector<double>{2.148, 7.198, 12.319});
}

/** A solution with a row of every kind, Davies activities, 30 °C and a weak titrant. */
SolutionInputs mixedInputs() {
    SolutionInputs inputs;
    inputs.acid =
        model::PolyproticAcid(std::vector<double>{4.2, 5.6}, 0, {"H2Suc", "HSuc-", "Suc2-"});
    inputs.solution = {0.05, 1, 0.0, 0.01};
    ListedSubstance ammonia = listedFromLibrary(*model::findSubstance("ammonia"));
    ammonia.concentration = 0.02;
    ListedSubstance salt = listedFromLibrary(*model::findSubstance("sodium-chloride"));
    ListedSubstance typed = typedSubstance(true);
    typed.typed.pK = {3.25, 6.5};
    typed.typed.charge = 2;
    inputs.substances = {ammonia, salt, typed};
    inputs.activity = model::Activity::Davies;
    inputs.temperature = 30.0;
    inputs.titrantSubstance = "sodium-carbonate";
    inputs.titration = {20.0, model::Titrant::Base, 0.05, 0.0};
    return inputs;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestRecipeWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void fileMenu();
    void savedAndOpenedAgain();
    void refused_data();
    void refused();
    void saveRefused_data();
    void saveRefused();
    void lastRecipeRemembered();
    void titrantChosen_data();
    void titrantChosen();

private:
    QTemporaryDir m_config;
    QTemporaryDir m_files;
};

void TestRecipeWindow::initTestCase() {
    QVERIFY(m_config.isValid());
    QVERIFY(m_files.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
}

void TestRecipeWindow::init() {
    QFile::remove(solutionSettingsFile());
    QVERIFY(solutionSettingsFile().startsWith(m_config.path()));
}

void TestRecipeWindow::fileMenu() {
    SolutionWindow window(mainAcid);
    const QList<QAction*> menus = window.menuBar()->actions();
    QVERIFY(!menus.isEmpty());
    QCOMPARE(menus.first()->text(), QStringLiteral("&File"));
    const QList<QAction*> entries = menus.first()->menu()->actions();
    RecipeCommands& recipes = window.recipes();
    // The recipes first; the measured titrations' commands follow them.
    QCOMPARE(entries.mid(0, 3),
             (QList<QAction*>{recipes.openAction(), recipes.reopenAction(), recipes.saveAction()}));
    QCOMPARE(recipes.openAction()->text(), QStringLiteral("&Open recipe…"));
    QCOMPARE(recipes.openAction()->shortcut(), QKeySequence(QKeySequence::Open));
    QCOMPARE(recipes.saveAction()->text(), QStringLiteral("Save &recipe…"));
    QCOMPARE(recipes.saveAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    // Nothing to open again yet.
    QVERIFY(!recipes.reopenAction()->isEnabled());
    // No shortcut of the window is taken twice.
    QSet<QKeySequence> seen;
    for (QAction* action : window.findChildren<QAction*>()) {
        for (const QKeySequence& keys : action->shortcuts()) {
            QVERIFY2(!seen.contains(keys), qPrintable(keys.toString()));
            seen.insert(keys);
        }
    }
}

void TestRecipeWindow::savedAndOpenedAgain() {
    SolutionWindow window(mainAcid);
    const SolutionInputs inputs = mixedInputs();
    window.panel().setInputs(inputs);
    QVERIFY(window.panel().inputs() == inputs);
    const charts::ChartRequest drawn = window.request();
    QVERIFY(drawn.mixture.has_value());
    const QString path = m_files.filePath(QStringLiteral("succinate.json"));
    QCOMPARE(window.recipes().saveTo(path), QString());
    QVERIFY(QFileInfo(path).isFile());

    // Another window, following the main window, opens it.
    SolutionWindow other(mainAcid);
    other.panel().followBox()->setChecked(true);
    QVERIFY(other.following());
    QCOMPARE(other.recipes().openFrom(path), QString());
    QVERIFY(other.panel().inputs() == inputs);
    QVERIFY(!other.following());
    const charts::ChartRequest opened = other.request();
    QVERIFY(opened.mixture == drawn.mixture);
    QVERIFY(opened.mixtureTitration == drawn.mixtureTitration);
    QCOMPARE(opened.acid, drawn.acid);
    // Its rows are shown in the panel.
    QCOMPARE(other.panel().inputs().substances.size(), std::size_t{3});
    // And the recipe is offered again by its name.
    QVERIFY(other.recipes().reopenAction()->isEnabled());
    QVERIFY(other.recipes().reopenAction()->text().contains(QStringLiteral("succinate.json")));
    QCOMPARE(other.state().lastRecipe, QFileInfo(path).absoluteFilePath());
    // The main window changing does not reach a window showing a recipe.
    other.mainWindowChanged();
    QVERIFY(other.panel().inputs() == inputs);
}

void TestRecipeWindow::refused_data() {
    QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing comma")
        << QByteArray(
               "{\"format\": \"velmora-recipe\",\n \"version\": 1\n \"activity\": \"ideal\"}")
        << "line 3, column 2: ";
    QTest::newRow("no file") << QByteArray() << "No such file or directory";
    QTest::newRow("a field out of range")
        << QByteArray(R"({"format": "velmora-recipe", "version": 1, "temperature": 120})")
        << "temperature: must be a number from 0 to 100 °C";
    QTest::newRow("a typed titrant")
        << QByteArray(R"({"format": "velmora-recipe", "version": 1, "substances": [{"conc": 0.1,
            "pka": [4]}], "titration": {"titrant": {"conc": 0.1, "pka": [9.25], "charge": 1}}})")
        << "the recipe titrates with constants typed as numbers";
}

void TestRecipeWindow::refused() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const QString path = m_files.filePath(QStringLiteral("refused.json"));
    QFile::remove(path);
    if (!bytes.isEmpty()) {
        writeFile(path, bytes);
    }
    SolutionWindow window(mainAcid);
    window.panel().followBox()->setChecked(true);
    const SolutionInputs before = window.panel().inputs();
    const charts::ChartRequest drawn = window.request();
    // Opened again from the File menu, as the user does it: the message says why.
    window.recipes().setLastRecipe(path);
    const QStringList messages =
        test::messagesDuring([&window] { window.recipes().reopenAction()->trigger(); });
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().startsWith(QStringLiteral("The recipe %1 was not opened.")
                                             .arg(QFileInfo(path).absoluteFilePath())),
             qPrintable(messages.first()));
    QVERIFY2(messages.first().contains(reason), qPrintable(messages.first()));
    // Nothing changed.
    QVERIFY(window.panel().inputs() == before);
    QVERIFY(window.request() == drawn);
    QVERIFY(window.following());
}

void TestRecipeWindow::saveRefused_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no such folder") << "missing/recipe.json"
                                    << "No such file or directory";
    QTest::newRow("a folder in its place") << "folder"
                                           << "directory";
}

void TestRecipeWindow::saveRefused() {
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QVERIFY(QDir(m_files.path()).mkpath(QStringLiteral("folder")));
    const QString path = m_files.filePath(name);
    SolutionWindow window(mainAcid);
    window.recipes().setLastRecipe({});
    const QString problem = window.recipes().saveTo(path);
    QVERIFY2(problem.startsWith(QStringLiteral("The recipe could not be saved to ")),
             qPrintable(problem));
    QVERIFY2(problem.contains(reason, Qt::CaseInsensitive), qPrintable(problem));
    QVERIFY(!QFileInfo(path).isFile());
    QVERIFY(window.recipes().lastRecipe().isEmpty());
}

void TestRecipeWindow::lastRecipeRemembered() {
    const QString path = m_files.filePath(QStringLiteral("remembered.json"));
    {
        SolutionWindow window(mainAcid);
        window.panel().setInputs(mixedInputs());
        QCOMPARE(window.recipes().saveTo(path), QString());
        window.saveSettings();
    }
    SolutionWindow window(mainAcid);
    QCOMPARE(window.recipes().lastRecipe(), QFileInfo(path).absoluteFilePath());
    QVERIFY(window.recipes().reopenAction()->isEnabled());
    // Opened again by its name, without a dialog.
    QVERIFY(!(window.panel().inputs() == mixedInputs()));
    const QStringList messages =
        test::messagesDuring([&window] { window.recipes().reopenAction()->trigger(); });
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(u'\n')));
    QVERIFY(window.panel().inputs() == mixedInputs());
}

void TestRecipeWindow::titrantChosen_data() {
    QTest::addColumn<QString>("key");     // empty: the strong ones
    QTest::addColumn<int>("systems");     // of the titrant
    QTest::addColumn<QString>("formula"); // as the titration's line names it
    QTest::newRow("ammonia") << "ammonia" << 1 << "mol/L NH₃ ·";
    QTest::newRow("sodium carbonate") << "sodium-carbonate" << 1 << "mol/L Na₂CO₃ ·";
    QTest::newRow("nitric acid") << "nitric" << 0 << "mol/L HNO₃ ·";
}

void TestRecipeWindow::titrantChosen() {
    QFETCH(QString, key);
    QFETCH(int, systems);
    QFETCH(QString, formula);
    SolutionWindow window(mainAcid);
    window.tabs()->setCurrentWidget(window.view(charts::ChartKind::Titration));
    QComboBox* box = window.panel().titrantBox();
    const int index = box->findData(key);
    QVERIFY(index > 1);
    // The long names of the library do not widen the panel.
    const int width = window.panel().sizeHint().width();
    box->setCurrentIndex(index);
    emit box->activated(index);
    QCOMPARE(window.panel().inputs().titrantSubstance, key.toStdString());
    const charts::ChartRequest drawn = window.request();
    QVERIFY(drawn.mixture.has_value());
    QCOMPARE(static_cast<int>(drawn.mixtureTitration.titrant.systems.size()), systems);
    QCOMPARE(window.panel().sizeHint().width(), width);
    QVERIFY2(window.solutionLine()->text().contains(formula),
             qPrintable(window.solutionLine()->text()));
    // Back to the strong acid: the titrant is HCl again.
    box->setCurrentIndex(1);
    emit box->activated(1);
    QVERIFY(window.panel().inputs().titrantSubstance.empty());
    QCOMPARE(window.panel().inputs().titration.titrant, model::Titrant::Acid);
    QVERIFY(!window.request().mixture.has_value());
}

QTEST_MAIN(TestRecipeWindow)
#include "test_recipewindow.moc"
