// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace velmora::io {

/** How writeFileAtomically goes about its work; the defaults are the program's. */
struct AtomicWriteOptions {
    /**
     * Write into a temporary file that has no name until it is complete (Linux O_TMPFILE) where
     * the file system allows it; false goes straight to a named temporary file beside the target.
     */
    bool unnamedTemporary = true;
    /**
     * Called once the data is written and flushed to the disk, just before the file is put in
     * place. Tests use it to interrupt a write at its most delicate moment.
     */
    std::function<void()> beforeCommit;
    /**
     * The system calls that put the data onto the disk and the file in place, each empty for the
     * system's own: fsync() of the file and then of its folder, linkat() that names an unnamed
     * file, rename() that puts a named one in place. Each returns and sets errno as the system's
     * call does. Tests use them to watch every call and to make one fail.
     */
    struct SystemCalls {
        std::function<int(int fd)> fsync;
        std::function<int(int fromFolder, const char* from, int toFolder, const char* to,
                          int flags)>
            linkat;
        std::function<int(const char* from, const char* to)> rename;
    } systemCalls;
};

/**
 * Writes `data` to the file `path` whole or not at all. `path` holds the file name's bytes as
 * the system knows them, so that a name that is not valid UTF-8 stays the name it is.
 *
 * The data goes into a temporary file in the target's folder, is flushed to the disk, takes the
 * permission bits of the file it replaces, and only then takes the target's name in one rename.
 * A symbolic link is followed and its target replaced, the link kept. A target that is not a
 * regular file (a folder, FIFO, device or socket), a link loop, a missing folder or a read-only
 * existing file is refused before anything is written. SIGTERM, SIGINT and SIGHUP that arrive
 * while a temporary file exists wait until the file is in place or removed and then take effect;
 * SIGXFSZ is ignored meanwhile, so that a file-size limit is reported rather than fatal.
 *
 * Returns an empty string on success, otherwise the reason in one line, the system's own words
 * where the system gave one ("No space left on device", "Permission denied").
 */
[[nodiscard]] QString writeFileAtomically(const QByteArray& path, const QByteArray& data,
                                          const AtomicWriteOptions& options = {});

/**
 * Why a file of the kind `mode` (a stat() mode) is neither written nor read as a file: "it is a
 * FIFO, not a regular file", or the system's words for a folder.
 */
[[nodiscard]] QString notRegularFileReason(unsigned int mode);

/**
 * Reads the whole regular file `path` (its name's bytes) into `bytes`, opened without blocking so
 * that a FIFO cannot hold the program. Returns "" on success; else the reason: the system's words,
 * notRegularFileReason() for what is no regular file, or `tooLarge` for a file of more than
 * `limit` bytes (also one that grows past it while it is read). `bytes` is left alone on failure.
 */
[[nodiscard]] QString readRegularFile(const QByteArray& path, qint64 limit, const QString& tooLarge,
                                      QByteArray& bytes);

} // namespace velmora::io
