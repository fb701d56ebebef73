#include "sound/VoiceSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

namespace {

constexpr auto VariantKey = "voice/variant", RateKey = "voice/rate", PitchKey = "voice/pitch",
               VolumeKey = "voice/volume";

}  // namespace

VoiceSettings VoiceSettings::load(const QString& file) {
    VoiceSettings settings;
    if (file.isEmpty() || !QFileInfo(file).isFile()) return settings;
    const QSettings stored(file, QSettings::IniFormat);
    settings.variant = stored.value(VariantKey, settings.variant).toString();
    settings.rate = std::clamp(stored.value(RateKey, settings.rate).toInt(), MinRate, MaxRate);
    settings.pitch = std::clamp(stored.value(PitchKey, settings.pitch).toInt(), 0, MaxPitch);
    settings.volume = std::clamp(stored.value(VolumeKey, settings.volume).toInt(), 0, MaxVolume);
    return settings;
}

bool VoiceSettings::save(const QString& file) const {
    if (file.isEmpty() || !QDir().mkpath(QFileInfo(file).absolutePath())) return false;
    QSettings stored(file, QSettings::IniFormat);
    stored.setValue(VariantKey, variant);
    stored.setValue(RateKey, rate);
    stored.setValue(PitchKey, pitch);
    stored.setValue(VolumeKey, volume);
    stored.sync();
    return stored.status() == QSettings::NoError;
}

QString VoiceSettings::defaultFile() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + u"/speech.ini"_qs;
}

QList<QPair<QString, QString>> offeredVariants(const QList<QString>& available) {
    static const struct {
        const char16_t* id;
        const char16_t* caption;
    } Offered[] = {{u"m1", u"男声 1"}, {u"m2", u"男声 2"}, {u"m3", u"男声 3"}, {u"m4", u"男声 4"},
                   {u"m5", u"男声 5"}, {u"m6", u"男声 6"}, {u"m7", u"男声 7"}, {u"f1", u"女声 1"},
                   {u"f2", u"女声 2"}, {u"f3", u"女声 3"}, {u"f4", u"女声 4"}, {u"f5", u"女声 5"}};
    QList<QPair<QString, QString>> variants{{QString(), u"標準"_qs}};
    for (const auto& variant : Offered) {
        const QString id = QString::fromUtf16(variant.id);
        if (available.contains(id)) variants.append({id, QString::fromUtf16(variant.caption)});
    }
    return variants;
}
