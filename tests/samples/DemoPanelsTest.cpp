#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <cstdlib>

#include "board/BoardFace.h"

namespace {

// A lit picture must fit the board exactly as the built-in face does: the
// displays and captions draw over its dark panel, which the picture keeps.
TEST(DemoPanels, LoadAsBoardSizedPicturesThatKeepTheDarkPanel) {
    const QImage face = drawBuiltinBoardFace().convertToFormat(QImage::Format_ARGB32);
    // Black bands, grid lines, window frames, segment windows and the labels' greys: neutral and opaque.
    const auto dark = [&face](int x, int y) {
        const QColor c = face.rect().contains(x, y) ? face.pixelColor(x, y) : QColor(Qt::white);
        return c.alpha() == 255 && c.red() == c.green() && c.green() == c.blue() && c.red() <= 110;
    };
    // File, format, what the format may change of a pixel: a lossy one also
    // blurs the panel's outline into the plate, so only its inside is compared.
    for (const auto& [file, format, tolerance] : {std::tuple{"panel_on1.bmp", "bmp", 0}, {"panel_on2.jpg", "jpeg", 12}}) {
        SCOPED_TRACE(file);
        // Read as the operation panel reads a user picture.
        QImageReader reader(QDir(QStringLiteral(DEMO_PANELS_DIR)).filePath(QString::fromLatin1(file)));
        EXPECT_EQ(reader.format(), format);
        const QImage picture = reader.read().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(picture.size(), face.size());
        int compared = 0, windowGrey = 0, worst = 0;
        for (int y = 0; y < face.height(); ++y)
            for (int x = 0; x < face.width(); ++x) {
                bool inside = dark(x, y);
                for (int d = 0; tolerance > 0 && d < 25; ++d) inside = inside && dark(x + d % 5 - 2, y + d / 5 - 2);
                if (!inside) continue;
                const QColor a = face.pixelColor(x, y), b = picture.pixelColor(x, y);
                ++compared;
                windowGrey += a == QColor(102, 102, 102);
                worst = std::max({worst, std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
            }
        EXPECT_LE(worst, tolerance);
        // The eight segment windows of 65 x 34 pixels lie in what was compared.
        EXPECT_GE(windowGrey, 8 * 60 * 30);
        EXPECT_GE(compared, 30000);
    }
}

}  // namespace
