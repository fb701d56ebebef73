#pragma once

#include <QColor>
#include <QString>

// What the digit displays look like: their faces, colours and size classes.
namespace degit_look {

// The face a DegitStyle selects; unknown styles fall back to the first face.
inline QString faceName(int degitStyle) {
    switch (degitStyle) {
    case 1: return QStringLiteral("M_DegitB");
    case 2: return QStringLiteral("M_DegitC");
    default: return QStringLiteral("M_DegitA");
    }
}

// Colours are kept as 0x00BBGGRR, the form they are stored in.
inline QColor color(quint32 bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

// One DegitSize class; widths and heights in twips.
struct SizeClass {
    int digitWidth;
    int height;
    int points;
};

// Every DegitSize other than 1, 2 and 3 is the standard class 0.
inline SizeClass sizeClass(int degitSize) {
    switch (degitSize) {
    case 1: return {255, 390, 24};
    case 2: return {285, 435, 27};
    case 3: return {165, 225, 14};
    default: return {195, 300, 18};
    }
}

}  // namespace degit_look
