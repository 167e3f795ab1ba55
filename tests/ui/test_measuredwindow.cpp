// SPDX-License-Identifier: GPL-3.0-or-later
// The solution window with measured titrations: a file opened, a refused file or paste that keeps
// the data before it, cells pasted on the drawing and files dropped on the window, the model
// fitted and its values carried into the solution, the data cleared, the last file remembered.

#include "testsupport.h"

#include "ui/common/diagramcommands.h"
#include "ui/solution/chartview.h"
#include "ui/solution/measuredcommands.h"
#include "ui/solution/measureddata.h"
#include "ui/solution/measuredpanel.h"
#include "ui/solution/numberfield.h"
#include "ui/solution/solutionpanel.h"
#include "ui/solution/solutionsettings.h"
#include "ui/solution/solutionwindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <cmath>
#include <numbers>
#include <random>

using namespace velmora;
using namespace velmora::ui;
using velmora::test::bisectedPh;
using velmora::test::closeTo;

namespace {

/** A weak acid titrated with a strong base, as the tests build it themselves. */
struct Truth {
    double concentration = 0.1; ///< mol/L of the acid
    double pKa = 4.76;
    double sampleVolume = 25.0; ///< mL
    double titrant = 0.1;       ///< mol/L of NaOH
};

/**
 * The pH of the beaker after `volume` mL: the charge balance [H+] + [Na+] = [OH−] + [A−] at 25 °C
 * with ideal activities, bisected.
 */
double beakerPh(const Truth& truth, double volume) {
    const double total = truth.sampleVolume + volume;
    const double acid = truth.concentration * truth.sampleVolume / total;
    const double sodium = truth.titrant * volume / total;
    const double ka = std::pow(10.0, -truth.pKa);
    return bisectedPh([&](double pH) {
        const double h = std::pow(10.0, -pH);
        return h + sodium - 1e-14 / h - acid * ka / (ka + h);
    });
}

/** Normal deviates from a fixed seed by Box and Muller, the same on every library. */
class Noise {
public:
    Noise(unsigned seed, double sigma) : m_engine(seed), m_sigma(sigma) {}
    double next() {
        const auto uniform = [this] {
            return (static_cast<double>(m_engine()) + 1.0) / 4294967297.0;
        };
        const double radius = std::sqrt(-2.0 * std::log(uniform()));
        return m_sigma * radius * std::cos(2.0 * std::numbers::pi * uniform());
    }

private:
    std::mt19937 m_engine;
    double m_sigma;
};

/** Measured points of `truth`, 1 to 40 mL in 1 mL steps, as a spreadsheet writes them. */
QByteArray measuredText(const Truth& truth, unsigned seed, double sigma, char separator = ',',
                        char decimal = '.') {
    Noise noise(seed, sigma);
    QByteArray text = QByteArray("V (mL)") + separator + "pH\n";
    for (int step = 1; step <= 40; ++step) {
        const double volume = step;
        QByteArray pH = QByteArray::number(beakerPh(truth, volume) + noise.next(), 'f', 3);
        QByteArray v = QByteArray::number(volume, 'f', 2);
        if (decimal == ',') {
            pH.replace('.', ',');
            v.replace('.', ',');
        }
        text += v + separator + pH + '\n';
    }
    return text;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

/** The window's solution set to a weak acid near `truth`, titrated with NaOH. */
void setStart(SolutionWindow& window, double concentration, double pKa) {
    SolutionInputs inputs;
    inputs.acid = model::PolyproticAcid(std::vector<double>{pKa});
    inputs.solution.concentration = concentration;
    inputs.titration = {25.0, model::Titrant::Base, 0.1, 0.0};
    window.panel().setInputs(inputs);
    window.panel().followBox()->setChecked(false);
    emit window.panel().inputsChanged();
}

int offerIndex(const MeasuredData& data, const char* name) {
    for (std::size_t i = 0; i < data.offers().size(); ++i) {
        if (data.offers()[i].name == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

class TestMeasuredWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void fileMenu();
    void openAFile_data();
    void openAFile();
    void refusedKeepsTheDataBefore_data();
    void refusedKeepsTheDataBefore();
    void pastedOnTheDrawing();
    void droppedOnTheWindow();
    void fitAndUseFittedValues_data();
    void fitAndUseFittedValues();
    void fitRefusedInPlainWords();
    void fittedOffsetIsDrawn();
    void exportedWithTheMeasuredPoints_data();
    void exportedWithTheMeasuredPoints();
    void cleared();
    void lastFileRemembered();

private:
    QTemporaryDir m_config;
    QTemporaryDir m_files;
};

void TestMeasuredWindow::initTestCase() {
    QVERIFY(m_config.isValid());
    QVERIFY(m_files.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
}

void TestMeasuredWindow::init() {
    QFile::remove(solutionSettingsFile());
    QVERIFY(solutionSettingsFile().startsWith(m_config.path()));
}

void TestMeasuredWindow::fileMenu() {
    SolutionWindow window;
    QMenu* file = window.menuBar()->actions().first()->menu();
    MeasuredCommands& commands = window.measuredCommands();
    const QList<QAction*> entries = file->actions();
    const qsizetype open = entries.indexOf(commands.openAction());
    QVERIFY(open > 0);
    QCOMPARE(entries.mid(open, 4),
             (QList<QAction*>{commands.openAction(), commands.pasteAction(), commands.clearAction(),
                              commands.copyFitAction()}));
    QCOMPARE(commands.openAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    // Nothing to clear or copy yet.
    QVERIFY(!commands.clearAction()->isEnabled());
    QVERIFY(!commands.copyFitAction()->isEnabled());
    // Without data the panel only says how to get some.
    MeasuredPanel& panel = window.measuredPanel();
    QVERIFY(!panel.sourceLabel()->text().isEmpty());
    QVERIFY(panel.fitButton()->isHidden() || !panel.fitButton()->isVisibleTo(&window));
    QVERIFY(!panel.clearButton()->isVisibleTo(&window));
}

void TestMeasuredWindow::openAFile_data() {
    QTest::addColumn<char>("separator");
    QTest::addColumn<char>("decimal");
    QTest::newRow("comma, point") << ',' << '.';
    QTest::newRow("semicolon, decimal comma") << ';' << ',';
    QTest::newRow("tab, point") << '\t' << '.';
}

void TestMeasuredWindow::openAFile() {
    QFETCH(char, separator);
    QFETCH(char, decimal);
    SolutionWindow window;
    const QString path = m_files.filePath(QStringLiteral("acetic.csv"));
    writeFile(path, measuredText(Truth{}, 7, 0.01, separator, decimal));
    QCOMPARE(window.measuredCommands().openFrom(path), QString());
    const MeasuredData& data = window.measured();
    QVERIFY(data.hasData());
    QCOMPARE(data.points().size(), std::size_t{40});
    QCOMPARE(data.points().front().volume, 1.0);
    QCOMPARE(data.points().back().volume, 40.0);
    QVERIFY(closeTo(data.points()[9].pH, beakerPh(Truth{}, 10.0), 0.0, 0.05));
    MeasuredPanel& panel = window.measuredPanel();
    QVERIFY(panel.sourceLabel()->text().contains(QStringLiteral("acetic.csv")));
    QVERIFY(panel.sourceLabel()->text().contains(QStringLiteral("40")));
    QVERIFY(panel.problemLabel()->text().isEmpty());
    QVERIFY(window.measuredCommands().clearAction()->isEnabled());
    QVERIFY(panel.clearButton()->isVisibleTo(&window));

    // The end point of 25 mL is found and listed, within the volume step.
    bool derivative = false;
    for (const model::EndPoint& point : data.endPoints().endPoints) {
        QVERIFY2(std::abs(point.volume - 25.0) <= 1.0, qPrintable(QString::number(point.volume)));
        derivative = derivative || point.method == model::EndPointMethod::Derivative;
    }
    QVERIFY(derivative);
    QVERIFY(panel.endPointsLabel()->text().contains(QStringLiteral("mL")));
    QCOMPARE(window.measuredCommands().lastFile(), QFileInfo(path).absoluteFilePath());

    // Drawn on the titration, its derivative and Gran's plot, at once or when shown.
    for (const charts::ChartKind kind :
         {charts::ChartKind::Titration, charts::ChartKind::Derivative, charts::ChartKind::Gran}) {
        const charts::ChartRequest drawn = window.view(kind)->request();
        QCOMPARE(drawn.measured.size(), std::size_t{40});
        QCOMPARE(drawn.measured[9].pH, data.points()[9].pH);
        QCOMPARE(drawn.pHOffset, 0.0);
    }
}

void TestMeasuredWindow::refusedKeepsTheDataBefore_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("line");
    QTest::newRow("volume going backwards")
        << QByteArray("V,pH\n1,3.1\n2,3.5\n3,3.9\n2.5,4.1\n4,4.3\n5,4.6\n") << QStringLiteral("5");
    QTest::newRow("pH out of range")
        << QByteArray("V,pH\n1,3.1\n2,3.5\n3,17.2\n4,4.3\n5,4.6\n") << QStringLiteral("4");
    QTest::newRow("no numbers") << QByteArray("V,pH\n1,3.1\n2,acid\n3,3.9\n4,4.3\n5,4.6\n")
                                << QStringLiteral("3");
    QTest::newRow("fewer than 5 points")
        << QByteArray("V,pH\n1,3.1\n2,3.5\n3,3.9\n4,4.3\n") << QString();
}

void TestMeasuredWindow::refusedKeepsTheDataBefore() {
    QFETCH(QByteArray, text);
    QFETCH(QString, line);
    SolutionWindow window;
    const QString good = m_files.filePath(QStringLiteral("good.csv"));
    writeFile(good, measuredText(Truth{}, 11, 0.01));
    QCOMPARE(window.measuredCommands().openFrom(good), QString());
    const std::vector<model::TitrationPoint> before = window.measured().points();
    const charts::ChartRequest drawn = window.request();

    const QString bad = m_files.filePath(QStringLiteral("bad.csv"));
    writeFile(bad, text);
    const QString problem = window.measuredCommands().openFrom(bad);
    QVERIFY(!problem.isEmpty());
    QVERIFY(problem.contains(QStringLiteral("bad.csv")));
    if (!line.isEmpty()) {
        QVERIFY2(problem.contains(line), qPrintable(problem));
    }
    // Said beside the data, the data and the drawing as they were, the good file still the last.
    QLabel* label = window.measuredPanel().problemLabel();
    QCOMPARE(label->text(), problem);
    QVERIFY(label->isVisibleTo(&window));
    QCOMPARE(window.measured().points().size(), before.size());
    QCOMPARE(window.measured().points().back().pH, before.back().pH);
    QVERIFY(window.request() == drawn);
    QCOMPARE(window.measuredCommands().lastFile(), QFileInfo(good).absoluteFilePath());

    // The same text pasted is refused the same way.
    QApplication::clipboard()->setText(QString::fromUtf8(text));
    QVERIFY(!window.measuredCommands().paste().isEmpty());
    QCOMPARE(window.measured().points().size(), before.size());

    // Good data again take the problem away.
    QCOMPARE(window.measuredCommands().openFrom(good), QString());
    QVERIFY(!label->isVisibleTo(&window));
}

void TestMeasuredWindow::pastedOnTheDrawing() {
    SolutionWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Cells copied from a spreadsheet: tab-separated, with a header.
    QApplication::clipboard()->setText(QString::fromUtf8(measuredText(Truth{}, 3, 0.01, '\t')));
    ChartView* titration = window.view(charts::ChartKind::Titration);
    window.tabs()->setCurrentWidget(titration);
    titration->setFocus();
    QTRY_VERIFY(titration->hasFocus());
    QTest::keyClick(titration, Qt::Key_V, Qt::ControlModifier);
    QVERIFY(window.measured().hasData());
    QCOMPARE(window.measured().points().size(), std::size_t{40});
    QVERIFY(window.measuredPanel().sourceLabel()->text().contains(QStringLiteral("pasted")));

    // In a field, Ctrl+V pastes into the field and leaves the data alone.
    window.measured().clear();
    NumberField* field = window.panel().volumeField();
    QApplication::clipboard()->setText(QStringLiteral("30"));
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QVERIFY(!window.measured().hasData());
}

void TestMeasuredWindow::droppedOnTheWindow() {
    SolutionWindow window;
    const QString path = m_files.filePath(QStringLiteral("dropped.csv"));
    writeFile(path, measuredText(Truth{}, 5, 0.01, ';', ','));
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    QVERIFY(MeasuredCommands::accepts(mime));
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    QVERIFY(window.measured().hasData());
    QVERIFY(window.measuredPanel().sourceLabel()->text().contains(QStringLiteral("dropped.csv")));

    // Text dropped is read as pasted cells; a drop of nothing readable is not accepted.
    QMimeData text;
    text.setText(QString::fromUtf8(measuredText(Truth{0.05, 4.2, 25.0, 0.1}, 9, 0.01)));
    QCOMPARE(window.measuredCommands().drop(text), QString());
    QVERIFY(window.measured().points().front().pH < beakerPh(Truth{}, 1.0) + 0.1);
    QMimeData nothing;
    QVERIFY(!MeasuredCommands::accepts(nothing));
}

void TestMeasuredWindow::fitAndUseFittedValues_data() {
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<double>("sigma");
    QTest::newRow("seed 1, 0.005 pH") << 1u << 0.005;
    QTest::newRow("seed 2, 0.01 pH") << 2u << 0.01;
    QTest::newRow("seed 3, 0.02 pH") << 3u << 0.02;
}

void TestMeasuredWindow::fitAndUseFittedValues() {
    QFETCH(unsigned, seed);
    QFETCH(double, sigma);
    SolutionWindow window;
    window.panel().followBox()->setChecked(true);
    setStart(window, 0.08, 4.5);
    const QString path = m_files.filePath(QStringLiteral("fit.csv"));
    const Truth truth;
    writeFile(path, measuredText(truth, seed, sigma));
    QCOMPARE(window.measuredCommands().openFrom(path), QString());
    MeasuredData& data = window.measured();
    MeasuredPanel& panel = window.measuredPanel();

    // The concentration and the constant the data cover are chosen; their start is the solution.
    const int conc = offerIndex(data, "conc");
    const int pka = offerIndex(data, "pka1");
    const int titrant = offerIndex(data, "titrant");
    QVERIFY(conc >= 0 && pka >= 0 && titrant >= 0);
    QVERIFY(panel.choiceBox(conc)->isChecked());
    QVERIFY(panel.choiceBox(pka)->isChecked());
    QVERIFY(!panel.choiceBox(titrant)->isChecked());
    QCOMPARE(data.offers()[static_cast<std::size_t>(pka)].start, 4.5);

    panel.fitButton()->click();
    QVERIFY2(data.result().has_value(), qPrintable(data.fitProblem()));
    const model::TitrationFit& fit = *data.result();
    QCOMPARE(fit.values.size(), std::size_t{2});
    QCOMPARE(fit.pointsUsed, 40);
    const double expected[] = {truth.concentration, truth.pKa};
    for (std::size_t i = 0; i < 2; ++i) {
        const model::FittedValue& value = fit.values[i];
        QVERIFY(value.standardError > 0.0);
        QVERIFY2(std::abs(value.value - expected[i]) <= 3.0 * value.standardError,
                 qPrintable(QStringLiteral("%1 ± %2").arg(value.value).arg(value.standardError)));
    }
    QVERIFY(closeTo(fit.residualDeviation, sigma, 0.5));
    QCOMPARE(panel.resultRows(), 2);
    QVERIFY(panel.resultTable()->isVisibleTo(&window));
    QVERIFY(panel.statisticsLabel()->text().contains(QStringLiteral("n = 40")));
    QVERIFY(panel.useButton()->isEnabled());

    // Copied as the command line prints it.
    QApplication::clipboard()->clear();
    panel.copyButton()->click();
    const QStringList lines = QApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
    QVERIFY(lines.size() >= 4);
    QVERIFY(lines[0].startsWith(QStringLiteral("conc ")) &&
            lines[0].endsWith(QStringLiteral(" mol/L")));
    QVERIFY(lines[0].contains(QStringLiteral(" ± ")));
    QVERIFY(lines[1].startsWith(QStringLiteral("pka1 ")));
    QCOMPARE(lines[3], QStringLiteral("n 40"));

    // The fitted values go into the solution; the acid is the window's own from then on.
    panel.useButton()->click();
    const SolutionInputs& inputs = window.panel().inputs();
    QCOMPARE(inputs.solution.concentration, fit.values[0].value);
    QCOMPARE(inputs.acid.pKa(0), fit.values[1].value);
    QVERIFY(!window.following());
    // The start values follow, and a fit from there finds the same.
    QCOMPARE(data.offers()[static_cast<std::size_t>(pka)].start, fit.values[1].value);
    const model::TitrationFit first = fit;
    panel.fitButton()->click();
    // Started at its own optimum, the solver finds no lower step at once: still a result.
    QVERIFY2(data.result().has_value(), qPrintable(data.fitProblem()));
    QVERIFY(closeTo(data.result()->values[1].value, first.values[1].value, 1e-4));
}

void TestMeasuredWindow::fitRefusedInPlainWords() {
    SolutionWindow window;
    // A second constant far above the measured range cannot be found from the data.
    SolutionInputs inputs;
    inputs.acid = model::PolyproticAcid(std::vector<double>{4.76, 15.5});
    inputs.titration = {25.0, model::Titrant::Base, 0.1, 0.0};
    window.panel().setInputs(inputs);
    emit window.panel().inputsChanged();
    const QString path = m_files.filePath(QStringLiteral("range.csv"));
    writeFile(path, measuredText(Truth{}, 4, 0.01));
    QCOMPARE(window.measuredCommands().openFrom(path), QString());
    MeasuredData& data = window.measured();
    MeasuredPanel& panel = window.measuredPanel();
    const int pka2 = offerIndex(data, "pka2");
    QVERIFY(pka2 >= 0);
    // Not chosen by itself; chosen by hand, it is refused by name.
    QVERIFY(!panel.choiceBox(pka2)->isChecked());
    panel.choiceBox(pka2)->setChecked(true);
    // The choice stays while the solution keeps its values to fit (another sample volume) ...
    SolutionInputs other = window.panel().inputs();
    other.titration.sampleVolume = 20.0;
    window.panel().setInputs(other);
    emit window.panel().inputsChanged();
    QVERIFY(panel.choiceBox(pka2)->isChecked());
    other.titration.sampleVolume = 25.0;
    window.panel().setInputs(other);
    emit window.panel().inputsChanged();
    panel.fitButton()->click();
    QVERIFY(!data.result().has_value());
    QVERIFY2(panel.fitProblemLabel()->text().contains(QStringLiteral("pka2")),
             qPrintable(panel.fitProblemLabel()->text()));
    QVERIFY(panel.fitProblemLabel()->isVisibleTo(&window));
    QVERIFY(!panel.resultTable()->isVisibleTo(&window));
    QVERIFY(!panel.useButton()->isEnabled());

    // Nothing chosen: no fit to ask for.
    for (int i = 0; i < panel.choiceCount(); ++i) {
        if (panel.choiceBox(i)->isVisibleTo(&window)) {
            panel.choiceBox(i)->setChecked(false);
        }
    }
    QVERIFY(!panel.fitButton()->isEnabled());
}

void TestMeasuredWindow::fittedOffsetIsDrawn() {
    SolutionWindow window;
    setStart(window, 0.1, 4.76);
    // An electrode that reads 0.05 too high.
    QByteArray text = "V,pH\n";
    Noise noise(21, 0.005);
    for (int step = 1; step <= 40; ++step) {
        text += QByteArray::number(step) + ',' +
                QByteArray::number(beakerPh(Truth{}, step) + 0.05 + noise.next(), 'f', 4) + '\n';
    }
    QApplication::clipboard()->setText(QString::fromUtf8(text));
    QCOMPARE(window.measuredCommands().paste(), QString());
    MeasuredData& data = window.measured();
    const int offset = offerIndex(data, "offset");
    QVERIFY(offset >= 0);
    QVERIFY(!window.measuredPanel().choiceBox(offset)->isChecked());
    window.measuredPanel().choiceBox(offset)->setChecked(true);
    window.measuredPanel().fitButton()->click();
    QVERIFY2(data.result().has_value(), qPrintable(data.fitProblem()));
    const model::FittedValue fitted = data.result()->values.back();
    QCOMPARE(fitted.parameter.quantity, model::FitQuantity::PhOffset);
    QVERIFY2(std::abs(fitted.value - 0.05) <= 3.0 * fitted.standardError,
             qPrintable(QString::number(fitted.value)));
    // Not drawn until it is used; then the model is drawn as the electrode reads it.
    QCOMPARE(window.request().pHOffset, 0.0);
    window.measuredPanel().useButton()->click();
    QCOMPARE(window.request().pHOffset, fitted.value);
    QCOMPARE(window.view(charts::ChartKind::Titration)->request().pHOffset, fitted.value);
    // New data start again from the electrode as it is.
    QCOMPARE(window.measuredCommands().paste(), QString());
    QCOMPARE(window.request().pHOffset, 0.0);
}

void TestMeasuredWindow::exportedWithTheMeasuredPoints_data() {
    QTest::addColumn<charts::ChartKind>("kind");
    QTest::addColumn<QString>("header");
    QTest::addColumn<int>("rows");
    QTest::newRow("titration") << charts::ChartKind::Titration
                               << QStringLiteral("V/mL,pH,pH model,residual") << 40;
    QTest::newRow("gran") << charts::ChartKind::Gran
                          << QStringLiteral("V/mL,Gran before,line before,Gran after,line after")
                          << -1;
}

void TestMeasuredWindow::exportedWithTheMeasuredPoints() {
    QFETCH(charts::ChartKind, kind);
    QFETCH(QString, header);
    QFETCH(int, rows);
    SolutionWindow window;
    setStart(window, 0.1, 4.76);
    const QString path = m_files.filePath(QStringLiteral("export.csv"));
    writeFile(path, measuredText(Truth{}, 12, 0.01));
    QCOMPARE(window.measuredCommands().openFrom(path), QString());
    window.tabs()->setCurrentWidget(window.view(kind));
    const QString csv = m_files.filePath(QStringLiteral("exported.csv"));
    QVERIFY(window.commands().exportDataTo(csv));
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.value(0), header);
    if (rows >= 0) {
        QCOMPARE(lines.size(), rows + 1);
        // The measured pH of the tenth point as read, and the model beside it.
        const QStringList tenth = lines[10].split(u',');
        QCOMPARE(tenth.value(0).toDouble(), 10.0);
        QCOMPARE(tenth.value(1).toDouble(), window.measured().points()[9].pH);
        QVERIFY(std::abs(tenth.value(2).toDouble() - beakerPh(Truth{}, 10.0)) < 1e-3);
    } else {
        QVERIFY(lines.size() > 5);
    }
}

void TestMeasuredWindow::cleared() {
    SolutionWindow window;
    const QString path = m_files.filePath(QStringLiteral("clear.csv"));
    writeFile(path, measuredText(Truth{}, 8, 0.01));
    QCOMPARE(window.measuredCommands().openFrom(path), QString());
    window.measuredPanel().fitButton()->click();
    QVERIFY(window.measured().result().has_value());
    QVERIFY(window.measuredCommands().copyFitAction()->isEnabled());
    window.measuredCommands().clearAction()->trigger();
    QVERIFY(!window.measured().hasData());
    QVERIFY(!window.measured().result().has_value());
    QVERIFY(window.measured().endPoints().endPoints.empty());
    QVERIFY(window.request().measured.empty());
    QVERIFY(!window.measuredCommands().clearAction()->isEnabled());
    QVERIFY(!window.measuredCommands().copyFitAction()->isEnabled());
    QVERIFY(!window.measuredPanel().clearButton()->isVisibleTo(&window));
    // The file is still the one to start the dialog at.
    QCOMPARE(window.measuredCommands().lastFile(), QFileInfo(path).absoluteFilePath());
}

void TestMeasuredWindow::lastFileRemembered() {
    const QString path = m_files.filePath(QStringLiteral("remembered.csv"));
    writeFile(path, measuredText(Truth{}, 6, 0.01));
    {
        SolutionWindow window;
        QCOMPARE(window.measuredCommands().openFrom(path), QString());
        window.saveSettings();
    }
    SolutionSettings settings;
    QCOMPARE(settings.load().lastMeasured, QFileInfo(path).absoluteFilePath());
    // The path is remembered, not the data.
    SolutionWindow again;
    QCOMPARE(again.measuredCommands().lastFile(), QFileInfo(path).absoluteFilePath());
    QVERIFY(!again.measured().hasData());
}

QTEST_MAIN(TestMeasuredWindow)
#include "test_measuredwindow.moc"
