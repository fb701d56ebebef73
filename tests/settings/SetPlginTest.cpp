#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTemporaryDir>

#include "SetPlgin.h"

namespace {

class SetPlginTest : public ::testing::Test {
protected:
    qint32 set(const QString& path) { return SetPlgin(path, list, remarks, preview, companies); }
    QStringList lines() const {
        QStringList out;
        for (int i = 0; i < list.count(); ++i) out << list.item(i)->text();
        return out;
    }
    static QString sample(const char* name) { return QStringLiteral(SAMPLE_PLUGINS_DIR "/") + QLatin1String(name); }

    QListWidget list;
    QPlainTextEdit remarks;
    QWidget preview;
    QComboBox companies;
};

TEST_F(SetPlginTest, DateAndStopNameOnlyGivesSixLines) {
    EXPECT_EQ(set(sample("kirigahara.4SP")), 2);
    EXPECT_EQ(lines(), QStringList({QStringLiteral("日付の印字 ---> 可能"), QStringLiteral("時刻の印字 ---> 不可"),
                                    QStringLiteral("系統番号の印字 ---> 不可"), QStringLiteral("停名の印字 ---> 可能"),
                                    QStringLiteral("バーコード印字 ---> 不可"), QStringLiteral("社名切り替え:---> 不可")}));
    EXPECT_TRUE(remarks.toPlainText().contains(QStringLiteral("霧ヶ原バスの整理券です。")));
    EXPECT_EQ(preview.size(), QSize(220, 93));
    EXPECT_EQ(companies.count(), 0);
}

TEST_F(SetPlginTest, BarcodePluginAddsItsFourLinesAndFillsCompanies) {
    EXPECT_EQ(set(sample("hoshimizaka.4SP")), 2);
    EXPECT_EQ(lines(), QStringList({QStringLiteral("日付の印字 ---> 可能"), QStringLiteral("時刻の印字 ---> 可能"),
                                    QStringLiteral("系統番号の印字 ---> 可能"), QStringLiteral("停名の印字 ---> 可能"),
                                    QStringLiteral("バーコード印字 ---> 可能"), QStringLiteral("バーコード本数 ---> 2"),
                                    QStringLiteral("バーコード系統方式 ---> 系統番号＋往復フラグ"),
                                    QStringLiteral("設定可能な系統範囲 ---> 1 ～ 999"),
                                    QStringLiteral("停留所認識範囲 ---> 1 ～ 99"),
                                    QStringLiteral("社名切り替え:---> 可能")}));
    EXPECT_EQ(preview.size(), QSize(220, 116));
    EXPECT_GT(companies.count(), 0);
}

TEST_F(SetPlginTest, EmptyOrRejectedPathReturnsZeroAndChangesNothing) {
    ASSERT_EQ(set(sample("kirigahara.4SP")), 2);
    companies.addItem(QStringLiteral("kept"));
    const QStringList before = lines();
    const QString remarksBefore = remarks.toPlainText();
    const QSize sizeBefore = preview.size();

    QTemporaryDir dir;
    QFile foreign(dir.filePath(QStringLiteral("foreign.4SP")));
    ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
    foreign.write("not a plug-in\n");
    foreign.close();
    for (const QString& path : {QString(), foreign.fileName(), dir.filePath(QStringLiteral("none.4SP"))}) {
        EXPECT_EQ(set(path), 0) << path.toStdString();
        EXPECT_EQ(lines(), before);
        EXPECT_EQ(remarks.toPlainText(), remarksBefore);
        EXPECT_EQ(preview.size(), sizeBefore);
        EXPECT_EQ(companies.count(), 1);
    }
}

}  // namespace
