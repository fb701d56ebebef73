#include "hy3tool/GtfsImport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include "formats/BroadcastFile.h"
#include "formats/Csv.h"
#include "formats/FareFileWriter.h"
#include "formats/ReadingsFile.h"
#include "formats/gtfs/FareRules.h"
#include "formats/gtfs/Patterns.h"
#include "hy3tool/Commands.h"
#include "hy3tool/Console.h"
#include "hy3tool/Cp932Text.h"
#include "hy3tool/GtfsAnnouncements.h"
#include "hy3tool/GtfsFeedReport.h"
#include "hy3tool/GtfsReadings.h"
#include "hy3tool/OutputFiles.h"

namespace gtfs_import {
namespace {

constexpr int kMaxNumber = 99999;

QString label(const gtfs::Feed& feed, const gtfs::Pattern& pattern) {
    return QStringLiteral("route %1 pattern %2").arg(feed.routes[size_t(pattern.route)].id).arg(pattern.number);
}

// A name as the fare and broadcast files can hold it: on one line, without
// the quotation mark the broadcast format cannot carry, and in code page 932,
// a character it has no form for standing as 〓. Each change is reported.
QString writableName(const QString& name, const QString& where, FeedProblems& problems) {
    QString written = name;
    written.replace(QRegularExpression(QStringLiteral("[\\r\\n]+")), QStringLiteral(" "));
    written.replace(u'"', u'”');
    const std::vector<cp932_text::Unwritable> unwritable = cp932_text::unwritable(written);
    for (const cp932_text::Unwritable& u : unwritable) {
        const QString instead = u.writtenAs.isEmpty() ? QStringLiteral("〓") : u.writtenAs;
        written.replace(u.character, instead);
        problems.push_back({where, 0, QStringLiteral("%1 in the name %2 has no code page 932 form; written as %3")
                                          .arg(cp932_text::describe(u.character), name, instead)});
    }
    if (written != name && unwritable.empty())
        problems.push_back({where, 0, QStringLiteral("the name %1 is written as %2").arg(name, written), true});
    return written;
}

struct Made {
    QStringList names;  // the stops' and the destination, as written
    bool refused = false;
};

// Adds N.hy3 and Ntp.csv of one pattern to `out`.
Made makeRoute(const gtfs::Feed& feed, const gtfs::FareRules& rules, const gtfs::Pattern& pattern, int number,
               std::optional<gtfs_fare_table::Tickets> tickets, OutputFiles& out, FeedProblems& problems) {
    const QString where = label(feed, pattern);
    QStringList stops;
    for (int stop : *pattern.stops) stops << writableName(feed.stops[size_t(stop)].name, where, problems);
    const QString destination = writableName(gtfs::destination(feed, pattern), where, problems);

    gtfs_fare_table::Built table = gtfs_fare_table::build(feed, pattern, rules, stops, tickets, where);
    problems.insert(problems.end(), table.problems.begin(), table.problems.end());
    if (!table.refused) {
        // Names are writable by now, and their number is within the count's reach.
        out.add(QStringLiteral("%1.hy3").arg(number), *fare_file::write(table.stops));
        out.add(QStringLiteral("%1tp.csv").arg(number),
                *broadcast_file::write(gtfs_announcements::forStops(stops, destination)));
    }
    return {stops << destination, table.refused};
}

const gtfs::Pattern* choosePattern(const gtfs::Feed& feed, const std::vector<gtfs::Pattern>& all,
                                   const Request& request) {
    std::vector<const gtfs::Pattern*> ofRoute;
    for (const gtfs::Pattern& p : all)
        if (feed.routes[size_t(p.route)].id == request.route) ofRoute.push_back(&p);
    const bool known = std::any_of(feed.routes.begin(), feed.routes.end(),
                                   [&](const gtfs::Route& r) { return r.id == request.route; });
    if (!known) {
        printMessage(QStringLiteral("route %1 is not in routes.txt (hy3tool gtfs list shows the routes)").arg(request.route));
        return nullptr;
    }
    if (ofRoute.empty()) {
        printMessage(QStringLiteral("route %1 has no trips with stops; nothing to import").arg(request.route));
        return nullptr;
    }
    if (!request.trip.isEmpty()) {
        for (const gtfs::Pattern* p : ofRoute)
            for (int t : p->trips)
                if (feed.trips[size_t(t)].id == request.trip) return p;
        printMessage(QStringLiteral("trip %1 is no trip of route %2").arg(request.trip, request.route));
        return nullptr;
    }
    if (request.pattern > 0) {
        if (request.pattern <= int(ofRoute.size())) return ofRoute[size_t(request.pattern - 1)];
        printMessage(QStringLiteral("route %1 has %2 pattern(s), no pattern %3")
                         .arg(request.route)
                         .arg(ofRoute.size())
                         .arg(request.pattern));
        return nullptr;
    }
    if (ofRoute.size() == 1) return ofRoute.front();
    printMessage(QStringLiteral("route %1 has %2 patterns: choose one with --pattern K or --trip TRIP_ID "
                                "(hy3tool gtfs list shows them)")
                     .arg(request.route)
                     .arg(ofRoute.size()));
    return nullptr;
}

// Each pattern's number: its route's short name's where that is free, the
// smallest free numbers for the rest.
std::vector<int> numberAll(const gtfs::Feed& feed, const std::vector<gtfs::Pattern>& all) {
    std::vector<int> numbers(all.size(), 0);
    QSet<int> used;
    for (size_t i = 0; i < all.size(); ++i) {
        const std::optional<int> own = numberOf(feed.routes[size_t(all[i].route)].shortName);
        if (own && !used.contains(*own)) {
            numbers[i] = *own;
            used.insert(*own);
        }
    }
    int next = 1;
    for (int& number : numbers) {
        if (number != 0) continue;
        while (used.contains(next)) ++next;
        number = next;
        used.insert(next);
    }
    return numbers;
}

QString routesTable(const gtfs::Feed& feed, const std::vector<gtfs::Pattern>& all, const std::vector<int>& numbers,
                    const std::vector<bool>& written) {
    QString table = QStringLiteral("number,route_id,route_short_name,route_long_name,pattern,trips,headsign,"
                                   "first_stop,last_stop\n");
    for (size_t i = 0; i < all.size(); ++i) {
        if (!written[i]) continue;
        const gtfs::Pattern& p = all[i];
        const gtfs::Route& route = feed.routes[size_t(p.route)];
        const QStringList fields{QString::number(numbers[i]), route.id, route.shortName, route.longName,
                                 QString::number(p.number), QString::number(p.trips.size()),
                                 gtfs::destination(feed, p), feed.stops[size_t(p.stops->front())].name,
                                 feed.stops[size_t(p.stops->back())].name};
        QStringList quoted;
        for (const QString& f : fields) quoted << csv::field(f);
        table += quoted.join(u',') + u'\n';
    }
    return table;
}

}  // namespace

std::optional<int> numberOf(const QString& shortName) {
    static const QRegularExpression Digits(QStringLiteral("\\d+"));
    const QString normal = shortName.normalized(QString::NormalizationForm_KC);
    auto runs = Digits.globalMatch(normal);
    if (!runs.hasNext()) return std::nullopt;
    const QString digits = runs.next().captured();
    if (runs.hasNext()) return std::nullopt;
    bool ok = false;
    const int value = digits.toInt(&ok);
    return ok && value >= 1 && value <= kMaxNumber ? std::optional<int>(value) : std::nullopt;
}

int run(const Request& request) {
    bool problemsFound = false;
    const std::unique_ptr<gtfs::Feed> feed =
        gtfs_feed_report::open(request.feed, gtfs::Part::TimetableFaresReadings, problemsFound);
    if (!feed) return hy3tool::UsageOrFileError;
    const std::vector<gtfs::Pattern> all = gtfs::patterns(*feed);
    const gtfs::FareRules rules(*feed);
    if (feed->fareRules.empty() && feed->fares.size() > 1)
        printMessage(QStringLiteral("fare_attributes.txt: %1 fares and no fare rules: no fare can be chosen")
                         .arg(feed->fares.size()));

    std::vector<const gtfs::Pattern*> chosen;
    std::vector<int> numbers;
    if (request.all) {
        for (const gtfs::Pattern& p : all) chosen.push_back(&p);
        numbers = numberAll(*feed, all);
    } else {
        const gtfs::Pattern* pattern = choosePattern(*feed, all, request);
        if (!pattern) return hy3tool::UsageOrFileError;
        const std::optional<int> number =
            request.number ? request.number : numberOf(feed->routes[size_t(pattern->route)].shortName);
        if (!number) {
            printMessage(QStringLiteral("route %1: its short name \"%2\" gives no route number; "
                                        "give one with --number N (1 to %3)")
                             .arg(request.route, feed->routes[size_t(pattern->route)].shortName)
                             .arg(kMaxNumber));
            return hy3tool::UsageOrFileError;
        }
        chosen.push_back(pattern);
        numbers.push_back(*number);
    }

    OutputFiles out(request.out);
    FeedProblems problems;
    QStringList names;
    std::vector<bool> written(chosen.size());
    for (size_t i = 0; i < chosen.size(); ++i) {
        const Made made = makeRoute(*feed, rules, *chosen[i], numbers[i], request.tickets, out, problems);
        written[i] = !made.refused;
        names << made.names;
    }
    if (request.all) out.add(QStringLiteral("routes.csv"), routesTable(*feed, all, numbers, written).toUtf8());

    QFile readingsFile(QDir(request.out).filePath(readings_file::kFileName));
    const QByteArray existing = readingsFile.open(QIODevice::ReadOnly) ? readingsFile.readAll() : QByteArray();
    const std::optional<QByteArray> readings = gtfs_readings::merge(*feed, names, existing, problems);
    gtfs_feed_report::print(problems, problemsFound);
    if (!readings) return hy3tool::UsageOrFileError;
    if (*readings != existing) out.add(readings_file::kFileName, *readings);

    if (std::none_of(written.begin(), written.end(), [](bool w) { return w; })) {
        printMessage(QStringLiteral("%1: nothing written").arg(request.out));
        return hy3tool::UsageOrFileError;
    }
    if (const std::optional<QString> error = out.commit()) {
        printMessage(*error + QStringLiteral("; nothing written"));
        return hy3tool::UsageOrFileError;
    }
    for (size_t i = 0; i < chosen.size(); ++i)
        if (written[i])
            printMessage(QStringLiteral("%1: %2 stops, written as route %3")
                             .arg(label(*feed, *chosen[i]))
                             .arg(chosen[i]->stops->size())
                             .arg(numbers[i]));
    return problemsFound ? hy3tool::DataProblems : hy3tool::Done;
}

}  // namespace gtfs_import
