// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of fitting the titration model to a measured titration: 60 points of acetic acid
// titrated with sodium hydroxide, its concentration, pKa and the electrode's offset fitted from a
// start away from the values the points were made with.

#include "model/titrationfit.h"

#include <benchmark/benchmark.h>

#include <cmath>

using namespace velmora;

namespace {

void BM_FitTitration(benchmark::State& state) {
    model::Mixture truth;
    truth.systems = {{{4.76}, 0, 0.1}};
    model::MixtureTitration titration;
    titration.sampleVolume = 25.0;
    std::vector<model::TitrationPoint> points;
    for (int i = 0; i < 60; ++i) {
        points.push_back({0.6 * (i + 1), 0.0});
    }
    const std::vector<double> pHs = model::modelPhAt(truth, titration, points, 0.02);
    for (std::size_t i = 0; i < points.size(); ++i) {
        // A fixed pattern of deviations of about 0.01 pH stands for the noise of a pH meter.
        points[i].pH = pHs[i] + 0.01 * std::sin(1.7 * static_cast<double>(i));
    }
    model::Mixture start = truth;
    start.systems.front().concentration = 0.12;
    start.systems.front().pK = {5.0};
    const std::vector<model::FitParameter> parameters{
        {model::FitQuantity::Concentration, 0, 0},
        {model::FitQuantity::Constant, 0, 1},
        {model::FitQuantity::PhOffset, 0, 0},
    };
    for (auto _ : state) {
        model::TitrationFit fit;
        const model::FitProblem problem =
            model::fitTitration(start, titration, points, parameters, fit);
        if (!problem.empty()) {
            state.SkipWithError("the fit was refused");
            break;
        }
        benchmark::DoNotOptimize(fit.values.front().value);
    }
}
BENCHMARK(BM_FitTitration)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
