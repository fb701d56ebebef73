#pragma once

#include <memory>

#include "Form1.h"
#include "MessageReporter.h"
#include "PanelServices.h"
#include "SharedState.h"
#include "frmCtl.h"
#include "mdlM_Tape.h"

// The panel's services for measuring: no sound is played, and messages are
// kept only as far as whether one came.
class NoSound : public PanelSound {
public:
    void SndPlay(const QString&, const QString&, qint16, qint16) override {}
    void SndCloseAll() override {}
};

class NoMessages : public MessageReporter {
public:
    void report(const Message& message) override { reported = reported || !message.text.isEmpty(); }
    bool reported = false;
};

// The board and the panel started as the program starts them and shown,
// silent, without speech, and without the lamp test's three seconds.
struct QuietProgram {
    QuietProgram() {
        panel.Form_Load(tape);
        panel.setLampWait([](int) {});
        board.attachPanel(&panel);
        board.Form_Load();
        board.show();
        panel.show();
    }

    SharedState shared;
    NoMessages messages;
    NoSound sound;
    Form1 board{shared, messages};
    frmCtl panel{board, shared, messages, sound};
    mdlM_Tape tape{shared.options, sound, panel, [] { return std::unique_ptr<TextToSpeech>(); },
                   [] { return QStringLiteral("Linux"); }};
};
