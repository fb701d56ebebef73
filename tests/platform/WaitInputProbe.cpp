// Shows a window, blocks in the wait helper while keys are typed, then lets
// the pending events run, and reports how many keys arrived during the wait
// (wrong) and how many once the pending events ran (all of them).
#include <QApplication>
#include <QLineEdit>
#include <QTimer>

#include <cstdio>

#include "platform/Wait.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLineEdit probe;
    probe.setWindowTitle(QStringLiteral("wait-input-probe"));
    probe.show();
    probe.activateWindow();
    QTimer::singleShot(500, [&] {
        std::puts("waiting");
        std::fflush(stdout);
        waiting::blockFor(2500);
        const int during = static_cast<int>(probe.text().size());
        waiting::processPendingEvents();
        std::printf("during %d after %d\n", during, static_cast<int>(probe.text().size()) - during);
        app.quit();
    });
    return app.exec();
}
