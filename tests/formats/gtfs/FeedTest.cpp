#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "formats/gtfs/FareRules.h"
#include "formats/gtfs/Feed.h"
#include "formats/gtfs/FeedSource.h"
#include "formats/gtfs/Patterns.h"
#include "tests/formats/gtfs/TestFeed.h"
#include "tests/support/QtPrinting.h"

namespace {

struct Opened {
    std::unique_ptr<FeedSource> source;
    QString error;
    gtfs::Loaded loaded;
};

Opened load(const QString& path, gtfs::Part part = gtfs::Part::TimetableFaresReadings) {
    Opened o;
    o.source = FeedSource::open(path, o.error);
    if (o.source) o.loaded = gtfs::load(*o.source, part);
    return o;
}

QStringList described(const FeedProblems& problems) {
    QStringList lines;
    for (const FeedProblem& p : problems)
        lines << QStringLiteral("%1:%2: %3%4").arg(p.file).arg(p.line).arg(p.warning ? "warning: " : "", p.text);
    return lines;
}

// route id, pattern number, trip ids, stop names
QStringList summary(const gtfs::Feed& feed) {
    QStringList lines;
    for (const gtfs::Pattern& p : gtfs::patterns(feed)) {
        QStringList trips, stops;
        for (int t : p.trips) trips << feed.trips[size_t(t)].id;
        for (int s : *p.stops) stops << feed.stops[size_t(s)].name;
        lines << QStringLiteral("%1/%2 %3 → %4: %5")
                     .arg(feed.routes[size_t(p.route)].id)
                     .arg(p.number)
                     .arg(trips.join(u','), gtfs::destination(feed, p), stops.join(u' '));
    }
    return lines;
}

const QStringList kPatterns{
    "R1/1 T1,T2 → 港車庫行き: みなと駅前 市役所前 中央公園 港車庫",
    "R1/2 T3 → みなと駅前: 港車庫 中央公園 みなと駅前",
    "R2/1 L1 → 市役所前: みなと駅前 市役所前 中央公園 市役所前",
};

TEST(GtfsFeed, FolderZipAndZipWithAFolderGiveTheSamePatterns) {
    QTemporaryDir dir;
    TestFeed feed;
    feed.writeFolder(dir.filePath("folder"));
    ASSERT_TRUE(feed.writeZip(dir.filePath("feed.zip")));
    ASSERT_TRUE(feed.writeZip(dir.filePath("nested.ZIP"), "gtfs"));
    for (const char* path : {"folder", "feed.zip", "nested.ZIP"}) {
        SCOPED_TRACE(path);
        const Opened o = load(dir.filePath(path));
        ASSERT_TRUE(o.loaded.feed) << o.error.toStdString() << described(o.loaded.problems).join('\n').toStdString();
        EXPECT_EQ(described(o.loaded.problems), QStringList());
        EXPECT_EQ(summary(*o.loaded.feed), kPatterns);
        EXPECT_EQ(o.loaded.feed->agencyNames, QStringList{"みなと交通"});
    }
}

// BOM, CR LF, blanks around fields, a quoted name with a comma, columns in
// another order and a misspelt column that nothing here reads.
TEST(GtfsFeed, ReadsFilesAsRealFeedsWriteThem) {
    QTemporaryDir dir;
    TestFeed feed;
    feed.files["stops.txt"] = "\xEF\xBB\xBFzone_id , stop_name,stop_id,stop_lat\r\n S1 ,\"みなと駅前,北口\", S1,35.5 \r\n"
                              "S2,市役所前,S2\r\nS3,中央公園,S3\r\nS4 , 港車庫 ,S4\r\n";
    feed.files["trips.txt"] = "route_id,service_id,trip_id,trip_headsign,wheelchair_accesible\nR1,平日,T1,,0\n";
    feed.files["routes_jp.txt"] = "route_id,route_update_date\nR1,20170401\nR1-1,20170401\n";
    feed.writeFolder(dir.path());
    const Opened o = load(dir.path());
    ASSERT_TRUE(o.loaded.feed);
    EXPECT_EQ(summary(*o.loaded.feed), QStringList{"R1/1 T1 → 港車庫: みなと駅前,北口 市役所前 中央公園 港車庫"});
    FeedProblems warnings;
    std::copy_if(o.loaded.problems.begin(), o.loaded.problems.end(), std::back_inserter(warnings),
                 [](const FeedProblem& p) { return p.warning; });
    EXPECT_EQ(described(warnings),
              (QStringList{"stops.txt:2: warning: \"35.5 \": blanks around a coordinate",
                           "trips.txt:1: warning: column wheelchair_accesible is no column of this file; "
                           "wheelchair_accessible misspelt?",
                           "routes_jp.txt:3: warning: route_id R1-1 is not in routes.txt"}));
}

TEST(GtfsFeed, BadFeedsAreNamedByFileAndLine) {
    const struct {
        const char* name;
        QString file, text;
        bool readable;
        QString problem;
    } cases[] = {
        {"missing file", "stops.txt", {}, false, ":0: stops.txt: missing from the feed"},
        {"empty file", "routes.txt", "", false, "routes.txt:0: empty: no header"},
        {"missing column", "stops.txt", "stop_id,name\nS1,a\n", false,
         "stops.txt:1: the header lacks the column stop_name (it has: stop_id,name)"},
        {"not UTF-8", "stop_times.txt", {}, false, "stop_times.txt:3: not UTF-8 text"},
        {"unclosed quotation", "stops.txt", "stop_id,stop_name\nS1,\"a\nS2,b\n", true,
         "stops.txt:2: field 2: the quotation mark that opens it is never closed; row skipped"},
        {"unknown stop", "stop_times.txt", "trip_id,stop_id,stop_sequence\nT1,S1,1\nT1,S9,2\n", true,
         "stop_times.txt:3: stop_id S9 is not in stops.txt; trip T1 skipped"},
        {"blank inside a number", "stop_times.txt", "trip_id,stop_id,stop_sequence\nT1,S1,1\nT1,S2,1 0\n", true,
         "stop_times.txt:3: stop_sequence \"1 0\" is no whole number; trip T1 skipped"},
        {"number too large", "stop_times.txt", "trip_id,stop_id,stop_sequence\nT1,S1,1\nT1,S2,1e80\n", true,
         "stop_times.txt:3: stop_sequence \"1e80\" is no whole number; trip T1 skipped"},
        {"sequence twice", "stop_times.txt", "trip_id,stop_id,stop_sequence\nT1,S1,1\nT1,S2,1\n", true,
         "stop_times.txt:3: stop_sequence 1 is given twice in trip T1; trip skipped"},
        {"unknown route", "trips.txt", "route_id,trip_id\nR1,T1\nR7,T2\n", true,
         "trips.txt:3: route_id R7 is not in routes.txt; row skipped"},
        {"unknown trip", "stop_times.txt", "trip_id,stop_id,stop_sequence\nT8,S1,1\n", true,
         "stop_times.txt:2: trip_id T8 is not in trips.txt; row skipped"},
        {"price", "fare_attributes.txt", "fare_id,price\nF180,1 80\n", true,
         "fare_attributes.txt:2: price \"1 80\" is no whole number of yen; row skipped"},
        {"unknown fare", "fare_rules.txt", "fare_id,route_id\nF9,R1\n", true,
         "fare_rules.txt:2: fare_id F9 is not in fare_attributes.txt; row skipped"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        TestFeed feed;
        if (c.file == "stops.txt" && c.text.isNull()) feed.files.remove(c.file);
        else if (c.text.isNull()) feed.raw[c.file] = "trip_id,stop_id,stop_sequence\nT1,S1,1\nT1,S2,\x82\xA0\n";
        else feed.files[c.file] = c.text;
        feed.writeFolder(dir.path());
        const Opened o = load(dir.path());
        EXPECT_EQ(o.loaded.feed != nullptr, c.readable);
        const QStringList problems = described(o.loaded.problems);
        EXPECT_TRUE(std::any_of(problems.begin(), problems.end(), [&](const QString& p) { return p.startsWith(c.problem); }))
            << problems.join('\n').toStdString();
    }
}

TEST(GtfsFeed, ArchivesThatAreNoneOrDamagedAreRefused) {
    QTemporaryDir dir;
    QFile text(dir.filePath("feed.zip"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly) && text.write("route_id\nR1\n") > 0);
    text.close();
    QString error;
    EXPECT_FALSE(FeedSource::open(dir.filePath("feed.zip"), error));
    EXPECT_EQ(error, dir.filePath("feed.zip") + ": not a zip archive and not a folder");
    EXPECT_FALSE(FeedSource::open(dir.filePath("none.zip"), error));
    EXPECT_EQ(error, dir.filePath("none.zip") + ": no such file or folder");

    // A byte of stops.txt's packed text changed: it no longer unpacks to
    // what its checksum says.
    ASSERT_TRUE(TestFeed().writeZip(dir.filePath("damaged.zip")));
    QFile zip(dir.filePath("damaged.zip"));
    ASSERT_TRUE(zip.open(QIODevice::ReadWrite));
    QByteArray bytes = zip.readAll();
    const qsizetype at = bytes.indexOf("stops.txt") + 9 + 8;  // past the name in the first local header
    bytes[at] = char(bytes[at] ^ 0x55);
    zip.seek(0);
    zip.write(bytes);
    zip.close();
    const std::unique_ptr<FeedSource> source = FeedSource::open(dir.filePath("damaged.zip"), error);
    ASSERT_TRUE(source);
    EXPECT_FALSE(source->read("stops.txt", error));
    EXPECT_TRUE(error.startsWith("stops.txt: damaged in the archive")) << error.toStdString();
    EXPECT_TRUE(source->read("routes.txt", error));
}

TEST(GtfsFeed, ReadingsInBothLayouts) {
    QTemporaryDir dir;
    TestFeed feed;
    feed.files["translations.txt"] = "trans_id,lang,translation\nみなと駅前,ja-Hrkt,みなとえきまえ\n"
                                     "みなと駅前,en,Minato Sta.\n中央,JA-HRKT,チュウオウ\n";
    feed.writeFolder(dir.filePath("old"));
    feed.files["translations.txt"] = "table_name,field_name,language,translation,record_id,field_value\n"
                                     "stops,stop_name,ja-Hrkt,しやくしょまえ,S2,\n"
                                     "stops,stop_name,ja-Hrkt,こうしゃこ,,港車庫\n"
                                     "stops,stop_name,ja-Hrkt,なし,S9,\n";
    feed.writeFolder(dir.filePath("new"));
    const auto readings = [](const gtfs::Feed& f) {
        QStringList list;
        for (const gtfs::Reading& r : f.readings) list << r.text + "=" + r.kana;
        return list;
    };
    const Opened old = load(dir.filePath("old")), current = load(dir.filePath("new"));
    ASSERT_TRUE(old.loaded.feed && current.loaded.feed);
    EXPECT_EQ(readings(*old.loaded.feed), (QStringList{"みなと駅前=みなとえきまえ", "中央=チュウオウ"}));
    EXPECT_EQ(readings(*current.loaded.feed), (QStringList{"市役所前=しやくしょまえ", "港車庫=こうしゃこ"}));
    EXPECT_TRUE(described(current.loaded.problems).contains("translations.txt:4: a reading of nothing: no text, or "
                                                            "a record that is not in the feed; row skipped"));
}

// The most specific rule that applies wins; rules naming a zone never apply
// to a stop in none.
TEST(GtfsFareRules, MostSpecificRuleFirstThenWiderOnes) {
    gtfs::Feed feed;
    for (qint64 yen : {100, 200, 300, 400, 500, 600, 700}) feed.fares.push_back({QString::number(yen), yen});
    feed.fareRules = {{0, "", "", ""},   {1, "R", "", ""},  {2, "", "A", ""}, {3, "R", "", "B"},
                      {4, "", "A", "B"}, {5, "R", "A", "B"}, {6, "R", "A", "B"}, {0, "R", "C", "C"}, {2, "R", "C", "C"}};
    const gtfs::FareRules rules(feed);
    const struct {
        QString route, origin, destination;
        std::optional<qint64> yen;
        std::vector<qint64> candidates;
    } cases[] = {
        {"R", "A", "B", 600, {600, 700}},  // two prices for one key: the lower
        {"Q", "A", "B", 500, {500}},       // origin and destination without the route
        {"R", "X", "B", 400, {400}},       // route and one end
        {"Q", "A", "Y", 300, {300}},       // one end
        {"R", "X", "Y", 200, {200}},       // the route alone
        {"Q", "X", "Y", 100, {100}},       // the empty rule
        {"R", "", "", 200, {200}},         // stops in no zone
        {"R", "C", "C", 100, {100, 300}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.route + " " + c.origin + "→" + c.destination).toStdString());
        const gtfs::FareRules::Price price = rules.between(c.route, c.origin, c.destination);
        EXPECT_EQ(price.yen, c.yen);
        EXPECT_EQ(price.candidates, c.candidates);
    }

    gtfs::Feed flat;
    flat.fares = {{"F", 210}};
    EXPECT_EQ(gtfs::FareRules(flat).between("R", "A", "B").yen, 210) << "one fare and no rules: that fare";
    flat.fares.push_back({"G", 250});
    EXPECT_FALSE(gtfs::FareRules(flat).between("R", "A", "B").yen) << "two fares and no rules: none";
    flat.fareRules = {{1, "R", "A", "B"}};
    EXPECT_FALSE(gtfs::FareRules(flat).between("R", "B", "A").yen) << "rules go one way";
}

}  // namespace
