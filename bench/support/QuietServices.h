#pragma once

#include <QTemporaryDir>

#include <memory>

#include "app/Program.h"
#include "platform/MessageReporter.h"
#include "panel/PanelServices.h"

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

// The program started and shown, silent, without speech, without the lamp
// test's three seconds, and with its settings file in a folder of its own.
struct QuietProgram {
    QuietProgram() {
        program.panel.setLampWait([](int) {});
        program.start();
    }

    QTemporaryDir dir;
    NoMessages messages;
    NoSound sound;
    Program program{{messages, sound, [] { return std::unique_ptr<TextToSpeech>(); },
                     dir.filePath(QStringLiteral("X9-000")), QString(), [] { return QStringLiteral("Linux"); }}};
    SharedState& shared = program.state;
    Form1& board = program.board;
    frmCtl& panel = program.panel;
};
