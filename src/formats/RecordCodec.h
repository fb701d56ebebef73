#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

#include <utility>

#include "formats/RuntimeError.h"

// The stored form of a record: its fields in order, no padding. A 16-bit
// value is 2 bytes, a 32-bit value or a colour 4 bytes, both little-endian; a text is an
// unsigned 16-bit byte count and that many bytes of code page 932.
// A record is anything with a static forEachField(record, f) over fields of
// those three types.
namespace record_codec {
namespace detail {
void put(QByteArray& out, qint16 value);
void put(QByteArray& out, qint32 value);
void put(QByteArray& out, quint32 value);
void put(QByteArray& out, const QString& text);
// Each reads at `at` and moves it past the field; false when the bytes end first.
bool get(QByteArrayView bytes, qsizetype& at, qint16& value);
bool get(QByteArrayView bytes, qsizetype& at, qint32& value);
bool get(QByteArrayView bytes, qsizetype& at, quint32& value);
bool get(QByteArrayView bytes, qsizetype& at, QString& text);
}  // namespace detail

// Appends the record's stored form.
template <class Record>
void writeRecord(QByteArray& out, const Record& record) {
    Record::forEachField(record, [&out](const auto& field) { detail::put(out, field); });
}

// Reads the record stored at `position` and moves `position` past it.
// Returns 0, or InputPastEndOfFile when the bytes end inside the record;
// then neither the record nor the position changes, so a half-read record
// never reaches the options.
template <class Record>
int readRecord(QByteArrayView bytes, qsizetype& position, Record& record) {
    if (position < 0 || position > bytes.size()) return runtime_error::InputPastEndOfFile;
    Record next;
    qsizetype at = position;
    bool complete = true;
    Record::forEachField(next, [&](auto& field) { complete = complete && detail::get(bytes, at, field); });
    if (!complete) return runtime_error::InputPastEndOfFile;
    record = std::move(next);
    position = at;
    return 0;
}

}  // namespace record_codec
