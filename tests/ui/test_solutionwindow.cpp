// SPDX-License-Identifier: GPL-3.0-or-later
// The solution window driven like a user: opened from the main window, following it and leaving
// it, every control with good and bad input, the views at any size and device pixel ratio, the
// readout, the commands that take a chart out, and the settings remembered between runs.

#include "testsupport.h"

#include "charts/solutionchart.h"
#include "charts/solutiondata.h"

#include "diagram/decimaltext.h"

#include "model/presets.h"

#include "ui/common/diagramcommands.h"
#include "ui/main/exampleacids.h"
#include "ui/main/mainwindow.h"
#include "ui/main/plotbox.h"
#include "ui/solution/chartdrawing.h"
#include "ui/solution/chartview.h"
#include "ui/solution/followedacid.h"
#include "ui/solution/numberfield.h"
#include "ui/solution/solutioncompanion.h"
#include "ui/solution/solutionpanel.h"
#include "ui/solution/solutionwindow.h"
#include "ui/solution/speciestext.h"
#include "ui/solution/substancelist.h"
#include "ui/solution/substancelistview.h"
#include "ui/solution/windowplacement.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

using namespace velmora;
using namespace velmora::ui;
using charts::ChartKind;
using test::messagesDuring;
using test::pasteInto;
using test::typeInto;

namespace {

constexpr ScreenDensity kDensity{15.0f, 15.0f};
/** Readout rows of the titration: one tick step of the volume axis, and the axis' end. */
constexpr double kOneTick = 1000.0;
constexpr double kAxisEnd = -1.0;

using MainStep = std::function<void(MainWindow&)>;
using PanelStep = std::function<void(SolutionPanel&)>;

QAction* exampleAction(const MainWindow& w, const QString& key) {
    for (QAction* a : w.examples().menu()->actions()) {
        if (a->data().toString() == key) {
            return a;
        }
    }
    return nullptr;
}

/** Opens the solution window of `main` and waits until it is on the screen. */
SolutionWindow* openSolution(MainWindow& main) {
    main.solution().open();
    SolutionWindow* solution = main.solution().window();
    if (solution != nullptr && !QTest::qWaitForWindowExposed(solution)) {
        return nullptr;
    }
    return solution;
}

QStringList namesOf(const model::PolyproticAcid& acid) {
    QStringList list;
    for (const std::string& name : acid.speciesNames()) {
        list << QString::fromStdString(name);
    }
    return list;
}

QStringList comboTexts(const QComboBox* box) {
    QStringList texts;
    for (int i = 0; i < box->count(); ++i) {
        texts << box->itemText(i);
    }
    return texts;
}

/**
 * Sizes the window so that its shown view is `size`. With the inputs above the views, the view
 * takes half of every change of height: more steps come to the size.
 */
void sizeViewTo(SolutionWindow& window, const QSize& size) {
    for (int attempt = 0; attempt < 16 && window.shownView()->size() != size; ++attempt) {
        window.resize(window.size() + size - window.shownView()->size());
        QApplication::processEvents();
    }
}

} // namespace

Q_DECLARE_METATYPE(MainStep)
Q_DECLARE_METATYPE(PanelStep)
Q_DECLARE_METATYPE(charts::ChartKind)
Q_DECLARE_METATYPE(charts::ChartRequest)
Q_DECLARE_METATYPE(model::PolyproticAcid)
Q_DECLARE_METATYPE(model::Solution)
Q_DECLARE_METATYPE(model::Titration)
Q_DECLARE_METATYPE(std::optional<int>)

class TestSolutionWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void listedSubstancesReachTheDrawings_data();
    void listedSubstancesReachTheDrawings();
    void newRowIsScrolledIntoView_data();
    void newRowIsScrolledIntoView();

    void chargeReadOffAFormula_data();
    void chargeReadOffAFormula();
    void mainAcidAsTheSolutionTakesIt_data();
    void mainAcidAsTheSolutionTakesIt();
    void dissolvedTexts_data();
    void dissolvedTexts();
    void concentrationTexts_data();
    void concentrationTexts();
    void solutionLineNamesPhAndSpecies_data();
    void solutionLineNamesPhAndSpecies();

    void ctrlLOpensOneSolutionWindow();
    void followsTheMainWindow_data();
    void followsTheMainWindow();
    void hiddenViewsWaitUntilShown();
    void editingTheAcidEndsFollowing_data();
    void editingTheAcidEndsFollowing();
    void solutionFieldsKeepFollowing_data();
    void solutionFieldsKeepFollowing();
    void invalidInputNeverReachesTheDrawing_data();
    void invalidInputNeverReachesTheDrawing();
    void ownAcidFields_data();
    void ownAcidFields();
    void keyboardAndNames();

    void viewsFillAnySize_data();
    void viewsFillAnySize();
    void smallWindowsKeepTheDrawing_data();
    void smallWindowsKeepTheDrawing();
    void readoutFromMouseAndKeys_data();
    void readoutFromMouseAndKeys();
    void drawingIsOneVisibleFocusStop_data();
    void drawingIsOneVisibleFocusStop();
    void menusHaveUniqueMnemonics();
    void readoutJumpsBetweenMarks_data();
    void readoutJumpsBetweenMarks();
    void readoutSnapsToMarks_data();
    void readoutSnapsToMarks();
    void titrationLine_data();
    void titrationLine();
    void lineFollowsTheShownView();

    void copySaveAndExportTheShownChart_data();
    void copySaveAndExportTheShownChart();
    void failedSaveSaysWhy();
    void printWritesOnePage();
    void longTitrationDataKeepsItsRowsInBounds();

    void remembersItselfBetweenRuns_data();
    void remembersItselfBetweenRuns();
    void damagedSettingsGiveDefaults();
    void placement_data();
    void placement();
    void opensBesideTheMainWindow_data();
    void opensBesideTheMainWindow();

private:
    QTemporaryDir m_config;
};

void TestSolutionWindow::initTestCase() {
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
}

void TestSolutionWindow::init() {
    // Every test starts without remembered settings.
    QFile::remove(solutionSettingsFile());
    QVERIFY(solutionSettingsFile().startsWith(m_config.path()));
}

void TestSolutionWindow::chargeReadOffAFormula_data() {
    QTest::addColumn<QString>("formula");
    QTest::addColumn<std::optional<int>>("charge");
    QTest::newRow("neutral") << "H3PO4" << std::optional(0);
    QTest::newRow("caret plus") << "H2Gly^+" << std::optional(1);
    QTest::newRow("caret two minus") << "HPO4^2-" << std::optional(-2);
    QTest::newRow("generic two minus") << "HA2-" << std::optional(-2);
    QTest::newRow("generic minus") << "A-" << std::optional(-1);
    QTest::newRow("two plus") << "H3A^2+" << std::optional(2);
    QTest::newRow("twelve minus") << "A^12-" << std::optional(-12);
    QTest::newRow("raised letters are no charge") << "X^ab" << std::optional<int>();
}

void TestSolutionWindow::chargeReadOffAFormula() {
    QFETCH(QString, formula);
    QFETCH(std::optional<int>, charge);
    QCOMPARE(ui::formulaCharge(formula), charge);
}

void TestSolutionWindow::mainAcidAsTheSolutionTakesIt_data() {
    QTest::addColumn<MainStep>("step");
    QTest::addColumn<int>("constants");
    QTest::addColumn<int>("charge");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("start acid") << MainStep([](MainWindow&) {}) << 4 << 0
                                << QStringList{"H4A", "H3A-", "H2A2-", "HA3-", "A4-"};
    QTest::newRow("bars 3 and 4 on the same tenth")
        << MainStep([](MainWindow& w) { w.pKaBar(2)->setValue(123); }) << 4 << 0
        << QStringList{"H4A", "H3A-", "H2A2-", "HA3-", "A4-"};
    QTest::newRow("monoprotic") << MainStep([](MainWindow& w) {
        QTest::mouseClick(w.acidTypeButton(0), Qt::LeftButton);
    }) << 1 << 0 << QStringList{"HA", "A-"};
    QTest::newRow("phosphoric acid") << MainStep([](MainWindow& w) {
        exampleAction(w, QStringLiteral("phosphoric"))->trigger();
    }) << 3 << 0 << QStringList{"H3PO4", "H2PO4^-", "HPO4^2-", "PO4^3-"};
    QTest::newRow("glycine, a cation when fully protonated")
        << MainStep([](MainWindow& w) { exampleAction(w, QStringLiteral("glycine"))->trigger(); })
        << 2 << 1 << QStringList{"H2Gly^+", "HGly", "Gly^-"};
    QTest::newRow("example left") << MainStep([](MainWindow& w) {
        exampleAction(w, QStringLiteral("citric"))->trigger();
        w.pKaBar(0)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    }) << 3 << 0 << QStringList{"H3A", "H2A-", "HA2-", "A3-"};
}

void TestSolutionWindow::mainAcidAsTheSolutionTakesIt() {
    QFETCH(MainStep, step);
    QFETCH(int, constants);
    QFETCH(int, charge);
    QFETCH(QStringList, names);
    MainWindow main(kDensity);
    step(main);
    const model::PolyproticAcid acid = ui::followedAcid(main.acid(), main.examples().labels());
    QCOMPARE(acid.constantCount(), constants);
    QCOMPARE(acid.charge(), charge);
    QCOMPARE(namesOf(acid), names);
    // The exponents as the main window holds them, in order; equal tenths stay equal.
    for (int i = 0; i < constants; ++i) {
        VELMORA_COMPARE_REL(acid.pKa(i), main.acid().pKa(i + 1), 1e-6);
        QVERIFY(i == 0 || acid.pKa(i) >= acid.pKa(i - 1));
    }
    QCOMPARE(acid.pKa(0), main.acid().pKa1());
}

void TestSolutionWindow::dissolvedTexts_data() {
    QTest::addColumn<QList<double>>("pKa");
    QTest::addColumn<int>("charge");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("H3A") << QList<double>{2, 7, 12} << 0 << QStringList()
                         << QStringList{"as H₃A", "as NaH₂A", "as Na₂HA", "as Na₃A"};
    QTest::newRow("HA+ (ammonium-like)")
        << QList<double>{9.25} << 1 << QStringList() << QStringList{"as HACl", "as A"};
    QTest::newRow("H2A2+") << QList<double>{2, 4} << 2 << QStringList()
                           << QStringList{"as H₂ACl₂", "as HACl", "as A"};
    QTest::newRow("HA-") << QList<double>{10} << -1 << QStringList()
                         << QStringList{"as NaHA", "as Na₂A"};
    QTest::newRow("phosphoric acid")
        << QList<double>{2.15, 7.2, 12.35} << 0
        << QStringList{"H3PO4", "H2PO4^-", "HPO4^2-", "PO4^3-"}
        << QStringList{"as H₃PO₄", "as NaH₂PO₄", "as Na₂HPO₄", "as Na₃PO₄"};
    QTest::newRow("glycine") << QList<double>{2.34, 9.6} << 1
                             << QStringList{"H2Gly^+", "HGly", "Gly^-"}
                             << QStringList{"as H₂GlyCl", "as HGly", "as NaGly"};
}

void TestSolutionWindow::dissolvedTexts() {
    QFETCH(QList<double>, pKa);
    QFETCH(int, charge);
    QFETCH(QStringList, names);
    QFETCH(QStringList, texts);
    std::vector<std::string> own;
    for (const QString& name : names) {
        own.push_back(name.toStdString());
    }
    const model::PolyproticAcid acid(std::vector<double>(pKa.begin(), pKa.end()), charge, own);
    SolutionPanel panel;
    panel.setAcid(acid);
    QCOMPARE(comboTexts(panel.dissolvedBox()), texts);
}

void TestSolutionWindow::concentrationTexts_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("tenth") << 0.1 << "0.1";
    QTest::newRow("one") << 1.0 << "1";
    QTest::newRow("three digits") << 0.0042658 << "0.00427";
    QTest::newRow("micromolar") << 1.0e-6 << "1e-6";
    QTest::newRow("small, three digits") << 3.16227766e-8 << "3.16e-8";
    QTest::newRow("rounds up to the next power") << 9.9996e-5 << "1e-4";
    QTest::newRow("tiny") << 6.63e-25 << "6.63e-25";
}

void TestSolutionWindow::concentrationTexts() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(ui::concentrationText(value), text);
}

void TestSolutionWindow::solutionLineNamesPhAndSpecies_data() {
    QTest::addColumn<QString>("preset");
    QTest::addColumn<int>("dissolvedAs");
    QTest::addColumn<double>("strongAcid");
    QTest::addColumn<QString>("start");
    // Textbook anchors: 0.1 M acetic acid pH 2.88, 0.1 M sodium acetate pH 8.88.
    QTest::newRow("acetic acid") << "acetic" << 0 << 0.0 << "0.1 mol/L as HAc: pH 2.88 · ";
    QTest::newRow("sodium acetate") << "acetic" << 1 << 0.0 << "0.1 mol/L as NaAc: pH 8.88 · ";
    QTest::newRow("phosphoric acid")
        << "phosphoric" << 0 << 0.0 << "0.1 mol/L as H₃PO₄: pH 1.63 · ";
    // 1 mol/L of HCl: the pH is a hair below 0, and reads 0.00.
    QTest::newRow("acetic acid in 1 M HCl")
        << "acetic" << 0 << 1.0 << "0.1 mol/L as HAc: pH 0.00 · ";
}

void TestSolutionWindow::solutionLineNamesPhAndSpecies() {
    QFETCH(QString, preset);
    QFETCH(int, dissolvedAs);
    QFETCH(double, strongAcid);
    QFETCH(QString, start);
    const model::Preset* p = model::findPreset(preset.toStdString());
    const model::PolyproticAcid acid(p->pKa, 0, p->formulas);
    const model::Solution solution{0.1, dissolvedAs, 0.0, strongAcid};
    const model::SolutionState state = model::solveSolution(acid, solution);
    const QString line = solutionLine(acid, solution, state);
    QVERIFY2(line.startsWith(start), qPrintable(line));
    QVERIFY(line.endsWith(u" mol/L"));
    for (int j = 0; j < acid.speciesCount(); ++j) {
        const QString part = unicodeFormula(QString::fromStdString(acid.speciesName(j))) + u' ' +
                             concentrationText(state.concentration[static_cast<std::size_t>(j)]);
        QVERIFY2(line.contains(part), qPrintable(part));
    }
}

void TestSolutionWindow::ctrlLOpensOneSolutionWindow() {
    MainWindow main(kDensity);
    main.show();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QAction* open = main.solution().openAction();
    QCOMPARE(open->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
    QVERIFY(main.plotMenu()->actions().contains(open));
    QCOMPARE(open->text(), QStringLiteral("Solution…"));

    QTest::keyClick(&main, Qt::Key_L, Qt::ControlModifier);
    QPointer<SolutionWindow> solution = main.solution().window();
    QVERIFY(solution != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(solution));
    QCOMPARE(solution->windowTitle(), QStringLiteral("Velmora – Solution"));
    QCOMPARE(solution->tabs()->count(), 6);
    QCOMPARE(solution->tabs()->tabText(0), QStringLiteral("Fractions"));
    QCOMPARE(solution->tabs()->tabText(1), QStringLiteral("Log c"));
    QCOMPARE(solution->tabs()->tabText(2), QStringLiteral("Titration"));
    QCOMPARE(solution->tabs()->tabText(3), QStringLiteral("Buffer"));
    QCOMPARE(solution->tabs()->tabText(4), QStringLiteral("Derivative"));
    QCOMPARE(solution->tabs()->tabText(5), QStringLiteral("Gran"));
    // Its own shortcuts pick the views.
    solution->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(solution));
    for (const int index : {2, 0, 5, 4, 1, 3}) {
        QTest::keyClick(solution, static_cast<Qt::Key>(Qt::Key_1 + index), Qt::ControlModifier);
        QCOMPARE(solution->tabs()->currentIndex(), index);
    }

    // Again: the same window, raised.
    open->trigger();
    QCOMPARE(main.solution().window(), solution.data());
    // Closed, it goes; the main window stays.
    QVERIFY(solution->close());
    QTRY_VERIFY(solution.isNull());
    QVERIFY(main.isVisible());
    open->trigger();
    QVERIFY(main.solution().window() != nullptr);
}

void TestSolutionWindow::followsTheMainWindow_data() {
    QTest::addColumn<MainStep>("step");
    QTest::addColumn<int>("constants");
    QTest::addColumn<int>("charge");
    QTest::newRow("bar 1 up") << MainStep([](MainWindow& w) {
        w.pKaBar(0)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    }) << 4 << 0;
    QTest::newRow("bar 4 down past the others")
        << MainStep([](MainWindow& w) { w.pKaBar(3)->setValue(15); }) << 4 << 0;
    QTest::newRow("acid type HA") << MainStep([](MainWindow& w) {
        QTest::mouseClick(w.acidTypeButton(0), Qt::LeftButton);
    }) << 1 << 0;
    QTest::newRow("acid type H2A")
        << MainStep([](MainWindow& w) { QTest::mouseClick(w.acidTypeButton(1), Qt::LeftButton); })
        << 2 << 0;
    QTest::newRow("example phosphoric acid") << MainStep([](MainWindow& w) {
        exampleAction(w, QStringLiteral("phosphoric"))->trigger();
    }) << 3 << 0;
    QTest::newRow("example glycine")
        << MainStep([](MainWindow& w) { exampleAction(w, QStringLiteral("glycine"))->trigger(); })
        << 2 << 1;
    QTest::newRow("example EDTA") << MainStep([](MainWindow& w) {
        exampleAction(w, QStringLiteral("edta"))->trigger();
    }) << 4 << 0;
}

void TestSolutionWindow::followsTheMainWindow() {
    QFETCH(MainStep, step);
    QFETCH(int, constants);
    QFETCH(int, charge);
    MainWindow main(kDensity);
    SolutionWindow* solution = openSolution(main);
    QVERIFY(solution != nullptr);
    QVERIFY(solution->following());
    ChartView* shown = solution->shownView();
    const int builds = shown->builds();

    QSignalSpy drawings(&main, &MainWindow::diagramDrawn);
    step(main);
    const model::PolyproticAcid expected = followedAcid(main.acid(), main.examples().labels());
    QCOMPARE(expected.constantCount(), constants);
    QCOMPARE(expected.charge(), charge);
    // At once, without waiting for the event loop: the panel, the request and the shown image.
    QCOMPARE(solution->panel().inputs().acid, expected);
    QCOMPARE(shown->request().acid, expected);
    QVERIFY(!shown->isStale());
    QVERIFY(shown->builds() > builds);
    QVERIFY(shown->builds() - builds <= drawings.count());
    QVERIFY(solution->following());
    QCOMPARE(solution->panel().constantCount(), constants);
    QCOMPARE(solution->panel().chargeBox()->value(), charge);
    const model::SolutionState state = model::solveSolution(expected, solution->request().solution);
    QCOMPARE(solution->solutionLine()->text(),
             solutionLine(expected, solution->request().solution, state));
}

void TestSolutionWindow::hiddenViewsWaitUntilShown() {
    MainWindow main(kDensity);
    SolutionWindow* solution = openSolution(main);
    QVERIFY(solution != nullptr);
    ChartView* fractions = solution->view(ChartKind::Fractions);
    ChartView* logc = solution->view(ChartKind::LogC);
    ChartView* titration = solution->view(ChartKind::Titration);
    QCOMPARE(solution->shownView(), fractions);
    QCOMPARE(logc->builds(), 0);
    QCOMPARE(titration->builds(), 0);

    for (int k = 0; k < 5; ++k) {
        main.pKaBar(1)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    }
    // The hidden views took the request but drew nothing.
    QCOMPARE(logc->builds(), 0);
    QCOMPARE(titration->builds(), 0);
    QVERIFY(logc->isStale());
    QCOMPARE(logc->request().acid, fractions->request().acid);

    // Shown, a view draws once, at its size in the window.
    solution->tabs()->setCurrentWidget(titration);
    QTRY_VERIFY(!titration->isStale());
    QCOMPARE(titration->builds(), 1);
    QVERIFY(!titration->isStale());
    QCOMPARE(logc->builds(), 0);
    const int fractionsBuilds = fractions->builds();
    main.pKaBar(1)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(titration->builds(), 2);
    QCOMPARE(fractions->builds(), fractionsBuilds);
    QVERIFY(fractions->isStale());
}

void TestSolutionWindow::editingTheAcidEndsFollowing_data() {
    QTest::addColumn<PanelStep>("edit");
    QTest::newRow("pKa 2 up") << PanelStep([](SolutionPanel& p) { p.pKaBox(1)->stepUp(); });
    QTest::newRow("pKa 1 typed") << PanelStep([](SolutionPanel& p) {
        typeInto(p.pKaBox(0)->findChild<QLineEdit*>(), QStringLiteral("3.25"));
    });
    QTest::newRow("charge") << PanelStep([](SolutionPanel& p) { p.chargeBox()->stepUp(); });
    QTest::newRow("a formula typed")
        << PanelStep([](SolutionPanel& p) { typeInto(p.nameEdit(0), QStringLiteral("H4Y")); });
    QTest::newRow("constant added")
        << PanelStep([](SolutionPanel& p) { QTest::mouseClick(p.addButton(), Qt::LeftButton); });
    QTest::newRow("constant removed")
        << PanelStep([](SolutionPanel& p) { QTest::mouseClick(p.removeButton(), Qt::LeftButton); });
    QTest::newRow("generic names") << PanelStep(
        [](SolutionPanel& p) { QTest::mouseClick(p.genericButton(), Qt::LeftButton); });
}

void TestSolutionWindow::editingTheAcidEndsFollowing() {
    QFETCH(PanelStep, edit);
    MainWindow main(kDensity);
    exampleAction(main, QStringLiteral("phosphoric"))->trigger();
    SolutionWindow* solution = openSolution(main);
    QVERIFY(solution != nullptr);
    SolutionPanel& panel = solution->panel();
    const model::Exponents mainBefore = main.acid().exponents();
    QSignalSpy drawings(&main, &MainWindow::diagramDrawn);

    edit(panel);
    QVERIFY(!solution->following());
    QVERIFY(!panel.followBox()->isChecked());
    // The main window is left as it is.
    QCOMPARE(drawings.count(), 0);
    QCOMPARE(main.acid().exponents(), mainBefore);
    const model::PolyproticAcid own = panel.inputs().acid;
    QCOMPARE(solution->request().acid, own);

    // The main window's changes no longer reach the solution window...
    main.pKaBar(0)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(panel.inputs().acid, own);
    // ...until following is checked again: then its acid comes back at once.
    QTest::mouseClick(panel.followBox(), Qt::LeftButton, {},
                      QPoint(8, panel.followBox()->height() / 2));
    QVERIFY(solution->following());
    QCOMPARE(panel.inputs().acid, followedAcid(main.acid(), main.examples().labels()));
    QCOMPARE(solution->shownView()->request().acid, panel.inputs().acid);
}

void TestSolutionWindow::solutionFieldsKeepFollowing_data() {
    QTest::addColumn<PanelStep>("edit");
    QTest::addColumn<std::function<bool(const charts::ChartRequest&)>>("took");
    using Took = std::function<bool(const charts::ChartRequest&)>;
    QTest::newRow("concentration typed")
        << PanelStep([](SolutionPanel& p) { typeInto(p.concentrationField(), "0.025"); })
        << Took([](const charts::ChartRequest& r) { return r.solution.concentration == 0.025; });
    QTest::newRow("concentration on the slider")
        << PanelStep([](SolutionPanel& p) { p.concentrationSlider()->setValue(300); })
        << Took([](const charts::ChartRequest& r) { return r.solution.concentration == 1e-3; });
    QTest::newRow("slider by a page") << PanelStep([](SolutionPanel& p) {
        p.concentrationSlider()->triggerAction(QAbstractSlider::SliderPageStepSub);
    }) << Took([](const charts::ChartRequest& r) { return r.solution.concentration == 0.01; });
    QTest::newRow("dissolved as the second salt") << PanelStep([](SolutionPanel& p) {
        p.dissolvedBox()->setFocus();
        QTest::keyClick(p.dissolvedBox(), Qt::Key_Down);
        QTest::keyClick(p.dissolvedBox(), Qt::Key_Down);
    }) << Took([](const charts::ChartRequest& r) { return r.solution.dissolvedAs == 2; });
    QTest::newRow("acid titrant") << PanelStep([](SolutionPanel& p) {
        p.titrantBox()->setFocus();
        QTest::keyClick(p.titrantBox(), Qt::Key_Down);
    }) << Took([](const charts::ChartRequest& r) {
        return r.titration.titrant == model::Titrant::Acid;
    });
    QTest::newRow("titrant concentration")
        << PanelStep([](SolutionPanel& p) { typeInto(p.titrantField(), "2e-1"); })
        << Took([](const charts::ChartRequest& r) {
               return r.titration.titrantConcentration == 0.2;
           });
    QTest::newRow("start volume") << PanelStep([](SolutionPanel& p) {
        typeInto(p.volumeField(), "50");
    }) << Took([](const charts::ChartRequest& r) { return r.titration.sampleVolume == 50.0; });
}

void TestSolutionWindow::solutionFieldsKeepFollowing() {
    using Took = std::function<bool(const charts::ChartRequest&)>;
    QFETCH(PanelStep, edit);
    QFETCH(Took, took);
    MainWindow main(kDensity);
    SolutionWindow* solution = openSolution(main);
    QVERIFY(solution != nullptr);
    const int builds = solution->shownView()->builds();
    edit(solution->panel());
    QVERIFY(solution->following());
    QVERIFY(took(solution->request()));
    QVERIFY(took(solution->shownView()->request()));
    QVERIFY(solution->shownView()->builds() > builds);
    QVERIFY(!solution->shownView()->isStale());
    // Still following: the next bar step arrives.
    main.pKaBar(0)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(solution->request().acid, followedAcid(main.acid(), main.examples().labels()));
    QVERIFY(took(solution->request()));
}

void TestSolutionWindow::invalidInputNeverReachesTheDrawing_data() {
    QTest::addColumn<PanelStep>("edit");
    QTest::addColumn<std::function<QLabel*(SolutionPanel&)>>("problemLabel");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<PanelStep>("mend");
    using Label = std::function<QLabel*(SolutionPanel&)>;
    const auto field = [](NumberField* (SolutionPanel::*which)() const) {
        return Label([which](SolutionPanel& p) { return (p.*which)()->problemLabel(); });
    };
    const auto typed = [](NumberField* (SolutionPanel::*which)() const, const char* text) {
        return PanelStep([which, text](SolutionPanel& p) { pasteInto((p.*which)(), text); });
    };
    QTest::newRow("concentration not a number")
        << typed(&SolutionPanel::concentrationField, "0.1x")
        << field(&SolutionPanel::concentrationField) << "is not a number"
        << typed(&SolutionPanel::concentrationField, "0.2");
    QTest::newRow("concentration 0")
        << typed(&SolutionPanel::concentrationField, "0")
        << field(&SolutionPanel::concentrationField) << "must be from 1e-10 to 10 mol/L"
        << typed(&SolutionPanel::concentrationField, "1e-3");
    // The C locale writes decimals with a point: a comma could be a thousands separator.
    QTest::newRow("concentration with a comma")
        << typed(&SolutionPanel::concentrationField, "0,1")
        << field(&SolutionPanel::concentrationField) << "write decimals with a point"
        << typed(&SolutionPanel::concentrationField, "0.2");
    QTest::newRow("titrant too weak")
        << typed(&SolutionPanel::titrantField, "1e-7") << field(&SolutionPanel::titrantField)
        << "must be from 1e-6 to 10 mol/L" << typed(&SolutionPanel::titrantField, "0.5");
    QTest::newRow("volume too large")
        << typed(&SolutionPanel::volumeField, "5000") << field(&SolutionPanel::volumeField)
        << "must be from 0.1 to 1000 mL" << typed(&SolutionPanel::volumeField, "10");
    QTest::newRow("volume empty") << typed(&SolutionPanel::volumeField, "")
                                  << field(&SolutionPanel::volumeField) << "is empty"
                                  << typed(&SolutionPanel::volumeField, "10");
    QTest::newRow("pKa out of order")
        << PanelStep([](SolutionPanel& p) { p.pKaBox(1)->setValue(1.0); })
        << Label([](SolutionPanel& p) { return p.constantsProblem(); })
        << "values must be in non-decreasing order"
        << PanelStep([](SolutionPanel& p) { p.pKaBox(0)->setValue(0.5); });
    QTest::newRow("formula emptied")
        << PanelStep([](SolutionPanel& p) { pasteInto(p.nameEdit(2), ""); })
        << Label([](SolutionPanel& p) { return p.namesProblem(); })
        << "each name needs 1 to 49 characters"
        << PanelStep([](SolutionPanel& p) { pasteInto(p.nameEdit(2), "HP"); });
    QTest::newRow("formula with a comma")
        << PanelStep([](SolutionPanel& p) { pasteInto(p.nameEdit(0), "H3,PO4"); })
        << Label([](SolutionPanel& p) { return p.namesProblem(); })
        << "a name may not contain commas or control characters" << PanelStep([](SolutionPanel& p) {
               QTest::mouseClick(p.genericButton(), Qt::LeftButton);
           });
    QTest::newRow("formula with a blank at the end")
        << PanelStep([](SolutionPanel& p) { pasteInto(p.nameEdit(1), "H2PO4^- "); })
        << Label([](SolutionPanel& p) { return p.namesProblem(); })
        << "a name may not start or end with a blank"
        << PanelStep([](SolutionPanel& p) { pasteInto(p.nameEdit(1), "H2PO4-"); });
}

void TestSolutionWindow::invalidInputNeverReachesTheDrawing() {
    using Label = std::function<QLabel*(SolutionPanel&)>;
    QFETCH(PanelStep, edit);
    QFETCH(Label, problemLabel);
    QFETCH(QString, problem);
    QFETCH(PanelStep, mend);
    MainWindow main(kDensity);
    exampleAction(main, QStringLiteral("phosphoric"))->trigger();
    SolutionWindow* solution = openSolution(main);
    QVERIFY(solution != nullptr);
    SolutionPanel& panel = solution->panel();
    const charts::ChartRequest before = solution->request();
    const int builds = solution->shownView()->builds();
    QLabel* label = problemLabel(panel);
    QVERIFY(label->isHidden());

    edit(panel);
    QVERIFY(label->isVisible());
    QCOMPARE(label->text(), problem);
    // The drawing keeps the last good input.
    QCOMPARE(solution->request(), before);
    QCOMPARE(solution->shownView()->builds(), builds);
    QCOMPARE(solution->shownView()->request().acid, before.acid);

    mend(panel);
    QVERIFY(label->isHidden());
    QVERIFY(!(solution->request() == before));
    QCOMPARE(solution->shownView()->builds(), builds + 1);
}

void TestSolutionWindow::ownAcidFields_data() {
    QTest::addColumn<PanelStep>("edit");
    QTest::addColumn<QList<double>>("pKa");
    QTest::addColumn<int>("charge");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("pKa 1 to 3") << PanelStep([](SolutionPanel& p) { p.pKaBox(0)->setValue(3.0); })
                                << QList<double>{3.0, 7.2, 12.4} << 0
                                << QStringList{"H3A", "H2A-", "HA2-", "A3-"};
    QTest::newRow("charge +1 renames the generic species")
        << PanelStep([](SolutionPanel& p) { p.chargeBox()->setValue(1); })
        << QList<double>{2.2, 7.2, 12.4} << 1 << QStringList{"H3A^+", "H2A", "HA-", "A2-"};
    QTest::newRow("a fourth constant two above the third")
        << PanelStep([](SolutionPanel& p) { QTest::mouseClick(p.addButton(), Qt::LeftButton); })
        << QList<double>{2.2, 7.2, 12.4, 14.4} << 0
        << QStringList{"H4A", "H3A-", "H2A2-", "HA3-", "A4-"};
    QTest::newRow("one constant less")
        << PanelStep([](SolutionPanel& p) { QTest::mouseClick(p.removeButton(), Qt::LeftButton); })
        << QList<double>{2.2, 7.2} << 0 << QStringList{"H2A", "HA-", "A2-"};
    QTest::newRow("own formulas") << PanelStep([](SolutionPanel& p) {
        const QStringList own{"H3PO4", "H2PO4^-", "HPO4^2-", "PO4^3-"};
        for (int j = 0; j < 4; ++j) {
            typeInto(p.nameEdit(j), own[j]);
        }
    }) << QList<double>{2.2, 7.2, 12.4}
                                  << 0 << QStringList{"H3PO4", "H2PO4^-", "HPO4^2-", "PO4^3-"};
    QTest::newRow("own formulas, then a constant added")
        << PanelStep([](SolutionPanel& p) {
               typeInto(p.nameEdit(0), "H3Cit");
               QTest::mouseClick(p.addButton(), Qt::LeftButton);
           })
        << QList<double>{2.2, 7.2, 12.4, 14.4} << 0
        << QStringList{"H3Cit", "H2A-", "HA2-", "A3-", "A4-"};
    QTest::newRow("own formulas, then generic names") << PanelStep([](SolutionPanel& p) {
        typeInto(p.nameEdit(0), "H3Cit");
        QTest::mouseClick(p.genericButton(), Qt::LeftButton);
    }) << QList<double>{2.2, 7.2, 12.4} << 0 << QStringList{"H3A", "H2A-", "HA2-", "A3-"};
}

void TestSolutionWindow::ownAcidFields() {
    QFETCH(PanelStep, edit);
    QFETCH(QList<double>, pKa);
    QFETCH(int, charge);
    QFETCH(QStringList, names);
    SolutionWindow solution;
    SolutionPanel& panel = solution.panel();
    panel.setAcid(model::PolyproticAcid(std::vector<double>{2.2, 7.2, 12.4}));
    edit(panel);
    const model::PolyproticAcid acid = solution.request().acid;
    const std::vector<double> exponents = acid.exponents();
    QCOMPARE(QList<double>(exponents.begin(), exponents.end()), pKa);
    QCOMPARE(acid.charge(), charge);
    QCOMPARE(namesOf(acid), names);
    // The fields show the acid: one spin box per constant, one formula per species.
    for (int i = 0; i < model::kMaxConstants; ++i) {
        QCOMPARE(panel.pKaBox(i)->isVisibleTo(&panel), i < pKa.size());
    }
    for (int j = 0; j < model::kMaxSolutionSpecies; ++j) {
        QCOMPARE(panel.nameEdit(j)->isVisibleTo(&panel), j < names.size());
        if (j < names.size()) {
            QCOMPARE(panel.nameEdit(j)->text(), names[j]);
        }
    }
    QCOMPARE(panel.dissolvedBox()->count(), names.size());
    QCOMPARE(panel.addButton()->isEnabled(), pKa.size() < 6);
}

void TestSolutionWindow::keyboardAndNames() {
    SolutionWindow solution;
    const QList<QWidget*> fields = solution.panel().findChildren<QWidget*>();
    int inputs = 0;
    for (QWidget* w : fields) {
        const bool input =
            qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
            qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QSlider*>(w) ||
            (qobject_cast<QLineEdit*>(w) && !qobject_cast<QAbstractSpinBox*>(w->parentWidget()));
        if (!input) {
            continue;
        }
        ++inputs;
        QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->metaObject()->className()));
        QVERIFY2(w->focusPolicy() & Qt::TabFocus, qPrintable(w->accessibleName()));
    }
    QVERIFY(inputs >= 20);
    // Every field that has a label is that label's buddy, so Alt and the letter reach it.
    for (const QLabel* label : solution.panel().findChildren<QLabel*>()) {
        if (label->text().contains(u'&')) {
            QVERIFY2(label->buddy() != nullptr, qPrintable(label->text()));
        }
    }
    for (ChartView* view : solution.findChildren<ChartView*>()) {
        QVERIFY(!view->accessibleName().isEmpty());
        QCOMPARE(view->focusPolicy(), Qt::StrongFocus);
    }
    QVERIFY(!solution.solutionLine()->accessibleName().isEmpty());
}

void TestSolutionWindow::viewsFillAnySize_data() {
    QTest::addColumn<charts::ChartKind>("kind");
    QTest::addColumn<QSize>("size");
    for (const auto& [kind, name] :
         {std::pair{ChartKind::Fractions, "fractions"}, std::pair{ChartKind::LogC, "log c"},
          std::pair{ChartKind::Titration, "titration"}, std::pair{ChartKind::Buffer, "buffer"},
          std::pair{ChartKind::Derivative, "derivative"}}) {
        for (const QSize size : {QSize(420, 300), QSize(960, 600), QSize(1500, 1000)}) {
            QTest::addRow("%s %dx%d", name, size.width(), size.height()) << kind << size;
        }
    }
}

void TestSolutionWindow::viewsFillAnySize() {
    // Run once as it is and once with QT_SCALE_FACTOR=2 (test_solutionwindow_2x).
    QFETCH(charts::ChartKind, kind);
    QFETCH(QSize, size);
    const qreal ratio = test::scaleFactor();
    MainWindow main;
    SolutionWindow* solution = openSolution(main);
    QVERIFY(solution != nullptr);
    solution->tabs()->setCurrentWidget(solution->view(kind));
    sizeViewTo(*solution, size);
    ChartView* view = solution->shownView();
    QCOMPARE(view->size(), size);
    QVERIFY(!view->isStale());
    // The image has the view's size in device pixels, drawn at the view's ratio.
    QCOMPARE(view->image().size(), size * ratio);
    QCOMPARE(view->image().devicePixelRatio(), ratio);
    QCOMPARE(view->request().size, size);
    // The frame reaches near the right and bottom edges, whatever the size: the margins grow only
    // as the drawing's texts do.
    const QRect frame = view->chart().layout().mapping.frame();
    const double grown = charts::drawingScale(QSizeF(size));
    QCOMPARE(view->chart().layout().style.scale, grown);
    QVERIFY2(frame.right() > size.width() - 30 * grown, qPrintable(QString::number(frame.right())));
    QVERIFY2(frame.bottom() > size.height() - 70 * grown,
             qPrintable(QString::number(frame.bottom())));
    // The frame's right edge is a dark line in the image, white just inside the plot corner.
    const QImage image = view->image();
    const int y = qRound((frame.top() + frame.bottom()) / 2.0 * ratio);
    QVERIFY(image.pixelColor(qRound(frame.right() * ratio), y).lightness() < 100);
    // The screen shows the image as it is, one image pixel per device pixel.
    const QImage shown = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), image.size());
    QCOMPARE(shown.pixel(qRound(frame.right() * ratio), y),
             image.pixel(qRound(frame.right() * ratio), y));

    // The maximised window's view fills it as well.
    solution->showMaximized();
    QTRY_VERIFY(solution->isMaximized());
    QApplication::processEvents();
    QVERIFY(!view->isStale());
    QCOMPARE(view->image().size(), view->size() * ratio);
}

void TestSolutionWindow::smallWindowsKeepTheDrawing_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("beside"); // the inputs left of the drawing, else above it
    QTest::newRow("480x360: the inputs above") << QSize(480, 360) << false;
    QTest::newRow("640x480: the inputs above") << QSize(640, 480) << false;
    QTest::newRow("480x800: the inputs above") << QSize(480, 800) << false;
    QTest::newRow("1100x680: the inputs beside") << QSize(1100, 680) << true;
    QTest::newRow("1600x400: the inputs beside") << QSize(1600, 400) << true;
}

void TestSolutionWindow::smallWindowsKeepTheDrawing() {
    QFETCH(QSize, size);
    QFETCH(bool, beside);
    const auto inWindow = [](const QWidget* widget) {
        return QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
    };
    const auto showInputsAction = [](const SolutionWindow& window) -> QAction* {
        for (const QMenu* menu : window.menuBar()->findChildren<QMenu*>()) {
            for (QAction* action : menu->actions()) {
                if (action->text() == QStringLiteral("Show &inputs")) {
                    return action;
                }
            }
        }
        return nullptr;
    };
    {
        SolutionWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(size);
        QTRY_COMPARE(window.size(), size);
        QApplication::processEvents();
        const QWidget* inputs = window.findChild<QScrollArea*>(QStringLiteral("inputs"));
        QVERIFY(inputs != nullptr);
        const QRect panel = inWindow(inputs);
        const QRect drawing = inWindow(window.shownView());
        // The drawing keeps at least half the window, the inputs beside it or above it.
        QVERIFY2(2 * drawing.width() >= size.width() && 2 * drawing.height() >= size.height(),
                 qPrintable(QStringLiteral("%1x%2").arg(drawing.width()).arg(drawing.height())));
        QVERIFY(inputs->isVisible());
        QVERIFY(!panel.intersects(drawing));
        if (beside) {
            QVERIFY(panel.right() < drawing.left());
            QVERIFY(panel.height() >= drawing.height());
        } else {
            QVERIFY(panel.bottom() < drawing.top());
            QVERIFY(panel.height() > 0);
            QVERIFY(panel.width() >= drawing.width());
        }
        // Put away, they leave all to the drawing.
        QAction* show = showInputsAction(window);
        QVERIFY(show != nullptr);
        QVERIFY(show->isCheckable() && show->isChecked());
        show->trigger();
        QApplication::processEvents();
        QVERIFY(!inputs->isVisible());
        const QRect alone = inWindow(window.shownView());
        QVERIFY(alone.width() * alone.height() > drawing.width() * drawing.height());
        QVERIFY(!window.state().inputsShown);
        QVERIFY(window.close());
    }
    // Remembered: the next window opens with them put away, and brings them back.
    SolutionWindow again;
    QAction* show = showInputsAction(again);
    QVERIFY(!show->isChecked());
    again.show();
    QVERIFY(QTest::qWaitForWindowExposed(&again));
    const QWidget* inputs = again.findChild<QScrollArea*>(QStringLiteral("inputs"));
    QVERIFY(!inputs->isVisible());
    show->trigger();
    QVERIFY(inputs->isVisible());
    QVERIFY(again.state().inputsShown);
}

namespace {

/** 25 mL at 0.1 mol/L titrated with 0.1 mol/L titrant, in a view of its own at 960 x 600. */
charts::ChartRequest markedRequest(charts::ChartKind kind, std::vector<double> pKa) {
    charts::ChartRequest request;
    request.kind = kind;
    request.acid = model::PolyproticAcid(pKa);
    request.solution = {0.1, 0, 0.0, 0.0};
    request.showSolution = true;
    request.titration = {25.0, model::Titrant::Base, 0.1, 0.0};
    return request;
}

void showView(ChartView& view, const charts::ChartRequest& request) {
    view.setRequest(request);
    view.resize(960, 600);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QTRY_VERIFY(!view.isStale());
}

} // namespace

void TestSolutionWindow::readoutJumpsBetweenMarks_data() {
    // After each key, where the readout stands (mL or pH); NaN where it is hidden, −2 where it
    // stands a small step past the first mark, −1 on the solution's pH.
    QTest::addColumn<charts::ChartRequest>("request");
    QTest::addColumn<QList<QKeyCombination>>("keys");
    QTest::addColumn<QList<double>>("values");
    const QKeyCombination down(Qt::Key_PageDown);
    const QKeyCombination up(Qt::Key_PageUp);
    const QKeyCombination right(Qt::Key_Right);
    const QKeyCombination escape(Qt::Key_Escape);
    const QKeyCombination shiftDown(Qt::ShiftModifier, Qt::Key_PageDown);
    const double hidden = std::nan("");
    const double between = -2.0;
    const auto acetic = markedRequest(ChartKind::Titration, {4.76});
    // Half-way at 12.5 mL, equivalence at 25 mL; the axis ends at 30.
    QTest::newRow("acetic acid: on, on, stays at the last")
        << acetic << QList{down, down, down} << QList{12.5, 25.0, 25.0};
    QTest::newRow("acetic acid: back, stays at the first")
        << acetic << QList{down, down, up, up} << QList{12.5, 25.0, 12.5, 12.5};
    QTest::newRow("acetic acid: PageUp first takes the last") << acetic << QList{up} << QList{25.0};
    QTest::newRow("acetic acid: off a mark, to the next")
        << acetic << QList{down, right, up, right, down}
        << QList{12.5, between, 12.5, between, 25.0};
    QTest::newRow("acetic acid: hidden again, from the start")
        << acetic << QList{down, down, escape, down} << QList{12.5, 25.0, hidden, 12.5};
    QTest::newRow("acetic acid: Shift is no jump") << acetic << QList{shiftDown} << QList{hidden};
    QTest::newRow("phosphoric acid: back from the end")
        << markedRequest(ChartKind::Titration, {2.148, 7.198, 12.319})
        << QList{up, up, up, up, up, up, up} << QList{75.0, 62.5, 50.0, 37.5, 25.0, 12.5, 12.5};
    // The fractions mark the solution's pH only.
    QTest::newRow("fractions: the solution's pH")
        << markedRequest(ChartKind::Fractions, {4.76}) << QList{down, down, up}
        << QList{-1.0, -1.0, -1.0};
}

void TestSolutionWindow::readoutJumpsBetweenMarks() {
    QFETCH(charts::ChartRequest, request);
    QFETCH(QList<QKeyCombination>, keys);
    QFETCH(QList<double>, values);
    ChartView view(request.kind);
    showView(view, request);
    view.setFocus();
    for (int i = 0; i < keys.size(); ++i) {
        QTest::keyClick(&view, keys[i].key(), keys[i].keyboardModifiers());
        const QByteArray step = "after key " + QByteArray::number(i + 1);
        if (std::isnan(values[i])) {
            QVERIFY2(!view.readoutValue().has_value(), step.constData());
            continue;
        }
        QVERIFY2(view.readoutValue().has_value(), step.constData());
        if (values[i] == -2.0) {
            QVERIFY2(*view.readoutValue() > 12.5 && *view.readoutValue() < 13.5, step.constData());
        } else if (values[i] < 0.0) {
            // The pH of 0.1 mol/L acetic acid: h² / (0.1 − h) = 10^−4.76, h from the quadratic.
            const double ka = std::pow(10.0, -4.76);
            const double h = (-ka + std::sqrt(ka * ka + 4.0 * ka * 0.1)) / 2.0;
            QVERIFY2(std::abs(*view.readoutValue() + std::log10(h)) < 1e-3, step.constData());
        } else {
            QVERIFY2(std::abs(*view.readoutValue() - values[i]) < 1e-9,
                     qPrintable(step + ": " + QByteArray::number(*view.readoutValue())));
        }
    }
}

void TestSolutionWindow::readoutSnapsToMarks_data() {
    QTest::addColumn<double>("pixels"); // from the equivalence point's x
    QTest::addColumn<bool>("snaps");
    QTest::newRow("on it") << 0.0 << true;
    QTest::newRow("3 px right") << 3.0 << true;
    QTest::newRow("3 px left") << -3.0 << true;
    QTest::newRow("6 px right") << 6.0 << false;
    QTest::newRow("6 px left") << -6.0 << false;
}

void TestSolutionWindow::readoutSnapsToMarks() {
    QFETCH(double, pixels);
    QFETCH(bool, snaps);
    ChartView view(ChartKind::Titration);
    showView(view, markedRequest(ChartKind::Titration, {4.76}));
    const charts::PlotMapping& map = view.chart().layout().mapping;
    const int x = qRound(map.xOf(25.0) + pixels);
    QTest::mouseMove(&view, QPoint(x, map.frame().center().y()));
    QVERIFY(view.readoutValue().has_value());
    if (snaps) {
        QCOMPARE(*view.readoutValue(), 25.0);
        QCOMPARE(view.readout()->values.front().value,
                 charts::chartReadout(view.request(), 25.0).values.front().value);
    } else {
        QVERIFY(*view.readoutValue() != 25.0);
        VELMORA_COMPARE_REL(*view.readoutValue(), map.xValueAt(x), 1e-12);
    }
}

void TestSolutionWindow::titrationLine_data() {
    QTest::addColumn<model::PolyproticAcid>("acid");
    QTest::addColumn<model::Solution>("sample");
    QTest::addColumn<model::Titration>("titration");
    QTest::addColumn<QString>("line");
    const model::PolyproticAcid acetic(std::vector<double>{4.76}, 0, {"CH3COOH", "CH3COO^-"});
    const model::PolyproticAcid phosphoric(std::vector<double>{2.148, 7.198, 12.319});
    // pH 8.73 from 0.05 mol/L acetate (pKb 9.24).
    QTest::newRow("acetic acid with NaOH")
        << acetic << model::Solution{0.1, 0, 0.0, 0.0}
        << model::Titration{25.0, model::Titrant::Base, 0.1, 0.0}
        << "25 mL of 0.1 mol/L CH₃COOH with 0.1 mol/L NaOH · equivalence at 25.00 mL (pH 8.73)";
    // 0.5 mmol of phosphate, 0.05 mol/L HCl: 10, 20 and 30 mL; at the last one 0.5 mmol of
    // H3PO4 in 35 mL, pH 2.15 (h² / (0.5 / 35 − h) = 10^−2.148, the second proton aside).
    const model::Titrator withHcl(phosphoric, {0.1, 3, 0.0, 0.0},
                                  {5.0, model::Titrant::Acid, 0.05, 0.0});
    const auto ph = [&](double volume) { return diagram::decimalText(withHcl.pHAt(volume), 2); };
    QTest::newRow("Na3PO4 with HCl")
        << phosphoric << model::Solution{0.1, 3, 0.0, 0.0}
        << model::Titration{5.0, model::Titrant::Acid, 0.05, 0.0}
        << QStringLiteral("5 mL of 0.1 mol/L Na₃A with 0.05 mol/L HCl · equivalence at "
                          "10.00 mL (pH %1), 20.00 mL (pH %2), 30.00 mL (pH 2.15)")
               .arg(ph(10.0), ph(20.0));
    QTest::newRow("acetate with NaOH")
        << acetic << model::Solution{0.02, 1, 0.0, 0.0}
        << model::Titration{12.5, model::Titrant::Base, 1e-6, 0.0}
        << "12.5 mL of 0.02 mol/L NaCH₃COO with 1e-6 mol/L NaOH · no equivalence point";
}

void TestSolutionWindow::titrationLine() {
    QFETCH(model::PolyproticAcid, acid);
    QFETCH(model::Solution, sample);
    QFETCH(model::Titration, titration);
    QFETCH(QString, line);
    QCOMPARE(ui::titrationLine(acid, sample, titration), line);
}

void TestSolutionWindow::lineFollowsTheShownView() {
    MainWindow main(kDensity);
    SolutionWindow* solution = openSolution(main);
    QVERIFY(solution != nullptr);
    const auto solutionText = [&] {
        const charts::ChartRequest drawn = solution->request();
        return solutionLine(drawn.acid, drawn.solution,
                            model::solveSolution(drawn.acid, drawn.solution));
    };
    const auto titrationText = [&] {
        const charts::ChartRequest drawn = solution->request();
        return ui::titrationLine(drawn.acid, drawn.solution, drawn.titration);
    };
    QVERIFY(solutionText() != titrationText());
    solution->tabs()->setCurrentWidget(solution->view(ChartKind::Titration));
    QCOMPARE(solution->solutionLine()->text(), titrationText());
    // A change of the acid while the titration is shown.
    main.pKaBar(0)->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(solution->solutionLine()->text(), titrationText());
    solution->tabs()->setCurrentWidget(solution->view(ChartKind::LogC));
    QCOMPARE(solution->solutionLine()->text(), solutionText());
}

void TestSolutionWindow::readoutFromMouseAndKeys_data() {
    QTest::addColumn<charts::ChartKind>("kind");
    QTest::addColumn<QList<QKeyCombination>>("keys");
    QTest::addColumn<double>("value"); // pH, or mL in tick steps or at the end of the axis
    const QKeyCombination left(Qt::Key_Left), right(Qt::Key_Right), home(Qt::Key_Home),
        end(Qt::Key_End), bigRight(Qt::ShiftModifier, Qt::Key_Right);
    for (const auto& [kind, name] :
         {std::pair{ChartKind::Fractions, "fractions"}, std::pair{ChartKind::LogC, "log c"}}) {
        QTest::addRow("%s: first Right shows pH 7", name) << kind << QList{right} << 7.0;
        QTest::addRow("%s: tenths", name) << kind << QList{right, right, right, left} << 7.1;
        QTest::addRow("%s: Shift, whole units", name)
            << kind << QList{right, bigRight, bigRight} << 9.0;
        QTest::addRow("%s: Home", name) << kind << QList{home, left} << 0.0;
        QTest::addRow("%s: End", name) << kind << QList{end, right} << 14.0;
    }
    QTest::newRow("titration: Home") << ChartKind::Titration << QList{home} << 0.0;
    QTest::newRow("titration: a tick step from the start")
        << ChartKind::Titration << QList{home, bigRight} << kOneTick;
    QTest::newRow("titration: a tenth of it")
        << ChartKind::Titration << QList{home, right, right} << kOneTick / 5;
    QTest::newRow("titration: End") << ChartKind::Titration << QList{end, right} << kAxisEnd;
}

void TestSolutionWindow::drawingIsOneVisibleFocusStop_data() {
    QTest::addColumn<charts::ChartKind>("kind");
    QTest::addColumn<bool>("readoutShown");
    QTest::addColumn<QKeyCombination>("menuKey");
    QTest::newRow("fractions, Menu key, readout hidden")
        << ChartKind::Fractions << false << QKeyCombination(Qt::Key_Menu);
    QTest::newRow("log c, Shift+F10, readout shown")
        << ChartKind::LogC << true << QKeyCombination(Qt::ShiftModifier, Qt::Key_F10);
    QTest::newRow("titration, Menu key, readout shown")
        << ChartKind::Titration << true << QKeyCombination(Qt::Key_Menu);
}

void TestSolutionWindow::drawingIsOneVisibleFocusStop() {
    QFETCH(charts::ChartKind, kind);
    QFETCH(bool, readoutShown);
    QFETCH(QKeyCombination, menuKey);
    MainWindow main(kDensity);
    SolutionWindow* solution = openSolution(main);
    QVERIFY(solution != nullptr);
    solution->tabs()->setCurrentWidget(solution->view(kind));
    sizeViewTo(*solution, QSize(960, 600));
    solution->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(solution));
    ChartView* view = solution->shownView();

    // Around the focus chain from the tab bar: the shown drawing once, right after the tabs, and
    // no stop that shows no focus (a scroll area or the tab widget itself).
    QWidget* tabBar = solution->tabs()->tabBar();
    tabBar->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), tabBar);
    QList<QWidget*> chain;
    for (int i = 0; i < 80; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (now == tabBar) {
            break;
        }
        chain << now;
    }
    QVERIFY(!chain.isEmpty());
    QCOMPARE(chain.front(), view);
    QCOMPARE(chain.count(view), 1);
    for (QWidget* stop : std::as_const(chain)) {
        QVERIFY2(qobject_cast<QAbstractScrollArea*>(stop) == nullptr &&
                     qobject_cast<QTabWidget*>(stop) == nullptr,
                 stop->metaObject()->className());
    }

    // The focus is seen on the screen: the frame's corner in the highlight colour, only then.
    view->setFocus();
    QTRY_VERIFY(view->hasFocus());
    const QColor highlight = view->palette().color(QPalette::Highlight);
    QCOMPARE(view->grab().toImage().pixelColor(1, 1), highlight);
    QVERIFY(!view->image().isNull());
    tabBar->setFocus();
    QTRY_VERIFY(!view->hasFocus());
    QVERIFY(view->grab().toImage().pixelColor(1, 1) != highlight);

    // The keyboard's context menu opens at the readout's line, or mid-plot without one.
    view->setFocus();
    QTRY_VERIFY(view->hasFocus());
    const charts::PlotMapping& map = view->chart().layout().mapping;
    const double at = map.xMin() + (map.xMax() - map.xMin()) * 0.3;
    if (readoutShown) {
        view->showReadoutAt(at);
    }
    QSignalSpy asked(view, &QWidget::customContextMenuRequested);
    QTest::keyClick(view, menuKey.key(), menuKey.keyboardModifiers());
    QTRY_COMPARE(asked.count(), 1);
    const QPoint point = asked.front().front().toPoint();
    QCOMPARE(point.x(), readoutShown ? qRound(map.xOf(at)) : map.frame().center().x());
    QCOMPARE(point.y(), map.frame().center().y());
    // The menu the window opens there goes away with Escape, and nothing else happened.
    QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
    QApplication::activePopupWidget()->close();
}

void TestSolutionWindow::menusHaveUniqueMnemonics() {
    MainWindow main(kDensity);
    SolutionWindow* solution = openSolution(main);
    QVERIFY(solution != nullptr);
    QList<QMenu*> menus;
    for (QAction* action : solution->menuBar()->actions()) {
        QVERIFY2(action->text().contains(u'&'), qPrintable(action->text()));
        menus << action->menu();
    }
    // The drawings' context menu, as the Menu key opens it.
    QTest::keyClick(solution->shownView(), Qt::Key_Menu);
    QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr);
    menus << qobject_cast<QMenu*>(QApplication::activePopupWidget());
    for (QMenu* menu : std::as_const(menus)) {
        QVERIFY(menu != nullptr);
        QSet<QChar> keys;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator()) {
                continue;
            }
            const QString text = action->text();
            const qsizetype amp = text.indexOf(u'&');
            QVERIFY2(amp >= 0 && amp + 1 < text.size(), qPrintable(text));
            const QChar key = text.at(amp + 1).toLower();
            QVERIFY2(!keys.contains(key), qPrintable(menu->title() + QStringLiteral(": ") + text));
            keys.insert(key);
        }
    }
    menus.back()->close();
}

void TestSolutionWindow::readoutFromMouseAndKeys() {
    QFETCH(charts::ChartKind, kind);
    QFETCH(QList<QKeyCombination>, keys);
    QFETCH(double, value);
    MainWindow main(kDensity);
    SolutionWindow* solution = openSolution(main);
    QVERIFY(solution != nullptr);
    solution->tabs()->setCurrentWidget(solution->view(kind));
    sizeViewTo(*solution, QSize(960, 600));
    ChartView* view = solution->shownView();
    const charts::PlotMapping& map = view->chart().layout().mapping;
    const QImage before = view->image();

    // The mouse: the readout at the value under the pointer, from the model.
    const double at = (map.xMin() + map.xMax()) / 3.0;
    QTest::mouseMove(view, QPoint(qRound(map.xOf(at)), map.frame().center().y()));
    QVERIFY(view->readoutValue().has_value());
    VELMORA_COMPARE_REL(*view->readoutValue(), at, 0.0, (map.xMax() - map.xMin()) / 500.0);
    const charts::ChartReadout shown = *view->readout();
    const charts::ChartReadout model = charts::chartReadout(view->request(), *view->readoutValue());
    QCOMPARE(shown.values.size(), model.values.size());
    for (std::size_t i = 0; i < shown.values.size(); ++i) {
        QCOMPARE(shown.values[i].name, model.values[i].name);
        QCOMPARE(shown.values[i].value, model.values[i].value);
    }
    QCOMPARE(int(shown.values.size()),
             kind == ChartKind::Titration
                 ? 1
                 : main.acid().protonCount() + 1 + (kind == ChartKind::LogC ? 2 : 0));
    // An overlay: on the screen, not in the retained image.
    QVERIFY(view->image() == before);
    QVERIFY(view->grab().toImage().convertToFormat(QImage::Format_RGB32) !=
            before.convertToFormat(QImage::Format_RGB32));
    QTest::mouseMove(view, QPoint(2, 2)); // left of the frame
    QVERIFY(!view->readoutValue().has_value());

    // The keyboard.
    view->setFocus();
    for (const QKeyCombination key : keys) {
        QTest::keyClick(view, key.key(), key.keyboardModifiers());
    }
    QVERIFY(view->readoutValue().has_value());
    if (value == kAxisEnd) {
        value = map.xMax();
    } else if (kind == ChartKind::Titration) {
        // In steps of the volume axis' ticks, whatever they are at this size.
        value = value / kOneTick * view->chart().layout().xTicks.step;
    }
    QCOMPARE(*view->readoutValue(), value);
    // It follows the main window's changes at the same place.
    main.pKaBar(0)->triggerAction(QAbstractSlider::SliderPageStepAdd);
    const charts::ChartReadout moved = *view->readout();
    QCOMPARE(moved.x, *view->readoutValue());
    if (kind != ChartKind::Titration) {
        QCOMPARE(moved.values.back().value,
                 charts::chartReadout(view->request(), moved.x).values.back().value);
    }
    QTest::keyClick(view, Qt::Key_Escape);
    QVERIFY(!view->readoutValue().has_value());
}

void TestSolutionWindow::copySaveAndExportTheShownChart_data() {
    QTest::addColumn<charts::ChartKind>("kind");
    QTest::addColumn<QString>("header");
    QTest::newRow("fractions") << ChartKind::Fractions << "pH,H3PO4,H2PO4^-,HPO4^2-,PO4^3-";
    QTest::newRow("logc") << ChartKind::LogC << "pH,log[H+],log[OH-],H3PO4,H2PO4^-,HPO4^2-,PO4^3-";
    QTest::newRow("titration") << ChartKind::Titration << "V/mL,pH";
    QTest::newRow("buffer") << ChartKind::Buffer << "pH,beta";
    QTest::newRow("derivative") << ChartKind::Derivative << "V/mL,dpH/dV";
    QTest::newRow("gran") << ChartKind::Gran
                          << "V/mL,Gran before,line before,Gran after,line after";
}

void TestSolutionWindow::copySaveAndExportTheShownChart() {
    QFETCH(charts::ChartKind, kind);
    QFETCH(QString, header);
    MainWindow main(kDensity);
    exampleAction(main, QStringLiteral("phosphoric"))->trigger();
    SolutionWindow* solution = openSolution(main);
    QVERIFY(solution != nullptr);
    solution->tabs()->setCurrentWidget(solution->view(kind));
    sizeViewTo(*solution, QSize(700, 450));
    DiagramCommands& commands = solution->commands();

    // Copy: the chart at the view's size, twice as sharp, the same drawing as the command line's.
    QGuiApplication::clipboard()->clear();
    commands.copyDiagram();
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), QSize(1400, 900));
    QVERIFY(
        copied ==
        charts::chartImage(solution->shownView()->request(), 2.0).convertToFormat(copied.format()));

    QTemporaryDir dir;
    const QString stem = viewKey(kind);
    QCOMPARE(QFileInfo(commands.suggestedPath(QStringLiteral("png"))).fileName(),
             stem + QStringLiteral(".png"));
    for (const auto& [suffix, start] :
         {std::pair{"png", QByteArray("\x89PNG")}, std::pair{"svg", QByteArray("<?xml")},
          std::pair{"pdf", QByteArray("%PDF")}}) {
        const QString path = dir.filePath(stem + u'.' + QString::fromLatin1(suffix));
        bool ok = false;
        QCOMPARE(messagesDuring([&] { ok = commands.saveDiagramTo(path); }), QStringList());
        QVERIFY(ok);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY2(file.readAll().startsWith(start), suffix);
    }
    const QString csv = dir.filePath(stem + QStringLiteral(".csv"));
    QVERIFY(commands.exportDataTo(csv));
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QCOMPARE(QString::fromUtf8(file.readLine()).trimmed(), header);
    const charts::ChartRequest request = solution->drawing().request();
    QCOMPARE(file.readAll(), charts::chartCsv(request, dataStep(request)).mid(header.size() + 1));
    // PNG at twice the size, and nothing else left in the folder.
    QImage png(dir.filePath(stem + QStringLiteral(".png")));
    QCOMPARE(png.size(), QSize(1400, 900));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 4);
}

void TestSolutionWindow::failedSaveSaysWhy() {
    SolutionWindow solution;
    QTemporaryDir dir;
    for (const QString& name : {QStringLiteral("missing/chart.png"), QStringLiteral("chart.txt")}) {
        const QString path = dir.filePath(name);
        bool ok = true;
        const QStringList messages =
            messagesDuring([&] { ok = solution.commands().saveDiagramTo(path); });
        QVERIFY(!ok);
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains(QDir::toNativeSeparators(path)), qPrintable(messages[0]));
        QVERIFY(!QFile::exists(path));
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void TestSolutionWindow::printWritesOnePage() {
    SolutionWindow solution;
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
    QVERIFY(solution.commands().printDiagram(printer));
    QFile file(printer.outputFileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    QCOMPARE(QString::fromLatin1(pdf).count(page), 1);
}

void TestSolutionWindow::longTitrationDataKeepsItsRowsInBounds() {
    // 1000 mL of a 10 mol/L solution titrated with 1e-6 mol/L: the end volume is enormous.
    charts::ChartRequest request;
    request.kind = ChartKind::Titration;
    request.solution.concentration = 10.0;
    request.titration = {1000.0, model::Titrant::Base, 1.0e-6, 0.0};
    const double step = dataStep(request);
    QVERIFY(charts::chartCsvRows(request, step) <= 10000.0);
    QVERIFY(charts::chartCsvRows(request, step / 2) > 10000.0 || step == 0.05);
    request.titration = model::Titration{};
    request.solution = model::Solution{};
    QCOMPARE(dataStep(request), 0.05);
    // The derivative's rows are millilitres as the titration's, the buffer's pH as log c's.
    request.kind = ChartKind::Derivative;
    QCOMPARE(dataStep(request), 0.05);
    request.kind = ChartKind::LogC;
    QCOMPARE(dataStep(request), 0.1);
    request.kind = ChartKind::Buffer;
    QCOMPARE(dataStep(request), 0.1);
}

void TestSolutionWindow::remembersItselfBetweenRuns_data() {
    QTest::addColumn<bool>("follow");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<bool>("kept"); // whether the position is used again
    QTest::newRow("following, on the screen") << true << QPoint(30, 40) << true;
    QTest::newRow("own acid, on the screen") << false << QPoint(50, 20) << true;
    QTest::newRow("a screen that is gone") << true << QPoint(20000, 15000) << false;
    QTest::newRow("above the screen") << false << QPoint(100, -400) << false;
}

void TestSolutionWindow::remembersItselfBetweenRuns() {
    QFETCH(bool, follow);
    QFETCH(QPoint, position);
    QFETCH(bool, kept);
    SolutionInputs inputs;
    {
        MainWindow main(kDensity);
        exampleAction(main, QStringLiteral("glycine"))->trigger();
        SolutionWindow* solution = openSolution(main);
        QVERIFY(solution != nullptr);
        SolutionPanel& panel = solution->panel();
        typeInto(panel.concentrationField(), "0.05");
        panel.dissolvedBox()->setFocus();
        QTest::keyClick(panel.dissolvedBox(), Qt::Key_Down);
        typeInto(panel.titrantField(), "0.2");
        typeInto(panel.volumeField(), "20");
        panel.titrantBox()->setFocus();
        QTest::keyClick(panel.titrantBox(), Qt::Key_Down);
        if (!follow) {
            panel.pKaBox(0)->setValue(2.5);
            typeInto(panel.nameEdit(1), "HGly^0");
        }
        solution->tabs()->setCurrentIndex(2);
        // Small enough to lie beside the controls of a main window at (100, 100) on the 800 x 600
        // screen of the tests.
        solution->resize(480, 360);
        solution->move(position);
        inputs = panel.inputs();
        QVERIFY(solution->close());
    }
    QVERIFY(QFile::exists(solutionSettingsFile()));

    // The main window starts as always, whatever the file holds.
    MainWindow main(kDensity);
    QCOMPARE(main.acid().exponents(), model::Acid::startAcid().exponents());
    main.move(100, 100);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    SolutionWindow* solution = openSolution(main);
    QVERIFY(solution != nullptr);
    QCOMPARE(solution->following(), follow);
    const SolutionInputs& restored = solution->panel().inputs();
    QCOMPARE(restored.solution, inputs.solution);
    QCOMPARE(restored.titration, inputs.titration);
    if (follow) {
        QCOMPARE(restored.acid, followedAcid(main.acid(), main.examples().labels()));
    } else {
        QCOMPARE(restored.acid, inputs.acid);
    }
    QCOMPARE(solution->shownView()->kind(), ChartKind::Titration);
    QCOMPARE(solution->size(), QSize(480, 360));
    if (kept) {
        QCOMPARE(solution->pos(), position);
    }
    // Kept or placed anew, it lies on the screen and leaves the main window's controls clear.
    const QRect controls(main.mapToGlobal(main.controlsArea().topLeft()),
                         main.controlsArea().size());
    QVERIFY(availableScreenAreas().first().contains(solution->frameGeometry()));
    QVERIFY(!solution->frameGeometry().intersects(controls));
}

void TestSolutionWindow::damagedSettingsGiveDefaults() {
    {
        QSettings settings(solutionSettingsFile(), QSettings::IniFormat);
        settings.beginGroup(QStringLiteral("solution"));
        settings.setValue(QStringLiteral("follow"), false);
        settings.setValue(QStringLiteral("pKa"), QStringLiteral("9,2")); // out of order
        settings.setValue(QStringLiteral("charge"), 1);
        settings.setValue(QStringLiteral("concentration"), QStringLiteral("lots"));
        settings.setValue(QStringLiteral("volume"), 1e9);
        settings.setValue(QStringLiteral("view"), QStringLiteral("pie"));
        settings.setValue(QStringLiteral("titrantConcentration"), QStringLiteral("0.3"));
    }
    SolutionSettings settings;
    const SolutionWindowState state = settings.load();
    QVERIFY(settings.problem().isEmpty());
    const SolutionWindowState defaults;
    QVERIFY(state.follow);
    QCOMPARE(state.inputs.acid, defaults.inputs.acid);
    QCOMPARE(state.inputs.solution, defaults.inputs.solution);
    QCOMPARE(state.inputs.titration.sampleVolume, defaults.inputs.titration.sampleVolume);
    QCOMPARE(state.inputs.titration.titrantConcentration, 0.3);
    QCOMPARE(state.view, ChartKind::Fractions);
}

void TestSolutionWindow::placement_data() {
    QTest::addColumn<QRect>("anchor");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QPoint>("mainPosition"); // where the main window goes first
    QTest::newRow("right of it") << QRect(10, 10, 757, 362) << QSize(900, 600) << QPoint(775, 10)
                                 << QPoint(10, 10);
    QTest::newRow("left of it") << QRect(1100, 10, 757, 362) << QSize(900, 600) << QPoint(192, 10)
                                << QPoint(1100, 10);
    QTest::newRow("below it") << QRect(600, 10, 757, 362) << QSize(900, 600) << QPoint(600, 380)
                              << QPoint(600, 10);
    QTest::newRow("no side has room: the main window to the corner, the window beside it")
        << QRect(580, 350, 757, 362) << QSize(1100, 680) << QPoint(765, 0) << QPoint(0, 0);
}

void TestSolutionWindow::placement() {
    QFETCH(QRect, anchor);
    QFETCH(QSize, size);
    QFETCH(QPoint, position);
    QFETCH(QPoint, mainPosition);
    const QRect screen(0, 0, 1920, 1080);
    const QSize least(480, 360);
    // A main window kept clear whole.
    const Placement placement =
        placeSolutionWindow({{screen}, {anchor, anchor}, QMargins(), least, size, std::nullopt});
    QCOMPARE(placement.frame.topLeft(), position);
    QCOMPARE(placement.mainPosition.value_or(anchor.topLeft()), mainPosition);
    QVERIFY(fitsBeside(QRect(position, size), QMargins(), QRect(), {screen}, least));
    QVERIFY(!fitsBeside(QRect(QPoint(1900, 10), size), QMargins(), QRect(), {screen}, least));
    // Across two screens a window lies on neither whole.
    QVERIFY(!fitsBeside(QRect(QPoint(1900, 10), size), QMargins(), QRect(),
                        {screen, QRect(1920, 0, 1280, 1024)}, least));
    QVERIFY(fitsBeside(QRect(QPoint(1930, 10), size), QMargins(), QRect(),
                       {screen, QRect(1920, 0, 1280, 1024)}, least));
    QVERIFY(!fitsBeside(QRect(position, size), QMargins(), QRect(position, QSize(1, 1)), {screen},
                        least));
    // A frame that leaves one pixel too few inside, in height or in width.
    QVERIFY(fitsBeside(QRect(position, size), QMargins(size.width() - 480, 0, 0, 0), QRect(),
                       {screen}, least));
    QVERIFY(!fitsBeside(QRect(position, size), QMargins(size.width() - 479, 0, 0, 0), QRect(),
                        {screen}, least));
    QVERIFY(fitsBeside(QRect(position, size), QMargins(0, 0, 0, size.height() - 360), QRect(),
                       {screen}, least));
    QVERIFY(!fitsBeside(QRect(position, size), QMargins(0, 0, 0, size.height() - 359), QRect(),
                        {screen}, least));
}

void TestSolutionWindow::opensBesideTheMainWindow_data() {
    QTest::addColumn<bool>("mainShown");  // the main window on the screen before the opening
    QTest::addColumn<bool>("remembered"); // a place from last time over the main window's bars
    QTest::addColumn<bool>("maximized");  // maximised last time
    QTest::newRow("from the main window on the screen") << true << false << false;
    QTest::newRow("--solution, the main window not yet on the screen") << false << false << false;
    QTest::newRow("a remembered place over the controls") << true << true << false;
    QTest::newRow("maximised last time") << true << false << true;
}

void TestSolutionWindow::opensBesideTheMainWindow() {
    // Run on the 800 x 600 screen of the tests and on screens side by side
    // (test_solutionwindow_screens): wherever it opens, the solution window lies on a screen whole
    // and leaves the main window's controls clear.
    QFETCH(bool, mainShown);
    QFETCH(bool, remembered);
    QFETCH(bool, maximized);
    const QList<QRect> screens = availableScreenAreas();
    if (maximized) {
        SolutionWindow last;
        last.showMaximized();
        QTRY_VERIFY(last.isMaximized());
        QVERIFY(last.close());
    }
    if (remembered) {
        // Last time right over the middle of the primary screen, where the main window starts.
        SolutionWindow last;
        last.resize(500, 380);
        last.move(screens.first().center() - QPoint(250, 190));
        last.show();
        QVERIFY(QTest::qWaitForWindowExposed(&last));
        QVERIFY(last.close());
    }
    MainWindow main(kDensity);
    main.show();
    if (mainShown) {
        QVERIFY(QTest::qWaitForWindowExposed(&main));
    }
    SolutionWindow* solution = openSolution(main);
    QVERIFY(solution != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    const QRect controls(main.mapToGlobal(main.controlsArea().topLeft()),
                         main.controlsArea().size());
    const QRect frame = solution->frameGeometry();
    const auto onAScreen = [&screens](const QRect& rect) {
        return std::any_of(screens.begin(), screens.end(),
                           [&rect](const QRect& screen) { return screen.contains(rect); });
    };
    QVERIFY2(onAScreen(frame), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                              .arg(frame.x())
                                              .arg(frame.y())
                                              .arg(frame.width())
                                              .arg(frame.height())));
    QVERIFY(onAScreen(main.frameGeometry()));
    QVERIFY(!frame.intersects(controls));
    QVERIFY(solution->width() >= 480 && solution->height() >= 360);
    // The controls are the bars with their numbers and values, the acid types and the commands.
    for (const QWidget* control :
         {static_cast<QWidget*>(main.pKaBar(0)), static_cast<QWidget*>(main.pKaLabel(3)),
          main.acidTypeFrame(), static_cast<QWidget*>(main.theoryButton()),
          static_cast<QWidget*>(main.exitButton())}) {
        QVERIFY(main.controlsArea().contains(control->geometry()));
    }
    QVERIFY(!main.controlsArea().intersects(main.plotBox()->geometry()));
    // Maximised again only on a screen without the main window, and there.
    const bool alone = !solution->screen()->geometry().intersects(main.frameGeometry());
    QTRY_COMPARE(solution->isMaximized(), maximized && alone);
    QVERIFY(!solution->frameGeometry().intersects(controls));
}

void TestSolutionWindow::listedSubstancesReachTheDrawings_data() {
    QTest::addColumn<QStringList>("listed"); // "key concentration"
    QTest::addColumn<bool>("davies");
    QTest::addColumn<double>("temperature");
    QTest::addColumn<bool>("titration"); // the titration shown, else the fractions
    QTest::addColumn<int>("systems");    // 0: the one acid, drawn as before
    QTest::addColumn<QStringList>("said");
    QTest::addColumn<QStringList>("unsaid");
    QTest::newRow("one acid as before")
        << QStringList{} << false << 25.0 << false << 0 << QStringList{"0.1 mol/L as HA: pH"}
        << QStringList{"Solution at", "I ="};
    QTest::newRow("Davies activities: the ionic strength")
        << QStringList{} << true << 25.0 << false << 1
        << QStringList{"Solution at 25 °C: pH", " · I = "}
        << QStringList{"not reliable", "constants at"};
    QTest::newRow("a salt past the Davies equation's range")
        << QStringList{"sodium-chloride 1"} << true << 25.0 << false << 1
        << QStringList{"the Davies equation is not reliable above I = 0.5 mol/L"}
        << QStringList{"constants at"};
    QTest::newRow("ideal with a salt: no ionic strength said")
        << QStringList{"sodium-chloride 1"} << false << 25.0 << false << 1
        << QStringList{"Solution at 25 °C"} << QStringList{"I =", "not reliable"};
    // Tris has its enthalpy in the library; the typed-in acid has none.
    QTest::newRow("37 °C: constants without an enthalpy stay")
        << QStringList{"tris 0.05"} << false << 37.0 << false << 2
        << QStringList{"Solution at 37 °C", "constants at 25 °C: HA"} << QStringList{"Tris"};
    QTest::newRow("titration of a buffer")
        << QStringList{"sodium-acetate 0.1"} << false << 25.0 << true << 2
        << QStringList{"25 mL of the solution with 0.1 mol/L NaOH · equivalence at"}
        << QStringList{"no equivalence point"};
}

void TestSolutionWindow::listedSubstancesReachTheDrawings() {
    QFETCH(QStringList, listed);
    QFETCH(bool, davies);
    QFETCH(double, temperature);
    QFETCH(bool, titration);
    QFETCH(int, systems);
    QFETCH(QStringList, said);
    QFETCH(QStringList, unsaid);
    SolutionInputs inputs;
    for (const QString& entry : listed) {
        ListedSubstance substance =
            listedFromLibrary(*model::findSubstance(entry.section(u' ', 0, 0).toStdString()));
        substance.concentration = entry.section(u' ', 1, 1).toDouble();
        inputs.substances.push_back(substance);
    }
    inputs.activity = davies ? model::Activity::Davies : model::Activity::Ideal;
    inputs.temperature = temperature;
    {
        SolutionWindow window;
        window.show();
        window.panel().setInputs(inputs);
        // The window redraws when the panel says its inputs changed; setInputs() says nothing.
        window.setTextStep(0);
        window.tabs()->setCurrentIndex(titration ? 2 : 0);
        const charts::ChartRequest request = window.request();
        QCOMPARE(request.mixture.has_value(), systems > 0);
        QVERIFY(window.shownView()->request().mixture == request.mixture);
        QVERIFY(window.shownView()->request().mixtureTitration == request.mixtureTitration);
        if (request.mixture) {
            QCOMPARE(static_cast<int>(request.mixture->systems.size()), systems);
            QCOMPARE(request.mixture->temperature, temperature);
            QCOMPARE(request.mixture->activity, inputs.activity);
            // The titrant stays the window's strong base.
            QCOMPARE(request.mixtureTitration.titrant.strongBase,
                     inputs.titration.titrantConcentration);
            QCOMPARE(request.mixtureTitration.sampleVolume, inputs.titration.sampleVolume);
        }
        const QString line = window.solutionLine()->text();
        for (const QString& text : said) {
            QVERIFY2(line.contains(text), qPrintable(line));
        }
        for (const QString& text : unsaid) {
            QVERIFY2(!line.contains(text), qPrintable(line));
        }
        window.saveSettings();
    }
    // Remembered as they were.
    SolutionWindow again;
    QCOMPARE(again.panel().inputs().substances, inputs.substances);
    QCOMPARE(again.panel().inputs().activity, inputs.activity);
    QCOMPARE(again.panel().inputs().temperature, inputs.temperature);
    QCOMPARE(again.request().mixture.has_value(), systems > 0);
}

void TestSolutionWindow::newRowIsScrolledIntoView_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("rows");
    QTest::newRow("inputs beside the drawing") << QSize(1000, 420) << 3;
    QTest::newRow("inputs above the drawing") << QSize(480, 600) << 2;
}

void TestSolutionWindow::newRowIsScrolledIntoView() {
    QFETCH(QSize, size);
    QFETCH(int, rows);
    SolutionWindow window;
    window.resize(size);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    SubstanceListView& list = *window.panel().substanceList();
    auto* inputs = window.findChild<QScrollArea*>(QStringLiteral("inputs"));
    QVERIFY(inputs != nullptr);
    for (int i = 0; i < rows; ++i) {
        list.typedButton()->click();
        QCoreApplication::processEvents();
    }
    QLineEdit* typed = list.constantsEdit(rows - 1);
    // The new row's first field has the focus and lies wholly in sight, ready to be typed into.
    QTRY_COMPARE(QApplication::focusWidget(), typed);
    QWidget* viewport = inputs->viewport();
    QTRY_VERIFY(inputs->verticalScrollBar()->value() > 0);
    const QRect shown(typed->mapTo(viewport, QPoint(0, 0)), typed->size());
    QVERIFY2(viewport->rect().contains(shown),
             qPrintable(QStringLiteral("field at %1,%2 in %3 x %4")
                            .arg(shown.x())
                            .arg(shown.y())
                            .arg(viewport->width())
                            .arg(viewport->height())));
}

QTEST_MAIN(TestSolutionWindow)
#include "test_solutionwindow.moc"
