#include <gtest/gtest.h>

#include "Csv.h"

namespace {

TEST(Csv, QuotedFieldsHoldCommasDoubledQuotesAndLineBreaks) {
    const csv::Table table = csv::parse(u"\"駅前, 北口\",1,180\r\n"
                                        u"\"\"\"はな\"\"通り\",2\n"
                                        u"\"上り\r\n下り\",3,\r"
                                        u"終点,4"_qs);
    ASSERT_TRUE(table.problems.empty());
    ASSERT_EQ(table.rows.size(), 4u);
    EXPECT_EQ(table.rows[0].fields, (QStringList{u"駅前, 北口"_qs, u"1"_qs, u"180"_qs}));
    EXPECT_EQ(table.rows[1].fields, (QStringList{u"\"はな\"通り"_qs, u"2"_qs}));
    // The line break inside the quotes is kept as written; the row after it
    // starts two lines further on.
    EXPECT_EQ(table.rows[2].fields, (QStringList{u"上り\r\n下り"_qs, u"3"_qs, QString()}));
    EXPECT_EQ(table.rows[2].line, 3);
    EXPECT_EQ(table.rows[3].line, 5);
    EXPECT_EQ(table.rows[3].fields, (QStringList{u"終点"_qs, u"4"_qs}));
}

TEST(Csv, SkipsEmptyAndCommaOnlyRowsButCountsTheirLines) {
    const csv::Table table = csv::parse(u"\n , ,\n a ,1\n\n,,,\nb,2\n"_qs);
    ASSERT_TRUE(table.problems.empty());
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[0].line, 3);
    // Blanks in a field are kept: a name is taken as written.
    EXPECT_EQ(table.rows[0].fields.front(), u" a "_qs);
    EXPECT_EQ(table.rows[1].line, 6);
}

TEST(Csv, MalformedRowsAreReportedWithLineAndFieldAndLeftOut) {
    const csv::Table table = csv::parse(u"a,1\n"
                                        u"b,\"2\"x\n"
                                        u"c,3,1\"8\"0\n"
                                        u"d,4\n"
                                        u"e,5,\"180\n"
                                        u"f,6\n"_qs);
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[0].fields.front(), u"a"_qs);
    EXPECT_EQ(table.rows[1].fields.front(), u"d"_qs);
    ASSERT_EQ(table.problems.size(), 3u);
    EXPECT_EQ(table.problems[0].at, 2);
    EXPECT_TRUE(table.problems[0].text.startsWith(u"field 2: text after its closing quotation mark"_qs));
    EXPECT_EQ(table.problems[1].at, 3);
    EXPECT_TRUE(table.problems[1].text.startsWith(u"field 3: a quotation mark inside"_qs));
    // An unclosed quotation swallows the rest of the file; the line is where it opened.
    EXPECT_EQ(table.problems[2].at, 5);
    EXPECT_TRUE(table.problems[2].text.startsWith(u"field 3: the quotation mark that opens it is never closed"_qs));
}

TEST(Csv, FieldsAreQuotedOnlyWhenTheyMustBe) {
    EXPECT_EQ(csv::field(u"市役所前"_qs), u"市役所前"_qs);
    EXPECT_EQ(csv::field(u" 前後に空白 "_qs), u" 前後に空白 "_qs);
    EXPECT_EQ(csv::field(u"a,b"_qs), u"\"a,b\""_qs);
    EXPECT_EQ(csv::field(u"say \"hi\""_qs), u"\"say \"\"hi\"\"\""_qs);
    EXPECT_EQ(csv::field(u"a\nb"_qs), u"\"a\nb\""_qs);
    EXPECT_EQ(csv::field(u"a\rb"_qs), u"\"a\rb\""_qs);
    for (const QString& value : {u"a,b"_qs, u"say \"hi\""_qs, u"\"\""_qs, u"x\r\ny"_qs, u","_qs}) {
        const csv::Table back = csv::parse(csv::field(value) + u",1"_qs);
        ASSERT_EQ(back.rows.size(), 1u) << value.toStdString();
        EXPECT_EQ(back.rows[0].fields.front(), value);
    }
}

}  // namespace
