// SPDX-License-Identifier: GPL-3.0-or-later
#include "solutiondata.h"

#include "encode/fractionstable.h"

#include "io/csv.h"

#include "model/samplegrid.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace velmora::charts {

namespace {

constexpr double kLastPh = 14.0;

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
    const model::Titrator titrator(acid, solution, titration);
    const std::vector<double> volumes = model::inclusiveGrid(0.0, titrator.endVolume(), step);
    const std::vector<double> pHs = titrator.pHsAt(volumes);
    QByteArray out = io::csvHeader({QStringLiteral("V/mL"), QStringLiteral("pH")});
    for (std::size_t i = 0; i < volumes.size(); ++i) {
        io::appendCsvRow(out, std::array{volumes[i], pHs[i]});
    }
    return out;
}

QByteArray chartCsv(const ChartRequest& request, double step) {
    switch (request.kind) {
    case ChartKind::LogC:
        return logcCsv(request.acid, request.solution.concentration, step);
    case ChartKind::Titration:
        return titrationCsv(request.acid, request.solution, request.titration, step);
    case ChartKind::Fractions:
        break;
    }
    return solutionFractionsCsv(request.acid, step);
}

double chartCsvRows(const ChartRequest& request, double step) {
    const double last =
        request.kind == ChartKind::Titration
            ? model::Titrator(request.acid, request.solution, request.titration).endVolume()
            : kLastPh;
    if (!(step > 0.0)) {
        return 2.0;
    }
    // As inclusiveGrid() counts: the steps short of the end, then the end itself.
    return std::ceil(last / step - 1e-6) + 1.0;
}

} // namespace velmora::charts
