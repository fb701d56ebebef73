#include <gtest/gtest.h>

#include "tests/controls/digit/DisplayReading.h"
#include "controls/digit/M_Degit.h"

using namespace display_reading;

namespace {

// A display set up as `keta`, `zeroMode`, `fillZero`, `shift` before `value` is set.
struct Shown {
    qint16 keta;
    qint16 zeroMode;
    qint16 fillZero;
    qint16 shift;
    DigitValue value;
    QString lit;
};

DigitValue num(double v) { return DigitValue::number(v); }
DigitValue txt(const char* v) { return DigitValue::text(QString::fromUtf8(v)); }

}  // namespace

TEST(M_DegitDraw, LightsTheFormattedValueRightAligned) {
    const Shown cases[] = {
        {3, 0, 0, 0, num(0), "   "},
        {3, 0, 0, 0, txt(""), "   "},
        {3, 0, 0, 0, txt("0"), "  0"},
        {3, 1, 0, 0, txt(""), "  0"},
        {3, 2, 0, 0, num(-1), "  0"},
        {3, 2, 0, 0, num(0), "   "},
        {3, 3, 0, 0, num(-1), "  0"},
        {3, 3, 0, 0, num(0), "  0"},
        {3, 3, 0, 0, txt(""), "  0"},
        {3, -1, 0, 0, num(0), "  0"},
        {3, 0, 2, 0, num(5), " 05"},
        {3, 0, 2, 0, txt(""), "   "},
        {3, 0, 2, 0, num(-5), "-05"},
        {3, 0, 0, 0, num(1234), "234"},
        {3, 0, 0, 1, num(12), "12 "},
        {4, 0, 2, 1, num(7), " 07 "},
        {2, 0, 0, 0, num(59), "59"},
        {15, 0, 0, 0, num(123456789), "      123456789"},
    };
    for (const Shown& c : cases) {
        SCOPED_TRACE(QStringLiteral("Keta %1 ZeroMode %2 FillZero %3 Shift %4 Value '%5'")
                         .arg(c.keta).arg(c.zeroMode).arg(c.fillZero).arg(c.shift).arg(c.value.toText())
                         .toStdString());
        M_Degit display;
        useReadingColors(display);
        display.setKeta(c.keta);
        display.setZeroMode(c.zeroMode);
        display.setFillZero(c.fillZero);
        display.setShift(c.shift);
        display.setValue(c.value);
        EXPECT_EQ(litText(display), c.lit);
        EXPECT_TRUE(showsEveryEight(display));
        if (c.lit.trimmed().isEmpty()) {
            EXPECT_EQ(countPixels(picture(display), kLit), 0);
        }
    }
}

TEST(M_DegitDraw, EverySizeClassAndStyleShowsTheValueRightAligned) {
    for (qint16 size : {0, 1, 2, 3}) {
        for (qint16 style : {0, 1, 2}) {
            SCOPED_TRACE(QStringLiteral("DegitSize %1 DegitStyle %2").arg(size).arg(style).toStdString());
            M_Degit display;
            useReadingColors(display);
            display.setDegitSize(size);
            display.setDegitStyle(style);
            display.setKeta(3);
            display.setValue(num(47));
            EXPECT_EQ(litText(display), " 47");
            EXPECT_TRUE(showsEveryEight(display));
        }
    }
}

TEST(M_DegitDraw, StylesChooseDistinctFacesAndUnknownStylesTheFirst) {
    auto pictureOf = [](qint16 style) {
        M_Degit display;
        useReadingColors(display);
        display.setDegitStyle(style);
        display.setValue(num(1234));
        return picture(display);
    };
    const QImage a = pictureOf(0), b = pictureOf(1), c = pictureOf(2);
    EXPECT_NE(a, b);
    EXPECT_NE(a, c);
    EXPECT_NE(b, c);
    EXPECT_EQ(pictureOf(5), a);
    EXPECT_EQ(pictureOf(-1), a);
}

TEST(M_DegitDraw, ColourSettersRedrawInTheirColour) {
    M_Degit display;
    useReadingColors(display);
    display.setValue(num(1));
    const quint32 yellow = 0x00FFFF, magenta = 0xFF00FF, cyan = 0xFFFF00;

    display.setDegitForeColor(yellow);
    EXPECT_GT(countPixels(picture(display), yellow), 0);
    EXPECT_EQ(countPixels(picture(display), kLit), 0);

    display.setBaseForeColor(magenta);
    EXPECT_GT(countPixels(picture(display), magenta), 0);
    EXPECT_EQ(countPixels(picture(display), kUnlit), 0);

    display.setBackColor(cyan);
    const QImage image = picture(display);
    EXPECT_GT(countPixels(image, cyan), 0);
    EXPECT_EQ(countPixels(image, kBack), 0);
    EXPECT_GT(countPixels(image, yellow), 0);
    EXPECT_GT(countPixels(image, magenta), 0);
}

TEST(M_DegitDraw, NewDisplayShowsOnlyItsBackground) {
    M_Degit display;
    const QImage image = picture(display);
    EXPECT_EQ(countPixels(image, 8421504), image.width() * image.height());
}

TEST(M_DegitDraw, DrawsTheBoldFace) {
    M_Degit display;
    useReadingColors(display);
    display.setKeta(1);
    display.setValue(num(8));
    const int bold = countPixels(referenceGlyph(display, u'8', true), kLit);
    const int regular = countPixels(referenceGlyph(display, u'8', false), kLit);
    ASSERT_GT(bold - regular, 10);
    EXPECT_NEAR(countPixels(picture(display), kLit), bold, (bold - regular) / 4);
}
