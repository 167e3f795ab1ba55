// SPDX-License-Identifier: GPL-3.0-or-later
#include "csv.h"

#include "model/numbertext.h"

#include <QByteArrayList>

#include <string_view>

namespace velmora::io {

QByteArray csvField(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    constexpr std::string_view formulaStarts = "=+-@\t\r";
    const bool formula =
        !bytes.isEmpty() && formulaStarts.find(bytes.front()) != std::string_view::npos;
    const bool special = formula || bytes.contains(',') || bytes.contains('"') ||
                         bytes.contains('\r') || bytes.contains('\n');
    if (!special) {
        return bytes;
    }
    QByteArray field = "\"";
    if (formula) {
        field += '\'';
    }
    for (const char c : bytes) {
        field += c;
        if (c == '"') {
            field += '"';
        }
    }
    return field + '"';
}

QByteArray csvHeader(const QStringList& names) {
    QByteArrayList fields;
    for (const QString& name : names) {
        fields << csvField(name);
    }
    return fields.join(',') + '\n';
}

void appendCsvNumber(QByteArray& out, double value) {
    out += model::shortestText(value);
}

void appendCsvRow(QByteArray& out, std::span<const double> values) {
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        appendCsvNumber(out, values[i]);
    }
    out += '\n';
}

} // namespace velmora::io
