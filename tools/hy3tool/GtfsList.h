#pragma once

#include <QString>

#include "formats/gtfs/Feed.h"

// The routes of a feed and their trip patterns, for a person choosing one to
// import, or tab-separated for a program.
namespace gtfs_list {

QString render(const gtfs::Feed& feed, bool tabSeparated);

}  // namespace gtfs_list
