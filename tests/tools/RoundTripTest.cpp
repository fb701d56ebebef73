#include <gtest/gtest.h>

#include "FareCheck.h"
#include "FareCsv.h"
#include "FareFile.h"
#include "FareFileBytes.h"
#include "FareFileWriter.h"

namespace {

// Code page 932 bytes, written out so that nothing here depends on the encoder.
const QByteArray kEkimae("\x89\x77\x91\x4F");                       // 駅前
const QByteArray kKitaguchi("\x96\x6B\x8C\xFB");                    // 北口
const QByteArray kOmote("\x95\x5C");                                // 表: second byte is '\'
const QByteArray kKou("\xFA\x5C");                                  // 纊
const QByteArray kMaru1("\x87\x40");                                // ①
const QByteArray kWave("\x81\x60");                                 // ～
const QByteArray kHankaku("\xB4\xB7\xCF\xB4");                      // ｴｷﾏｴ
const QByteArray kNoboriKudari("\x8F\xE3\x82\xE8\r\n\x89\xBA\x82\xE8");  // 上り CR LF 下り
const QByteArray kHana("\"\x82\xCD\x82\xC8\"\x92\xCA\x82\xE8");     // "はな"通り

std::vector<StopRecord> read(const QByteArray& file) {
    return fare_file::readRecords(file, *fare_file::readCount(file)).stops;
}

// Export, then import what export wrote, then write the fare file again.
QByteArray exportAndImport(const QByteArray& file) {
    const QString csv = fare_csv::write(read(file));
    const fare_csv::Imported imported = fare_csv::read(csv);
    EXPECT_TRUE(imported.problems.empty()) << csv.toStdString();
    return fare_file::write(imported.stops).value_or(QByteArray());
}

TEST(FareWriter, WritesTheLayoutTheReaderReads) {
    std::vector<StopRecord> stops(2);
    stops[0].Chimei = u"駅前"_qs;
    stops[0].SeiriNum = 1;
    stops[0].fares[0] = 180;
    stops[1].Chimei = u"表"_qs;
    stops[1].SeiriNum = -2;
    stops[1].fares[0] = -1;
    stops[1].fares[149] = 32767;
    std::vector<int> last(150, 0);
    last[0] = -1;
    last[149] = 32767;
    const QByteArray expected = FareFileBytes(2).stop(kEkimae, 1, {180}).stop(kOmote, -2, last).bytes();
    EXPECT_EQ(fare_file::write(stops), expected);
    EXPECT_EQ(fare_file::writeRecord(stops[1]), expected.sliced(2 + 304 + 4));
    EXPECT_EQ(fare_file::write({}), QByteArray(2, '\0'));
}

TEST(FareWriter, RefusesWhatItsSixteenBitFieldsCannotSay) {
    StopRecord longest;
    longest.Chimei = QString(65535, u'A');
    EXPECT_TRUE(fare_file::writeRecord(longest).has_value());
    longest.Chimei += u'A';
    EXPECT_FALSE(fare_file::writeRecord(longest).has_value());
    EXPECT_FALSE(fare_file::write(std::vector<StopRecord>(32768)).has_value());
}

TEST(RoundTrip, ExportThenImportGivesBackTheFareFileByteForByte) {
    std::vector<int> wide(150, 0);
    wide[0] = -1;
    wide[149] = 999;
    const QByteArray files[] = {
        FareFileBytes(2).stop(kEkimae, 1, {180}).stop(kKitaguchi, 2, {190, 180}).bytes(),
        // Names that need quoting, blanks kept, trail bytes that are '\',
        // half-width katakana, the special rows of the code page.
        FareFileBytes(8)
            .stop(kEkimae + ", " + kKitaguchi, 0, {180})
            .stop(kHana, 1, {-1, 0, 200})
            .stop(kNoboriKudari, 2, wide)
            .stop("  " + kOmote + " ", 3, {-32768, 32767})
            .stop(kKou + kMaru1 + kWave, 150, {0, 0, 0, 0, 5})
            .stop(kHankaku, -7, {})
            .stop("\\", 300, {10})
            .stop("#1", 4, {20})
            .bytes(),
        // No fares at all; names of length 0 and of blanks only.
        FareFileBytes(5).stop(kEkimae, 1).stop("", 0).stop(kOmote, 2).stop(" ", 3).stop("", 4, {180}).bytes(),
    };
    for (const QByteArray& file : files) EXPECT_EQ(exportAndImport(file), file);
}

TEST(RoundTrip, CheckReportsWhatWouldNotComeBackWhole) {
    // Check and the round trip agree: what check finds clean comes back whole,
    // and each of these is reported and does not.
    const QByteArray clean = FareFileBytes(2).stop(kEkimae, 1, {180}).stop(kKitaguchi, 2, {190, 180}).bytes();
    EXPECT_TRUE(fare_check::check(clean).empty());
    EXPECT_EQ(exportAndImport(clean), clean);

    const QByteArray nonStandard = FareFileBytes(2).stop("\xED\x40", 1, {180}).stop(kEkimae, 2, {190}).bytes();
    const QByteArray trailing = clean + "x";
    for (const QByteArray& file : {nonStandard, trailing}) {
        EXPECT_FALSE(fare_check::check(file).empty());
        EXPECT_NE(exportAndImport(file), file);
    }
}

TEST(RoundTrip, ImportThenExportGivesBackTheCanonicalTable) {
    const QString canonical = u"停留所名,整理券番号,運賃1,運賃2,運賃3\n"
                              u"桜ヶ丘駅前,1,180,0,0\n"
                              u"\"駅前, \"\"北口\"\"\",2,190,180,0\n"
                              u"\"上り\r\n下り\",3,200,-1,180\n"
                              u"  表 ,0,0,0,0\n"_qs;
    const fare_csv::Imported imported = fare_csv::read(canonical);
    ASSERT_TRUE(imported.problems.empty());
    EXPECT_EQ(fare_csv::write(imported.stops), canonical);

    // Through the fare file and back.
    const QByteArray file = *fare_file::write(imported.stops);
    EXPECT_EQ(fare_csv::write(read(file)), canonical);

    // A table with trailing fares left out, empty cells and no header comes out canonical.
    const fare_csv::Imported loose = fare_csv::read(u"桜ヶ丘駅前,1,180\n\"駅前, \"\"北口\"\"\",2,190,180\n"
                                                    u"\"上り\r\n下り\",3,200,-1,180,0,,\n  表 ,0\n"_qs);
    ASSERT_TRUE(loose.problems.empty());
    EXPECT_EQ(fare_csv::write(loose.stops), canonical);
}

}  // namespace
