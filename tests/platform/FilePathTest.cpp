#include <gtest/gtest.h>

#include "platform/FilePath.h"
#include "platform/Twips.h"

TEST(FilePath, AddsOneSeparatorOnlyWhereNeeded) {
    EXPECT_EQ(file_path::join("/data", "12.hy3"), "/data/12.hy3");
    EXPECT_EQ(file_path::join("/data/", "12.hy3"), "/data/12.hy3");
    EXPECT_EQ(file_path::join("C:\\data\\", "12.hy3"), "C:\\data\\12.hy3");
    EXPECT_EQ(file_path::join("", "12.hy3"), "12.hy3");
}

TEST(Twips, ConvertsAtFifteenToThePixel) {
    EXPECT_EQ(twips::toPixels(6435), 429);
    EXPECT_EQ(twips::toPixels(975), 65);
    EXPECT_EQ(twips::toPixels(-180), -12);
    EXPECT_EQ(twips::toPixels(7), 0);
    EXPECT_EQ(twips::toPixels(8), 1);
    EXPECT_EQ(twips::toPixels(-8), -1);
    EXPECT_EQ(twips::toPixels(1650, 1440, 975, 510), QRect(110, 96, 65, 34));
    EXPECT_EQ(twips::pointsToPixels(18), 24);
    EXPECT_EQ(twips::pointsToPixels(14), 19);
}
