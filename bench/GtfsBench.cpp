// hy3tool's work on a real GTFS-JP feed of 74 routes: the listing a data
// author chooses a route from, one route's import, and the import of every
// route. The feed is $GTFS_FEED, by default the one beside the checkout; the
// benchmarks are skipped without it.
// Targets: list at most 300 ms, one route's import at most 300 ms, --all at
// most 2 s (medians).
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>

#include "formats/gtfs/Feed.h"
#include "formats/gtfs/FeedSource.h"
#include "hy3tool/GtfsImport.h"
#include "hy3tool/GtfsList.h"

namespace {

QString feedPath() {
    const QString given = qEnvironmentVariable("GTFS_FEED");
    return given.isEmpty() ? QDir::cleanPath(QStringLiteral(FAREBOARD_SOURCE_DIR "/../shared/gtfs-jp/donanbus-muroran/feed.zip"))
                           : given;
}

// False, with the benchmark skipped, when there is no feed to measure.
bool haveFeed(benchmark::State& state) {
    if (QFileInfo(feedPath()).isFile()) return true;
    state.SkipWithError(("skipped: no feed at " + feedPath().toStdString() + " (set GTFS_FEED)").c_str());
    return false;
}

// The tool's messages (a real feed has hundreds of problems) go nowhere while
// it is measured, as they would to a file; the benchmark's own output stays.
class QuietStderr {
public:
    QuietStderr() : saved_(dup(STDERR_FILENO)) {
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0) {
            dup2(null, STDERR_FILENO);
            close(null);
        }
    }
    ~QuietStderr() {
        std::fflush(stderr);
        if (saved_ >= 0) {
            dup2(saved_, STDERR_FILENO);
            close(saved_);
        }
    }

private:
    int saved_;
};

// The work is in functions of other files and leaves its result behind, so
// nothing here can be optimised away; the result is kept only to check it.
void list(benchmark::State& state) {
    if (!haveFeed(state)) return;
    const QString path = feedPath();
    qsizetype length = 0;
    for (auto _ : state) {
        QString error;
        const std::unique_ptr<FeedSource> source = FeedSource::open(path, error);
        if (!source) {
            state.SkipWithError(("the feed does not open: " + error.toStdString()).c_str());
            break;
        }
        const gtfs::Loaded loaded = gtfs::load(*source, gtfs::Part::Timetable);
        if (!loaded.feed) {
            state.SkipWithError("the feed cannot be read");
            break;
        }
        length = gtfs_list::render(*loaded.feed, false).size();
    }
    if (length == 0 && !state.error_occurred()) state.SkipWithError("the listing is empty");
}

// Each run writes into a folder of its own, made and removed outside the timing.
void import(benchmark::State& state, gtfs_import::Request request, int filesAtLeast) {
    if (!haveFeed(state)) return;
    request.feed = feedPath();
    qsizetype written = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto out = std::make_unique<QTemporaryDir>();
        request.out = out->filePath(QStringLiteral("out"));
        state.ResumeTiming();
        int status = 0;
        {
            const QuietStderr quiet;
            status = gtfs_import::run(request);
        }
        state.PauseTiming();
        written = QDir(request.out).entryList(QDir::Files).size();
        out.reset();
        state.ResumeTiming();
        // 0 written, 1 written with problems (a real feed has some).
        if (status > 1) {
            state.SkipWithError(("the import failed with exit status " + std::to_string(status)).c_str());
            break;
        }
    }
    if (written < filesAtLeast && !state.error_occurred())
        state.SkipWithError(("only " + std::to_string(written) + " files written").c_str());
}

void importRoute(benchmark::State& state) {
    gtfs_import::Request request;
    request.route = QStringLiteral("101500");
    request.number = 15;
    import(state, request, 3);  // 15.hy3, 15tp.csv, readings.csv
}

void importAll(benchmark::State& state) {
    gtfs_import::Request request;
    request.all = true;
    import(state, request, 2 * 74);  // at least a pattern of every route
}

}  // namespace

BENCHMARK(list)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(importRoute)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(importAll)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
