#include <gtest/gtest.h>

#include "formats/Cp932.h"

namespace {

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values) out.append(static_cast<char>(v));
    return out;
}

TEST(Cp932, DecodesTheWindowsMappingsOfTheDisputedCodes) {
    EXPECT_EQ(cp932::decode(bytes({0x81, 0x60})), QString(QChar(0xFF5E)));  // wave dash as Windows reads it
    EXPECT_EQ(cp932::decode(bytes({0x81, 0x7C})), QString(QChar(0xFF0D)));  // full-width minus
    EXPECT_EQ(cp932::decode(bytes({0x5C})), QStringLiteral("\\"));
}

TEST(Cp932, EncodesWithTheWindowsBestFitMappings) {
    EXPECT_EQ(cp932::encode(QString(QChar(0xFF5E))), bytes({0x81, 0x60}));
    EXPECT_EQ(cp932::encode(QString(QChar(0x301C))), bytes({0x81, 0x60}));
    EXPECT_EQ(cp932::encode(QString(QChar(0x2212))), bytes({0x81, 0x7C}));
    EXPECT_EQ(cp932::encode(QString(QChar(0x00A5))), bytes({0x5C}));
}

TEST(Cp932, RoundTripsTheNecAndIbmExtensions) {
    struct Case {
        QByteArray cp932;
        char32_t unicode;
    };
    const Case cases[] = {
        {bytes({0x87, 0x40}), U'\u2460'},  // ① NEC special row
        {bytes({0x87, 0x8A}), U'\u3231'},  // ㈱
        {bytes({0xED, 0x40}), U'\u7E8A'},  // NEC-selected IBM extension
        {bytes({0xFA, 0x40}), U'\u2170'},  // IBM extension: small roman one
        {bytes({0xFA, 0x5C}), U'\u7E8A'},  // the same character in the IBM extension
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUcs4(&c.unicode, 1);
        EXPECT_EQ(cp932::decode(c.cp932), text) << c.cp932.toHex().constData();
    }
    // Where two codes share a character, writing gives the NEC form Windows uses.
    EXPECT_EQ(cp932::encode(QString(QChar(0x2252))), bytes({0x81, 0xE0}));
    EXPECT_EQ(cp932::encode(QString(QChar(0x2460))), bytes({0x87, 0x40}));
    EXPECT_EQ(cp932::encode(QString(QChar(0x7E8A))), bytes({0xFA, 0x5C}));
    EXPECT_EQ(cp932::encode(QString(QChar(0x2235))), bytes({0x81, 0xE6}));
}

TEST(Cp932, HandlesHalfWidthKatakanaAndKanji) {
    const QByteArray kana = bytes({0xB1, 0xDD, 0xDE});  // ｱﾝﾞ
    EXPECT_EQ(cp932::decode(kana), QStringLiteral("ｱﾝﾞ"));
    EXPECT_EQ(cp932::encode(QStringLiteral("ｱﾝﾞ")), kana);
    const QString name = QStringLiteral("市役所前・東口ヶ丘");
    EXPECT_EQ(cp932::decode(cp932::encode(name)), name);
    EXPECT_EQ(cp932::encode(QStringLiteral("駅")).size(), 2);
}

TEST(Cp932, InvalidBytesDecodeToTheSubstituteWithoutLosingTheRest) {
    // A lone lead byte at the end.
    EXPECT_EQ(cp932::decode(bytes({'A', 0x82})), QStringLiteral("A\u30FB"));
    // A lead byte followed by a byte that cannot trail it stands alone.
    EXPECT_EQ(cp932::decode(bytes({0x82, 0x20, 'B'})), QStringLiteral("\u30FB B"));
    // Bytes that are never valid.
    EXPECT_EQ(cp932::decode(bytes({0x80, 0xA0, 0xFD, 'C'})), QStringLiteral("\u30FB\u30FB\u30FBC"));
    // An unassigned double-byte code counts as one character.
    EXPECT_EQ(cp932::decode(bytes({0x85, 0x40, 'D'})), QStringLiteral("\u30FBD"));
    EXPECT_TRUE(cp932::decode(QByteArray()).isEmpty());
}

TEST(Cp932, CharactersWithoutAFormBecomeQuestionMarks) {
    EXPECT_EQ(cp932::encode(QStringLiteral("a\u00E9b")), QByteArray("a?b"));
    EXPECT_EQ(cp932::encode(QStringLiteral("x\U0001F68Cy")), QByteArray("x?y"));  // one mark per character
    EXPECT_EQ(cp932::encode(QString(QChar(0xD800))), QByteArray("?"));           // lone surrogate
}

TEST(Cp932, ConvertsLongTextsWhole) {
    QString text;
    for (int i = 0; i < 5000; ++i) text += QStringLiteral("停留所ｶﾅabc");
    const QByteArray encoded = cp932::encode(text);
    EXPECT_EQ(encoded.size(), 5000 * (6 + 2 + 3));
    EXPECT_EQ(cp932::decode(encoded), text);
}

}  // namespace
