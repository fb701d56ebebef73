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

INSTANTIATE_TEST_SUITE_P(Lit, DemoPanel, ::testing::Values(kOn1, kOn2),
                         [](const auto& info) { return std::string(info.param.format); });

}  // namespace
