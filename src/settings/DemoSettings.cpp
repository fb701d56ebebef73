#include "settings/DemoSettings.h"

#include <QDir>
#include <QFileInfo>

#include "formats/SettingsFile.h"
#include "platform/Twips.h"

namespace demo_settings {
namespace {

Options demoOptions(const QDir& demo) {
    const auto path = [&demo](const char* name) { return demo.absoluteFilePath(QString::fromUtf8(name)); };
    Options o = Options::startupDefaults();
    o.dataFolders.FareDataDir = path("fares");
    o.dataFolders.TapeDataDir = path("tape");

    // The lit backlight states show the demo's own panel pictures.
    o.panel.PanelAuto = 0;
    o.panel.PanelIndividual = -1;
    o.panel.PanelOn1Builtin = 0;
    o.panel.PanelOn1User = -1;
    o.panel.PanelOn2Builtin = 0;
    o.panel.PanelOn2User = -1;
    o.panel.PanelOn1File = path("panels/panel_on1.bmp");
    o.panel.PanelOn2File = path("panels/panel_on2.jpg");

    o.sound.RouteSetSound = path("sounds/routeset.wav");
    o.sound.StepSound = path("sounds/step.mp3");
    // The broadcast rows' flags choose the sound before them: 1 the opening
    // jingle, 2 and 3 the chime.
    o.sound.TapeSoundAlways = 0;
    o.sound.TapeSoundByFlag = -1;
    o.sound.TapeSound1 = path("sounds/jingle.mid");
    o.sound.TapeSound2 = path("sounds/chime.wav");
    o.sound.TapeSound3 = path("sounds/chime.wav");

    o.seiriken.UseSeirikenPreview = 1;
    o.seiriken.SeirikenPlugin = path("plugins/hoshimizaka.4SP");
    return o;
}

}  // namespace

int write(const QString& file, const QString& demoFolder) {
    if (QFileInfo::exists(file)) return 0;
    const QDir demo(demoFolder);
    if (demoFolder.isEmpty() || !demo.exists()) return -1;
    QDir().mkpath(QFileInfo(file).absolutePath());
    Options optionInfo = demoOptions(demo);
    CtrlDataInfo panel;
    panel.ScrollSpeed = 1;
    panel.PreviewOpen = 1;
    // Beside the board, where any screen has room for it.
    panel.CtrlLeft = twips::fromPixels(440);
    panel.CtrlTop = twips::fromPixels(40);
    FormInfo board;
    DegitSettings formats{};
    return settings_file::write(file, settings_file::compose({optionInfo, panel, board, optionInfo.custColors, formats}));
}

}  // namespace demo_settings
