// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "message.h"
#include "polyprotic.h"

#include <array>
#include <string>
#include <vector>

namespace velmora::model {

/** Limits of a mixture's inputs. */
inline constexpr int kMaxSystems = 8;
inline constexpr double kMinTemperature = 0.0;   ///< °C
inline constexpr double kMaxTemperature = 100.0; ///< °C
inline constexpr double kStandardTemperature = 25.0;
inline constexpr int kMaxSaltCharge = 3;
/** Ionic strength beyond which the Davies equation is no longer reliable, mol/L. */
inline constexpr double kDaviesLimit = 0.5;

/** How the ions' activities are taken. */
enum class Activity {
    Ideal,  ///< activity = concentration
    Davies, ///< log γ = −A z² (√I/(1+√I) − 0.3 I)
};

/**
 * One weak acid-base system of a mixture: an acid H_nA^z with n = 1..6 constants.
 *
 * Given as an acid, `pK` are pKa1..pKa_n and the system is dissolved as species `dissolvedAs`
 * with its counter-ions (Na+ for a negative species, Cl− for a positive one, as Solution).
 * Given as a base, `pK` are pKb1..pKb_n of the base (pKb1 for its first proton taken up), the
 * acid's constants are pKa_i = pKw − pKb_(n+1−i) at the mixture's temperature, and the system is
 * dissolved as the base itself, species n (`dissolvedAs` is not used).
 *
 * `enthalpy` holds ΔH° in kJ/mol of each given constant's reaction (dissociation of the acid or
 * protonation of the base by water, in the order of `pK`); empty when unknown, in which case the
 * constants keep their 25 °C values at any temperature.
 */
struct WeakSystem {
    std::vector<double> pK{4.76};
    int charge = 0;             ///< z of the fully protonated form
    double concentration = 0.1; ///< mol/L, 0..10
    int dissolvedAs = 0;
    bool givenAsBase = false;
    std::vector<double> enthalpy{}; ///< kJ/mol, one per constant, or none
    /**
     * Protons the dissolved substance gives off completely besides its system's species, as
     * sulfuric acid gives its first (H2SO4 → H+ + HSO4−, the system being HSO4−/SO4^2−): they
     * count as strong acid, and they take the place of the counter-ions that would balance the
     * dissolved species' charge (0..6).
     */
    int protonsGiven = 0;
    /** The library key it was taken from ("acetic"); empty when its constants were typed. */
    std::string substance{};
    /**
     * The formulas of its species, fully protonated first ("HAc", "Ac^-"), as the library writes
     * them; empty for the generic names of its constants (H2A, HA^-, A^2-).
     */
    std::vector<std::string> formulas{};

    friend bool operator==(const WeakSystem&, const WeakSystem&) = default;
};

/** A salt of ions that take no part in the acid-base reactions (NaCl, Na2SO4, CaCl2 ...). */
struct InertSalt {
    double concentration = 0.0; ///< mol/L of the salt
    int cationCharge = 1;       ///< 1..3
    int anionCharge = 1;        ///< magnitude, 1..3

    friend bool operator==(const InertSalt&, const InertSalt&) = default;
};

/** An aqueous solution of up to kMaxSystems weak systems, strong acid and base and salts. */
struct Mixture {
    std::vector<WeakSystem> systems{};
    double strongBase = 0.0; ///< mol/L, as NaOH
    double strongAcid = 0.0; ///< mol/L, as HCl
    std::vector<InertSalt> salts{};
    double temperature = kStandardTemperature; ///< °C
    Activity activity = Activity::Ideal;

    friend bool operator==(const Mixture&, const Mixture&) = default;
};

/**
 * pKw of water at `celsius` (0..100 °C): the fit of Harned and Robinson, pKw = 4470.99/T −
 * 6.0875 + 0.01706·T (H. S. Harned, R. A. Robinson, Trans. Faraday Soc. 36 (1940) 973; in Harned
 * and Owen, The Physical Chemistry of Electrolytic Solutions, 3rd ed. 1958), shifted so that
 * pKw(25 °C) = 14 exactly. It gives 14.946 at 0 °C, 13.266 at 50 °C and 12.26 at 100 °C.
 */
[[nodiscard]] double waterPKw(double celsius);

/**
 * The Davies constant A at `celsius`: A = 1.82e6·(εT)^(−3/2), with the relative permittivity of
 * water ε(t) = 87.740 − 0.40008 t + 9.398e−4 t² − 1.410e−6 t³ (t in °C, 0..100 °C; C. G. Malmberg,
 * A. A. Maryott, J. Res. Natl. Bur. Stand. 56 (1956) 1). A = 0.510 at 25 °C.
 */
[[nodiscard]] double daviesA(double celsius);

/** log10 γ of an ion of charge z at ionic strength I by the Davies equation with constant A. */
[[nodiscard]] double daviesLogGamma(double A, int charge, double ionicStrength);

/** The acid's constants pKa1..pKa_n of `system` at `celsius` (van 't Hoff where ΔH° is given). */
[[nodiscard]] std::vector<double> systemPKa(const WeakSystem& system, double celsius);

/** Everything about a solved mixture. */
struct MixtureState {
    double pH = 7.0;            ///< −log10 a(H+)
    double pKw = 14.0;          ///< at the mixture's temperature
    double hydrogen = 1.0e-7;   ///< [H+], mol/L
    double hydroxide = 1.0e-7;  ///< [OH−], mol/L
    double ionicStrength = 0.0; ///< I, mol/L, of every ion
    bool beyondDavies = false;  ///< Davies activities with I > kDaviesLimit
    /** False when the Davies ionic strength did not settle (only far beyond kDaviesLimit). */
    bool activitiesSettled = true;
    double bufferCapacity = 0.0; ///< β = dC_B/dpH, mol/L per pH
    /** γ by charge magnitude 0..12 (1 when ideal, and beyond the largest charge present). */
    std::vector<double> gamma{};
    /** Systems whose constants stay at their 25 °C values at another temperature (no ΔH°). */
    std::vector<int> constantsNotShifted{};
    /** Per system: the acid's constants used, the species' concentrations (mol/L) j = 0..n. */
    std::vector<std::vector<double>> pKa{};
    std::vector<SpeciesValues> concentration{};
};

/**
 * The charge balance of a mixture at fixed activity coefficients, in mol/L of charge:
 *
 *     f(pH) = ([H+] − [OH−]) + C_B − C_A + Σ_s C_s·Σ_j (k_s − j)·α_sj,
 *
 * with a(H+) = 10^−pH, [H+] = a(H+)/γ1, [OH−] = Kw/(a(H+)·γ1), and the fractions α_sj of
 * concentrations from the conditional constants Ka'_j = Ka_j·γ(z − j + 1)/γ(z − j). Inert salts
 * add no net charge. Each system is evaluated as ChargeBalance does (terms outward from the
 * largest), so an ideal mixture of one system at 25 °C gives exactly the doubles of ChargeBalance.
 */
class MixtureBalance {
public:
    /** The balance of `mixture` (checked with problemWithMixture()) with all γ = 1. */
    explicit MixtureBalance(const Mixture& mixture);

    /** Takes the activity coefficients of the ionic strength `ionicStrength` (Davies). */
    void setIonicStrength(double ionicStrength);

    [[nodiscard]] double operator()(double pH) const;
    /** −df/dpH, the buffer capacity β at fixed activity coefficients. */
    [[nodiscard]] double bufferCapacity(double pH) const;
    /**
     * The ionic strength of every ion at pH, counter-ions and salts included; with `species`, the
     * species' concentrations of every system are appended to it.
     */
    [[nodiscard]] double ionicStrengthAt(double pH,
                                         std::vector<SpeciesValues>* species = nullptr) const;
    /** Species concentrations of system s at pH. */
    [[nodiscard]] SpeciesValues concentrations(int system, double pH) const;

    [[nodiscard]] double pKw() const { return m_pKw; }
    [[nodiscard]] double A() const { return m_A; }
    [[nodiscard]] double gamma(int charge) const;
    [[nodiscard]] std::vector<double> pKa(int system) const;

private:
    struct System {
        int count = 1;
        int charge = 0;
        double concentration = 0.0;
        double dissolvedAs = 0.0;
        std::array<double, kMaxConstants> pKa{}; ///< thermodynamic
        std::array<double, kMaxConstants> Ka{};
        std::array<double, kMaxConstants> KaC{};  ///< conditional (concentrations)
        std::array<double, kMaxConstants> pKaC{}; ///< −log10 of KaC
        bool sorted = true;
        double counterCations = 0.0; ///< mol/L of Na+
        double counterAnions = 0.0;  ///< mol/L of Cl−
    };

    /** The species with the largest concentration at pH. */
    [[nodiscard]] static int topSpecies(const System& system, double pH);
    /** Σ_j (k − j)·α_j·C, and (with `variance`) C·Var(j), of one system at x = 10^pH. */
    [[nodiscard]] double systemTerm(const System& system, double pH, double x,
                                    double* variance) const;

    std::vector<System> m_systems;
    double m_netStrong = 0.0;
    double m_strongIons = 0.0; ///< ½ Σ c z² of the strong acid's, base's and salts' ions
    double m_pKw = 14.0;
    double m_Kw = 1.0e-14;
    double m_A = 0.0;
    /** γ by charge magnitude: a species of an acid carries up to 2·kMaxCharge. */
    std::array<double, 2 * kMaxCharge + 1> m_gamma{};
    std::array<double, 2 * kMaxCharge + 1> m_logGamma{};
    /** The largest charge magnitude of any species (the coefficients beyond it stay 1). */
    int m_highestCharge = 1;
    bool m_activities = false;
};

/**
 * Solves `mixture` (checked with problemWithMixture()): the pH to kPhTolerance with TOMS 748; with
 * Davies activities the ionic strength and the pH are iterated until the ionic strength settles.
 */
[[nodiscard]] MixtureState solveMixture(const Mixture& mixture);

/**
 * The protons given off completely, mol/L: the strong acid and those of the systems that give
 * some off as they dissolve (sulfuric acid's first).
 */
[[nodiscard]] double strongAcidOf(const Mixture& mixture);

/** The first problem of a mixture's inputs, naming nothing: none when fine. */
[[nodiscard]] Problem problemWithMixture(const Mixture& mixture);
[[nodiscard]] Problem problemWithTemperature(double celsius);
[[nodiscard]] Problem problemWithSystem(const WeakSystem& system);

} // namespace velmora::model
