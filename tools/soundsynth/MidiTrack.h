#pragma once

#include <QByteArray>

#include <initializer_list>

namespace sound_synth {

// A format-0 MIDI file of one track at 120 bpm, 480 ticks a quarter note:
// 960 ticks a second.
class MidiTrack {
public:
    static constexpr int TicksPerQuarter = 480;

    // One event `delta` ticks after the one before, its bytes as given.
    MidiTrack& event(int delta, std::initializer_list<int> bytes);
    // The file, its track ending `endDelta` ticks after the last event.
    QByteArray file(int endDelta = 0) const;

private:
    QByteArray events_;
};

}  // namespace sound_synth
