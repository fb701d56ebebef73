#include <gtest/gtest.h>

#include <QComboBox>
#include <QFileInfo>
#include <QPushButton>
#include <QSlider>

#include <algorithm>
#include <cmath>
#include <numeric>

#include "tests/support/ModalDriver.h"
#include "tests/sound/OnDisk.h"
#include "sound/SpeechEngine.h"
#include "platform/Wait.h"

namespace {

// Each test gets its own configuration folder and an engine whose device
// plays to disk.
class Speech : public OnDisk {
protected:
    Speech() {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
        engine = SpeechEngine::create(*device);
    }
    void SetUp() override { ASSERT_TRUE(engine) << "no dictionary or no Japanese voice"; }

    std::unique_ptr<SpeechEngine> engine;
};

const QString Sentence = u"次は、市役所前です。お降りの方はお知らせください。"_qs;

// What the voice gets: katakana words (a particle with the word before it),
// blanks between them and the three pauses (one where marks stack), nothing
// else; Latin letters are spelled and kana the voice cannot say replaced.
TEST_F(Speech, AnnouncementsAreReadAsKanaWords) {
    const struct { const char *text, *reading; } rows[] = {
        {"次は、市役所前です。お降りの方はお知らせください。", "ツギワ、 シヤクショマエデス。 オーリノカタワ オシラセクダサイ。"},
        {"この方が早い", "コノホーガ ハヤイ"}, {"行った方がいい", "イッタホーガ イイ"},  // カタ after の only
        {"このバスは東京駅行きです。", "コノ バスワ トーキョーエキユキデス。"}, {"市役所前行", "シヤクショマエユキ"},
        {"学校へ行きます", "ガッコーエ イキマス"}, {"ご乗車ありがとうございます。", "ゴジョーシャ アリガトーゴザイマス。"},
        {"整理券をお取りください。", "セイリケンオ オトリクダサイ。"}, {"降車ボタンを押して", "コーシャボタンオ オシテ"},
        {"両替は停車中にお願いします。", "リョーガエワ テイシャチューニ オネガイ シマス。"},
        {"次の停留所は、県庁前です。", "ツギノ テイリュージョワ、 ケンチョー マエデス。"},
        {"次は終点、中央バスターミナルです。", "ツギワ シューテン、 チューオー バスターミナルデス。"},
        {"運賃は運賃箱へ", "ウンチンワ ウンチンバコエ"}, {"「市民病院前」に停まります。", "シミン ビョーイン マエ ニ トマリマス。"},
        {"JR線・地下鉄線はお乗り換えです。", "ジェーアールセン チカテツセンワ オノリカエデス。"},
        {"霞ヶ丘経由、薬師堂ヶ原です。", "カスミガオカ ケイユ、 ヤクシドー ガ ハラデス。"},
        {"本当ですか?", "ホントーデスカ?"}, {"ABCバスをご利用", "エービーシー バスオ ゴリヨー"},
        {"ａ,b;c:d.e!f?g", "エー、 ビー、 シー、 ディー。 イー。 エフ? ジー"}, {"ーあ、。〒ヷヲヵ", "ア。 ヴァオカ"},
    };
    for (const auto& row : rows) {
        const QString text = QString::fromUtf8(row.text), reading = engine->reading(text);
        const QString phonemes = engine->phonemes(text);
        EXPECT_EQ(reading.toStdString(), row.reading);
        // The voice reads it all, in Japanese: a switch to another language shows as "(en)" and the like.
        EXPECT_TRUE(!phonemes.contains(u'(') && phonemes.size() >= reading.size() / 2)
            << reading.toStdString() << " -> " << phonemes.toStdString();
    }
    // It pauses at 、 and 。, half a second in all.
    const double rate = SpeechEngine::renderRate(), seconds = double(engine->render(Sentence).size()) / rate;
    EXPECT_NEAR(seconds, 3.85, 0.5);  // at the default speed
    EXPECT_GT(seconds, double(engine->render(QString(Sentence).remove(u'、').remove(u'。')).size()) / rate + 0.5);
    // The voice's own reading of リョ would be "rya-o"; it gets the phonemes.
    EXPECT_EQ(engine->phonemes(u"リャ、リュ、リョ"_qs).toStdString(), "ɽʲä ɽʲɯᵝ ɽʲo̞");
}

TEST_F(Speech, NumbersAreReadWithTheirCounters) {
    const struct { const char *text, *reading; } rows[] = {
        {"3本", "サンボン"}, {"1本", "イッポン"}, {"6本", "ロッポン"}, {"8分", "ハップン"}, {"4分", "ヨンプン"},
        {"10分", "ジュップン"}, {"4時", "ヨジ"}, {"9時", "クジ"}, {"7時", "シチジ"}, {"4円", "ヨエン"},
        {"300円", "サンビャクエン"}, {"1,000円", "センエン"}, {"８０００円", "ハッセンエン"}, {"600円", "ロッピャクエン"},
        {"3階", "サンガイ"}, {"1回", "イッカイ"}, {"6回", "ロッカイ"}, {"100回", "ヒャッカイ"}, {"1丁目", "イッチョウメ"},
        {"6丁目", "ロクチョウメ"}, {"1人", "ヒトリ"}, {"2人", "フタリ"}, {"4人", "ヨニン"}, {"3ヶ月", "サンカゲツ"},
        {"1.5km", "イッテンゴキロメートル"}, {"03", "ゼロサン"}, {"21番", "ニジュウイチバン"}, {"12系統", "ジュウニケイトウ"},
        {"12345", "イチマンニセンサンビャクヨンジュウゴ"}, {"3,000,000円", "サンビャクマンエン"}, {"1,00", "イチ、 ゼロゼロ"},
        {"14日", "ジュウヨッカ"}, {"8歳", "ハッサイ"}, {"1か所", "イッカショ"}, {"10分間", "ジュップンカン"}, {"8番線", "ハチバンセン"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(engine->reading(QString::fromUtf8(row.text)).toStdString(), row.reading) << row.text;
}

// Names with a reading are read so, the rest of the text as the dictionaries
// have it, in context (行 after a name ユキ, と and で particles); the longest
// name wins where names overlap, full-width and half-width forms are one, a
// blank may precede a name, and an empty set brings the guesses back.
TEST_F(Speech, NamesAreReadAsTheReadingsSay) {
    const struct { const char *text, *guess, *read; } rows[] = {
        {"次は、御崎です。", "ツギワ、 オンザキデス。", "ツギワ、 ミサキデス。"},
        {"次は、母恋駅前です。", "ツギワ、 ハハ コイ エキマエデス。", "ツギワ、 ボコイエキマエデス。"},
        {"次は 母恋駅前です\t\v母恋駅前", "ツギワ ハハ コイ エキマエデス ハハ コイ エキマエ", "ツギワ ボコイエキマエデス ボコイエキマエ"},
        {"母恋駅前から母恋へ", "ハハ コイ エキマエカラ ハハ コイエ", "ボコイエキマエカラ ボコイエ"},
        {"母恋駅前行と御崎で降ります", "ハハ コイ エキマエユキト オンザキデ オリマス", "ボコイエキマエユキト ミサキデ オリマス"},
        {"AEON前に停まります。", "エーイーオーエヌ マエニ トマリマス。", "イオンマエニ トマリマス。"},
        {"ＮＨＫ前、祝津", "エヌエイチケー マエ、 シュクツ", "エヌエッチケーマエ、 シュクヅ"},
    };
    const std::vector<readings_file::Reading> readings{
        {u"御崎"_qs, u"みさき"_qs},      {u"母恋"_qs, u"ぼこい"_qs},           {u"母恋駅前"_qs, u"ボコイエキマエ"_qs},
        {u"ＡＥＯＮ前"_qs, u"いおんまえ"_qs}, {u"NHK前"_qs, u"えぬえっちけーまえ"_qs}, {u"祝津"_qs, u"しゅく・づ"_qs}};  // the dot is not spoken
    for (const auto& set : {std::vector<readings_file::Reading>{}, readings, {}}) {
        engine->setReadings(set);
        for (const auto& row : rows)
            EXPECT_EQ(engine->reading(QString::fromUtf8(row.text)).toStdString(), set.empty() ? row.guess : row.read);
    }
}

// What plays for a name with a reading is what plays for the reading written
// out, not the dictionaries' guess. The voice's timing varies by a percent or
// two from one rendering to the next, so the sounding spans are compared.
TEST_F(Speech, PlaysTheReading) {
    const auto seconds = [](const std::vector<std::int16_t>& pcm, int rate) {
        const auto loud = [](std::int16_t s) { return std::abs(s) > 1000; };
        const auto first = std::find_if(pcm.begin(), pcm.end(), loud);
        return double(std::find_if(pcm.rbegin(), pcm.rend(), loud).base() - first) / rate;
    };
    const QString text = u"次は、母恋駅前です。"_qs;
    const double guessed = seconds(engine->render(text), SpeechEngine::renderRate());
    engine->setReadings({{u"母恋駅前"_qs, u"ぼこいえきまえ"_qs}});
    const double written = seconds(engine->render(u"次は、ボコイエキマエです。"_qs), SpeechEngine::renderRate());
    engine->speak(text);
    for (int i = 0; i < 100 && engine->state() == TextToSpeech::Speaking; ++i) waiting::blockFor(50);
    const double played = seconds(output(engine), AudioDevice::Rate);
    EXPECT_NEAR(played, written, written * 0.04);
    EXPECT_GT(std::abs(played - guessed), guessed * 0.06) << "played " << played << " s, the guess " << guessed << " s";
}

TEST_F(Speech, SpeaksOnItsOwnChannelUntilStopped) {
    engine->speak(Sentence);
    waiting::blockFor(800);
    EXPECT_EQ(engine->state(), TextToSpeech::Speaking);
    for (int channel = 0; channel < AudioDevice::MixChannels; ++channel)
        EXPECT_EQ(device->isPlaying(channel), channel == AudioDevice::SpeechChannel) << channel;
    engine->stop();
    EXPECT_EQ(engine->state(), TextToSpeech::Idle);
    waiting::blockFor(600);

    // It sounded at once (no leading silence), for some 0.8 of the sentence's
    // four seconds, and not in the last 400 ms.
    const auto pcm = output(engine);
    const auto loud = [](std::int16_t s) { return std::abs(s) > 1000; };
    const auto first = std::find_if(pcm.begin(), pcm.end(), loud);
    const auto last = std::find_if(pcm.rbegin(), pcm.rend(), loud).base();
    EXPECT_LT(first - pcm.begin(), AudioDevice::Rate / 40);
    EXPECT_NEAR(double(last - first) / AudioDevice::Rate, 0.85, 0.25);
    EXPECT_GT(pcm.end() - last, AudioDevice::Rate * 4 / 10);
    // Raised to the device's rate, the voice keeps to its own band: no mirror
    // image of it above 11 kHz (sample-to-sample steps stay small).
    double steps = 0;
    for (size_t i = 1; i < pcm.size(); ++i) steps += double(pcm[i] - pcm[i - 1]) * (pcm[i] - pcm[i - 1]);
    EXPECT_LT(steps / std::inner_product(pcm.begin(), pcm.end(), pcm.begin(), 0.0), 0.5);
}

TEST_F(Speech, NoEngineWithoutItsDictionaries) {
    auto noUserWords = SpeechEngine::defaultResources(), noSystem = noUserWords;
    noUserWords.userDictionary = dir.filePath("missing.dic");
    noSystem.systemDictionary = dir.path();
    EXPECT_FALSE(SpeechEngine::create(*device, noUserWords));
    EXPECT_FALSE(SpeechEngine::create(*device, noSystem));
}

TEST_F(Speech, VoiceDialogKeepsItsSettingsInTheEnginesOwnFile) {
    const size_t normalLength = engine->render(Sentence).size();
    ModalDriver choose([&](QDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), u"音声の調節"_qs);
        auto* variant = child<QComboBox>(dialog, "variant");
        variant->setCurrentIndex(variant->findData(u"f2"_qs));
        for (const auto& [name, value] : {std::pair("rate", 320), std::pair("pitch", 70), std::pair("volume", 150)})
            child<QSlider>(dialog, name)->setValue(value);
        child<QPushButton>(dialog, "test")->click();
        EXPECT_EQ(engine->state(), TextToSpeech::Speaking) << "the test button speaks";
        child<QPushButton>(dialog, "ok")->click();
    });
    engine->showVoiceDialog(nullptr, u"音声の調節"_qs);

    const VoiceSettings chosen{u"f2"_qs, 320, 70, 150};
    EXPECT_EQ(engine->voiceSettings(), chosen);
    EXPECT_LT(engine->render(Sentence).size(), normalLength * 3 / 4);  // faster
    EXPECT_EQ(SpeechEngine::create(*device)->voiceSettings(), chosen);
    EXPECT_TRUE(VoiceSettings::defaultFile().startsWith(dir.filePath("config")));

    // Cancel keeps what was kept, though the test button spoke otherwise.
    ModalDriver cancel([](QDialog* dialog) {
        child<QSlider>(dialog, "rate")->setValue(100);
        child<QPushButton>(dialog, "test")->click();
        child<QPushButton>(dialog, "cancel")->click();
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
