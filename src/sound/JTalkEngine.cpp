#include "sound/JTalkEngine.h"

#include <QDebug>
#include <QFileInfo>

#include "sound/AudioDevice.h"
#include "sound/JTalkVoiceDialog.h"
#include "sound/SpeechPcm.h"
#include "sound/VoiceDialog.h"

std::unique_ptr<JTalkEngine> JTalkEngine::create(AudioDevice& device, const Resources& resources,
                                                 std::unique_ptr<TextToSpeech> fallback) {
    if (!open_jtalk::usable(resources.installation, JTalkSettings::load(resources.settingsFile))) return nullptr;
    return std::unique_ptr<JTalkEngine>(new JTalkEngine(device, resources, std::move(fallback)));
}

JTalkEngine::JTalkEngine(AudioDevice& device, Resources resources, std::unique_ptr<TextToSpeech> fallback)
    : device_(device),
      resources_(std::move(resources)),
      fallback_(std::move(fallback)),
      settings_(JTalkSettings::load(resources_.settingsFile)) {}

JTalkEngine::~JTalkEngine() {
    background_.cancel();
    device_.halt(AudioDevice::SpeechChannel);
}

QString JTalkEngine::spelled(const QString& text) const {
    return names_.spelledOut(text.normalized(QString::NormalizationForm_KC)).trimmed();
}

QString JTalkEngine::key(const QString& spelledText, const JTalkSettings& s) const {
    return QStringList{spelledText, open_jtalk::voiceFile(resources_.installation, s), QString::number(s.speed),
                       QString::number(s.halfTones), QString::number(s.volumeDb), QString::number(s.allPass)}
        .join(u'\x1f');
}

SpeechCache::Pcm JTalkEngine::render(const QString& spelledText, const JTalkSettings& s, int timeoutMs,
                                     QString* error) const {
    open_jtalk::Rendered r = open_jtalk::render(resources_.installation, s, spelledText, timeoutMs);
    if (!r.error.isEmpty()) {
        if (error) *error = r.error;
        return nullptr;
    }
    // The voice opens with some 400 ms of faint noise before the first sound.
    speech_pcm::trimLeadingSilence(r.mono, r.rate, 400);
    return std::make_shared<const std::vector<std::int16_t>>(speech_pcm::toDeviceFormat(r.mono, r.rate));
}

void JTalkEngine::play(const SpeechCache::Pcm& pcm) {
    failed_ = !device_.play(AudioDevice::SpeechChannel, device_.fromPcm(pcm));
}

void JTalkEngine::speak(const QString& text) {
    if (fellBack_) {
        fallback_->speak(text);
        return;
    }
    const QString line = spelled(text);
    if (line.isEmpty()) {
        // Nothing to say (an empty row) silences what was being said.
        device_.halt(AudioDevice::SpeechChannel);
        return;
    }
    const QString k = key(line, settings_);
    SpeechCache::Pcm pcm = cache_.find(k);
    if (!pcm) {
        QString error;
        pcm = render(line, settings_, resources_.speakTimeoutMs, &error);
        if (!pcm) {
            qWarning().noquote() << error;
            if (fallback_) {
                // Once broken, it would keep the window waiting at every line.
                fellBack_ = true;
                background_.cancel();
                fallback_->speak(text);
            } else {
                failed_ = true;
            }
            return;
        }
        cache_.insert(k, pcm);
    }
    play(pcm);
}

void JTalkEngine::stop() {
    device_.halt(AudioDevice::SpeechChannel);
    if (fallback_) fallback_->stop();
    failed_ = false;
}

qint32 JTalkEngine::state() const {
    if (fellBack_) return fallback_->state();
    if (failed_) return Failed;
    return device_.isPlaying(AudioDevice::SpeechChannel) ? Speaking : Idle;
}

void JTalkEngine::setReadings(std::vector<readings_file::Reading> readings) {
    if (fallback_) fallback_->setReadings(readings);
    names_.set(readings);
    prepare(prepared_);
}

void JTalkEngine::prepare(const QStringList& texts) {
    prepared_ = texts;
    if (fellBack_) return;
    std::deque<BackgroundRenderer::Job> jobs;
    for (const QString& text : texts) {
        const QString line = spelled(text);
        if (!line.isEmpty()) jobs.push_back({key(line, settings_), line});
    }
    const JTalkSettings s = settings_;
    background_.replace(std::move(jobs), [this, s](const QString& line) { return render(line, s, BackgroundTimeoutMs); });
}

bool JTalkEngine::isReady(const QString& text) const { return cache_.contains(key(spelled(text), settings_)); }

void JTalkEngine::setSettings(const JTalkSettings& settings) {
    if (settings == settings_) return;
    settings_ = settings;
    settings_.save(resources_.settingsFile);
    // Every line sounds different now.
    cache_.clear();
    prepare(prepared_);
}

void JTalkEngine::showVoiceDialog(QWidget* owner, const QString& title) {
    JTalkVoiceDialog dialog(owner, title, settings_, resources_.installation.defaultVoice,
                            [this](const JTalkSettings& trial) {
                                JTalkSettings usable = trial;
                                if (!QFileInfo(open_jtalk::voiceFile(resources_.installation, usable)).isFile())
                                    usable.voiceFile.clear();
                                if (const auto pcm = render(spelled(VoiceDialog::SampleSentence), usable, resources_.speakTimeoutMs))
                                    play(pcm);
                            });
    if (dialog.exec() == QDialog::Accepted) setSettings(dialog.settings());
}
