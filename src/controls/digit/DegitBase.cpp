#include "controls/digit/DegitBase.h"

#include <QPainter>

#include "controls/digit/DegitLook.h"
#include "controls/digit/format/DigitFormat.h"
#include "platform/PropertyBag.h"
#include "sibling/Sibling.h"

DegitBase::DegitBase(QWidget* parent) : QWidget(parent), formatDialog_(&Sibling::Call_dlg100) {
    // The surface covers the whole widget, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DegitBase::redraw() {
    if (batchDepth_ > 0) {
        redrawPending_ = true;
        return;
    }
    drawNow();
}

DegitBase::Batch::~Batch() {
    if (--display_.batchDepth_ == 0 && display_.redrawPending_) {
        display_.redrawPending_ = false;
        display_.drawNow();
    }
}

void DegitBase::setValue(const DigitValue& value) {
    value_ = value;
    markChanged();
    redraw();
}

void DegitBase::setBaseForeColor(quint32 color) {
    baseForeColor_ = color;
    markChanged();
    redraw();
}

void DegitBase::setDegitForeColor(quint32 color) {
    degitForeColor_ = color;
    markChanged();
    redraw();
}

void DegitBase::setFillZero(qint16 fillZero) {
    fillZero_ = fillZero > keta_ ? keta_ : fillZero;
    markChanged();
}

void DegitBase::setZeroMode(qint16 zeroMode) {
    // Negative modes are kept: they mean "no substitution".
    zeroMode_ = zeroMode >= 4 ? 0 : zeroMode;
    markChanged();
}

void DegitBase::setDegitStyle(qint16 degitStyle) {
    degitStyle_ = degitStyle;
    markChanged();
    redraw();
}

void DegitBase::setUserSet(bool userSet) {
    userSet_ = userSet;
    markChanged();
}

void DegitBase::setBackColor(quint32 color) {
    applyBackColor(color);
    markChanged();
    redraw();
}

qint16 DegitBase::clampedShift(qint16 shift) const {
    if (shift > keta_ - 1) shift = static_cast<qint16>(keta_ - 1);
    return shift < 0 ? 0 : shift;
}

int DegitBase::ShowSetDlg() {
    qint16 zeroMode = zeroMode_;
    qint16 shift = shift_;
    qint16 fillZero = fillZero_;
    const int result = formatDialog_(hwnd(), keta_, zeroMode, shift, fillZero);
    // Whatever the dialog left is taken as it is, even when it was cancelled.
    zeroMode_ = zeroMode;
    shift_ = shift;
    fillZero_ = fillZero;
    redraw();
    return result;
}

void DegitBase::ResetDegit(bool nMode) {
    const qint16 shift = shift_;
    const qint16 zeroMode = zeroMode_;
    const qint16 fillZero = fillZero_;
    setShift(0);
    setZeroMode(0);
    setFillZero(0);
    setValue(DigitValue::text(nMode ? QString(qMax<int>(keta_, 0), u'8') : QString()));
    setShift(shift);
    setZeroMode(zeroMode);
    setFillZero(fillZero);
}

const std::vector<StoredProperty<DegitBase>>& DegitBase::storedProperties() {
    using P = StoredProperty<DegitBase>;
    static const std::vector<P> table = {
        P::field(QStringLiteral("BaseForeColor"), &DegitBase::baseForeColor_, kDefaultBaseForeColor),
        P::field(QStringLiteral("DegitForeColor"), &DegitBase::degitForeColor_, kDefaultDegitForeColor),
        P::field(QStringLiteral("FillZero"), &DegitBase::fillZero_, kDefaultFillZero),
        P::field(QStringLiteral("ZeroMode"), &DegitBase::zeroMode_, kDefaultZeroMode),
        P::field(QStringLiteral("Shift"), &DegitBase::shift_, kDefaultShift),
        P::field(QStringLiteral("Keta"), &DegitBase::keta_, kDefaultKeta),
        P::field(QStringLiteral("DegitSize"), &DegitBase::degitSize_, kDefaultDegitSize),
        P::field(QStringLiteral("DegitStyle"), &DegitBase::degitStyle_, kDefaultDegitStyle),
        {QStringLiteral("Value"), kDefaultValue, [](const DegitBase& d) { return d.value_.toVariant(); },
         [](DegitBase& d, const QVariant& v) { d.value_ = DigitValue::fromVariant(v); }},
        P::field(QStringLiteral("UserSet"), &DegitBase::userSet_, kDefaultUserSet),
        // Last: the surface is filled with it at once.
        {QStringLiteral("BackColor"), kDefaultBackColor, [](const DegitBase& d) { return QVariant(d.backColor_); },
         [](DegitBase& d, const QVariant& v) { d.applyBackColor(v.toUInt()); }},
    };
    return table;
}

void DegitBase::ReadProperties(const PropertyBag& bag) { readProperties(*this, bag, storedProperties()); }

void DegitBase::WriteProperties(PropertyBag& bag) const { writeProperties(*this, bag, storedProperties()); }

QString DegitBase::formattedValue() const {
    return digit_format::formatValue(value_, zeroMode_, fillZero_, shift_);
}

QImage& DegitBase::surface() {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (surface_.size() != pixels || surface_.devicePixelRatio() != ratio) {
        QImage resized(pixels, QImage::Format_RGB32);
        resized.setDevicePixelRatio(ratio);
        resized.fill(degit_look::color(backColor_));
        if (!resized.isNull() && !surface_.isNull()) QPainter(&resized).drawImage(0, 0, surface_);
        surface_ = std::move(resized);
    }
    return surface_;
}

void DegitBase::clearSurface() {
    surface().fill(degit_look::color(backColor_));
    update();
}

void DegitBase::applyBackColor(quint32 color) {
    backColor_ = color;
    clearSurface();
}

void DegitBase::paintEvent(QPaintEvent*) {
    // Only the kept picture is shown; drawing happens when properties change.
    QPainter(this).drawImage(0, 0, surface());
}

void DegitBase::mouseDoubleClickEvent(QMouseEvent*) { emit DblClick(); }
