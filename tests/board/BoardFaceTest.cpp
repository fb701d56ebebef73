#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QRect>

#include <functional>

#include "BoardFace.h"

namespace {

// Where the board window puts its controls, in pixels; the face must line up with them.
constexpr int kFareLefts[] = {110, 183, 255, 328};
constexpr int kFareTops[] = {96, 166};
constexpr int kCaptionLefts[] = {115, 188, 259, 333};
constexpr int kCaptionTops[] = {70, 141};

const QColor kPlateGrey(231, 231, 231);
const QColor kWindowGrey(102, 102, 102);

QImage face() { return drawBuiltinBoardFace().convertToFormat(QImage::Format_ARGB32); }

// The corners, the middle of each edge and the centre of a rectangle.
QList<QPoint> samplePoints(const QRect& r) {
    const QPoint c = r.center();
    return {r.topLeft(),           r.topRight(),           r.bottomLeft(),          r.bottomRight(), c,
            {c.x(), r.top()},      {c.x(), r.bottom()},    {r.left(), c.y()},       {r.right(), c.y()}};
}

int countPixels(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test) {
    int n = 0;
    const QRect clipped = area & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if (test(image.pixelColor(x, y))) ++n;
    return n;
}

bool stronglyRed(QColor c) { return c.alpha() == 255 && c.red() >= 180 && c.green() <= 60 && c.blue() <= 60; }
bool white(QColor c) { return c.alpha() == 255 && c.red() >= 240 && c.green() >= 240 && c.blue() >= 240; }

}  // namespace

TEST(BoardFace, IsARoundedGreyPlateOfTheWindowSize) {
    const QImage image = face();
    ASSERT_EQ(image.size(), QSize(429, 234));
    // Between the notice and the panel, and below the panel.
    EXPECT_EQ(image.pixelColor(200, 50), kPlateGrey);
    EXPECT_EQ(image.pixelColor(214, 222), kPlateGrey);
    // The window's rounded cut leaves the corners out of the plate.
    for (const QPoint corner : {QPoint(0, 0), QPoint(428, 0), QPoint(0, 233), QPoint(428, 233), QPoint(2, 2)}) {
        EXPECT_EQ(image.pixelColor(corner).alpha(), 0) << corner.x() << "," << corner.y();
        EXPECT_NE(image.pixelColor(corner).rgb(), kPlateGrey.rgb());
    }
    // The edge follows the straight sides inside the cut, darker than the plate.
    for (const QPoint edge : {QPoint(1, 117), QPoint(427, 117), QPoint(214, 1), QPoint(214, 232)}) {
        const QColor c = image.pixelColor(edge);
        EXPECT_EQ(c.alpha(), 255) << edge.x() << "," << edge.y();
        EXPECT_LT(c.lightness(), kPlateGrey.lightness()) << edge.x() << "," << edge.y();
    }
}

TEST(BoardFace, SegmentWindowsLieExactlyUnderTheFareDisplays) {
    const QImage image = face();
    for (int top : kFareTops)
        for (int left : kFareLefts) {
            const QRect window(left, top, 65, 34);
            for (const QPoint p : samplePoints(window))
                EXPECT_EQ(image.pixelColor(p), kWindowGrey) << "window at " << left << "," << top << " point "
                                                             << p.x() << "," << p.y();
            // Just outside, the window's grey must have ended.
            for (const QPoint p : {window.topLeft() - QPoint(1, 1), window.bottomRight() + QPoint(1, 1)})
                EXPECT_NE(image.pixelColor(p), kWindowGrey) << p.x() << "," << p.y();
        }
}

TEST(BoardFace, CaptionsSitOnBlack) {
    const QImage image = face();
    for (int top : kCaptionTops)
        for (int left : kCaptionLefts)
            for (const QPoint p : samplePoints(QRect(left, top, 54, 21)))
                EXPECT_EQ(image.pixelColor(p), QColor(Qt::black)) << "caption at " << left << "," << top << " point "
                                                                   << p.x() << "," << p.y();
}

TEST(BoardFace, CarriesTheChildFareNoticeAndTheLabelColumn) {
    const QImage image = face();
    // Red lettering only in the notice strip, above the panel and left of the clock.
    const QRect noticeArea(0, 0, 366, 60);
    EXPECT_GE(countPixels(image, noticeArea, stronglyRed), 200);
    EXPECT_EQ(countPixels(image, image.rect(), stronglyRed), countPixels(image, noticeArea, stronglyRed));
    // White lettering left of the first column: 整理券 beside the upper captions,
    // then a large character beside each row of segment windows.
    EXPECT_GE(countPixels(image, QRect(0, 70, 106, 21), white), 60);
    EXPECT_GE(countPixels(image, QRect(0, 92, 106, 44), white), 200);
    EXPECT_GE(countPixels(image, QRect(0, 136, 106, 70), white), 200);
    // The grid itself carries no lettering: the captions and displays draw over it.
    EXPECT_EQ(countPixels(image, QRect(107, 64, 300, 143), white), 0);
}
