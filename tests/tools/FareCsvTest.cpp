#include <gtest/gtest.h>

#include "formats/Cp932.h"
#include "formats/Csv.h"
#include "hy3tool/CsvText.h"
#include "tests/tools/Described.h"
#include "hy3tool/FareCsv.h"
#include "formats/FareFile.h"
#include "tests/fares/FareFileBytes.h"
#include "formats/FareFileWriter.h"
#include "hy3tool/FareTable.h"

namespace {

// Code page 932 bytes, written out so that nothing here depends on the encoder.
const QByteArray kEkimae("\x89\x77\x91\x4F");                       // 駅前
const QByteArray kKitaguchi("\x96\x6B\x8C\xFB");                    // 北口
const QByteArray kOmote("\x95\x5C");                                // 表: second byte is '\'

// A table as "line: field|field" per row, then "line: text" per problem.
QStringList parsed(const QString& text) {
    const csv::Table table = csv::parse(text);
    QStringList out;
    for (const csv::Row& row : table.rows) out << QStringLiteral("%1: %2").arg(row.line).arg(row.fields.join(u'|'));
    return out + described(table.problems);
}

std::vector<StopRecord> read(const QByteArray& file) { return fare_file::readRecords(file, *fare_file::readCount(file)).stops; }

TEST(Csv, ReadsFieldsAsWrittenAndLeavesOutMalformedRows) {
    // Quoted commas, doubled quotes and line breaks; CR LF, LF and CR; rows of
    // nothing but commas and blanks skipped but counted; blanks kept in a name.
    EXPECT_EQ(parsed(u"\"駅前, 北口\",1,180\r\n\"\"\"はな\"\"通り\",2\n\"上り\r\n下り\",3,\r , ,\n a ,4\n\n,,,\nb,\"2\" \n"_qs),
              (QStringList{u"1: 駅前, 北口|1|180"_qs, u"2: \"はな\"通り|2"_qs, u"3: 上り\r\n下り|3|"_qs, u"6:  a |4"_qs, u"9: b|2"_qs}));
    // An unclosed quotation swallows the rest of the file; the line is where it opened.
    EXPECT_EQ(parsed(u"a,1\nb,\"2\"x\nc,3,1\"8\"0\nd,4\ne,5,\"180\nf,6\n"_qs),
              (QStringList{u"1: a|1"_qs, u"4: d|4"_qs, u"2: field 2: text after its closing quotation mark"_qs,
                           u"3: field 3: a quotation mark inside a field that does not start with one; enclose the "
                           u"field in quotation marks and write the mark twice"_qs,
                           u"5: field 3: the quotation mark that opens it is never closed"_qs}));
}

// Quoting a field for a line break, a quotation mark or a comma alone (blanks
// are not quoted: see the canonical tables below).
TEST(Csv, AQuotedFieldReadsBackAsItWas) {
    for (const QString& value : {u"a\rb"_qs, u"\"\""_qs, u","_qs})
        EXPECT_EQ(parsed(csv::field(value) + u",1"_qs), QStringList{u"1: "_qs + value + u"|1"_qs}) << csv::field(value).toStdString();
}

TEST(CsvText, ReadsValidUtf8AsUtf8AndAnythingElseAsCodePage932) {
    using enum csv_text::Encoding;
    const QString table = u"停留所名,整理券番号\n桜ヶ丘駅前,1,180\n"_qs;
    const struct { QByteArray bytes; csv_text::Encoding encoding; QString text; QStringList problems; } cases[] = {
        {table.toUtf8(), Utf8, table, {}},
        {"\xEF\xBB\xBF" + table.toUtf8(), Utf8, table, {}},
        {cp932::encode(table), Cp932, table, {}},
        {cp932::encode(u"駅前,1\n役場,2\n"_qs) + "\x85\x40,3\r\nok,4\r\nx\xFF\xFF,5\n", Cp932, {},
         {u"3: bytes 0x85 0x40 are neither UTF-8 nor code page 932"_qs, u"5: bytes 0xFF, 0xFF are neither UTF-8 nor code page 932"_qs}},
        {"\xEF\xBB\xBF" + cp932::encode(u"駅前,1\n"_qs), Cp932, {},
         {u"0: the file starts with a UTF-8 byte order mark but is not UTF-8 throughout"_qs}},
    };
    for (const auto& [bytes, encoding, text, problems] : cases) {
        SCOPED_TRACE(bytes.toHex().left(24).toStdString());
        const csv_text::Decoded decoded = csv_text::decode(bytes);
        EXPECT_EQ(decoded.encoding, encoding);
        if (!text.isNull()) {
            EXPECT_EQ(decoded.text, text);
        }
        EXPECT_EQ(described(decoded.problems), problems);
    }
}

TEST(FareCsv, ImportListsEveryProblemByLineAndField) {
    const QString head = u"停留所名,整理券番号,運賃1\n駅前,1,180\n"_qs;
    QString stops = u"停留所名,整理券番号\n"_qs;
    for (int i = 1; i <= 301; ++i) stops += u"停留所%1,%1\n"_qs.arg(i);
    const std::pair<QString, QString> cases[] = {
        {head + u"役場,2,1８0\n"_qs, u"3: field 3 (fare column 1): \"1８0\" is not a whole number"_qs},
        {head + u"役場,2,180,1.5\n"_qs, u"3: field 4 (fare column 2): \"1.5\" is not a whole number"_qs},
        {head + u"役場,2,180,200,32768\n"_qs, u"3: field 5 (fare column 3): 32768 is outside -32768 to 32767"_qs},
        {head + u"役場,-32769\n"_qs, u"3: field 2 (ticket number): -32769 is outside -32768 to 32767"_qs},
        {head + u"役場,99999999999999999999\n"_qs, u"3: field 2 (ticket number): 99999999999999999999 is outside -32768 to 32767"_qs},
        {head + u"役場\n"_qs, u"3: field 2 (ticket number): missing"_qs},
        {head + u"役場, \n"_qs, u"3: field 2 (ticket number): missing"_qs},
        {head + u"Café,2\n"_qs, u"3: field 1 (stop name): 'é' (U+00E9) has no code page 932 form"_qs},
        {head + u"海の駅🚌,2\n"_qs, u"3: field 1 (stop name): '🚌' (U+1F68C) has no code page 932 form"_qs},
        // Written with a best fit, it would come back as another character.
        {head + u"一〜二丁目,2\n"_qs, u"3: field 1 (stop name): '〜' (U+301C) has no code page 932 form; it would be "
                                       u"written as '～' (U+FF5E), so write that instead"_qs},
        {u"駅前,1"_qs + u",180"_qs.repeated(150), {}},
        {u"駅前,1"_qs + u",180"_qs.repeated(151), u"1: field 153: a row holds at most 150 fares, this one 151"_qs},
        {stops, {}},
        {stops + u"停留所302,302\n"_qs, u"303: more than 301 stops; a route holds at most 301"_qs},
        {QString(), u"0: no stop rows"_qs},
        {u"停留所名,整理券番号,運賃1\n,,\n"_qs, u"0: no stop rows"_qs},
        // A first row with a number is a stop, never a header; only the first row can be one.
        {u"駅前,l,180\n役場,2,190\n"_qs, u"1: field 2 (ticket number): \"l\" is not a whole number"_qs},
        {u"駅前,1,運賃\n"_qs, u"1: field 3 (fare column 1): \"運賃\" is not a whole number"_qs},
        {u"駅前,1,180\n停留所名,整理券番号\n"_qs, u"2: field 2 (ticket number): \"整理券番号\" is not a whole number"_qs},
        // In line order, the table's own problems among them.
        {u"駅前,x,180\n\"役場,2\n"_qs, u"1: field 2 (ticket number): \"x\" is not a whole number\n"
                                       u"2: field 1: the quotation mark that opens it is never closed"_qs},
    };
    for (const auto& [text, problems] : cases)
        EXPECT_EQ(described(fare_csv::read(text).problems).join(u'\n'), problems) << text.right(60).toStdString();
}

TEST(FareCsv, ExportWritesAsManyFareColumnsAsTheLastOneInUse) {
    std::vector<StopRecord> stops{{u"駅前, 北口"_qs, 1, {180}}, {u"役場"_qs, 2, {}}};
    stops[1].fares[3] = -1;
    EXPECT_EQ(fare_csv::write(stops),
              u"停留所名,整理券番号,運賃1,運賃2,運賃3,運賃4\n\"駅前, 北口\",1,180,0,0,0\n役場,2,0,0,0,-1\n"_qs);
    stops[0].fares[0] = stops[1].fares[3] = 0;
    EXPECT_EQ(fare_csv::write(stops), u"停留所名,整理券番号\n\"駅前, 北口\",1\n役場,2\n"_qs);
}

TEST(FareCsv, ImportedTablesComeOutCanonicalAlsoThroughTheFareFile) {
    const QString canonical = u"停留所名,整理券番号,運賃1,運賃2,運賃3\n桜ヶ丘駅前,1,180,0,0\n\"駅前, \"\"北口\"\"\",2,190,180,0\n"
                              u"\"上り\r\n下り\",3,200,-1,180\n  表 ,0,0,-32768,32767\n"_qs;
    // No header, fares left out at the end, empty cells, blanks and signs around numbers.
    const QString loose = u"桜ヶ丘駅前,1,180\n\"駅前, \"\"北口\"\"\", 2 ,190,+180\n\"上り\r\n下り\",3,200,-1,180,0, ,\n"
                          u"  表 ,0,,-32768, 32767\n"_qs;
    for (const QString& table : {canonical, loose, u"name,ticket,fare 1\n"_qs + loose}) {
        const fare_csv::Imported imported = fare_csv::read(table);
        EXPECT_TRUE(imported.problems.empty()) << described(imported.problems).join(u'\n').toStdString();
        EXPECT_EQ(fare_csv::write(imported.stops), canonical);
        EXPECT_EQ(fare_csv::write(read(fare_file::write(imported.stops).value_or(QByteArray()))), canonical);
    }
}

TEST(FareCsv, ExportThenImportGivesBackTheFareFileByteForByte) {
    std::vector<int> wide(150, 0);
    wide[0] = -1, wide[149] = 999;
    const QByteArray files[] = {
        FareFileBytes(2).stop(kEkimae, 1, {180}).stop(kKitaguchi, 2, {190, 180}).bytes(),
        // Names that need quoting (上り CR LF 下り among them), blanks kept, trail bytes
        // that are '\', half-width ｴｷﾏｴ, 纊①～ from the vendor rows of the code page.
        FareFileBytes(8)
            .stop(kEkimae + ", " + kKitaguchi, 0, {180}).stop("\"\x82\xCD\x82\xC8\"\x92\xCA\x82\xE8", 1, {-1, 0, 200})
            .stop("\x8F\xE3\x82\xE8\r\n\x89\xBA\x82\xE8", 2, wide).stop("  " + kOmote + " ", 3, {-32768, 32767})
            .stop("\xFA\x5C\x87\x40\x81\x60", 150, {0, 0, 0, 0, 5}).stop("\xB4\xB7\xCF\xB4", -7, {})
            .stop("\\", 300, {10}).stop("#1", 4, {20}).bytes(),
        // No fares at all; names of length 0 and of blanks only.
        FareFileBytes(5).stop(kEkimae, 1).stop("", 0).stop(kOmote, 2).stop(" ", 3).stop("", 4, {180}).bytes(),
    };
    for (const QByteArray& file : files) {
        const QString csv = fare_csv::write(read(file));
        const fare_csv::Imported imported = fare_csv::read(csv);
        EXPECT_TRUE(imported.problems.empty()) << csv.toStdString();
        EXPECT_EQ(fare_file::write(imported.stops), file) << csv.toStdString();
    }
}

TEST(FareTable, ShowsTheFareColumnsInUseAlignedUnderWideNames) {
    std::vector<StopRecord> stops{{u"駅前"_qs, 1, {180}}, {u"ｴｷﾏｴ"_qs, 2, {190}}, {u"市民文化ホール前"_qs, 10, {0, -1}}};
    stops[1].fares[11] = 1000;
    // Columns 3 to 11 hold nothing anywhere and are left out; -1 is a fare there; zeros are blank.
    EXPECT_EQ(fare_table::render(stops), u"Stop  Ticket  Name                1   2    12\n"
                                         u"   1       1  駅前              180\n"
                                         u"   2       2  ｴｷﾏｴ              190      1000\n"
                                         u"   3      10  市民文化ホール前       -1\n"_qs);
    for (const auto& [text, width] : {std::pair{u"ABC"_qs, 3}, {u"ｴｷﾏｴ"_qs, 4}, {u"桜ヶ丘、駅前"_qs, 12}, {u"１２"_qs, 4}, {u"𠮷"_qs, 2}})
        EXPECT_EQ(fare_table::displayWidth(text), width) << text.toStdString();
}

}  // namespace
