#pragma once

#include <QString>

// Where the cells of a stop name go and how one cell is printed: the rules of
// the stop-name display that need no window.
namespace chimei_layout {

constexpr int kStripHeight = 192;  // the canvas of a name that stands still
constexpr int kCellStep = 32;      // a 16-dot cell, dots two pixels apart
constexpr int kStillCells = 6;     // longer names scroll

// First cell's top, distance between cell tops, and the canvas height.
struct Placement {
    int firstTop;
    int pitch;
    int canvasHeight;
};

// `cells` is the byte count of the name's code page 932 form, halved and
// rounded down; `mode` only matters for two cells.
Placement placement(int cells, int mode);

// How a cell text is printed on the work cell.
struct CellPrint {
    QString text;  // "ー" has no vertical form in the faces, so "丨" stands in
    int dx = 0;
    int dy = 0;
    bool transposed = false;  // mirrored about the diagonal: the vertical form
};
CellPrint cellPrint(const QString& cellText, int fontMode);

// The first character's code page 932 code as a signed 16-bit number:
// 0..255 for one byte, lead * 256 + trail - 65536 for two.
int signedCode(const QString& text);

enum class Face { Gothic, Mincho };
Face faceFor(int fontMode, int signedCode);

QString faceName(Face face);

}  // namespace chimei_layout
