// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settingsvalue.h"

#include <QByteArray>
#include <QMap>
#include <QString>

namespace velmora::io {

/**
 * The values of one group of an INI settings file, as the program reads them, and why the file
 * cannot be used when it cannot.
 */
struct SettingsRead {
    /** Each key of the group with its value as it stands in the file (still encoded). */
    QMap<QString, QString> values;
    /**
     * Empty when the file could be read or does not exist yet. Otherwise the reason (it is a
     * FIFO, it cannot be read, it is too large): such a file is neither read nor written, so
     * that nothing blocks on it and nothing in it is lost.
     */
    QString problem;
};

/**
 * Reads the group `group` of the settings file `path` (the name's bytes). A file that is not a
 * regular file is never opened: a FIFO would block the reader, a device could answer forever.
 * Lines that are not `key=value` pairs are passed over, so a damaged file still gives what can
 * be read of it.
 */
[[nodiscard]] SettingsRead readSettings(const QByteArray& path, const QString& group);

/**
 * Sets the keys of `changed` in the group `group` of the settings file `path` to their encoded
 * values and leaves every other line of the file as it stands, byte for byte: other groups,
 * other keys, comments, even lines that make no sense to the program. The file is read anew
 * just before, while the folder is locked against other instances of the program, so that a
 * change made by another instance since survives unless it is to the same key: the last change
 * of a key wins. The file is written whole or not at all (writeFileAtomically); its folder is
 * created when missing. Returns an empty string on success, otherwise the reason.
 */
[[nodiscard]] QString writeSettings(const QByteArray& path, const QString& group,
                                    const QMap<QString, QString>& changed);

} // namespace velmora::io
