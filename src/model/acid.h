#pragma once

#include <array>
#include <string>

namespace velmora::model {

/** Largest number of dissociable protons the program handles. */
inline constexpr int kMaxProtons = 4;
/** Number of protonation species of the largest acid (H4A .. A4-). */
inline constexpr int kMaxSpecies = kMaxProtons + 1;

using SpeciesNames = std::array<std::string, kMaxSpecies>;

/**
 * The acid as the main window holds it: four acidity exponents and the dissociation constants
 * derived from them.
 *
 * An exponent pKa2..pKa4 of exactly 0 marks a constant the acid does not have; pKa1 is never
 * absent (pKa1 = 0 is an ordinary constant with Ka1 = 1). The acid type is not stored: it is
 * read off the constants, see protonCount().
 */
struct Acid {
    double pKa1 = 2.1;
    double pKa2 = 5.4;
    double pKa3 = 9.7;
    double pKa4 = 12.3;

    double Ka1 = 0.0;
    double Ka2 = 0.0;
    double Ka3 = 0.0;
    double Ka4 = 0.0;

    /** Recomputes Ka1..Ka4 from the exponents (an exponent of exactly 0 gives Ka = 0). */
    void computeConstants();

    /**
     * Number of dissociable protons, read off the constants in a fixed order: 1 if Ka2 is 0,
     * else 2 if Ka3 is 0, else 3 if Ka4 is 0, else 4. Call computeConstants() first.
     */
    [[nodiscard]] int protonCount() const;

    /** The exponents as an array, index 0 = pKa1. */
    [[nodiscard]] std::array<double, kMaxProtons> exponents() const {
        return {pKa1, pKa2, pKa3, pKa4};
    }

    /** The constants as an array, index 0 = Ka1. */
    [[nodiscard]] std::array<double, kMaxProtons> constants() const { return {Ka1, Ka2, Ka3, Ka4}; }

    /** The acid of the start-up state: tetraprotic, pKa 2.1, 5.4, 9.7, 12.3, constants set. */
    [[nodiscard]] static Acid startAcid();
};

/** 10^(-exponent) in double precision. */
[[nodiscard]] double powerOfTen(double exponent);

/**
 * The plain-text species names for an acid with n dissociable protons (1..4), from the fully
 * protonated form (slot 0) to the fully deprotonated anion (slot n). Slots beyond n are empty.
 * Digits are atom counts or charge magnitudes, a trailing "-" is the charge sign.
 */
[[nodiscard]] const SpeciesNames& speciesNames(int protons);

} // namespace velmora::model
