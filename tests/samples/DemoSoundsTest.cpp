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

struct DemoSound {
    const char* file;
    int minMs, maxMs;
};

// Every demo sound is one the program decodes and plays to its end, for as
// long as it was made to last: a WAV, an MP3 and a MIDI file.
TEST_F(DemoSoundOnDisk, EachSoundPlaysForItsLength) {
    for (const DemoSound& sound : {DemoSound{"chime.wav", 1100, 1300}, DemoSound{"routeset.wav", 200, 400},
                                   DemoSound{"step.mp3", 140, 250}, DemoSound{"jingle.mid", 4500, 7000}}) {
        device = std::make_unique<AudioDevice>();
        snd = std::make_unique<mdlSndAPI>(*device);
        const int ms = lengthMs(play(sound.file));
        EXPECT_GE(ms, sound.minMs) << sound.file;
        EXPECT_LE(ms, sound.maxMs) << sound.file;
    }
}

}  // namespace
