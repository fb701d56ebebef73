#include "panel/FramePlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <utility>

FramePlacement::FramePlacement(QWidget& window) : QObject(&window), window_(window) {}

void FramePlacement::moveTo(const QPoint& corner) {
    place([this, corner] { window_.move(corner); });
}

void FramePlacement::moveToBottomRight() {
    place([this] { placeAtCorner(); });
}

void FramePlacement::keepOnScreen() {
    const QRect outer = window_.frameGeometry();
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->geometry().intersects(outer)) return;
    moveToBottomRight();
}

void FramePlacement::place(std::function<void()> placement) {
    placement();
    const bool framed = window_.frameGeometry().size() != window_.size();
    pending_ = window_.isVisible() && !framed ? std::move(placement) : nullptr;
    if (pending_) window_.windowHandle()->installEventFilter(this);
}

void FramePlacement::placeAtCorner() {
    const QScreen* shown = window_.screen() ? window_.screen() : QGuiApplication::primaryScreen();
    if (!shown) return;
    const QRect area = shown->availableGeometry();
    const QSize outer = window_.frameGeometry().size();
    window_.move(area.right() + 1 - outer.width(), area.bottom() + 1 - outer.height());
}

bool FramePlacement::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_.windowHandle() && pending_ &&
        (event->type() == QEvent::Expose || event->type() == QEvent::Move) &&
        window_.frameGeometry().size() != window_.size())
        std::exchange(pending_, nullptr)();
    return false;
}
