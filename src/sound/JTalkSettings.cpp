#include "sound/JTalkSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>

namespace {

constexpr auto VoiceKey = "openjtalk/voice", SpeedKey = "openjtalk/speed", HalfTonesKey = "openjtalk/halftones",
               VolumeKey = "openjtalk/volume", AllPassKey = "openjtalk/allpass";

}  // namespace

JTalkSettings JTalkSettings::load(const QString& file) {
    JTalkSettings s;
    if (file.isEmpty() || !QFileInfo(file).isFile()) return s;
    const QSettings stored(file, QSettings::IniFormat);
    s.voiceFile = stored.value(VoiceKey, s.voiceFile).toString();
    s.speed = std::clamp(stored.value(SpeedKey, s.speed).toDouble(), MinSpeed, MaxSpeed);
    s.halfTones = std::clamp(stored.value(HalfTonesKey, s.halfTones).toDouble(), -MaxHalfTones, MaxHalfTones);
    s.volumeDb = std::clamp(stored.value(VolumeKey, s.volumeDb).toDouble(), MinVolumeDb, MaxVolumeDb);
    s.allPass = std::min(stored.value(AllPassKey, s.allPass).toDouble(), 1.0);
    if (s.allPass < 0) s.allPass = -1.0;
    return s;
}

bool JTalkSettings::save(const QString& file) const {
    if (file.isEmpty() || !QDir().mkpath(QFileInfo(file).absolutePath())) return false;
    QSettings stored(file, QSettings::IniFormat);
    stored.setValue(VoiceKey, voiceFile);
    stored.setValue(SpeedKey, speed);
    stored.setValue(HalfTonesKey, halfTones);
    stored.setValue(VolumeKey, volumeDb);
    stored.setValue(AllPassKey, allPass);
    stored.sync();
    return stored.status() == QSettings::NoError;
}
