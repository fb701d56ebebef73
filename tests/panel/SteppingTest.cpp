#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>

#include "PanelFixture.h"

namespace {

TEST_F(PanelTest, SteppingStopsAtBothEndsWithoutSoundOrRefresh) {
    state.options.sound.StepSound = QStringLiteral("step.wav");
    state.options.sound.StepSoundSync = -1;
    writeRoute(12, 3);
    setRoute(QStringLiteral("12"), QStringLiteral("1"));
    board.Degit[1]->setValue(number(-5));
    panel.Command2[0]->click();
    EXPECT_EQ(state.route.CurIndex, 0);
    EXPECT_EQ(shown(1), number(-5)) << "no refresh";
    EXPECT_TRUE(playsOn("S2").empty());

    panel.Command2[1]->click();
    panel.Command2[1]->click();
    EXPECT_EQ(state.route.CurIndex, 2);
    EXPECT_EQ(shown(1), number(301));
    board.Degit[1]->setValue(number(-5));
    panel.Command2[1]->click();
    EXPECT_EQ(state.route.CurIndex, 2);
    EXPECT_EQ(shown(1), number(-5));
    EXPECT_EQ(playsOn("S2"), (std::vector<FakeSound::Play>(2, {QStringLiteral("step.wav"), "S2", -1, 0})));

    panel.Command2[0]->click();
    EXPECT_EQ(shown(1), number(201));
}

TEST_F(PanelTest, DisplaysBeforeTheStartSectionAreNeverWritten) {
    state.options.degit.ShowStopOrder = 1;
    writeRoute(13, 12);
    setRoute(QStringLiteral("13"), QStringLiteral("3"));
    panel.Command2[1]->click();
    EXPECT_EQ(shown(1), number(4)) << "the stop order";
    EXPECT_EQ(shown(2), number(0));
    for (int k = 3; k <= 8; ++k) EXPECT_EQ(shown(k), number(400 + k)) << k;

    setRoute(QStringLiteral("13"), QStringLiteral("9"));
    panel.Command2[0]->click();
    EXPECT_EQ(shown(1), number(8));
    for (int k = 2; k <= 8; ++k) EXPECT_EQ(shown(k), number(0)) << k;
}

TEST_F(PanelTest, LateNightDoublesEveryFareButAMissingOneFromTheNextRefresh) {
    writeRoute(12, 2, [](int, std::vector<int>& fares) {
        fares[0] = 210;
        fares[1] = -1;
        fares[2] = 20000;
        fares[3] = -20000;
    });
    panel.Check2->setChecked(true);
    setRoute(QStringLiteral("12"), QStringLiteral("1"));
    EXPECT_EQ(shown(1), number(420));
    EXPECT_EQ(shown(2), number(-1));
    EXPECT_EQ(shown(3), number(40000)) << "beyond 16 bits, shown as any long value";
    EXPECT_EQ(shown(4), number(-40000));
    EXPECT_EQ(shown(5), number(210));

    panel.Check2->setChecked(false);
    EXPECT_EQ(shown(1), number(420)) << "nothing changes before the next step";
    panel.Command2[1]->click();
    EXPECT_EQ(shown(1), number(210));
}

TEST_F(PanelTest, InformationNumbersOverrideTheFaresOnTheirDisplays) {
    OptDegit& degit = state.options.degit;
    degit.ShowStopOrder = 1;
    degit.StopOrderFromZero = 1;
    degit.StopOrderSlot = 0;
    degit.ShowSeiriNum = 1;
    degit.SeiriNumSlot = 1;
    degit.ShowRouteNum = 1;
    degit.RouteNumSlot = 2;
    degit.ShowDataColumn = 1;
    degit.DataColumn = 19;
    degit.DataColumnSlot = 3;
    writeRoute(12, 3);
    setRoute(QStringLiteral("012"), QStringLiteral("1"));
    EXPECT_EQ(shown(1), number(0));
    EXPECT_EQ(shown(2), number(11));
    EXPECT_EQ(shown(3), DigitValue::text(QStringLiteral("012")));
    EXPECT_EQ(shown(4), number(120));
    EXPECT_EQ(shown(5), number(105));
    panel.Command2[1]->click();
    EXPECT_EQ(shown(1), number(1));
    EXPECT_EQ(shown(2), number(12));
    EXPECT_EQ(shown(4), number(220));
}

TEST_F(PanelTest, DisplayOffBlanksAndLocksTheBoardUntilItIsCleared) {
    writeRoute(12, 5);
    write(QStringLiteral("12tp.csv"), QByteArray("a,0,0\r\n"));
    setRoute(QStringLiteral("12"), QStringLiteral("3"));
    ASSERT_TRUE(panel.Check1->isEnabled());

    panel.Check1->click();
    for (int k = 1; k <= 8; ++k) EXPECT_EQ(shown(k), DigitValue::text(QString())) << k;
    for (QWidget* locked : std::initializer_list<QWidget*>{panel.Frame1[0], panel.Frame1[1], panel.Command2[0],
                                                            panel.Command2[1], panel.grpM_Tape, panel.Frame6})
        EXPECT_FALSE(locked->isEnabled()) << locked->metaObject()->className();

    panel.Check1->click();
    EXPECT_EQ(shown(1), DigitValue::text(QString())) << "displays below the start section stay blank";
    EXPECT_EQ(shown(2), DigitValue::text(QString()));
    for (int k = 3; k <= 8; ++k) EXPECT_EQ(shown(k), number(300 + k)) << k;
    for (QWidget* unlocked : std::initializer_list<QWidget*>{panel.Frame1[0], panel.Frame1[1], panel.Command2[0],
                                                              panel.Command2[1], panel.grpM_Tape, panel.Frame6})
        EXPECT_TRUE(unlocked->isEnabled()) << unlocked->metaObject()->className();
    EXPECT_FALSE(board.Timer1->isActive()) << "the clock stays hidden on this model";
}

TEST_F(PanelTest, TheFlagColumnChoosesTheStepSoundInBothDirections) {
    OptSound& s = state.options.sound;
    s.StepSoundAlways = 0;
    s.StepSoundByColumn = -1;
    s.StepSoundColumn = 9;
    s.StepSound1 = QStringLiteral("one.wav");
    s.StepSound2 = QStringLiteral("two.wav");
    s.StepSound3 = QStringLiteral("three.wav");
    const std::array<int, 5> flags = {1, 2, 0, 3, 4};
    writeRoute(12, 5, [&](int stop, std::vector<int>& fares) { fares[9] = flags[size_t(stop - 1)]; });
    setRoute(QStringLiteral("12"), QStringLiteral("1"));
    for (int i = 0; i < 4; ++i) panel.Command2[1]->click();
    for (int i = 0; i < 3; ++i) panel.Command2[0]->click();
    QStringList played;
    for (const auto& play : playsOn("S2")) played << play.file;
    EXPECT_EQ(played, (QStringList{"two.wav", "three.wav", "three.wav", "two.wav"}));
}

TEST_F(PanelTest, AfterARefusedLoadSteppingStaysWithinTheStopsTheTableHolds) {
    state.options.sound.StepSound = QStringLiteral("step.wav");
    writeRoute(12, 3);
    writeRoute(13, 20);
    setRoute(QStringLiteral("12"), QStringLiteral("1"));
    panel.Command2[1]->click();
    panel.Command2[1]->click();
    setRoute(QStringLiteral("13"), QStringLiteral("25"));
    ASSERT_EQ(state.route.StopCount, 20) << "the refused file's count";
    sound.plays.clear();
    panel.Command2[1]->click();
    EXPECT_EQ(state.route.CurIndex, 2);
    EXPECT_TRUE(sound.plays.empty());
    panel.Command2[0]->click();
    EXPECT_EQ(state.route.CurIndex, 1);
}

TEST_F(PanelTest, AnnouncementsStepTheStopWhenTheirRowSaysSo) {
    writeRoute(12, 3);
    write(QStringLiteral("12tp.csv"), cp932::encode(QStringLiteral("発車します,0,0\r\n次は市役所前,1,0\r\n")));
    setRoute(QStringLiteral("12"), QStringLiteral("1"));
    ASSERT_TRUE(panel.cmdTapeNext->isEnabled());
    panel.cmdTapeNext->click();
    EXPECT_EQ(state.route.CurIndex, 0);
    panel.cmdTapeNext->click();
    EXPECT_EQ(state.route.CurIndex, 1);
    EXPECT_EQ(shown(1), number(201));
    panel.cmdTapeNext->click();
    EXPECT_EQ(state.route.CurIndex, 2) << "held at the last row, whose flag still steps";
    panel.cmdTapeBack->click();
    EXPECT_EQ(state.route.CurIndex, 2) << "back onto row 1, which does not step";
    EXPECT_EQ(spoken, (std::vector<QString>{QStringLiteral("発車します"), QStringLiteral("次は市役所前"),
                                            QStringLiteral("発車します")}));
}

}  // namespace
