#include <QtTest>
#include <QtWidgets>

#include "tests/support/ModalDriver.h"
#include "tests/support/ProgramFixture.h"
#include "platform/Twips.h"

namespace {

using namespace Qt::StringLiterals;
using Play = FakeSound::Play;

QColor captionColour(const Form1& board, int k) { return board.caption(k).palette().color(QPalette::WindowText); }

bool allWhite(QImage image) {
    QImage white(image.size(), image.format());
    white.fill(Qt::white);
    return image == white;
}

// Displays 1 to 8 shown on the board, and as expected: numbers, the route number on 8 when given.
std::vector<DigitValue> displays(const Form1& board) {
    std::vector<DigitValue> out;
    for (int k = 1; k <= 8; ++k) out.push_back(board.fareDisplay(k).Value());
    return out;
}
std::vector<DigitValue> values(std::initializer_list<double> numbers, const QString& route = {}) {
    std::vector<DigitValue> out;
    for (double n : numbers) out.push_back(out.size() == 7 && !route.isNull() ? DigitValue::text(route) : DigitValue::number(n));
    return out;
}

TEST_F(PanelTest, LoadAndStartUpNameTheBoardAndPlaceBothWindows) {
    EXPECT_EQ(board.windowTitle() + panel.windowTitle() + panel.grpM_Tape->title(), u"ハルカゼ - 型番:panel_tests集中操作盤音合使用可"_s);
    // Announcements wait for their data; this model has no stop-name display.
    EXPECT_TRUE(panel.grpM_Tape->isEnabled() && panel.isVisible() && !panel.cmdTapeNext->isEnabled() && !panel.HScroll1[0]->isEnabled());
    EXPECT_TRUE(board.pos() == QPoint(0, 0) && panel.frameGeometry().bottomRight() == panel.screen()->availableGeometry().bottomRight());
    EXPECT_EQ(panel.CommandButton1[7]->mask(), QRegion(2, 2, 26, 23)) << "keys clipped to their rounded outline";
    // The version box: the model, the version as built, this year; the board waits meanwhile.
    QString version;
    ModalDriver box([&](QDialog* dialog) {
        version = (board.isEnabled() ? u"enabled "_s : QString()) + qobject_cast<QMessageBox*>(dialog)->text();
        dialog->accept();
    });
    panel.Command8->click();
    EXPECT_TRUE(QRegularExpression(u"^型番：panel_tests\nバージョン：\\d+\\.\\d+\\.\\d+\n\n"_s).match(version).hasMatch() &&
                version.trimmed().endsWith(QString::number(QDate::currentDate().year())) && board.isEnabled())
        << version.toStdString();
    for (const bool open : {true, false}) {
        panel.Check4->click();
        EXPECT_EQ(QString::number(panel.width()) + panel.Check4->text() + panel.Check4->toolTip(),
                  QString::number(twips::toPixels(open ? 9000 - 90 : 5295)) + (open ? u"<<整理券プレビューを隠します"_s : u">>整理券プレビューを開きます"_s) + u"\nキー: P"_s);
    }
}

TEST_F(PanelTest, ListsAndKeypadSetARouteWithTheLampTestAndTheStopShowsWithItsInformationNumbers) {
    state.options.sound = {.RouteSetSound = u"set.wav"_s, .ResetSound = u"reset.wav"_s};
    state.options.degit = {.ShowStopOrder = 1, .StopOrderFromZero = 1, .ShowSeiriNum = 1, .SeiriNumSlot = 2, .ShowRouteNum = 1,
                           .RouteNumSlot = 7, .ShowDataColumn = 1, .DataColumn = 149, .DataColumnSlot = 4};
    writeRoute(0, 3, [](int, std::vector<int>& fares) { fares[1] = 7; });
    writeRoute(12, 5);
    EXPECT_FALSE(panel.Command2[1]->isEnabled() || panel.Check1->isEnabled());
    // Lists without a selection load route 0 from its first stop; selections join.
    panel.Command1[0]->click();
    EXPECT_TRUE(state.route.RouteNo.isEmpty() && state.route.StartSection == 1 && shown(2) == number(7));
    sound.plays.clear();
    for (int i = 0; i < 5; ++i) panel.List2[i]->setCurrentRow(std::array{0, 0, 0, 1, 2}[i]);
    for (int i = 0; i < 3; ++i) panel.List3[i]->setCurrentRow(i == 2 ? 3 : 0);
    std::vector<Play> plays(5, {u"reset.wav"_s, "S1", 0, 0});
    plays.insert(plays.end(), 4, {u"set.wav"_s, "S1", 0, 0});
    panel.Command1[0]->click();
    EXPECT_EQ(sound.plays, plays);
    EXPECT_EQ(lampTests, (std::vector<std::pair<int, int>>(2, {3000, 8})));
    EXPECT_EQ(state.route.RouteNo + QString::number(state.route.StartSection * 10 + state.route.CurIndex), u"0001232"_s);
    EXPECT_TRUE(panel.Command2[0]->isEnabled() && panel.Command2[1]->isEnabled() && panel.Check1->isEnabled());
    // Stop order from zero on 1, below the start section the lamp test's 0 on 2,
    // ticket number on 3, the last column on 5 and the route number, zeros and all, on 8.
    EXPECT_EQ(displays(board), values({2, 0, 13, 304, 450, 306, 307, 0}, u"00012"_s));
    panel.Command2[1]->click();
    EXPECT_EQ(displays(board), values({3, 0, 14, 404, 550, 406, 407, 0}, u"00012"_s));

    // The keypad: digits before 系統 go to the section, at most five route and three section digits.
    sound.plays.clear();
    press(u"4R123456"_s);
    EXPECT_EQ(panel.Label2[0]->text() + u'-' + panel.Label2[2]->text(), u"12345-4"_s);
    EXPECT_EQ(sound.plays, (std::vector<Play>(8, {u"reset.wav"_s, "S1", 0, 0})));
    // Counted from the first stop; past the eighth display no fare is written.
    state.options.degit = {.ShowStopOrder = 1};
    writeRoute(13, 12);
    setRoute(u"13"_s, u"9"_s);
    EXPECT_TRUE(state.route.RouteNo == u"13"_s && displays(board) == values({9, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(PanelTest, SteppingRefreshesWithNightFaresAndTheStopsSoundWithinTheStopsTheTableHolds) {
    state.options.sound = {.StepSoundAlways = 0, .StepSoundSync = -1, .StepSoundColumn = 9, .StepSound1 = u"one"_s,
                           .StepSound2 = u"two"_s, .StepSound3 = u"three"_s};
    writeRoute(12, 3, [](int stop, std::vector<int>& fares) { fares[9] = std::array{3, 1, 2}[size_t(stop - 1)]; });
    writeRoute(13, 20);
    setRoute(u"12"_s, u"1"_s);
    panel.Check2->setChecked(true);
    panel.Command2[1]->click();
    EXPECT_EQ(shown(2), number(404));
    panel.Check2->setChecked(false);
    panel.Command2[1]->click();
    EXPECT_EQ(shown(2), number(302));
    // A refused load (25 of 20 stops; the keypad takes three digits) says why, runs no
    // lamp test and leaves the last route's stops in the table.
    setRoute(u"13"_s, u"0251"_s);
    EXPECT_TRUE(state.route.StartSection == 25 && state.route.StopCount == 20 && messages.messages.size() == 1 && lampTests.size() == 1);
    EXPECT_FALSE(panel.grpM_Tape->isEnabled()) << "no announcements for the route";
    for (const int step : {1, 0}) {
        panel.Command2[step]->click();
        EXPECT_EQ(state.route.CurIndex, step + 1);
    }
    std::erase_if(sound.plays, [](const Play& play) { return play.alias != "S2"; });
    EXPECT_EQ(sound.plays, (std::vector<Play>{{u"one"_s, "S2", -1, 0}, {u"two"_s, "S2", -1, 0}, {u"one"_s, "S2", -1, 0}}));
}

TEST_F(PanelTest, AnnouncementsStepTheStopThePreviewDrawsTheTicketAndDisplayOffLocksTheBoard) {
    writeRoute(12, 5);
    write(u"12tp.csv"_s, cp932::encode(u"発車します,0,0\r\n次は市役所前,1,0\r\n終点です,1,0\r\n"_s));
    setRoute(u"12"_s, u"2"_s);
    // Rows with the flag step: forward, held at the last row too, and back onto row 2.
    for (const auto& [button, index] : {std::pair{panel.cmdTapeNext, 1}, {panel.cmdTapeNext, 2}, {panel.cmdTapeNext, 3},
                                        {panel.cmdTapeNext, 4}, {panel.cmdTapeBack, 3}}) {
        button->click();
        EXPECT_EQ(state.route.CurIndex, index);
    }
    EXPECT_EQ(spoken, (std::vector<QString>{u"発車します"_s, u"次は市役所前"_s, u"終点です"_s, u"次は市役所前"_s}));

    EXPECT_TRUE(allWhite(panel.picSeirikenPrev->image())) << "no preview unless chosen";
    state.options.seiriken = {.UseSeirikenPreview = 1, .SeirikenPlugin = QStringLiteral(SAMPLE_PLUGINS_DIR "/hoshimizaka.4SP")};
    panel.Command2[0]->click();
    const QImage ticket = panel.picSeirikenPrev->image();
    panel.MnuHideCopy->trigger();
    EXPECT_TRUE(!allWhite(ticket) && QGuiApplication::clipboard()->image().convertToFormat(ticket.format()) == ticket);
    state.options.seiriken.SeirikenPlugin = dir.filePath(u"none.4SP"_s);
    panel.Command2[0]->click();
    EXPECT_TRUE(allWhite(panel.picSeirikenPrev->image())) << "cleared before each drawing";

    for (const bool off : {true, false}) {
        panel.Check1->click();
        for (QWidget* w : std::initializer_list<QWidget*>{panel.Frame1[0], panel.Frame1[1], panel.Command2[0],
                                                          panel.Command2[1], panel.grpM_Tape, panel.Frame6})
            EXPECT_EQ(w->isEnabled(), !off) << w->metaObject()->className();
        const DigitValue blank = DigitValue::text(QString());
        EXPECT_EQ(displays(board), off ? std::vector(8, blank) : (std::vector{blank, number(202), number(203), number(204),
                                                                              number(205), number(206), number(207), number(208)}));
    }
    EXPECT_FALSE(board.findChild<QTimer*>()->isActive()) << "the clock stays hidden on this model";
}

TEST_F(PanelTest, KeysClickTheButtonTheirTooltipNamesOnlyWhereAClickWouldWork) {
    state.options.sound = {.RouteSetSound = u"set"_s, .ResetSound = u"reset"_s, .StepSound = u"step"_s};
    writeRoute(12, 5);
    write(u"12tp.csv"_s, cp932::encode(u"発車します,0,0\r\n次は市役所前,1,0\r\n"_s));
    EXPECT_EQ(panel.focusWidget(), &panel) << "keys reach the panel, not a list hidden behind the keypad";
    std::vector<QAbstractButton*> clicked;
    for (QAbstractButton* button : panel.findChildren<QAbstractButton*>())
        QObject::connect(button, &QAbstractButton::clicked, [&clicked, button] { clicked.push_back(button); });
    struct Row { Qt::Key key; QAbstractButton* button; QString name = {}; Qt::KeyboardModifiers modifiers = {}; };
    const auto run = [&](QWidget* to, const std::vector<Row>& rows) {
        for (const Row& row : rows) {
            clicked.clear();
            QTest::keyClick(to, row.key, row.modifiers);
            EXPECT_EQ(clicked, row.button ? std::vector{row.button} : std::vector<QAbstractButton*>{}) << row.key;
            EXPECT_TRUE(!row.button || row.button->toolTip().section(u"キー: "_s, 1).split(u", "_s).contains(row.name)) << row.key;
        }
    };
    const auto& pad = panel.CommandButton1;
    // Before a route nothing steps, speaks or blanks; keys held with Ctrl are not the panel's.
    run(&panel, {{Qt::Key_Right, nullptr}, {Qt::Key_PageUp, nullptr}, {Qt::Key_Space, nullptr}, {Qt::Key_D, nullptr},
                 {Qt::Key_R, nullptr, {}, Qt::ControlModifier}, {Qt::Key_R, pad[10], u"R"_s}, {Qt::Key_1, pad[1], u"1"_s, Qt::KeypadModifier},
                 {Qt::Key_2, pad[2], u"2"_s}, {Qt::Key_Asterisk, pad[11], u"*"_s, Qt::KeypadModifier}, {Qt::Key_2, pad[2], u"2"_s},
                 {Qt::Key_Enter, panel.Command1[1], u"Enter"_s, Qt::KeypadModifier}});
    EXPECT_TRUE(state.route.RouteNo == u"12"_s && state.route.StartSection == 2 && shown(3) == number(203) && lampTests.size() == 1);
    std::vector<Play> plays(5, {u"reset"_s, "S1", 0, 0});
    plays.push_back({u"set"_s, "S1", 0, 0});
    EXPECT_EQ(sound.plays, plays);
    sound.plays.clear();
    run(&panel, {{Qt::Key_Right, panel.Command2[1], u"→"_s}, {Qt::Key_PageDown, panel.Command2[1], u"PageDown"_s},
                 {Qt::Key_Left, panel.Command2[0], u"←"_s}});
    EXPECT_TRUE(sound.plays == std::vector<Play>(3, {u"step"_s, "S2", 0, 0}) && shown(3) == number(303));
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, {}, true);
    clicked.clear();
    QApplication::sendEvent(&panel, &held);
    EXPECT_TRUE(clicked.empty()) << "a held key does not repeat";
    // The second announcement steps; 表示消去 locks for keys what it locks for clicks.
    run(&panel, {{Qt::Key_PageUp, panel.Command2[0], u"PageUp"_s}, {Qt::Key_Space, panel.cmdTapeNext, u"Space"_s},
                 {Qt::Key_Space, panel.cmdTapeNext, u"Space"_s}, {Qt::Key_Backspace, panel.cmdTapeBack, u"BackSpace"_s},
                 {Qt::Key_Escape, panel.cmdTapeStop, u"Esc"_s}, {Qt::Key_B, panel.Option4[1], u"B"_s}, {Qt::Key_B, panel.Option4[2], u"B"_s},
                 {Qt::Key_B, panel.Option4[0], u"B"_s}, {Qt::Key_P, panel.Check4, u"P"_s}, {Qt::Key_N, panel.Check2, u"N"_s},
                 {Qt::Key_D, panel.Check1, u"D"_s}, {Qt::Key_Right, nullptr}, {Qt::Key_1, nullptr}, {Qt::Key_Return, nullptr},
                 {Qt::Key_Space, nullptr}, {Qt::Key_N, nullptr}, {Qt::Key_D, panel.Check1, u"D"_s}});
    EXPECT_TRUE(spoken.size() == 3 && shown(3) == number(606) && panel.Check4->isChecked() && panel.selectedBacklight() == Backlight::Off);
    // With the lists in front the keypad behind takes no keys, Enter sets the route from
    // the lists, and a list with the focus keeps its arrows and gives it back when sent behind.
    panel.Frame1_DblClick(1);
    panel.List2[4]->setCurrentRow(3);
    panel.List2[4]->setFocus();
    run(panel.List2[4], {{Qt::Key_Down, nullptr}, {Qt::Key_Down, nullptr}, {Qt::Key_Right, nullptr}, {Qt::Key_Left, nullptr}});
    EXPECT_EQ(panel.List2[4]->currentRow() * 10 + state.route.CurIndex, 52);
    run(&panel, {{Qt::Key_1, nullptr}, {Qt::Key_R, nullptr}, {Qt::Key_Return, panel.Command1[0], u"Enter"_s}});
    panel.Frame1_DblClick(0);
    EXPECT_EQ(panel.focusWidget(), &panel);
}

TEST_F(PanelTest, BacklightTakesTheUserImageOnlyWhenItIsAPicture) {
    OptPanel& p = state.options.panel;
    p = {.SeiriNumColorOn1 = 0xC0FFC0, .SeiriNumColorOn2 = 0x80C0FF, .PanelIndividual = -1, .PanelOn1User = -1, .PanelOn2User = -1,
         .PanelOn1File = dir.filePath(u"missing.bmp"_s), .PanelOn2File = dir.filePath(u"text.bmp"_s)};
    write(u"text.bmp"_s, "not a picture");
    QImage own(429, 234, QImage::Format_RGB32);
    own.fill(Qt::red);
    ASSERT_TRUE(own.save(dir.filePath(u"own.bmp"_s)));
    board.setPicture(QPixmap::fromImage(own));
    panel.Option4[1]->click();
    EXPECT_TRUE(board.Picture().toImage().pixel(10, 10) == qRgb(255, 0, 0) && messages.messages.empty()) << "a missing file keeps the face";
    EXPECT_EQ(captionColour(board, 1), QColor(192, 255, 192));
    panel.Option4[2]->click();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].title + messages.messages[0].text,
              u"エラーエラーです。\r\n\r\nエラーコード：481　指定した画像の内容が不正です。この部分では扱えません。"_s);
    EXPECT_EQ(captionColour(board, 8), QColor(255, 192, 128)) << "the colours follow all the same";
    p.PanelOn1File = dir.filePath(u"own.bmp"_s);
    board.setPicture(board.face(0));
    panel.Option4[1]->click();
    EXPECT_EQ(board.Picture().toImage().pixel(10, 10), qRgb(255, 0, 0));
    panel.Option4[0]->click();
    EXPECT_EQ(board.Picture().toImage(), board.face(0).toImage()) << "OFF keeps its built-in face";
    EXPECT_TRUE(captionColour(board, 1) == QColor(0, 128, 0) && panel.selectedBacklight() == Backlight::Off);
}

TEST_F(PanelTest, TheStateRecordBringsAnotherPanelToTheSameState) {
    panel.HScroll1[1]->setValue(1200);
    board.setStopNameScroll(0, 7);
    panel.HScroll1[0]->setValue(500);
    EXPECT_EQ(QPoint(board.stopNameDisplay().Speed(), board.stopNameDisplay().ScrollStartWait()), QPoint(500, 1200)) << "each slider hands on both";
    panel.Check4->setChecked(true);
    // A double-click on an entry frame's background sends it to the back; (7, 10) is background in both.
    for (const int frame : {1, 0, 1}) {
        ASSERT_EQ(panel.childAt(7, 10), panel.Frame1[frame]);
        QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(5, 5), panel.mapToGlobal(QPointF(5, 5)),
                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(panel.Frame1[frame], &doubleClick);
    }
    panel.move(150, 90);
    panel.GetCtrlDataInfo();
    EXPECT_EQ(panel.ctrlDataInfo, (CtrlDataInfo{1, 500, 1200, 0, 1, 2250, 1350}));
    SharedState otherState;
    Form1 otherBoard(otherState);
    frmCtl other(otherBoard, otherState, messages, sound);
    other.show();
    other.ctrlDataInfo = panel.ctrlDataInfo;
    EXPECT_TRUE(other.SetCtrlDataInfo() == 0 && other.pos() == QPoint(150, 90) && other.width() == twips::toPixels(9000 - 90));
    EXPECT_EQ(other.Label1[0]->text() + u' ' + other.Label1[1]->text(), u"500 1200"_s);
    EXPECT_EQ(QPoint(otherBoard.stopNameDisplay().Speed(), otherBoard.stopNameDisplay().ScrollStartWait()), QPoint(500, 1200));
    EXPECT_EQ(other.childAt(7, 10), other.Frame1[0]) << "the lists in front";
    // A panel on no screen comes back to the corner; the steps after a refused value do not run.
    other.ctrlDataInfo = {.ScrollSpeed = 1, .ScrollWait = 3001, .CtrlLeft = -2000000};
    EXPECT_TRUE(other.SetCtrlDataInfo() == 380 && other.Check4->isChecked());
    EXPECT_EQ(other.frameGeometry().bottomRight(), other.screen()->availableGeometry().bottomRight());
}

TEST_F(PanelTest, ClosingAsksAndOnlyYesShutsTheProgramDown) {
    int saves = 0;
    QObject::connect(&panel, &frmCtl::closeConfirmed,
                     [&] { saves += sound.closeAll == 1 && engineReleased ? 1 : 100; });  // channels and engine first
    board.show();
    EXPECT_FALSE(panel.close());
    ASSERT_EQ(messages.questions.size(), 1u);
    EXPECT_EQ(messages.questions[0].text + messages.questions[0].title, u"ハルカゼを終了しますか？ハルカゼの終了確認"_s);
    EXPECT_TRUE(messages.questions[0].icon == Message::Icon::Question && panel.isVisible());
    EXPECT_EQ(sound.closeAll + saves + programEnds + engineReleased, 0);
    messages.answer = true;
    EXPECT_TRUE(panel.close() && saves == 1 && programEnds == 1 && !board.isVisible());
}

}  // namespace
