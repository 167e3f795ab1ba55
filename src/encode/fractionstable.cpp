// SPDX-License-Identifier: GPL-3.0-or-later
#include "fractionstable.h"

#include "io/csv.h"

#include "model/samplegrid.h"

#include <vector>

namespace velmora::encode {

namespace {

constexpr double kLastPh = 14.0;

} // namespace

QByteArray speciesFractionsCsv(const QStringList& species, double step,
                               const SpeciesFractions& fractions) {
    QByteArray out = io::csvHeader(QStringList{QStringLiteral("pH")} + species);
    std::vector<double> row(static_cast<std::size_t>(species.size()) + 1);
    for (const double pH : model::inclusiveGrid(0.0, kLastPh, step)) {
        row[0] = pH;
        fractions(pH, std::span(row).subspan(1));
        io::appendCsvRow(out, row);
    }
    return out;
}

} // namespace velmora::encode
