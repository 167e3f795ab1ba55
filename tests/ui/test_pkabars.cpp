// SPDX-License-Identifier: GPL-3.0-or-later
// The pKa scroll bars and the acid-type buttons driven like a user: the ordering cascade with
// its nested redraws, the acid-type switches, the keyboard and the mouse on the bars, and a long
// random walk after every step of which the window is consistent.

#include "testsupport.h"

#include "ui/common/form.h"
#include "ui/main/mainwindow.h"
#include "ui/main/mainwindowdesign.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QtTest>

#include <QRegularExpression>

#include <random>

using namespace velmora;
using namespace velmora::ui;
using test::lastArgument;

namespace {

using Values = QList<int>;
using Exponents = QList<double>;

Values valuesOf(const MainWindow& w) {
    return {w.pKaBar(0)->value(), w.pKaBar(1)->value(), w.pKaBar(2)->value(), w.pKaBar(3)->value()};
}

QStringList labelsOf(const MainWindow& w) {
    return {w.pKaLabel(0)->text(), w.pKaLabel(1)->text(), w.pKaLabel(2)->text(),
            w.pKaLabel(3)->text()};
}

Exponents exponentsOf(const MainWindow& w) {
    const auto e = w.acid().exponents();
    return {e[0], e[1], e[2], e[3]};
}

/** The number of species of the window's last drawing. */
int speciesDrawn(const QSignalSpy& drawings) {
    return lastArgument<diagram::DrawnDiagram>(drawings).species;
}

/** Whether a value label's text reads as its bar's Value in tenths, with the pattern "##.0". */
bool labelShows(const QString& text, int value) {
    static const QRegularExpression pattern(QStringLiteral("^([1-9][0-9]*)?\\.[0-9]$"));
    return pattern.match(text).hasMatch() && qRound(text.toDouble() * 10.0) == value;
}

bool sameExponents(const Exponents& actual, const Exponents& expected) {
    for (qsizetype i = 0; i < actual.size(); ++i) {
        if (std::abs(actual[i] - expected[i]) > 1e-6) {
            return false;
        }
    }
    return true;
}

QString describe(const Exponents& e) {
    QStringList parts;
    for (double x : e) {
        parts << QString::number(x, 'g', 10);
    }
    return parts.join(u", ");
}

/** The point in the middle of a part of a scroll bar (arrow, trough). */
QPoint pointOf(QScrollBar* bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar).center();
}

} // namespace

class TestPkaBars : public QObject {
    Q_OBJECT

private slots:
    void labelPattern_data();
    void labelPattern();
    void exponentPrecision_data();
    void exponentPrecision();
    void cascade_data();
    void cascade();
    void indexOutsideRunsOnlyTheRedraw();
    void acidTypeEdgeCases();
    void smallerTypeLosesNothing();
    void keyboardSteps_data();
    void keyboardSteps();
    void acidTypeByKeyboard();
    void mouseOnArrowAndTrough();
    void thumbDragFollows();
    void randomWalkKeepsTheWindowConsistent();
};

void TestPkaBars::labelPattern_data() {
    QTest::addColumn<double>("pKa");
    QTest::addColumn<QString>("text");
    // Bars 1 to 3 hold single-precision tenths, which the label must still show as tenths.
    QTest::newRow("12.3") << 12.3 << QStringLiteral("12.3");
    QTest::newRow("10.0 single") << static_cast<double>(10.0f) << QStringLiteral("10.0");
    QTest::newRow("13.0") << 13.0 << QStringLiteral("13.0");
    QTest::newRow("2.1 single") << static_cast<double>(2.1f) << QStringLiteral("2.1");
    QTest::newRow("1.0") << 1.0 << QStringLiteral("1.0");
    QTest::newRow("0.7: no digit before the point")
        << static_cast<double>(0.7f) << QStringLiteral(".7");
    QTest::newRow("0") << 0.0 << QStringLiteral(".0");
    QTest::newRow("12.7 single") << static_cast<double>(12.7f) << QStringLiteral("12.7");
}

void TestPkaBars::labelPattern() {
    QFETCH(double, pKa);
    QFETCH(QString, text);
    QCOMPARE(pKaText(pKa), text);
}

void TestPkaBars::exponentPrecision_data() {
    QTest::addColumn<int>("bar");
    QTest::addColumn<int>("value");
    QTest::addColumn<double>("pKa");
    QTest::newRow("bar 1: single-precision tenth") << 1 << 22 << 2.2000000476837158;
    QTest::newRow("bar 2: single-precision tenth") << 2 << 77 << 7.6999998092651367;
    QTest::newRow("bar 3: single-precision tenth") << 3 << 99 << 9.8999996185302734;
    QTest::newRow("bar 4: double-precision tenth") << 4 << 127 << 12.7;
}

void TestPkaBars::exponentPrecision() {
    QFETCH(int, bar);
    QFETCH(int, value);
    QFETCH(double, pKa);
    MainWindow window(ScreenDensity{15.0f, 15.0f});
    window.pKaBar(bar - 1)->setValue(value);
    QCOMPARE(window.acid().pKa(bar), pKa); // exactly
    // A step away and back gives the same exponent again.
    window.pKaBar(bar - 1)->triggerAction(QAbstractSlider::SliderSingleStepSub);
    window.pKaBar(bar - 1)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(window.acid().pKa(bar), pKa);
}

void TestPkaBars::cascade_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("bar");
    QTest::addColumn<int>("to");
    QTest::addColumn<Values>("values");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<Exponents>("pKa");
    QTest::addColumn<int>("redraws");

    // From the start state: Values 21, 54, 97, 123.
    QTest::newRow("bar 1 to 60 pushes bar 2")
        << 4 << 1 << 60 << Values{60, 60, 97, 123} << QStringList{"6.0", "6.0", "9.7", "12.3"}
        << Exponents{6.0, 6.0, 9.7, 12.3} << 2;
    QTest::newRow("bar 4 to 20 pulls 3, 2, 1")
        << 4 << 4 << 20 << Values{20, 20, 20, 20} << QStringList{"2.0", "2.0", "2.0", "2.0"}
        << Exponents{2.0, 2.0, 2.0, 2.0} << 4;
    QTest::newRow("bar 2 to bar 1's value: equal stays")
        << 4 << 2 << 21 << Values{21, 21, 97, 123} << QStringList{"2.1", "2.1", "9.7", "12.3"}
        << Exponents{2.1, 2.1, 9.7, 12.3} << 1;
    QTest::newRow("bar 2 between its neighbours")
        << 4 << 2 << 60 << Values{21, 60, 97, 123} << QStringList{"2.1", "6.0", "9.7", "12.3"}
        << Exponents{2.1, 6.0, 9.7, 12.3} << 1;
    QTest::newRow("bar 1 to the top pushes all")
        << 4 << 1 << 130 << Values{130, 130, 130, 130}
        << QStringList{"13.0", "13.0", "13.0", "13.0"} << Exponents{13.0, 13.0, 13.0, 13.0} << 4;
    QTest::newRow("bar 3 to the bottom pulls 2, 1")
        << 4 << 3 << 10 << Values{10, 10, 10, 123} << QStringList{"1.0", "1.0", "1.0", "12.3"}
        << Exponents{1.0, 1.0, 1.0, 12.3} << 3;
    QTest::newRow("bar 2 to 100 pushes bar 3 only")
        << 4 << 2 << 100 << Values{21, 100, 100, 123} << QStringList{"2.1", "10.0", "10.0", "12.3"}
        << Exponents{2.1, 10.0, 10.0, 12.3} << 2;
    QTest::newRow("bar 3 to 50 pulls bar 2 only")
        << 4 << 3 << 50 << Values{21, 50, 50, 123} << QStringList{"2.1", "5.0", "5.0", "12.3"}
        << Exponents{2.1, 5.0, 5.0, 12.3} << 2;
    QTest::newRow("bar 4 down to bar 3's value")
        << 4 << 4 << 97 << Values{21, 54, 97, 97} << QStringList{"2.1", "5.4", "9.7", "9.7"}
        << Exponents{2.1, 5.4, 9.7, 9.7} << 1;
    // Disabled bars take no part: they keep their Values and their constants stay 0.
    QTest::newRow("H2A: bar 2 above the disabled bars")
        << 2 << 2 << 125 << Values{21, 125, 97, 123} << QStringList{"2.1", "12.5", "9.7", "12.3"}
        << Exponents{2.1, 12.5, 0.0, 0.0} << 1;
    QTest::newRow("H2A: bar 1 pushes bar 2 only")
        << 2 << 1 << 125 << Values{125, 125, 97, 123} << QStringList{"12.5", "12.5", "9.7", "12.3"}
        << Exponents{12.5, 12.5, 0.0, 0.0} << 2;
    QTest::newRow("H3A: bar 3 to the bottom")
        << 3 << 3 << 10 << Values{10, 10, 10, 123} << QStringList{"1.0", "1.0", "1.0", "12.3"}
        << Exponents{1.0, 1.0, 1.0, 0.0} << 3;
    QTest::newRow("HA: bar 1 alone")
        << 1 << 1 << 100 << Values{100, 54, 97, 123} << QStringList{"10.0", "5.4", "9.7", "12.3"}
        << Exponents{10.0, 0.0, 0.0, 0.0} << 1;
}

void TestPkaBars::cascade() {
    QFETCH(int, type);
    QFETCH(int, bar);
    QFETCH(int, to);
    QFETCH(Values, values);
    QFETCH(QStringList, labels);
    QFETCH(Exponents, pKa);
    QFETCH(int, redraws);

    MainWindow window(ScreenDensity{15.0f, 15.0f});
    if (type != 4) {
        window.acidTypeButton(type - 1)->click();
        QCOMPARE(window.acidTypes()->checkedId(), type);
    }
    QSignalSpy drawings(&window, &MainWindow::diagramDrawn);
    window.pKaBar(bar - 1)->setValue(to);

    QCOMPARE(valuesOf(window), values);
    QCOMPARE(labelsOf(window), labels);
    QVERIFY2(sameExponents(exponentsOf(window), pKa), qPrintable(describe(exponentsOf(window))));
    QCOMPARE(drawings.count(), redraws);
    QCOMPARE(speciesDrawn(drawings), type + 1);
}

void TestPkaBars::indexOutsideRunsOnlyTheRedraw() {
    MainWindow window(ScreenDensity{15.0f, 15.0f});
    const Values values = valuesOf(window);
    const QStringList labels = labelsOf(window);
    const Exponents exponents = exponentsOf(window);
    for (int i : {-1, 4, 5}) {
        QSignalSpy drawings(&window, &MainWindow::diagramDrawn);
        window.pKaBarChanged(i);
        window.acidTypeChosen(i);
        QCOMPARE(drawings.count(), 2);
    }
    QCOMPARE(valuesOf(window), values);
    QCOMPARE(labelsOf(window), labels);
    QCOMPARE(exponentsOf(window), exponents);
    for (int i = 0; i < 4; ++i) {
        QVERIFY(window.pKaBar(i)->isEnabled());
    }
}

void TestPkaBars::acidTypeEdgeCases() {
    MainWindow window(ScreenDensity{15.0f, 15.0f});
    QSignalSpy drawings(&window, &MainWindow::diagramDrawn);

    // Start, then HA: bars and labels 2..4 off, keeping their Values and texts.
    QTest::mouseClick(window.acidTypeButton(0), Qt::LeftButton);
    QCOMPARE(drawings.count(), 1);
    QCOMPARE(window.acidTypes()->checkedId(), 1);
    QCOMPARE(valuesOf(window), (Values{21, 54, 97, 123}));
    QCOMPARE(labelsOf(window), (QStringList{"2.1", "5.4", "9.7", "12.3"}));
    QCOMPARE(exponentsOf(window), (Exponents{2.1, 0.0, 0.0, 0.0}));
    QVERIFY(window.pKaBar(0)->isEnabled() && window.pKaLabel(0)->isEnabled());
    for (int k = 2; k <= 4; ++k) {
        QVERIFY(!window.pKaBar(k - 1)->isEnabled());
        QVERIFY(!window.pKaLabel(k - 1)->isEnabled());
    }
    QCOMPARE(speciesDrawn(drawings), 2);

    // Bar 1 to 100: the disabled bars do not move.
    drawings.clear();
    window.pKaBar(0)->setValue(100);
    QCOMPARE(drawings.count(), 1);
    QCOMPARE(valuesOf(window), (Values{100, 54, 97, 123}));
    QCOMPARE(window.acid().pKa1(), 10.0);

    // Then H4A: bar 2 raised to 100, its nested handling raises bar 3; bar 4 stays.
    drawings.clear();
    QTest::mouseClick(window.acidTypeButton(3), Qt::LeftButton);
    QCOMPARE(drawings.count(), 3);
    QCOMPARE(valuesOf(window), (Values{100, 100, 100, 123}));
    QCOMPARE(labelsOf(window), (QStringList{"10.0", "10.0", "10.0", "12.3"}));
    QCOMPARE(exponentsOf(window), (Exponents{10.0, 10.0, 10.0, 12.3}));
    for (int k = 1; k <= 4; ++k) {
        QVERIFY(window.pKaBar(k - 1)->isEnabled() && window.pKaLabel(k - 1)->isEnabled());
    }
    QCOMPARE(speciesDrawn(drawings), 5);

    // H2A with ordered bars: nothing moves, one redraw.
    drawings.clear();
    QTest::mouseClick(window.acidTypeButton(1), Qt::LeftButton);
    QCOMPARE(drawings.count(), 1);
    QCOMPARE(valuesOf(window), (Values{100, 100, 100, 123}));
    QCOMPARE(exponentsOf(window), (Exponents{10.0, 10.0, 0.0, 0.0}));
    QVERIFY(window.pKaBar(1)->isEnabled() && window.pKaLabel(1)->isEnabled());
    QVERIFY(!window.pKaBar(2)->isEnabled() && !window.pKaLabel(2)->isEnabled());
    QVERIFY(!window.pKaBar(3)->isEnabled() && !window.pKaLabel(3)->isEnabled());
    QCOMPARE(speciesDrawn(drawings), 3);
}

void TestPkaBars::smallerTypeLosesNothing() {
    MainWindow window(ScreenDensity{15.0f, 15.0f});
    window.pKaBar(2)->setValue(88);
    window.pKaBar(3)->setValue(111);
    window.acidTypeButton(0)->click();
    QCOMPARE(exponentsOf(window), (Exponents{2.1, 0.0, 0.0, 0.0}));
    window.acidTypeButton(2)->click();
    QVERIFY(sameExponents(exponentsOf(window), {2.1, 5.4, 8.8, 0.0}));
    window.acidTypeButton(3)->click();
    QVERIFY(sameExponents(exponentsOf(window), {2.1, 5.4, 8.8, 11.1}));
    QCOMPARE(window.acid().pKa4(), 11.1);
    QCOMPARE(labelsOf(window), (QStringList{"2.1", "5.4", "8.8", "11.1"}));
}

void TestPkaBars::keyboardSteps_data() {
    QTest::addColumn<int>("bar");
    QTest::addColumn<int>("key");
    QTest::addColumn<Values>("values");
    QTest::addColumn<QString>("label");
    QTest::addColumn<double>("pKa");

    QTest::newRow("down arrow: +0.1") << 1 << int(Qt::Key_Down) << Values{22, 54, 97, 123}
                                      << QStringLiteral("2.2") << 2.2000000476837158;
    QTest::newRow("up arrow: -0.1")
        << 1 << int(Qt::Key_Up) << Values{20, 54, 97, 123} << QStringLiteral("2.0") << 2.0;
    QTest::newRow("page down: +1.0") << 2 << int(Qt::Key_PageDown) << Values{21, 64, 97, 123}
                                     << QStringLiteral("6.4") << 6.4000000953674316;
    QTest::newRow("page up: -1.0") << 3 << int(Qt::Key_PageUp) << Values{21, 54, 87, 123}
                                   << QStringLiteral("8.7") << 8.6999998092651367;
    QTest::newRow("home: 1.0, pulls the lower bars")
        << 3 << int(Qt::Key_Home) << Values{10, 10, 10, 123} << QStringLiteral("1.0") << 1.0;
    QTest::newRow("end: 13.0, pushes the higher bars")
        << 2 << int(Qt::Key_End) << Values{21, 130, 130, 130} << QStringLiteral("13.0") << 13.0;
    QTest::newRow("bar 4, down arrow: a double tenth")
        << 4 << int(Qt::Key_Down) << Values{21, 54, 97, 124} << QStringLiteral("12.4") << 12.4;
}

void TestPkaBars::keyboardSteps() {
    QFETCH(int, bar);
    QFETCH(int, key);
    QFETCH(Values, values);
    QFETCH(QString, label);
    QFETCH(double, pKa);

    MainWindow window(ScreenDensity{15.0f, 15.0f});
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.pKaBar(bar - 1)->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), window.pKaBar(bar - 1));

    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
    QCOMPARE(valuesOf(window), values);
    QCOMPARE(window.pKaLabel(bar - 1)->text(), label);
    QCOMPARE(window.acid().pKa(bar), pKa); // exactly
}

void TestPkaBars::acidTypeByKeyboard() {
    MainWindow window(ScreenDensity{15.0f, 15.0f});
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QSignalSpy drawings(&window, &MainWindow::diagramDrawn);
    for (int type : {2, 1, 3, 4}) {
        window.acidTypeButton(type - 1)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(window.acidTypes()->checkedId(), type);
        QCOMPARE(speciesDrawn(drawings), type + 1);
        QCOMPARE(window.pKaBar(type - 1)->isEnabled(), true);
        if (type < 4) {
            QVERIFY(!window.pKaBar(type)->isEnabled());
        }
    }
}

void TestPkaBars::mouseOnArrowAndTrough() {
    MainWindow window(ScreenDensity{15.0f, 15.0f});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QScrollBar* bar = window.pKaBar(1);

    QTest::mouseClick(bar, Qt::LeftButton, {}, pointOf(bar, QStyle::SC_ScrollBarAddLine));
    QCOMPARE(bar->value(), 55);
    QCOMPARE(window.pKaLabel(1)->text(), QStringLiteral("5.5"));
    QTest::mouseClick(bar, Qt::LeftButton, {}, pointOf(bar, QStyle::SC_ScrollBarSubLine));
    QCOMPARE(bar->value(), 54);
    QTest::mouseClick(bar, Qt::LeftButton, {}, pointOf(bar, QStyle::SC_ScrollBarAddPage));
    QCOMPARE(bar->value(), 64);
    QTest::mouseClick(bar, Qt::LeftButton, {}, pointOf(bar, QStyle::SC_ScrollBarSubPage));
    QCOMPARE(bar->value(), 54);
    QCOMPARE(window.pKaLabel(1)->text(), QStringLiteral("5.4"));
}

void TestPkaBars::thumbDragFollows() {
    MainWindow window(ScreenDensity{15.0f, 15.0f});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QScrollBar* bar = window.pKaBar(1);
    QSignalSpy scrolls(bar, &QScrollBar::sliderMoved);

    bar->setSliderDown(true);
    QSignalSpy drawings(&window, &MainWindow::diagramDrawn);
    for (int position : {60, 80, 105}) {
        drawings.clear();
        bar->setSliderPosition(position);
        // Label, neighbours and diagram follow the thumb while it is dragged.
        QCOMPARE(bar->value(), position);
        QVERIFY2(labelShows(window.pKaLabel(1)->text(), position),
                 qPrintable(window.pKaLabel(1)->text()));
        QVERIFY(drawings.count() > 0);
    }
    bar->setSliderDown(false);
    QCOMPARE(scrolls.count(), 3);
    QCOMPARE(valuesOf(window), (Values{21, 105, 105, 123}));
    QCOMPARE(window.pKaLabel(2)->text(), QStringLiteral("10.5"));
}

void TestPkaBars::randomWalkKeepsTheWindowConsistent() {
    MainWindow window(ScreenDensity{15.0f, 15.0f});
    QSignalSpy drawings(&window, &MainWindow::diagramDrawn);
    int speciesShown = 5; // the start diagram
    std::mt19937 random(20240607u);
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const QAbstractSlider::SliderAction actions[] = {
        QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
        QAbstractSlider::SliderPageStepAdd,   QAbstractSlider::SliderPageStepSub,
        QAbstractSlider::SliderToMinimum,     QAbstractSlider::SliderToMaximum};

    // `make soak` runs this walk far longer under the sanitizers.
    const int soakSteps = qEnvironmentVariableIntValue("VELMORA_SOAK_STEPS");
    const int steps = soakSteps > 0 ? soakSteps : 3000;
    for (int step = 0; step < steps; ++step) {
        const int type = window.acidTypes()->checkedId();
        QString what;
        const int choice = pick(0, 9);
        if (choice < 2) {
            const int to = pick(1, 4);
            window.acidTypeButton(to - 1)->click();
            what = QStringLiteral("type %1").arg(to);
        } else {
            const int bar = pick(1, type); // the user reaches only enabled bars
            if (choice < 6) {
                const int to = pick(10, 130);
                window.pKaBar(bar - 1)->setValue(to);
                what = QStringLiteral("bar %1 to %2").arg(bar).arg(to);
            } else {
                const auto action = actions[pick(0, 5)];
                window.pKaBar(bar - 1)->triggerAction(action);
                what = QStringLiteral("bar %1 action %2").arg(bar).arg(int(action));
            }
        }
        const QString context =
            QStringLiteral("step %1 (%2): values %3").arg(step).arg(what).arg([&] {
                QStringList v;
                for (int x : valuesOf(window)) {
                    v << QString::number(x);
                }
                return v.join(u' ');
            }());

        const int n = window.acidTypes()->checkedId();
        QVERIFY2(n >= 1 && n <= 4, qPrintable(context));
        for (int k = 1; k <= 4; ++k) {
            const QScrollBar* bar = window.pKaBar(k - 1);
            const double pKa = window.acid().exponents()[static_cast<std::size_t>(k - 1)];
            QVERIFY2(bar->isEnabled() == (k <= n), qPrintable(context));
            QVERIFY2(window.pKaLabel(k - 1)->isEnabled() == (k <= n), qPrintable(context));
            // Every label shows its bar, enabled or not (a disabled one keeps its last text).
            QVERIFY2(labelShows(window.pKaLabel(k - 1)->text(), bar->value()), qPrintable(context));
            if (k <= n) {
                // Approximately: the start values are set in double precision.
                QVERIFY2(std::abs(pKa - bar->value() / 10.0) < 1e-6, qPrintable(context));
                if (k > 1) {
                    QVERIFY2(window.pKaBar(k - 2)->value() <= bar->value(), qPrintable(context));
                }
            } else {
                QVERIFY2(pKa == 0.0, qPrintable(context));
            }
        }
        // A step that changes no Value draws nothing; the last drawing stands.
        if (!drawings.isEmpty()) {
            speciesShown = speciesDrawn(drawings);
            drawings.clear();
        }
        QVERIFY2(speciesShown == n + 1, qPrintable(context));
    }
}

QTEST_MAIN(TestPkaBars)
#include "test_pkabars.moc"
