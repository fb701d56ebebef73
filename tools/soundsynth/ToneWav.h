#pragma once

#include <QByteArray>

#include <vector>

namespace sound_synth {

constexpr int DefaultRate = 44100;

// One tone of a sequence; the next tone starts `ms` after this one.
// A steady tone (decayMs 0) is a cosine held at its amplitude, so its first
// sample is already loud, and it stops dead after `ms`. A decaying tone falls
// by a factor e every decayMs, rings on for ringMs under the next tone, and
// fades out over its last milliseconds so that it ends without a click.
struct Tone {
    double hz = 0;
    int ms = 0;
    double decayMs = 0;
    int ringMs = 0;
    double amplitude = 8000;
};

// Mono 16-bit WAV of the tones mixed at their start times.
QByteArray tonesWav(const std::vector<Tone>& tones, int rate = DefaultRate);
// Mono 16-bit WAV of one steady tone at amplitude 8000.
QByteArray toneWav(double hz, int ms, int rate = DefaultRate);

}  // namespace sound_synth
