// Writes the demo set's sounds and lit board faces:
//   make_demo_media <demo folder>
// into <demo folder>/sounds and <demo folder>/panels.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

#include <functional>

#include "generators/DemoPanels.h"
#include "generators/DemoSounds.h"
#include "soundsynth/FileOutput.h"
#include "platform/Fonts.h"

namespace {

bool made(const QString& path, bool written) {
    if (!written) QTextStream(stderr) << "make_demo_media: cannot write " << path << Qt::endl;
    return written;
}

bool writeSounds(const QDir& folder) {
    const struct {
        const char* name;
        std::function<QByteArray()> make;
    } sounds[] = {{"chime.wav", demo_sounds::chimeWav},
                  {"routeset.wav", demo_sounds::routeSetWav},
                  {"step.mp3", demo_sounds::stepMp3},
                  {"jingle.mid", demo_sounds::jingleMidi}};
    bool ok = true;
    for (const auto& sound : sounds) {
        const QString path = folder.filePath(QString::fromLatin1(sound.name));
        ok = made(path, sound_synth::writeFile(path, sound.make())) && ok;
    }
    return ok;
}

bool writePanels(const QDir& folder) {
    const QString on1 = folder.filePath(QStringLiteral("panel_on1.bmp"));
    const QString on2 = folder.filePath(QStringLiteral("panel_on2.jpg"));
    const bool wroteOn1 = made(on1, demo_panels::panelOn1().save(on1, "BMP"));
    return made(on2, demo_panels::panelOn2().save(on2, "JPEG", 95)) && wroteOn1;
}

}  // namespace

int main(int argc, char** argv) {
    // Drawing needs no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: make_demo_media <demo folder>" << Qt::endl;
        return 2;
    }
    // The face is lettered in the faces the board itself uses.
    fonts::registerApplicationFonts();

    const QDir demo(QString::fromLocal8Bit(argv[1]));
    const QString sounds = demo.filePath(QStringLiteral("sounds")), panels = demo.filePath(QStringLiteral("panels"));
    if (!made(sounds, QDir().mkpath(sounds)) || !made(panels, QDir().mkpath(panels))) return 1;
    const bool wroteSounds = writeSounds(QDir(sounds));
    const bool wrotePanels = writePanels(QDir(panels));
    return wroteSounds && wrotePanels ? 0 : 1;
}
