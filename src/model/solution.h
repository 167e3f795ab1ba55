// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "polyprotic.h"

#include <string>
#include <vector>

namespace velmora::model {

/** The ion product of water at 25 °C and its negative logarithm. */
inline constexpr double kKw = 1.0e-14;
inline constexpr double kPKw = 14.0;

/** Limits of a solution's inputs, in mol/L. */
inline constexpr double kMinConcentration = 1.0e-10;
inline constexpr double kMaxConcentration = 10.0;
inline constexpr double kMaxStrongConcentration = 10.0;

/**
 * A solution of an acid: the total concentration C of the acid, dissolved as its species k (the
 * salt Na_(k−z)H_(n−k)A for a negative species, H_(n−k)A·Cl_(z−k) for a positive one, the species
 * itself when neutral), plus a strong base and a strong acid.
 *
 * C = 0 is a solution of the strong base and acid in water alone (1.0e-8 mol/L HCl is C = 0 with
 * strongAcid = 1.0e-8); the inputs a user types are checked against kMinConcentration.
 */
struct Solution {
    double concentration = 0.1; ///< C, mol/L
    int dissolvedAs = 0;        ///< k = 0..n
    double strongBase = 0.0;    ///< C_B, mol/L (as NaOH)
    double strongAcid = 0.0;    ///< C_A, mol/L (as HCl)

    friend bool operator==(const Solution&, const Solution&) = default;
};

/**
 * The charge balance of a solution as a function of pH, in mol/L.
 *
 * The ions are H+, OH−, the acid's species (charge z − j, concentration C·α_j), the counter-ions
 * of the dissolved species (Na+ at (k − z)·C when k > z, Cl− at (z − k)·C when k < z), Na+ of the
 * strong base and Cl− of the strong acid. Their charges sum to
 *
 *     f(pH) = h − Kw/h + C_B − C_A + (k − z)·C + Σ_j (z − j)·C·α_j
 *           = h − Kw/h + C_B − C_A + C·Σ_j (k − j)·α_j,
 *
 * since Σ α_j = 1. The second form is the one evaluated: each term of the sum is as exact as the
 * fraction in it, so a solution of 1e-10 mol/L or one whose species stays almost entirely as
 * dissolved is balanced without the cancellation of (k − z)·C against the species' charges.
 * f falls strictly as the pH rises (h falls, Kw/h and the protons given off Σ j·α_j rise), so it
 * has exactly one root, the solution's pH.
 *
 * Evaluation forms one power of ten: with x = 10^pH, h = 1/x, Kw/h = Kw·x, and the species terms
 * are built outward from the largest, species j* (see PolyproticAcid), by the ratios
 * 10^(pH − pKa_i) = Ka_i·x: every term is then at most 1 and none overflows.
 */
class ChargeBalance {
public:
    /**
     * The balance of the species of `acid` at a total concentration `concentration`, dissolved as
     * species `dissolvedAs`, with `netStrong` = C_B − C_A. The acid must outlive the balance.
     */
    ChargeBalance(const PolyproticAcid& acid, double concentration, int dissolvedAs,
                  double netStrong);
    ChargeBalance(const PolyproticAcid& acid, const Solution& solution);

    /** f(pH) in mol/L: positive below the solution's pH, negative above it. */
    [[nodiscard]] double operator()(double pH) const;

private:
    const PolyproticAcid* m_acid;
    double m_concentration;
    double m_dissolvedAs;
    double m_netStrong;
};

/** Width of the pH interval the root finder narrows the solution's pH to. */
inline constexpr double kPhTolerance = 1.0e-10;

/**
 * The root of the balance with Boost.Math's TOMS 748 bracketing solver, to kPhTolerance in pH.
 *
 * The bracket grows from `guess` in the direction the sign of f(guess) points to, first by
 * `firstStep`, then doubling; a titration passes the previous point's pH and the last change, so
 * that each point costs only a few evaluations. The search is bounded to pH −40..60, far beyond
 * any solution of the allowed inputs (whose pH lies within about −2..16).
 */
[[nodiscard]] double solvePh(const ChargeBalance& balance, double guess = 7.0,
                             double firstStep = 2.0);

/** Everything about one solution at its pH. */
struct SolutionState {
    double pH = 7.0;
    double pOH = 7.0;
    double hydrogen = 1.0e-7;      ///< [H+], mol/L
    double hydroxide = 1.0e-7;     ///< [OH−], mol/L
    int species = 0;               ///< n + 1
    SpeciesValues fraction{};      ///< α_j
    SpeciesValues concentration{}; ///< C·α_j, mol/L
};

/** Solves `solution` of `acid` and reports its pH, pOH, ions and species. */
[[nodiscard]] SolutionState solveSolution(const PolyproticAcid& acid, const Solution& solution);

/** The state of `solution` of `acid` at a given pH (the pH's own share of solveSolution()). */
[[nodiscard]] SolutionState solutionAt(const PolyproticAcid& acid, const Solution& solution,
                                       double pH);

/**
 * log10 of every species' concentration at pH for a total concentration C > 0:
 * log c_j = log C + log α_j, exact however small. log[H+] = −pH and log[OH−] = pH − pKw.
 */
[[nodiscard]] SpeciesValues logConcentrations(const PolyproticAcid& acid, double concentration,
                                              double pH);

/**
 * The solved solution as lines of text: "pH " with four decimals, then one line per species with
 * its name, its concentration in mol/L to four significant digits and its share in percent to
 * four significant digits ("H2PO4- 0.06120 mol/L 61.20 %").
 */
[[nodiscard]] std::vector<std::string> solutionReport(const PolyproticAcid& acid,
                                                      const SolutionState& state);

/** Checks of a solution's inputs; none when fine, else the problem in a few words. */
[[nodiscard]] Problem problemWithConcentration(double concentration);
[[nodiscard]] Problem problemWithDissolvedAs(int dissolvedAs, const PolyproticAcid& acid);
/** The strong base or acid: 0 to 10 mol/L. */
[[nodiscard]] Problem problemWithStrongConcentration(double concentration);

} // namespace velmora::model
