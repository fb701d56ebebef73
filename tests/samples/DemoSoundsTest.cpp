#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>

#include "sound/mdlSndAPI.h"
#include "tests/support/TestSounds.h"

using namespace test_sounds;

namespace {

// Every demo sound, a WAV, an MP3 and a MIDI file, is one the program decodes
// and plays to its end, for as long as it was made to last: played on a
// channel of the program's own sound module through SDL's disk driver, and
// measured from its first to its last audible sample.
TEST(DemoSounds, EachSoundPlaysForItsLength) {
    QTemporaryDir dir;
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(dir.filePath("device.raw")));
    for (const auto& [name, minMs, maxMs] : {std::tuple{"chime.wav", 1100, 1300}, {"routeset.wav", 200, 400},
                                              {"step.mp3", 140, 250}, {"jingle.mid", 4500, 7000}}) {
        {
            AudioDevice device;
            mdlSndAPI(device).SndPlay(QDir(QStringLiteral(DEMO_SOUNDS_DIR)).filePath(QString::fromLatin1(name)), "S1", -1, 0);
        }
        const auto pcm = leftChannelOf(dir.filePath("device.raw"));
        const auto audible = [](std::int16_t s) { return std::abs(int(s)) > 64; };
        const auto first = std::find_if(pcm.begin(), pcm.end(), audible);
        const auto last = std::find_if(pcm.rbegin(), pcm.rend(), audible).base();
        const int ms = first < last ? int((last - first) * 1000 / Rate) : 0;
        EXPECT_TRUE(ms >= minMs && ms <= maxMs) << name << ": " << ms << " ms";
    }
}

}  // namespace
