#include "app/Program.h"

#include <QFileInfo>
#include <QObject>

#include "settings/DemoSettings.h"

Program::Program(ProgramServices services)
    : board(state),
      panel(board, state, services.messages, services.sound),
      tape(state.options, services.sound, panel, std::move(services.createSpeechEngine),
           std::move(services.systemName)),
      options(state, board, optionsHost, services.messages),
      settings(board, panel, options, state, optionInfo, services.messages, std::move(services.executablePath),
               std::move(services.fallbackFolder)),
      demoFolder_(std::move(services.demoFolder)) {
    panel.Form_Load(tape);
    // While a display's format dialog is open, the panel waits.
    QObject::connect(&board, &Form1::formatDialogOpen, &panel, [this](bool open) { panel.setEnabled(!open); });
    QObject::connect(&panel, &frmCtl::optionsRequested, &options, [this] { options.exec(); });
    QObject::connect(&panel, &frmCtl::closeConfirmed, &panel, [this] { settings.SaveIni(); });
    QObject::connect(&remote, &PanelRemote::statusChanged, &panel,
                     [this](const PanelStatus& now) { panel.setWindowTitle(now.title()); });
}

void Program::start() {
    board.setupModel(panel.selectedBacklight());
    panel.setStopNameControlsEnabled(!state.NoChimei);
    // The panel is a window of its own (no owner), above the others, at the
    // bottom-right corner; the board takes the top-left one.
    panel.show();
    panel.raise();
    board.placeAtStart();
    panel.moveToBottomRight();
    if (!demoFolder_.isEmpty() && !QFileInfo::exists(settings.loadSource()))
        demo_settings::write(settings.saveTarget(), demoFolder_);
    settings.LoadIni();
    board.show();
}

void Program::bringToFront() {
    for (QWidget* window : {static_cast<QWidget*>(&board), static_cast<QWidget*>(&panel)}) {
        window->show();
        window->raise();
    }
    panel.activateWindow();
}
