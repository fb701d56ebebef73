#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QTemporaryDir>

#include "tests/support/ModalDriver.h"
#include "sound/JTalkSettings.h"
#include "sound/JTalkVoiceDialog.h"
#include "sound/VoiceDialog.h"

void PrintTo(const JTalkSettings& s, std::ostream* out) {
    *out << '{' << s.voiceFile.toStdString() << ", " << s.speed << ", " << s.halfTones << ", " << s.volumeDb << ", "
         << s.allPass << '}';
}

namespace {

const QString InstalledVoice = u"/usr/share/hts-voice/nitech-jp-atr503-m001/nitech_jp_atr503_m001.htsvoice"_qs;

class JTalkVoice : public ::testing::Test {
protected:
    // A dialog over `settings`, its test button recording what it hands on.
    std::unique_ptr<JTalkVoiceDialog> open(const JTalkSettings& settings) {
        auto dialog = std::make_unique<JTalkVoiceDialog>(nullptr, u"音声の調節"_qs, settings, InstalledVoice,
                                                         [this](const JTalkSettings& s) { heard.push_back(s); });
        dialog->show();
        return dialog;
    }
    template <typename T>
    T* in(const std::unique_ptr<JTalkVoiceDialog>& dialog, const char* name) {
        return child<T>(dialog.get(), name);
    }
    QString shown(const std::unique_ptr<JTalkVoiceDialog>& dialog) {
        QStringList texts;
        for (const char* name : {"voiceName", "speedValue", "halfTonesValue", "volumeValue", "allPassValue"})
            texts << in<QLabel>(dialog, name)->text();
        return texts.join(u'|');
    }

    QTemporaryDir dir;
    std::vector<JTalkSettings> heard;
};

TEST_F(JTalkVoice, ShowsTheSettingsItIsGivenAndGivesThemBack) {
    // Only its header is read for the voice's own all-pass constant.
    const QString ownVoice = dir.filePath(u"若い声.v2.htsvoice"_qs);
    QFile header(ownVoice);
    ASSERT_TRUE(header.open(QIODevice::WriteOnly) && header.write("[STREAM]\nOPTION[MCP]:ALPHA=0.42\n") > 0);
    header.close();
    const struct {
        JTalkSettings given;
        const char* shown;
        JTalkSettings back;
        int sliders[4];
    } rows[] = {
        {{}, "nitech_jp_atr503_m001|1.00 倍|0 半音|0 dB|0.55", {}, {100, 0, 0, 55}},  // 自動: the voice's own
        {{ownVoice, 0.5, -12, -20, 0}, "若い声.v2|0.50 倍|-12 半音|-20 dB|0.00", {ownVoice, 0.5, -12, -20, 0}, {50, -12, -20, 0}},
        {{ownVoice, 2, 12, 10, -1}, "若い声.v2|2.00 倍|+12 半音|+10 dB|0.42", {ownVoice, 2, 12, 10, -1}, {200, 12, 10, 42}},
        {{u""_qs, 1.35, 3, -7, 0.37}, "nitech_jp_atr503_m001|1.35 倍|+3 半音|-7 dB|0.37", {u""_qs, 1.35, 3, -7, 0.37}, {135, 3, -7, 37}},
        // Between steps: the nearest one.
        {{u""_qs, 1.03, 0.5, -2.6, 0.554}, "nitech_jp_atr503_m001|1.05 倍|+1 半音|-3 dB|0.55", {u""_qs, 1.05, 1, -3, 0.55}, {105, 1, -3, 55}},
    };
    for (const auto& row : rows) {
        const auto dialog = open(row.given);
        EXPECT_EQ(shown(dialog).toStdString(), row.shown);
        EXPECT_EQ(dialog->settings(), row.back);
        int i = 0;
        for (const char* name : {"speed", "halfTones", "volume", "allPass"})
            EXPECT_EQ(in<QSlider>(dialog, name)->value(), row.sliders[i++]) << name << ' ' << row.shown;
        const bool automatic = row.given.allPass < 0;
        EXPECT_EQ(in<QCheckBox>(dialog, "allPassAuto")->isChecked(), automatic) << row.shown;
        EXPECT_NE(in<QSlider>(dialog, "allPass")->isEnabled(), automatic) << row.shown;
        EXPECT_EQ(in<QPushButton>(dialog, "defaultVoice")->isEnabled(), !row.given.voiceFile.isEmpty()) << row.shown;
        EXPECT_EQ(in<QLabel>(dialog, "engine")->text(), u"Open JTalk"_qs);
    }
}

TEST_F(JTalkVoice, WidgetsChangeTheSettingsTheTestButtonHears) {
    const auto dialog = open({u"/voices/男声.htsvoice"_qs, 1, 0, 0, -1});
    in<QSlider>(dialog, "speed")->setValue(103);  // as a drag passes it: the speed keeps to its steps
    in<QSlider>(dialog, "halfTones")->setValue(-5);
    in<QSlider>(dialog, "volume")->setValue(4);
    in<QPushButton>(dialog, "defaultVoice")->click();
    in<QCheckBox>(dialog, "allPassAuto")->click();
    EXPECT_TRUE(in<QSlider>(dialog, "allPass")->isEnabled());
    EXPECT_EQ(dialog->settings().allPass, 0.55) << "unchecked, it starts from the voice's own";
    in<QSlider>(dialog, "allPass")->setValue(80);
    in<QPushButton>(dialog, "test")->click();
    EXPECT_EQ(shown(dialog).toStdString(), "nitech_jp_atr503_m001|1.05 倍|-5 半音|+4 dB|0.80");
    EXPECT_FALSE(in<QPushButton>(dialog, "defaultVoice")->isEnabled());
    in<QCheckBox>(dialog, "allPassAuto")->click();
    EXPECT_FALSE(in<QSlider>(dialog, "allPass")->isEnabled());
    in<QPushButton>(dialog, "test")->click();
    const std::vector<JTalkSettings> expected{{u""_qs, 1.05, -5, 4, 0.8}, {u""_qs, 1.05, -5, 4, -1}};
    EXPECT_EQ(heard, expected);
    for (const auto& [button, result] : {std::pair("ok", QDialog::Accepted), std::pair("cancel", QDialog::Rejected)}) {
        const auto closing = open({});
        in<QPushButton>(closing, button)->click();
        EXPECT_TRUE(closing->result() == result && !closing->isVisible()) << button;
    }
}

TEST_F(JTalkVoice, TheChooserStartsInTheVoicesFolderAndTheChosenVoiceSpeaks) {
    const QString copied = dir.filePath(u"声/若い声.htsvoice"_qs);
    ASSERT_TRUE(QDir().mkpath(dir.filePath(u"声"_qs)) && QFile::copy(InstalledVoice, copied));
    const auto dialog = open({});
    for (const auto& [startsIn, chosen] : {std::pair(QFileInfo(InstalledVoice).path(), copied),
                                           std::pair(QFileInfo(copied).path(), QString())}) {
        ModalDriver user([&](QDialog* chooser) {
            EXPECT_EQ(chooser->windowTitle(), u"声のファイル"_qs);
            auto* files = qobject_cast<QFileDialog*>(chooser);
            ASSERT_NE(files, nullptr);
            EXPECT_EQ(files->directory(), QDir(startsIn));
            EXPECT_EQ(files->nameFilters(), QStringList{u"HTS 音声 (*.htsvoice)"_qs});
            chosen.isEmpty() ? chooser->reject() : chooseFile(chooser, chosen);
        });
        in<QPushButton>(dialog, "chooseVoice")->click();
        // A cancelled chooser keeps the voice chosen before.
        EXPECT_EQ(in<QLabel>(dialog, "voiceName")->text(), u"若い声"_qs);
        EXPECT_EQ(dialog->settings().voiceFile, copied);
    }
}

TEST(JTalkSettingsFile, KeepsTheSettingsAndClampsWhatIsOutOfRange) {
    QTemporaryDir dir;
    const QString file = dir.filePath(u"speech.ini"_qs);
    EXPECT_EQ(JTalkSettings::load(file), JTalkSettings{}) << "no file: the defaults";
    const JTalkSettings kept{u"/voices/男声.htsvoice"_qs, 1.25, -3, 5, 0.3};
    ASSERT_TRUE(kept.save(file));
    EXPECT_EQ(JTalkSettings::load(file), kept);
    const struct { double speed, halfTones, volume, allPass; JTalkSettings loaded; } rows[] = {
        {5, -30, 99, 3, {u"x"_qs, 2, -12, 10, 1}},
        {0.1, 30, -99, -0.2, {u"x"_qs, 0.5, 12, -20, -1}},
    };
    for (const auto& row : rows) {
        {
            QSettings written(file, QSettings::IniFormat);
            written.setValue("openjtalk/voice", u"x"_qs);
            written.setValue("openjtalk/speed", row.speed);
            written.setValue("openjtalk/halftones", row.halfTones);
            written.setValue("openjtalk/volume", row.volume);
            written.setValue("openjtalk/allpass", row.allPass);
        }
        EXPECT_EQ(JTalkSettings::load(file), row.loaded);
    }
}

TEST(EspeakVoiceDialog, SaysWhichEngineSpeaks) {
    const VoiceDialog dialog(nullptr, u"音声の調節"_qs, VoiceSettings{}, {{u"f2"_qs, u"女声"_qs}}, [](const VoiceSettings&) {});
    auto* engine = dialog.findChild<QLabel*>(u"engine"_qs);
    ASSERT_NE(engine, nullptr);
    EXPECT_EQ(engine->text(), u"espeak-ng"_qs);
}

}  // namespace
