#include "formats/gtfs/Patterns.h"

#include <map>

namespace gtfs {

std::vector<Pattern> patterns(const Feed& feed) {
    std::vector<std::vector<Pattern>> byRoute(feed.routes.size());
    std::vector<std::map<std::vector<int>, size_t>> seen(feed.routes.size());
    for (size_t t = 0; t < feed.trips.size(); ++t) {
        const Trip& trip = feed.trips[t];
        if (trip.stops.empty()) continue;
        std::vector<Pattern>& routePatterns = byRoute[size_t(trip.route)];
        const auto [at, added] = seen[size_t(trip.route)].try_emplace(trip.stops, routePatterns.size());
        if (added) {
            const QString headsign = trip.headsign.isEmpty() ? trip.firstStopHeadsign : trip.headsign;
            routePatterns.push_back(
                {trip.route, int(routePatterns.size() + 1), {}, &trip.stops, trip.direction, headsign});
        }
        routePatterns[at->second].trips.push_back(int(t));
    }
    std::vector<Pattern> all;
    for (std::vector<Pattern>& route : byRoute)
        for (Pattern& pattern : route) all.push_back(std::move(pattern));
    return all;
}

QString destination(const Feed& feed, const Pattern& pattern) {
    return pattern.headsign.isEmpty() ? feed.stops[size_t(pattern.stops->back())].name : pattern.headsign;
}

}  // namespace gtfs
