#include "soundsynth/FileOutput.h"

#include <QFile>

namespace sound_synth {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

}  // namespace sound_synth
