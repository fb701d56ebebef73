#pragma once

#include <QString>

// The announcement group grpM_Tape of the operation panel, as the
// announcements switch it.
class TapeControls {
public:
    virtual ~TapeControls() = default;
    virtual void setTapeGroupEnabled(bool enabled) = 0;
    virtual void setTapeGroupCaption(const QString& caption) = 0;
    // cmdTapeNext, cmdTapeBack, cmdTapeStop and cmdTapeSet together.
    virtual void setTapeButtonsEnabled(bool enabled) = 0;
};
