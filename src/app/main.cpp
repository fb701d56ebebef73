#include <QApplication>
#include <QStandardPaths>

#include "app/MessageBoxReporter.h"
#include "app/Program.h"
#include "panel/PanelAdapters.h"
#include "platform/Fonts.h"
#include "platform/InstallLayout.h"
#include "platform/QtJapanese.h"
#include "platform/TerminationSignals.h"
#include "sound/AudioDevice.h"
#include "sound/SpeechChoice.h"
#include "sound/mdlSndAPI.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    qt_japanese::install(app);
    termination_signals::quitOnSignals();
    fonts::registerApplicationFonts();

    MessageBoxReporter messages;
    AudioDevice device;
    mdlSndAPI soundApi(device);
    SndApiSound sound(soundApi);
    Program program({messages, sound, [&device] { return chooseSpeechEngine(device); },
                     QCoreApplication::applicationFilePath(),
                     QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation), {},
                     install_layout::demoFolder()});
    program.start();
    return app.exec();
}
