#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <cstring>

#include "formats/Cp932.h"
#include "sibling/Sibling.h"

namespace {

// The sample plug-in under a folder and file name that only code page 932
// can carry across.
class SiblingTicket : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("整理券")));
        path = dir.filePath(QStringLiteral("整理券/星見坂交通.4SP"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(SAMPLE_PLUGINS_DIR "/hoshimizaka.4SP"), path));
    }

    QImage drawn(const QString& stopName) const {
        QImage image(220, 116, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        Sibling::ZF4_DrawSeiriken(path, &painter, stopName, QStringLiteral("05-13-2024"), QStringLiteral("14:05:09"), 121, 5,
                                  5, 2);
        return image;
    }

    QTemporaryDir dir;
    QString path;
};

TEST_F(SiblingTicket, ReachesThePlugInThroughAJapanesePath) {
    PlgInfo info;
    std::memset(&info, 0x55, sizeof info);  // the wrapper zeroes it
    ASSERT_NE(Sibling::ZF4_GetPlgInfo(path, info), 0);
    EXPECT_EQ(info.PrevWidth, 3300);
    EXPECT_EQ(info.BarcodeCount, 2);
    EXPECT_EQ(info.CorpSwitch, 1);
    EXPECT_EQ(Sibling::ZF4_GetPlgInfo(dir.filePath(QStringLiteral("整理券/無い.4SP")), info), 0);

    QPlainTextEdit remarks;
    Sibling::ZF4_SetPlgComment(path, &remarks);
    EXPECT_TRUE(remarks.toPlainText().startsWith(QStringLiteral("星見坂交通の整理券")));
    QComboBox companies;
    Sibling::ZF4_SetCorpAddList(path, &companies);
    ASSERT_EQ(companies.count(), 3);
    EXPECT_EQ(companies.itemText(1), QStringLiteral("星見坂交通 北営業所"));
}

TEST_F(SiblingTicket, DrawsTheStopNameItIsGiven) {
    // The library reads code page 932 bytes; the wrapper's ticket is the one
    // drawn from those bytes directly, and another name gives another ticket.
    QImage direct(220, 116, QImage::Format_RGB32);
    direct.fill(Qt::white);
    QPainter painter(&direct);
    ::ZF4_DrawSeiriken(cp932::encode(path).constData(), &painter, "\x8E\x73\x96\xAF\x95\x61\x89\x40\x91\x4F",
                       "05-13-2024", "14:05:09", 121, 5, 5, 2);
    painter.end();
    const QImage ticket = drawn(QStringLiteral("市民病院前"));
    EXPECT_EQ(ticket, direct);
    EXPECT_NE(ticket, drawn(QStringLiteral("市民会館前")));
}

}  // namespace
