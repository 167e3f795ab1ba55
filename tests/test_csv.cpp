// SPDX-License-Identifier: GPL-3.0-or-later
// The data files as their readers take them: every field written as RFC 4180 has it, headers
// that a spreadsheet keeps as text, each writer's header, and the real program's files read back
// by Python's csv module and by LibreOffice.

#include "program.h"

#include "charts/solutiondata.h"

#include "diagram/export.h"

#include "io/csv.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace velmora;
using namespace velmora::test;

namespace {

/** The first line of a data file, without its LF. */
QByteArray headerLine(const QByteArray& data) {
    return data.left(data.indexOf('\n'));
}

/**
 * The rows shared by the readers' tests: the program's options after --export FILE, the header's
 * fields as a reader must get them, and the header line as written.
 */
void headerRows() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("a double quote opens a name")
        << QStringList{"--plot", "fractions", "--pka", "4.76", "--names", "\"HA,A-"}
        << QStringList{"pH", "\"HA", "A-"} << QByteArray("pH,\"\"\"HA\",A-");
    QTest::newRow("formulas") << QStringList{"--plot", "logc",    "--pka",
                                             "4.76",   "--names", "=1+1,@SUM(A1)"}
                              << QStringList{"pH", "log[H+]", "log[OH-]", "'=1+1", "'@SUM(A1)"}
                              << QByteArray("pH,log[H+],log[OH-],\"'=1+1\",\"'@SUM(A1)\"");
    QTest::newRow("signs first, a quote inside")
        << QStringList{"--plot", "fractions", "--pka", "2,7", "--names", "-H2A,+HA,A\"2-"}
        << QStringList{"pH", "'-H2A", "'+HA", "A\"2-"}
        << QByteArray("pH,\"'-H2A\",\"'+HA\",\"A\"\"2-\"");
    QTest::newRow("letters beyond ASCII")
        << QStringList{"--plot", "fractions", "--pka", "4.76", "--names", "HÄ₂,Ä₂⁻"}
        << QStringList{"pH", "HÄ₂", "Ä₂⁻"} << QString("pH,HÄ₂,Ä₂⁻").toUtf8();
    QTest::newRow("generic names with a minus inside")
        << QStringList{"--plot", "fractions", "--pka", "2,7", "--charge", "-1"}
        << QStringList{"pH", "H2A-", "HA2-", "A3-"} << QByteArray("pH,H2A-,HA2-,A3-");
    QTest::newRow("the log c chart's own columns")
        << QStringList{"--plot", "logc", "--pka", "4.76"}
        << QStringList{"pH", "log[H+]", "log[OH-]", "HA", "A-"}
        << QByteArray("pH,log[H+],log[OH-],HA,A-");
    QTest::newRow("the main diagram's example acid")
        << QStringList{"--preset", "phosphoric"}
        << QStringList{"pH", "H3PO4", "H2PO4^-", "HPO4^2-", "PO4^3-"}
        << QByteArray("pH,H3PO4,H2PO4^-,HPO4^2-,PO4^3-");
    QTest::newRow("a titration") << QStringList{"--plot", "titration", "--pka", "4.76"}
                                 << QStringList{"V/mL", "pH"} << QByteArray("V/mL,pH");
}

} // namespace

class TestCsv : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void fields_data();
    void fields();
    void everyWriterQuotes_data();
    void everyWriterQuotes();
    void pythonReadsTheFields_data();
    void pythonReadsTheFields();
    void spreadsheetKeepsTheHeader_data();
    void spreadsheetKeepsTheHeader();

private:
    /** Writes the program's data file for `arguments`; its bytes, or a null array on failure. */
    QByteArray exported(const QString& name, const QStringList& arguments);
    QTemporaryDir m_dir;
};

void TestCsv::initTestCase() {
    QVERIFY(m_dir.isValid());
}

QByteArray TestCsv::exported(const QString& name, const QStringList& arguments) {
    const QString file = m_dir.filePath(name);
    const Run run = runProgram(QStringList{"--export", file} + arguments);
    if (run.status != 0 || !run.err.isEmpty()) {
        qWarning("%s", run.err.constData());
        return {};
    }
    return readAll(file);
}

void TestCsv::fields_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("field");
    const auto row = [](const char* name, const char* text, const char* field) {
        QTest::newRow(name) << QString::fromUtf8(text) << QByteArray(field);
    };
    row("formula with a caret", "H2PO4^-", "H2PO4^-");
    row("minus after the first character", "H2A-", "H2A-");
    row("brackets", "log[OH-]", "log[OH-]");
    row("slash", "V/mL", "V/mL");
    row("letters beyond ASCII", "Ä₂⁻", "Ä₂⁻");
    row("empty", "", "");
    row("apostrophe first", "'A", "'A");
    row("blank first, then equals", " =1", " =1");
    row("equals inside", "A=B", "A=B");
    row("comma", "a,b", "\"a,b\"");
    row("double quote inside", "H\"A", "\"H\"\"A\"");
    row("double quote first", "\"HA", "\"\"\"HA\"");
    row("only a double quote", "\"", "\"\"\"\"");
    row("line feed", "a\nb", "\"a\nb\"");
    row("carriage return", "a\rb", "\"a\rb\"");
    row("line end last", "ab\r\n", "\"ab\r\n\"");
    row("equals first", "=1+1", "\"'=1+1\"");
    row("plus first", "+HA", "\"'+HA\"");
    row("minus first", "-OH", "\"'-OH\"");
    row("at first", "@SUM(A1)", "\"'@SUM(A1)\"");
    row("tab first", "\tx", "\"'\tx\"");
    row("carriage return first", "\r=1", "\"'\r=1\"");
    row("formula with a quote and a comma", "=A\"B,C", "\"'=A\"\"B,C\"");
}

void TestCsv::fields() {
    QFETCH(QString, text);
    QFETCH(QByteArray, field);
    QCOMPARE(io::csvField(text), field);
}

void TestCsv::everyWriterQuotes_data() {
    QTest::addColumn<int>("writer"); // 0 the main diagram, else a chart's kind + 1
    QTest::addColumn<QByteArray>("header");
    const QByteArray names = "\"'=H2A\",\"H\"\"A-\",\"'-A2\"";
    QTest::newRow("the main diagram") << 0 << "pH," + names;
    QTest::newRow("the fractions chart") << int(charts::ChartKind::Fractions) + 1 << "pH," + names;
    QTest::newRow("the log c chart")
        << int(charts::ChartKind::LogC) + 1 << "pH,log[H+],log[OH-]," + names;
    QTest::newRow("a titration") << int(charts::ChartKind::Titration) + 1 << QByteArray("V/mL,pH");
}

void TestCsv::everyWriterQuotes() {
    QFETCH(int, writer);
    QFETCH(QByteArray, header);
    const std::vector<std::string> names{"=H2A", "H\"A-", "-A2"};
    QByteArray data;
    if (writer == 0) {
        diagram::ExportRequest request{.acid = model::Acid({2.0, 7.0, 0.0, 0.0}), .step = 0.5};
        for (std::size_t j = 0; j < names.size(); ++j) {
            request.labels[j] = QString::fromStdString(names[j]);
        }
        data = diagram::fractionsCsv(request);
    } else {
        charts::ChartRequest request;
        request.kind = charts::ChartKind(writer - 1);
        request.acid = model::PolyproticAcid(std::vector<double>{2.0, 7.0}, 0, names);
        data = charts::chartCsv(request, 0.5);
    }
    QCOMPARE(headerLine(data), header);
    // The numbers that follow need no quotes.
    QCOMPARE(data.count('"'), header.count('"'));
}

void TestCsv::pythonReadsTheFields_data() {
    headerRows();
}

void TestCsv::pythonReadsTheFields() {
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, fields);
    QFETCH(QByteArray, line);
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    QVERIFY2(!python.isEmpty(), "python3 is needed (scripts/install-deps installs it)");
    const QByteArray data = exported(QStringLiteral("python.csv"), arguments);
    QVERIFY(!data.isEmpty());
    QCOMPARE(headerLine(data), line);
    // Python's own reader, strict about quotes; every field after the header must be a number.
    static const char* const script = R"(
import csv, json, sys
with open(sys.argv[1], newline="", encoding="utf-8") as f:
    rows = list(csv.reader(f, strict=True))
numbers = [float(cell) for row in rows[1:] for cell in row]
print(json.dumps({"header": rows[0], "widths": sorted({len(row) for row in rows[1:]}),
                  "numbers": len(numbers)}))
)";
    QProcess process;
    process.start(python, {"-c", script, m_dir.filePath(QStringLiteral("python.csv"))});
    QVERIFY(process.waitForFinished(60000));
    QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());
    const QJsonObject read = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    QCOMPARE(read.value("header").toVariant().toStringList(), fields);
    const QJsonArray widths = read.value("widths").toArray();
    QCOMPARE(widths.size(), 1);
    QCOMPARE(widths.first().toInt(), int(fields.size()));
    QCOMPARE(read.value("numbers").toInt(), int((data.count('\n') - 1) * fields.size()));
}

void TestCsv::spreadsheetKeepsTheHeader_data() {
    headerRows();
}

void TestCsv::spreadsheetKeepsTheHeader() {
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, fields);
    QString office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (office.isEmpty()) {
        office = QStandardPaths::findExecutable(QStringLiteral("libreoffice"));
    }
    if (office.isEmpty()) {
        QSKIP("LibreOffice (soffice) is not installed");
    }
    QVERIFY(!exported(QStringLiteral("sheet.csv"), arguments).isEmpty());
    // Opened as a spreadsheet opens a CSV (comma, double quotes, UTF-8, formulas evaluated),
    // then saved with tabs and no quotes at all: each cell as the spreadsheet holds it.
    const QString out = m_dir.filePath(QStringLiteral("converted"));
    QDir(out).removeRecursively();
    QProcess process;
    process.start(office, {"-env:UserInstallation=file://" + m_dir.filePath("office"), "--headless",
                           "--infilter=CSV:44,34,76,1", "--convert-to",
                           "csv:Text - txt - csv (StarCalc):9,0,76,1", "--outdir", out,
                           m_dir.filePath(QStringLiteral("sheet.csv"))});
    QVERIFY(process.waitForFinished(120000));
    QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());
    const QByteArray sheet = readAll(out + QStringLiteral("/sheet.csv"));
    QVERIFY2(!sheet.isEmpty(), process.readAllStandardError().constData());
    QCOMPARE(QString::fromUtf8(headerLine(sheet)).split(u'\t'), fields);
}

QTEST_GUILESS_MAIN(TestCsv)
#include "test_csv.moc"
