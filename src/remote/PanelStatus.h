#pragma once

#include <QString>

class frmCtl;
class mdlM_Tape;
struct SharedState;

// Where the bus is and what the panel is set to, as the panel's title and
// the remote control tell it.
struct PanelStatus {
    QString route, section;
    int stopNumber = 0;  // from 1; 0 before a route is set
    QString stopName;
    int stopCount = 0;
    int announcementLine = 0;  // from 1; 0 before the first
    QString announcementText;
    bool lateNight = false;
    QString backlight;  // "OFF", "ON1" or "ON2"
    bool displayOff = false;

    bool operator==(const PanelStatus&) const = default;

    static PanelStatus of(const frmCtl& panel, const SharedState& state, const mdlM_Tape& tape);
    // "集中操作盤  系統 12-1  3/25 市役所前  放送 4" ("集中操作盤" alone before a route).
    QString title() const;
};
