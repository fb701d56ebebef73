#pragma once

#include <QtGlobal>

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

    // Stored like the option records (22 bytes), through their codec.
    template <class Self, class F>
    static void forEachField(Self& r, F&& f) {
        f(r.HiddenMode);
        f(r.ScrollSpeed);
        f(r.ScrollWait);
        f(r.LateNight);
        f(r.PreviewOpen);
        f(r.CtrlLeft);
        f(r.CtrlTop);
    }

    bool operator==(const CtrlDataInfo&) const = default;
};
