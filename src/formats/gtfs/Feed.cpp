#include "formats/gtfs/Feed.h"

#include <QSet>

#include <algorithm>
#include <optional>

#include "formats/gtfs/FeedSource.h"
#include "formats/gtfs/FeedTable.h"

namespace gtfs {
namespace {

class Loader {
public:
    Loader(const FeedSource& source, FeedProblems& problems) : source_(source), problems_(problems) {}

    // Nothing when the file cannot be read or lacks a required column.
    std::optional<FeedTable> table(const QString& file, std::initializer_list<const char*> required,
                                   std::initializer_list<const char*> known) {
        QString error;
        const std::optional<QByteArray> bytes = source_.read(file, error);
        if (!bytes) {
            problems_.push_back({{}, 0, error});
            return std::nullopt;
        }
        std::optional<FeedTable> table = FeedTable::parse(file, *bytes, problems_);
        if (!table || !table->require(required, problems_)) return std::nullopt;
        table->checkHeader(known, problems_);
        return table;
    }

    void skip(const FeedTable& table, const csv::Row& row, const QString& why) {
        problems_.push_back({table.file(), row.line, why + QStringLiteral("; row skipped")});
    }

    bool agencies(Feed& feed) {
        const auto t = table(u"agency.txt"_qs, {"agency_name"},
                             {"agency_id", "agency_name", "agency_url", "agency_timezone", "agency_lang",
                              "agency_phone", "agency_fare_url", "agency_email"});
        if (!t) return false;
        const int id = t->column("agency_id"), name = t->column("agency_name");
        for (const csv::Row& row : t->rows()) {
            feed.agencies.insert(FeedTable::field(row, id), FeedTable::field(row, name));
            feed.agencyNames << FeedTable::field(row, name);
        }
        return true;
    }

    bool routes(Feed& feed) {
        const auto t = table(u"routes.txt"_qs, {"route_id"},
                             {"route_id", "agency_id", "route_short_name", "route_long_name", "route_desc",
                              "route_type", "route_url", "route_color", "route_text_color", "route_sort_order",
                              "jp_parent_route_id"});
        if (!t) return false;
        const int id = t->column("route_id"), agency = t->column("agency_id"),
                  shortName = t->column("route_short_name"), longName = t->column("route_long_name");
        for (const csv::Row& row : t->rows()) {
            Route route{FeedTable::field(row, id), FeedTable::field(row, agency), FeedTable::field(row, shortName),
                        FeedTable::field(row, longName)};
            if (route.id.isEmpty()) {
                skip(*t, row, u"empty route_id"_qs);
            } else if (routeIndex_.contains(route.id)) {
                skip(*t, row, QStringLiteral("route_id %1 is given twice").arg(route.id));
            } else {
                routeIndex_.insert(route.id, int(feed.routes.size()));
                feed.routes.push_back(std::move(route));
            }
        }
        return true;
    }

    bool stops(Feed& feed) {
        const auto t = table(u"stops.txt"_qs, {"stop_id", "stop_name"},
                             {"stop_id", "stop_code", "stop_name", "stop_desc", "stop_lat", "stop_lon", "zone_id",
                              "stop_url", "location_type", "parent_station", "stop_timezone",
                              "wheelchair_boarding", "platform_code"});
        if (!t) return false;
        const int id = t->column("stop_id"), name = t->column("stop_name"), zone = t->column("zone_id");
        const int position[] = {t->column("stop_lat"), t->column("stop_lon")};
        for (const csv::Row& row : t->rows()) {
            // Nothing here reads the position, but a program that does may
            // not take a number with blanks.
            for (int column : position) {
                const QString raw = column >= 0 ? row.fields.value(column) : QString();
                if (raw != raw.trimmed())
                    problems_.push_back({t->file(), row.line,
                                         QStringLiteral("\"%1\": blanks around a coordinate").arg(raw), true});
            }
            Stop stop{FeedTable::field(row, id), FeedTable::field(row, name), FeedTable::field(row, zone)};
            if (stop.id.isEmpty()) {
                skip(*t, row, u"empty stop_id"_qs);
            } else if (stopIndex_.contains(stop.id)) {
                skip(*t, row, QStringLiteral("stop_id %1 is given twice").arg(stop.id));
            } else {
                stopIndex_.insert(stop.id, int(feed.stops.size()));
                feed.stops.push_back(std::move(stop));
            }
        }
        return true;
    }

    // GTFS-JP's own file about routes; only its references are checked.
    void routeDetails() {
        if (!source_.has(u"routes_jp.txt"_qs)) return;
        const auto t = table(u"routes_jp.txt"_qs, {"route_id"},
                             {"route_id", "route_update_date", "origin_stop", "via_stop", "destination_stop"});
        if (!t) return;
        const int id = t->column("route_id");
        for (const csv::Row& row : t->rows())
            if (!routeIndex_.contains(FeedTable::field(row, id)))
                problems_.push_back({t->file(), row.line,
                                     QStringLiteral("route_id %1 is not in routes.txt").arg(FeedTable::field(row, id)),
                                     true});
    }

    bool trips(Feed& feed) {
        const auto t = table(u"trips.txt"_qs, {"route_id", "trip_id"},
                             {"route_id", "service_id", "trip_id", "trip_headsign", "trip_short_name",
                              "direction_id", "block_id", "shape_id", "wheelchair_accessible", "bikes_allowed",
                              "jp_trip_desc", "jp_trip_desc_symbol", "jp_office_id", "jp_pattern_id"});
        if (!t) return false;
        const int route = t->column("route_id"), id = t->column("trip_id"), headsign = t->column("trip_headsign"),
                  direction = t->column("direction_id");
        for (const csv::Row& row : t->rows()) {
            const QString routeId = FeedTable::field(row, route);
            Trip trip{FeedTable::field(row, id), routeIndex_.value(routeId, -1), FeedTable::field(row, headsign),
                      FeedTable::field(row, direction), {}, {}};
            if (trip.id.isEmpty()) {
                skip(*t, row, u"empty trip_id"_qs);
            } else if (tripIndex_.contains(trip.id)) {
                skip(*t, row, QStringLiteral("trip_id %1 is given twice").arg(trip.id));
            } else if (trip.route < 0) {
                skip(*t, row, QStringLiteral("route_id %1 is not in routes.txt").arg(routeId));
            } else {
                tripIndex_.insert(trip.id, int(feed.trips.size()));
                feed.trips.push_back(std::move(trip));
            }
        }
        return true;
    }

    bool stopTimes(Feed& feed) {
        const auto t = table(u"stop_times.txt"_qs, {"trip_id", "stop_id", "stop_sequence"},
                             {"trip_id", "arrival_time", "departure_time", "stop_id", "stop_sequence",
                              "stop_headsign", "pickup_type", "drop_off_type", "shape_dist_traveled", "timepoint"});
        if (!t) return false;
        const int trip = t->column("trip_id"), stop = t->column("stop_id"), sequence = t->column("stop_sequence"),
                  headsign = t->column("stop_headsign");
        struct Visit {
            qint64 sequence;
            int stop, line;
            QString headsign;
        };
        std::vector<std::vector<Visit>> visits(feed.trips.size());
        std::vector<bool> broken(feed.trips.size());
        for (const csv::Row& row : t->rows()) {
            const QString tripId = FeedTable::field(row, trip), stopId = FeedTable::field(row, stop);
            const int tripAt = tripIndex_.value(tripId, -1), stopAt = stopIndex_.value(stopId, -1);
            const std::optional<qint64> order = wholeNumber(FeedTable::field(row, sequence));
            if (tripAt < 0) {
                skip(*t, row, QStringLiteral("trip_id %1 is not in trips.txt").arg(tripId));
                continue;
            }
            if (stopAt < 0 || !order) {
                problems_.push_back(
                    {t->file(), row.line,
                     (stopAt < 0 ? QStringLiteral("stop_id %1 is not in stops.txt").arg(stopId)
                                 : QStringLiteral("stop_sequence \"%1\" is no whole number")
                                       .arg(FeedTable::field(row, sequence))) +
                         QStringLiteral("; trip %1 skipped").arg(tripId)});
                broken[size_t(tripAt)] = true;
                continue;
            }
            visits[size_t(tripAt)].push_back({*order, stopAt, row.line, FeedTable::field(row, headsign)});
        }
        for (size_t i = 0; i < visits.size(); ++i) {
            std::vector<Visit>& v = visits[i];
            std::stable_sort(v.begin(), v.end(), [](const Visit& a, const Visit& b) { return a.sequence < b.sequence; });
            const auto twice =
                std::adjacent_find(v.begin(), v.end(), [](const Visit& a, const Visit& b) { return a.sequence == b.sequence; });
            if (twice != v.end()) {
                problems_.push_back({t->file(), (twice + 1)->line,
                                     QStringLiteral("stop_sequence %1 is given twice in trip %2; trip skipped")
                                         .arg(twice->sequence)
                                         .arg(feed.trips[i].id)});
                broken[i] = true;
            }
            if (broken[i] || v.empty()) continue;
            feed.trips[i].firstStopHeadsign = v.front().headsign;
            for (const Visit& visit : v) feed.trips[i].stops.push_back(visit.stop);
        }
        return true;
    }

    bool fares(Feed& feed) {
        const auto t = table(u"fare_attributes.txt"_qs, {"fare_id", "price"},
                             {"fare_id", "price", "currency_type", "payment_method", "transfers", "agency_id",
                              "transfer_duration"});
        if (!t) return false;
        const int id = t->column("fare_id"), price = t->column("price");
        QHash<QString, int> fareIndex;
        for (const csv::Row& row : t->rows()) {
            const QString fareId = FeedTable::field(row, id);
            const std::optional<qint64> yen = wholeNumber(FeedTable::field(row, price));
            if (fareId.isEmpty()) {
                skip(*t, row, u"empty fare_id"_qs);
            } else if (fareIndex.contains(fareId)) {
                skip(*t, row, QStringLiteral("fare_id %1 is given twice").arg(fareId));
            } else if (!yen || *yen < 0) {
                skip(*t, row, QStringLiteral("price \"%1\" is no whole number of yen").arg(FeedTable::field(row, price)));
            } else {
                fareIndex.insert(fareId, int(feed.fares.size()));
                feed.fares.push_back({fareId, *yen});
            }
        }
        // A feed of one flat fare needs no rules.
        if (!source_.has(u"fare_rules.txt"_qs)) return true;
        const auto r = table(u"fare_rules.txt"_qs, {"fare_id"},
                             {"fare_id", "route_id", "origin_id", "destination_id", "contains_id"});
        if (!r) return false;
        const int fare = r->column("fare_id"), route = r->column("route_id"), origin = r->column("origin_id"),
                  destination = r->column("destination_id"), contains = r->column("contains_id");
        int containing = 0;
        for (const csv::Row& row : r->rows()) {
            const QString fareId = FeedTable::field(row, fare);
            if (!fareIndex.contains(fareId)) {
                skip(*r, row, QStringLiteral("fare_id %1 is not in fare_attributes.txt").arg(fareId));
            } else if (!FeedTable::field(row, contains).isEmpty()) {
                ++containing;
            } else {
                feed.fareRules.push_back({fareIndex.value(fareId), FeedTable::field(row, route),
                                          FeedTable::field(row, origin), FeedTable::field(row, destination)});
            }
        }
        if (containing > 0)
            problems_.push_back({r->file(), 0,
                                 QStringLiteral("%1 rule(s) with a contains_id, which GTFS-JP does not use, were skipped")
                                     .arg(containing)});
        return true;
    }

    // The older GTFS-JP layout names the text itself; the GTFS layout names
    // a field, by its value or by the record that holds it.
    void readings(Feed& feed) {
        if (!source_.has(u"translations.txt"_qs)) return;
        QString error;
        const std::optional<QByteArray> bytes = source_.read(u"translations.txt"_qs, error);
        if (!bytes) {
            problems_.push_back({{}, 0, error});
            return;
        }
        const std::optional<FeedTable> t = FeedTable::parse(u"translations.txt"_qs, *bytes, problems_);
        if (!t) return;
        const int oldText = t->column("trans_id"), oldLanguage = t->column("lang"),
                  translation = t->column("translation"), table = t->column("table_name"),
                  field = t->column("field_name"), language = t->column("language"), record = t->column("record_id"),
                  value = t->column("field_value");
        const bool older = oldText >= 0 && oldLanguage >= 0 && translation >= 0;
        if (!older && !t->require({"table_name", "field_name", "language", "translation"}, problems_)) return;
        for (const csv::Row& row : t->rows()) {
            if (FeedTable::field(row, older ? oldLanguage : language).compare(u"ja-Hrkt"_qs, Qt::CaseInsensitive) != 0)
                continue;
            QString text = older ? FeedTable::field(row, oldText) : FeedTable::field(row, value);
            if (!older && text.isEmpty() && FeedTable::field(row, table) == u"stops"_qs &&
                FeedTable::field(row, field) == u"stop_name"_qs) {
                const int stop = stopIndex_.value(FeedTable::field(row, record), -1);
                if (stop >= 0) text = feed.stops[size_t(stop)].name;
            }
            if (text.isEmpty()) {
                skip(*t, row, u"a reading of nothing: no text, or a record that is not in the feed"_qs);
                continue;
            }
            feed.readings.push_back({text, FeedTable::field(row, translation)});
        }
    }

private:
    const FeedSource& source_;
    FeedProblems& problems_;
    QHash<QString, int> routeIndex_, stopIndex_, tripIndex_;
};

}  // namespace

Loaded load(const FeedSource& source, Part part) {
    Loaded loaded;
    auto feed = std::make_unique<Feed>();
    Loader loader(source, loaded.problems);
    const bool read = loader.agencies(*feed) && loader.routes(*feed) && loader.stops(*feed) && loader.trips(*feed) &&
                      loader.stopTimes(*feed) && (part == Part::Timetable || loader.fares(*feed));
    if (!read) return loaded;
    loader.routeDetails();
    if (part == Part::TimetableFaresReadings) loader.readings(*feed);
    loaded.feed = std::move(feed);
    return loaded;
}

}  // namespace gtfs
