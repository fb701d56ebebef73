#pragma once

#include <QDialog>
#include <QString>

#include <array>
#include <functional>
#include <vector>

#include "options/OptionWidgets.h"

class ColourButton;
class Form1;
class M_Degit;
class MessageReporter;
class Options;
class QAbstractButton;
class QBoxLayout;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class OptionsHost;
struct SharedState;

// The options dialog. Its widgets are the live options: every change is
// written into them at once, and there is no cancel. It lives hidden for the
// whole run and is shown modally from the panel.
class frmOption : public QDialog {
    Q_OBJECT

public:
    frmOption(SharedState& state, Form1& board, OptionsHost& panel, MessageReporter& messages, QWidget* parent = nullptr);

    // The stored image to the widgets, with the side effects of setting each
    // one; the first value a widget refuses ends it with its error.
    int SetOptionInfo(const Options& stored);
    // The widgets to the stored image (the colour table is the chooser's own).
    void GetOptionInfo(Options& stored) const;
    // Applies the options that shape the board's look; it cannot fail.
    void SetProp();

    // Opens in the folder the text box already names.
    QString GetPathString(const QString& initialFolder);
    void GetBtnColor(ColourButton* button);
    void AddComboItem();

    void Command1_Click();
    void Command3_Click(int index);
    void Command4_Click();
    void Command6_Click(int index);
    void Command7_Click();
    void Command8_Click(int index);
    void Command10_Click(int index);
    void Command11_Click();
    void cmdSelectSound_Click(int index);

    // Page buttons and pages.
    std::array<QPushButton*, 6> Option1{};
    std::array<QGroupBox*, 6> Frame1{};
    QStackedWidget* pages = nullptr;
    QPushButton* Command4 = nullptr;

    // Data folders.
    std::array<QLineEdit*, 2> Text2{};
    std::array<QPushButton*, 2> Command3{};
    std::array<QPushButton*, 2> Command10{};

    // Panel and ticket-number captions.
    QCheckBox* Check1 = nullptr;
    QGroupBox* Frame4 = nullptr;
    std::array<QRadioButton*, 8> Option3{};
    std::array<QWidget*, 3> Frame6{};
    std::array<QLineEdit*, 3> txtSelectPanel{};
    std::array<QPushButton*, 3> Command6{};
    QWidget* Frame3 = nullptr;
    std::array<ColourButton*, 3> Command5{};
    QComboBox* Combo2 = nullptr;
    QCheckBox* Check2 = nullptr;

    // Digit colours and information digits.
    std::array<ColourButton*, 3> Command8{};
    M_Degit* M_Degit1 = nullptr;
    std::array<QCheckBox*, 5> Check3{};
    std::array<QComboBox*, 5> Combo4{};

    // Stop names.
    std::array<ColourButton*, 2> Command9{};
    QComboBox* Combo3 = nullptr;
    QCheckBox* Check4 = nullptr;

    // Sounds; index 2 is unused.
    std::array<QLineEdit*, 11> txtSelectSound{};
    std::array<QPushButton*, 11> cmdSelectSound{};
    std::array<QPushButton*, 2> Option5{};
    std::array<QGroupBox*, 2> Frame2{};
    QStackedWidget* soundPages = nullptr;
    std::array<QRadioButton*, 4> Option2{};
    QComboBox* Combo1 = nullptr;
    std::array<QRadioButton*, 2> Option6{};
    std::array<QRadioButton*, 2> Option7{};

    // Ticket preview.
    QCheckBox* chkUseSeiriPrev = nullptr;
    QGroupBox* Frame10 = nullptr;
    QLineEdit* txtSeiriPlgDir = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command11 = nullptr;
    QListWidget* List1 = nullptr;
    QPlainTextEdit* txtPlginComment = nullptr;
    QGroupBox* Frame7 = nullptr;
    std::array<QRadioButton*, 3> Option4{};
    QLabel* Label10 = nullptr;
    QPushButton* Command7 = nullptr;

public slots:
    // No cancel: Escape and the close box apply the options as OK does.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildDataPage();
    QWidget* buildPanelPage();
    QWidget* buildDegitPage();
    QWidget* buildChimeiPage();
    QWidget* buildSoundPage();
    QWidget* buildPreviewPage();
    QWidget* soundRow(int index, const QString& caption);
    // The choice "always this sound" with its sound row.
    QRadioButton* alwaysChoice(int soundIndex, QWidget* page, QBoxLayout* layout);
    // The table of option widgets, in the order they are assigned.
    void linkOptions();

    // The widget rules that follow a check box or a choice.
    void Check1_Click();
    void Check3_Click(int index);
    void Option3_Click();
    void chkUseSeiriPrev_Click();
    void updateSample();
    void setFixedDate(const QString& date);
    // The widgets from `source`: the panel part (data folders and panel
    // options, before the backlight is applied again) or the rest; stops at
    // the first value a widget refuses and returns its error.
    int assignWidgets(const Options& source, bool panelPart);
    void writeOptions();

    std::vector<option_widgets::OptionLink> links_;

    SharedState& state_;
    Options& live_;
    Form1& board_;
    OptionsHost& panel_;
    MessageReporter& messages_;
};
