// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of reading a logger's measured titration: a million rows with a time and a temperature
// column, semicolons and decimal commas, about 25 MB of text made in memory.

#include "model/measurements.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <string>

using namespace velmora;

namespace {

std::string loggerText(int rows) {
    std::string text = "Time (s);Volume (mL);pH;Temperature (°C)\r\ns;mL;;°C\r\n";
    text.reserve(static_cast<std::size_t>(rows) * 28 + text.size());
    char line[64];
    for (int i = 0; i < rows; ++i) {
        const double volume = i * 0.00005;
        const double pH = 7.0 + 4.0 * std::tanh(volume - 25.0) + 0.001 * (i % 7);
        const int length = std::snprintf(line, sizeof line, "%d;%.5f;%.3f;21,5\r\n", i, volume, pH);
        for (int c = 0; c < length; ++c) {
            line[c] = line[c] == '.' ? ',' : line[c];
        }
        text.append(line, static_cast<std::size_t>(length));
    }
    return text;
}

void BM_ReadMeasurements(benchmark::State& state) {
    const std::string text = loggerText(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        model::Measurements measurements;
        const model::MeasurementsProblem problem = model::readMeasurements(text, {}, measurements);
        if (!problem.empty()) {
            state.SkipWithError(problem.problem.english().c_str());
            break;
        }
        benchmark::DoNotOptimize(measurements.points.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ReadMeasurements)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
