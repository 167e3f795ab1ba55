// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of the ordering cascade in the real main window: bar 4 moved below the other three
// moves bars 3, 2 and 1 in nested handlings, with four redraws and the label updates. One bar step
// with the solution window open beside it, following. And the time each window takes to open.

#include "benchmain.h"

#include "ui/main/mainwindow.h"
#include "ui/solution/chartview.h"
#include "ui/solution/solutioncompanion.h"
#include "ui/solution/solutionwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>

using velmora::ui::MainWindow;

namespace {

void BM_Cascade(benchmark::State& state) {
    MainWindow window;
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        window.pKaBar(3)->setValue(20);
        state.PauseTiming();
        // Back to the start acid, highest bar first so that nothing is pushed.
        window.pKaBar(3)->setValue(123);
        window.pKaBar(2)->setValue(97);
        window.pKaBar(1)->setValue(54);
        window.pKaBar(0)->setValue(21);
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Cascade)->Unit(benchmark::kMicrosecond);

/**
 * The solution window reads and writes its settings in a folder of its own while benchmarks run,
 * never in the user's: the configuration folder is a temporary one until the end of the scope.
 */
class TemporarySettings {
public:
    TemporarySettings() : m_previous(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_folder.path()));
    }
    ~TemporarySettings() {
        if (m_previous.isEmpty()) {
            qunsetenv("XDG_CONFIG_HOME");
        } else {
            qputenv("XDG_CONFIG_HOME", m_previous);
        }
    }
    TemporarySettings(const TemporarySettings&) = delete;
    TemporarySettings& operator=(const TemporarySettings&) = delete;

private:
    QTemporaryDir m_folder;
    QByteArray m_previous;
};

/** Runs the event loop until `widget`'s window is on the screen; false after 5 s. */
bool waitExposed(QWidget& widget) {
    QElapsedTimer clock;
    clock.start();
    while (widget.windowHandle() == nullptr || !widget.windowHandle()->isExposed()) {
        if (clock.elapsed() > 5000) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return true;
}

/** Sizes the solution window so that its shown view is `size`. */
void sizeShownView(velmora::ui::SolutionWindow& solution, const QSize& size) {
    for (int attempt = 0; attempt < 3 && solution.shownView()->size() != size; ++attempt) {
        solution.resize(solution.size() + size - solution.shownView()->size());
        QApplication::processEvents();
    }
}

/**
 * One step of bar 1 with the solution window open and following: the main window's redraw and
 * the solution window's update of its shown view (range(0): 0 fractions, 1 log c, 2 titration)
 * at 960 x 600.
 */
void BM_CascadeWithSolutionWindow(benchmark::State& state) {
    const TemporarySettings settings;
    MainWindow window;
    window.show();
    window.solution().open();
    velmora::ui::SolutionWindow& solution = *window.solution().window();
    solution.tabs()->setCurrentIndex(static_cast<int>(state.range(0)));
    sizeShownView(solution, QSize(960, 600));
    if (solution.shownView()->size() != QSize(960, 600)) {
        state.SkipWithError("the view could not be sized to 960 x 600");
        return;
    }
    QApplication::processEvents();
    const int builds = solution.shownView()->builds();
    int value = 21;
    for (auto _ : state) {
        value = value == 21 ? 22 : 21;
        window.pKaBar(0)->setValue(value);
    }
    if (solution.shownView()->builds() - builds != static_cast<int>(state.iterations())) {
        state.SkipWithError("the shown view did not follow every step");
    }
}
BENCHMARK(BM_CascadeWithSolutionWindow)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->ArgName("view")
    ->Unit(benchmark::kMicrosecond);

/** The main window from its construction (its load) until it is exposed. */
void BM_OpenMainWindow(benchmark::State& state) {
    for (auto _ : state) {
        MainWindow window;
        window.show();
        if (!waitExposed(window)) {
            state.SkipWithError("the main window was not exposed");
        }
        state.PauseTiming();
        window.close();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenMainWindow)->Unit(benchmark::kMicrosecond);

/**
 * The solution window from "Solution…" until it is exposed with its shown view drawn, at its
 * first size.
 */
void BM_OpenSolutionWindow(benchmark::State& state) {
    const TemporarySettings settings;
    MainWindow window;
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        window.solution().open();
        velmora::ui::SolutionWindow* solution = window.solution().window();
        if (!waitExposed(*solution) || solution->shownView()->isStale()) {
            state.SkipWithError("the solution window was not exposed and drawn");
        }
        state.PauseTiming();
        solution->close();
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenSolutionWindow)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks<QApplication>(argc, argv);
}
