#include "controls/digit/format/DigitFormat.h"

#include <cmath>

namespace digit_format {
namespace {

DigitValue substituteZero(const DigitValue& v, int zeroMode) {
    const bool zero = v.equals(0);
    const bool empty = v.isEmptyText();
    switch (zeroMode) {
    case 0: return (zero || empty) ? DigitValue::text(QString()) : v;
    case 1: return (zero || empty) ? DigitValue::number(0) : v;
    case 2:
        if (v.equals(-1)) return DigitValue::number(0);
        return zero ? DigitValue::text(QString()) : v;
    case 3: return (v.equals(-1) || zero || empty) ? DigitValue::number(0) : v;
    default: return v;
    }
}

// At least `digits` digits, rounded half away from zero to a whole number.
QString zeroFilled(double value, int digits) {
    const double rounded = std::round(value);
    const QString magnitude = QString::number(std::fabs(rounded), 'f', 0).rightJustified(digits, u'0');
    return rounded < 0 ? u'-' + magnitude : magnitude;
}

}  // namespace

QString formatValue(const DigitValue& value, int zeroMode, int fillZero, int shift) {
    const DigitValue v = substituteZero(value, zeroMode);
    QString text = (v.isNumeric() && fillZero > 0) ? zeroFilled(v.numericValue(), fillZero) : v.toText();
    if (shift > 0) text += QString(shift, u' ');
    return text;
}

QString rightmost(const QString& text, int keta) { return keta <= 0 ? QString() : text.right(keta); }

QString rightAligned(const QString& text, int keta) {
    if (keta <= 0) return {};
    return text.size() >= keta ? text.right(keta) : QString(keta - text.size(), u' ') + text;
}

}  // namespace digit_format
