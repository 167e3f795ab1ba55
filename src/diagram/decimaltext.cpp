// SPDX-License-Identifier: GPL-3.0-or-later
#include "decimaltext.h"

#include "model/numbertext.h"

#include <string>

namespace velmora::diagram {

QString decimalText(double value, int decimals, QChar decimalPoint) {
    std::string text = QString::number(value, 'f', decimals).toStdString();
    model::dropSignOfZero(text);
    QString result = QString::fromStdString(text);
    if (decimalPoint != u'.') {
        result.replace(u'.', decimalPoint);
    }
    return result;
}

} // namespace velmora::diagram
