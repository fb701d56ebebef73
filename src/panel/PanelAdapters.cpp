#include "panel/PanelAdapters.h"

#include "sound/mdlSndAPI.h"

void SndApiSound::SndPlay(const QString& fileName, const QString& alias, qint16 waitForEnd, qint16 pauseMs) {
    api_.SndPlay(fileName, alias, waitForEnd, pauseMs);
}

void SndApiSound::SndCloseAll() { api_.SndCloseAll(); }
