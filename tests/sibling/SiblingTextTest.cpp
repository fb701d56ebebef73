#include <gtest/gtest.h>

#include "sibling/Sibling.h"

namespace {

TEST(SiblingText, LengthsAreCodePage932Bytes) {
    EXPECT_EQ(Sibling::LenB_ASCII(QStringLiteral("駅前ｱA")), 6);
    EXPECT_EQ(Sibling::LenB_ASCII(QStringLiteral("〜")), 2);  // written as its best-fit code
    EXPECT_EQ(Sibling::LenB_ASCII(QString()), 0);
}

TEST(SiblingText, SlicesAreReadBackAsText) {
    const QString name = QStringLiteral("駅前ｱA");
    EXPECT_EQ(Sibling::MidB_ASCII(name, 1, 2), QStringLiteral("駅"));
    EXPECT_EQ(Sibling::MidB_ASCII(name, 3, 4), QStringLiteral("前ｱA"));
    EXPECT_EQ(Sibling::MidB_ASCII(name, 5, 9), QStringLiteral("ｱA"));
    EXPECT_EQ(Sibling::MidB_ASCII(name, 7, 2), QString());
    // Half a character cannot be read back: it stands as the substitute.
    EXPECT_EQ(Sibling::MidB_ASCII(name, 2, 2), QStringLiteral("w\u30FB"));
}

TEST(SiblingText, ResultsOfAnyLengthComeBackWhole) {
    QString longName;
    for (int i = 0; i < 3000; ++i) longName += QStringLiteral("停留所");
    EXPECT_EQ(Sibling::MidB_ASCII(longName, 1, 18000), longName);
    EXPECT_EQ(Sibling::MidB_ASCII(longName, 17997, 100), QStringLiteral("留所"));
}

TEST(SiblingText, OsInfoNamesThisSystem) {
    const QString name = Sibling::GetOsInfo();
    EXPECT_FALSE(name.isEmpty());
    EXPECT_NE(name, QStringLiteral("Windows Vista"));
    EXPECT_FALSE(name.contains(QChar(u'\0')));
}

}  // namespace
