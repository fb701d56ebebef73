#include <gtest/gtest.h>

#include "Described.h"
#include "FareCheck.h"
#include "FareFileBytes.h"

namespace {

const QByteArray kEkimae("\x89\x77\x91\x4F");    // 駅前
const QByteArray kShiyakusho("\x8E\x73\x96\xF0\x8F\x8A\x91\x4F");  // 市役所前

FareFileBytes twoGoodStops(int count = 2) {
    return std::move(FareFileBytes(count).stop(kEkimae, 1, {180}).stop(kShiyakusho, 2, {190, 180}));
}

TEST(FareCheck, ACleanFileHasNoProblems) {
    EXPECT_TRUE(fare_check::check(twoGoodStops().bytes()).empty());
    // The edges of what is plausible.
    const QByteArray edges = FareFileBytes(2).stop(kEkimae, 0, {-1, 0, 999}).stop("A", 150, {}).bytes();
    EXPECT_EQ(described(fare_check::check(edges)), QStringList());
}

TEST(FareCheck, ReportsTheRecordATruncatedFileEndsIn) {
    const QByteArray whole = twoGoodStops(3).stop("X", 3, {200}).bytes();
    EXPECT_EQ(described(fare_check::check(whole.chopped(1))),
              QStringList{u"3: the file ends inside this record; the count announces 3 stops"_qs});
    EXPECT_EQ(described(fare_check::check(twoGoodStops(3).bytes())),
              QStringList{u"3: the file ends inside this record; the count announces 3 stops"_qs});
    // Inside the second name.
    EXPECT_EQ(described(fare_check::check(whole.left(2 + 308 + 5))),
              QStringList{u"2: the file ends inside this record; the count announces 3 stops"_qs});
    EXPECT_EQ(described(fare_check::check(QByteArray("\x02", 1))),
              QStringList{u"0: the file ends before the record count (it holds 1 bytes)"_qs});
}

TEST(FareCheck, ReportsCountsTheProgramRefusesOrCannotStart) {
    EXPECT_EQ(described(fare_check::check(FareFileBytes(-3).stop(kEkimae, 1).bytes())),
              QStringList{u"0: the record count -3 is negative"_qs});
    // With no stops, whatever follows the count is left over.
    EXPECT_EQ(described(fare_check::check(FareFileBytes(0).bytes())),
              QStringList{u"0: the record count is 0: the route has no stops"_qs});
    EXPECT_EQ(fare_check::check(FareFileBytes(0).raw("abc").bytes()).size(), 2u);
    EXPECT_EQ(described(fare_check::check(FareFileBytes(1).stop(kEkimae, 1, {180}).bytes())),
              QStringList{u"0: the record count is 1: a route of one stop can never be set, the start section needs "
                          u"a stop after it"_qs});

    FareFileBytes many(302);
    for (int i = 1; i <= 302; ++i) many.stop(kEkimae, i % 150, {180});
    EXPECT_EQ(described(fare_check::check(many.bytes())),
              QStringList{u"0: the record count 302 is more than the 301 stops the program holds"_qs});
}

TEST(FareCheck, ReportsBytesAfterTheLastRecord) {
    EXPECT_EQ(described(fare_check::check(twoGoodStops().raw("\r\n\x1A").bytes())),
              QStringList{u"0: 3 bytes follow the last record; the program ignores them and export leaves them out"_qs});
}

TEST(FareCheck, ReportsImplausibleTicketNumbersFaresAndEmptyNames) {
    std::vector<int> fares(150, 0);
    fares[0] = 1000;
    fares[6] = -5;
    fares[149] = -1;  // a missing fare is fine
    const QByteArray file = FareFileBytes(4)
                                .stop(kEkimae, 151, {180})
                                .stop("", 2, {190})
                                .stop(" ", -1, fares)
                                .stop(kShiyakusho, 4, {999})
                                .bytes();
    EXPECT_EQ(described(fare_check::check(file)),
              (QStringList{u"1: ticket number 151 is outside 0 to 150"_qs, u"2: warning: the stop name is empty"_qs,
                           u"3: warning: the stop name is empty"_qs, u"3: ticket number -1 is outside 0 to 150"_qs,
                           u"3: fares outside 0 to 999 (-1 for none): column 1 (1000), column 7 (-5)"_qs}));
}

TEST(FareCheck, ReportsNamesThatAreNoCodePage932AndFindsTheRecordsAfterThem) {
    // 0x85 0x40 is an unassigned pair, 0xFF no character at all; 0xED 0x40 is
    // 纊 in the duplicate NEC row, written back as 0xFA 0x5C. The names change
    // length when written again, so the records after them must still be found.
    const QByteArray file = FareFileBytes(4)
                                .stop(kEkimae + "\x85\x40\xFF", 1, {180})
                                .stop("\xED\x40" + kEkimae, 2, {190})
                                .stop(kShiyakusho, 151, {200})
                                .stop(kEkimae, 4, {210})
                                .raw("zz")
                                .bytes();
    EXPECT_EQ(described(fare_check::check(file)),
              (QStringList{u"1: the name holds bytes that are no code page 932 character (shown as ・): 0x85 0x40 "
                           u"at name byte 4, 0xFF at name byte 6"_qs,
                           u"2: the name stores 纊 as 0xED 0x40; export and import write it as 0xFA 0x5C"_qs,
                           u"3: ticket number 151 is outside 0 to 150"_qs,
                           u"0: 2 bytes follow the last record; the program ignores them and export leaves them out"_qs}));
}

TEST(FareCheck, ARealMiddleDotIsNoProblem) {
    // ・ is 0x81 0x45, the very character unreadable bytes are shown as.
    const QByteArray file = FareFileBytes(2).stop("\x81\x45" + kEkimae, 1, {180}).stop(kEkimae, 2).bytes();
    EXPECT_TRUE(fare_check::check(file).empty());
    // Also beside a character that is looked at byte by byte.
    const QByteArray beside = FareFileBytes(2).stop("\x81\x45\xED\x40", 1, {180}).stop(kEkimae, 2).bytes();
    EXPECT_EQ(described(fare_check::check(beside)),
              QStringList{u"1: the name stores 纊 as 0xED 0x40; export and import write it as 0xFA 0x5C"_qs});
}

}  // namespace
