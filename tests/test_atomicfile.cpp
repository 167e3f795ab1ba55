// SPDX-License-Identifier: GPL-3.0-or-later
// The file writer: whole or nothing, under signals and size limits, with both kinds of temporary
// file; permission bits and links; file names in messages.

#include "files.h"

#include "io/atomicfile.h"
#include "io/shownname.h"

#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace velmora;
using io::AtomicWriteOptions;
using test::contentsOf;
using test::entriesOf;
using test::modeOf;
using test::putFile;

namespace {

/** Enough bytes that a write of them is not one block. */
QByteArray newContents() {
    QByteArray data;
    for (int i = 0; i < 20000; ++i) {
        data += "row " + QByteArray::number(i) + '\n';
    }
    return data;
}

const QByteArray kOld("old contents, kept byte for byte\n\x01\xff");

/** True if the folder's file system makes files without names (then none shows mid-write). */
bool hasUnnamedFiles(const QByteArray& folder) {
#ifdef O_TMPFILE
    const int fd = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
#endif
    return false;
}

bool readByte(int fd, int timeoutMs) {
    pollfd ready{fd, POLLIN, 0};
    char byte = 0;
    return ::poll(&ready, 1, timeoutMs) == 1 && ::read(fd, &byte, 1) == 1;
}

/** How a child process ended: by a signal, or with a status and the writer's reason. */
struct ChildEnd {
    int signal = 0;
    int status = -1;
    QByteArray reason;
};

ChildEnd collect(pid_t pid, int reasonFd) {
    ChildEnd end;
    char buffer[512];
    ssize_t n = 0;
    while ((n = ::read(reasonFd, buffer, sizeof buffer)) > 0) {
        end.reason.append(buffer, static_cast<qsizetype>(n));
    }
    ::close(reasonFd);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (WIFSIGNALED(status)) {
        end.signal = WTERMSIG(status);
    } else if (WIFEXITED(status)) {
        end.status = WEXITSTATUS(status);
    }
    return end;
}

/** In a child: writes, sends the reason through `reasonFd`, and ends without cleaning up. */
[[noreturn]] void writeAndExit(const QByteArray& path, const AtomicWriteOptions& options,
                               int reasonFd) {
    const QByteArray reason = io::writeFileAtomically(path, newContents(), options).toUtf8();
    [[maybe_unused]] const ssize_t n =
        ::write(reasonFd, reason.constData(), static_cast<std::size_t>(reason.size()));
    ::_exit(reason.isEmpty() ? 0 : 3);
}

} // namespace

class TestAtomicFile : public QObject {
    Q_OBJECT

private slots:
    void signalWaitsForTheWholeFile_data();
    void signalWaitsForTheWholeFile();
    void sizeLimitLeavesNothing_data();
    void sizeLimitLeavesNothing();
    void keepsPermissionsAndLinks_data();
    void keepsPermissionsAndLinks();
    void systemCallsInOrder_data();
    void systemCallsInOrder();
    void shownNames_data();
    void shownNames();
};

void TestAtomicFile::signalWaitsForTheWholeFile_data() {
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("unnamed");
    QTest::addColumn<bool>("existing");
    QTest::addColumn<bool>("ignored");
    QTest::newRow("TERM, unnamed temporary, over a file") << SIGTERM << true << true << false;
    QTest::newRow("TERM, unnamed temporary, new file") << SIGTERM << true << false << false;
    QTest::newRow("INT, named temporary, over a file") << SIGINT << false << true << false;
    QTest::newRow("HUP, named temporary, new file") << SIGHUP << false << false << false;
    QTest::newRow("HUP ignored (nohup), named temporary") << SIGHUP << false << true << true;
}

void TestAtomicFile::signalWaitsForTheWholeFile() {
    QFETCH(int, signal);
    QFETCH(bool, unnamed);
    QFETCH(bool, existing);
    QFETCH(bool, ignored);
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    const QByteArray path = folder + "/diagram.svg";
    if (existing) {
        QVERIFY(putFile(path, kOld, 0640));
    }
    // The child stops just before committing, says so, and goes on once the parent has sent
    // the signal and then a byte.
    int ready[2];
    int resume[2];
    int reason[2];
    QVERIFY(::pipe(ready) == 0 && ::pipe(resume) == 0 && ::pipe(reason) == 0);
    const pid_t pid = ::fork();
    QVERIFY(pid >= 0);
    if (pid == 0) {
        // As in the program: the default action (the test framework has its own handlers).
        std::signal(signal, ignored ? SIG_IGN : SIG_DFL);
        AtomicWriteOptions options;
        options.unnamedTemporary = unnamed;
        options.beforeCommit = [&] {
            [[maybe_unused]] const ssize_t sent = ::write(ready[1], "r", 1);
            // A signal interrupts the read; its handler runs before the read goes on.
            readByte(resume[0], 10000);
        };
        writeAndExit(path, options, reason[1]);
    }
    ::close(ready[1]);
    ::close(resume[0]);
    ::close(reason[1]);
    const bool paused = readByte(ready[0], 10000);
    ::close(ready[0]);
    const QByteArrayList midWrite = entriesOf(folder);
    ::kill(pid, signal);
    [[maybe_unused]] const ssize_t sent = ::write(resume[1], "g", 1);
    ::close(resume[1]);
    const ChildEnd end = collect(pid, reason[0]);
    QVERIFY(paused);

    QCOMPARE(end.reason, QByteArray());
    QCOMPARE(end.signal, ignored ? 0 : signal);
    QCOMPARE(contentsOf(path), newContents());
    QCOMPARE(entriesOf(folder), QByteArrayList{"diagram.svg"});
    if (existing) {
        QCOMPARE(modeOf(path), 0640);
    }
    // Mid-write, the named temporary file is hidden beside the target; an unnamed one is not
    // in the folder at all.
    const qsizetype before = existing ? 1 : 0;
    if (!unnamed) {
        QCOMPARE(midWrite.size(), before + 1);
        QVERIFY2(midWrite.first().startsWith(".diagram.svg."), midWrite.first().constData());
    } else if (hasUnnamedFiles(folder)) {
        QCOMPARE(midWrite.size(), before);
    }
}

void TestAtomicFile::sizeLimitLeavesNothing_data() {
    QTest::addColumn<bool>("unnamed");
    QTest::addColumn<bool>("existing");
    QTest::addColumn<int>("limit");
    QTest::newRow("unnamed temporary, over a file, no room") << true << true << 0;
    QTest::newRow("named temporary, over a file, no room") << false << true << 0;
    QTest::newRow("named temporary, new file, cut off") << false << false << 4096;
    QTest::newRow("unnamed temporary, new file, cut off") << true << false << 4096;
}

void TestAtomicFile::sizeLimitLeavesNothing() {
    QFETCH(bool, unnamed);
    QFETCH(bool, existing);
    QFETCH(int, limit);
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    const QByteArray path = folder + "/data.csv";
    if (existing) {
        QVERIFY(putFile(path, kOld));
    }
    int reason[2];
    QVERIFY(::pipe(reason) == 0);
    const pid_t pid = ::fork();
    QVERIFY(pid >= 0);
    if (pid == 0) {
        // The limit would end the process with SIGXFSZ; the writer has it ignored meanwhile.
        rlimit size{};
        ::getrlimit(RLIMIT_FSIZE, &size);
        size.rlim_cur = static_cast<rlim_t>(limit);
        ::setrlimit(RLIMIT_FSIZE, &size);
        AtomicWriteOptions options;
        options.unnamedTemporary = unnamed;
        writeAndExit(path, options, reason[1]);
    }
    ::close(reason[1]);
    const ChildEnd end = collect(pid, reason[0]);
    QCOMPARE(end.signal, 0);
    QCOMPARE(end.status, 3);
    QCOMPARE(end.reason, QByteArray("File too large"));
    QCOMPARE(entriesOf(folder), existing ? QByteArrayList{"data.csv"} : QByteArrayList{});
    if (existing) {
        QCOMPARE(contentsOf(path), kOld);
    }
}

void TestAtomicFile::keepsPermissionsAndLinks_data() {
    QTest::addColumn<bool>("unnamed");
    QTest::addColumn<int>("oldMode"); // -1: no file before
    QTest::addColumn<bool>("throughLink");
    QTest::addColumn<int>("umask");
    QTest::addColumn<int>("newMode");
    QTest::newRow("unnamed, over 0640") << true << 0640 << false << 022 << 0640;
    QTest::newRow("named, over 0604") << false << 0604 << false << 022 << 0604;
    QTest::newRow("named, over 04755 (set-user-ID)") << false << 04755 << false << 022 << 04755;
    QTest::newRow("unnamed, over 02750 (set-group-ID)") << true << 02750 << false << 022 << 02750;
    QTest::newRow("unnamed, over 0755 through a link") << true << 0755 << true << 022 << 0755;
    QTest::newRow("named, new file through a dangling link") << false << -1 << true << 022 << 0644;
    QTest::newRow("unnamed, new file, umask 077") << true << -1 << false << 077 << 0600;
    QTest::newRow("named, new file, umask 002") << false << -1 << false << 002 << 0664;
}

void TestAtomicFile::keepsPermissionsAndLinks() {
    QFETCH(bool, unnamed);
    QFETCH(int, oldMode);
    QFETCH(bool, throughLink);
    QFETCH(int, umask);
    QFETCH(int, newMode);
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    QVERIFY(::mkdir((folder + "/sub").constData(), 0755) == 0);
    const QByteArray target = folder + "/sub/target.png";
    if (oldMode >= 0) {
        QVERIFY(putFile(target, kOld, static_cast<mode_t>(oldMode)));
    }
    const QByteArray path = throughLink ? folder + "/link.png" : target;
    if (throughLink) {
        QVERIFY(::symlink("sub/target.png", path.constData()) == 0);
    }
    const mode_t previous = ::umask(static_cast<mode_t>(umask));
    AtomicWriteOptions options;
    options.unnamedTemporary = unnamed;
    const QString reason = io::writeFileAtomically(path, newContents(), options);
    ::umask(previous);
    QCOMPARE(reason, QString());
    QCOMPARE(contentsOf(target), newContents());
    QCOMPARE(modeOf(target), newMode);
    QCOMPARE(test::isLink(path), throughLink);
    QCOMPARE(entriesOf(folder + "/sub"), QByteArrayList{"target.png"});
}

void TestAtomicFile::systemCallsInOrder_data() {
    QTest::addColumn<bool>("unnamed");
    QTest::addColumn<bool>("existing");
    QTest::addColumn<QByteArray>("failing"); // the call made to fail, if any
    QTest::addColumn<int>("error");
    QTest::addColumn<QByteArrayList>("calls");
    QTest::addColumn<QString>("reason");
    const QByteArrayList named{"fsync file", "rename", "fsync folder"};
    QTest::newRow("named, new file") << false << false << QByteArray() << 0 << named << QString();
    QTest::newRow("named, over a file") << false << true << QByteArray() << 0 << named << QString();
    QTest::newRow("unnamed, new file")
        << true << false << QByteArray() << 0
        << QByteArrayList{"fsync file", "linkat", "fsync folder"} << QString();
    QTest::newRow("unnamed, over a file")
        << true << true << QByteArray() << 0
        << QByteArrayList{"fsync file", "linkat", "rename", "fsync folder"} << QString();
    const QByteArrayList syncOnly{"fsync file"};
    QTest::newRow("named, over a file, file not synced")
        << false << true << QByteArray("fsync file") << EIO << syncOnly << "Input/output error";
    QTest::newRow("named, new file, file not synced")
        << false << false << QByteArray("fsync file") << EIO << syncOnly << "Input/output error";
    QTest::newRow("unnamed, over a file, file not synced")
        << true << true << QByteArray("fsync file") << ENOSPC << syncOnly
        << "No space left on device";
    QTest::newRow("named, over a file, rename refused")
        << false << true << QByteArray("rename") << EACCES << QByteArrayList{"fsync file", "rename"}
        << "Permission denied";
    QTest::newRow("unnamed, over a file, link refused")
        << true << true << QByteArray("linkat") << ENOSPC << QByteArrayList{"fsync file", "linkat"}
        << "No space left on device";
    // The rename has happened by then: the file is in place whatever the folder's sync says.
    QTest::newRow("named, over a file, folder not synced")
        << false << true << QByteArray("fsync folder") << EIO << named << QString();
}

void TestAtomicFile::systemCallsInOrder() {
    QFETCH(bool, unnamed);
    QFETCH(bool, existing);
    QFETCH(QByteArray, failing);
    QFETCH(int, error);
    QFETCH(QByteArrayList, calls);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    if (unnamed && !hasUnnamedFiles(folder)) {
        QSKIP("the file system here has no unnamed files");
    }
    const QByteArray path = folder + "/data.csv";
    if (existing) {
        QVERIFY(putFile(path, kOld));
    }
    QByteArrayList made;
    // Each call is noted, then made, unless it is the one to fail.
    const auto fails = [&](const QByteArray& call) {
        made << call;
        if (call == failing) {
            errno = error;
            return true;
        }
        return false;
    };
    AtomicWriteOptions options;
    options.unnamedTemporary = unnamed;
    options.systemCalls.fsync = [&](int fd) {
        struct stat status {};
        const bool isFolder = ::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode);
        return fails(isFolder ? "fsync folder" : "fsync file") ? -1 : ::fsync(fd);
    };
    options.systemCalls.linkat = [&](int fromFolder, const char* from, int toFolder, const char* to,
                                     int flags) {
        return fails("linkat") ? -1 : ::linkat(fromFolder, from, toFolder, to, flags);
    };
    options.systemCalls.rename = [&](const char* from, const char* to) {
        return fails("rename") ? -1 : ::rename(from, to);
    };
    QCOMPARE(io::writeFileAtomically(path, newContents(), options), reason);
    QCOMPARE(made, calls);
    if (reason.isEmpty()) {
        QCOMPARE(contentsOf(path), newContents());
    } else if (existing) {
        QCOMPARE(contentsOf(path), kOld);
    }
    // No temporary file is left, whatever happened.
    const bool present = existing || reason.isEmpty();
    QCOMPARE(entriesOf(folder), present ? QByteArrayList{"data.csv"} : QByteArrayList{});
}

void TestAtomicFile::shownNames_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain") << QByteArray("out/diagram.png") << "out/diagram.png";
    QTest::newRow("UTF-8 kept") << QByteArray("H\xe2\x82\x82O \xc3\xa9.csv")
                                << QString::fromUtf8("H\u2082O \u00e9.csv");
    QTest::newRow("newline, tab, return") << QByteArray("a\nb\tc\r") << "a\\nb\\tc\\r";
    QTest::newRow("escape and delete") << QByteArray("\x1b[31m\x7f") << "\\x1b[31m\\x7f";
    QTest::newRow("invalid byte") << QByteArray("\xff.csv") << "\\xff.csv";
    QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << "\\xc0\\xaf";
    QTest::newRow("cut-off sequence") << QByteArray("\xe2\x82") << "\\xe2\\x82";
    QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80") << "\\xed\\xa0\\x80";
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xf4\x90\x80\x80") << "\\xf4\\x90\\x80\\x80";
    QTest::newRow("C1 next line") << QByteArray("a\xc2\x85z") << "a\\u0085z";
    QTest::newRow("line separator") << QByteArray("a\xe2\x80\xa8z") << "a\\u2028z";
}

void TestAtomicFile::shownNames() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QCOMPARE(io::shownName(bytes), shown);
}

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "test_atomicfile.moc"
