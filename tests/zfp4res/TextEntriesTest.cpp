#include <gtest/gtest.h>

#include <QByteArray>

#include <string>

#include "zfp4res/ZFP4Res.h"

namespace {

// 駅 (0x89 0x77), half-width ｱ (0xB1), A, 前 (0x91 0x4F)
const std::string kMixed = "\x89\x77\xB1" "A" "\x91\x4F";

std::string midB(const std::string& text, int start, int count) {
    char out[64];
    const int length = MidB_ASCII(text.c_str(), start, count, out, sizeof out);
    EXPECT_EQ(length, static_cast<int>(std::string(out).size())) << "the result was cut or not terminated";
    return out;
}

TEST(LenB_ASCII, CountsCodePage932Bytes) {
    EXPECT_EQ(LenB_ASCII(kMixed.c_str()), 6);
    EXPECT_EQ(LenB_ASCII("\xB1\xDD\xDE"), 3);  // half-width kana are one byte each
    EXPECT_EQ(LenB_ASCII("\x89\x77\x91\x4F"), 4);
    EXPECT_EQ(LenB_ASCII(""), 0);
    EXPECT_EQ(LenB_ASCII(nullptr), 0);
}

TEST(MidB_ASCII, SlicesBytesCountingFromOne) {
    EXPECT_EQ(midB(kMixed, 1, 2), "\x89\x77");
    EXPECT_EQ(midB(kMixed, 3, 2), "\xB1" "A");
    EXPECT_EQ(midB(kMixed, 1, 6), kMixed);
    EXPECT_EQ(midB(kMixed, 4, 0), "");
}

TEST(MidB_ASCII, CutsThroughDoubleByteCharacters) {
    // Byte pairs, not characters: the slice may start or end inside one.
    EXPECT_EQ(midB(kMixed, 2, 2), "\x77\xB1");
    EXPECT_EQ(midB(kMixed, 4, 2), "A\x91");
    EXPECT_EQ(midB(kMixed, 6, 2), "\x4F");
}

TEST(MidB_ASCII, GivesFewerBytesAtTheEndAndNoneBeyond) {
    EXPECT_EQ(midB(kMixed, 5, 10), "\x91\x4F");
    EXPECT_EQ(midB(kMixed, 7, 2), "");
    EXPECT_EQ(midB(kMixed, 1000, 2), "");
    EXPECT_EQ(midB(kMixed, 3, 2147483647), "\xB1" "A" "\x91\x4F");
}

TEST(MidB_ASCII, InvalidArgumentsGiveTheEmptyText) {
    EXPECT_EQ(midB(kMixed, 0, 2), "");
    EXPECT_EQ(midB(kMixed, -3, 5), "");
    EXPECT_EQ(midB(kMixed, 1, -1), "");
    EXPECT_EQ(midB("", 1, 2), "");
    char out[4] = "xyz";
    EXPECT_EQ(MidB_ASCII(nullptr, 1, 2, out, sizeof out), 0);
    EXPECT_STREQ(out, "");
}

TEST(TextResults, AreCutToTheBufferButReportTheFullLength) {
    char out[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(MidB_ASCII(kMixed.c_str(), 1, 6, out, 4), 6);
    EXPECT_EQ(std::string(out), kMixed.substr(0, 3));

    char untouched = 'u';
    EXPECT_EQ(MidB_ASCII(kMixed.c_str(), 1, 6, &untouched, 0), 6);
    EXPECT_EQ(untouched, 'u');
    EXPECT_EQ(MidB_ASCII(kMixed.c_str(), 1, 6, nullptr, 0), 6);
}

TEST(GetOsInfo, IsTheNameOfThisSystem) {
    const int length = GetOsInfo(nullptr, 0);
    ASSERT_GT(length, 0);
    QByteArray name(length + 1, 'x');
    EXPECT_EQ(GetOsInfo(name.data(), static_cast<int>(name.size())), length);
    EXPECT_EQ(name.back(), '\0');
    name.chop(1);
    EXPECT_EQ(name.indexOf('\0'), -1);
    EXPECT_NE(name, QByteArray("Windows Vista"));
}

}  // namespace
