#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "Cp932.h"
#include "Options.h"
#include "SoundSink.h"
#include "TapeControls.h"
#include "mdlM_Tape.h"

namespace {

struct Chime {
    QString file, alias;
    qint16 wait;
    bool operator==(const Chime&) const = default;
};

struct FakeSound : SoundSink {
    void SndPlay(const QString& fileName, const QString& alias, qint16 waitForEnd, qint16) override {
        played.push_back({fileName, alias, waitForEnd});
    }
    std::vector<Chime> played;
};

struct FakeControls : TapeControls {
    void setTapeGroupEnabled(bool enabled) override { groupEnabled = enabled; }
    void setTapeGroupCaption(const QString& text) override { caption = text; }
    void setTapeButtonsEnabled(bool enabled) override { buttonsEnabled = enabled; }
    bool groupEnabled = false, buttonsEnabled = false;
    QString caption = u"音合使用不可"_qs;
};

// Records what the announcements ask of the engine, in order.
struct FakeEngine : TextToSpeech {
    explicit FakeEngine(QStringList& log) : log(log) {}
    void speak(const QString& text) override { log << u"speak "_qs + text; }
    void stop() override { log << u"stop"_qs; }
    qint32 state() const override { return answer; }
    void showVoiceDialog(QWidget*, const QString& title) override { log << u"dialog "_qs + title; }
    QStringList& log;
    qint32 answer = Speaking;
};

class Tape : public ::testing::Test {
protected:
    Tape() {
        options.sound.TapeSound = u"always.wav"_qs;
        options.sound.TapeSound1 = u"one.wav"_qs;
        options.sound.TapeSound2 = u"two.wav"_qs;
        options.sound.TapeSound3 = u"three.wav"_qs;
    }

    void write(const QString& name, const QString& text) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(cp932::encode(text));
    }
    void initAndLoad(const QString& text) {
        write(u"12tp.csv"_qs, text);
        tape.TapeInitEngine();
        tape.TapeLoad(dir.path(), u"012"_qs);
    }
    QStringList spoken() const { return log.filter(u"speak"_qs); }

    QTemporaryDir dir;
    Options options;
    FakeSound sound;
    FakeControls controls;
    QStringList log;
    QString os = u"Linux"_qs;
    bool engineWorks = true;
    mdlM_Tape tape{options, sound, controls,
                   [this]() -> std::unique_ptr<TextToSpeech> {
                       if (!engineWorks) return nullptr;
                       auto engine = std::make_unique<FakeEngine>(log);
                       engine_ = engine.get();
                       return engine;
                   },
                   [this] { return os; }};
    FakeEngine* engine_ = nullptr;
};

TEST_F(Tape, ReadsQuotedTextCountsBlankLinesAndKeepsCp932) {
    initAndLoad(u"\"次は,市役所前です。\",1,2\r\n"
                u"  お降りの方は お知らせください  , 0 ,3\r\n"
                u"\r\n"
                u"\"終点、駅前\" ignored,,-4\r\n"
                u"   \r\n"_qs);
    EXPECT_EQ(tape.TapeCount(), 5);
    EXPECT_EQ(tape.TapePosition(), 0);
    EXPECT_TRUE(controls.groupEnabled);
    EXPECT_TRUE(controls.buttonsEnabled);
    const qint16 steps[] = {0, 1, 0, 0, 0, 0, 0}, chimes[] = {0, 2, 3, -4, 0, 0, 0};
    for (int position = 0; position <= 6; ++position) {
        EXPECT_EQ(tape.TapeStepFlag(position), steps[position]) << position;
        EXPECT_EQ(tape.TapeChimeFlag(position), chimes[position]) << position;
    }
    for (int i = 0; i < 5; ++i) tape.TapeNext();
    // The blank lines became empty rows at the end.
    EXPECT_EQ(spoken(), (QStringList{u"speak 次は,市役所前です。"_qs, u"speak お降りの方は お知らせください"_qs,
                                     u"speak 終点、駅前"_qs, u"speak "_qs, u"speak "_qs}));
}

TEST_F(Tape, MalformedMissingOrHugeFilesFailTheLoad) {
    const QString bad[] = {
        u"a,1,2\r\nb,32768,0\r\n"_qs,  // does not fit 16 bits
        u"a,1,-32769\r\n"_qs,
        u"a,one,2\r\n"_qs,             // no number
        u"a,1\r\n"_qs,                 // a field missing
        u"a,1,2,3\r\n"_qs,             // one too many
        u"\"a,1,2\r\n"_qs,             // an unclosed quotation
        QString(u"a,1,2\n"_qs).repeated(10001),
    };
    for (const QString& text : bad) {
        initAndLoad(u"good,0,0\r\n"_qs);
        ASSERT_TRUE(controls.groupEnabled);
        write(u"7tp.csv"_qs, text);
        tape.TapeLoad(dir.path(), u"7"_qs);
        EXPECT_FALSE(controls.groupEnabled) << text.left(20).toStdString();
        EXPECT_EQ(tape.TapeCount(), 0);
    }
    initAndLoad(u"good,0,0\r\n"_qs);
    tape.TapeLoad(dir.path(), u"99"_qs);
    EXPECT_FALSE(controls.groupEnabled);

    // At the limits and with Windows' file name case, it loads.
    write(u"8Tp.CSV"_qs, u"a,32767,-32768\n"_qs.repeated(10000));
    tape.TapeLoad(dir.path() + u'\\', u"0008"_qs);
    EXPECT_TRUE(controls.groupEnabled);
    EXPECT_EQ(tape.TapeCount(), 10000);
    EXPECT_EQ(tape.TapeStepFlag(10000), 32767);
}

TEST_F(Tape, ASecondRouteReplacesTheFirst) {
    initAndLoad(u"a,0,0\r\nb,0,0\r\nc,0,0\r\n"_qs);
    tape.TapeNext();
    write(u"5tp.csv"_qs, u"x,1,0"_qs);  // no line end after the last line
    tape.TapeLoad(dir.path(), u"5"_qs);
    EXPECT_EQ(tape.TapeCount(), 1);
    EXPECT_EQ(tape.TapePosition(), 0);
    tape.TapeNext();
    EXPECT_EQ(spoken().last(), u"speak x"_qs);
}

TEST_F(Tape, StepsHoldAtBothEndsWithTheirChimes) {
    options.sound.TapeSoundAlways = 0;
    options.sound.TapeSoundSync = -1;
    initAndLoad(u"first,1,1\r\nsecond,0,2\r\nthird,0,3\r\nfourth,1,4\r\n"_qs);

    tape.TapeBack();  // from 0: held at 1, silent
    EXPECT_EQ(tape.TapePosition(), 1);
    EXPECT_TRUE(log.isEmpty());
    EXPECT_TRUE(sound.played.empty());
    tape.TapeNext();  // announces row 2
    EXPECT_EQ(spoken(), QStringList{u"speak second"_qs});
    EXPECT_EQ(sound.played, (std::vector<Chime>{{u"two.wav"_qs, u"S3"_qs, -1}}));

    tape.TapeNext();
    tape.TapeNext();  // row 4: flag 4 plays nothing
    tape.TapeNext();  // held at the last row
    EXPECT_EQ(tape.TapePosition(), 4);
    EXPECT_EQ(tape.TapeStepFlag(tape.TapePosition()), 1);
    EXPECT_EQ(spoken(), (QStringList{u"speak second"_qs, u"speak third"_qs, u"speak fourth"_qs}));

    options.sound.TapeSoundSync = 0;
    sound.played.clear();
    tape.TapeBack();
    tape.TapeBack();
    tape.TapeBack();
    tape.TapeBack();  // held at 1
    EXPECT_EQ(tape.TapePosition(), 1);
    EXPECT_EQ(sound.played, (std::vector<Chime>{{u"three.wav"_qs, u"S2"_qs, 0},
                                                {u"two.wav"_qs, u"S2"_qs, 0},
                                                {u"one.wav"_qs, u"S2"_qs, 0}}));
    EXPECT_EQ(spoken().last(), u"speak first"_qs);
    // Each text is spoken after a stop.
    EXPECT_EQ(log.mid(log.size() - 2), (QStringList{u"stop"_qs, u"speak first"_qs}));
}

TEST_F(Tape, AlwaysModeChimesForwardOnly) {
    options.sound.TapeSoundAlways = -1;
    options.sound.TapeSoundSync = -1;
    initAndLoad(u"a,0,0\r\nb,0,4\r\nc,0,2\r\n"_qs);
    for (int i = 0; i < 3; ++i) tape.TapeNext();
    tape.TapeBack();  // row 2, flag 4
    tape.TapeBack();  // row 1, flag 0
    options.sound.TapeSoundAlways = 0;  // read at the moment of use
    tape.TapeNext();  // row 2
    EXPECT_EQ(sound.played, (std::vector<Chime>{{u"always.wav"_qs, u"S3"_qs, -1},
                                                {u"always.wav"_qs, u"S3"_qs, -1},
                                                {u"always.wav"_qs, u"S3"_qs, -1}}));
}

TEST_F(Tape, EngineDecidesTheGroup) {
    tape.TapeInitEngine();
    EXPECT_EQ(controls.caption, u"音合使用可"_qs);
    EXPECT_TRUE(controls.groupEnabled);
    EXPECT_FALSE(controls.buttonsEnabled);  // until a load succeeds
    tape.TapeVoiceDialog(nullptr);
    tape.TapeStop();
    EXPECT_EQ(log, (QStringList{u"dialog 音声の調節"_qs, u"stop"_qs}));

    // A failed speak is followed by a second stop.
    write(u"1tp.csv"_qs, u"a,0,0"_qs);
    tape.TapeLoad(dir.path(), u"1"_qs);
    log.clear();
    engine_->answer = TextToSpeech::Failed;
    tape.TapeNext();
    EXPECT_EQ(log, (QStringList{u"stop"_qs, u"speak a"_qs, u"stop"_qs}));

    engineWorks = false;
    tape.TapeInitEngine();
    EXPECT_EQ(controls.caption, u"音合使用不可"_qs);
    EXPECT_FALSE(controls.groupEnabled);
    controls.buttonsEnabled = false;
    tape.TapeLoad(dir.path(), u"1"_qs);  // reads, but enables nothing
    EXPECT_FALSE(controls.groupEnabled || controls.buttonsEnabled);
    EXPECT_EQ(tape.TapeCount(), 1);

    engineWorks = true;
    os = u"Windows Vista"_qs;
    tape.TapeInitEngine();
    EXPECT_EQ(controls.caption, u"音合使用不可"_qs);
    EXPECT_FALSE(controls.groupEnabled);
    write(u"2tp.csv"_qs, u"a,0,0\r\nb,0,0"_qs);
    tape.TapeLoad(dir.path(), u"2"_qs);  // not even read
    EXPECT_EQ(tape.TapeCount(), 1);
}

TEST(TapeFileExists, FindsOrdinaryFilesOnly) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(u"folder"_qs);
    for (const char* name : {"face.bmp", ".hidden.bmp"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        file.open(QIODevice::WriteOnly);
    }
    EXPECT_TRUE(mdlM_Tape::FileExists(dir.filePath(u"face.bmp"_qs)));
    EXPECT_TRUE(mdlM_Tape::FileExists(dir.filePath(u"*.bmp"_qs)));
    EXPECT_FALSE(mdlM_Tape::FileExists(dir.filePath(u"folder"_qs)));
    EXPECT_FALSE(mdlM_Tape::FileExists(dir.filePath(u".hidden.bmp"_qs)));
    EXPECT_FALSE(mdlM_Tape::FileExists(dir.filePath(u"*.jpg"_qs)));
    EXPECT_FALSE(mdlM_Tape::FileExists(dir.filePath(u"missing.bmp"_qs)));
    EXPECT_FALSE(mdlM_Tape::FileExists(QString()));
}

}  // namespace
