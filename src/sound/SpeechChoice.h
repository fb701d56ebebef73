#pragma once

#include <memory>

#include "sound/JTalkEngine.h"
#include "sound/SpeechEngine.h"

class AudioDevice;
class TextToSpeech;

// The announcements' voice, chosen at start-up: the natural voice when its
// synthesiser, dictionary and voice file are there, with espeak-ng to fall
// back on; else espeak-ng alone; nothing when neither can speak.
std::unique_ptr<TextToSpeech> chooseSpeechEngine(
    AudioDevice& device, const open_jtalk::Installation& jtalk = open_jtalk::installed(),
    const SpeechEngine::Resources& espeak = SpeechEngine::defaultResources());
