#include <gtest/gtest.h>

#include "formats/FareFile.h"
#include "tests/fares/FareFileBytes.h"
#include "formats/FareFileWriter.h"
#include "fares/RouteFiles.h"

namespace {

TEST(FareFile, TheWriterWritesAndTheReaderReadsTheSameLayout) {
    // 市役所前; half-width ｶﾅ and 表, whose second byte is '\'; an empty name.
    std::vector<StopRecord> stops{{u"市役所前"_qs, 1, {0, 150}}, {u"ｶﾅ表"_qs, -2, {-1, 32767, -32768}}, {{}, 3, {}}};
    stops[1].fares[149] = 150;
    const QByteArray file = FareFileBytes(3).stop("\x8E\x73\x96\xF0\x8F\x8A\x91\x4F", 1, {0, 150})
                                .stop("\xB6\xC5\x95\x5C", -2, {stops[1].fares.begin(), stops[1].fares.end()}).stop({}, 3).bytes();
    EXPECT_EQ(fare_file::write(stops), file);
    EXPECT_EQ(fare_file::readCount(file), 3);
    const fare_file::Records read = fare_file::readRecords(file + "trailing bytes are ignored", 3);
    EXPECT_EQ(read.truncatedAt, 0);
    EXPECT_EQ(read.stops, stops);

    // What the 16-bit name length and record count cannot say is refused.
    StopRecord longest{QString(65535, u'A'), 0, {}};
    EXPECT_TRUE(fare_file::writeRecord(longest).has_value());
    longest.Chimei += u'A';
    EXPECT_FALSE(fare_file::write(std::vector<StopRecord>{longest}).has_value());
    EXPECT_FALSE(fare_file::write(std::vector<StopRecord>(32768)).has_value());
}

TEST(FareFile, ReportsTheRecordAShortFileEndsIn) {
    const QByteArray whole = FareFileBytes(2).stop("AB", 1, {100}).stop("CD", 2, {200}).bytes();
    EXPECT_FALSE(fare_file::readCount(whole.left(1)).has_value());
    // Bytes kept, records announced, the record the file ends in (0: none).
    for (const auto& [size, count, at] : {std::tuple{2, 2, 1}, {3, 2, 1}, {2 + 306 + 3, 2, 2}, {int(whole.size()) - 1, 2, 2},
                                          {int(whole.size()), 2, 0}, {int(whole.size()), 3, 3}})
        EXPECT_EQ(fare_file::readRecords(whole.left(size), count).truncatedAt, at) << size << " bytes, " << count;
    // 0xFFFF as a name length is past the end, not -1.
    EXPECT_EQ(fare_file::readRecords(FareFileBytes(1).raw("\xFF\xFF").raw(QByteArray(400, '\0')).bytes(), 1).truncatedAt, 1);
}

TEST(RouteFiles, FilesAreNamedByTheRouteNumberInPlainDecimal) {
    for (const auto& [text, number] : {std::pair{"00012", "12"}, {"12", "12"}, {"", "0"}, {"000", "0"}, {"abc", "0"},
                                       {"7a9", "7"}, {" 305", "305"}, {"99999", "99999"}})
        EXPECT_EQ(route_files::number(QString::fromLatin1(text)), QString::fromLatin1(number)) << text;
}

}  // namespace
