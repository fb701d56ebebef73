#include "hy3tool/GtfsFareTable.h"

#include <limits>

#include "hy3tool/FareCheck.h"

namespace gtfs_fare_table {
namespace {

using Fares = std::vector<std::vector<qint16>>;

// fare[i][s], for boarding at stop i and leaving at a later stop s (from 0);
// -1 where the feed has none.
Fares faresBetweenStops(const gtfs::Feed& feed, const gtfs::Pattern& pattern, const gtfs::FareRules& rules,
                        const QStringList& names, const QString& where, FeedProblems& problems) {
    const std::vector<int>& stops = *pattern.stops;
    const QString& route = feed.routes[size_t(pattern.route)].id;
    const size_t n = stops.size();
    Fares fares(n, std::vector<qint16>(n, 0));
    const auto stop = [&](size_t i) { return QStringLiteral("%1 (stop %2)").arg(names[qsizetype(i)]).arg(i + 1); };
    for (size_t i = 0; i < n; ++i) {
        for (size_t s = i + 1; s < n; ++s) {
            const gtfs::FareRules::Price price = rules.between(route, feed.stops[size_t(stops[i])].zone,
                                                               feed.stops[size_t(stops[s])].zone);
            const QString pair = QStringLiteral("from %1 to %2").arg(stop(i), stop(s));
            qint16& fare = fares[i][s];
            if (!price.yen) {
                problems.push_back({where, 0, QStringLiteral("no fare %1; written as -1").arg(pair)});
                fare = -1;
                continue;
            }
            if (price.candidates.size() > 1) {
                QStringList yen;
                for (qint64 p : price.candidates) yen << QString::number(p);
                problems.push_back({where, 0, QStringLiteral("the fare %1 is ambiguous: %2 yen; the lowest is written")
                                                  .arg(pair, yen.join(QStringLiteral(" or ")))});
            }
            if (*price.yen > std::numeric_limits<qint16>::max()) {
                problems.push_back({where, 0, QStringLiteral("the fare %1 is %2 yen, more than a fare file holds; "
                                                             "written as -1")
                                                  .arg(pair)
                                                  .arg(*price.yen)});
                fare = -1;
                continue;
            }
            if (*price.yen > fare_check::kMaxFare)
                problems.push_back({where, 0, QStringLiteral("the fare %1 is %2 yen; the board shows three digits")
                                                  .arg(pair)
                                                  .arg(*price.yen)});
            fare = qint16(*price.yen);
        }
    }
    return fares;
}

// The ticket number (from 1) of each stop: per stop, or shared with the
// stop before when both cost the same to every stop after them.
std::vector<int> ticketNumbers(const Fares& fares, Tickets tickets) {
    const size_t n = fares.size();
    std::vector<int> numbers(n);
    for (size_t i = 0; i < n; ++i) {
        bool sameAsBefore = tickets == Tickets::PerFare && i > 0;
        for (size_t s = i + 1; sameAsBefore && s < n; ++s) sameAsBefore = fares[i - 1][s] == fares[i][s];
        numbers[i] = i == 0 ? 1 : numbers[i - 1] + (sameAsBefore ? 0 : 1);
    }
    return numbers;
}

}  // namespace

Built build(const gtfs::Feed& feed, const gtfs::Pattern& pattern, const gtfs::FareRules& rules,
            const QStringList& names, std::optional<Tickets> tickets, const QString& where) {
    Built built;
    const size_t n = pattern.stops->size();
    if (n > size_t(StopTable::kStopCount)) {
        built.problems.push_back({where, 0, QStringLiteral("%1 stops; a fare file holds at most %2; nothing written")
                                                .arg(n)
                                                .arg(StopTable::kStopCount)});
        built.refused = true;
        return built;
    }
    const Tickets chosen = tickets.value_or(n <= size_t(StopRecord::kFareCount) ? Tickets::PerStop : Tickets::PerFare);
    const Fares fares = faresBetweenStops(feed, pattern, rules, names, where, built.problems);
    const std::vector<int> numbers = ticketNumbers(fares, chosen);
    if (numbers.back() > StopRecord::kFareCount) {
        built.problems.push_back(
            {where, 0, QStringLiteral("%1 ticket numbers; the board has at most %2%3; nothing written")
                           .arg(numbers.back())
                           .arg(StopRecord::kFareCount)
                           .arg(chosen == Tickets::PerStop ? QStringLiteral(" (--tickets fare shares them)") : QString())});
        built.refused = true;
        return built;
    }
    built.stops.resize(n);
    for (size_t s = 0; s < n; ++s) {
        StopRecord& record = built.stops[s];
        record.Chimei = names[qsizetype(s)];
        record.SeiriNum = qint16(numbers[s]);
        // A shared ticket costs what it costs from the first of its stops:
        // the others cost the same to every stop after them.
        for (size_t i = 0; i < s; ++i)
            if (i == 0 || numbers[i] != numbers[i - 1]) record.fares[size_t(numbers[i] - 1)] = fares[i][s];
    }
    return built;
}

}  // namespace gtfs_fare_table
