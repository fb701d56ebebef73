#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include "remote/PanelStatus.h"

class QAbstractButton;
class frmCtl;
class mdlM_Tape;
struct SharedState;

// The panel driven by another program: every action goes through the
// panel's own buttons, so it sounds and behaves as a click does, and is
// refused, changing nothing, where a click would do nothing.
class PanelRemote : public QObject {
    Q_OBJECT
public:
    PanelRemote(frmCtl& panel, SharedState& state, mdlM_Tape& tape);

    // Each returns why it was refused, or nothing when done.
    QString setRoute(const QString& route, const QString& section);
    QString step(bool forward);
    QString announce(bool forward);
    QString stopSpeaking();
    QString setLateNight(bool on);
    QString setDisplayOff(bool off);
    QString setBacklight(const QString& state);
    QString setPreview(bool open);

    // An action by name, as the command line and the bus name them
    // ("NextStop", "SetRoute" with its two texts ...).
    QString perform(const QString& action, const QVariantList& args);
    static const QStringList& actions();

    const PanelStatus& status() const { return status_; }

signals:
    // After anything the panel shows changed, by a click, a key or a call.
    void statusChanged(const PanelStatus& now, const PanelStatus& before);

private:
    QString click(QAbstractButton* button, const QString& what);
    QString refusedWhileDisplayOff() const;
    void refresh();

    frmCtl& panel_;
    SharedState& state_;
    mdlM_Tape& tape_;
    PanelStatus status_;
};
