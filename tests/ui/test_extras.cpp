// SPDX-License-Identifier: GPL-3.0-or-later
// The window's additions around the plot, driven like a user: the pH readout by mouse and keys,
// the example acids from the context menu, copying, saving, exporting and printing the diagram,
// the spoken summary, and the plot at the screen's device pixel ratio.

#include "testsupport.h"

#include "diagram/retainedplot.h"
#include "model/fractions.h"
#include "model/presets.h"
#include "ui/common/diagramcommands.h"
#include "ui/common/form.h"
#include "ui/main/exampleacids.h"
#include "ui/main/mainwindow.h"
#include "ui/main/mainwindowdesign.h"
#include "ui/main/plotbox.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QFile>
#include <QFontMetricsF>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include <sys/resource.h>

using namespace velmora;
using namespace velmora::ui;
using test::lastArgument;
using test::messagesDuring;

namespace {

using Values = QList<int>;

constexpr ScreenDensity kDensity{15.0f, 15.0f};

/** The plot's x for a pH: 52 + 30 pH. */
QPoint plotPoint(double pH) {
    return {qRound(52 + 30 * pH), 150};
}

Values barValues(const MainWindow& w, int n) {
    Values v;
    for (int k = 1; k <= n; ++k) {
        v << w.pKaBar(k - 1)->value();
    }
    return v;
}

/** The readout's fractions must be the model's at exactly the readout's pH. */
void checkReadoutAgainstModel(const MainWindow& window, double pH) {
    const std::optional<diagram::Readout> shown = window.plotBox()->readout();
    QVERIFY(shown.has_value());
    QCOMPARE(shown->pH, pH);
    const auto alpha = model::fractionsAt(window.acid(), pH);
    QCOMPARE(shown->species, window.acid().protonCount() + 1);
    int leader = 0;
    for (int j = 0; j < shown->species; ++j) {
        const auto s = static_cast<std::size_t>(j);
        VELMORA_COMPARE_REL(shown->alpha[s], alpha[s], 1e-12, 1e-300);
        leader = alpha[s] > alpha[static_cast<std::size_t>(leader)] ? j : leader;
    }
    QCOMPARE(shown->predominant, leader);
}

QAction* exampleAction(const MainWindow& w, const QString& key) {
    for (QAction* a : w.examples().menu()->actions()) {
        if (a->data().toString() == key) {
            return a;
        }
    }
    return nullptr;
}

/** The label texts of the last drawing a spy on diagramDrawn caught. */
QStringList lastLabels(const QSignalSpy& drawings) {
    const auto drawn = lastArgument<diagram::DrawnDiagram>(drawings);
    return QStringList(drawn.labels.begin(), drawn.labels.begin() + drawn.species);
}

} // namespace

Q_DECLARE_METATYPE(std::optional<double>)
Q_DECLARE_METATYPE(std::function<void(MainWindow&)>)

class TestExtras : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();
    void readoutFollowsTheMouse_data();
    void readoutFollowsTheMouse();
    void readoutHidesOutsideAndOnLeave();
    void readoutFromTheKeyboard_data();
    void readoutFromTheKeyboard();
    void percentText_data();
    void percentText();

    void exampleFromTheMenu_data();
    void exampleFromTheMenu();
    void exampleRunsTheUsersPath();
    void exampleReadoutUsesTheLiteratureValues_data();
    void exampleReadoutUsesTheLiteratureValues();
    void exampleEndsWhenTheUserMovesOn_data();
    void exampleEndsWhenTheUserMovesOn();
    void exportDataIsThePresetExport_data();
    void exportDataIsThePresetExport();

    void copyPutsTwiceTheSizeOnTheClipboard();
    void saveDialogsSuggestTheAcid();
    void saveWritesByTheSuffix_data();
    void saveWritesByTheSuffix();
    void failedSaveSaysSoOnce_data();
    void failedSaveSaysSoOnce();
    void failedWriteGivesTheReason_data();
    void failedWriteGivesTheReason();
    void exportWritesTheCsvWithTheFormulas();
    void printWritesOnePage();

    void spokenSummary_data();
    void spokenSummary();
    void everyControlHasAName();

    void sharpAtTheScreensPixelRatio();

private:
    /**
     * The window the readout checks share, shown; they leave nothing behind but the acid type.
     * It is hidden after every test, so that it never stands over another test's window.
     */
    MainWindow& shownWindow();
    std::unique_ptr<MainWindow> m_shared;
};

void TestExtras::initTestCase() {
    m_shared = std::make_unique<MainWindow>(kDensity);
}

MainWindow& TestExtras::shownWindow() {
    m_shared->show();
    if (!QTest::qWaitForWindowExposed(m_shared.get())) {
        qWarning("the shared window was not exposed");
    }
    return *m_shared;
}

void TestExtras::cleanup() {
    m_shared->hide();
}

void TestExtras::cleanupTestCase() {
    m_shared.reset();
}

void TestExtras::readoutFollowsTheMouse_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<double>("pH");
    for (int type = 1; type <= 4; ++type) {
        for (double pH : {0.0, 2.1, 3.7, 7.0, 9.8, 12.3, 14.0}) {
            QTest::addRow("type %d, pH %.1f", type, pH) << type << pH;
        }
    }
}

void TestExtras::readoutFollowsTheMouse() {
    QFETCH(int, type);
    QFETCH(double, pH);
    MainWindow& window = shownWindow();
    QTest::mouseClick(window.acidTypeButton(type - 1), Qt::LeftButton);
    PlotBox* plot = window.plotBox();
    plot->hideReadout();
    const QImage before = window.plot().image();
    QSignalSpy drawings(&window, &MainWindow::diagramDrawn);

    QTest::mouseMove(plot, plotPoint(pH));
    QCOMPARE(plot->readoutPh(), std::optional<double>(pH));
    checkReadoutAgainstModel(window, pH);
    QVERIFY(plot->readout()->heading.isEmpty());
    // An overlay: shown on the screen, no part of the retained drawing, no redraw.
    QCOMPARE(drawings.count(), 0);
    QVERIFY(window.plot().image() == before);
    const QImage shown = plot->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QVERIFY(shown != before.convertToFormat(QImage::Format_RGB32));
}

void TestExtras::readoutHidesOutsideAndOnLeave() {
    MainWindow& window = shownWindow();
    PlotBox* plot = window.plotBox();
    const auto hidden = [&] { return !plot->readoutPh().has_value() && !plot->readout(); };

    QTest::mouseMove(plot, plotPoint(5.0));
    QVERIFY(!hidden());
    QTest::mouseMove(plot, {30, 150}); // left of pH 0
    QVERIFY(hidden());
    QTest::mouseMove(plot, plotPoint(5.0));
    QTest::mouseMove(plot, {485, 150}); // right of pH 14
    QVERIFY(hidden());
    QTest::mouseMove(plot, plotPoint(5.0));
    QTest::mouseMove(&window, window.pKaBar(1)->geometry().center()); // onto a bar
    QVERIFY(hidden());
    const QImage shown = plot->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QVERIFY(shown == window.plot().image().convertToFormat(QImage::Format_RGB32));

    QTest::mouseMove(plot, plotPoint(5.0));
    plot->setFocus();
    QTest::keyClick(plot, Qt::Key_Escape);
    QVERIFY(hidden());
}

void TestExtras::readoutFromTheKeyboard_data() {
    QTest::addColumn<std::optional<double>>("mouseAt");
    QTest::addColumn<QList<QKeyCombination>>("keys");
    QTest::addColumn<double>("pH");
    const QKeyCombination left(Qt::Key_Left), right(Qt::Key_Right), home(Qt::Key_Home),
        end(Qt::Key_End), bigLeft(Qt::ShiftModifier, Qt::Key_Left),
        bigRight(Qt::ShiftModifier, Qt::Key_Right);
    const std::optional<double> none;
    QTest::newRow("first Right shows pH 7") << none << QList{right} << 7.0;
    QTest::newRow("first Left shows pH 7") << none << QList{left} << 7.0;
    QTest::newRow("then tenths") << none << QList{right, right, right, left} << 7.1;
    QTest::newRow("Shift: whole units") << none << QList{right, bigRight, bigRight, left} << 8.9;
    QTest::newRow("Home") << none << QList{home} << 0.0;
    QTest::newRow("End") << none << QList{end} << 14.0;
    QTest::newRow("not below 0") << none << QList{home, left, bigLeft} << 0.0;
    QTest::newRow("not above 14") << none << QList{end, right, bigRight} << 14.0;
    QTest::newRow("Shift near the end") << none << QList{end, bigLeft, right, bigRight} << 14.0;
    QTest::newRow("on from the mouse") << std::optional(3.0) << QList{right, bigLeft} << 2.1;
    QList<QKeyCombination> seventy{home};
    for (int i = 0; i < 70; ++i) {
        seventy << right;
    }
    QTest::newRow("seventy tenths are exactly 7") << none << seventy << 7.0;
}

void TestExtras::readoutFromTheKeyboard() {
    QFETCH(std::optional<double>, mouseAt);
    QFETCH(QList<QKeyCombination>, keys);
    QFETCH(double, pH);
    MainWindow& window = shownWindow();
    PlotBox* plot = window.plotBox();
    plot->hideReadout();
    if (mouseAt) {
        QTest::mouseMove(plot, plotPoint(*mouseAt));
    }
    plot->setFocus();
    for (const QKeyCombination key : keys) {
        QTest::keyClick(plot, key.key(), key.keyboardModifiers());
    }
    QCOMPARE(plot->readoutPh(), std::optional<double>(pH));
    checkReadoutAgainstModel(window, pH);
    QTest::keyClick(plot, Qt::Key_Escape);
    QVERIFY(!plot->readoutPh());
}

void TestExtras::percentText_data() {
    QTest::addColumn<double>("alpha");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << QStringLiteral("<0.1 %");
    QTest::newRow("just under 0.1 %") << 0.000999 << QStringLiteral("<0.1 %");
    QTest::newRow("0.1 %") << 0.001 << QStringLiteral("0.1 %");
    QTest::newRow("rounded") << 0.97449 << QStringLiteral("97.4 %");
    QTest::newRow("all") << 1.0 << QStringLiteral("100.0 %");
}

void TestExtras::percentText() {
    QFETCH(double, alpha);
    QFETCH(QString, text);
    QCOMPARE(diagram::percentText(alpha), text);
}

void TestExtras::exampleFromTheMenu_data() {
    QTest::addColumn<QString>("before"); // an example chosen first, or none
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("type");
    QTest::addColumn<Values>("values");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("formulas");
    QTest::addColumn<QString>("menuText"); // literature values, as precise as their source
    QTest::newRow("phosphoric") << QString() << "phosphoric" << 3 << Values{22, 72, 124}
                                << QStringList{"2.15", "7.20", "12.35"}
                                << QStringList{"H3PO4", "H2PO4^-", "HPO4^2-", "PO4^3-"}
                                << "Phosphoric acid (2.15, 7.20, 12.35)";
    QTest::newRow("acetic") << QString() << "acetic" << 1 << Values{48} << QStringList{"4.76"}
                            << QStringList{"HAc", "Ac^-"} << "Acetic acid (4.76)";
    QTest::newRow("glycine") << QString() << "glycine" << 2 << Values{23, 96}
                             << QStringList{"2.34", "9.60"}
                             << QStringList{"H2Gly^+", "HGly", "Gly^-"} << "Glycine (2.34, 9.60)";
    QTest::newRow("carbonic") << QString() << "carbonic" << 2 << Values{64, 103}
                              << QStringList{"6.35", "10.33"}
                              << QStringList{"H2CO3", "HCO3^-", "CO3^2-"}
                              << "Carbonic acid (6.35, 10.33)";
    QTest::newRow("citric") << QString() << "citric" << 3 << Values{31, 48, 64}
                            << QStringList{"3.13", "4.76", "6.40"}
                            << QStringList{"H3Cit", "H2Cit^-", "HCit^2-", "Cit^3-"}
                            << "Citric acid (3.13, 4.76, 6.40)";
    QTest::newRow("arsenic") << QString() << "arsenic" << 3 << Values{23, 68, 113}
                             << QStringList{"2.26", "6.76", "11.29"}
                             << QStringList{"H3AsO4", "H2AsO4^-", "HAsO4^2-", "AsO4^3-"}
                             << "Arsenic acid (2.26, 6.76, 11.29)";
    QTest::newRow("EDTA") << QString() << "edta" << 4 << Values{20, 27, 61, 104}
                          << QStringList{"2.00", "2.69", "6.13", "10.37"}
                          << QStringList{"H4Y", "H3Y^-", "H2Y^2-", "HY^3-", "Y^4-"}
                          << "EDTA (2.00, 2.69, 6.13, 10.37)";
    // Bar 1 goes up past bar 2 first: the cascade raises bar 2 on the way.
    QTest::newRow("EDTA, then carbonic acid")
        << "edta"
        << "carbonic" << 2 << Values{64, 103} << QStringList{"6.35", "10.33"}
        << QStringList{"H2CO3", "HCO3^-", "CO3^2-"} << "Carbonic acid (6.35, 10.33)";
    // 1.86 lies nearer 1.9 than 1.8, 7.17 nearer 7.2 than 7.1.
    QTest::newRow("EDTA, then sulfurous acid")
        << "edta"
        << "sulfurous" << 2 << Values{19, 72} << QStringList{"1.86", "7.17"}
        << QStringList{"H2SO3", "HSO3^-", "SO3^2-"} << "Sulfurous acid (1.86, 7.17)";
    // 1.25 is a half tenth: it rounds away from zero, to 1.3.
    QTest::newRow("oxalic, then oxalic again")
        << "oxalic"
        << "oxalic" << 2 << Values{13, 43} << QStringList{"1.25", "4.27"}
        << QStringList{"H2C2O4", "HC2O4^-", "C2O4^2-"} << "Oxalic acid (1.25, 4.27)";
}

void TestExtras::exampleFromTheMenu() {
    QFETCH(QString, before);
    QFETCH(QString, key);
    QFETCH(int, type);
    QFETCH(Values, values);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, formulas);
    QFETCH(QString, menuText);
    MainWindow window(kDensity);
    if (!before.isEmpty()) {
        exampleAction(window, before)->trigger();
    }
    QSignalSpy drawings(&window, &MainWindow::diagramDrawn);
    QAction* action = exampleAction(window, key);
    QVERIFY(action != nullptr);
    QCOMPARE(action->text(), menuText);
    action->trigger();

    // The bars at the nearest tenth, the labels with the literature values.
    QCOMPARE(window.acidTypes()->checkedId(), type);
    QCOMPARE(barValues(window, type), values);
    for (int k = 1; k <= type; ++k) {
        const QLabel* label = window.pKaLabel(k - 1);
        QCOMPARE(label->text(), labels[k - 1]);
        // No digit cut off, even of a five-character value under a narrow bar.
        QVERIFY2(label->fontMetrics().boundingRect(label->text()).width() <=
                     label->contentsRect().width(),
                 qPrintable(label->text()));
    }
    // Every value, centred in its label, stays clear of the label to its right, which overlaps
    // its edge and is drawn over it ("12.35" beside bar 4's "12.3").
    for (int k = 0; k < 4; ++k) {
        const QLabel* label = window.pKaLabel(k);
        const QFontMetricsF metrics(label->font(), label);
        const qreal width = std::max(metrics.horizontalAdvance(label->text()),
                                     metrics.boundingRect(label->text()).width());
        const QRect own = label->geometry();
        const qreal centre = own.x() + own.width() / 2.0;
        const qreal right =
            k < 3 ? std::min(own.x() + own.width(), window.pKaLabel(k + 1)->geometry().x())
                  : own.x() + own.width();
        QVERIFY2(centre + width / 2.0 <= right && centre - width / 2.0 >= own.x(),
                 qPrintable(QStringLiteral("%1: %2 to %3 in %4 to %5")
                                .arg(label->text())
                                .arg(centre - width / 2.0)
                                .arg(centre + width / 2.0)
                                .arg(own.x())
                                .arg(right)));
    }
    // The model holds exactly the literature values, the constants the acid lacks are absent.
    const model::Preset* preset = model::findPreset(key.toStdString());
    QCOMPARE(window.examples().active(), preset);
    for (int k = 1; k <= 4; ++k) {
        QCOMPARE(window.acid().pKa(k),
                 k <= type ? preset->pKa[static_cast<std::size_t>(k - 1)] : 0.0);
    }
    QCOMPARE(window.acid().constants(), preset->acid().constants());
    // What was drawn last is that acid with its own formulas.
    QCOMPARE(lastLabels(drawings), formulas);
    QCOMPARE(lastArgument<diagram::DrawnDiagram>(drawings).species, type + 1);
    // The readout: the formulas, headed by the acid's name, literature values, source and note.
    window.plotBox()->showReadout(5.0);
    const diagram::Readout readout = *window.plotBox()->readout();
    for (int j = 0; j <= type; ++j) {
        QCOMPARE(readout.names[static_cast<std::size_t>(j)], formulas[j]);
    }
    const QString literature = menuText.section(u'(', 1).chopped(1);
    QStringList heading{QString::fromStdString(preset->name),
                        QStringLiteral("pKa %1 (25 °C)").arg(literature),
                        QString::fromStdString(preset->source)};
    if (!preset->note.empty()) {
        heading << QString::fromStdString(preset->note);
    }
    QCOMPARE(readout.heading, heading);
}

void TestExtras::exampleRunsTheUsersPath() {
    // Choosing phosphoric acid takes the path of the user's clicks: the same Values and the same
    // number of redraws, the last of which already shows the literature values.
    MainWindow chosen(kDensity);
    MainWindow clicked(kDensity);
    QSignalSpy chosenDrawings(&chosen, &MainWindow::diagramDrawn);
    exampleAction(chosen, QStringLiteral("phosphoric"))->trigger();

    QSignalSpy clickedDrawings(&clicked, &MainWindow::diagramDrawn);
    QTest::mouseClick(clicked.acidTypeButton(2), Qt::LeftButton);
    clicked.pKaBar(0)->setValue(22);
    clicked.pKaBar(1)->setValue(72);
    clicked.pKaBar(2)->setValue(124);
    QCOMPARE(chosenDrawings.count(), 4);
    QCOMPARE(clickedDrawings.count(), 4);
    QCOMPARE(barValues(chosen, 4), barValues(clicked, 4));
    QVERIFY(!chosen.pKaBar(3)->isEnabled());
    QCOMPARE(chosen.acid().exponents(), (model::Exponents{2.15, 7.20, 12.35, 0.0}));
    // The diagram is the drawing of those values, not of the bars' tenths.
    const diagram::LabelTexts formulas = chosen.examples().labels();
    diagram::RetainedPlot exact(chosen.plot().image().devicePixelRatio());
    exact.redraw(model::findPreset("phosphoric")->acid(), formulas);
    QVERIFY(chosen.plot().image() == exact.image());
    diagram::RetainedPlot tenths(chosen.plot().image().devicePixelRatio());
    tenths.redraw(clicked.acid(), formulas);
    QVERIFY(chosen.plot().image() != tenths.image());
    // The user's own clicks to the same values make no example of it: the bars' values.
    QVERIFY(clicked.examples().active() == nullptr);
    QCOMPARE(clicked.acid().exponents(),
             (model::Exponents{double(2.2f), double(7.2f), double(12.4f), 0.0}));
}

void TestExtras::exampleReadoutUsesTheLiteratureValues_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<double>("pH");
    QTest::addColumn<QStringList>("percents");
    // At the bars' 2.2 the first two species would stand at 50.0 % each.
    QTest::newRow("phosphoric at pH 2.2")
        << "phosphoric" << 2.2 << QStringList{"47.1 %", "52.9 %", "<0.1 %", "<0.1 %"};
    QTest::newRow("acetic at pH 4.8") << "acetic" << 4.8 << QStringList{"47.7 %", "52.3 %"};
    QTest::newRow("EDTA at pH 2.7")
        << "edta" << 2.7 << QStringList{"9.0 %", "45.0 %", "46.0 %", "<0.1 %", "<0.1 %"};
    // Bar 1 stands at 1.9.
    QTest::newRow("sulfurous at pH 1.9")
        << "sulfurous" << 1.9 << QStringList{"47.7 %", "52.3 %", "<0.1 %"};
}

void TestExtras::exampleReadoutUsesTheLiteratureValues() {
    QFETCH(QString, key);
    QFETCH(double, pH);
    QFETCH(QStringList, percents);
    MainWindow window(kDensity);
    exampleAction(window, key)->trigger();
    window.plotBox()->showReadout(pH);
    const diagram::Readout readout = *window.plotBox()->readout();
    QCOMPARE(readout.species, percents.size());
    // The fractions worked out here from the literature values, term by term.
    const std::vector<double>& pKa = model::findPreset(key.toStdString())->pKa;
    std::vector<double> terms{std::pow(10.0, -pH * static_cast<double>(pKa.size()))};
    for (std::size_t j = 0; j < pKa.size(); ++j) {
        terms.push_back(terms.back() * std::pow(10.0, pH - pKa[j]));
    }
    double sum = 0.0;
    for (double t : terms) {
        sum += t;
    }
    for (qsizetype j = 0; j < percents.size(); ++j) {
        const auto s = static_cast<std::size_t>(j);
        VELMORA_COMPARE_REL(readout.alpha[s], terms[s] / sum, 1e-12, 1e-300);
        QCOMPARE(diagram::percentText(readout.alpha[s]), percents[j]);
    }
}

void TestExtras::exampleEndsWhenTheUserMovesOn_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<std::function<void(MainWindow&)>>("moveOn");
    const auto step = [](int bar, QAbstractSlider::SliderAction a) {
        return [bar, a](MainWindow& w) { w.pKaBar(bar - 1)->triggerAction(a); };
    };
    const auto type = [](int n) {
        return [n](MainWindow& w) { QTest::mouseClick(w.acidTypeButton(n - 1), Qt::LeftButton); };
    };
    using Step = std::function<void(MainWindow&)>;
    const QString phosphoric = QStringLiteral("phosphoric");
    QTest::newRow("bar 1 up") << phosphoric << Step(step(1, QAbstractSlider::SliderSingleStepAdd));
    QTest::newRow("bar 3 down a page")
        << phosphoric << Step(step(3, QAbstractSlider::SliderPageStepSub));
    QTest::newRow("bar 2 away and back") << phosphoric << Step([](MainWindow& w) {
        w.pKaBar(1)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        w.pKaBar(1)->triggerAction(QAbstractSlider::SliderSingleStepSub);
    });
    // Bar 4 is raised to bar 3 inside the click: a nested handling ends the example.
    QTest::newRow("type 4") << phosphoric << Step(type(4));
    QTest::newRow("type 2 and back to 3") << phosphoric << Step([=](MainWindow& w) {
        type(2)(w);
        type(3)(w);
    });
    QTest::newRow("type 1") << phosphoric << Step(type(1));
    QTest::newRow("EDTA, bar 4 below the others")
        << "edta" << Step([](MainWindow& w) { w.pKaBar(3)->setValue(15); });
    QTest::newRow("EDTA, bar 2 to the end")
        << "edta" << Step(step(2, QAbstractSlider::SliderToMaximum));
    QTest::newRow("citric, type 4") << "citric" << Step(type(4));
    QTest::newRow("sulfurous acid, type 1") << "sulfurous" << Step(type(1));
    QTest::newRow("acetic, type 2") << "acetic" << Step(type(2));
}

void TestExtras::exampleEndsWhenTheUserMovesOn() {
    QFETCH(QString, key);
    QFETCH(std::function<void(MainWindow&)>, moveOn);
    const model::Preset* preset = model::findPreset(key.toStdString());
    const int n = preset->protons();
    MainWindow window(kDensity);
    exampleAction(window, key)->trigger();
    QVERIFY(window.examples().active() != nullptr);
    // The same bars reached by the user's own clicks: no example, the bars' values.
    MainWindow twin(kDensity);
    QTest::mouseClick(twin.acidTypeButton(n - 1), Qt::LeftButton);
    for (int k = 1; k <= n; ++k) {
        twin.pKaBar(k - 1)->setValue(preset->tenths()[static_cast<std::size_t>(k - 1)]);
    }
    // Clicking the example's own type again changes nothing: still its literature values.
    QTest::mouseClick(window.acidTypeButton(n - 1), Qt::LeftButton);
    QTest::mouseClick(twin.acidTypeButton(n - 1), Qt::LeftButton);
    QVERIFY(window.examples().active() != nullptr);
    QCOMPARE(window.acid().constants(), preset->acid().constants());
    QCOMPARE(window.pKaLabel(0)->text(), exampleValueTexts(*preset).first());

    QSignalSpy drawings(&window, &MainWindow::diagramDrawn);
    QSignalSpy twinDrawings(&twin, &MainWindow::diagramDrawn);
    moveOn(window);
    moveOn(twin);
    QVERIFY(window.examples().active() == nullptr);
    // From here on the window is the one the user's clicks make: the same bars, model, labels
    // and redraws.
    QCOMPARE(drawings.count(), twinDrawings.count());
    QCOMPARE(barValues(window, 4), barValues(twin, 4));
    QCOMPARE(window.acid().exponents(), twin.acid().exponents());
    const int type = window.acidTypes()->checkedId();
    for (int k = 1; k <= 4; ++k) {
        const int tenths = window.pKaBar(k - 1)->value();
        // Every enabled bar's exponent is its Value / 10, bars 1 to 3 in single precision; the
        // labels show tenths, the greyed ones too.
        const double expected = k > type ? 0.0
                                : k < 4  ? double(float(tenths) / 10.0f)
                                         : tenths / 10.0;
        QCOMPARE(window.acid().pKa(k), expected);
        QCOMPARE(window.pKaLabel(k - 1)->text(), QString::number(tenths / 10.0, 'f', 1));
        QCOMPARE(window.pKaLabel(k - 1)->text(), twin.pKaLabel(k - 1)->text());
        QCOMPARE(window.pKaLabel(k - 1)->font(), twin.pKaLabel(k - 1)->font());
        QCOMPARE(window.pKaLabel(k - 1)->contentsMargins(),
                 twin.pKaLabel(k - 1)->contentsMargins());
    }
    const int species = lastArgument<diagram::DrawnDiagram>(drawings).species;
    QStringList generic;
    for (int j = 0; j < species; ++j) {
        generic << QString::fromStdString(
            model::speciesNames(species - 1)[static_cast<std::size_t>(j)]);
    }
    QCOMPARE(lastLabels(drawings), generic);
    window.plotBox()->showReadout(7.0);
    QVERIFY(window.plotBox()->readout()->heading.isEmpty());
    const QString summary = window.plotBox()->accessibleDescription();
    QVERIFY(!summary.contains(QString::fromStdString(preset->name)));
    QCOMPARE(summary, twin.plotBox()->accessibleDescription());
}

void TestExtras::exportDataIsThePresetExport_data() {
    QTest::addColumn<QString>("key");
    for (const model::Preset& preset : model::presets()) {
        QTest::newRow(preset.key.c_str()) << QString::fromStdString(preset.key);
    }
}

void TestExtras::exportDataIsThePresetExport() {
    QFETCH(QString, key);
    QTemporaryDir dir;
    MainWindow window(kDensity);
    exampleAction(window, key)->trigger();
    const QString fromWindow = dir.filePath(QStringLiteral("window.csv"));
    QVERIFY(window.commands().exportDataTo(fromWindow));

    const QString fromCommandLine = dir.filePath(QStringLiteral("command.csv"));
    QProcess program;
    program.start(QStringLiteral(VELMORA_BINARY),
                  {QStringLiteral("--export"), fromCommandLine, QStringLiteral("--preset"), key});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);

    QFile a(fromWindow);
    QFile b(fromCommandLine);
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    const QByteArray windowBytes = a.readAll();
    QVERIFY(windowBytes.size() > 1000);
    QCOMPARE(windowBytes, b.readAll());
}

void TestExtras::copyPutsTwiceTheSizeOnTheClipboard() {
    MainWindow window(kDensity);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QGuiApplication::clipboard()->clear();
    QCOMPARE(window.commands().copyAction()->shortcut(), QKeySequence(QKeySequence::Copy));
    QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier);
    const QImage image = QGuiApplication::clipboard()->image();
    QCOMPARE(image.size(), QSize(990, 700));
    // The drawing at twice its size: the frame's left edge at x = 104, white inside it.
    QCOMPARE(image.pixelColor(2 * 52 + 1, 2 * 300).lightness() < 100, true);
    QCOMPARE(image.pixelColor(2 * 262 + 8, 2 * 290 + 4), QColor(Qt::white));
}

void TestExtras::saveDialogsSuggestTheAcid() {
    MainWindow window(kDensity);
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(documents).isDir()) {
        documents = QDir::homePath();
    }
    const DiagramCommands& commands = window.commands();
    QCOMPARE(commands.suggestedPath(QStringLiteral("png")),
             QDir(documents).filePath("diagram.png"));
    exampleAction(window, QStringLiteral("citric"))->trigger();
    QCOMPARE(commands.suggestedPath(QStringLiteral("csv")), QDir(documents).filePath("citric.csv"));
    window.pKaBar(1)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(commands.suggestedPath(QStringLiteral("svg")),
             QDir(documents).filePath("diagram.svg"));
}

void TestExtras::saveWritesByTheSuffix_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("PNG") << "d.png" << QByteArray("\x89PNG");
    QTest::newRow("SVG, upper-case suffix") << "d.SVG" << QByteArray("<?xml");
    QTest::newRow("PDF") << "d.pdf" << QByteArray("%PDF");
}

void TestExtras::saveWritesByTheSuffix() {
    QFETCH(QString, name);
    QFETCH(QByteArray, start);
    QTemporaryDir dir;
    MainWindow window(kDensity);
    const QString path = dir.filePath(name);
    bool ok = false;
    QCOMPARE(messagesDuring([&] { ok = window.commands().saveDiagramTo(path); }), QStringList());
    QVERIFY(ok);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith(start));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{name}); // no leftovers
}

void TestExtras::failedSaveSaysSoOnce_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("existing");
    QTest::newRow("folder missing") << "missing/d.png" << false;
    QTest::newRow("unknown suffix over an existing file") << "notes.txt" << true;
    QTest::newRow("no suffix") << "diagram" << false;
}

void TestExtras::failedSaveSaysSoOnce() {
    QFETCH(QString, name);
    QFETCH(bool, existing);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    if (existing) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("keep me");
    }
    MainWindow window(kDensity);
    bool ok = true;
    const QStringList messages =
        messagesDuring([&] { ok = window.commands().saveDiagramTo(path); });
    QVERIFY(!ok);
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].contains(QDir::toNativeSeparators(path)), qPrintable(messages[0]));
    QFile file(path);
    QCOMPARE(file.exists(), existing);
    if (existing) {
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("keep me"));
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), existing ? QStringList{name} : QStringList{});
}

void TestExtras::failedWriteGivesTheReason_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("save PNG") << "d.png";
    QTest::newRow("save SVG") << "d.svg";
    QTest::newRow("save PDF") << "d.pdf";
    QTest::newRow("export CSV") << "d.csv";
}

void TestExtras::failedWriteGivesTheReason() {
    QFETCH(QString, name);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    const QByteArray original("keep me, byte for byte\n");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(original) == original.size());
    }
    MainWindow window(kDensity);
    // No room for a single byte in any file this process writes, while the command runs.
    rlimit size{};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &size) == 0);
    const rlim_t previous = size.rlim_cur;
    size.rlim_cur = 0;
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &size) == 0);
    bool ok = true;
    const QStringList messages = messagesDuring([&] {
        ok = name.endsWith(u".csv") ? window.commands().exportDataTo(path)
                                    : window.commands().saveDiagramTo(path);
    });
    size.rlim_cur = previous;
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &size) == 0);

    QVERIFY(!ok);
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].contains(u"File too large"), qPrintable(messages[0]));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), original);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{name});
}

void TestExtras::exportWritesTheCsvWithTheFormulas() {
    QTemporaryDir dir;
    MainWindow window(kDensity);
    exampleAction(window, QStringLiteral("phosphoric"))->trigger();
    const QString path = dir.filePath(QStringLiteral("phosphoric.csv"));
    QVERIFY(window.commands().exportDataTo(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.value(0), QStringLiteral("pH,H3PO4,H2PO4^-,HPO4^2-,PO4^3-"));
    QCOMPARE(lines.size(), 1 + 141);
    // The row of pH 7 holds the window's model at pH 7.
    const QStringList row = lines.value(71).split(u',');
    QCOMPARE(row.value(0).toDouble(), 7.0);
    const auto alpha = model::fractionsAt(window.acid(), 7.0);
    for (int j = 0; j < 4; ++j) {
        VELMORA_COMPARE_REL(row.value(j + 1).toDouble(), alpha[static_cast<std::size_t>(j)], 1e-9);
    }

    // Once a bar moves, the generic names.
    window.pKaBar(0)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QVERIFY(window.commands().exportDataTo(path));
    file.close();
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QCOMPARE(file.readLine().trimmed(), QByteArray("pH,H3A,H2A-,HA2-,A3-"));

    const QString missing = dir.filePath(QStringLiteral("missing/x.csv"));
    bool ok = true;
    QCOMPARE(messagesDuring([&] { ok = window.commands().exportDataTo(missing); }).size(), 1);
    QVERIFY(!ok);
    QVERIFY(!QFile::exists(missing));
}

void TestExtras::printWritesOnePage() {
    QTemporaryDir dir;
    MainWindow window(kDensity);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
    QVERIFY(window.commands().printDiagram(printer));
    QFile file(printer.outputFileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF"));
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    QCOMPARE(QString::fromLatin1(pdf).count(page), 1);

    QPrinter nowhere(QPrinter::HighResolution);
    nowhere.setOutputFormat(QPrinter::PdfFormat);
    nowhere.setOutputFileName(dir.filePath(QStringLiteral("missing/printed.pdf")));
    bool ok = true;
    QCOMPARE(messagesDuring([&] { ok = window.commands().printDiagram(nowhere); }).size(), 1);
    QVERIFY(!ok);
}

void TestExtras::spokenSummary_data() {
    QTest::addColumn<int>("type");    // an acid type clicked, or 0
    QTest::addColumn<QString>("key"); // else an example acid chosen
    QTest::addColumn<QString>("summary");
    QTest::newRow("monoprotic") << 1 << QString()
                                << "Monoprotic acid. HA predominates below pH 2.1, A- above 2.1.";
    QTest::newRow("diprotic") << 2 << QString()
                              << "Diprotic acid. H2A predominates below pH 2.1, HA- from 2.1 to "
                                 "5.4, A2- above 5.4.";
    QTest::newRow("triprotic") << 3 << QString()
                               << "Triprotic acid. H3A predominates below pH 2.1, H2A- from 2.1 to "
                                  "5.4, HA2- from 5.4 to 9.7, A3- above 9.7.";
    QTest::newRow("tetraprotic")
        << 4 << QString()
        << "Tetraprotic acid. H4A predominates below pH 2.1, H3A- from 2.1 "
           "to 5.4, H2A2- from 5.4 to 9.7, HA3- from 9.7 to 12.3, A4- above "
           "12.3.";
    // An example's boundaries are its literature values, said as precisely as they are written.
    QTest::newRow("phosphoric acid")
        << 0 << "phosphoric"
        << "Phosphoric acid. Triprotic acid. H3PO4 predominates below pH 2.15, H2PO4 - from 2.15 "
           "to 7.20, HPO4 2- from 7.20 to 12.35, PO4 3- above 12.35.";
    QTest::newRow("EDTA") << 0 << "edta"
                          << "EDTA. Tetraprotic acid. H4Y predominates below pH 2.00, H3Y - from "
                             "2.00 to 2.69, H2Y 2- from 2.69 to 6.13, HY 3- from 6.13 to 10.37, "
                             "Y 4- above 10.37.";
}

void TestExtras::spokenSummary() {
    QFETCH(int, type);
    QFETCH(QString, key);
    QFETCH(QString, summary);
    MainWindow window(kDensity);
    if (type > 0) {
        QTest::mouseClick(window.acidTypeButton(type - 1), Qt::LeftButton);
    } else {
        exampleAction(window, key)->trigger();
    }
    QCOMPARE(window.plotBox()->accessibleDescription(), summary);
    // Renewed on every redraw: bar 1 up a whole unit, to 3.0 .. 3.2, said in tenths again.
    window.pKaBar(0)->triggerAction(QAbstractSlider::SliderPageStepAdd);
    const QString after = window.plotBox()->accessibleDescription();
    QVERIFY2(after.contains(u"below pH 3."), qPrintable(after));
    static const QRegularExpression hundredths(QStringLiteral("\\d\\.\\d\\d"));
    QVERIFY2(!after.contains(hundredths), qPrintable(after));
}

void TestExtras::everyControlHasAName() {
    MainWindow window(kDensity);
    for (const ControlDesign& control : mainWindowDesign().controls) {
        const QWidget* w = window.form().widget(control.name, control.index);
        QVERIFY(w != nullptr);
        QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(control.name));
    }
    for (const QMenu* menu : {window.plotMenu(), window.examples().menu()}) {
        for (const QAction* action : menu->actions()) {
            QVERIFY(action->isSeparator() || !action->text().isEmpty());
        }
    }
    QCOMPARE(window.examples().menu()->title(), QStringLiteral("Example acids"));
}

void TestExtras::sharpAtTheScreensPixelRatio() {
    // Run once as it is and once with QT_SCALE_FACTOR=2 (test_extras_2x).
    const qreal ratio = test::scaleFactor();
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy drawings(&window, &MainWindow::diagramDrawn);
    exampleAction(window, QStringLiteral("citric"))->trigger();
    QCOMPARE(window.plot().image().size(), QSize(qRound(495 * ratio), qRound(350 * ratio)));
    QCOMPARE(window.plotBox()->geometry(), QRect(4, 4, 495, 350));
    // Every coordinate of the drawing is the one of a drawing at one pixel per unit.
    diagram::RetainedPlot reference(1.0);
    const diagram::DrawnDiagram expected =
        reference.redraw(window.acid(), window.examples().labels());
    const auto drawn = lastArgument<diagram::DrawnDiagram>(drawings);
    QCOMPARE(drawn.species, expected.species);
    QCOMPARE(drawn.labelAt, expected.labelAt);
    QCOMPARE(drawn.labels, expected.labels);
    // The readout maps the pointer in logical pixels too.
    QTest::mouseMove(window.plotBox(), plotPoint(4.5));
    QCOMPARE(window.plotBox()->readoutPh(), std::optional<double>(4.5));
    const QImage shown = window.plotBox()->grab().toImage();
    QCOMPARE(shown.size(), window.plot().image().size());
    // The clipboard image does not depend on the screen.
    window.commands().copyDiagram();
    QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(990, 700));
}

QTEST_MAIN(TestExtras)
#include "test_extras.moc"
