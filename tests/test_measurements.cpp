// SPDX-License-Identifier: GPL-3.0-or-later
// Reading measured titrations as pH meters, loggers and spreadsheets write them: the dialects, the
// choice of columns, repeated readings, every refusal with its line, and the files themselves.

#include "files.h"
#include "testsupport.h"

#include "io/measurementfile.h"
#include "model/measurements.h"

#include <QTemporaryDir>
#include <QtTest>

#include <string>

using namespace velmora;

Q_DECLARE_METATYPE(std::vector<velmora::model::TitrationPoint>)

namespace {

using Points = std::vector<model::TitrationPoint>;

std::string_view viewOf(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

model::ColumnChoice choiceOf(const QString& written) {
    model::ColumnChoice choice;
    if (!written.isEmpty() && !model::readColumnChoice(written.toStdString(), choice)) {
        qFatal("bad column choice in a test row");
    }
    return choice;
}

/** Measurements that no reader would produce, to see that a refusal leaves them alone. */
model::Measurements untouched() {
    model::Measurements sentinel;
    sentinel.points = {{-1.0, 99.0}};
    sentinel.rowsRead = 12345;
    return sentinel;
}

/** Whether a refusal has left the measurements as untouched() made them. */
bool isUntouched(const model::Measurements& read) {
    const model::Measurements sentinel = untouched();
    return read.points.size() == 1 && read.points[0].volume == sentinel.points[0].volume &&
           read.points[0].pH == sentinel.points[0].pH && read.rowsRead == sentinel.rowsRead;
}

} // namespace

class TestMeasurements : public QObject {
    Q_OBJECT

private slots:
    void dialects_data();
    void dialects();
    void refusals_data();
    void refusals();
    void tooManyRows();
    void columnChoice_data();
    void columnChoice();
    void fileRead();
    void fileRefusals_data();
    void fileRefusals();
};

void TestMeasurements::dialects_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("columns");
    QTest::addColumn<char>("separator");
    QTest::addColumn<char>("decimal");
    QTest::addColumn<int>("volumeColumn");
    QTest::addColumn<int>("pHColumn");
    QTest::addColumn<QString>("volumeHeader");
    QTest::addColumn<Points>("points");
    QTest::addColumn<int>("rowsRead");

    const Points five{{0.0, 2.88}, {0.5, 3.12}, {1.0, 3.4}, {1.5, 3.57}, {2.0, 3.71}};
    QTest::newRow("comma, point, header")
        << QByteArray("V,pH\n0,2.88\n0.5,3.12\n1,3.40\n1.5,3.57\n2,3.71\n") << QString() << ','
        << '.' << 1 << 2 << "V" << five << 5;
    QTest::newRow("semicolon, decimal comma, unit in brackets")
        << QByteArray("Volume (mL);pH\n0,0;2,88\n0,5;3,12\n1,0;3,40\n1,5;3,57\n2,0;3,71\n")
        << QString() << ';' << ',' << 1 << 2 << "Volume (mL)" << five << 5;
    QTest::newRow("tab, no header") << QByteArray("0\t2.88\n0.5\t3.12\n1\t3.4\n1.5\t3.57\n2\t3.71")
                                    << QString() << '\t' << '.' << 1 << 2 << "" << five << 5;
    QTest::newRow("blanks, point")
        << QByteArray("  0.0    2.88\n  0.5    3.12\n  1.0   3.40\n 1.5 3.57\n2.0\t 3.71\n")
        << QString() << ' ' << '.' << 1 << 2 << "" << five << 5;
    QTest::newRow("blanks, decimal comma")
        << QByteArray("V (mL)  pH\n0   2,88\n0,5 3,12\n1   3,40\n1,5 3,57\n2   3,71\n") << QString()
        << ' ' << ',' << 1 << 2 << "V (mL)" << five << 5;
    QTest::newRow("byte-order mark, CRLF")
        << QByteArray("\xEF\xBB\xBFV;pH\r\n0;2.88\r\n0.5;3.12\r\n1;3.4\r\n1.5;3.57\r\n2;3.71\r\n")
        << QString() << ';' << '.' << 1 << 2 << "V" << five << 5;
    QTest::newRow("title, comments, header and unit row, blank lines")
        << QByteArray("Vinegar with NaOH 0.1 M\n# 2025-03-04, group 3\nVolume;pH\nmL;\n\n"
                      "0;2.88\n0.5;3.12\n\n# refilled the burette\n1;3.4\n1.5;3.57\n2;3.71\n\n")
        << QString() << ';' << '.' << 1 << 2 << "Volume" << five << 5;
    QTest::newRow("time and temperature columns found by name")
        << QByteArray("Time (s);Temperature (°C);Volume (mL);pH\ns;°C;mL;pH\n"
                      "0;21,5;0,0;2,88\n12;21,5;0,5;3,12\n25;21,6;1,0;3,40\n"
                      "37;21,6;1,5;3,57\n50;21,6;2,0;3,71\n")
        << QString() << ';' << ',' << 3 << 4 << "Volume (mL)" << five << 5;
    QTest::newRow("volume found by its unit")
        << QByteArray("t;NaOH (mL);pH\n0;0;2.88\n9;0.5;3.12\n20;1;3.4\n31;1.5;3.57\n40;2;3.71\n")
        << QString() << ';' << '.' << 2 << 3 << "NaOH (mL)" << five << 5;
    QTest::newRow("pH before the volume, V / mL")
        << QByteArray("pH,V / mL\n2.88,0\n3.12,0.5\n3.40,1\n3.57,1.5\n3.71,2\n") << QString() << ','
        << '.' << 2 << 1 << "V / mL" << five << 5;
    QTest::newRow("columns chosen by name, ignoring case, blanks and unit")
        << QByteArray("Zeit;Zugabe NaOH [mL];pH-Wert;Temp\n00:00;0;2,88;20\n00:10;0,5;3,12;20\n"
                      "00:20;1;3,40;20\n00:30;1,5;3,57;20\n00:40;2;3,71;20\n")
        << QString("zugabenaoh,PH-WERT") << ';' << ',' << 2 << 3 << "Zugabe NaOH [mL]" << five << 5;
    QTest::newRow("columns chosen by position")
        << QByteArray("1,2.88,0\n2,3.12,0.5\n3,3.4,1\n4,3.57,1.5\n5,3.71,2\n") << QString("3,2")
        << ',' << '.' << 3 << 2 << "" << five << 5;
    QTest::newRow("repeated readings averaged")
        << QByteArray("V;pH\n0;2.80\n0;2.96\n0.5;3.12\n1;3.38\n1;3.42\n1;3.40\n1.5;3.57\n2;3.71\n")
        << QString() << ';' << '.' << 1 << 2 << "V" << five << 8;
    QTest::newRow("quoted cells of a spreadsheet")
        << QByteArray("\"V\";\"pH\"\n\"0\";\"2,88\"\n\"0,5\";\"3,12\"\n\"1\";\"3,4\"\n"
                      "\"1,5\";\"3,57\"\n\"2\";\"3,71\"\n")
        << QString() << ';' << ',' << 1 << 2 << "V" << five << 5;
    QTest::newRow("pH at the limits, a plus sign, exponent")
        << QByteArray("0;-2\n+0.5;0\n1;16\n1.5;1.6e1\n2e0;-2.0\n") << QString() << ';' << '.' << 1
        << 2 << "" << Points{{0.0, -2.0}, {0.5, 0.0}, {1.0, 16.0}, {1.5, 16.0}, {2.0, -2.0}} << 5;
    QTest::newRow("a date above the table, comma and blank")
        << QByteArray("04.03.2025\nV, pH\n0, 2.88\n0.5, 3.12\n1, 3.4\n1.5, 3.57\n2, 3.71\n")
        << QString() << ',' << '.' << 1 << 2 << "V" << five << 5;
}

void TestMeasurements::dialects() {
    QFETCH(QByteArray, text);
    QFETCH(QString, columns);
    QFETCH(Points, points);

    model::Measurements read;
    const model::MeasurementsProblem problem =
        model::readMeasurements(viewOf(text), choiceOf(columns), read);
    QVERIFY2(problem.empty(), problem.problem.english().c_str());
    QTEST(read.separator, "separator");
    QTEST(read.decimal, "decimal");
    QTEST(read.volumeColumn, "volumeColumn");
    QTEST(read.pHColumn, "pHColumn");
    QTEST(QString::fromStdString(read.volumeHeader), "volumeHeader");
    QTEST(static_cast<int>(read.rowsRead), "rowsRead");
    QCOMPARE(read.points.size(), points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        QVERIFY(test::closeTo(read.points[i].volume, points[i].volume, 1e-12));
        QVERIFY2(test::closeTo(read.points[i].pH, points[i].pH, 1e-12),
                 qPrintable(QString("point %1: pH %2").arg(i).arg(read.points[i].pH)));
    }
}

void TestMeasurements::refusals_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("columns");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("problem");

    const QByteArray tail("1.5;3.57\n2;3.71\n");
    QTest::newRow("volume not a number") << QByteArray("V;pH\n0;2.88\n0.5;3.12\n1 mL;3.4\n") + tail
                                         << QString() << 4 << "the volume '1 mL' is not a number";
    QTest::newRow("pH not a number") << QByteArray("V;pH\n0;2.88\n0.5;3.12\n1;?\n") + tail
                                     << QString() << 4 << "the pH '?' is not a number";
    QTest::newRow("empty pH cell") << QByteArray("V;pH\n0;2.88\n0.5;\n1;3.4\n") + tail << QString()
                                   << 3 << "the pH '' is not a number";
    QTest::newRow("not a number, not infinite")
        << QByteArray("V;pH\n0;2.88\n0.5;nan\n1;3.4\n") + tail << QString() << 3
        << "the pH 'nan' is not a number";
    QTest::newRow("infinite volume")
        << QByteArray("V;pH\n0;2.88\n0.5;3.12\n1;3.4\n") + QByteArray("inf;3.5\n") << QString() << 5
        << "the volume 'inf' is not a number";
    QTest::newRow("two signs") << QByteArray("0;2.88\n+-0.5;3.12\n1;3.4\n") + tail << QString() << 2
                               << "the volume '+-0.5' is not a number";
    QTest::newRow("volume going backwards")
        << QByteArray("V;pH\n\n0,0;2,88\n13,0;3,12\n14,0;3,40\n# a comment\n12,5;3,57\n")
        << QString() << 7 << "the volume 12,5 mL is smaller than the one before (14,0 mL)";
    QTest::newRow("negative volume") << QByteArray("-0.5;2.7\n0;2.88\n0.5;3.12\n1;3.4\n") + tail
                                     << QString() << 1 << "the volume -0.5 mL is negative";
    QTest::newRow("pH above 16") << QByteArray("V;pH\n0;2.88\n0.5;16.5\n1;3.4\n") + tail
                                 << QString() << 3 << "the pH 16.5 lies outside -2 to 16";
    QTest::newRow("pH below -2") << QByteArray("V;pH\n0;-2.01\n0.5;3.12\n1;3.4\n") + tail
                                 << QString() << 2 << "the pH -2.01 lies outside -2 to 16";
    QTest::newRow("four volumes, repeats not counted")
        << QByteArray("0;2.88\n0;2.9\n0.5;3.12\n1;3.4\n1;3.41\n2;3.71\n") << QString() << 0
        << "it has 4 different volumes, fewer than the 5 a titration needs";
    QTest::newRow("no numbers at all") << QByteArray("Volume;pH\nmany;few\n") << QString() << 0
                                       << "there is no row of numbers in it";
    QTest::newRow("empty") << QByteArray() << QString() << 0 << "there is no row of numbers in it";
    QTest::newRow("one number a row")
        << QByteArray("1\n2\n3\n4\n5\n6\n") << QString() << 0 << "there is no row of numbers in it";
    QTest::newRow("named volume column missing")
        << QByteArray("V;pH\n0;2.88\n0.5;3.12\n1;3.4\n") + tail << QString("Zugabe,pH") << 0
        << "no column is named 'Zugabe' for the volume";
    QTest::newRow("named pH column missing")
        << QByteArray("V;pH\n0;2.88\n0.5;3.12\n1;3.4\n") + tail << QString("V,pH-Wert") << 0
        << "no column is named 'pH-Wert' for the pH";
    QTest::newRow("position past the table")
        << QByteArray("0;2.88\n0.5;3.12\n1;3.4\n") + tail << QString("1,3") << 0
        << "there is no column 3: the table has 2";
    QTest::newRow("a later row too short")
        << QByteArray("t;V;pH\n0;0;2.88\n5;0.5;3.12\n10;1\n") + tail << QString() << 4
        << "has 2 columns, no column 3";
    QTest::newRow("a long cell cut in the message")
        << QByteArray("0;2.88\n0.5;3.12\n") + QByteArray(60, 'x') + ";3.4\n" + tail << QString()
        << 3 << "the volume '" + QString(40, 'x') + "…' is not a number";
}

void TestMeasurements::refusals() {
    QFETCH(QByteArray, text);
    QFETCH(QString, columns);

    model::Measurements read = untouched();
    const model::MeasurementsProblem problem =
        model::readMeasurements(viewOf(text), choiceOf(columns), read);
    QVERIFY(!problem.empty());
    QTEST(QString::fromStdString(problem.problem.english()), "problem");
    QTEST(static_cast<int>(problem.line), "line");
    QVERIFY(isUntouched(read));
}

void TestMeasurements::tooManyRows() {
    std::string text;
    text.reserve((model::kMaxMeasuredRows + 2) * 8);
    for (std::size_t row = 0; row <= model::kMaxMeasuredRows; ++row) {
        text += std::to_string(row);
        text += ";7\n";
    }
    model::Measurements read = untouched();
    model::MeasurementsProblem problem = model::readMeasurements(text, {}, read);
    QCOMPARE(QString::fromStdString(problem.problem.english()),
             QString("it has more than %1 rows of data, too many").arg(model::kMaxMeasuredRows));
    QVERIFY(isUntouched(read));

    // One row fewer is the most that is read.
    text.resize(text.rfind('\n', text.size() - 2) + 1);
    problem = model::readMeasurements(text, {}, read);
    QVERIFY2(problem.empty(), problem.problem.english().c_str());
    QCOMPARE(read.points.size(), model::kMaxMeasuredRows);
    QCOMPARE(read.points.back().volume, double(model::kMaxMeasuredRows - 1));
}

void TestMeasurements::columnChoice_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fine");
    QTest::addColumn<QString>("volume");
    QTest::addColumn<QString>("pH");

    QTest::newRow("names") << "V,pH" << true << "V"
                           << "pH";
    QTest::newRow("positions") << "3,2" << true << "3"
                               << "2";
    QTest::newRow("blanks around") << " Volume (mL) , pH " << true << "Volume (mL)"
                                   << "pH";
    QTest::newRow("one column") << "2" << false << ""
                                << "";
    QTest::newRow("three columns") << "1,2,3" << false << ""
                                   << "";
    QTest::newRow("empty volume") << ",2" << false << ""
                                  << "";
    QTest::newRow("empty pH") << "V, " << false << ""
                              << "";
    QTest::newRow("position 0") << "0,2" << false << ""
                                << "";
    QTest::newRow("position 00") << "1,00" << false << ""
                                 << "";
    QTest::newRow("position too large") << "1,99999999999" << false << ""
                                        << "";
}

void TestMeasurements::columnChoice() {
    QFETCH(QString, text);
    QFETCH(bool, fine);
    model::ColumnChoice choice{"before", "before"};
    QCOMPARE(model::readColumnChoice(text.toStdString(), choice), fine);
    if (fine) {
        QTEST(QString::fromStdString(choice.volume), "volume");
        QTEST(QString::fromStdString(choice.pH), "pH");
    } else {
        QCOMPARE(choice, (model::ColumnChoice{"before", "before"}));
    }
}

void TestMeasurements::fileRead() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QByteArray path = QFile::encodeName(folder.path()) + "/titration ä.csv";
    QVERIFY(test::putFile(path, "V;pH\r\n0;2,88\r\n0,5;3,12\r\n1;3,4\r\n1,5;3,57\r\n2;3,71\r\n"));
    model::Measurements read;
    QCOMPARE(io::MeasurementFile::read(path, {}, read), QString());
    QCOMPARE(read.points.size(), std::size_t(5));
    QCOMPARE(read.decimal, ',');
    QCOMPARE(read.points[3].pH, 3.57);

    // The problem of a pasted text is one line, naming its line.
    read = untouched();
    QCOMPARE(
        io::MeasurementFile::parse("V;pH\n0;2.8\n12.0;3\n13.0;3.5\n13.5;4\n12.5;5\n", {}, read),
        QString("line 6: the volume 12.5 mL is smaller than the one before (13.5 mL)"));
    QCOMPARE(io::MeasurementFile::parse("V;pH\n0;2.8\n", {}, read),
             QString("it has 1 different volumes, fewer than the 5 a titration needs"));
    QVERIFY(isUntouched(read));
}

void TestMeasurements::fileRefusals_data() {
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << QByteArray("missing") << "No such file or directory";
    QTest::newRow("folder") << QByteArray("folder") << "Is a directory";
    QTest::newRow("fifo") << QByteArray("fifo") << "it is a FIFO, not a regular file";
    QTest::newRow("too large") << QByteArray("large")
                               << "it is larger than 256 MiB, too large for a measured titration";
}

void TestMeasurements::fileRefusals() {
    QFETCH(QByteArray, kind);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QByteArray path = QFile::encodeName(folder.path()) + "/data.csv";
    std::optional<test::SpecialFile> special;
    if (kind == "folder" || kind == "fifo") {
        special.emplace(path, kind);
    } else if (kind == "large") {
        // A sparse file one byte past the limit takes no room on the disk.
        QVERIFY(test::putFile(path, "0;7\n"));
        QVERIFY(::truncate(path.constData(), io::kMaxMeasurementFileSize + 1) == 0);
    }
    model::Measurements read = untouched();
    const QString reason = io::MeasurementFile::read(path, {}, read);
    QTEST(reason, "reason");
    QVERIFY(isUntouched(read));
}

QTEST_GUILESS_MAIN(TestMeasurements)
#include "test_measurements.moc"
