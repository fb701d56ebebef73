#include <gtest/gtest.h>

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

#include "platform/Fonts.h"

TEST(Fonts, DigitFacesAreRegisteredWithEqualAdvances) {
    const QStringList families = QFontDatabase::families();
    for (const char* face : {"M_DegitA", "M_DegitB", "M_DegitC"}) {
        ASSERT_TRUE(families.contains(QString::fromLatin1(face))) << face;
        for (bool bold : {false, true}) {
            QFont font(QString::fromLatin1(face));
            font.setPixelSize(24);
            font.setBold(bold);
            EXPECT_EQ(QFontInfo(font).family(), QString::fromLatin1(face));
            const QFontMetrics metrics(font);
            const int eight = metrics.horizontalAdvance(u'8');
            EXPECT_EQ(metrics.horizontalAdvance(u' '), eight) << face;
            EXPECT_EQ(metrics.horizontalAdvance(u'-'), eight) << face;
            EXPECT_EQ(metrics.horizontalAdvance(u'1'), eight) << face;
            // 13 pixels a digit at 18 point is the cell the displays are built for.
            EXPECT_NEAR(eight, 13, 1) << face;
            EXPECT_LE(metrics.ascent(), 20) << face;
        }
    }
}

TEST(Fonts, JapaneseDesignFacesMapToInstalledFaces) {
    for (const char* face : {"ＭＳ ゴシック", "ＭＳ Ｐゴシック", "ＭＳ 明朝", "M_NumP1"}) {
        const QString family = QFontInfo(QFont(QString::fromUtf8(face))).family();
        EXPECT_TRUE(family.startsWith(QStringLiteral("IPA"))) << face << " -> " << family.toStdString();
    }
}
