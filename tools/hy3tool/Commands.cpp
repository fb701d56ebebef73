#include "hy3tool/Commands.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <optional>
#include <vector>

#include "hy3tool/BroadcastCheck.h"
#include "hy3tool/Console.h"
#include "formats/Cp932.h"
#include "hy3tool/CsvText.h"
#include "hy3tool/FareCheck.h"
#include "hy3tool/FareCsv.h"
#include "formats/FareFile.h"
#include "formats/FareFileWriter.h"
#include "hy3tool/FareTable.h"

namespace hy3tool {
namespace {

std::optional<QByteArray> readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        printMessage(QStringLiteral("%1: cannot be read: %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        printMessage(QStringLiteral("%1: cannot be read: %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    return bytes;
}

// All or nothing: the file appears only once it is written whole.
bool saveFile(const QString& path, QByteArrayView bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), bytes.size()) != bytes.size() || !file.commit()) {
        printMessage(QStringLiteral("%1: cannot be written: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

void printProblems(const QString& path, const QString& unit, const Problems& problems) {
    for (const Problem& p : problems)
        printMessage(p.at == 0 ? QStringLiteral("%1: %2").arg(path, p.text)
                               : QStringLiteral("%1: %2 %3: %4").arg(path, unit).arg(p.at).arg(p.text));
}

// The stops of a fare file the reader reads whole; nothing, with the reason
// told, when it does not.
std::optional<std::vector<StopRecord>> readStops(const QString& path, QByteArrayView bytes) {
    const std::optional<qint16> count = fare_file::readCount(bytes);
    if (!count || *count < 1) {
        printMessage(count ? QStringLiteral("%1: no stops (the record count is %2)").arg(path).arg(*count)
                           : QStringLiteral("%1: the file ends before the record count").arg(path));
        return std::nullopt;
    }
    fare_file::Records records = fare_file::readRecords(bytes, *count);
    if (records.truncatedAt != 0) {
        printMessage(QStringLiteral("%1: the file ends inside record %2 of %3")
                         .arg(path)
                         .arg(records.truncatedAt)
                         .arg(*count));
        return std::nullopt;
    }
    return std::move(records.stops);
}

enum class DataKind { Fares, Broadcast };

// Broadcast data by name, as the program finds it ("12tp.csv", "12Tp.csv");
// fare data by its extension; anything else by what the fare reader makes of it.
DataKind kindOf(const QString& path, QByteArrayView bytes) {
    const QString name = QFileInfo(path).fileName();
    if (name.endsWith(QStringLiteral("tp.csv"), Qt::CaseInsensitive)) return DataKind::Broadcast;
    if (name.endsWith(QStringLiteral(".hy3"), Qt::CaseInsensitive)) return DataKind::Fares;
    const std::optional<qint16> count = fare_file::readCount(bytes);
    const bool readsAsFares = count && *count > 0 && fare_file::readRecords(bytes, *count).truncatedAt == 0;
    return readsAsFares || bytes.contains('\0') ? DataKind::Fares : DataKind::Broadcast;
}

}  // namespace

int importCsv(const QString& csvPath, const QString& farePath) {
    const std::optional<QByteArray> bytes = readFile(csvPath);
    if (!bytes) return UsageOrFileError;
    const csv_text::Decoded decoded = csv_text::decode(*bytes);
    if (!decoded.problems.empty()) {
        printProblems(csvPath, QStringLiteral("line"), decoded.problems);
        return DataProblems;
    }
    const fare_csv::Imported imported = fare_csv::read(decoded.text);
    if (!imported.problems.empty()) {
        printProblems(csvPath, QStringLiteral("line"), imported.problems);
        printMessage(QStringLiteral("%1: nothing written").arg(farePath));
        return DataProblems;
    }
    // Import has refused every stop the writer could not write.
    const std::optional<QByteArray> file = fare_file::write(imported.stops);
    return file && saveFile(farePath, *file) ? Done : UsageOrFileError;
}

int exportCsv(const QString& farePath, const QString& csvPath, bool cp932) {
    const std::optional<QByteArray> bytes = readFile(farePath);
    if (!bytes) return UsageOrFileError;
    const std::optional<std::vector<StopRecord>> stops = readStops(farePath, *bytes);
    if (!stops) return DataProblems;
    if (fare_file::write(*stops) != *bytes)
        printMessage(QStringLiteral("%1: warning: importing the table will not give this file back byte for byte; "
                                    "hy3tool check says why")
                         .arg(farePath));
    const QString table = fare_csv::write(*stops);
    const QByteArray out = cp932 ? cp932::encode(table) : table.toUtf8();
    if (csvPath.isEmpty()) {
        writeOutput(out);
        return Done;
    }
    return saveFile(csvPath, out) ? Done : UsageOrFileError;
}

int check(const QString& path) {
    const std::optional<QByteArray> bytes = readFile(path);
    if (!bytes) return UsageOrFileError;
    const bool broadcast = kindOf(path, *bytes) == DataKind::Broadcast;
    const Problems problems = broadcast ? broadcast_check::check(*bytes) : fare_check::check(*bytes);
    printProblems(path, broadcast ? QStringLiteral("line") : QStringLiteral("record"), problems);
    const QString kind = broadcast ? QStringLiteral("broadcast data") : QStringLiteral("fare data");
    const auto failing = std::count_if(problems.begin(), problems.end(), [](const Problem& p) { return !p.warning; });
    if (failing == 0) {
        printMessage(problems.empty() ? QStringLiteral("%1: no problems (%2)").arg(path, kind)
                                      : QStringLiteral("%1: no problems, %2 warning(s) (%3)")
                                            .arg(path)
                                            .arg(problems.size())
                                            .arg(kind));
        return Done;
    }
    printMessage(QStringLiteral("%1: %2 problem(s) in this %3").arg(path).arg(failing).arg(kind));
    return DataProblems;
}

int show(const QString& farePath) {
    const std::optional<QByteArray> bytes = readFile(farePath);
    if (!bytes) return UsageOrFileError;
    const std::optional<std::vector<StopRecord>> stops = readStops(farePath, *bytes);
    if (!stops) return DataProblems;
    writeOutput(fare_table::render(*stops).toUtf8());
    return Done;
}

}  // namespace hy3tool
