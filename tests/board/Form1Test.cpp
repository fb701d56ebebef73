#include <gtest/gtest.h>

#include <QtWidgets>

#include "board/BoardFace.h"
#include "board/BoardZoom.h"
#include "board/Form1.h"
#include "controls/digit/M_Degit.h"
#include "controls/digit/M_DegitEmNB.h"
#include "tests/support/ModalDriver.h"
#include "board/SharedState.h"
#include "platform/Twips.h"

namespace {

class Form1Test : public ::testing::Test {
protected:
    void SetUp() override {
        // board.ini in a configuration folder of the test's own.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        board.setupModel(Backlight::Off);
        board.placeAtStart();
        for (int i = 1; i <= 8; ++i) board.showFare(i, DigitValue::number(100 * i));
    }
    static std::array<qint16, 3> formatOf(const DegitBase& d) { return {d.ZeroMode(), d.Shift(), d.FillZero()}; }
    // A fare display as the user reaches it on the board.
    M_DegitEmNB& display(int i) { return *board.findChildren<M_DegitEmNB*>(Qt::FindDirectChildrenOnly).at(i); }
    QColor captionColour(int i) const { return board.caption(i).palette().color(QPalette::WindowText); }

    QTemporaryDir config;
    SharedState state;
    Form1 board{state};
};

TEST_F(Form1Test, TheBuiltInFaceIsARoundedPlateWithItsWindowsAndCaptionBandsUnderTheControls) {
    const QImage face = drawBuiltinBoardFace().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(face.size(), QSize(429, 234));
    const QColor plate(231, 231, 231), window(102, 102, 102);
    EXPECT_TRUE(face.pixelColor(200, 50) == plate && face.pixelColor(214, 222) == plate);
    // The window's rounded cut leaves the corners out; the edge inside it is darker than the plate.
    for (const QPoint p : {QPoint(0, 0), QPoint(428, 0), QPoint(0, 233), QPoint(428, 233), QPoint(2, 2), QPoint(1, 117), QPoint(427, 117),
                           QPoint(214, 1), QPoint(214, 232)})
        EXPECT_EQ(face.pixelColor(p).alpha(), p.x() == 1 || p.x() == 427 || p.x() == 214 ? 255 : 0) << p.x() << "," << p.y();
    // Red lettering only in the notice strip left of the clock; white 整理券 beside the upper
    // captions and a large character beside each row of displays, none on the grid.
    int red = 0, strayRed = 0, onGrid = 0, white[3] = {};
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x) {
            const QColor c = face.pixelColor(x, y);
            const bool isWhite = c.alpha() == 255 && qMin(qMin(c.red(), c.green()), c.blue()) >= 240;
            (x < 366 && y < 60 ? red : strayRed) += c.alpha() == 255 && c.red() >= 180 && c.green() <= 60 && c.blue() <= 60;
            if (x < 106 && y >= 70 && y < 206) white[y < 91 ? 0 : y < 136 ? 1 : 2] += isWhite;
            onGrid += isWhite && QRect(107, 64, 300, 143).contains(x, y);
        }
    EXPECT_TRUE(red >= 200 && strayRed == 0 && onGrid == 0 && white[0] >= 60 && white[1] >= 200 && white[2] >= 200)
        << red << " " << strayRed << " " << onGrid << " " << white[0] << " " << white[1] << " " << white[2];
    for (int i = 1; i <= 8; ++i) {
        const QRect display = board.fareDisplay(i).geometry(), caption = board.caption(i).geometry();
        // Corners, centre and the ends of the middle lines; just outside, the window has ended.
        for (const QRect& r : {display, caption})
            for (const QPoint p : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight(), r.center(),
                                   QPoint(r.center().x(), r.top()), QPoint(r.left(), r.center().y())})
                EXPECT_EQ(face.pixelColor(p), r == display ? window : QColor(Qt::black)) << i << (r == display ? "" : " caption");
        EXPECT_TRUE(face.pixelColor(display.topLeft() - QPoint(1, 1)) != window && face.pixelColor(display.bottomRight() + QPoint(1, 1)) != window);
    }
}

TEST_F(Form1Test, StartUpShowsTheModelsCaptionsDigitColoursAndFaceAndThePositionIsKeptInTwips) {
    for (int i = 1; i <= 8; ++i) {
        EXPECT_TRUE(board.caption(i).isVisibleTo(&board) && captionColour(i) == QColor(Qt::white)) << i;
        EXPECT_EQ(board.caption(i).text(), QString(QChar(u'０' + i)));
        EXPECT_EQ((std::array{board.fareDisplay(i).BackColor(), board.fareDisplay(i).BaseForeColor(), board.fareDisplay(i).DegitForeColor(),
                              quint32(board.fareDisplay(i).DegitStyle())}),
                  (std::array{0x808080u, 0x969696u, 0x72D2F8u, 1u})) << i;
    }
    EXPECT_EQ(board.clock(1).DegitForeColor(), 0x72D2F8u);
    EXPECT_TRUE(state.NoChimei && !board.stopNameDisplay().isVisibleTo(&board) && board.size() == QSize(429, 234));
    EXPECT_TRUE(board.Picture().toImage() == board.face(0).toImage() && board.face(2).toImage() == board.face(0).toImage());
    // Captions in the colour of the backlight chosen, black without one.
    for (const auto& [backlight, colour] : {std::pair{Backlight::On1, QColor(192, 255, 192)}, {Backlight::On2, QColor(255, 192, 128)},
                                            {Backlight::None, QColor(Qt::black)}}) {
        board.applyOptions(state.options, backlight);
        EXPECT_EQ(captionColour(8), colour) << int(backlight);
    }
    // Applied as stored, even off the screen.
    state.formInfo = {-30000, 90000};
    board.SetFormInfo();
    EXPECT_EQ(board.pos(), QPoint(-2000, 6000));
    board.move(17, 4);
    board.GetFormInfo();
    EXPECT_EQ(QPoint(state.formInfo.FormLeft, state.formInfo.FormTop), QPoint(255, 60));
    board.showClockTime(QTime(9, 5, 59));
    EXPECT_TRUE(board.clock(0).Value() == DigitValue::number(9) && board.clock(1).Value() == DigitValue::number(5));
}

TEST_F(Form1Test, AnAcceptedFormatDialogFormatsAllEightDisplaysOfAUserSetOne) {
    std::vector<bool> open;  // what the other windows are told
    QObject::connect(&board, &Form1::formatDialogOpen, [&](bool isOpen) { open.push_back(isOpen); });
    ModalDriver driver([&](QDialog* dialog) {
        EXPECT_EQ(open, std::vector{true});
        child<QRadioButton>(dialog, "zeroMode3")->click();
        child<QSpinBox>(dialog, "shift")->setValue(1);
        child<QSpinBox>(dialog, "fillZero")->setValue(2);
        dialog->accept();
    });
    emit display(6).DblClick();
    EXPECT_EQ(open, (std::vector{true, false}));
    for (int j = 1; j <= 8; ++j) {
        EXPECT_EQ(formatOf(board.fareDisplay(j)), (std::array<qint16, 3>{3, 1, 2})) << j;
        EXPECT_EQ(board.fareDisplay(j).Value(), DigitValue::number(100 * j)) << "the value is kept";
    }
    // A display that is not user-set opens nothing.
    display(4).setUserSet(false);
    display(4).setFormatDialog([](QWidget*, qint16, qint16&, qint16&, qint16&) { return ADD_FAILURE(), 0; });
    emit display(4).DblClick();
    EXPECT_EQ(open.size(), 2u);
}

TEST_F(Form1Test, EachCaptionStyleLabelsTheEightPositionsInItsFace) {
    // In order: a style that writes no number keeps what the one before wrote.
    const struct { int style, zeroPad; const char* captions; bool wordFace; } rows[] = {
        {0, 0, "１,２,３,４,５,６,７,８", false},        {0, 1, "０１,０２,０３,０４,０５,０６,０７,０８", false},
        {1, 1, "００,０１,０２,０３,０４,０５,０６,０７", false}, {1, 0, "０,１,２,３,４,５,６,７", false},
        {2, 1, "な し,０１,０２,０３,０４,０５,０６,０７", true}, {3, 0, "な し,２,３,４,５,６,７,８", true},
        {4, 0, "無 券,１,２,３,４,５,６,７", true},       {5, 1, "無 券,０２,０３,０４,０５,０６,０７,０８", true},
        {6, 0, "券なし,１,２,３,４,５,６,７", true},      {7, 0, "券なし,２,３,４,５,６,７,８", true},
        {8, 0, "券無し,１,２,３,４,５,６,７", true},      {9, 0, "券無し,２,３,４,５,６,７,８", true},
        {10, 0, ",１,２,３,４,５,６,７", true},          {11, 0, ",２,３,４,５,６,７,８", true},
        {-1, 1, ",２,３,４,５,６,７,８", false},         {12, 1, ",２,３,４,５,６,７,８", true}};
    for (const auto& row : rows) {
        board.setTicketCaptions(qint16(row.style), qint16(row.zeroPad));
        QStringList captions;
        for (int i = 1; i <= 8; ++i) captions << board.caption(i).text();
        const QFont first = board.caption(1).font();
        EXPECT_EQ((captions.join(u',') + u' ' + first.family() + QString::number(first.pixelSize())).toStdString(),
                  row.captions + std::string(row.wordFace ? " ＭＳ Ｐゴシック" : " M_NumP1") +
                      std::to_string(twips::pointsToPixels(row.wordFace ? 13 : 16)))
            << "style " << row.style << " zero pad " << row.zeroPad;
    }
}

TEST_F(Form1Test, AtTwiceTheZoomEachFaresLitSegmentsLieAtTwiceTheirPlaceAndSizeAndStaySharp) {
    std::array<QRect, 9> designed;
    for (int i = 1; i <= 8; ++i) designed[i] = board.fareDisplay(i).geometry();
    // Per display: the box of the pixels nearer the lit amber than the grey, and
    // the count of the part-lit pixels at the segments' edges.
    const auto lit = [&](qreal factor) {
        const QImage image = board.grab().toImage();
        std::array<std::pair<QRect, int>, 9> found{};
        for (int i = 1; i <= 8; ++i) {
            const QRect area = zoomed(designed[i], factor).adjusted(-6, -6, 6, 6);
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x) {
                    const int amber = qRed(image.pixel(x, y)) - qBlue(image.pixel(x, y));  // lit 134, unlit and background 0
                    if (amber > 67) found[i].first |= QRect(x, y, 1, 1);
                    found[i].second += amber > 12 && amber < 122;
                }
        }
        return found;
    };
    const auto atOne = lit(1.0);
    board.setZoom(BoardZoom::level(200));
    EXPECT_EQ(board.size(), QSize(858, 468));
    const auto atTwo = lit(2.0);
    for (int i = 1; i <= 8; ++i) {
        const QRect one = atOne[i].first, two = atTwo[i].first;
        ASSERT_GT(one.width(), 30) << i;
        for (const auto& [edge, twice] : {std::pair{two.left(), 2 * one.left()}, {two.top(), 2 * one.top()},
                                          {two.right() + 1, 2 * (one.right() + 1)}, {two.bottom() + 1, 2 * (one.bottom() + 1)}})
            EXPECT_LE(qAbs(edge - twice), 1) << i << ": " << qPrintable(QDebug::toString(one)) << " " << qPrintable(QDebug::toString(two));
        // Drawn afresh, the edges stay thin (about 2.8 times as many part-lit pixels);
        // a picture stretched twice as large has 4 times as many (8 smoothed).
        EXPECT_TRUE(atTwo[i].second > atOne[i].second && 2 * atTwo[i].second < 7 * atOne[i].second) << atOne[i].second << " " << atTwo[i].second;
    }
}

TEST_F(Form1Test, TheRightButtonsMenuZoomsTheBoardKeepsItInFrontAndBoardIniRemembersIt) {
    QMenu* menu = board.findChild<QMenu*>();
    ASSERT_TRUE(menu);
    const auto items = [&] {
        QStringList shown;
        for (QAction* item : menu->actions()) shown << item->text() + (item->isChecked() ? "*" : "");
        return shown.join(u',').toStdString();
    };
    const auto choose = [&](const char* text) {
        for (QAction* item : menu->actions()) if (item->text() == QString::fromUtf8(text)) item->trigger();
    };
    // The right button on the background, where the left one drags: the menu, no move.
    const QPoint at(20, 20), to(60, 50);
    QMouseEvent press(QEvent::MouseButtonPress, at, board.mapToGlobal(at), Qt::RightButton, Qt::RightButton, {});
    QMouseEvent drag(QEvent::MouseMove, to, board.mapToGlobal(to), Qt::NoButton, Qt::RightButton, {});
    QContextMenuEvent open(QContextMenuEvent::Mouse, at, board.mapToGlobal(at));
    for (QEvent* event : std::initializer_list<QEvent*>{&press, &drag, &open}) QApplication::sendEvent(&board, event);
    EXPECT_TRUE(menu->isVisible() && board.pos() == QPoint(0, 0));
    menu->hide();
    EXPECT_EQ(items(), "表示倍率,100%*,150%,200%,300%,400%,画面に合わせる,,常に手前に表示");

    choose("300%");
    EXPECT_TRUE(board.size() == QSize(1287, 702) && board.mask().boundingRect() == board.rect());
    board.move(30, 40);
    choose("画面に合わせる");
    choose("常に手前に表示");
    EXPECT_EQ(items(), "表示倍率,100%,150%,200%,300%,400%,画面に合わせる*,,常に手前に表示*");
    // The face fills the screen's width, centred between black bands, the displays in their places on it.
    const QRect screen = board.screen()->geometry();
    const QImage shown = board.grab().toImage();
    int top = 0;
    while (top < screen.height() && shown.pixel(screen.width() / 2, top) == qRgb(0, 0, 0)) ++top;
    EXPECT_TRUE(board.geometry() == screen && qAbs(screen.height() - 2 * top - 234.0 * screen.width() / 429) <= 2) << top;
    EXPECT_EQ(board.fareDisplay(1).geometry(), zoomed(QRect(110, 96, 65, 34), screen.width() / 429.0, {0, top}));
    EXPECT_TRUE(board.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    board.GetFormInfo();
    EXPECT_EQ(QPoint(state.formInfo.FormLeft, state.formInfo.FormTop), QPoint(450, 600)) << "the place it returns to";
    choose("150%");
    EXPECT_EQ(board.geometry(), QRect(30, 40, 644, 351));

    // board.ini is read at the next start; a value it does not know reads as 100 %.
    EXPECT_TRUE(BoardView::defaultFile().startsWith(config.path()));
    Form1 next(state);
    next.placeAtStart();
    EXPECT_TRUE(next.zoom() == BoardZoom::level(150) && next.alwaysOnTop() && next.size() == QSize(644, 351));
    QSettings(BoardView::defaultFile(), QSettings::IniFormat).setValue("board/zoom", "250");
    EXPECT_TRUE(BoardView::load(BoardView::defaultFile()) == (BoardView{BoardZoom::level(100), true}));
}

TEST(BoardZoom, AFittedBoardKeepsItsAspectCentredOnItsScreen) {
    EXPECT_EQ(BoardZoom::fitted().faceRect({1920, 0, 1920, 1080}), QRect(0, 16, 1920, 1047));
    EXPECT_EQ(BoardZoom::fitted().faceRect({0, 0, 800, 1200}), QRect(0, 382, 800, 436));
    EXPECT_EQ(BoardZoom::fitted().faceRect({0, 0, 3000, 1170}), QRect(427, 0, 2145, 1170));
}

}  // namespace
