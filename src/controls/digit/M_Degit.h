#pragma once

#include "controls/digit/DegitBase.h"

// A digit display of fixed size: its size class and Keta set its size, and it
// draws in a bold digit face at the class's point size.
class M_Degit : public DegitBase {
    Q_OBJECT

public:
    explicit M_Degit(QWidget* parent = nullptr);

    // These three keep their values in range; Keta and DegitSize also resize
    // and redraw, Shift waits for the next redraw.
    void setKeta(qint16 keta) override;
    void setDegitSize(qint16 degitSize) override;
    void setShift(qint16 shift) override;
    // Sized and drawn `zoom` times larger, for a board shown larger than designed.
    void setZoom(qreal zoom);

protected:
    void drawNow() override { DrawDegit(); }

private:
    // Unlit eights with the value written over them, right-aligned.
    void DrawDegit();
    void resizeToSizeClass();

    // Fixed at creation: old systems drew the faces apart and not bold.
    int charExtra_;
    bool boldFace_;
    qreal zoom_ = 1.0;
};
