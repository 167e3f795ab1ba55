// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solution.h"

#include <vector>

namespace velmora::model {

/** What is added from the burette: a strong base (as NaOH) or a strong acid (as HCl). */
enum class Titrant { Base, Acid };

/** Limits of a titration's inputs. */
inline constexpr double kMinSampleVolume = 0.1;            ///< mL
inline constexpr double kMaxSampleVolume = 1000.0;         ///< mL
inline constexpr double kMinTitrantConcentration = 1.0e-6; ///< mol/L
inline constexpr double kMaxTitrantConcentration = 10.0;   ///< mol/L
/**
 * mL, smallest end volume: below a microlitre the volume axis has no legible numbers, and a data
 * file at its finest step (a microlitre) would not have a row at 0 and at the end.
 */
inline constexpr double kMinTitrationVolume = 0.001;
inline constexpr double kMaxTitrationVolume = 100000.0; ///< mL, largest end volume
/** The default end volume lies this much past the last equivalence point. */
inline constexpr double kEndVolumeFactor = 1.2;

/**
 * V0 mL of a solution titrated with a strong base or acid of concentration Ct.
 *
 * After V mL the mixture holds the acid at C·V0/(V0 + V), the sample's strong base and acid
 * diluted the same way, and the titrant at Ct·V/(V0 + V); its pH is the root of the charge
 * balance (ChargeBalance) with those concentrations. Multiplied by (V0 + V) the balance is linear
 * in V, so the volume that reaches a given pH is explicit:
 *
 *     (h − Kw/h)·(V0 + V) + V0·(C_B − C_A + C·Σ_j (k − j)·α_j) ± Ct·V = 0
 *     V(pH) = −V0·(D + E) / (D ± Ct),   D = h − Kw/h,  E = C_B − C_A + C·Σ_j (k − j)·α_j,
 *
 * with + for a base titrant and − for an acid one.
 *
 * Equivalence points: a base titrant first neutralises the sample's excess strong acid
 * C_A − C_B (when there is some; the point m = 0), then takes one proton after the other from
 * the dissolved species k, n − k of them:
 *
 *     V_eq,m = (m·C + C_A − C_B)·V0 / Ct,   m = 0 (only with an excess of strong acid), 1..n − k.
 *
 * An acid titrant neutralises the excess strong base, then gives protons back to the species,
 * which can take up k of them (down to the fully protonated form):
 *
 *     V_eq,m = (m·C + C_B − C_A)·V0 / Ct,   m = 0 (only with an excess of strong base), 1..k.
 *
 * The half-equivalence points lie halfway between, at (m − ½)·C for m ≥ 1, where the pH is close
 * to the pKa of the proton being taken (pKa_(k+m) for a base, pKa_(k−m+1) for an acid). Only points
 * at positive volumes count.
 */
struct Titration {
    double sampleVolume = 25.0; ///< V0, mL
    Titrant titrant = Titrant::Base;
    double titrantConcentration = 0.1; ///< Ct, mol/L
    double endVolume = 0.0;            ///< VMAX, mL; 0 for Titrator::endVolume()'s default

    friend bool operator==(const Titration&, const Titration&) = default;
};

/** One point of a titration curve. */
struct TitrationPoint {
    double volume = 0.0; ///< added titrant, mL
    double pH = 7.0;

    friend bool operator==(const TitrationPoint&, const TitrationPoint&) = default;
};

/**
 * An equivalence (m ≥ 0) or half-equivalence point (m ≥ 1) with its pH. A half-equivalence point
 * names the constant of the proton half taken or given there (1-based: pKa_(k+m) for a base
 * titrant, pKa_(k−m+1) for an acid one), whose pKa its pH approaches for a weak, not too dilute
 * acid; an equivalence point names none (0).
 */
struct TitrationMark {
    int proton = 0; ///< m
    bool half = false;
    double volume = 0.0;
    double pH = 7.0;
    int constant = 0; ///< the pKa's number at a half-equivalence point, else 0
};

/**
 * The pH along one titration. Holds the acid by reference: it must outlive the titrator.
 */
class Titrator {
public:
    Titrator(const PolyproticAcid& acid, const Solution& solution, const Titration& titration);

    /** pH after adding `volume` mL; `guess` and `firstStep` as for solvePh(). */
    [[nodiscard]] double pHAt(double volume, double guess = 7.0, double firstStep = 2.0) const;

    /**
     * pH after each of `volumes` (in increasing order), each solve starting from the previous
     * point's pH moved on by its last change, so a dense curve costs a few evaluations a point.
     */
    [[nodiscard]] std::vector<double> pHsAt(const std::vector<double>& volumes) const;

    /** The added volume at which the mixture has `pH` (explicit), or NaN where no V ≥ 0 does. */
    [[nodiscard]] double volumeAt(double pH) const;

    /** Equivalence points in order of volume (see Titration). */
    [[nodiscard]] std::vector<double> equivalenceVolumes() const;
    /** Half-equivalence points in order of volume. */
    [[nodiscard]] std::vector<double> halfEquivalenceVolumes() const;
    /** All equivalence and half-equivalence points with their pH, in order of volume. */
    [[nodiscard]] std::vector<TitrationMark> marks() const;

    /**
     * The end volume: the titration's own, or else 20 % past the last equivalence point the
     * titrant reaches; with no equivalence point at all (a base added to the fully deprotonated
     * species), the sample's own volume.
     */
    [[nodiscard]] double endVolume() const;

    /** `count` ≥ 2 points evenly spaced from 0 to the end volume, both included. */
    [[nodiscard]] std::vector<TitrationPoint> curve(int count) const;

    /**
     * A curve for drawing: `count` evenly spaced volumes together with the volumes of every
     * `pHStep` pH the curve passes through (explicit, see volumeAt()), merged in order. Steep parts
     * (an equivalence point) then have as many points as flat ones.
     */
    [[nodiscard]] std::vector<TitrationPoint> drawingCurve(int count, double pHStep) const;

private:
    /** The equivalence or the half-equivalence points, without their pH. */
    [[nodiscard]] std::vector<TitrationMark> points(bool half) const;
    [[nodiscard]] double direction() const;

    const PolyproticAcid* m_acid;
    Solution m_solution;
    Titration m_titration;
};

/**
 * A titration's end volume: `own` when it is set (> 0), else 20 % past the last of the
 * `equivalences` (in order of volume), read at twelve significant digits; with none, the
 * sample's own volume.
 */
[[nodiscard]] double titrationEndVolume(double own, double sampleVolume,
                                        const std::vector<double>& equivalences);

/** `count` ≥ 2 volumes evenly spaced from 0 to `end`, both included, the last exactly `end`. */
[[nodiscard]] std::vector<double> evenVolumes(double end, int count);

/** Checks of a titration's inputs; none when fine, else the problem in a few words. */
[[nodiscard]] Problem problemWithSampleVolume(double volume);
[[nodiscard]] Problem problemWithTitrantConcentration(double concentration);
[[nodiscard]] Problem problemWithEndVolume(double volume);

} // namespace velmora::model
