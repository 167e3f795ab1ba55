// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsfile.h"

#include "atomicfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QThread>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::io {

namespace {

/** A settings file larger than this is somebody else's file: it is neither read nor written. */
constexpr qint64 kMaxSettingsBytes = 4 * 1024 * 1024;

/** How long a writer waits for another instance that holds the folder's lock. */
constexpr int kLockAttempts = 50;
constexpr int kLockPauseMs = 20;

QString tooLarge() {
    return QCoreApplication::translate("velmora::io::SettingsFile", "it is larger than %1 MiB")
        .arg(kMaxSettingsBytes / (1024 * 1024));
}

/** The file descriptor of an open file, closed when it goes. */
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    [[nodiscard]] int fd() const { return m_fd; }

private:
    int m_fd;
};

/**
 * The file's bytes, or the reason it cannot be used. A missing file is an empty one. The kind of
 * file is checked before it is opened (opening a FIFO for reading waits for a writer) and again
 * on what was opened, without waiting, in case it was replaced in between.
 */
QString readWhole(const QByteArray& path, QByteArray& bytes) {
    bytes.clear();
    struct stat status {};
    if (::stat(path.constData(), &status) != 0) {
        return errno == ENOENT ? QString() : qt_error_string(errno);
    }
    if (!S_ISREG(status.st_mode)) {
        return notRegularFileReason(status.st_mode);
    }
    const Descriptor file(::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.fd() < 0) {
        return errno == ENOENT ? QString() : qt_error_string(errno);
    }
    if (::fstat(file.fd(), &status) != 0) {
        return qt_error_string(errno);
    }
    if (!S_ISREG(status.st_mode)) {
        return notRegularFileReason(status.st_mode);
    }
    if (status.st_size > kMaxSettingsBytes) {
        return tooLarge();
    }
    // One byte more than the file has, to see its end; a file that grows meanwhile is read on,
    // within the bound.
    bytes.resize(static_cast<qsizetype>(status.st_size) + 1);
    qsizetype have = 0;
    for (;;) {
        if (have == bytes.size()) {
            if (have > kMaxSettingsBytes) {
                return tooLarge();
            }
            bytes.resize(std::min<qsizetype>(bytes.size() + 4096, kMaxSettingsBytes + 1));
        }
        const ssize_t got =
            ::read(file.fd(), bytes.data() + have, static_cast<std::size_t>(bytes.size() - have));
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return qt_error_string(errno);
        }
        if (got == 0) {
            break;
        }
        have += got;
    }
    bytes.truncate(have);
    return {};
}

/** One line of the file without its line break (and a carriage return before it). */
QByteArray content(const QByteArray& line) {
    return line.endsWith('\r') ? line.chopped(1) : line;
}

/** The group a line opens, or nothing if it opens none. */
std::optional<QString> groupOf(const QByteArray& line) {
    QByteArray text = content(line).trimmed();
    if (text.startsWith("\xEF\xBB\xBF")) {
        text = text.mid(3).trimmed();
    }
    if (text.size() < 2 || !text.startsWith('[') || !text.endsWith(']')) {
        return std::nullopt;
    }
    return QString::fromUtf8(text.mid(1, text.size() - 2).trimmed());
}

/** The key and value of a `key=value` line, or nothing for any other line. */
std::optional<std::pair<QString, QString>> pairOf(const QByteArray& line) {
    const QByteArray text = content(line).trimmed();
    const qsizetype equals = text.indexOf('=');
    if (text.isEmpty() || text.startsWith(';') || text.startsWith('#') || equals <= 0) {
        return std::nullopt;
    }
    return std::pair{QString::fromUtf8(text.left(equals).trimmed()),
                     QString::fromUtf8(text.mid(equals + 1).trimmed())};
}

QList<QByteArray> linesOf(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

/** `bytes` with the keys of `changed` set in `group`; every other line as it was. */
QByteArray withChanges(const QByteArray& bytes, const QString& group,
                       const QMap<QString, QString>& changed) {
    const QList<QByteArray> lines = linesOf(bytes);
    QList<QByteArray> out;
    QMap<QString, QString> left = changed;
    bool inGroup = false;
    qsizetype groupEnd = -1; // where new keys of the group go: after its last key
    for (const QByteArray& line : lines) {
        if (const std::optional<QString> name = groupOf(line)) {
            inGroup = *name == group;
            out << line;
            if (inGroup) {
                groupEnd = out.size();
            }
            continue;
        }
        if (inGroup) {
            if (const auto pair = pairOf(line); pair && changed.contains(pair->first)) {
                // The first line of a key takes its new value; a repeated one goes.
                if (left.contains(pair->first)) {
                    out << (pair->first + u'=' + left.take(pair->first)).toUtf8();
                    groupEnd = out.size();
                }
                continue;
            }
            if (!content(line).trimmed().isEmpty()) {
                groupEnd = out.size() + 1;
            }
        }
        out << line;
    }
    QList<QByteArray> added;
    for (auto it = left.cbegin(); it != left.cend(); ++it) {
        added << (it.key() + u'=' + it.value()).toUtf8();
    }
    if (!added.isEmpty()) {
        if (groupEnd < 0) {
            if (!out.isEmpty() && !content(out.last()).trimmed().isEmpty()) {
                out << QByteArray();
            }
            out << ('[' + group.toUtf8() + ']');
            groupEnd = out.size();
        }
        for (qsizetype i = 0; i < added.size(); ++i) {
            out.insert(groupEnd + i, added[i]);
        }
    }
    QByteArray result = out.join('\n');
    result += '\n';
    return result;
}

/** Holds an exclusive lock on a folder while it lives, if one could be had in time. */
class FolderLock {
public:
    explicit FolderLock(const QByteArray& folder)
        : m_folder(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        if (m_folder.fd() < 0) {
            return;
        }
        for (int attempt = 0; attempt < kLockAttempts; ++attempt) {
            if (::flock(m_folder.fd(), LOCK_EX | LOCK_NB) == 0) {
                return;
            }
            if (errno != EWOULDBLOCK && errno != EINTR) {
                return; // a file system without locks: written unlocked, as before
            }
            QThread::msleep(kLockPauseMs);
        }
    }

private:
    Descriptor m_folder;
};

} // namespace

SettingsRead readSettings(const QByteArray& path, const QString& group) {
    SettingsRead read;
    QByteArray bytes;
    read.problem = readWhole(path, bytes);
    bool inGroup = false;
    for (const QByteArray& line : linesOf(bytes)) {
        if (const std::optional<QString> name = groupOf(line)) {
            inGroup = *name == group;
        } else if (const auto pair = pairOf(line);
                   inGroup && pair && !read.values.contains(pair->first)) {
            read.values.insert(pair->first, pair->second);
        }
    }
    return read;
}

QString writeSettings(const QByteArray& path, const QString& group,
                      const QMap<QString, QString>& changed) {
    if (changed.isEmpty()) {
        return {};
    }
    const QByteArray folder = path.left(std::max<qsizetype>(path.lastIndexOf('/'), 0));
    if (!folder.isEmpty() && !QDir().mkpath(QFile::decodeName(folder))) {
        return qt_error_string(errno);
    }
    const FolderLock lock(folder.isEmpty() ? QByteArrayLiteral(".") : folder);
    QByteArray bytes;
    if (QString problem = readWhole(path, bytes); !problem.isEmpty()) {
        return problem;
    }
    return writeFileAtomically(path, withChanges(bytes, group, changed));
}
} // namespace velmora::io
