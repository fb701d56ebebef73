#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>

#include "mdlSndAPI.h"
#include "TestSounds.h"

using namespace test_sounds;

namespace {

constexpr double C5 = 523.25, E5 = 659.26, G5 = 783.99, C6 = 1046.50, E6 = 1318.51, G6 = 1567.98;
constexpr double Mp3ToneHz = 766;

// Each demo sound played to its end on a channel of the program's own sound
// module, through SDL's disk driver, and read back from its first to its last
// audible sample.
class DemoSoundOnDisk : public ::testing::Test {
protected:
    DemoSoundOnDisk() {
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(dir.filePath("device.raw")));
    }

    std::vector<std::int16_t> play(const char* name) {
        const QString path = QDir(QStringLiteral(DEMO_SOUNDS_DIR)).filePath(QString::fromLatin1(name));
        EXPECT_TRUE(QFile::exists(path)) << name;
        snd->SndPlay(path, QStringLiteral("S1"), -1, 0);
        snd.reset();
        device.reset();
        const auto pcm = leftChannelOf(dir.filePath("device.raw"));
        const auto audible = [](std::int16_t s) { return std::abs(int(s)) > 64; };
        const auto first = std::find_if(pcm.begin(), pcm.end(), audible);
        if (first == pcm.end()) return {};
        return {first, std::find_if(pcm.rbegin(), pcm.rend(), audible).base()};
    }

    QTemporaryDir dir;
    std::unique_ptr<AudioDevice> device = std::make_unique<AudioDevice>();
    std::unique_ptr<mdlSndAPI> snd = std::make_unique<mdlSndAPI>(*device);
};

int lengthMs(const std::vector<std::int16_t>& sound) { return int(sound.size() * 1000 / Rate); }

// When `hz` first reaches minLevel, in ms from the sound's start; -1 if never.
int onsetMs(const std::vector<std::int16_t>& sound, double hz, double minLevel) {
    const Span span = spanOf(sounding(sound, hz, minLevel));
    return span.first < 0 ? -1 : span.first * WindowMs;
}

// Level of `hz` over the 40 ms from `ms`.
double levelAt(const std::vector<std::int16_t>& sound, double hz, int ms) {
    return level(sound, hz, size_t(Rate) * ms / 1000, Rate / 25);
}

TEST_F(DemoSoundOnDisk, ChimeIsADingDongAMajorThirdDown) {
    const auto chime = play("chime.wav");
    EXPECT_NEAR(lengthMs(chime), 1200, 60);

    const int ding = onsetMs(chime, E5, 3000), dong = onsetMs(chime, C5, 3000);
    EXPECT_EQ(ding, 0);
    EXPECT_GE(dong, 400);
    EXPECT_LE(dong, 500);
    // Each tone leads while it sounds, and each dies away like a struck bar.
    EXPECT_GT(levelAt(chime, E5, 300), 3 * levelAt(chime, C5, 300));
    EXPECT_GT(levelAt(chime, C5, 700), 3 * levelAt(chime, E5, 700));
    EXPECT_GT(levelAt(chime, E5, 20), 2 * levelAt(chime, E5, 350));
    EXPECT_GT(levelAt(chime, C5, 480), 2 * levelAt(chime, C5, 1000));
}

TEST_F(DemoSoundOnDisk, RouteSetIsThreeQuickRisingTonesUnlikeTheChime) {
    const auto sound = play("routeset.wav");
    EXPECT_GE(lengthMs(sound), 200);
    EXPECT_LE(lengthMs(sound), 400);

    const int first = onsetMs(sound, C6, 3000), second = onsetMs(sound, E6, 3000), third = onsetMs(sound, G6, 3000);
    EXPECT_EQ(first, 0);
    EXPECT_GE(second, first + 40);
    EXPECT_GE(third, second + 40);
    EXPECT_LE(third, 200);
    for (double chimeTone : {C5, E5}) EXPECT_EQ(onsetMs(sound, chimeTone, 1500), -1) << chimeTone;
}

TEST_F(DemoSoundOnDisk, StepIsAShortSteadyBeep) {
    const auto beep = play("step.mp3");
    EXPECT_GE(lengthMs(beep), 140);
    EXPECT_LE(lengthMs(beep), 250);
    const Span tone = spanOf(sounding(beep, Mp3ToneHz, 4000));
    EXPECT_GE(tone.count, 6);
    EXPECT_EQ(tone.count, tone.last - tone.first + 1);
}

TEST_F(DemoSoundOnDisk, JingleRisesThroughTheChordAndEndsOnIt) {
    const auto tune = play("jingle.mid");
    EXPECT_GE(lengthMs(tune), 4500);
    EXPECT_LE(lengthMs(tune), 7000);

    // It opens C E G C', an eighth note (250 ms) apart.
    const int c = onsetMs(tune, C5, 1500), e = onsetMs(tune, E5, 1500), g = onsetMs(tune, G5, 1500),
              high = onsetMs(tune, C6, 1500);
    EXPECT_EQ(c, 0);
    EXPECT_NEAR(e, 250, 40);
    EXPECT_NEAR(g, 500, 40);
    EXPECT_NEAR(high, 750, 40);
    // The closing chord C E G sounds after four seconds, the high C no longer.
    for (double chordTone : {C5, E5, G5}) EXPECT_GT(levelAt(tune, chordTone, 4100), 1500) << chordTone;
    EXPECT_LT(levelAt(tune, C6, 4100), 300);
}

}  // namespace
