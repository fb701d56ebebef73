#pragma once

#include <QPixmap>
#include <QPoint>
#include <QWidget>

#include <array>
#include <utility>
#include <vector>

#include "board/BoardOptions.h"
#include "board/BoardZoom.h"
#include "controls/digit/format/DigitValue.h"
#include "formats/SettingsFile.h"
#include "controls/stopname/ChimeiCtl_B.h"

class M_Degit;
class M_DegitEmNB;
class Options;
struct OptDegit;
class QActionGroup;
class QLabel;
class QMenu;
class QScreen;
class QTime;
class QTimer;
struct SharedState;

// The fare board: a borderless window with rounded corners showing, on a
// picture of the board's face, eight fare displays with the ticket numbers
// above them. Its right button's menu zooms it and keeps it in front.
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(SharedState& state);

    // The model's start-up set-up (its option values, its displays and faces),
    // with the captions in the colour of the panel's backlight state.
    void setupModel(Backlight backlight);
    // The start-up place: the top-left corner, with the rounded outline, at
    // the zoom and in front as board.ini remembers.
    void placeAtStart();

    // How large the board is shown: every display, caption and the face
    // drawn afresh at the size. The menu sets these and remembers them.
    void setZoom(BoardZoom zoom);
    BoardZoom zoom() const { return view_.zoom; }
    void setAlwaysOnTop(bool onTop);
    bool alwaysOnTop() const { return view_.onTop; }

    // What the panel shows on the board.
    void showFare(int display, const DigitValue& value);
    // Every fare display unlit, or every segment lit (the lamp test).
    void resetFares(bool lit);
    void showStopName(const QString& name);
    void setStopNameScroll(qint16 speed, qint32 startWait);
    // Display off: fares, stop name and clock blank, the clock stopped.
    void blank();
    // Back on: the clock runs again where the model shows it.
    void resumeClock();
    void showBuiltinFace(int index);
    void setPicture(const QPixmap& picture);
    void setCaptionColor(quint32 colour);

    // What the options and the settings set: the look the options give the
    // captions and displays, the stop-name display's colours and lettering,
    // and each fare display's format.
    void applyOptions(const Options& options, Backlight backlight);
    void setStopNameColors(quint32 back, quint32 fore);
    void setStopNameLettering(qint16 fontMode, bool bold);
    DegitSetting fareFormat(int display) const;
    // A stored format and the options' colours, the display left blank.
    void restoreFareFormat(int display, const DegitSetting& format, const OptDegit& colors);
    void applyClockColors(const OptDegit& colors);
    // Labels the eight ticket-number positions in label style `style` (the
    // index of the options' style list, -1 for none); `zeroPad` writes
    // one-digit numbers with a leading zero.
    void setTicketCaptions(qint16 style, qint16 zeroPad);

    // What the board shows, read back.
    const M_DegitEmNB& fareDisplay(int display) const { return *Degit[display]; }
    const QLabel& caption(int position) const { return *lblSeiriNum[position]; }
    const M_Degit& clock(int index) const { return *TimeDegit[index]; }
    const ChimeiCtl_B& stopNameDisplay() const { return *ChimeiCtl; }
    const QPixmap& face(int index) const { return imgRes[index]; }
    // The background picture as set, drawn from the face's top-left corner
    // at the zoom: a user's picture smoothly scaled, the built-in face redrawn.
    const QPixmap& Picture() const { return picture_; }

    // The window position to and from the saved record, in twips; a board
    // fitted to its screen keeps the place it returns to.
    void GetFormInfo();
    void SetFormInfo();

    // What the clock shows at each tick: hours and minutes as numbers.
    void showClockTime(const QTime& time);

signals:
    // A display's format dialog opens (true) and closes (false); the other
    // windows stay disabled meanwhile.
    void formatDialogOpen(bool open);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void createControls();
    void Degit_DblClick(int index);
    void Timer1_Timer();
    // The rounded outline: a 28 x 28 pixel corner ellipse at 100 %; none
    // when fitted, the screen around the board being black.
    void shapeWindow();
    void createMenu();
    // A control at its designed rectangle (pixels at 100 %), kept for zooming.
    void place(QWidget* control, const QRect& designed);
    void setCaptionFont(int position, const QFont& designed);
    // Lays the board out at view_.zoom; `screen` is the one a fitted board fills.
    void applyZoom(QScreen* screen);
    void scalePicture();
    void rememberView();

    std::array<M_DegitEmNB*, 9> Degit{};
    std::array<QLabel*, 9> lblSeiriNum{};
    std::array<M_Degit*, 2> TimeDegit{};
    ChimeiCtl_B* ChimeiCtl = nullptr;
    QTimer* Timer1 = nullptr;
    std::array<QPixmap, 3> imgRes;
    std::vector<std::pair<QWidget*, QRect>> designed_;
    std::array<QFont, 9> captionFonts_;
    QMenu* menu_ = nullptr;
    QActionGroup* zoomItems_ = nullptr;
    QAction* onTopItem_ = nullptr;

    SharedState& state_;
    QPixmap picture_;
    QPixmap shownPicture_;  // picture_ at the zoom
    BoardView view_;
    qreal factor_ = 1.0;
    QRect faceRect_;        // where the face lies in the window
    QPoint normalPos_;      // the place of a board not fitted to its screen
    // Moving by hand where the window system cannot move the window itself.
    bool dragging_ = false;
    QPoint dragOffset_;
};
