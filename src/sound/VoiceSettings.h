#pragma once

#include <QList>
#include <QPair>
#include <QString>

// The speech engine's own voice settings, kept in its own small file in the
// user's configuration folder (never in the program's settings file).
struct VoiceSettings {
    QString variant;     // a voice variant of the synthesiser ("m3", "f2"); empty for its plain voice
    int rate = 175;      // words a minute, 80..450
    int pitch = 50;      // 0..100
    int volume = 100;    // 0..200, 100 being the voice's own loudness

    static constexpr int MinRate = 80, MaxRate = 450, MaxPitch = 100, MaxVolume = 200;

    bool operator==(const VoiceSettings&) const = default;

    // Defaults for a missing file or value; values out of range are clamped.
    static VoiceSettings load(const QString& file);
    bool save(const QString& file) const;
    // <user configuration folder>/speech.ini
    static QString defaultFile();
};

// The variants offered in the settings dialog: (identifier, caption).
QList<QPair<QString, QString>> offeredVariants(const QList<QString>& available);
