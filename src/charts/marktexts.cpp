// SPDX-License-Identifier: GPL-3.0-or-later
#include "marktexts.h"

#include "chartaxes.h"

#include <algorithm>
#include <cmath>

namespace velmora::charts {

namespace {

/** The largest difference of pH and pKa that still reads as "≈". */
constexpr double kNearPKa = 0.05;

} // namespace

int volumeDecimals(double volume) {
    if (!(volume > 0.0) || volume >= 1.0) {
        return 2;
    }
    return std::clamp(2 - static_cast<int>(std::floor(std::log10(volume))), 2, 9);
}

QString equivalenceLabel(const MarkTexts& texts, double volume, double pH, QChar decimalPoint) {
    return texts.volumeAndPh.arg(tickText(volume, volumeDecimals(volume), decimalPoint),
                                 tickText(pH, 2, decimalPoint));
}

QString pKaName(const MarkTexts& texts, int constant, int constantCount) {
    return constantCount > 1 ? texts.numberedPKa.arg(constant) : texts.pKa;
}

QString halfEquivalenceLabel(const MarkTexts& texts, double pH, double pKa, int constant,
                             int constantCount, QChar decimalPoint) {
    return namedHalfEquivalenceLabel(texts, pH, pKa, pKaName(texts, constant, constantCount),
                                     decimalPoint);
}

QString namedHalfEquivalenceLabel(const MarkTexts& texts, double pH, double pKa,
                                  const QString& name, QChar decimalPoint) {
    const QString shownPh = tickText(pH, 2, decimalPoint);
    if (shownPh == tickText(pKa, 2, decimalPoint)) {
        return texts.phEqualsPKa.arg(name, shownPh);
    }
    if (std::abs(pH - pKa) < kNearPKa) {
        return texts.phNearPKa.arg(shownPh, name);
    }
    return texts.phAlone.arg(shownPh);
}

} // namespace velmora::charts
