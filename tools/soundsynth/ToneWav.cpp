#include "soundsynth/ToneWav.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace sound_synth {

namespace {

constexpr double FadeOutMs = 10;

template <typename T>
void put(QByteArray& out, T value) {
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

int framesOf(int ms, int rate) { return int(std::int64_t(rate) * ms / 1000); }

// Adds the tone into mix from frame `start`.
void addTone(std::vector<double>& mix, size_t start, const Tone& tone, int rate) {
    const bool decays = tone.decayMs > 0;
    const int frames = framesOf(tone.ms + (decays ? tone.ringMs : 0), rate);
    const double fadeFrames = rate * FadeOutMs / 1000;
    for (int i = 0; i < frames; ++i) {
        double gain = 1;
        if (decays) {
            gain = std::exp(-1000.0 * i / (tone.decayMs * rate));
            gain *= std::min(1.0, (frames - i) / fadeFrames);
        }
        mix[start + size_t(i)] += gain * tone.amplitude * std::cos(2 * std::numbers::pi * tone.hz * i / rate);
    }
}

QByteArray wavOf(const std::vector<double>& mix, int rate) {
    const auto dataBytes = quint32(mix.size() * 2);
    QByteArray wav("RIFF");
    put<quint32>(wav, 36 + dataBytes);
    wav.append("WAVEfmt ");
    put<quint32>(wav, 16);
    put<quint16>(wav, 1);  // PCM
    put<quint16>(wav, 1);  // mono
    put<quint32>(wav, quint32(rate));
    put<quint32>(wav, quint32(rate * 2));
    put<quint16>(wav, 2);
    put<quint16>(wav, 16);
    wav.append("data");
    put<quint32>(wav, dataBytes);
    for (double sample : mix) put<qint16>(wav, qint16(std::lround(std::clamp(sample, -32767.0, 32767.0))));
    return wav;
}

}  // namespace

QByteArray tonesWav(const std::vector<Tone>& tones, int rate) {
    size_t length = 0, start = 0;
    for (const Tone& tone : tones) {
        length = std::max(length, start + size_t(framesOf(tone.ms + (tone.decayMs > 0 ? tone.ringMs : 0), rate)));
        start += size_t(framesOf(tone.ms, rate));
    }
    std::vector<double> mix(length, 0.0);
    start = 0;
    for (const Tone& tone : tones) {
        addTone(mix, start, tone, rate);
        start += size_t(framesOf(tone.ms, rate));
    }
    return wavOf(mix, rate);
}

QByteArray toneWav(double hz, int ms, int rate) { return tonesWav({{.hz = hz, .ms = ms}}, rate); }

}  // namespace sound_synth
