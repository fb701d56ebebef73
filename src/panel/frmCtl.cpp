#include "panel/frmCtl.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QBitmap>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QFileInfo>
#include <QGroupBox>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QWindow>

#include <optional>

#include "controls/digit/DegitLook.h"
#include "fares/LoadFareData.h"
#include "controls/digit/M_Degit.h"
#include "controls/digit/M_DegitEmNB.h"
#include "platform/MessageReporter.h"
#include "panel/FramePlacement.h"
#include "panel/PanelKeys.h"
#include "panel/PanelLook.h"
#include "panel/PanelServices.h"
#include "platform/DesignLayout.h"
#include "formats/RuntimeError.h"
#include "board/SharedState.h"
#include "sibling/Sibling.h"
#include "platform/Twips.h"
#include "platform/Wait.h"
#include "sound/mdlM_Tape.h"

using namespace panel_look;

namespace {

constexpr int kClientHeight = 2595;  // twips
// What the window's border takes of the outer width.
constexpr int kFrameAllowance = 90;
constexpr int kLampTestMs = 3000;

// Colours as the window is designed: 0x00BBGGRR.
constexpr quint32 kBlack = 0x000000;
constexpr quint32 kWhite = 0xFFFFFF;
constexpr quint32 kYellow = 0x00FFFF;
constexpr quint32 kKeyGrey = 0xE0E0E0;
constexpr quint32 kDisplayOrange = 0x0080FF;
constexpr quint32 kValueOrange = 0x80C0FF;
constexpr quint32 kTapeGrey = 0x969696;
constexpr quint32 kTapeGreen = 0x00C000;
constexpr quint32 kRed = 0x0000FF;
constexpr quint32 kBlue = 0xFF0000;
constexpr quint32 kNightBlue = 0x800000;
constexpr quint32 kNightText = 0xC0FFFF;

const QString kPGothic = QStringLiteral("ＭＳ Ｐゴシック");
const QString kGothic = QStringLiteral("ＭＳ ゴシック");

const QString kOpenPreviewTip = QStringLiteral("整理券プレビューを開きます");
const QString kHidePreviewTip = QStringLiteral("整理券プレビューを隠します");

// Reads a picture file; 0 or the runtime error of the failure.
int loadPicture(const QString& path, QPixmap& picture) {
    QImageReader reader(path);
    const QImage image = reader.read();
    if (!image.isNull()) {
        picture = QPixmap::fromImage(image);
        return 0;
    }
    switch (reader.error()) {
    // It exists, so a failed open is a refused access.
    case QImageReader::FileNotFoundError: return runtime_error::PathFileAccessError;
    case QImageReader::DeviceError: return runtime_error::DeviceIoError;
    default: return runtime_error::InvalidPicture;
    }
}

QString modelName() { return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName(); }

bool inRange(const QScrollBar* bar, qint32 value) { return value >= bar->minimum() && value <= bar->maximum(); }

}  // namespace

frmCtl::frmCtl(Form1& board, SharedState& state, MessageReporter& messages, PanelSound& sound)
    : QWidget(nullptr),
      board_(board),
      state_(state),
      messages_(messages),
      sound_(sound),
      lampWait_(waiting::blockFor),
      endProgram_(QCoreApplication::quit),
      placement_(new FramePlacement(*this)) {
    setWindowTitle(QStringLiteral("集中操作盤"));
    // A fixed-size window: no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(design::font(kPGothic, 9));
    colour(this, kBlack, kWhite);
    setOuterWidth(kOuterWidthHidden);
    createRouteEntry();
    createControls();
    for (int control = 0; control <= panel_keys::Preview; ++control)
        for (QAbstractButton* button : keyButtons(control)) button->setToolTip(panel_keys::tip(control));
    Check4->setToolTip(previewTip());
    // The panel itself holds the focus, so its keys reach it rather than a
    // list hidden behind the keypad; a click on its background takes it back.
    setFocusPolicy(Qt::ClickFocus);
    setFocus();
}

void frmCtl::Form_Load(mdlM_Tape& tape) {
    tape_ = &tape;
    // The model designation is the program's file name.
    board_.setWindowTitle(QStringLiteral("ハルカゼ - 型番:") + modelName());
    shapeKeys();
    tape_->TapeInitEngine();
}

void frmCtl::createRouteEntry() {
    for (int f = 0; f < 2; ++f) {
        Frame1[f] = blackFrame(this);
        design::place(Frame1[f], 30, -60, 1995, 2625);
        Frame1[f]->installEventFilter(this);
    }

    // List mode. Each route list lies behind its right-hand neighbour, so
    // only its digit column shows.
    QFrame* lists = Frame1[0];
    Label5 = label(lists, QStringLiteral("系統設定"), kWhite);
    Label5->setFont(design::font(kPGothic, 14.25));
    Label5->setAlignment(Qt::AlignCenter);
    design::place(Label5, 225, 255, 1530, 375);
    Label6 = label(lists, QStringLiteral("系　統"), kWhite);
    design::place(Label6, 240, 705, 705, 240);
    const auto digitList = [lists] {
        auto* list = new QListWidget(lists);
        for (int d = 0; d <= 9; ++d) list->addItem(QString::number(d));
        list->setFont(design::font(kGothic, 12.75));
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setFrameStyle(QFrame::Box | QFrame::Plain);
        list->setLineWidth(1);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        return list;
    };
    for (int i = 0; i < 5; ++i) {
        List2[i] = digitList();
        design::place(List2[i], 90 + 195 * i, 915, 465, 315);
        connect(List2[i], &QListWidget::itemSelectionChanged, this, [this, i] { List2_Click(i); });
    }
    Picture1 = new QWidget(lists);
    colour(Picture1, kBlack, std::nullopt);
    design::place(Picture1, 1065, 825, 165, 465);
    Label7 = label(lists, QStringLiteral("区間"), kWhite);
    design::place(Label7, 1425, 705, 360, 240);
    for (int i = 0; i < 3; ++i) {
        List3[i] = digitList();
        design::place(List3[i], 1230 + 240 * i, 915, 225, 315);
        connect(List3[i], &QListWidget::itemSelectionChanged, this, [this, i] { List3_Click(i); });
    }

    // Keypad mode, in front at start.
    QFrame* pad = Frame1[1];
    Label2[0] = label(pad, {}, kDisplayOrange);
    Label2[1] = label(pad, QStringLiteral("-"), kDisplayOrange);
    Label2[2] = label(pad, {}, kDisplayOrange);
    for (QLabel* display : Label2) display->setFont(design::font(kGothic, 14.25));
    design::place(Label2[0], 225, 180, 810, 315);
    design::place(Label2[1], 1125, 180, 150, 150);
    design::place(Label2[2], 1290, 180, 465, 270);

    constexpr std::array<int, 3> kKeyLefts = {330, 810, 1290};
    constexpr std::array<int, 4> kKeyTops = {570, 975, 1395, 1815};
    // Row by row: 7 8 9 / 4 5 6 / 1 2 3 / 0 系統 区間.
    constexpr std::array<int, 12> kKeyAt = {7, 8, 9, 4, 5, 6, 1, 2, 3, 0, Keypad::kRouteKey, Keypad::kSectionKey};
    for (int cell = 0; cell < 12; ++cell) {
        const int key = kKeyAt[cell];
        const bool digit = key <= 9;
        QString caption = digit ? QString::number(key) : key == Keypad::kRouteKey ? QStringLiteral("系統")
                                                                                  : QStringLiteral("区間");
        auto* button = new CaptionButton(caption, pad);
        button->setFont(digit ? design::font(kPGothic, 15.75, true) : design::font(kPGothic, 8.25));
        colour(button, digit ? kKeyGrey : kYellow, kBlack);
        design::place(button, kKeyLefts[cell % 3], kKeyTops[cell / 3], 450, key == 0 ? 405 : 390);
        connect(button, &QPushButton::clicked, this, [this, key] { CommandButton1_Click(key); });
        CommandButton1[key] = button;
    }

    for (int i = 0; i < 2; ++i) {
        Command1[i] = new CaptionButton(QStringLiteral("リセット"), Frame1[i]);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    design::place(Command1[0], 105, 1455, 1845, 315);
    design::place(Command1[1], 330, 2250, 1380, 315);
}

void frmCtl::createControls() {
    Check1 = new CaptionButton(QStringLiteral("表示消去"), this);
    Check1->setCheckable(true);
    Check1->setEnabled(false);
    design::place(Check1, 2130, 75, 1275, 375);
    connect(Check1, &QPushButton::toggled, this, [this] { Check1_Click(); });

    Command2[0] = new CaptionButton(QStringLiteral("データ戻し"), this);
    Command2[1] = new CaptionButton(QStringLiteral("データ送り"), this);
    design::place(Command2[0], 2070, 495, 645, 750);
    design::place(Command2[1], 2730, 495, 690, 750);
    for (int i = 0; i < 2; ++i) {
        colour(Command2[i], kYellow, kBlack);
        Command2[i]->setEnabled(false);
        connect(Command2[i], &QPushButton::clicked, this, [this, i] { Command2_Click(i); });
    }

    grpM_Tape = new QGroupBox(QStringLiteral("音合使用不可"), this);
    colour(grpM_Tape, kTapeGrey, kYellow);
    design::place(grpM_Tape, 2085, 1260, 1290, 1275);
    grpM_Tape->setEnabled(false);
    cmdTapeBack = new CaptionButton(QStringLiteral("戻し"), grpM_Tape);
    cmdTapeNext = new CaptionButton(QStringLiteral("送り"), grpM_Tape);
    cmdTapeStop = new CaptionButton(QStringLiteral("■"), grpM_Tape);
    cmdTapeSet = new CaptionButton(QStringLiteral("調整"), grpM_Tape);
    design::place(cmdTapeBack, 75, 225, 585, 690);
    design::place(cmdTapeNext, 660, 225, 570, 690);
    design::place(cmdTapeStop, 75, 930, 585, 300);
    design::place(cmdTapeSet, 660, 930, 570, 300);
    colour(cmdTapeBack, kTapeGreen, kBlack);
    colour(cmdTapeNext, kTapeGreen, kBlack);
    for (CaptionButton* button : {cmdTapeBack, cmdTapeNext, cmdTapeStop, cmdTapeSet}) button->setEnabled(false);
    connect(cmdTapeBack, &QPushButton::clicked, this, &frmCtl::cmdTapeBack_Click);
    connect(cmdTapeNext, &QPushButton::clicked, this, &frmCtl::cmdTapeNext_Click);
    connect(cmdTapeStop, &QPushButton::clicked, this, &frmCtl::cmdTapeStop_Click);
    connect(cmdTapeSet, &QPushButton::clicked, this, &frmCtl::cmdTapeSet_Click);

    Frame2 = new QGroupBox(QStringLiteral("バックライト"), this);
    colour(Frame2, kBlack, kWhite);
    design::place(Frame2, 3465, 60, 1695, 720);
    const std::array<QString, 3> states = {QStringLiteral("OFF"), QStringLiteral("ON1"), QStringLiteral("ON2")};
    const std::array<quint32, 3> stateText = {kBlack, kRed, kBlue};
    constexpr std::array<int, 3> kStateLefts = {75, 615, 1140};
    for (int i = 0; i < 3; ++i) {
        Option4[i] = new CaptionButton(states[i], Frame2);
        Option4[i]->setCheckable(true);
        Option4[i]->setAutoExclusive(true);
        colour(Option4[i], std::nullopt, stateText[i]);
        design::place(Option4[i], kStateLefts[i], 330, 510, 330);
        connect(Option4[i], &QPushButton::clicked, this, [this, i] { Option4_Click(i); });
    }
    Option4[0]->setChecked(true);

    Frame6 = blackFrame(this);
    design::place(Frame6, 3450, 780, 1725, 1410);
    Label3[0] = label(Frame6, QStringLiteral("ｽｸﾛｰﾙ速度"), kWhite);
    Label3[1] = label(Frame6, QStringLiteral("ｽｸﾛｰﾙ間隔"), kWhite);
    design::place(Label3[0], 60, 150, 975, 210);
    design::place(Label3[1], 60, 645, 960, 210);
    Label1[0] = label(Frame6, QStringLiteral("1"), kValueOrange, kBlack);
    Label1[1] = label(Frame6, QStringLiteral("0"), kValueOrange, kBlack);
    design::place(Label1[0], 1050, 135, 570, 240);
    design::place(Label1[1], 1050, 615, 570, 240);
    for (int i = 0; i < 2; ++i) {
        HScroll1[i] = new QScrollBar(Qt::Horizontal, Frame6);
        connect(HScroll1[i], &QScrollBar::valueChanged, this, [this, i] { HScroll1_Change(i); });
    }
    // Low values at the left end.
    HScroll1[0]->setRange(1, 2000);
    HScroll1[1]->setRange(0, 3000);
    HScroll1[1]->setPageStep(100);
    HScroll1[0]->setPageStep(100);
    design::place(HScroll1[0], 120, 405, 1440, 180);
    design::place(HScroll1[1], 135, 900, 1410, 180);
    Check2 = new QCheckBox(QStringLiteral("深夜料金"), Frame6);
    colour(Check2, kNightBlue, kNightText);
    design::place(Check2, 105, 1125, 1515, 270);
    // Like the panel's buttons: a click leaves the focus, and Space, to the panel.
    Check2->setFocusPolicy(Qt::TabFocus);

    Command4 = new CaptionButton(QStringLiteral("設定..."), this);
    Command8 = new CaptionButton(QStringLiteral("ﾊﾞｰｼﾞｮﾝ"), this);
    design::place(Command4, 3450, 2250, 840, 300);
    design::place(Command8, 4290, 2250, 870, 300);
    connect(Command4, &QPushButton::clicked, this, &frmCtl::Command4_Click);
    connect(Command8, &QPushButton::clicked, this, &frmCtl::Command8_Click);

    Check4 = new CaptionButton(QStringLiteral(">>"), this);
    Check4->setCheckable(true);
    design::place(Check4, 4935, 45, 330, 300);
    connect(Check4, &QPushButton::toggled, this, [this] { Check4_Click(); });

    Label4 = label(this, QStringLiteral("整理券プレビュー"), kWhite);
    design::place(Label4, 5370, 135, 1350, 225);
    picSeirikenPrev = new PreviewSurface(this);
    design::place(picSeirikenPrev, 5415, 390, 3300, 1395);
    picSeirikenPrev->Cls();
    Combo1 = new QComboBox(this);
    design::place(Combo1, 5430, 2160, 3000, 300);

    // Never in a menu bar: the preview's right-click menu.
    MnuHide = new QMenu(this);
    MnuHideCopy = MnuHide->addAction(QStringLiteral("コピー(&C)"));
    connect(MnuHideCopy, &QAction::triggered, this, &frmCtl::MnuHideCopy_Click);
    connect(picSeirikenPrev, &PreviewSurface::rightButtonPressed, this,
            [this](const QPoint& at) { MnuHide->popup(at); });
}

void frmCtl::shapeKeys() {
    // From (2, 2) to (28, 25), corners a 2 x 2 ellipse.
    for (CaptionButton* key : CommandButton1) key->setMask(design::roundedMask(key->size(), QRect(2, 2, 26, 23), 1));
}

void frmCtl::setOuterWidth(int twipsWidth) {
    setFixedSize(twips::toPixels(twipsWidth - kFrameAllowance), twips::toPixels(kClientHeight));
}

// ---- route setting ----

void frmCtl::CommandButton1_Click(int index) {
    sound_.SndPlay(state_.options.ResetSound(), QStringLiteral("S1"), 0, 0);
    keypad_.press(index);
    Label2[0]->setText(keypad_.route);
    Label2[2]->setText(keypad_.section);
}

void frmCtl::List2_Click(int) { sound_.SndPlay(state_.options.ResetSound(), QStringLiteral("S1"), 0, 0); }

void frmCtl::List3_Click(int) { sound_.SndPlay(state_.options.RouteSetSound(), QStringLiteral("S1"), 0, 0); }

void frmCtl::Frame1_DblClick(int index) {
    hiddenMode_ = static_cast<qint16>(index);
    if (index != 0 && index != 1) return;
    Frame1[index]->lower();
    // A list sent to the back would keep the keys out of sight.
    if (Frame1[index]->isAncestorOf(focusWidget())) setFocus();
}

void frmCtl::Command1_Click(int index) {
    const Options& options = state_.options;
    const QString fareFolder = route_entry::folderWithSeparator(options.FareDataDir());
    const QString tapeFolder = route_entry::folderWithSeparator(options.TapeDataDir());
    sound_.SndPlay(options.RouteSetSound(), QStringLiteral("S1"), 0, 0);

    RouteState& route = state_.route;
    route.RouteNo.clear();
    QString section;
    if (index == 1) {
        route.RouteNo = Label2[0]->text();
        section = Label2[2]->text();
    } else {
        // A list without a selection adds nothing.
        const auto selected = [](const QListWidget* list) {
            const QList<QListWidgetItem*> items = list->selectedItems();
            return items.isEmpty() ? QString() : items.first()->text();
        };
        for (const QListWidget* list : List2) route.RouteNo += selected(list);
        for (const QListWidget* list : List3) section += selected(list);
    }
    route.StartSection = route_entry::clampSection(route_entry::leadingValue(section));

    if (tape_) tape_->TapeLoad(tapeFolder, route.RouteNo);
    if (!LoadFareData(fareFolder, route.RouteNo, route.StartSection, route, state_.stops, messages_)) return;
    heldStops_ = route.StopCount;

    if (!state_.NoChimei) board_.showStopName(QStringLiteral("系統選別中"));
    // The lamp test: every segment lit for three seconds, the panel deaf meanwhile.
    board_.resetFares(true);
    waiting::processPendingEvents();
    lampWait_(kLampTestMs);
    for (int k = 1; k <= 8; ++k) board_.showFare(k, DigitValue::number(0));

    Command2[0]->setEnabled(true);
    Command2[1]->setEnabled(true);
    Check1->setEnabled(true);
    state_.RouteDate = route_entry::routeSetDate(options, QDate::currentDate());
    DispData(route.CurIndex + 1);
}

// ---- stepping and the board refresh ----

void frmCtl::Command2_Click(int index) {
    RouteState& route = state_.route;
    const std::optional<qint16> next = stepping::steppedIndex(route.CurIndex, index == 1 ? 1 : -1, heldStops_);
    if (!next) return;
    route.CurIndex = *next;
    const Options& options = state_.options;
    const QString sound = stepping::stepSound(options, state_.stops[route.CurIndex + 1]);
    if (!sound.isEmpty()) sound_.SndPlay(sound, QStringLiteral("S2"), options.StepSoundSync(), 0);
    DispData(route.CurIndex + 1);
}

void frmCtl::DispData(int nIndex) {
    if (!StopTable::isStop(nIndex)) return;
    const StopRecord& stop = state_.stops[nIndex];
    const Options& options = state_.options;
    const RouteState& route = state_.route;

    const bool lateNight = Check2->isChecked();
    for (int i = qMax<int>(route.StartSection, 1); i <= 8; ++i)
        board_.showFare(i, DigitValue::number(stepping::shownFare(stop.Fare(i), lateNight)));

    // Information numbers come after the fares, so they win a shared display.
    // A slot of -1 is the hidden spare display 0.
    const auto show = [this](qint16 slot, const DigitValue& value) {
        const int display = slot + 1;
        if (display >= 0 && display <= 8) board_.showFare(display, value);
    };
    if (options.ShowStopOrder() == 1)
        show(options.StopOrderSlot(), DigitValue::number(options.StopOrderFromZero() == 1 ? nIndex - 1 : nIndex));
    if (options.ShowSeiriNum() == 1) show(options.SeiriNumSlot(), DigitValue::number(stop.SeiriNum));
    if (options.ShowRouteNum() == 1) show(options.RouteNumSlot(), DigitValue::text(route.RouteNo));
    const int column = options.DataColumn() + 1;
    if (options.ShowDataColumn() == 1 && column >= 1 && column <= StopRecord::kFareCount)
        show(options.DataColumnSlot(), DigitValue::number(stop.Fare(column)));

    const QString date = route_entry::refreshTicketDate(options, state_.RouteDate, QDate::currentDate());
    picSeirikenPrev->Cls();
    if (options.UseSeirikenPreview() == 1) {
        QPainter painter(&picSeirikenPrev->image());
        Sibling::ZF4_DrawSeiriken(options.SeirikenPlugin(), &painter, stop.Chimei, date,
                                  route_entry::ticketTime(QTime::currentTime()),
                                  route_entry::leadingValue(route.RouteNo), stop.SeiriNum,
                                  static_cast<qint16>(nIndex), Combo1->currentIndex());
    }
    picSeirikenPrev->update();
    waiting::processPendingEvents();
    if (!state_.NoChimei) board_.showStopName(stop.Chimei);
}

void frmCtl::Check1_Click() {
    const bool off = Check1->isChecked();
    if (off) {
        board_.blank();
    }
    const std::array<QWidget*, 5> locked = {Frame1[0], Frame1[1], Command2[0], Command2[1], Frame6};
    for (QWidget* control : locked) control->setEnabled(!off);
    if (off) {
        grpM_Tape->setEnabled(false);
        return;
    }
    board_.resumeClock();
    grpM_Tape->setEnabled(tape_ && tape_->engineAvailable());
    DispData(state_.route.CurIndex + 1);
}

// ---- the rest of the panel ----

void frmCtl::reapplyBacklight() {
    const Backlight b = selectedBacklight();
    Option4_Click(b == Backlight::Off ? 0 : b == Backlight::On1 ? 1 : 2);
}

Backlight frmCtl::selectedBacklight() const {
    if (Option4[0]->isChecked()) return Backlight::Off;
    if (Option4[1]->isChecked()) return Backlight::On1;
    if (Option4[2]->isChecked()) return Backlight::On2;
    return Backlight::None;
}

void frmCtl::setStopNameControlsEnabled(bool enabled) {
    for (QScrollBar* slider : HScroll1) slider->setEnabled(enabled);
}

void frmCtl::Option4_Click(int index) {
    if (index < 0 || index > 2) return;
    const Options& options = state_.options;
    const std::array<quint32, 3> captionColours = {options.SeiriNumColorOff(), options.SeiriNumColorOn1(),
                                                   options.SeiriNumColorOn2()};
    const std::array<bool, 3> userImage = {options.PanelOffUser() != 0, options.PanelOn1User() != 0,
                                           options.PanelOn2User() != 0};
    const std::array<QString, 3> files = {options.PanelOffFile(), options.PanelOn1File(), options.PanelOn2File()};

    int error = 0;
    if (options.PanelIndividual() != 0 && userImage[index]) {
        // A missing file is no error: the face stays as it is.
        if (mdlM_Tape::FileExists(files[index])) {
            QPixmap picture;
            error = loadPicture(files[index], picture);
            if (error == 0) board_.setPicture(picture);
        }
    } else {
        board_.showBuiltinFace(index);
    }
    if (error != 0) messages_.report({backlight::errorText(error), QStringLiteral("エラー"), Message::Icon::Critical});

    board_.setCaptionColor(captionColours[index]);
}

void frmCtl::HScroll1_Change(int index) {
    Label1[index]->setText(QString::number(HScroll1[index]->value()));
    board_.setStopNameScroll(static_cast<qint16>(HScroll1[0]->value()), HScroll1[1]->value());
}

void frmCtl::Check4_Click() {
    const bool open = Check4->isChecked();
    setOuterWidth(open ? kOuterWidthShown : kOuterWidthHidden);
    // Opened at the screen's right edge (where the panel starts), the preview
    // would open off the screen: the panel moves left as far as it needs to.
    if (const QScreen* shown = screen(); open && shown && isVisible()) {
        const QRect area = shown->availableGeometry();
        const int overflow = x() + frameGeometry().width() - (area.right() + 1);
        if (overflow > 0) move(qMax(area.left(), x() - overflow), y());
    }
    Check4->setText(open ? QStringLiteral("<<") : QStringLiteral(">>"));
    Check4->setToolTip(previewTip());
}

QString frmCtl::previewTip() const {
    return (Check4->isChecked() ? kHidePreviewTip : kOpenPreviewTip) + u'\n' + panel_keys::tip(panel_keys::Preview);
}

void frmCtl::Command4_Click() {
    board_.setEnabled(false);
    setEnabled(false);
    emit optionsRequested();
    board_.setEnabled(true);
    setEnabled(true);
    // The stop name again, drawn with whatever the options now say.
    board_.showStopName(QString());
    const int stop = state_.route.CurIndex + 1;
    if (StopTable::isStop(stop)) board_.showStopName(state_.stops[stop].Chimei);
}

void frmCtl::Command8_Click() {
    const QString crlf = QStringLiteral("\r\n");
    const QString version = QStringLiteral("%1.%2.%3")
                                .arg(FAREBOARD_VERSION_MAJOR)
                                .arg(FAREBOARD_VERSION_MINOR)
                                .arg(FAREBOARD_VERSION_PATCH);
    const QString text = QStringLiteral("型番：") + modelName() + crlf + QStringLiteral("バージョン：") + version +
                         crlf + crlf + QStringLiteral("販売元：風見台システム販売株式会社") + crlf +
                         QStringLiteral("開発：風見台システム工房 2024-%1").arg(QDate::currentDate().year()) + crlf;
    board_.setEnabled(false);
    Sibling::Call_dlg110(this, text);
    board_.setEnabled(true);
}

// The announcement's row decides whether the stop steps with it.
void frmCtl::cmdTapeNext_Click() {
    if (!tape_) return;
    tape_->TapeNext();
    if (tape_->TapeStepFlag(tape_->TapePosition()) == 1) Command2_Click(1);
}

void frmCtl::cmdTapeBack_Click() {
    if (!tape_) return;
    tape_->TapeBack();
    if (tape_->TapeStepFlag(tape_->TapePosition()) == 1) Command2_Click(0);
}

void frmCtl::cmdTapeStop_Click() {
    if (tape_) tape_->TapeStop();
}

void frmCtl::cmdTapeSet_Click() {
    if (tape_) tape_->TapeVoiceDialog(this);
}

void frmCtl::setTapeGroupEnabled(bool enabled) { grpM_Tape->setEnabled(enabled); }

void frmCtl::setTapeGroupCaption(const QString& caption) { grpM_Tape->setTitle(caption); }

void frmCtl::setTapeButtonsEnabled(bool enabled) {
    for (CaptionButton* button : {cmdTapeNext, cmdTapeBack, cmdTapeStop, cmdTapeSet}) button->setEnabled(enabled);
}

void frmCtl::MnuHideCopy_Click() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(picSeirikenPrev->image());
}

// ---- closing ----

void frmCtl::closeEvent(QCloseEvent* event) {
    if (Form_QueryUnload())
        event->accept();
    else
        event->ignore();
}

bool frmCtl::Form_QueryUnload() {
    if (!messages_.ask({QStringLiteral("ハルカゼを終了しますか？"), QStringLiteral("ハルカゼの終了確認"),
                        Message::Icon::Question}))
        return false;
    board_.showStopName(QString());
    sound_.SndCloseAll();
    if (tape_) tape_->TapeReleaseEngine();
    emit closeConfirmed();
    board_.close();
    endProgram_();
    return true;
}

bool frmCtl::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (int i = 0; i < 2; ++i) {
            if (watched != Frame1[i]) continue;
            // Double-clicks on the frame's own background only, not on a caption.
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (Frame1[i]->childAt(mouse->position().toPoint())) return false;
            Frame1_DblClick(i);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---- keys ----

std::vector<QAbstractButton*> frmCtl::keyButtons(int control) const {
    using namespace panel_keys;
    if (control >= 0 && control < int(CommandButton1.size())) return {CommandButton1[size_t(control)]};
    switch (control) {
    case SetRoute: return {Command1[0], Command1[1]};
    case StepBack: return {Command2[0]};
    case StepForward: return {Command2[1]};
    case AnnounceBack: return {cmdTapeBack};
    case AnnounceNext: return {cmdTapeNext};
    case AnnounceStop: return {cmdTapeStop};
    case LateNight: return {Check2};
    case DisplayOff: return {Check1};
    case BacklightNext: return {Option4[0], Option4[1], Option4[2]};
    case Preview: return {Check4};
    default: return {};
    }
}

QAbstractButton* frmCtl::keyTarget(int control) const {
    if (control == panel_keys::BacklightNext) {
        const Backlight chosen = selectedBacklight();
        return Option4[chosen == Backlight::Off ? 1 : chosen == Backlight::On1 ? 2 : 0];
    }
    // The entry frame at the back lies earlier among the panel's children.
    const QFrame* back = children().indexOf(Frame1[0]) < children().indexOf(Frame1[1]) ? Frame1[0] : Frame1[1];
    for (QAbstractButton* button : keyButtons(control))
        if (button->isVisible() && !back->isAncestorOf(button)) return button;
    return nullptr;
}

void frmCtl::keyPressEvent(QKeyEvent* event) {
    const int control = panel_keys::controlFor(event->key(), event->modifiers());
    // A focused list, slider or company list keeps the keys it moves with.
    const QWidget* focus = focusWidget();
    const bool focusMoves = focus && focus != this && !qobject_cast<const QAbstractButton*>(focus);
    if (control < 0 || (focusMoves && panel_keys::navigates(event->key()))) {
        QWidget::keyPressEvent(event);
        return;
    }
    // Held keys do not repeat: a panel button is pressed once, and a repeated
    // リセット would run the lamp test over and over.
    // click() does nothing on a disabled button, as a click with the mouse.
    if (QAbstractButton* button = keyTarget(control); button && !event->isAutoRepeat()) button->click();
    event->accept();
}

// ---- placement and the state record ----

void frmCtl::moveToBottomRight() { placement_->moveToBottomRight(); }

void frmCtl::GetCtrlDataInfo() {
    ctrlDataInfo.CtrlLeft = twips::fromPixels(x());
    ctrlDataInfo.CtrlTop = twips::fromPixels(y());
    ctrlDataInfo.ScrollSpeed = HScroll1[0]->value();
    ctrlDataInfo.ScrollWait = HScroll1[1]->value();
    ctrlDataInfo.HiddenMode = hiddenMode_;
    ctrlDataInfo.PreviewOpen = Check4->isChecked() ? 1 : 0;
    ctrlDataInfo.LateNight = Check2->isChecked() ? 1 : 0;
}

int frmCtl::SetCtrlDataInfo() {
    const int error = applyCtrlDataInfo();
    // Whatever else the record holds, a panel nobody can see cannot be closed.
    placement_->keepOnScreen();
    return error;
}

int frmCtl::applyCtrlDataInfo() {
    const CtrlDataInfo& info = ctrlDataInfo;
    const QPoint corner(twips::toPixels(info.CtrlLeft), twips::toPixels(info.CtrlTop));
    placement_->moveTo(corner);
    const auto isBox = [](qint16 value) { return value == 0 || value == 1; };
    if (!inRange(HScroll1[0], info.ScrollSpeed)) return runtime_error::InvalidPropertyValue;
    HScroll1[0]->setValue(info.ScrollSpeed);
    if (!inRange(HScroll1[1], info.ScrollWait)) return runtime_error::InvalidPropertyValue;
    HScroll1[1]->setValue(info.ScrollWait);
    hiddenMode_ = info.HiddenMode;
    if (!isBox(info.PreviewOpen)) return runtime_error::InvalidPropertyValue;
    Check4->setChecked(info.PreviewOpen == 1);
    if (!isBox(info.LateNight)) return runtime_error::InvalidPropertyValue;
    Check2->setChecked(info.LateNight == 1);
    Frame1_DblClick(info.HiddenMode);
    return 0;
}
