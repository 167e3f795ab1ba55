// SPDX-License-Identifier: GPL-3.0-or-later
// The hand-over of documents to the desktop: a stand-in opener named xdg-open on PATH ends with
// the status of each row, and exactly the failures give one message naming the document.

#include "ui/common/desktop.h"

#include "testsupport.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using velmora::test::MessageWatcher;
using velmora::ui::openWithDesktop;

namespace {

/** How the stand-in opener ends. */
enum class Opener { Exits, Killed, Missing };

/** Records the addresses handed to it instead of opening them. */
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void take(const QUrl& url) { urls.append(url); }
};

/**
 * A folder that stands in for PATH, with an xdg-open that writes its argument to a file and ends
 * as asked; PATH is restored when it goes.
 */
class FakeOpener {
public:
    FakeOpener(Opener kind, int status) : m_path(qgetenv("PATH")) {
        if (kind != Opener::Missing) {
            QFile script(m_dir.filePath(QStringLiteral("xdg-open")));
            const QString end = kind == Opener::Killed ? QStringLiteral("kill -KILL $$")
                                                       : QStringLiteral("exit %1").arg(status);
            script.open(QIODevice::WriteOnly);
            script.write(QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\n%2\n")
                             .arg(argumentFile(), end)
                             .toUtf8());
            script.close();
            script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("PATH", m_dir.path().toLocal8Bit());
    }
    ~FakeOpener() { qputenv("PATH", m_path); }
    FakeOpener(const FakeOpener&) = delete;
    FakeOpener& operator=(const FakeOpener&) = delete;

    QString argumentFile() const { return m_dir.filePath(QStringLiteral("argument")); }
    bool ran() const { return QFile::exists(argumentFile()); }
    QString argument() const {
        QFile file(argumentFile());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_path;
};

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT

private slots:
    void documentOpenerEnds_data();
    void documentOpenerEnds();
    void aHandlerRegisteredLaterTakesOver();
};

void TestDesktop::documentOpenerEnds_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("handed");
    QTest::addColumn<QString>("reason"); // empty: no message
    QTest::newRow("opened") << int(Opener::Exits) << 0 << true << QString();
    QTest::newRow("no program for the document")
        << int(Opener::Exits) << 3 << true << QStringLiteral("status 3");
    QTest::newRow("the program failed")
        << int(Opener::Exits) << 4 << true << QStringLiteral("status 4");
    QTest::newRow("any other status")
        << int(Opener::Exits) << 9 << true << QStringLiteral("status 9");
    QTest::newRow("the opener was killed")
        << int(Opener::Killed) << 0 << true << QStringLiteral("stopped unexpectedly");
    QTest::newRow("no opener installed")
        << int(Opener::Missing) << 0 << false << QStringLiteral("not installed");
}

void TestDesktop::documentOpenerEnds() {
    QFETCH(int, kind);
    QFETCH(int, status);
    QFETCH(bool, handed);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    const QString document = folder.filePath(QStringLiteral("the theory/document.pdf"));
    QVERIFY(QDir().mkpath(QFileInfo(document).path()));
    QFile(document).open(QIODevice::WriteOnly);

    const FakeOpener opener(Opener(kind), status);
    MessageWatcher watcher;
    QCOMPARE(openWithDesktop(QUrl::fromLocalFile(document), nullptr,
                             QStringLiteral("the theory document")),
             handed);
    if (Opener(kind) != Opener::Missing) {
        QTRY_VERIFY(opener.ran());
        QTRY_COMPARE(opener.argument(), document);
    }
    if (reason.isEmpty()) {
        QTest::qWait(300); // long enough for the opener's end to arrive
        QCOMPARE(watcher.messages, QStringList());
        return;
    }
    QTRY_COMPARE_WITH_TIMEOUT(watcher.messages.size(), 1, 5000);
    QTest::qWait(300);
    QCOMPARE(watcher.messages.size(), 1);
    const QString& message = watcher.messages.front();
    QVERIFY2(message.contains(QStringLiteral("the theory document")), qPrintable(message));
    QVERIFY2(message.contains(document), qPrintable(message));
    QVERIFY2(message.contains(reason), qPrintable(message));
}

void TestDesktop::aHandlerRegisteredLaterTakesOver() {
    const FakeOpener opener(Opener::Exits, 3);
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "take");
    auto unset = qScopeGuard([] { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); });
    MessageWatcher watcher;
    const QUrl url = QUrl::fromLocalFile(QStringLiteral("/nowhere/document.pdf"));
    QVERIFY(openWithDesktop(url, nullptr, QStringLiteral("the theory document")));
    QCOMPARE(catcher.urls, QList<QUrl>{url});
    QTest::qWait(300);
    QVERIFY(!opener.ran());
    QCOMPARE(watcher.messages, QStringList());
}

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
