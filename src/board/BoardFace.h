#pragma once

#include <QImage>

// The board face the program carries for its own model: a 429 x 234 pixel
// plate whose segment windows and caption bands sit exactly under the
// board window's fare displays and ticket-number captions. Outside the
// rounded plate the image is transparent.
QImage drawBuiltinBoardFace();
