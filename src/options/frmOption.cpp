#include "options/frmOption.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDesktopServices>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "board/BoardOptions.h"
#include "board/Form1.h"
#include "controls/digit/M_Degit.h"
#include "platform/MessageReporter.h"
#include "options/OptionPageParts.h"
#include "options/OptionWidgets.h"
#include "formats/Options.h"
#include "options/OptionsHost.h"
#include "options/SetPlgin.h"
#include "board/SharedState.h"
#include "sibling/Sibling.h"
#include "platform/Twips.h"

namespace {

using namespace option_widgets;
using namespace option_page;

constexpr int kPageWidth = 8000;

QString dateText(int year, int month, int day) {
    return QStringLiteral("%1/%2/%3")
        .arg(year)
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'));
}

}  // namespace

frmOption::frmOption(SharedState& state, Form1& board, OptionsHost& panel, MessageReporter& messages, QWidget* parent)
    : QDialog(parent), state_(state), live_(state.options), board_(board), panel_(panel), messages_(messages) {
    setWindowTitle(QStringLiteral("オプション"));
    setAutoFillBackground(true);
    QPalette look = palette();
    look.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    look.setColor(QPalette::Button, QColor(0xC0, 0xC0, 0xC0));
    // Greyed captions stay readable on the grey face.
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        look.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    setPalette(look);
    QFont font = this->font();
    font.setPixelSize(12);
    setFont(font);

    const std::array<QString, 6> buttonCaptions{
        QStringLiteral("運賃データと　放送用データ"), QStringLiteral("パネルと整理券番号表示"),
        QStringLiteral("デジタル部品と情報用数字"), QStringLiteral("停名の設定"),
        QStringLiteral("サウンド"), QStringLiteral("　　整理券　　　プレビュー")};
    const std::array<int, 6> buttonTops{45, 900, 1740, 2580, 3420, 4260};
    pages = new QStackedWidget(this);
    pages->setGeometry(twips::toPixels(1455, 75, kPageWidth, 5000));
    const std::array<QWidget*, 6> built{buildDataPage(), buildPanelPage(), buildDegitPage(),
                                        buildChimeiPage(), buildSoundPage(), buildPreviewPage()};
    for (int i = 0; i < 6; ++i) {
        Option1[i] = new QPushButton(this);
        // The caption wraps on the page buttons' narrow faces.
        auto* caption = wrappingLabel(pageButtonLines(buttonCaptions[i]), Option1[i]);
        caption->setAlignment(Qt::AlignCenter);
        caption->setAttribute(Qt::WA_TransparentForMouseEvents);
        auto* face = new QVBoxLayout(Option1[i]);
        face->setContentsMargins(3, 3, 3, 3);
        face->addWidget(caption);
        Option1[i]->setAccessibleName(buttonCaptions[i]);
        Option1[i]->setGeometry(twips::toPixels(90, buttonTops[i], 1250, 833));
        pages->addWidget(built[i]);
        connect(Option1[i], &QPushButton::clicked, this, [this, i] { pages->setCurrentIndex(i); });
    }
    makePageButtons(reinterpret_cast<QAbstractButton* const*>(Option1.data()), 6, this);
    Option1[0]->setChecked(true);
    pages->setCurrentIndex(0);

    Command4 = new QPushButton(QStringLiteral("OK"), this);
    Command4->setGeometry(twips::toPixels(7995, 5145, 1380, 375));
    connect(Command4, &QPushButton::clicked, this, &frmOption::Command4_Click);
    setFixedSize(twips::toPixels(9545, 5610));

    // Creation: the sample display, the slot and column lists, the styles, today.
    M_Degit1->setDegitSize(0);
    // The display sizes itself; the page's layout must keep that size.
    M_Degit1->setFixedSize(M_Degit1->size());
    for (int i = 0; i < 4; ++i)
        for (int slot = 1; slot <= 8; ++slot) Combo4[i]->addItem(QString::number(slot));
    for (int column = 1; column <= 150; ++column) {
        Combo1->addItem(QString::number(column));
        Combo4[4]->addItem(QString::number(column));
    }
    AddComboItem();
    linkOptions();
    assignWidgets(live_, true);
    assignWidgets(live_, false);
    // Assignments that change nothing run no rule, so run each once here.
    Check1_Click();
    Option3_Click();
}

QWidget* frmOption::buildDataPage() {
    Frame1[0] = new QGroupBox(QStringLiteral("運賃データと放送用データ"));
    auto* layout = new QVBoxLayout(Frame1[0]);
    const std::array<QString, 2> captions{QStringLiteral("運賃データ(*.hy3)のあるフォルダー："),
                                          QStringLiteral("放送用データ(*****Tp.csv)のあるフォルダー：")};
    const std::array<QString, 2> openers{QStringLiteral("上記運賃データの場所をエクスプローラで開く"),
                                         QStringLiteral("上記放送用データの場所をエクスプローラで開く")};
    for (int i = 0; i < 2; ++i) {
        layout->addWidget(new QLabel(captions[i], Frame1[0]));
        auto* row = new QHBoxLayout;
        Text2[i] = new QLineEdit(Frame1[0]);
        Command3[i] = ellipsisButton(Frame1[0]);
        row->addWidget(Text2[i]);
        row->addWidget(Command3[i]);
        layout->addLayout(row);
        Command10[i] = new QPushButton(openers[i], Frame1[0]);
        layout->addWidget(Command10[i], 0, Qt::AlignRight);
        layout->addSpacing(12);
        connect(Command3[i], &QPushButton::clicked, this, [this, i] { Command3_Click(i); });
        connect(Command10[i], &QPushButton::clicked, this, [this, i] { Command10_Click(i); });
    }
    layout->addStretch();
    return Frame1[0];
}

QWidget* frmOption::buildPanelPage() {
    Frame1[1] = new QGroupBox(QStringLiteral("パネルと整理券番号表示"));
    auto* layout = new QVBoxLayout(Frame1[1]);
    layout->setSpacing(3);
    layout->setContentsMargins(6, 2, 6, 4);
    Check1 = new QCheckBox(QStringLiteral("整理券番号自動表示機能を使用"), Frame1[1]);
    connect(Check1, &QCheckBox::stateChanged, this, &frmOption::Check1_Click);
    layout->addWidget(Check1);

    Frame4 = new QGroupBox(QStringLiteral("本体パネル"), Frame1[1]);
    auto* panelLayout = new QVBoxLayout(Frame4);
    panelLayout->setSpacing(2);
    panelLayout->setContentsMargins(6, 2, 6, 4);
    auto* modeRow = new QHBoxLayout;
    Option3[0] = new QRadioButton(QStringLiteral("内蔵しているパネルを自動で割り当てる"), Frame4);
    Option3[1] = new QRadioButton(QStringLiteral("個別に設定する"), Frame4);
    modeRow->addWidget(Option3[0]);
    modeRow->addWidget(Option3[1]);
    modeRow->addStretch();
    panelLayout->addLayout(modeRow);
    const std::array<QString, 3> frameCaptions{QStringLiteral("バックライトOFF時の画像："),
                                               QStringLiteral("ON1の画像："), QStringLiteral("ON2の画像：")};
    // Each image frame is one row: its caption, its built-in and user choices
    // (in the order of their indexes), the picture's path and its chooser.
    // The captions share one width so the rows line up.
    const std::array<std::array<int, 2>, 3> choiceIndexes{{{7, 6}, {3, 2}, {4, 5}}};
    std::array<QLabel*, 3> captions{};
    for (int i = 0; i < 3; ++i) {
        Frame6[i] = new QWidget(Frame4);
        Frame6[i]->setAccessibleName(frameCaptions[i]);
        auto* row = new QHBoxLayout(Frame6[i]);
        row->setContentsMargins(0, 0, 0, 0);
        captions[i] = new QLabel(frameCaptions[i], Frame6[i]);
        row->addWidget(captions[i]);
        Option3[choiceIndexes[i][0]] = new QRadioButton(QStringLiteral("内蔵"), Frame6[i]);
        Option3[choiceIndexes[i][1]] = new QRadioButton(QStringLiteral("ユーザーパネル"), Frame6[i]);
        txtSelectPanel[i] = textBox(Frame6[i]);
        Command6[i] = ellipsisButton(Frame6[i]);
        row->addWidget(Option3[choiceIndexes[i][0]]);
        row->addWidget(Option3[choiceIndexes[i][1]]);
        row->addWidget(txtSelectPanel[i], 1);
        row->addWidget(Command6[i]);
        panelLayout->addWidget(Frame6[i]);
        connect(Command6[i], &QPushButton::clicked, this, [this, i] { Command6_Click(i); });
    }
    int captionWidth = 0;
    for (QLabel* caption : captions) captionWidth = std::max(captionWidth, caption->sizeHint().width());
    for (QLabel* caption : captions) caption->setFixedWidth(captionWidth);
    for (QRadioButton* choice : Option3)
        connect(choice, &QRadioButton::toggled, this, [this](bool on) {
            if (on) Option3_Click();
        });
    layout->addWidget(Frame4);

    Frame3 = new QWidget(Frame1[1]);
    auto* captionLayout = new QGridLayout(Frame3);
    captionLayout->setContentsMargins(0, 0, 0, 0);
    captionLayout->setVerticalSpacing(2);
    captionLayout->addWidget(new QLabel(QStringLiteral("整理券番号のバックライトカラー(文字色)"), Frame3), 0, 0, 1, 6);
    const std::array<QString, 3> stateCaptions{QStringLiteral("OFF："), QStringLiteral("ON1："),
                                               QStringLiteral("ON2：")};
    const std::array<quint32, 3> initialColours{0x008000, 0x00C000, 0xC0FFC0};
    for (int i = 0; i < 3; ++i) {
        captionLayout->addWidget(new QLabel(stateCaptions[i], Frame3), 1, 2 * i, Qt::AlignRight);
        Command5[i] = new ColourButton(initialColours[i], Frame3);
        Command5[i]->setFixedSize(48, 20);
        captionLayout->addWidget(Command5[i], 1, 2 * i + 1);
        connect(Command5[i], &QPushButton::clicked, this, [this, i] { GetBtnColor(Command5[i]); });
    }
    captionLayout->addWidget(new QLabel(QStringLiteral("整理券番号表示設定"), Frame3), 2, 0, 1, 2);
    Combo2 = new QComboBox(Frame3);
    captionLayout->addWidget(Combo2, 2, 2, 1, 4);
    Check2 = new QCheckBox(QStringLiteral("数字が1桁の番号は頭に0を付け足す"), Frame3);
    captionLayout->addWidget(Check2, 3, 0, 1, 6);
    captionLayout->addWidget(
        noteLabel(QStringLiteral("※ユーザーパネルに直接番号をデザインしている場合には上記チェックをOFFにしてください。"),
                  Frame3),
        4, 0, 1, 6);
    layout->addWidget(Frame3);
    layout->addWidget(noteLabel(
        QStringLiteral("※ユーザーパネルには、現在の機種に対応の画像をご使用ください。大きいパネルの場合、はみ出た部分（右・下）"
                       "が切り取られます。逆に小さいパネルの場合は左上から表示され、余白部分はグレーになりますのでご注意"
                       "ください。"),
        Frame1[1]));
    layout->addStretch();
    return Frame1[1];
}

QWidget* frmOption::buildDegitPage() {
    Frame1[2] = new QGroupBox(QStringLiteral("デジタル部品と情報用数字"));
    auto* layout = new QVBoxLayout(Frame1[2]);
    auto* colours = new QGroupBox(
        QStringLiteral("デジタル部品の背景色と文字色（時計つきの場合はこの部分も同色となります）"), Frame1[2]);
    auto* colourLayout = new QGridLayout(colours);
    const std::array<QString, 3> captions{QStringLiteral("背景色："), QStringLiteral("未発光時の文字色："),
                                          QStringLiteral("発光時の文字色：")};
    const std::array<quint32, 3> initialColours{0x808080, 0x969696, 0x72D2F8};
    for (int i = 0; i < 3; ++i) {
        colourLayout->addWidget(new QLabel(captions[i], colours), i, 0, Qt::AlignRight);
        Command8[i] = new ColourButton(initialColours[i], colours);
        Command8[i]->setFixedSize(48, 20);
        colourLayout->addWidget(Command8[i], i, 1);
        connect(Command8[i], &QPushButton::clicked, this, [this, i] { Command8_Click(i); });
        connect(Command8[i], &ColourButton::colourChanged, this, &frmOption::updateSample);
    }
    colourLayout->addWidget(new QLabel(QStringLiteral("プレビュー"), colours), 0, 2, Qt::AlignRight);
    M_Degit1 = new M_Degit(colours);
    M_Degit1->setUserSet(false);
    colourLayout->addWidget(M_Degit1, 0, 3, 3, 1, Qt::AlignLeft | Qt::AlignTop);
    colourLayout->setColumnStretch(4, 1);
    layout->addWidget(colours);

    auto* info = new QGroupBox(QStringLiteral("情報用数字の設定"), Frame1[2]);
    auto* infoLayout = new QGridLayout(info);
    infoLayout->setVerticalSpacing(2);
    const QString slotTail = QStringLiteral("コマ目に表示する。");
    const auto addSlotRow = [&](int row, int check, const QString& caption, int list) {
        Check3[check] = new QCheckBox(caption, info);
        Combo4[list] = new QComboBox(info);
        infoLayout->addWidget(Check3[check], row, 0, 1, 3);
        infoLayout->addWidget(Combo4[list], row, 3);
        infoLayout->addWidget(new QLabel(slotTail, info), row, 4);
    };
    addSlotRow(0, 0, QStringLiteral("停留所の順番（区間・個数）を、"), 0);
    Check3[4] = new QCheckBox(QStringLiteral("0から数える"), info);
    infoLayout->addWidget(Check3[4], 0, 5);
    addSlotRow(1, 1, QStringLiteral("整理券番号を、"), 1);
    addSlotRow(2, 2, QStringLiteral("系統番号を、"), 2);
    Check3[3] = new QCheckBox(QStringLiteral("データの"), info);
    Combo4[4] = new QComboBox(info);
    Combo4[3] = new QComboBox(info);
    infoLayout->addWidget(Check3[3], 3, 0);
    infoLayout->addWidget(Combo4[4], 3, 1);
    infoLayout->addWidget(new QLabel(QStringLiteral("列目の値を、"), info), 3, 2);
    infoLayout->addWidget(Combo4[3], 3, 3);
    infoLayout->addWidget(new QLabel(slotTail, info), 3, 4);
    infoLayout->setColumnStretch(6, 1);
    for (int i = 0; i < 4; ++i) {
        connect(Check3[i], &QCheckBox::stateChanged, this, [this, i] { Check3_Click(i); });
        Check3_Click(i);
    }
    layout->addWidget(info);
    layout->addWidget(noteLabel(
        QStringLiteral("デジタル数字の桁ずらし、ゼロ埋めの設定は各部品をダブルクリックして設定してください。また、これら情報用"
                       "数字は運賃の表示よりも優先されます。"),
        Frame1[2]));
    layout->addStretch();
    return Frame1[2];
}

QWidget* frmOption::buildChimeiPage() {
    Frame1[3] = new QGroupBox(QStringLiteral("停名の設定"));
    auto* layout = new QGridLayout(Frame1[3]);
    const std::array<QString, 2> captions{QStringLiteral("背景色："), QStringLiteral("文字色：")};
    const std::array<quint32, 2> initialColours{0x808080, 0x00FFFF};
    for (int i = 0; i < 2; ++i) {
        layout->addWidget(new QLabel(captions[i], Frame1[3]), i, 0, Qt::AlignRight);
        Command9[i] = new ColourButton(initialColours[i], Frame1[3]);
        Command9[i]->setFixedSize(48, 20);
        layout->addWidget(Command9[i], i, 1);
        connect(Command9[i], &QPushButton::clicked, this, [this, i] { GetBtnColor(Command9[i]); });
    }
    layout->addWidget(new QLabel(QStringLiteral("フォントオプション："), Frame1[3]), 2, 0, Qt::AlignRight);
    Combo3 = new QComboBox(Frame1[3]);
    Combo3->addItems({QStringLiteral("ゴシック体"), QStringLiteral("明朝体"),
                      QStringLiteral("漢字はゴシック、それ以外は明朝"), QStringLiteral("漢字は明朝、それ以外はゴシック"),
                      QStringLiteral("英数字はゴシック、それ以外は明朝")});
    Combo3->setCurrentIndex(-1);
    layout->addWidget(Combo3, 2, 1, 1, 2);
    Check4 = new QCheckBox(QStringLiteral("太字（表示の不具合はサポート対象外）"), Frame1[3]);
    layout->addWidget(Check4, 3, 1, 1, 2);
    layout->setColumnStretch(2, 1);
    layout->setRowStretch(4, 1);
    return Frame1[3];
}

QWidget* frmOption::soundRow(int index, const QString& caption) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    if (!caption.isEmpty()) layout->addWidget(new QLabel(caption, row));
    txtSelectSound[index] = textBox(row);
    cmdSelectSound[index] = ellipsisButton(row);
    layout->addWidget(txtSelectSound[index], 1);
    layout->addWidget(cmdSelectSound[index]);
    connect(cmdSelectSound[index], &QPushButton::clicked, this, [this, index] { cmdSelectSound_Click(index); });
    return row;
}

QRadioButton* frmOption::alwaysChoice(int soundIndex, QWidget* page, QBoxLayout* layout) {
    auto* row = new QHBoxLayout;
    auto* choice = new QRadioButton(QStringLiteral("常に右記のサウンドを鳴らす"), page);
    row->addWidget(choice);
    row->addWidget(soundRow(soundIndex, QString()), 1);
    layout->addLayout(row);
    return choice;
}

QWidget* frmOption::buildSoundPage() {
    Frame1[4] = new QGroupBox(QStringLiteral("サウンド（鳴らさなくてもいい項目にはファイル名を入れないで下さい）"));
    auto* layout = new QVBoxLayout(Frame1[4]);
    layout->setSpacing(1);
    layout->setContentsMargins(6, 2, 6, 4);
    layout->addWidget(soundRow(0, QStringLiteral("系統設定時のサウンド：")));
    layout->addWidget(soundRow(1, QStringLiteral("リセット時のサウンド：")));
    auto* subButtons = new QHBoxLayout;
    Option5[1] = new QPushButton(QStringLiteral("送り・戻し時のサウンド..."), Frame1[4]);
    Option5[0] = new QPushButton(QStringLiteral("放送前のサウンド..."), Frame1[4]);
    subButtons->addWidget(Option5[1]);
    subButtons->addWidget(Option5[0]);
    subButtons->addStretch();
    layout->addLayout(subButtons);
    makePageButtons(reinterpret_cast<QAbstractButton* const*>(Option5.data()), 2, this);

    const std::array<QString, 3> whenCaptions{QStringLiteral("「1」の場合"), QStringLiteral("「2」の場合"),
                                              QStringLiteral("「3」の場合")};
    // Advance and back sounds.
    Frame2[1] = new QGroupBox(QStringLiteral("送り・戻し時のサウンド"));
    auto* step = new QVBoxLayout(Frame2[1]);
    step->setSpacing(0);
    step->setContentsMargins(6, 0, 6, 2);
    Option2[0] = alwaysChoice(7, Frame2[1], step);
    Option2[1] = longChoice(
        QStringLiteral("運賃データ(*.hy3)の特定の列のデータから判断して、以下の指定したサウンドを鳴らす（指定した列のデータの"
                       "内容が1～3以外の場合はサウンドは鳴りません）"),
        Frame2[1], step);
    auto* columnRow = new QHBoxLayout;
    columnRow->addWidget(new QLabel(QStringLiteral("運賃データの"), Frame2[1]));
    Combo1 = new QComboBox(Frame2[1]);
    columnRow->addWidget(Combo1);
    columnRow->addWidget(new QLabel(QStringLiteral("列目のデータが、"), Frame2[1]));
    columnRow->addStretch();
    step->addLayout(columnRow);
    for (int i = 0; i < 3; ++i) step->addWidget(soundRow(8 + i, whenCaptions[i]));
    groupChoices({Option2[0], Option2[1]}, this);
    step->addWidget(playMethodFrame(Option6, QStringLiteral("同期再生(サウンドが完全に再生された後で運賃切り替え)"),
                                    QStringLiteral("非同期再生(サウンドを再生しながら運賃切り替え)"), Frame2[1]));

    // Sounds before an announcement.
    Frame2[0] = new QGroupBox(
        QStringLiteral("放送前のサウンド：※音声合成放送機能が有効でない場合は以下の設定は意味を持ちません。"));
    auto* tape = new QVBoxLayout(Frame2[0]);
    tape->setSpacing(0);
    tape->setContentsMargins(6, 0, 6, 2);
    Option2[2] = alwaysChoice(3, Frame2[0], tape);
    Option2[3] = longChoice(
        QStringLiteral("放送データ(*.Tp.csv)内のフラグから判断して、以下の指定したサウンドを鳴らす（フラグの内容が1～3以外の"
                       "場合はサウンドは鳴りません）"),
        Frame2[0], tape);
    for (int i = 0; i < 3; ++i) tape->addWidget(soundRow(4 + i, whenCaptions[i]));
    groupChoices({Option2[2], Option2[3]}, this);
    tape->addWidget(playMethodFrame(Option7, QStringLiteral("同期再生(サウンドが完全に再生された後で放送開始)"),
                                    QStringLiteral("非同期再生(サウンドを再生しながら放送開始)"), Frame2[0]));
    tape->addWidget(noteLabel(
        QStringLiteral("「放送前のサウンド」再生時は、停名のスクロールが停止することがありますので、あらかじめご了承ください。"),
        Frame2[0]));
    tape->addStretch();

    soundPages = new QStackedWidget(Frame1[4]);
    soundPages->addWidget(Frame2[0]);
    soundPages->addWidget(Frame2[1]);
    for (int i = 0; i < 2; ++i)
        connect(Option5[i], &QPushButton::clicked, this, [this, i] { soundPages->setCurrentWidget(Frame2[i]); });
    Option5[1]->setChecked(true);
    soundPages->setCurrentWidget(Frame2[1]);
    layout->addWidget(soundPages, 1);
    return Frame1[4];
}

QWidget* frmOption::buildPreviewPage() {
    Frame1[5] = new QGroupBox(QStringLiteral("整理券プレビュー"));
    auto* layout = new QVBoxLayout(Frame1[5]);
    layout->setSpacing(2);
    layout->setContentsMargins(6, 0, 6, 2);
    chkUseSeiriPrev = new QCheckBox(QStringLiteral("整理券プレビュー機能を使用する"), Frame1[5]);
    connect(chkUseSeiriPrev, &QCheckBox::stateChanged, this, &frmOption::chkUseSeiriPrev_Click);
    // The check box stands on the page's caption line, at its right end, so
    // that the capability lines and the remarks below get that height too.
    chkUseSeiriPrev->adjustSize();
    chkUseSeiriPrev->move(twips::toPixels(kPageWidth) - chkUseSeiriPrev->width() - 6, 0);

    // Two columns: the plug-in with its capability lines (as many as a
    // plug-in reports, read without scrolling) and remarks on the left; the
    // ticket date on the right, its long captions wrapped.
    auto* columns = new QHBoxLayout;
    columns->setSpacing(6);
    layout->addLayout(columns, 1);

    Frame10 = new QGroupBox(QStringLiteral("整理券プラグイン設定"), Frame1[5]);
    auto* plugin = new QGridLayout(Frame10);
    plugin->setVerticalSpacing(1);
    plugin->setContentsMargins(6, 0, 6, 3);
    plugin->addWidget(
        noteLabel(QStringLiteral("整理券プラグイン（整理券プレビューを使用しない場合は、何も入れないでください）："),
                  Frame10),
        0, 0, 1, 3);
    txtSeiriPlgDir = textBox(Frame10);
    Command1 = ellipsisButton(Frame10);
    // The cross the clear button shows.
    Command11 = new QPushButton(QStringLiteral("×"), Frame10);
    Command11->setFixedSize(22, 20);
    plugin->addWidget(txtSeiriPlgDir, 1, 0);
    plugin->addWidget(Command1, 1, 1);
    plugin->addWidget(Command11, 1, 2);
    plugin->addWidget(new QLabel(QStringLiteral("上記プラグインのプロパティ："), Frame10), 2, 0, 1, 3);
    List1 = new QListWidget(Frame10);
    // Room for the ten lines of a plug-in that prints barcodes and offers companies.
    List1->addItem(QString());
    List1->setMinimumHeight(10 * List1->sizeHintForRow(0) + 2 * List1->frameWidth());
    List1->clear();
    plugin->addWidget(List1, 3, 0, 1, 3);
    plugin->addWidget(new QLabel(QStringLiteral("上記プラグインの特記事項："), Frame10), 4, 0, 1, 3);
    txtPlginComment = new QPlainTextEdit(Frame10);
    QPalette grey = txtPlginComment->palette();
    grey.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
    txtPlginComment->setPalette(grey);
    // Three lines at least; more when the page has them. Its scroll bar's own
    // minimum would take room the capability lines need.
    txtPlginComment->setMinimumHeight(3 * txtPlginComment->fontMetrics().lineSpacing() +
                                      2 * txtPlginComment->frameWidth() + 8);
    plugin->addWidget(txtPlginComment, 5, 0, 1, 3);
    plugin->setRowStretch(5, 1);
    columns->addWidget(Frame10, 4);
    connect(Command1, &QPushButton::clicked, this, &frmOption::Command1_Click);
    connect(Command11, &QPushButton::clicked, this, &frmOption::Command11_Click);

    // A frame whose caption wraps inside it: the caption is longer than the column.
    const QString dateCaption = QStringLiteral("日付の設定（整理券プラグインが日付の印字をサポートしているときに有効）");
    Frame7 = new QGroupBox(Frame1[5]);
    Frame7->setAccessibleName(dateCaption);
    auto* date = new QVBoxLayout(Frame7);
    date->setSpacing(3);
    date->setContentsMargins(6, 4, 6, 4);
    date->addWidget(wrappingLabel(dateCaption, Frame7));
    Option4[0] = longChoice(QStringLiteral("システムの日付を使用（整理券印字と同時に日付を更新、デフォルト）"), Frame7, date);
    Option4[1] = longChoice(QStringLiteral("システムの日付を使用（系統設定した時点の日付を保持）"), Frame7, date);
    date->addWidget(noteLabel(QStringLiteral("系統設定した際の日付が保持され、日付が途中で変わっても次回系統設定するまで整理"
                                             "券の日付変更を行いません。"),
                              Frame7));
    auto* fixed = new QHBoxLayout;
    Option4[2] = new QRadioButton(QStringLiteral("右記の日付に固定"), Frame7);
    Label10 = new QLabel(Frame7);
    fixed->addWidget(Option4[2]);
    fixed->addWidget(Label10, 1);
    date->addLayout(fixed);
    Command7 = new QPushButton(QStringLiteral("日付選択..."), Frame7);
    date->addWidget(Command7, 0, Qt::AlignRight);
    date->addStretch();
    columns->addWidget(Frame7, 3);
    connect(Command7, &QPushButton::clicked, this, &frmOption::Command7_Click);
    chkUseSeiriPrev_Click();
    return Frame1[5];
}

void frmOption::linkOptions() {
    using O = Options;
    using F = OptDataFolders;
    using P = OptPanel;
    using D = OptDegit;
    using C = OptChimei;
    using S = OptSound;
    using T = OptSeiriken;
    const auto add = [this](auto* widget, auto record, auto field) {
        links_.push_back(link(widget, live_, record, field));
    };
    // The order is the order of assignment: a choice selected deselects its
    // partner, and the rules that follow a widget see those before it.
    add(Text2[0], &O::dataFolders, &F::FareDataDir);
    add(Text2[1], &O::dataFolders, &F::TapeDataDir);
    add(Check1, &O::panel, &P::AutoSeiriNum);
    add(Command5[0], &O::panel, &P::SeiriNumColorOff);
    add(Command5[1], &O::panel, &P::SeiriNumColorOn1);
    add(Command5[2], &O::panel, &P::SeiriNumColorOn2);
    add(Combo2, &O::panel, &P::SeiriNumStyle);
    add(Check2, &O::panel, &P::SeiriNumZeroPad);
    add(Option3[0], &O::panel, &P::PanelAuto);
    add(Option3[1], &O::panel, &P::PanelIndividual);
    add(Option3[7], &O::panel, &P::PanelOffBuiltin);
    add(Option3[6], &O::panel, &P::PanelOffUser);
    add(Option3[3], &O::panel, &P::PanelOn1Builtin);
    add(Option3[2], &O::panel, &P::PanelOn1User);
    add(Option3[4], &O::panel, &P::PanelOn2Builtin);
    add(Option3[5], &O::panel, &P::PanelOn2User);
    add(txtSelectPanel[0], &O::panel, &P::PanelOffFile);
    add(txtSelectPanel[1], &O::panel, &P::PanelOn1File);
    add(txtSelectPanel[2], &O::panel, &P::PanelOn2File);
    add(Command8[0], &O::degit, &D::DegitBackColor);
    add(Command8[1], &O::degit, &D::DegitUnlitColor);
    add(Command8[2], &O::degit, &D::DegitLitColor);
    add(Check3[0], &O::degit, &D::ShowStopOrder);
    add(Combo4[0], &O::degit, &D::StopOrderSlot);
    add(Check3[4], &O::degit, &D::StopOrderFromZero);
    add(Check3[1], &O::degit, &D::ShowSeiriNum);
    add(Combo4[1], &O::degit, &D::SeiriNumSlot);
    add(Check3[2], &O::degit, &D::ShowRouteNum);
    add(Combo4[2], &O::degit, &D::RouteNumSlot);
    add(Check3[3], &O::degit, &D::ShowDataColumn);
    add(Combo4[4], &O::degit, &D::DataColumn);
    add(Combo4[3], &O::degit, &D::DataColumnSlot);
    add(Command9[0], &O::chimei, &C::ChimeiBackColor);
    add(Command9[1], &O::chimei, &C::ChimeiForeColor);
    add(Combo3, &O::chimei, &C::ChimeiFontMode);
    add(Check4, &O::chimei, &C::ChimeiFontBold);
    add(txtSelectSound[0], &O::sound, &S::RouteSetSound);
    add(txtSelectSound[1], &O::sound, &S::ResetSound);
    add(Option6[0], &O::sound, &S::StepSoundSync);
    add(Option6[1], &O::sound, &S::StepSoundAsync);
    add(Option2[0], &O::sound, &S::StepSoundAlways);
    add(Option2[1], &O::sound, &S::StepSoundByColumn);
    add(txtSelectSound[7], &O::sound, &S::StepSound);
    add(Combo1, &O::sound, &S::StepSoundColumn);
    add(txtSelectSound[8], &O::sound, &S::StepSound1);
    add(txtSelectSound[9], &O::sound, &S::StepSound2);
    add(txtSelectSound[10], &O::sound, &S::StepSound3);
    add(Option7[0], &O::sound, &S::TapeSoundSync);
    add(Option7[1], &O::sound, &S::TapeSoundAsync);
    add(Option2[2], &O::sound, &S::TapeSoundAlways);
    add(Option2[3], &O::sound, &S::TapeSoundByFlag);
    add(txtSelectSound[3], &O::sound, &S::TapeSound);
    add(txtSelectSound[4], &O::sound, &S::TapeSound1);
    add(txtSelectSound[5], &O::sound, &S::TapeSound2);
    add(txtSelectSound[6], &O::sound, &S::TapeSound3);
    add(chkUseSeiriPrev, &O::seiriken, &T::UseSeirikenPreview);
    add(txtSeiriPlgDir, &O::seiriken, &T::SeirikenPlugin);
    add(Option4[0], &O::seiriken, &T::DateAtPrint);
    add(Option4[1], &O::seiriken, &T::DateAtRouteSet);
    add(Option4[2], &O::seiriken, &T::DateFixed);
}

int frmOption::assignWidgets(const Options& source, bool panelPart) {
    // Read from a copy: each assignment writes its option at once.
    const Options from = source;
    for (const OptionLink& option : links_)
        if (option.panelPart == panelPart)
            if (const int error = option.assign(from)) return error;
    if (!panelPart) setFixedDate(from.seiriken.FixedDate);
    return 0;
}

void frmOption::writeOptions() {
    for (const OptionLink& option : links_) option.write();
}

int frmOption::SetOptionInfo(const Options& stored) {
    // A widget that already showed its stored value writes nothing by itself,
    // so every option is written again from the widgets.
    const int panelError = assignWidgets(stored, true);
    writeOptions();
    if (panelError) return panelError;
    // The board face and captions follow the panel options just loaded.
    panel_.reapplyBacklight();
    const int otherError = assignWidgets(stored, false);
    writeOptions();
    if (otherError) return otherError;
    // A plug-in that no longer loads leaves the page as it was, silently.
    SetPlgin(txtSeiriPlgDir->text(), *List1, *txtPlginComment, panel_.ticketPreview(), panel_.companyList());
    return 0;
}

void frmOption::GetOptionInfo(Options& stored) const {
    // Every widget has written its option already.
    stored.dataFolders = live_.dataFolders;
    stored.panel = live_.panel;
    stored.degit = live_.degit;
    stored.chimei = live_.chimei;
    stored.sound = live_.sound;
    stored.seiriken = live_.seiriken;
}

void frmOption::SetProp() {
    board_.applyOptions(live_, panel_.selectedBacklight());
    board_.setStopNameColors(Command9[0]->colour(), Command9[1]->colour());
    board_.setStopNameLettering(qint16(Combo3->currentIndex()), Check4->checkState() == Qt::Checked);
    panel_.reapplyBacklight();
}

void frmOption::showEvent(QShowEvent* event) {
    // A board without a stop-name display has nothing to set there.
    Option1[3]->setEnabled(!state_.NoChimei);
    // The model set-up and the panel may have changed options while the
    // dialog was hidden; show what they hold now.
    assignWidgets(live_, true);
    assignWidgets(live_, false);
    QDialog::showEvent(event);
}

QString frmOption::GetPathString(const QString& initialFolder) {
    return Sibling::Zf3FolderDlg(this, QStringLiteral("フォルダーを選択してください"), initialFolder);
}

void frmOption::GetBtnColor(ColourButton* button) {
    quint32 colour = button->colour();
    std::array<qint32, OptCustColors::kCount> custom{};
    for (int i = 0; i < OptCustColors::kCount; ++i) custom[i] = qint32(live_.custColors.CustColors[i]);
    const bool confirmed = Sibling::Zf3ChooseColor(this, colour, custom);
    for (int i = 0; i < OptCustColors::kCount; ++i) live_.custColors.CustColors[i] = quint32(custom[i]);
    if (confirmed) button->setColour(colour);
}

void frmOption::AddComboItem() {
    const std::array<std::pair<const char16_t*, int>, 12> styles{{{u"1,2,3...", 8},
                                                                  {u"0,1,2...", 7},
                                                                  {u"「なし」、1,2...", 7},
                                                                  {u"「なし」、2,3...", 8},
                                                                  {u"「無券」、1,2...", 7},
                                                                  {u"「無券」、2,3...", 8},
                                                                  {u"「券なし」、1,2...", 7},
                                                                  {u"「券なし」、2,3...", 8},
                                                                  {u"「券無し」、1,2...", 7},
                                                                  {u"「券無し」、2,3...", 8},
                                                                  {u"(無地)、1,2...", 7},
                                                                  {u"(無地)、2,3...", 8}}};
    for (const auto& [label, count] : styles)
        Combo2->addItem(QString::fromUtf16(label) + QLatin1Char(' ') + QString::number(count));
    Combo2->setItemText(0, Combo2->itemText(0) + QStringLiteral(" （既定の表示）"));
    Combo2->setCurrentIndex(0);
}

void frmOption::Check1_Click() { Frame3->setEnabled(Check1->checkState() == Qt::Checked); }

void frmOption::Check3_Click(int index) {
    const bool on = Check3[index]->checkState() == Qt::Checked;
    switch (index) {
    case 0:
        Combo4[0]->setEnabled(on);
        Check3[4]->setEnabled(on);
        break;
    case 3:
        Combo4[3]->setEnabled(on);
        Combo4[4]->setEnabled(on);
        break;
    default:
        Combo4[index]->setEnabled(on);
    }
}

void frmOption::Option3_Click() {
    const bool individual = !Option3[0]->isChecked();
    for (QWidget* frame : Frame6) {
        frame->setEnabled(individual);
        frame->setVisible(individual);
    }
}

void frmOption::chkUseSeiriPrev_Click() {
    const bool on = chkUseSeiriPrev->checkState() == Qt::Checked;
    for (QGroupBox* frame : {Frame10, Frame7}) {
        frame->setEnabled(on);
        frame->setVisible(on);
    }
}

void frmOption::updateSample() {
    if (!M_Degit1) return;
    M_Degit1->setBackColor(Command8[0]->colour());
    M_Degit1->setBaseForeColor(Command8[1]->colour());
    M_Degit1->setDegitForeColor(Command8[2]->colour());
    M_Degit1->setValue(DigitValue::number(123));
}

void frmOption::setFixedDate(const QString& date) {
    Label10->setText(date);
    live_.seiriken.FixedDate = date;
}

void frmOption::Command1_Click() {
    const QString path = Sibling::Zf3FileDlg(this, {{QStringLiteral("整理券プラグイン(*.4SP)"), QStringLiteral("*.4SP")}},
                                             txtSeiriPlgDir->text(), QStringLiteral("プラグインの選択"));
    if (path.isEmpty()) return;
    panel_.companyList().clear();
    if (SetPlgin(path, *List1, *txtPlginComment, panel_.ticketPreview(), panel_.companyList()) != 0) {
        txtSeiriPlgDir->setText(path);
        return;
    }
    messages_.report(Message(QStringLiteral("指定したファイルはプラグインでないか、内容が不正です"),
                             QStringLiteral("プラグインロードエラー"), Message::Icon::Critical));
}

void frmOption::Command3_Click(int index) {
    const QString folder = GetPathString(Text2[index]->text());
    if (!folder.isEmpty()) Text2[index]->setText(folder);
}

void frmOption::Command4_Click() {
    SetProp();
    hide();
    done(QDialog::Accepted);
}

void frmOption::reject() { Command4_Click(); }

void frmOption::Command6_Click(int index) {
    const QString file = Sibling::Zf3FileDlg(this,
                                             {{QStringLiteral("ビットマップ(*.bmp)"), QStringLiteral("*.bmp")},
                                              {QStringLiteral("GIF画像(*.gif)"), QStringLiteral("*.gif")},
                                              {QStringLiteral("JPEG画像(*.jpg)"), QStringLiteral("*.jpg")}},
                                             txtSelectPanel[index]->text(), QStringLiteral("パネル画像の選択"));
    if (!file.isEmpty()) txtSelectPanel[index]->setText(file);
}

void frmOption::Command7_Click() {
    DateRecord date{};
    if (Sibling::Call_dlg111(this, date) == 0) return;
    setFixedDate(dateText(date.year, date.month, date.day));
}

void frmOption::Command8_Click(int index) {
    // The sample display follows through the buttons' colour changes.
    GetBtnColor(Command8[index]);
}

void frmOption::Command10_Click(int index) {
    // What the desktop does with a missing or empty folder is its own affair.
    QDesktopServices::openUrl(QUrl::fromLocalFile(Text2[index]->text()));
}

void frmOption::Command11_Click() {
    txtSeiriPlgDir->clear();
    List1->clear();
    txtPlginComment->clear();
}

void frmOption::cmdSelectSound_Click(int index) {
    const QString file = Sibling::Zf3FileDlg(this,
                                             {{QStringLiteral("Waveサウンド(*.wav)"), QStringLiteral("*.wav")},
                                              {QStringLiteral("MP3サウンド(*.mp3)"), QStringLiteral("*.mp3")},
                                              {QStringLiteral("MIDIシーケンス(*.mid)"), QStringLiteral("*.mid")}},
                                             txtSelectSound[index]->text(), QStringLiteral("サウンドの選択"));
    if (!file.isEmpty()) txtSelectSound[index]->setText(file);
}
