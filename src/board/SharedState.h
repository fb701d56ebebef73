#pragma once

#include <QString>

#include "formats/FormInfo.h"
#include "formats/Options.h"
#include "fares/RouteState.h"
#include "formats/StopTable.h"

// What the windows share for the whole run, created once at start-up.
struct SharedState {
    RouteState route;
    StopTable stops;
    Options options;
    FormInfo formInfo;
    // The date kept at route setting for the ticket date option.
    QString RouteDate;
    // True when the board model has no stop-name display.
    bool NoChimei = false;
};
