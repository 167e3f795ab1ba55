// SPDX-License-Identifier: GPL-3.0-or-later
// The About window: layout against its design, scaling, opening and reopening, links, keys.

#include "testsupport.h"

#include "ui/about/about.h"
#include "ui/about/clickablelabel.h"
#include "ui/common/form.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <QtTest>

#include <algorithm>
#include <memory>

using velmora::test::MessageWatcher;
using velmora::ui::About;
using velmora::ui::ScreenDensity;

namespace {

const QString kEmail = QString::fromUtf8(VELMORA_AUTHOR_EMAIL);
const QString kWebPage = QString::fromUtf8(VELMORA_WEB_PAGE);
const QColor kBlue(0, 0, 192);
const QColor kBlack(0, 0, 0);

/** How a label's box follows its text. */
enum class Fit { Fixed, OneLine, Wrapped };

QWidget* control(const About& about, const QString& name, int index) {
    return about.form().widget(name, index);
}

QMap<QString, QRect> geometries(const About& about) {
    QMap<QString, QRect> result;
    for (const auto& c : about.form().controls()) {
        result.insert(c.widget->objectName(), c.widget->geometry());
    }
    return result;
}

/** Opens a window, removing it at the end of the test whatever happened to it. */
struct Opened {
    explicit Opened(ScreenDensity density = {}) : about(new About(density)) {
        about->show();
        about->activateWindow(); // as the main window does; no window manager may do it here
        QVERIFY(QTest::qWaitForWindowActive(about));
    }
    ~Opened() { delete about.data(); }
    QPointer<About> about;
};

} // namespace

Q_DECLARE_METATYPE(Fit)

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
    void scaling_data();
    void scaling();
    void window();
    void cancelThenReopenShowsTheSameWindow();
    void closeBoxThenReopenLoadsAfresh();
    void links_data();
    void links();
    void failedHandOverShowsTheAddress_data();
    void failedHandOverShowsTheAddress();
    void keys_data();
    void keys();
    void onlyTheAddressShowsTheHand();
};

void TestAbout::layout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("in");
    QTest::addColumn<QRect>("box"); // pixels at 15 twips per pixel
    QTest::addColumn<Fit>("fit");
    QTest::addColumn<int>("tabIndex");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<double>("points");

    const QString window = QStringLiteral("About");
    const QString frame1 = QStringLiteral("Frame1");
    const QString frame2 = QStringLiteral("Frame2");
    // clang-format off
    QTest::newRow("Frame1") << frame1 << -1 << window << QRect(8, 8, 545, 145) << Fit::Fixed << 0 << QString() << QColor() << 8.25;
    QTest::newRow("Picture2") << "Picture2" << -1 << frame1 << QRect(24, 24, 114, 115) << Fit::Fixed << 9 << QString() << QColor() << 9.75;
    QTest::newRow("Label1") << "Label1" << -1 << frame1 << QRect(176, 12, 323, 58) << Fit::Wrapped << 1 << "Velmora " << kBlue << 18.0;
    QTest::newRow("Label2(0)") << "Label2" << 0 << frame1 << QRect(300, 84, 67, 16) << Fit::OneLine << 2 << "Version 1.0" << kBlack << 9.75;
    QTest::newRow("Label2(1)") << "Label2" << 1 << frame1 << QRect(188, 112, 297, 16) << Fit::OneLine << 3 << QString::fromUtf8(VELMORA_COPYRIGHT) << kBlack << 9.75;
    QTest::newRow("Label2(2)") << "Label2" << 2 << window << QRect(48, 160, 474, 32) << Fit::Wrapped << 4
        << "The program calculates the concentration fractions of polyprotic acids species as functions of pH" << kBlack << 9.75;
    QTest::newRow("Frame2") << frame2 << -1 << window << QRect(8, 192, 545, 89) << Fit::Fixed << 6 << "Acknowledgement" << kBlue << 9.75;
    QTest::newRow("Label3") << "Label3" << -1 << frame2 << QRect(16, 24, 513, 49) << Fit::Fixed << 7 << QString() << kBlack << 9.75;
    QTest::newRow("Label4") << "Label4" << -1 << frame2 << QRect(400, 72, 130, 13) << Fit::OneLine << 8 << "Author: " + kEmail << kBlue << 8.25;
    QTest::newRow("Clear") << "Clear" << -1 << window << QRect(440, 288, 113, 33) << Fit::Fixed << 5 << QString() << QColor() << 9.75;
    QTest::newRow("Label5(1)") << "Label5" << 1 << window << QRect(104, 288, 211, 16) << Fit::OneLine << 10 << "Find more chemical programs here:" << kBlack << 9.75;
    QTest::newRow("Label5(2)") << "Label5" << 2 << window << QRect(68, 304, 280, 16) << Fit::OneLine << 11 << kWebPage << kBlue << 9.75;
    // clang-format on
}

void TestAbout::layout() {
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QString, in);
    QFETCH(QRect, box);
    QFETCH(Fit, fit);
    QFETCH(int, tabIndex);
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    QFETCH(double, points);

    About about(ScreenDensity{15.0f, 15.0f});
    const velmora::ui::Control* c = about.form().find(name, index);
    QVERIFY(c != nullptr);
    QWidget* w = c->widget;
    QCOMPARE(w->parentWidget() == &about ? QStringLiteral("About")
                                         : w->parentWidget()->objectName(),
             in);
    QCOMPARE(c->design->tabIndex, tabIndex);
    QCOMPARE(w->font().pointSizeF(), points);

    const QRect actual = w->geometry();
    auto* label = qobject_cast<QLabel*>(w);
    switch (fit) {
    case Fit::Fixed:
        QCOMPARE(actual, box);
        break;
    case Fit::Wrapped:
        // Width as designed, height following the text.
        QCOMPARE(actual.topLeft(), box.topLeft());
        QCOMPARE(actual.width(), box.width());
        QCOMPARE(actual.height(), label->heightForWidth(box.width()));
        break;
    case Fit::OneLine: {
        // The box fits the one line; a centred label keeps its centre, any other its left edge,
        // unless that would push it past its container.
        QCOMPARE(actual.top(), box.top());
        QCOMPARE(actual.size(), label->sizeHint());
        QVERIFY(label->fontMetrics().horizontalAdvance(text) <= actual.width());
        const QRect inside = w->parentWidget()->contentsRect();
        QVERIFY2(actual.left() >= 0 && actual.right() <= inside.right(),
                 "the text stays inside its container");
        if (label->alignment() & Qt::AlignHCenter) {
            QVERIFY(qAbs(actual.center().x() - box.center().x()) <= 1);
        } else {
            QVERIFY(actual.left() == box.left() || actual.right() == inside.right());
        }
        break;
    }
    }

    if (label != nullptr) {
        QVERIFY(!label->autoFillBackground());
        if (!text.isEmpty()) {
            QCOMPARE(label->text(), text);
        }
        QCOMPARE(label->wordWrap(), fit == Fit::Wrapped || name == u"Label3");
    } else if (auto* frame = qobject_cast<QGroupBox*>(w)) {
        QCOMPARE(frame->title(), text);
    }
    if (colour.isValid()) {
        QCOMPARE(w->palette().color(QPalette::WindowText), colour);
    }
    if (name == u"Label3") {
        // Our acknowledgement must fit the fixed box it is printed in.
        QVERIFY(!label->text().isEmpty());
        QVERIFY(label->heightForWidth(box.width()) <= box.height());
    }
}

void TestAbout::scaling_data() {
    QTest::addColumn<float>("twipsPerPixelX");
    QTest::addColumn<float>("twipsPerPixelY");
    QTest::newRow("96 dpi") << 15.0f << 15.0f;
    QTest::newRow("120 dpi") << 12.0f << 12.0f;
    QTest::newRow("120 dpi tall only") << 15.0f << 12.0f;
}

void TestAbout::scaling() {
    QFETCH(float, twipsPerPixelX);
    QFETCH(float, twipsPerPixelY);
    // The window at 96 dpi, whose layout the layout rows check, is the measure.
    const About designed(ScreenDensity{15.0f, 15.0f});
    About about(ScreenDensity{twipsPerPixelX, twipsPerPixelY});
    QCOMPARE(about.size(), QSize(560, 328));
    QCOMPARE(qRound(about.form().outerWidth / twipsPerPixelX), 566);
    QCOMPARE(qRound(about.form().outerHeight / twipsPerPixelY), 353);
    const double kx = twipsPerPixelX / 15.0;
    const auto& controls = about.form().controls();
    const auto& measure = designed.form().controls();
    QCOMPARE(controls.size(), measure.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const QWidget& w = *controls[i].widget;
        const QWidget& at96 = *measure[i].widget;
        // Every fixed control keeps its pixel box; fonts follow the horizontal factor.
        if (!controls[i].design->autoSize) {
            QCOMPARE(w.geometry(), at96.geometry());
        }
        QVERIFY2(qAbs(w.font().pointSizeF() - at96.font().pointSizeF() * kx) < 1e-4,
                 qPrintable(w.objectName()));
    }
}

void TestAbout::window() {
    About about;
    QCOMPARE(about.windowTitle(), QStringLiteral(" About"));
    QCOMPARE(about.minimumSize(), about.maximumSize());
    const Qt::WindowFlags flags = about.windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(about.palette().color(QPalette::Window), QColor(224, 224, 224));
    QCOMPARE(about.font().pointSizeF(), 9.75);
    QVERIFY(!about.windowIcon().isNull());
    QVERIFY(about.testAttribute(Qt::WA_DeleteOnClose));
    const auto* picture = qobject_cast<QLabel*>(control(about, QStringLiteral("Picture2"), -1));
    QCOMPARE(picture->pixmap().deviceIndependentSize().toSize(), QSize(110, 111));
    QCOMPARE(picture->toolTip(), QStringLiteral("Author"));
    const auto* clear = qobject_cast<QPushButton*>(control(about, QStringLiteral("Clear"), -1));
    QVERIFY(!clear->icon().isNull());
    QVERIFY(clear->text().isEmpty());
    QCOMPARE(clear->iconSize(), QSize(65, 28));
    QVERIFY(!clear->isDefault());
}

void TestAbout::cancelThenReopenShowsTheSameWindow() {
    // At 120 dpi a second scaling would shrink every control, so it cannot go unnoticed.
    QWidget mainWindow; // stands in for the window that opens About
    mainWindow.show();
    Opened opened(ScreenDensity{12.0f, 12.0f});
    QPointer<About> about = opened.about;
    const auto first = geometries(*about);
    const QPoint where(40, 30);
    about->move(where);
    QTest::mouseClick(control(*about, QStringLiteral("Clear"), -1), Qt::LeftButton);
    QVERIFY(!about->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY2(about, "Cancel hides the window, it stays loaded");
    mainWindow.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&mainWindow));

    about->show();
    about->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(about));
    QCOMPARE(geometries(*about), first);
    QCOMPARE(about->pos(), where); // centred only when it is first shown
    QCOMPARE(QApplication::focusWidget(), control(*about, QStringLiteral("Clear"), -1));
}

void TestAbout::closeBoxThenReopenLoadsAfresh() {
    // At 120 dpi a window scaled twice would have every control shrunk.
    const ScreenDensity dense{12.0f, 12.0f};
    QPointer<About> about = new About(dense);
    about->show();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    // Opened centred: the designed outer size 566 x 353 sits in the middle of the screen, or at
    // its top left corner when the screen is smaller than that.
    const QRect screen = about->screen()->availableGeometry();
    QCOMPARE(about->pos(), screen.topLeft() + QPoint(std::max(0, (screen.width() - 566) / 2),
                                                     std::max(0, (screen.height() - 353) / 2)));
    const auto first = geometries(*about);
    about->windowHandle()->close(); // the title bar's close box
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY2(about.isNull(), "the close box unloads the window");

    Opened again(dense);
    QCOMPARE(geometries(*again.about), first);
}

void TestAbout::links_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QUrl>("url");
    QTest::newRow("Label4: e-mail to the author") << "Label4" << -1 << QUrl("mailto:" + kEmail);
    QTest::newRow("Label5(1): the line above the address") << "Label5" << 1 << QUrl(kWebPage);
    QTest::newRow("Label5(2): the address") << "Label5" << 2 << QUrl(kWebPage);
}

void TestAbout::links() {
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QUrl, url);
    velmora::test::UrlCatcher catcher{"mailto", "http", "https"};
    MessageWatcher watcher;
    Opened opened;
    QWidget* label = control(*opened.about, name, index);

    // A press that leaves the label before its release is no click.
    QTest::mousePress(label, Qt::LeftButton);
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(-5, -5));
    QVERIFY(catcher.urls.isEmpty());

    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(catcher.urls, QList<QUrl>{url});
    QCOMPARE(watcher.messages, QStringList());
    QVERIFY(opened.about->isVisible());
}

void TestAbout::failedHandOverShowsTheAddress_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("address");
    QTest::newRow("e-mail") << "Label4" << -1 << kEmail;
    QTest::newRow("web page") << "Label5" << 2 << kWebPage;
}

void TestAbout::failedHandOverShowsTheAddress() {
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QString, address);
    if (QGuiApplication::platformName() != u"offscreen") {
        QSKIP("only the offscreen platform is sure to refuse every address");
    }
    Opened opened;
    MessageWatcher watcher;
    QTest::mouseClick(control(*opened.about, name, index), Qt::LeftButton);
    QCOMPARE(watcher.messages.size(), 1);
    QVERIFY2(watcher.messages.front().contains(address), qPrintable(watcher.messages.front()));
}

void TestAbout::keys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("hides");
    QTest::newRow("Return") << int(Qt::Key_Return) << true;
    QTest::newRow("Enter") << int(Qt::Key_Enter) << true;
    QTest::newRow("Space") << int(Qt::Key_Space) << true;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << false;
}

void TestAbout::keys() {
    QFETCH(int, key);
    QFETCH(bool, hides);
    Opened opened;
    QWidget* focus = QApplication::focusWidget();
    QCOMPARE(focus, control(*opened.about, QStringLiteral("Clear"), -1));
    QTest::keyClick(focus, Qt::Key(key));
    QCOMPARE(opened.about->isVisible(), !hides);
    QVERIFY2(opened.about, "no key unloads the window");
}

void TestAbout::onlyTheAddressShowsTheHand() {
    About about;
    for (const auto& c : about.form().controls()) {
        const bool address = c.design->name == u"Label5" && c.design->index == 2;
        const bool hand = c.widget->testAttribute(Qt::WA_SetCursor) &&
                          c.widget->cursor().shape() == Qt::PointingHandCursor;
        QVERIFY2(hand == address, qPrintable(c.widget->objectName()));
    }
}

QTEST_MAIN(TestAbout)
#include "test_about.moc"
