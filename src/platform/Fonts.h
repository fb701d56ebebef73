#pragma once

#include <QStringList>

namespace fonts {

// Registers the embedded digit faces and maps the Japanese face names the
// windows are designed with onto the faces this system has. Call once, after
// the application object exists. Returns the digit faces it registered.
QStringList registerApplicationFonts();

}  // namespace fonts
