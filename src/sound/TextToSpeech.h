#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <vector>

#include "formats/ReadingsFile.h"

class QWidget;

// What the announcements need of a speech engine: speak, stop, a state
// query, how names are read and the engine's own voice-settings dialog.
class TextToSpeech {
public:
    // The state query's answers.
    static constexpr qint32 Idle = 0;
    static constexpr qint32 Speaking = 1;
    // The last text could not be played; stop clears it.
    static constexpr qint32 Failed = -1;

    virtual ~TextToSpeech() = default;

    // Returns at once; the text sounds while the caller goes on, and replaces
    // whatever the engine was saying.
    virtual void speak(const QString& text) = 0;
    virtual void stop() = 0;
    virtual qint32 state() const = 0;
    // How names are read from now on; replaces the previous set.
    virtual void setReadings(std::vector<readings_file::Reading> readings) = 0;
    // Modal to `owner`.
    virtual void showVoiceDialog(QWidget* owner, const QString& title) = 0;
    // The texts that may be spoken next (a route's broadcast data), for an
    // engine that renders ahead; replaces the previous set.
    virtual void prepare(const QStringList& texts) { (void)texts; }
};
