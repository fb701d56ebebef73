#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include "platform/Wait.h"
#include "sound/JTalkEngine.h"
#include "sound/SpeechChoice.h"
#include "tests/sound/OnDisk.h"
#include "tests/support/QtPrinting.h"

namespace {

// Records what the engine hands it instead of speaking.
struct Fallback : TextToSpeech {
    explicit Fallback(QStringList& spoken) : spoken_(spoken) {}
    void speak(const QString& text) override { spoken_ << text; }
    void stop() override {}
    qint32 state() const override { return Speaking; }
    void setReadings(std::vector<readings_file::Reading>) override {}
    void showVoiceDialog(QWidget*, const QString&) override {}
    QStringList& spoken_;
};

class JTalk : public OnDisk {
protected:
    JTalk() { settingsFile = dir.filePath("speech.ini"); }

    // A synthesiser of our own in place of the real one: it writes its
    // arguments and its input to `log`, then behaves as `how` says: "ok"
    // writes a WAV of half a second of tone, "fail" ends with an error,
    // "hang" never ends.
    open_jtalk::Installation fake(const QString& how) {
        const QString program = dir.filePath("open_jtalk_" + how);
        QFile script(program);
        EXPECT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral(R"(#!/usr/bin/env python3
import math, struct, sys, time
args = sys.argv[1:]
with open(%1, "a", encoding="utf-8") as log:
    log.write(repr(args) + "\n" + sys.stdin.read())
how = %2
if how == "fail":
    sys.stderr.write("broken voice\n"); sys.exit(3)
if how == "hang":
    time.sleep(60)
samples = [int(8000 * math.sin(i / 10)) for i in range(24000)]
data = struct.pack("<%dh" % len(samples), *samples)
with open(args[args.index("-ow") + 1], "wb") as wav:
    wav.write(b"RIFF" + struct.pack("<I", 36 + len(data)) + b"WAVEfmt " +
              struct.pack("<IHHIIHH", 16, 1, 1, 48000, 96000, 2, 16) + b"data" + struct.pack("<I", len(data)) + data)
)")
                         .arg("'" + dir.filePath("log") + "'", "'" + how + "'")
                         .toUtf8());
        script.close();
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
        open_jtalk::Installation i = open_jtalk::installed();
        i.program = program;
        return i;
    }
    QString log() {
        QFile file(dir.filePath("log"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    void waitWhileSpeaking(TextToSpeech& engine) {
        for (int i = 0; i < 200 && engine.state() == TextToSpeech::Speaking; ++i) waiting::blockFor(50);
    }
    static double seconds(const std::vector<std::int16_t>& pcm) {
        const auto loud = [](std::int16_t s) { return std::abs(s) > 1000; };
        const auto first = std::find_if(pcm.begin(), pcm.end(), loud);
        return double(std::find_if(pcm.rbegin(), pcm.rend(), loud).base() - first) / AudioDevice::Rate;
    }

    QString settingsFile;
};

const QString Line = u"次は、室蘭駅前です。お降りの方はお知らせください。"_qs;

TEST_F(JTalk, TheNaturalVoiceSpeaksWhenItIsInstalled) {
    const open_jtalk::Installation real = open_jtalk::installed();
    ASSERT_TRUE(open_jtalk::usable(real, {})) << "open_jtalk, its dictionary or the voice is missing";
    SpeechEngine::Resources espeak = SpeechEngine::defaultResources();
    espeak.settingsFile = settingsFile;
    open_jtalk::Installation noVoice = real, noProgram = real;
    noVoice.defaultVoice = dir.filePath("none.htsvoice");
    noProgram.program = dir.filePath("open_jtalk");
    const struct {
        const char* name;
        open_jtalk::Installation installation;
        bool natural;
    } rows[] = {{"installed", real, true}, {"no voice file", noVoice, false}, {"no program", noProgram, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::unique_ptr<TextToSpeech> engine = chooseSpeechEngine(*device, row.installation, espeak);
        ASSERT_TRUE(engine);
        EXPECT_EQ(dynamic_cast<JTalkEngine*>(engine.get()) != nullptr, row.natural);
        EXPECT_EQ(dynamic_cast<SpeechEngine*>(engine.get()) != nullptr, !row.natural);
    }
    // A voice of the user's own that is gone: the other engine speaks.
    JTalkSettings own;
    own.voiceFile = dir.filePath("mine.htsvoice");
    own.save(settingsFile);
    EXPECT_FALSE(dynamic_cast<JTalkEngine*>(chooseSpeechEngine(*device, real, espeak).get()));

    // The line plays in full on the speech channel: some three seconds of speech.
    own.voiceFile.clear();
    own.save(settingsFile);
    auto engine = JTalkEngine::create(*device, {real, settingsFile}, nullptr);
    ASSERT_TRUE(engine);
    engine->speak(Line);
    EXPECT_EQ(engine->state(), TextToSpeech::Speaking);
    waitWhileSpeaking(*engine);
    EXPECT_EQ(engine->state(), TextToSpeech::Idle);
    const std::vector<std::int16_t> pcm = output(engine);
    const double played = seconds(pcm);
    EXPECT_GT(played, 2.5);
    EXPECT_LT(played, 5.5);
    // Without the faint noise the voice opens with: the first sound comes at once.
    const auto first = std::find_if(pcm.begin(), pcm.end(), [](std::int16_t s) { return std::abs(s) > 1000; });
    EXPECT_LT(double(first - pcm.begin()) / AudioDevice::Rate, 0.05);
}

TEST_F(JTalk, StopCutsTheLine) {
    auto engine = JTalkEngine::create(*device, {open_jtalk::installed(), settingsFile}, nullptr);
    ASSERT_TRUE(engine);
    engine->speak(Line);
    waiting::blockFor(400);
    engine->stop();
    EXPECT_EQ(engine->state(), TextToSpeech::Idle);
    EXPECT_LT(seconds(output(engine)), 1.0);
}

// The route's lines are rendered after it loads, kept for the voice and its
// settings, and rendered again when a setting changes.
TEST_F(JTalk, LinesAreRenderedAheadForTheSettingsInForce) {
    auto engine = JTalkEngine::create(*device, {open_jtalk::installed(), settingsFile}, nullptr);
    ASSERT_TRUE(engine);
    const QStringList lines{u"次は、市役所前です。"_qs, u"次は、中央公園です。"_qs};
    const auto readyWithin = [&](int ms) {
        for (int waited = 0; waited < ms && !engine->backgroundIdle(); waited += 50) waiting::blockFor(50);
        return std::all_of(lines.begin(), lines.end(), [&](const QString& l) { return engine->isReady(l); });
    };
    EXPECT_FALSE(engine->isReady(lines[0]));
    engine->prepare(lines);
    EXPECT_TRUE(readyWithin(10000));

    // A line not rendered ahead is rendered when asked, and kept.
    EXPECT_FALSE(engine->isReady(Line));
    engine->speak(Line);
    EXPECT_TRUE(engine->isReady(Line));

    JTalkSettings faster = engine->settings();
    faster.speed = 1.5;
    engine->setSettings(faster);
    EXPECT_FALSE(engine->isReady(Line));
    EXPECT_TRUE(readyWithin(10000)) << "the route's lines again, at the new speed";
    EXPECT_EQ(JTalkSettings::load(settingsFile), faster);
}

// The synthesiser runs as a program with its arguments as a list and the
// text on its standard input, names already written as their readings.
TEST_F(JTalk, TheSynthesiserGetsItsArgumentsAndTheTextAsItIsRead) {
    JTalkSettings s;
    s.speed = 1.25, s.halfTones = 2, s.volumeDb = -3, s.allPass = 0.55;
    s.save(settingsFile);
    const open_jtalk::Installation installation = fake("ok");
    auto engine = JTalkEngine::create(*device, {installation, settingsFile}, nullptr);
    ASSERT_TRUE(engine);
    engine->setReadings({{u"母恋駅前"_qs, u"ぼこいえきまえ"_qs}});
    engine->speak(u"次は、母恋駅前です。$(touch hacked); rm -f x"_qs);
    const QString said = log();
    EXPECT_TRUE(said.endsWith(u"次は、ボコイエキマエです。$(touch hacked); rm -f x\n"_qs)) << said.toStdString();
    for (const QString& arg : {"'-x', '" + installation.dictionary + "', '-m', '" + installation.defaultVoice + "', '-ow'",
                               u"'-r', '1.25', '-fm', '2.00', '-g', '-3.00', '-a', '0.55'"_qs})
        EXPECT_TRUE(said.contains(arg)) << said.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("hacked")));
    EXPECT_EQ(engine->state(), TextToSpeech::Speaking);
    waitWhileSpeaking(*engine);
    EXPECT_NEAR(seconds(output(engine)), 0.5, 0.02);
}

TEST_F(JTalk, ABrokenOrHangingSynthesiserGivesWayToTheOtherEngine) {
    for (const QString& how : {u"fail"_qs, u"hang"_qs}) {
        SCOPED_TRACE(how.toStdString());
        QStringList spoken;
        auto engine = JTalkEngine::create(*device, {fake(how), settingsFile, 500}, std::make_unique<Fallback>(spoken));
        ASSERT_TRUE(engine);
        engine->speak(u"次は、市役所前です。"_qs);
        EXPECT_TRUE(engine->fellBack());
        engine->speak(u"次は、中央公園です。"_qs);
        EXPECT_EQ(spoken, (QStringList{u"次は、市役所前です。"_qs, u"次は、中央公園です。"_qs}));
        EXPECT_EQ(log().count(u"市役所前"_qs), 1) << "the second line goes straight to the other engine";
        QFile::remove(dir.filePath("log"));
    }
}

}  // namespace
