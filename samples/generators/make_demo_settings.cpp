// Writes the settings file of the demo: data folders, sounds, lit panel
// pictures and the ticket preview all pointing at the demo set, so a first
// start shows and plays everything. A settings file that exists is the
// user's own and is never replaced.
//
// usage: make_demo_settings SETTINGS_FILE DEMO_FOLDER

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

#include "formats/SettingsFile.h"
#include "platform/Twips.h"

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

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: make_demo_settings SETTINGS_FILE DEMO_FOLDER\n");
        return 2;
    }
    const QString target = args[1];
    if (QFileInfo::exists(target)) {
        std::printf("Keeping the settings in %s\n", qPrintable(QDir::toNativeSeparators(target)));
        return 0;
    }
    const QDir demo(args[2]);
    if (!demo.exists()) {
        std::fprintf(stderr, "make_demo_settings: no demo folder %s\n", qPrintable(args[2]));
        return 2;
    }

    Options optionInfo = demoOptions(demo);
    CtrlDataInfo panel;
    panel.ScrollSpeed = 1;
    panel.PreviewOpen = 1;
    // Beside the board, where any screen has room for it.
    panel.CtrlLeft = twips::fromPixels(440);
    panel.CtrlTop = twips::fromPixels(40);
    FormInfo board;
    DegitSettings formats{};
    const QByteArray bytes =
        settings_file::compose({optionInfo, panel, board, optionInfo.custColors, formats});

    if (const int error = settings_file::write(target, bytes)) {
        std::fprintf(stderr, "make_demo_settings: cannot write %s (error %d)\n", qPrintable(target), error);
        return 1;
    }
    std::printf("Demo settings written to %s\n", qPrintable(QDir::toNativeSeparators(target)));
    return 0;
}
