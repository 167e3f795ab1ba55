// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of one mixture's pH: five acid-base systems with twenty species, a strong base and a
// salt, with ideal and with Davies activities.

#include "model/mixture.h"

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

} // namespace

BENCHMARK_MAIN();
