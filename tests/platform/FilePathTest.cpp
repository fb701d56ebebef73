#include <gtest/gtest.h>

#include "platform/FilePath.h"
#include "formats/RuntimeError.h"
#include "platform/Twips.h"

TEST(FilePath, AddsOneSeparatorOnlyWhereNeeded) {
    for (const auto& [folder, path] : {std::pair{"/data", "/data/12.hy3"}, {"/data/", "/data/12.hy3"},
                                       {"C:\\data\\", "C:\\data\\12.hy3"}, {"", "12.hy3"}})
        EXPECT_EQ(file_path::join(folder, "12.hy3"), path) << folder;
}

// Half a pixel rounds away from zero.
TEST(Twips, ConvertsAtFifteenToThePixel) {
    for (const auto& [twips, pixels] : {std::pair{6435, 429}, {975, 65}, {-180, -12}, {7, 0}, {8, 1}, {-8, -1}})
        EXPECT_EQ(twips::toPixels(twips), pixels) << twips;
    EXPECT_EQ(twips::toPixels(1650, 1440, 975, 510), QRect(110, 96, 65, 34));
    EXPECT_EQ(twips::pointsToPixels(18), 24);
    EXPECT_EQ(twips::pointsToPixels(14), 19);
}

TEST(RuntimeError, DescribesTheNumbersTheProgramReports) {
    for (const auto& [number, text] : {std::pair{53, "ファイルが見つかりません。"}, {62, "ファイルにこれ以上データがありません。"},
                                       {9, "インデックスが有効範囲にありません。"}, {481, "ピクチャが不正です。"}})
        EXPECT_EQ(runtime_error::description(number), QString::fromUtf8(text)) << number;
    const QString generic = runtime_error::description(-1);
    for (int n : {5, 6, 7, 9, 13, 28, 51, 52, 53, 57, 61, 62, 68, 70, 75, 76, 380, 481})
        EXPECT_NE(runtime_error::description(n), generic) << n;
}
