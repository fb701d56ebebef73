#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <ostream>

#include "BoardFace.h"

namespace {

// A lit picture must fit the board exactly as the built-in face does: the
// displays and captions draw over its dark panel.
struct LitPanel {
    const char* file;
    const char* format;
    int panelTolerance;  // what the file format may change of a pixel deep inside the panel
};
void PrintTo(const LitPanel& panel, std::ostream* out) { *out << panel.file; }
const LitPanel kOn1{"panel_on1.bmp", "bmp", 0};
const LitPanel kOn2{"panel_on2.jpg", "jpeg", 12};

QImage builtinFace() { return drawBuiltinBoardFace().convertToFormat(QImage::Format_ARGB32); }

QImage load(const LitPanel& panel, QByteArray* format = nullptr) {
    // Read as the operation panel reads a user picture.
    QImageReader reader(QDir(QStringLiteral(DEMO_PANELS_DIR)).filePath(QString::fromLatin1(panel.file)));
    if (format) *format = reader.format();
    const QImage image = reader.read();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// The built-in face's dark panel: black bands, grid lines, window frames,
// segment windows and the labels' greys, all neutral and opaque.
bool panelPixel(QColor c) { return c.alpha() == 255 && c.red() == c.green() && c.green() == c.blue() && c.red() <= 110; }
bool plateGrey(QColor c) { return c == QColor(231, 231, 231); }
bool plainWhite(QColor c) { return c == QColor(Qt::white); }
// Lettering red even where JPEG has halved the colour resolution of its thin strokes.
bool red(QColor c) { return c.red() >= 150 && c.red() - std::max(c.green(), c.blue()) >= 80; }

int channelDistance(QColor a, QColor b) {
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
}

// Whether the face passes `test` all around (x, y): a lossy format changes
// pixels near where colours meet.
bool deepInside(const QImage& face, int x, int y, const std::function<bool(QColor)>& test) {
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (!face.rect().contains(x + dx, y + dy) || !test(face.pixelColor(x + dx, y + dy))) return false;
    return true;
}

// Brightness and warmth (red over blue) of `picture`, averaged where the
// built-in face passes `where` all around.
struct Tint {
    double luma = 0, warmth = 0, darkestLuma = 255;
    int pixels = 0;
};
Tint tintWhere(const QImage& face, const QImage& picture, const QRect& area,
               const std::function<bool(QColor)>& where) {
    Tint tint;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            if (!deepInside(face, x, y, where)) continue;
            const QColor c = picture.pixelColor(x, y);
            const double luma = 0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue();
            tint.luma += luma;
            tint.warmth += c.red() - c.blue();
            tint.darkestLuma = std::min(tint.darkestLuma, luma);
            ++tint.pixels;
        }
    if (tint.pixels) {
        tint.luma /= tint.pixels;
        tint.warmth /= tint.pixels;
    }
    return tint;
}

int countWhere(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += test(image.pixelColor(x, y)) ? 1 : 0;
    return n;
}

// Above the panel and left of the clock area, where the notice strip lies.
const QRect kNoticeArea(0, 0, 366, 60);

class DemoPanel : public ::testing::TestWithParam<LitPanel> {};

TEST_P(DemoPanel, LoadsAsABoardSizedPictureTheProgramReads) {
    QByteArray format;
    const QImage picture = load(GetParam(), &format);
    ASSERT_FALSE(picture.isNull()) << GetParam().file;
    EXPECT_EQ(format, GetParam().format);
    EXPECT_EQ(picture.size(), QSize(429, 234));
}

TEST_P(DemoPanel, KeepsTheDarkPanelWhereTheBuiltinFaceHasIt) {
    const QImage face = builtinFace(), picture = load(GetParam());
    ASSERT_EQ(picture.size(), face.size());
    int checked = 0, windowGrey = 0;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x) {
            const QColor expected = face.pixelColor(x, y);
            if (!panelPixel(expected)) continue;
            // A lossy format blurs the panel's outline into the plate, not its inside.
            if (GetParam().panelTolerance > 0 && !deepInside(face, x, y, panelPixel)) continue;
            ++checked;
            windowGrey += expected == QColor(102, 102, 102) ? 1 : 0;
            const int distance = channelDistance(expected, picture.pixelColor(x, y));
            if (distance > GetParam().panelTolerance)
                ADD_FAILURE() << GetParam().file << " at " << x << "," << y << " differs by " << distance;
            if (HasFailure()) return;
        }
    // The eight segment windows of 65 x 34 pixels lie in what was compared.
    EXPECT_GE(windowGrey, 8 * 60 * 30);
    EXPECT_GE(checked, 30000);
}

TEST_P(DemoPanel, ThePlateAndTheNoticeStripLookLit) {
    const QImage face = builtinFace(), picture = load(GetParam());
    const Tint plate = tintWhere(face, picture, face.rect(), plateGrey);
    const Tint notice = tintWhere(face, picture, kNoticeArea, plainWhite);
    ASSERT_GE(plate.pixels, 15000);
    ASSERT_GE(notice.pixels, 1000);
    // Brighter and warmer than the unlit grey plate everywhere, the strip
    // brighter still and glowing warm.
    EXPECT_GE(plate.luma, 231 + 8);
    EXPECT_GE(plate.darkestLuma, 231 - 2);
    EXPECT_GE(plate.warmth, 8);
    EXPECT_GT(notice.luma, plate.luma);
    EXPECT_GT(notice.warmth, 0);
    // The red lettering still tells of the child fare.
    EXPECT_GE(countWhere(picture, kNoticeArea, red), countWhere(face, kNoticeArea, red) * 3 / 4);
}

INSTANTIATE_TEST_SUITE_P(Lit, DemoPanel, ::testing::Values(kOn1, kOn2),
                         [](const auto& info) { return std::string(info.param.format); });

TEST(DemoPanels, TheSecondLitStateIsTheWarmerOne) {
    const QImage face = builtinFace();
    const Tint on1 = tintWhere(face, load(kOn1), face.rect(), plateGrey);
    const Tint on2 = tintWhere(face, load(kOn2), face.rect(), plateGrey);
    EXPECT_GT(on2.warmth, on1.warmth + 20);
}

}  // namespace
