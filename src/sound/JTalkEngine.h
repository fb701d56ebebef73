#pragma once

#include <QString>
#include <QStringList>

#include <memory>

#include "sound/BackgroundRenderer.h"
#include "sound/JTalkSettings.h"
#include "sound/NameReadings.h"
#include "sound/OpenJTalk.h"
#include "sound/SpeechCache.h"
#include "sound/TextToSpeech.h"

class AudioDevice;

// Announcements in the natural voice. A route's lines are rendered in the
// background once it is loaded, so that a line asked for sounds at once; a
// line not rendered yet is rendered there and then. When the synthesiser
// fails, the other engine speaks instead from then on.
class JTalkEngine final : public TextToSpeech {
public:
    struct Resources {
        open_jtalk::Installation installation;
        QString settingsFile;
        // How long a line may take when it is asked for: the window waits.
        int speakTimeoutMs = 5000;
    };
    // Rendered speech kept in memory, some 90 lines of four seconds.
    static constexpr qint64 CacheBytes = qint64(64) << 20;
    // How long a line may take in the background; closing the program
    // waits for the line being rendered.
    static constexpr int BackgroundTimeoutMs = 10000;

    // Nothing when the synthesiser, its dictionary or the voice is missing.
    static std::unique_ptr<JTalkEngine> create(AudioDevice& device, const Resources& resources,
                                               std::unique_ptr<TextToSpeech> fallback);
    ~JTalkEngine() override;

    void speak(const QString& text) override;
    void stop() override;
    qint32 state() const override;
    void showVoiceDialog(QWidget* owner, const QString& title) override;
    void setReadings(std::vector<readings_file::Reading> readings) override;
    void prepare(const QStringList& texts) override;

    const JTalkSettings& settings() const { return settings_; }
    void setSettings(const JTalkSettings& settings);
    // The line is rendered and kept for the present voice and settings.
    bool isReady(const QString& text) const;
    bool backgroundIdle() const { return background_.idle(); }
    // The other engine speaks since the synthesiser failed.
    bool fellBack() const { return fellBack_; }

private:
    JTalkEngine(AudioDevice& device, Resources resources, std::unique_ptr<TextToSpeech> fallback);
    QString spelled(const QString& text) const;
    QString key(const QString& spelledText, const JTalkSettings& settings) const;
    SpeechCache::Pcm render(const QString& spelledText, const JTalkSettings& settings, int timeoutMs,
                            QString* error = nullptr) const;
    void play(const SpeechCache::Pcm& pcm);

    AudioDevice& device_;
    Resources resources_;
    std::unique_ptr<TextToSpeech> fallback_;
    JTalkSettings settings_;
    NameReadings names_;
    QStringList prepared_;
    bool failed_ = false, fellBack_ = false;
    SpeechCache cache_{CacheBytes};
    // Last, so that it stops before what it uses goes.
    BackgroundRenderer background_{cache_};
};
