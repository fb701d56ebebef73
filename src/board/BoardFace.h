#pragma once

#include <QBrush>
#include <QColor>
#include <QImage>

// The colours of the plate around the displays. The black panel with its
// segment windows and white labels is the same in every look, since the
// board's displays and captions draw over it.
struct BoardFaceLook {
    QBrush plate{QColor(231, 231, 231)};
    QColor plateEdge{150, 150, 150};
    QBrush notice{Qt::white};
    QColor noticeEdge{150, 150, 150};
    QColor noticeText{210, 0, 0};
};

// The board face the program carries for its own model: a 429 x 234 pixel
// plate whose segment windows and caption bands sit exactly under the
// board window's fare displays and ticket-number captions. Outside the
// rounded plate the image is transparent. A `scale` other than 1 draws the
// same face that many times larger, its lines and lettering sharp.
QImage drawBuiltinBoardFace(qreal scale = 1.0);
// The same face in other colours, for pictures that must fit the same board.
QImage drawBoardFace(const BoardFaceLook& look, qreal scale = 1.0);
