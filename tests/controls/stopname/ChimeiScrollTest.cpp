#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>

#include "tests/controls/stopname/Dots.h"

namespace {

const QString kLong = QStringLiteral("一二三四五六七");  // a 224-pixel canvas

class ChimeiScroll : public ::testing::Test {
protected:
    void SetUp() override { ctl.setClock([this] { return now; }); }
    // Lets the clock reach `ms` and the scroll catch up with it.
    double at(qint64 ms) {
        now = ms;
        ctl.advanceScroll();
        return ctl.canvasTop();
    }
    QTimer* ticks() { return ctl.findChild<QTimer*>(); }
    int litPixels() { return countColour(ctl.canvasImage(), rgbOf(ctl.ForeColor())); }

    qint64 now = 0;
    ChimeiCtl_B ctl;
};

}  // namespace

TEST_F(ChimeiScroll, PausesBlankEntersFromBelowTravelsByElapsedTimeAndStartsOver) {
    ctl.setSpeed(200);  // a pixel a millisecond
    ctl.SetChimei(kLong);
    ASSERT_TRUE(ticks()->isActive());
    EXPECT_TRUE(ticks()->isSingleShot()) << "the pause is one wait, not frame ticks";
    EXPECT_EQ(at(1499), 192);
    EXPECT_EQ(countColour(ctl.grab().toImage(), rgbOf(ctl.ForeColor())), 0) << "blank during the pause";
    EXPECT_EQ(at(1500), 192);
    EXPECT_FALSE(ticks()->isSingleShot()) << "frame ticks while moving";
    EXPECT_EQ(at(1600), 92);
    EXPECT_GT(countColour(ctl.grab().toImage(), rgbOf(ctl.ForeColor())), 0);

    ctl.setSpeed(5);
    EXPECT_NEAR(at(2000), 82, 1e-9);  // 400 steps of 1/40 pixel
    ctl.setSpeed(200);
    // Back below once the canvas is a whole strip height above the strip.
    EXPECT_NEAR(at(2497), -415, 1e-9);
    EXPECT_EQ(at(2498), 192);
    EXPECT_TRUE(ticks()->isSingleShot());
    EXPECT_EQ(at(3997), 192);
    EXPECT_NEAR(at(4008), 182, 1e-9);

    // A late timer catches up through a whole pass and pause.
    EXPECT_NEAR(at(3998 + 608 + 1500 + 10), 182, 1e-9);
}

TEST_F(ChimeiScroll, SpeedZeroBecomesOneWhenAScrollStarts) {
    ctl.setSpeed(0);
    int changes = 0;
    QObject::connect(&ctl, &ChimeiCtl_B::propertyChanged, [&] { ++changes; });
    ctl.SetChimei(kLong);
    at(1499);
    EXPECT_EQ(ctl.Speed(), 0);
    EXPECT_NEAR(at(1700), 191, 1e-9);
    EXPECT_EQ(ctl.Speed(), 1);
    EXPECT_EQ(changes, 1);

    // Only the start of a scroll raises it, not a later pass.
    ctl.setSpeed(200);
    EXPECT_EQ(at(1700 + 608), 192);
    ctl.setSpeed(0);
    EXPECT_EQ(at(5000), 192);
    EXPECT_EQ(ctl.Speed(), 0);
}

TEST_F(ChimeiScroll, AShortNameEndsTheScrollALongOneRestartsItAnEmptyOneKeepsItMoving) {
    ctl.setSpeed(200);
    ctl.SetChimei(kLong);
    EXPECT_EQ(at(1600), 92);
    ctl.SetChimei(QStringLiteral("市役所前"));
    EXPECT_FALSE(ctl.isScrolling());
    EXPECT_FALSE(ticks()->isActive()) << "a still strip costs nothing";
    EXPECT_EQ(at(5000), 0);

    ctl.SetChimei(kLong);
    EXPECT_EQ(at(6499), 192);
    EXPECT_EQ(at(6600), 92);
    ctl.SetChimei(kLong);
    EXPECT_EQ(at(8099), 192) << "a new long name pauses anew";

    EXPECT_EQ(at(8200), 92);
    ctl.SetChimei(QString());
    EXPECT_EQ(ctl.canvasTop(), 0);
    EXPECT_EQ(litPixels(), 0);
    EXPECT_TRUE(ctl.isScrolling());
    EXPECT_EQ(at(8210), 82) << "the blank canvas goes on moving";
    EXPECT_EQ(ctl.canvasImage().height(), 224);
}

TEST(ChimeiScrollTimers, TheWindowThreadsTimersDriveTheScroll) {
    ChimeiCtl_B ctl;
    ctl.setScrollStartWait(20);
    ctl.setSpeed(200);
    ctl.SetChimei(kLong);
    EXPECT_EQ(ctl.canvasTop(), 192) << "SetChimei returns before anything moves";
    QEventLoop loop;
    QTimer::singleShot(150, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_LT(ctl.canvasTop(), 192 - 60);
    EXPECT_GT(ctl.canvasTop(), -416);
}
