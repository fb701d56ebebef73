#include "Wait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

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

}  // namespace waiting
