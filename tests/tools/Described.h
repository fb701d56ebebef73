#pragma once

#include <QStringList>

#include "formats/Problem.h"

// Problems as "number: text", for comparing whole reports at once.
inline QStringList described(const Problems& problems) {
    QStringList lines;
    for (const Problem& p : problems) lines << QStringLiteral("%1: %2").arg(p.at).arg(p.text);
    return lines;
}
