#pragma once

#include <QtGlobal>

// The scroll of a long stop name as a function of elapsed time: a blank pause
// with the canvas below the strip, then steps of Speed / 200 pixels upward at
// a nominal 1000 steps a second until the canvas is a whole strip height above
// the strip, then back below it and the pause again. Times are milliseconds
// of one monotonic clock.
class ScrollCycle {
public:
    enum class Phase { Idle, Pausing, Moving };

    // What the cycle reads anew at every step.
    struct Settings {
        int viewportHeight = 0;
        int canvasHeight = 0;
        qint16 speed = 0;
        qint32 startWait = 0;
    };

    // A new pass: the canvas below the strip, paused until now + startWait.
    void start(qint64 now, const Settings& settings);
    void stop() { phase_ = Phase::Idle; }

    // Runs every step and pause that is due by `now`. A pass that starts
    // moving at speed 0 raises settings.speed to 1 and says so in speedRaised.
    // Returns true when the canvas top was set.
    bool advance(qint64 now, Settings& settings, bool& speedRaised);

    Phase phase() const { return phase_; }
    // The canvas top the cycle last set.
    double top() const { return pos_; }
    // When the current pause ends.
    qint64 pauseEnd() const { return pauseEnd_; }

private:
    Phase phase_ = Phase::Idle;
    bool firstPause_ = false;
    double pos_ = 0;
    qint64 pauseEnd_ = 0;
    qint64 moveStart_ = 0;
    qint64 stepsDone_ = 0;
};
