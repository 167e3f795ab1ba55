// SPDX-License-Identifier: GPL-3.0-or-later
// Looking at files by their names' bytes, as the system keeps them: what a folder holds (hidden
// temporary files too), what a file holds, and its permission bits.
#pragma once

#include <QByteArray>
#include <QByteArrayList>

#include <algorithm>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
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

} // namespace velmora::test
