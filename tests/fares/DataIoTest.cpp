#include <gtest/gtest.h>

#include "DataIo.h"
#include "RuntimeError.h"

namespace {

TEST(DataIo, StoresByColumn) {
    StopTable table;
    EXPECT_EQ(SetStopData(table, 1, 1, QStringLiteral("駅前")), 0);
    EXPECT_EQ(SetStopData(table, 1, 2, qint16(4)), 0);
    EXPECT_EQ(SetStopData(table, 1, 3, qint16(210)), 0);
    EXPECT_EQ(SetStopData(table, 301, 152, qint16(-1)), 0);
    EXPECT_EQ(SetStopData(table, 2, 1, qint16(12)), 0);  // a number in the name column becomes text
    EXPECT_EQ(SetStopData(table, 2, 5, QStringLiteral(" 180 ")), 0);
    EXPECT_EQ(table[1].Chimei, QStringLiteral("駅前"));
    EXPECT_EQ(table[1].SeiriNum, 4);
    EXPECT_EQ(table[1].Fare(1), 210);
    EXPECT_EQ(table[301].Fare(150), -1);
    EXPECT_EQ(table[2].Chimei, QStringLiteral("12"));
    EXPECT_EQ(table[2].Fare(3), 180);
}

TEST(DataIo, RefusesOutOfRangeAndUnfitValuesWithoutStoring) {
    StopTable table;
    const StopRecord empty;
    EXPECT_EQ(SetStopData(table, 0, 1, QStringLiteral("x")), runtime_error::SubscriptOutOfRange);
    EXPECT_EQ(SetStopData(table, 302, 2, qint16(1)), runtime_error::SubscriptOutOfRange);
    EXPECT_EQ(SetStopData(table, 1, 0, qint16(1)), runtime_error::SubscriptOutOfRange);
    EXPECT_EQ(SetStopData(table, 1, 153, qint16(1)), runtime_error::SubscriptOutOfRange);
    EXPECT_EQ(SetStopData(table, 1, 3, QStringLiteral("40000")), runtime_error::Overflow);
    EXPECT_EQ(SetStopData(table, 1, 2, QStringLiteral("abc")), runtime_error::TypeMismatch);
    EXPECT_EQ(table[1], empty);
}

TEST(DataIo, ClearEmptiesEveryEntry) {
    StopTable table;
    SetStopData(table, 1, 1, QStringLiteral("a"));
    SetStopData(table, 150, 2, qint16(9));
    SetStopData(table, 301, 152, qint16(9));
    ClearStopData(table);
    for (int stop = 1; stop <= StopTable::kStopCount; ++stop) EXPECT_EQ(table[stop], StopRecord{}) << stop;
}

}  // namespace
