#include <gtest/gtest.h>

#include "fares/DataIo.h"
#include "formats/RuntimeError.h"

namespace {

// Loading a route stores through these by column (and is tested so); here,
// what only the text overload and the name column do, and what is refused.
TEST(DataIo, StoresAsTheColumnTakesItAndRefusesWhatDoesNotFit) {
    StopTable table;
    EXPECT_EQ(SetStopData(table, 2, 1, qint16(12)), 0);  // a number in the name column becomes text
    EXPECT_EQ(SetStopData(table, 2, 5, QStringLiteral(" 180 ")), 0);
    EXPECT_EQ(SetStopData(table, 2, 2, QStringLiteral("2.5")), 0);  // rounded half to even, as a 16-bit conversion does
    EXPECT_EQ(table[2], (StopRecord{QStringLiteral("12"), 2, {0, 0, 180}}));

    using namespace runtime_error;
    for (const auto& [stop, column] : {std::pair{0, 1}, {302, 2}, {1, 0}, {1, 153}}) {
        EXPECT_EQ(SetStopData(table, stop, column, qint16(1)), SubscriptOutOfRange) << stop << "/" << column;
        EXPECT_EQ(SetStopData(table, stop, column, QStringLiteral("1")), SubscriptOutOfRange) << stop << "/" << column;
    }
    EXPECT_EQ(SetStopData(table, 1, 3, QStringLiteral("32767.5")), Overflow);
    EXPECT_EQ(SetStopData(table, 1, 2, QStringLiteral("abc")), TypeMismatch);
    EXPECT_EQ(table[1], StopRecord{});
}

}  // namespace
