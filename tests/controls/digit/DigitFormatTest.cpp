#include <gtest/gtest.h>

#include "controls/digit/format/DigitFormat.h"

namespace {

DigitValue num(double v) { return DigitValue::number(v); }
DigitValue txt(const char* v) { return DigitValue::text(QString::fromUtf8(v)); }

}  // namespace

TEST(DigitFormat, FormatValueSubstitutesFillsAndShifts) {
    struct Case {
        DigitValue value;
        int zeroMode, fillZero, shift;
        const char* expected;
    };
    const Case cases[] = {
        // zero mode 0 blanks zero and empty, never the text "0"
        {num(0), 0, 0, 0, ""},
        {txt(""), 0, 0, 0, ""},
        {txt("0"), 0, 0, 0, "0"},
        {num(5), 0, 0, 0, "5"},
        // 1 shows zero for zero and empty
        {num(0), 1, 0, 0, "0"},
        {txt(""), 1, 0, 0, "0"},
        {num(-1), 1, 0, 0, "-1"},
        // 2 shows -1 as zero and blanks zero, but leaves empty alone
        {num(-1), 2, 0, 0, "0"},
        {num(0), 2, 0, 0, ""},
        {txt(""), 2, 0, 0, ""},
        {txt("-1"), 2, 0, 0, "-1"},
        // 3 shows zero for -1, zero and empty
        {num(-1), 3, 0, 0, "0"},
        {num(0), 3, 0, 0, "0"},
        {txt(""), 3, 0, 0, "0"},
        {num(-2), 3, 0, 0, "-2"},
        // other modes substitute nothing
        {num(0), -1, 0, 0, "0"},
        {txt(""), -1, 0, 0, ""},
        {num(-1), 7, 0, 0, "-1"},
        // zero fill: numbers and numeric texts only, rounded to whole numbers
        {num(5), 0, 3, 0, "005"},
        {num(1234), 0, 3, 0, "1234"},
        {num(-5), 0, 2, 0, "-05"},
        {txt("7"), 0, 2, 0, "07"},
        {txt(" 7 "), 0, 2, 0, "07"},
        {txt("abc"), 0, 2, 0, "abc"},
        {txt(""), 0, 2, 0, ""},
        {num(0), 1, 2, 0, "00"},
        {num(2.5), 0, 2, 0, "03"},
        {num(-2.5), 0, 2, 0, "-03"},
        {num(1.5), 0, 0, 0, "1.5"},
        // shift appends spaces after the filled value
        {num(12), 0, 0, 1, "12 "},
        {num(5), 0, 2, 1, "05 "},
        {txt(""), 0, 0, 2, "  "},
        {num(0), 0, 0, 1, " "},
        {num(12), 0, 0, -1, "12"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("'%1' ZeroMode %2 FillZero %3 Shift %4")
                         .arg(c.value.toText()).arg(c.zeroMode).arg(c.fillZero).arg(c.shift).toStdString());
        EXPECT_EQ(digit_format::formatValue(c.value, c.zeroMode, c.fillZero, c.shift), QString::fromUtf8(c.expected));
    }
}

TEST(DigitFormat, RightmostDropsLeftCharactersAndRightAlignedPads) {
    struct Case {
        const char* text;
        int keta;
        const char* rightmost;
        const char* rightAligned;
    };
    const Case cases[] = {
        {"1234", 3, "234", "234"},
        {"12", 3, "12", " 12"},
        {"", 2, "", "  "},
        {"12 ", 3, "12 ", "12 "},
        {"7", 0, "", ""},
        {"7", -1, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("'%1' Keta %2").arg(QString::fromUtf8(c.text)).arg(c.keta).toStdString());
        EXPECT_EQ(digit_format::rightmost(QString::fromUtf8(c.text), c.keta), QString::fromUtf8(c.rightmost));
        EXPECT_EQ(digit_format::rightAligned(QString::fromUtf8(c.text), c.keta), QString::fromUtf8(c.rightAligned));
    }
}

TEST(DigitValue, NumbersAndTextsStayApart) {
    EXPECT_TRUE(DigitValue::fromVariant(QVariant(5)).isNumber());
    EXPECT_TRUE(DigitValue::fromVariant(QVariant(qint16(5))).isNumber());
    EXPECT_TRUE(DigitValue::fromVariant(QVariant(2.5)).isNumber());
    EXPECT_TRUE(DigitValue::fromVariant(QVariant(QStringLiteral("5"))).isText());
    EXPECT_NE(txt("0"), num(0));
    EXPECT_FALSE(txt("0").equals(0));

    EXPECT_TRUE(txt(" 12 ").isNumeric());
    EXPECT_TRUE(txt("-3").isNumeric());
    EXPECT_FALSE(txt("abc").isNumeric());
    EXPECT_FALSE(txt("").isNumeric());
    EXPECT_FALSE(txt(" ").isNumeric());

    EXPECT_EQ(num(1234).toText(), "1234");
    EXPECT_EQ(num(-5).toText(), "-5");
    EXPECT_EQ(num(1.5).toText(), "1.5");
    EXPECT_EQ(txt("08").toText(), "08");

    for (const DigitValue& v : {num(0), num(-7), num(2.5), num(3e10), txt("0"), txt(""), txt("x")})
        EXPECT_EQ(DigitValue::fromVariant(v.toVariant()), v) << v.toText().toStdString();
}
