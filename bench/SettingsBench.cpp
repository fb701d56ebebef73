#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include <memory>

#include "Form1.h"
#include "QuietServices.h"
#include "SharedState.h"
#include "frmCtl.h"
#include "frmOption.h"
#include "mdlIniIo.h"
#include "mdlM_Tape.h"

// The settings file as the program uses it: saved at the confirmed close,
// loaded and applied to the shown board, panel and options dialog at start-up.

namespace {

// The program's windows with settings that differ from the defaults.
struct Program {
    Program() {
        panel.Form_Load(tape);
        board.attachPanel(&panel);
        board.Form_Load();
        board.show();
        panel.show();
        shared.options.dataFolders.FareDataDir = QStringLiteral("/home/user/運賃データ");
        shared.options.sound.StepSound = QStringLiteral("/home/user/sounds/step.mp3");
        shared.options.degit.DegitLitColor = 0x00FF00;
        shared.options.panel.SeiriNumStyle = 5;
        QApplication::processEvents();
    }

    QTemporaryDir dir;
    SharedState shared;
    NoMessages messages;
    NoSound sound;
    Form1 board{shared, messages};
    frmCtl panel{board, shared, messages, sound};
    mdlM_Tape tape{shared.options, sound, panel, [] { return std::unique_ptr<TextToSpeech>(); },
                   [] { return QStringLiteral("Linux"); }};
    frmOption dialog{shared, board, panel, messages};
    Options optionInfo;
    mdlIniIo ini{board, panel, dialog, shared, optionInfo, messages, dir.filePath(QStringLiteral("X9-000")), QString()};
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
