#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Code page 932 (Shift-JIS as Windows writes it), the encoding of every text
// in the data files and across the ticket library.
namespace cp932 {

// Bytes that do not form a character become U+30FB, the character Windows
// substitutes for them; decoding never fails.
QString decode(QByteArrayView bytes);

// Characters without a code page 932 form become the best-fit byte Windows
// writes where there is one (U+301C -> 0x8160, U+00A5 -> 0x5C), otherwise '?'.
QByteArray encode(const QString& text);

}  // namespace cp932
