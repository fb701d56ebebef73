// Writes the settings file of the demo (see settings/DemoSettings.h) for the
// run command. A settings file that exists is the user's own and is never
// replaced.
//
// usage: make_demo_settings SETTINGS_FILE DEMO_FOLDER

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

#include "settings/DemoSettings.h"

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
    if (const int error = demo_settings::write(target, args[2])) {
        if (error < 0) std::fprintf(stderr, "make_demo_settings: no demo folder %s\n", qPrintable(args[2]));
        else std::fprintf(stderr, "make_demo_settings: cannot write %s (error %d)\n", qPrintable(target), error);
        return error < 0 ? 2 : 1;
    }
    std::printf("Demo settings written to %s\n", qPrintable(QDir::toNativeSeparators(target)));
    return 0;
}
