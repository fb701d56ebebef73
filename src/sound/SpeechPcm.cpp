#include "sound/SpeechPcm.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "sound/AudioDevice.h"

namespace speech_pcm {

// Mono at the voice's rate to the device's stereo at its rate. SDL's own
// converter takes longer than the synthesis itself; this takes about a
// millisecond, so speech starts at once. Twice the rate (the voice's 22050 Hz
// on our 44100 Hz device) is the four-point half-band interpolation; any
// other ratio Catmull-Rom.
std::vector<std::int16_t> toDeviceFormat(const std::vector<std::int16_t>& mono, int rate) {
    constexpr int Channels = AudioDevice::OutputChannels;
    if (mono.empty() || rate <= 0) return {};
    const qint64 last = qint64(mono.size()) - 1;
    const auto at = [&](qint64 i) { return int(mono[size_t(std::clamp<qint64>(i, 0, last))]); };
    const auto put = [](std::int16_t* frame, long value) {
        std::fill_n(frame, Channels, std::int16_t(std::clamp(value, -32768L, 32767L)));
    };
    if (rate * 2 == AudioDevice::Rate) {
        std::vector<std::int16_t> stereo(mono.size() * 2 * Channels);
        for (qint64 i = 0; i <= last; ++i) {
            put(&stereo[size_t(i) * 2 * Channels], mono[size_t(i)]);
            put(&stereo[(size_t(i) * 2 + 1) * Channels], (9 * (at(i) + at(i + 1)) - at(i - 1) - at(i + 2)) / 16);
        }
        return stereo;
    }
    const size_t frames = size_t(double(mono.size()) * AudioDevice::Rate / rate);
    std::vector<std::int16_t> stereo(frames * Channels);
    for (size_t frame = 0; frame < frames; ++frame) {
        const double position = double(frame) * rate / AudioDevice::Rate;
        const auto i = qint64(position);
        const double t = position - double(i);
        const double p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
        put(&stereo[frame * Channels],
            std::lround(p1 + 0.5 * t * (p2 - p0 + t * (2 * p0 - 5 * p1 + 4 * p2 - p3 + t * (3 * (p1 - p2) + p3 - p0)))));
    }
    return stereo;
}

void trimLeadingSilence(std::vector<std::int16_t>& pcm, int rate, int quiet) {
    const auto first = std::find_if(pcm.begin(), pcm.end(), [quiet](std::int16_t s) { return std::abs(s) > quiet; });
    const auto keep = std::min<std::ptrdiff_t>(first - pcm.begin(), rate / 200);
    pcm.erase(pcm.begin(), first - keep);
}

}  // namespace speech_pcm
