#pragma once

#include <QString>
#include <QStringView>

// Numbers written in digits, read aloud in Japanese. The Japanese voice would
// otherwise read digits on its own, badly, and a counter after a number
// changes how both sound (1本 イッポン, 3階 サンガイ, 4時 ヨジ).
namespace number_reading {

// The katakana reading of a run of ASCII digits. Leading zeros ("03"), or
// more digits than the units reach, are read digit by digit.
QString digits(QStringView number);

// How many characters at the start of `after` form a counter known here
// (the longest one), or 0.
int counterLength(QStringView after);

// The number and the counter that follows it, read together. `counter` must
// be one that counterLength recognised, or empty.
QString withCounter(QStringView number, QStringView counter);

// The counter's own reading, as after a number that changes nothing.
QString counterReading(QStringView counter);

// "1.5": the whole part, テン, then the fraction digit by digit.
QString decimal(QStringView whole, QStringView fraction);

}  // namespace number_reading
