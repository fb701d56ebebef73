#include "sound/SpeechEngine.h"

#include <QCoreApplication>
#include <QFileInfo>


#include "platform/InstallLayout.h"
#include "sound/AudioDevice.h"
#include "sound/JapaneseVoice.h"
#include "sound/KanaReader.h"
#include "sound/SpeechPcm.h"
#include "sound/VoiceDialog.h"

namespace {

const char* const UserDictionaryName = "bus_words.dic";

}  // namespace

SpeechEngine::Resources SpeechEngine::defaultResources() {
    // Beside the executable, in the installed package's data folder, or
    // where the build made it.
    QString userDictionary = QCoreApplication::applicationDirPath() + u'/' + QLatin1String(UserDictionaryName);
    if (!QFileInfo(userDictionary).isFile())
        userDictionary = install_layout::dataFolder() + u'/' + QLatin1String(UserDictionaryName);
    if (!QFileInfo(userDictionary).isFile()) userDictionary = QStringLiteral(FAREBOARD_BUILT_USER_DICTIONARY);
    return {QStringLiteral(FAREBOARD_MECAB_DICTIONARY), userDictionary, VoiceSettings::defaultFile()};
}

std::unique_ptr<SpeechEngine> SpeechEngine::create(AudioDevice& device, const Resources& resources) {
    auto reader = KanaReader::open(resources.systemDictionary, resources.userDictionary);
    if (!reader || !japanese_voice::available()) return nullptr;
    return std::unique_ptr<SpeechEngine>(new SpeechEngine(device, std::move(reader), resources.settingsFile));
}

SpeechEngine::SpeechEngine(AudioDevice& device, std::unique_ptr<KanaReader> reader, QString settingsFile)
    : device_(device),
      reader_(std::move(reader)),
      settingsFile_(std::move(settingsFile)),
      settings_(VoiceSettings::load(settingsFile_)) {}

SpeechEngine::~SpeechEngine() { device_.halt(AudioDevice::SpeechChannel); }

QString SpeechEngine::reading(const QString& text) { return reader_->read(text); }

QString SpeechEngine::phonemes(const QString& text) { return japanese_voice::phonemes(reading(text), settings_); }

std::vector<std::int16_t> SpeechEngine::render(const QString& text) {
    return synthesize(reading(text), settings_);
}

std::vector<std::int16_t> SpeechEngine::synthesize(const QString& kana, const VoiceSettings& settings) {
    auto pcm = japanese_voice::synthesize(kana, settings);
    // The voice opens with some 40 ms of silence.
    speech_pcm::trimLeadingSilence(pcm, renderRate());
    return pcm;
}

int SpeechEngine::renderRate() { return japanese_voice::sampleRate(); }

void SpeechEngine::speak(const QString& text) {
    play(render(text));
}

void SpeechEngine::play(const std::vector<std::int16_t>& mono) {
    if (mono.empty()) {
        // Nothing to say (an empty row) silences what was being said.
        device_.halt(AudioDevice::SpeechChannel);
        return;
    }
    Sound sound = device_.fromPcm(speech_pcm::toDeviceFormat(mono, renderRate()));
    failed_ = !device_.play(AudioDevice::SpeechChannel, std::move(sound));
}

void SpeechEngine::stop() {
    device_.halt(AudioDevice::SpeechChannel);
    failed_ = false;
}

qint32 SpeechEngine::state() const {
    if (failed_) return Failed;
    return device_.isPlaying(AudioDevice::SpeechChannel) ? Speaking : Idle;
}

void SpeechEngine::setReadings(std::vector<readings_file::Reading> readings) { reader_->setReadings(readings); }

void SpeechEngine::showVoiceDialog(QWidget* owner, const QString& title) {
    VoiceDialog dialog(owner, title, settings_, offeredVariants(japanese_voice::variants()),
                       [this](const VoiceSettings& trial) {
                           play(synthesize(reader_->read(VoiceDialog::SampleSentence), trial));
                       });
    if (dialog.exec() == QDialog::Accepted && dialog.settings() != settings_) {
        settings_ = dialog.settings();
        settings_.save(settingsFile_);
    }
}
