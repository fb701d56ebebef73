#pragma once

#include <QString>

// The natural voice's settings, beside the other voice's in the engine's own
// file: which voice file speaks, and the synthesiser's speed, pitch, volume
// and all-pass constant.
struct JTalkSettings {
    QString voiceFile;        // an .htsvoice file; empty for the installed voice
    double speed = 1.0;       // 1 is the voice's own
    double halfTones = 0.0;   // pitch shift
    double volumeDb = 0.0;
    double allPass = -1.0;    // 0..1; below 0 the voice's own

    static constexpr double MinSpeed = 0.5, MaxSpeed = 2.0;
    static constexpr double MaxHalfTones = 12.0;
    static constexpr double MinVolumeDb = -20.0, MaxVolumeDb = 10.0;

    bool operator==(const JTalkSettings&) const = default;

    // Defaults for a missing file or value; values out of range are clamped.
    static JTalkSettings load(const QString& file);
    bool save(const QString& file) const;
};
