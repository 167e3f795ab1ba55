// SPDX-License-Identifier: GPL-3.0-or-later
#include "solutiondata.h"

#include "granchart.h"
#include "measuredchart.h"
#include "mixturenames.h"

#include "encode/fractionstable.h"

#include "io/csv.h"

#include "model/mixturecurves.h"
#include "model/samplegrid.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace velmora::charts {

namespace {

constexpr double kLastPh = 14.0;

/**
 * A titration's rows every `step` mL from 0 to its end volume: the volume and `value` of the
 * volume and its pH, under the header "V/mL," and `column`.
 */
template <class AnyTitrator, class Value>
QByteArray alongTitrationCsv(const AnyTitrator& titrator, double step, const QString& column,
                             Value value) {
    const std::vector<double> volumes = model::inclusiveGrid(0.0, titrator.endVolume(), step);
    const std::vector<double> pHs = titrator.pHsAt(volumes);
    QByteArray out = io::csvHeader({QStringLiteral("V/mL"), column});
    for (std::size_t i = 0; i < volumes.size(); ++i) {
        io::appendCsvRow(out, std::array{volumes[i], value(volumes[i], pHs[i])});
    }
    return out;
}

/** The pH itself as a titration's column. */
double phColumn(double /*volume*/, double pH) {
    return pH;
}

} // namespace

QByteArray solutionFractionsCsv(const model::PolyproticAcid& acid, double step) {
    return encode::speciesFractionsCsv(speciesTexts(acid), step,
                                       [&acid](double pH, std::span<double> into) {
                                           const model::SpeciesValues alpha = acid.fractions(pH);
                                           std::copy_n(alpha.begin(), into.size(), into.begin());
                                       });
}

QByteArray logcCsv(const model::PolyproticAcid& acid, double concentration, double step) {
    QByteArray out = io::csvHeader(
        QStringList{QStringLiteral("pH"), QStringLiteral("log[H+]"), QStringLiteral("log[OH-]")} +
        speciesTexts(acid));
    std::vector<double> row(static_cast<std::size_t>(acid.speciesCount()) + 3);
    for (const double pH : model::inclusiveGrid(0.0, kLastPh, step)) {
        row[0] = pH;
        // 0 − pH, not −pH: the first row reads 0, not -0.
        row[1] = 0.0 - pH;
        row[2] = pH - model::kPKw;
        const model::SpeciesValues logC = model::logConcentrations(acid, concentration, pH);
        std::copy_n(logC.begin(), row.size() - 3, row.begin() + 3);
        io::appendCsvRow(out, row);
    }
    return out;
}

QByteArray titrationCsv(const model::PolyproticAcid& acid, const model::Solution& solution,
                        const model::Titration& titration, double step) {
    return alongTitrationCsv(model::Titrator(acid, solution, titration), step, QStringLiteral("pH"),
                             phColumn);
}

QByteArray mixtureFractionsCsv(const model::Mixture& mixture, double step) {
    const model::MixtureCurves curves(mixture);
    const QStringList names = flatNames(mixtureSpeciesNames(mixture, {QStringLiteral("pH")}));
    QByteArray out = io::csvHeader(QStringList{QStringLiteral("pH")} + names);
    std::vector<double> row;
    for (const double pH : model::inclusiveGrid(0.0, kLastPh, step)) {
        row.assign(1, pH);
        for (int s = 0; s < curves.systemCount(); ++s) {
            const model::SpeciesValues alpha = curves.fractions(s, pH);
            row.insert(row.end(), alpha.begin(), alpha.begin() + curves.speciesCount(s));
        }
        io::appendCsvRow(out, row);
    }
    return out;
}

QByteArray mixtureLogcCsv(const model::Mixture& mixture, double step) {
    const model::MixtureCurves curves(mixture);
    const QStringList water{QStringLiteral("pH"), QStringLiteral("log[H+]"),
                            QStringLiteral("log[OH-]")};
    const std::vector<QStringList> names = mixtureSpeciesNames(mixture, water);
    QStringList header = water;
    for (int s = 0; s < curves.systemCount(); ++s) {
        if (mixture.systems[static_cast<std::size_t>(s)].concentration > 0.0) {
            header += names[static_cast<std::size_t>(s)];
        }
    }
    QByteArray out = io::csvHeader(header);
    std::vector<double> row;
    for (const double pH : model::inclusiveGrid(0.0, kLastPh, step)) {
        row.assign({pH, curves.logHydrogen(pH), curves.logHydroxide(pH)});
        for (int s = 0; s < curves.systemCount(); ++s) {
            if (mixture.systems[static_cast<std::size_t>(s)].concentration > 0.0) {
                const model::SpeciesValues c = curves.concentrations(s, pH);
                for (int j = 0; j < curves.speciesCount(s); ++j) {
                    row.push_back(std::log10(c[static_cast<std::size_t>(j)]));
                }
            }
        }
        io::appendCsvRow(out, row);
    }
    return out;
}

QByteArray mixtureTitrationCsv(const model::Mixture& sample,
                               const model::MixtureTitration& titration, double step) {
    return alongTitrationCsv(model::MixtureTitrator(sample, titration), step, QStringLiteral("pH"),
                             phColumn);
}

QByteArray bufferCsv(const model::Mixture& mixture, double step) {
    const model::MixtureCurves curves(mixture);
    QByteArray out = io::csvHeader({QStringLiteral("pH"), QStringLiteral("beta")});
    for (const double pH : model::inclusiveGrid(0.0, kLastPh, step)) {
        io::appendCsvRow(out, std::array{pH, curves.bufferCapacity(pH)});
    }
    return out;
}

QByteArray derivativeCsv(const model::Mixture& sample, const model::MixtureTitration& titration,
                         double step) {
    const model::MixtureTitrator titrator(sample, titration);
    return alongTitrationCsv(
        titrator, step, QStringLiteral("dpH/dV"),
        [&titrator](double volume, double pH) { return titrator.slopeAt(volume, pH); });
}

QByteArray chartCsv(const ChartRequest& request, double step) {
    switch (request.kind) {
    case ChartKind::LogC:
        return request.mixture ? mixtureLogcCsv(*request.mixture, step)
                               : logcCsv(request.acid, request.solution.concentration, step);
    case ChartKind::Titration:
        if (!request.measured.empty()) {
            return measuredTitrationCsv(request);
        }
        return request.mixture
                   ? mixtureTitrationCsv(*request.mixture, request.mixtureTitration, step)
                   : titrationCsv(request.acid, request.solution, request.titration, step);
    case ChartKind::Buffer:
        return bufferCsv(requestMixture(request), step);
    case ChartKind::Derivative:
        if (!request.measured.empty()) {
            return measuredDerivativeCsv(request);
        }
        return derivativeCsv(requestMixture(request), requestMixtureTitration(request), step);
    case ChartKind::Gran:
        return granCsv(request);
    case ChartKind::Fractions:
        break;
    }
    return request.mixture ? mixtureFractionsCsv(*request.mixture, step)
                           : solutionFractionsCsv(request.acid, step);
}

double chartEndVolume(const ChartRequest& request) {
    if (request.kind == ChartKind::Titration && !request.mixture) {
        return model::Titrator(request.acid, request.solution, request.titration).endVolume();
    }
    return model::MixtureTitrator(requestMixture(request), requestMixtureTitration(request))
        .endVolume();
}

double chartCsvRows(const ChartRequest& request, double step) {
    // Measured data and Gran's plot have a row a point, whatever the step.
    if (request.kind == ChartKind::Gran) {
        return granCsvRows(request);
    }
    if (!request.measured.empty() && request.kind == ChartKind::Titration) {
        return static_cast<double>(request.measured.size());
    }
    if (!request.measured.empty() && request.kind == ChartKind::Derivative) {
        return static_cast<double>(request.measured.size()) - 1.0;
    }
    const double last = hasVolumeAxis(request.kind) ? chartEndVolume(request) : kLastPh;
    if (!(step > 0.0)) {
        return 2.0;
    }
    // As inclusiveGrid() counts: the steps short of the end, then the end itself.
    return std::ceil(last / step - 1e-6) + 1.0;
}

} // namespace velmora::charts
