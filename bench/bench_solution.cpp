// SPDX-License-Identifier: GPL-3.0-or-later
// The solution's costs: one pH, one titration curve, the charts at the default size (the buffer
// capacity and the titration's derivative among them) and a maximised window's redraw.

#include "charts/solutionchart.h"

#include "model/polyprotic.h"
#include "model/solution.h"
#include "model/titration.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "benchmain.h"

#include <benchmark/benchmark.h>

#include <array>

using namespace velmora;

namespace {

/** The main window's start acid: tetraprotic, pKa 2.1, 5.4, 9.7, 12.3. */
model::PolyproticAcid tetraprotic() {
    static constexpr std::array<double, 4> kPka{2.1, 5.4, 9.7, 12.3};
    return model::PolyproticAcid(kPka);
}

/** 0.1 mol/L of the tetraprotic acid dissolved as NaH3A, from a cold start at pH 7. */
void BM_SolvePh(benchmark::State& state) {
    const model::PolyproticAcid acid = tetraprotic();
    model::Solution solution{0.1, 1, 0.0, 0.0};
    for (auto _ : state) {
        benchmark::DoNotOptimize(solution.concentration);
        const double pH = model::solvePh(model::ChargeBalance(acid, solution));
        benchmark::DoNotOptimize(pH);
    }
}
BENCHMARK(BM_SolvePh)->Unit(benchmark::kNanosecond);

/** 25 mL of 0.1 mol/L of the tetraprotic acid with 0.1 mol/L NaOH: 1,001 points with dilution. */
void BM_Titration(benchmark::State& state) {
    const model::PolyproticAcid acid = tetraprotic();
    const model::Titrator titrator(acid, model::Solution{}, model::Titration{});
    for (auto _ : state) {
        const std::vector<model::TitrationPoint> curve = titrator.curve(1001);
        benchmark::DoNotOptimize(curve.data());
    }
}
BENCHMARK(BM_Titration)->Unit(benchmark::kMicrosecond);

charts::ChartRequest requestOf(charts::ChartKind kind) {
    charts::ChartRequest request;
    request.kind = kind;
    request.acid = tetraprotic();
    request.showSolution = true;
    return request;
}

/** One repaint of a chart kept between redraws, 960 x 600 at 1x, into an image. */
void paintRepeatedly(benchmark::State& state, charts::ChartKind kind) {
    charts::SolutionChart chart(requestOf(kind));
    QImage image(charts::kDefaultChartSize, QImage::Format_RGB32);
    const QRectF area(QPointF(0, 0), QSizeF(charts::kDefaultChartSize));
    for (auto _ : state) {
        QPainter painter(&image);
        chart.paint(painter, area);
    }
}

void BM_LogcDrawing(benchmark::State& state) {
    paintRepeatedly(state, charts::ChartKind::LogC);
}
BENCHMARK(BM_LogcDrawing)->Unit(benchmark::kMicrosecond);

void BM_FractionsDrawing(benchmark::State& state) {
    paintRepeatedly(state, charts::ChartKind::Fractions);
}
BENCHMARK(BM_FractionsDrawing)->Unit(benchmark::kMicrosecond);

void BM_TitrationDrawing(benchmark::State& state) {
    paintRepeatedly(state, charts::ChartKind::Titration);
}
BENCHMARK(BM_TitrationDrawing)->Unit(benchmark::kMicrosecond);

/**
 * One step of a bar with a chart open: a new acid (pKa1 moved by 0.1 in turn) recomputed and
 * repainted at `size`, what a window following the main window does on every change. A new
 * request each time, so that nothing laid out before is reused.
 */
void updateRepeatedly(benchmark::State& state, charts::ChartKind kind,
                      QSize size = charts::kDefaultChartSize) {
    charts::ChartRequest request = requestOf(kind);
    request.size = size;
    charts::SolutionChart chart(request);
    QImage image(size, QImage::Format_RGB32);
    const QRectF area(QPointF(0, 0), QSizeF(size));
    int step = 0;
    for (auto _ : state) {
        const std::array<double, 4> pKa{1.5 + 0.1 * (step++ % 5), 5.4, 9.7, 12.3};
        request.acid = model::PolyproticAcid(pKa);
        chart.setRequest(request);
        QPainter painter(&image);
        chart.paint(painter, area);
    }
}

/**
 * A maximised window's redraw on a 1920 x 1080 screen: the chart drawn anew at that size, its
 * texts and lines grown with it, the frame's budget 16 ms.
 */
void maximisedRedraw(benchmark::State& state, charts::ChartKind kind) {
    updateRepeatedly(state, kind, QSize(1920, 1080));
}

void BM_MaximisedFractions(benchmark::State& state) {
    maximisedRedraw(state, charts::ChartKind::Fractions);
}
BENCHMARK(BM_MaximisedFractions)->Unit(benchmark::kMillisecond);

void BM_MaximisedLogc(benchmark::State& state) {
    maximisedRedraw(state, charts::ChartKind::LogC);
}
BENCHMARK(BM_MaximisedLogc)->Unit(benchmark::kMillisecond);

void BM_MaximisedTitration(benchmark::State& state) {
    maximisedRedraw(state, charts::ChartKind::Titration);
}
BENCHMARK(BM_MaximisedTitration)->Unit(benchmark::kMillisecond);

void BM_LogcUpdate(benchmark::State& state) {
    updateRepeatedly(state, charts::ChartKind::LogC);
}
BENCHMARK(BM_LogcUpdate)->Unit(benchmark::kMicrosecond);

void BM_TitrationUpdate(benchmark::State& state) {
    updateRepeatedly(state, charts::ChartKind::Titration);
}
BENCHMARK(BM_TitrationUpdate)->Unit(benchmark::kMicrosecond);

void BM_BufferDrawing(benchmark::State& state) {
    paintRepeatedly(state, charts::ChartKind::Buffer);
}
BENCHMARK(BM_BufferDrawing)->Unit(benchmark::kMicrosecond);

/** The buffer capacity recomputed (the solution solved, β at 561 pH values) and drawn. */
void BM_BufferUpdate(benchmark::State& state) {
    updateRepeatedly(state, charts::ChartKind::Buffer);
}
BENCHMARK(BM_BufferUpdate)->Unit(benchmark::kMicrosecond);

void BM_DerivativeUpdate(benchmark::State& state) {
    updateRepeatedly(state, charts::ChartKind::Derivative);
}
BENCHMARK(BM_DerivativeUpdate)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks<QGuiApplication>(argc, argv);
}
