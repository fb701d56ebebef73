#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <optional>

#include "formats/Cp932.h"
#include "soundsynth/FileOutput.h"
#include "formats/Options.h"
#include "formats/ReadingsFile.h"
#include "sound/SoundSink.h"
#include "sound/TapeControls.h"
#include "sound/mdlM_Tape.h"

namespace {

using readings_file::Reading;
using Readings = std::vector<Reading>;

// The panel and the sound channels in one. What they and the engine are
// asked goes to one log, so the order shows.
struct Panel : SoundSink, TapeControls {
    void SndPlay(const QString& file, const QString& alias, qint16 wait, qint16) override {
        log << u"%1 %2 %3"_qs.arg(file, alias).arg(wait);
    }
    void setTapeGroupEnabled(bool enabled) override { log << u"group %1"_qs.arg(enabled); }
    void setTapeGroupCaption(const QString& text) override { log << text; }
    void setTapeButtonsEnabled(bool enabled) override { log << u"buttons %1"_qs.arg(enabled); }
    QStringList log;
};

// It fails to take the text "fail".
struct Engine : TextToSpeech {
    Engine(QStringList& log, std::optional<Readings>& readings, std::optional<QStringList>& prepared)
        : log(log), readings(readings), prepared(prepared) {}
    void speak(const QString& text) override { log << u"speak "_qs + text; }
    void stop() override { log << u"stop"_qs; }
    qint32 state() const override { return log.value(log.size() - 1) == u"speak fail"_qs ? Failed : Speaking; }
    void showVoiceDialog(QWidget*, const QString& title) override { log << u"dialog "_qs + title; }
    void setReadings(Readings set) override { readings = std::move(set); }
    void prepare(const QStringList& texts) override { prepared = texts; }
    QStringList& log;
    std::optional<Readings>& readings;
    std::optional<QStringList>& prepared;
};

class Tape : public ::testing::Test {
protected:
    Tape() {
        options.sound.TapeSound = u"always.wav"_qs;
        options.sound.TapeSound1 = u"one.wav"_qs;
        options.sound.TapeSound2 = u"two.wav"_qs;
        options.sound.TapeSound3 = u"three.wav"_qs;
        tape.TapeInitEngine();
        panel.log.clear();
    }
    void load(const QString& text, const QString& file = u"12tp.csv"_qs, const QString& route = u"012"_qs) {
        ASSERT_TRUE(sound_synth::writeFile(dir.filePath(file), cp932::encode(text)));
        tape.TapeLoad(dir.path(), route);
    }
    // What was played and said since the last call.
    std::string taken() { return std::exchange(panel.log, {}).join(u" | ").toStdString(); }

    QTemporaryDir dir;
    Options options;
    Panel panel;
    QString os = u"Linux"_qs;
    bool engineWorks = true;
    std::optional<Readings> readings;  // what the engine was last given
    std::optional<QStringList> prepared;
    mdlM_Tape tape{options, panel, panel,
                   [this] {
                       return std::unique_ptr<TextToSpeech>(engineWorks ? new Engine(panel.log, readings, prepared) : nullptr);
                   },
                   [this] { return os; }};
};

TEST_F(Tape, AMalformedMissingOrHugeFileLeavesNothingToPlay) {
    // Flags beyond 16 bits or no number, a field missing or too many, an unclosed quotation, too many lines or bytes.
    const QString bad[] = {u"a,1,2\r\nb,32768,0\r\n"_qs, u"a,1,-32769"_qs, u"a,one,2"_qs, u"a,1"_qs, u"a,1,2,3"_qs,
                           u"\"a,1,2"_qs, u"a,1,2\n"_qs.repeated(10001), u"\"%1\",0,0"_qs.arg(QString(4 << 20, u'a')),
                           QString()};  // no file at all
    for (const QString& text : bad) {
        load(u"good,0,0"_qs);
        text.isNull() ? tape.TapeLoad(dir.path(), u"99"_qs) : load(text, u"7tp.csv"_qs, u"7"_qs);
        EXPECT_EQ(taken(), "group 1 | buttons 1 | group 0") << text.left(20).toStdString();
        EXPECT_EQ(tape.TapeCount(), 0);
    }
    // At the limits and with Windows' file name case, it loads.
    load(u"a,32767,-32768\n"_qs.repeated(10000), u"8Tp.CSV"_qs, u"0008"_qs);
    EXPECT_EQ(taken(), "group 1 | buttons 1");
    EXPECT_EQ(tape.TapeCount(), 10000);
    EXPECT_EQ(tape.TapeChimeFlag(10000), -32768);
}

// Next chimes on S3 (the one chosen for "always" when set), Back on S2 with
// the row's own chime only; both hold at the ends. Each text follows a stop,
// and a text the engine failed to take is followed by another.
TEST_F(Tape, StepsThroughTheRowsWithTheirChimes) {
    load(u"\"次は,駅前\",1,2\r\n  b c  , 0 ,3\r\n\r\n\"d\" ignored,,4\r\nfail,-7,1\r\n   \r\n"_qs);
    // The blank lines count: they become silent rows at the end.
    std::vector<std::pair<qint16, qint16>> flags;  // step and chime, from before the list to after it
    for (int row = 0; row <= 7; ++row) flags.push_back({tape.TapeStepFlag(row), tape.TapeChimeFlag(row)});
    EXPECT_EQ(flags, (decltype(flags){{0, 0}, {1, 2}, {0, 3}, {0, 4}, {-7, 1}, {0, 0}, {0, 0}, {0, 0}}));
    EXPECT_EQ(taken(), "group 1 | buttons 1");
    const struct { char key; qint16 always, sync; int position; const char16_t* log; } steps[] = {
        {'B', 0, -1, 1, u""},  // from before the first row: held there, silent
        {'N', 0, -1, 2, u"three.wav S3 -1 | stop | speak b c"},
        {'N', 0, 0, 3, u"stop | speak d"},
        {'N', 0, 0, 4, u"one.wav S3 0 | stop | speak fail | stop"},
        {'N', 0, 0, 5, u"stop | speak "},
        {'N', -1, 0, 6, u"always.wav S3 0 | stop | speak "},
        {'N', -1, 0, 6, u""},
        {'B', -1, -1, 5, u"stop | speak "},
        {'B', -1, -1, 4, u"one.wav S2 -1 | stop | speak fail | stop"},
        {'B', 0, 0, 3, u"stop | speak d"},
        {'B', 0, 0, 2, u"three.wav S2 0 | stop | speak b c"},
        {'B', 0, 0, 1, u"two.wav S2 0 | stop | speak 次は,駅前"},
        {'B', 0, 0, 1, u""},
        {'N', -1, -1, 2, u"always.wav S3 -1 | stop | speak b c"},
        {'S', 0, 0, 2, u"stop"},
        {'V', 0, 0, 2, u"dialog 音声の調節"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << step.key << " to " << step.position);
        options.sound.TapeSoundAlways = step.always;  // read at the moment of use
        options.sound.TapeSoundSync = step.sync;
        step.key == 'N' ? tape.TapeNext() : step.key == 'B' ? tape.TapeBack()
                        : step.key == 'S' ? tape.TapeStop() : tape.TapeVoiceDialog(nullptr);
        EXPECT_EQ(tape.TapePosition(), step.position);
        EXPECT_EQ(taken(), QString::fromUtf16(step.log).toStdString());
    }
    // Another route's list replaces this one, from its beginning.
    load(u"x,0,0"_qs, u"5tp.csv"_qs, u"5"_qs);
    EXPECT_EQ(std::pair(tape.TapeCount(), tape.TapePosition()), std::pair(1, 0));
}

TEST_F(Tape, TheEngineAndTheSystemDecideTheGroup) {
    const struct { bool engine; const char* os; int count; const char16_t* log; } rows[] = {
        {true, "Linux", 0, u"音合使用可 | group 1"},  // the buttons wait for a load
        {true, "Linux", 2, u"音合使用可 | group 1 | group 1 | buttons 1"},
        {false, "Linux", 3, u"音合使用不可 | group 0"},         // read, but nothing enabled
        {true, "Windows Vista", 3, u"音合使用不可 | group 0"},  // not even read
    };
    for (int i = 0; i < 4; ++i) {
        engineWorks = rows[i].engine;
        os = QString::fromLatin1(rows[i].os);
        tape.TapeInitEngine();
        if (i > 0) load(u"a,0,0\n"_qs.repeated(i + 1));
        EXPECT_EQ(tape.TapeCount(), rows[i].count) << i;
        EXPECT_EQ(taken(), QString::fromUtf16(rows[i].log).toStdString()) << i;
    }
    // Without an engine the chimes still sound, but nothing is said.
    tape.TapeNext();
    tape.TapeStop();
    tape.TapeVoiceDialog(nullptr);
    EXPECT_EQ(taken(), "always.wav S3 -1");
}

// The readings next to the broadcast files, in any letter case, reach the
// engine with each load, and an engine made after it; the rows it cannot use
// are left out. Another route's folder without them, or a route that does not
// load, leaves none of them.
TEST_F(Tape, HandsTheFoldersReadingsAndTheRoutesLinesToTheEngine) {
    const Readings good{{u"母恋駅前"_qs, u"ぼこいえきまえ"_qs}, {u"御崎"_qs, u"みさき"_qs}};
    ASSERT_TRUE(sound_synth::writeFile(dir.filePath(u"READINGS.CSV"_qs),
                                       "表記,よみ\n母恋駅前,ぼこいえきまえ\n室蘭,muroran\n御崎,みさき\n"));
    QTemporaryDir other;
    ASSERT_TRUE(sound_synth::writeFile(other.filePath(u"5tp.csv"_qs), "x,0,0"));
    // With the readings, the route's lines to render ahead.
    const QStringList a{u"a"_qs}, x{u"x"_qs};
    const struct { const char* step; bool engineWorks; std::optional<Readings> given; std::optional<QStringList> lines; } steps[] = {
        {"load", true, good, a}, {"load other", true, Readings{}, x}, {"load", true, good, a},
        {"load missing", true, Readings{}, QStringList{}}, {"new engine", false, std::nullopt, std::nullopt},
        {"load", false, std::nullopt, std::nullopt}, {"new engine", true, good, a},
    };
    for (const auto& [step, works, given, lines] : steps) {
        SCOPED_TRACE(step);
        engineWorks = works;
        readings.reset();
        prepared.reset();
        const std::string what = step;
        what == "new engine" ? tape.TapeInitEngine()
        : what == "load"     ? load(u"a,0,0"_qs)
                             : tape.TapeLoad(what == "load other" ? other.path() : dir.path(), u"5"_qs);
        EXPECT_EQ(readings, given);
        EXPECT_EQ(prepared, lines);
    }
}

TEST(TapeFileExists, FindsOrdinaryFilesOnly) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(u"folder"_qs);
    for (const char* name : {"face.bmp", ".hidden.bmp"}) sound_synth::writeFile(dir.filePath(name), {});
    const struct { const char* name; bool found; } paths[] = {
        {"face.bmp", true}, {"*.bmp", true},       {"fa?e.bmp", true}, {"folder", false},      {"fold*", false},
        {".h*", false},     {".hidden.bmp", false}, {"*.jpg", false},   {"missing.bmp", false}, {"", false}};
    for (const auto& path : paths)
        EXPECT_EQ(mdlM_Tape::FileExists(*path.name ? dir.filePath(path.name) : QString()), path.found) << path.name;
}

}  // namespace
