#include "generators/DemoSounds.h"

#include <algorithm>
#include <initializer_list>
#include <utility>
#include <vector>

#include "soundsynth/MidiTrack.h"
#include "soundsynth/Mp3Tone.h"
#include "soundsynth/ToneWav.h"

using sound_synth::MidiTrack;

namespace demo_sounds {

namespace {

constexpr double C5 = 523.25, E5 = 659.26, C6 = 1046.50, E6 = 1318.51, G6 = 1567.98;

// Notes placed by start tick on their channels, turned into the single track
// of a format-0 file.
class Score {
public:
    void program(int channel, int program) { programs_.push_back({channel, program}); }
    void note(int channel, int key, int velocity, int start, int length) {
        events_.push_back({start, true, 0x90 | channel, key, velocity});
        events_.push_back({start + length, false, 0x80 | channel, key, 0});
    }
    QByteArray file(int tailTicks) const {
        MidiTrack track;
        for (const auto& [channel, program] : programs_) track.event(0, {0xC0 | channel, program});
        auto ordered = events_;
        // At the same tick a note ends before the next one begins.
        std::stable_sort(ordered.begin(), ordered.end(), [](const NoteEvent& a, const NoteEvent& b) {
            return std::pair(a.tick, a.on) < std::pair(b.tick, b.on);
        });
        int now = 0;
        for (const NoteEvent& e : ordered) {
            track.event(e.tick - now, {e.status, e.key, e.velocity});
            now = e.tick;
        }
        return track.file(tailTicks);
    }

private:
    struct NoteEvent {
        int tick;
        bool on;
        int status, key, velocity;
    };
    std::vector<std::pair<int, int>> programs_;
    std::vector<NoteEvent> events_;
};

}  // namespace

QByteArray chimeWav() {
    // The first bar rings on under the second, as a struck chime does.
    return sound_synth::tonesWav({
        {.hz = E5, .ms = 450, .decayMs = 300, .ringMs = 350, .amplitude = 12000},
        {.hz = C5, .ms = 750, .decayMs = 400, .amplitude = 12000},
    });
}

QByteArray routeSetWav() {
    return sound_synth::tonesWav({
        {.hz = C6, .ms = 70, .decayMs = 150, .ringMs = 20, .amplitude = 9000},
        {.hz = E6, .ms = 70, .decayMs = 150, .ringMs = 20, .amplitude = 9000},
        {.hz = G6, .ms = 160, .decayMs = 120, .amplitude = 9000},
    });
}

QByteArray stepMp3() { return sound_synth::mp3Tone(7); }

QByteArray jingleMidi() {
    constexpr int Vibraphone = 11, AcousticBass = 32;
    constexpr int Eighth = MidiTrack::TicksPerQuarter / 2, Quarter = MidiTrack::TicksPerQuarter;
    constexpr int Bar = 4 * Quarter;
    Score score;
    score.program(0, Vibraphone);
    score.program(1, AcousticBass);

    // Melody: keys and lengths in eighths, one after the other.
    const std::initializer_list<std::pair<int, int>> melody = {
        {72, 1}, {76, 1}, {79, 1}, {84, 1}, {83, 1}, {79, 1}, {76, 2},  // C E G C' B G E
        {77, 1}, {81, 1}, {79, 1}, {76, 1}, {74, 2}, {67, 2},           // F A G E D G
    };
    int tick = 0;
    for (const auto& [key, eighths] : melody) {
        score.note(0, key, 100, tick, eighths * Eighth);
        tick += eighths * Eighth;
    }
    for (int key : {72, 76, 79}) score.note(0, key, 100, tick, 2 * Quarter);

    // Bass: a half note per chord, C G F G, then the closing C.
    int bassTick = 0;
    for (int key : {48, 43, 41, 43}) {
        score.note(1, key, 90, bassTick, 2 * Quarter);
        bassTick += 2 * Quarter;
    }
    score.note(1, 36, 90, 2 * Bar, 2 * Quarter);
    return score.file(Quarter);
}

}  // namespace demo_sounds
