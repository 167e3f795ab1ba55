// SPDX-License-Identifier: GPL-3.0-or-later
// The one reader of command-line values: numbers, numbers within bounds, lists of numbers, the
// main diagram's constants, whole numbers and text, each refusal naming the option and showing
// the value as given, blanks around it left out.

#include "testsupport.h"

#include "app/optionvalue.h"
#include "model/solution.h"

#include <QtTest>

#include <vector>

using namespace velmora;
using velmora::app::OptionValue;

class TestOptionValue : public QObject {
    Q_OBJECT
private slots:
    void single_data();
    void single();
    void numbers_data();
    void numbers();
    void checked_data();
    void checked();
    void text_data();
    void text();
};

void TestOptionValue::single_data() {
    QTest::addColumn<bool>("whole");   // read as a whole number rather than any number
    QTest::addColumn<bool>("bounded"); // within 0.001 to 1 (a number) or 1 to 8 (a whole one)
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("problem");
    const auto number = [](const char* name, const QByteArray& bytes, double value,
                           const char* problem, bool bounded = false) {
        QTest::newRow(name) << false << bounded << bytes << value << QString::fromUtf8(problem);
    };
    const auto whole = [](const char* name, const QByteArray& bytes, int value, const char* problem,
                          bool bounded = false) {
        QTest::newRow(name) << true << bounded << bytes << double(value)
                            << QString::fromUtf8(problem);
    };
    number("plain", "0.25", 0.25, "");
    number("exponent", "1e-7", 1e-7, "");
    number("blanks around",
           " \xc2\xa0"
           "3\t",
           3.0, "");
    number("not a number", "x", 0, "--as: 'x' is not a number");
    number("nan", "nan", 0, "--as: 'nan' is not a number");
    number("infinite", "inf", 0, "--as: 'inf' is not a number");
    number("overflowing", "1e999", 0, "--as: '1e999' is not a number");
    number("empty", "", 0, "--as: '' is not a number");
    number("blanks left out of the message", "  1x ", 0, "--as: '1x' is not a number");
    number("byte that is no text", "1\xff", 0, "--as: '1\\xff' is not a number");
    number("comma decimal", "0,1", 0, "--as: '0,1' is not a number");
    whole("whole, positive", "+1", 1, "");
    whole("whole, negative with blanks", " -3 ", -3, "");
    whole("whole, fraction", "0.5", 0, "--as: '0.5' is not a whole number");
    whole("whole, past int", "4294967296", 0, "--as: '4294967296' is not a whole number");
    whole("whole, blank", " ", 0, "--as: '' is not a whole number");
    number("bounded, lowest", "0.001", 0.001, "", true);
    number("bounded, highest with blanks", " 1 ", 1.0, "", true);
    number("bounded, below", "0.0005", 0, "--as: 0.0005 is out of range (0.001 to 1)", true);
    number("bounded, above", " 1.5\t", 0, "--as: 1.5 is out of range (0.001 to 1)", true);
    number("bounded, not a number first", "y", 0, "--as: 'y' is not a number", true);
    whole("bounded whole, lowest", "1", 1, "", true);
    whole("bounded whole, highest", "8", 8, "", true);
    whole("bounded whole, below", "0", 0, "--as: '0' is not a whole number from 1 to 8", true);
    whole("bounded whole, above", "9", 0, "--as: '9' is not a whole number from 1 to 8", true);
    whole("bounded whole, fraction", "2.5", 0, "--as: '2.5' is not a whole number from 1 to 8",
          true);
}

void TestOptionValue::single() {
    QFETCH(bool, whole);
    QFETCH(bool, bounded);
    QFETCH(QByteArray, bytes);
    QFETCH(double, value);
    QFETCH(QString, problem);
    const OptionValue option(QStringLiteral("--as"), bytes);
    double number = 0.0;
    int wholeNumber = 0;
    const QString refusal =
        whole ? (bounded ? option.readWholeIn(wholeNumber, 1, 8) : option.readWhole(wholeNumber))
              : (bounded ? option.readNumberIn(number, 0.001, 1.0) : option.readNumber(number));
    QCOMPARE(refusal, problem);
    if (problem.isEmpty()) {
        QCOMPARE(whole ? double(wholeNumber) : number, value);
    }
}

void TestOptionValue::numbers_data() {
    QTest::addColumn<bool>("constants"); // the main diagram's: 1 to 4 of them, 0 to 14, in order
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<QString>("problem");
    QTest::newRow("one") << false << QByteArray("4.76") << QList<double>{4.76} << QString();
    QTest::newRow("three with blanks")
        << false << QByteArray(" 2 , 7.2,12 ") << QList<double>{2, 7.2, 12} << QString();
    QTest::newRow("decreasing kept as given")
        << false << QByteArray("5,4") << QList<double>{5, 4} << QString();
    QTest::newRow("empty part") << false << QByteArray("2,,3") << QList<double>{}
                                << "--pka: '' is not a number";
    QTest::newRow("second part not a number")
        << false << QByteArray("4, x ") << QList<double>{} << "--pka: 'x' is not a number";
    QTest::newRow("empty list") << false << QByteArray("") << QList<double>{}
                                << "--pka: '' is not a number";
    QTest::newRow("byte that is no text in a part")
        << false
        << QByteArray("4,\xff"
                      "5")
        << QList<double>{} << "--pka: '\\xff5' is not a number";
    const auto constants = [](const char* name, const QByteArray& bytes,
                              const QList<double>& values, const char* problem) {
        QTest::newRow(name) << true << bytes << values << QString::fromUtf8(problem);
    };
    constants("constants, four", " 0 ,1.5,1.5, 14", {0, 1.5, 1.5, 14}, "");
    constants("constants, five", "1,2,3,4,5", {}, "--pka: at most 4 values, got 5");
    constants("constants, below", "-1", {}, "--pka: -1 is out of range (0 to 14)");
    constants("constants, above", "2, 14.5 ", {}, "--pka: 14.5 is out of range (0 to 14)");
    constants("constants, second 0", "2,0", {},
              "--pka: value 2 is 0, which marks an absent constant");
    constants("constants, 0 after 0", "0,0", {},
              "--pka: value 2 is 0, which marks an absent constant");
    constants("constants, decreasing", "3, 5 ,4", {},
              "--pka: values must not decrease (4 after 5)");
    constants("constants, not a number", "3,x", {}, "--pka: 'x' is not a number");
}

void TestOptionValue::numbers() {
    QFETCH(bool, constants);
    QFETCH(QByteArray, bytes);
    QFETCH(QList<double>, values);
    QFETCH(QString, problem);
    std::vector<double> read{99.0};
    const OptionValue option(QStringLiteral("--pka"), bytes);
    QCOMPARE(constants ? option.readConstants(read, 4, 0.0, 14.0) : option.readNumbers(read),
             problem);
    if (problem.isEmpty()) {
        QCOMPARE(QList<double>(read.begin(), read.end()), values);
    }
}

void TestOptionValue::checked_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");
    QTest::newRow("within") << QByteArray("10") << QString();
    QTest::newRow("lowest") << QByteArray("1e-10") << QString();
    QTest::newRow("above, as given")
        << QByteArray(" 10.5 ") << "--conc: 10.5 must be from 1e-10 to 10 mol/L";
    QTest::newRow("zero") << QByteArray("0") << "--conc: 0 must be from 1e-10 to 10 mol/L";
    QTest::newRow("not a number first") << QByteArray("ten") << "--conc: 'ten' is not a number";
}

void TestOptionValue::checked() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    double value = 0.0;
    QCOMPARE(OptionValue(QStringLiteral("--conc"), bytes)
                 .readChecked(value, model::problemWithConcentration),
             problem);
}

void TestOptionValue::text_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("isText");
    QTest::addColumn<QString>("shown");
    QTest::newRow("ascii") << QByteArray("HA,A-") << true << "HA,A-";
    QTest::newRow("utf-8") << QByteArray("\xc3\xa9") << true << QStringLiteral("é");
    QTest::newRow("lone byte") << QByteArray("A\xff") << false << "A\\xff";
    QTest::newRow("overlong encoding") << QByteArray("\xc0\xaf") << false << "\\xc0\\xaf";
    QTest::newRow("newline shown escaped") << QByteArray("a\nb") << true << "a\\nb";
    QTest::newRow("blanks around left out") << QByteArray(" a b ") << true << "a b";
}

void TestOptionValue::text() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, isText);
    QFETCH(QString, shown);
    const OptionValue value(QStringLiteral("--names"), bytes);
    QString read;
    QCOMPARE(value.readText(read),
             isText ? QString() : QStringLiteral("--names: '%1' is not UTF-8 text").arg(shown));
    if (isText) {
        QCOMPARE(read.toUtf8(), bytes);
    }
    QCOMPARE(value.bytes(), bytes);
    QCOMPARE(value.shown(), shown);
}

QTEST_GUILESS_MAIN(TestOptionValue)
#include "test_optionvalue.moc"
