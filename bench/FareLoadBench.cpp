// LoadFareData of a full 301-stop route, from the file on disk to the table.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include "fares/LoadFareData.h"
#include "platform/MessageReporter.h"

namespace {

class CountingReporter : public MessageReporter {
public:
    void report(const Message&) override { ++count; }
    int count = 0;
};

void appendInt16(QByteArray& out, int v) {
    char b[2];
    qToLittleEndian<qint16>(static_cast<qint16>(v), b);
    out.append(b, 2);
}

// 301 stops with names of eight full-width characters, as real routes have.
QByteArray fullRoute() {
    const QByteArray name("\x8E\x73\x96\xF0\x8F\x8A\x91\x4F\x93\x8C\x8C\xFB\x83\x6F\x83\x58");
    QByteArray file;
    appendInt16(file, 301);
    for (int stop = 1; stop <= 301; ++stop) {
        appendInt16(file, static_cast<int>(name.size()));
        file.append(name);
        appendInt16(file, stop);
        for (int k = 1; k <= 150; ++k) appendInt16(file, k <= stop ? 160 + 10 * (stop - k) : -1);
    }
    return file;
}

void BM_LoadFareData301Stops(benchmark::State& state) {
    QTemporaryDir dir;
    QFile file(dir.filePath("301.hy3"));
    file.open(QIODevice::WriteOnly);
    file.write(fullRoute());
    file.close();

    RouteState route;
    auto table = std::make_unique<StopTable>();
    CountingReporter messages;
    for (auto _ : state) {
        const bool ok = LoadFareData(dir.path(), QStringLiteral("301"), 1, route, *table, messages);
        benchmark::DoNotOptimize(ok);
    }
    if (messages.count != 0) state.SkipWithError("the route did not load");
}
BENCHMARK(BM_LoadFareData301Stops)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
