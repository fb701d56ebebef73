#include <gtest/gtest.h>

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>

#include "platform/Fonts.h"

// Test main registered the faces, as the program's start-up does. 13 pixels a
// character at 18 point is the cell the digit displays are built for.
TEST(Fonts, DigitFacesAreRegisteredWithOneAdvanceForEveryCharacter) {
    for (const char* face : {"M_DegitA", "M_DegitB", "M_DegitC"})
        for (bool bold : {false, true}) {
            QFont font(QString::fromLatin1(face));
            font.setPixelSize(24);
            font.setBold(bold);
            ASSERT_EQ(QFontInfo(font).family(), QString::fromLatin1(face));
            for (QChar c : QStringLiteral(" -0123456789"))
                EXPECT_EQ(QFontMetrics(font).horizontalAdvance(c), 13) << face << bold << c.toLatin1();
        }
}

TEST(Fonts, JapaneseDesignFacesMapToInstalledFaces) {
    for (const char* face : {"ＭＳ ゴシック", "ＭＳ Ｐゴシック", "ＭＳ 明朝", "M_NumP1"})
        EXPECT_TRUE(QFontInfo(QFont(QString::fromUtf8(face))).family().startsWith(QStringLiteral("IPA"))) << face;
}
