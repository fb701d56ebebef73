#pragma once

#include <QPushButton>
#include <QString>
#include <QtGlobal>

#include <functional>

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

}  // namespace option_widgets
