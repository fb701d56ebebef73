#include <gtest/gtest.h>

#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QTime>

#include "Form1.h"
#include "M_Degit.h"
#include "M_DegitEmNB.h"
#include "ModalDriver.h"
#include "RecordingReporter.h"
#include "SharedState.h"

namespace {

class Form1Test : public ::testing::Test {
protected:
    void SetUp() override {
        board.Form_Load();
        for (int i = 1; i <= 8; ++i) board.Degit[i]->setValue(DigitValue::number(100 * i));
    }
    // A format as the three values of a display.
    static std::array<qint16, 3> formatOf(const DegitBase& display) {
        return {display.ZeroMode(), display.Shift(), display.FillZero()};
    }

    SharedState state;
    RecordingReporter messages;
    Form1 board{state, messages};
    QWidget panel;
};

TEST_F(Form1Test, AnAcceptedFormatDialogFormatsAllEightDisplays) {
    board.setOperationPanel(&panel);
    bool panelDisabledDuringDialog = false;
    ModalDriver driver([&](QDialog* dialog) {
        panelDisabledDuringDialog = !panel.isEnabled();
        child<QRadioButton>(dialog, "zeroMode3")->click();
        child<QSpinBox>(dialog, "shift")->setValue(1);
        child<QSpinBox>(dialog, "fillZero")->setValue(2);
        dialog->accept();
    });
    emit board.Degit[6]->DblClick();
    EXPECT_TRUE(panelDisabledDuringDialog);
    EXPECT_TRUE(panel.isEnabled());
    for (int j = 1; j <= 8; ++j) {
        EXPECT_EQ(formatOf(*board.Degit[j]), (std::array<qint16, 3>{3, 1, 2})) << j;
        EXPECT_EQ(board.Degit[j]->Value(), DigitValue::number(100 * j)) << "the value is kept";
    }
    EXPECT_EQ(formatOf(*board.Degit[0]), (std::array<qint16, 3>{0, 0, 0})) << "the hidden spare is not a fare display";
}

TEST_F(Form1Test, ACancelledDialogChangesOnlyTheClickedDisplay) {
    board.setOperationPanel(&panel);
    ModalDriver driver([](QDialog* dialog) {
        child<QRadioButton>(dialog, "zeroMode2")->click();
        child<QSpinBox>(dialog, "shift")->setValue(2);
        dialog->reject();
    });
    emit board.Degit[2]->DblClick();
    EXPECT_TRUE(panel.isEnabled());
    for (int j = 1; j <= 8; ++j) EXPECT_EQ(formatOf(*board.Degit[j]), (std::array<qint16, 3>{0, 0, 0})) << j;
}

TEST_F(Form1Test, ADisplayThatIsNotUserSetIgnoresDoubleClicks) {
    board.Degit[4]->setUserSet(false);
    int dialogs = 0;
    board.Degit[4]->setFormatDialog([&](QWidget*, qint16, qint16&, qint16&, qint16&) {
        ++dialogs;
        return 1;
    });
    emit board.Degit[4]->DblClick();
    EXPECT_EQ(dialogs, 0);
}

TEST_F(Form1Test, TheSavedPositionIsAppliedAsStoredEvenOffScreen) {
    state.formInfo = {-30000, 90000};
    board.SetFormInfo();
    EXPECT_EQ(board.pos(), QPoint(-2000, 6000));
    board.move(17, 4);
    board.GetFormInfo();
    EXPECT_EQ(state.formInfo.FormLeft, 255);
    EXPECT_EQ(state.formInfo.FormTop, 60);
}

TEST_F(Form1Test, StartUpShowsWhiteCaptionsAndTheDefaultDigitColoursOnTheBuiltInFace) {
    for (int i = 1; i <= 8; ++i) {
        EXPECT_TRUE(board.lblSeiriNum[i]->isVisibleTo(&board)) << i;
        EXPECT_EQ(board.lblSeiriNum[i]->palette().color(QPalette::WindowText), QColor(Qt::white)) << i;
        EXPECT_EQ(board.Degit[i]->BackColor(), 0x808080u);
        EXPECT_EQ(board.Degit[i]->BaseForeColor(), 0x969696u);
        EXPECT_EQ(board.Degit[i]->DegitForeColor(), 0x72D2F8u);
        EXPECT_EQ(board.Degit[i]->DegitStyle(), 1);
    }
    EXPECT_EQ(board.TimeDegit[0]->BackColor(), 0x808080u);
    EXPECT_TRUE(state.NoChimei);
    EXPECT_FALSE(board.ChimeiCtl->isVisibleTo(&board));
    EXPECT_EQ(board.Picture().toImage(), board.imgRes[0].toImage());
    EXPECT_EQ(board.imgRes[2].toImage(), board.imgRes[0].toImage());
    EXPECT_EQ(board.size(), QSize(429, 234));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(Form1Test, TheClockShowsHoursAndMinutesAsNumbers) {
    board.showClockTime(QTime(9, 5, 59));
    EXPECT_EQ(board.TimeDegit[0]->Value(), DigitValue::number(9));
    EXPECT_EQ(board.TimeDegit[1]->Value(), DigitValue::number(5));
    board.showClockTime(QTime(23, 0, 0));
    EXPECT_EQ(board.TimeDegit[0]->Value(), DigitValue::number(23));
    EXPECT_EQ(board.TimeDegit[1]->Value(), DigitValue::number(0));
}

}  // namespace
