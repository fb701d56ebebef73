#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "bench/support/PanelStep.h"

// A step of the bus (bench/support/PanelStep.h), with and without the ticket
// preview.

namespace {

void step(benchmark::State& state, bool preview) {
    panel_step::Bus bus(preview);
    if (!bus.ready()) return state.SkipWithError("no fare file");

    std::vector<double> ms;
    for (auto _ : state) ms.push_back(bus.step());
    std::nth_element(ms.begin(), ms.begin() + ms.size() / 2, ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
}

void stepWithoutPreview(benchmark::State& state) { step(state, false); }
void stepWithPreview(benchmark::State& state) { step(state, true); }

}  // namespace

BENCHMARK(stepWithoutPreview)->Unit(benchmark::kMillisecond)->Iterations(600);
BENCHMARK(stepWithPreview)->Unit(benchmark::kMillisecond)->Iterations(600);
