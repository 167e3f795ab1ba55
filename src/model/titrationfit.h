// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "message.h"
#include "mixture.h"
#include "mixturetitration.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::model {

/** What a fitted parameter is. */
enum class FitQuantity {
    Concentration,        ///< of a weak system of the sample, or of its strong acid or base
    Constant,             ///< one of a weak system's constants as given (pKa, or pKb of a base)
    TitrantConcentration, ///< every amount of the titrant scaled together
    PhOffset,             ///< added to the model's pH: the electrode's calibration error
};

/**
 * One parameter of a fit. `system` is the sample's weak system (0-based) for a concentration or a
 * constant; −1 with Concentration stands for the sample's strong acid, or its strong base where it
 * has no strong acid. `constant` is 1-based, of WeakSystem::pK.
 */
struct FitParameter {
    FitQuantity quantity = FitQuantity::Concentration;
    int system = 0;
    int constant = 0;

    friend bool operator==(const FitParameter&, const FitParameter&) = default;
};

/**
 * The parameter's name as the command line writes it: "conc", "pka1" ("pkb1" for a base given by
 * pKb) for the sample's first weak system (or "conc" for its strong acid or base when it has no
 * weak system, "strong" beside weak systems), "conc:2", "pka1:2" for its second system and so on,
 * "titrant", "offset". Names are read in any letter case; "conc:1" is "conc".
 */
[[nodiscard]] std::string fitParameterName(const FitParameter& parameter, const Mixture& sample);

/**
 * Reads a comma-separated list of parameter names (fitParameterName()) for `sample`; refuses an
 * unknown name, a system or constant the sample does not have, a name given twice or an empty
 * list, giving the name. `parameters` is set only when fine.
 */
struct FitNameProblem {
    std::string name{}; ///< the name as given
    Problem problem{};

    [[nodiscard]] bool empty() const { return problem.empty(); }
};
[[nodiscard]] FitNameProblem readFitParameters(std::string_view list, const Mixture& sample,
                                               std::vector<FitParameter>& parameters);

/**
 * What is fitted when nothing is chosen: the sample's first weak system's concentration (or its
 * strong acid's or base's) and every constant of its weak systems whose acid constant pKa (at the
 * sample's temperature) lies within the measured pH range.
 */
[[nodiscard]] std::vector<FitParameter>
defaultFitParameters(const Mixture& sample, std::span<const TitrationPoint> points);

/** A fitted value with its standard error, in the parameter's unit (mol/L, pK, pH). */
struct FittedValue {
    FitParameter parameter{};
    double value = 0.0;
    double standardError = 0.0;
};

/** The outcome of a fit. */
struct TitrationFit {
    std::vector<FittedValue> values{}; ///< in the order of the parameters
    /** Correlation coefficients between the parameters, row by row (1 on the diagonal). */
    std::vector<std::vector<double>> correlation{};
    double residualDeviation = 0.0;  ///< s = √(Σ r²/(n − p)), pH
    int pointsUsed = 0;              ///< n
    std::vector<double> residuals{}; ///< measured − model pH, one per point
    Mixture sample{};                ///< with the fitted values
    MixtureTitration titration{};    ///< with the fitted titrant
    double pHOffset = 0.0;           ///< fitted, or 0
    int iterations = 0;
};

/** What kept a fit from giving a result, and which parameter (index, or −1) it concerns. */
struct FitProblem {
    int parameter = -1;
    Problem problem{};

    [[nodiscard]] bool empty() const { return problem.empty(); }
};

/**
 * Fits the pH of the titration model (the sample titrated as `titration` says, MixtureTitrator)
 * to measured `points` by non-linear least squares over `parameters`, starting from the values
 * `sample` and `titration` hold (and a pH offset of 0). Each standard error comes from the
 * Jacobian J at the optimum, the square root of the diagonal of s²·(JᵀJ)⁻¹. Concentrations (the
 * titrant's too) are fitted as their logarithms, so that they stay positive; the titrant's value
 * is its strong base's concentration, else its strong acid's, else its first system's, and every
 * amount of the titrant is scaled with it.
 *
 * Refused, naming the parameter, where a constant to fit lies outside the measured pH range or a
 * parameter is not determined by the data (its column of J vanishes or depends on the others);
 * and as a whole where there are no more points than parameters or the fit does not converge.
 * `fit` is set only when there is no problem.
 */
[[nodiscard]] FitProblem fitTitration(const Mixture& sample, const MixtureTitration& titration,
                                      std::span<const TitrationPoint> points,
                                      std::span<const FitParameter> parameters, TitrationFit& fit);

/**
 * The model's pH at each measured volume for `sample` and `titration` plus `pHOffset`: what the
 * fit compares the measurements with, and what the residual strip draws.
 */
[[nodiscard]] std::vector<double> modelPhAt(const Mixture& sample,
                                            const MixtureTitration& titration,
                                            std::span<const TitrationPoint> points,
                                            double pHOffset = 0.0);

} // namespace velmora::model
