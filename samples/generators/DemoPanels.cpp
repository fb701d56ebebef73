#include "generators/DemoPanels.h"

#include <QPainter>
#include <QRadialGradient>
#include <QLinearGradient>

#include "board/BoardFace.h"

namespace demo_panels {

namespace {

// The lamps sit behind the middle of the plate, so it is brightest there and
// falls off toward the rim.
QBrush backlitPlate(const QColor& centre, const QColor& rim) {
    QRadialGradient glow(0.5, 0.5, 0.75);
    glow.setCoordinateMode(QGradient::ObjectMode);
    glow.setColorAt(0, centre);
    glow.setColorAt(1, rim);
    return glow;
}

// The notice is a translucent strip lit from behind, brightest along its middle.
QBrush backlitStrip(const QColor& middle, const QColor& rim) {
    QLinearGradient glow(0, 0, 0, 1);
    glow.setCoordinateMode(QGradient::ObjectMode);
    glow.setColorAt(0, rim);
    glow.setColorAt(0.5, middle);
    glow.setColorAt(1, rim);
    return glow;
}

// BMP and JPEG keep no transparency; what lies outside the rounded plate is
// cut away by the board window's outline, so it takes the edge colour.
QImage opaque(const BoardFaceLook& look) {
    const QImage face = drawBoardFace(look);
    QImage picture(face.size(), QImage::Format_RGB32);
    picture.fill(look.plateEdge);
    QPainter p(&picture);
    p.drawImage(0, 0, face);
    return picture;
}

}  // namespace

QImage panelOn1() {
    BoardFaceLook look;
    look.plate = backlitPlate(QColor(255, 254, 246), QColor(242, 239, 228));
    look.plateEdge = QColor(160, 156, 146);
    look.notice = backlitStrip(QColor(255, 255, 252), QColor(250, 248, 236));
    look.noticeEdge = QColor(196, 190, 176);
    look.noticeText = QColor(235, 16, 16);
    return opaque(look);
}

QImage panelOn2() {
    BoardFaceLook look;
    look.plate = backlitPlate(QColor(255, 248, 228), QColor(252, 238, 206));
    look.plateEdge = QColor(170, 140, 100);
    look.notice = backlitStrip(QColor(255, 252, 238), QColor(255, 242, 212));
    look.noticeEdge = QColor(206, 176, 130);
    look.noticeText = QColor(225, 24, 0);
    return opaque(look);
}

}  // namespace demo_panels
