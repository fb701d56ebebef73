#pragma once

#include <QString>

// Where a route's files are: both are named by the route's number, and both
// are found whatever the letter case of the name on disk ("12.HY3" and
// "12Tp.csv" as files copied from Windows often come).
namespace route_files {

// The value of the route text's leading digits (blanks before them skipped)
// in plain decimal: "00012" gives "12", a text without digits "0".
QString number(const QString& routeText);

// The fare file "<number>.hy3" in the fare data folder.
QString fareFile(const QString& folder, const QString& routeText);
// The broadcast data file "<number>tp.csv" in the broadcast data folder.
QString broadcastFile(const QString& folder, const QString& routeText);
// How the announcements read names, "readings.csv" in the broadcast data
// folder, one for all its routes.
QString readingsFile(const QString& folder);

}  // namespace route_files
