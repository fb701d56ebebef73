#pragma once

#include <QString>

#include "Options.h"
#include "RouteState.h"
#include "StopTable.h"

// The board window's saved position, in twips.
struct FormInfo {
    qint32 FormLeft = 0;
    qint32 FormTop = 0;
};

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
