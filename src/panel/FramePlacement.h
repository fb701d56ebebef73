#pragma once

#include <QObject>
#include <QPoint>

#include <functional>

class QWidget;

// Places a top-level window by its frame. Until the window manager has framed
// a shown window, a move places its client area and the frame's size is
// unknown, so the placement is made again once the window is framed.
class FramePlacement : public QObject {
public:
    explicit FramePlacement(QWidget& window);

    // The frame's top-left corner at `corner`.
    void moveTo(const QPoint& corner);
    // The frame in the bottom-right corner of the screen's available area.
    void moveToBottomRight();
    // Nothing of the window on any screen: back to the bottom-right corner.
    void keepOnScreen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place(std::function<void()> placement);
    void placeAtCorner();

    QWidget& window_;
    std::function<void()> pending_;
};
