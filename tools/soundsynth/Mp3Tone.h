#pragma once

#include <QByteArray>

namespace sound_synth {

// Each frame of the tone lasts 1152 samples at 44.1 kHz.
constexpr double Mp3FrameMs = 1152 * 1000.0 / 44100;

// MPEG-1 Layer III, 44.1 kHz mono, 128 kbit/s: every frame holds one spectral
// line, so the stream is a steady tone near 766 Hz for as many frames as asked.
QByteArray mp3Tone(int frames);

}  // namespace sound_synth
