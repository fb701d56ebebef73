#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

// Renders standard MIDI files to PCM with FluidSynth and the system's GM
// sound font. The synthesiser and the sound font stay loaded between files.
class MidiRenderer {
public:
    explicit MidiRenderer(int sampleRate);
    ~MidiRenderer();
    MidiRenderer(const MidiRenderer&) = delete;
    MidiRenderer& operator=(const MidiRenderer&) = delete;

    // The whole piece as interleaved stereo 16-bit frames with the trailing
    // silence cut off; empty when the file is no playable MIDI file or no
    // sound font is installed.
    std::vector<std::int16_t> render(const QString& fileName);

private:
    struct Synth;
    static std::unique_ptr<Synth> makeSynth(int sampleRate);
    bool ready();

    int sampleRate_;
    std::unique_ptr<Synth> synth_;
    bool failed_ = false;
};
