// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "message.h"

#include <array>
#include <span>
#include <string>
#include <vector>

namespace velmora::model {

/** Limits of the acids of the solution drawings and calculations. */
inline constexpr int kMaxConstants = 6;
inline constexpr int kMaxSolutionSpecies = kMaxConstants + 1;
inline constexpr double kMinPka = -5.0;
inline constexpr double kMaxPka = 25.0;
inline constexpr int kMinCharge = -6;
inline constexpr int kMaxCharge = 6;
/** Longest species formula a user may give, in characters. */
inline constexpr int kMaxFormulaLength = 49;

/** Values at each species j = 0..n of an acid (only the first speciesCount() are used). */
using SpeciesValues = std::array<double, kMaxSolutionSpecies>;

/**
 * An acid H_nA^z with n = 1..6 dissociation constants, for the solution's calculations.
 *
 * Species j = 0..n has lost j protons and carries the charge z − j, where z is the charge of the
 * fully protonated form (0 for H3PO4, +1 for NH4+). With h = [H+] and the cumulative constants
 * β_j = Ka1·Ka2·…·Ka_j (β_0 = 1), the species stand in the ratios
 *
 *     [species j] ∝ β_j / h^j,   so   α_j = (β_j / h^j) / Σ_i (β_i / h^i).
 *
 * The powers are never formed as such: the log term of species j,
 *
 *     t_j = j·pH − (pKa1 + … + pKa_j),
 *
 * is a sum of at most seven numbers, and the fractions are α_j = 10^(t_j − m) / Σ_i 10^(t_i − m)
 * with m = max_i t_i. Every power is then at most 1 and the largest is exactly 1, so nothing
 * overflows and the sum is at least 1; a species far from its range gets a tiny but correct
 * fraction, and its log fraction log α_j = t_j − m − log Σ is exact however small it is.
 *
 * The constants are in non-decreasing order, so t_j is concave in j: the largest term is the
 * species j* = the number of constants below the pH, and the terms fall off on both sides.
 */
class PolyproticAcid {
public:
    /** Monoprotic, pKa 4.76, uncharged (acetic acid), with the generic names. */
    PolyproticAcid();

    /**
     * An acid from its exponents (1..6, each −5..25, non-decreasing), the charge of its fully
     * protonated form (−6..6) and optionally its own species formulas (n + 1 of them, see
     * problemWithNames()). Throws std::invalid_argument with the problem's English text when any
     * of them is out of range; check them first with the problemWith… functions.
     */
    explicit PolyproticAcid(std::span<const double> pKa, int charge = 0,
                            std::vector<std::string> names = {});

    /** Number of constants n. */
    [[nodiscard]] int constantCount() const { return m_count; }
    /** Number of species n + 1. */
    [[nodiscard]] int speciesCount() const { return m_count + 1; }
    /** pKa_{i+1}, i = 0..n−1. */
    [[nodiscard]] double pKa(int i) const { return m_pKa[static_cast<std::size_t>(i)]; }
    /** Ka_{i+1} = 10^−pKa_{i+1}, i = 0..n−1. */
    [[nodiscard]] double Ka(int i) const { return m_Ka[static_cast<std::size_t>(i)]; }
    /** The exponents pKa1..pKa_n. */
    [[nodiscard]] std::vector<double> exponents() const;
    /** Charge z of the fully protonated form. */
    [[nodiscard]] int charge() const { return m_charge; }
    /** Charge of species j: z − j. */
    [[nodiscard]] int speciesCharge(int j) const { return m_charge - j; }
    /** The name of species j (the user's formula, or the generic name). */
    [[nodiscard]] const std::string& speciesName(int j) const {
        return m_names[static_cast<std::size_t>(j)];
    }
    /** The names of all species, j = 0..n. */
    [[nodiscard]] const std::vector<std::string>& speciesNames() const { return m_names; }
    /** True when the names are the generic ones. */
    [[nodiscard]] bool hasGenericNames() const { return m_genericNames; }

    /** The log terms t_j = j·pH − Σ_{i≤j} pKa_i of every species (see the class). */
    [[nodiscard]] SpeciesValues logTerms(double pH) const;
    /** Fractions α_0..α_n at pH; they sum to 1 and each is finite for any finite pH. */
    [[nodiscard]] SpeciesValues fractions(double pH) const;
    /** log10 α_j of every species, exact even where α_j itself would underflow. */
    [[nodiscard]] SpeciesValues logFractions(double pH) const;

    friend bool operator==(const PolyproticAcid&, const PolyproticAcid&) = default;

private:
    int m_count = 1;
    int m_charge = 0;
    std::array<double, kMaxConstants> m_pKa{};
    std::array<double, kMaxConstants> m_Ka{};
    /** Σ_{i≤j} pKa_i, j = 0..n (the first is 0). */
    SpeciesValues m_pKaSums{};
    std::vector<std::string> m_names;
    bool m_genericNames = true;
};

/**
 * The generic name of species j of an acid with n constants whose fully protonated form carries
 * the charge z: "H" with the count of protons left (none for one, the "H" left out for none),
 * "A", then the charge z − j. Negative charges of one digit follow directly ("H2A2-", "A-");
 * positive charges and charges of two digits come after a caret ("HA^+", "H3A^2+", "A^12-"),
 * which the typesetting reads as one raised charge and never as a count. For z = 0 and n ≤ 4 these
 * are the main diagram's names.
 */
[[nodiscard]] std::string genericSpeciesName(int constants, int charge, int species);

/** The generic names of all n + 1 species. */
[[nodiscard]] std::vector<std::string> genericSpeciesNames(int constants, int charge);

/**
 * Checks of the acid's inputs. Each returns no problem when the input is fine, otherwise the
 * problem in a few words ("needs 1 to 6 values"), for a message that names the input.
 */
[[nodiscard]] Problem problemWithConstants(std::span<const double> pKa);
[[nodiscard]] Problem problemWithCharge(int charge);
/**
 * Names: exactly `species` of them, each UTF-8 text of 1..49 characters (code points, so "é" is
 * one), without commas (they head the data files' columns), blanks at either end, or control and
 * format characters (isControlOrFormat(): line breaks such as U+0085 and U+2028, marks of writing
 * direction, zero-width characters), which would hide or reorder text where the name is shown.
 * Caret notation is allowed.
 */
[[nodiscard]] Problem problemWithNames(const std::vector<std::string>& names, int species);

} // namespace velmora::model
