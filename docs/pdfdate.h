// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace velmora::theory {

/**
 * The build's fixed time from SOURCE_DATE_EPOCH (seconds since 1970, UTC), so that two builds of
 * the same sources give the same document. Unset or empty: nullopt. Anything but a whole number
 * of seconds is a problem (returned in `problem`), as a build must not quietly fall back to the
 * time of the build.
 */
[[nodiscard]] std::optional<qint64> sourceDateEpoch(QString* problem);

/**
 * Replaces the creation date that the PDF writer takes from the clock. With a time, the date
 * becomes that time in UTC ("D:20240101120000Z"); without one, the entry is removed, so that the
 * document carries no time of its build at all. The bytes are rewritten in place at the same
 * length (the entry is padded or blanked with spaces), which keeps the cross-reference table's
 * offsets valid. Returns false when the PDF has no single creation date to replace.
 */
[[nodiscard]] bool setCreationDate(QByteArray& pdf, std::optional<qint64> epoch);

} // namespace velmora::theory
