// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's three costs: the model stage, one whole redraw, one PNG export.

#include "diagram/export.h"
#include "diagram/retainedplot.h"

#include "model/acid.h"
#include "model/fractions.h"

#include "benchmain.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace velmora;

namespace {

/**
 * The model stage of a redraw after a bar moved: the constants from the exponents, then the
 * species terms of all 422 columns.
 */
void BM_ModelStage(benchmark::State& state) {
    auto table = std::make_unique<model::ColumnTable>();
    for (auto _ : state) {
        const model::Acid acid(model::kStartExponents);
        model::computeColumns(acid, *table);
        benchmark::DoNotOptimize(table->k.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ModelStage);

/** One whole diagram of the start acid onto the retained plot at 1x. */
void BM_Redraw(benchmark::State& state) {
    diagram::RetainedPlot plot(1.0);
    const model::Acid acid = model::Acid::startAcid();
    for (auto _ : state) {
        const diagram::DrawnDiagram drawn = plot.redraw(acid);
        benchmark::DoNotOptimize(drawn);
    }
}
BENCHMARK(BM_Redraw)->Unit(benchmark::kMicrosecond);

/** One PNG export of the start diagram, file writing included. */
void BM_ExportPng(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("diagram.png"));
    diagram::ExportRequest request;
    request.acid = model::Acid::startAcid();
    for (auto _ : state) {
        const QString problem = diagram::writeExport(path, encode::ExportFormat::Png, request);
        if (!problem.isEmpty()) {
            state.SkipWithError(qPrintable(problem));
            break;
        }
    }
}
BENCHMARK(BM_ExportPng)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks<QGuiApplication>(argc, argv);
}
