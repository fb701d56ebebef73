// What the feed reader does with one input of its fuzzer, shared by the fuzzer
// and the test that replays its seed corpus, so both run the same code:
//   - the bytes as a zip archive, every file of it loaded, patterns and fares
//     worked out;
//   - the bytes as the files of a small feed of a made-up town: split at form
//     feeds, each piece replaces one of its files (in the order of kFiles; an
//     empty piece leaves the file out, a missing one keeps the town's own),
//     read from a folder and from a zip archive of the same files;
//   - the bytes as one feed file, every field read as a number.
// Whatever is loaded is checked against what the reader promises; a broken
// promise is a fault, which the fuzzer stops on.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <zip.h>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "formats/gtfs/FareRules.h"
#include "formats/gtfs/Feed.h"
#include "formats/gtfs/FeedSource.h"
#include "formats/gtfs/FeedTable.h"
#include "formats/gtfs/Patterns.h"

namespace gtfs_feed_input {

// The files a text input replaces, piece by piece; the ones most worth
// changing first.
inline constexpr std::array<const char*, 8> kFiles{
    "stop_times.txt", "stops.txt", "trips.txt", "routes.txt",
    "fare_attributes.txt", "fare_rules.txt", "translations.txt", "agency.txt"};

inline constexpr char kSeparator = '\f';

// The town: route R1 out and back past four stops, R2 a loop past 市役所前
// twice, R3 without trips; fares by route and zone pair, by boarding zone
// alone and by route alone; readings of two stops, one named by its record,
// one by its text.
inline const std::array<const char*, 8> kTown{
    "trip_id,arrival_time,departure_time,stop_id,stop_sequence\n"
    "T1,7:00:00,7:00:00,S1,1\nT1,7:10:00,7:10:00,S3,5\nT1,7:05:00,7:05:00,S2,2\nT1,7:20:00,7:20:00,S4,10\n"
    "T2,9:00:00,9:00:00,S4,1\nT2,9:10:00,9:10:00,S3,2\nT2,9:20:00,9:20:00,S1,3\n"
    "L1,6:00:00,6:00:00,S1,1\nL1,6:05:00,6:05:00,S2,2\nL1,6:10:00,6:10:00,S3,3\nL1,6:15:00,6:15:00,S2,4\n",
    "stop_id,stop_name,stop_lat,stop_lon,zone_id\n"
    "S1,みなと駅前,35,139,Z1\nS2,市役所前,35,139,Z2\nS3,中央公園,35,139,Z3\nS4,港車庫,35,139,Z4\n",
    "route_id,service_id,trip_id,trip_headsign,direction_id\n"
    "R1,平日,T1,港車庫行き,0\nR1,平日,T2,,1\nR2,平日,L1,循環,0\n",
    "route_id,agency_id,route_short_name,route_long_name,route_type\n"
    "R1,A1,港12,駅前線,3\nR2,A1,,循環線,3\nR3,A1,99,運休線,3\n",
    "fare_id,price,currency_type,payment_method,transfers\nF180,180,JPY,0,0\nF220,220,JPY,0,0\n",
    "fare_id,route_id,origin_id,destination_id,contains_id\n"
    "F180,R1,Z1,Z2,\nF220,R1,Z1,Z3,\nF220,R1,Z1,Z4,\nF180,,Z4,,\nF180,R2,,,\n",
    "table_name,field_name,language,translation,record_id,field_value\n"
    "stops,stop_name,ja-Hrkt,みなとえきまえ,S1,\nstops,stop_name,ja-Hrkt,しやくしょまえ,,市役所前\n",
    "agency_id,agency_name,agency_url,agency_timezone\nA1,みなと交通,http://x,Asia/Tokyo\n"};

// Patterns of a feed and fares found between stops of them.
struct Counts {
    int patterns = 0, prices = 0;
};

struct Outcome {
    bool archiveOpened = false;  // the bytes opened as a zip archive
    bool archiveLoaded = false;  // and made a feed
    bool filesLoaded = false;    // the bytes as the town's files made a feed
    Counts archive, files;
    QStringList faults;  // broken promises of the reader; empty when none
};

// Every field of a feed, one line per record, to compare two readings of it.
inline QStringList timetableLines(const gtfs::Feed& feed) {
    QStringList lines;
    for (const gtfs::Route& r : feed.routes)
        lines << QStringList{u"route"_qs, r.id, r.agencyId, r.shortName, r.longName}.join(u'|');
    for (const gtfs::Stop& s : feed.stops) lines << QStringList{u"stop"_qs, s.id, s.name, s.zone}.join(u'|');
    for (const gtfs::Trip& t : feed.trips) {
        QStringList stops;
        for (int s : t.stops) stops << QString::number(s);
        lines << QStringList{u"trip"_qs, t.id, QString::number(t.route), t.headsign, t.direction, stops.join(u' '),
                             t.firstStopHeadsign}
                     .join(u'|');
    }
    return lines;
}

inline QStringList feedLines(const gtfs::Feed& feed) {
    QStringList lines = timetableLines(feed);
    QStringList agencies;
    for (auto a = feed.agencies.begin(); a != feed.agencies.end(); ++a) agencies << a.key() + u'=' + a.value();
    agencies.sort();
    lines << u"agencies|"_qs + agencies.join(u'|') << u"names|"_qs + feed.agencyNames.join(u'|');
    for (const gtfs::FareAttribute& f : feed.fares) lines << u"fare|"_qs + f.id + u'|' + QString::number(f.price);
    for (const gtfs::FareRule& r : feed.fareRules)
        lines << QStringList{u"rule"_qs, QString::number(r.fare), r.route, r.origin, r.destination}.join(u'|');
    for (const gtfs::Reading& r : feed.readings) lines << u"reading|"_qs + r.text + u'|' + r.kana;
    return lines;
}

inline QStringList problemLines(const FeedProblems& problems) {
    QStringList lines;
    for (const FeedProblem& p : problems)
        lines << QStringLiteral("%1:%2:%3%4").arg(p.file).arg(p.line).arg(p.warning ? u"warning: "_qs : QString(), p.text);
    return lines;
}

// Indices in range, every trip with stops in exactly one pattern of its route,
// patterns numbered from 1 within a route and routes in the feed's order, and
// fares that are prices of the feed, lowest first.
inline Counts checkFeed(const gtfs::Feed& feed, const QString& what, QStringList& faults) {
    Counts counts;
    auto fault = [&](const QString& text) { faults << what + u": "_qs + text; };
    const qsizetype faultsBefore = faults.size();
    const int routes = int(feed.routes.size()), stops = int(feed.stops.size()), trips = int(feed.trips.size());
    for (const gtfs::Trip& t : feed.trips) {
        if (t.route < 0 || t.route >= routes) fault(u"trip "_qs + t.id + u" has no route"_qs);
        for (int s : t.stops)
            if (s < 0 || s >= stops) fault(u"trip "_qs + t.id + u" calls at a stop the feed lacks"_qs);
    }
    QSet<qint64> prices;
    for (const gtfs::FareAttribute& f : feed.fares) {
        if (f.price < 0) fault(u"fare "_qs + f.id + u" below zero"_qs);
        prices.insert(f.price);
    }
    for (const gtfs::FareRule& r : feed.fareRules)
        if (r.fare < 0 || r.fare >= int(feed.fares.size())) fault(u"a fare rule names no fare"_qs);
    if (faults.size() > faultsBefore) return counts;  // what follows would index out of range

    const std::vector<gtfs::Pattern> all = gtfs::patterns(feed);
    counts.patterns = int(all.size());
    std::vector<int> inPatterns(size_t(trips), 0), lastNumber(size_t(routes), 0);
    int lastRoute = 0;
    for (const gtfs::Pattern& p : all) {
        if (p.route < lastRoute || p.route >= routes) {
            fault(u"patterns out of the routes' order"_qs);
            return counts;
        }
        lastRoute = p.route;
        if (p.number != ++lastNumber[size_t(p.route)]) fault(u"pattern numbers skip"_qs);
        if (!p.stops || p.stops->empty() || p.trips.empty()) {
            fault(u"a pattern without stops or trips"_qs);
            return counts;
        }
        for (int t : p.trips) {
            if (t < 0 || t >= trips) {
                fault(u"a pattern names a trip the feed lacks"_qs);
                return counts;
            }
            ++inPatterns[size_t(t)];
            const gtfs::Trip& trip = feed.trips[size_t(t)];
            if (trip.route != p.route || trip.stops != *p.stops)
                fault(u"trip "_qs + trip.id + u" is in a pattern of other stops or another route"_qs);
        }
        const gtfs::Trip& first = feed.trips[size_t(p.trips.front())];
        if (p.headsign != (first.headsign.isEmpty() ? first.firstStopHeadsign : first.headsign))
            fault(u"pattern headsign is not its first trip's"_qs);
        (void)gtfs::destination(feed, p);
    }
    for (int t = 0; t < trips; ++t)
        if (inPatterns[size_t(t)] != (feed.trips[size_t(t)].stops.empty() ? 0 : 1))
            fault(u"trip "_qs + feed.trips[size_t(t)].id + u" is not in exactly one pattern"_qs);

    // Pairs from the start of each pattern, a bounded number per input so a
    // long route stays quick.
    const gtfs::FareRules rules(feed);
    const bool flat = feed.fareRules.empty() && feed.fares.size() == 1;
    int budget = 512;
    for (const gtfs::Pattern& p : all) {
        const std::vector<int>& s = *p.stops;
        for (size_t i = 0; i < s.size() && budget > 0; ++i) {
            for (size_t j = i + 1; j < s.size() && budget > 0; ++j, --budget) {
                const gtfs::FareRules::Price price = rules.between(
                    feed.routes[size_t(p.route)].id, feed.stops[size_t(s[i])].zone, feed.stops[size_t(s[j])].zone);
                const std::vector<qint64>& c = price.candidates;
                if (std::adjacent_find(c.begin(), c.end(), std::greater_equal<qint64>()) != c.end())
                    fault(u"fare candidates not distinct and lowest first"_qs);
                if (std::any_of(c.begin(), c.end(), [&](qint64 v) { return !prices.contains(v); }))
                    fault(u"a fare that is no price of the feed"_qs);
                if (price.yen != (c.empty() ? std::nullopt : std::optional<qint64>(c.front())))
                    fault(u"the fare is not the lowest candidate"_qs);
                if (flat && price.yen != feed.fares.front().price) fault(u"a flat fare not charged"_qs);
                if (price.yen) ++counts.prices;
            }
        }
    }
    return counts;
}

// Line numbers within the file they name: a text of n line ends has n + 1 lines.
inline void checkLines(const FeedProblems& problems, const QHash<QString, QByteArray>& files, const QString& what,
                       Outcome& outcome) {
    for (const FeedProblem& p : problems) {
        if (p.line < 0 || (p.line > 0 && p.file.isEmpty())) {
            outcome.faults << what + u": a line number without a file: "_qs + p.text;
            continue;
        }
        if (p.line == 0 || !files.contains(p.file)) continue;
        const QByteArray text = files.value(p.file);
        const qsizetype ends = text.count('\r') + text.count('\n') - text.count("\r\n");
        if (p.line > ends + 1)
            outcome.faults << QStringLiteral("%1: %2 line %3 is past its end: %4").arg(what, p.file).arg(p.line).arg(p.text);
    }
}

class Runner {
public:
    // `work`: an existing folder the runner may fill; a temporary one on
    // /dev/shm keeps the fuzzer quick.
    explicit Runner(const QString& work) : work_(work) { QDir(work_).mkpath(u"folder"_qs); }

    Outcome run(QByteArrayView input) {
        Outcome outcome;
        readArchive(input, outcome);
        readFiles(input, outcome);
        readTable(input, outcome);
        return outcome;
    }

private:
    struct Reading {
        std::unique_ptr<FeedSource> source;
        QString error;
        gtfs::Loaded full, timetable;
        Counts counts;  // of the whole feed
    };

    // Loaded both ways: the timetable alone says what the whole load starts with.
    static Reading load(const QString& path, const QString& what, Outcome& outcome) {
        Reading r;
        r.source = FeedSource::open(path, r.error);
        if (!r.source) return r;
        r.full = gtfs::load(*r.source, gtfs::Part::TimetableFaresReadings);
        r.timetable = gtfs::load(*r.source, gtfs::Part::Timetable);
        const QStringList full = problemLines(r.full.problems), timetable = problemLines(r.timetable.problems);
        if (full.mid(0, timetable.size()) != timetable)
            outcome.faults << what + u": the timetable alone gave other problems than the whole feed"_qs;
        if (r.full.feed && (!r.timetable.feed || timetableLines(*r.full.feed) != timetableLines(*r.timetable.feed)))
            outcome.faults << what + u": the timetable alone is not the whole feed's timetable"_qs;
        if (r.full.feed) r.counts = checkFeed(*r.full.feed, what, outcome.faults);
        if (r.timetable.feed) (void)checkFeed(*r.timetable.feed, what + u" (timetable)"_qs, outcome.faults);
        return r;
    }

    bool write(const QString& path, QByteArrayView bytes) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes.data(), bytes.size()) == bytes.size();
    }

    void readArchive(QByteArrayView input, Outcome& outcome) {
        const QString path = QDir(work_).filePath(u"input.zip"_qs);
        if (!write(path, input)) {
            outcome.faults << u"cannot write "_qs + path;
            return;
        }
        const Reading r = load(path, u"archive"_qs, outcome);
        outcome.archiveOpened = bool(r.source);
        outcome.archiveLoaded = bool(r.full.feed);
        outcome.archive = r.counts;
        if (!r.source && r.error.isEmpty()) outcome.faults << u"archive: refused without saying why"_qs;
        if (r.source && !r.full.feed && r.full.problems.empty())
            outcome.faults << u"archive: no feed and no problem saying why"_qs;
    }

    // The same files in a folder and, under a folder of its own, in upper
    // case and beside an archiver's resource fork, in a zip archive: the two
    // must read alike.
    void readFiles(QByteArrayView input, Outcome& outcome) {
        std::vector<QByteArrayView> pieces;
        for (qsizetype start = 0;;) {
            const qsizetype end = input.indexOf(kSeparator, start);
            pieces.push_back(input.sliced(start, (end < 0 ? input.size() : end) - start));
            if (end < 0) break;
            start = end + 1;
        }
        QHash<QString, QByteArray> files;
        bool written = true;
        const QDir folder(QDir(work_).filePath(u"folder"_qs));
        for (size_t i = 0; i < kFiles.size(); ++i) {
            const QString name = QString::fromLatin1(kFiles[i]);
            if (i < pieces.size() && pieces[i].isEmpty()) {
                QFile::remove(folder.filePath(name));
                continue;
            }
            files.insert(name, i < pieces.size() ? pieces[i].toByteArray() : QByteArray(kTown[i]));
            written = write(folder.filePath(name), files[name]) && written;
        }
        const QString zipPath = QDir(work_).filePath(u"files.zip"_qs);
        if (!written || !writeZip(zipPath, files)) {
            outcome.faults << u"cannot write the files to "_qs + work_;
            return;
        }

        const Reading inFolder = load(folder.path(), u"folder"_qs, outcome);
        const Reading inZip = load(zipPath, u"zip of the folder"_qs, outcome);
        if (!inFolder.source || !inZip.source) {
            outcome.faults << u"the folder or its zip archive did not open: "_qs + inFolder.error + inZip.error;
            return;
        }
        outcome.filesLoaded = bool(inFolder.full.feed);
        outcome.files = inFolder.counts;
        if (problemLines(inFolder.full.problems) != problemLines(inZip.full.problems))
            outcome.faults << u"the folder and its zip archive gave other problems"_qs;
        if (bool(inFolder.full.feed) != bool(inZip.full.feed) ||
            (inFolder.full.feed && feedLines(*inFolder.full.feed) != feedLines(*inZip.full.feed)))
            outcome.faults << u"the folder and its zip archive gave other feeds"_qs;
        if (!inFolder.full.feed && inFolder.full.problems.empty())
            outcome.faults << u"folder: no feed and no problem saying why"_qs;
        checkLines(inFolder.full.problems, files, u"folder"_qs, outcome);
    }

    static bool writeZip(const QString& path, const QHash<QString, QByteArray>& files) {
        int code = 0;
        zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
        if (!archive) return false;
        static const QByteArray fork("\0\x05\x16\x07\0\x02\0\0Mac OS X", 16);
        std::vector<std::pair<QByteArray, const QByteArray*>> entries{{"__MACOSX/town/._STOPS.TXT", &fork}};
        for (auto f = files.begin(); f != files.end(); ++f) entries.emplace_back(("town/" + f.key().toUpper()).toUtf8(), &f.value());
        for (const auto& [name, bytes] : entries) {
            // The archive reads the buffers when it is closed; stored, for speed.
            zip_source_t* source = zip_source_buffer(archive, bytes->constData(), zip_uint64_t(bytes->size()), 0);
            const zip_int64_t index = source ? zip_file_add(archive, name.constData(), source, ZIP_FL_ENC_UTF_8) : -1;
            if (index < 0 || zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_STORE, 0) != 0) {
                if (source && index < 0) zip_source_free(source);
                zip_discard(archive);
                return false;
            }
        }
        if (zip_close(archive) == 0) return true;
        zip_discard(archive);
        return false;
    }

    // The whole input as one file: its header checked and every field read
    // as a whole number, as stop_sequence and price are.
    void readTable(QByteArrayView input, Outcome& outcome) {
        const QString name = u"stop_times.txt"_qs;
        FeedProblems problems;
        const std::optional<FeedTable> table = FeedTable::parse(name, input, problems);
        if (table) {
            (void)table->require({"trip_id", "stop_id", "stop_sequence"}, problems);
            table->checkHeader({"trip_id", "arrival_time", "departure_time", "stop_id", "stop_sequence",
                                "stop_headsign", "pickup_type", "drop_off_type", "shape_dist_traveled", "timepoint"},
                               problems);
            for (const csv::Row& row : table->rows()) {
                for (qsizetype c = 0; c <= row.fields.size(); ++c) {
                    const QString field = FeedTable::field(row, int(c));
                    if (field != (c < row.fields.size() ? row.fields[c].trimmed() : QString()))
                        outcome.faults << u"table: a field read other than it is written"_qs;
                    const std::optional<qint64> number = wholeNumber(field);
                    if (number && wholeNumber(QString::number(*number)) != number)
                        outcome.faults << u"table: a number that does not read back: "_qs + field;
                }
            }
        } else if (problems.empty()) {
            outcome.faults << u"table: refused without a problem"_qs;
        }
        checkLines(problems, {{name, input.toByteArray()}}, u"table"_qs, outcome);
    }

    QString work_;
};

}  // namespace gtfs_feed_input
