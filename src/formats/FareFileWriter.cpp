#include "formats/FareFileWriter.h"

#include <QtEndian>

#include <limits>

#include "formats/Cp932.h"

namespace fare_file {
namespace {

void appendInt16(QByteArray& out, qint16 value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

}  // namespace

std::optional<QByteArray> writeRecord(const StopRecord& stop) {
    const QByteArray name = cp932::encode(stop.Chimei);
    // The reader takes the length as unsigned.
    if (name.size() > std::numeric_limits<quint16>::max()) return std::nullopt;
    QByteArray out;
    out.reserve(kRecordBytesWithoutName + name.size());
    appendInt16(out, static_cast<qint16>(static_cast<quint16>(name.size())));
    out.append(name);
    appendInt16(out, stop.SeiriNum);
    for (qint16 fare : stop.fares) appendInt16(out, fare);
    return out;
}

std::optional<QByteArray> write(std::span<const StopRecord> stops) {
    if (stops.size() > size_t(std::numeric_limits<qint16>::max())) return std::nullopt;
    QByteArray out;
    appendInt16(out, static_cast<qint16>(stops.size()));
    for (const StopRecord& stop : stops) {
        const std::optional<QByteArray> record = writeRecord(stop);
        if (!record) return std::nullopt;
        out.append(*record);
    }
    return out;
}

}  // namespace fare_file
