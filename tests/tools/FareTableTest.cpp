#include <gtest/gtest.h>

#include "FareTable.h"

namespace {

TEST(FareTable, ShowsTheFareColumnsInUseAlignedUnderWideNames) {
    std::vector<StopRecord> stops(3);
    stops[0].Chimei = u"駅前"_qs;
    stops[0].SeiriNum = 1;
    stops[0].fares[0] = 180;
    stops[1].Chimei = u"ｴｷﾏｴ"_qs;
    stops[1].SeiriNum = 2;
    stops[1].fares[0] = 190;
    stops[1].fares[11] = 1000;
    stops[2].Chimei = u"市民文化ホール前"_qs;
    stops[2].SeiriNum = 10;
    stops[2].fares[0] = -1;
    // Columns 2 to 11 hold nothing anywhere and are left out; zeros are blank.
    EXPECT_EQ(fare_table::render(stops), u"Stop  Ticket  Name                1    12\n"
                                         u"   1       1  駅前              180\n"
                                         u"   2       2  ｴｷﾏｴ              190  1000\n"
                                         u"   3      10  市民文化ホール前   -1\n"_qs);
}

TEST(FareTable, CountsWideCharactersAsTwoColumns) {
    EXPECT_EQ(fare_table::displayWidth(u"ABC"_qs), 3);
    EXPECT_EQ(fare_table::displayWidth(u"ｴｷﾏｴ"_qs), 4);
    EXPECT_EQ(fare_table::displayWidth(u"桜ヶ丘、駅前"_qs), 12);
    EXPECT_EQ(fare_table::displayWidth(u"１２"_qs), 4);
    EXPECT_EQ(fare_table::displayWidth(u"𠮷"_qs), 2);
}

}  // namespace
