#pragma once

#include <QImage>

// Board face pictures for the lit backlight states: the built-in face with its
// plate and notice strip lit from behind, every display window where the board
// expects it. Opaque, ready to be saved as BMP or JPEG.
namespace demo_panels {

// ON1: a bright, near-white plate.
QImage panelOn1();
// ON2: a warmer, amber-lit plate to go with the orange ticket numbers.
QImage panelOn2();

}  // namespace demo_panels
