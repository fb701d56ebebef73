#pragma once

#include <QColor>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <string>
#include <vector>

#include "controls/stopname/ChimeiCtl_B.h"

// A 16 x 16 cell as rows of '#' (lit) and '.', so a failure shows the glyph.
using Cell = std::vector<std::string>;

inline QRgb rgbOf(quint32 bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF).rgb(); }

inline int countColour(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour;
    return n;
}

inline int litCount(const Cell& cell) {
    int n = 0;
    for (const std::string& row : cell) n += static_cast<int>(std::count(row.begin(), row.end(), '#'));
    return n;
}

// The dots of the cell whose top-left dot is at canvas pixel (x, y).
inline Cell cellAt(const ChimeiCtl_B& ctl, int x, int y) {
    Cell cell(16, std::string(16, '.'));
    for (int b = 0; b < 16; ++b)
        for (int a = 0; a < 16; ++a)
            if (ctl.canvasImage().valid(x + 2 * a, y + 2 * b) &&
                ctl.canvasImage().pixel(x + 2 * a, y + 2 * b) == rgbOf(ctl.ForeColor()))
                cell[b][a] = '#';
    return cell;
}

// What a face prints on a white 16 x 16 cell from (dx, dy), optionally mirrored
// about the diagonal.
inline Cell glyph(const QString& family, const QString& text, int dx = 0, int dy = 0, bool bold = false,
                  bool transposed = false) {
    QFont font(family);
    font.setPixelSize(16);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setBold(bold);
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.drawText(dx, dy + QFontMetrics(font).ascent(), text);
    painter.end();
    Cell cell(16, std::string(16, '.'));
    for (int b = 0; b < 16; ++b)
        for (int a = 0; a < 16; ++a)
            if (image.pixel(a, b) == qRgb(0, 0, 0)) (transposed ? cell[a][b] : cell[b][a]) = '#';
    return cell;
}
inline Cell gothic(const QString& text, int dx = 0, int dy = 0) { return glyph(QStringLiteral("IPAGothic"), text, dx, dy); }
inline Cell mincho(const QString& text) { return glyph(QStringLiteral("IPAMincho"), text); }
