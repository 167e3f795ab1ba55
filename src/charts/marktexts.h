// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>

namespace velmora::charts {

/**
 * The words of a titration's marks and of their key. One place for them, so that a drawing in the
 * user's language only needs another set; the command line's pictures and the defaults are
 * English. Their numbers are written as the chart's ticks are (tickText()), with the chart's
 * decimal separator.
 */
struct MarkTexts {
    QString equivalencePoint = QStringLiteral("equivalence point");
    QString halfEquivalencePoint = QStringLiteral("half-equivalence point");
    /** An equivalence point: %1 the volume, %2 the pH ("25.00 mL · pH 8.73"). */
    QString volumeAndPh = QStringLiteral("%1 mL \u00b7 pH %2");
    /** A half-equivalence point whose pH reads as its pKa: %1 the pKa's name, %2 the value. */
    QString phEqualsPKa = QStringLiteral("pH = %1 = %2");
    /** One whose pH is near its pKa but not equal at the shown digits: %1 pH, %2 the pKa's name. */
    QString phNearPKa = QStringLiteral("pH %1 \u2248 %2");
    /** The pH alone: %1 the pH. */
    QString phAlone = QStringLiteral("pH %1");
    /** The pKa's name: "pKa" for an acid with one constant, else "pKa1", "pKa2" … (%1). */
    QString pKa = QStringLiteral("pKa");
    QString numberedPKa = QStringLiteral("pKa%1");
    /** A mixture's constant: %1 the pKa's name, %2 its system's acid ("pKa2 (H₃PO₄)"). */
    QString systemPKa = QStringLiteral("%1 (%2)");

    friend bool operator==(const MarkTexts&, const MarkTexts&) = default;
};

/** Decimals that show a volume to 0.01 mL, and to three significant digits below 1 mL. */
[[nodiscard]] int volumeDecimals(double volume);

/** An equivalence point's label: its volume and pH ("25.00 mL · pH 8.73"). */
[[nodiscard]] QString equivalenceLabel(const MarkTexts& texts, double volume, double pH,
                                       QChar decimalPoint = u'.');

/**
 * A half-equivalence point's label. Its pH equals the pKa only approximately: for a weak acid that
 * is not too dilute the acid and its base stand 1 : 1 there, but a stronger or more dilute acid
 * gives up (or a base takes up) enough protons of its own to shift the ratio. The label says
 * "pH = pKa = 4.76" where the two agree at the two decimals shown, "pH 4.79 ≈ pKa" where they
 * differ by less than 0.05 (the first decimal still agrees within rounding), and else the pH alone
 * ("pH 2.27"), so the drawing never claims an equality its own numbers contradict.
 * `constant` is the pKa's number (1-based) among `constantCount`.
 */
[[nodiscard]] QString halfEquivalenceLabel(const MarkTexts& texts, double pH, double pKa,
                                           int constant, int constantCount,
                                           QChar decimalPoint = u'.');

/** The pKa's name as a half-equivalence label names it: "pKa" or "pKa2" of `constantCount`. */
[[nodiscard]] QString pKaName(const MarkTexts& texts, int constant, int constantCount);

/** A half-equivalence point's label (as above) with the pKa's name given ("pKa2 (H₃PO₄)"). */
[[nodiscard]] QString namedHalfEquivalenceLabel(const MarkTexts& texts, double pH, double pKa,
                                                const QString& name, QChar decimalPoint = u'.');

} // namespace velmora::charts
