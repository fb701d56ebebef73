#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "MidiCache.h"
#include "MidiRenderer.h"
#include "TestSounds.h"

using namespace test_sounds;

namespace {

std::vector<std::int16_t> left(const std::vector<std::int16_t>& stereo) {
    std::vector<std::int16_t> mono;
    for (size_t i = 0; i < stereo.size(); i += 2) mono.push_back(stereo[i]);
    return mono;
}

// Half a second of C6 (1046.5 Hz) on the flute, then two seconds of rest.
QByteArray noteThenRest() {
    return MidiTrack().event(0, {0xC0, 73}).event(0, {0x90, 84, 100}).event(480, {0x80, 84, 0}).file(1920);
}

TEST(MidiRenderer, RendersTheNotesAndCutsTheTrailingSilence) {
    QTemporaryDir dir;
    writeFile(dir.filePath("note.mid"), noteThenRest());
    MidiRenderer renderer(Rate);
    const auto mono = left(renderer.render(dir.filePath("note.mid")));

    // The note plus its release, not the rest after it.
    EXPECT_GT(mono.size(), size_t(Rate / 2));
    EXPECT_LT(mono.size(), size_t(Rate * 3 / 2));
    EXPECT_NE(mono.back(), 0);
    const double note = level(mono, 1046.5, Rate / 10, Rate / 4);
    EXPECT_GT(note, 500);
    EXPECT_GT(note, 4 * level(mono, 1318.5, Rate / 10, Rate / 4));
}

TEST(MidiRenderer, EachFileStartsFromAFreshSynthesiser) {
    QTemporaryDir dir;
    // Channel volume 0 for the whole file: it renders as silence.
    writeFile(dir.filePath("muted.mid"),
              MidiTrack().event(0, {0xB0, 7, 0}).event(0, {0x90, 84, 100}).event(480, {0x80, 84, 0}).file());
    writeFile(dir.filePath("note.mid"), noteThenRest());
    MidiRenderer renderer(Rate);
    EXPECT_TRUE(renderer.render(dir.filePath("muted.mid")).empty());
    EXPECT_GT(level(left(renderer.render(dir.filePath("note.mid"))), 1046.5, Rate / 10, Rate / 4), 500);
}

TEST(MidiRenderer, NothingFromFilesThatAreNoMidi) {
    QTemporaryDir dir;
    writeFile(dir.filePath("text.mid"), "not a MIDI file at all");
    writeFile(dir.filePath("broken.mid"), QByteArray("MThd\0\0\0\6garbage garbage", 23));
    writeFile(dir.filePath("wave.mid"), toneWav(440, 200));
    MidiRenderer renderer(Rate);
    for (const char* name : {"text.mid", "broken.mid", "wave.mid", "missing.mid"})
        EXPECT_TRUE(renderer.render(dir.filePath(name)).empty()) << name;
}

TEST(MidiCache, AnUnchangedFileIsRenderedOnceAChangedOneAgain) {
    QTemporaryDir dir;
    const QString piece = dir.filePath("piece.mid");
    writeFile(piece, noteThenRest());
    MidiCache cache(Rate, 64u << 20);
    const MidiCache::Pcm first = cache.get(piece);
    ASSERT_TRUE(first);
    EXPECT_EQ(cache.get(piece), first);

    // A longer note: another size, so another piece.
    writeFile(piece, MidiTrack().event(0, {0xC0, 73}).event(0, {0x90, 84, 100}).event(1440, {0x80, 84, 0}).file());
    const MidiCache::Pcm second = cache.get(piece);
    ASSERT_TRUE(second);
    EXPECT_GT(second->size(), first->size());
    EXPECT_FALSE(cache.get(dir.filePath("missing.mid")));

    // Over its limit the cache lets the least recently played go.
    MidiCache small(Rate, second->size() * sizeof(std::int16_t) + 1);
    const MidiCache::Pcm kept = small.get(piece);
    writeFile(dir.filePath("other.mid"), noteThenRest());
    small.get(dir.filePath("other.mid"));
    EXPECT_NE(small.get(piece), kept);
}

}  // namespace
