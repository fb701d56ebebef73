#include <gtest/gtest.h>

#include <QRegularExpression>

#include "formats/BroadcastFile.h"
#include "fares/LoadFareData.h"
#include "tests/support/RecordingReporter.h"
#include "fares/RouteFiles.h"

namespace {

const QString kDemo = QStringLiteral(DEMO_DIR);

// What a rider meets on the demo routes, as the program loads them: route 12
// of about twenty-five stops, and route 7, entered as "007", of long names.
TEST(DemoRoutes, TicketsFaresAndAnnouncementsFitTheStops) {
    const struct { const char* route; int minStops, maxStops, minName; } routes[] = {{"12", 22, 28, 1}, {"007", 10, 40, 7}};
    for (const auto& [route, minStops, maxStops, minName] : routes) {
        SCOPED_TRACE(route);
        RouteState state;
        StopTable table;
        RecordingReporter messages;
        ASSERT_TRUE(LoadFareData(kDemo + u"/fares"_qs, QString::fromLatin1(route), 1, state, table, messages));
        const int stops = state.StopCount;
        EXPECT_TRUE(stops >= minStops && stops <= maxStops) << stops;
        // The usual triangular table: at stop i a passenger who boarded at ticket j
        // pays more the more stops lie between, in steps of 10 yen, from one base fare.
        const int base = table[1].Fare(1);
        EXPECT_TRUE(base >= 100 && base % 10 == 0) << base;
        EXPECT_GT(table[stops].Fare(1), base + 100) << "the whole route costs well over the base fare";
        for (int i = 1; i <= stops; ++i) {
            EXPECT_EQ(table[i].SeiriNum, i);
            EXPECT_GE(table[i].Chimei.trimmed().size(), minName) << i;
            for (int j = 1; j <= StopRecord::kFareCount; ++j) {
                const int fare = table[i].Fare(j), previous = i > j ? table[i - 1].Fare(j) : base;
                if (j > i) {
                    EXPECT_EQ(fare, 0) << "no one holds ticket " << j << " at stop " << i;
                    continue;
                }
                EXPECT_TRUE(fare % 10 == 0 && fare <= 999 && fare >= previous && fare - previous <= 30 &&
                            (i > j || fare == base) && (j == 1 || fare <= table[i].Fare(j - 1)))
                    << "stop " << i << ", ticket " << j << ": " << fare;
            }
        }

        // As the panel's next button does, the board steps with each row whose
        // step flag is 1, and that row names the stop it steps to.
        const auto tape = broadcast_file::read(route_files::broadcastFile(kDemo + u"/tape"_qs, QString::fromLatin1(route)));
        ASSERT_TRUE(tape.has_value());
        EXPECT_GT(tape->rows.size(), size_t(stops));
        const QRegularExpression next(u"^次は、(.+?)です。"_qs);
        int stop = 1;
        for (const broadcast_file::TapeRow& row : tape->rows) {
            const QRegularExpressionMatch match = next.match(row.Text);
            stop += row.StepFlag == 1;
            EXPECT_TRUE(!row.Text.isEmpty() && row.ChimeFlag >= 0 && row.ChimeFlag <= 3 && match.hasMatch() == (row.StepFlag == 1))
                << row.StepFlag << "," << row.ChimeFlag << ": " << row.Text.toStdString();
            if (match.hasMatch() && stop <= stops) {
                EXPECT_EQ(match.captured(1).toStdString(), table[stop].Chimei.toStdString());
            }
        }
        EXPECT_EQ(stop, stops) << "the announcements end at the last stop";
    }
}

}  // namespace
