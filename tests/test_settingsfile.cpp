// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file: values read and written as Qt's settings classes read and write them, every
// line the program does not own kept byte for byte, special files neither opened nor replaced,
// and two processes writing at once without losing each other's keys.

#include "files.h"

#include "io/settingsfile.h"

#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace velmora;
using namespace velmora::io::settingsvalue;
using io::readSettings;
using io::writeSettings;
using test::contentsOf;
using test::putFile;

class TestSettingsFile : public QObject {
    Q_OBJECT
private slots:
    void init();

    void textsAsQtReadsAndWritesThem_data();
    void textsAsQtReadsAndWritesThem();
    void listsAsQtReadsAndWritesThem_data();
    void listsAsQtReadsAndWritesThem();
    void sizesPointsAndNumbers();

    void keepsEveryLineItDoesNotOwn_data();
    void keepsEveryLineItDoesNotOwn();
    void specialFilesAreNeitherReadNorReplaced_data();
    void specialFilesAreNeitherReadNorReplaced();
    void twoProcessesKeepEachOthersKeys();
    void readsOnlyKeyValueLinesOfItsGroup_data();
    void readsOnlyKeyValueLinesOfItsGroup();
    void largeFilesAreLeftAlone_data();
    void largeFilesAreLeftAlone();

private:
    [[nodiscard]] QByteArray path() const { return QFile::encodeName(m_dir->path()) + "/s.conf"; }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSettingsFile::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestSettingsFile::textsAsQtReadsAndWritesThem_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << "0.1";
    QTest::newRow("a list of constants") << "2.148,7.198,12.319";
    QTest::newRow("semicolon, equals, hash") << "a;b=c#d";
    QTest::newRow("blanks at the ends") << " e ";
    QTest::newRow("a blank at the end only") << "e ";
    QTest::newRow("a blank at the start only") << " e";
    QTest::newRow("a hash alone") << "a#b";
    QTest::newRow("quote and backslash") << "c\"d\\e";
    QTest::newRow("line breaks and a tab") << "one\ntwo\r\tthree";
    QTest::newRow("an at sign first") << "@Size(1 2)";
    QTest::newRow("letters beyond ASCII") << QStringLiteral("H₂A⁻ é");
    QTest::newRow("a control character") << QStringLiteral("a\x01z");
    QTest::newRow("empty") << "";
}

void TestSettingsFile::textsAsQtReadsAndWritesThem() {
    QFETCH(QString, text);
    // Ours written, Qt's read.
    QVERIFY(writeSettings(path(), QStringLiteral("g"), {{QStringLiteral("k"), fromText(text)}})
                .isEmpty());
    {
        const QSettings qt(QFile::decodeName(path()), QSettings::IniFormat);
        QCOMPARE(qt.value(QStringLiteral("g/k")).toString(), text);
    }
    // Qt's written, ours read.
    QFile::remove(QFile::decodeName(path()));
    {
        QSettings qt(QFile::decodeName(path()), QSettings::IniFormat);
        qt.setValue(QStringLiteral("g/k"), text);
    }
    const io::SettingsRead read = readSettings(path(), QStringLiteral("g"));
    QVERIFY(read.problem.isEmpty());
    QCOMPARE(toText(read.values.value(QStringLiteral("k"))), std::optional(text));
}

void TestSettingsFile::listsAsQtReadsAndWritesThem_data() {
    QTest::addColumn<QStringList>("list");
    QTest::newRow("none") << QStringList();
    QTest::newRow("one") << QStringList{QStringLiteral("HA")};
    QTest::newRow("two") << QStringList{QStringLiteral("HA"), QStringLiteral("A-")};
    QTest::newRow("items that need quotes")
        << QStringList{QStringLiteral("a,b"), QStringLiteral("c\"d"), QStringLiteral(" e "),
                       QStringLiteral("é\n"), QStringLiteral("x\\y"), QStringLiteral("@at")};
}

void TestSettingsFile::listsAsQtReadsAndWritesThem() {
    QFETCH(QStringList, list);
    QVERIFY(writeSettings(path(), QStringLiteral("g"), {{QStringLiteral("k"), fromList(list)}})
                .isEmpty());
    {
        const QSettings qt(QFile::decodeName(path()), QSettings::IniFormat);
        QCOMPARE(qt.value(QStringLiteral("g/k")).toStringList(), list);
    }
    QFile::remove(QFile::decodeName(path()));
    {
        QSettings qt(QFile::decodeName(path()), QSettings::IniFormat);
        qt.setValue(QStringLiteral("g/k"), list);
    }
    const io::SettingsRead read = readSettings(path(), QStringLiteral("g"));
    QCOMPARE(toList(read.values.value(QStringLiteral("k"))), std::optional(list));
}

void TestSettingsFile::sizesPointsAndNumbers() {
    {
        QSettings qt(QFile::decodeName(path()), QSettings::IniFormat);
        qt.setValue(QStringLiteral("g/size"), QSize(1100, 680));
        qt.setValue(QStringLiteral("g/position"), QPoint(-5, 20));
        qt.setValue(QStringLiteral("g/on"), true);
        qt.setValue(QStringLiteral("g/count"), -3);
    }
    const QMap<QString, QString> values = readSettings(path(), QStringLiteral("g")).values;
    QCOMPARE(toSize(values.value(QStringLiteral("size"))), std::optional(QSize(1100, 680)));
    QCOMPARE(toPoint(values.value(QStringLiteral("position"))), std::optional(QPoint(-5, 20)));
    QCOMPARE(toBool(values.value(QStringLiteral("on"))), std::optional(true));
    QCOMPARE(toInt(values.value(QStringLiteral("count"))), std::optional(-3));
    QCOMPARE(fromSize(QSize(1100, 680)), values.value(QStringLiteral("size")));
    QCOMPARE(fromPoint(QPoint(-5, 20)), values.value(QStringLiteral("position")));
    // What does not fit its kind is nothing, not a zero.
    QCOMPARE(toSize(QStringLiteral("@Size(12)")), std::nullopt);
    QCOMPARE(toPoint(QStringLiteral("@Size(1 2)")), std::nullopt);
    QCOMPARE(toBool(QStringLiteral("yes")), std::nullopt);
    QCOMPARE(toInt(QStringLiteral("3x")), std::nullopt);
    QCOMPARE(toText(QStringLiteral("\"open")), std::nullopt);
}

void TestSettingsFile::keepsEveryLineItDoesNotOwn_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    static constexpr char kNoise[] = "\x01\xff\xfe \"unclosed ,;= garbage\x00 more";
    const QByteArray noise(kNoise, sizeof kNoise - 1);
    QTest::newRow("the key replaced, the rest as it was")
        << QByteArray("; a comment\n[other]\nkey=1\n[g]\nk=old\nkeep=2\n")
        << QByteArray("; a comment\n[other]\nkey=1\n[g]\nk=new\nkeep=2\n");
    QTest::newRow("a new key at the end of its group")
        << QByteArray("[g]\nkeep=2\n\n[other]\nkey=1\n")
        << QByteArray("[g]\nkeep=2\nk=new\n\n[other]\nkey=1\n");
    QTest::newRow("a new group after the rest")
        << QByteArray("[other]\nkey=1") << QByteArray("[other]\nkey=1\n\n[g]\nk=new\n");
    QTest::newRow("a byte-order mark and CRLF line ends")
        << QByteArray("\xEF\xBB\xBF[g]\r\nk=old\r\nkeep=2\r\n")
        << QByteArray("\xEF\xBB\xBF[g]\r\nk=new\nkeep=2\r\n");
    QTest::newRow("random bytes before and inside the group")
        << noise + "\n[other]\nkey=1\n[g]\n" + noise + "\nk=old\n"
        << noise + "\n[other]\nkey=1\n[g]\n" + noise + "\nk=new\n";
    QTest::newRow("a key given twice: the first takes the value, the second goes")
        << QByteArray("[g]\nk=old\nx=1\nk=older\n") << QByteArray("[g]\nk=new\nx=1\n");
    QTest::newRow("an empty file") << QByteArray() << QByteArray("[g]\nk=new\n");
}

void TestSettingsFile::keepsEveryLineItDoesNotOwn() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QVERIFY(putFile(path(), before));
    const io::SettingsRead read = readSettings(path(), QStringLiteral("g"));
    QVERIFY(read.problem.isEmpty());
    QVERIFY(
        writeSettings(path(), QStringLiteral("g"), {{QStringLiteral("k"), QStringLiteral("new")}})
            .isEmpty());
    QCOMPARE(contentsOf(path()), after);
}

void TestSettingsFile::specialFilesAreNeitherReadNorReplaced_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    for (const test::SpecialKind& special : test::kSpecialKinds) {
        QTest::newRow(special.row)
            << QString::fromLatin1(special.kind) << QString::fromLatin1(special.reason);
    }
}

void TestSettingsFile::specialFilesAreNeitherReadNorReplaced() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    const QByteArray target = path();
    const test::SpecialFile special(target, kind.toLatin1());
    QVERIFY(special.made());
    const auto before = test::identityOf(target);
    QElapsedTimer clock;
    clock.start();
    const io::SettingsRead read = readSettings(target, QStringLiteral("g"));
    QVERIFY2(read.problem.contains(reason), qPrintable(read.problem));
    QVERIFY(read.values.isEmpty());
    const QString written =
        writeSettings(target, QStringLiteral("g"), {{QStringLiteral("k"), QStringLiteral("v")}});
    QVERIFY2(written.contains(reason), qPrintable(written));
    QVERIFY(clock.elapsed() < 5000); // a reader that waits on the FIFO never gets here
    QCOMPARE(test::identityOf(target), before);
}

void TestSettingsFile::twoProcessesKeepEachOthersKeys() {
    constexpr int kKeys = 40;
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    const QString mine = child == 0 ? QStringLiteral("child") : QStringLiteral("parent");
    bool ok = true;
    for (int i = 0; i < kKeys; ++i) {
        ok = ok && writeSettings(path(), QStringLiteral("g"),
                                 {{mine + QString::number(i), QString::number(i)}})
                       .isEmpty();
    }
    if (child == 0) {
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    QVERIFY(ok);
    const QMap<QString, QString> values = readSettings(path(), QStringLiteral("g")).values;
    QCOMPARE(values.size(), 2 * kKeys);
    for (int i = 0; i < kKeys; ++i) {
        QCOMPARE(values.value(QStringLiteral("child%1").arg(i)), QString::number(i));
        QCOMPARE(values.value(QStringLiteral("parent%1").arg(i)), QString::number(i));
    }
}

void TestSettingsFile::readsOnlyKeyValueLinesOfItsGroup_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("expected"); // the group's keys and values as k:v, sorted
    QTest::newRow("blanks around key and value") << QByteArray("[g]\n  k  =  v  \n") << "k:v";
    QTest::newRow("a value with an equals sign") << QByteArray("[g]\nk=a=b\n") << "k:a=b";
    QTest::newRow("no key before the equals sign") << QByteArray("[g]\n=x\nk=v\n") << "k:v";
    QTest::newRow("comments") << QByteArray("[g]\n; k=1\n# j=2\nk=v\n") << "k:v";
    QTest::newRow("no equals sign") << QByteArray("[g]\njust words\nk=v\n") << "k:v";
    QTest::newRow("keys of another group")
        << QByteArray("[h]\nk=other\n[g]\nj=mine\n[h]\nx=1\n") << "j:mine";
    QTest::newRow("a key given twice: the first") << QByteArray("[g]\nk=1\nk=2\n") << "k:1";
    QTest::newRow("a group in brackets with blanks") << QByteArray(" [ g ] \nk=v\n") << "k:v";
    QTest::newRow("keys before any group") << QByteArray("k=top\n[g]\n") << "";
}

void TestSettingsFile::readsOnlyKeyValueLinesOfItsGroup() {
    QFETCH(QByteArray, contents);
    QFETCH(QString, expected);
    QVERIFY(putFile(path(), contents));
    const io::SettingsRead read = readSettings(path(), QStringLiteral("g"));
    QVERIFY(read.problem.isEmpty());
    QStringList pairs;
    for (auto it = read.values.cbegin(); it != read.values.cend(); ++it) {
        pairs << it.key() + u':' + it.value();
    }
    QCOMPARE(pairs.join(u' '), expected);
}

void TestSettingsFile::largeFilesAreLeftAlone_data() {
    QTest::addColumn<qsizetype>("size");
    QTest::addColumn<bool>("used");
    constexpr qsizetype kLimit = 4 * 1024 * 1024;
    QTest::newRow("at the limit") << kLimit << true;
    QTest::newRow("a byte over it") << kLimit + 1 << false;
}

void TestSettingsFile::largeFilesAreLeftAlone() {
    QFETCH(qsizetype, size);
    QFETCH(bool, used);
    QByteArray contents("[g]\nk=v\n");
    contents += QByteArray(size - contents.size(), '#');
    QVERIFY(putFile(path(), contents));
    const io::SettingsRead read = readSettings(path(), QStringLiteral("g"));
    QCOMPARE(read.problem.isEmpty(), used);
    QCOMPARE(read.values.value(QStringLiteral("k")), used ? QStringLiteral("v") : QString());
    const QString written =
        writeSettings(path(), QStringLiteral("g"), {{QStringLiteral("k"), QStringLiteral("w")}});
    QCOMPARE(written.isEmpty(), used);
    if (!used) {
        QCOMPARE(contentsOf(path()), contents);
    }
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_settingsfile.moc"
