#pragma once

#include "MessageReporter.h"
#include "PanelServices.h"

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
