#include <gtest/gtest.h>

#include "controls/digit/format/DigitFormat.h"

static DigitValue num(double v) { return DigitValue::number(v); }
static DigitValue txt(const char* v) { return DigitValue::text(QString::fromUtf8(v)); }

TEST(DigitFormat, FormatValueSubstitutesFillsAndShifts) {
    // value, ZeroMode, FillZero, Shift, text
    const std::tuple<DigitValue, int, int, int, const char*> cases[] = {
        // zero mode 0 blanks zero and empty, never the text "0"; 1 shows zero for both
        {num(0), 0, 0, 0, ""}, {txt(""), 0, 0, 0, ""}, {txt("0"), 0, 0, 0, "0"}, {num(5), 0, 0, 0, "5"},
        {num(0), 1, 0, 0, "0"}, {txt(""), 1, 0, 0, "0"}, {num(-1), 1, 0, 0, "-1"},
        // 2 shows -1 as zero and blanks zero, but leaves empty alone
        {num(-1), 2, 0, 0, "0"}, {num(0), 2, 0, 0, ""}, {txt(""), 2, 0, 0, ""}, {txt("-1"), 2, 0, 0, "-1"},
        // 3 shows zero for -1, zero and empty; other modes substitute nothing
        {num(-1), 3, 0, 0, "0"}, {num(0), 3, 0, 0, "0"}, {txt(""), 3, 0, 0, "0"}, {num(-2), 3, 0, 0, "-2"},
        {num(0), -1, 0, 0, "0"}, {txt(""), -1, 0, 0, ""}, {num(-1), 7, 0, 0, "-1"},
        // zero fill: numbers and numeric texts only, rounded half away from zero
        {num(5), 0, 3, 0, "005"}, {num(1234), 0, 3, 0, "1234"}, {num(-5), 0, 2, 0, "-05"}, {txt("7"), 0, 2, 0, "07"},
        {txt(" 7 "), 0, 2, 0, "07"}, {txt("abc"), 0, 2, 0, "abc"}, {txt(""), 0, 2, 0, ""}, {num(0), 1, 2, 0, "00"},
        {num(2.5), 0, 2, 0, "03"}, {num(-2.5), 0, 2, 0, "-03"}, {num(2.5), 0, 1, 0, "3"}, {num(1.5), 0, 0, 0, "1.5"},
        {txt("-3"), 0, 2, 0, "-03"}, {txt("1.5"), 0, 2, 0, "02"}, {txt(" "), 0, 2, 0, " "},
        {num(3e10), 0, 0, 0, "30000000000"},
        // shift appends spaces after the filled value
        {num(12), 0, 0, 1, "12 "}, {num(5), 0, 2, 1, "05 "}, {txt(""), 0, 0, 2, "  "}, {num(0), 0, 0, 1, " "},
        {num(12), 0, 0, -1, "12"}};
    for (const auto& [value, zeroMode, fillZero, shift, text] : cases)
        EXPECT_EQ(digit_format::formatValue(value, zeroMode, fillZero, shift).toStdString(), text)
            << "'" << value.toText().toStdString() << "' ZeroMode " << zeroMode << " FillZero " << fillZero
            << " Shift " << shift;
}

TEST(DigitFormat, RightmostDropsLeftCharactersAndRightAlignedPads) {
    // text, Keta, rightmost, right-aligned
    const std::tuple<const char*, int, const char*, const char*> cases[] = {
        {"1234", 3, "234", "234"}, {"12", 3, "12", " 12"}, {"", 2, "", "  "},
        {"12 ", 3, "12 ", "12 "},  {"7", 0, "", ""},       {"7", -1, "", ""}};
    for (const auto& [text, keta, rightmost, rightAligned] : cases) {
        SCOPED_TRACE(testing::Message() << "'" << text << "' Keta " << keta);
        EXPECT_EQ(digit_format::rightmost(QString::fromUtf8(text), keta).toStdString(), rightmost);
        EXPECT_EQ(digit_format::rightAligned(QString::fromUtf8(text), keta).toStdString(), rightAligned);
    }
}

// Values are loaded through variants: see the display's properties.
TEST(DigitValue, NumbersOfEveryTypeAreNumbers) {
    for (const QVariant& v : {QVariant(5), QVariant::fromValue<qint16>(5), QVariant(2.5), QVariant(5u), QVariant(true)})
        EXPECT_TRUE(DigitValue::fromVariant(v).isNumber()) << v.typeName();
}
