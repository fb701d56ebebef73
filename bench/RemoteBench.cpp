// The remote control seen from another program: a "next stop" call to the
// running program until the board has repainted, and the program's CPU use
// while it idles with its bus service up. The real program runs offscreen
// with the demo on a session bus of this benchmark's own (it restarts itself
// under dbus-run-session).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "remote/BoardBus.h"
#include "settings/DemoSettings.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Board {
    QTemporaryDir dir;
    QProcess process;
    bool start() {
        const QString program = dir.filePath("X9-000");
        if (!QFile::copy(QStringLiteral(PROGRAM), program) ||
            demo_settings::write(dir.filePath("X9-000.in4"), QStringLiteral(DEMO_DIR)) != 0)
            return false;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath("config"));
        process.setProcessEnvironment(env);
        process.start(program, {});
        QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
        for (int i = 0; i < 400 && !bus->isServiceRegistered(BoardBus::Service); ++i) QThread::msleep(50);
        return bus->isServiceRegistered(BoardBus::Service);
    }
    ~Board() {
        process.terminate();
        process.waitForFinished(10000);
    }
    // utime + stime of the program, in clock ticks.
    long cpuTicks() const {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(process.processId()));
        if (!stat.open(QIODevice::ReadOnly)) return -1;
        const QList<QByteArray> fields = stat.readAll().split(' ');
        return fields.value(13).toLong() + fields.value(14).toLong();
    }
};

// The call's reply comes once the panel's handler has run; the property read
// after it is answered once the repaint the handler posted is done, the
// program's event loop taking posted events before the next bus message.
void nextStopToRepainted(benchmark::State& state) {
    Board board;
    if (!board.start()) {
        state.SkipWithError("the program did not come up on the bus");
        return;
    }
    QDBusInterface remote(BoardBus::Service, BoardBus::Path, BoardBus::Interface, QDBusConnection::sessionBus());
    remote.call(QStringLiteral("SetRoute"), QStringLiteral("12"), QStringLiteral("1"));
    QThread::msleep(4000);  // the lamp test
    std::vector<double> times;
    for (auto _ : state) {
        // Back at the first stop before each step, outside the timing.
        state.PauseTiming();
        if (remote.property("StopNumber").toInt() >= 20)
            for (int i = 0; i < 19; ++i) remote.call(QStringLiteral("PreviousStop"));
        state.ResumeTiming();
        const auto start = Clock::now();
        remote.call(QStringLiteral("NextStop"));
        remote.property("StopNumber");
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["max_ms"] = times.back();

    // Idle: nothing polls, so the program sleeps.
    const long before = board.cpuTicks();
    QThread::msleep(3000);
    state.counters["idle_ticks_3s"] = double(board.cpuTicks() - before);
}
BENCHMARK(nextStopToRepainted)->Iterations(200)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // A bus of its own, so that no board already running answers.
    if (qEnvironmentVariableIsEmpty("FAREBOARD_BENCH_BUS")) {
        qputenv("FAREBOARD_BENCH_BUS", "1");
        std::vector<char*> args{const_cast<char*>("dbus-run-session"), const_cast<char*>("--")};
        for (int i = 0; i < argc; ++i) args.push_back(argv[i]);
        args.push_back(nullptr);
        execvp("dbus-run-session", args.data());
        return 2;
    }
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
