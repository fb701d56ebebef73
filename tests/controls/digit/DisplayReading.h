#pragma once

#include <QImage>
#include <QString>
#include <ostream>

class DegitBase;
class M_Degit;

// Reads a digit display back from its pixels. The colours are saturated and
// far apart, so a pixel of exactly one of them is no antialiasing blend.
namespace display_reading {

constexpr quint32 kLit = 0x0000FF;    // red
constexpr quint32 kUnlit = 0xFF0000;  // blue
constexpr quint32 kBack = 0x00FF00;   // green

// Gives the display the three reading colours (this redraws it).
void useReadingColors(DegitBase& display);

// What the display shows on screen, through its paint handler.
QImage picture(DegitBase& display);

// A glyph alone in a cell of the display's size class, in the lit colour.
QImage referenceGlyph(const M_Degit& display, QChar glyph, bool bold);

// One character per position: the digit or minus that is lit there, a space
// where nothing is lit, '?' for lit pixels that match no glyph.
QString litText(M_Degit& display);

// True when every position shows the whole eight, lit or unlit.
bool showsEveryEight(M_Degit& display);

// Pixels of exactly `bgr` in the picture.
int countPixels(const QImage& image, quint32 bgr);

}  // namespace display_reading

// Lets test failures show texts as texts.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
