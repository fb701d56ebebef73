#pragma once

#include <QPushButton>

// A command button whose caption wraps within the button, as long captions
// on the narrow panel buttons must.
class CaptionButton : public QPushButton {
    Q_OBJECT

public:
    CaptionButton(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
