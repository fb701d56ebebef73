#include <gtest/gtest.h>

#include <QtWidgets>

#include "controls/digit/M_Degit.h"
#include "tests/support/ModalDriver.h"
#include "options/OptionWidgets.h"
#include "tests/support/ProgramFixture.h"
#include "formats/RuntimeError.h"
#include "options/frmOption.h"

namespace {

using namespace Qt::StringLiterals;

class OptionDialogTest : public PanelTest {
protected:
    frmOption& dialog = program.options;
};

// A widget's value in the form its option stores.
QString stored(const QCheckBox* w) { return QString::number(std::array{0, 2, 1}[w->checkState()]); }
QString stored(const QRadioButton* w) { return QString::number(w->isChecked() ? -1 : 0); }
QString stored(const QComboBox* w) { return QString::number(w->currentIndex()); }
QString stored(const QLineEdit* w) { return w->text(); }
QString stored(const QLabel* w) { return w->text(); }
QString stored(const ColourButton* w) { return QString::number(w->colour()); }

// An options image's fields as text, in their stored order.
QStringList fieldsOf(const Options& o) {
    QStringList fields;
    const auto add = [&fields](const auto& field) { fields << QVariant(field).toString(); };
    std::apply([&](const auto&... record) { (std::decay_t<decltype(record)>::forEachField(record, add), ...); },
               std::tie(o.dataFolders, o.panel, o.degit, o.chimei, o.sound, o.seiriken));
    return fields;
}

// Two stored images that differ from the start-up options in every field and
// from each other in the check boxes (each pair of the values 0, 1, 2 once) and
// the choices, with distinct values in the other fields, so that a widget that
// shows or writes another field's option is caught.
Options storedImage(bool second) {
    const auto v = [second](int first, int then) { return qint16(second ? then : first); };
    const qint16 a = v(0, -1), b = v(-1, 0);
    Options o;
    o.dataFolders = {"/運賃", "/放送"};
    o.panel = {0, 0x010203, 0x040506, 0x070809, 11, v(0, 1), 0, -1, b, a, 0, -1, a, b, "/off.bmp", "/on1.gif", "/on2.jpg"};
    o.degit = {0x111111, 0x222222, 0x333333, v(0, 2), 7, v(1, 0), 1, 6, v(1, 2), 5, v(2, 0), 149, 4};
    o.chimei = {0x444444, 0x555555, v(3, -1), v(2, 1)};
    o.sound = {"/a.wav", "/b.mp3", a, b, -1, 0, "/c.mid", 99, "/d", "/e", "/f", b, a, 0, -1, "/g", "/h", "/i", "/j"};
    o.seiriken = {2, "/p.4SP", 0, a, b, "2010/01/05"};
    return o;
}

TEST_F(OptionDialogTest, StoredOptionsShowInTheirWidgetsAndComeBackUnchanged) {
    for (const bool second : {false, true}) {
        SCOPED_TRACE(second ? "second image" : "first image");
        const Options o = storedImage(second);
        ASSERT_EQ(dialog.SetOptionInfo(o), 0);
        Options back;
        dialog.GetOptionInfo(back);
        // Each option's widget, in the stored order.
#define W(widget) {#widget, stored(dialog.widget)}
        const std::vector<std::pair<const char*, QString>> widgets = {
            W(Text2[0]), W(Text2[1]), W(Check1), W(Command5[0]), W(Command5[1]), W(Command5[2]), W(Combo2), W(Check2),
            W(Option3[0]), W(Option3[1]), W(Option3[7]), W(Option3[6]), W(Option3[3]), W(Option3[2]), W(Option3[4]), W(Option3[5]),
            W(txtSelectPanel[0]), W(txtSelectPanel[1]), W(txtSelectPanel[2]), W(Command8[0]), W(Command8[1]), W(Command8[2]),
            W(Check3[0]), W(Combo4[0]), W(Check3[4]), W(Check3[1]), W(Combo4[1]), W(Check3[2]), W(Combo4[2]), W(Check3[3]),
            W(Combo4[4]), W(Combo4[3]), W(Command9[0]), W(Command9[1]), W(Combo3), W(Check4), W(txtSelectSound[0]),
            W(txtSelectSound[1]), W(Option2[0]), W(Option2[1]), W(Option6[0]), W(Option6[1]), W(txtSelectSound[7]), W(Combo1),
            W(txtSelectSound[8]), W(txtSelectSound[9]), W(txtSelectSound[10]), W(Option2[2]), W(Option2[3]), W(Option7[0]),
            W(Option7[1]), W(txtSelectSound[3]), W(txtSelectSound[4]), W(txtSelectSound[5]), W(txtSelectSound[6]),
            W(chkUseSeiriPrev), W(txtSeiriPlgDir), W(Option4[0]), W(Option4[1]), W(Option4[2]), W(Label10)};
#undef W
        const QStringList fields = fieldsOf(o), read = fieldsOf(back);
        ASSERT_EQ(widgets.size(), size_t(fields.size()));
        for (qsizetype i = 0; i < fields.size(); ++i) {
            EXPECT_EQ(widgets[i].second.toStdString(), fields[i].toStdString()) << widgets[i].first << " shows";
            EXPECT_EQ(read[i].toStdString(), fields[i].toStdString()) << widgets[i].first << " gives back";
        }
        dialog.SetProp();
        EXPECT_TRUE(board.stopNameDisplay().FontMode() == o.ChimeiFontMode() && board.stopNameDisplay().BackColor() == o.ChimeiBackColor());
    }
}

TEST_F(OptionDialogTest, AStoredGroupMayHaveNoChoiceAndAListRefusesAnIndexItDoesNotHold) {
    Options stored;
    stored.panel.PanelAuto = stored.panel.PanelIndividual = stored.sound.TapeSoundSync = stored.sound.TapeSoundAsync = 0;
    ASSERT_EQ(dialog.SetOptionInfo(stored), 0);
    EXPECT_FALSE(dialog.Option3[0]->isChecked() || dialog.Option3[1]->isChecked() || dialog.Option7[0]->isChecked());
    EXPECT_EQ(state.options.PanelAuto() + state.options.PanelIndividual() + state.options.TapeSoundSync(), 0);
    EXPECT_FALSE(dialog.Frame6[0]->isEnabled()) << "only a selection runs the image frames' rule";
    dialog.Option7[1]->click();
    dialog.Option7[0]->click();
    EXPECT_TRUE(!dialog.Option7[1]->isChecked() && state.options.TapeSoundAsync() == 0) << "a group again";
    stored.panel.SeiriNumStyle = 12;
    EXPECT_EQ(dialog.SetOptionInfo(stored), runtime_error::InvalidPropertyValue) << "a list refuses what it does not hold";
}

TEST_F(OptionDialogTest, ShowingShowsTheLiveOptionsAndEachWidgetWritesItsOptionAtOnceAndRulesItsDependants) {
    EXPECT_EQ(dialog.Label10->text(), QDate::currentDate().toString(u"yyyy/MM/dd"));
    // What the panel or the model set-up changed while the dialog was hidden.
    state.options.panel.SeiriNumColorOff = 0x123456;
    dialog.show();
    EXPECT_EQ(dialog.Command5[0]->colour(), 0x123456u);
    EXPECT_FALSE(dialog.Option1[3]->isEnabled()) << "no stop-name display on this model";
    Options& o = state.options;
    const std::vector<std::tuple<QCheckBox*, qint16*, std::vector<QWidget*>>> rules = {
        {dialog.Check1, &o.panel.AutoSeiriNum, {dialog.Frame3}},
        {dialog.Check3[0], &o.degit.ShowStopOrder, {dialog.Combo4[0], dialog.Check3[4]}},
        {dialog.Check3[1], &o.degit.ShowSeiriNum, {dialog.Combo4[1]}},
        {dialog.Check3[2], &o.degit.ShowRouteNum, {dialog.Combo4[2]}},
        {dialog.Check3[3], &o.degit.ShowDataColumn, {dialog.Combo4[3], dialog.Combo4[4]}},
        {dialog.chkUseSeiriPrev, &o.seiriken.UseSeirikenPreview, {dialog.Frame10, dialog.Frame7}}};
    for (const auto& [box, option, dependants] : rules)
        for (int click = 0; click < 2; ++click) {
            box->click();
            EXPECT_EQ(*option, box->isChecked() ? 1 : 0) << box->text().toStdString();
            for (QWidget* w : dependants) EXPECT_EQ(w->isEnabled() && !w->isHidden(), box->isChecked()) << box->text().toStdString();
        }
    for (QRadioButton* choice : {dialog.Option3[1], dialog.Option3[6], dialog.Option3[0]}) {
        choice->click();
        EXPECT_EQ(o.PanelAuto(), choice == dialog.Option3[0] ? -1 : 0);
        for (QWidget* frame : dialog.Frame6)
            EXPECT_EQ(frame->isEnabled() && !frame->isHidden(), choice != dialog.Option3[0]) << choice->text().toStdString();
    }
    dialog.Combo1->setCurrentIndex(41);
    EXPECT_EQ(o.StepSoundColumn(), 41);
    ModalDriver chooseColour([](QDialog* chooser) {
        qobject_cast<QColorDialog*>(chooser)->setCurrentColor(QColor(0x12, 0x34, 0x56));
        chooser->accept();
    });
    dialog.Command8[2]->click();
    EXPECT_TRUE(o.DegitLitColor() == 0x563412u && dialog.M_Degit1->DegitForeColor() == 0x563412u) << "the sample display too";
}

TEST_F(OptionDialogTest, ChoosersFillTheirWidgetsACancelKeepsThemAndARefusedPluginKeepsThePreviousOne) {
    dialog.show();
    dialog.chkUseSeiriPrev->click();
    const QString chime = dir.filePath(u"チャイム.wav"_s), folder = dir.filePath(u"tape"_s), bogus = dir.filePath(u"bogus.4SP"_s);
    const QString plugin = QStringLiteral(SAMPLE_PLUGINS_DIR "/hoshimizaka.4SP");
    write(u"チャイム.wav"_s, "RIFF");
    write(u"bogus.4SP"_s, "not a plug-in");
    QDir().mkpath(folder);
    panel.Combo1->addItem(u"old"_s);
    for (const auto& [button, title, path] : {std::tuple{dialog.cmdSelectSound[9], u"サウンドの選択"_s, chime},
                                              {dialog.Command3[1], u"フォルダーを選択してください"_s, folder},
                                              {dialog.Command3[1], u"フォルダーを選択してください"_s, QString()},
                                              {dialog.Command1, u"プラグインの選択"_s, plugin}, {dialog.Command1, u"プラグインの選択"_s, bogus}}) {
        ModalDriver user([&](QDialog* chooser) {
            EXPECT_EQ(chooser->windowTitle(), title);
            // Opened again, the chooser starts where the box's folder or plug-in lies.
            const QString opensIn = path.isEmpty() ? folder : path == bogus ? QFileInfo(plugin).path() : QString();
            if (!opensIn.isEmpty()) { EXPECT_EQ(static_cast<QFileDialog*>(chooser)->directory(), QDir(opensIn)); }
            path.isEmpty() ? chooser->reject() : chooseFile(chooser, path);
        });
        button->click();
    }
    EXPECT_EQ(state.options.StepSound2() + u' ' + state.options.TapeDataDir(), chime + u' ' + folder);
    EXPECT_TRUE(state.options.SeirikenPlugin() == plugin && dialog.List1->count() == 10 && !dialog.txtPlginComment->toPlainText().isEmpty());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text + messages.messages[0].title, u"指定したファイルはプラグインでないか、内容が不正ですプラグインロードエラー"_s);
    EXPECT_TRUE(messages.messages[0].icon == Message::Icon::Critical && panel.Combo1->count() == 0) << "the companies cleared";
    // The panel's preview takes the ticket's size (3300 x 1740 twips).
    EXPECT_EQ(panel.picSeirikenPrev->image().size(), QSize(220, 116));
    dialog.Command11->click();
    EXPECT_TRUE(state.options.SeirikenPlugin().isEmpty() && dialog.txtPlginComment->toPlainText().isEmpty() && dialog.List1->count() == 0);
    for (const bool accept : {true, false}) {
        ModalDriver user([&](QDialog* chooser) {
            chooser->findChild<QCalendarWidget*>()->setSelectedDate(QDate(2010, 1, accept ? 5 : 9));
            accept ? chooser->accept() : chooser->reject();
        });
        dialog.Command7->click();
    }
    EXPECT_EQ(dialog.Label10->text() + state.options.FixedDate(), u"2010/01/052010/01/05"_s);
}

TEST_F(OptionDialogTest, OkAndTheCloseBoxApplyTheBoardLookAndHide) {
    for (const bool ok : {true, false}) {
        ModalDriver user([&](QDialog*) {
            EXPECT_FALSE(board.isEnabled() || panel.isEnabled()) << "both windows wait for the dialog";
            dialog.Check1->click();
            dialog.Command8[0]->setColour(ok ? 0x0000FF : 0x00FF00);
            EXPECT_EQ(board.caption(1).isVisibleTo(&board), ok) << "nothing reaches the board before";
            ok ? dialog.Command4->click() : (void)dialog.close();
        });
        panel.Command4->click();
        EXPECT_TRUE(!dialog.isVisible() && board.isEnabled() && panel.isEnabled() && board.caption(1).isVisibleTo(&board) == !ok &&
                    board.fareDisplay(3).BackColor() == (ok ? 0x0000FFu : 0x00FF00u));
    }
}

TEST_F(OptionDialogTest, EveryControlOfEveryPageHasItsRoomAtTheFixedSize) {
    // The fullest state of each page: user pictures, ticket numbers, the preview with a plug-in.
    Options fullest;
    fullest.panel = {.PanelAuto = 0, .PanelIndividual = -1};
    fullest.seiriken = {.UseSeirikenPreview = 1, .SeirikenPlugin = QStringLiteral(SAMPLE_PLUGINS_DIR "/hoshimizaka.4SP")};
    dialog.show();
    ASSERT_EQ(dialog.SetOptionInfo(fullest), 0);
    EXPECT_EQ(dialog.size(), QSize(636, 374));
    EXPECT_EQ(dialog.Option1[0]->findChild<QLabel*>()->text() + dialog.Option1[5]->findChild<QLabel*>()->text(),
              u"運賃データと\n放送用データ整理券\nプレビュー"_s) << "page captions break at their full-width spaces";
    for (const int i : {0, 1, 2, 4, 5}) {
        dialog.Option1[i]->click();
        QApplication::processEvents();
        QWidget* page = dialog.Frame1[i];
        // The user's controls of the page, not the parts inside a list or a combo box.
        std::vector<QWidget*> controls;
        for (QWidget* w : page->findChildren<QWidget*>()) {
            bool control = false;
            for (const char* kind : {"QAbstractButton", "QLineEdit", "QComboBox", "QLabel", "QAbstractScrollArea"}) control |= w->inherits(kind);
            for (QWidget* up = w->parentWidget(); up != page; up = up->parentWidget())
                control = control && !qobject_cast<QAbstractScrollArea*>(up) && !qobject_cast<QComboBox*>(up);
            if (control && w->isVisibleTo(page)) controls.push_back(w);
        }
        ASSERT_GE(controls.size(), 6u) << i;
        const auto inPage = [page](QWidget* w) { return QRect(w->mapTo(page, QPoint(0, 0)), w->size()); };
        const auto name = [](QWidget* w) { return (w->metaObject()->className() + w->property("text").toString() + w->accessibleName()).toStdString(); };
        for (QWidget* a : controls) {
            for (QWidget* b : controls)
                EXPECT_FALSE(a < b && !a->isAncestorOf(b) && !b->isAncestorOf(a) && inPage(a).intersects(inPage(b)))
                    << name(a) << " overlaps " << name(b);
            EXPECT_TRUE(page->rect().contains(inPage(a)) && a->parentWidget()->rect().contains(a->geometry())) << name(a);
            // A wrapped note has the height its lines need; a control given a size of its own keeps it.
            if (auto* label = qobject_cast<QLabel*>(a); label && label->wordWrap())
                EXPECT_GE(label->height(), label->heightForWidth(label->width())) << name(a);
            else
                EXPECT_TRUE(a->width() >= a->minimumWidth() && a->height() >= a->minimumHeight()) << name(a);
        }
    }
}

}  // namespace
