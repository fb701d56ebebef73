#pragma once

#include <cstdint>
#include <vector>

// The PCM a synthesiser makes (mono, 16-bit, at its own rate) made ready for
// the speech channel.
namespace speech_pcm {

// Mono at `rate` to the device's stereo at its rate.
std::vector<std::int16_t> toDeviceFormat(const std::vector<std::int16_t>& mono, int rate);

// Cuts the silence a voice opens with, keeping a few milliseconds, so the
// first sound comes at once. Silence is what stays within `quiet`.
void trimLeadingSilence(std::vector<std::int16_t>& pcm, int rate, int quiet = 64);

}  // namespace speech_pcm
