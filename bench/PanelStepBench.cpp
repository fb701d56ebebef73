#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <algorithm>
#include <chrono>
#include <vector>

#include "bench/support/QuietServices.h"

// One step of the bus as the operator makes it: the click on "データ送り" or
// "データ戻し" handled and the board repainted, on a shown board and panel.

namespace {

// A route of `stops` stops with a name and eight fares each.
QByteArray fareFile(int stops) {
    QByteArray bytes;
    const auto int16 = [&bytes](int v) {
        char b[2];
        qToLittleEndian<qint16>(static_cast<qint16>(v), b);
        bytes.append(b, 2);
    };
    int16(stops);
    for (int s = 1; s <= stops; ++s) {
        const QByteArray name = "Stop" + QByteArray::number(s);
        int16(static_cast<int>(name.size()));
        bytes.append(name);
        int16(s);
        for (int k = 1; k <= 150; ++k) int16(100 + 10 * s + k);
    }
    return bytes;
}

void step(benchmark::State& state, bool preview) {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("12.hy3")));
    if (!file.open(QIODevice::WriteOnly) || file.write(fareFile(300)) < 0) return state.SkipWithError("no fare file");
    file.close();

    QuietProgram program;
    SharedState& shared = program.shared;
    frmCtl& panel = program.panel;
    shared.options.dataFolders.FareDataDir = dir.path();
    shared.options.seiriken.UseSeirikenPreview = preview ? 1 : 0;
    shared.options.seiriken.SeirikenPlugin = QStringLiteral(SAMPLE_PLUGINS_DIR "/hoshimizaka.4SP");
    panel.Check4->setChecked(preview);
    for (int key : {Keypad::kRouteKey, 1, 2, Keypad::kSectionKey, 1}) panel.CommandButton1_Click(key);
    panel.Command1_Click(1);
    QApplication::processEvents();

    std::vector<double> ms;
    int direction = 1;
    for (auto _ : state) {
        const qint16 at = shared.route.CurIndex;
        if (at == shared.route.StopCount - 1) direction = 0;
        if (at == 0) direction = 1;
        const auto start = std::chrono::steady_clock::now();
        panel.Command2[direction]->click();
        QApplication::processEvents();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::nth_element(ms.begin(), ms.begin() + ms.size() / 2, ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
}

void stepWithoutPreview(benchmark::State& state) { step(state, false); }
void stepWithPreview(benchmark::State& state) { step(state, true); }

}  // namespace

BENCHMARK(stepWithoutPreview)->Unit(benchmark::kMillisecond)->Iterations(600);
BENCHMARK(stepWithPreview)->Unit(benchmark::kMillisecond)->Iterations(600);
