// SPDX-License-Identifier: GPL-3.0-or-later
#include "pdfdate.h"

#include <QDateTime>
#include <QTimeZone>

#include <algorithm>

namespace velmora::theory {

std::optional<qint64> sourceDateEpoch(QString* problem) {
    problem->clear();
    const QByteArray text = qgetenv("SOURCE_DATE_EPOCH");
    if (text.isEmpty()) {
        return std::nullopt;
    }
    const bool digits =
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    bool ok = false;
    const qint64 seconds = text.toLongLong(&ok);
    // Four-digit years only: the PDF date has room for no more.
    constexpr qint64 kYear10000 = 253402300800;
    if (!digits || !ok || seconds >= kYear10000) {
        *problem = QStringLiteral("SOURCE_DATE_EPOCH \"%1\" is not a time in seconds since 1970")
                       .arg(QString::fromLatin1(text));
        return std::nullopt;
    }
    return seconds;
}

bool setCreationDate(QByteArray& pdf, std::optional<qint64> epoch) {
    static const QByteArray key = QByteArrayLiteral("/CreationDate (");
    const qsizetype start = pdf.indexOf(key);
    if (start < 0 || pdf.indexOf(key, start + 1) >= 0) {
        return false;
    }
    const qsizetype close = pdf.indexOf(')', start + key.size());
    if (close < 0) {
        return false;
    }
    const qsizetype length = close + 1 - start;
    QByteArray entry;
    if (epoch) {
        const QDateTime time = QDateTime::fromSecsSinceEpoch(*epoch, QTimeZone::utc());
        entry = key + "D:" + time.toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + "Z)";
    }
    if (entry.size() > length) {
        return false;
    }
    entry.append(length - entry.size(), ' ');
    pdf.replace(start, length, entry);
    return true;
}

} // namespace velmora::theory
