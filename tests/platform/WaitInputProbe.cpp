// Shows a window, blocks in the wait helper, and reports whether the keys typed
// meanwhile arrived during the wait (wrong) or after it (right).
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>

#include "platform/Wait.h"

namespace {

class Probe : public QWidget {
public:
    bool waiting = false;
    int keysDuringWait = 0;
    int keysAfterWait = 0;

protected:
    void keyPressEvent(QKeyEvent*) override { ++(waiting ? keysDuringWait : keysAfterWait); }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Probe probe;
    probe.setWindowTitle(QStringLiteral("wait-input-probe"));
    probe.resize(200, 100);
    probe.show();
    probe.activateWindow();
    QTimer::singleShot(500, [&] {
        std::puts("waiting");
        std::fflush(stdout);
        probe.waiting = true;
        waiting::blockFor(2500);
        probe.waiting = false;
        QTimer::singleShot(500, [&] {
            std::printf("during %d after %d\n", probe.keysDuringWait, probe.keysAfterWait);
            app.quit();
        });
    });
    return app.exec();
}
