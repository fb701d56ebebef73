#include <gtest/gtest.h>

#include "formats/Options.h"
#include "panel/PanelRules.h"
#include "formats/StopTable.h"

namespace {

using namespace Qt::StringLiterals;
using namespace route_entry;

TEST(RouteEntry, ValuesComeFromTheLeadingDigitsSectionsAreClampedAndTheTicketDateFollowsItsOption) {
    EXPECT_EQ((std::array{leadingValue(u"00012"_s), leadingValue(u"12a3"_s), leadingValue({}), leadingValue(u"99999999999999"_s)}),
              (std::array{12, 12, 0, 2147483647}));
    EXPECT_EQ((std::array{clampSection(0), clampSection(1), clampSection(300), clampSection(301)}),
              (std::array<qint16, 4>{1, 1, 300, 300}));
    EXPECT_EQ(folderWithSeparator(u"/data"_s) + folderWithSeparator(u"C:\\data\\"_s) + folderWithSeparator({}), u"/data/C:\\data\\"_s);
    EXPECT_EQ(ticketDate(QDate(2026, 3, 7)) + u' ' + ticketTime(QTime(9, 5, 7)), u"03-07-2026 09:05:07"_s);
    // The ticket date: today, the route setting's day or the fixed date.
    Options options;
    const QDate today(2026, 3, 7);
    const auto dates = [&](qint16 atPrint, qint16 atRouteSet, qint16 fixed) {
        options.seiriken = {0, {}, atPrint, atRouteSet, fixed, u"2020/01/02"_s};
        return routeSetDate(options, today) + u' ' + refreshTicketDate(options, u"kept"_s, today);
    };
    EXPECT_EQ(dates(-1, 0, 0), u"03-07-2026 03-07-2026"_s);
    EXPECT_EQ(dates(0, -1, 0), u"03-07-2026 kept"_s);
    EXPECT_EQ(dates(0, 0, -1), u"2020/01/02 2020/01/02"_s);
}

TEST(Stepping, StepsStayWithinTheHeldStopsNightDoublesAllButMissingFaresAndTheFlagColumnChoosesTheSound) {
    using namespace stepping;
    EXPECT_EQ((std::array{steppedIndex(0, -1, 3), steppedIndex(0, 1, 3), steppedIndex(2, 1, 3), steppedIndex(2, -1, 3)}),
              (std::array<std::optional<qint16>, 4>{std::nullopt, 1, std::nullopt, 1}));
    // Doubled in 32 bits: beyond 16 bits rather than overflowing.
    const std::array<std::array<qint32, 3>, 6> fares = {
        {{210, 1, 420}, {210, 0, 210}, {-1, 1, -1}, {-2, 1, -4}, {20000, 1, 40000}, {-20000, 1, -40000}}};
    for (const auto& [fare, night, shown] : fares)
        EXPECT_EQ(stepping::shownFare(qint16(fare), night != 0), shown) << fare << (night ? " at night" : "");
    // The step sound: the fixed one, or chosen by the flag column.
    Options options;
    StopRecord stop;
    const auto soundFor = [&](qint16 always, int column, qint16 flag) {
        options.sound = {.StepSoundAlways = always, .StepSound = u"fixed"_s, .StepSoundColumn = qint16(column),
                         .StepSound1 = u"1"_s, .StepSound2 = u"2"_s, .StepSound3 = u"3"_s};
        stop.fares[size_t(qMax(column, 0))] = flag;
        return stepping::stepSound(options, stop);
    };
    const std::vector<std::tuple<qint16, int, qint16, QString>> rows = {
        {-1, 9, 2, u"fixed"_s}, {0, 9, 1, u"1"_s}, {0, 9, 2, u"2"_s}, {0, 9, 3, u"3"_s}, {0, 9, 0, {}}, {0, 9, 4, {}},
        {0, 9, -1, {}},         {0, 149, 3, u"3"_s}, {0, -1, 1, {}}};
    for (const auto& [always, column, flag, sound] : rows) EXPECT_EQ(soundFor(always, column, flag), sound) << column << ": " << flag;
}

}  // namespace
