#include "remote/BoardBus.h"

#include <QDBusMessage>
#include <QThread>
#include <QVariantMap>

const QString BoardBus::Service = QStringLiteral("io.github.fareboard.Board");
const QString BoardBus::Path = QStringLiteral("/Board");
const QString BoardBus::Interface = QStringLiteral("io.github.fareboard.Board");
const QString BoardBus::RefusedError = QStringLiteral("io.github.fareboard.Board.Error.Refused");

BoardBus::BoardBus(PanelRemote& remote) : remote_(remote) {
    connect(&remote_, &PanelRemote::statusChanged, this, &BoardBus::announceChanges);
}

bool BoardBus::registerOn(QDBusConnection bus) {
    if (!bus.isConnected() ||
        !bus.registerObject(Path, this, QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties))
        return false;
    if (!bus.registerService(Service)) {
        bus.unregisterObject(Path);
        return false;
    }
    bus_ = bus;
    return true;
}

void BoardBus::answer(const QString& action, const QVariantList& args) {
    // Inside the lamp test or a sound played to its end the panel takes no
    // clicks; a call arriving then would run in the middle of that handler.
    const QString refused = QThread::currentThread()->loopLevel() > 1
                                ? QStringLiteral("the panel is busy (the lamp test or a sound played to its end); try again")
                                : remote_.perform(action, args);
    if (!refused.isEmpty() && calledFromDBus()) sendErrorReply(RefusedError, refused);
}

void BoardBus::SetRoute(const QString& route, const QString& section) { answer(u"SetRoute"_qs, {route, section}); }
void BoardBus::NextStop() { answer(u"NextStop"_qs, {}); }
void BoardBus::PreviousStop() { answer(u"PreviousStop"_qs, {}); }
void BoardBus::NextAnnouncement() { answer(u"NextAnnouncement"_qs, {}); }
void BoardBus::PreviousAnnouncement() { answer(u"PreviousAnnouncement"_qs, {}); }
void BoardBus::StopSpeaking() { answer(u"StopSpeaking"_qs, {}); }
void BoardBus::SetLateNight(bool on) { answer(u"SetLateNight"_qs, {on}); }
void BoardBus::SetDisplayOff(bool off) { answer(u"SetDisplayOff"_qs, {off}); }
void BoardBus::SetBacklight(const QString& state) { answer(u"SetBacklight"_qs, {state}); }
void BoardBus::SetPreview(bool open) { answer(u"SetPreview"_qs, {open}); }
void BoardBus::Show() { emit showRequested(); }

// The standard signal, so that any client (gdbus monitor, busctl, a
// program's property cache) sees the new values.
void BoardBus::announceChanges(const PanelStatus& now, const PanelStatus& before) {
    if (!bus_.isConnected()) return;
    QVariantMap changed;
    const auto put = [&](const char* name, const auto& value, const auto& old) {
        if (value != old) changed.insert(QLatin1String(name), QVariant::fromValue(value));
    };
    put("Route", now.route, before.route);
    put("Section", now.section, before.section);
    put("StopNumber", now.stopNumber, before.stopNumber);
    put("StopName", now.stopName, before.stopName);
    put("StopCount", now.stopCount, before.stopCount);
    put("AnnouncementLine", now.announcementLine, before.announcementLine);
    put("AnnouncementText", now.announcementText, before.announcementText);
    put("LateNight", now.lateNight, before.lateNight);
    put("Backlight", now.backlight, before.backlight);
    put("DisplayOff", now.displayOff, before.displayOff);
    QDBusMessage signal =
        QDBusMessage::createSignal(Path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
    signal << Interface << changed << QStringList();
    bus_.send(signal);
}
