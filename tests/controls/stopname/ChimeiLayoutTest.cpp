#include <gtest/gtest.h>

#include "controls/stopname/ChimeiLayout.h"

using namespace chimei_layout;

TEST(ChimeiLayout, NamesThatStandStillAreCentredInTheStrip) {
    for (int mode : {2, 0})
        for (int cells = 1; cells <= 6; ++cells) {
            const Placement p = placement(cells, mode);
            const int lastBottom = p.firstTop + (cells - 1) * p.pitch + kCellStep;
            EXPECT_EQ(p.firstTop, kStripHeight - lastBottom) << cells << " cells, mode " << mode;
            EXPECT_GE(p.pitch, cells > 1 ? kCellStep : 0) << "cells do not overlap";
        }
    EXPECT_NE(placement(2, 2).pitch, placement(2, 1).pitch);
}

TEST(ChimeiLayout, TheFaceFollowsTheSignedCodeOfTheFirstCharacter) {
    EXPECT_EQ(signedCode(QStringLiteral("A")), 65);
    EXPECT_EQ(signedCode(QStringLiteral("ｱ")), 0xB1);
    EXPECT_EQ(signedCode(QStringLiteral("あい")), 0x82A0 - 65536);
    EXPECT_EQ(signedCode(QStringLiteral("亜")), 0x889F - 65536);

    // The last code before the kanji and the first kanji; the first and last
    // full-width letter or digit and their neighbours.
    const int lastKana = 0x889E - 65536, firstKanji = 0x889F - 65536;
    EXPECT_EQ(faceFor(2, lastKana), Face::Mincho);
    EXPECT_EQ(faceFor(2, firstKanji), Face::Gothic);
    EXPECT_EQ(faceFor(2, 'A'), Face::Gothic);
    EXPECT_EQ(faceFor(3, lastKana), Face::Gothic);
    EXPECT_EQ(faceFor(3, 'A'), Face::Mincho);
    EXPECT_EQ(faceFor(4, 0x824E - 65536), Face::Mincho);
    EXPECT_EQ(faceFor(4, 0x824F - 65536), Face::Gothic);
    EXPECT_EQ(faceFor(4, 0x829A - 65536), Face::Gothic);
    EXPECT_EQ(faceFor(4, 0x829B - 65536), Face::Mincho);
    EXPECT_EQ(faceFor(4, 'A'), Face::Mincho);
    EXPECT_EQ(faceFor(1, firstKanji), Face::Mincho);
    for (int outside : {0, -1, 5}) EXPECT_EQ(faceFor(outside, lastKana), Face::Gothic) << outside;
}
