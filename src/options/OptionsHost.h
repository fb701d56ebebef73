#pragma once

#include "board/BoardOptions.h"

class QComboBox;
class QWidget;

// What the options dialog asks of the operation panel, and nothing more:
// the dialog does not reach into the panel's widgets.
class OptionsHost {
public:
    virtual ~OptionsHost() = default;
    // The backlight state chosen on the panel; None when no state is chosen.
    virtual Backlight selectedBacklight() const = 0;
    // Chooses the selected state again, so the board's face and captions
    // follow options just changed.
    virtual void reapplyBacklight() = 0;
    // The surface the ticket preview is drawn on; a plug-in sizes it.
    virtual QWidget& ticketPreview() = 0;
    // The list of company names a plug-in may offer.
    virtual QComboBox& companyList() = 0;
};
