#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>

#include "PanelFixture.h"

namespace {

TEST_F(PanelTest, KeypadDigitsGoToTheChosenDisplayWithinItsLength) {
    state.options.sound.ResetSound = QStringLiteral("reset.wav");
    press(QStringLiteral("4"));
    EXPECT_EQ(panel.Label2[2]->text(), QStringLiteral("4")) << "before any 系統 digits go to the section";
    EXPECT_EQ(panel.Label2[0]->text(), QString());
    press(QStringLiteral("R123456S1234"));
    EXPECT_EQ(panel.Label2[0]->text(), QStringLiteral("12345"));
    EXPECT_EQ(panel.Label2[2]->text(), QStringLiteral("123"));
    press(QStringLiteral("R9"));
    EXPECT_EQ(panel.Label2[0]->text(), QStringLiteral("9")) << "系統 starts the route again";
    EXPECT_EQ(panel.Label2[2]->text(), QStringLiteral("123"));
    ASSERT_EQ(sound.plays.size(), 15u);
    for (const auto& play : sound.plays) EXPECT_EQ(play, (FakeSound::Play{QStringLiteral("reset.wav"), "S1", 0, 0}));
}

TEST_F(PanelTest, ARouteSetRunsTheLampTestThenShowsTheStartStop) {
    state.options.sound.RouteSetSound = QStringLiteral("set.wav");
    state.options.degit.ShowRouteNum = 1;
    state.options.degit.RouteNumSlot = 7;
    writeRoute(12, 5);
    EXPECT_FALSE(panel.Command2[1]->isEnabled());
    setRoute(QStringLiteral("00012"), QStringLiteral("2"));

    EXPECT_EQ(sound.plays.back(), (FakeSound::Play{QStringLiteral("set.wav"), "S1", 0, 0}));
    EXPECT_EQ(lampTests, (std::vector<LampTest>{{3000, 8}}));
    EXPECT_EQ(state.route.RouteNo, QStringLiteral("00012"));
    EXPECT_EQ(panel.Label2[0]->text(), QStringLiteral("00012"));
    EXPECT_EQ(state.route.StartSection, 2);
    EXPECT_EQ(state.route.CurIndex, 1);
    EXPECT_EQ(shown(1), number(0)) << "below the start section the lamp test's 0 stays";
    for (int k = 2; k <= 7; ++k) EXPECT_EQ(shown(k), number(200 + k)) << k;
    EXPECT_EQ(shown(8), DigitValue::text(QStringLiteral("00012"))) << "the route number, zeros and all";
    EXPECT_TRUE(panel.Command2[0]->isEnabled());
    EXPECT_TRUE(panel.Command2[1]->isEnabled());
    EXPECT_TRUE(panel.Check1->isEnabled());
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(PanelTest, SectionsAreClampedAndARefusedLoadChangesNothingElse) {
    writeRoute(12, 5);
    setRoute(QStringLiteral("12"), QStringLiteral("999"));
    EXPECT_EQ(state.route.StartSection, 300);
    EXPECT_EQ(messages.messages.size(), 1u) << "the load says why";
    EXPECT_TRUE(lampTests.empty());
    EXPECT_FALSE(panel.Command2[1]->isEnabled());
    EXPECT_FALSE(panel.Check1->isEnabled());

    setRoute(QStringLiteral("12"), QStringLiteral("000"));
    EXPECT_EQ(state.route.StartSection, 1);
    EXPECT_EQ(shown(1), number(101));
}

TEST_F(PanelTest, TheListsJoinTheirSelectionsAndWithoutAnyLoadRoute0) {
    state.options.sound.ResetSound = QStringLiteral("reset.wav");
    state.options.sound.RouteSetSound = QStringLiteral("set.wav");
    writeRoute(0, 3, [](int, std::vector<int>& fares) { fares[0] = 7; });
    writeRoute(12, 5);
    panel.Command1[0]->click();
    EXPECT_EQ(state.route.RouteNo, QString());
    EXPECT_EQ(state.route.StartSection, 1);
    EXPECT_EQ(shown(1), number(7));

    sound.plays.clear();
    const std::array<int, 5> route = {0, 0, 0, 1, 2};
    for (int i = 0; i < 5; ++i) panel.List2[i]->setCurrentRow(route[i]);
    EXPECT_EQ(sound.plays.back(), (FakeSound::Play{QStringLiteral("reset.wav"), "S1", 0, 0}));
    for (int i = 0; i < 3; ++i) panel.List3[i]->setCurrentRow(i == 2 ? 3 : 0);
    EXPECT_EQ(sound.plays.back(), (FakeSound::Play{QStringLiteral("set.wav"), "S1", 0, 0}));
    EXPECT_EQ(sound.plays.size(), 8u);
    panel.Command1[0]->click();
    EXPECT_EQ(state.route.RouteNo, QStringLiteral("00012"));
    EXPECT_EQ(state.route.StartSection, 3);
    EXPECT_EQ(shown(3), number(303));
}

TEST_F(PanelTest, DoubleClickingAnEntryFrameSendsItToTheBack) {
    const auto doubleClick = [](QWidget* target, QPoint at) {
        QMouseEvent event(QEvent::MouseButtonDblClick, at, target->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    };
    // The keypad is in front at start; a double-click on its background shows
    // the lists. (7, 10) is frame background in both.
    EXPECT_EQ(panel.childAt(7, 10), panel.Frame1[1]);
    doubleClick(panel.Frame1[1], QPoint(5, 5));
    EXPECT_EQ(panel.hiddenMode(), 1);
    EXPECT_EQ(panel.childAt(7, 10), panel.Frame1[0]);
    doubleClick(panel.Frame1[0], QPoint(5, 5));
    EXPECT_EQ(panel.hiddenMode(), 0);
    EXPECT_EQ(panel.childAt(7, 10), panel.Frame1[1]);
}

}  // namespace
