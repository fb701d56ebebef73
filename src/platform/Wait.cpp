#include "platform/Wait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <algorithm>

namespace waiting {

void processPendingEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void blockFor(int ms) {
    if (ms <= 0) return;
    if (!QCoreApplication::instance()) {
        QThread::msleep(static_cast<unsigned long>(ms));
        return;
    }
    // A nested loop that excludes user input leaves that input queued, not
    // dropped: the outer loop delivers it once we return.
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void blockWhile(const std::function<bool()>& busy, int pollMs) {
    if (!busy()) return;
    pollMs = std::max(pollMs, 1);
    if (!QCoreApplication::instance()) {
        while (busy()) QThread::msleep(static_cast<unsigned long>(pollMs));
        return;
    }
    QEventLoop loop;
    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!busy()) loop.quit();
    });
    poll.start(pollMs);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace waiting
