#include <benchmark/benchmark.h>

#include <QApplication>
#include "bench/support/QuietServices.h"
#include "settings/mdlIniIo.h"

// The settings file as the program uses it: saved at the confirmed close,
// loaded and applied to the shown board, panel and options dialog at start-up.

namespace {

// The program's windows with settings that differ from the defaults.
struct Program {
    Program() {
        shared.options.dataFolders.FareDataDir = QStringLiteral("/home/user/運賃データ");
        shared.options.sound.StepSound = QStringLiteral("/home/user/sounds/step.mp3");
        shared.options.degit.DegitLitColor = 0x00FF00;
        shared.options.panel.SeiriNumStyle = 5;
        QApplication::processEvents();
    }

    QuietProgram quiet;
    SharedState& shared = quiet.shared;
    NoMessages& messages = quiet.messages;
    mdlIniIo& ini = quiet.program.settings;
};

void saveIni(benchmark::State& state) {
    Program program;
    for (auto _ : state) program.ini.SaveIni();
    if (program.messages.reported) state.SkipWithError("the save failed");
}

void loadIniAndApply(benchmark::State& state) {
    Program program;
    program.ini.SaveIni();
    for (auto _ : state) {
        program.ini.LoadIni();
        QApplication::processEvents();
    }
    if (program.messages.reported) state.SkipWithError("the load failed");
}

}  // namespace

BENCHMARK(saveIni)->Unit(benchmark::kMillisecond)->Iterations(300);
BENCHMARK(loadIniAndApply)->Unit(benchmark::kMillisecond)->Iterations(300);
