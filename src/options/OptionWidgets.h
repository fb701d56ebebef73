#pragma once

#include <QPushButton>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <type_traits>

#include "formats/Options.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

// A push button without caption whose background is the colour it holds.
class ColourButton : public QPushButton {
    Q_OBJECT

public:
    explicit ColourButton(quint32 colour, QWidget* parent = nullptr);

    quint32 colour() const { return colour_; }
    void setColour(quint32 colour);

signals:
    void colourChanged(quint32 colour);

private:
    quint32 colour_ = 0;
};

// Each option widget writes its option at every change, so readers of the
// options always see what the dialog shows; bind returns that writer, so the
// dialog can also write every option again after options were set from
// outside it. The assignments set a widget the
// way a stored value does and return the runtime error of a value the widget
// cannot take (the widget then stays as it was).
namespace option_widgets {

// Check boxes hold 0, 1 or 2 (greyed).
std::function<void()> bind(QCheckBox* box, qint16& option);
int assign(QCheckBox* box, qint16 value);

// A choice holds -1 when selected, 0 when not. Deselecting the selected
// choice of a group leaves the group without a selection.
std::function<void()> bind(QRadioButton* choice, qint16& option);
int assign(QRadioButton* choice, qint16 value);

// A list holds the selected index, -1 for none.
std::function<void()> bind(QComboBox* list, qint16& option);
int assign(QComboBox* list, qint16 value);

std::function<void()> bind(QLineEdit* text, QString& option);
int assign(QLineEdit* text, const QString& value);

std::function<void()> bind(ColourButton* button, quint32& option);
int assign(ColourButton* button, quint32 value);

// One option and its widget: writes the option from the widget, and sets the
// widget from a stored image. The panel part (data folders and panel options)
// is assigned before the backlight is applied again, the rest after it.
struct OptionLink {
    std::function<void()> write;
    std::function<int(const Options&)> assign;
    bool panelPart;
};

template <class Widget, class Record, class Field>
OptionLink link(Widget* widget, Options& live, Record Options::*record, Field Record::*field) {
    return {bind(widget, live.*record.*field),
            [widget, record, field](const Options& from) { return assign(widget, from.*record.*field); },
            std::is_same_v<Record, OptDataFolders> || std::is_same_v<Record, OptPanel>};
}

}  // namespace option_widgets
