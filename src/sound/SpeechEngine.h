#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

#include "sound/TextToSpeech.h"
#include "sound/VoiceSettings.h"

class AudioDevice;
class KanaReader;

// Japanese speech on the speech channel: MeCab gives the pronunciation of
// every word (with our dictionary of route-bus words), espeak-ng's Japanese
// voice synthesises it in a few milliseconds, and the device plays it.
class SpeechEngine final : public TextToSpeech {
public:
    struct Resources {
        QString systemDictionary;  // a compiled MeCab dictionary folder (ipadic, UTF-8)
        QString userDictionary;    // our compiled route-bus words
        QString settingsFile;      // the voice settings
    };
    // The installed dictionary, our dictionary next to the executable or else
    // where the build made it, and speech.ini in the user's configuration folder.
    static Resources defaultResources();

    // Nothing when a dictionary or the Japanese voice is missing.
    static std::unique_ptr<SpeechEngine> create(AudioDevice& device, const Resources& resources = defaultResources());
    ~SpeechEngine() override;

    void speak(const QString& text) override;
    void stop() override;
    qint32 state() const override;
    void setReadings(std::vector<readings_file::Reading> readings) override;
    void showVoiceDialog(QWidget* owner, const QString& title) override;

    const VoiceSettings& voiceSettings() const { return settings_; }

    // The steps of speak, one by one: the kana the voice reads, the phonemes
    // it makes of them, and the PCM (mono, at renderRate).
    QString reading(const QString& text);
    QString phonemes(const QString& text);
    std::vector<std::int16_t> render(const QString& text);
    static int renderRate();

private:
    SpeechEngine(AudioDevice& device, std::unique_ptr<KanaReader> reader, QString settingsFile);
    std::vector<std::int16_t> synthesize(const QString& kana, const VoiceSettings& settings);
    void play(const std::vector<std::int16_t>& mono);

    AudioDevice& device_;
    std::unique_ptr<KanaReader> reader_;
    QString settingsFile_;
    VoiceSettings settings_;
    bool failed_ = false;
};
