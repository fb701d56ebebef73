#pragma once

#include "controls/digit/DegitBase.h"

// A digit display whose host sets its size: it draws its digits into a picture
// and stretches the picture over the whole control, in a normal-weight face.
class M_DegitEmNB : public DegitBase {
    Q_OBJECT

public:
    explicit M_DegitEmNB(QWidget* parent = nullptr);

    // Keta and DegitSize are kept as given; DegitSize changes nothing visible.
    // Keta and Shift redraw at once.
    void setKeta(qint16 keta) override;
    void setDegitSize(qint16 degitSize) override;
    void setShift(qint16 shift) override;
    // The host's zoom: the picture's one-pixel margin grows with it, so a
    // display drawn twice as large is this one magnified.
    void setZoom(qreal zoom);

protected:
    void drawNow() override { DrawDegitEmf(); }
    void resizeEvent(QResizeEvent* event) override;

private:
    // Unlit eights with the value over them, recorded as a picture and played
    // into the control 1.14 times its height, so the cell's empty bottom falls
    // below the lower edge.
    void DrawDegitEmf();

    qreal zoom_ = 1.0;
};
