// How soon an asynchronous SndPlay is heard, how long a 10-second MIDI piece
// takes to render, and how soon a three-minute MIDI piece played once before
// is handed to the mixer again (target: 5 ms).
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <random>
#include <thread>

#include "sound/MidiRenderer.h"
#include "tests/support/TestSounds.h"
#include "sound/mdlSndAPI.h"

using namespace test_sounds;

namespace {

using Clock = std::chrono::steady_clock;

std::int64_t nowNs() { return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count(); }

// Runs on the audio thread for every buffer the mixer hands the device.
void noteFirstSound(void* heardAt, Uint8* stream, int len) {
    auto& heard = *static_cast<std::atomic<std::int64_t>*>(heardAt);
    if (heard.load() != 0) return;
    const auto* samples = reinterpret_cast<const std::int16_t*>(stream);
    if (std::any_of(samples, samples + len / 2, [](std::int16_t s) { return s != 0; })) heard = nowNs();
}

void setCounters(benchmark::State& state, std::vector<double> values, const char* unit) {
    std::sort(values.begin(), values.end());
    state.counters[std::string("median_") + unit] = values[values.size() / 2];
    state.counters[std::string("max_") + unit] = values.back();
}

void BM_SndPlayToFirstSample(benchmark::State& state) {
    // Without a sound card the disk driver paces the device in real time.
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) {
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", "/dev/null");
    }
    QTemporaryDir dir;
    writeFile(dir.filePath("chime.wav"), toneWav(880, 200));
    const QString chime = dir.filePath("chime.wav");
    AudioDevice device;
    mdlSndAPI snd(device);
    snd.SndPlay(chime, "S1", -1, 0);  // opens the device

    std::atomic<std::int64_t> heard{0};
    Mix_SetPostMix(noteFirstSound, &heard);
    std::vector<double> latencies;
    std::minstd_rand random(1);
    for (auto _ : state) {
        snd.SndCloseAll();
        // Every buffer still holding sound is gone by then; the random part
        // keeps the calls from locking onto one phase of the device's buffers.
        std::this_thread::sleep_for(std::chrono::microseconds(40'000 + random() % 12'000));
        heard = 0;
        snd.SndPlay(chime, "S1", 0, 0);
        const std::int64_t returned = nowNs();
        while (heard.load() == 0 && nowNs() - returned < 1'000'000'000) std::this_thread::sleep_for(std::chrono::microseconds(100));
        if (heard.load() == 0) {
            state.SkipWithError("nothing was heard");
            break;
        }
        // The mixer may take the sound before SndPlay has even returned.
        const double seconds = std::max<std::int64_t>(0, heard.load() - returned) / 1e9;
        state.SetIterationTime(seconds);
        latencies.push_back(seconds * 1000);
    }
    Mix_SetPostMix(nullptr, nullptr);
    if (!latencies.empty()) setCounters(state, latencies, "ms");
}
BENCHMARK(BM_SndPlayToFirstSample)->UseManualTime()->Iterations(60)->Unit(benchmark::kMillisecond);

// A piano melody in quarter notes over a bass at 120 bpm: 20 beats are ten seconds.
QByteArray pianoPiece(int beats) {
    const int melody[] = {72, 74, 76, 77, 79, 77, 76, 74};
    MidiTrack track;
    track.event(0, {0xC0, 0}).event(0, {0xC1, 32});
    for (int beat = 0; beat < beats; ++beat) {
        const int note = melody[beat % 8], bass = 48 + (beat / 2) % 5;
        track.event(0, {0x90, note, 96}).event(0, {0x91, bass, 100});
        track.event(480, {0x80, note, 0}).event(0, {0x81, bass, 0});
    }
    return track.file();
}

void BM_RenderTenSecondMidi(benchmark::State& state) {
    QTemporaryDir dir;
    writeFile(dir.filePath("piece.mid"), pianoPiece(20));
    const QString piece = dir.filePath("piece.mid");
    MidiRenderer renderer(AudioDevice::Rate);

    const auto coldStart = Clock::now();
    size_t frames = renderer.render(piece).size() / 2;  // loads the sound font
    const double coldMs = std::chrono::duration<double, std::milli>(Clock::now() - coldStart).count();
    if (frames < size_t(AudioDevice::Rate) * 10) state.SkipWithError("the piece rendered short");

    std::vector<double> times;
    for (auto _ : state) {
        const auto start = Clock::now();
        frames = renderer.render(piece).size() / 2;
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        benchmark::DoNotOptimize(frames);
    }
    setCounters(state, times, "ms");
    state.counters["first_render_ms"] = coldMs;
    state.counters["seconds_rendered"] = double(frames) / AudioDevice::Rate;
}
BENCHMARK(BM_RenderTenSecondMidi)->Iterations(15)->Unit(benchmark::kMillisecond);

void BM_ReplayThreeMinuteMidi(benchmark::State& state) {
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) {
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", "/dev/null");
    }
    QTemporaryDir dir;
    writeFile(dir.filePath("long.mid"), pianoPiece(360));
    const QString piece = dir.filePath("long.mid");
    AudioDevice device;
    mdlSndAPI snd(device);

    const auto firstStart = Clock::now();
    snd.SndPlay(piece, "S2", 0, 0);
    const double firstMs = std::chrono::duration<double, std::milli>(Clock::now() - firstStart).count();
    if (!device.isPlaying(1)) state.SkipWithError("the piece did not play");

    std::vector<double> times;
    for (auto _ : state) {
        const auto start = Clock::now();
        snd.SndPlay(piece, "S2", 0, 0);
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    snd.SndCloseAll();
    setCounters(state, times, "ms");
    state.counters["first_play_ms"] = firstMs;
}
BENCHMARK(BM_ReplayThreeMinuteMidi)->Iterations(30)->Unit(benchmark::kMillisecond);

}  // namespace
