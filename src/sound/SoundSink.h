#pragma once

#include <QString>
#include <QtGlobal>

// Whatever plays a sound file on one of the channels "S1".."S4"; the
// announcements play their chimes through it.
class SoundSink {
public:
    virtual ~SoundSink() = default;
    virtual void SndPlay(const QString& fileName, const QString& alias, qint16 waitForEnd, qint16 pauseMs) = 0;
};
