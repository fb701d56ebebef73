#include "remote/PanelStatus.h"

#include <QCheckBox>

#include "board/SharedState.h"
#include "panel/CaptionButton.h"
#include "panel/frmCtl.h"
#include "sound/mdlM_Tape.h"

PanelStatus PanelStatus::of(const frmCtl& panel, const SharedState& state, const mdlM_Tape& tape) {
    PanelStatus s;
    const RouteState& route = state.route;
    s.route = route.RouteNo;
    s.section = route.RouteNo.isEmpty() ? QString() : QString::number(route.StartSection);
    s.stopCount = route.RouteNo.isEmpty() ? 0 : route.StopCount;
    if (s.stopCount > 0) {
        s.stopNumber = route.CurIndex + 1;
        s.stopName = state.stops[s.stopNumber].Chimei;
    }
    s.announcementLine = tape.TapePosition();
    if (s.announcementLine >= 1 && s.announcementLine <= tape.TapeCount()) s.announcementText = tape.TapeText(s.announcementLine);
    s.lateNight = panel.Check2->isChecked();
    const Backlight b = panel.selectedBacklight();
    s.backlight = b == Backlight::Off ? QStringLiteral("OFF") : b == Backlight::On1 ? QStringLiteral("ON1") : QStringLiteral("ON2");
    s.displayOff = panel.Check1->isChecked();
    return s;
}

QString PanelStatus::title() const {
    QString t = QStringLiteral("集中操作盤");
    if (stopCount > 0)
        t += QStringLiteral("  系統 %1-%2  %3/%4 %5").arg(route, section).arg(stopNumber).arg(stopCount).arg(stopName);
    if (announcementLine > 0) t += QStringLiteral("  放送 %1").arg(announcementLine);
    return t;
}
