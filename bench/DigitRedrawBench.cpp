#include <benchmark/benchmark.h>


#include "controls/digit/M_Degit.h"
#include "controls/digit/M_DegitEmNB.h"
#include "platform/Twips.h"

// One redraw of a display, as a fare or clock update causes it.
static void redraw(DegitBase& display, benchmark::State& state) {
    display.setKeta(static_cast<qint16>(state.range(0)));
    int value = 0;
    for (auto _ : state) {
        display.setValue(DigitValue::number(value));
        value = (value + 7) % 1000;
    }
}

static void clockDisplay(benchmark::State& state) {
    M_Degit display;
    redraw(display, state);
}

// A fare field at its size on the board.
static void fareDisplay(benchmark::State& state) {
    M_DegitEmNB display;
    display.resize(twips::toPixels(975, 510));
    redraw(display, state);
}

BENCHMARK(clockDisplay)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(fareDisplay)->Arg(3)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
