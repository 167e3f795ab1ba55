// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of the ordering cascade in the real main window: bar 4 moved below the other three
// moves bars 3, 2 and 1 in nested handlings, with four redraws and the label updates.

#include "benchmain.h"

#include "ui/main/phh.h"

#include <QApplication>
#include <QScrollBar>

#include <benchmark/benchmark.h>

using velmora::ui::pHH;

namespace {

void BM_Cascade(benchmark::State& state) {
    pHH window;
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        window.VScroll1(4)->setValue(20);
        state.PauseTiming();
        // Back to the start acid, highest bar first so that nothing is pushed.
        window.VScroll1(4)->setValue(123);
        window.VScroll1(3)->setValue(97);
        window.VScroll1(2)->setValue(54);
        window.VScroll1(1)->setValue(21);
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Cascade)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks<QApplication>(argc, argv);
}
