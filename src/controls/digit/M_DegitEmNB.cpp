#include "controls/digit/M_DegitEmNB.h"

#include <QPainter>
#include <QPicture>

#include "controls/digit/DegitLook.h"
#include "controls/digit/format/DigitFormat.h"

namespace {

// The height the picture is recorded at; playing it stretches it anyway.
constexpr int kRecordedPixelSize = 24;
constexpr qreal kHeightFactor = 1.14;

}  // namespace

M_DegitEmNB::M_DegitEmNB(QWidget* parent) : DegitBase(parent) { redraw(); }

void M_DegitEmNB::setKeta(qint16 keta) {
    storeKeta(keta);
    redraw();
    markChanged();
}

void M_DegitEmNB::setDegitSize(qint16 degitSize) {
    storeDegitSize(degitSize);
    markChanged();
    redraw();
}

void M_DegitEmNB::setShift(qint16 shift) {
    storeShift(clampedShift(shift));
    redraw();
    markChanged();
}

void M_DegitEmNB::setZoom(qreal zoom) {
    zoom_ = zoom;
    redraw();
}

void M_DegitEmNB::resizeEvent(QResizeEvent* event) {
    DegitBase::resizeEvent(event);
    redraw();
}

void M_DegitEmNB::DrawDegitEmf() {
    const QString v = formattedValue();
    QFont font(degit_look::faceName(DegitStyle()));
    font.setPixelSize(kRecordedPixelSize);
    font.setWeight(QFont::Normal);

    clearSurface();
    const int keta = qMax<int>(Keta(), 0);
    if (keta == 0 || width() <= 1 || height() <= 0) return;  // an empty picture plays nothing

    const QFontMetricsF metrics(font);
    const QString eights(keta, u'8');
    QPicture picture;
    {
        QPainter recorder(&picture);
        recorder.setFont(font);
        recorder.setPen(degit_look::color(BaseForeColor()));
        recorder.drawText(QPointF(0, metrics.ascent()), eights);
        recorder.setPen(degit_look::color(DegitForeColor()));
        recorder.drawText(QPointF(0, metrics.ascent()), digit_format::rightAligned(v, keta));
    }

    // The picture's frame is the cells it holds; it is stretched onto the
    // rectangle from (0, 0) to (width - 1, height * 1.14), in pixels of the unzoomed display.
    const QRectF frame(0, 0, metrics.horizontalAdvance(eights), metrics.height());
    const QSizeF target(width() - zoom_, qRound(height() * kHeightFactor));
    QPainter painter(&surface());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(target.width() / frame.width(), target.height() / frame.height());
    painter.drawPicture(0, 0, picture);
}
