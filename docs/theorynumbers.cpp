// SPDX-License-Identifier: GPL-3.0-or-later
#include "theorynumbers.h"

#include "model/endpoints.h"
#include "model/fitreport.h"
#include "model/measurements.h"
#include "model/mixture.h"
#include "model/mixturetitration.h"
#include "model/polyprotic.h"
#include "model/presets.h"
#include "model/recipe.h"
#include "model/substances.h"
#include "model/titrationfit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <string>
#include <utility>

namespace velmora::theory {

namespace {

/** The volume and titrant of every titration of the document: 25 mL, titrated with 0.1 mol/L. */
constexpr double kSampleVolume = 25.0;

/** The worked examples' temperatures of the table of water's ion product, °C. */
constexpr std::array<int, 13> kTableTemperatures{0,  10, 20, 25, 30, 37, 40,
                                                 50, 60, 70, 80, 90, 100};

/** Collects the numbers; the first thing that fails is the problem. */
class Collector {
public:
    void add(const char* name, double value, int digits, NumberStyle style = NumberStyle::Fixed) {
        numbers.push_back(TheoryNumber{QString::fromLatin1(name), value, digits, style});
    }

    void fail(const QString& why) {
        if (problem.isEmpty()) {
            problem = why;
        }
    }

    /** The mixture of substances written as the command line's --add takes them ("0.1:acetic"). */
    model::Mixture mixture(std::initializer_list<const char*> written,
                           model::Activity activity = model::Activity::Ideal,
                           double celsius = model::kStandardTemperature) {
        std::vector<model::Ingredient> ingredients;
        QString why;
        if (!readWrittenIngredients(std::vector<std::string>(written.begin(), written.end()),
                                    ingredients, &why)) {
            fail(why);
            return {};
        }
        model::Mixture result;
        if (!model::mixtureOf(ingredients, celsius, activity, result).empty()) {
            fail(QStringLiteral("the example solution of %1 is refused").arg(*written.begin()));
        }
        return result;
    }

    model::MixtureState solve(std::initializer_list<const char*> written,
                              model::Activity activity = model::Activity::Ideal,
                              double celsius = model::kStandardTemperature) {
        return model::solveMixture(mixture(written, activity, celsius));
    }

    std::vector<TheoryNumber> numbers;
    QString problem;
};

double presetPKa(const char* key, std::size_t index) {
    const model::Preset* preset = model::findPreset(key);
    return preset != nullptr && index < preset->pKa.size() ? preset->pKa[index] : std::nan("");
}

/** The equivalence point (first) and half-equivalence point (first) of a titration. */
struct TitrationPoints {
    model::MixtureMark equivalence;
    model::MixtureMark half;
};

TitrationPoints firstMarks(const model::MixtureTitrator& titrator) {
    TitrationPoints points;
    bool equivalenceFound = false;
    bool halfFound = false;
    for (const model::MixtureMark& mark : titrator.marks()) {
        if (mark.half && !halfFound) {
            points.half = mark;
            halfFound = true;
        } else if (!mark.half && !equivalenceFound) {
            points.equivalence = mark;
            equivalenceFound = true;
        }
    }
    return points;
}

/** The solution's pH, concentrations and the simple formulas they are compared with. */
void chargeBalanceNumbers(Collector& out) {
    const double concentration = 0.1;
    const double aceticPKa = presetPKa("acetic", 0);
    out.add("acetic-pka", aceticPKa, 2);

    const model::MixtureState acetic = out.solve({"0.1:acetic"});
    out.add("acetic-ph", acetic.pH, 2);
    out.add("acetic-acetate", acetic.concentration.at(0)[1], 3, NumberStyle::Scientific);
    out.add("acetic-percent", 100.0 * acetic.concentration.at(0)[1] / concentration, 1);
    out.add("acetic-approx", 0.5 * (aceticPKa - std::log10(concentration)), 2);

    const model::MixtureState acetate = out.solve({"0.1:sodium-acetate"});
    out.add("acetate-ph", acetate.pH, 2);
    out.add("acetate-pkb", acetate.pKw - aceticPKa, 2);
    out.add("acetate-hydroxide", acetate.hydroxide, 3, NumberStyle::Scientific);
    out.add("acetate-approx",
            acetate.pKw - 0.5 * (acetate.pKw - aceticPKa - std::log10(concentration)), 2);

    const model::MixtureState ammonium = out.solve({"0.1:ammonium-chloride"});
    const double ammoniumPKa = ammonium.pKa.at(0).at(0);
    out.add("ammonium-pka", ammoniumPKa, 3);
    out.add("ammonium-ph", ammonium.pH, 2);
    out.add("ammonium-ammonia", ammonium.concentration.at(0)[1], 3, NumberStyle::Scientific);
    out.add("ammonium-approx", 0.5 * (ammoniumPKa - std::log10(concentration)), 2);

    const model::MixtureState hcl = out.solve({"1e-8:hydrochloric"});
    out.add("hcl-ph", hcl.pH, 2);
    out.add("hcl-hydrogen", hcl.hydrogen, 3, NumberStyle::Scientific);
    out.add("hcl-hydroxide", hcl.hydroxide, 3, NumberStyle::Scientific);
}

void titrationNumbers(Collector& out) {
    model::MixtureTitration withBase;
    withBase.sampleVolume = kSampleVolume;
    const model::MixtureTitrator acetic(out.mixture({"0.1:acetic"}), withBase);
    const TitrationPoints aceticPoints = firstMarks(acetic);
    out.add("titration-eq-volume", aceticPoints.equivalence.volume, 2);
    out.add("titration-eq-ph", aceticPoints.equivalence.pH, 2);
    out.add("titration-half-volume", aceticPoints.half.volume, 2);
    out.add("titration-half-ph", aceticPoints.half.pH, 3);
    out.add("titration-24-ph", acetic.pHAt(24.0), 2);
    out.add("titration-26-ph", acetic.pHAt(26.0), 2);
    out.add("titration-50-ph", acetic.pHAt(50.0), 2);

    // A stronger, dilute acid: the half-equivalence pH lies well above its pKa.
    model::MixtureTitration dilute;
    dilute.sampleVolume = kSampleVolume;
    dilute.titrant = out.mixture({"0.01:sodium-hydroxide"});
    const model::MixtureTitrator chloro(out.mixture({"0.01:chloroacetic"}), dilute);
    const TitrationPoints chloroPoints = firstMarks(chloro);
    out.add("chloro-pka", chloro.sample().systems.at(0).pK.at(0), 2);
    out.add("chloro-half-ph", chloroPoints.half.pH, 2);
    out.add("chloro-eq-ph", chloroPoints.equivalence.pH, 2);

    // The same acetic acid with a weak titrant, ammonia.
    model::MixtureTitration withAmmonia;
    withAmmonia.sampleVolume = kSampleVolume;
    withAmmonia.titrant = out.mixture({"0.1:ammonia"});
    const model::MixtureTitrator weak(out.mixture({"0.1:acetic"}), withAmmonia);
    const TitrationPoints weakPoints = firstMarks(weak);
    out.add("weak-eq-volume", weakPoints.equivalence.volume, 2);
    out.add("weak-eq-ph", weakPoints.equivalence.pH, 2);
    out.add("weak-24-ph", weak.pHAt(24.0), 2);
    out.add("weak-26-ph", weak.pHAt(26.0), 2);
    out.add("weak-50-ph", weak.pHAt(50.0), 2);
}

void bufferNumbers(Collector& out) {
    const model::MixtureState buffer = out.solve({"0.1:acetic", "0.1:sodium-acetate"});
    out.add("buffer-ph", buffer.pH, 2);
    out.add("buffer-capacity", buffer.bufferCapacity, 3);
    const model::MixtureState withAcid =
        out.solve({"0.1:acetic", "0.1:sodium-acetate", "0.01:hydrochloric"});
    out.add("buffer-acid-ph", withAcid.pH, 2);
    out.add("buffer-acid-shift", buffer.pH - withAcid.pH, 2);
    const model::MixtureState water = out.solve({"0.01:hydrochloric"});
    out.add("water-acid-ph", water.pH, 2);
    const model::MixtureState dilute = out.solve({"0.01:acetic", "0.01:sodium-acetate"});
    out.add("dilute-buffer-capacity", dilute.bufferCapacity, 4);
    const model::MixtureState diluteWithAcid =
        out.solve({"0.01:acetic", "0.01:sodium-acetate", "0.001:hydrochloric"});
    out.add("dilute-buffer-acid-ph", diluteWithAcid.pH, 2);
}

void activityNumbers(Collector& out) {
    out.add("davies-a", model::daviesA(model::kStandardTemperature), 3);
    out.add("davies-limit", model::kDaviesLimit, 1);
    out.add("phosphate-pka2", presetPKa("phosphoric", 1), 2);
    const std::initializer_list<const char*> standard{"0.025:potassium-dihydrogen-phosphate",
                                                      "0.025:disodium-hydrogen-phosphate"};
    const model::MixtureState ideal = out.solve(standard);
    const model::MixtureState davies = out.solve(standard, model::Activity::Davies);
    out.add("phosphate-ph-ideal", ideal.pH, 2);
    out.add("phosphate-ph-davies", davies.pH, 2);
    out.add("phosphate-ionic", davies.ionicStrength, 3);
    out.add("gamma-1", davies.gamma.at(1), 3);
    out.add("gamma-2", davies.gamma.at(2), 3);
    out.add("phosphate-shift", ideal.pH - davies.pH, 2);

    const model::MixtureState aceticIdeal = out.solve({"0.1:acetic"});
    const model::MixtureState aceticDavies = out.solve({"0.1:acetic"}, model::Activity::Davies);
    out.add("acetic-ph-ideal-3", aceticIdeal.pH, 3);
    out.add("acetic-ph-davies-3", aceticDavies.pH, 3);
}

void temperatureNumbers(Collector& out) {
    for (int celsius : kTableTemperatures) {
        const double pKw = model::waterPKw(celsius);
        out.numbers.push_back(TheoryNumber{QStringLiteral("pkw-%1").arg(celsius), pKw, 2});
        out.numbers.push_back(
            TheoryNumber{QStringLiteral("neutral-%1").arg(celsius), pKw / 2.0, 2});
    }
    const std::initializer_list<const char*> tris{"0.05:tris", "0.05:tris-hydrochloride"};
    const model::MixtureState at25 = out.solve(tris);
    const model::MixtureState at37 = out.solve(tris, model::Activity::Ideal, 37.0);
    out.add("tris-ph-25", at25.pH, 2);
    out.add("tris-ph-37", at37.pH, 2);
    out.add("tris-pka-37", at37.pKa.at(0).at(0), 2);
    const model::Substance* trisBase = model::findSubstance("tris");
    if (trisBase == nullptr || trisBase->enthalpies.empty()) {
        out.fail(QStringLiteral("the library has no reaction enthalpy of tris"));
        return;
    }
    out.add("tris-enthalpy", trisBase->enthalpies.front(), 2);
}

/** The highest fraction of species j between pH `from` and `to`, on a 0.001 grid. */
double highestFraction(const model::PolyproticAcid& acid, int species, double from, double to) {
    double highest = 0.0;
    const int steps = static_cast<int>(std::lround((to - from) * 1000.0));
    for (int step = 0; step <= steps; ++step) {
        const model::SpeciesValues fractions = acid.fractions(from + step / 1000.0);
        const std::size_t first = species < 0 ? 0 : static_cast<std::size_t>(species);
        const std::size_t last =
            species < 0 ? static_cast<std::size_t>(acid.constantCount()) : first;
        for (std::size_t j = first; j <= last; ++j) {
            highest = std::max(highest, fractions[j]);
        }
    }
    return highest;
}

/** The peaks of Figure 2's intermediate species, drawn with the example acids' values. */
void figureNumbers(Collector& out) {
    const model::Preset* carbonic = model::findPreset("carbonic");
    const model::Preset* citric = model::findPreset("citric");
    if (carbonic == nullptr || citric == nullptr) {
        out.fail(QStringLiteral("the example acids of Figure 2 are missing"));
        return;
    }
    const model::PolyproticAcid carbonicAcid(carbonic->pKa);
    const model::PolyproticAcid citricAcid(citric->pKa);
    out.add("carbonic-max", highestFraction(carbonicAcid, 1, 0.0, 14.0), 3);
    out.add("citric-max-1", highestFraction(citricAcid, 1, 0.0, 14.0), 3);
    out.add("citric-max-2", highestFraction(citricAcid, 2, 0.0, 14.0), 3);
    out.add("citric-highest-3-6.5", highestFraction(citricAcid, -1, 3.0, 6.5), 3);
}

/** Decimals of a fitted value and its standard error, as the command line's --fit writes them. */
int decimalsForError(double standardError) {
    return standardError > 0.0 && std::isfinite(standardError) ? model::errorDecimals(standardError)
                                                               : 4;
}

void measuredNumbers(Collector& out, const QByteArray& csv) {
    model::Measurements measured;
    const model::MeasurementsProblem read = model::readMeasurements(
        std::string_view(csv.constData(), static_cast<std::size_t>(csv.size())),
        model::ColumnChoice{}, measured);
    if (!read.problem.empty()) {
        out.fail(QStringLiteral("the sample measurement cannot be read (line %1)").arg(read.line));
        return;
    }
    out.add("measured-points", static_cast<double>(measured.points.size()), 0);

    const model::EndPointAnalysis analysis =
        model::analyseEndPoints(measured.points, kSampleVolume);
    for (const model::EndPoint& end : analysis.endPoints) {
        switch (end.method) {
        case model::EndPointMethod::Derivative:
            out.add("measured-endpoint-derivative", end.volume, 2);
            break;
        case model::EndPointMethod::SecondDerivative:
            out.add("measured-endpoint-second", end.volume, 2);
            break;
        case model::EndPointMethod::Gran:
            out.add("measured-endpoint-gran", end.volume, 2);
            break;
        case model::EndPointMethod::GranExcess:
            out.add("measured-endpoint-gran-excess", end.volume, 2);
            break;
        }
    }

    // The fit starts from a guess well off the truth: 0.08 mol/L and pKa 4.5.
    model::Mixture sample;
    model::WeakSystem acid;
    acid.pK = {4.5};
    acid.concentration = 0.08;
    sample.systems.push_back(acid);
    model::MixtureTitration titration;
    titration.sampleVolume = kSampleVolume;
    const std::vector<model::FitParameter> parameters{{model::FitQuantity::Concentration, 0, 0},
                                                      {model::FitQuantity::Constant, 0, 1}};
    model::TitrationFit fit;
    if (!model::fitTitration(sample, titration, measured.points, parameters, fit).empty()) {
        out.fail(QStringLiteral("the sample measurement cannot be fitted"));
        return;
    }
    out.add("measured-fit-start-conc", acid.concentration, 2);
    out.add("measured-fit-start-pka", acid.pK.front(), 2);
    const model::FittedValue& concentration = fit.values.at(0);
    const model::FittedValue& pKa = fit.values.at(1);
    const int concentrationDecimals = decimalsForError(concentration.standardError);
    const int pKaDecimals = decimalsForError(pKa.standardError);
    out.add("measured-fit-conc", concentration.value, concentrationDecimals);
    out.add("measured-fit-conc-se", concentration.standardError, concentrationDecimals);
    out.add("measured-fit-pka", pKa.value, pKaDecimals);
    out.add("measured-fit-pka-se", pKa.standardError, pKaDecimals);
    out.add("measured-fit-pka-low", pKa.value - 2.0 * pKa.standardError, pKaDecimals);
    out.add("measured-fit-pka-high", pKa.value + 2.0 * pKa.standardError, pKaDecimals);
    out.add("measured-fit-s", fit.residualDeviation, 3);
    out.add("measured-fit-n", fit.pointsUsed, 0);
    out.add("measured-fit-correlation", fit.correlation.at(0).at(1), 2);
    out.add("measured-fit-equivalence", concentration.value * kSampleVolume / 0.1, 2);
}

} // namespace

std::vector<TheoryNumber> theoryNumbers(const QByteArray& measuredCsv, QString* problem) {
    Collector out;
    chargeBalanceNumbers(out);
    titrationNumbers(out);
    bufferNumbers(out);
    activityNumbers(out);
    temperatureNumbers(out);
    figureNumbers(out);
    if (!measuredCsv.isEmpty()) {
        measuredNumbers(out, measuredCsv);
    }
    for (const TheoryNumber& number : out.numbers) {
        if (!std::isfinite(number.value)) {
            out.fail(QStringLiteral("the number %1 is not finite").arg(number.name));
        }
    }
    *problem = out.problem;
    return out.numbers;
}

bool readWrittenIngredients(const std::vector<std::string>& written,
                            std::vector<model::Ingredient>& ingredients, QString* problem) {
    for (const std::string& text : written) {
        model::Ingredient ingredient;
        if (const model::IngredientTextProblem wrong = model::readIngredient(text, ingredient);
            !wrong.empty()) {
            *problem = QStringLiteral("%1: %2").arg(
                QString::fromStdString(text), QString::fromStdString(wrong.problem.english()));
            return false;
        }
        ingredients.push_back(std::move(ingredient));
    }
    return true;
}

QChar decimalPointOf(const QString& language) {
    return language == QLatin1String("en") ? QLatin1Char('.') : QLatin1Char(',');
}

QString numberHtml(const TheoryNumber& number, const QString& language) {
    const QChar separator = decimalPointOf(language);
    const auto written = [&](double value, int decimals) {
        QString text = QString::number(std::abs(value), 'f', decimals);
        text.replace(QLatin1Char('.'), separator);
        // A value that rounds to zero has no sign.
        const bool negative =
            value < 0.0 && std::round(std::abs(value) * std::pow(10.0, decimals)) != 0.0;
        return negative ? QStringLiteral("−") + text : text;
    };
    if (number.style == NumberStyle::Fixed || number.value == 0.0) {
        return written(number.value, number.digits);
    }
    int exponent = static_cast<int>(std::floor(std::log10(std::abs(number.value))));
    double mantissa = number.value / std::pow(10.0, exponent);
    const int decimals = std::max(0, number.digits - 1);
    // 9.996e-4 with three digits is 1.00·10^−3, not 10.0·10^−4.
    if (std::abs(std::round(mantissa * std::pow(10.0, decimals))) >=
        10.0 * std::pow(10.0, decimals)) {
        mantissa /= 10.0;
        ++exponent;
    }
    const QString power =
        exponent < 0 ? QStringLiteral("−%1").arg(-exponent) : QString::number(exponent);
    return QStringLiteral("%1·10<sup>%2</sup>").arg(written(mantissa, decimals), power);
}

} // namespace velmora::theory
