// SPDX-License-Identifier: GPL-3.0-or-later
#include "marktexts.h"

#include "diagram/decimaltext.h"

#include <algorithm>
#include <cmath>

namespace velmora::charts {

namespace {

/** The largest difference of pH and pKa that still reads as "≈". */
constexpr double kNearPKa = 0.05;

} // namespace

QString MarkTexts::number(double value, int decimals) const {
    QString text = diagram::decimalText(value, decimals);
    text.replace(u'.', decimalPoint);
    text.replace(u'-', QChar(0x2212));
    return text;
}

int volumeDecimals(double volume) {
    if (!(volume > 0.0) || volume >= 1.0) {
        return 2;
    }
    return std::clamp(2 - static_cast<int>(std::floor(std::log10(volume))), 2, 9);
}

QString equivalenceLabel(const MarkTexts& texts, double volume, double pH) {
    return texts.volumeAndPh.arg(texts.number(volume, volumeDecimals(volume)), texts.number(pH, 2));
}

QString halfEquivalenceLabel(const MarkTexts& texts, double pH, double pKa, int constant,
                             int constantCount) {
    const QString shownPh = texts.number(pH, 2);
    const QString name = constantCount > 1 ? texts.numberedPKa.arg(constant) : texts.pKa;
    if (shownPh == texts.number(pKa, 2)) {
        return texts.phEqualsPKa.arg(name, shownPh);
    }
    if (std::abs(pH - pKa) < kNearPKa) {
        return texts.phNearPKa.arg(shownPh, name);
    }
    return texts.phAlone.arg(shownPh);
}

} // namespace velmora::charts
