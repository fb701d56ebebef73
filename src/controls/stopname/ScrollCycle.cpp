#include "controls/stopname/ScrollCycle.h"

void ScrollCycle::start(qint64 now, const Settings& settings) {
    phase_ = Phase::Pausing;
    firstPause_ = true;
    pos_ = settings.viewportHeight;
    pauseEnd_ = now + qMax<qint32>(settings.startWait, 0);
}

bool ScrollCycle::advance(qint64 now, Settings& settings, bool& speedRaised) {
    speedRaised = false;
    bool topSet = false;
    for (;;) {
        if (phase_ == Phase::Pausing) {
            if (now < pauseEnd_) return topSet;
            if (firstPause_ && settings.speed == 0) {
                settings.speed = 1;
                speedRaised = true;
            }
            firstPause_ = false;
            pos_ = settings.viewportHeight;
            topSet = true;
            phase_ = Phase::Moving;
            // Steps keep to the nominal times, so a late timer only makes
            // the next frame catch up.
            moveStart_ = pauseEnd_;
            stepsDone_ = 0;
        }
        if (phase_ != Phase::Moving) return topSet;

        const qint64 due = now - moveStart_;
        bool reset = false;
        while (stepsDone_ < due) {
            ++stepsDone_;
            pos_ -= settings.speed / 200.0;
            topSet = true;
            // Compared as the canvas position is kept: in single precision.
            if (static_cast<float>(-settings.viewportHeight) >= static_cast<float>(pos_) + static_cast<float>(settings.canvasHeight)) {
                pos_ = settings.viewportHeight;
                pauseEnd_ = moveStart_ + stepsDone_ + qMax<qint32>(settings.startWait, 0);
                phase_ = Phase::Pausing;
                reset = true;
                break;
            }
        }
        if (!reset) return topSet;
    }
}
