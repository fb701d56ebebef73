#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <initializer_list>
#include <vector>

// Sounds made byte by byte for the tests, and the analysis of what plays.
namespace test_sounds {

constexpr int Rate = 44100;

// Mono 16-bit WAV of a cosine tone at amplitude 8000 (its first sample is loud).
QByteArray toneWav(double hz, int ms, int rate = Rate);
// MPEG-1 Layer III, 44.1 kHz mono: every frame holds one spectral line, so
// the stream is a steady tone near 766 Hz, 26 ms a frame.
QByteArray mp3Tone(int frames);

// A format-0 MIDI track at 120 bpm, 480 ticks a quarter note: 960 ticks a second.
class MidiTrack {
public:
    MidiTrack& event(int delta, std::initializer_list<int> bytes);
    QByteArray file(int endDelta = 0) const;

private:
    QByteArray events_;
};

void writeFile(const QString& path, const QByteArray& bytes);
// The left channel of what the disk audio driver wrote (16-bit stereo).
std::vector<std::int16_t> leftChannelOf(const QString& rawPath);

// Level of `hz` (peak amplitude of that sine) in mono[from, from + count).
double level(const std::vector<std::int16_t>& mono, double hz, size_t from, size_t count);
// For each 20 ms window whether `hz` sounds there at minLevel or more (by
// default a quarter of our tones' level).
std::vector<bool> sounding(const std::vector<std::int16_t>& mono, double hz, double minLevel = 2000);
constexpr int WindowMs = 20;

struct Span {
    int first = -1, last = -1, count = 0;
};
Span spanOf(const std::vector<bool>& windows);

}  // namespace test_sounds
