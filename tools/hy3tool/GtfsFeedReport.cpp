#include "hy3tool/GtfsFeedReport.h"

#include "formats/gtfs/FeedSource.h"
#include "hy3tool/Console.h"

namespace gtfs_feed_report {

void print(const FeedProblems& problems, bool& problemsFound) {
    for (const FeedProblem& p : problems) {
        const QString text = p.warning ? QStringLiteral("warning: ") + p.text : p.text;
        printMessage(p.file.isEmpty() ? text
                     : p.line > 0     ? QStringLiteral("%1 line %2: %3").arg(p.file).arg(p.line).arg(text)
                                      : QStringLiteral("%1: %2").arg(p.file, text));
        problemsFound = problemsFound || !p.warning;
    }
}

std::unique_ptr<gtfs::Feed> open(const QString& path, gtfs::Part part, bool& problemsFound) {
    QString error;
    const std::unique_ptr<FeedSource> source = FeedSource::open(path, error);
    if (!source) {
        printMessage(error);
        return nullptr;
    }
    gtfs::Loaded loaded = gtfs::load(*source, part);
    print(loaded.problems, problemsFound);
    if (!loaded.feed) printMessage(QStringLiteral("%1: the feed cannot be read; nothing written").arg(path));
    return std::move(loaded.feed);
}

}  // namespace gtfs_feed_report
