#include "panel/CaptionButton.h"

#include <QPainter>
#include <QStyleOptionButton>

CaptionButton::CaptionButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setFocusPolicy(Qt::TabFocus);
}

void CaptionButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    // A toggle that is in must look in at a glance, not only a shade darker.
    if (isChecked()) option.palette.setColor(QPalette::Button, palette().color(QPalette::Button).darker(135));
    style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
    painter.setFont(font());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    const int shift = isDown() || isChecked() ? 1 : 0;
    painter.drawText(rect().adjusted(2 + shift, 2 + shift, -2 + shift, -2 + shift),
                     Qt::AlignCenter | Qt::TextWrapAnywhere, text());
}
