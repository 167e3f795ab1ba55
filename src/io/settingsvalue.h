// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace velmora::io {

/**
 * Values as they stand in a settings file. The encoding is the common INI one that Qt's
 * settings classes read and write: text quoted where it holds a comma, a semicolon, an equals
 * sign, a hash or blanks at its ends, with backslash escapes; lists as items separated by
 * commas; sizes and points as `@Size(w h)` and `@Point(x y)`.
 */
namespace settingsvalue {
[[nodiscard]] QString fromText(const QString& text);
[[nodiscard]] QString fromList(const QStringList& items);
[[nodiscard]] QString fromSize(QSize size);
[[nodiscard]] QString fromPoint(QPoint point);
[[nodiscard]] QString fromBool(bool value);
[[nodiscard]] QString fromInt(int value);

/** The text of a value, its items joined by commas if it is a list. */
[[nodiscard]] std::optional<QString> toText(const QString& value);
[[nodiscard]] std::optional<QStringList> toList(const QString& value);
[[nodiscard]] std::optional<QSize> toSize(const QString& value);
[[nodiscard]] std::optional<QPoint> toPoint(const QString& value);
[[nodiscard]] std::optional<bool> toBool(const QString& value);
[[nodiscard]] std::optional<int> toInt(const QString& value);
} // namespace settingsvalue

} // namespace velmora::io
