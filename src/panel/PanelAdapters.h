#pragma once

#include "panel/PanelServices.h"

class mdlSndAPI;

// The program's sound channels behind the panel's view of them.
class SndApiSound : public PanelSound {
public:
    explicit SndApiSound(mdlSndAPI& api) : api_(api) {}
    void SndPlay(const QString& fileName, const QString& alias, qint16 waitForEnd, qint16 pauseMs) override;
    void SndCloseAll() override;

private:
    mdlSndAPI& api_;
};
