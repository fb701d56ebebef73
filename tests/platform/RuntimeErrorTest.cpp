#include <gtest/gtest.h>

#include "formats/RuntimeError.h"

TEST(RuntimeError, DescribesTheNumbersTheProgramReports) {
    EXPECT_EQ(runtime_error::description(53), QStringLiteral("ファイルが見つかりません。"));
    EXPECT_EQ(runtime_error::description(62), QStringLiteral("ファイルにこれ以上データがありません。"));
    EXPECT_EQ(runtime_error::description(9), QStringLiteral("インデックスが有効範囲にありません。"));
    EXPECT_EQ(runtime_error::description(481), QStringLiteral("ピクチャが不正です。"));
    const int reported[] = {5, 6, 7, 9, 13, 28, 51, 52, 53, 57, 61, 62, 68, 70, 75, 76, 380, 481};
    const QString generic = runtime_error::description(-1);
    for (int n : reported) EXPECT_NE(runtime_error::description(n), generic) << n;
}
