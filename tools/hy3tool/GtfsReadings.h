#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

#include "formats/gtfs/Feed.h"
#include "formats/gtfs/FeedProblem.h"

// The readings of names a feed gives, for readings.csv beside the broadcast
// data: the readings of every text a name holds (a whole stop name, or a
// part such as 川崎駅西口 in 川崎駅西口59番のりば), merged into what the file
// already says.
namespace gtfs_readings {

// `existing`: the file as it is, empty when there is none. Its lines stay as
// they are, the user's corrections included; names it does not have yet are
// added at the end; `existing` itself when there are none. Nothing when it is
// not text the merge can keep.
std::optional<QByteArray> merge(const gtfs::Feed& feed, const QStringList& names, const QByteArray& existing,
                                FeedProblems& problems);

}  // namespace gtfs_readings
