// SPDX-License-Identifier: GPL-3.0-or-later
#include "shownname.h"

#include "model/utf8.h"

#include <string_view>

namespace velmora::io {

QString shownName(const QByteArray& bytes) {
    QString shown;
    shown.reserve(bytes.size());
    const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    for (qsizetype at = 0; at < bytes.size();) {
        char32_t c = 0;
        const int length = model::utf8Sequence(view, static_cast<std::size_t>(at), c);
        if (length == 0) {
            shown += QStringLiteral("\\x%1").arg(static_cast<unsigned char>(bytes[at]), 2, 16,
                                                 QLatin1Char('0'));
            ++at;
            continue;
        }
        at += length;
        if (c == u'\n') {
            shown += QLatin1String("\\n");
        } else if (c == u'\t') {
            shown += QLatin1String("\\t");
        } else if (c == u'\r') {
            shown += QLatin1String("\\r");
        } else if (c < 0x20 || c == 0x7F) {
            shown += QStringLiteral("\\x%1").arg(static_cast<uint>(c), 2, 16, QLatin1Char('0'));
        } else if ((c >= 0x80 && c <= 0x9F) || c == 0x2028 || c == 0x2029 || c == 0x85) {
            // C1 controls and the Unicode line and paragraph separators break lines too.
            shown += QStringLiteral("\\u%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0'));
        } else {
            shown += QString::fromUcs4(&c, 1);
        }
    }
    return shown;
}

QString shownName(const QString& text) {
    return shownName(text.toUtf8());
}

} // namespace velmora::io
