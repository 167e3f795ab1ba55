// SPDX-License-Identifier: GPL-3.0-or-later
#include "solutiondata.h"

#include "csv.h"

#include "model/samplegrid.h"

#include <cmath>

namespace velmora::diagram {

namespace {

constexpr double kLastPh = 14.0;

/** The header line: the leading columns' titles, then the species' names. */
QByteArray header(const QStringList& leading, const model::PolyproticAcid& acid) {
    return csvHeader(leading + speciesTexts(acid));
}

} // namespace

QByteArray solutionFractionsCsv(const model::PolyproticAcid& acid, double step) {
    QByteArray out = header({QStringLiteral("pH")}, acid);
    for (const double pH : model::inclusiveGrid(0.0, kLastPh, step)) {
        appendCsvNumber(out, pH);
        const model::SpeciesValues alpha = acid.fractions(pH);
        for (int j = 0; j < acid.speciesCount(); ++j) {
            out += ',';
            appendCsvNumber(out, alpha[static_cast<std::size_t>(j)]);
        }
        out += '\n';
    }
    return out;
}

QByteArray logcCsv(const model::PolyproticAcid& acid, double concentration, double step) {
    QByteArray out =
        header({QStringLiteral("pH"), QStringLiteral("log[H+]"), QStringLiteral("log[OH-]")}, acid);
    for (const double pH : model::inclusiveGrid(0.0, kLastPh, step)) {
        appendCsvNumber(out, pH);
        out += ',';
        // 0 − pH, not −pH: the first row reads 0, not -0.
        appendCsvNumber(out, 0.0 - pH);
        out += ',';
        appendCsvNumber(out, pH - model::kPKw);
        const model::SpeciesValues logC = model::logConcentrations(acid, concentration, pH);
        for (int j = 0; j < acid.speciesCount(); ++j) {
            out += ',';
            appendCsvNumber(out, logC[static_cast<std::size_t>(j)]);
        }
        out += '\n';
    }
    return out;
}

QByteArray titrationCsv(const model::PolyproticAcid& acid, const model::Solution& solution,
                        const model::Titration& titration, double step) {
    const model::Titrator titrator(acid, solution, titration);
    const std::vector<double> volumes = model::inclusiveGrid(0.0, titrator.endVolume(), step);
    const std::vector<double> pHs = titrator.pHsAt(volumes);
    QByteArray out = csvHeader({QStringLiteral("V/mL"), QStringLiteral("pH")});
    for (std::size_t i = 0; i < volumes.size(); ++i) {
        appendCsvNumber(out, volumes[i]);
        out += ',';
        appendCsvNumber(out, pHs[i]);
        out += '\n';
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

} // namespace velmora::diagram
