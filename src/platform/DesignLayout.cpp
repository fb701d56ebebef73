#include "platform/DesignLayout.h"

#include <QPainter>

namespace design {

QFont font(const QString& family, double points, bool bold) {
    QFont f(family);
    f.setPixelSize(twips::pointsToPixels(points));
    f.setBold(bold);
    return f;
}

QBitmap roundedMask(const QSize& size, const QRect& shape, double radius) {
    QBitmap mask(size);
    mask.fill(Qt::color0);
    QPainter painter(&mask);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::color1);
    painter.drawRoundedRect(shape, radius, radius);
    return mask;
}

}  // namespace design
