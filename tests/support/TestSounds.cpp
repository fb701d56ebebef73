#include "tests/support/TestSounds.h"

#include <QFile>
#include <QtEndian>

#include <cmath>
#include <numbers>
#include <utility>

namespace test_sounds {

// Goertzel's filter for the one frequency.
double level(const std::vector<std::int16_t>& mono, double hz, size_t from, size_t count) {
    const double c = 2 * std::cos(2 * std::numbers::pi * hz / Rate);
    double s1 = 0, s2 = 0;
    for (size_t i = from; i < from + count && i < mono.size(); ++i) s2 = std::exchange(s1, mono[i] + c * s1 - s2);
    return 2 * std::sqrt(std::max(0.0, s1 * s1 + s2 * s2 - c * s1 * s2)) / double(count);
}

std::vector<bool> sounding(const std::vector<std::int16_t>& mono, double hz, double minLevel) {
    const size_t window = Rate * WindowMs / 1000;
    std::vector<bool> windows;
    for (size_t from = 0; from + window <= mono.size(); from += window)
        windows.push_back(level(mono, hz, from, window) >= minLevel);
    return windows;
}

Span spanOf(const std::vector<bool>& windows) {
    Span span;
    for (int i = 0; i < int(windows.size()); ++i)
        if (windows[i]) span = {span.first < 0 ? i : span.first, i, span.count + 1};
    return span;
}

std::vector<std::int16_t> leftChannelOf(const QString& rawPath) {
    QFile file(rawPath);
    const QByteArray raw = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    std::vector<std::int16_t> left;
    for (qsizetype i = 0; i + 4 <= raw.size(); i += 4) left.push_back(qFromLittleEndian<qint16>(raw.constData() + i));
    return left;
}

}  // namespace test_sounds
