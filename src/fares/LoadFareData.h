#pragma once

#include <QString>

#include "platform/MessageReporter.h"
#include "fares/RouteState.h"
#include "formats/StopTable.h"

// Reads the fare file of `routeText` from `folder` into the stop table and
// makes `startSection` the current stop. The caller has already stored the
// route number and start section and clamped the section to 1..300.
//
// On failure the user has been told why and the table and current stop are
// those of the previous route; the record count is that of the file when it
// could be read.
bool LoadFareData(const QString& folder, const QString& routeText, int startSection, RouteState& route,
                  StopTable& table, MessageReporter& messages);

// The same once the file is in memory; `path` names the file in messages.
bool LoadFareBytes(const QByteArray& bytes, const QString& path, int startSection, RouteState& route,
                   StopTable& table, MessageReporter& messages);
