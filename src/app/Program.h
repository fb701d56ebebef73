#pragma once

#include <QString>

#include "board/Form1.h"
#include "board/SharedState.h"
#include "formats/Options.h"
#include "options/OptionsHost.h"
#include "options/frmOption.h"
#include "panel/PanelServices.h"
#include "panel/frmCtl.h"
#include "remote/PanelRemote.h"
#include "settings/mdlIniIo.h"
#include "sound/mdlM_Tape.h"

class MessageReporter;

// What the program is built on: where messages go, the sound channels, the
// speech engine, and where the settings file lives. main() gives the real
// ones; tests and benchmarks give fakes.
struct ProgramServices {
    MessageReporter& messages;
    PanelSound& sound;
    mdlM_Tape::EngineFactory createSpeechEngine;
    // The executable's path names the settings file; the fallback folder
    // holds it when the executable's folder cannot be written.
    QString executablePath;
    QString fallbackFolder;
    // The system's name as the announcements' engine check sees it; empty
    // for the running system's.
    mdlM_Tape::OsInfo systemName = {};
    // The demo data set an installed program ships; a first start without a
    // settings file begins with it. Empty for none.
    QString demoFolder = {};
};

// The options dialog's view of the panel: the backlight state, the ticket
// preview and the company list, and nothing else of it.
class PanelOptionsHost : public OptionsHost {
public:
    explicit PanelOptionsHost(frmCtl& panel) : panel_(panel) {}
    Backlight selectedBacklight() const override { return panel_.selectedBacklight(); }
    void reapplyBacklight() override { panel_.reapplyBacklight(); }
    QWidget& ticketPreview() override { return panel_.ticketPreview(); }
    QComboBox& companyList() override { return panel_.companyList(); }

private:
    frmCtl& panel_;
};

// The whole program: the shared state, the board, the panel with its
// announcements, the options dialog and the settings file, wired together
// here and nowhere else.
class Program {
public:
    explicit Program(ProgramServices services);

    // The start-up: the model set-up, the panel shown and placed, the board
    // placed and shaped, the settings loaded (the demo's at a first start of
    // an installed program), the board shown.
    void start();
    // The panel and the board in front, as a second start asks.
    void bringToFront();

    SharedState state;
    Form1 board;
    frmCtl panel;
    mdlM_Tape tape;
    // The panel driven by other programs; its status is the panel's title too.
    PanelRemote remote{panel, state, tape};
    PanelOptionsHost optionsHost{panel};
    frmOption options;
    // The stored image of the options the settings file reads and writes.
    Options optionInfo;
    mdlIniIo settings;

private:
    QString demoFolder_;
};
