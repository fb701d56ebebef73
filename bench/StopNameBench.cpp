#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>

#include <cstdio>
#include <cstring>

#include "controls/stopname/ChimeiCtl_B.h"
#include "platform/Fonts.h"
#include "platform/PropertyBag.h"

// Three uses of the stop-name strip:
//   stopname_bench                   times SetChimei (Google Benchmark options apply)
//   stopname_bench --scroll [SPEED]  shows a strip scrolling a seven-cell name until killed
//   stopname_bench --look DIR        writes look.png: a still and a scrolling name, three times enlarged

namespace {

const QString kSevenCells = QStringLiteral("市役所前駅東口");

void boardDesign(ChimeiCtl_B& ctl) {
    PropertyBag design;
    design.write(QStringLiteral("ForeColor"), 0x0080C0FFu, {});
    design.write(QStringLiteral("Appearance"), 0, {});
    ctl.ReadProperties(design);
}

void setChimeiSevenCells(benchmark::State& state) {
    ChimeiCtl_B ctl;
    boardDesign(ctl);
    for (auto _ : state) ctl.SetChimei(kSevenCells);
}
BENCHMARK(setChimeiSevenCells)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void setChimeiShort(benchmark::State& state) {
    ChimeiCtl_B ctl;
    boardDesign(ctl);
    for (auto _ : state) ctl.SetChimei(QStringLiteral("市役所前"));
}
BENCHMARK(setChimeiShort)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

int scroll(QApplication& app, qint16 speed) {
    // A window roomier than the strip, so the window manager leaves its size alone.
    QWidget window;
    window.setWindowTitle(QStringLiteral("stopname_bench"));
    window.setFixedSize(95, 220);
    window.setPalette(QPalette(QColor(51, 51, 51)));
    window.setAutoFillBackground(true);
    ChimeiCtl_B ctl(&window);
    ctl.setGeometry(30, 14, 35, 192);
    boardDesign(ctl);
    ctl.setBackColor(0x101010);
    ctl.setSpeed(speed);
    window.show();
    ctl.SetChimei(kSevenCells);
    return app.exec();
}

// A strip drawn at a moment of the given clock.
QImage stripAt(const QString& name, qint64 ms) {
    qint64 now = 0;
    ChimeiCtl_B ctl;
    ctl.setClock([&] { return now; });
    ctl.resize(35, 192);
    boardDesign(ctl);
    ctl.setBackColor(0x101010);
    ctl.SetChimei(name);
    now = ms;
    ctl.advanceScroll();
    return ctl.grab().toImage();
}

int look(const char* dir) {
    // A still name; a scrolling one after its pause and 8.3 s of travel at Speed 5.
    const QImage still = stripAt(QStringLiteral("市役所前"), 0);
    const QImage moving = stripAt(kSevenCells, 1500 + 8300);
    QImage sheet(35 * 2 + 10, 192, QImage::Format_RGB32);
    sheet.fill(QColor(90, 90, 90));
    QPainter painter(&sheet);
    painter.drawImage(0, 0, still);
    painter.drawImage(45, 0, moving);
    painter.end();
    const QString path = QString::fromLocal8Bit(dir) + QStringLiteral("/look.png");
    const bool saved = sheet.scaled(sheet.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation).save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const bool shown = argc >= 2 && std::strcmp(argv[1], "--scroll") == 0;
    if (!shown) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    fonts::registerApplicationFonts();
    if (shown) return scroll(app, static_cast<qint16>(argc >= 3 ? std::atoi(argv[2]) : 5));
    if (argc >= 3 && std::strcmp(argv[1], "--look") == 0) return look(argv[2]);

    {
        // The first name also loads the faces.
        ChimeiCtl_B ctl;
        QElapsedTimer timer;
        timer.start();
        ctl.SetChimei(kSevenCells);
        std::printf("first SetChimei of a seven-cell name: %.3f ms\n", timer.nsecsElapsed() / 1e6);
        timer.restart();
        ctl.SetChimei(QStringLiteral("県庁北通り三丁目"));
        std::printf("then one of eight new characters: %.3f ms\n", timer.nsecsElapsed() / 1e6);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
