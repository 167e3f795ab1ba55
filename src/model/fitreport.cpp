// SPDX-License-Identifier: GPL-3.0-or-later
#include "fitreport.h"

#include "numbertext.h"

#include <cmath>

namespace velmora::model {

int decimalsForError(double error) {
    if (!(error > 0.0) || !std::isfinite(error)) {
        return -1;
    }
    // The error's first digit as it is written: 0.0299 rounds to 0.030, whose first digit is 3.
    int exponent = static_cast<int>(std::floor(std::log10(error)));
    double leading = error / std::pow(10.0, exponent);
    if (std::round(leading * 10.0) >= 100.0) {
        ++exponent;
        leading /= 10.0;
    }
    const int digits = std::round(leading * 10.0) < 30.0 ? 2 : 1;
    const int decimals = digits - 1 - exponent;
    return decimals < 0 ? 0 : decimals;
}

std::string valueWithError(double value, double error) {
    const int decimals = decimalsForError(error);
    std::string valueText;
    std::string errorText;
    if (decimals < 0) {
        valueText = significantText(value, 6);
        errorText = std::isfinite(error) ? std::string("0") : std::string("inf");
    } else {
        valueText = fixedText(value, decimals);
        errorText = fixedText(error, decimals);
    }
    dropSignOfZero(valueText);
    return valueText + " \u00b1 " + errorText;
}

namespace {

bool inMolPerLitre(FitQuantity quantity) {
    return quantity == FitQuantity::Concentration || quantity == FitQuantity::TitrantConcentration;
}

} // namespace

std::vector<std::string> fitReportLines(const TitrationFit& fit, const Mixture& sample) {
    std::vector<std::string> lines;
    std::vector<std::string> names;
    for (const FittedValue& fitted : fit.values) {
        names.push_back(fitParameterName(fitted.parameter, sample));
        std::string line = names.back() + ' ' + valueWithError(fitted.value, fitted.standardError);
        if (inMolPerLitre(fitted.parameter.quantity)) {
            line += " mol/L";
        }
        lines.push_back(std::move(line));
    }
    lines.push_back("s " + significantText(fit.residualDeviation, 2));
    lines.push_back("n " + std::to_string(fit.pointsUsed));
    for (std::size_t i = 0; i < fit.correlation.size(); ++i) {
        for (std::size_t j = i + 1; j < fit.correlation[i].size() && j < names.size(); ++j) {
            std::string coefficient = fixedText(fit.correlation[i][j], 2);
            dropSignOfZero(coefficient);
            lines.push_back("correlation " + names[i] + ' ' + names[j] + ' ' + coefficient);
        }
    }
    return lines;
}

} // namespace velmora::model
