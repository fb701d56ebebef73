#pragma once

#include <QBitmap>
#include <QFont>
#include <QRect>
#include <QString>

#include "platform/Twips.h"

// The windows are designed in twips and points; these place and letter them.
namespace design {

// A control at its designed rectangle, in twips. A template, so that this
// layer needs no widgets.
template <class Control>
void place(Control* control, int left, int top, int width, int height) {
    control->setGeometry(twips::toPixels(left, top, width, height));
}

// A face at a designed point size.
QFont font(const QString& family, double points, bool bold = false);

// A window mask of `size` showing `shape` with corners rounded by `radius` pixels.
QBitmap roundedMask(const QSize& size, const QRect& shape, double radius);

}  // namespace design
