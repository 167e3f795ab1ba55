// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace velmora::io {

/**
 * A file name or a value as a message shows it: decoded as UTF-8, with bytes that are not valid
 * UTF-8 as \xNN and control characters escaped (\n, \t, \x1b, \u2028), so that a message that
 * shows it stays on one line and names the file unmistakably.
 */
[[nodiscard]] QString shownName(const QByteArray& bytes);
[[nodiscard]] QString shownName(const QString& text);

} // namespace velmora::io
