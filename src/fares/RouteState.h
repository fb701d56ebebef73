#pragma once

#include <QString>
#include <QtGlobal>

// Which route is set and where the bus is on it.
struct RouteState {
    // The route number as entered: up to five digits, leading zeros kept.
    QString RouteNo;
    qint16 StartSection = 0;
    // The record count of the last fare file opened.
    qint16 StopCount = 0;
    // The current stop, counted from 0.
    qint16 CurIndex = 0;
};
