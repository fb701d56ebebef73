#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

#include <QCalendarWidget>
#include <QColorDialog>
#include <QDate>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QScrollBar>
#include <QTextLayout>
#include <QUrl>

#include "ChimeiCtl_B.h"
#include "M_Degit.h"
#include "ModalDriver.h"
#include "OptionWidgets.h"
#include "PanelFixture.h"
#include "RuntimeError.h"
#include "frmOption.h"

namespace {

// The dialog created as the program creates it: before the board's start-up.
class OptionDialogTest : public ::testing::Test {
protected:
    OptionDialogTest() {
        panel.Form_Load(tape);
        board.attachPanel(&panel);
        board.Form_Load();
    }

    SharedState state;
    RecordingReporter messages;
    FakeSound sound;
    std::vector<QString> spoken;
    bool released = false;
    Form1 board{state, messages};
    frmCtl panel{board, state, messages, sound};
    mdlM_Tape tape{state.options, sound, panel, [this] { return std::make_unique<FakeSpeech>(spoken, released); },
                   [] { return QStringLiteral("Linux"); }};
    frmOption dialog{state, board, panel, messages};
};

// Catches what the folder buttons ask the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl& url) { opened.push_back(url); }

public:
    std::vector<QUrl> opened;
};

// A stored image that differs from the start-up options in every field,
// with one choice selected in each group.
Options everythingChanged() {
    Options o;
    o.dataFolders = {QStringLiteral("/運賃"), QStringLiteral("/放送")};
    o.panel = {.AutoSeiriNum = 0, .SeiriNumColorOff = 0x010203, .SeiriNumColorOn1 = 0x040506,
               .SeiriNumColorOn2 = 0x070809, .SeiriNumStyle = 11, .SeiriNumZeroPad = 1,
               .PanelAuto = 0, .PanelIndividual = -1, .PanelOffBuiltin = 0, .PanelOffUser = -1,
               .PanelOn1Builtin = 0, .PanelOn1User = -1, .PanelOn2Builtin = -1, .PanelOn2User = 0,
               .PanelOffFile = QStringLiteral("/off.bmp"), .PanelOn1File = QStringLiteral("/on1.gif"),
               .PanelOn2File = QStringLiteral("/on2.jpg")};
    o.degit = {0x111111, 0x222222, 0x333333, 1, 7, 1, 1, 6, 1, 5, 1, 149, 4};
    o.chimei = {0x444444, 0x555555, 4, 1};
    o.sound = {.RouteSetSound = QStringLiteral("/a.wav"), .ResetSound = QStringLiteral("/b.mp3"),
               .StepSoundAlways = 0, .StepSoundByColumn = -1, .StepSoundSync = -1, .StepSoundAsync = 0,
               .StepSound = QStringLiteral("/c.mid"), .StepSoundColumn = 99, .StepSound1 = QStringLiteral("/d"),
               .StepSound2 = QStringLiteral("/e"), .StepSound3 = QStringLiteral("/f"), .TapeSoundAlways = 0,
               .TapeSoundByFlag = -1, .TapeSoundSync = 0, .TapeSoundAsync = -1, .TapeSound = QStringLiteral("/g"),
               .TapeSound1 = QStringLiteral("/h"), .TapeSound2 = QStringLiteral("/i"),
               .TapeSound3 = QStringLiteral("/j")};
    o.seiriken = {1, QString(), 0, 0, -1, QStringLiteral("2010/01/05")};
    return o;
}

TEST_F(OptionDialogTest, CreationFillsTheListsAndShowsTheFirstPages) {
    ASSERT_EQ(dialog.Combo2->count(), 12);
    EXPECT_EQ(dialog.Combo2->itemText(0), QStringLiteral("1,2,3... 8 （既定の表示）"));
    EXPECT_EQ(dialog.Combo2->itemText(1), QStringLiteral("0,1,2... 7"));
    EXPECT_EQ(dialog.Combo2->itemText(7), QStringLiteral("「券なし」、2,3... 8"));
    EXPECT_EQ(dialog.Combo2->itemText(10), QStringLiteral("(無地)、1,2... 7"));
    EXPECT_EQ(dialog.Combo2->currentIndex(), 0);
    for (int i = 0; i < 4; ++i) {
        ASSERT_EQ(dialog.Combo4[i]->count(), 8) << i;
        EXPECT_EQ(dialog.Combo4[i]->itemText(7), QStringLiteral("8"));
        EXPECT_EQ(dialog.Combo4[i]->currentIndex(), 0);
    }
    for (QComboBox* columns : {dialog.Combo1, dialog.Combo4[4]}) {
        ASSERT_EQ(columns->count(), 150);
        EXPECT_EQ(columns->itemText(149), QStringLiteral("150"));
        EXPECT_EQ(columns->currentIndex(), 0);
    }
    EXPECT_EQ(dialog.Combo3->count(), 5);
    EXPECT_EQ(dialog.Combo3->currentIndex(), -1);
    EXPECT_EQ(dialog.Label10->text(), QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd")));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("オプション"));

    dialog.show();
    EXPECT_EQ(dialog.pages->currentWidget(), dialog.Frame1[0]);
    EXPECT_EQ(dialog.soundPages->currentWidget(), dialog.Frame2[1]);
    EXPECT_FALSE(dialog.Option1[3]->isEnabled());
    for (QWidget* frame : dialog.Frame6) EXPECT_FALSE(frame->isVisible());
    EXPECT_FALSE(dialog.Frame10->isVisible());
    EXPECT_FALSE(dialog.Frame7->isVisible());
    // The model set-up's captions, as the user first sees them.
    EXPECT_EQ(dialog.Check1->checkState(), Qt::Checked);
    EXPECT_TRUE(dialog.Frame3->isEnabled());
    EXPECT_EQ(dialog.Command5[0]->colour(), state.options.SeiriNumColorOff());

    dialog.Option1[4]->click();
    EXPECT_EQ(dialog.pages->currentWidget(), dialog.Frame1[4]);
    dialog.Option5[0]->click();
    EXPECT_EQ(dialog.soundPages->currentWidget(), dialog.Frame2[0]);
    dialog.hide();
    dialog.show();
    EXPECT_EQ(dialog.pages->currentWidget(), dialog.Frame1[4]);
    EXPECT_EQ(dialog.soundPages->currentWidget(), dialog.Frame2[0]);
}

// The user's controls of a page (not the parts inside a list or a combo box).
std::vector<QWidget*> controlsOf(QWidget* page) {
    std::vector<QWidget*> controls;
    for (QWidget* w : page->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                             qobject_cast<QComboBox*>(w) || qobject_cast<QLabel*>(w) ||
                             qobject_cast<QAbstractScrollArea*>(w);
        bool inner = false;
        for (QWidget* up = w->parentWidget(); up && up != page; up = up->parentWidget())
            inner = inner || qobject_cast<QAbstractScrollArea*>(up) || qobject_cast<QComboBox*>(up);
        if (control && !inner && w->isVisibleTo(page)) controls.push_back(w);
    }
    return controls;
}

// How many characters the last line of a wrapping label holds, laid out at its width.
int lastLineLength(const QLabel* label) {
    QTextLayout text(label->text(), label->font());
    text.beginLayout();
    int length = 0;
    for (QTextLine line = text.createLine(); line.isValid(); line = text.createLine()) {
        line.setLineWidth(label->contentsRect().width());
        length = line.textLength();
    }
    text.endLayout();
    return length;
}

TEST_F(OptionDialogTest, EveryControlOfEveryPageHasItsRoomAtTheFixedSize) {
    // The fullest state of each page: user pictures, ticket numbers, the preview with a plug-in.
    dialog.show();
    dialog.Option3[1]->click();
    dialog.chkUseSeiriPrev->click();
    ASSERT_EQ(dialog.SetOptionInfo([&] {
        Options o = state.options;
        o.seiriken.SeirikenPlugin = QStringLiteral(SAMPLE_PLUGINS_DIR "/hoshimizaka.4SP");
        return o;
    }()), 0);
    EXPECT_EQ(dialog.size(), QSize(636, 374));
    for (int i = 0; i < 6; ++i) {
        // The stop-name page cannot be shown on this model.
        if (!dialog.Option1[i]->isEnabled()) continue;
        dialog.Option1[i]->click();
        QApplication::processEvents();
        QWidget* page = dialog.Frame1[i];
        const std::vector<QWidget*> controls = controlsOf(page);
        const auto inPageOf = [page](QWidget* w) { return QRect(w->mapTo(page, QPoint(0, 0)), w->size()); };
        for (QWidget* a : controls)
            for (QWidget* b : controls)
                if (a < b && !a->isAncestorOf(b) && !b->isAncestorOf(a))
                    EXPECT_FALSE(inPageOf(a).intersects(inPageOf(b)))
                        << "page " << i << ": " << a->metaObject()->className() << " \""
                        << a->property("text").toString().toStdString() << "\" overlaps " << b->metaObject()->className()
                        << " \"" << b->property("text").toString().toStdString() << "\"";
        for (QWidget* control : controls) {
            const QString name = QStringLiteral("page %1: %2 \"%3\"")
                                     .arg(i)
                                     .arg(QString::fromLatin1(control->metaObject()->className()))
                                     .arg(control->accessibleName().isEmpty() ? control->property("text").toString()
                                                                              : control->accessibleName());
            const QRect inPage(control->mapTo(page, QPoint(0, 0)), control->size());
            EXPECT_TRUE(page->rect().contains(inPage)) << name.toStdString();
            EXPECT_TRUE(control->parentWidget()->rect().contains(control->geometry())) << name.toStdString();
            auto* label = qobject_cast<QLabel*>(control);
            if (label && label->wordWrap()) {
                EXPECT_GE(label->height(), label->heightForWidth(label->width())) << name.toStdString();
                // No line of a note holds only its last word ("い。").
                if (!Qt::mightBeRichText(label->text()))
                    EXPECT_GT(lastLineLength(label), 2) << name.toStdString();
            } else {
                // A control given a size of its own keeps it; the others at least their minimum.
                const QSize own = control->minimumSize(), hint = control->minimumSizeHint();
                EXPECT_GE(control->width(), own.width() > 0 ? own.width() : hint.width()) << name.toStdString();
                EXPECT_GE(control->height(), own.height() > 0 ? own.height() : hint.height()) << name.toStdString();
            }
        }
    }
    // The demo plug-in's ten capability lines are read without scrolling.
    EXPECT_EQ(dialog.List1->count(), 10);
    EXPECT_EQ(dialog.List1->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(dialog.List1->horizontalScrollBar()->maximum(), 0);

    // Page captions break where their full-width spaces stand: two lines each.
    for (int i : {0, 5}) {
        auto* caption = dialog.Option1[i]->findChild<QLabel*>();
        const int height = caption->heightForWidth(caption->width()), line = caption->fontMetrics().lineSpacing();
        EXPECT_TRUE(height > line * 3 / 2 && height < line * 5 / 2) << i << ": " << height;
    }
}

TEST_F(OptionDialogTest, DependentWidgetsFollowTheirCheckBoxesAndChoices) {
    dialog.show();
    dialog.Option1[1]->click();
    dialog.Check1->click();
    EXPECT_FALSE(dialog.Frame3->isEnabled());
    dialog.Check1->click();
    EXPECT_TRUE(dialog.Frame3->isEnabled());

    dialog.Option3[1]->click();
    for (QWidget* frame : dialog.Frame6) EXPECT_TRUE(frame->isVisible() && frame->isEnabled());
    dialog.Option3[6]->click();
    for (QWidget* frame : dialog.Frame6) EXPECT_TRUE(frame->isVisible());
    dialog.Option3[0]->click();
    for (QWidget* frame : dialog.Frame6) EXPECT_FALSE(frame->isVisible() || frame->isEnabled());

    dialog.Check3[0]->click();
    dialog.Combo4[0]->setCurrentIndex(5);
    dialog.Check3[4]->click();
    EXPECT_TRUE(dialog.Combo4[0]->isEnabled() && dialog.Check3[4]->isEnabled());
    dialog.Check3[0]->click();
    EXPECT_FALSE(dialog.Combo4[0]->isEnabled() || dialog.Check3[4]->isEnabled());
    EXPECT_EQ(dialog.Combo4[0]->currentIndex(), 5);
    EXPECT_EQ(dialog.Check3[4]->checkState(), Qt::Checked);
    dialog.Check3[3]->click();
    EXPECT_TRUE(dialog.Combo4[3]->isEnabled() && dialog.Combo4[4]->isEnabled());
    EXPECT_FALSE(dialog.Combo4[1]->isEnabled() || dialog.Combo4[2]->isEnabled());
    dialog.Check3[1]->click();
    dialog.Check3[2]->click();
    EXPECT_TRUE(dialog.Combo4[1]->isEnabled() && dialog.Combo4[2]->isEnabled());

    dialog.Option1[5]->click();
    dialog.chkUseSeiriPrev->click();
    EXPECT_TRUE(dialog.Frame10->isVisible() && dialog.Frame7->isVisible() && dialog.Frame10->isEnabled());
    dialog.chkUseSeiriPrev->click();
    EXPECT_FALSE(dialog.Frame10->isVisible() || dialog.Frame7->isVisible());
}

TEST_F(OptionDialogTest, EveryWidgetWritesItsOptionAtOnce) {
    dialog.show();
    dialog.chkUseSeiriPrev->click();
    EXPECT_EQ(state.options.UseSeirikenPreview(), 1);
    dialog.Text2[1]->setText(QStringLiteral("/放送"));
    EXPECT_EQ(state.options.TapeDataDir(), QStringLiteral("/放送"));
    dialog.Option2[1]->click();
    EXPECT_EQ(state.options.StepSoundByColumn(), -1);
    EXPECT_EQ(state.options.StepSoundAlways(), 0);
    dialog.Combo1->setCurrentIndex(41);
    EXPECT_EQ(state.options.StepSoundColumn(), 41);
    dialog.Check4->click();
    EXPECT_EQ(state.options.ChimeiFontBold(), 1);
    dialog.Option4[2]->click();
    EXPECT_EQ(state.options.DateFixed(), -1);
    EXPECT_EQ(state.options.DateAtPrint(), 0);

    ModalDriver chooseColour([](QDialog* chooser) {
        qobject_cast<QColorDialog*>(chooser)->setCurrentColor(QColor(0x12, 0x34, 0x56));
        chooser->accept();
    });
    dialog.Command8[2]->click();
    EXPECT_EQ(state.options.DegitLitColor(), 0x563412u);
    EXPECT_EQ(dialog.M_Degit1->DegitForeColor(), 0x563412u);
}

TEST_F(OptionDialogTest, CancelledChoosersChangeNothing) {
    dialog.show();
    dialog.chkUseSeiriPrev->click();
    dialog.Text2[0]->setText(QStringLiteral("/kept"));
    {
        ModalDriver cancel([](QDialog* chooser) { chooser->reject(); });
        dialog.Command3[0]->click();
    }
    EXPECT_EQ(state.options.FareDataDir(), QStringLiteral("/kept"));
    {
        ModalDriver cancel([](QDialog* chooser) { chooser->reject(); });
        dialog.Command5[1]->click();
    }
    EXPECT_EQ(dialog.Command5[1]->colour(), state.options.SeiriNumColorOn1());
    const QString date = dialog.Label10->text();
    {
        ModalDriver cancel([](QDialog* chooser) { chooser->reject(); });
        dialog.Command7->click();
    }
    EXPECT_EQ(dialog.Label10->text(), date);
}

TEST_F(OptionDialogTest, ChoosersFillTheirWidgets) {
    dialog.show();
    dialog.chkUseSeiriPrev->click();
    QTemporaryDir dir;
    const QString sound = dir.filePath(QStringLiteral("チャイム.wav"));
    QFile(sound).open(QIODevice::WriteOnly);
    {
        ModalDriver choose([&](QDialog* chooser) {
            EXPECT_EQ(chooser->windowTitle(), QStringLiteral("サウンドの選択"));
            chooseFile(chooser, sound);
        });
        dialog.cmdSelectSound[9]->click();
    }
    EXPECT_EQ(state.options.StepSound2(), sound);
    {
        ModalDriver choose([&](QDialog* chooser) {
            EXPECT_EQ(chooser->windowTitle(), QStringLiteral("フォルダーを選択してください"));
            chooseFile(chooser, dir.path());
        });
        dialog.Command3[1]->click();
    }
    EXPECT_EQ(state.options.TapeDataDir(), dir.path());
    {
        // Again: it opens in the folder the box names.
        ModalDriver cancel([&](QDialog* chooser) {
            EXPECT_EQ(static_cast<QFileDialog*>(chooser)->directory(), QDir(dir.path()));
            chooser->reject();
        });
        dialog.Command3[1]->click();
    }
    {
        ModalDriver choose([](QDialog* chooser) {
            chooser->findChild<QCalendarWidget*>()->setSelectedDate(QDate(2010, 1, 5));
            chooser->accept();
        });
        dialog.Command7->click();
    }
    EXPECT_EQ(dialog.Label10->text(), QStringLiteral("2010/01/05"));
    EXPECT_EQ(state.options.FixedDate(), QStringLiteral("2010/01/05"));

    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    dialog.Command10[1]->click();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(catcher.opened.size(), 1u);
    EXPECT_EQ(catcher.opened[0].toLocalFile(), dir.path());
}

TEST_F(OptionDialogTest, PluginChooserLoadsTheCapabilitiesOrKeepsThePreviousPlugin) {
    const QString plugin = QStringLiteral(SAMPLE_PLUGINS_DIR "/hoshimizaka.4SP");
    dialog.show();
    dialog.chkUseSeiriPrev->click();
    panel.Combo1->addItem(QStringLiteral("old"));
    {
        ModalDriver choose([&](QDialog* chooser) {
            EXPECT_EQ(chooser->windowTitle(), QStringLiteral("プラグインの選択"));
            chooseFile(chooser, plugin);
        });
        dialog.Command1->click();
    }
    EXPECT_EQ(state.options.SeirikenPlugin(), plugin);
    EXPECT_GT(dialog.List1->count(), 5);
    EXPECT_FALSE(dialog.txtPlginComment->toPlainText().isEmpty());
    EXPECT_GT(panel.Combo1->count(), 0);
    EXPECT_NE(panel.Combo1->itemText(0), QStringLiteral("old"));
    // The panel's preview takes the ticket's size (3300 x 1740 twips); the
    // route entry's separator keeps its own.
    const QSize separator = panel.Picture1->size();
    EXPECT_EQ(panel.picSeirikenPrev->size(), QSize(220, 116));
    EXPECT_EQ(panel.picSeirikenPrev->image().size(), QSize(220, 116));
    EXPECT_EQ(panel.Picture1->size(), separator);

    QTemporaryDir dir;
    const QString bogus = dir.filePath(QStringLiteral("bogus.4SP"));
    QFile file(bogus);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a plug-in");
    file.close();
    const int lines = dialog.List1->count();
    {
        ModalDriver choose([&](QDialog* chooser) {
            // It opens where the plug-in in use lies.
            EXPECT_EQ(static_cast<QFileDialog*>(chooser)->directory(), QFileInfo(plugin).dir());
            chooseFile(chooser, bogus);
        });
        dialog.Command1->click();
    }
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, QStringLiteral("指定したファイルはプラグインでないか、内容が不正です"));
    EXPECT_EQ(messages.messages[0].title, QStringLiteral("プラグインロードエラー"));
    EXPECT_EQ(messages.messages[0].icon, Message::Icon::Critical);
    EXPECT_EQ(state.options.SeirikenPlugin(), plugin);
    EXPECT_EQ(dialog.List1->count(), lines);
    EXPECT_EQ(panel.Combo1->count(), 0);

    dialog.Command11->click();
    EXPECT_TRUE(state.options.SeirikenPlugin().isEmpty());
    EXPECT_EQ(dialog.List1->count(), 0);
    EXPECT_TRUE(dialog.txtPlginComment->toPlainText().isEmpty());
}

TEST_F(OptionDialogTest, SetThenGetReproducesEveryRecordAndDependantsFollow) {
    const Options stored = everythingChanged();
    ASSERT_EQ(dialog.SetOptionInfo(stored), 0);
    Options back;
    dialog.GetOptionInfo(back);
    EXPECT_EQ(back.dataFolders, stored.dataFolders);
    EXPECT_EQ(back.panel, stored.panel);
    EXPECT_EQ(back.degit, stored.degit);
    EXPECT_EQ(back.chimei, stored.chimei);
    EXPECT_EQ(back.sound, stored.sound);
    EXPECT_EQ(back.seiriken, stored.seiriken);
    EXPECT_EQ(state.options.sound, stored.sound);

    dialog.show();
    EXPECT_FALSE(dialog.Frame3->isEnabled());
    for (QWidget* frame : dialog.Frame6) EXPECT_TRUE(frame->isEnabled());
    for (QComboBox* list : dialog.Combo4) EXPECT_TRUE(list->isEnabled());
    EXPECT_TRUE(dialog.Frame7->isEnabled());
    EXPECT_EQ(dialog.M_Degit1->BackColor(), 0x111111u);
    EXPECT_EQ(dialog.M_Degit1->BaseForeColor(), 0x222222u);
    EXPECT_EQ(dialog.Label10->text(), QStringLiteral("2010/01/05"));
}

TEST_F(OptionDialogTest, StoredGroupWithNoChoiceLoadsWithNoChoice) {
    Options stored;
    stored.panel.PanelAuto = 0;
    stored.panel.PanelIndividual = 0;
    stored.sound.TapeSoundSync = 0;
    stored.sound.TapeSoundAsync = 0;
    ASSERT_EQ(dialog.SetOptionInfo(stored), 0);
    EXPECT_FALSE(dialog.Option3[0]->isChecked() || dialog.Option3[1]->isChecked());
    EXPECT_FALSE(dialog.Option7[0]->isChecked() || dialog.Option7[1]->isChecked());
    EXPECT_EQ(state.options.PanelAuto(), 0);
    EXPECT_EQ(state.options.PanelIndividual(), 0);
    EXPECT_EQ(state.options.TapeSoundSync(), 0);
    // Only a selection runs the image frames' rule, so they stay as they were.
    for (QWidget* frame : dialog.Frame6) EXPECT_FALSE(frame->isEnabled());
    // The group still works as a group afterwards.
    dialog.Option7[1]->click();
    dialog.Option7[0]->click();
    EXPECT_FALSE(dialog.Option7[1]->isChecked());
    EXPECT_EQ(state.options.TapeSoundAsync(), 0);
}

TEST_F(OptionDialogTest, FontModeNoneReachesTheStopNameDisplayAndBadValuesStopTheLoad) {
    Options stored;
    stored.chimei.ChimeiFontMode = -1;
    stored.chimei.ChimeiBackColor = 0x123456;
    ASSERT_EQ(dialog.SetOptionInfo(stored), 0);
    dialog.SetProp();
    EXPECT_EQ(board.ChimeiCtl->FontMode(), -1);
    EXPECT_EQ(board.ChimeiCtl->BackColor(), 0x123456u);

    Options bad = everythingChanged();
    bad.panel.SeiriNumStyle = 12;
    EXPECT_EQ(dialog.SetOptionInfo(bad), runtime_error::InvalidPropertyValue);
    EXPECT_EQ(state.options.SeiriNumColorOn2(), 0x070809u);
    // The steps after the refused list are not done.
    EXPECT_EQ(state.options.SeiriNumZeroPad(), 0);
    EXPECT_TRUE(state.options.RouteSetSound().isEmpty());
}

TEST_F(OptionDialogTest, OkAndTheCloseBoxApplyTheBoardLookAndHide) {
    int shown = 0;
    panel.setOptionsDialog([&] {
        ++shown;
        dialog.exec();
    });
    ModalDriver user([&](QDialog* shownDialog) {
        EXPECT_EQ(shownDialog, &dialog);
        EXPECT_FALSE(board.isEnabled());
        EXPECT_FALSE(panel.isEnabled());
        dialog.Check1->click();
        dialog.Combo2->setCurrentIndex(1);
        // Nothing reaches the board before OK.
        EXPECT_TRUE(board.lblSeiriNum[1]->isVisibleTo(&board));
        dialog.Command4->click();
    });
    panel.Command4->click();
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(board.isEnabled() && panel.isEnabled());
    EXPECT_FALSE(board.lblSeiriNum[1]->isVisibleTo(&board));

    ModalDriver closeBox([&](QDialog*) {
        dialog.Check1->click();
        dialog.Command8[0]->setColour(0x0000FF);
        dialog.close();
    });
    panel.Command4->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(board.lblSeiriNum[1]->isVisibleTo(&board));
    EXPECT_EQ(board.Degit[3]->BackColor(), 0x0000FFu);
    EXPECT_EQ(board.TimeDegit[0]->BackColor(), 0x0000FFu);
    EXPECT_EQ(state.options.DegitBackColor(), 0x0000FFu);
}

}  // namespace

#include "OptionDialogTest.moc"
