// SPDX-License-Identifier: GPL-3.0-or-later
// Looking at files by their names' bytes, as the system keeps them: what a folder holds (hidden
// temporary files too), what a file holds, and its permission bits.
#pragma once

#include <QByteArray>
#include <QByteArrayList>

#include <algorithm>
#include <array>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace velmora::test {

/** Every entry of the folder but . and .., sorted. */
inline QByteArrayList entriesOf(const QByteArray& folder) {
    QByteArrayList names;
    if (DIR* dir = ::opendir(folder.constData())) {
        while (const dirent* entry = ::readdir(dir)) {
            const QByteArray name(entry->d_name);
            if (name != "." && name != "..") {
                names << name;
            }
        }
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

/** The file's bytes (through links), or a null array if it cannot be read. */
inline QByteArray contentsOf(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return {};
    }
    QByteArray data("");
    char buffer[65536];
    ssize_t n = 0;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0) {
        data.append(buffer, static_cast<qsizetype>(n));
    }
    ::close(fd);
    return data;
}

/** Creates or truncates the file and writes `data`; false if that failed. */
inline bool putFile(const QByteArray& path, const QByteArray& data, mode_t mode = 0644) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0) {
        return false;
    }
    const bool ok = ::write(fd, data.constData(), static_cast<std::size_t>(data.size())) ==
                    static_cast<ssize_t>(data.size());
    return ::fchmod(fd, mode) == 0 && ::close(fd) == 0 && ok;
}

/** The permission bits of the file (through links), or -1. */
inline int modeOf(const QByteArray& path) {
    struct stat status {};
    return ::stat(path.constData(), &status) == 0 ? static_cast<int>(status.st_mode & 07777) : -1;
}

inline bool isLink(const QByteArray& path) {
    struct stat status {};
    return ::lstat(path.constData(), &status) == 0 && S_ISLNK(status.st_mode);
}

/**
 * A file that is not a regular one at `path`: "fifo", "folder", "socket" (bound by a socket
 * kept open while the returned object lives) or "device" (a link to /dev/null).
 */
class SpecialFile {
public:
    SpecialFile(const QByteArray& path, const QByteArray& kind) {
        if (kind == "fifo") {
            m_made = ::mkfifo(path.constData(), 0600) == 0;
        } else if (kind == "folder") {
            m_made = ::mkdir(path.constData(), 0700) == 0;
        } else if (kind == "device") {
            m_made = ::symlink("/dev/null", path.constData()) == 0;
        } else if (kind == "socket") {
            m_socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            if (m_socket >= 0 && static_cast<std::size_t>(path.size()) < sizeof address.sun_path) {
                std::copy(path.begin(), path.end(), address.sun_path);
                m_made = ::bind(m_socket, reinterpret_cast<const sockaddr*>(&address),
                                sizeof address) == 0;
            }
        }
    }
    ~SpecialFile() {
        if (m_socket >= 0) {
            ::close(m_socket);
        }
    }
    SpecialFile(const SpecialFile&) = delete;
    SpecialFile& operator=(const SpecialFile&) = delete;

    [[nodiscard]] bool made() const { return m_made; }

private:
    bool m_made = false;
    int m_socket = -1;
};

/** The kinds SpecialFile makes, each with a word that the refusal of such a file names. */
struct SpecialKind {
    const char* row;
    const char* kind;
    const char* reason;
};
inline constexpr std::array<SpecialKind, 4> kSpecialKinds{{
    {"FIFO", "fifo", "FIFO"},
    {"folder", "folder", "directory"},
    {"socket", "socket", "socket"},
    {"device behind a link", "device", "character device"},
}};

/** The identity and kind of what is at `path` itself (a link not followed), to see it is untouched.
 */
inline std::pair<ino_t, mode_t> identityOf(const QByteArray& path) {
    struct stat status {};
    return ::lstat(path.constData(), &status) == 0 ? std::pair(status.st_ino, status.st_mode)
                                                   : std::pair(ino_t{}, mode_t{});
}

} // namespace velmora::test
