// SPDX-License-Identifier: GPL-3.0-or-later
#include "decimaltext.h"

#include "model/numbertext.h"

#include <string>

namespace velmora::diagram {

QString decimalText(double value, int decimals) {
    std::string text = QString::number(value, 'f', decimals).toStdString();
    model::dropSignOfZero(text);
    return QString::fromStdString(text);
}

} // namespace velmora::diagram
