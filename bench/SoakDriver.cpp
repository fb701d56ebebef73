// A long run of the operation panel in one process: routes set and the bus
// stepped back and forth through the panel's own handlers, on a shown board
// with the ticket preview drawn, while the resident memory is sampled.
// Prints "sample <steps> <VmRSS kB>" lines; bench/soak.sh judges them.
//
// usage: soak_driver [--routes N] [--steps N] [--every N] [--leak-per-step BYTES]
//   --leak-per-step keeps that many bytes per step on purpose, to show that
//   the judgement catches growth.
#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "formats/Cp932.h"
#include "tests/fares/FareFileBytes.h"
#include "platform/Fonts.h"
#include "board/Form1.h"
#include "controls/digit/M_DegitEmNB.h"
#include "bench/support/QuietServices.h"
#include "board/SharedState.h"
#include "panel/frmCtl.h"
#include "sound/mdlM_Tape.h"

namespace {

long rssKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

// Routes differ in length, so the table is refilled to different depths.
int stopsOf(int route) { return 20 + (route * 37) % 281; }

int fareAt(int route, int stop, int ticket) { return 100 + (route + stop * 10 + ticket) % 900; }

QByteArray fareFile(int route) {
    const int stops = stopsOf(route);
    FareFileBytes file(stops);
    for (int s = 1; s <= stops; ++s) {
        std::vector<int> fares(StopRecord::kFareCount);
        for (int k = 1; k <= StopRecord::kFareCount; ++k) fares[size_t(k - 1)] = fareAt(route, s, k);
        file.stop(cp932::encode(QStringLiteral("市民病院前%1").arg(s)), s, fares);
    }
    return file.bytes();
}

QByteArray broadcastFile(int route) {
    return cp932::encode(QStringLiteral("%1番系統発車します,0,0\r\n次は市民病院前,1,1\r\n").arg(route));
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

int argument(int argc, char** argv, const char* name, int fallback) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0) return std::atoi(argv[i + 1]);
    return fallback;
}

}  // namespace

int main(int argc, char** argv) {
    const int routes = argument(argc, argv, "--routes", 200);
    const int steps = argument(argc, argv, "--steps", 10000);
    const int every = argument(argc, argv, "--every", 500);
    const int leakPerStep = argument(argc, argv, "--leak-per-step", 0);
    if (routes < 1 || steps < routes || every < 1) {
        std::fprintf(stderr, "soak_driver: need routes >= 1, steps >= routes, every >= 1\n");
        return 2;
    }

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    fonts::registerApplicationFonts();

    QTemporaryDir dir;
    for (int route = 1; route <= routes; ++route) {
        if (!writeFile(dir.filePath(QStringLiteral("%1.hy3").arg(route)), fareFile(route)) ||
            !writeFile(dir.filePath(QStringLiteral("%1tp.csv").arg(route)), broadcastFile(route))) {
            std::fprintf(stderr, "soak_driver: cannot write the data files\n");
            return 2;
        }
    }

    QuietProgram program;
    SharedState& shared = program.shared;
    NoMessages& messages = program.messages;
    frmCtl& panel = program.panel;
    Form1& board = program.board;
    shared.options.dataFolders.FareDataDir = dir.path();
    shared.options.dataFolders.TapeDataDir = dir.path();
    shared.options.seiriken.UseSeirikenPreview = 1;
    shared.options.seiriken.SeirikenPlugin = QStringLiteral(SAMPLE_PLUGINS_DIR "/hoshimizaka.4SP");
    panel.Check4->click();
    QApplication::processEvents();

    std::vector<std::unique_ptr<char[]>> kept;
    const int stepsPerRoute = steps / routes;
    int done = 0;
    std::printf("sample %d %ld\n", done, rssKb());
    for (int route = 1; route <= routes; ++route) {
        // Half the routes through the keypad, half through the digit lists.
        const int start = 1 + route % 3;
        if (route % 2 == 0) {
            const QString digits = QStringLiteral("R%1S%2").arg(route).arg(start);
            for (QChar c : digits) {
                const int key = c == u'R' ? Keypad::kRouteKey : c == u'S' ? Keypad::kSectionKey : c.digitValue();
                panel.CommandButton1[key]->click();
            }
            panel.Command1[1]->click();
        } else {
            const QString route5 = QStringLiteral("%1").arg(route, 5, 10, QLatin1Char('0'));
            const QString start3 = QStringLiteral("%1").arg(start, 3, 10, QLatin1Char('0'));
            for (int i = 0; i < 5; ++i) panel.List2[size_t(i)]->setCurrentRow(route5[i].digitValue());
            for (int i = 0; i < 3; ++i) panel.List3[size_t(i)]->setCurrentRow(start3[i].digitValue());
            panel.Command1[0]->click();
        }
        if (messages.reported || shared.route.StopCount != stopsOf(route) || shared.route.CurIndex != start - 1) {
            std::fprintf(stderr, "soak_driver: route %d did not set (message %d, stops %d, at %d)\n", route,
                         int(messages.reported), shared.route.StopCount, shared.route.CurIndex);
            return 1;
        }

        // Back and forth over the route, so both step buttons and both ends are used.
        const int last = stopsOf(route) - 1;
        int direction = 1;
        const int thisRoute = route == routes ? steps - done : stepsPerRoute;
        for (int i = 0; i < thisRoute; ++i) {
            const int at = shared.route.CurIndex;
            if (at == last) direction = 0;
            if (at == 0) direction = 1;
            panel.Command2[size_t(direction)]->click();
            const int expected = direction == 1 ? at + 1 : at - 1;
            if (shared.route.CurIndex != expected ||
                board.fareDisplay(8).Value() != DigitValue::number(fareAt(route, expected + 1, 8))) {
                std::fprintf(stderr, "soak_driver: route %d, step %d: the board does not show stop %d\n", route, i,
                             expected + 1);
                return 1;
            }
            if (leakPerStep > 0) {
                kept.emplace_back(new char[size_t(leakPerStep)]);
                std::memset(kept.back().get(), 1, size_t(leakPerStep));
            }
            if (++done % every == 0) {
                QApplication::processEvents();
                std::printf("sample %d %ld\n", done, rssKb());
                std::fflush(stdout);
            }
        }
    }
    std::printf("routes %d steps %d\n", routes, done);
    return 0;
}
