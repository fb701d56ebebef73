#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "controls/digit/DegitLook.h"
#include "controls/digit/M_Degit.h"
#include "controls/digit/M_DegitEmNB.h"

// Reads a digit display back from its pixels. Every position shows an eight,
// lit or unlit, so the ink of the picture gives the cells; seven points of
// each cell tell which of its segments are lit.

// Saturated and far apart (0x00BBGGRR): red lit, blue unlit, green background.
constexpr quint32 kLit = 0x0000FF, kUnlit = 0xFF0000, kBack = 0x00FF00;

// A shown display in the reading colours (a hidden M_DegitEmNB redraws when
// grabbed), formatted as given before `value` is set; an M_DegitEmNB is sized
// as a fare field of the board.
inline std::unique_ptr<DegitBase> display(bool emNB, qint16 keta, qint16 zeroMode = 0, qint16 fillZero = 0,
                                          qint16 shift = 0, double value = 0) {
    std::unique_ptr<DegitBase> d(emNB ? static_cast<DegitBase*>(new M_DegitEmNB) : new M_Degit);
    if (emNB) d->resize(65 * keta / 3, 34);
    d->setBaseForeColor(kUnlit);
    d->setDegitForeColor(kLit);
    d->setBackColor(kBack);
    d->setKeta(keta);
    d->setZeroMode(zeroMode);
    d->setFillZero(fillZero);
    d->setShift(shift);
    d->setValue(DigitValue::number(value));
    d->show();
    return d;
}

inline int changesDuring(DegitBase& d, const std::function<void()>& action) {
    int changes = 0;
    const auto connection = QObject::connect(&d, &DegitBase::propertyChanged, [&] { ++changes; });
    action();
    QObject::disconnect(connection);
    return changes;
}

inline QImage picture(QWidget& d) { return d.grab().toImage().convertToFormat(QImage::Format_RGB32); }

inline int countColour(const QImage& image, quint32 bgr) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == degit_look::color(bgr).rgb();
    return n;
}
inline bool showsOnly(QWidget& d, quint32 bgr) { return countColour(picture(d), bgr) == d.width() * d.height(); }

// The first and last x of each glyph, lit or unlit, and the rows they span.
struct Cells { std::vector<std::pair<int, int>> columns; int top = -1, bottom = -1; };
inline Cells cellsOf(const QImage& image) {
    Cells cells;
    for (int x = 0, start = -1; x <= image.width(); ++x) {
        bool ink = false;
        for (int y = 0; x < image.width() && y < image.height(); ++y)
            if (qGreen(image.pixel(x, y)) < qMax(qRed(image.pixel(x, y)), qBlue(image.pixel(x, y)))) {
                ink = true;
                cells.top = cells.top < 0 ? y : qMin(cells.top, y);
                cells.bottom = qMax(cells.bottom, y);
            }
        if (ink && start < 0) start = x;
        if (!ink && start >= 0) cells.columns.emplace_back(start, x - 1), start = -1;
    }
    return cells;
}

// One character per cell: the digit or minus lit there, a space for none,
// '?' for anything else.
inline std::string shown(QWidget& d) {
    static const double kAt[7][2] = {{.5, .03}, {.94, .27}, {.94, .73}, {.5, .97}, {.06, .73}, {.06, .27}, {.5, .5}};
    static const int kBits[] = {0, 0x40, 0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
    const QImage image = picture(d);
    const Cells cells = cellsOf(image);
    std::string text;
    for (const auto& [left, right] : cells.columns) {
        int bits = 0;
        for (int s = 0; s < 7; ++s) {
            const QRgb p = image.pixel(qRound(left + kAt[s][0] * (right - left)),
                                       qRound(cells.top + kAt[s][1] * (cells.bottom - cells.top)));
            bits |= (qRed(p) > 2 * qMax(qGreen(p), qBlue(p)) && qRed(p) > 100) << s;
        }
        if (bits == 0x27) bits = 0x07;  // a seven with its upper-left segment
        const auto glyph = std::find(std::begin(kBits), std::end(kBits), bits) - std::begin(kBits);
        text += glyph < 12 ? " -0123456789"[glyph] : '?';
    }
    return text;
}
