#include "formats/RecordCodec.h"

#include <QtEndian>

#include <limits>

#include "formats/Cp932.h"

namespace record_codec::detail {
namespace {

template <class T>
void putLittleEndian(QByteArray& out, T value) {
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

template <class T>
bool getLittleEndian(QByteArrayView bytes, qsizetype& at, T& value) {
    if (bytes.size() - at < qsizetype(sizeof(T))) return false;
    value = qFromLittleEndian<T>(bytes.data() + at);
    at += sizeof(T);
    return true;
}

}  // namespace

void put(QByteArray& out, qint16 value) { putLittleEndian(out, value); }
void put(QByteArray& out, quint32 value) { putLittleEndian(out, value); }
void put(QByteArray& out, qint32 value) { putLittleEndian(out, value); }

void put(QByteArray& out, const QString& text) {
    QByteArray bytes = cp932::encode(text);
    // The count has 16 bits: a longer text is cut so the record stays readable.
    bytes.truncate(std::numeric_limits<quint16>::max());
    putLittleEndian(out, quint16(bytes.size()));
    out.append(bytes);
}

bool get(QByteArrayView bytes, qsizetype& at, qint16& value) { return getLittleEndian(bytes, at, value); }
bool get(QByteArrayView bytes, qsizetype& at, quint32& value) { return getLittleEndian(bytes, at, value); }
bool get(QByteArrayView bytes, qsizetype& at, qint32& value) { return getLittleEndian(bytes, at, value); }

bool get(QByteArrayView bytes, qsizetype& at, QString& text) {
    qsizetype pos = at;
    quint16 count = 0;
    if (!getLittleEndian(bytes, pos, count) || bytes.size() - pos < count) return false;
    text = cp932::decode(bytes.sliced(pos, count));
    at = pos + count;
    return true;
}

}  // namespace record_codec::detail
