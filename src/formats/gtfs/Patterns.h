#pragma once

#include <QString>

#include <vector>

#include "formats/gtfs/Feed.h"

namespace gtfs {

// The trips of a route that call at exactly the same stops in the same order.
struct Pattern {
    int route = 0;   // index into the feed's routes
    int number = 0;  // from 1 within its route, in the order of the trips
    std::vector<int> trips;
    const std::vector<int>* stops = nullptr;  // those of its first trip
    QString direction;
    // The first trip's headsign, else its first stop's, else empty.
    QString headsign;
};

// Every route's patterns, routes in the feed's order. A trip without stops
// makes no pattern.
std::vector<Pattern> patterns(const Feed& feed);

// Where the bus goes, for a passenger: the headsign, else the last stop.
QString destination(const Feed& feed, const Pattern& pattern);

}  // namespace gtfs
