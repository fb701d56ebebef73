#pragma once

#include <QByteArray>

#include "RecordCodec.h"

// A record's stored form as spaced hex, so a mismatch shows the bytes.
template <class Record>
QByteArray storedHex(const Record& record) {
    QByteArray bytes;
    record_codec::writeRecord(bytes, record);
    return bytes.toHex(' ');
}

// Hex written with spaces for grouping, back to the spaced form above.
inline QByteArray hex(const char* grouped) { return QByteArray::fromHex(grouped).toHex(' '); }
