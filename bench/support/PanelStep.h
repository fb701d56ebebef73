#pragma once

// One step of the bus as the operator makes it: the click on "データ送り" or
// "データ戻し" handled and the board repainted, on a shown board and panel.
// Needs SAMPLE_PLUGINS_DIR, the sample ticket plugins' folder.

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <chrono>

#include "bench/support/QuietServices.h"

namespace panel_step {

// A route of `stops` stops with a name and eight fares each.
inline QByteArray fareFile(int stops) {
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

// The quiet program on route 12 of 300 stops, section 1 chosen.
class Bus {
public:
    explicit Bus(bool preview) {
        if (!written_) return;
        SharedState& shared = quiet_.shared;
        frmCtl& panel = quiet_.panel;
        shared.options.dataFolders.FareDataDir = dir_.path();
        shared.options.seiriken.UseSeirikenPreview = preview ? 1 : 0;
        shared.options.seiriken.SeirikenPlugin = QStringLiteral(SAMPLE_PLUGINS_DIR "/hoshimizaka.4SP");
        panel.Check4->setChecked(preview);
        for (int key : {Keypad::kRouteKey, 1, 2, Keypad::kSectionKey, 1}) panel.CommandButton1_Click(key);
        panel.Command1_Click(1);
        QApplication::processEvents();
    }

    // False when the fare file could not be written.
    bool ready() const { return written_; }

    // One step, turning at either end of the route; milliseconds from the
    // click to the board repainted.
    double step() {
        SharedState& shared = quiet_.shared;
        const qint16 at = shared.route.CurIndex;
        if (at == shared.route.StopCount - 1) direction_ = 0;
        if (at == 0) direction_ = 1;
        const auto start = std::chrono::steady_clock::now();
        quiet_.panel.Command2[direction_]->click();
        QApplication::processEvents();
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }

private:
    static bool write(const QTemporaryDir& dir) {
        QFile file(dir.filePath(QStringLiteral("12.hy3")));
        return file.open(QIODevice::WriteOnly) && file.write(fareFile(300)) >= 0;
    }

    // The fare file is there before the program starts.
    QTemporaryDir dir_;
    bool written_ = write(dir_);
    QuietProgram quiet_;
    int direction_ = 1;
};

}  // namespace panel_step
