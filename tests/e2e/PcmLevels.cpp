// Where tones and speech sound in what SDL's disk audio driver wrote: for each
// 20 ms window, the level of each frequency asked for and the window's RMS.
// usage: pcm_levels FILE HZ...  ->  lines "ms level(hz1) level(hz2) ... rms"
#include <QCoreApplication>
#include <QStringList>

#include <cmath>
#include <cstdio>

#include "tests/support/TestSounds.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: pcm_levels FILE HZ...\n");
        return 2;
    }
    const std::vector<std::int16_t> mono = test_sounds::leftChannelOf(args[1]);
    const size_t window = test_sounds::Rate * test_sounds::WindowMs / 1000;
    for (size_t from = 0; from + window <= mono.size(); from += window) {
        std::printf("%zu", from * 1000 / test_sounds::Rate);
        for (int i = 2; i < args.size(); ++i)
            std::printf(" %.0f", test_sounds::level(mono, args[i].toDouble(), from, window));
        double sum = 0;
        for (size_t k = from; k < from + window; ++k) sum += double(mono[k]) * mono[k];
        std::printf(" %.0f\n", std::sqrt(sum / window));
    }
    return 0;
}
