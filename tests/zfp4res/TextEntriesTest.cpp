#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>

#include "zfp4res/ZFP4Res.h"

namespace {

// 駅 (0x89 0x77), half-width ｱ (0xB1), A, 前 (0x91 0x4F)
const std::string kMixed = "\x89\x77\xB1" "A" "\x91\x4F";

// MidB counts the text's length with LenB: a wrong length shows at the end.
TEST(TextEntries, MidBSlicesCodePage932BytesFromOne) {
    // The text, start, count and the bytes given back.
    const std::tuple<const char*, int, int, std::string> cases[] = {
        {kMixed.c_str(), 1, 2, "\x89\x77"},
        {kMixed.c_str(), 2, 2, "\x77\xB1"},  // bytes, not characters
        {kMixed.c_str(), 6, 2, "\x4F"},
        {kMixed.c_str(), 5, 10, "\x91\x4F"},  // fewer at the end
        {kMixed.c_str(), 3, INT_MAX, "\xB1" "A" "\x91\x4F"},
        {kMixed.c_str(), 1000, 2, ""},  // none past it
        {kMixed.c_str(), 0, 2, ""},
        {kMixed.c_str(), 1, -1, ""},
        {nullptr, 1, 2, ""},
    };
    for (const auto& [text, start, count, bytes] : cases) {
        char out[64] = "unchanged";
        EXPECT_EQ(MidB_ASCII(text, start, count, out, sizeof out), int(bytes.size())) << start << "," << count;
        EXPECT_EQ(std::string(out), bytes) << start << "," << count;
    }
}

TEST(TextEntries, ResultsAreCutToTheBufferButReportTheirFullLength) {
    char out[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(MidB_ASCII(kMixed.c_str(), 1, 6, out, 4), 6);
    EXPECT_EQ(std::string(out), kMixed.substr(0, 3));
    char untouched = 'u';
    EXPECT_EQ(MidB_ASCII(kMixed.c_str(), 1, 6, &untouched, 0), 6);
    EXPECT_EQ(untouched, 'u');
}

}  // namespace
