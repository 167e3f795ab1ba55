// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of one mixture's pH: five acid-base systems with twenty species, a strong base and a
// salt, with ideal and with Davies activities; and a titration of three systems with a weak
// titrant, a thousand and one points with Davies activities.

#include "model/mixture.h"
#include "model/mixturetitration.h"

#include <benchmark/benchmark.h>

using namespace velmora;

namespace {

/**
 * Phosphate, citrate, ammonium, carbonate and oxalate: 4 + 4 + 2 + 3 + 3 = 16 species, which with
 * H+, OH−, Na+ and Cl− make twenty.
 */
model::Mixture fiveSystems(model::Activity activity) {
    model::Mixture mixture;
    mixture.systems = {
        {{2.148, 7.198, 12.35}, 0, 0.02, 1, false, {}},
        {{3.13, 4.76, 6.40}, 0, 0.01, 3, false, {}},
        {{9.25}, 1, 0.03, 0, false, {}},
        {{6.35, 10.33}, 0, 0.005, 2, false, {}},
        {{1.25, 4.27}, 0, 0.01, 0, false, {}},
    };
    mixture.strongBase = 0.01;
    mixture.salts = {{0.05, 1, 1}};
    mixture.activity = activity;
    return mixture;
}

void BM_SolveMixture(benchmark::State& state) {
    model::Mixture mixture =
        fiveSystems(state.range(0) == 0 ? model::Activity::Ideal : model::Activity::Davies);
    for (auto _ : state) {
        benchmark::DoNotOptimize(mixture.strongBase);
        const model::MixtureState solved = model::solveMixture(mixture);
        benchmark::DoNotOptimize(solved.pH);
    }
    state.SetLabel(state.range(0) == 0 ? "ideal" : "Davies");
}
BENCHMARK(BM_SolveMixture)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

/**
 * 25 mL of phosphoric, acetic and ammonium (0.02, 0.03, 0.01 M) with 0.1 M sodium carbonate,
 * Davies activities: the curve's 1,001 points.
 */
void BM_TitrationMixture(benchmark::State& state) {
    model::Mixture sample;
    sample.systems = {
        {{2.148, 7.198, 12.35}, 0, 0.02, 0, false, {}},
        {{4.76}, 0, 0.03, 0, false, {}},
        {{9.25}, 1, 0.01, 0, false, {}},
    };
    sample.activity = model::Activity::Davies;
    model::MixtureTitration titration;
    titration.titrant.strongBase = 0.0;
    titration.titrant.systems = {{{6.35, 10.33}, 0, 0.1, 2, false, {}}};
    for (auto _ : state) {
        benchmark::DoNotOptimize(sample.systems.front().concentration);
        const model::MixtureTitrator titrator(sample, titration);
        const std::vector<model::TitrationPoint> curve = titrator.curve(1001);
        benchmark::DoNotOptimize(curve.back().pH);
    }
}
BENCHMARK(BM_TitrationMixture)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
