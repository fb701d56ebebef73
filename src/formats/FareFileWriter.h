#pragma once

#include <QByteArray>

#include <optional>
#include <span>

#include "formats/StopTable.h"

// Writes fare files in the layout fare_file::readRecords reads: a 16-bit
// record count, then per stop a 16-bit name length, the name in code page 932,
// the ticket number and the 150 fares, all little-endian.
namespace fare_file {

// A record without its name: length, ticket number and fares.
constexpr qsizetype kRecordBytesWithoutName = 2 + 2 + 2 * StopRecord::kFareCount;

// One stop record; nothing when the name takes more bytes than its 16-bit
// length can say.
std::optional<QByteArray> writeRecord(const StopRecord& stop);

// A whole file; nothing when there are more stops than the 16-bit count can
// say or a record cannot be written.
std::optional<QByteArray> write(std::span<const StopRecord> stops);

}  // namespace fare_file
