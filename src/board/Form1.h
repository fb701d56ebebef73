#pragma once

#include <QPixmap>
#include <QPoint>
#include <QWidget>

#include <array>
#include <functional>

#include "BoardOptions.h"
#include "ChimeiCtl_B.h"
#include "MessageReporter.h"

class M_Degit;
class M_DegitEmNB;
class QLabel;
class QTime;
class QTimer;
struct SharedState;

// The board's view of the operation panel, which is built on top of the board.
class OperationPanel {
public:
    virtual ~OperationPanel() = default;
    virtual QWidget* panelWindow() = 0;
    // The backlight state chosen on the panel; None when no state is chosen.
    virtual Backlight selectedBacklight() const = 0;
    // The panel's controls that only concern the stop-name display.
    virtual void setStopNameControlsEnabled(bool enabled) = 0;
    virtual void moveToBottomRight() = 0;
};

// The fare board: a borderless window with rounded corners showing, on a
// picture of the board's face, eight fare displays with the ticket numbers
// above them. It is also the program's start-up window.
class Form1 : public QWidget {
    Q_OBJECT

public:
    Form1(SharedState& state, MessageReporter& messages);

    // The controls, by the names and indexes the rest of the program uses.
    std::array<M_DegitEmNB*, 9> Degit{};
    std::array<QLabel*, 9> lblSeiriNum{};
    std::array<M_Degit*, 2> TimeDegit{};
    ChimeiCtl_B* ChimeiCtl = nullptr;
    QTimer* Timer1 = nullptr;
    std::array<QPixmap, 3> imgRes;

    // The background picture, drawn unscaled from the top-left corner.
    const QPixmap& Picture() const { return picture_; }
    void setPicture(const QPixmap& picture);

    // The start-up sequence; the window is shown after it.
    void Form_Load();

    // The window position to and from the saved record, in twips.
    void GetFormInfo();
    void SetFormInfo();
    // Shutdown hook: the window owns its outline, so there is nothing to release.
    void DeleteRgn() {}

    // What the clock shows at each tick: hours and minutes as numbers.
    void showClockTime(const QTime& time);

    // The window disabled while a display's format dialog is open.
    void setOperationPanel(QWidget* panel) { operationPanel_ = panel; }
    // The operation panel, which the start-up also shows and places.
    void attachPanel(OperationPanel* panel) {
        panel_ = panel;
        operationPanel_ = panel ? panel->panelWindow() : nullptr;
    }
    OperationPanel* operationPanel() const { return panel_; }
    // The settings load, the last step of the start-up; plugged in by the program.
    void setSettingsLoader(std::function<void()> load) { loadSettings_ = std::move(load); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void createControls();
    void Degit_DblClick(int index);
    void Timer1_Timer();
    // The rounded outline: a 28 x 28 pixel corner ellipse.
    void shapeWindow();

    SharedState& state_;
    MessageReporter& messages_;
    QPixmap picture_;
    QWidget* operationPanel_ = nullptr;
    OperationPanel* panel_ = nullptr;
    std::function<void()> loadSettings_;
    // Moving by hand where the window system cannot move the window itself.
    bool dragging_ = false;
    QPoint dragOffset_;
};
