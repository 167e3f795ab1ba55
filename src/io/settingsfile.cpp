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
        const ssize_t got = ::read(file.fd(), bytes.data() + have,
                                   static_cast<std::size_t>(bytes.size() - have));
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

namespace settingsvalue {

namespace {

/** Whether a text needs quotes to stand as one value: as Qt's settings decide it. */
bool needsQuotes(const QString& text) {
    if (text.isEmpty()) {
        return false;
    }
    // Blanks at the ends would be trimmed; other white space is written as an escape.
    if (text.front() == u' ' || text.back() == u' ') {
        return true;
    }
    for (const QChar c : text) {
        if (c == u',' || c == u';' || c == u'=' || c == u'#') {
            return true;
        }
    }
    return false;
}

QString escaped(const QString& text) {
    QString out;
    if (text.startsWith(u'@')) {
        out += u'@';
    }
    const bool quoted = needsQuotes(text);
    if (quoted) {
        out += u'"';
    }
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '"':
            out += QLatin1String("\\\"");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        default:
            if (c.unicode() < 0x20 || c.unicode() == 0x7F || c == QChar::LineSeparator ||
                c == QChar::ParagraphSeparator || c.unicode() == 0x85) {
                out += QStringLiteral("\\x%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            } else {
                out += c;
            }
        }
    }
    if (quoted) {
        out += u'"';
    }
    return out;
}

/** The items of an encoded value: split at commas outside quotes, escapes undone. */
std::optional<QStringList> items(const QString& value) {
    QStringList list;
    QString item;
    bool quoted = false;
    bool any = false;   // the item has had a quote: its blanks are its own
    qsizetype kept = 0; // the item's length up to its last character that is not a bare blank
    const auto finish = [&] {
        list << (any ? item : item.left(kept));
        item.clear();
        any = false;
        kept = 0;
    };
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'"') {
            quoted = !quoted;
            any = true;
        } else if (c == u',' && !quoted) {
            finish();
        } else if (c == u'\\' && i + 1 < value.size()) {
            const QChar next = value[++i];
            switch (next.unicode()) {
            case 'n':
                item += u'\n';
                break;
            case 'r':
                item += u'\r';
                break;
            case 't':
                item += u'\t';
                break;
            case 'x': {
                qsizetype end = i + 1;
                while (end < value.size() && end < i + 5 && isxdigit(value[end].toLatin1())) {
                    ++end;
                }
                bool ok = false;
                const uint code = QStringView(value).mid(i + 1, end - i - 1).toUInt(&ok, 16);
                if (!ok) {
                    return std::nullopt;
                }
                item += QChar(static_cast<char16_t>(code));
                i = end - 1;
                break;
            }
            default:
                item += next;
            }
            kept = item.size();
        } else if (!quoted && !any && item.isEmpty() && c.isSpace()) {
            continue;
        } else {
            item += c;
            if (quoted || !c.isSpace()) {
                kept = item.size();
            }
        }
    }
    if (quoted) {
        return std::nullopt;
    }
    finish();
    return list;
}

/** The two whole numbers of `@Kind(a b)`. */
std::optional<std::pair<int, int>> pairValue(const QString& value, QLatin1String kind) {
    const QString prefix = u'@' + kind + u'(';
    if (!value.startsWith(prefix) || !value.endsWith(u')')) {
        return std::nullopt;
    }
    const QStringList parts =
        value.mid(prefix.size(), value.size() - prefix.size() - 1).split(u' ', Qt::SkipEmptyParts);
    bool okA = false;
    bool okB = false;
    const int a = parts.size() == 2 ? parts[0].toInt(&okA) : 0;
    const int b = parts.size() == 2 ? parts[1].toInt(&okB) : 0;
    return okA && okB ? std::optional(std::pair{a, b}) : std::nullopt;
}

} // namespace

QString fromText(const QString& text) {
    return escaped(text);
}

QString fromList(const QStringList& list) {
    if (list.isEmpty()) {
        return QStringLiteral("@Invalid()");
    }
    QStringList parts;
    for (const QString& item : list) {
        // An item with a comma is quoted even where a lone text would not need it.
        parts << escaped(item);
    }
    return parts.join(QLatin1String(", "));
}

QString fromSize(QSize size) {
    return QStringLiteral("@Size(%1 %2)").arg(size.width()).arg(size.height());
}

QString fromPoint(QPoint point) {
    return QStringLiteral("@Point(%1 %2)").arg(point.x()).arg(point.y());
}

QString fromBool(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString fromInt(int value) {
    return QString::number(value);
}

std::optional<QString> toText(const QString& value) {
    if (value.startsWith(QLatin1String("@@"))) {
        const std::optional<QStringList> list = items(value.mid(1));
        return list ? std::optional(list->join(u',')) : std::nullopt;
    }
    if (value.startsWith(u'@')) {
        return std::nullopt;
    }
    const std::optional<QStringList> list = items(value);
    return list ? std::optional(list->join(u',')) : std::nullopt;
}

std::optional<QStringList> toList(const QString& value) {
    if (value == QLatin1String("@Invalid()") || value.isEmpty()) {
        return QStringList();
    }
    if (value.startsWith(u'@') && !value.startsWith(QLatin1String("@@"))) {
        return std::nullopt;
    }
    std::optional<QStringList> list = items(value);
    if (list) {
        for (QString& item : *list) {
            if (item.startsWith(QLatin1String("@@"))) {
                item.remove(0, 1);
            }
        }
    }
    return list;
}

std::optional<QSize> toSize(const QString& value) {
    const auto pair = pairValue(value, QLatin1String("Size"));
    return pair ? std::optional(QSize(pair->first, pair->second)) : std::nullopt;
}

std::optional<QPoint> toPoint(const QString& value) {
    const auto pair = pairValue(value, QLatin1String("Point"));
    return pair ? std::optional(QPoint(pair->first, pair->second)) : std::nullopt;
}

std::optional<bool> toBool(const QString& value) {
    const std::optional<QString> text = toText(value);
    if (text && text->compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (text && text->compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    return std::nullopt;
}

std::optional<int> toInt(const QString& value) {
    const std::optional<QString> text = toText(value);
    bool ok = false;
    const int number = text ? text->toInt(&ok) : 0;
    return ok ? std::optional(number) : std::nullopt;
}

} // namespace settingsvalue

} // namespace velmora::io
