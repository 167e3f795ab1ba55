// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

namespace velmora::app {

/**
 * An option's value without the blanks around it, as QString::trimmed() leaves its text (any
 * Unicode white space at either end), while the bytes between stay exactly as given, UTF-8 or
 * not: a message shows what was given, a byte that is no text as \xNN (io::shownName()).
 */
[[nodiscard]] QByteArray trimmedValue(const QByteArray& bytes);

/** Reads a finite number, blanks around it allowed; false for anything else. */
[[nodiscard]] bool readFinite(const QByteArray& bytes, double& value);

/** Reads a whole number, blanks around it allowed; false for anything else. */
[[nodiscard]] bool readInteger(const QByteArray& bytes, int& value);

} // namespace velmora::app
