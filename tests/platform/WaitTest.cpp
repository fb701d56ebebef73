#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>

#include "platform/Wait.h"

// What waits do with real window-system input needs a display:
// wait_input_check.sh covers it. Here: the wait lasts as long as asked and
// keeps the loop alive.
TEST(Wait, BlockingWaitLastsItsTimeAndKeepsTimersRunning) {
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(10);
    QElapsedTimer clock;
    clock.start();
    waiting::blockFor(120);
    EXPECT_GE(clock.elapsed(), 118);
    EXPECT_LT(clock.elapsed(), 400);
    EXPECT_GE(ticks, 5);
}
