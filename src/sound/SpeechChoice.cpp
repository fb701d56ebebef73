#include "sound/SpeechChoice.h"

std::unique_ptr<TextToSpeech> chooseSpeechEngine(AudioDevice& device, const open_jtalk::Installation& jtalk,
                                                 const SpeechEngine::Resources& espeak) {
    std::unique_ptr<TextToSpeech> fallback = SpeechEngine::create(device, espeak);
    if (auto natural = JTalkEngine::create(device, {jtalk, espeak.settingsFile}, std::move(fallback)))
        return natural;
    return SpeechEngine::create(device, espeak);
}
