// SPDX-License-Identifier: GPL-3.0-or-later
// Where the solution window opens beside the main window, as rows of screens and windows: every
// place lies wholly on a screen, leaves the main window's controls clear and holds at least the
// smallest size the window is laid out for; the rows say which side, screen or corner each takes.
// And how the window's inputs and drawing share its area at every size.

#include "ui/solution/inputslayout.h"
#include "ui/solution/windowplacement.h"

#include <QtTest>

#include <algorithm>
#include <optional>

using namespace velmora::ui;

namespace {

/** The main window's inner size and where its controls lie in it (the bars to the commands). */
constexpr QSize kMainInner{757, 362};
constexpr QRect kControls{504, 4, 250, 354};
/** The outer size the main window is centred by when it starts. */
constexpr QSize kMainOuter{763, 388};
constexpr QSize kSmallest{480, 360};
constexpr QSize kStart{1100, 680};

/** No window manager (a bare X server) and a usual desktop's title bar and borders. */
constexpr QMargins kNoFrame{};
constexpr QMargins kFrame{4, 32, 4, 4};

QPoint centred(const QRect& screen) {
    return screen.topLeft() + QPoint((screen.width() - kMainOuter.width()) / 2,
                                     (screen.height() - kMainOuter.height()) / 2);
}

/** The main window with its frame at `at`: its frame, and its controls up to the frame's edges. */
MainWindowArea mainAt(const QPoint& at, const QMargins& frame) {
    const QRect outer(at, kMainInner.grownBy(frame));
    const int controlsLeft = at.x() + frame.left() + kControls.left();
    return {outer, QRect(QPoint(controlsLeft, outer.top()), outer.bottomRight())};
}

bool wholeOnAScreen(const QRect& rect, const QList<QRect>& screens) {
    return std::any_of(screens.begin(), screens.end(),
                       [&](const QRect& screen) { return screen.contains(rect); });
}

const QRect k1024x768(0, 0, 1024, 768);
const QRect k1280x720(0, 0, 1280, 720);
const QRect k1280x1024(0, 0, 1280, 1024);
const QRect k1366x768(0, 0, 1366, 768);
const QRect k1920x1080(0, 0, 1920, 1080);

} // namespace

Q_DECLARE_METATYPE(std::optional<QPoint>)

class TestWindowPlacement : public QObject {
    Q_OBJECT

private slots:
    void besideTheMainWindow_data();
    void besideTheMainWindow();
    void tooSmallAScreen();
    void inputsAndDrawing_data();
    void inputsAndDrawing();
};

void TestWindowPlacement::besideTheMainWindow_data() {
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QPoint>("main");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<QSize>("preferred");
    QTest::addColumn<std::optional<QPoint>>("remembered");
    QTest::addColumn<std::optional<QPoint>>("mainTo");
    QTest::addColumn<QRect>("expected"); // the solution window's frame

    const std::optional<QPoint> none;
    const std::optional<QPoint> topLeft = QPoint(0, 0);
    const QList<QRect> wide{k1920x1080};

    // Started centred, the main window leaves no side with room: it moves to a corner first.
    QTest::newRow("1920x1080 centred: main to the top left, right of it")
        << wide << centred(k1920x1080) << kNoFrame << kStart << none << topLeft
        << QRect(765, 0, 1100, 680);
    QTest::newRow("1920x1080 centred, framed: right of it, the frames apart")
        << wide << centred(k1920x1080) << kFrame << kStart << none << topLeft
        << QRect(773, 0, 1108, 716);
    QTest::newRow("1280x1024 centred: main to the top left, below it, as high as there is room")
        << QList{k1280x1024} << centred(k1280x1024) << kNoFrame << kStart << none << topLeft
        << QRect(0, 370, 1100, 654);
    QTest::newRow("1280x1024 centred, framed: below it")
        << QList{k1280x1024} << centred(k1280x1024) << kFrame << kStart << none << topLeft
        << QRect(0, 406, 1108, 618);
    QTest::newRow("1280x720 centred: main to the top left, right of it, narrower")
        << QList{k1280x720} << centred(k1280x720) << kNoFrame << kStart << none << topLeft
        << QRect(765, 0, 515, 680);
    QTest::newRow("1280x720 centred, framed: right of it")
        << QList{k1280x720} << centred(k1280x720) << kFrame << kStart << none << topLeft
        << QRect(773, 0, 507, 716);
    QTest::newRow("1366x768 centred: below the main window in the top left, the larger place")
        << QList{k1366x768} << centred(k1366x768) << kNoFrame << kStart << none << topLeft
        << QRect(0, 370, 1100, 398);
    QTest::newRow("1366x768 centred, framed: too low below, so right of it")
        << QList{k1366x768} << centred(k1366x768) << kFrame << kStart << none << topLeft
        << QRect(773, 0, 593, 716);
    QTest::newRow("1024x768 centred: below the main window in the top left")
        << QList{k1024x768} << centred(k1024x768) << kNoFrame << kStart << none << topLeft
        << QRect(0, 370, 1024, 398);
    // No place beside the framed main window holds 480 x 360: the plot is covered, not the
    // controls, and the main window goes to the top right so that its plot takes that.
    QTest::newRow("1024x768 centred, framed: over the plot of the main window in the top right")
        << QList{k1024x768} << centred(k1024x768) << kFrame << kStart << none
        << std::optional(QPoint(259, 0)) << QRect(0, 0, 759, 716);
    QTest::newRow("800x600, smaller than promised, framed: still over the plot")
        << QList{QRect(0, 0, 800, 600)} << centred(QRect(0, 0, 800, 600)) << kFrame << kStart
        << none << std::optional(QPoint(35, 0)) << QRect(0, 0, 535, 600);
    QTest::newRow("1024x768 with a panel below, framed: over the plot")
        << QList{QRect(0, 0, 1024, 736)} << centred(QRect(0, 0, 1024, 736)) << kFrame << kStart
        << none << std::optional(QPoint(259, 0)) << QRect(0, 0, 759, 716);

    // Where the main window already leaves room, it stays.
    QTest::newRow("1920x1080, main in the top left: right of it, nothing moves")
        << wide << QPoint(0, 0) << kNoFrame << kStart << none << none << QRect(765, 0, 1100, 680);
    QTest::newRow("1920x1080, main top right: left of it")
        << wide << QPoint(1163, 0) << kNoFrame << kStart << none << none << QRect(55, 0, 1100, 680);
    QTest::newRow("1366x768, main bottom right: above it, where it stands")
        << QList{k1366x768} << QPoint(609, 406) << kNoFrame << kStart << none << none
        << QRect(266, 0, 1100, 398);

    // Two screens: another screen with room comes before moving the main window.
    const QList<QRect> twoScreens{k1920x1080, QRect(1920, 0, 1280, 1024)};
    QTest::newRow("two screens, main centred on the left one: on the right one")
        << twoScreens << centred(k1920x1080) << kNoFrame << kStart << none << none
        << QRect(1920, 344, 1100, 680);
    QTest::newRow("two screens, main centred on the right one: on the left one, beside it")
        << twoScreens << centred(twoScreens[1]) << kFrame << kStart << none << none
        << QRect(812, 318, 1108, 716);
    const QList<QRect> twoSmall{k1024x768, QRect(1024, 0, 1024, 768)};
    QTest::newRow("two 1024x768 screens: the other one, as wide as it is")
        << twoSmall << centred(k1024x768) << kNoFrame << kStart << none << none
        << QRect(1024, 88, 1024, 680);
    QTest::newRow("two 1366x768 screens, main on the second in its top left: right of it")
        << QList{k1366x768, QRect(1366, 0, 1366, 768)} << QPoint(1366, 0) << kNoFrame
        << QSize(560, 600) << none << none << QRect(2131, 0, 560, 600);

    // A remembered place is used when it is fit.
    QTest::newRow("remembered over the plot, clear of the controls: used")
        << wide << centred(k1920x1080) << kNoFrame << QSize(1000, 680)
        << std::optional(QPoint(0, 0)) << none << QRect(0, 0, 1000, 680);
    QTest::newRow("remembered on the other screen: used")
        << twoScreens << centred(k1920x1080) << kFrame << QSize(700, 500)
        << std::optional(QPoint(2000, 100)) << none << QRect(2000, 100, 708, 536);
    QTest::newRow("remembered over the controls: kept, the main window to the top left")
        << wide << centred(k1920x1080) << kNoFrame << kStart << std::optional(QPoint(800, 200))
        << topLeft << QRect(800, 200, 1100, 680);
    QTest::newRow("remembered on a screen that is gone: placed anew")
        << wide << centred(k1920x1080) << kNoFrame << kStart << std::optional(QPoint(2500, 100))
        << topLeft << QRect(765, 0, 1100, 680);
    QTest::newRow("remembered half off the screen: the larger side, no move")
        << QList{k1366x768} << QPoint(0, 0) << kNoFrame << QSize(900, 600)
        << std::optional(QPoint(700, 300)) << none << QRect(765, 0, 601, 600);
    QTest::newRow("remembered across two screens: placed anew")
        << twoScreens << centred(k1920x1080) << kNoFrame << kStart << std::optional(QPoint(1500, 0))
        << none << QRect(1920, 344, 1100, 680);
}

void TestWindowPlacement::besideTheMainWindow() {
    QFETCH(QList<QRect>, screens);
    QFETCH(QPoint, main);
    QFETCH(QMargins, frame);
    QFETCH(QSize, preferred);
    QFETCH(std::optional<QPoint>, remembered);
    QFETCH(std::optional<QPoint>, mainTo);
    QFETCH(QRect, expected);

    const MainWindowArea area = mainAt(main, frame);
    const Placement placement =
        placeSolutionWindow({screens, area, frame, kSmallest, preferred, remembered});
    QCOMPARE(placement.frame, expected);
    QCOMPARE(placement.mainPosition, mainTo);
    QCOMPARE(placement.size, expected.marginsRemoved(frame).size());
    QCOMPARE(placement.remembered, remembered && expected.topLeft() == *remembered);

    // What holds for every place: on a screen, clear of the controls, neither too small nor
    // larger than asked for; a main window that moves stays on its screen.
    const MainWindowArea moved = mainAt(mainTo.value_or(main), frame);
    QVERIFY(wholeOnAScreen(placement.frame, screens));
    QVERIFY(placement.screen >= 0 && screens[placement.screen].contains(placement.frame));
    QVERIFY(!placement.frame.intersects(moved.keptClear));
    QVERIFY(placement.size.width() >= kSmallest.width());
    QVERIFY(placement.size.height() >= kSmallest.height());
    QVERIFY(placement.size.width() <= preferred.width());
    QVERIFY(placement.size.height() <= preferred.height());
    if (mainTo) {
        QVERIFY(wholeOnAScreen(moved.frame, screens));
    }
}

void TestWindowPlacement::tooSmallAScreen() {
    // 640 x 360 holds no 480 x 360 window with a frame anywhere: the window still opens within
    // the screen, as large as it, on the side of the controls with the most room (left).
    const QRect screen(0, 0, 640, 360);
    const MainWindowArea area = mainAt(QPoint(0, 0), kFrame);
    const Placement placement =
        placeSolutionWindow({{screen}, area, kFrame, kSmallest, kStart, std::nullopt});
    QCOMPARE(placement.frame, screen);
    QVERIFY(!placement.mainPosition);
    QCOMPARE(placement.screen, 0);
}

void TestWindowPlacement::inputsAndDrawing_data() {
    QTest::addColumn<QSize>("window");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("beside");
    QTest::addColumn<int>("inputsHeight"); // above the drawing; 0 for none
    QTest::newRow("1100x680: beside") << QSize(1100, 680) << true << true << 0;
    QTest::newRow("the drawing exactly half as wide: beside")
        << QSize(812, 500) << true << true << 0;
    QTest::newRow("one pixel short of half: above, the chart half as high")
        << QSize(811, 500) << true << false << 129;
    QTest::newRow("480x360: above, the drawing at its least")
        << QSize(480, 360) << true << false << 49;
    QTest::newRow("480x800: above, the chart half as high")
        << QSize(480, 800) << true << false << 279;
    QTest::newRow("480x801: above, the chart half as high, rounded up")
        << QSize(480, 801) << true << false << 279;
    QTest::newRow("480x1600: above, as high as the inputs are")
        << QSize(480, 1600) << true << false << 640;
    QTest::newRow("480x300: no room above, the inputs out of sight")
        << QSize(480, 300) << true << false << 0;
    QTest::newRow("put away: the drawing takes all") << QSize(480, 360) << false << true << 0;
    QTest::newRow("put away in a large window") << QSize(1100, 680) << false << true << 0;
}

void TestWindowPlacement::inputsAndDrawing() {
    QFETCH(QSize, window);
    QFETCH(bool, shown);
    QFETCH(bool, beside);
    QFETCH(int, inputsHeight);
    // The panel's width beside the drawing and its full height; the drawing's least height and
    // its tabs and line; a menu bar above the area.
    constexpr QSize kPanel{380, 640};
    constexpr int kDrawingLeast = 260;
    constexpr int kOverhead = 70;
    constexpr int kSpacing = 6;
    constexpr int kMenuBar = 25;
    const QMargins margins(10, 10, 10, 10);
    const QRect rect(0, 0, window.width(), window.height() - kMenuBar);
    const QRect area = rect.marginsRemoved(margins);
    const InputsArrangement got = arrangeInputs(
        {rect, margins, kSpacing, kPanel, kDrawingLeast, kOverhead, window.height(), shown});
    QCOMPARE(got.beside, beside);
    QVERIFY(area.contains(got.drawing));
    QVERIFY(!got.drawing.intersects(got.inputs));
    QVERIFY(2 * got.drawing.width() >= window.width());
    QVERIFY(got.drawing.height() >= std::min(kDrawingLeast, area.height()));
    if (!shown || got.inputs.isEmpty()) {
        QVERIFY(got.inputs.isEmpty());
        QCOMPARE(got.drawing, area);
        QCOMPARE(inputsHeight, 0);
        return;
    }
    QVERIFY(area.contains(got.inputs));
    if (beside) {
        QCOMPARE(got.inputs, QRect(area.topLeft(), QSize(kPanel.width(), area.height())));
        QCOMPARE(got.drawing.left(), got.inputs.right() + 1 + kSpacing);
        QCOMPARE(got.drawing.right(), area.right());
        QCOMPARE(got.drawing.height(), area.height());
    } else {
        QCOMPARE(got.inputs, QRect(area.topLeft(), QSize(area.width(), inputsHeight)));
        QCOMPARE(got.drawing.top(), got.inputs.bottom() + 1 + kSpacing);
        QCOMPARE(got.drawing.bottom(), area.bottom());
        QCOMPARE(got.drawing.width(), area.width());
        // The chart, the drawing without its tabs and line, keeps half the window's height.
        QVERIFY(2 * (got.drawing.height() - kOverhead) >= window.height());
    }
}

QTEST_APPLESS_MAIN(TestWindowPlacement)
#include "test_windowplacement.moc"
