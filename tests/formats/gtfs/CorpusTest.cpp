#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <map>

#include "fuzz/GtfsFeedInput.h"
#include "tests/support/CorpusInputs.h"

namespace {

using gtfs_feed_input::Outcome;

// The fuzzer's seed inputs, through the same code the fuzzer runs.
TEST(GtfsFeedCorpus, EveryInputReadsWithoutABrokenPromise) {
    QTemporaryDir dir;
    gtfs_feed_input::Runner runner(dir.path());
    std::map<QString, Outcome> outcomes;
    for (const auto& [name, input] : corpusInputs(QStringLiteral(GTFS_CORPUS_DIR))) {
        const Outcome o = runner.run(input);
        EXPECT_EQ(o.faults, QStringList()) << name.toStdString();
        outcomes[name] = o;
    }
    ASSERT_EQ(outcomes.count(u"town.zip"_qs) + outcomes.count(u"town-nested-flat.zip"_qs) +
                  outcomes.count(u"stop-times-only"_qs) + outcomes.count(u"every-file"_qs) +
                  outcomes.count(u"broken-rows"_qs),
              5u);

    // Out and back on R1, the loop on R2. By the rules: out from Z1 to each
    // stop, back from Z4 to the next two, every pair of the loop; a flat fare
    // everywhere.
    const Outcome& town = outcomes[u"town.zip"_qs];
    EXPECT_TRUE(town.archiveLoaded);
    EXPECT_EQ(town.archive.patterns, 3);
    EXPECT_EQ(town.archive.prices, 3 + 2 + 6);
    const Outcome& nested = outcomes[u"town-nested-flat.zip"_qs];
    EXPECT_TRUE(nested.archiveLoaded);
    EXPECT_EQ(nested.archive.patterns, 3);
    EXPECT_EQ(nested.archive.prices, 6 + 3 + 6);

    // T1 in order of its sequence numbers; T2 with a number twice and L1
    // with an unknown stop are left out.
    const Outcome& stopTimes = outcomes[u"stop-times-only"_qs];
    EXPECT_FALSE(stopTimes.archiveOpened);
    EXPECT_TRUE(stopTimes.filesLoaded);
    EXPECT_EQ(stopTimes.files.patterns, 1);
    EXPECT_EQ(stopTimes.files.prices, 3);
    // One fare left, by stop pair or by route alone.
    const Outcome& everyFile = outcomes[u"every-file"_qs];
    EXPECT_TRUE(everyFile.filesLoaded);
    EXPECT_EQ(everyFile.files.patterns, 2);
    EXPECT_EQ(everyFile.files.prices, 3 + 1);
    // The stops whose rows read, one flat fare; readings that cannot be read
    // leave the rest of the feed.
    const Outcome& broken = outcomes[u"broken-rows"_qs];
    EXPECT_TRUE(broken.filesLoaded);
    EXPECT_EQ(broken.files.patterns, 1);
    EXPECT_EQ(broken.files.prices, 3);
}

// The checks the fuzzer relies on see a broken feed.
TEST(GtfsFeedCorpus, ChecksFindAFeedThatBreaksItsPromises) {
    gtfs::Feed feed;
    feed.routes.push_back({u"R1"_qs, {}, {}, {}});
    feed.stops.push_back({u"S1"_qs, u"駅前"_qs, u"Z1"_qs});
    feed.trips.push_back({u"T1"_qs, 0, {}, {}, {0, 0}, {}});
    feed.fares.push_back({u"F1"_qs, 150});
    QStringList faults;
    EXPECT_EQ(gtfs_feed_input::checkFeed(feed, u"feed"_qs, faults).prices, 1);
    EXPECT_EQ(faults, QStringList());

    feed.trips.push_back({u"T2"_qs, 0, {}, {}, {0, 1}, {}});
    EXPECT_EQ(gtfs_feed_input::checkFeed(feed, u"feed"_qs, faults).patterns, 0);
    EXPECT_EQ(faults, QStringList{u"feed: trip T2 calls at a stop the feed lacks"_qs});

    Outcome outcome;
    gtfs_feed_input::checkLines({{u"stops.txt"_qs, 3, u"bad"_qs, false}, {u"stops.txt"_qs, 4, u"past"_qs, false}},
                                {{u"stops.txt"_qs, "a\r\nb\rc"}}, u"folder"_qs, outcome);
    EXPECT_EQ(outcome.faults, QStringList{u"folder: stops.txt line 4 is past its end: past"_qs});
}

}  // namespace
