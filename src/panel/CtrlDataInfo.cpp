#include "CtrlDataInfo.h"

#include <QtEndian>

namespace {

template <typename T>
void put(QByteArray& out, T value) {
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

template <typename T>
T take(const char*& at) {
    const T value = qFromLittleEndian<T>(at);
    at += sizeof(T);
    return value;
}

}  // namespace

QByteArray encodeCtrlDataInfo(const CtrlDataInfo& info) {
    QByteArray out;
    out.reserve(CtrlDataInfo::kStoredSize);
    put(out, info.HiddenMode);
    put(out, info.ScrollSpeed);
    put(out, info.ScrollWait);
    put(out, info.LateNight);
    put(out, info.PreviewOpen);
    put(out, info.CtrlLeft);
    put(out, info.CtrlTop);
    return out;
}

std::optional<CtrlDataInfo> decodeCtrlDataInfo(QByteArrayView bytes) {
    if (bytes.size() < CtrlDataInfo::kStoredSize) return std::nullopt;
    const char* at = bytes.data();
    CtrlDataInfo info;
    info.HiddenMode = take<qint16>(at);
    info.ScrollSpeed = take<qint32>(at);
    info.ScrollWait = take<qint32>(at);
    info.LateNight = take<qint16>(at);
    info.PreviewOpen = take<qint16>(at);
    info.CtrlLeft = take<qint32>(at);
    info.CtrlTop = take<qint32>(at);
    return info;
}
