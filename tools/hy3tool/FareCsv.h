#pragma once

#include <QString>
#include <QStringView>

#include <span>
#include <vector>

#include "formats/Problem.h"
#include "formats/StopTable.h"

// Fare tables as CSV for data authors: one row per stop, in stop order, with
// the stop name, the ticket number and the fares of columns 1, 2, 3 ...
namespace fare_csv {

// The header export writes; import knows a header by its having no number
// after the first field, as a stop row always has its ticket number there.
inline const QString kNameHeading = QStringLiteral("停留所名");
inline const QString kTicketHeading = QStringLiteral("整理券番号");
inline const QString kFareHeading = QStringLiteral("運賃%1");

struct Imported {
    std::vector<StopRecord> stops;
    // By line; the stops are usable only when there are none.
    Problems problems;
};

Imported read(QStringView text);

// The fare columns export writes: up to the last one that holds a fare other
// than 0 at any stop, so that import, which takes missing fares as 0, gives
// back the same stops.
int fareColumns(std::span<const StopRecord> stops);

// A header and one row per stop, lines ending in LF.
QString write(std::span<const StopRecord> stops);

}  // namespace fare_csv
