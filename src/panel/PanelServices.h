#pragma once

#include "sound/SoundSink.h"

// The sound channels as the panel uses them: play, and close them all at the end.
class PanelSound : public SoundSink {
public:
    virtual void SndCloseAll() = 0;
};
