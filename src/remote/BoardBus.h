#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>

#include "remote/PanelRemote.h"

// The remote control on the session bus: a method for every panel action,
// a property for everything the board shows, PropertiesChanged when it
// changes. A refused call answers with an error and changes nothing.
class BoardBus : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "io.github.fareboard.Board")
    Q_PROPERTY(QString Route READ route)
    Q_PROPERTY(QString Section READ section)
    Q_PROPERTY(int StopNumber READ stopNumber)
    Q_PROPERTY(QString StopName READ stopName)
    Q_PROPERTY(int StopCount READ stopCount)
    Q_PROPERTY(int AnnouncementLine READ announcementLine)
    Q_PROPERTY(QString AnnouncementText READ announcementText)
    Q_PROPERTY(bool LateNight READ lateNight)
    Q_PROPERTY(QString Backlight READ backlight)
    Q_PROPERTY(bool DisplayOff READ displayOff)
public:
    static const QString Service, Path, Interface, RefusedError;

    explicit BoardBus(PanelRemote& remote);
    // The object and the service name; false when another program has the name.
    bool registerOn(QDBusConnection bus);

    QString route() const { return remote_.status().route; }
    QString section() const { return remote_.status().section; }
    int stopNumber() const { return remote_.status().stopNumber; }
    QString stopName() const { return remote_.status().stopName; }
    int stopCount() const { return remote_.status().stopCount; }
    int announcementLine() const { return remote_.status().announcementLine; }
    QString announcementText() const { return remote_.status().announcementText; }
    bool lateNight() const { return remote_.status().lateNight; }
    QString backlight() const { return remote_.status().backlight; }
    bool displayOff() const { return remote_.status().displayOff; }

public slots:
    void SetRoute(const QString& route, const QString& section);
    void NextStop();
    void PreviousStop();
    void NextAnnouncement();
    void PreviousAnnouncement();
    void StopSpeaking();
    void SetLateNight(bool on);
    void SetDisplayOff(bool off);
    void SetBacklight(const QString& state);
    void SetPreview(bool open);
    // Brings the panel and the board to the front, as a second start does.
    void Show();

signals:
    void showRequested();

private:
    void answer(const QString& action, const QVariantList& args);
    void announceChanges(const PanelStatus& now, const PanelStatus& before);

    PanelRemote& remote_;
    QDBusConnection bus_{QString()};
};
