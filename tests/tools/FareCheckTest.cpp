#include <gtest/gtest.h>

#include "hy3tool/BroadcastCheck.h"
#include "formats/BroadcastFile.h"
#include "formats/Cp932.h"
#include "tests/tools/Described.h"
#include "hy3tool/FareCheck.h"
#include "tests/fares/FareFileBytes.h"

namespace {

const QByteArray kEkimae("\x89\x77\x91\x4F");                       // 駅前
const QByteArray kShiyakusho("\x8E\x73\x96\xF0\x8F\x8A\x91\x4F");  // 市役所前

TEST(FareCheck, ListsWhatTheProgramRefusesOrShowsWrongly) {
    const QString follow = u"bytes follow the last record; the program ignores them and export leaves them out"_qs;
    const QString nec = u"the name stores 纊 as 0xED 0x40; export and import write it as 0xFA 0x5C"_qs;
    FareFileBytes many(302);
    for (int i = 1; i <= 302; ++i) many.stop(kEkimae, i % 150, {180});
    std::vector<int> fares(150, 0);
    fares[0] = 1000, fares[6] = -5, fares[149] = -1;  // -1, a missing fare, is fine
    const std::pair<QByteArray, QStringList> cases[] = {
        // The edges of what is plausible; ・ (0x81 0x45), the very character unreadable bytes are shown as.
        {FareFileBytes(2).stop(kEkimae, 0, {-1, 0, 999}).stop("\x81\x45", 150, {180}).bytes(), {}},
        {QByteArray("\x02", 1), {u"0: the file ends before the record count (it holds 1 bytes)"_qs}},
        {FareFileBytes(3).stop(kEkimae, 1).raw("xyz").bytes(), {u"2: the file ends inside this record; the count announces 3 stops"_qs}},
        {FareFileBytes(3).raw("xyz").bytes(), {u"1: the file ends inside this record; the count announces 3 stops"_qs}},
        {FareFileBytes(-3).stop(kEkimae, 1).bytes(), {u"0: the record count -3 is negative"_qs}},
        {FareFileBytes(0).raw("abc").bytes(), {u"0: the record count is 0: the route has no stops"_qs, u"0: 3 "_qs + follow}},
        {FareFileBytes(1).stop(kEkimae, 1, {180}).bytes(), {u"0: the record count is 1: a route of one stop can never be "
                                                             u"set, the start section needs a stop after it"_qs}},
        {many.bytes(), {u"0: the record count 302 is more than the 301 stops the program holds"_qs}},
        {FareFileBytes(4).stop(kEkimae, 151, {180}).stop("", 2, {190}).stop(" ", -1, fares).stop(kShiyakusho, 4, {999}).bytes(),
         {u"1: ticket number 151 is outside 0 to 150"_qs, u"2: warning: the stop name is empty"_qs,
          u"3: warning: the stop name is empty"_qs, u"3: ticket number -1 is outside 0 to 150"_qs,
          u"3: fares outside 0 to 999 (-1 for none): column 1 (1000), column 7 (-5)"_qs}},
        // 0x85 0x40 is an unassigned pair, 0xFF no character at all; 0xED 0x40 is 纊
        // in the duplicate NEC row. Names that change length when written again
        // must not hide the records after them.
        {FareFileBytes(4).stop(kEkimae + "\x85\x40\xFF", 1, {180}).stop("\xED\x40" + kEkimae, 2, {190})
             .stop(kShiyakusho, 151, {200}).stop(kEkimae, 4, {210}).raw("zz").bytes(),
         {u"1: the name holds bytes that are no code page 932 character (shown as ・): 0x85 0x40 at name byte 4, 0xFF at "
          u"name byte 6"_qs,
          u"2: "_qs + nec, u"3: ticket number 151 is outside 0 to 150"_qs, u"0: 2 "_qs + follow}},
        {FareFileBytes(2).stop("\x81\x45\xED\x40", 1, {180}).stop(kEkimae, 2).bytes(), {u"1: "_qs + nec}},
    };
    for (const auto& [file, problems] : cases) EXPECT_EQ(described(fare_check::check(file)), problems) << file.size() << " bytes";
}

TEST(BroadcastCheck, ListsWhatThePlayerRefusesOrPlaysWrongly) {
    const QString refused = u"0: the player refuses the whole file for the lines above, so the route has no announcements"_qs;
    const QString step = u"1 steps the board with the announcement, 0 does not, and so does any other value"_qs;
    const QString chime = u"1 to 3 choose a chime, 0 none, and so does any other value"_qs;
    const QString blank = u"a blank line: the player skips it but counts it, so the list ends in a silent announcement for it"_qs;
    const std::pair<QByteArray, QStringList> cases[] = {
        // Four clean lines (a comma inside quotation marks, blanks around a text
        // without them), then what the player still plays, if not as meant.
        {cp932::encode(u"\"このバスは、西山車庫行きです。\",0,1\r\n\"次は、市役所前です。\",1,2\r\n 次は、本町です。 , 1 , 3\r\n"
                       u"\"お降りの方は, ボタンで\",0,0\r\n\"次は、市役所前です。\",2,0\r\n\"次は、本町です。\",1,4\r\n\r\n"
                       u"\"  \",-1,-1\r\n   \r\n\"終点です。\",0,3"_qs),
         {u"5: step flag 2: "_qs + step, u"6: chime flag 4: "_qs + chime, u"7: "_qs + blank, u"8: no text to speak"_qs,
          u"8: step flag -1: "_qs + step, u"8: chime flag -1: "_qs + chime, u"9: "_qs + blank}},
        // Lines the player cannot read, each with what it cannot read in it.
        {cp932::encode(u"\"次は、市役所前です。\",1,2\r\n\"次は、本町です。\",1\r\n\"次は、新町です。\"\r\n\"次は、大橋です。,1,2\r\n"
                       u"次は、東町, 四丁目です。,1,2\r\n\"次は、川原町です。\",1,2,3\r\n\"次は、若葉台です。\",one,2\r\n"
                       u"\"次は、杉ノ木です。\",1,70000\r\n\"次は、山王です。\",x,y\r\n\"終点です。\",1,2\r\n"_qs),
         {u"2: the chime flag (field 3) is missing"_qs, u"3: the step flag and the chime flag (fields 2 and 3) are missing"_qs,
          u"4: a quotation mark is never closed"_qs, u"5: the text holds a comma; enclose the text in double quotation marks"_qs,
          u"6: 1 field(s) more than text, step flag and chime flag"_qs,
          u"7: the step flag \"one\" is not a whole number from -32768 to 32767"_qs,
          u"8: the chime flag \"70000\" is not a whole number from -32768 to 32767"_qs,
          u"9: neither flag is a whole number from -32768 to 32767"_qs, refused}},
        {cp932::encode(u"\"次は、市役所前です。\",1,2\r\n"_qs) + "\"\x85\x40\x82\xA0\",1,2\n",
         {u"2: bytes that are no code page 932 character (spoken as ・): 0x85 0x40 at byte 1"_qs}},
        {u"\"次は、市役所前です。\",1,2\n"_qs.toUtf8(),
         {u"0: the file is UTF-8, but the player reads code page 932 (convert it, for instance with iconv -f UTF-8 -t CP932)"_qs}},
        {"hello,0,1\n", {}},  // plain ASCII reads the same either way
        {{}, {u"0: the file is empty: the route has no announcements"_qs}},
        {QByteArray("a,0,0\n").repeated(10001), {u"0: 10001 lines; the player refuses files of more than 10000"_qs, refused}},
        {QByteArray(broadcast_file::MaxBytes + 1, 'a'), {u"0: 4194305 bytes; the player refuses files of more than 4194304"_qs}},
    };
    for (const auto& [file, problems] : cases)
        EXPECT_EQ(described(broadcast_check::check(file)), problems) << file.left(40).toStdString();
}

}  // namespace
