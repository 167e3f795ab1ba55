// SPDX-License-Identifier: GPL-3.0-or-later
// The command line and the export: parsing in process, then the real program end to end.

#include "files.h"
#include "program.h"
#include "testsupport.h"

#include "app/commandline.h"

#include "diagram/export.h"

#include "model/fractions.h"
#include "model/numbertext.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <optional>
#include <vector>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace velmora;
using Action = app::CommandLine::Action;
using encode::ExportFormat;

using namespace velmora::test;

Q_DECLARE_METATYPE(std::optional<ExportFormat>)
Q_DECLARE_METATYPE(velmora::test::Launch)

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
    void fullFileSystemKeepsFile_data();
    void fullFileSystemKeepsFile();
    void fileNamesKeptByteForByte_data();
    void fileNamesKeptByteForByte();
    void missingFontsAreNamed_data();
    void missingFontsAreNamed();
    void commandLineNeedsNoDisplay_data();
    void commandLineNeedsNoDisplay();
    void windowWithoutDisplaySaysSo_data();
    void windowWithoutDisplaySaysSo();
    void standardOutputFailure_data();
    void standardOutputFailure();
    void closedStandardDescriptors_data();
    void closedStandardDescriptors();
    void solutionWindowOption_data();
    void solutionWindowOption();
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
    QCOMPARE(encode::formatForFile(file), format);
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
    row("solution window with export", {"--solution", "--export", "a.png"},
        "--solution opens the window");
    row("solution window with solve", {"--solve", "--pka", "4.76", "--solution"},
        "--solution opens the window");
    row("solution window twice", {"--solution", "--solution"},
        "--solution is given more than once");
    row("solution window twice with export", {"--solution", "--export", "a.png", "--solution"},
        "--solution is given more than once");
    row("export twice", {"--export", "a.png", "--export=b.png"},
        "--export is given more than once");
    row("pka twice", {"--export", "a.png", "--pka", "2", "--pka", "3"}, "--pka is given more");
    row("scale twice", {"--export", "a.png", "--scale", "2", "--scale", "2"}, "--scale is given");
    row("step twice", {"--export", "a.csv", "--step", "1", "--step", "1"}, "--step is given");
    row("preset twice", {"--export", "a.png", "--preset", "edta", "--preset", "edta"},
        "--preset is given more than once");
    row("scale with svg", {"--export", "a.svg", "--scale", "2"}, "--scale applies to .png only");
    row("scale with csv", {"--export", "a.csv", "--scale", "1"}, "--scale applies to .png only");
    row("step with png", {"--export", "a.png", "--step", "0.1"}, "--step applies to .csv only");
    row("step with pdf", {"--export", "a.pdf", "--step", "0.5"}, "--step applies to .csv only");
    // Control characters in a shown value are escaped, so the message stays one line.
    row("newline in the file name", {"--export", "a\nb.txt"}, "'a\\nb.txt'");
    row("escape in a value", {"--export", "a.png", "--pka", "1\x1b[2J"}, "'1\\x1b[2J'");
    row("newline in an unknown option", {"--export", "a.png", "--x\ny"}, "x\\ny");
    row("tab in a preset", {"--export", "a.png", "--preset", "ed\tta"}, "'ed\\tta'");
    // An unknown acid is refused with the names the option takes, also an acid that is only in
    // the library of substances.
    row("unknown preset", {"--export", "a.png", "--preset", "vinegar"},
        "'vinegar'; the example acids are acetic, oxalic, carbonic, sulfurous, glycine, "
        "phosphoric, citric, arsenic, edta");
    row("hydrogen sulfide is no example acid",
        {"--export", "a.png", "--preset", "hydrogen-sulfide"},
        "'hydrogen-sulfide'; the example acids are acetic,");
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
    const Run run =
        runProgram({"--export", file},
                   {.unset = {"XDG_RUNTIME_DIR", "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}});
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
    QVERIFY(app::readDiagramPkas(app::OptionValue(QStringLiteral("--pka"), pka.toUtf8()), acid)
                .isEmpty());
    const int columns = static_cast<int>(header.count(',')) + 1;
    // The step in thousandths: each row's pH is written as its decimal value.
    const int stepThousandths = qRound(step.toDouble() * 1000);
    for (int i = 1; i <= rows; ++i) {
        const QList<QByteArray> cells = lines[i].split(',');
        QCOMPARE(cells.size(), columns);
        const int thousandths = i == rows ? 14000 : (i - 1) * stepThousandths;
        QByteArray decimal = QByteArray::number(thousandths / 1000) + '.' +
                             QByteArray::number(thousandths % 1000).rightJustified(3, '0');
        while (decimal.endsWith('0')) {
            decimal.chop(1);
        }
        if (decimal.endsWith('.')) {
            decimal.chop(1);
        }
        QCOMPARE(cells[0], decimal);
        // Every fraction reads back as the very double the model computes at that pH.
        const auto alpha = model::fractionsAt(acid, cells[0].toDouble());
        double sum = 0.0;
        for (int j = 1; j < columns; ++j) {
            bool ok = false;
            const double value = cells[j].toDouble(&ok);
            QVERIFY2(ok, cells[j].constData());
            QCOMPARE(value, alpha[static_cast<std::size_t>(j - 1)]);
            QCOMPARE(cells[j], QByteArray::fromStdString(model::shortestText(value)));
            sum += value;
        }
        QVERIFY2(std::abs(sum - 1.0) <= 1e-15, lines[i].constData());
    }
}

void TestExport::refusalWritesNothing_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("unknown option") << QStringList{"--bogus"};
    QTest::newRow("bad pka") << QStringList{"--pka", "5,4"};
    QTest::newRow("bad scale") << QStringList{"--scale", "0"};
    QTest::newRow("bad step") << QStringList{"--step", "2"};
    QTest::newRow("chart, concentration out of range")
        << QStringList{"--plot", "logc", "--conc", "20"};
    QTest::newRow("chart, size out of range")
        << QStringList{"--plot", "fractions", "--size", "9x9"};
    QTest::newRow("titration, end volume out of range")
        << QStringList{"--plot", "titration", "--to", "0"};
    QTest::newRow("solution option with the main diagram") << QStringList{"--names", "HA,A-"};
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
    QTest::addColumn<QString>("target"); // in a fresh folder unless absolute
    QTest::addColumn<QString>("before"); // what is there before the export
    QTest::addColumn<Launch>("launch");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("reason");
    const Launch plain;
    const Launch noRoom{.shellPrefix = "ulimit -f 0"};
    const Launch nobody{
        .wrapper = {"setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"}};
    const QStringList none;
    const auto row = [&](const char* name, const char* target, const char* before,
                         const Launch& launch, const QStringList& options, const char* reason) {
        QTest::newRow(name) << QString::fromUtf8(target) << QString::fromLatin1(before) << launch
                            << options << QByteArray(reason);
    };
    const char* missing = "No such file or directory";
    row("folder does not exist", "missing/diagram.png", "", plain, none, missing);
    row("under /proc", "/proc/velmora-test.png", "", plain, none, missing);
    row("target is a folder", "folder.png", "folder", plain, none, "Is a directory");
    // A file-size limit ends a program with SIGXFSZ unless it is ignored; the writes must fail
    // and say so, and the existing file survive.
    row("png, no room", "full.png", "file", noRoom, none, "File too large");
    row("svg, no room", "full.svg", "file", noRoom, none, "File too large");
    row("pdf, no room", "full.pdf", "file", noRoom, none, "File too large");
    row("csv, no room", "full.csv", "file", noRoom, none, "File too large");
    row("png at scale 8, cut off", "big.png", "file", Launch{.shellPrefix = "ulimit -f 64"},
        {"--scale", "8"}, "File too large");
    row("FIFO", "fifo.png", "fifo", plain, none, "it is a FIFO, not a regular file");
    row("link to a device", "null.csv", "link /dev/null", plain, none, "a character device");
    row("socket", "socket.svg", "socket", plain, none, "it is a socket, not a regular file");
    row("link loop", "loop.png", "link loop.png", plain, none, "Too many levels of symbolic links");
    row("dangling link into a missing folder", "dangling.pdf", "link missing/x.pdf", plain, none,
        "No such file or directory (the link leads to ");
    row("read-only file, as nobody", "readonly.png", "read-only", nobody, none,
        "Permission denied");
    row("folder not writable, as nobody", "closed.csv", "closed folder", nobody, none,
        "Permission denied");
}

void TestExport::failedWriteKeepsFile() {
    QFETCH(QString, target);
    QFETCH(QString, before);
    QFETCH(Launch, launch);
    QFETCH(QStringList, options);
    QFETCH(QByteArray, reason);
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    const QByteArray file =
        QDir::isAbsolutePath(target) ? QFile::encodeName(target) : folder + '/' + target.toUtf8();
    const QByteArray original("precious contents\n");
    if (!launch.wrapper.isEmpty()) {
        if (runProgram({"--version"}, launch).status != 0) {
            QSKIP("the program cannot be run as another user here");
        }
        // The other user reaches the folder; the file or the folder itself is closed to it.
        QVERIFY(::chmod(folder.constData(), before == u"read-only" ? 0777 : 0755) == 0);
    }
    if (before == u"file" || before == u"closed folder") {
        QVERIFY(test::putFile(file, original, 0666));
    } else if (before == u"read-only") {
        QVERIFY(test::putFile(file, original, 0444));
    } else if (before == u"folder") {
        QVERIFY(::mkdir(file.constData(), 0755) == 0);
        QVERIFY(test::putFile(file + "/keep.txt", original));
    } else if (before == u"fifo") {
        QVERIFY(::mkfifo(file.constData(), 0644) == 0);
    } else if (before == u"socket") {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, file.constData(), sizeof address.sun_path);
        QVERIFY(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0);
        ::close(fd);
    } else if (before.startsWith(u"link ")) {
        QVERIFY(::symlink(before.mid(5).toUtf8().constData(), file.constData()) == 0);
    }
    struct stat was {};
    ::lstat(file.constData(), &was);
    const QByteArrayList entries = test::entriesOf(folder);

    const Run run = runProgram(QStringList{"--export", QFile::decodeName(file)} + options, launch);

    // Nothing new, no left-over temporary file, and what was there is untouched.
    QCOMPARE(test::entriesOf(folder), entries);
    struct stat is {};
    ::lstat(file.constData(), &is);
    QCOMPARE(is.st_mode, was.st_mode);
    QCOMPARE(is.st_ino, was.st_ino);
    if (before == u"file" || before == u"read-only" || before == u"closed folder") {
        QCOMPARE(test::contentsOf(file), original);
    } else if (before == u"folder") {
        QCOMPARE(test::entriesOf(file), QByteArrayList{"keep.txt"});
    }
    QCOMPARE(run.status, 1);
    QCOMPARE(run.out, QByteArray());
    QVERIFY2(oneLine(run, "velmora: cannot write " + file + ": ", reason), run.err.constData());
}

void TestExport::fullFileSystemKeepsFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QByteArray>("reason");
    QTest::newRow("png at scale 8, no space") << "full.png" << QStringList{"--scale", "8"} << false
                                              << QByteArray("No space left on device");
    QTest::newRow("csv, no space") << "full.csv" << QStringList{"--step", "0.001"} << false
                                   << QByteArray("No space left on device");
    QTest::newRow("read-only file system")
        << "full.svg" << QStringList() << true << QByteArray("Read-only file system");
}

void TestExport::fullFileSystemKeepsFile() {
    QFETCH(QString, name);
    QFETCH(QStringList, options);
    QFETCH(bool, readOnly);
    QFETCH(QByteArray, reason);
    // A 64 KiB file system of its own, seen only by the shell and the program, with one file.
    QTemporaryDir dir;
    const QString script =
        QStringLiteral("mount -t tmpfs -o size=64k velmora-test \"$1\" || exit 77\n"
                       "printf 'precious contents\\n' >\"$1/$2\"\n"
                       "if [ \"$3\" = ro ]; then mount -o remount,ro \"$1\" || exit 77; fi\n"
                       "dir=$1; shift 3\n"
                       "\"$@\"; echo \"status=$?\"\n"
                       "ls -A \"$dir\"; cat \"$dir\"/*\n");
    QProcess process;
    process.start(QStringLiteral("unshare"),
                  QStringList{"-m", "--propagation", "private", "sh", "-c", script, "sh",
                              dir.path(), name, readOnly ? "ro" : "rw", VELMORA_BINARY, "--export",
                              dir.filePath(name)} +
                      options);
    QVERIFY(process.waitForFinished(60000));
    const QByteArray out = process.readAllStandardOutput();
    const QByteArray err = process.readAllStandardError();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0 ||
        !out.startsWith("status=")) {
        QSKIP(qPrintable(QStringLiteral("cannot mount a small file system here: ") +
                         QString::fromUtf8(err).trimmed()));
    }
    QCOMPARE(out, "status=1\n" + name.toUtf8() + "\nprecious contents\n");
    QVERIFY2(oneLine({1, {}, err}, "velmora: cannot write ", reason), err.constData());
}

void TestExport::fileNamesKeptByteForByte_data() {
    QTest::addColumn<QByteArray>("name"); // printf format of the file name
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("shown");
    QTest::newRow("invalid UTF-8, written") << QByteArray("\\377.csv") << 0 << QByteArray();
    QTest::newRow("Latin-1, written") << QByteArray("caf\\351.png") << 0 << QByteArray();
    QTest::newRow("invalid UTF-8 and a newline, missing folder")
        << QByteArray("missing/\\377\\n.png") << 1 << QByteArray("missing/\\xff\\n.png: ");
    QTest::newRow("invalid UTF-8, unknown type")
        << QByteArray("\\377.txt") << 2 << QByteArray("'\\xff.txt'");
}

void TestExport::fileNamesKeptByteForByte() {
    QFETCH(QByteArray, name);
    QFETCH(int, status);
    QFETCH(QByteArray, shown);
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    // What the invalid bytes would become as text: a name that must stay untouched.
    const QByteArray decoy = folder + "/\xef\xbf\xbd.csv";
    QVERIFY(test::putFile(decoy, "unrelated\n"));
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.start(QStringLiteral("/bin/sh"), {"-c", "exec \"$0\" --export \"$(printf \"$1\")\"",
                                              VELMORA_BINARY, QString::fromLatin1(name)});
    QVERIFY(process.waitForFinished(60000));
    const QByteArray err = process.readAllStandardError();
    QCOMPARE(process.exitCode(), status);
    QCOMPARE(test::contentsOf(decoy), QByteArray("unrelated\n"));
    QByteArrayList expected{"\xef\xbf\xbd.csv"};
    if (status == 0) {
        QCOMPARE(err, QByteArray());
        QByteArray written = name;
        written.replace("\\377", "\xff").replace("\\351", "\xe9");
        expected << written;
        QVERIFY(test::contentsOf(folder + '/' + written).size() > 100);
    } else {
        QVERIFY2(oneLine({status, {}, err}, "velmora: ", shown), err.constData());
    }
    std::sort(expected.begin(), expected.end());
    const QByteArrayList entries = test::entriesOf(folder);
    // Names that are not text are beyond QTemporaryDir's clean-up.
    for (const QByteArray& entry : entries) {
        ::unlink((folder + '/' + entry).constData());
    }
    QCOMPARE(entries, expected);
}

void TestExport::missingFontsAreNamed_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("warning"); // how the warning ends, or none
    const QByteArray boxes = "show as empty boxes\n";
    QTest::newRow("png") << "boxes.png" << boxes;
    QTest::newRow("pdf") << "boxes.pdf" << boxes;
    // An SVG keeps its texts as text, and its viewer draws them.
    QTest::newRow("svg") << "boxes.svg"
                         << QByteArray("keep that font's name and show in whatever font the viewer "
                                       "has\n");
    QTest::newRow("csv, no text drawn") << "boxes.csv" << QByteArray();
}

void TestExport::missingFontsAreNamed() {
    QFETCH(QString, name);
    QFETCH(QByteArray, warning);
    // A font configuration without a single font.
    const QString config = path(QStringLiteral("nofonts.conf"));
    QVERIFY(test::putFile(QFile::encodeName(config),
                          "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n"));
    const QString file = path(name);
    const Run run = runProgram({"--export", file}, {.set = {{"FONTCONFIG_FILE", config}}});
    QCOMPARE(run.status, 0);
    QVERIFY(test::contentsOf(QFile::encodeName(file)).size() > 100);
    if (!warning.isEmpty()) {
        QVERIFY2(oneLine(run, "velmora: warning: ", "Arial"), run.err.constData());
        QVERIFY2(run.err.endsWith(warning), run.err.constData());
    } else {
        QCOMPARE(run.err, QByteArray());
    }
    if (name.endsWith(u".svg")) {
        const QByteArray svg = test::contentsOf(QFile::encodeName(file));
        QVERIFY(svg.contains("font-family=\"Arial\""));
        QVERIFY(svg.contains(">Concentration fraction vs pH</text>"));
    }
}

void TestExport::commandLineNeedsNoDisplay_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Launch>("launch");
    QTest::addColumn<QByteArray>("out");
    const QStringList noDisplay{"DISPLAY", "WAYLAND_DISPLAY"};
    QTest::newRow("xcb named, no X server, --version")
        << QStringList{"--version"}
        << Launch{.unset = noDisplay, .set = {{"QT_QPA_PLATFORM", "xcb"}}}
        << QByteArray("Velmora 1.0\n");
    QTest::newRow("xcb named, display gone, --export")
        << QStringList{"--export", "gone.png"}
        << Launch{.set = {{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", ":4242"}}} << QByteArray();
    QTest::newRow("wayland named, no compositor, --list-presets")
        << QStringList{"--list-presets"}
        << Launch{.set = {{"QT_QPA_PLATFORM", "wayland"}, {"WAYLAND_DISPLAY", "none"}}}
        << QByteArray("acetic |");
    QTest::newRow("xcb named, no X server, --solve")
        << QStringList{"--solve", "--pka", "4.76"}
        << Launch{.unset = noDisplay, .set = {{"QT_QPA_PLATFORM", "xcb"}}}
        << QByteArray("pH 2.8829\n");
    QTest::newRow("-platform xcb given, --help")
        << QStringList{"-platform", "xcb", "--help"} << Launch{.unset = noDisplay}
        << QByteArray("Usage: velmora [options]\n");
}

void TestExport::commandLineNeedsNoDisplay() {
    QFETCH(QStringList, arguments);
    QFETCH(Launch, launch);
    QFETCH(QByteArray, out);
    QTemporaryDir dir;
    const Run run = runProgram(arguments.contains("--export")
                                   ? QStringList{"--export", dir.filePath("gone.png")}
                                   : arguments,
                               launch);
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out.startsWith(out), run.out.constData());
    if (arguments.contains("--export")) {
        QVERIFY(
            test::contentsOf(QFile::encodeName(dir.filePath("gone.png"))).startsWith("\x89PNG"));
    }
}

void TestExport::windowWithoutDisplaySaysSo_data() {
    QTest::addColumn<Launch>("launch");
    const QStringList all{"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"};
    QTest::newRow("no display at all") << Launch{.unset = all};
    QTest::newRow("xcb named, no display")
        << Launch{.unset = all, .set = {{"QT_QPA_PLATFORM", "xcb"}}};
    QTest::newRow("X display gone") << Launch{.unset = all, .set = {{"DISPLAY", ":4242"}}};
    QTest::newRow("wayland named, no compositor") << Launch{
        .unset = all, .set = {{"QT_QPA_PLATFORM", "wayland"}, {"WAYLAND_DISPLAY", "velmora-none"}}};
}

void TestExport::windowWithoutDisplaySaysSo() {
    QFETCH(Launch, launch);
    if (QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X4242"))) {
        QSKIP("display :4242 exists here");
    }
    const Run run = runProgram({}, launch);
    QCOMPARE(run.status, 1);
    QCOMPARE(run.out, QByteArray());
    QVERIFY2(oneLine(run, "velmora: cannot open a window: ", "set DISPLAY or WAYLAND_DISPLAY"),
             run.err.constData());
}

void TestExport::standardOutputFailure_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("closedPipe"); // else a full device
    QTest::addColumn<QByteArray>("reason");
    QTest::newRow("--version, full device")
        << QStringList{"--version"} << false << QByteArray("No space left on device");
    QTest::newRow("--list-presets, full device")
        << QStringList{"--list-presets"} << false << QByteArray("No space left on device");
    QTest::newRow("--help, closed pipe")
        << QStringList{"--help"} << true << QByteArray("Broken pipe");
    QTest::newRow("--version, closed pipe")
        << QStringList{"--version"} << true << QByteArray("Broken pipe");
    QTest::newRow("--solve, full device") << QStringList{"--solve", "--pka", "4.76"} << false
                                          << QByteArray("No space left on device");
}

void TestExport::standardOutputFailure() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, closedPipe);
    QFETCH(QByteArray, reason);
    int fd = -1;
    if (closedPipe) {
        int ends[2];
        QVERIFY(::pipe(ends) == 0);
        ::close(ends[0]); // nobody reads: a write raises SIGPIPE and fails with EPIPE
        fd = ends[1];
    } else {
        fd = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
        QVERIFY(fd >= 0);
    }
    const Run run = runWithOutputTo(fd, arguments);
    ::close(fd);
    QCOMPARE(run.status, 1);
    QVERIFY2(oneLine(run, "velmora: cannot write to standard output: ", reason),
             run.err.constData());
}

void TestExport::closedStandardDescriptors_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("closing"); // the shell's redirection
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("err");
    const QByteArray badDescriptor =
        QByteArray("velmora: cannot write to standard output: ") + std::strerror(EBADF) + '\n';
    QTest::newRow("--solve, output closed")
        << QStringList{"--solve", "--pka", "4.76"} << ">&-" << 1 << badDescriptor;
    QTest::newRow("--version, output closed")
        << QStringList{"--version"} << ">&-" << 1 << badDescriptor;
    QTest::newRow("--help, output closed") << QStringList{"--help"} << ">&-" << 1 << badDescriptor;
    QTest::newRow("--list-presets, output and input closed")
        << QStringList{"--list-presets"} << ">&- <&-" << 1 << badDescriptor;
    // Nothing to print: the file is written as ever, and no other file takes the number.
    QTest::newRow("--export, output closed")
        << QStringList{"--export", "closed.csv"} << ">&-" << 0 << QByteArray();
    QTest::newRow("refused, error output closed")
        << QStringList{"--export", "closed.csv", "--pka", "x"} << "2>&-" << 2 << QByteArray();
}

void TestExport::closedStandardDescriptors() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, closing);
    QFETCH(int, status);
    QFETCH(QByteArray, err);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("closed.csv"));
    arguments.replaceInStrings(QStringLiteral("closed.csv"), file);
    QProcess process;
    process.start(QStringLiteral("/bin/sh"),
                  QStringList{"-c", "exec \"$@\" " + closing, "sh", VELMORA_BINARY} + arguments);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.readAllStandardError(), err);
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), status);
    const QByteArray data = test::contentsOf(QFile::encodeName(file));
    if (status == 0) {
        QVERIFY(data.startsWith("pH,H4A,H3A-,H2A2-,HA3-,A4-\n0,"));
        QVERIFY(data.endsWith('\n'));
    } else {
        QVERIFY(data.isNull());
    }
}

void TestExport::solutionWindowOption_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("err");
    // Alone, the option asks for the window, which cannot open without a display.
    QTest::newRow("once") << QStringList{"--solution"} << 1
                          << QByteArray("velmora: cannot open a window: no display (set DISPLAY or "
                                        "WAYLAND_DISPLAY, or use --export)\n");
    const QByteArray twice("velmora: --solution is given more than once\n");
    QTest::newRow("twice") << QStringList{"--solution", "--solution"} << 2 << twice;
    QTest::newRow("three times") << QStringList{"--solution", "--solution", "--solution"} << 2
                                 << twice;
    QTest::newRow("twice around Qt's option")
        << QStringList{"--solution", "-platform", "xcb", "--solution"} << 2 << twice;
    QTest::newRow("with command-line work")
        << QStringList{"--solution", "--solve", "--pka", "4", "--solution"} << 2 << twice;
}

void TestExport::solutionWindowOption() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QByteArray, err);
    const Run run = runProgram(
        arguments, {.unset = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"}});
    QCOMPARE(run.err, err);
    QCOMPARE(run.status, status);
    QCOMPARE(run.out, QByteArray());
}

void TestExport::versionAndHelp() {
    const Run version = runProgram({"--version"});
    QCOMPARE(version.status, 0);
    QCOMPARE(version.out, QByteArray("Velmora 1.0\n"));
    QCOMPARE(version.err, QByteArray());

    const Run help = runProgram({"--help"});
    QCOMPARE(help.status, 0);
    // The usage line names the program, not the path it was started from.
    QVERIFY2(help.out.startsWith("Usage: velmora [options]\n"), help.out.constData());
    for (const char* option : {"--export", "--solve", "--plot <KIND>", "--conc", "--names",
                               "--size <WxH>", "--titrant", "--to <VMAX>"}) {
        QVERIFY2(help.out.contains(option), option);
    }
    QVERIFY(help.out.contains("(default 2.1,5.4,9.7,12.3)"));
    QCOMPARE(help.err, QByteArray());
}

QTEST_GUILESS_MAIN(TestExport)
#include "test_export.moc"
