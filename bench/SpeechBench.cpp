// How long the speech engine takes to be created and to be heard, and what a
// sample announcement sounds like: its length and the pauses at 、 and 。,
// with the announcement written to a WAV file for listening.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <thread>

#include "bench/support/FirstAudibleSample.h"
#include "sound/AudioDevice.h"
#include "sound/SpeechEngine.h"

namespace {

using Clock = std::chrono::steady_clock;

// 40 characters.
const QString Sentence = u"次は、中央三丁目、市民病院前です。お降りの方は、前の降車ボタンでお知らせください"_qs;
const QString Sample = u"次は、市役所前です。お降りの方はお知らせください。"_qs;

double ms(Clock::time_point since) { return std::chrono::duration<double, std::milli>(Clock::now() - since).count(); }

void setCounters(benchmark::State& state, std::vector<double> values) {
    if (values.empty()) return;
    std::sort(values.begin(), values.end());
    state.counters["median_ms"] = values[values.size() / 2];
    state.counters["max_ms"] = values.back();
}

// The first creation in the process also starts the synthesiser.
double firstCreationMs = -1;

void BM_EngineCreation(benchmark::State& state) {
    AudioDevice device;
    std::vector<double> times;
    for (auto _ : state) {
        const auto start = Clock::now();
        auto engine = SpeechEngine::create(device);
        times.push_back(ms(start));
        if (!engine) {
            state.SkipWithError("no engine");
            break;
        }
    }
    setCounters(state, times);
    state.counters["first_in_process_ms"] = firstCreationMs;
}
BENCHMARK(BM_EngineCreation)->Iterations(20)->Unit(benchmark::kMillisecond);

void BM_SpeakToFirstAudibleSample(benchmark::State& state) {
    first_audible::useDiskDevice();
    AudioDevice device;
    auto engine = SpeechEngine::create(device);
    if (!engine) {
        state.SkipWithError("no engine");
        return;
    }
    engine->speak(u"ア"_qs);  // opens the device
    std::this_thread::sleep_for(std::chrono::milliseconds(300));

    std::vector<double> latencies, calls;
    {
        first_audible::Listener listener;
        for (auto _ : state) {
            engine->stop();
            listener.pause();
            const auto heard = listener.time([&] { engine->speak(Sentence); });
            if (!heard) {
                state.SkipWithError("nothing was heard");
                break;
            }
            calls.push_back(heard->callMs);
            state.SetIterationTime(heard->ms / 1000);
            latencies.push_back(heard->ms);
        }
    }
    engine->stop();
    setCounters(state, latencies);
    std::sort(calls.begin(), calls.end());
    if (!calls.empty()) state.counters["speak_call_median_ms"] = calls[calls.size() / 2];
    state.counters["characters"] = double(Sentence.size());
}
BENCHMARK(BM_SpeakToFirstAudibleSample)->UseManualTime()->Iterations(40)->Unit(benchmark::kMillisecond);

void writeWav(const QString& path, const std::vector<std::int16_t>& pcm, int rate) {
    QByteArray wav("RIFF");
    auto put32 = [&](quint32 v) { char b[4]; qToLittleEndian(v, b); wav.append(b, 4); };
    auto put16 = [&](quint16 v) { char b[2]; qToLittleEndian(v, b); wav.append(b, 2); };
    const quint32 bytes = quint32(pcm.size() * 2);
    put32(36 + bytes);
    wav.append("WAVEfmt ");
    put32(16), put16(1), put16(1), put32(quint32(rate)), put32(quint32(rate) * 2), put16(2), put16(16);
    wav.append("data");
    put32(bytes);
    for (std::int16_t s : pcm) put16(quint16(s));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(wav);
}

// Renders the sample, writes it out, and reports its length and every
// silence of 60 ms or more inside it (10 ms windows under -50 dBFS).
void BM_SampleAnnouncement(benchmark::State& state) {
    AudioDevice device;
    auto engine = SpeechEngine::create(device);
    if (!engine) {
        state.SkipWithError("no engine");
        return;
    }
    std::vector<std::int16_t> pcm;
    for (auto _ : state) pcm = engine->render(Sample);
    const int rate = SpeechEngine::renderRate(), window = rate / 100;
    const QString path = QDir::temp().filePath(u"fareboard_sample_announcement.wav"_qs);
    writeWav(path, pcm, rate);

    std::vector<bool> quiet;
    for (size_t at = 0; at + window <= pcm.size(); at += window) {
        double sum = 0;
        for (int i = 0; i < window; ++i) sum += double(pcm[at + i]) * pcm[at + i];
        quiet.push_back(std::sqrt(sum / window) < 100);
    }
    const auto first = std::find(quiet.begin(), quiet.end(), false) - quiet.begin();
    const auto last = quiet.rend() - std::find(quiet.rbegin(), quiet.rend(), false);
    std::fprintf(stderr, "%s: %.2f s; sound from %lld to %lld ms; silences inside:", qPrintable(path),
                 double(pcm.size()) / rate, (long long)first * 10, (long long)last * 10);
    int pause = 0, pauses = 0;
    for (auto i = first; i < last; ++i) {
        if (quiet[size_t(i)]) {
            ++pause;
            continue;
        }
        if (pause >= 6) {
            std::fprintf(stderr, " %d ms at %lld ms;", pause * 10, (long long)(i - pause) * 10);
            state.counters["pause" + std::to_string(++pauses) + "_ms"] = pause * 10;
        }
        pause = 0;
    }
    std::fprintf(stderr, "\n");
    state.counters["length_s"] = double(pcm.size()) / rate;
}
BENCHMARK(BM_SampleAnnouncement)->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    {
        AudioDevice device;
        const auto start = Clock::now();
        const bool created = SpeechEngine::create(device) != nullptr;
        firstCreationMs = created ? ms(start) : -1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
