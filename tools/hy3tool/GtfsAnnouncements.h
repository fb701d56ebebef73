#pragma once

#include <QString>
#include <QStringList>

#include <vector>

#include "formats/BroadcastFile.h"

// The broadcast data of a trip pattern: a welcome naming where the bus goes,
// one announcement of the next stop for every stop after the first, each
// stepping the board there, and a farewell.
namespace gtfs_announcements {

std::vector<broadcast_file::TapeRow> forStops(const QStringList& names, const QString& destination);

}  // namespace gtfs_announcements
