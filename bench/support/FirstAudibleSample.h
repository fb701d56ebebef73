#pragma once

// How long a speech engine takes to be heard: from the call that starts a
// line to the first audible sample the mixer hands the device.

#include <QtGlobal>

#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <random>
#include <thread>

namespace first_audible {

inline std::int64_t nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Before the first device opens. Without a sound card the disk driver paces
// the device in real time.
inline void useDiskDevice() {
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) {
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", "/dev/null");
    }
}

struct Heard {
    double ms;      // from the call to the first audible sample
    double callMs;  // the call itself
};

// Watches the mixer's output while it lives; the device must be open.
class Listener {
public:
    Listener() { Mix_SetPostMix(note, &heardAt_); }
    ~Listener() { Mix_SetPostMix(nullptr, nullptr); }
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

    // 40 to 52 ms; the random part keeps the calls from locking onto one
    // phase of the device's buffers.
    void pause() { std::this_thread::sleep_for(std::chrono::microseconds(40'000 + random_() % 12'000)); }

    // Calls `speak` and waits for the first sample above 64; nothing when
    // none comes within `timeoutMs`.
    template <class Speak>
    std::optional<Heard> time(Speak&& speak, int timeoutMs = 1000) {
        heardAt_.store(0);
        const std::int64_t called = nowNs();
        speak();
        const std::int64_t returned = nowNs();
        const std::int64_t deadline = called + std::int64_t(timeoutMs) * 1'000'000;
        std::int64_t heard = heardAt_.load();
        while (heard == 0 && nowNs() < deadline) {
            std::this_thread::sleep_for(std::chrono::microseconds(100));
            heard = heardAt_.load();
        }
        if (heard == 0) return std::nullopt;
        return Heard{double(heard - called) / 1e6, double(returned - called) / 1e6};
    }

private:
    // Runs on the audio thread for every buffer the mixer hands the device.
    static void note(void* heardAt, Uint8* stream, int len) {
        auto& heard = *static_cast<std::atomic<std::int64_t>*>(heardAt);
        if (heard.load() != 0) return;
        const auto* samples = reinterpret_cast<const std::int16_t*>(stream);
        if (std::any_of(samples, samples + len / 2, [](std::int16_t s) { return std::abs(s) > 64; }))
            heard.store(nowNs());
    }

    std::atomic<std::int64_t> heardAt_{0};
    std::minstd_rand random_{1};
};

}  // namespace first_audible
