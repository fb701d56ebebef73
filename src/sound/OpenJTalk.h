#pragma once

#include <QString>

#include <cstdint>
#include <vector>

#include "sound/JTalkSettings.h"

// The natural Japanese voice: the open_jtalk program with its dictionary and
// an HTS voice file, run as a separate process for each text.
namespace open_jtalk {

struct Installation {
    QString program;       // the open_jtalk executable
    QString dictionary;    // its compiled dictionary folder
    QString defaultVoice;  // the voice that speaks unless the settings name another
};

// Where Debian installs them; a field is empty when that part is missing.
Installation installed();

// The voice file the settings name, else the installation's.
QString voiceFile(const Installation& installation, const JTalkSettings& settings);

// The program, the dictionary and the voice file are all there.
bool usable(const Installation& installation, const JTalkSettings& settings);

// The arguments for a text read from standard input and a WAV file written
// to `wavFile`: dictionary, voice, speed, pitch, volume and, when set, the
// all-pass constant.
QStringList arguments(const Installation& installation, const JTalkSettings& settings, const QString& wavFile);

struct Rendered {
    std::vector<std::int16_t> mono;
    int rate = 0;
    // Why nothing was rendered; empty on success.
    QString error;
};

// Runs the program, never through a shell, with the text on its standard
// input, and waits at most `timeoutMs` for it. Safe on any thread.
Rendered render(const Installation& installation, const JTalkSettings& settings, const QString& text, int timeoutMs);

}  // namespace open_jtalk
