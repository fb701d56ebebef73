#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <functional>

#include "AudioDevice.h"
#include "SpeechEngine.h"
#include "TestSounds.h"
#include "Wait.h"

namespace {

// Each test gets its own configuration folder and an audio device on SDL's
// disk driver, whose output is read back.
class Speech : public ::testing::Test {
protected:
    Speech() {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(dir.filePath("device.raw")));
        engine = SpeechEngine::create(*device);
    }
    void SetUp() override { ASSERT_TRUE(engine) << "no dictionary or no Japanese voice"; }

    // The left channel, once the device has closed and every sample is on disk.
    std::vector<std::int16_t> output() {
        engine.reset();
        device.reset();
        return test_sounds::leftChannelOf(dir.filePath("device.raw"));
    }

    QTemporaryDir dir;
    std::unique_ptr<AudioDevice> device = std::make_unique<AudioDevice>();
    std::unique_ptr<SpeechEngine> engine;
};

// What the voice gets: katakana words, blanks and pauses, nothing else.
const QRegularExpression OnlyKana(u"^[ァ-ヴー 、。?]*$"_qs);

TEST_F(Speech, TypicalAnnouncementsStayInJapanese) {
    const char16_t* const sentences[] = {
        u"次は、市役所前です。お降りの方はお知らせください。",
        u"ご乗車ありがとうございます。このバスは東京駅行きです。",
        u"次は終点、中央バスターミナルです。",
        u"整理券をお取りください。",
        u"運賃は整理券番号の下に表示されます。",
        u"両替は停車中にお願いします。千円札が使えます。",
        u"次は3丁目、3丁目でございます。",
        u"このバスは12系統、霞ヶ丘経由、駅前行きです。",
        u"運賃は210円です。小児は半額の110円です。",
        u"「市民病院前」に停まります。",
        u"JR線・地下鉄線はお乗り換えです。",
        u"発車まで5分ほどお待ちください。",
        u"バスが停まってから席をお立ちください。",
        u"次の停留所は、県庁前です。",
        u"降車ボタンを押してお知らせください。",
        u"1日乗車券をお持ちの方は、運転士にお見せください。",
        u"次は、髙島屋前、薬師堂ヶ原です。",  // kanji and a ヶ the dictionary does not know
        u"ABCバスをご利用いただきありがとうございます。",
        u"8番のりばから、午後4時30分に発車します。",
        u"危険ですので、走行中は席をお立ちにならないでください。",
    };
    for (const char16_t* sentence : sentences) {
        const QString text = QString::fromUtf16(sentence);
        const QString reading = engine->reading(text), phonemes = engine->phonemes(text);
        EXPECT_TRUE(OnlyKana.match(reading).hasMatch()) << reading.toStdString();
        // A switch to another language shows as "(en)" and the like.
        EXPECT_FALSE(phonemes.contains(u'(')) << text.toStdString() << " -> " << phonemes.toStdString();
        EXPECT_GE(phonemes.size(), reading.size() / 2) << text.toStdString();
    }
}

TEST_F(Speech, RouteBusWordsHaveTheirPronunciations) {
    const struct {
        const char16_t* text;
        const char16_t* expected;
    } cases[] = {
        {u"お降りの方はお知らせください", u"オーリノカタワ"},
        {u"ご乗車の方", u"ジョーシャノカタ"},
        {u"この方が早い", u"コノホーガ"},  // カタ after the particle の only
        {u"行った方がいい", u"イッタホーガ"},
        {u"駅前行きです", u"エキマエユキデス"},
        {u"市役所前行", u"シヤクショマエユキ"},
        {u"学校へ行きます", u"イキマス"},
        {u"12系統", u"ケイトウ"},
        {u"整理券をお取りください", u"セイリケンオ"},
        {u"両替は停車中に", u"リョーガエワ"},
        {u"停留所", u"テイリュージョ"},
        {u"降車ボタン", u"コーシャボタン"},
        {u"ご乗車ありがとうございます", u"ゴジョーシャ"},
        {u"次は、", u"ツギワ"},
        {u"終点です", u"シューテンデス"},
        {u"運賃箱", u"ウンチンバコ"},
        {u"運賃は", u"ウンチンワ"},
        {u"「病院前」に停まります", u"トマリマス"},
    };
    for (const auto& c : cases) {
        const QString reading = engine->reading(QString::fromUtf16(c.text)).remove(u' ');
        EXPECT_TRUE(reading.contains(QString::fromUtf16(c.expected)))
            << QString::fromUtf16(c.text).toStdString() << " -> " << reading.toStdString();
    }
}

TEST_F(Speech, NumbersLettersAndMarksAreReadInJapanese) {
    const struct {
        const char16_t* text;
        const char16_t* expected;
    } cases[] = {
        {u"3本", u"サンボン"},          {u"1本", u"イッポン"},        {u"6本", u"ロッポン"},
        {u"8分", u"ハップン"},          {u"4分", u"ヨンプン"},        {u"10分", u"ジュップン"},
        {u"4時", u"ヨジ"},              {u"9時", u"クジ"},            {u"7時", u"シチジ"},
        {u"300円", u"サンビャクエン"},  {u"1,000円", u"センエン"},    {u"８０００円", u"ハッセンエン"},
        {u"600円", u"ロッピャクエン"},  {u"3階", u"サンガイ"},        {u"1回", u"イッカイ"},
        {u"1丁目", u"イッチョウメ"},    {u"6丁目", u"ロクチョウメ"},  {u"2人", u"フタリ"},
        {u"4人", u"ヨニン"},            {u"3ヶ月", u"サンカゲツ"},    {u"1.5km", u"イッテンゴキロメートル"},
        {u"03", u"ゼロサン"},           {u"12345", u"イチマンニセンサンビャクヨンジュウゴ"},
        {u"100回", u"ヒャッカイ"},      {u"21番", u"ニジュウイチバン"},
        {u"JR", u"ジェーアール"},       {u"ＡＢＣ", u"エービーシー"},  {u"バス・テイ", u"バステイ"},
    };
    for (const auto& c : cases) {
        const QString reading = engine->reading(QString::fromUtf16(c.text)).remove(u' ');
        EXPECT_EQ(reading, QString::fromUtf16(c.expected)) << QString::fromUtf16(c.text).toStdString();
    }
}

TEST_F(Speech, SpeakingSoundsOnTheSpeechChannelAndStopSilencesIt) {
    QElapsedTimer clock;
    clock.start();
    engine->speak(u"次は、市役所前です。お降りの方はお知らせください。"_qs);
    EXPECT_LT(clock.elapsed(), 200);  // it returns while the text sounds
    waiting::blockFor(800);
    EXPECT_EQ(engine->state(), TextToSpeech::Speaking);
    EXPECT_TRUE(device->isPlaying(AudioDevice::SpeechChannel));
    for (int channel = 0; channel < 4; ++channel) EXPECT_FALSE(device->isPlaying(channel));
    engine->stop();
    EXPECT_EQ(engine->state(), TextToSpeech::Idle);
    waiting::blockFor(600);

    const auto pcm = output();
    std::vector<double> windows;  // RMS in 20 ms windows
    const int window = AudioDevice::Rate / 50;
    for (size_t at = 0; at + window <= pcm.size(); at += window) {
        double sum = 0;
        for (int i = 0; i < window; ++i) sum += double(pcm[at + i]) * pcm[at + i];
        windows.push_back(std::sqrt(sum / window));
    }
    const auto loud = [](double rms) { return rms > 300; };
    const auto first = std::find_if(windows.begin(), windows.end(), loud);
    ASSERT_NE(first, windows.end()) << "nothing was heard";
    // The sentence runs about four seconds; it sounded for about 0.8 of them.
    const auto heard = std::count_if(windows.begin(), windows.end(), loud);
    EXPECT_GE(heard, 20);
    EXPECT_LE(heard, 55);
    // The last 400 ms are silent.
    ASSERT_GE(windows.size(), 20u);
    EXPECT_TRUE(std::none_of(windows.end() - 20, windows.end(), [](double rms) { return rms > 30; }));
    // Raised to the device's rate, the voice keeps to its own band: no
    // mirror image of it above 11 kHz (sample-to-sample steps stay small).
    double energy = 0, steps = 0;
    for (size_t i = 1; i < pcm.size(); ++i) {
        energy += double(pcm[i]) * pcm[i];
        steps += double(pcm[i] - pcm[i - 1]) * (pcm[i] - pcm[i - 1]);
    }
    EXPECT_LT(steps / energy, 0.5);
}

// Silences of 100 ms or more between the first and the last sound, as
// (start, length) in ms, found in 10 ms windows.
std::vector<std::pair<int, int>> pauses(const std::vector<std::int16_t>& pcm, int rate) {
    const int window = rate / 100;
    std::vector<bool> quiet;
    for (size_t at = 0; at + window <= pcm.size(); at += window) {
        double sum = 0;
        for (int i = 0; i < window; ++i) sum += double(pcm[at + i]) * pcm[at + i];
        quiet.push_back(std::sqrt(sum / window) < 100);
    }
    std::vector<std::pair<int, int>> found;
    int run = 0;
    for (size_t i = 0; i < quiet.size(); ++i) {
        if (quiet[i]) {
            ++run;
            continue;
        }
        if (run >= 10 && i > size_t(run)) found.push_back({int(i - run) * 10, run * 10});
        run = 0;
    }
    return found;
}

TEST_F(Speech, PausesAtCommaAndFullStop) {
    const auto pcm = engine->render(u"次は、市役所前です。お降りの方はお知らせください。"_qs);
    const int rate = SpeechEngine::renderRate();
    EXPECT_GT(pcm.size(), size_t(rate * 3));
    EXPECT_LT(pcm.size(), size_t(rate * 5));
    EXPECT_GT(*std::max_element(pcm.begin(), pcm.begin() + rate / 50), 300) << "the sound starts at once";
    const auto found = pauses(pcm, rate);
    ASSERT_EQ(found.size(), 2u);
    // 、 after ツギワ, 。 after デス, the full stop the longer.
    EXPECT_LT(found[0].first, 800);
    EXPECT_GE(found[0].second, 120);
    EXPECT_GE(found[1].second, found[0].second + 50);
    EXPECT_TRUE(pauses(engine->render(u"次は市役所前ですお降りの方はお知らせください"_qs), rate).empty());
}

TEST_F(Speech, NoEngineWithoutItsDictionaries) {
    auto resources = SpeechEngine::defaultResources();
    EXPECT_TRUE(SpeechEngine::create(*device, resources));
    resources.userDictionary = dir.filePath("missing.dic");
    EXPECT_FALSE(SpeechEngine::create(*device, resources));
    resources = SpeechEngine::defaultResources();
    resources.systemDictionary = dir.path();
    EXPECT_FALSE(SpeechEngine::create(*device, resources));
}

// Runs `drive` on the dialog once it is up.
void whenDialogShows(const std::function<void(QDialog&)>& drive) {
    QTimer::singleShot(0, [drive] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        drive(*dialog);
    });
}

TEST_F(Speech, VoiceDialogKeepsItsSettingsInTheEnginesOwnFile) {
    const QString sentence = u"次は、市役所前です。お降りの方はお知らせください。"_qs;
    const size_t normalLength = engine->render(sentence).size();
    bool triedOut = false;
    whenDialogShows([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), u"音声の調節"_qs);
        auto* variant = dialog.findChild<QComboBox*>(u"variant"_qs);
        ASSERT_GE(variant->count(), 2);
        variant->setCurrentIndex(variant->findData(u"f2"_qs));
        dialog.findChild<QSlider*>(u"rate"_qs)->setValue(320);
        dialog.findChild<QSlider*>(u"pitch"_qs)->setValue(70);
        dialog.findChild<QSlider*>(u"volume"_qs)->setValue(150);
        dialog.findChild<QPushButton*>(u"test"_qs)->click();
        triedOut = engine->state() == TextToSpeech::Speaking;
        dialog.findChild<QPushButton*>(u"ok"_qs)->click();
    });
    engine->showVoiceDialog(nullptr, u"音声の調節"_qs);

    const VoiceSettings chosen{u"f2"_qs, 320, 70, 150};
    EXPECT_TRUE(triedOut);
    EXPECT_EQ(engine->voiceSettings(), chosen);
    EXPECT_LT(engine->render(sentence).size(), normalLength * 3 / 4);  // faster
    EXPECT_TRUE(VoiceSettings::defaultFile().startsWith(dir.filePath("config")));
    EXPECT_EQ(SpeechEngine::create(*device)->voiceSettings(), chosen);

    // Cancel keeps what was kept, though the test button spoke otherwise.
    whenDialogShows([](QDialog& dialog) {
        dialog.findChild<QSlider*>(u"rate"_qs)->setValue(100);
        dialog.findChild<QPushButton*>(u"test"_qs)->click();
        dialog.findChild<QPushButton*>(u"cancel"_qs)->click();
    });
    engine->showVoiceDialog(nullptr, u"音声の調節"_qs);
    EXPECT_EQ(engine->voiceSettings(), chosen);
    EXPECT_EQ(VoiceSettings::load(VoiceSettings::defaultFile()), chosen);
}

// Run by a CTest entry of its own, with ESPEAK_DATA_PATH at a folder that
// holds no voice: the synthesiser starts once a process.
TEST(SpeechWithoutVoice, NoEngine) {
    if (qEnvironmentVariableIsEmpty("ESPEAK_DATA_PATH")) GTEST_SKIP() << "needs ESPEAK_DATA_PATH without voices";
    AudioDevice device;
    EXPECT_TRUE(QFileInfo(SpeechEngine::defaultResources().userDictionary).isFile());
    EXPECT_FALSE(SpeechEngine::create(device));
}

}  // namespace
