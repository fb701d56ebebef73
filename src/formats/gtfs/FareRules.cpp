#include "formats/gtfs/FareRules.h"

#include <algorithm>
#include <utility>

namespace gtfs {
namespace {

constexpr int kRoute = 1, kOrigin = 2, kDestination = 4;

// Each field led by its length, so that no id can pass for two.
QString key(int kind, const QString& route, const QString& origin, const QString& destination) {
    QString k;
    for (const auto& [bit, field] : {std::pair{kRoute, &route}, {kOrigin, &origin}, {kDestination, &destination}}) {
        const QString& value = (kind & bit) ? *field : QString();
        k += QString::number(value.size()) + u':' + value;
    }
    return k;
}

// Both ends named count most, then one end, then the route.
int specificity(int kind) {
    const int ends = ((kind & kOrigin) ? 1 : 0) + ((kind & kDestination) ? 1 : 0);
    return ends * 2 + ((kind & kRoute) ? 1 : 0);
}

}  // namespace

FareRules::FareRules(const Feed& feed) {
    for (const FareRule& rule : feed.fareRules) {
        const int kind = (rule.route.isEmpty() ? 0 : kRoute) | (rule.origin.isEmpty() ? 0 : kOrigin) |
                         (rule.destination.isEmpty() ? 0 : kDestination);
        rules_[size_t(kind)][key(kind, rule.route, rule.origin, rule.destination)].push_back(
            feed.fares[size_t(rule.fare)].price);
    }
    if (feed.fareRules.empty() && feed.fares.size() == 1) flatFare_ = feed.fares.front().price;
}

FareRules::Price FareRules::between(const QString& route, const QString& originZone,
                                    const QString& destinationZone) const {
    Price price;
    for (int rank = specificity(kRoute | kOrigin | kDestination); rank >= 0 && price.candidates.empty(); --rank) {
        for (int kind = 0; kind < 8; ++kind) {
            if (specificity(kind) != rank) continue;
            // A rule naming a zone cannot apply to a stop in none.
            if (((kind & kOrigin) && originZone.isEmpty()) || ((kind & kDestination) && destinationZone.isEmpty()))
                continue;
            const auto found = rules_[size_t(kind)].constFind(key(kind, route, originZone, destinationZone));
            if (found != rules_[size_t(kind)].cend())
                price.candidates.insert(price.candidates.end(), found->begin(), found->end());
        }
    }
    if (price.candidates.empty() && flatFare_) price.candidates.push_back(*flatFare_);
    std::sort(price.candidates.begin(), price.candidates.end());
    price.candidates.erase(std::unique(price.candidates.begin(), price.candidates.end()), price.candidates.end());
    if (!price.candidates.empty()) price.yen = price.candidates.front();
    return price;
}

}  // namespace gtfs
