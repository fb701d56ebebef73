#include <benchmark/benchmark.h>

#include <QApplication>

#include "board/Form1.h"
#include "board/SharedState.h"

// A zoom change as the board's menu makes it, to the board repainted: the face,
// the displays and the captions drawn afresh at the new size, from 100 %.
static void zoomChange(benchmark::State& state) {
    SharedState shared;
    Form1 board(shared);
    board.setupModel(Backlight::Off);
    for (int i = 1; i <= 8; ++i) board.showFare(i, DigitValue::number(100 * i));
    board.show();
    QApplication::processEvents();
    const BoardZoom zoom = BoardZoom::level(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        board.setZoom(BoardZoom::level(100));
        QApplication::processEvents();
        board.repaint();
        state.ResumeTiming();
        board.setZoom(zoom);
        QApplication::processEvents();
        board.repaint();
    }
}

BENCHMARK(zoomChange)->Arg(200)->Arg(400)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
