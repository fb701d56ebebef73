#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>
#include <vector>

#include "formats/StopTable.h"

// The fare data file: a 16-bit record count, then that many stop records of a
// 16-bit name length, the name in code page 932, a 16-bit ticket number and
// 150 16-bit fares, all little-endian. Bytes after the last record are ignored.
namespace fare_file {

// The count at the start of the file; nothing when the file is too short.
std::optional<qint16> readCount(QByteArrayView file);

struct Records {
    std::vector<StopRecord> stops;
    // When the file ends inside a record: that record's number, from 1.
    int truncatedAt = 0;
};

// Reads `count` records after the count. Reading stops at the first record the
// file does not hold in full.
Records readRecords(QByteArrayView file, int count);

}  // namespace fare_file
