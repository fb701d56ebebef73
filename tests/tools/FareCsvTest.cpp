#include <gtest/gtest.h>

#include "Cp932.h"
#include "CsvText.h"
#include "FareCsv.h"

namespace {

// The one problem of `text`, as "line: text".
QString onlyProblem(const QString& text) {
    const fare_csv::Imported imported = fare_csv::read(text);
    if (imported.problems.size() != 1) return u"%1 problems"_qs.arg(imported.problems.size());
    return u"%1: %2"_qs.arg(imported.problems[0].at).arg(imported.problems[0].text);
}

TEST(FareCsv, ReadsStopsWithMissingAndEmptyFaresAsZero) {
    const fare_csv::Imported imported = fare_csv::read(u"停留所名,整理券番号,運賃1,運賃2,運賃3\n"
                                                       u"桜ヶ丘駅前,1,180\n"
                                                       u"市役所前, 2 ,190,,+170\n"
                                                       u"ｶﾅ停留所,0,-1,-32768,32767\n"_qs);
    ASSERT_TRUE(imported.problems.empty());
    ASSERT_EQ(imported.stops.size(), 3u);
    EXPECT_EQ(imported.stops[0].Chimei, u"桜ヶ丘駅前"_qs);
    EXPECT_EQ(imported.stops[0].SeiriNum, 1);
    EXPECT_EQ(imported.stops[0].Fare(1), 180);
    EXPECT_EQ(imported.stops[0].Fare(2), 0);
    EXPECT_EQ(imported.stops[0].Fare(150), 0);
    EXPECT_EQ(imported.stops[1].SeiriNum, 2);
    EXPECT_EQ(imported.stops[1].Fare(2), 0);
    EXPECT_EQ(imported.stops[1].Fare(3), 170);
    EXPECT_EQ(imported.stops[2].Fare(1), -1);
    EXPECT_EQ(imported.stops[2].Fare(2), -32768);
    EXPECT_EQ(imported.stops[2].Fare(3), 32767);
}

TEST(FareCsv, TheFirstRowIsAHeaderOnlyWhenItHoldsNoNumberAfterTheName) {
    // No header: the first row is a stop.
    EXPECT_EQ(fare_csv::read(u"駅前,1,180\n役場,2,190\n"_qs).stops.size(), 2u);
    // Any heading words will do.
    EXPECT_EQ(fare_csv::read(u"name,ticket,fare 1\n駅前,1,180\n"_qs).stops.size(), 1u);
    // A first row with a number is a stop, so a mistyped ticket number is
    // reported, never taken for a header.
    EXPECT_EQ(onlyProblem(u"駅前,l,180\n役場,2,190\n"_qs), u"1: field 2 (ticket number): \"l\" is not a whole number"_qs);
    // Only the first row can be a header.
    EXPECT_EQ(onlyProblem(u"駅前,1,180\n停留所名,整理券番号\n"_qs),
              u"2: field 2 (ticket number): \"整理券番号\" is not a whole number"_qs);
}

TEST(FareCsv, EachRefusalNamesItsLineAndField) {
    const QString head = u"停留所名,整理券番号,運賃1\n駅前,1,180\n"_qs;
    EXPECT_EQ(onlyProblem(head + u"役場,2,1８0\n"_qs), u"3: field 3 (fare column 1): \"1８0\" is not a whole number"_qs);
    EXPECT_EQ(onlyProblem(head + u"役場,2,180,1.5\n"_qs), u"3: field 4 (fare column 2): \"1.5\" is not a whole number"_qs);
    EXPECT_EQ(onlyProblem(head + u"役場,2,180,200,32768\n"_qs), u"3: field 5 (fare column 3): 32768 is outside -32768 to 32767"_qs);
    EXPECT_EQ(onlyProblem(head + u"役場,-32769\n"_qs), u"3: field 2 (ticket number): -32769 is outside -32768 to 32767"_qs);
    EXPECT_EQ(onlyProblem(head + u"役場,99999999999999999999\n"_qs),
              u"3: field 2 (ticket number): 99999999999999999999 is outside -32768 to 32767"_qs);
    EXPECT_EQ(onlyProblem(head + u"役場\n"_qs), u"3: field 2 (ticket number): missing"_qs);
    EXPECT_EQ(onlyProblem(head + u"役場,\n"_qs), u"3: field 2 (ticket number): missing"_qs);
    EXPECT_EQ(onlyProblem(head + u"Café,2\n"_qs), u"3: field 1 (stop name): 'é' (U+00E9) has no code page 932 form"_qs);
    EXPECT_EQ(onlyProblem(head + u"海の駅🚌,2\n"_qs),
              u"3: field 1 (stop name): '🚌' (U+1F68C) has no code page 932 form"_qs);
    // Written with a best fit, it would come back as another character.
    EXPECT_EQ(onlyProblem(head + u"一〜二丁目,2\n"_qs),
              u"3: field 1 (stop name): '〜' (U+301C) has no code page 932 form; it would be written as '～' "
              u"(U+FF5E), so write that instead"_qs);
}

TEST(FareCsv, RefusesMoreThan150FaresAndMoreThan301Stops) {
    const QString row150 = u"駅前,1"_qs + u",180"_qs.repeated(150) + u'\n';
    EXPECT_TRUE(fare_csv::read(row150).problems.empty());
    EXPECT_EQ(onlyProblem(u"駅前,1"_qs + u",180"_qs.repeated(151) + u'\n'),
              u"1: field 153: a row holds at most 150 fares, this one 151"_qs);

    QString stops = u"停留所名,整理券番号\n"_qs;
    for (int i = 1; i <= 301; ++i) stops += u"停留所%1,%1\n"_qs.arg(i);
    const fare_csv::Imported most = fare_csv::read(stops);
    EXPECT_TRUE(most.problems.empty());
    EXPECT_EQ(most.stops.size(), 301u);
    EXPECT_EQ(onlyProblem(stops + u"停留所302,302\n"_qs), u"303: more than 301 stops; a route holds at most 301"_qs);
}

TEST(FareCsv, ATableWithoutStopRowsIsRefused) {
    EXPECT_EQ(onlyProblem(QString()), u"0: no stop rows"_qs);
    EXPECT_EQ(onlyProblem(u"停留所名,整理券番号,運賃1\n,,\n"_qs), u"0: no stop rows"_qs);
}

TEST(FareCsv, EveryProblemIsListedInLineOrder) {
    const fare_csv::Imported imported = fare_csv::read(u"駅前,x,180\n"
                                                       u"\"役場,2\n"_qs);
    ASSERT_EQ(imported.problems.size(), 2u);
    EXPECT_EQ(imported.problems[0].at, 1);
    EXPECT_EQ(imported.problems[1].at, 2);
}

TEST(FareCsv, WritesAsManyFareColumnsAsTheLastOneInUse) {
    std::vector<StopRecord> stops(2);
    stops[0].Chimei = u"駅前, 北口"_qs;
    stops[0].SeiriNum = 1;
    stops[0].fares[0] = 180;
    stops[1].Chimei = u"役場"_qs;
    stops[1].SeiriNum = 2;
    stops[1].fares[3] = -1;
    EXPECT_EQ(fare_csv::fareColumns(stops), 4);
    EXPECT_EQ(fare_csv::write(stops), u"停留所名,整理券番号,運賃1,運賃2,運賃3,運賃4\n"
                                      u"\"駅前, 北口\",1,180,0,0,0\n"
                                      u"役場,2,0,0,0,-1\n"_qs);
    stops[1].fares[3] = 0;
    stops[0].fares[0] = 0;
    EXPECT_EQ(fare_csv::write(stops), u"停留所名,整理券番号\n\"駅前, 北口\",1\n役場,2\n"_qs);
}

TEST(CsvText, ValidUtf8IsUtf8WithOrWithoutMarkAnythingElseCp932) {
    const QString text = u"停留所名,整理券番号\n桜ヶ丘駅前,1,180\n"_qs;
    const csv_text::Decoded plain = csv_text::decode(text.toUtf8());
    EXPECT_EQ(plain.encoding, csv_text::Encoding::Utf8);
    EXPECT_EQ(plain.text, text);
    const csv_text::Decoded marked = csv_text::decode("\xEF\xBB\xBF" + text.toUtf8());
    EXPECT_EQ(marked.encoding, csv_text::Encoding::Utf8);
    EXPECT_EQ(marked.text, text);
    const csv_text::Decoded shiftJis = csv_text::decode(cp932::encode(text));
    EXPECT_EQ(shiftJis.encoding, csv_text::Encoding::Cp932);
    EXPECT_EQ(shiftJis.text, text);
    EXPECT_TRUE(shiftJis.problems.empty());
    // Half-width katakana alone are single high bytes, never valid UTF-8.
    EXPECT_EQ(csv_text::decode(cp932::encode(u"ｴｷﾏｴ,1\n"_qs)).text, u"ｴｷﾏｴ,1\n"_qs);
}

TEST(CsvText, BytesThatAreNeitherAreReportedByLine) {
    const QByteArray bytes = cp932::encode(u"駅前,1\n役場,2\n"_qs) + "\x85\x40,3\r\nok,4\r\nx\xFF\xFF,5\n";
    const csv_text::Decoded decoded = csv_text::decode(bytes);
    ASSERT_EQ(decoded.problems.size(), 2u);
    EXPECT_EQ(decoded.problems[0], (Problem{3, u"bytes 0x85 0x40 are neither UTF-8 nor code page 932"_qs}));
    EXPECT_EQ(decoded.problems[1], (Problem{5, u"bytes 0xFF, 0xFF are neither UTF-8 nor code page 932"_qs}));

    const csv_text::Decoded badMark = csv_text::decode("\xEF\xBB\xBF" + cp932::encode(u"駅前,1\n"_qs));
    ASSERT_EQ(badMark.problems.size(), 1u);
    EXPECT_TRUE(badMark.problems[0].text.contains(u"byte order mark"_qs));
}

}  // namespace
