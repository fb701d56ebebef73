#include <gtest/gtest.h>

#include <QRegularExpression>

#include "LoadFareData.h"
#include "Options.h"
#include "RecordingReporter.h"
#include "RouteState.h"
#include "SoundSink.h"
#include "StopTable.h"
#include "TapeControls.h"
#include "TextToSpeech.h"
#include "mdlM_Tape.h"

namespace {

const QString kDemo = QStringLiteral(DEMO_DIR);

struct SilentSound : SoundSink {
    void SndPlay(const QString&, const QString&, qint16, qint16) override {}
};

struct Controls : TapeControls {
    void setTapeGroupEnabled(bool enabled) override { groupEnabled = enabled; }
    void setTapeGroupCaption(const QString&) override {}
    void setTapeButtonsEnabled(bool) override {}
    bool groupEnabled = false;
};

struct Listener : TextToSpeech {
    explicit Listener(QString& heard) : heard(heard) {}
    void speak(const QString& text) override { heard = text; }
    void stop() override {}
    qint32 state() const override { return Idle; }
    void showVoiceDialog(QWidget*, const QString&) override {}
    QString& heard;
};

class DemoRoute : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        route = QString::fromLatin1(GetParam());
        ASSERT_TRUE(LoadFareData(kDemo + u"/fares"_qs, route, 1, state, table, messages));
        ASSERT_TRUE(messages.messages.empty());
        stops = state.StopCount;
    }

    QString route;
    RouteState state;
    StopTable table;
    RecordingReporter messages;
    int stops = 0;
};

TEST_P(DemoRoute, TicketNumbersRunFromOneInStopOrder) {
    ASSERT_GE(stops, 10);
    for (int stop = 1; stop <= stops; ++stop) {
        EXPECT_EQ(table[stop].SeiriNum, stop);
        EXPECT_FALSE(table[stop].Chimei.trimmed().isEmpty()) << stop;
    }
}

// The usual triangular table: at stop i a passenger who boarded at ticket j
// pays more the more stops lie between, in steps of 10 yen, from one base fare.
TEST_P(DemoRoute, FaresGrowWithDistanceInTenYenSteps) {
    const int base = table[1].Fare(1);
    EXPECT_GE(base, 100);
    EXPECT_EQ(base % 10, 0);
    for (int i = 1; i <= stops; ++i) {
        for (int j = 1; j <= StopRecord::kFareCount; ++j) {
            const int fare = table[i].Fare(j);
            if (j > i) {
                EXPECT_EQ(fare, 0) << "no one holds ticket " << j << " at stop " << i;
                continue;
            }
            EXPECT_EQ(fare % 10, 0) << i << "/" << j;
            EXPECT_LE(fare, 999) << "three digits on the board";
            if (j == i) {
                EXPECT_EQ(fare, base) << "boarding here";
            }
            if (i > j) {
                const int previous = table[i - 1].Fare(j);
                EXPECT_GE(fare, previous) << i << "/" << j;
                EXPECT_LE(fare - previous, 30) << i << "/" << j;
            }
            if (j > 1) {
                EXPECT_LE(fare, table[i].Fare(j - 1)) << "boarding earlier never pays less";
            }
        }
    }
    EXPECT_GT(table[stops].Fare(1), base + 100) << "the whole route costs well over the base fare";
}

TEST_P(DemoRoute, EveryNextStopAnnouncementStepsToThatStop) {
    Options options;
    SilentSound sound;
    Controls controls;
    QString heard;
    mdlM_Tape tape(options, sound, controls, [&heard] { return std::make_unique<Listener>(heard); },
                   [] { return u"Linux"_qs; });
    tape.TapeInitEngine();
    tape.TapeLoad(kDemo + u"/tape"_qs, route);
    ASSERT_TRUE(controls.groupEnabled);
    ASSERT_GT(tape.TapeCount(), stops);

    const QRegularExpression next(u"^次は、(.+?)です。"_qs);
    int stop = state.CurIndex + 1;
    for (int row = 1; row <= tape.TapeCount(); ++row) {
        heard.clear();
        tape.TapeNext();
        ASSERT_EQ(tape.TapePosition(), row);
        EXPECT_FALSE(heard.isEmpty()) << "row " << row << " says nothing";
        const qint16 chime = tape.TapeChimeFlag(row);
        EXPECT_TRUE(chime >= 0 && chime <= 3) << row;
        // As the panel's next button does: the board steps with the row.
        const bool steps = tape.TapeStepFlag(tape.TapePosition()) == 1;
        if (steps) ++stop;
        const QRegularExpressionMatch match = next.match(heard);
        EXPECT_EQ(match.hasMatch(), steps) << row << ": " << heard.toStdString();
        if (!match.hasMatch()) continue;
        ASSERT_LE(stop, stops) << row;
        EXPECT_EQ(match.captured(1).toStdString(), table[stop].Chimei.toStdString()) << row;
    }
    EXPECT_EQ(stop, stops) << "the announcements end at the last stop";
}

INSTANTIATE_TEST_SUITE_P(Demo, DemoRoute, ::testing::Values("12", "7"));

TEST(DemoRoutes, Route12HasAboutTwentyFiveStopsAndRoute7LongNames) {
    RouteState state;
    StopTable table;
    RecordingReporter messages;
    ASSERT_TRUE(LoadFareData(kDemo + u"/fares"_qs, u"12"_qs, 1, state, table, messages));
    EXPECT_GE(state.StopCount, 22);
    EXPECT_LE(state.StopCount, 28);
    ASSERT_TRUE(LoadFareData(kDemo + u"/fares"_qs, u"007"_qs, 1, state, table, messages));
    for (int stop = 1; stop <= state.StopCount; ++stop)
        EXPECT_GE(table[stop].Chimei.size(), 7) << table[stop].Chimei.toStdString();
}

}  // namespace
