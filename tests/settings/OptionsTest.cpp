#include <gtest/gtest.h>

#include <QDate>

#include "Options.h"
#include "StoredBytes.h"

namespace {

TEST(Options, StartupDefaultsAreTheTablesWithTheModelValues) {
    const Options o = Options::startupDefaults();
    EXPECT_EQ(storedHex(o.dataFolders), hex("0000 0000"));
    EXPECT_EQ(storedHex(o.panel),
              hex("0100 ffffff00 c0ffc000 ffc08000 0000 0000 ffff 0000 ffff 0000 ffff 0000 ffff 0000 0000 0000 0000"));
    EXPECT_EQ(storedHex(o.degit), hex("80808000 96969600 f8d27200 0000 0000 0000 0000 0000 0000 0000 0000 0000 0000"));
    EXPECT_EQ(storedHex(o.chimei), hex("80808000 ffff0000 ffff 0000"));
    EXPECT_EQ(storedHex(o.sound),
              hex("0000 0000 ffff 0000 0000 ffff 0000 0000 0000 0000 0000 ffff 0000 ffff 0000 0000 0000 0000 0000"));
    EXPECT_EQ(storedHex(o.seiriken).first(12 * 3 - 1), hex("0000 0000 ffff 0000 0000 0a00"));
    EXPECT_EQ(storedHex(o.custColors), QByteArray(68, '\0').toHex(' '));
}

TEST(Options, DialogStartsWithItsOwnCaptionValuesUntilTheModelSetsThem) {
    Options o;
    EXPECT_EQ(storedHex(o.panel).first(14 * 3 - 1), hex("0000 00800000 00c00000 c0ffc000"));
    setModelDefaults(o.panel);
    EXPECT_EQ(o.panel, Options::startupDefaults().panel);
}

TEST(Options, FixedDateStartsAsTheDayTheOptionsAreMade) {
    const QDate before = QDate::currentDate();
    const Options o;
    const QDate fixed = QDate::fromString(o.FixedDate(), u"yyyy/MM/dd");
    EXPECT_EQ(o.FixedDate().size(), 10);
    EXPECT_TRUE(fixed == before || fixed == QDate::currentDate()) << o.FixedDate().toStdString();
}

}  // namespace
