#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>

#include <random>

#include "sound/MidiCache.h"
#include "tests/sound/OnDisk.h"
#include "platform/Wait.h"
#include "sound/mdlSndAPI.h"

using namespace test_sounds;

namespace {

using SndPlayOnDisk = OnDisk;

// C6 (1046.5 Hz) on the flute for half a second, then `rest` ticks (960 a second) of rest.
QByteArray flute(int rest = 0) {
    return MidiTrack().event(0, {0xC0, 73}).event(0, {0x90, 84, 100}).event(480, {0x80, 84, 0}).file(rest);
}

// Each row is played in turn, waiting for its end with a pause of 200 ms; `ms`
// is how long that takes (0: it returns at once). Meanwhile S2 plays a long
// tone, which files for other channels leave alone and so do a missing file
// and a folder on S2, but a file of an unknown kind on S2 ends it.
TEST_F(SndPlayOnDisk, PlaysWavMp3AndMidiEachOnItsOwnChannel) {
    auto snd = std::make_unique<mdlSndAPI>(*device);
    QDir(dir.path()).mkdir("folder with blanks");
    std::mt19937 random(5);
    QByteArray noise(20000, '\0');
    for (char& byte : noise) byte = char(random());
    const QByteArray high = toneWav(1800, 200);
    const QByteArray muted =
        MidiTrack().event(0, {0xB0, 7, 0}).event(0, {0x90, 84, 100}).event(480, {0x80, 84, 0}).file();
    const struct { const char* name; QByteArray bytes; const char* alias; int ms = 0; double hz = 0; int windows = 0; }
        files[] = {
        {"a.wav", toneWav(300, 300, 22050), "S4", 500, 300, 13},  // resampled from 22.05 kHz
        {"b.MP3", mp3Tone(20), "S4", 722, 766, 24},               // 20 frames: 522 ms
        // Channel volume 0 mutes its own file only: each starts from a fresh synthesiser.
        {"muted.mid", muted, "S4"},
        {"c.Mid", flute(1920), "S4", 1140, 1046.5, 22},  // the note and its release, not the rest after it
        {"missing.wav", QByteArray(), "S2"}, {"folder with blanks", QByteArray(), "S2"},
        {"folder with blanks/d e.WAV", toneWav(1500, 200), "S4", 400, 1500, 9},
        {"g.mp4", high, "S2"}, {"f.wave", high, "S4"}, {"wave.mid", high, "S4"}, {"h.wav", high, "S5"},
        {"broken.mid", QByteArray("MThd\0\0\0\6garbage garbage", 23), "S4"}, {"empty.wav", "", "S4"},
        {"noise.wav", noise, "S4"}, {"noise.mp3", noise, "S4"}, {"noise.mid", noise, "S4"},
    };
    writeFile(dir.filePath("long.wav"), toneWav(200, 4000));
    QElapsedTimer clock;
    clock.start();
    snd->SndPlay(dir.filePath("long.wav"), "s2", 0, 200);
    for (const auto& file : files) {
        if (!file.bytes.isNull()) writeFile(dir.filePath(file.name), file.bytes);
        clock.restart();
        snd->SndPlay(dir.filePath(file.name), file.alias, -1, 200);
        // The disk driver runs a few percent fast and a loaded machine runs late.
        EXPECT_GE(clock.elapsed(), file.ms * 0.9) << file.name;
        EXPECT_LE(clock.elapsed(), file.ms ? file.ms + 250 : 150) << file.name;
    }
    waiting::blockFor(200);
    const auto pcm = output(snd);

    for (const auto& file : files)
        EXPECT_GE(file.hz ? spanOf(sounding(pcm, file.hz, 1000)).count : 0, file.windows) << file.name;
    // S2's tone sounded unbroken from the start to the .mp4 after S4's last
    // sound, and not a sample after that.
    const Span s2 = spanOf(sounding(pcm, 200)), last = spanOf(sounding(pcm, 1500));
    EXPECT_EQ(std::pair(s2.first, s2.count), std::pair(0, s2.last + 1));
    EXPECT_GE(s2.last, last.last);
    EXPECT_LE(s2.last, last.last + 20);
    size_t end = size_t(s2.last + 2) * Rate * WindowMs / 1000;
    ASSERT_LT(end, pcm.size());
    while (end < pcm.size() && pcm[end] == 0) ++end;
    EXPECT_EQ(end, pcm.size());
}

TEST(SndPlayWithoutDevice, RunsOnTheDummyDriverWhenNoDeviceOpens) {
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    QTemporaryDir dir;
    writeFile(dir.filePath("a.wav"), toneWav(440, 400));
    AudioDevice device;
    QElapsedTimer clock;
    clock.start();
    mdlSndAPI(device).SndPlay(dir.filePath("a.wav"), "S1", -1, 0);
    // Only a running device spends the sound's length playing it.
    EXPECT_GE(clock.elapsed(), 340);
}

TEST(MidiCache, AnUnchangedFileIsRenderedOnceAChangedOneAgain) {
    QTemporaryDir dir;
    const QString piece = dir.filePath("piece.mid"), other = dir.filePath("other.mid");
    writeFile(piece, flute());
    writeFile(other, flute());
    MidiCache cache(Rate, 64u << 20);
    const MidiCache::Pcm first = cache.get(piece);
    ASSERT_TRUE(first);
    EXPECT_EQ(cache.get(piece), first);
    writeFile(piece, flute(960));  // another size, so another piece
    const MidiCache::Pcm second = cache.get(piece);
    ASSERT_TRUE(second && second != first);
    EXPECT_FALSE(cache.get(dir.filePath("missing.mid")));

    // Over its limit the cache lets the least recently played go.
    MidiCache small(Rate, second->size() * sizeof(std::int16_t) + 1);
    const MidiCache::Pcm kept = small.get(piece);
    small.get(other);
    EXPECT_NE(small.get(piece), kept);
}

}  // namespace
