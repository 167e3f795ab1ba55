// SPDX-License-Identifier: GPL-3.0-or-later
// The command line and the export: parsing in process, then the real program end to end.

#include "testsupport.h"

#include "app/commandline.h"
#include "diagram/export.h"
#include "model/fractions.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

using namespace velmora;
using Action = app::CommandLine::Action;
using diagram::ExportFormat;

Q_DECLARE_METATYPE(std::optional<ExportFormat>)

namespace {

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

/** Runs the program with `arguments`; `unset` names environment variables to remove. */
Run runProgram(const QStringList& arguments, const QStringList& unset = {},
               const QString& shellPrefix = {}) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& name : unset) {
        env.remove(name);
    }
    process.setProcessEnvironment(env);
    if (shellPrefix.isEmpty()) {
        process.start(QStringLiteral(VELMORA_BINARY), arguments);
    } else {
        // The shell sets limits, then runs the program with the arguments as "$@".
        process.start(QStringLiteral("/bin/sh"),
                      QStringList{QStringLiteral("-c"),
                                  shellPrefix + QStringLiteral("; exec \"$0\" \"$@\""),
                                  QStringLiteral(VELMORA_BINARY)} +
                          arguments);
    }
    if (!process.waitForFinished(60000)) {
        process.kill();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<QByteArray> csvLines(const QByteArray& data) {
    QList<QByteArray> lines = data.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

} // namespace

class TestExport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void formatBySuffix_data();
    void formatBySuffix();
    void refusedCommandLines_data();
    void refusedCommandLines();
    void acceptedCommandLines_data();
    void acceptedCommandLines();
    void pngIsSilentWithoutDisplay();
    void pngScale_data();
    void pngScale();
    void svgKeepsText();
    void pdfHasOnePage();
    void csvRows_data();
    void csvRows();
    void refusalWritesNothing_data();
    void refusalWritesNothing();
    void failedWriteKeepsFile_data();
    void failedWriteKeepsFile();
    void versionAndHelp();

private:
    QTemporaryDir m_dir;
    [[nodiscard]] QString path(const QString& name) const { return m_dir.filePath(name); }
};

void TestExport::initTestCase() {
    QVERIFY(m_dir.isValid());
    QVERIFY2(QFile::exists(QStringLiteral(VELMORA_BINARY)), VELMORA_BINARY);
}

void TestExport::formatBySuffix_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<std::optional<ExportFormat>>("format");
    QTest::newRow("png") << "diagram.png" << std::optional(ExportFormat::Png);
    QTest::newRow("PNG upper case") << "DIAGRAM.PNG" << std::optional(ExportFormat::Png);
    QTest::newRow("Svg mixed case") << "out/d.Svg" << std::optional(ExportFormat::Svg);
    QTest::newRow("pdf") << "/tmp/x.y.pdf" << std::optional(ExportFormat::Pdf);
    QTest::newRow("cSv") << "data.cSv" << std::optional(ExportFormat::Csv);
    QTest::newRow("no suffix") << "diagram" << std::optional<ExportFormat>();
    QTest::newRow("png.gz") << "diagram.png.gz" << std::optional<ExportFormat>();
    QTest::newRow("suffix only in the directory")
        << "d.png/diagram" << std::optional<ExportFormat>();
}

void TestExport::formatBySuffix() {
    QFETCH(QString, file);
    QFETCH(std::optional<ExportFormat>, format);
    QCOMPARE(diagram::formatForFile(file), format);
}

void TestExport::refusedCommandLines_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("option");
    const auto row = [](const char* name, const QStringList& args, const char* option) {
        QTest::newRow(name) << args << QString::fromLatin1(option);
    };
    row("unknown option", {"--export", "a.png", "--frobnicate"}, "frobnicate");
    row("unknown suffix", {"--export", "a.txt"}, "export");
    row("missing FILE", {"--export"}, "export");
    row("empty FILE", {"--export", ""}, "export");
    row("pka not a number", {"--export", "a.png", "--pka", "x"}, "pka");
    row("pka nan", {"--export", "a.png", "--pka", "nan"}, "pka");
    row("pka inf", {"--export", "a.png", "--pka", "inf"}, "pka");
    row("pka below range", {"--export", "a.png", "--pka", "-1"}, "pka");
    row("pka above range", {"--export", "a.png", "--pka", "14.5"}, "pka");
    row("pka decreasing", {"--export", "a.png", "--pka", "5,4"}, "pka");
    row("pka too many values", {"--export", "a.png", "--pka", "1,2,3,4,5"}, "pka");
    row("pka second value 0", {"--export", "a.png", "--pka", "2,0"}, "pka");
    row("pka second value 0 after 0", {"--export", "a.png", "--pka", "0,0"}, "pka");
    row("pka empty element", {"--export", "a.png", "--pka", "2,,3"}, "pka");
    row("pka empty", {"--export", "a.png", "--pka", ""}, "pka");
    row("scale 0", {"--export", "a.png", "--scale", "0"}, "scale");
    row("scale 9", {"--export", "a.png", "--scale", "9"}, "scale");
    row("scale 2.5", {"--export", "a.png", "--scale", "2.5"}, "scale");
    row("step 0", {"--export", "a.csv", "--step", "0"}, "step");
    row("step 2", {"--export", "a.csv", "--step", "2"}, "step");
    row("step 0.0005", {"--export", "a.csv", "--step", "0.0005"}, "step");
    row("step nan", {"--export", "a.csv", "--step", "nan"}, "step");
    row("pka without export", {"--pka", "2"}, "pka");
    row("stray argument", {"--export", "a.png", "extra"}, "extra");
}

void TestExport::refusedCommandLines() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, option);
    const app::CommandLine line = app::parseCommandLine(QStringList{"velmora"} + arguments);
    QCOMPARE(line.action, Action::Refused);
    QVERIFY2(line.problem.contains(option), qPrintable(line.problem));
    QVERIFY2(!line.problem.contains(u'\n'), qPrintable(line.problem));
}

void TestExport::acceptedCommandLines_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QList<double>>("pKa");
    QTest::addColumn<int>("protons");
    QTest::addColumn<int>("scale");
    QTest::addColumn<double>("step");
    QTest::addColumn<int>("format");
    QTest::addColumn<QStringList>("labels"); // the example's formulas, or none
    const QList<double> start{2.1, 5.4, 9.7, 12.3};
    const int png = int(ExportFormat::Png);
    QTest::newRow("default acid") << QStringList{"--export", "a.png"} << start << 4 << 1 << 0.1
                                  << png << QStringList{};
    QTest::newRow("preset") << QStringList{"--export", "a.csv", "--preset", "phosphoric"}
                            << QList<double>{2.15, 7.20, 12.35, 0} << 3 << 1 << 0.1
                            << int(ExportFormat::Csv)
                            << QStringList{"H3PO4", "H2PO4^-", "HPO4^2-", "PO4^3-"};
    QTest::newRow("mono 7") << QStringList{"--export", "a.png", "--pka", "7"}
                            << QList<double>{7, 0, 0, 0} << 1 << 1 << 0.1 << png << QStringList{};
    QTest::newRow("equal neighbours")
        << QStringList{"--export", "a.svg", "--pka", "3,3"} << QList<double>{3, 3, 0, 0} << 2 << 1
        << 0.1 << int(ExportFormat::Svg) << QStringList{};
    QTest::newRow("first value 0")
        << QStringList{"--export", "a.pdf", "--pka", "0"} << QList<double>{0, 0, 0, 0} << 1 << 1
        << 0.1 << int(ExportFormat::Pdf) << QStringList{};
    QTest::newRow("bounds 0 and 14")
        << QStringList{"--export", "a.png", "--pka", "0,1.5,14"} << QList<double>{0, 1.5, 14, 0}
        << 3 << 1 << 0.1 << png << QStringList{};
    QTest::newRow("scale 8") << QStringList{"--export", "a.PNG", "--scale", "8"} << start << 4 << 8
                             << 0.1 << png << QStringList{};
    QTest::newRow("step 0.001") << QStringList{"--export", "a.csv", "--step", "0.001"} << start << 4
                                << 1 << 0.001 << int(ExportFormat::Csv) << QStringList{};
    QTest::newRow("step 1") << QStringList{"--export=a.csv", "--step", "1"} << start << 4 << 1
                            << 1.0 << int(ExportFormat::Csv) << QStringList{};
}

void TestExport::acceptedCommandLines() {
    QFETCH(QStringList, arguments);
    QFETCH(QList<double>, pKa);
    QFETCH(int, protons);
    QFETCH(int, scale);
    QFETCH(double, step);
    QFETCH(int, format);
    QFETCH(QStringList, labels);
    const app::CommandLine line = app::parseCommandLine(QStringList{"velmora"} + arguments);
    QVERIFY2(line.action == Action::Export, qPrintable(line.problem));
    const auto exponents = line.request.acid.exponents();
    QCOMPARE(QList<double>(exponents.begin(), exponents.end()), pKa);
    QCOMPARE(line.request.acid.protonCount(), protons);
    QCOMPARE(line.request.scale, scale);
    QCOMPARE(line.request.step, step);
    QCOMPARE(int(line.format), format);
    QStringList given(line.request.labels.begin(), line.request.labels.end());
    given.removeAll(QString());
    QCOMPARE(given, labels);
}

void TestExport::pngIsSilentWithoutDisplay() {
    const QString file = path(QStringLiteral("silent.png"));
    const Run run = runProgram(
        {"--export", file}, {"XDG_RUNTIME_DIR", "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(run.err, QByteArray());
    const QImage image(file);
    QCOMPARE(image.size(), QSize(495, 350));
    // The whole diagram, not the backdrop alone: the frame and every species colour are there.
    QCOMPARE(image.pixelColor(300, 20), QColor(0, 0, 0));
    for (const QColor c :
         {QColor(255, 0, 0), QColor(128, 0, 128), QColor(0, 128, 128), QColor(0, 0, 255)}) {
        bool found = false;
        for (int y = 21; y < 320 && !found; ++y) {
            for (int x = 53; x < 473 && !found; ++x) {
                found = image.pixelColor(x, y) == c;
            }
        }
        QVERIFY2(found, qPrintable(c.name()));
    }
}

void TestExport::pngScale_data() {
    QTest::addColumn<QString>("scale");
    QTest::addColumn<QSize>("size");
    QTest::newRow("1x") << "1" << QSize(495, 350);
    QTest::newRow("3x") << "3" << QSize(1485, 1050);
}

void TestExport::pngScale() {
    QFETCH(QString, scale);
    QFETCH(QSize, size);
    const QString file = path(QStringLiteral("scaled%1.png").arg(scale));
    const Run run = runProgram({"--export", file, "--scale", scale});
    QCOMPARE(run.status, 0);
    const QImage image(file);
    QCOMPARE(image.size(), size);
    // The frame's top row, drawn at the scale: as thick as the scale, with white above it.
    const int n = scale.toInt();
    for (int dy = 0; dy < n; ++dy) {
        QVERIFY(qGray(image.pixel(300 * n, 20 * n + dy)) < 40);
    }
    QCOMPARE(image.pixelColor(300 * n, 20 * n - 1), QColor(255, 255, 255));
}

void TestExport::svgKeepsText() {
    const QString file = path(QStringLiteral("diagram.svg"));
    QCOMPARE(runProgram({"--export", file}).status, 0);
    const QByteArray svg = readAll(file);
    QVERIFY(svg.contains("<text"));
    QVERIFY(svg.contains("Concentration fraction vs pH"));
    QVERIFY(svg.contains("viewBox=\"0 0 495 350\""));
    QVERIFY(svg.contains(">H<") && svg.contains(">4-<")); // species labels stay text
}

void TestExport::pdfHasOnePage() {
    const QString file = path(QStringLiteral("diagram.pdf"));
    QCOMPARE(runProgram({"--export", file, "--pka", "3,7"}).status, 0);
    const QByteArray pdf = readAll(file);
    QVERIFY(pdf.startsWith("%PDF"));
    // Page objects, not the /Pages tree.
    const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
    int pages = 0;
    for (auto it = page.globalMatch(QString::fromLatin1(pdf)); it.hasNext(); it.next()) {
        ++pages;
    }
    QCOMPARE(pages, 1);
}

void TestExport::csvRows_data() {
    QTest::addColumn<QString>("pka");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QByteArray>("lastButOne");
    QTest::newRow("di, step 0.1") << "2.1,5.4"
                                  << "0.1" << QByteArray("pH,H2A,HA-,A2-") << 141
                                  << QByteArray("13.9");
    QTest::newRow("start acid, step 0.3")
        << "2.1,5.4,9.7,12.3"
        << "0.3" << QByteArray("pH,H4A,H3A-,H2A2-,HA3-,A4-") << 48 << QByteArray("13.8");
    QTest::newRow("mono 0, step 1") << "0"
                                    << "1" << QByteArray("pH,HA,A-") << 15 << QByteArray("13");
    QTest::newRow("tri, step 0.001")
        << "1,7,13"
        << "0.001" << QByteArray("pH,H3A,H2A-,HA2-,A3-") << 14001 << QByteArray("13.999");
}

void TestExport::csvRows() {
    QFETCH(QString, pka);
    QFETCH(QString, step);
    QFETCH(QByteArray, header);
    QFETCH(int, rows);
    QFETCH(QByteArray, lastButOne);
    const QString file = path(QStringLiteral("fractions.csv"));
    QCOMPARE(runProgram({"--export", file, "--pka", pka, "--step", step}).status, 0);
    const QList<QByteArray> lines = csvLines(readAll(file));
    QCOMPARE(lines.size(), rows + 1);
    QCOMPARE(lines.front(), header);
    QCOMPARE(lines.last().split(',').front(), QByteArray("14"));
    QCOMPARE(lines[rows - 1].split(',').front(), lastButOne);

    model::Acid acid;
    QVERIFY(app::parsePkaList(pka, acid).isEmpty());
    const int columns = static_cast<int>(header.count(',')) + 1;
    for (int i = 1; i <= rows; ++i) {
        const QList<QByteArray> cells = lines[i].split(',');
        QCOMPARE(cells.size(), columns);
        const double pH = cells[0].toDouble();
        VELMORA_COMPARE_REL(pH, i == rows ? 14.0 : (i - 1) * step.toDouble(), 1e-12, 1e-12);
        const auto alpha = model::fractionsAt(acid, pH);
        double sum = 0.0;
        for (int j = 1; j < columns; ++j) {
            const double value = cells[j].toDouble();
            VELMORA_COMPARE_REL(value, alpha[static_cast<std::size_t>(j - 1)], 1e-6, 1e-300);
            sum += value;
        }
        VELMORA_COMPARE_REL(sum, 1.0, 1e-9);
    }
}

void TestExport::refusalWritesNothing_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("unknown option") << QStringList{"--bogus"};
    QTest::newRow("bad pka") << QStringList{"--pka", "5,4"};
    QTest::newRow("bad scale") << QStringList{"--scale", "0"};
    QTest::newRow("bad step") << QStringList{"--step", "2"};
}

void TestExport::refusalWritesNothing() {
    QFETCH(QStringList, arguments);
    const QString file = path(QStringLiteral("refused.png"));
    QFile::remove(file);
    Run run = runProgram(QStringList{"--export", file} + arguments);
    QCOMPARE(run.status, 2);
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(run.err.count('\n'), 1);
    QVERIFY(run.err.endsWith('\n'));
    QVERIFY(!QFile::exists(file));

    // An existing file is left exactly as it was.
    const QByteArray kept("not a picture\n\x01\x02");
    QFile existing(file);
    QVERIFY(existing.open(QIODevice::WriteOnly) && existing.write(kept) == kept.size());
    existing.close();
    run = runProgram(QStringList{"--export", file} + arguments);
    QCOMPARE(run.status, 2);
    QCOMPARE(readAll(file), kept);
    QCOMPARE(QDir(m_dir.path()).entryList({"refused*"}, QDir::Files), QStringList{"refused.png"});
}

void TestExport::failedWriteKeepsFile_data() {
    QTest::addColumn<QString>("target"); // relative to the test directory unless absolute
    QTest::addColumn<QString>("shellPrefix");
    QTest::addColumn<bool>("existing");
    QTest::newRow("directory does not exist") << "missing/diagram.png" << QString() << false;
    QTest::newRow("under /proc") << "/proc/velmora-test.png" << QString() << false;
    QTest::newRow("target is a directory") << "folder.png" << QString() << false;
    // With no room for a single byte the writes fail; the existing file must survive.
    QTest::newRow("png, writes fail") << "full.png"
                                      << "trap '' XFSZ; ulimit -f 0" << true;
    QTest::newRow("svg, writes fail") << "full.svg"
                                      << "trap '' XFSZ; ulimit -f 0" << true;
    QTest::newRow("pdf, writes fail") << "full.pdf"
                                      << "trap '' XFSZ; ulimit -f 0" << true;
    QTest::newRow("csv, writes fail") << "full.csv"
                                      << "trap '' XFSZ; ulimit -f 0" << true;
}

void TestExport::failedWriteKeepsFile() {
    QFETCH(QString, target);
    QFETCH(QString, shellPrefix);
    QFETCH(bool, existing);
    const QString file = QDir::isAbsolutePath(target) ? target : path(target);
    const QByteArray kept("precious contents\n");
    if (target == u"folder.png") {
        QVERIFY(QDir().mkpath(file));
        QFile inside(file + QStringLiteral("/keep.txt"));
        QVERIFY(inside.open(QIODevice::WriteOnly));
        inside.write(kept);
    }
    if (existing) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(kept);
    }
    const QStringList before =
        QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

    const Run run = runProgram({"--export", file}, {}, shellPrefix);

    // Nothing new, no left-over temporary file, and what was there is untouched.
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             before);
    if (existing) {
        QCOMPARE(readAll(file), kept);
    } else if (target == u"folder.png") {
        QVERIFY(QFileInfo(file).isDir());
        QCOMPARE(readAll(file + QStringLiteral("/keep.txt")), kept);
    } else {
        QVERIFY(!QFile::exists(file));
    }
    QCOMPARE(run.status, 1);
    QCOMPARE(run.out, QByteArray());
    // One line that names the file and gives a reason.
    QCOMPARE(run.err.count('\n'), 1);
    QVERIFY2(run.err.contains(QFileInfo(file).fileName().toUtf8()), run.err.constData());
    QVERIFY2(!run.err.contains("Unknown error"), run.err.constData());
}

void TestExport::versionAndHelp() {
    const Run version = runProgram({"--version"});
    QCOMPARE(version.status, 0);
    QCOMPARE(version.out, QByteArray("Velmora 1.0\n"));
    QCOMPARE(version.err, QByteArray());

    const Run help = runProgram({"--help"});
    QCOMPARE(help.status, 0);
    QVERIFY(help.out.contains("--export"));
    QVERIFY(help.out.contains("(default 2.1,5.4,9.7,12.3)"));
    QCOMPARE(help.err, QByteArray());
}

QTEST_GUILESS_MAIN(TestExport)
#include "test_export.moc"
