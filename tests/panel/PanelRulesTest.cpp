#include <gtest/gtest.h>

#include "CtrlDataInfo.h"
#include "Options.h"
#include "PanelRules.h"
#include "RecordCodec.h"
#include "RuntimeError.h"

namespace {

TEST(RouteEntry, ValuesComeFromTheLeadingDigitsAndSectionsAreClamped) {
    EXPECT_EQ(route_entry::leadingValue(QStringLiteral("00012")), 12);
    EXPECT_EQ(route_entry::leadingValue(QStringLiteral("12a3")), 12);
    EXPECT_EQ(route_entry::leadingValue(QString()), 0);
    EXPECT_EQ(route_entry::leadingValue(QStringLiteral("99999999999999")), 2147483647);
    EXPECT_EQ(route_entry::clampSection(0), 1);
    EXPECT_EQ(route_entry::clampSection(300), 300);
    EXPECT_EQ(route_entry::clampSection(999), 300);
    EXPECT_EQ(route_entry::folderWithSeparator(QStringLiteral("/data")), QStringLiteral("/data/"));
    EXPECT_EQ(route_entry::folderWithSeparator(QString()), QString());
    EXPECT_EQ(route_entry::ticketDate(QDate(2026, 3, 7)), QStringLiteral("03-07-2026"));
}

TEST(RouteEntry, TheTicketDateFollowsItsOption) {
    Options options;
    options.seiriken.FixedDate = QStringLiteral("2020/01/02");
    const QDate today(2026, 3, 7);
    EXPECT_EQ(route_entry::routeSetDate(options, today), QStringLiteral("03-07-2026"));
    EXPECT_EQ(route_entry::refreshTicketDate(options, QStringLiteral("kept"), today), QStringLiteral("03-07-2026"));
    options.seiriken.DateAtPrint = 0;
    options.seiriken.DateAtRouteSet = -1;
    EXPECT_EQ(route_entry::routeSetDate(options, today), QStringLiteral("03-07-2026"));
    EXPECT_EQ(route_entry::refreshTicketDate(options, QStringLiteral("kept"), today), QStringLiteral("kept"));
    options.seiriken.DateAtRouteSet = 0;
    options.seiriken.DateFixed = -1;
    EXPECT_EQ(route_entry::routeSetDate(options, today), QStringLiteral("2020/01/02"));
    EXPECT_EQ(route_entry::refreshTicketDate(options, QStringLiteral("kept"), today), QStringLiteral("2020/01/02"));
}

TEST(Backlight, ErrorTextsCarryTheNumberAndItsDetail) {
    EXPECT_EQ(backlight::errorText(481),
              QStringLiteral("エラーです。\r\n\r\nエラーコード：481　指定した画像の内容が不正です。この部分では扱えません。"));
    EXPECT_TRUE(backlight::errorText(76).endsWith(QStringLiteral("：76　画像ファイルが見つからないか、指定している場所が不正です。")));
    EXPECT_TRUE(backlight::errorText(68).endsWith(QStringLiteral("：68　デバイスエラーもしくは準備が出来ていません。")));
    const QString internal = backlight::errorText(28);
    EXPECT_TRUE(internal.contains(QStringLiteral("：28　内部的なエラーです。")));
    EXPECT_TRUE(internal.endsWith(QStringLiteral("エラー場所：frmCtl.Option4_Click()")));
    EXPECT_TRUE(backlight::errorText(13).endsWith(QStringLiteral("エラーコード：13")));
}

TEST(CtrlDataInfo, IsStoredAs22LittleEndianBytesInFieldOrder) {
    const CtrlDataInfo info{.HiddenMode = 1,
                            .ScrollSpeed = 0x01020304,
                            .ScrollWait = 3000,
                            .LateNight = 1,
                            .PreviewOpen = -2,
                            .CtrlLeft = -15,
                            .CtrlTop = 0x7FFFFFFF};
    QByteArray bytes;
    record_codec::writeRecord(bytes, info);
    EXPECT_EQ(bytes, QByteArray::fromHex("0100"
                                         "04030201"
                                         "b80b0000"
                                         "0100"
                                         "feff"
                                         "f1ffffff"
                                         "ffffff7f"));
    CtrlDataInfo read;
    qsizetype at = 0;
    EXPECT_EQ(record_codec::readRecord(bytes, at, read), 0);
    EXPECT_EQ(read, info);
    at = 0;
    EXPECT_EQ(record_codec::readRecord(bytes.left(21), at, read), runtime_error::InputPastEndOfFile);
}

}  // namespace
