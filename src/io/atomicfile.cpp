// SPDX-License-Identifier: GPL-3.0-or-later
#include "atomicfile.h"

#include "shownname.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <mutex>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::io {

namespace {

/** The most links followed before a chain of them counts as a loop, as the kernel counts. */
constexpr int kMaxLinks = 40;

QString systemReason(int error) {
    return qt_error_string(error);
}

QByteArray folderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) {
        return QByteArrayLiteral(".");
    }
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

QByteArray baseNameOf(const QByteArray& path) {
    return path.mid(path.lastIndexOf('/') + 1);
}

} // namespace

QString readRegularFile(const QByteArray& path, qint64 limit, const QString& tooLarge,
                        QByteArray& bytes) {
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        return systemReason(errno);
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        const QString reason = notRegularFileReason(static_cast<unsigned int>(status.st_mode));
        ::close(fd);
        return reason;
    }
    if (status.st_size > limit) {
        ::close(fd);
        return tooLarge;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file.errorString();
    }
    // Read in pieces to the end, so that a file that grows while it is read is read whole, or
    // cut past the limit and then refused as too large.
    constexpr qint64 kPiece = 4 * 1024 * 1024;
    QByteArray read;
    read.reserve(static_cast<qsizetype>(status.st_size) + 1);
    while (read.size() <= limit) {
        const QByteArray piece = file.read(std::min(kPiece, limit + 1 - read.size()));
        if (file.error() != QFileDevice::NoError) {
            return file.errorString();
        }
        if (piece.isEmpty()) {
            break;
        }
        read += piece;
    }
    if (read.size() > limit) {
        return tooLarge;
    }
    bytes = std::move(read);
    return {};
}

QString notRegularFileReason(unsigned int mode) {
    if (S_ISDIR(mode)) {
        return systemReason(EISDIR);
    }
    const char* const kind =
        S_ISFIFO(mode)
            ? QT_TRANSLATE_NOOP("velmora::io::AtomicFile", "it is a FIFO, not a regular file")
        : S_ISCHR(mode) ? QT_TRANSLATE_NOOP("velmora::io::AtomicFile",
                                            "it is a character device, not a regular file")
        : S_ISBLK(mode) ? QT_TRANSLATE_NOOP("velmora::io::AtomicFile",
                                            "it is a block device, not a regular file")
        : S_ISSOCK(mode)
            ? QT_TRANSLATE_NOOP("velmora::io::AtomicFile", "it is a socket, not a regular file")
            : QT_TRANSLATE_NOOP("velmora::io::AtomicFile",
                                "it is a special file, not a regular file");
    return QCoreApplication::translate("velmora::io::AtomicFile", kind);
}

namespace {

/** Where the bytes go: a regular file that exists, or the name of one to create. */
struct Target {
    QByteArray path;
    bool exists = false;
    struct stat status {};
};

/** Follows links to the file that is to be written; returns the reason it cannot be. */
QString resolveTarget(const QByteArray& given, Target& target) {
    QByteArray path = given;
    for (int hop = 0; hop <= kMaxLinks; ++hop) {
        struct stat status {};
        if (::lstat(path.constData(), &status) == 0) {
            if (S_ISLNK(status.st_mode)) {
                std::array<char, PATH_MAX> buffer{};
                const ssize_t length = ::readlink(path.constData(), buffer.data(), buffer.size());
                if (length < 0) {
                    return systemReason(errno);
                }
                if (static_cast<std::size_t>(length) >= buffer.size()) {
                    return systemReason(ENAMETOOLONG);
                }
                const QByteArray link(buffer.data(), static_cast<qsizetype>(length));
                // A relative link is relative to the folder the link is in.
                const bool here = !path.contains('/');
                path = link.startsWith('/') || here ? link : folderOf(path) + '/' + link;
                continue;
            }
            if (!S_ISREG(status.st_mode)) {
                return notRegularFileReason(status.st_mode);
            }
            // A file the user has made read-only is not replaced behind their back.
            if (::access(path.constData(), W_OK) != 0) {
                return systemReason(errno);
            }
            target = {path, true, status};
            return {};
        }
        const int error = errno;
        if (error != ENOENT) {
            return systemReason(error);
        }
        // No such file: it is created, provided its folder exists.
        struct stat folder {};
        const int found = ::stat(folderOf(path).constData(), &folder) == 0 ? 0 : errno;
        if (found != 0 || !S_ISDIR(folder.st_mode)) {
            const QString reason = systemReason(found != 0 ? found : ENOTDIR);
            return hop == 0 ? reason
                            : QCoreApplication::translate("velmora::io::AtomicFile",
                                                          "%1 (the link leads to %2)")
                                  .arg(reason, shownName(path));
        }
        if (baseNameOf(path).isEmpty()) {
            return systemReason(EISDIR);
        }
        target = {path, false, {}};
        return {};
    }
    return systemReason(ELOOP);
}

// While a temporary file exists, SIGTERM, SIGINT and SIGHUP are only noted; they take effect
// once the file is in place or removed. Blocking them would hold in the calling thread only,
// while the process's other threads (the window has some) would still receive them.
volatile std::sig_atomic_t deferredSignal = 0;

extern "C" void noteSignal(int signal) {
    deferredSignal = signal;
}

/** Defers the ending signals and ignores SIGXFSZ for its lifetime; then raises a noted one. */
class SignalDeferral {
public:
    SignalDeferral() {
        deferredSignal = 0;
        struct sigaction noting {};
        noting.sa_handler = noteSignal;
        noting.sa_flags = SA_RESTART;
        sigemptyset(&noting.sa_mask);
        for (const int signal : kDeferred) {
            sigaddset(&noting.sa_mask, signal);
        }
        for (std::size_t i = 0; i < kDeferred.size(); ++i) {
            ::sigaction(kDeferred[i], nullptr, &m_previous[i]);
            // A signal the process ignores (nohup) stays ignored.
            m_installed[i] =
                (m_previous[i].sa_flags & SA_SIGINFO) != 0 || m_previous[i].sa_handler != SIG_IGN;
            if (m_installed[i]) {
                ::sigaction(kDeferred[i], &noting, nullptr);
            }
        }
        struct sigaction ignoring {};
        ignoring.sa_handler = SIG_IGN;
        sigemptyset(&ignoring.sa_mask);
        ::sigaction(SIGXFSZ, &ignoring, &m_previousXfsz);
    }
    ~SignalDeferral() {
        ::sigaction(SIGXFSZ, &m_previousXfsz, nullptr);
        for (std::size_t i = 0; i < kDeferred.size(); ++i) {
            if (m_installed[i]) {
                ::sigaction(kDeferred[i], &m_previous[i], nullptr);
            }
        }
        if (deferredSignal != 0) {
            ::raise(deferredSignal);
        }
    }
    SignalDeferral(const SignalDeferral&) = delete;
    SignalDeferral& operator=(const SignalDeferral&) = delete;

private:
    static constexpr std::array<int, 3> kDeferred{SIGTERM, SIGINT, SIGHUP};
    std::array<struct sigaction, 3> m_previous{};
    std::array<bool, 3> m_installed{};
    struct sigaction m_previousXfsz {};
};

/** The signal handlers are the process's: one write at a time. */
std::mutex& writeMutex() {
    static std::mutex mutex;
    return mutex;
}

QByteArray randomTag() {
    static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray tag(8, '\0');
    for (char& c : tag) {
        c = letters[QRandomGenerator::global()->bounded(static_cast<int>(sizeof letters) - 1)];
    }
    return tag;
}

/** The calls of `calls` that are given, the system's own for the others. */
int syncToDisk(const AtomicWriteOptions::SystemCalls& calls, int fd) {
    return calls.fsync ? calls.fsync(fd) : ::fsync(fd);
}

int linkAt(const AtomicWriteOptions::SystemCalls& calls, int fromFolder, const char* from,
           int toFolder, const char* to, int flags) {
    return calls.linkat ? calls.linkat(fromFolder, from, toFolder, to, flags)
                        : ::linkat(fromFolder, from, toFolder, to, flags);
}

int renameFile(const AtomicWriteOptions::SystemCalls& calls, const char* from, const char* to) {
    return calls.rename ? calls.rename(from, to) : ::rename(from, to);
}

/** A name for a temporary file beside `target` that shows which file it belongs to. */
QByteArray temporaryName(const QByteArray& target) {
    return folderOf(target) + "/." + baseNameOf(target).left(64) + '.' + randomTag() + ".part";
}

/** The temporary file of one write; whatever is left of it goes when it goes. */
class Temporary {
public:
    Temporary(const Target& target, const AtomicWriteOptions::SystemCalls& calls)
        : m_target(target), m_calls(calls) {}
    ~Temporary() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
        if (!m_name.isEmpty()) {
            ::unlink(m_name.constData());
        }
    }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;

    /** Opens an unnamed temporary file where allowed, else a named one. */
    QString open(bool unnamed) {
#ifdef O_TMPFILE
        if (unnamed) {
            m_fd =
                ::open(folderOf(m_target.path).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
            if (m_fd >= 0) {
                return {};
            }
            // These say that the kernel or the file system has no unnamed files.
            if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL && errno != ENOENT) {
                return systemReason(errno);
            }
        }
#else
        Q_UNUSED(unnamed);
#endif
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QByteArray name = temporaryName(m_target.path);
            // Created with the mode a new file gets (0666 less the umask and default ACLs).
            m_fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (m_fd >= 0) {
                m_name = name;
                return {};
            }
            if (errno != EEXIST) {
                return systemReason(errno);
            }
        }
        return systemReason(EEXIST);
    }

    QString write(const QByteArray& data) {
        const char* at = data.constData();
        std::size_t left = static_cast<std::size_t>(data.size());
        while (left > 0) {
            const ssize_t written = ::write(m_fd, at, std::min<std::size_t>(left, 1U << 30));
            if (written < 0) {
                if (errno == EINTR) {
                    continue;
                }
                return systemReason(errno);
            }
            if (written == 0) {
                return systemReason(EIO);
            }
            at += written;
            left -= static_cast<std::size_t>(written);
        }
        return {};
    }

    /** The owner and permission bits of the file replaced, then everything onto the disk. */
    QString settle() {
        if (m_target.exists) {
            const struct stat& old = m_target.status;
            struct stat now {};
            if (::fstat(m_fd, &now) == 0 &&
                (now.st_uid != old.st_uid || now.st_gid != old.st_gid)) {
                // Only possible for the owner's group or for root; otherwise the writer owns it.
                [[maybe_unused]] const int ignored = ::fchown(m_fd, old.st_uid, old.st_gid);
            }
            // File systems without Unix permissions refuse; their files have no bits to keep.
            if (::fchmod(m_fd, old.st_mode & 07777) != 0 && errno != EPERM && errno != ENOTSUP &&
                errno != EOPNOTSUPP) {
                return systemReason(errno);
            }
        }
        if (syncToDisk(m_calls, m_fd) != 0) {
            return systemReason(errno);
        }
        return {};
    }

    /** Gives an unnamed file a name: the target's if it is new, else a temporary one. */
    QString name(bool& impossible) {
        impossible = false;
        if (!m_name.isEmpty()) {
            return {};
        }
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(m_fd);
        const auto link = [&](const QByteArray& to) {
            if (linkAt(m_calls, AT_FDCWD, self.constData(), AT_FDCWD, to.constData(),
                       AT_SYMLINK_FOLLOW) == 0) {
                return 0;
            }
            // Without /proc, the same call by descriptor (allowed to privileged processes).
            const int first = errno;
            if (first == ENOENT &&
                linkAt(m_calls, m_fd, "", AT_FDCWD, to.constData(), AT_EMPTY_PATH) == 0) {
                return 0;
            }
            return first == ENOENT ? errno : first;
        };
        if (!m_target.exists) {
            const int error = link(m_target.path);
            if (error == 0) {
                m_placed = true;
                return {};
            }
            if (error != EEXIST) {
                impossible = error == ENOENT || error == EPERM || error == EACCES;
                return systemReason(error);
            }
        }
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QByteArray temporary = temporaryName(m_target.path);
            const int error = link(temporary);
            if (error == 0) {
                m_name = temporary;
                return {};
            }
            if (error != EEXIST) {
                impossible = error == ENOENT || error == EPERM || error == EACCES;
                return systemReason(error);
            }
        }
        return systemReason(EEXIST);
    }

    /** Closes the file (some file systems report errors only then) and renames it in place. */
    QString commit() {
        const int fd = m_fd;
        m_fd = -1;
        if (::close(fd) != 0 && errno != EINTR) {
            if (m_placed) {
                // Linked under the target's own name, which was free: take it back.
                ::unlink(m_target.path.constData());
            }
            return systemReason(errno);
        }
        if (!m_placed) {
            if (renameFile(m_calls, m_name.constData(), m_target.path.constData()) != 0) {
                return systemReason(errno);
            }
            m_name.clear();
        }
        // The rename itself onto the disk; the file is in place whatever this says.
        const int folder =
            ::open(folderOf(m_target.path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folder >= 0) {
            syncToDisk(m_calls, folder);
            ::close(folder);
        }
        return {};
    }

private:
    const Target& m_target;
    const AtomicWriteOptions::SystemCalls& m_calls;
    int m_fd = -1;
    QByteArray m_name; ///< the named temporary file, removed unless renamed
    bool m_placed = false;
};

/** One attempt; `impossible` says that an unnamed file could not be named and a retry helps. */
QString writeOnce(const Target& target, const QByteArray& data, const AtomicWriteOptions& options,
                  bool unnamed, bool& impossible) {
    impossible = false;
    Temporary temporary(target, options.systemCalls);
    QString reason = temporary.open(unnamed);
    if (reason.isEmpty()) {
        reason = temporary.write(data);
    }
    if (reason.isEmpty()) {
        reason = temporary.settle();
    }
    if (!reason.isEmpty()) {
        return reason;
    }
    if (options.beforeCommit) {
        options.beforeCommit();
    }
    reason = temporary.name(impossible);
    return reason.isEmpty() ? temporary.commit() : reason;
}

} // namespace

QString writeFileAtomically(const QByteArray& path, const QByteArray& data,
                            const AtomicWriteOptions& options) {
    if (path.isEmpty()) {
        return QCoreApplication::translate("velmora::io::AtomicFile", "no file name given");
    }
    if (path.contains('\0')) {
        return systemReason(EINVAL);
    }
    Target target;
    if (QString problem = resolveTarget(path, target); !problem.isEmpty()) {
        return problem;
    }
    const std::lock_guard lock(writeMutex());
    const SignalDeferral deferral;
    bool impossible = false;
    QString reason = writeOnce(target, data, options, options.unnamedTemporary, impossible);
    if (impossible) {
        reason = writeOnce(target, data, options, false, impossible);
    }
    return reason;
}

} // namespace velmora::io
