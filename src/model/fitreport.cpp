// SPDX-License-Identifier: GPL-3.0-or-later
#include "fitreport.h"

#include "numbertext.h"

#include <cmath>

namespace velmora::model {

namespace {

bool hasUnitOfConcentration(FitQuantity quantity) {
    return quantity == FitQuantity::Concentration || quantity == FitQuantity::TitrantConcentration;
}

} // namespace

int errorDecimals(double error) {
    const auto exponentOf = [](double value) {
        return static_cast<int>(std::floor(std::log10(value)));
    };
    const int twoDigits = 1 - exponentOf(error);
    const double scale = std::pow(10.0, twoDigits);
    const double rounded = std::round(error * scale) / scale;
    const int exponent = exponentOf(rounded);
    const double leading = rounded / std::pow(10.0, exponent);
    // A leading digit read from a rounded double may fall a hair below a whole digit (2.9999...).
    const int decimals = leading < 3.0 - 1e-9 ? 1 - exponent : -exponent;
    return std::max(decimals, 0);
}

std::string valueWithError(double value, double error) {
    if (!(error > 0.0) || !std::isfinite(error)) {
        return significantText(value, 6) + " ± " + shortestText(error);
    }
    const int decimals = errorDecimals(error);
    return fixedText(value, decimals) + " ± " + fixedText(error, decimals);
}

std::vector<std::string> fitReport(const TitrationFit& fit) {
    std::vector<std::string> lines;
    std::vector<std::string> names;
    for (const FittedValue& value : fit.values) {
        names.push_back(fitParameterName(value.parameter, fit.sample));
        std::string line = names.back() + " " + valueWithError(value.value, value.standardError);
        if (hasUnitOfConcentration(value.parameter.quantity)) {
            line += " mol/L";
        }
        lines.push_back(std::move(line));
    }
    lines.push_back("s " + significantText(fit.residualDeviation, 2));
    lines.push_back("n " + std::to_string(fit.pointsUsed));
    for (std::size_t j = 0; j < fit.correlation.size(); ++j) {
        for (std::size_t k = j + 1; k < fit.correlation[j].size(); ++k) {
            lines.push_back("correlation " + names[j] + " " + names[k] + " " +
                            fixedText(fit.correlation[j][k], 2));
        }
    }
    return lines;
}

std::string endPointMethodName(EndPointMethod method) {
    switch (method) {
    case EndPointMethod::Derivative:
        return "derivative";
    case EndPointMethod::SecondDerivative:
        return "second-derivative";
    case EndPointMethod::Gran:
        return "gran";
    case EndPointMethod::GranExcess:
        return "gran-excess";
    }
    return {};
}

std::vector<std::string> endPointReport(const EndPointAnalysis& analysis) {
    std::vector<std::string> lines;
    for (const EndPoint& point : analysis.endPoints) {
        lines.push_back(endPointMethodName(point.method) + " " + fixedText(point.volume, 2) +
                        " mL");
    }
    return lines;
}

} // namespace velmora::model
