#include <QApplication>
#include <QStandardPaths>

#include "AudioDevice.h"
#include "Fonts.h"
#include "Form1.h"
#include "MessageBoxReporter.h"
#include "PanelAdapters.h"
#include "QtJapanese.h"
#include "SharedState.h"
#include "SpeechEngine.h"
#include "TerminationSignals.h"
#include "frmCtl.h"
#include "frmOption.h"
#include "mdlIniIo.h"
#include "mdlM_Tape.h"
#include "mdlSndAPI.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    qt_japanese::install(app);
    termination_signals::quitOnSignals();
    fonts::registerApplicationFonts();

    SharedState state;
    MessageBoxReporter messages;
    AudioDevice device;
    mdlSndAPI soundApi(device);
    SndApiSound sound(soundApi);

    Form1 board(state, messages);
    frmCtl panel(board, state, messages, sound);
    mdlM_Tape tape(state.options, sound, panel, [&device] { return SpeechEngine::create(device); });
    panel.Form_Load(tape);
    board.attachPanel(&panel);
    frmOption options(state, board, panel, messages);
    panel.setOptionsDialog([&options] { options.exec(); });
    Options optionInfo;
    mdlIniIo settings(board, panel, options, state, optionInfo, messages, QCoreApplication::applicationFilePath(),
                      QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    panel.setSettingsSaver([&settings] { settings.SaveIni(); });
    board.setSettingsLoader([&settings] { settings.LoadIni(); });
    board.Form_Load();
    board.show();
    return app.exec();
}
