#pragma once

#include <QByteArrayView>

#include <vector>

// The lines of a code page 932 or UTF-8 file, split on its bytes (neither
// encoding has a line-break byte inside a character): at CR LF, LF or a lone
// CR; a last line without an ending counts, an ending at the very end adds
// no line.
std::vector<QByteArrayView> splitLines(QByteArrayView bytes);
