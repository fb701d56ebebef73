#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSysInfo>
#include <QTemporaryDir>

#include <functional>

#include "formats/Cp932.h"
#include "tests/support/ModalDriver.h"
#include "sibling/Sibling.h"

namespace {

TEST(SiblingText, TextsCrossAsCodePage932AndComeBackWholeAtAnyLength) {
    EXPECT_EQ(Sibling::LenB_ASCII(QStringLiteral("駅前ｱA")), 6);
    EXPECT_EQ(Sibling::MidB_ASCII(QStringLiteral("駅前ｱA"), 3, 9), QStringLiteral("前ｱA"));
    const QString stops = QStringLiteral("停留所").repeated(3000);
    for (const int bytes : {254, 256, 18000})
        EXPECT_EQ(Sibling::MidB_ASCII(stops, 1, bytes), stops.left(bytes / 2)) << bytes;
    const QString os = Sibling::GetOsInfo();
    EXPECT_TRUE(!os.isEmpty() && (os == QSysInfo::prettyProductName() || os == QSysInfo::kernelType()));
}

// A folder deeper than a small first buffer would hold and a plug-in in a
// folder of its own inside it, under names only code page 932 carries across.
class SiblingCalls : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid() && QDir().mkpath(folder + QStringLiteral("/南町線")));
        ASSERT_TRUE(QFile::copy(QStringLiteral(SAMPLE_PLUGINS_DIR "/hoshimizaka.4SP"), plugin));
    }
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("整理券/%1/%1").arg(QStringLiteral("停留所").repeated(25)));
    const QString plugin = folder + QStringLiteral("/南町線/星見坂交通①.4SP");
    QWidget owner;
};

// The dialogs themselves are tested with the library; here what crosses.
TEST_F(SiblingCalls, DialogsTakeAndGiveTextsAndHandBackTheValues) {
    quint32 color = 0;
    std::array<qint32, 17> custom{};
    qint16 zeroMode = 3, shift = 5, fillZero = 7;  // a display of one digit shows 3, 0, 1
    DateRecord date{2019, 5, 0, 1};                 // opens on that day, a Wednesday
    QString shown;
    // What the user does before pressing OK, and the call with what it gives.
    const std::pair<std::function<void(QDialog*)>, std::function<void()>> rows[] = {
        {[](QDialog* d) {
             EXPECT_EQ(d->windowTitle(), QStringLiteral("選択"));
             EXPECT_EQ(qobject_cast<QFileDialog*>(d)->nameFilters(), QStringList({"整理券 (*.4SP)", "画像 (*.bmp *.png)"}));
         },
         [&] { EXPECT_EQ(Sibling::Zf3FileDlg(&owner, {{"整理券", "*.4SP"}, {"画像", "*.bmp;*.png"}}, plugin, "選択"), plugin); }},
        {[](QDialog* d) { EXPECT_EQ(d->windowTitle(), QStringLiteral("フォルダ")); },
         [&] { EXPECT_EQ(Sibling::Zf3FolderDlg(&owner, "フォルダ", folder), folder); }},
        {[](QDialog* d) { d->setProperty("currentColor", QColor(0x12, 0x34, 0x56)); },
         [&] { EXPECT_TRUE(Sibling::Zf3ChooseColor(&owner, color, custom) && color == 0x00563412u) << color; }},
        {[](QDialog*) {},
         [&] {
             EXPECT_EQ(Sibling::Call_dlg100(&owner, 1, zeroMode, shift, fillZero), 1);
             EXPECT_EQ(std::tuple(zeroMode, shift, fillZero), std::tuple(3, 0, 1));
         }},
        {[](QDialog*) {}, [&] { EXPECT_TRUE(Sibling::Call_dlg111(&owner, date) && date.year == 2019 && date.dayOfWeek == 3); }},
        // The information box is plain text with its CR LF line ends as breaks.
        {[&](QDialog* d) { shown = d->property("text").toString() + d->property("textFormat").toString(); },
         [&] {
             Sibling::Call_dlg110(&owner, QStringLiteral("型番：<b>運賃表示器</b>\r\n版：2\r\n"));
             EXPECT_EQ(shown, QStringLiteral("型番：<b>運賃表示器</b>\n版：2\nPlainText"));
         }},
    };
    for (const auto& [drive, call] : rows) {
        ModalDriver driver([&](QDialog* dialog) {
            EXPECT_EQ(dialog->parentWidget(), &owner);
            drive(dialog);
            dialog->accept();
        });
        call();
    }
}

TEST_F(SiblingCalls, PlugInsAreReachedThroughTheirJapanesePath) {
    PlgInfo info{};
    info.InfoHead = 0x55;
    EXPECT_EQ(Sibling::ZF4_GetPlgInfo(plugin + "x", info), 0);
    EXPECT_EQ(info.InfoHead, 0);  // zeroed first, usable or not
    ASSERT_EQ(Sibling::ZF4_GetPlgInfo(plugin, info), 1);
    EXPECT_EQ(info.PrevWidth, 3300);
    QPlainTextEdit remarks;
    QComboBox companies;
    Sibling::ZF4_SetPlgComment(plugin, &remarks);
    Sibling::ZF4_SetCorpAddList(plugin, &companies);
    EXPECT_TRUE(remarks.toPlainText().startsWith(QStringLiteral("星見坂交通の整理券")));
    EXPECT_EQ(companies.count(), 3);
    // The same ticket as one drawn beside it from the code page 932 bytes.
    QImage image(440, 116, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    Sibling::ZF4_DrawSeiriken(plugin, &painter, "市民病院前", "05-13-2024", "14:05:09", 121, 7, 5, 2);
    painter.translate(220, 0);
    ::ZF4_DrawSeiriken(cp932::encode(plugin).constData(), &painter, "\x8E\x73\x96\xAF\x95\x61\x89\x40\x91\x4F",
                       "05-13-2024", "14:05:09", 121, 7, 5, 2);
    EXPECT_EQ(image.copy(0, 0, 220, 116), image.copy(220, 0, 220, 116));
}

}  // namespace
