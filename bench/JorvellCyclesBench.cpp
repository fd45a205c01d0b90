// Memory over ten level cycles driven in one process, in the game's window
// on the X display: title, PLAY, the level for a number of frames, its end,
// and the title again. The resident size (VmRSS) after each cycle is given as
// the counters rss_cycleN_kib; growth_2_to_10_pct is cycle 10 against cycle 2
// (the goal: within 1 %). The C library's count of the bytes allocated and
// not freed (heap_in_use_cycleN_kib, heap_growth_2_to_10_pct) shows growth
// without the resident size's ups and downs from where freed blocks lie.
// Built with -DZELK_SANITIZE=ON, LeakSanitizer checks at the program's end
// that nothing of the cycles is left behind.
//
//   xvfb-run -a -s "-screen 0 1280x1024x24" ./JorvellCyclesBench
#include "JorvellBench.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <malloc.h>
#include <string>

namespace {

const int cycles = 10;
const int levelFrames = 120;
const int titleFrames = 10;

// The resident size of this process in KiB, or 0 when unknown.
double residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string field;
    while (status >> field) {
        if (field == "VmRSS:") {
            double kib = 0.0;
            status >> kib;
            return kib;
        }
    }
    return 0.0;
}

// The bytes allocated and not yet freed, in KiB.
double heapInUseKiB() {
    struct mallinfo2 heap = mallinfo2();
    return static_cast<double>(heap.uordblks + heap.hblkhd) / 1024.0;
}

// The counters of a value per cycle, and its growth from cycle 2 to 10.
void report(benchmark::State& state, const std::string& name, const char* growth,
            const std::vector<double>& values) {
    for (size_t i = 0; i < values.size(); i++) {
        state.counters[name + "_cycle" + std::to_string(i + 1) + "_kib"] = values[i];
    }
    if (values.size() >= 10 && values[1] > 0.0) {
        state.counters[growth] = 100.0 * (values[9] - values[1]) / values[1];
    }
}

void TenLevelCycles(benchmark::State& state) {
    zelk::Window window;
    if (!jorvellbench::openGame(state, window)) {
        return;
    }
    JorvellControlView control;
    jorvellbench::showControl(window, control);
    std::vector<double> resident;
    std::vector<double> inUse;
    for (auto _ : state) {
        for (int cycle = 1; cycle <= cycles; cycle++) {
            jorvellbench::startLevel(window, control);
            for (int i = 0; i < levelFrames; i++) {
                jorvellbench::frame(window);
            }
            control.gameplayScreen.ended = true;
            for (int i = 0; i < titleFrames; i++) {
                jorvellbench::frame(window);
            }
            if (control.screenState != 1) {
                state.SkipWithError("the level did not end on the title");
                return;
            }
            resident.push_back(residentKiB());
            inUse.push_back(heapInUseKiB());
        }
    }
    report(state, "rss", "growth_2_to_10_pct", resident);
    report(state, "heap_in_use", "heap_growth_2_to_10_pct", inUse);
}

} // namespace

BENCHMARK(TenLevelCycles)->Unit(benchmark::kMillisecond)->Iterations(1);
