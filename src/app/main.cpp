#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QStandardPaths>

#include <cstdio>

#include "app/MessageBoxReporter.h"
#include "app/Program.h"
#include "panel/PanelAdapters.h"
#include "platform/Fonts.h"
#include "platform/InstallLayout.h"
#include "platform/QtJapanese.h"
#include "platform/TerminationSignals.h"
#include "remote/BoardBus.h"
#include "remote/CommandLine.h"
#include "sound/AudioDevice.h"
#include "sound/SpeechChoice.h"
#include "sound/mdlSndAPI.h"

namespace {

void say(const QString& text) { std::fprintf(stderr, "X9-000: %s\n", qPrintable(text)); }

// A second start: the actions go to the running program, which answers
// each; the first refusal ends the rest. No action brings it to the front.
int handOver(QDBusConnection bus, std::vector<command_line::Action> actions) {
    if (actions.empty()) actions.push_back({QStringLiteral("Show"), {}});
    for (const command_line::Action& action : actions) {
        QDBusMessage call = QDBusMessage::createMethodCall(BoardBus::Service, BoardBus::Path, BoardBus::Interface, action.method);
        call.setArguments(action.args);
        const QDBusMessage reply = bus.call(call);
        if (reply.type() == QDBusMessage::ErrorMessage) {
            say(reply.errorMessage());
            return 1;
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const command_line::Parsed line = command_line::parse(app.arguments().mid(1));
    if (line.help) {
        std::fputs(qPrintable(command_line::usage()), stdout);
        return 0;
    }
    if (!line.error.isEmpty()) {
        say(line.error + QStringLiteral(" (X9-000 --help lists the actions)"));
        return 2;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected() && bus.interface()->isServiceRegistered(BoardBus::Service)) return handOver(bus, line.actions);

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
    // Without a session bus the program runs as ever, only not remotely.
    BoardBus remoteBus(program.remote);
    remoteBus.registerOn(bus);
    QObject::connect(&remoteBus, &BoardBus::showRequested, [&program] { program.bringToFront(); });
    program.start();
    for (const command_line::Action& action : line.actions) {
        const QString refused =
            action.method == QStringLiteral("Show") ? QString() : program.remote.perform(action.method, action.args);
        if (!refused.isEmpty()) say(refused);
    }
    return app.exec();
}
