#include "fares/LoadFareData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "fares/DataIo.h"
#include "formats/FareFile.h"
#include "fares/RouteFiles.h"
#include "formats/RuntimeError.h"

namespace {

const QString kNoData = QStringLiteral("指定した系統のデータがありません...");
const QString kNoRecords = QStringLiteral("指定した系統はデータの数が0(未登録)の可能性があります...");
const QString kSectionTooLarge =
    QStringLiteral("指定した区間はデータの数よりも多いです...\n  解決法：正しい区間を入力して下さい.");

// The runtime's description first, then what went wrong with which file.
QString runtimeMessage(int number, const QString& detail = QString()) {
    const QString description = runtime_error::description(number);
    return detail.isEmpty() ? description : description + u'\n' + detail;
}

int openErrorNumber(const QFileInfo& info) {
    // A missing folder is a missing path, not a missing route.
    if (!info.exists()) return info.dir().exists() ? runtime_error::FileNotFound : runtime_error::PathNotFound;
    if (info.isDir() || !info.isReadable()) return runtime_error::PathFileAccessError;
    return runtime_error::DeviceIoError;
}

}  // namespace

bool LoadFareData(const QString& folder, const QString& routeText, int startSection, RouteState& route,
                  StopTable& table, MessageReporter& messages) {
    const auto fail = [&messages](const QString& text) {
        messages.report({text});
        return false;
    };
    const QString path = route_files::fareFile(folder, routeText);
    const QFileInfo info(path);
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        const int number = openErrorNumber(info);
        return fail(number == runtime_error::FileNotFound ? kNoData : runtimeMessage(number, path));
    }
    const QByteArray bytes = file.readAll();
    const bool readFailed = file.error() != QFileDevice::NoError;
    file.close();
    if (readFailed) return fail(runtimeMessage(runtime_error::DeviceIoError, path));
    return LoadFareBytes(bytes, path, startSection, route, table, messages);
}

bool LoadFareBytes(const QByteArray& bytes, const QString& path, int startSection, RouteState& route,
                   StopTable& table, MessageReporter& messages) {
    const auto fail = [&messages](const QString& text) {
        messages.report({text});
        return false;
    };

    const std::optional<qint16> count = fare_file::readCount(bytes);
    if (!count)
        return fail(runtimeMessage(runtime_error::InputPastEndOfFile,
                                   QStringLiteral("運賃データ「%1」に停留所の数が書かれていません。").arg(path)));
    route.StopCount = *count;
    const int n = *count;
    if (n == 0) return fail(kNoRecords);
    // The start section must leave at least one stop after it.
    if (n - 1 < startSection) return fail(kSectionTooLarge);
    if (n > StopTable::kStopCount)
        return fail(runtimeMessage(
            runtime_error::SubscriptOutOfRange,
            QStringLiteral("運賃データ「%1」の停留所の数 %2 は、扱える数 %3 を超えています。")
                .arg(path)
                .arg(n)
                .arg(StopTable::kStopCount)));

    // Everything is read before anything changes, so a refused file leaves
    // the previous route whole.
    const fare_file::Records records = fare_file::readRecords(bytes, n);
    if (records.truncatedAt != 0)
        return fail(runtimeMessage(runtime_error::InputPastEndOfFile,
                                   QStringLiteral("運賃データ「%1」は %2 番目の停留所の途中で終わっています。")
                                       .arg(path)
                                       .arg(records.truncatedAt)));

    route.CurIndex = static_cast<qint16>(startSection - 1);
    ClearStopData(table);
    for (int g = 1; g <= n; ++g) {
        const StopRecord& stop = records.stops[static_cast<size_t>(g - 1)];
        SetStopData(table, g, 1, stop.Chimei);
        SetStopData(table, g, 2, stop.SeiriNum);
        for (int c = 3; c <= 2 + StopRecord::kFareCount; ++c) SetStopData(table, g, c, stop.Fare(c - 2));
    }
    return true;
}
