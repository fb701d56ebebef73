#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <random>

#include "mdlSndAPI.h"
#include "TestSounds.h"
#include "Wait.h"

using namespace test_sounds;

namespace {

// Plays through SDL's disk driver, which writes what the device gets in real
// time, and reads that back.
class SndPlayOnDisk : public ::testing::Test {
protected:
    SndPlayOnDisk() {
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(dir.filePath("device.raw")));
    }

    QString tone(const QString& name, double hz, int ms) {
        writeFile(dir.filePath(name), toneWav(hz, ms));
        return dir.filePath(name);
    }

    // Closes the device, so that every sample is on disk; the left channel.
    std::vector<std::int16_t> output() {
        snd.reset();
        device.reset();
        return test_sounds::leftChannelOf(dir.filePath("device.raw"));
    }

    QTemporaryDir dir;
    std::unique_ptr<AudioDevice> device = std::make_unique<AudioDevice>();
    std::unique_ptr<mdlSndAPI> snd = std::make_unique<mdlSndAPI>(*device);
};

size_t firstSound(const std::vector<std::int16_t>& pcm, size_t from = 0) {
    while (from < pcm.size() && pcm[from] == 0) ++from;
    return from;
}

TEST_F(SndPlayOnDisk, EachChannelReplacesOnlyItsOwnSound) {
    snd->SndPlay(tone("other.wav", 440, 1500), "S2", 0, 0);
    waiting::blockFor(200);
    snd->SndPlay(tone("first.wav", 1000, 1000), "S1", 0, 0);
    waiting::blockFor(400);
    snd->SndPlay(tone("second.wav", 1400, 400), "S1", -1, 0);
    waiting::blockWhile([&] { return device->isPlaying(1); }, 10);
    const auto pcm = output();

    const Span other = spanOf(sounding(pcm, 440)), first = spanOf(sounding(pcm, 1000)),
               second = spanOf(sounding(pcm, 1400));
    ASSERT_GE(second.count, 15);
    // S2 sounds through both sounds of S1, all of its 75 windows unbroken ...
    EXPECT_LT(other.first, first.first);
    EXPECT_GT(other.last, second.last);
    EXPECT_EQ(other.count, other.last - other.first + 1);
    EXPECT_GE(other.count, 70);
    // ... while the second sound on S1 cut the first off.
    EXPECT_GE(first.count, 8);
    EXPECT_LE(first.last, second.first);
}

TEST_F(SndPlayOnDisk, MissingFileLeavesTheChannelAloneUnknownExtensionClosesIt) {
    snd->SndPlay(tone("long.wav", 440, 2000), "S1", 0, 0);
    waiting::blockFor(300);
    snd->SndPlay(dir.filePath("missing.wav"), "S1", 0, 0);
    snd->SndPlay(dir.path(), "S1", 0, 0);  // a folder is no file either
    waiting::blockFor(400);
    snd->SndPlay(tone("wave.mp4", 1000, 300), "S1", 0, 0);
    waiting::blockWhile([&] { return device->isPlaying(0); }, 10);
    waiting::blockFor(100);

    // It played on past the missing file (~300 ms) and stopped at the .mp4 (~700 ms).
    const Span played = spanOf(sounding(output(), 440));
    EXPECT_EQ(played.count, played.last - played.first + 1);
    EXPECT_GE(played.count * WindowMs, 500);
    EXPECT_LE(played.count * WindowMs, 1300);
}

TEST_F(SndPlayOnDisk, SynchronousPlayReturnsWhenTheSoundHasEnded) {
    const QString half = tone("half.wav", 440, 500), other = tone("other.wav", 1000, 400);
    QElapsedTimer clock;
    clock.start();
    snd->SndPlay(half, "S1", -1, 0);
    const qint64 syncMs = clock.restart();
    snd->SndPlay(other, "S2", 0, 0);
    const qint64 asyncMs = clock.elapsed();
    waiting::blockFor(500);
    clock.restart();
    snd->SndPlay(half, "S1", -1, 300);
    const qint64 pausedMs = clock.elapsed();

    // The disk driver runs a few percent fast and a loaded machine runs late.
    EXPECT_GE(syncMs, 440);
    EXPECT_LE(syncMs, 800);
    EXPECT_LT(asyncMs, 150);
    EXPECT_GE(pausedMs, 740);
    EXPECT_LE(pausedMs, 1100);

    // On the device the second sound follows the first's last sample within a
    // buffer or two, and not a sample of it sounds earlier.
    const auto pcm = output();
    const size_t halfStart = firstSound(pcm), halfEnd = halfStart + Rate / 2;
    ASSERT_LT(halfEnd, pcm.size());
    EXPECT_LT(level(pcm, 1000, halfStart, Rate / 2), 200);
    EXPECT_LE(firstSound(pcm, halfEnd) - halfEnd, size_t(Rate * 80 / 1000));
}

TEST_F(SndPlayOnDisk, WavMp3AndMidiEachSound) {
    writeFile(dir.filePath("tone.wav"), toneWav(440, 300, 22050));
    writeFile(dir.filePath("tone.mp3"), mp3Tone(20));
    writeFile(dir.filePath("tune.mid"),
              MidiTrack().event(0, {0xC0, 73}).event(0, {0x90, 84, 100}).event(480, {0x80, 84, 0}).file());
    snd->SndPlay(dir.filePath("tone.wav"), "S1", -1, 0);
    snd->SndPlay(dir.filePath("tone.mp3"), "S2", -1, 0);
    snd->SndPlay(dir.filePath("tune.mid"), "S3", -1, 0);
    const auto pcm = output();

    EXPECT_GE(spanOf(sounding(pcm, 440)).count, 12);   // 300 ms, resampled from 22.05 kHz
    EXPECT_GE(spanOf(sounding(pcm, 766)).count, 20);   // 20 frames: 522 ms
    EXPECT_GE(spanOf(sounding(pcm, 1046.5, 1000)).count, 10);  // the half-second flute note
}

TEST_F(SndPlayOnDisk, ExtensionsCountInAnyCaseAndNamesMayHoldBlanks) {
    QDir(dir.path()).mkdir("folder with blanks");
    const struct {
        const char* name;
        double hz;
        bool plays;
    } files[] = {{"a.wav", 400, true},  {"b.WAV", 600, true},   {"c.Wav", 800, true},
                 {"folder with blanks/d e.wav", 1400, true}, {"f.wave", 1000, false}, {"g.mp4", 1200, false}};
    for (const auto& file : files) snd->SndPlay(tone(file.name, file.hz, 200), "S4", -1, 0);
    const auto pcm = output();

    for (const auto& file : files) {
        const int windows = spanOf(sounding(pcm, file.hz)).count;
        if (file.plays)
            EXPECT_GE(windows, 7) << file.name;
        else
            EXPECT_EQ(windows, 0) << file.name;
    }
}

TEST_F(SndPlayOnDisk, NothingPlayableIsSilentAndReturnsAtOnce) {
    snd->SndPlay(tone("opening.wav", 440, 100), "S1", -1, 0);  // the device is open from here
    std::mt19937 random(5);
    QByteArray noise(20000, '\0');
    for (char& byte : noise) byte = char(random());
    QStringList names{QString(), dir.filePath("missing.wav"), dir.filePath("empty.wav")};
    writeFile(names.last(), {});
    for (const char* name : {"noise.wav", "noise.mp3", "noise.mid"}) {
        names << dir.filePath(name);
        writeFile(names.last(), noise);
    }

    QElapsedTimer clock;
    clock.start();
    for (const QString& name : names) snd->SndPlay(name, "S2", -1, 0);
    EXPECT_LT(clock.elapsed(), 300);
    waiting::blockFor(200);

    const auto pcm = output();
    const size_t openingEnd = firstSound(pcm) + Rate / 10;
    ASSERT_LT(openingEnd, pcm.size());
    EXPECT_EQ(firstSound(pcm, openingEnd), pcm.size());
}

TEST(SndPlayWithoutDevice, RunsOnTheDummyDriverWhenNoDeviceOpens) {
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    QTemporaryDir dir;
    writeFile(dir.filePath("a.wav"), toneWav(440, 400));
    AudioDevice device;
    mdlSndAPI snd(device);
    QElapsedTimer clock;
    clock.start();
    snd.SndPlay(dir.filePath("a.wav"), "S1", -1, 0);
    // Only a running device spends the sound's length playing it.
    EXPECT_GE(clock.elapsed(), 340);
}

}  // namespace
