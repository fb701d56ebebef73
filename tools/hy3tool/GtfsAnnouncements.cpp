#include "hy3tool/GtfsAnnouncements.h"

namespace gtfs_announcements {

std::vector<broadcast_file::TapeRow> forStops(const QStringList& names, const QString& destination) {
    QString goingTo = destination;
    // Headsigns often say 行き themselves.
    for (const QString& suffix : {QStringLiteral("行き"), QStringLiteral("行")})
        if (goingTo.endsWith(suffix) && goingTo.size() > suffix.size()) {
            goingTo.chop(suffix.size());
            break;
        }
    std::vector<broadcast_file::TapeRow> rows;
    rows.push_back({QStringLiteral("ご乗車ありがとうございます。このバスは、%1行きです。").arg(goingTo), 0, 1});
    for (qsizetype s = 1; s < names.size(); ++s)
        rows.push_back({(s + 1 == names.size() ? QStringLiteral("次は、終点、%1です。") : QStringLiteral("次は、%1です。"))
                            .arg(names[s]),
                        1, 1});
    rows.push_back({QStringLiteral("ご乗車ありがとうございました。お忘れ物のないよう、ご注意ください。"), 0, 0});
    return rows;
}

}  // namespace gtfs_announcements
