// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's exports at the machine's limits: too little memory is one line and status
// 1 with the old file kept, and the screen's scaling settings change no byte of any file.

#include "files.h"
#include "program.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace velmora;
using test::contentsOf;
using test::entriesOf;
using test::Launch;
using test::oneLine;
using test::putFile;
using test::Run;
using test::runProgram;

namespace {

/** A titration of phosphoric acid, the example of a large data file. */
const QStringList kTitration{QStringLiteral("--plot"), QStringLiteral("titration"),
                             QStringLiteral("--pka"), QStringLiteral("2.148,7.198,12.319")};

/** The file without the lines that name the moment it was made (a PDF's creation date). */
QByteArray timeless(const QByteArray& bytes) {
    QByteArrayList lines = bytes.split('\n');
    lines.removeIf([](const QByteArray& line) { return line.contains("/CreationDate"); });
    return lines.join('\n');
}

bool sanitized() {
#if defined(__SANITIZE_ADDRESS__)
    return true;
#else
    return false;
#endif
}

} // namespace

class TestExportLimits : public QObject {
    Q_OBJECT
private slots:
    void init();

    void tooLittleMemoryIsReported_data();
    void tooLittleMemoryIsReported();
    void anyMemoryLimitEndsInOneOfTwoWays_data();
    void anyMemoryLimitEndsInOneOfTwoWays();
    void screenScalingChangesNoFile_data();
    void screenScalingChangesNoFile();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestExportLimits::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestExportLimits::tooLittleMemoryIsReported_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("a titration's data at a very small step")
        << "t.csv"
        << kTitration + QStringList{QStringLiteral("--step"), QStringLiteral("0.0012"),
                                    QStringLiteral("--to"), QStringLiteral("1000")};
    QTest::newRow("the largest image: 8192 pixels a side")
        << "t.png"
        << kTitration + QStringList{QStringLiteral("--size"), QStringLiteral("4096x4096"),
                                    QStringLiteral("--scale"), QStringLiteral("2")};
    QTest::newRow("a fractions chart of 8192 by 4096 pixels")
        << "f.png" << QStringList{QStringLiteral("--plot"),  QStringLiteral("fractions"),
                                  QStringLiteral("--pka"),   QStringLiteral("4.76"),
                                  QStringLiteral("--size"),  QStringLiteral("4096x2048"),
                                  QStringLiteral("--scale"), QStringLiteral("2")};
}

void TestExportLimits::tooLittleMemoryIsReported() {
    QFETCH(QString, file);
    QFETCH(QStringList, arguments);
    if (sanitized()) {
        QSKIP("the sanitizers reserve more address space than any limit here allows");
    }
    const QString path = m_dir->filePath(file);
    const QByteArray old("old contents\n");
    QVERIFY(putFile(QFile::encodeName(path), old));
    // About 100 MB: the program starts, the export does not fit.
    const Run run = runProgram(QStringList{QStringLiteral("--export"), path} + arguments,
                               Launch{.shellPrefix = QStringLiteral("ulimit -v 100000")});
    QCOMPARE(run.status, 1);
    QVERIFY2(
        oneLine(run, "velmora: cannot write " + QFile::encodeName(path), "Cannot allocate memory"),
        run.err.constData());
    QCOMPARE(contentsOf(QFile::encodeName(path)), old);
    QCOMPARE(entriesOf(QFile::encodeName(m_dir->path())), QByteArrayList{file.toUtf8()});
}

void TestExportLimits::anyMemoryLimitEndsInOneOfTwoWays_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("megabytes");
    for (const char* file : {"t.csv", "t.png", "t.svg", "t.pdf"}) {
        for (const int megabytes : {90, 100, 110, 130, 160}) {
            QTest::addRow("%s in %d MB", file, megabytes) << QString::fromLatin1(file) << megabytes;
        }
    }
}

void TestExportLimits::anyMemoryLimitEndsInOneOfTwoWays() {
    QFETCH(QString, file);
    QFETCH(int, megabytes);
    if (sanitized()) {
        QSKIP("the sanitizers reserve more address space than any limit here allows");
    }
    const QString path = m_dir->filePath(file);
    const QByteArray old("old contents\n");
    QVERIFY(putFile(QFile::encodeName(path), old));
    QStringList arguments = QStringList{QStringLiteral("--export"), path} + kTitration;
    if (file.endsWith(u".csv")) {
        arguments << QStringLiteral("--step") << QStringLiteral("0.002");
    }
    const Run run = runProgram(
        arguments, Launch{.shellPrefix = QStringLiteral("ulimit -v %1").arg(megabytes * 1000)});
    // Written whole, or refused in one line with the old file kept: never an abort.
    QVERIFY2(run.status == 0 || run.status == 1, run.err.constData());
    if (run.status == 1) {
        QVERIFY2(oneLine(run, "velmora: cannot write", "Cannot allocate memory"),
                 run.err.constData());
        QCOMPARE(contentsOf(QFile::encodeName(path)), old);
    } else {
        QVERIFY(contentsOf(QFile::encodeName(path)) != old);
    }
    QCOMPARE(entriesOf(QFile::encodeName(m_dir->path())), QByteArrayList{file.toUtf8()});
}

void TestExportLimits::screenScalingChangesNoFile_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("value");
    const QStringList chart{QStringLiteral("--plot"), QStringLiteral("logc"),
                            QStringLiteral("--pka"), QStringLiteral("4.76")};
    const QStringList diagram{QStringLiteral("--pka"), QStringLiteral("2.148,7.198,12.319")};
    const QList<QPair<QString, QString>> settings{
        {QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2")},
        {QStringLiteral("QT_SCREEN_SCALE_FACTORS"), QStringLiteral("1.5")},
        {QStringLiteral("QT_FONT_DPI"), QStringLiteral("144")},
    };
    for (const auto& [setting, value] : settings) {
        for (const char* file : {"c.png", "c.svg", "c.pdf"}) {
            QTest::addRow("chart %s under %s", file, qPrintable(setting))
                << QString::fromLatin1(file) << chart << setting << value;
        }
        QTest::addRow("diagram png under %s", qPrintable(setting))
            << QStringLiteral("d.png") << diagram << setting << value;
        QTest::addRow("diagram pdf under %s", qPrintable(setting))
            << QStringLiteral("d.pdf") << diagram << setting << value;
    }
}

void TestExportLimits::screenScalingChangesNoFile() {
    QFETCH(QString, file);
    QFETCH(QStringList, arguments);
    QFETCH(QString, setting);
    QFETCH(QString, value);
    const QString plain = m_dir->filePath(QStringLiteral("plain-") + file);
    const QString scaled = m_dir->filePath(QStringLiteral("scaled-") + file);
    const Launch unscaled{.unset = {QStringLiteral("QT_SCALE_FACTOR"),
                                    QStringLiteral("QT_SCREEN_SCALE_FACTORS"),
                                    QStringLiteral("QT_FONT_DPI")}};
    QCOMPARE(
        runProgram(QStringList{QStringLiteral("--export"), plain} + arguments, unscaled).status, 0);
    QCOMPARE(runProgram(QStringList{QStringLiteral("--export"), scaled} + arguments,
                        Launch{.set = {{setting, value}}})
                 .status,
             0);
    const QByteArray expected = timeless(contentsOf(QFile::encodeName(plain)));
    QVERIFY(!expected.isEmpty());
    QVERIFY(timeless(contentsOf(QFile::encodeName(scaled))) == expected);
}

QTEST_GUILESS_MAIN(TestExportLimits)
#include "test_exportlimits.moc"
