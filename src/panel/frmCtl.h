#pragma once

#include <QWidget>

#include <array>
#include <functional>
#include <vector>

#include "formats/CtrlDataInfo.h"
#include "board/Form1.h"
#include "panel/CaptionButton.h"
#include "panel/PreviewSurface.h"
#include "panel/PanelRules.h"
#include "sound/TapeControls.h"

class FramePlacement;
class MessageReporter;
class PanelSound;
class mdlM_Tape;
class QAbstractButton;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QScrollBar;
struct SharedState;

// The operation panel "集中操作盤": route setting, stepping and the board
// refresh, backlight, scroll settings, announcements, the ticket preview, and
// the program's end.
class frmCtl : public QWidget, public TapeControls {
    Q_OBJECT

public:
    // Builds the window; the announcements, which switch its announcement
    // group, come with the load.
    frmCtl(Form1& board, SharedState& state, MessageReporter& messages, PanelSound& sound);

    // The window's load: the board's caption, the keypad's outline and the
    // speech check of the announcements it drives from now on.
    void Form_Load(mdlM_Tape& tape);

    // Route entry: list mode (frame 0) and keypad mode (frame 1).
    std::array<QFrame*, 2> Frame1{};
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    std::array<QListWidget*, 5> List2{};
    QWidget* Picture1 = nullptr;
    std::array<QListWidget*, 3> List3{};
    std::array<CaptionButton*, 2> Command1{};
    std::array<QLabel*, 3> Label2{};
    std::array<CaptionButton*, 12> CommandButton1{};

    CaptionButton* Check1 = nullptr;
    std::array<CaptionButton*, 2> Command2{};
    QGroupBox* grpM_Tape = nullptr;
    CaptionButton* cmdTapeBack = nullptr;
    CaptionButton* cmdTapeNext = nullptr;
    CaptionButton* cmdTapeStop = nullptr;
    CaptionButton* cmdTapeSet = nullptr;
    QGroupBox* Frame2 = nullptr;
    std::array<CaptionButton*, 3> Option4{};
    QFrame* Frame6 = nullptr;
    std::array<QLabel*, 2> Label3{};
    std::array<QLabel*, 2> Label1{};
    std::array<QScrollBar*, 2> HScroll1{};
    QCheckBox* Check2 = nullptr;
    CaptionButton* Command4 = nullptr;
    CaptionButton* Command8 = nullptr;
    CaptionButton* Check4 = nullptr;
    QLabel* Label4 = nullptr;
    PreviewSurface* picSeirikenPrev = nullptr;
    QComboBox* Combo1 = nullptr;
    QMenu* MnuHide = nullptr;
    QAction* MnuHideCopy = nullptr;

    // The record the settings file reads and writes.
    CtrlDataInfo ctrlDataInfo;

    const Keypad& keypad() const { return keypad_; }
    qint16 hiddenMode() const { return hiddenMode_; }

    // The handlers, by control and event.
    void CommandButton1_Click(int index);
    void List2_Click(int index);
    void List3_Click(int index);
    void Command1_Click(int index);
    void Frame1_DblClick(int index);
    void Command2_Click(int index);
    void Check1_Click();
    void Option4_Click(int index);
    void HScroll1_Change(int index);
    void Check4_Click();
    void Command4_Click();
    void Command8_Click();
    void cmdTapeNext_Click();
    void cmdTapeBack_Click();
    void cmdTapeStop_Click();
    void cmdTapeSet_Click();
    void MnuHideCopy_Click();

    // Shows stop `nIndex` (from 1) on the board and in the preview.
    void DispData(int nIndex);

    // Panel to record, and record to panel. The latter returns 0, or the
    // runtime error of the first value a control refuses.
    void GetCtrlDataInfo();
    int SetCtrlDataInfo();

    // The backlight state chosen on the panel; None when no state is chosen.
    Backlight selectedBacklight() const;
    // Chooses the selected state again, so the board's face and captions
    // follow options just changed.
    void reapplyBacklight();
    // The surface the ticket preview is drawn on, and the list of company
    // names a plug-in may offer.
    QWidget& ticketPreview() { return *picSeirikenPrev; }
    QComboBox& companyList() { return *Combo1; }
    // The panel's controls that only concern the stop-name display.
    void setStopNameControlsEnabled(bool enabled);
    void moveToBottomRight();

    // TapeControls
    void setTapeGroupEnabled(bool enabled) override;
    void setTapeGroupCaption(const QString& caption) override;
    void setTapeButtonsEnabled(bool enabled) override;

    // How the lamp test waits and how the program ends; tests replace them.
    void setLampWait(std::function<void(int ms)> wait) { lampWait_ = std::move(wait); }
    void setProgramEnd(std::function<void()> end) { endProgram_ = std::move(end); }

    // The preview widens the window to 9000 twips, else 5385 (outer widths).
    static constexpr int kOuterWidthHidden = 5385;
    static constexpr int kOuterWidthShown = 9000;

signals:
    // The options button: the options dialog is shown (modally) while the
    // panel and the board are disabled.
    void optionsRequested();
    // The close was confirmed: the settings are saved before the program ends.
    void closeConfirmed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The panel's keys click the buttons they name; see PanelKeys.h.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createRouteEntry();
    void createControls();
    void shapeKeys();
    // The buttons a key control names, and the one of them a click could reach now.
    std::vector<QAbstractButton*> keyButtons(int control) const;
    QAbstractButton* keyTarget(int control) const;
    QString previewTip() const;
    // The confirmation and, on Yes, the shutdown; false when the close is refused.
    bool Form_QueryUnload();
    void setOuterWidth(int twipsWidth);
    int applyCtrlDataInfo();

    Form1& board_;
    SharedState& state_;
    MessageReporter& messages_;
    PanelSound& sound_;
    mdlM_Tape* tape_ = nullptr;

    Keypad keypad_;
    qint16 hiddenMode_ = 0;
    // The records the stop table holds: a refused load leaves the previous
    // route's table while the record count is already the new file's.
    int heldStops_ = 0;

    std::function<void(int)> lampWait_;
    std::function<void()> endProgram_;
    FramePlacement* placement_;
};
