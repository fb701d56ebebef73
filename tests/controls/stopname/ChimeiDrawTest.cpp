#include <gtest/gtest.h>

#include <set>

#include "tests/controls/stopname/Dots.h"
#include "platform/PropertyBag.h"

namespace {

int litPixels(const ChimeiCtl_B& ctl) { return countColour(ctl.canvasImage(), rgbOf(ctl.ForeColor())); }

}  // namespace

TEST(ChimeiDraw, HalfWidthLettersPairIntoCellsAndOddBytesLandWhereTheLayoutPutsThem) {
    ChimeiCtl_B ctl;
    ctl.SetChimei(QStringLiteral("A"));
    EXPECT_EQ(cellAt(ctl, 2, 0), gothic(QStringLiteral("A"))) << "a lone letter sits at the top";
    EXPECT_EQ(litPixels(ctl), litCount(gothic(QStringLiteral("A"))));
    // Dots stand two pixels apart, with unlit pixels between them.
    for (int y = 0; y < 192; ++y)
        for (int x = 0; x < 37; ++x)
            if (ctl.canvasImage().pixel(x, y) == rgbOf(ctl.ForeColor())) {
                ASSERT_TRUE(x % 2 == 0 && y % 2 == 0) << x << "," << y;
            }

    ctl.SetChimei(QStringLiteral("AB"));
    EXPECT_EQ(cellAt(ctl, 2, 80), gothic(QStringLiteral("AB"))) << "side by side in one centred cell";
    EXPECT_EQ(litPixels(ctl), litCount(gothic(QStringLiteral("AB"))));
    ctl.SetChimei(QStringLiteral("ABC"));
    EXPECT_EQ(litPixels(ctl), litCount(cellAt(ctl, 2, 80)));
    EXPECT_GT(litPixels(ctl), litCount(gothic(QStringLiteral("AB")))) << "the odd byte overlaps the one cell";

    ctl.SetChimei(QStringLiteral("市役A"));
    EXPECT_EQ(cellAt(ctl, 2, 48), gothic(QStringLiteral("市")));
    EXPECT_EQ(cellAt(ctl, 2, 112), gothic(QStringLiteral("役")));
    Cell upperHalf = gothic(QStringLiteral("A"));
    std::fill(upperHalf.begin() + 8, upperHalf.end(), std::string(16, '.'));
    EXPECT_EQ(cellAt(ctl, 2, 176), upperHalf) << "only the upper half of the odd byte fits";

    ctl.SetChimei(QStringLiteral("市役所"));
    const QImage threeCells = ctl.canvasImage();
    ctl.SetChimei(QStringLiteral("市役所A"));
    EXPECT_EQ(ctl.canvasImage(), threeCells) << "the odd byte falls below the canvas";
}

TEST(ChimeiDraw, SixCellsStandStillAndSevenScrollOnATallerCanvas) {
    ChimeiCtl_B ctl;
    const QString seven = QStringLiteral("一二三四五六七");
    ctl.SetChimei(seven.left(6));
    EXPECT_EQ(ctl.canvasImage().height(), 192);
    EXPECT_EQ(ctl.canvasTop(), 0);
    EXPECT_FALSE(ctl.isScrolling());
    for (int i = 0; i < 6; ++i) EXPECT_EQ(cellAt(ctl, 2, 32 * i), gothic(seven.mid(i, 1))) << i;

    ctl.SetChimei(seven);
    EXPECT_EQ(ctl.canvasImage().height(), 224);
    EXPECT_EQ(ctl.canvasTop(), ctl.viewportHeight()) << "it enters from below the strip";
    EXPECT_TRUE(ctl.isScrolling());
    EXPECT_EQ(cellAt(ctl, 2, 192), gothic(QStringLiteral("七")));
}

TEST(ChimeiDraw, VerticalWritingFormsAndOffsets) {
    ChimeiCtl_B ctl;
    ctl.SetChimei(QStringLiteral("ー"));
    const Cell bar = cellAt(ctl, 2, 80);
    EXPECT_EQ(bar, gothic(QStringLiteral("丨")));
    std::set<int> columns;
    int rows = 0;
    for (const std::string& row : bar) {
        for (int a = 0; a < 16; ++a)
            if (row[a] == '#') columns.insert(a);
        rows += row.find('#') != std::string::npos;
    }
    EXPECT_EQ(columns.size(), 1u);
    EXPECT_GE(rows, 12) << "a vertical stroke";
    QString text = QStringLiteral("ー");
    int x = 2, y = 0;
    ctl.DrawDot16(x, y, text);
    EXPECT_EQ(text, QStringLiteral("丨")) << "the caller's text is replaced";

    for (const QString& turned : {QStringLiteral("（"), QStringLiteral("→")}) {
        ctl.SetChimei(turned);
        EXPECT_EQ(cellAt(ctl, 2, 80), glyph(QStringLiteral("IPAGothic"), turned, 0, 0, false, true)) << qPrintable(turned);
        EXPECT_NE(cellAt(ctl, 2, 80), gothic(turned));
    }

    ctl.SetChimei(QStringLiteral("。"));
    const Cell stop = cellAt(ctl, 2, 80);
    EXPECT_EQ(stop, gothic(QStringLiteral("。"), 10, -10));
    EXPECT_GT(litCount(stop), 4);
    for (int b = 0; b < 16; ++b)
        for (int a = 0; a < 16; ++a)
            if (stop[b][a] == '#') {
                EXPECT_TRUE(a >= 8 && b < 8) << "upper right, not " << a << "," << b;
            }

    ctl.SetChimei(QStringLiteral("申"));
    EXPECT_EQ(cellAt(ctl, 2, 80), gothic(QStringLiteral("申"), 1));
}

TEST(ChimeiDraw, FontModeChoosesTheFacePerCharacterAndBoldThickens) {
    ChimeiCtl_B ctl;
    for (const QString& c : {QStringLiteral("あ"), QStringLiteral("駅"), QStringLiteral("Ａ")})
        ASSERT_NE(gothic(c), mincho(c)) << "the faces must tell apart";

    ctl.setFontMode(2);  // kanji in Gothic, the rest in Mincho
    ctl.SetChimei(QStringLiteral("あ駅"));
    EXPECT_EQ(cellAt(ctl, 2, 48), mincho(QStringLiteral("あ")));
    EXPECT_EQ(cellAt(ctl, 2, 112), gothic(QStringLiteral("駅")));
    ctl.setFontMode(4);  // only full-width letters and digits in Gothic
    ctl.SetChimei(QStringLiteral("Ａ駅"));
    EXPECT_EQ(cellAt(ctl, 2, 48), gothic(QStringLiteral("Ａ")));
    EXPECT_EQ(cellAt(ctl, 2, 112), mincho(QStringLiteral("駅")));

    ctl.setFontMode(0);
    ctl.setFontBold(true);
    ctl.SetChimei(QStringLiteral("駅"));
    EXPECT_EQ(cellAt(ctl, 2, 80), glyph(QStringLiteral("IPAGothic"), QStringLiteral("駅"), 0, 0, true));
    EXPECT_GT(litCount(cellAt(ctl, 2, 80)), litCount(gothic(QStringLiteral("駅"))));
}

TEST(ChimeiDraw, TheStripShowsTheCanvasAndANewBackgroundBlanksIt) {
    ChimeiCtl_B ctl;
    ctl.SetChimei(QStringLiteral("市役所前"));
    const QRgb amber = rgbOf(ctl.ForeColor());
    // The sunken edge insets the canvas by two pixels.
    const QImage shown = ctl.grab().toImage();
    for (int y = 0; y < 188; ++y)
        for (int x = 0; x < 31; ++x) ASSERT_EQ(shown.pixel(x + 2, y + 2), ctl.canvasImage().pixel(x, y)) << x << "," << y;

    ctl.setBackColor(0x202020);
    EXPECT_EQ(countColour(ctl.canvasImage(), rgbOf(0x202020)), 37 * 192);
    EXPECT_EQ(countColour(ctl.grab().toImage(), amber), 0);

    ctl.SetChimei(QStringLiteral("市役所前"));
    const int dots = litPixels(ctl);
    ctl.setForeColor(0x00FF00);
    EXPECT_EQ(countColour(ctl.canvasImage(), amber), dots) << "drawn dots keep their colour";
}
