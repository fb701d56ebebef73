#include <benchmark/benchmark.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

#include "zfp4res/ZFP4Res.h"

// The sample with two barcodes, next to this file in the source tree.
static QByteArray samplePlugin() {
    return QDir(QFileInfo(QStringLiteral(__FILE__)).absolutePath())
        .absoluteFilePath(QStringLiteral("../samples/plugins/hoshimizaka.4SP"))
        .toLocal8Bit();
}

// One preview refresh as a step causes it: the ticket for the next stop,
// so the barcodes change every time; the plug-in is parsed at the first call
// and cached after it.
static void drawTicketWithTwoBarcodes(benchmark::State& state) {
    const QByteArray plugin = samplePlugin();
    PlgInfo info{};
    if (!ZF4_GetPlgInfo(plugin.constData(), &info) || info.BarcodeCount != 2) {
        state.SkipWithError("the sample plug-in with two barcodes is not usable");
        return;
    }
    QImage preview(info.PrevWidth / 15, info.PrevHeight / 15, QImage::Format_RGB32);
    QPainter painter(&preview);
    const char stop[] = "\x8E\x73\x96\xAF\x95\x61\x89\x40\x91\x4F";  // 市民病院前
    int16_t stopNo = 1;
    for (auto _ : state) {
        ZF4_DrawSeiriken(plugin.constData(), &painter, stop, "05-13-2024", "14:05:09", 121, stopNo, stopNo, 0);
        stopNo = static_cast<int16_t>(stopNo % 99 + 1);
    }
}

BENCHMARK(drawTicketWithTwoBarcodes)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
