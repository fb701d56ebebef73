#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

#include "formats/StopTable.h"
#include "formats/gtfs/FareRules.h"
#include "formats/gtfs/FeedProblem.h"
#include "formats/gtfs/Patterns.h"

// A trip pattern of a feed as a fare table: one record per stop in order,
// and at each stop the fare of every ticket issued before it.
namespace gtfs_fare_table {

// A ticket number for every stop, or one shared by consecutive stops from
// which every later stop costs the same.
enum class Tickets { PerStop, PerFare };

struct Built {
    std::vector<StopRecord> stops;
    FeedProblems problems;
    // Nothing can be written: too many stops or tickets.
    bool refused = false;
};

// `names` are the stops' names as they will be written; `where` names the
// pattern in problems. Without a choice of tickets, a pattern of at most 150
// stops has one per stop, a longer one one per fare.
Built build(const gtfs::Feed& feed, const gtfs::Pattern& pattern, const gtfs::FareRules& rules,
            const QStringList& names, std::optional<Tickets> tickets, const QString& where);

}  // namespace gtfs_fare_table
