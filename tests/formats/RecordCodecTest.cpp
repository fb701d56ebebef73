#include <gtest/gtest.h>

#include "formats/OptionRecords.h"
#include "formats/RecordCodec.h"

namespace {

using namespace record_codec;

// A record's stored form as spaced hex, so a mismatch shows the bytes.
template <class Record>
QByteArray storedHex(const Record& record) {
    QByteArray bytes;
    writeRecord(bytes, record);
    return bytes.toHex(' ');
}

// Writes the record against its bytes and reads it back from them behind two
// bytes of what comes before it in a file; then every shorter buffer must fail
// without touching the target or the position.
template <class Record>
void expectStoredAs(const char* name, const Record& record, const QByteArray& groupedHex) {
    SCOPED_TRACE(name);
    const QByteArray bytes = QByteArray("\x08\x00", 2) + QByteArray::fromHex(groupedHex);
    EXPECT_EQ(storedHex(record), bytes.sliced(2).toHex(' '));
    Record read;
    qsizetype position = 2;
    EXPECT_TRUE(readRecord(bytes, position, read) == 0 && read == record && position == bytes.size());
    for (qsizetype cut = 2; cut < bytes.size(); ++cut) {
        Record target;
        qsizetype at = 2;
        EXPECT_EQ(readRecord(bytes.first(cut), at, target), runtime_error::InputPastEndOfFile) << "cut " << cut;
        EXPECT_TRUE(target == Record{} && at == 2) << "cut " << cut;
    }
}

// Code page 932 by hand: 運 89 5E, 賃 92 C0, デ 83 66, ー 81 5B, タ 83 5E,
// チ 83 60, ャ 83 83, イ 83 43, ム 83 80, 整 90 AE, 理 97 9D, 券 8C 94.
TEST(RecordCodec, EveryRecordMatchesItsBytesAndRefusesEveryTruncation) {
    expectStoredAs("OptDataFolders", OptDataFolders{.FareDataDir = QStringLiteral("C:\\運賃")}, "0700 433a5c895e92c0  0000");
    expectStoredAs("OptPanel",
                   OptPanel{.AutoSeiriNum = 1, .SeiriNumColorOff = 0x102030, .SeiriNumStyle = 11, .SeiriNumZeroPad = 1,
                            .PanelAuto = 0, .PanelIndividual = -1, .PanelOffBuiltin = 0, .PanelOffUser = -1,
                            .PanelOffFile = QStringLiteral("/home/運賃データ"), .PanelOn2File = QStringLiteral("a.bmp")},
                   "0100 30201000 00c00000 c0ffc000 0b00 0100  0000 ffff 0000 ffff ffff 0000 ffff 0000"
                   "1000 2f686f6d652f895e92c08366815b835e  0000  0500 612e626d70");
    expectStoredAs("OptDegit", OptDegit{0xFF, 0x969696, 0x72D2F8, 1, 7, 1, 0, 0, 1, 3, 1, 149, -1},
                   "ff000000 96969600 f8d27200 0100 0700 0100 0000 0000 0100 0300 0100 9500 ffff");
    expectStoredAs("OptChimei", OptChimei{0, 0xFF00, 4, 1}, "00000000 00ff0000 0400 0100");
    expectStoredAs("OptSound",
                   OptSound{.RouteSetSound = QStringLiteral("チャイム.wav"), .StepSoundAlways = 0, .StepSoundByColumn = -1,
                            .StepSoundSync = -1, .StepSoundAsync = 0, .StepSoundColumn = 149,
                            .StepSound1 = QStringLiteral("1.mp3"), .StepSound3 = QStringLiteral("3.mid"),
                            .TapeSoundAlways = 0, .TapeSoundByFlag = -1, .TapeSoundSync = 0, .TapeSoundAsync = -1,
                            .TapeSound3 = QStringLiteral("x")},
                   "0c00 83608383834383802e776176  0000  0000 ffff ffff 0000  0000  9500  0500 312e6d7033  0000"
                   "0500 332e6d6964  0000 ffff 0000 ffff  0000  0000  0000  0100 78");
    expectStoredAs("OptSeiriken", OptSeiriken{1, QStringLiteral("C:\\運賃\\整理券.4SP"), 0, 0, -1, QStringLiteral("2024/02/29")},
                   "0100 1200 433a5c895e92c05c90ae979d8c942e345350 0000 0000 ffff 0a00 323032342f30322f3239");
    expectStoredAs("OptCustColors", OptCustColors{{0xFF8040, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x123456}},
                   "4080ff00" + QByteArray("00000000").repeated(15) + "56341200");
    // The count has 16 bits, so longer texts are cut.
    EXPECT_EQ(storedHex(OptDataFolders{QString(70000, u'a')}), "ff ff " + QByteArray("61 ").repeated(0xFFFF) + "00 00");
}

}  // namespace
