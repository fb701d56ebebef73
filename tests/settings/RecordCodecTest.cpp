#include <gtest/gtest.h>

#include "OptionRecords.h"
#include "RecordCodec.h"
#include "StoredBytes.h"

namespace {

using record_codec::readRecord;
using record_codec::writeRecord;

// Code page 932 by hand: 運 89 5E, 賃 92 C0, デ 83 66, ー 81 5B, タ 83 5E,
// チ 83 60, ャ 83 83, イ 83 43, ム 83 80, 整 90 AE, 理 97 9D, 券 8C 94.
const OptDataFolders kFolders{.FareDataDir = QStringLiteral("C:\\運賃")};
const OptPanel kPanel{.AutoSeiriNum = 1, .SeiriNumColorOff = 0x102030, .SeiriNumStyle = 11, .SeiriNumZeroPad = 1,
                      .PanelAuto = 0, .PanelIndividual = -1, .PanelOffBuiltin = 0, .PanelOffUser = -1,
                      .PanelOffFile = QStringLiteral("/home/運賃データ"), .PanelOn2File = QStringLiteral("a.bmp")};
const OptDegit kDegit{.DegitBackColor = 0xFF, .ShowStopOrder = 1, .StopOrderSlot = 7, .StopOrderFromZero = 1,
                      .ShowRouteNum = 1, .RouteNumSlot = 3, .ShowDataColumn = 1, .DataColumn = 149,
                      .DataColumnSlot = -1};
const OptChimei kChimei{0, 0xFF00, 4, 1};
const OptSound kSound{.RouteSetSound = QStringLiteral("チャイム.wav"), .StepSoundAlways = 0, .StepSoundByColumn = -1,
                      .StepSoundSync = -1, .StepSoundAsync = 0, .StepSoundColumn = 149,
                      .StepSound1 = QStringLiteral("1.mp3"), .StepSound3 = QStringLiteral("3.mid"),
                      .TapeSoundAlways = 0, .TapeSoundByFlag = -1, .TapeSoundSync = 0, .TapeSoundAsync = -1,
                      .TapeSound3 = QStringLiteral("x")};
const OptSeiriken kSeiriken{1, QStringLiteral("C:\\運賃\\整理券.4SP"), 0, 0, -1, QStringLiteral("2024/02/29")};
const OptCustColors kCustColors{{0xFF8040, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x123456}};

// Writes and reads the record against its bytes, then checks that every
// shorter buffer fails without touching the target or the position.
template <class Record>
void expectStoredAs(const char* name, const Record& record, const QByteArray& groupedHex) {
    SCOPED_TRACE(name);
    const QByteArray bytes = QByteArray::fromHex(groupedHex);
    EXPECT_EQ(storedHex(record), bytes.toHex(' '));
    Record read;
    qsizetype position = 0;
    ASSERT_EQ(readRecord(bytes, position, read), 0);
    EXPECT_EQ(read, record);
    EXPECT_EQ(position, bytes.size());
    for (qsizetype cut = 0; cut < bytes.size(); ++cut) {
        Record target;
        qsizetype at = 0;
        EXPECT_EQ(readRecord(bytes.first(cut), at, target), runtime_error::InputPastEndOfFile) << "cut " << cut;
        EXPECT_EQ(target, Record{}) << "cut " << cut;
        EXPECT_EQ(at, 0) << "cut " << cut;
    }
}

TEST(RecordCodec, EveryRecordMatchesItsBytesAndRefusesEveryTruncation) {
    expectStoredAs("OptDataFolders", kFolders, "0700 433a5c895e92c0  0000");
    expectStoredAs("OptPanel", kPanel,
                   "0100 30201000 00c00000 c0ffc000 0b00 0100  0000 ffff 0000 ffff ffff 0000 ffff 0000"
                   "1000 2f686f6d652f895e92c08366815b835e  0000  0500 612e626d70");
    expectStoredAs("OptDegit", kDegit,
                   "ff000000 96969600 f8d27200 0100 0700 0100 0000 0000 0100 0300 0100 9500 ffff");
    expectStoredAs("OptChimei", kChimei, "00000000 00ff0000 0400 0100");
    expectStoredAs("OptSound", kSound,
                   "0c00 83608383834383802e776176  0000  0000 ffff ffff 0000  0000  9500  0500 312e6d7033  0000"
                   "0500 332e6d6964  0000 ffff 0000 ffff  0000  0000  0000  0100 78");
    expectStoredAs("OptSeiriken", kSeiriken,
                   "0100 1200 433a5c895e92c05c90ae979d8c942e345350 0000 0000 ffff 0a00 323032342f30322f3239");
    expectStoredAs("OptCustColors", kCustColors, "4080ff00" + QByteArray("00000000").repeated(15) + "56341200");
}

TEST(RecordCodec, RecordsReadOneAfterAnotherFromOneBuffer) {
    QByteArray file;
    writeRecord(file, kFolders);
    writeRecord(file, kSound);
    writeRecord(file, kCustColors);
    file.append("\x08\x00", 2);  // what follows in the file: too short for a record

    OptDataFolders folders;
    OptSound sound;
    OptCustColors colours;
    OptChimei chimei = kChimei;
    qsizetype position = 0;
    ASSERT_EQ(readRecord(file, position, folders), 0);
    EXPECT_EQ(position, 11);
    ASSERT_EQ(readRecord(file, position, sound), 0);
    ASSERT_EQ(readRecord(file, position, colours), 0);
    EXPECT_EQ(position, file.size() - 2);
    EXPECT_EQ(readRecord(file, position, chimei), runtime_error::InputPastEndOfFile);
    EXPECT_EQ(position, file.size() - 2);
    EXPECT_EQ(folders, kFolders);
    EXPECT_EQ(sound, kSound);
    EXPECT_EQ(colours, kCustColors);
    EXPECT_EQ(chimei, kChimei);
}

TEST(RecordCodec, TextByteCountIsUnsigned16Bit) {
    OptDataFolders folders = kFolders;
    qsizetype position = 0;
    EXPECT_EQ(readRecord(QByteArray::fromHex("ffff 4142 0000"), position, folders), runtime_error::InputPastEndOfFile);
    EXPECT_EQ(folders, kFolders);
    EXPECT_EQ(position, 0);

    // The longest text the count can give reads in full...
    const QByteArray longest = "\xff\xff" + QByteArray(0xFFFF, 'a') + QByteArray(2, '\0');
    ASSERT_EQ(readRecord(longest, position, folders), 0);
    EXPECT_EQ(folders.FareDataDir, QString(0xFFFF, u'a'));
    EXPECT_EQ(position, longest.size());

    // ...and a longer one is cut to it, keeping the bytes after it in step.
    folders.FareDataDir = QString(70000, u'a');
    EXPECT_EQ(storedHex(folders), longest.toHex(' '));
}

TEST(RecordCodec, TextsWithoutACodePage932FormAreStoredAsTheirConversion) {
    EXPECT_EQ(storedHex(OptDataFolders{QStringLiteral("〜−"), QStringLiteral("😀")}), hex("0400 8160817c 0100 3f"));
}

}  // namespace
