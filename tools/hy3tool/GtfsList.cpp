#include "hy3tool/GtfsList.h"

#include <QStringList>

#include "formats/gtfs/Patterns.h"

namespace gtfs_list {
namespace {

QString cell(QString text) {
    text.replace(u'\t', u' ').replace(u'\r', u' ').replace(u'\n', u' ');
    return text;
}

}  // namespace

QString render(const gtfs::Feed& feed, bool tabSeparated) {
    const std::vector<gtfs::Pattern> patterns = gtfs::patterns(feed);
    QString out;
    if (tabSeparated)
        out += QStringLiteral("agency\troute_id\troute_short_name\troute_long_name\tpattern\ttrips\tdirection\t"
                              "headsign\tstops\tfirst_stop\tlast_stop\n");
    else
        out += QStringLiteral("agency: %1\n").arg(feed.agencyNames.join(QStringLiteral(", ")));
    auto next = patterns.begin();
    for (size_t r = 0; r < feed.routes.size(); ++r) {
        const gtfs::Route& route = feed.routes[r];
        if (!tabSeparated)
            out += QStringLiteral("route %1  %2  %3\n")
                       .arg(route.id, route.shortName.isEmpty() ? QStringLiteral("-") : route.shortName,
                            route.longName.isEmpty() ? QStringLiteral("-") : route.longName);
        const auto first = next;
        for (; next != patterns.end() && next->route == int(r); ++next) {
            const gtfs::Pattern& p = *next;
            const QString firstStop = feed.stops[size_t(p.stops->front())].name,
                          lastStop = feed.stops[size_t(p.stops->back())].name;
            if (tabSeparated) {
                const QStringList cells{feed.agencies.value(route.agencyId, feed.agencyNames.value(0)),
                                        route.id, route.shortName, route.longName, QString::number(p.number),
                                        QString::number(p.trips.size()), p.direction, p.headsign,
                                        QString::number(p.stops->size()), firstStop, lastStop};
                QStringList cleaned;
                for (const QString& c : cells) cleaned << cell(c);
                out += cleaned.join(u'\t') + u'\n';
            } else {
                out += QStringLiteral("  pattern %1: %2 trip(s), direction %3, to %4, %5 stops: %6 → %7\n")
                           .arg(p.number)
                           .arg(p.trips.size())
                           .arg(p.direction.isEmpty() ? QStringLiteral("-") : p.direction,
                                gtfs::destination(feed, p))
                           .arg(p.stops->size())
                           .arg(firstStop, lastStop);
            }
        }
        if (first == next && !tabSeparated) out += QStringLiteral("  no trips\n");
    }
    return out;
}

}  // namespace gtfs_list
