#include "formats/FareFile.h"

#include <QtEndian>

#include "formats/Cp932.h"

namespace fare_file {
namespace {

constexpr qsizetype kCountSize = 2;
constexpr qsizetype kFixedRecordSize = 2 + 2 + 2 * StopRecord::kFareCount;

qint16 int16At(const char* p) { return qFromLittleEndian<qint16>(p); }

}  // namespace

std::optional<qint16> readCount(QByteArrayView file) {
    if (file.size() < kCountSize) return std::nullopt;
    return int16At(file.data());
}

Records readRecords(QByteArrayView file, int count) {
    Records result;
    if (count <= 0) return result;
    // A damaged count must not reserve more than the file can hold.
    result.stops.reserve(static_cast<size_t>(qMin<qsizetype>(count, file.size() / kFixedRecordSize)));
    const char* const end = file.data() + file.size();
    const char* p = file.data() + kCountSize;
    for (int i = 1; i <= count; ++i) {
        // The name length is unsigned: a length past the end is a short file,
        // never a negative size.
        const qsizetype nameLength = end - p >= 2 ? qFromLittleEndian<quint16>(p) : 0;
        if (end - p < kFixedRecordSize + nameLength) {
            result.truncatedAt = i;
            return result;
        }
        p += 2;
        StopRecord& stop = result.stops.emplace_back();
        stop.Chimei = cp932::decode(QByteArrayView(p, nameLength));
        p += nameLength;
        stop.SeiriNum = int16At(p);
        p += 2;
        for (qint16& fare : stop.fares) {
            fare = int16At(p);
            p += 2;
        }
    }
    return result;
}

}  // namespace fare_file
