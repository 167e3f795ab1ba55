// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace velmora::model {

/** Largest number of dissociable protons the program handles. */
inline constexpr int kMaxProtons = 4;
/** Number of protonation species of the largest acid (H4A .. A4-). */
inline constexpr int kMaxSpecies = kMaxProtons + 1;

using SpeciesNames = std::array<std::string, kMaxSpecies>;
/** pKa1..pKa4 (or Ka1..Ka4) in one array, index 0 = the first. */
using Exponents = std::array<double, kMaxProtons>;

/** The exponents of the acid the program starts with: tetraprotic, pKa 2.1, 5.4, 9.7, 12.3. */
inline constexpr Exponents kStartExponents{2.1, 5.4, 9.7, 12.3};

/**
 * An acid: four acidity exponents pKa1..pKa4 and the dissociation constants Ka1..Ka4 derived from
 * them. The two never disagree: every exponent is set through the acid, which sets its constant
 * at the same time.
 *
 * An exponent pKa2..pKa4 of exactly 0 marks a constant the acid does not have (its Ka is 0);
 * pKa1 is never absent (pKa1 = 0 is an ordinary constant with Ka1 = 1). The acid type is not
 * stored: it is read off the constants, see protonCount().
 *
 * Why this class and PolyproticAcid (polyprotic.h) both exist: Acid is the main window's state,
 * exactly as its four bars hold it (four slots, 0 meaning "absent", values 0 to 14 in the bars'
 * steps, the curves computed at the pixel columns' single-precision pH), and its arithmetic is held
 * to the last pixel by the diagram's tests. PolyproticAcid is the solution chemistry's acid: one
 * to six constants from −5 to 25 in any precision, a charge and species names, in double
 * precision throughout. A window that follows the main window converts the one into the other
 * in one place (ui/solution/followedacid.*); merging them would change either the diagram's
 * pixels or the solution's numbers.
 */
class Acid {
public:
    /** The start acid (kStartExponents). */
    Acid();
    /** The acid with these exponents, index 0 = pKa1; 0 in pKa2..pKa4 marks an absent constant. */
    explicit Acid(const Exponents& pKa);

    /** The acid the program starts with (kStartExponents). */
    [[nodiscard]] static Acid startAcid() { return Acid(); }

    [[nodiscard]] double pKa1() const { return m_pKa[0]; }
    [[nodiscard]] double pKa2() const { return m_pKa[1]; }
    [[nodiscard]] double pKa3() const { return m_pKa[2]; }
    [[nodiscard]] double pKa4() const { return m_pKa[3]; }
    [[nodiscard]] double Ka1() const { return m_Ka[0]; }
    [[nodiscard]] double Ka2() const { return m_Ka[1]; }
    [[nodiscard]] double Ka3() const { return m_Ka[2]; }
    [[nodiscard]] double Ka4() const { return m_Ka[3]; }

    /** The exponent pKa(index), index 1..4. */
    [[nodiscard]] double pKa(int index) const { return m_pKa.at(slotOf(index)); }

    /**
     * Sets pKa(index), index 1..4, and with it Ka(index) = 10^-value, or 0 when a value of exactly
     * 0 marks pKa2..pKa4 absent. Other indices change nothing.
     */
    void setPKa(int index, double value);

    /** The exponents as an array, index 0 = pKa1. */
    [[nodiscard]] const Exponents& exponents() const { return m_pKa; }
    /** The constants as an array, index 0 = Ka1. */
    [[nodiscard]] const Exponents& constants() const { return m_Ka; }

    /**
     * Number of dissociable protons, read off the constants in a fixed order: 1 if Ka2 is 0,
     * else 2 if Ka3 is 0, else 3 if Ka4 is 0, else 4.
     */
    [[nodiscard]] int protonCount() const;

private:
    static std::size_t slotOf(int index) { return static_cast<std::size_t>(index - 1); }

    Exponents m_pKa{};
    Exponents m_Ka{};
};

/** 10^exponent in double precision. */
[[nodiscard]] double powerOfTen(double exponent);

/**
 * The plain-text species names for an acid with n dissociable protons (1..4), from the fully
 * protonated form (slot 0) to the fully deprotonated anion (slot n). Slots past n are empty.
 * Digits are atom counts or charge magnitudes, a trailing "-" is the charge sign.
 */
[[nodiscard]] const SpeciesNames& speciesNames(int protons);

} // namespace velmora::model
