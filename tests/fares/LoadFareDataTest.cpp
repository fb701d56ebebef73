#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "tests/fares/FareFileBytes.h"
#include "fares/LoadFareData.h"
#include "tests/support/RecordingReporter.h"
#include "formats/RuntimeError.h"

namespace {

// Stop i of every test route: named Si, ticket number i, Fare(k) = 100 * i + k.
StopRecord stopOf(int i) {
    StopRecord stop{QStringLiteral("S%1").arg(i), qint16(i), {}};
    for (int k = 1; k <= StopRecord::kFareCount; ++k) stop.fares[size_t(k - 1)] = qint16(100 * i + k);
    return stop;
}

QByteArray routeOf(int n) {
    FareFileBytes file(n);
    for (int i = 1; i <= n; ++i) {
        const StopRecord stop = stopOf(i);
        file.stop("S" + QByteArray::number(i), i, {stop.fares.begin(), stop.fares.end()});
    }
    return file.bytes();
}

TEST(LoadFareData, LoadsWholeRoutesAndRefusalsSayWhyAndKeepThePreviousRoute) {
    QTemporaryDir dir;
    const QByteArray four = routeOf(4);
    // "13.HY3" as files copied from Windows often come.
    for (const auto& [name, bytes] : {std::pair{"301.hy3", routeOf(301)}, {"12.hy3", routeOf(5)}, {"13.HY3", four},
                                      {"0.hy3", routeOf(3)}, {"1.hy3", routeOf(1)}, {"9.hy3", FareFileBytes(-3).bytes()},
                                      {"2.hy3", FareFileBytes(0).bytes()}, {"302.hy3", routeOf(302)}, {"41.hy3", four.left(1)},
                                      {"44.hy3", four.chopped(1)}}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    QDir(dir.path()).mkdir("8.hy3");
    RouteState state;
    StopTable table;
    RecordingReporter messages;
    using namespace runtime_error;
    const QString kSection = u"指定した区間はデータの数よりも多いです...\n  解決法：正しい区間を入力して下さい."_qs;
    const auto in = [&dir](const char* name) { return dir.filePath(name); };
    // Folder (%1: the test folder; empty: the current one), route, start section;
    // for a refusal the message's start and a file it names; the stop count after.
    const struct { QString folder, route; int section; QString message, names; int count; } loads[] = {
        {"%1", "301", 300, {}, {}, 301},
        {"%1/", "00012", 2, {}, {}, 5},
        {"%1\\", "013", 3, {}, {}, 4},
        {"%1", "", 1, {}, {}, 3},
        {"", "12", 4, {}, {}, 5},
        {"%1", "404", 1, u"指定した系統のデータがありません..."_qs, {}, 5},
        {"%1/none", "404", 1, description(PathNotFound) + "\n" + in("none/404.hy3"), {}, 5},
        {"%1", "8", 1, description(PathFileAccessError), in("8.hy3"), 5},
        {"%1", "12", 5, kSection, {}, 5},
        {"%1", "1", 1, kSection, {}, 1},
        {"%1", "9", 1, kSection, {}, -3},
        {"%1", "2", 1, u"指定した系統はデータの数が0(未登録)の可能性があります..."_qs, {}, 0},
        {"%1", "302", 1, description(SubscriptOutOfRange), in("302.hy3"), 302},
        {"%1", "41", 1, description(InputPastEndOfFile), in("41.hy3"), 302},
        {"%1", "44", 1, description(InputPastEndOfFile), in("44.hy3"), 4},
    };
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    for (const auto& [folder, route, section, message, names, count] : loads) {
        SCOPED_TRACE(folder.toStdString() + " " + route.toStdString() + " " + std::to_string(section));
        const StopTable previous = table;
        const int previousIndex = state.CurIndex;
        messages.messages.clear();
        const bool loaded = LoadFareData(QString(folder).replace("%1", dir.path()), route, section, state, table, messages);
        const QString said = messages.messages.empty() ? QString() : messages.messages.front().text;
        EXPECT_EQ(loaded, message.isEmpty()) << said.toStdString();
        EXPECT_EQ(messages.messages.size(), loaded ? 0u : 1u);
        EXPECT_TRUE(said.startsWith(message) && said.contains(names)) << said.toStdString();
        EXPECT_EQ(state.StopCount, count);
        // A route loads whole, leaving nothing of a longer one behind; a refused
        // one leaves the previous route as it was.
        EXPECT_EQ(state.CurIndex, loaded ? section - 1 : previousIndex);
        for (int stop = 1; stop <= StopTable::kStopCount; ++stop)
            ASSERT_EQ(table[stop], !loaded ? previous[stop] : stop <= count ? stopOf(stop) : StopRecord{}) << stop;
    }
    QDir::setCurrent(before);
}

}  // namespace
