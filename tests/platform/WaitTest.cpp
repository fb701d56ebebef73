#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include "platform/Wait.h"

namespace {

class KeyCounter : public QWidget {
public:
    int keys = 0;

protected:
    void keyPressEvent(QKeyEvent*) override { ++keys; }
};

// Deferral of real window-system input needs a display: wait_input_check.sh
// covers it. Here: the wait lasts as long as asked and keeps the loop alive.
TEST(Wait, BlockingWaitLastsItsTimeAndKeepsTimersRunning) {
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(10);

    QElapsedTimer clock;
    clock.start();
    waiting::blockFor(120);
    const qint64 elapsed = clock.elapsed();

    EXPECT_GE(elapsed, 118);
    EXPECT_LT(elapsed, 400);
    EXPECT_GE(ticks, 5);

    clock.restart();
    waiting::blockFor(0);
    EXPECT_LT(clock.elapsed(), 10);
}

TEST(Wait, ProcessPendingEventsDeliversQueuedEvents) {
    KeyCounter widget;
    QCoreApplication::postEvent(&widget, new QKeyEvent(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier));
    waiting::processPendingEvents();
    EXPECT_EQ(widget.keys, 1);
}

}  // namespace
