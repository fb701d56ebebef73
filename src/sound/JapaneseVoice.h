#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

#include "sound/VoiceSettings.h"

// espeak-ng's Japanese voice. The synthesiser keeps its state per process
// and does not survive being shut down and started again, so it starts once,
// at the first call, and stays for the life of the process; every call says
// which voice settings it wants.
namespace japanese_voice {

// Starts the synthesiser the first time. False when it or its Japanese voice
// is missing.
bool available();
// Of the PCM that synthesize returns (mono, 16-bit).
int sampleRate();
// The voice variants installed, by identifier ("m3", "f2").
QStringList variants();

// Kana as KanaReader writes it, synthesised on the spot.
std::vector<std::int16_t> synthesize(const QString& kana, const VoiceSettings& settings);
// The phonemes the voice makes of it, clause by clause; a switch to another
// language shows as "(en)" and the like.
QString phonemes(const QString& kana, const VoiceSettings& settings);

}  // namespace japanese_voice
