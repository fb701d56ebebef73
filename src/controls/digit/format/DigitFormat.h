#pragma once

#include <QString>

#include "controls/digit/format/DigitValue.h"

// The formatting rules every digit display shares.
namespace digit_format {

// The text a display writes for `value`: zero and empty values substituted by
// the zero mode, numbers filled to `fillZero` digits with leading zeros, and
// `shift` spaces appended so the value moves left.
QString formatValue(const DigitValue& value, int zeroMode, int fillZero, int shift);

// The rightmost `keta` characters: a longer value loses its leftmost ones.
QString rightmost(const QString& text, int keta);

// Exactly `keta` characters, the value ending in the rightmost position.
QString rightAligned(const QString& text, int keta);

}  // namespace digit_format
