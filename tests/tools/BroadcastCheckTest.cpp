#include <gtest/gtest.h>

#include "BroadcastCheck.h"
#include "BroadcastFile.h"
#include "Cp932.h"
#include "Described.h"

namespace {

QStringList checked(const QString& text) { return described(broadcast_check::check(cp932::encode(text))); }

const QString kRefused = u"0: the player refuses the whole file for the lines above, so the route has no announcements"_qs;

TEST(BroadcastCheck, ACleanFileHasNoProblems) {
    const QString text = u"\"このバスは、西山車庫行きです。\",0,1\r\n"
                         u"\"次は、市役所前です。\",1,2\r\n"
                         u" 次は、本町です。 , 1 , 3\r\n"
                         u"\"お降りの方は, ボタンで\",0,0\r\n"_qs;
    EXPECT_EQ(checked(text), QStringList());
}

TEST(BroadcastCheck, NamesTheLineAndWhatTheProgramCannotRead) {
    const QString text = u"\"次は、市役所前です。\",1,2\r\n"
                         u"\"次は、本町です。\",1\r\n"
                         u"\"次は、新町です。\"\r\n"
                         u"\"次は、大橋です。,1,2\r\n"
                         u"次は、東町, 四丁目です。,1,2\r\n"
                         u"\"次は、川原町です。\",1,2,3\r\n"
                         u"\"次は、若葉台です。\",one,2\r\n"
                         u"\"次は、杉ノ木です。\",1,70000\r\n"
                         u"\"次は、山王です。\",x,y\r\n"
                         u"\"終点です。\",1,2\r\n"_qs;
    EXPECT_EQ(checked(text),
              (QStringList{u"2: the chime flag (field 3) is missing"_qs,
                           u"3: the step flag and the chime flag (fields 2 and 3) are missing"_qs,
                           u"4: a quotation mark is never closed"_qs,
                           u"5: the text holds a comma; enclose the text in double quotation marks"_qs,
                           u"6: 1 field(s) more than text, step flag and chime flag"_qs,
                           u"7: the step flag \"one\" is not a whole number from -32768 to 32767"_qs,
                           u"8: the chime flag \"70000\" is not a whole number from -32768 to 32767"_qs,
                           u"9: neither flag is a whole number from -32768 to 32767"_qs, kRefused}));
}

TEST(BroadcastCheck, ReportsFlagsOutOfRangeEmptyTextsAndBlankLines) {
    const QString text = u"\"次は、市役所前です。\",2,0\r\n"
                         u"\"次は、本町です。\",1,4\r\n"
                         u"\r\n"
                         u"\"\",0,-1\r\n"
                         u"   \r\n"
                         u"\"終点です。\",0,3"_qs;
    EXPECT_EQ(checked(text),
              (QStringList{u"1: step flag 2: 1 steps the board with the announcement, 0 does not, and so does any "
                           u"other value"_qs,
                           u"2: chime flag 4: 1 to 3 choose a chime, 0 none, and so does any other value"_qs,
                           u"3: a blank line: the player skips it but counts it, so the list ends in a silent "
                           u"announcement for it"_qs,
                           u"4: no text to speak"_qs,
                           u"4: chime flag -1: 1 to 3 choose a chime, 0 none, and so does any other value"_qs,
                           u"5: a blank line: the player skips it but counts it, so the list ends in a silent "
                           u"announcement for it"_qs}));
    // None of these stops the player; the file still loads.
    EXPECT_TRUE(broadcast_file::parse(cp932::encode(text)).has_value());
}

TEST(BroadcastCheck, ReportsBytesThatAreNoCodePage932) {
    const QByteArray file = cp932::encode(u"\"次は、市役所前です。\",1,2\r\n"_qs) + "\"\x85\x40\x82\xA0\",1,2\n";
    EXPECT_EQ(described(broadcast_check::check(file)),
              QStringList{u"2: bytes that are no code page 932 character (spoken as ・): 0x85 0x40 at byte 1"_qs});
}

TEST(BroadcastCheck, ReportsAFileWrittenInUtf8) {
    const QStringList problems = described(broadcast_check::check(u"\"次は、市役所前です。\",1,2\n"_qs.toUtf8()));
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_TRUE(problems[0].startsWith(u"0: the file is UTF-8, but the player reads code page 932"_qs));
    // Plain ASCII reads the same either way.
    EXPECT_EQ(described(broadcast_check::check("hello,0,1\n")), QStringList());
}

TEST(BroadcastCheck, ReportsFilesThePlayerRefusesForTheirSize) {
    EXPECT_EQ(described(broadcast_check::check(QByteArray())),
              QStringList{u"0: the file is empty: the route has no announcements"_qs});
    const QStringList tooLong = described(broadcast_check::check(QByteArray("a,0,0\n").repeated(10001)));
    EXPECT_EQ(tooLong, (QStringList{u"0: 10001 lines; the player refuses files of more than 10000"_qs, kRefused}));
    EXPECT_EQ(described(broadcast_check::check(QByteArray(broadcast_file::MaxBytes + 1, 'a'))),
              QStringList{u"0: 4194305 bytes; the player refuses files of more than 4194304"_qs});
}

}  // namespace
