#pragma once

#include <QPainter>

#include <string>
#include <vector>

#include "controls/stopname/ChimeiCtl_B.h"

// A 16 x 16 cell as rows of '#' (lit) and '.', so a failure shows the glyph.
using Cell = std::vector<std::string>;

inline void PrintTo(const QVariant& v, std::ostream* out) { *out << v.toString().toStdString(); }

inline QRgb rgbOf(quint32 bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF).rgb(); }

inline int countColour(const QImage& image, quint32 bgr) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == rgbOf(bgr);
    return n;
}

// The dots of `image` in `colour` from (x, y), `step` pixels apart, optionally
// mirrored about the diagonal.
inline Cell dots(const QImage& image, int x, int y, int step, QRgb colour, bool transposed = false) {
    Cell cell(16, std::string(16, '.'));
    for (int b = 0; b < 16; ++b)
        for (int a = 0; a < 16; ++a)
            if (image.valid(x + step * a, y + step * b) && image.pixel(x + step * a, y + step * b) == colour)
                (transposed ? cell[a][b] : cell[b][a]) = '#';
    return cell;
}
// The cell of the strip's canvas whose top-left dot is at (2, y).
inline Cell cellAt(const ChimeiCtl_B& ctl, int y) { return dots(ctl.canvasImage(), 2, y, 2, rgbOf(ctl.ForeColor())); }

// What a face prints on a white 16 x 16 cell from (dx, dy), optionally turned
// (mirrored about the diagonal).
inline Cell glyph(const char* face, const char* text, int dx = 0, int dy = 0, bool bold = false, bool turned = false) {
    QFont font(QString::fromLatin1(face));
    font.setPixelSize(16);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setBold(bold);
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.drawText(dx, dy + QFontMetrics(font).ascent(), QString::fromUtf8(text));
    painter.end();
    return dots(image, 0, 0, 1, qRgb(0, 0, 0), turned);
}
inline Cell gothic(const char* text, int dx = 0, int dy = 0) { return glyph("IPAGothic", text, dx, dy); }
inline Cell mincho(const char* text) { return glyph("IPAMincho", text); }
