#include "controls/digit/M_Degit.h"

#include <QPainter>

#include "controls/digit/DegitLook.h"
#include "controls/digit/format/DigitFormat.h"
#include "platform/OsVersion.h"
#include "platform/DesignLayout.h"
#include "platform/Twips.h"

M_Degit::M_Degit(QWidget* parent)
    : DegitBase(parent),
      charExtra_(os_version::isLegacyWindows() ? 1 : 0),
      boldFace_(!os_version::isLegacyWindows()) {
    resizeToSizeClass();
    clearSurface();
}

void M_Degit::setKeta(qint16 keta) {
    storeKeta(keta);
    markChanged();
    if (keta < 1 || keta > 15) storeKeta(4);
    resizeToSizeClass();
    redraw();
}

void M_Degit::setDegitSize(qint16 degitSize) {
    storeDegitSize(degitSize);
    markChanged();
    if (degitSize < 1 || degitSize > 3) storeDegitSize(0);
    resizeToSizeClass();
    redraw();
}

void M_Degit::setShift(qint16 shift) {
    storeShift(clampedShift(shift));
    markChanged();
}

void M_Degit::setZoom(qreal zoom) {
    zoom_ = zoom;
    resizeToSizeClass();
    redraw();
}

void M_Degit::resizeToSizeClass() {
    const degit_look::SizeClass size = degit_look::sizeClass(DegitSize());
    resize(qRound(twips::toPixels(size.digitWidth * Keta()) * zoom_), qRound(twips::toPixels(size.height) * zoom_));
}

void M_Degit::DrawDegit() {
    const QString v = formattedValue();

    const degit_look::SizeClass size = degit_look::sizeClass(DegitSize());
    QFont font = design::font(degit_look::faceName(DegitStyle()), size.points, boldFace_);
    // The faces have one advance for every size: spacing them out to the
    // class's digit width keeps the value on its eights in every class.
    const qreal spread = twips::toPixels(size.digitWidth) - QFontMetricsF(font).horizontalAdvance(u'8');
    font.setLetterSpacing(QFont::AbsoluteSpacing, charExtra_ + spread);

    clearSurface();
    QImage& image = surface();
    if (image.isNull()) return;
    QPainter painter(&image);
    // Laid out at the designed size and drawn through the zoom: the faces stay sharp.
    painter.scale(zoom_, zoom_);
    painter.setFont(font);

    const QString text = digit_format::rightmost(v, Keta());
    const QFontMetricsF metrics(font);
    const qreal w = metrics.horizontalAdvance(text);
    // The text cell starts one pixel above the top edge; drawText wants the baseline.
    const qreal baseline = -1 + metrics.ascent();
    painter.setPen(degit_look::color(BaseForeColor()));
    painter.drawText(QPointF(0, baseline), QString(qMax<int>(Keta(), 0), u'8'));
    painter.setPen(degit_look::color(DegitForeColor()));
    painter.drawText(QPointF(width() / zoom_ - w, baseline), text);
}
