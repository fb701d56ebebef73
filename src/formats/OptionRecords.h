#pragma once

#include <QDate>
#include <QString>
#include <QtGlobal>

#include <array>

// The option records, one per page of the options dialog plus the colour
// chooser's custom colours. Field order is the stored order; forEachField
// visits the fields in that order so one codec serves every record.
// Kinds: check 0/1, choice -1 (selected) / 0, list index from 0 with -1 for
// none (all qint16); colour 0x00BBGGRR (quint32); text (QString).
// Defaults are the dialog's own initial state; setModelDefaults adds what the
// model set-up changes. Every field has an initializer, so a record can be
// built with designated initializers naming only what differs.

struct OptDataFolders {
    QString FareDataDir{};
    QString TapeDataDir{};

    template <class Self, class F>
    static void forEachField(Self& r, F&& f) {
        f(r.FareDataDir);
        f(r.TapeDataDir);
    }
    bool operator==(const OptDataFolders&) const = default;
};

struct OptPanel {
    qint16 AutoSeiriNum = 0;
    quint32 SeiriNumColorOff = 0x008000;
    quint32 SeiriNumColorOn1 = 0x00C000;
    quint32 SeiriNumColorOn2 = 0xC0FFC0;
    qint16 SeiriNumStyle = 0;
    qint16 SeiriNumZeroPad = 0;
    qint16 PanelAuto = -1;
    qint16 PanelIndividual = 0;
    qint16 PanelOffBuiltin = -1;
    qint16 PanelOffUser = 0;
    qint16 PanelOn1Builtin = -1;
    qint16 PanelOn1User = 0;
    qint16 PanelOn2Builtin = -1;
    qint16 PanelOn2User = 0;
    QString PanelOffFile{};
    QString PanelOn1File{};
    QString PanelOn2File{};

    template <class Self, class F>
    static void forEachField(Self& r, F&& f) {
        f(r.AutoSeiriNum);
        f(r.SeiriNumColorOff);
        f(r.SeiriNumColorOn1);
        f(r.SeiriNumColorOn2);
        f(r.SeiriNumStyle);
        f(r.SeiriNumZeroPad);
        f(r.PanelAuto);
        f(r.PanelIndividual);
        f(r.PanelOffBuiltin);
        f(r.PanelOffUser);
        f(r.PanelOn1Builtin);
        f(r.PanelOn1User);
        f(r.PanelOn2Builtin);
        f(r.PanelOn2User);
        f(r.PanelOffFile);
        f(r.PanelOn1File);
        f(r.PanelOn2File);
    }
    bool operator==(const OptPanel&) const = default;
};

// The board model shows the ticket-number captions, white while the
// backlight is off.
void setModelDefaults(OptPanel& panel);

struct OptDegit {
    quint32 DegitBackColor = 0x808080;
    quint32 DegitUnlitColor = 0x969696;
    quint32 DegitLitColor = 0x72D2F8;
    qint16 ShowStopOrder = 0;
    qint16 StopOrderSlot = 0;
    qint16 StopOrderFromZero = 0;
    qint16 ShowSeiriNum = 0;
    qint16 SeiriNumSlot = 0;
    qint16 ShowRouteNum = 0;
    qint16 RouteNumSlot = 0;
    qint16 ShowDataColumn = 0;
    qint16 DataColumn = 0;
    qint16 DataColumnSlot = 0;

    template <class Self, class F>
    static void forEachField(Self& r, F&& f) {
        f(r.DegitBackColor);
        f(r.DegitUnlitColor);
        f(r.DegitLitColor);
        f(r.ShowStopOrder);
        f(r.StopOrderSlot);
        f(r.StopOrderFromZero);
        f(r.ShowSeiriNum);
        f(r.SeiriNumSlot);
        f(r.ShowRouteNum);
        f(r.RouteNumSlot);
        f(r.ShowDataColumn);
        f(r.DataColumn);
        f(r.DataColumnSlot);
    }
    bool operator==(const OptDegit&) const = default;
};

struct OptChimei {
    quint32 ChimeiBackColor = 0x808080;
    quint32 ChimeiForeColor = 0x00FFFF;
    qint16 ChimeiFontMode = -1;  // the font list starts with nothing selected
    qint16 ChimeiFontBold = 0;

    template <class Self, class F>
    static void forEachField(Self& r, F&& f) {
        f(r.ChimeiBackColor);
        f(r.ChimeiForeColor);
        f(r.ChimeiFontMode);
        f(r.ChimeiFontBold);
    }
    bool operator==(const OptChimei&) const = default;
};

struct OptSound {
    QString RouteSetSound{};
    QString ResetSound{};
    qint16 StepSoundAlways = -1;
    qint16 StepSoundByColumn = 0;
    qint16 StepSoundSync = 0;
    qint16 StepSoundAsync = -1;
    QString StepSound{};
    qint16 StepSoundColumn = 0;
    QString StepSound1{};
    QString StepSound2{};
    QString StepSound3{};
    qint16 TapeSoundAlways = -1;
    qint16 TapeSoundByFlag = 0;
    qint16 TapeSoundSync = -1;
    qint16 TapeSoundAsync = 0;
    QString TapeSound{};
    QString TapeSound1{};
    QString TapeSound2{};
    QString TapeSound3{};

    template <class Self, class F>
    static void forEachField(Self& r, F&& f) {
        f(r.RouteSetSound);
        f(r.ResetSound);
        f(r.StepSoundAlways);
        f(r.StepSoundByColumn);
        f(r.StepSoundSync);
        f(r.StepSoundAsync);
        f(r.StepSound);
        f(r.StepSoundColumn);
        f(r.StepSound1);
        f(r.StepSound2);
        f(r.StepSound3);
        f(r.TapeSoundAlways);
        f(r.TapeSoundByFlag);
        f(r.TapeSoundSync);
        f(r.TapeSoundAsync);
        f(r.TapeSound);
        f(r.TapeSound1);
        f(r.TapeSound2);
        f(r.TapeSound3);
    }
    bool operator==(const OptSound&) const = default;
};

struct OptSeiriken {
    qint16 UseSeirikenPreview = 0;
    QString SeirikenPlugin{};
    qint16 DateAtPrint = -1;
    qint16 DateAtRouteSet = 0;
    qint16 DateFixed = 0;
    // The fixed ticket date starts as the day the options come into being.
    QString FixedDate = QDate::currentDate().toString(u"yyyy/MM/dd");

    template <class Self, class F>
    static void forEachField(Self& r, F&& f) {
        f(r.UseSeirikenPreview);
        f(r.SeirikenPlugin);
        f(r.DateAtPrint);
        f(r.DateAtRouteSet);
        f(r.DateFixed);
        f(r.FixedDate);
    }
    bool operator==(const OptSeiriken&) const = default;
};

struct OptCustColors {
    static constexpr int kCount = 17;

    std::array<quint32, kCount> CustColors{};

    template <class Self, class F>
    static void forEachField(Self& r, F&& f) {
        for (auto& colour : r.CustColors) f(colour);
    }
    bool operator==(const OptCustColors&) const = default;
};
