#pragma once

#include <QString>

#include "sound/AudioDevice.h"
#include "sound/MidiCache.h"
#include "sound/SoundSink.h"

// The four sound channels "S1".."S4". A new sound on a channel cuts off the
// one before it on that channel only, so the sounds of different events can
// overlap. Created once by the program and handed to whoever plays sounds.
class mdlSndAPI : public SoundSink {
public:
    explicit mdlSndAPI(AudioDevice& device);

    // Plays a .wav, .mp3 or .mid file on `alias`. With waitForEnd other than
    // 0 it returns only once the sound has ended, then waits pauseMs; with 0
    // it returns at once. Nothing is ever reported: a missing, unknown or
    // undecodable file simply plays nothing.
    void SndPlay(const QString& fileName, const QString& alias, qint16 waitForEnd, qint16 pauseMs) override;
    // Stops and releases the four channels (the speech channel is not theirs).
    void SndCloseAll();

private:
    Sound decode(const QString& fileName, const QString& ext);

    AudioDevice& device_;
    MidiCache midi_;
};
