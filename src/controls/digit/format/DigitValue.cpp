#include "controls/digit/format/DigitValue.h"

#include <cmath>

DigitValue DigitValue::fromVariant(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Bool: return number(value.toDouble());
    default: return text(value.toString());
    }
}

bool DigitValue::isNumeric() const {
    if (isNumber_) return true;
    const QString trimmed = text_.trimmed();
    if (trimmed.isEmpty()) return false;
    bool ok = false;
    trimmed.toDouble(&ok);
    return ok;
}

double DigitValue::numericValue() const {
    if (isNumber_) return number_;
    return text_.trimmed().toDouble();
}

QString DigitValue::toText() const {
    if (!isNumber_) return text_;
    if (std::isfinite(number_) && number_ == std::trunc(number_) && std::fabs(number_) < 1e15)
        return QString::number(static_cast<qint64>(number_));
    return QString::number(number_, 'g', 15);
}

QVariant DigitValue::toVariant() const {
    if (!isNumber_) return text_;
    if (number_ == std::trunc(number_) && std::fabs(number_) < 2147483648.0) return static_cast<int>(number_);
    return number_;
}
