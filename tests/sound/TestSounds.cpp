#include "TestSounds.h"

#include <QFile>
#include <QtEndian>

#include <cmath>
#include <numbers>

namespace test_sounds {

namespace {

template <typename T>
void put(QByteArray& out, T value) {
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

void putBigEndian32(QByteArray& out, quint32 value) {
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

void putVarLength(QByteArray& out, int value) {
    QByteArray reversed(1, char(value & 0x7F));
    while (value >>= 7) reversed.prepend(char(0x80 | (value & 0x7F)));
    out.append(reversed);
}

}  // namespace

QByteArray toneWav(double hz, int ms, int rate) {
    const int frames = rate * ms / 1000;
    QByteArray wav("RIFF");
    put<quint32>(wav, 36 + frames * 2);
    wav.append("WAVEfmt ");
    put<quint32>(wav, 16);
    put<quint16>(wav, 1);
    put<quint16>(wav, 1);
    put<quint32>(wav, rate);
    put<quint32>(wav, rate * 2);
    put<quint16>(wav, 2);
    put<quint16>(wav, 16);
    wav.append("data");
    put<quint32>(wav, frames * 2);
    for (int i = 0; i < frames; ++i)
        put<qint16>(wav, qint16(std::lround(8000 * std::cos(2 * std::numbers::pi * hz * i / rate))));
    return wav;
}

QByteArray mp3Tone(int frames) {
    // 128 kbit/s without padding: 417 bytes; side info from byte 4, main data
    // (main_data_begin 0) right after its 17 bytes.
    QByteArray frame(417, '\0');
    int bit = 0;
    auto bits = [&](unsigned value, int count) {
        for (int i = count - 1; i >= 0; --i, ++bit)
            if ((value >> i) & 1) frame[bit / 8] = char(frame[bit / 8] | (0x80 >> (bit % 8)));
    };
    bits(0xFFFB90C0, 32);  // MPEG-1 Layer III, no CRC, 128 kbit/s, 44.1 kHz, mono
    bits(0, 9 + 5 + 4);    // main_data_begin, private bits, scfsi
    for (int granule = 0; granule < 2; ++granule) {
        bits(13, 12);          // part2_3_length: no scale factors, 13 bits of Huffman code
        bits(11, 9);           // big_values: 11 pairs
        bits(202, 8);          // global_gain: a peak near 8000
        bits(0, 4 + 1);        // scalefac_compress, window_switching_flag
        bits(0b000010000100001, 15);  // table 1 in all three regions
        bits(0, 4 + 3 + 3);    // region counts, preflag, scalefac_scale, count1table
    }
    for (int granule = 0; granule < 2; ++granule) {
        bits(0b1111111111, 10);  // ten (0,0) pairs
        bits(0b010, 3);          // (1,0), sign +: spectral line 20
    }
    QByteArray stream;
    for (int i = 0; i < frames; ++i) stream.append(frame);
    return stream;
}

MidiTrack& MidiTrack::event(int delta, std::initializer_list<int> bytes) {
    putVarLength(events_, delta);
    for (int b : bytes) events_.append(char(b));
    return *this;
}

QByteArray MidiTrack::file(int endDelta) const {
    QByteArray track = events_;
    putVarLength(track, endDelta);
    track.append("\xFF\x2F\x00", 3);
    QByteArray smf("MThd");
    putBigEndian32(smf, 6);
    smf.append("\x00\x00\x00\x01\x01\xE0", 6);  // format 0, one track, 480 ticks a quarter
    smf.append("MTrk");
    putBigEndian32(smf, quint32(track.size()));
    return smf + track;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

double level(const std::vector<std::int16_t>& mono, double hz, size_t from, size_t count) {
    const double coefficient = 2 * std::cos(2 * std::numbers::pi * hz / Rate);
    double s1 = 0, s2 = 0;
    for (size_t i = from; i < from + count && i < mono.size(); ++i) {
        const double s0 = mono[i] + coefficient * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    return 2 * std::sqrt(std::max(0.0, s1 * s1 + s2 * s2 - coefficient * s1 * s2)) / double(count);
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
    for (int i = 0; i < int(windows.size()); ++i) {
        if (!windows[i]) continue;
        if (span.first < 0) span.first = i;
        span.last = i;
        ++span.count;
    }
    return span;
}

std::vector<std::int16_t> leftChannelOf(const QString& rawPath) {
    QFile file(rawPath);
    file.open(QIODevice::ReadOnly);
    const QByteArray raw = file.readAll();
    std::vector<std::int16_t> left;
    for (qsizetype i = 0; i + 4 <= raw.size(); i += 4) left.push_back(qFromLittleEndian<qint16>(raw.constData() + i));
    return left;
}

}  // namespace test_sounds
