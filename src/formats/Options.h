#pragma once

#include "formats/OptionRecords.h"

// The live options. The options dialog writes the records directly; every
// other reader asks for an option by name at the moment it needs it, so it
// always sees the dialog's current value.
class Options {
public:
    // The options at start-up when no settings file exists: the dialog's own
    // initial state with the model set-up's values.
    static Options startupDefaults();

    OptDataFolders dataFolders;
    OptPanel panel;
    OptDegit degit;
    OptChimei chimei;
    OptSound sound;
    OptSeiriken seiriken;
    OptCustColors custColors;

// Each accessor returns the field of its own name, so the two cannot drift apart.
#define FAREBOARD_OPTION(record, name) \
    auto name() const { return record.name; }

    FAREBOARD_OPTION(dataFolders, FareDataDir)
    FAREBOARD_OPTION(dataFolders, TapeDataDir)

    FAREBOARD_OPTION(panel, AutoSeiriNum)
    FAREBOARD_OPTION(panel, SeiriNumColorOff)
    FAREBOARD_OPTION(panel, SeiriNumColorOn1)
    FAREBOARD_OPTION(panel, SeiriNumColorOn2)
    FAREBOARD_OPTION(panel, SeiriNumStyle)
    FAREBOARD_OPTION(panel, SeiriNumZeroPad)
    FAREBOARD_OPTION(panel, PanelAuto)
    FAREBOARD_OPTION(panel, PanelIndividual)
    FAREBOARD_OPTION(panel, PanelOffBuiltin)
    FAREBOARD_OPTION(panel, PanelOffUser)
    FAREBOARD_OPTION(panel, PanelOn1Builtin)
    FAREBOARD_OPTION(panel, PanelOn1User)
    FAREBOARD_OPTION(panel, PanelOn2Builtin)
    FAREBOARD_OPTION(panel, PanelOn2User)
    FAREBOARD_OPTION(panel, PanelOffFile)
    FAREBOARD_OPTION(panel, PanelOn1File)
    FAREBOARD_OPTION(panel, PanelOn2File)

    FAREBOARD_OPTION(degit, DegitBackColor)
    FAREBOARD_OPTION(degit, DegitUnlitColor)
    FAREBOARD_OPTION(degit, DegitLitColor)
    FAREBOARD_OPTION(degit, ShowStopOrder)
    FAREBOARD_OPTION(degit, StopOrderSlot)
    FAREBOARD_OPTION(degit, StopOrderFromZero)
    FAREBOARD_OPTION(degit, ShowSeiriNum)
    FAREBOARD_OPTION(degit, SeiriNumSlot)
    FAREBOARD_OPTION(degit, ShowRouteNum)
    FAREBOARD_OPTION(degit, RouteNumSlot)
    FAREBOARD_OPTION(degit, ShowDataColumn)
    FAREBOARD_OPTION(degit, DataColumn)
    FAREBOARD_OPTION(degit, DataColumnSlot)

    FAREBOARD_OPTION(chimei, ChimeiBackColor)
    FAREBOARD_OPTION(chimei, ChimeiForeColor)
    FAREBOARD_OPTION(chimei, ChimeiFontMode)
    FAREBOARD_OPTION(chimei, ChimeiFontBold)

    FAREBOARD_OPTION(sound, RouteSetSound)
    FAREBOARD_OPTION(sound, ResetSound)
    FAREBOARD_OPTION(sound, StepSoundAlways)
    FAREBOARD_OPTION(sound, StepSoundByColumn)
    FAREBOARD_OPTION(sound, StepSoundSync)
    FAREBOARD_OPTION(sound, StepSoundAsync)
    FAREBOARD_OPTION(sound, StepSound)
    FAREBOARD_OPTION(sound, StepSoundColumn)
    FAREBOARD_OPTION(sound, StepSound1)
    FAREBOARD_OPTION(sound, StepSound2)
    FAREBOARD_OPTION(sound, StepSound3)
    FAREBOARD_OPTION(sound, TapeSoundAlways)
    FAREBOARD_OPTION(sound, TapeSoundByFlag)
    FAREBOARD_OPTION(sound, TapeSoundSync)
    FAREBOARD_OPTION(sound, TapeSoundAsync)
    FAREBOARD_OPTION(sound, TapeSound)
    FAREBOARD_OPTION(sound, TapeSound1)
    FAREBOARD_OPTION(sound, TapeSound2)
    FAREBOARD_OPTION(sound, TapeSound3)

    FAREBOARD_OPTION(seiriken, UseSeirikenPreview)
    FAREBOARD_OPTION(seiriken, SeirikenPlugin)
    FAREBOARD_OPTION(seiriken, DateAtPrint)
    FAREBOARD_OPTION(seiriken, DateAtRouteSet)
    FAREBOARD_OPTION(seiriken, DateFixed)
    FAREBOARD_OPTION(seiriken, FixedDate)

    FAREBOARD_OPTION(custColors, CustColors)
#undef FAREBOARD_OPTION
};
