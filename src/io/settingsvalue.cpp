// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsvalue.h"

#include <cctype>

namespace velmora::io {

namespace settingsvalue {

namespace {

/** Whether a text needs quotes to stand as one value: as Qt's settings decide it. */
bool needsQuotes(const QString& text) {
    if (text.isEmpty()) {
        return false;
    }
    // Blanks at the ends would be trimmed; other white space is written as an escape.
    if (text.front() == u' ' || text.back() == u' ') {
        return true;
    }
    for (const QChar c : text) {
        if (c == u',' || c == u';' || c == u'=' || c == u'#') {
            return true;
        }
    }
    return false;
}

QString escaped(const QString& text) {
    QString out;
    if (text.startsWith(u'@')) {
        out += u'@';
    }
    const bool quoted = needsQuotes(text);
    if (quoted) {
        out += u'"';
    }
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '"':
            out += QLatin1String("\\\"");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        default:
            if (c.unicode() < 0x20 || c.unicode() == 0x7F || c == QChar::LineSeparator ||
                c == QChar::ParagraphSeparator || c.unicode() == 0x85) {
                out += QStringLiteral("\\x%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            } else {
                out += c;
            }
        }
    }
    if (quoted) {
        out += u'"';
    }
    return out;
}

/** The items of an encoded value: split at commas outside quotes, escapes undone. */
std::optional<QStringList> items(const QString& value) {
    QStringList list;
    QString item;
    bool quoted = false;
    bool any = false;   // the item has had a quote: its blanks are its own
    qsizetype kept = 0; // the item's length up to its last character that is not a bare blank
    const auto finish = [&] {
        list << (any ? item : item.left(kept));
        item.clear();
        any = false;
        kept = 0;
    };
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'"') {
            quoted = !quoted;
            any = true;
        } else if (c == u',' && !quoted) {
            finish();
        } else if (c == u'\\' && i + 1 < value.size()) {
            const QChar next = value[++i];
            switch (next.unicode()) {
            case 'n':
                item += u'\n';
                break;
            case 'r':
                item += u'\r';
                break;
            case 't':
                item += u'\t';
                break;
            case 'x': {
                qsizetype end = i + 1;
                while (end < value.size() && end < i + 5 &&
                       std::isxdigit(static_cast<unsigned char>(value[end].toLatin1())) != 0) {
                    ++end;
                }
                bool ok = false;
                const uint code = QStringView(value).mid(i + 1, end - i - 1).toUInt(&ok, 16);
                if (!ok) {
                    return std::nullopt;
                }
                item += QChar(static_cast<char16_t>(code));
                i = end - 1;
                break;
            }
            default:
                item += next;
            }
            kept = item.size();
        } else if (!quoted && !any && item.isEmpty() && c.isSpace()) {
            continue;
        } else {
            item += c;
            if (quoted || !c.isSpace()) {
                kept = item.size();
            }
        }
    }
    if (quoted) {
        return std::nullopt;
    }
    finish();
    return list;
}

/** The two whole numbers of `@Kind(a b)`. */
std::optional<std::pair<int, int>> pairValue(const QString& value, QLatin1String kind) {
    const QString prefix = u'@' + kind + u'(';
    if (!value.startsWith(prefix) || !value.endsWith(u')')) {
        return std::nullopt;
    }
    const QStringList parts =
        value.mid(prefix.size(), value.size() - prefix.size() - 1).split(u' ', Qt::SkipEmptyParts);
    bool okA = false;
    bool okB = false;
    const int a = parts.size() == 2 ? parts[0].toInt(&okA) : 0;
    const int b = parts.size() == 2 ? parts[1].toInt(&okB) : 0;
    return okA && okB ? std::optional(std::pair{a, b}) : std::nullopt;
}

} // namespace

QString fromText(const QString& text) {
    return escaped(text);
}

QString fromList(const QStringList& list) {
    if (list.isEmpty()) {
        return QStringLiteral("@Invalid()");
    }
    QStringList parts;
    for (const QString& item : list) {
        // An item with a comma is quoted even where a lone text would not need it.
        parts << escaped(item);
    }
    return parts.join(QLatin1String(", "));
}

QString fromSize(QSize size) {
    return QStringLiteral("@Size(%1 %2)").arg(size.width()).arg(size.height());
}

QString fromPoint(QPoint point) {
    return QStringLiteral("@Point(%1 %2)").arg(point.x()).arg(point.y());
}

QString fromBool(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString fromInt(int value) {
    return QString::number(value);
}

std::optional<QString> toText(const QString& value) {
    if (value.startsWith(QLatin1String("@@"))) {
        const std::optional<QStringList> list = items(value.mid(1));
        return list ? std::optional(list->join(u',')) : std::nullopt;
    }
    if (value.startsWith(u'@')) {
        return std::nullopt;
    }
    const std::optional<QStringList> list = items(value);
    return list ? std::optional(list->join(u',')) : std::nullopt;
}

std::optional<QStringList> toList(const QString& value) {
    if (value == QLatin1String("@Invalid()") || value.isEmpty()) {
        return QStringList();
    }
    if (value.startsWith(u'@') && !value.startsWith(QLatin1String("@@"))) {
        return std::nullopt;
    }
    std::optional<QStringList> list = items(value);
    if (list) {
        for (QString& item : *list) {
            if (item.startsWith(QLatin1String("@@"))) {
                item.remove(0, 1);
            }
        }
    }
    return list;
}

std::optional<QSize> toSize(const QString& value) {
    const auto pair = pairValue(value, QLatin1String("Size"));
    return pair ? std::optional(QSize(pair->first, pair->second)) : std::nullopt;
}

std::optional<QPoint> toPoint(const QString& value) {
    const auto pair = pairValue(value, QLatin1String("Point"));
    return pair ? std::optional(QPoint(pair->first, pair->second)) : std::nullopt;
}

std::optional<bool> toBool(const QString& value) {
    const std::optional<QString> text = toText(value);
    if (text && text->compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (text && text->compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    return std::nullopt;
}

std::optional<int> toInt(const QString& value) {
    const std::optional<QString> text = toText(value);
    bool ok = false;
    const int number = text ? text->toInt(&ok) : 0;
    return ok ? std::optional(number) : std::nullopt;
}

} // namespace settingsvalue

} // namespace velmora::io
