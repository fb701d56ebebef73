#include <gtest/gtest.h>

#include "CorpusInputs.h"
#include "LoadFareData.h"
#include "RecordingReporter.h"

namespace {

// Replays the fuzzer's seed corpus (first byte: start section - 1, then the
// file) and checks what every load must keep, whatever the bytes.
TEST(FareFileCorpus, EveryInputLoadsWholeOrIsRefusedWithOneMessage) {
    const auto inputs = corpusInputs(QStringLiteral(FARE_CORPUS_DIR));
    ASSERT_FALSE(inputs.empty());
    int loaded = 0;
    for (const auto& [name, input] : inputs) {
        ASSERT_FALSE(input.isEmpty()) << name.toStdString();
        const int section = 1 + static_cast<unsigned char>(input[0]);

        RouteState route;
        StopTable table;
        RecordingReporter messages;
        const bool ok = LoadFareBytes(input.mid(1), name, section, route, table, messages);
        if (ok) {
            ++loaded;
            EXPECT_TRUE(messages.messages.empty()) << name.toStdString();
            EXPECT_EQ(route.CurIndex, section - 1) << name.toStdString();
            EXPECT_GT(route.StopCount, section) << name.toStdString();
            EXPECT_LE(route.StopCount, StopTable::kStopCount) << name.toStdString();
            for (int stop = route.StopCount + 1; stop <= StopTable::kStopCount; ++stop)
                ASSERT_EQ(table[stop], StopRecord{}) << name.toStdString();
        } else {
            EXPECT_EQ(messages.messages.size(), 1u) << name.toStdString();
            EXPECT_EQ(route.CurIndex, 0) << name.toStdString();
            for (int stop = 1; stop <= StopTable::kStopCount; ++stop)
                ASSERT_EQ(table[stop], StopRecord{}) << name.toStdString();
        }
    }
    EXPECT_GT(loaded, 0);
    EXPECT_LT(size_t(loaded), inputs.size());
}

}  // namespace
