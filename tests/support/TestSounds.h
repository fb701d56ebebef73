#pragma once

#include <QString>

#include <cstdint>
#include <vector>

#include "soundsynth/FileOutput.h"
#include "soundsynth/MidiTrack.h"
#include "soundsynth/Mp3Tone.h"
#include "soundsynth/ToneWav.h"

// The tests make their sounds with the same synthesiser as the demo sounds;
// what is here analyses what plays.
namespace test_sounds {

using namespace sound_synth;

// The device rate, at which the disk driver writes.
constexpr int Rate = 44100;

// The left channel of what the disk audio driver wrote (16-bit stereo).
std::vector<std::int16_t> leftChannelOf(const QString& rawPath);

// Level of `hz` (peak amplitude of that sine) in mono[from, from + count).
double level(const std::vector<std::int16_t>& mono, double hz, size_t from, size_t count);
// For each 20 ms window whether `hz` sounds there at minLevel or more (by
// default a quarter of our tones' level).
std::vector<bool> sounding(const std::vector<std::int16_t>& mono, double hz, double minLevel = 2000);
constexpr int WindowMs = 20;

struct Span { int first = -1, last = -1, count = 0; };
Span spanOf(const std::vector<bool>& windows);

}  // namespace test_sounds
