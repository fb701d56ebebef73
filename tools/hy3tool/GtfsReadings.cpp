#include "hy3tool/GtfsReadings.h"

#include <QSet>
#include <QStringDecoder>

#include <vector>

#include "formats/ReadingsFile.h"

namespace gtfs_readings {

std::optional<QByteArray> merge(const gtfs::Feed& feed, const QStringList& names, const QByteArray& existing,
                                FeedProblems& problems) {
    const QString file = readings_file::kFileName;
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    (void)utf8.decode(existing);
    if (utf8.hasError()) {
        problems.push_back({file, 0, QStringLiteral("not UTF-8; left as it is, and nothing written")});
        return std::nullopt;
    }
    QHash<QString, QString> known;
    for (const readings_file::Reading& r : readings_file::parse(existing).readings) known.insert(r.name, r.kana);

    std::vector<readings_file::Reading> added;
    QSet<QString> taken;
    for (const gtfs::Reading& r : feed.readings) {
        if (taken.contains(r.text) ||
            std::none_of(names.begin(), names.end(), [&](const QString& name) { return name.contains(r.text); }))
            continue;
        taken.insert(r.text);
        if (!readings_file::isReading(r.kana)) {
            problems.push_back({u"translations.txt"_qs, 0,
                                QStringLiteral("the reading \"%1\" of %2 is not kana; left out").arg(r.kana, r.text),
                                true});
        } else if (!known.contains(r.text)) {
            added.push_back({r.text, r.kana});
        } else if (known.value(r.text) != r.kana) {
            problems.push_back({file, 0, QStringLiteral("%1 keeps the reading %2 it has; the feed says %3")
                                             .arg(r.text, known.value(r.text), r.kana),
                                true});
        }
    }
    if (added.empty()) return existing;
    if (existing.isEmpty()) return readings_file::write(added);
    // The rows of a file of the new readings, without its header.
    QByteArray rows = readings_file::write(added);
    rows.remove(0, rows.indexOf('\n') + 1);
    return existing + (existing.endsWith('\n') ? QByteArray() : QByteArray("\n")) + rows;
}

}  // namespace gtfs_readings
