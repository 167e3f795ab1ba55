// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "message.h"
#include "mixture.h"
#include "titration.h"

#include <vector>

namespace velmora::model {

/**
 * V0 mL of a mixture titrated with another solution (strong or weak, an acid or a base, any
 * mixture). The titration runs at the sample's temperature and with its activities; the
 * titrant's own temperature and activity are not used.
 */
struct MixtureTitration {
    double sampleVolume = 25.0; ///< V0, mL
    Mixture titrant{{}, 0.1};   ///< 0.1 mol/L NaOH
    double endVolume = 0.0;     ///< mL; 0 for MixtureTitrator::endVolume()'s default

    friend bool operator==(const MixtureTitration&, const MixtureTitration&) = default;
};

/**
 * An equivalence point or a half-equivalence point of a mixture's titration.
 *
 * A half-equivalence point lies halfway between the equivalence points on either side of one
 * constant of the sample, constant `constant` (1-based, of the acid's constants pKa1..pKa_n) of
 * system `system`, where the pH is close to that pKa for a weak, not too dilute acid. An
 * equivalence point names none (system −1, constant 0).
 */
struct MixtureMark {
    int step = 0; ///< the equivalence points' order, 1-based; that of the next one when half
    bool half = false;
    double volume = 0.0; ///< mL
    double pH = 7.0;
    int system = -1;
    int constant = 0;
};

/**
 * The pH along a mixture's titration.
 *
 * After V mL the solution holds the sample's substances at V0/(V0 + V) and the titrant's at
 * V/(V0 + V) of their concentrations. Each of the two solutions has its own charge balance at
 * fixed activity coefficients (MixtureBalance), f_S and f_T in mol/L; multiplied by V0 + V, the
 * mixture's balance is their sum weighted by the volumes,
 *
 *     g(pH, V) = V0·f_S(pH) + V·f_T(pH),
 *
 * whose root is the pH. It is linear in V, so the volume that reaches a pH is explicit with ideal
 * activities, V(pH) = −V0·f_S(pH)/f_T(pH). With Davies activities the coefficients of the
 * mixture's ionic strength I(V) = (V0·I_S + V·I_T)/(V0 + V) (both at the mixture's pH) are
 * iterated with the pH as for a single solution.
 *
 * The slope of the curve is dpH/dV = −(∂g/∂V)/(∂g/∂pH) = f_T(pH)/(V0·β_S(pH) + V·β_T(pH)), in
 * pH/mL, with β the buffer capacities; with Davies activities the change of the coefficients
 * along the curve is taken into account too (see slopeAt()).
 *
 * Equivalence points: at a reference level r (a pH between two neighbouring constants of any
 * system of either solution), each solution has a proton excess over the species that
 * predominate there, P(r) = C_A − C_B + Σ_s C_s·(j_s(r) − k_s) (mol/L), with j_s(r) the number
 * of the system's constants below r and k_s the species it is dissolved as. The titrant has
 * brought the sample to the composition of level r when V0·P_S(r) + V·P_T(r) = 0; every positive
 * V = −V0·P_S(r)/P_T(r) of a level where the titrant has an excess is an equivalence point. So a
 * titrant reaches only the proton steps its own constants allow: ammonia takes the protons of
 * the sample's constants below 9.25, carbonate titrating HCl has two points (to H2CO3 and to
 * HCO3−), a strong base every step.
 */
class MixtureTitrator {
public:
    /** `sample` and `titration.titrant` checked with problemWithMixture(). */
    MixtureTitrator(const Mixture& sample, const MixtureTitration& titration);

    /** pH after adding `volume` mL; `guess` and `firstStep` as for solvePh(). */
    [[nodiscard]] double pHAt(double volume, double guess = 7.0, double firstStep = 2.0) const;
    /** The ionic strength (mol/L) after `volume` mL at `pH` (for Davies: the one pHAt() settles).
     */
    [[nodiscard]] double ionicStrengthAt(double volume, double pH) const;

    /**
     * pH after each of `volumes` (in increasing order), each solve starting from the previous
     * point's pH moved on by its last change.
     */
    [[nodiscard]] std::vector<double> pHsAt(const std::vector<double>& volumes) const;

    /** dpH/dV in pH/mL at `volume` mL, where the pH is `pH` (from pHAt()). */
    [[nodiscard]] double slopeAt(double volume, double pH) const;

    /**
     * The added volume at which the mixture has `pH`, or NaN where no V ≥ 0 does: explicit with
     * ideal activities, iterated with the ionic strength with Davies.
     */
    [[nodiscard]] double volumeAt(double pH) const;

    /** Equivalence points in order of volume. */
    [[nodiscard]] std::vector<double> equivalenceVolumes() const;
    /** Equivalence and half-equivalence points with their pH, in order of volume. */
    [[nodiscard]] std::vector<MixtureMark> marks() const;

    /**
     * The titration's own end volume, or else 20 % past the last equivalence point; with none
     * at all, the sample's own volume.
     */
    [[nodiscard]] double endVolume() const;

    /** `count` ≥ 2 points evenly spaced from 0 to the end volume, both included. */
    [[nodiscard]] std::vector<TitrationPoint> curve(int count) const;

    /**
     * A curve for drawing: `count` evenly spaced volumes together with the volumes of every
     * `pHStep` pH the curve passes through (volumeAt()), merged in order.
     */
    [[nodiscard]] std::vector<TitrationPoint> drawingCurve(int count, double pHStep) const;

    /** The solution in the beaker after `volume` mL (both solutions diluted into one). */
    [[nodiscard]] Mixture mixtureAt(double volume) const;

    [[nodiscard]] const Mixture& sample() const { return m_sample; }
    [[nodiscard]] const MixtureTitration& titration() const { return m_titration; }

private:
    /** The balances' activity coefficients for the ionic strength after `volume` at `pH`. */
    void settleAt(double volume, double pH) const;
    [[nodiscard]] double balanceAt(double volume, double pH) const;
    /** The proton excess P(r) of a solution at a level r given by its place among the levels. */
    struct Level {
        double sample = 0.0;  ///< P_S(r), mol/L
        double titrant = 0.0; ///< P_T(r), mol/L
    };
    [[nodiscard]] std::vector<double> levels() const;
    [[nodiscard]] Level excessAt(double level) const;

    Mixture m_sample;
    MixtureTitration m_titration;
    mutable MixtureBalance m_sampleBalance;
    mutable MixtureBalance m_titrantBalance;
    bool m_activities = false;
};

/** The first problem of a titration of a mixture: none when fine. */
[[nodiscard]] Problem problemWithMixtureTitration(const MixtureTitration& titration);

} // namespace velmora::model
