#include "hy3tool/FareCheck.h"

#include <QStringList>

#include "hy3tool/Cp932Text.h"
#include "formats/FareFile.h"
#include "formats/FareFileWriter.h"
#include "formats/StopTable.h"

namespace fare_check {
namespace {

constexpr qsizetype kCountBytes = 2;
constexpr qsizetype kNameOffset = 2;

Problems countProblems(int count) {
    if (count < 0) return {{0, QStringLiteral("the record count %1 is negative").arg(count)}};
    if (count == 0) return {{0, QStringLiteral("the record count is 0: the route has no stops")}};
    if (count == 1)
        return {{0, QStringLiteral("the record count is 1: a route of one stop can never be set, the start "
                                   "section needs a stop after it")}};
    if (count > StopTable::kStopCount)
        return {{0, QStringLiteral("the record count %1 is more than the %2 stops the program holds")
                        .arg(count)
                        .arg(StopTable::kStopCount)}};
    return {};
}

void checkValues(int record, const StopRecord& stop, Problems& problems) {
    // The program loads it and shows no name; worth a look, not a refusal.
    if (stop.Chimei.trimmed().isEmpty())
        problems.push_back({record, QStringLiteral("warning: the stop name is empty"), true});
    if (stop.SeiriNum < 0 || stop.SeiriNum > kMaxTicket)
        problems.push_back(
            {record, QStringLiteral("ticket number %1 is outside 0 to %2").arg(stop.SeiriNum).arg(kMaxTicket)});
    QStringList outside;
    for (int column = 1; column <= StopRecord::kFareCount; ++column) {
        const int fare = stop.Fare(column);
        if (fare != kNoFare && (fare < 0 || fare > kMaxFare))
            outside << QStringLiteral("column %1 (%2)").arg(column).arg(fare);
    }
    if (!outside.isEmpty())
        problems.push_back({record, QStringLiteral("fares outside 0 to %1 (-1 for none): %2")
                                        .arg(kMaxFare)
                                        .arg(outside.join(QStringLiteral(", ")))});
}

// The length of the record at `offset`, which the reader has read whole. The
// reader tells where a record ends only by refusing a view that cuts it
// short, so the shortest view it accepts ends with the record; the two bytes
// before the record stand in for the count, which the reader does not read.
qsizetype recordLength(QByteArrayView file, qsizetype offset) {
    const QByteArrayView from = file.sliced(offset - kCountBytes);
    qsizetype shortest = fare_file::kRecordBytesWithoutName, longest = from.size() - kCountBytes;
    while (shortest < longest) {
        const qsizetype middle = shortest + (longest - shortest) / 2;
        if (fare_file::readRecords(from.first(kCountBytes + middle), 1).truncatedAt == 0)
            longest = middle;
        else
            shortest = middle + 1;
    }
    return shortest;
}

void checkNameBytes(int record, QByteArrayView name, Problems& problems) {
    const cp932_text::Reading reading = cp932_text::examine(name);
    QStringList unreadable;
    for (const cp932_text::StoredCharacter& c : reading.undecodable)
        unreadable << QStringLiteral("%1 at name byte %2").arg(cp932_text::hex(c.stored)).arg(c.offset);
    if (!unreadable.isEmpty())
        problems.push_back({record, QStringLiteral("the name holds bytes that are no code page 932 character "
                                                   "(shown as ・): %1")
                                        .arg(unreadable.join(QStringLiteral(", ")))});
    for (const cp932_text::StoredCharacter& c : reading.nonStandard)
        problems.push_back({record, QStringLiteral("the name stores %1 as %2; export and import write it as %3")
                                        .arg(c.character, cp932_text::hex(c.stored), cp932_text::hex(c.standard))});
}

// Checks each record read, and compares it with what the writer makes of
// it: a record that differs has a name whose bytes are not how its text is
// written. Returns where the last record read ends.
qsizetype checkRecords(QByteArrayView file, const std::vector<StopRecord>& stops, Problems& problems) {
    qsizetype offset = kCountBytes;
    for (size_t i = 0; i < stops.size(); ++i) {
        const int record = int(i + 1);
        checkValues(record, stops[i], problems);
        const std::optional<QByteArray> written = fare_file::writeRecord(stops[i]);
        if (written && file.sliced(offset).startsWith(*written)) {
            offset += written->size();
            continue;
        }
        const qsizetype length = recordLength(file, offset);
        checkNameBytes(record, file.sliced(offset + kNameOffset, length - fare_file::kRecordBytesWithoutName),
                       problems);
        offset += length;
    }
    return offset;
}

}  // namespace

Problems check(QByteArrayView file) {
    const std::optional<qint16> count = fare_file::readCount(file);
    if (!count)
        return {{0, QStringLiteral("the file ends before the record count (it holds %1 bytes)").arg(file.size())}};
    Problems problems = countProblems(*count);
    if (*count < 0) return problems;

    const fare_file::Records records = fare_file::readRecords(file, *count);
    const qsizetype end = checkRecords(file, records.stops, problems);
    if (records.truncatedAt != 0)
        problems.push_back({records.truncatedAt, QStringLiteral("the file ends inside this record; the count "
                                                                "announces %1 stops")
                                                     .arg(*count)});
    else if (end < file.size())
        problems.push_back({0, QStringLiteral("%1 bytes follow the last record; the program ignores them and "
                                              "export leaves them out")
                                   .arg(file.size() - end)});
    return problems;
}

}  // namespace fare_check
