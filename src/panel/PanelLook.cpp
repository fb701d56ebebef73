#include "panel/PanelLook.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "controls/digit/DegitLook.h"

namespace panel_look {

// Background and text colour of a control; either may be left as it is.
// Only the roles the control itself paints with are set, so children keep
// the style's colours unless they are given their own.
void colour(QWidget* control, std::optional<quint32> back, std::optional<quint32> text) {
    const bool button = qobject_cast<QPushButton*>(control) != nullptr;
    const bool list = qobject_cast<QAbstractItemView*>(control) != nullptr;
    // A check box fills with the button colour and writes in the window's text colour.
    const bool checkBox = qobject_cast<QCheckBox*>(control) != nullptr;
    QPalette palette = control->palette();
    if (back) {
        const QColor c = degit_look::color(*back);
        if (button || checkBox) palette.setColor(QPalette::Button, c);
        if (!button) palette.setColor(list ? QPalette::Base : QPalette::Window, c);
        if (!button) control->setAutoFillBackground(true);
    }
    if (text) {
        // Disabled controls keep the style's greyed text.
        const QColor c = degit_look::color(*text);
        for (auto group : {QPalette::Active, QPalette::Inactive}) {
            if (button || checkBox) palette.setColor(group, QPalette::ButtonText, c);
            if (!button) palette.setColor(group, list ? QPalette::Text : QPalette::WindowText, c);
        }
    }
    control->setPalette(palette);
}

QLabel* label(QWidget* parent, const QString& text, quint32 textColour, std::optional<quint32> back) {
    auto* l = new QLabel(text, parent);
    colour(l, back, textColour);
    return l;
}

QFrame* blackFrame(QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    colour(frame, 0x000000, 0x808080);
    return frame;
}

}  // namespace panel_look
