// SPDX-License-Identifier: GPL-3.0-or-later
// The windows at the machine's limits: a lack of memory while a drawing is taken out is one
// message, and a view larger than any screen keeps its image within a fixed number of pixels.

#include "testsupport.h"

#include "ui/common/diagramcommands.h"
#include "ui/solution/chartview.h"

#include <QMainWindow>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include <new>

using namespace velmora;
using namespace velmora::ui;
using test::messagesDuring;

namespace {

/** A drawing that runs out of memory in each of the ways asked for. */
class StarvedDrawing : public DrawingSource {
public:
    [[nodiscard]] QImage image(int) const override { throw std::bad_alloc(); }
    void paint(QPainter&, const QRectF&) const override { throw std::bad_alloc(); }
    [[nodiscard]] QString write(const QString&, encode::ExportFormat, int) const override {
        throw std::bad_alloc();
    }
    [[nodiscard]] QString fileName() const override { return QStringLiteral("starved"); }
    [[nodiscard]] QString title() const override { return QStringLiteral("Starved"); }
};

} // namespace

class TestWindowLimits : public QObject {
    Q_OBJECT
private slots:
    void lackOfMemoryIsOneMessage_data();
    void lackOfMemoryIsOneMessage();
    void imageRatioKeepsThePixelBudget_data();
    void imageRatioKeepsThePixelBudget();
    void aHugeViewKeepsItsImageSmall();
};

void TestWindowLimits::lackOfMemoryIsOneMessage_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("start");
    QTest::newRow("copy") << "copy"
                          << "The diagram could not be copied.";
    QTest::newRow("save") << "save"
                          << "The diagram could not be saved to";
    QTest::newRow("export data") << "export"
                                 << "The data could not be exported to";
    QTest::newRow("print") << "print"
                           << "The diagram could not be printed.";
}

void TestWindowLimits::lackOfMemoryIsOneMessage() {
    QFETCH(QString, command);
    QFETCH(QString, start);
    QTemporaryDir dir;
    QMainWindow window;
    const StarvedDrawing drawing;
    DiagramCommands commands(window, drawing);
    bool succeeded = true;
    const QStringList messages = messagesDuring([&] {
        if (command == u"copy") {
            commands.copyAction()->trigger();
        } else if (command == u"save") {
            succeeded = commands.saveDiagramTo(dir.filePath(QStringLiteral("d.png")));
        } else if (command == u"export") {
            succeeded = commands.exportDataTo(dir.filePath(QStringLiteral("d.csv")));
        } else {
            QPrinter printer;
            printer.setOutputFileName(dir.filePath(QStringLiteral("d.pdf")));
            succeeded = commands.printDiagram(printer);
        }
    });
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().startsWith(start) && messages.first().contains(u"Cannot allocate"),
             qPrintable(messages.first()));
    if (command != u"copy") {
        QVERIFY(!succeeded);
    }
}

void TestWindowLimits::imageRatioKeepsThePixelBudget_data() {
    QTest::addColumn<QSize>("view");
    QTest::addColumn<qreal>("screenRatio");
    QTest::addColumn<bool>("full");
    QTest::newRow("a laptop's window") << QSize(960, 600) << qreal(1) << true;
    QTest::newRow("an 8K screen filled") << QSize(7680, 4320) << qreal(1) << true;
    QTest::newRow("a 4K screen at twice its pixels") << QSize(3840, 2160) << qreal(2) << true;
    QTest::newRow("one pixel wider than the budget") << QSize(7681, 4320) << qreal(1) << false;
    QTest::newRow("the largest window") << QSize(32767, 32767) << qreal(1) << false;
    QTest::newRow("the largest window at twice") << QSize(32767, 32767) << qreal(2) << false;
}

void TestWindowLimits::imageRatioKeepsThePixelBudget() {
    QFETCH(QSize, view);
    QFETCH(qreal, screenRatio);
    QFETCH(bool, full);
    const qreal ratio = ChartView::imageRatio(view, screenRatio);
    QCOMPARE(ratio == screenRatio, full);
    QVERIFY(ratio <= screenRatio);
    const double pixels = view.width() * ratio * view.height() * ratio;
    QVERIFY(pixels <= ChartView::kMaxImagePixels * (1 + 1e-12));
    if (!full) {
        // No more shrunk than the budget asks.
        QVERIFY(pixels >= 0.999 * ChartView::kMaxImagePixels);
    }
}

void TestWindowLimits::aHugeViewKeepsItsImageSmall() {
    ChartView view(charts::ChartKind::Titration);
    view.resize(20000, 20000);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QTRY_VERIFY(!view.isStale());
    const QImage& image = view.image();
    QVERIFY(!image.isNull());
    QVERIFY(double(image.width()) * image.height() <= ChartView::kMaxImagePixels);
    // Drawn in the view's own coordinates: the whole chart, stretched over the view.
    QCOMPARE(image.deviceIndependentSize().toSize(), QSize(20000, 20000));
    const int builds = view.builds();
    view.repaint();
    QCOMPARE(view.builds(), builds);
}

QTEST_MAIN(TestWindowLimits)
#include "test_windowlimits.moc"
