#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

#include <optional>

// The operation panel's own state kept across runs, in stored field order.
struct CtrlDataInfo {
    // Which route entry frame is at the back: 0 the lists (the keypad shows),
    // 1 the keypad (the lists show).
    qint16 HiddenMode = 0;
    qint32 ScrollSpeed = 0;
    qint32 ScrollWait = 0;
    qint16 LateNight = 0;
    qint16 PreviewOpen = 0;
    // The panel's top-left corner, twips.
    qint32 CtrlLeft = 0;
    qint32 CtrlTop = 0;

    static constexpr int kStoredSize = 22;

    bool operator==(const CtrlDataInfo&) const = default;
};

// The stored form: the fields back to back, little-endian, no padding.
QByteArray encodeCtrlDataInfo(const CtrlDataInfo& info);
// Nothing when fewer than the record's bytes are given.
std::optional<CtrlDataInfo> decodeCtrlDataInfo(QByteArrayView bytes);
