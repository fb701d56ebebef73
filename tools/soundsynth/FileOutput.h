#pragma once

#include <QByteArray>
#include <QString>

namespace sound_synth {

// Writes the bytes as the whole file; false when it could not be written.
bool writeFile(const QString& path, const QByteArray& bytes);

}  // namespace sound_synth
