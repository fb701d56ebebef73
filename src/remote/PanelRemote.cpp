#include "remote/PanelRemote.h"

#include <QCheckBox>
#include <QFileInfo>

#include <algorithm>

#include "board/SharedState.h"
#include "fares/RouteFiles.h"
#include "panel/CaptionButton.h"
#include "panel/PanelRules.h"
#include "panel/frmCtl.h"
#include "sound/mdlM_Tape.h"

PanelRemote::PanelRemote(frmCtl& panel, SharedState& state, mdlM_Tape& tape)
    : panel_(panel), state_(state), tape_(tape), status_(PanelStatus::of(panel, state, tape)) {
    // Connected after the panel's own handlers, so the status is read once
    // they are done, whoever pressed.
    QList<QAbstractButton*> buttons{panel.Check1, panel.Check2, panel.Check4, panel.cmdTapeNext, panel.cmdTapeBack,
                                    panel.cmdTapeStop};
    for (auto* b : panel.Command1) buttons << b;
    for (auto* b : panel.Command2) buttons << b;
    for (auto* b : panel.Option4) buttons << b;
    for (QAbstractButton* b : buttons) connect(b, &QAbstractButton::clicked, this, &PanelRemote::refresh);
}

void PanelRemote::refresh() {
    const PanelStatus now = PanelStatus::of(panel_, state_, tape_);
    if (now == status_) return;
    const PanelStatus before = status_;
    status_ = now;
    emit statusChanged(now, before);
}

QString PanelRemote::refusedWhileDisplayOff() const {
    return panel_.Check1->isChecked() ? QStringLiteral("the display is off (表示消去): turn it on first") : QString();
}

QString PanelRemote::click(QAbstractButton* button, const QString& what) {
    // A button in a disabled group counts as disabled too.
    if (!button->isEnabled())
        return QStringLiteral("%1 is not available now").arg(what);
    button->click();
    return {};
}

QString PanelRemote::setRoute(const QString& route, const QString& section) {
    if (QString refused = refusedWhileDisplayOff(); !refused.isEmpty()) return refused;
    const auto digits = [](const QString& text, int most) {
        return !text.isEmpty() && text.size() <= most && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit() && c.unicode() < 0x80; });
    };
    if (!digits(route, 5)) return QStringLiteral("the route must be 1 to 5 digits, not \"%1\"").arg(route);
    if (!digits(section, 3)) return QStringLiteral("the section must be 1 to 3 digits, not \"%1\"").arg(section);
    // The panel would say so in a message box, which nobody at the other end sees.
    const QString fares = route_files::fareFile(state_.options.FareDataDir(), route);
    if (!QFileInfo(fares).isFile()) return QStringLiteral("no fare data for route %1 (%2)").arg(route, fares);
    // As on the keypad: 系統, the digits, 区間, the digits, リセット.
    const auto press = [this](int key) { panel_.CommandButton1[size_t(key)]->click(); };
    press(Keypad::kRouteKey);
    for (QChar c : route) press(c.digitValue());
    press(Keypad::kSectionKey);
    for (QChar c : section) press(c.digitValue());
    const QString refused = click(panel_.Command1[1], QStringLiteral("リセット"));
    if (!refused.isEmpty()) return refused;
    return state_.route.RouteNo == route && state_.route.StopCount > 0
               ? QString()
               : QStringLiteral("route %1 could not be set (see the program's message)").arg(route);
}

QString PanelRemote::step(bool forward) {
    if (QString refused = refusedWhileDisplayOff(); !refused.isEmpty()) return refused;
    if (state_.route.RouteNo.isEmpty() || state_.route.StopCount <= 0) return QStringLiteral("no route is set");
    const qint16 before = state_.route.CurIndex;
    const QString refused = click(panel_.Command2[forward ? 1 : 0], forward ? u"データ送り"_qs : u"データ戻し"_qs);
    if (!refused.isEmpty()) return refused;
    return state_.route.CurIndex != before ? QString()
           : forward                      ? QStringLiteral("the bus is at the last stop")
                                          : QStringLiteral("the bus is at the first stop");
}

QString PanelRemote::announce(bool forward) {
    if (QString refused = refusedWhileDisplayOff(); !refused.isEmpty()) return refused;
    const qint32 before = tape_.TapePosition();
    const QString refused = click(forward ? panel_.cmdTapeNext : panel_.cmdTapeBack,
                                  forward ? QStringLiteral("the next announcement") : QStringLiteral("the previous announcement"));
    if (!refused.isEmpty()) return refused;
    return tape_.TapePosition() != before ? QString()
           : forward                      ? QStringLiteral("this is the last announcement")
                                          : QStringLiteral("this is the first announcement");
}

QString PanelRemote::stopSpeaking() {
    if (QString refused = refusedWhileDisplayOff(); !refused.isEmpty()) return refused;
    return click(panel_.cmdTapeStop, QStringLiteral("■ (stop speaking)"));
}

QString PanelRemote::setLateNight(bool on) {
    if (QString refused = refusedWhileDisplayOff(); !refused.isEmpty()) return refused;
    if (panel_.Check2->isChecked() == on) return {};
    return click(panel_.Check2, QStringLiteral("深夜料金"));
}

QString PanelRemote::setDisplayOff(bool off) {
    if (panel_.Check1->isChecked() == off) return {};
    return click(panel_.Check1, QStringLiteral("表示消去"));
}

QString PanelRemote::setBacklight(const QString& state) {
    const QStringList states{u"OFF"_qs, u"ON1"_qs, u"ON2"_qs};
    const qsizetype i = states.indexOf(state.toUpper());
    if (i < 0) return QStringLiteral("the backlight is OFF, ON1 or ON2, not \"%1\"").arg(state);
    if (panel_.Option4[size_t(i)]->isChecked()) return {};
    return click(panel_.Option4[size_t(i)], states[i]);
}

QString PanelRemote::setPreview(bool open) {
    if (panel_.Check4->isChecked() == open) return {};
    return click(panel_.Check4, QStringLiteral("the ticket preview"));
}

const QStringList& PanelRemote::actions() {
    static const QStringList names{u"SetRoute"_qs, u"NextStop"_qs, u"PreviousStop"_qs, u"NextAnnouncement"_qs,
                                   u"PreviousAnnouncement"_qs, u"StopSpeaking"_qs, u"SetLateNight"_qs,
                                   u"SetDisplayOff"_qs, u"SetBacklight"_qs, u"SetPreview"_qs};
    return names;
}

QString PanelRemote::perform(const QString& action, const QVariantList& a) {
    const auto text = [&](int i) { return a.value(i).toString(); };
    const auto flag = [&](int i) { return a.value(i).toBool(); };
    if (action == u"SetRoute"_qs) return setRoute(text(0), text(1));
    if (action == u"NextStop"_qs) return step(true);
    if (action == u"PreviousStop"_qs) return step(false);
    if (action == u"NextAnnouncement"_qs) return announce(true);
    if (action == u"PreviousAnnouncement"_qs) return announce(false);
    if (action == u"StopSpeaking"_qs) return stopSpeaking();
    if (action == u"SetLateNight"_qs) return setLateNight(flag(0));
    if (action == u"SetDisplayOff"_qs) return setDisplayOff(flag(0));
    if (action == u"SetBacklight"_qs) return setBacklight(text(0));
    if (action == u"SetPreview"_qs) return setPreview(flag(0));
    return QStringLiteral("no action %1").arg(action);
}
