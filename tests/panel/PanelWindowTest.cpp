#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>

#include "ModalDriver.h"
#include "PanelFixture.h"
#include "Twips.h"

namespace {

QColor captionColour(const Form1& board, int k) { return board.lblSeiriNum[k]->palette().color(QPalette::WindowText); }

bool allWhite(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) return false;
    return true;
}

TEST_F(PanelTest, LoadAndStartUpNameTheBoardAndPlaceBothWindows) {
    EXPECT_EQ(board.windowTitle(), QStringLiteral("ハルカゼ - 型番:panel_tests"));
    EXPECT_EQ(panel.windowTitle(), QStringLiteral("集中操作盤"));
    EXPECT_EQ(panel.grpM_Tape->title(), QStringLiteral("音合使用可"));
    EXPECT_TRUE(panel.grpM_Tape->isEnabled());
    EXPECT_FALSE(panel.cmdTapeNext->isEnabled()) << "until broadcast data load";
    EXPECT_FALSE(panel.HScroll1[0]->isEnabled()) << "this model has no stop-name display";
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(board.pos(), QPoint(0, 0));
    const QRect area = panel.screen()->availableGeometry();
    EXPECT_EQ(panel.frameGeometry().bottomRight(), area.bottomRight());
    EXPECT_EQ(panel.width(), twips::toPixels(5295));
    EXPECT_EQ(panel.CommandButton1[7]->mask(), QRegion(2, 2, 26, 23)) << "keys clipped to their rounded outline";

    panel.Check4->click();
    EXPECT_EQ(panel.width(), twips::toPixels(9000 - 90));
    EXPECT_EQ(panel.Check4->text(), QStringLiteral("<<"));
    EXPECT_EQ(panel.Check4->toolTip(), QStringLiteral("整理券プレビューを隠します"));
    panel.Check4->click();
    EXPECT_EQ(panel.width(), twips::toPixels(5295));
    EXPECT_EQ(panel.Check4->toolTip(), QStringLiteral("整理券プレビューを開きます"));
}

TEST_F(PanelTest, WithoutASpeechEngineTheAnnouncementGroupStaysOff) {
    mdlM_Tape silent(state.options, sound, panel, [] { return std::unique_ptr<TextToSpeech>(); },
                     [] { return QStringLiteral("Linux"); });
    panel.Form_Load(silent);
    EXPECT_EQ(panel.grpM_Tape->title(), QStringLiteral("音合使用不可"));
    EXPECT_FALSE(panel.grpM_Tape->isEnabled());
}

TEST_F(PanelTest, BacklightTakesTheUserImageOnlyWhenItIsAPicture) {
    OptPanel& p = state.options.panel;
    p.PanelIndividual = -1;
    p.PanelOn1User = -1;
    p.PanelOn2User = -1;
    p.PanelOn1File = dir.filePath(QStringLiteral("missing.bmp"));
    p.PanelOn2File = dir.filePath(QStringLiteral("text.bmp"));
    write(QStringLiteral("text.bmp"), "not a picture");
    QImage own(429, 234, QImage::Format_RGB32);
    own.fill(Qt::red);
    ASSERT_TRUE(own.save(dir.filePath(QStringLiteral("own.bmp"))));
    board.setPicture(QPixmap::fromImage(own));

    panel.Option4[1]->click();
    EXPECT_EQ(board.Picture().toImage().pixel(10, 10), qRgb(255, 0, 0)) << "a missing file keeps the face";
    EXPECT_EQ(captionColour(board, 1), QColor(192, 255, 192));
    EXPECT_TRUE(messages.messages.empty());

    board.lblSeiriNum[8]->setPalette(QPalette());
    panel.Option4[2]->click();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].title, QStringLiteral("エラー"));
    EXPECT_EQ(messages.messages[0].text, backlight::errorText(481));
    EXPECT_EQ(captionColour(board, 8), QColor(255, 192, 128)) << "the colours follow all the same";

    p.PanelOn1File = dir.filePath(QStringLiteral("own.bmp"));
    board.setPicture(board.imgRes[0]);
    panel.Option4[1]->click();
    EXPECT_EQ(board.Picture().toImage().pixel(10, 10), qRgb(255, 0, 0));
    panel.Option4[0]->click();
    EXPECT_EQ(board.Picture().toImage(), board.imgRes[0].toImage()) << "OFF keeps its built-in face";
    EXPECT_EQ(captionColour(board, 1), QColor(Qt::white));
    EXPECT_EQ(panel.selectedBacklight(), Backlight::Off);

    panel.Option4[0]->setAutoExclusive(false);
    panel.Option4[0]->setChecked(false);
    EXPECT_EQ(panel.selectedBacklight(), Backlight::None);
    applyBoardOptions(board, state.options, panel.selectedBacklight(), messages);
    EXPECT_EQ(captionColour(board, 1), QColor(Qt::black)) << "no state chosen: black captions";
}

TEST_F(PanelTest, TheStateRecordBringsAnotherPanelToTheSameState) {
    panel.HScroll1[1]->setValue(1200);
    board.ChimeiCtl->setScrollStartWait(7);
    panel.HScroll1[0]->setValue(500);
    EXPECT_EQ(board.ChimeiCtl->Speed(), 500);
    EXPECT_EQ(board.ChimeiCtl->ScrollStartWait(), 1200) << "each slider hands on both values";
    panel.Check2->setChecked(true);
    panel.Check4->setChecked(true);
    panel.Frame1_DblClick(1);
    panel.move(150, 90);
    panel.GetCtrlDataInfo();
    EXPECT_EQ(panel.ctrlDataInfo, (CtrlDataInfo{1, 500, 1200, 1, 1, 2250, 1350}));

    SharedState otherState;
    Form1 otherBoard(otherState, messages);
    frmCtl other(otherBoard, otherState, messages, sound);
    other.show();
    other.ctrlDataInfo = panel.ctrlDataInfo;
    EXPECT_EQ(other.SetCtrlDataInfo(), 0);
    EXPECT_EQ(other.pos(), QPoint(150, 90));
    EXPECT_EQ(other.Label1[0]->text(), QStringLiteral("500"));
    EXPECT_EQ(otherBoard.ChimeiCtl->Speed(), 500);
    EXPECT_EQ(otherBoard.ChimeiCtl->ScrollStartWait(), 1200);
    EXPECT_EQ(other.width(), twips::toPixels(9000 - 90));
    EXPECT_EQ(other.Check4->text(), QStringLiteral("<<"));
    EXPECT_TRUE(other.Check2->isChecked());
    EXPECT_EQ(other.hiddenMode(), 1);
    EXPECT_EQ(other.childAt(7, 10), other.Frame1[0]) << "the lists in front";

    // A panel left partly on a screen stays; one on none comes back to the corner.
    other.ctrlDataInfo.CtrlLeft = twips::fromPixels(other.screen()->geometry().right() - 20);
    EXPECT_EQ(other.SetCtrlDataInfo(), 0);
    EXPECT_EQ(other.x(), other.screen()->geometry().right() - 20);
    other.ctrlDataInfo.CtrlLeft = -2000000;
    other.SetCtrlDataInfo();
    EXPECT_EQ(other.frameGeometry().bottomRight(), other.screen()->availableGeometry().bottomRight());

    other.ctrlDataInfo.CtrlLeft = 0;
    other.ctrlDataInfo.ScrollWait = 3001;
    other.ctrlDataInfo.PreviewOpen = 0;
    EXPECT_EQ(other.SetCtrlDataInfo(), 380);
    EXPECT_TRUE(other.Check4->isChecked()) << "the steps after the refused value do not run";
}

TEST_F(PanelTest, ClosingAsksAndOnlyYesShutsTheProgramDown) {
    int saves = 0;
    panel.setSettingsSaver([&] {
        EXPECT_EQ(sound.closeAll, 1) << "channels closed before the save";
        EXPECT_TRUE(engineReleased);
        ++saves;
    });
    board.show();
    EXPECT_FALSE(panel.close());
    ASSERT_EQ(messages.questions.size(), 1u);
    EXPECT_EQ(messages.questions[0].text, QStringLiteral("ハルカゼを終了しますか？"));
    EXPECT_EQ(messages.questions[0].title, QStringLiteral("ハルカゼの終了確認"));
    EXPECT_EQ(messages.questions[0].icon, Message::Icon::Question);
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(sound.closeAll + saves + programEnds, 0);
    EXPECT_FALSE(engineReleased);

    messages.answer = true;
    EXPECT_TRUE(panel.close());
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(programEnds, 1);
    EXPECT_FALSE(board.isVisible());
}

TEST_F(PanelTest, ThePreviewShowsThePluginsTicketAndCopiesAsABitmap) {
    writeRoute(12, 3);
    setRoute(QStringLiteral("12"), QStringLiteral("1"));
    EXPECT_TRUE(allWhite(panel.picSeirikenPrev->image())) << "no preview unless chosen";

    state.options.seiriken.UseSeirikenPreview = 1;
    state.options.seiriken.SeirikenPlugin = QStringLiteral(SAMPLE_PLUGINS_DIR "/hoshimizaka.4SP");
    panel.Command2[1]->click();
    const QImage ticket = panel.picSeirikenPrev->image();
    EXPECT_FALSE(allWhite(ticket));

    panel.MnuHideCopy->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(ticket.format()), ticket);

    state.options.seiriken.SeirikenPlugin = dir.filePath(QStringLiteral("none.4SP"));
    panel.Command2[1]->click();
    EXPECT_TRUE(allWhite(panel.picSeirikenPrev->image())) << "cleared before each drawing";
}

TEST_F(PanelTest, TheVersionBoxNamesModelVersionAndThisYear) {
    QString text;
    bool boardDisabled = false;
    ModalDriver driver([&](QDialog* dialog) {
        boardDisabled = !board.isEnabled();
        text = qobject_cast<QMessageBox*>(dialog)->text();
        dialog->accept();
    });
    panel.Command8->click();
    const QStringList lines = text.split(u'\n');
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines[0], QStringLiteral("型番：panel_tests"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^バージョン：\\d+\\.\\d+\\.\\d+$")).match(lines[1]).hasMatch()) << lines[1].toStdString();
    EXPECT_EQ(lines[2], QString());
    EXPECT_TRUE(lines[4].endsWith(QString::number(QDate::currentDate().year())));
    EXPECT_TRUE(boardDisabled);
    EXPECT_TRUE(board.isEnabled());
}

TEST_F(PanelTest, TheOptionsButtonDisablesBothWindowsWhileTheDialogIsOpen) {
    bool bothDisabled = false;
    panel.setOptionsDialog([&] { bothDisabled = !board.isEnabled() && !panel.isEnabled(); });
    panel.Command4->click();
    EXPECT_TRUE(bothDisabled);
    EXPECT_TRUE(board.isEnabled());
    EXPECT_TRUE(panel.isEnabled());
}

}  // namespace
