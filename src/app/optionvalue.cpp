// SPDX-License-Identifier: GPL-3.0-or-later
#include "optionvalue.h"

#include <QString>

#include <cmath>

namespace velmora::app {

QByteArray trimmedValue(const QByteArray& bytes) {
    // White space is always valid UTF-8 and a byte that is not becomes U+FFFD, which is none:
    // the blanks at the ends of the text are exactly those at the ends of the bytes.
    const QString text = QString::fromUtf8(bytes);
    qsizetype front = 0;
    while (front < text.size() && text[front].isSpace()) {
        ++front;
    }
    qsizetype back = text.size();
    while (back > front && text[back - 1].isSpace()) {
        --back;
    }
    const qsizetype head = text.left(front).toUtf8().size();
    const qsizetype tail = text.mid(back).toUtf8().size();
    return bytes.mid(head, bytes.size() - head - tail);
}

bool readFinite(const QByteArray& bytes, double& value) {
    bool ok = false;
    value = QString::fromUtf8(bytes).trimmed().toDouble(&ok);
    return ok && std::isfinite(value);
}

bool readInteger(const QByteArray& bytes, int& value) {
    bool ok = false;
    value = QString::fromUtf8(bytes).trimmed().toInt(&ok);
    return ok;
}

} // namespace velmora::app
