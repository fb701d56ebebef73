#pragma once

#include <QString>

#include <memory>

#include "formats/gtfs/Feed.h"

// Opening a feed for a command, with its problems told on standard error.
namespace gtfs_feed_report {

// Null when the feed cannot be read; its problems are printed either way.
std::unique_ptr<gtfs::Feed> open(const QString& path, gtfs::Part part, bool& problemsFound);

// "stops.txt line 12: ...", "stops.txt: ...", or the text alone; warnings say so.
void print(const FeedProblems& problems, bool& problemsFound);

}  // namespace gtfs_feed_report
