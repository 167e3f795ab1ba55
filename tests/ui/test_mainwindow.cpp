// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as the user meets it: layout against the designed geometry, texts and
// colours, the start-up state, the Theory hand-over, About, Exit and the close box ending the
// program with every window, and the plot at the screen's device pixel ratio.

#include "testsupport.h"

#include "diagram/retainedplot.h"
#include "ui/about/about.h"
#include "ui/common/form.h"
#include "ui/common/theorydocument.h"
#include "ui/main/mainwindow.h"
#include "ui/main/mainwindowdesign.h"
#include "ui/main/plotbox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QDesktopServices>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <functional>
#include <memory>
#include <stdexcept>

using namespace velmora;
using namespace velmora::ui;
using test::closeTo;

namespace {

/** Runs the event loop until the program is asked to end; false if it never is. */
bool runUntilQuit(const std::function<void()>& action) {
    bool timedOut = false;
    QTimer::singleShot(0, action);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    watchdog.start(5000);
    QApplication::exec();
    return !timedOut;
}

int visibleTopLevels() {
    int count = 0;
    for (const QWidget* w : QApplication::topLevelWidgets()) {
        count += w->isVisible() ? 1 : 0;
    }
    return count;
}

QColor pixelAt(const QImage& image, QPoint logical) {
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(qRound(logical.x() * ratio), qRound(logical.y() * ratio));
}

/** The About window that is open, if any. */
About* openAbout() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* about = qobject_cast<About*>(w); about != nullptr && about->isVisible()) {
            return about;
        }
    }
    return nullptr;
}

/** A widget of the window by its accessor, with the index of a row of four (-1 for others). */
using Accessor = std::function<const QWidget*(const MainWindow&, int)>;

/** The accessor of MainWindow that is called `name`, or an empty function. */
Accessor accessorCalled(QStringView name) {
    static const QHash<QString, Accessor> accessors{
        {QStringLiteral("MainWindow"), [](const MainWindow& w, int) { return &w; }},
        {QStringLiteral("plotBox"), [](const MainWindow& w, int) { return w.plotBox(); }},
        {QStringLiteral("theoryButton"), [](const MainWindow& w, int) { return w.theoryButton(); }},
        {QStringLiteral("aboutButton"), [](const MainWindow& w, int) { return w.aboutButton(); }},
        {QStringLiteral("exitButton"), [](const MainWindow& w, int) { return w.exitButton(); }},
        {QStringLiteral("separatorFrame"),
         [](const MainWindow& w, int) { return w.separatorFrame(); }},
        {QStringLiteral("acidTypeFrame"),
         [](const MainWindow& w, int) { return w.acidTypeFrame(); }},
        {QStringLiteral("acidTypeButton"),
         [](const MainWindow& w, int i) { return w.acidTypeButton(i); }},
        {QStringLiteral("pKaBar"), [](const MainWindow& w, int i) { return w.pKaBar(i); }},
        {QStringLiteral("pKaBarNumber"),
         [](const MainWindow& w, int i) { return w.pKaBarNumber(i); }},
        {QStringLiteral("pKaLabel"), [](const MainWindow& w, int i) { return w.pKaLabel(i); }},
    };
    return accessors.value(name.toString());
}

QString fromView(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

/** The start diagram as one drawing on a fresh plot of `ratio` makes it. */
QImage startDiagram(qreal ratio) {
    diagram::RetainedPlot reference(ratio);
    reference.redraw(model::Acid::startAcid());
    return reference.image();
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void layoutAsDesigned_data();
    void layoutAsDesigned();
    void windowAsDesigned();
    void coloursAsDesigned();
    void startUpState();
    void tabOrderFromExit();
    void designNamesReachTheirWidgets_data();
    void designNamesReachTheirWidgets();
    void everyDesignedControlHasACodeName_data();
    void everyDesignedControlHasACodeName();
    void rowIndexOutsideIsRefused_data();
    void rowIndexOutsideIsRefused();

    void theoryOpensTheDocument_data();
    void theoryOpensTheDocument();
    void theoryLooksInTheFoldersInOrder();
    void theoryMissingSaysWhereItLooked();

    void aboutIsOneModelessWindow();
    void exitEndsTheProgramWithEveryWindow();
    void closeBoxEndsTheProgram();
    void spaceOnTheFirstFocusExits();

    void plotKeepsItsLastDrawing();
    void plotFollowsDevicePixelRatio();
    void staleImageIsRedrawnOutsidePainting();

private:
    /** Windows as loaded, untouched: one at 96 dpi (15 twips per pixel), one at 120 dpi. */
    std::unique_ptr<MainWindow> m_at96;
    std::unique_ptr<MainWindow> m_at120;
};

void TestMainWindow::initTestCase() {
    m_at96 = std::make_unique<MainWindow>(ScreenDensity{15.0f, 15.0f});
    m_at120 = std::make_unique<MainWindow>(ScreenDensity{12.0f, 12.0f});
}

void TestMainWindow::cleanupTestCase() {
    m_at96.reset();
    m_at120.reset();
}

void TestMainWindow::layoutAsDesigned_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("pixels"); // relative to the client area, the option buttons to Frame1
    QTest::addColumn<QString>("text"); // caption or title
    QTest::addColumn<QString>("toolTip");

    const auto row = [](const char* tag, const char* name, int index, QRect pixels,
                        const QString& text = {}, const QString& toolTip = {}) {
        QTest::newRow(tag) << QString::fromLatin1(name) << index << pixels << text << toolTip;
    };
    row("Pict_pole", "Pict_pole", -1, {4, 4, 495, 350});
    row("Comm_theory", "Comm_theory", -1, {632, 8, 121, 33}, {},
        QStringLiteral(" Theory of polyprotic acids from Wikipedia "));
    row("Comm_about", "Comm_about", -1, {632, 48, 121, 33}, {},
        QStringLiteral(" About this program "));
    row("Comm_exit", "Comm_exit", -1, {632, 88, 121, 33}, {},
        QStringLiteral(" Do you really want to exit? "));
    row("Frame2", "Frame2", -1, {632, 120, 121, 49});
    row("Frame1", "Frame1", -1, {632, 176, 121, 181}, QStringLiteral("Type of acid"));
    for (int i = 1; i <= 4; ++i) {
        const QByteArray tag = QByteArray("Option1(") + QByteArray::number(i) + ")";
        row(tag.constData(), "Option1", i, {8, 20 + 40 * (i - 1), 105, 33});
    }
    for (int i = 1; i <= 4; ++i) {
        const QByteArray tag = QByteArray("VScroll1(") + QByteArray::number(i) + ")";
        row(tag.constData(), "VScroll1", i, {504 + 32 * (i - 1), 24, 25, 305});
    }
    for (int i = 0; i <= 3; ++i) {
        const QByteArray tag = QByteArray("Label1(") + QByteArray::number(i) + ")";
        row(tag.constData(), "Label1", i, {504 + 32 * i, 4, 25, 17}, QString::number(i + 1));
    }
    row("Lab_pKa(1)", "Lab_pKa", 1, {504, 336, 29, 17}, QStringLiteral("2.1"),
        QStringLiteral(" Value of pKa(1) "));
    row("Lab_pKa(2)", "Lab_pKa", 2, {532, 336, 33, 17}, QStringLiteral("5.4"),
        QStringLiteral(" Value of pKa(2) "));
    row("Lab_pKa(3)", "Lab_pKa", 3, {564, 336, 33, 17}, QStringLiteral("9.7"),
        QStringLiteral(" Value of pKa(3) "));
    row("Lab_pKa(4)", "Lab_pKa", 4, {596, 336, 29, 17}, QStringLiteral("12.3"),
        QStringLiteral(" Value of pKa(4) "));
}

void TestMainWindow::layoutAsDesigned() {
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QRect, pixels);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);

    for (const MainWindow* loaded : {m_at96.get(), m_at120.get()}) {
        const MainWindow& window = *loaded;
        QWidget* w = window.form().widget(name, index);
        QVERIFY(w != nullptr);
        QCOMPARE(w->geometry(), pixels);
        QCOMPARE(w->toolTip(), toolTip);
        QVERIFY(w->isEnabled());
        QVERIFY(w->isVisibleTo(&window));
        QVERIFY(!w->accessibleName().isEmpty() || name == u"Frame2");
        if (auto* label = qobject_cast<QLabel*>(w)) {
            QCOMPARE(label->text(), text);
            QVERIFY(label->alignment() & Qt::AlignHCenter);
        } else if (auto* frame = qobject_cast<QGroupBox*>(w)) {
            QCOMPARE(frame->title(), text);
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            // Picture buttons: a picture at its own size, no caption.
            QVERIFY(button->text().isEmpty());
            QVERIFY(!button->icon().pixmap(button->iconSize()).isNull());
            QCOMPARE(button->iconSize(), name == u"Option1" ? QSize(110, 30) : QSize(90, 36));
        }
        if (name == u"Option1") {
            QCOMPARE(w->parentWidget(), window.form().widget(u"Frame1"));
        }
    }
}

void TestMainWindow::windowAsDesigned() {
    const MainWindow& window = *m_at96;
    QCOMPARE(window.objectName(), QStringLiteral("pHH"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Velmora  1.0"));
    QCOMPARE(window.minimumSize(), QSize(757, 362));
    QCOMPARE(window.maximumSize(), QSize(757, 362));
    const Qt::WindowFlags flags = window.windowFlags();
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!window.windowIcon().isNull());
    QVERIFY(window.font().bold());
    QVERIFY(closeTo(window.font().pointSizeF(), 9.75, 1e-9));
    QCOMPARE(window.palette().color(QPalette::Window), QColor(224, 224, 224));

    // Centred on the screen for its outer size of 763 x 388.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    if (area.width() >= 763 && area.height() >= 388) {
        QCOMPARE(window.pos(),
                 QPoint(area.x() + (area.width() - 763) / 2, area.y() + (area.height() - 388) / 2));
    }
}

void TestMainWindow::coloursAsDesigned() {
    const QImage shot = m_at96->grab().toImage();

    QCOMPARE(pixelAt(shot, {501, 200}), QColor(224, 224, 224)); // between plot and bars
    QCOMPARE(pixelAt(shot, {506, 6}), QColor(192, 192, 192));   // digit label 1, a corner
    QCOMPARE(pixelAt(shot, {598, 351}), QColor(255, 255, 192)); // value label 4, a corner
    QCOMPARE(pixelAt(shot, {745, 210}), QColor(255, 255, 192)); // Frame1 right of the buttons
    QCOMPARE(pixelAt(shot, {700, 145}), QColor(224, 224, 224)); // inside Frame2
    // The plot box shows the diagram's white backdrop inside the plot frame.
    QCOMPARE(pixelAt(shot, {4 + 262, 4 + 290}), QColor(255, 255, 255));
}

void TestMainWindow::startUpState() {
    const MainWindow& window = *m_at96;
    const model::Acid& acid = window.acid();
    QCOMPARE(acid.pKa1(), 2.1);
    QCOMPARE(acid.pKa2(), 5.4);
    QCOMPARE(acid.pKa3(), 9.7);
    QCOMPARE(acid.pKa4(), 12.3);
    QVERIFY(closeTo(acid.Ka1(), std::pow(10.0, -2.1), 1e-12));
    QVERIFY(closeTo(acid.Ka4(), std::pow(10.0, -12.3), 1e-12));

    const int values[] = {21, 54, 97, 123};
    const char* labels[] = {"2.1", "5.4", "9.7", "12.3"};
    for (int i = 1; i <= 4; ++i) {
        QScrollBar* bar = window.pKaBar(i - 1);
        QCOMPARE(bar->value(), values[i - 1]);
        QCOMPARE(bar->minimum(), 10);
        QCOMPARE(bar->maximum(), 130);
        QCOMPARE(bar->singleStep(), 1);
        QCOMPARE(bar->pageStep(), 10);
        QVERIFY(bar->hasTracking());
        QCOMPARE(bar->orientation(), Qt::Vertical);
        QCOMPARE(bar->accessibleName(), QStringLiteral("pKa %1").arg(i));
        QCOMPARE(window.pKaLabel(i - 1)->text(), QString::fromLatin1(labels[i - 1]));
        QCOMPARE(window.acidTypeButton(i - 1)->isChecked(), i == 4);
    }
    QCOMPARE(window.acidTypes()->checkedId(), 4);
    QVERIFY(window.acidTypes()->exclusive());
    QCOMPARE(window.acidTypeButton(0)->accessibleName(), QStringLiteral("Monoprotic acid HA"));
    QCOMPARE(window.acidTypeButton(3)->accessibleName(), QStringLiteral("Tetraprotic acid H4A"));
    QCOMPARE(window.plotBox()->accessibleName(), QStringLiteral("Distribution diagram"));

    // The load drew the tetraprotic diagram once: a second drawing would set the first label's
    // first letter in the 10 pt the first one left behind.
    QVERIFY(window.plot().image() == startDiagram(window.plot().devicePixelRatio()));
    QVERIFY2(window.plotBox()->accessibleDescription().startsWith(u"Tetraprotic acid."),
             qPrintable(window.plotBox()->accessibleDescription()));
    QCOMPARE(window.focusWidget(), window.form().widget(u"Comm_exit"));
}

void TestMainWindow::tabOrderFromExit() {
    MainWindow window(ScreenDensity{15.0f, 15.0f});
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const Form& f = window.form();
    // The acid-type buttons are one exclusive group and so one tab stop, as option buttons are.
    const QList<QWidget*> expected{f.widget(u"Comm_exit"),   f.widget(u"Comm_about"),
                                   f.widget(u"Pict_pole"),   f.widget(u"Comm_theory"),
                                   f.widget(u"VScroll1", 1), f.widget(u"VScroll1", 2),
                                   f.widget(u"VScroll1", 3), f.widget(u"VScroll1", 4),
                                   f.widget(u"Option1", 1),  f.widget(u"Comm_exit")};
    QList<QWidget*> visited{QApplication::focusWidget()};
    for (qsizetype i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget();
    }
    QCOMPARE(visited, expected);

    // Inside the group the arrow keys reach every button; the space bar selects.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), window.acidTypeButton(0));
    for (int i = 2; i <= 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), window.acidTypeButton(i - 1));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(window.acidTypes()->checkedId(), 3);
}

void TestMainWindow::designNamesReachTheirWidgets_data() {
    QTest::addColumn<QString>("design");
    QTest::addColumn<int>("firstIndex");
    QTest::addColumn<QString>("code");
    for (const DesignName& name : kMainWindowControls) {
        const QString design = fromView(name.design);
        QTest::newRow(qPrintable(design))
            << design << name.firstIndex
            << QString::fromLatin1(name.code.data(), static_cast<qsizetype>(name.code.size()));
    }
}

void TestMainWindow::designNamesReachTheirWidgets() {
    QFETCH(QString, design);
    QFETCH(int, firstIndex);
    QFETCH(QString, code);
    const Accessor reach = accessorCalled(code);
    QVERIFY2(reach, qPrintable(QStringLiteral("MainWindow has no accessor ") + code));
    for (const MainWindow* loaded : {m_at96.get(), m_at120.get()}) {
        const MainWindow& window = *loaded;
        if (firstIndex < 0) {
            const QWidget* w = reach(window, -1);
            QVERIFY(w != nullptr);
            QCOMPARE(w->objectName(), design);
            if (w != &window) {
                QCOMPARE(w, static_cast<const QWidget*>(window.form().widget(design)));
            }
            continue;
        }
        // A row of four: the code's 0..3 are the design's firstIndex.. in order.
        for (int i = 0; i < model::kMaxProtons; ++i) {
            const QWidget* w = reach(window, i);
            QVERIFY(w != nullptr);
            QCOMPARE(w->objectName(), QStringLiteral("%1(%2)").arg(design).arg(firstIndex + i));
            QCOMPARE(w, static_cast<const QWidget*>(window.form().widget(design, firstIndex + i)));
        }
    }
}

void TestMainWindow::everyDesignedControlHasACodeName_data() {
    QTest::addColumn<QString>("design");
    QTest::addColumn<int>("index");
    const WindowDesign& designed = mainWindowDesign();
    QTest::newRow(qPrintable(designed.name)) << designed.name << -1;
    for (const ControlDesign& control : designed.controls) {
        const QString tag = control.index < 0
                                ? control.name
                                : QStringLiteral("%1(%2)").arg(control.name).arg(control.index);
        QTest::newRow(qPrintable(tag)) << control.name << control.index;
    }
}

void TestMainWindow::everyDesignedControlHasACodeName() {
    QFETCH(QString, design);
    QFETCH(int, index);
    int entries = 0;
    for (const DesignName& name : kMainWindowControls) {
        if (fromView(name.design) != design) {
            continue;
        }
        ++entries;
        if (index < 0) {
            QCOMPARE(name.firstIndex, -1);
        } else {
            QVERIFY2(index >= name.firstIndex && index < name.firstIndex + model::kMaxProtons,
                     qPrintable(QString::number(name.firstIndex)));
        }
    }
    QCOMPARE(entries, 1);
}

void TestMainWindow::rowIndexOutsideIsRefused_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("index");
    for (const char* code : {"acidTypeButton", "pKaBar", "pKaBarNumber", "pKaLabel"}) {
        for (int index : {-1, 4, 1000}) {
            const QByteArray tag = QByteArray(code) + '(' + QByteArray::number(index) + ')';
            QTest::newRow(tag.constData()) << QString::fromLatin1(code) << index;
        }
    }
}

void TestMainWindow::rowIndexOutsideIsRefused() {
    QFETCH(QString, code);
    QFETCH(int, index);
    const Accessor reach = accessorCalled(code);
    QVERIFY(reach);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, reach(*m_at96, index));
}

void TestMainWindow::theoryOpensTheDocument_data() {
    QTest::addColumn<bool>("inWorkingDirectory");
    QTest::newRow("in the working directory") << true;
    QTest::newRow("beside the executable") << false;
}

void TestMainWindow::theoryOpensTheDocument() {
    QFETCH(bool, inWorkingDirectory);
    const QString name = QString::fromLatin1(kTheoryDocument);
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(work.path()));
    auto restore = qScopeGuard([&] { QDir::setCurrent(previous); });

    QString expected;
    std::unique_ptr<QFile> madeBeside;
    if (inWorkingDirectory) {
        expected = work.filePath(name);
        QFile document(expected);
        QVERIFY(document.open(QIODevice::WriteOnly));
    } else {
        expected = QDir(QCoreApplication::applicationDirPath()).filePath(name);
        if (!QFile::exists(expected)) { // the build makes it; stand in where it did not
            madeBeside = std::make_unique<QFile>(expected);
            QVERIFY(madeBeside->open(QIODevice::WriteOnly));
            madeBeside->close();
        }
    }
    auto removeMade = qScopeGuard([&] {
        if (madeBeside) {
            madeBeside->remove();
        }
    });

    test::UrlCatcher catcher{"file"};
    QTest::mouseClick(m_at96->form().widget(u"Comm_theory"), Qt::LeftButton);
    QCOMPARE(catcher.urls, QList<QUrl>{QUrl::fromLocalFile(expected)});
}

void TestMainWindow::theoryLooksInTheFoldersInOrder() {
    QTemporaryDir work;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(work.path()));
    auto restore = qScopeGuard([&] { QDir::setCurrent(previous); });
    // The working directory is read at the moment of the look-up, not at start.
    const QStringList folders = theoryFolders();
    // Then beside the program, then the installed documents relative to the program, then
    // where the build was configured to install them.
    QVERIFY(folders.size() >= 3);
    QCOMPARE(folders.first(), QDir::currentPath());
    QCOMPARE(folders.at(1), QCoreApplication::applicationDirPath());
    QCOMPARE(folders.last(), QStringLiteral(VELMORA_DOCDIR));
}

void TestMainWindow::theoryMissingSaysWhereItLooked() {
    QTemporaryDir first;
    QTemporaryDir second;
    test::UrlCatcher catcher{"file"};
    bool opened = true;
    // Returns once the message is answered.
    const QStringList messages = test::messagesDuring([&] {
        opened = openTheoryDocument({first.path(), second.path()}, nullptr);
    });

    QVERIFY(!opened);
    QCOMPARE(messages.size(), 1);
    const QString& message = messages.front();
    QVERIFY(catcher.urls.isEmpty());
    QVERIFY2(message.contains(QString::fromLatin1(kTheoryDocument)), qPrintable(message));
    QVERIFY2(message.contains(QDir::toNativeSeparators(first.path())), qPrintable(message));
    QVERIFY2(message.contains(QDir::toNativeSeparators(second.path())), qPrintable(message));
    QVERIFY(message.indexOf(first.path()) < message.indexOf(second.path()));
}

void TestMainWindow::aboutIsOneModelessWindow() {
    MainWindow window(ScreenDensity{15.0f, 15.0f});
    window.show();
    QTest::mouseClick(window.form().widget(u"Comm_about"), Qt::LeftButton);
    QPointer<About> about = openAbout();
    QVERIFY(about);
    QVERIFY(!about->isModal());
    QCOMPARE(about->parentWidget(), nullptr);
    // A second click shows the same window again.
    about->Clear_Click();
    QVERIFY(!about->isVisible());
    QCOMPARE(openAbout(), nullptr);
    window.showAbout();
    QCOMPARE(openAbout(), about.data());
}

void TestMainWindow::exitEndsTheProgramWithEveryWindow() {
    MainWindow window(ScreenDensity{15.0f, 15.0f});
    window.show();
    window.showAbout();
    QPointer<About> about = openAbout();
    QVERIFY(about);
    QCOMPARE(visibleTopLevels(), 2);

    QVERIFY(runUntilQuit(
        [&] { QTest::mouseClick(window.form().widget(u"Comm_exit"), Qt::LeftButton); }));
    QCOMPARE(visibleTopLevels(), 0);
    QVERIFY(!about || !about->isVisible());
}

void TestMainWindow::closeBoxEndsTheProgram() {
    MainWindow window(ScreenDensity{15.0f, 15.0f});
    window.show();
    window.showAbout();
    QVERIFY(runUntilQuit([&] { window.close(); }));
    QCOMPARE(visibleTopLevels(), 0);
}

void TestMainWindow::spaceOnTheFirstFocusExits() {
    MainWindow window(ScreenDensity{15.0f, 15.0f});
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(QApplication::focusWidget(), window.form().widget(u"Comm_exit"));
    QVERIFY(runUntilQuit([] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); }));
    QVERIFY(!window.isVisible());
}

void TestMainWindow::plotKeepsItsLastDrawing() {
    MainWindow window(ScreenDensity{15.0f, 15.0f});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy redraws(&window, &MainWindow::diagramDrawn);
    // Painting copies the retained image; it never draws the diagram.
    for (int i = 0; i < 3; ++i) {
        window.hide();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.plotBox()->repaint();
    }
    QCoreApplication::processEvents();
    QCOMPARE(redraws.count(), 0);
    const QImage shown = window.plotBox()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage retained = window.plot().image().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), retained.size());
    QVERIFY(shown == retained);
}

void TestMainWindow::plotFollowsDevicePixelRatio() {
    const qreal ratio = test::scaleFactor();
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.plotBox()->devicePixelRatioF(), ratio);
    QCOMPARE(window.plot().devicePixelRatio(), ratio);
    const QImage& image = window.plot().image();
    QCOMPARE(image.size(), QSize(qRound(495 * ratio), qRound(350 * ratio)));
    // Still the whole layout in logical pixels, and the start diagram drawn at the ratio.
    QCOMPARE(window.plotBox()->geometry(), QRect(4, 4, 495, 350));
    QVERIFY(image == startDiagram(ratio));
}

void TestMainWindow::staleImageIsRedrawnOutsidePainting() {
    PlotBox box;
    box.resize(495, 350);
    // An image drawn for another pixel ratio than the box's is stale.
    diagram::RetainedPlot plot(box.devicePixelRatioF() + 1.0);
    box.setPlot(&plot);
    QSignalSpy asked(&box, &PlotBox::devicePixelRatioChanged);

    // Painting shows the stale image and asks for a new one from the event loop, once.
    const QImage shown = box.grab().toImage();
    box.grab();
    QCOMPARE(pixelAt(shown, {300, 150}), QColor(255, 255, 255)); // the backdrop, scaled
    QCOMPARE(asked.count(), 0);
    QTRY_COMPARE(asked.count(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(asked.count(), 1);

    // Redrawn at the box's ratio, the image is current: painting asks for nothing more.
    plot.setDevicePixelRatio(box.devicePixelRatioF());
    box.grab();
    QCoreApplication::processEvents();
    QCOMPARE(asked.count(), 1);
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
