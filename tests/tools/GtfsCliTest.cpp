#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "formats/BroadcastFile.h"
#include "formats/FareFile.h"
#include "tests/formats/gtfs/TestFeed.h"
#include "tests/support/QtPrinting.h"

namespace {

struct ToolRun {
    int exit = -1;
    QString said, out;
};

ToolRun hy3tool(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(HY3TOOL), QStringList{"gtfs"} + args);
    ToolRun run;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit) return run;
    run.exit = process.exitCode();
    run.said = QString::fromUtf8(process.readAllStandardError());
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    return run;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// "name ticket: fares of columns 1.. up to the last that is not 0", a stop a line.
QStringList fareTable(const QString& path) {
    const QByteArray bytes = contents(path);
    const auto count = fare_file::readCount(bytes);
    QStringList lines;
    if (!count) return lines;
    for (const StopRecord& stop : fare_file::readRecords(bytes, *count).stops) {
        QStringList fares;
        int last = 0;
        for (int k = 1; k <= StopRecord::kFareCount; ++k)
            if (stop.Fare(k) != 0) last = k;
        for (int k = 1; k <= last; ++k) fares << QString::number(stop.Fare(k));
        lines << QStringLiteral("%1 %2: %3").arg(stop.Chimei).arg(stop.SeiriNum).arg(fares.join(u' '));
    }
    return lines;
}

QStringList broadcast(const QString& path) {
    QStringList lines;
    if (const auto parsed = broadcast_file::parse(contents(path)))
        for (const broadcast_file::TapeRow& row : parsed->rows)
            lines << QStringLiteral("%1,%2,%3").arg(row.Text).arg(row.StepFlag).arg(row.ChimeFlag);
    return lines;
}

class GtfsCli : public ::testing::Test {
protected:
    QString feedPath() {
        feed.writeFolder(dir.filePath("feed"));
        return dir.filePath("feed");
    }
    // The folder the import writes to, or a file in it.
    QString out(const QString& name = {}) { return dir.filePath(name.isEmpty() ? "out" : "out/" + name); }

    QTemporaryDir dir;
    TestFeed feed;
};

TEST_F(GtfsCli, ARouteBecomesFareBroadcastAndReadingFiles) {
    feed.files["translations.txt"] = "trans_id,lang,translation\n市役所,ja-Hrkt,しやくしょ\n港車庫,ja-Hrkt,ミナトシャコ\n"
                                     "無関係,ja-Hrkt,むかんけい\n中央公園,ja-Hrkt,Chuo Park\n";
    QDir().mkpath(out());
    QFile mine(out("readings.csv"));
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
    mine.write("表記,よみ\n港車庫,こうしゃこ\n御前水,ごぜんすい");  // the user's own, no line end
    mine.close();

    const ToolRun run = hy3tool({"import", feedPath(), "--route", "R1", "--pattern", "1", "--out", out()});
    EXPECT_EQ(run.exit, 0) << run.said.toStdString();
    EXPECT_TRUE(run.said.contains("route R1 pattern 1: 4 stops, written as route 12")) << run.said.toStdString();
    EXPECT_TRUE(run.said.contains("warning: the reading \"Chuo Park\" of 中央公園 is not kana; left out"));
    EXPECT_TRUE(run.said.contains("warning: 港車庫 keeps the reading こうしゃこ it has; the feed says ミナトシャコ"));
    EXPECT_EQ(fareTable(out("12.hy3")), (QStringList{"みなと駅前 1: ", "市役所前 2: 180", "中央公園 3: 220 180",
                                                     "港車庫 4: 260 220 180"}));
    EXPECT_EQ(broadcast(out("12tp.csv")),
              (QStringList{"ご乗車ありがとうございます。このバスは、港車庫行きです。,0,1", "次は、市役所前です。,1,1",
                           "次は、中央公園です。,1,1", "次は、終点、港車庫です。,1,1",
                           "ご乗車ありがとうございました。お忘れ物のないよう、ご注意ください。,0,0"}));
    EXPECT_EQ(contents(out("readings.csv")), "表記,よみ\n港車庫,こうしゃこ\n御前水,ごぜんすい\n市役所,しやくしょ\n");

    // The other pattern by one of its trips, under a number of its own.
    const ToolRun back = hy3tool({"import", feedPath(), "--route", "R1", "--trip", "T3", "--number", "120", "--out", out()});
    EXPECT_EQ(back.exit, 1) << "its fares go the other way";
    EXPECT_EQ(fareTable(out("120.hy3")), (QStringList{"港車庫 1: ", "中央公園 2: -1", "みなと駅前 3: -1 -1"}));
    EXPECT_EQ(broadcast(out("120tp.csv")).value(0), "ご乗車ありがとうございます。このバスは、みなと駅前行きです。,0,1");
}

TEST_F(GtfsCli, TicketsSharedWhereEveryLaterFareIsTheSame) {
    // From 市役所前 every later stop costs what it costs from みなと駅前.
    feed.files["fare_rules.txt"] = "fare_id,route_id,origin_id,destination_id\nF180,R1,S1,S2\nF220,R1,S1,S3\n"
                                   "F260,R1,S1,S4\nF220,R1,S2,S3\nF260,R1,S2,S4\nF180,R1,S3,S4\n";
    const ToolRun run = hy3tool({"import", feedPath(), "--route", "R1", "--pattern", "1", "--tickets", "fare", "--out", out()});
    EXPECT_EQ(run.exit, 0) << run.said.toStdString();
    EXPECT_EQ(fareTable(out("12.hy3")), (QStringList{"みなと駅前 1: ", "市役所前 1: 180", "中央公園 2: 220",
                                                     "港車庫 2: 260 180"}));
}

TEST_F(GtfsCli, FareProblemsAreNamedAndTheRestIsWritten) {
    // The loop R2 calls at 市役所前 twice: that zone pair has two prices.
    feed.files["routes.txt"] += "R4,A1,４,长距离,3\n";
    feed.files["stops.txt"] += "S5,𠮷野家前,35,139,S5\n";
    feed.files["trips.txt"] += "R4,平日,T4,,0\n";
    feed.files["stop_times.txt"] += "T4,6:00:00,6:00:00,S1,1\nT4,7:00:00,7:00:00,S5,2\n";
    feed.files["fare_attributes.txt"] += "F1200,1200,JPY,0,0\n";
    feed.files["fare_rules.txt"] += "F180,R2,S1,S2,\nF260,R2,S1,S2,\nF1200,R4,S1,S5,\n";
    const QString loop = dir.filePath("loop"), far = dir.filePath("far");
    const ToolRun run = hy3tool({"import", feedPath(), "--route", "R2", "--number", "2", "--out", loop});
    EXPECT_EQ(run.exit, 1);
    for (const char* problem :
         {"route R2 pattern 1: the fare from みなと駅前 (stop 1) to 市役所前 (stop 2) is ambiguous: 180 or 260 yen; "
          "the lowest is written",
          "route R2 pattern 1: the fare from みなと駅前 (stop 1) to 市役所前 (stop 4) is ambiguous",
          "route R2 pattern 1: no fare from 市役所前 (stop 2) to 中央公園 (stop 3); written as -1"})
        EXPECT_TRUE(run.said.contains(problem)) << problem << "\n" << run.said.toStdString();
    EXPECT_EQ(fareTable(loop + "/2.hy3").value(3), "市役所前 4: 180 -1 -1");

    const ToolRun longer = hy3tool({"import", feedPath(), "--route", "R4", "--out", far});
    EXPECT_EQ(longer.exit, 1);
    EXPECT_TRUE(longer.said.contains("route R4 pattern 1: '𠮷' (U+20BB7) in the name 𠮷野家前 has no code page 932 "
                                     "form; written as 〓"))
        << longer.said.toStdString();
    EXPECT_TRUE(longer.said.contains("the fare from みなと駅前 (stop 1) to 〓野家前 (stop 2) is 1200 yen; the board "
                                     "shows three digits"));
    EXPECT_EQ(fareTable(far + "/4.hy3"), (QStringList{"みなと駅前 1: ", "〓野家前 2: 1200"}))
        << "a full-width short name gives its number";
    EXPECT_EQ(broadcast(far + "/4tp.csv").value(1), "次は、終点、〓野家前です。,1,1");
}

TEST_F(GtfsCli, LongPatterns) {
    // 302 stops, each its own zone. From the first 75 of R2's every stop
    // costs 300, from the others 200.
    QString stops = "stop_id,stop_name,zone_id\n", times = "trip_id,stop_id,stop_sequence\n",
            rules = "fare_id,route_id,origin_id,destination_id\nF200,R1,,\nF200,R2,,\n";
    for (int s = 1; s <= 302; ++s) {
        stops += QStringLiteral("P%1,停留所%1,P%1\n").arg(s);
        times += QStringLiteral("LONG,P%1,%1\n").arg(s);
        if (s <= 151) times += QStringLiteral("SHORT,P%1,%1\n").arg(s);
        if (s <= 75) rules += QStringLiteral("F300,R2,P%1,\n").arg(s);
    }
    feed.files["stops.txt"] = stops;
    feed.files["stop_times.txt"] = times;
    feed.files["trips.txt"] = "route_id,trip_id\nR1,LONG\nR2,SHORT\n";
    feed.files["fare_attributes.txt"] = "fare_id,price\nF200,200\nF300,300\n";
    feed.files["fare_rules.txt"] = rules;
    const QString path = feedPath();
    const struct {
        QStringList args;
        int exit;
        QString said;
    } runs[] = {
        {{"--route", "R1"}, 2, "route R1 pattern 1: 302 stops; a fare file holds at most 301; nothing written"},
        {{"--route", "R2", "--number", "2", "--tickets", "stop"}, 2,
         "route R2 pattern 1: 151 ticket numbers; the board has at most 150 (--tickets fare shares them); nothing written"},
        {{"--route", "R2", "--number", "2"}, 0, "route R2 pattern 1: 151 stops, written as route 2"},
    };
    for (const auto& r : runs) {
        SCOPED_TRACE(r.args.join(' ').toStdString());
        const ToolRun run = hy3tool(QStringList{"import", path, "--out", out()} + r.args);
        EXPECT_EQ(run.exit, r.exit);
        EXPECT_TRUE(run.said.contains(r.said)) << run.said.toStdString();
    }
    // By fare, beyond 150 stops: the first 75 share ticket 1, the rest ticket 2.
    const QStringList table = fareTable(out("2.hy3"));
    ASSERT_EQ(table.size(), 151);
    EXPECT_EQ(table[74], "停留所75 1: 300");
    EXPECT_EQ(table[75], "停留所76 2: 300");
    EXPECT_EQ(table[76], "停留所77 2: 300 200");
    EXPECT_EQ(table[150], "停留所151 2: 300 200");
}

TEST_F(GtfsCli, FeedsAndRequestsItCannotUseWriteNothing) {
    TestFeed sjis;
    sjis.raw["stops.txt"] = "stop_id,stop_name\nS1,\x89\x77\n";
    sjis.writeFolder(dir.filePath("sjis"));
    QFile notZip(dir.filePath("feed.zip"));
    ASSERT_TRUE(notZip.open(QIODevice::WriteOnly) && notZip.write("PK\x03\x04 broken") > 0);
    notZip.close();
    const QString path = feedPath();
    const struct {
        QStringList args;
        QString said;
    } runs[] = {
        {{"import", dir.filePath("feed.zip"), "--route", "R1", "--out", out()}, "feed.zip: not a zip archive"},
        {{"import", dir.filePath("sjis"), "--route", "R1", "--out", out()}, "stops.txt line 2: not UTF-8 text"},
        {{"import", path, "--route", "R9", "--out", out()}, "route R9 is not in routes.txt"},
        {{"import", path, "--route", "R3", "--out", out()}, "route R3 has no trips with stops; nothing to import"},
        {{"import", path, "--route", "R1", "--out", out()}, "route R1 has 2 patterns: choose one with --pattern K or --trip"},
        {{"import", path, "--route", "R1", "--pattern", "3", "--out", out()}, "route R1 has 2 pattern(s), no pattern 3"},
        {{"import", path, "--route", "R1", "--trip", "L1", "--out", out()}, "trip L1 is no trip of route R1"},
        {{"import", path, "--route", "R2", "--out", out()}, "route R2: its short name \"\" gives no route number; give one with --number N"},
        {{"import", path, "--route", "R1", "--number", "123456", "--out", out()}, "--number takes a route number of 1 to 5 digits"},
        {{"import", path, "--route", "R1", "--tickets", "zone", "--out", out()}, "--tickets takes stop or fare"},
        {{"import", path, "--all", "--number", "3", "--out", out()}, "--pattern, --trip and --number go with --route"},
        {{"import", path, "--route", "R1"}, "import needs --out DIR"},
        {{"list"}, "list takes one feed"},
        {{"merge", path}, "unknown command merge"},
    };
    for (const auto& r : runs) {
        SCOPED_TRACE(r.args.join(' ').toStdString());
        const ToolRun run = hy3tool(r.args);
        EXPECT_EQ(run.exit, 2);
        EXPECT_TRUE(run.said.contains(r.said)) << run.said.toStdString();
    }
    EXPECT_FALSE(QFile::exists(out()));
}

TEST_F(GtfsCli, FilesOfOneImportAppearTogetherOrNotAtAll) {
    QDir().mkpath(out());
    QFile old(out("12.hy3"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    // The broadcast file cannot take its place: the fare file stays the old one.
    QDir().mkpath(out("12tp.csv"));
    const ToolRun run = hy3tool({"import", feedPath(), "--route", "R1", "--pattern", "1", "--out", out()});
    EXPECT_EQ(run.exit, 2);
    EXPECT_TRUE(run.said.contains("12tp.csv: cannot be replaced; nothing written")) << run.said.toStdString();
    EXPECT_EQ(contents(out("12.hy3")), "old");
    EXPECT_EQ(QDir(out()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{"12.hy3", "12tp.csv"}));
}

TEST_F(GtfsCli, AllPatternsAndTheListOfThem) {
    const QString path = feedPath();
    const ToolRun run = hy3tool({"import", path, "--all", "--out", out()});
    EXPECT_EQ(run.exit, 1) << "R2's loop has no fares";
    EXPECT_EQ(contents(out("routes.csv")),
              "number,route_id,route_short_name,route_long_name,pattern,trips,headsign,first_stop,last_stop\n"
              "12,R1,港12,駅前線,1,2,港車庫行き,みなと駅前,港車庫\n"
              "1,R1,港12,駅前線,2,1,みなと駅前,港車庫,みなと駅前\n"
              "2,R2,,循環線,1,1,市役所前,みなと駅前,市役所前\n");
    EXPECT_EQ(QDir(out()).entryList(QDir::Files),
              (QStringList{"1.hy3", "12.hy3", "12tp.csv", "1tp.csv", "2.hy3", "2tp.csv", "routes.csv"}));

    const ToolRun tsv = hy3tool({"list", path, "--tsv"});
    EXPECT_EQ(tsv.exit, 0);
    EXPECT_EQ(tsv.out, "agency\troute_id\troute_short_name\troute_long_name\tpattern\ttrips\tdirection\theadsign\t"
                       "stops\tfirst_stop\tlast_stop\n"
                       "みなと交通\tR1\t港12\t駅前線\t1\t2\t0\t港車庫行き\t4\tみなと駅前\t港車庫\n"
                       "みなと交通\tR1\t港12\t駅前線\t2\t1\t1\tみなと駅前\t3\t港車庫\tみなと駅前\n"
                       "みなと交通\tR2\t\t循環線\t1\t1\t0\t\t4\tみなと駅前\t市役所前\n");
    const ToolRun plain = hy3tool({"list", path});
    EXPECT_TRUE(plain.out.startsWith("agency: みなと交通\nroute R1  港12  駅前線\n"
                                     "  pattern 1: 2 trip(s), direction 0, to 港車庫行き, 4 stops: みなと駅前 → 港車庫\n"))
        << plain.out.toStdString();
    EXPECT_TRUE(plain.out.endsWith("route R3  99  運休線\n  no trips\n"));
}

}  // namespace
