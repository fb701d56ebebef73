#include <gtest/gtest.h>

#include <QStringList>

#include "formats/ReadingsFile.h"

namespace {

using readings_file::Reading;

// What a parse gives: the readings as "name=kana", then the problems as
// "line: text", a warning marked.
std::string parsed(const QByteArray& bytes) {
    const readings_file::Parsed result = readings_file::parse(bytes);
    QStringList out;
    for (const Reading& r : result.readings) out << r.name + u'=' + r.kana;
    for (const Problem& p : result.problems) out << u"%1: %2%3"_qs.arg(p.at).arg(p.text, p.warning ? u" (warning)"_qs : u""_qs);
    return out.join(u" | ").toStdString();
}

TEST(ReadingsFile, ReadsPairsAndSkipsWhatItCannotUse) {
    const struct { const char *name, *bytes, *expected; } cases[] = {
        {"header, LF", "表記,よみ\n御崎,みさき\n母恋駅前,ボコイエキマエ\n", "御崎=みさき | 母恋駅前=ボコイエキマエ"},
        {"BOM, CRLF, blanks, empty rows, no header", "\xEF\xBB\xBF 祝津 , しゅくづ \r\n\r\n , \r\nAEON前,いおんまえ",
         "祝津=しゅくづ | AEON前=いおんまえ"},
        {"quoted, a header only at the top", "表記,よみ\n\"駅前, 北口\",\"えきまえ\"\n表記,よみ\n", "駅前, 北口=えきまえ | 表記=よみ"},
        {"bad rows", "表記,よみ\n一つ\na,b,c\n,あ\n札幌,さっぽろ駅\n市役所,\n学校前,ガッコウマエ\n\"開,あ\n",
         "学校前=ガッコウマエ | 2: 1 fields; a line holds a name and its reading | "
         "3: 3 fields; a line holds a name and its reading | 4: no name | "
         "5: the reading \"さっぽろ駅\" is not hiragana or katakana | 6: no reading | "
         "8: field 1: the quotation mark that opens it is never closed"},
        {"a name twice", "駅前,えきまえ\n本町,ほんまち\n駅前,えきぜん\n",
         "駅前=えきまえ | 本町=ほんまち | 3: \"駅前\" has its reading on line 1 already (warning)"},
        {"not UTF-8", "駅前,えきまえ\r\n\x89\x77\x91\x4F,\x82\xA6\x82\xAB\r\n本町,ほ\xE3\x82\n港,みなと\n",
         "駅前=えきまえ | 港=みなと | 2: not UTF-8 text; the line is skipped | 3: not UTF-8 text; the line is skipped"},
    };
    for (const auto& [name, bytes, expected] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(parsed(bytes), expected);
    }
}

TEST(ReadingsFile, WritesWhatItReadsBack) {
    const std::vector<Reading> readings{{u"母恋駅前"_qs, u"ぼこいえきまえ"_qs}, {u"駅前, \"北口\""_qs, u"エキマエキタグチ"_qs}};
    const QByteArray bytes = readings_file::write(readings);
    EXPECT_EQ(bytes, "表記,よみ\n母恋駅前,ぼこいえきまえ\n\"駅前, \"\"北口\"\"\",エキマエキタグチ\n");
    const readings_file::Parsed back = readings_file::parse(bytes);
    EXPECT_TRUE(back.readings == readings && back.problems.empty());
}

TEST(ReadingsFile, ReadingsAreKanaOnly) {
    for (const char16_t* kana : {u"ぼこい", u"ボコイ", u"ぁゖァヺー", u"みたら・すいぞくかん"})
        EXPECT_TRUE(readings_file::isReading(kana));
    for (const char16_t* kana : {u"", u"ぼこい駅", u"ﾎﾞｺｲ", u"ぼ こい", u"・・", u"ゝ", u"ab"})
        EXPECT_FALSE(readings_file::isReading(kana)) << QString::fromUtf16(kana).toStdString();
}

}  // namespace
