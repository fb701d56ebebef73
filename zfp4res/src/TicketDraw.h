#pragma once

#include <QString>

#include "zfp4res/src/TicketPlugin.h"

class QPainter;

namespace ticket {

// What the panel asks one ticket to be drawn for.
struct DrawRequest {
    QString stopName;
    QString dateText;  // mm-dd-yyyy
    QString timeText;  // hh:mm:ss
    int route = 0;
    int ticket = 0;
    int stopNo = 0;
    int companyIndex = -1;  // -1: none chosen
};

// Whether an element with `show` is drawn for this route and stop.
bool isShown(Show show, bool routeInRange, bool stopInRange);

// Draws the ticket with its top-left corner at the painter's origin, a
// painter unit being 15 twips (a pixel of an unscaled painter). Nothing is
// drawn outside the ticket, and the painter's state is left as it was.
void drawTicket(QPainter& painter, const Plugin& plugin, const DrawRequest& request);

}  // namespace ticket
