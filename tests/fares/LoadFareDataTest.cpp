#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "FareFileBytes.h"
#include "LoadFareData.h"
#include "RecordingReporter.h"
#include "RuntimeError.h"

namespace {

const QString kNoData = QStringLiteral("指定した系統のデータがありません...");
const QString kNoRecords = QStringLiteral("指定した系統はデータの数が0(未登録)の可能性があります...");
const QString kSection = QStringLiteral("指定した区間はデータの数よりも多いです...\n  解決法：正しい区間を入力して下さい.");

// n stops named S1..Sn with ticket number i and Fare(k) = 100 * i + k.
QByteArray routeOf(int n) {
    FareFileBytes file(n);
    for (int i = 1; i <= n; ++i) {
        std::vector<int> fares;
        for (int k = 1; k <= 150; ++k) fares.push_back(100 * i + k);
        file.stop("S" + QByteArray::number(i), i, fares);
    }
    return file.bytes();
}

class LoadFareDataTest : public ::testing::Test {
protected:
    void write(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    bool load(const QString& route, int section, const QString& folder = QString()) {
        messages.messages.clear();
        return LoadFareData(folder.isNull() ? dir.path() : folder, route, section, state, table, messages);
    }
    QString onlyMessage() const {
        return messages.messages.size() == 1 ? messages.messages.front().text : QStringLiteral("<%1 messages>").arg(messages.messages.size());
    }
    // A previous route the failures must leave alone.
    void loadPreviousRoute() {
        write("77.hy3", routeOf(10));
        ASSERT_TRUE(load("77", 3));
        previous = table;
    }
    void expectPreviousRouteKept() {
        EXPECT_EQ(state.CurIndex, 2);
        for (int stop = 1; stop <= StopTable::kStopCount; ++stop) ASSERT_EQ(table[stop], previous[stop]) << stop;
    }

    QTemporaryDir dir;
    RouteState state;
    StopTable table;
    StopTable previous;
    RecordingReporter messages;
};

TEST_F(LoadFareDataTest, LoadsTheRouteAndStartsAtTheSection) {
    write("12.hy3", routeOf(5));
    for (const char* route : {"00012", "12"}) {
        ASSERT_TRUE(load(route, 2)) << route << onlyMessage().toStdString();
        EXPECT_TRUE(messages.messages.empty());
        EXPECT_EQ(state.StopCount, 5);
        EXPECT_EQ(state.CurIndex, 1);
        EXPECT_EQ(table[1].Chimei, "S1");
        EXPECT_EQ(table[5].SeiriNum, 5);
        EXPECT_EQ(table[5].Fare(150), 650);
        EXPECT_EQ(table[6], StopRecord{});
    }
}

TEST_F(LoadFareDataTest, FolderWithOrWithoutTrailingSeparatorAndEmptyRoute) {
    write("12.hy3", routeOf(3));
    write("0.hy3", routeOf(4));
    EXPECT_TRUE(load("12", 1, dir.path()));
    EXPECT_TRUE(load("12", 1, dir.path() + "/"));
    EXPECT_TRUE(load("", 1));
    EXPECT_EQ(state.StopCount, 4);
}

TEST_F(LoadFareDataTest, FindsTheFileWhateverTheCaseOfItsName) {
    // As files copied from Windows often come; a folder written there ends in '\'.
    write("13.HY3", routeOf(4));
    EXPECT_TRUE(load("013", 1)) << onlyMessage().toStdString();
    EXPECT_EQ(state.StopCount, 4);
    EXPECT_TRUE(load("13", 1, dir.path() + "\\")) << onlyMessage().toStdString();
}

TEST_F(LoadFareDataTest, EmptyFolderTextIsRelativeToTheCurrentDirectory) {
    write("31.hy3", routeOf(3));
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const bool loaded = load("31", 1, QString(""));
    QDir::setCurrent(before);
    EXPECT_TRUE(loaded) << onlyMessage().toStdString();
}

TEST_F(LoadFareDataTest, StartSectionMustLeaveAStopAfterIt) {
    write("5.hy3", routeOf(5));
    for (int section = 1; section <= 4; ++section) EXPECT_TRUE(load("5", section)) << section;
    EXPECT_FALSE(load("5", 5));
    EXPECT_EQ(onlyMessage(), kSection);
    write("1.hy3", routeOf(1));
    EXPECT_FALSE(load("1", 1));
    EXPECT_EQ(onlyMessage(), kSection);
}

TEST_F(LoadFareDataTest, RefusalsKeepThePreviousRouteButTakeTheNewCount) {
    loadPreviousRoute();
    write("5.hy3", routeOf(5));
    EXPECT_FALSE(load("5", 5));
    EXPECT_EQ(state.StopCount, 5);
    expectPreviousRouteKept();

    write("0.hy3", FareFileBytes(0).bytes());
    EXPECT_FALSE(load("0", 1));
    EXPECT_EQ(onlyMessage(), kNoRecords);
    EXPECT_EQ(state.StopCount, 0);
    expectPreviousRouteKept();

    write("9.hy3", FareFileBytes(-3).bytes());
    EXPECT_FALSE(load("9", 1));
    EXPECT_EQ(onlyMessage(), kSection);
    EXPECT_EQ(state.StopCount, -3);
    expectPreviousRouteKept();
}

TEST_F(LoadFareDataTest, MissingFileAndMissingFolder) {
    loadPreviousRoute();
    EXPECT_FALSE(load("404", 1));
    EXPECT_EQ(onlyMessage(), kNoData);
    EXPECT_FALSE(load("404", 1, dir.filePath("no-such-folder")));
    EXPECT_EQ(onlyMessage(), runtime_error::description(runtime_error::PathNotFound) + "\n" +
                                 dir.filePath("no-such-folder") + "/404.hy3");
    QDir(dir.path()).mkdir("8.hy3");
    EXPECT_FALSE(load("8", 1));
    EXPECT_TRUE(onlyMessage().startsWith(runtime_error::description(runtime_error::PathFileAccessError)));
    expectPreviousRouteKept();
}

TEST_F(LoadFareDataTest, MoreThan301RecordsIsRefusedWithoutTouchingTheTable) {
    loadPreviousRoute();
    write("302.hy3", routeOf(302));
    EXPECT_FALSE(load("302", 1));
    const QString text = onlyMessage();
    EXPECT_TRUE(text.startsWith(runtime_error::description(runtime_error::SubscriptOutOfRange))) << text.toStdString();
    EXPECT_TRUE(text.contains(dir.filePath("302.hy3"))) << text.toStdString();
    EXPECT_EQ(state.StopCount, 302);
    expectPreviousRouteKept();

    write("301.hy3", routeOf(301));
    EXPECT_TRUE(load("301", 300));
    EXPECT_EQ(table[301].Chimei, "S301");
    EXPECT_EQ(state.CurIndex, 299);
}

TEST_F(LoadFareDataTest, ShortFilesAreRefusedNamingTheFile) {
    loadPreviousRoute();
    const QByteArray whole = routeOf(4);
    for (qsizetype size : {qsizetype(1), qsizetype(2), qsizetype(200), whole.size() - 1}) {
        write("4.hy3", whole.left(size));
        EXPECT_FALSE(load("4", 1)) << size;
        const QString text = onlyMessage();
        EXPECT_TRUE(text.startsWith(runtime_error::description(runtime_error::InputPastEndOfFile))) << text.toStdString();
        EXPECT_TRUE(text.contains(dir.filePath("4.hy3"))) << text.toStdString();
        expectPreviousRouteKept();
    }
}

TEST_F(LoadFareDataTest, ALoadReplacesTheWholeTable) {
    write("20.hy3", routeOf(20));
    ASSERT_TRUE(load("20", 1));
    write("3.hy3", FareFileBytes(3).stop("", 1, {-1, 0, 170}).stop("\x83\x41", 2).stop("B", 3).bytes());
    ASSERT_TRUE(load("3", 2));
    EXPECT_TRUE(table[1].Chimei.isEmpty());
    EXPECT_EQ(table[1].Fare(1), -1);
    EXPECT_EQ(table[1].Fare(3), 170);
    EXPECT_EQ(table[2].Chimei, QStringLiteral("ア"));
    for (int stop = 4; stop <= StopTable::kStopCount; ++stop) ASSERT_EQ(table[stop], StopRecord{}) << stop;
}

}  // namespace
