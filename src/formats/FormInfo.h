#pragma once

#include <QtGlobal>

// The board window's saved position, in twips.
struct FormInfo {
    qint32 FormLeft = 0;
    qint32 FormTop = 0;
};
