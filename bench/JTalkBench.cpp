// The natural voice: how soon a line is heard, rendered ahead or not; what
// rendering a route's lines in the background costs in time and cores; and
// whether the panel still steps at once while it renders.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "bench/support/FirstAudibleSample.h"
#include "bench/support/PanelStep.h"
#include "formats/BroadcastFile.h"
#include "sound/AudioDevice.h"
#include "sound/JTalkEngine.h"

namespace {

using Clock = std::chrono::steady_clock;

const char* const Unusable = "skipped: open_jtalk, its dictionary or its voice is not installed";

// A route's announcements: the next stop at every stop, and the longer
// notices a route has.
std::vector<broadcast_file::TapeRow> routeRows() {
    std::vector<broadcast_file::TapeRow> rows;
    for (const char16_t* stop :
         {u"駅前ターミナル", u"本町一丁目", u"本町二丁目", u"市役所前", u"中央三丁目", u"市民病院前", u"県立高校前",
          u"文化会館前", u"緑ヶ丘", u"桜台団地", u"東公園", u"消防署前", u"郵便局前", u"大橋", u"川端町", u"図書館前",
          u"南小学校前", u"商店街入口", u"山の手一丁目", u"青葉台", u"運動公園前", u"市場前", u"旭町", u"浄水場前",
          u"工業団地"})
        rows.push_back({u"次は、"_qs + QString::fromUtf16(stop) + u"です。"_qs, 1, 1});
    for (const char16_t* notice : {u"毎度ご乗車ありがとうございます。このバスは、駅前ターミナル経由、工業団地行きです。",
                                   u"運賃は、整理券と運賃表をお確かめのうえ、お支払いください。",
                                   u"バスが停車してから、席をお立ちください。",
                                   u"走行中は危険ですので、つり革や手すりにおつかまりください。",
                                   u"次は、市民病院前です。お降りの方は、降車ボタンでお知らせください。"})
        rows.push_back({QString::fromUtf16(notice), 0, 0});
    return rows;
}

// The 30 texts of a route's broadcast file, written and read back as a route
// is loaded; empty when that fails.
QStringList routeTexts() {
    QTemporaryDir dir;
    const std::vector<broadcast_file::TapeRow> rows = routeRows();
    const auto bytes = broadcast_file::write(rows);
    QFile file(dir.filePath(u"12.txt"_qs));
    if (!bytes || !file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size()) return {};
    file.close();
    const auto contents = broadcast_file::read(file.fileName());
    QStringList texts;
    if (contents)
        for (const broadcast_file::TapeRow& row : contents->rows) texts << row.Text;
    return texts;
}

// A line of 30 characters no earlier call has spoken: n from 10 to 99.
QString newLine(int n) { return u"次は、本町%1丁目です。お降りの方はボタンでお知らせ下さい。"_qs.arg(n); }

// The engine on a device of its own, its cache empty, the installed voice
// at its own settings.
struct NaturalVoice {
    QTemporaryDir dir;
    AudioDevice device;
    std::unique_ptr<JTalkEngine> engine =
        JTalkEngine::create(device, {open_jtalk::installed(), dir.filePath(u"speech.ini"_qs)}, nullptr);
};

bool waitForBackground(const JTalkEngine& engine, std::chrono::seconds limit) {
    const auto until = Clock::now() + limit;
    while (!engine.backgroundIdle()) {
        if (Clock::now() > until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

int readyCount(const JTalkEngine& engine, const QStringList& texts) {
    return int(std::count_if(texts.begin(), texts.end(), [&](const QString& t) { return engine.isReady(t); }));
}

double seconds(const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; }

// This process's threads and its children that have ended.
double cpuSeconds() {
    rusage self{}, children{};
    getrusage(RUSAGE_SELF, &self);
    getrusage(RUSAGE_CHILDREN, &children);
    return seconds(self.ru_utime) + seconds(self.ru_stime) + seconds(children.ru_utime) + seconds(children.ru_stime);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void setLatencyCounters(benchmark::State& state, const std::vector<double>& heard, const std::vector<double>& calls) {
    if (heard.empty()) return;
    state.counters["median_ms"] = median(heard);
    state.counters["max_ms"] = *std::max_element(heard.begin(), heard.end());
    state.counters["speak_call_median_ms"] = median(calls);
}

// What the voice puts before the first sample above 64 (the listener's
// threshold), the median over the texts: part of every wait for the first
// audible sample unless the engine cuts it.
double leadSilenceMs(const JTalkEngine& engine, const QStringList& texts) {
    std::vector<double> ms;
    for (const QString& text : texts) {
        const open_jtalk::Rendered r = open_jtalk::render(open_jtalk::installed(), engine.settings(), text, 10000);
        const auto loud = std::find_if(r.mono.begin(), r.mono.end(), [](std::int16_t v) { return std::abs(v) > 64; });
        if (r.error.isEmpty() && r.rate > 0 && loud != r.mono.end())
            ms.push_back(double(loud - r.mono.begin()) * 1000 / r.rate);
    }
    return ms.empty() ? -1 : median(ms);
}

// Speaks until the device is open, then lets it play on.
void openDevice(JTalkEngine& engine, const QString& line) {
    engine.speak(line);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
}

// Speak to first audible sample, a line an iteration, into the latency
// counters; a run stops with its reason when a line is heard not at all, or,
// with `mustBeNew`, was rendered already.
void timeLines(benchmark::State& state, JTalkEngine& engine, const std::function<QString()>& nextLine, int timeoutMs,
               bool mustBeNew) {
    std::vector<double> heard, calls;
    {
        first_audible::Listener listener;
        for (auto _ : state) {
            const QString line = nextLine();
            if (mustBeNew && engine.isReady(line)) {
                state.SkipWithError("the line was rendered already");
                break;
            }
            engine.stop();
            listener.pause();
            const auto h = listener.time([&] { engine.speak(line); }, timeoutMs);
            if (!h) {
                state.SkipWithError(engine.state() == TextToSpeech::Failed ? "open_jtalk failed" : "nothing was heard");
                break;
            }
            state.SetIterationTime(h->ms / 1000);
            heard.push_back(h->ms);
            calls.push_back(h->callMs);
        }
    }
    engine.stop();
    setLatencyCounters(state, heard, calls);
}

void BM_SpeakRenderedLineToFirstAudibleSample(benchmark::State& state) {
    first_audible::useDiskDevice();
    NaturalVoice voice;
    if (!voice.engine) return state.SkipWithError(Unusable);
    JTalkEngine& engine = *voice.engine;
    const QStringList texts = routeTexts();
    if (texts.size() != 30) return state.SkipWithError("the broadcast file did not read back");
    engine.prepare(texts);
    if (!waitForBackground(engine, std::chrono::seconds(120)) || readyCount(engine, texts) != texts.size())
        return state.SkipWithError("the route's lines were not rendered");
    openDevice(engine, texts[0]);
    state.counters["voice_lead_silence_ms"] = leadSilenceMs(engine, texts);

    qsizetype next = 0;
    timeLines(state, engine, [&] { return texts[next++ % texts.size()]; }, 2000, false);
}
BENCHMARK(BM_SpeakRenderedLineToFirstAudibleSample)->UseManualTime()->Iterations(40)->Unit(benchmark::kMillisecond);

void BM_SpeakNewLineToFirstAudibleSample(benchmark::State& state) {
    first_audible::useDiskDevice();
    NaturalVoice voice;
    if (!voice.engine) return state.SkipWithError(Unusable);
    JTalkEngine& engine = *voice.engine;
    openDevice(engine, u"ご乗車ありがとうございます。"_qs);

    int n = 10;
    timeLines(state, engine, [&] { return newLine(n++); }, 3000, true);
    state.counters["characters"] = double(newLine(10).size());
}
// At most 90 iterations: newLine's two digits.
BENCHMARK(BM_SpeakNewLineToFirstAudibleSample)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

// From prepare() to the background idle again, on an empty cache each time.
void BM_BackgroundRenderThirtyLines(benchmark::State& state) {
    const QStringList texts = routeTexts();
    if (texts.size() != 30) return state.SkipWithError("the broadcast file did not read back");
    std::vector<double> walls, cores;
    if (!NaturalVoice().engine) return state.SkipWithError(Unusable);
    for (auto _ : state) {
        NaturalVoice voice;
        JTalkEngine& engine = *voice.engine;
        const double cpuBefore = cpuSeconds();
        const auto start = Clock::now();
        engine.prepare(texts);
        const bool done = waitForBackground(engine, std::chrono::seconds(120));
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        const double cpu = cpuSeconds() - cpuBefore;
        if (!done || readyCount(engine, texts) != texts.size()) {
            state.SkipWithError("the route's lines were not all rendered");
            break;
        }
        state.SetIterationTime(wall);
        walls.push_back(wall);
        cores.push_back(cpu / wall);
    }
    if (walls.empty()) return;
    state.counters["wall_s"] = median(walls);
    state.counters["cores"] = median(cores);
    state.counters["lines"] = double(texts.size());
}
BENCHMARK(BM_BackgroundRenderThirtyLines)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

// The panel's step while another engine renders a route: only steps that
// began and ended with the background busy count.
void BM_PanelStepWhileRendering(benchmark::State& state) {
    panel_step::Bus bus(false);
    if (!bus.ready()) return state.SkipWithError("no fare file");
    const QStringList texts = routeTexts();
    if (texts.size() != 30) return state.SkipWithError("the broadcast file did not read back");
    NaturalVoice voice;
    if (!voice.engine) return state.SkipWithError(Unusable);
    JTalkEngine& engine = *voice.engine;

    std::vector<double> during;
    int after = 0;
    engine.prepare(texts);
    for (auto _ : state) {
        const bool busyBefore = !engine.backgroundIdle();
        const double ms = bus.step();
        if (busyBefore && !engine.backgroundIdle())
            during.push_back(ms);
        else
            ++after;
        state.SetIterationTime(ms / 1000);
        // Spreads the steps over several lines' rendering.
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    state.counters["steps_while_rendering"] = double(during.size());
    state.counters["steps_after_rendering"] = after;
    state.counters["lines_ready_after_steps"] = readyCount(engine, texts);
    if (during.empty()) return state.SkipWithError("the background was done before the first step");
    state.counters["median_ms"] = median(during);
    state.counters["max_ms"] = *std::max_element(during.begin(), during.end());
}
BENCHMARK(BM_PanelStepWhileRendering)->UseManualTime()->Iterations(400)->Unit(benchmark::kMillisecond);

}  // namespace
