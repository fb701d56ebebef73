#include <gtest/gtest.h>

#include "FareFile.h"
#include "FareFileBytes.h"
#include "RouteFiles.h"

namespace {

TEST(FareFile, ReadsNamesTicketNumbersAndFares) {
    // 市役所前 in code page 932, a half-width ｶﾅ name, an empty name.
    const QByteArray shiyakusho("\x8E\x73\x96\xF0\x8F\x8A\x91\x4F");
    const QByteArray kana("\xB6\xC5");
    const QByteArray file = FareFileBytes(3)
                                .stop(shiyakusho, 1, {0, 150})
                                .stop(kana, 2, {-1, 32767, -32768})
                                .stop(QByteArray(), 3)
                                .raw("trailing bytes are ignored")
                                .bytes();
    ASSERT_EQ(fare_file::readCount(file), 3);
    const fare_file::Records records = fare_file::readRecords(file, 3);
    ASSERT_EQ(records.truncatedAt, 0);
    ASSERT_EQ(records.stops.size(), 3u);
    EXPECT_EQ(records.stops[0].Chimei, QStringLiteral("市役所前"));
    EXPECT_EQ(records.stops[0].SeiriNum, 1);
    EXPECT_EQ(records.stops[0].Fare(2), 150);
    EXPECT_EQ(records.stops[1].Chimei, QStringLiteral("ｶﾅ"));
    EXPECT_EQ(records.stops[1].Fare(1), -1);
    EXPECT_EQ(records.stops[1].Fare(2), 32767);
    EXPECT_EQ(records.stops[1].Fare(3), -32768);
    EXPECT_EQ(records.stops[1].Fare(150), 0);
    EXPECT_TRUE(records.stops[2].Chimei.isEmpty());
    EXPECT_EQ(records.stops[2].SeiriNum, 3);
}

TEST(FareFile, ReportsTheRecordAShortFileEndsIn) {
    const QByteArray whole = FareFileBytes(2).stop("AB", 1, {100}).stop("CD", 2, {200}).bytes();
    EXPECT_FALSE(fare_file::readCount(whole.left(1)).has_value());
    EXPECT_EQ(fare_file::readRecords(whole.left(2), 2).truncatedAt, 1);
    EXPECT_EQ(fare_file::readRecords(whole.left(3), 2).truncatedAt, 1);             // half a name length
    EXPECT_EQ(fare_file::readRecords(whole.left(2 + 306 + 5), 2).truncatedAt, 2);   // inside the second name
    EXPECT_EQ(fare_file::readRecords(whole.chopped(1), 2).truncatedAt, 2);          // last fare cut
    EXPECT_EQ(fare_file::readRecords(whole, 2).truncatedAt, 0);
    EXPECT_EQ(fare_file::readRecords(whole, 3).truncatedAt, 3);                     // more announced than held
}

TEST(FareFile, ANameLengthPastTheEndIsAShortFileNotANegativeLength) {
    // 0xFFFF as a name length must not be read as -1.
    const QByteArray file = FareFileBytes(1).raw(QByteArray("\xFF\xFF", 2)).raw(QByteArray(400, '\0')).bytes();
    const fare_file::Records records = fare_file::readRecords(file, 1);
    EXPECT_EQ(records.truncatedAt, 1);
    EXPECT_TRUE(records.stops.empty());
}

TEST(RouteFiles, FilesAreNamedByTheRouteNumberInPlainDecimal) {
    EXPECT_EQ(route_files::number("00012"), "12");
    EXPECT_EQ(route_files::number("12"), "12");
    EXPECT_EQ(route_files::number(""), "0");
    EXPECT_EQ(route_files::number("000"), "0");
    EXPECT_EQ(route_files::number("abc"), "0");
    EXPECT_EQ(route_files::number("7a9"), "7");
    EXPECT_EQ(route_files::number(" 305"), "305");
    EXPECT_EQ(route_files::number("99999"), "99999");
}

}  // namespace
