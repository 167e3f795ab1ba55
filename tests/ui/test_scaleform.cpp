// SPDX-License-Identifier: GPL-3.0-or-later
// Windows built from their designs: every control keeps its designed pixel position and size at
// 15 and at 12 twips per pixel, fonts follow the horizontal factor, scroll bars skip only their
// font step, a window loaded again is scaled afresh, and a control the design lacks is a loud
// fault. The windows' pictures are drawn as Qt's own SVG icons draw them, at every pixel ratio.

#include "testsupport.h"

#include "ui/common/form.h"
#include "ui/common/scaleform.h"
#include "ui/common/svgicon.h"
#include "ui/main/mainwindow.h"

#include "pictures.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <stdexcept>

using velmora::test::closeTo;
using namespace velmora::ui;

namespace {

/** A small window with the kinds of control the scaling step meets. */
WindowDesign sampleDesign() {
    WindowDesign w;
    w.name = QStringLiteral("Sample");
    w.caption = QStringLiteral("Sample");
    w.clientWidth = 11355;
    w.clientHeight = 5430;
    w.outerWidthPx = 763;
    w.outerHeightPx = 388;
    w.background = QColor(224, 224, 224);
    w.font = FontDesign{QStringLiteral("System"), 9.75, true};

    ControlDesign button;
    button.name = QStringLiteral("Button");
    button.kind = ControlKind::CommandButton;
    button.left = 9480;
    button.top = 120;
    button.width = 1815;
    button.height = 495;
    button.caption = QStringLiteral("Go");
    button.font = FontDesign{QStringLiteral("Arial"), 12.0, false};
    w.controls.push_back(button);

    ControlDesign bar;
    bar.name = QStringLiteral("Bar");
    bar.kind = ControlKind::ScrollBar;
    bar.left = 7560;
    bar.top = 360;
    bar.width = 375;
    bar.height = 4575;
    bar.tabIndex = 1;
    w.controls.push_back(bar);

    ControlDesign frame;
    frame.name = QStringLiteral("Box");
    frame.kind = ControlKind::Frame;
    frame.left = 9480;
    frame.top = 2640;
    frame.width = 1815;
    frame.height = 2715;
    frame.caption = QStringLiteral("Box");
    w.controls.push_back(frame);

    ControlDesign inside;
    inside.name = QStringLiteral("Inside");
    inside.kind = ControlKind::Label;
    inside.frame = QStringLiteral("Box");
    inside.left = 120;
    inside.top = 300;
    inside.width = 1575;
    inside.height = 495;
    inside.caption = QStringLiteral("inside");
    w.controls.push_back(inside);
    return w;
}

struct Twips {
    float left, width, top, height;
};

Twips twipsOf(const Form& form, const QString& name) {
    const Control* c = form.find(name);
    return {c->left, c->width, c->top, c->height};
}

bool sameTwips(const Twips& a, const Twips& b) {
    return closeTo(a.left, b.left, 1e-6) && closeTo(a.width, b.width, 1e-6) &&
           closeTo(a.top, b.top, 1e-6) && closeTo(a.height, b.height, 1e-6);
}

} // namespace

class TestScaleform : public QObject {
    Q_OBJECT

private slots:
    void controlsKeepTheirPixels_data();
    void controlsKeepTheirPixels();
    void fontsFollowTheHorizontalFactor_data();
    void fontsFollowTheHorizontalFactor();
    void scrollBarSkipsOnlyItsFont();
    void frameChildKeepsItsPlace_data();
    void frameChildKeepsItsPlace();
    void mainWindowOuterSizeAndClientArea_data();
    void mainWindowOuterSizeAndClientArea();
    void reloadedWindowIsScaledAfresh();
    void wiringAMissingControlFailsLoudly();
    void picturesDrawLikeQtsSvgIcons_data();
    void picturesDrawLikeQtsSvgIcons();
};

void TestScaleform::controlsKeepTheirPixels_data() {
    QTest::addColumn<float>("perPixelX");
    QTest::addColumn<float>("perPixelY");
    QTest::addColumn<float>("buttonLeft"); // twips after scaling
    QTest::addColumn<float>("buttonWidth");
    QTest::addColumn<float>("buttonTop");
    QTest::addColumn<float>("buttonHeight");

    QTest::newRow("15 twips per pixel: nothing changes")
        << 15.0f << 15.0f << 9480.0f << 1815.0f << 120.0f << 495.0f;
    QTest::newRow("12 twips per pixel: everything shrinks by 0.8")
        << 12.0f << 12.0f << 7584.0f << 1452.0f << 96.0f << 396.0f;
    QTest::newRow("15 across, 12 down") << 15.0f << 12.0f << 9480.0f << 1815.0f << 96.0f << 396.0f;
    QTest::newRow("12 across, 15 down") << 12.0f << 15.0f << 7584.0f << 1452.0f << 120.0f << 495.0f;
}

void TestScaleform::controlsKeepTheirPixels() {
    QFETCH(float, perPixelX);
    QFETCH(float, perPixelY);
    QFETCH(float, buttonLeft);
    QFETCH(float, buttonWidth);
    QFETCH(float, buttonTop);
    QFETCH(float, buttonHeight);

    QWidget window;
    Form form(window, sampleDesign(), ScreenDensity{perPixelX, perPixelY});
    scaleform(form, 763, 388);

    const Twips button = twipsOf(form, QStringLiteral("Button"));
    QVERIFY(sameTwips(button, {buttonLeft, buttonWidth, buttonTop, buttonHeight}));
    // Same pixels at every density: 632, 8, 121 x 33.
    QCOMPARE(form.widget(u"Button")->geometry(), QRect(632, 8, 121, 33));
    QCOMPARE(form.widget(u"Bar")->geometry(), QRect(504, 24, 25, 305));
    QCOMPARE(form.widget(u"Box")->geometry(), QRect(632, 176, 121, 181));
}

void TestScaleform::fontsFollowTheHorizontalFactor_data() {
    QTest::addColumn<float>("perPixelX");
    QTest::addColumn<float>("perPixelY");
    QTest::addColumn<double>("points");

    QTest::newRow("15 twips per pixel") << 15.0f << 15.0f << 12.0;
    QTest::newRow("12 twips per pixel: 12 pt becomes 9.6") << 12.0f << 12.0f << 9.6;
    QTest::newRow("12 down only: the font stays") << 15.0f << 12.0f << 12.0;
    QTest::newRow("12 across only: the font shrinks") << 12.0f << 15.0f << 9.6;
}

void TestScaleform::fontsFollowTheHorizontalFactor() {
    QFETCH(float, perPixelX);
    QFETCH(float, perPixelY);
    QFETCH(double, points);

    QWidget window;
    Form form(window, sampleDesign(), ScreenDensity{perPixelX, perPixelY});
    scaleform(form, 763, 388);

    const Control* button = form.find(u"Button");
    QVERIFY(button->fontSize.has_value());
    QVERIFY2(closeTo(*button->fontSize, points, 1e-6),
             qPrintable(QString::number(*button->fontSize)));
    QVERIFY(closeTo(button->widget->font().pointSizeF(), points, 1e-6));
    // The window's own font is not scaled.
    QVERIFY(closeTo(window.font().pointSizeF(), 9.75, 1e-6));
}

void TestScaleform::scrollBarSkipsOnlyItsFont() {
    QWidget window;
    Form form(window, sampleDesign(), ScreenDensity{12.0f, 12.0f});
    const Control* bar = form.find(u"Bar");
    float unused = 0.0f;
    QVERIFY(!readProperty(*bar, Property::FontSize, unused));

    scaleform(form, 763, 388);
    QVERIFY(!bar->fontSize.has_value());
    // The four geometry steps ran for the bar all the same.
    QVERIFY(sameTwips(twipsOf(form, QStringLiteral("Bar")), {6048.0f, 300.0f, 288.0f, 3660.0f}));
}

void TestScaleform::frameChildKeepsItsPlace_data() {
    QTest::addColumn<float>("perPixel");
    QTest::newRow("15") << 15.0f;
    QTest::newRow("12") << 12.0f;
    QTest::newRow("9.6 (150 dpi)") << 9.6f;
}

void TestScaleform::frameChildKeepsItsPlace() {
    QFETCH(float, perPixel);
    QWidget window;
    Form form(window, sampleDesign(), ScreenDensity{perPixel, perPixel});
    scaleform(form, 763, 388);

    QWidget* inside = form.widget(u"Inside");
    QCOMPARE(inside->parentWidget(), form.widget(u"Box"));
    QCOMPARE(inside->geometry(), QRect(8, 20, 105, 33));
}

void TestScaleform::mainWindowOuterSizeAndClientArea_data() {
    QTest::addColumn<float>("perPixel");
    QTest::addColumn<float>("outerWidth");
    QTest::addColumn<float>("outerHeight");
    QTest::newRow("15") << 15.0f << 11445.0f << 5820.0f;
    QTest::newRow("12") << 12.0f << 9156.0f << 4656.0f;
}

void TestScaleform::mainWindowOuterSizeAndClientArea() {
    QFETCH(float, perPixel);
    QFETCH(float, outerWidth);
    QFETCH(float, outerHeight);

    MainWindow window(ScreenDensity{perPixel, perPixel});
    QCOMPARE(window.form().outerWidth, outerWidth);
    QCOMPARE(window.form().outerHeight, outerHeight);
    // 763 x 388 pixels again; the client area keeps its designed 757 x 362, fixed.
    QCOMPARE(qRound(window.form().outerWidth / perPixel), 763);
    QCOMPARE(qRound(window.form().outerHeight / perPixel), 388);
    QCOMPARE(window.minimumSize(), QSize(757, 362));
    QCOMPARE(window.maximumSize(), QSize(757, 362));
}

void TestScaleform::reloadedWindowIsScaledAfresh() {
    const ScreenDensity dense{12.0f, 12.0f};
    auto first = std::make_unique<MainWindow>(dense);
    const Twips once = twipsOf(first->form(), QStringLiteral("Comm_theory"));
    first.reset();
    MainWindow second(dense);
    const Twips again = twipsOf(second.form(), QStringLiteral("Comm_theory"));
    QVERIFY(sameTwips(once, {7584.0f, 1452.0f, 96.0f, 396.0f}));
    QVERIFY(sameTwips(again, once));
    QCOMPARE(second.form().widget(u"Comm_theory")->geometry(), QRect(632, 8, 121, 33));
}

void TestScaleform::wiringAMissingControlFailsLoudly() {
    QWidget window;
    const Form form(window, sampleDesign(), ScreenDensity{15.0f, 15.0f});
    QCOMPARE(form.widgetAs<QScrollBar>(u"Bar"), form.widget(u"Bar"));
    QCOMPARE(form.widgetAs<QLabel>(u"Inside"), form.widget(u"Inside"));
    // A name the design lacks, an index it lacks, or a widget of another type.
    QVERIFY_THROWS_EXCEPTION(std::logic_error, (void)form.widgetAs<QScrollBar>(u"Nothing"));
    QVERIFY_THROWS_EXCEPTION(std::logic_error, (void)form.widgetAs<QScrollBar>(u"Bar", 2));
    QVERIFY_THROWS_EXCEPTION(std::logic_error, (void)form.widgetAs<QScrollBar>(u"Button"));
    try {
        (void)form.widgetAs<QPushButton>(u"Knob", 3);
        QFAIL("no exception");
    } catch (const std::logic_error& fault) {
        QCOMPARE(QString::fromUtf8(fault.what()),
                 QStringLiteral("the design of Sample has no control Knob(3)"));
    }
}

void TestScaleform::picturesDrawLikeQtsSvgIcons_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<qreal>("ratio");
    for (const velmora::resources::Picture& picture : velmora::resources::pictures()) {
        for (const qreal ratio : {1.0, 2.0}) {
            QTest::addRow("%s at %.0fx", picture.path, ratio)
                << QString::fromLatin1(picture.path) << picture.size << ratio;
        }
    }
}

void TestScaleform::picturesDrawLikeQtsSvgIcons() {
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(qreal, ratio);
    const QPixmap ours = svgIcon(path).pixmap(size, ratio);
    QCOMPARE(ours.size(), size * ratio);
    QCOMPARE(ours.devicePixelRatio(), ratio);
    const QPixmap qts = QIcon(path).pixmap(size, ratio);
    QCOMPARE(ours.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
             qts.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied));
    // Disabled, the style's own grey version of it.
    QCOMPARE(svgIcon(path).pixmap(size, ratio, QIcon::Disabled).size(), size * ratio);
    // A window icon is handed over at the one size it was drawn at.
    const QIcon window = svgWindowIcon(path, size, ratio);
    QCOMPARE(window.availableSizes(), QList<QSize>{size * ratio});
}

QTEST_MAIN(TestScaleform)
#include "test_scaleform.moc"
