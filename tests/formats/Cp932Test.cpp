#include <gtest/gtest.h>

#include "formats/Cp932.h"

TEST(Cp932, ConvertsAsWindowsDoes) {
    // bytes, text, whether the bytes decode to the text, whether the text encodes to the bytes
    const std::tuple<const char*, const char16_t*, bool, bool> cases[] = {
        // the wave dash, the full-width minus and the backslash as Windows reads them, and their best fits
        {"8160", u"\uFF5E", true, true}, {"8160", u"\u301C", false, true}, {"817c", u"\uFF0D", true, true},
        {"817c", u"\u2212", false, true}, {"5c", u"\\", true, true},       {"5c", u"\u00A5", false, true},
        // The NEC special row and both forms of the IBM extensions; where two
        // codes share a character, writing gives the form Windows writes.
        {"8740", u"\u2460", true, true}, {"878a", u"\u3231", true, false}, {"ed40", u"\u7E8A", true, false},
        {"fa40", u"\u2170", true, false}, {"fa5c", u"\u7E8A", true, true}, {"81e0", u"\u2252", false, true},
        {"81e6", u"\u2235", false, true}, {"b1ddde", u"ｱﾝﾞ", true, true}, {"8977", u"駅", true, true},
        // Bytes that form no character read as U+30FB each; a lead byte takes
        // a byte that may trail it along, even for an unassigned code.
        {"4182", u"A\u30FB", true, false}, {"822042", u"\u30FB B", true, false},
        {"80a0fd43", u"\u30FB\u30FB\u30FBC", true, false}, {"854044", u"\u30FBD", true, false}, {"", u"", true, true},
        // A character without a form is one '?', a surrogate pair too.
        {"613f62", u"a\u00E9b", false, true}, {"783f79", u"x\U0001F68Cy", false, true}, {"3f", u"\xD800", false, true},
    };
    for (const auto& [hex, text, decodes, encodes] : cases) {
        if (decodes) { EXPECT_EQ(cp932::decode(QByteArray::fromHex(hex)), QString::fromUtf16(text)) << hex; }
        if (encodes) { EXPECT_EQ(cp932::encode(QString::fromUtf16(text)).toHex(), hex) << hex; }
    }
    const QString longText = QStringLiteral("市役所前・東口ヶ丘ｶﾅabc").repeated(5000);  // converted whole
    EXPECT_EQ(cp932::encode(longText).size(), 5000 * (18 + 2 + 3));
    EXPECT_EQ(cp932::decode(cp932::encode(longText)), longText);
}
