#pragma once

#include <QString>

#include "formats/RuntimeError.h"
#include "formats/StopTable.h"

// Writes into the stop table by column, the way the fare file and the options
// count: column 1 the name, 2 the ticket number, 3..152 the fares 1..150.
// Each returns 0, or the runtime error number of the failure (a stop or
// column out of range is a subscript error; a number that does not fit is an
// overflow; a text that is not a number is a type mismatch).
namespace data_io {
constexpr int kNameColumn = 1;
constexpr int kTicketColumn = 2;
constexpr int kFirstFareColumn = 3;
constexpr int kLastColumn = kFirstFareColumn + StopRecord::kFareCount - 1;

inline bool isCell(int stop, int column) {
    return StopTable::isStop(stop) && column >= kNameColumn && column <= kLastColumn;
}
}  // namespace data_io

// Inline: a route load stores some 45,000 values through it.
inline int SetStopData(StopTable& table, int stop, int column, qint16 value) {
    using namespace data_io;
    if (!isCell(stop, column)) return runtime_error::SubscriptOutOfRange;
    StopRecord& record = table[stop];
    if (column >= kFirstFareColumn)
        record.fares[static_cast<size_t>(column - kFirstFareColumn)] = value;
    else if (column == kTicketColumn)
        record.SeiriNum = value;
    else
        record.Chimei = QString::number(value);
    return 0;
}

int SetStopData(StopTable& table, int stop, int column, const QString& value);

// Empties all 301 entries.
void ClearStopData(StopTable& table);
