#include "options/OptionWidgets.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "controls/digit/DegitLook.h"
#include "formats/RuntimeError.h"

ColourButton::ColourButton(quint32 colour, QWidget* parent) : QPushButton(parent) {
    setColour(colour);
}

void ColourButton::setColour(quint32 colour) {
    colour_ = colour;
    // A style sheet is the one way every Qt style paints a button's face in a given colour.
    setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid #404040;")
                      .arg(degit_look::color(colour).name()));
    emit colourChanged(colour);
}

namespace option_widgets {

namespace {

// Stored check states: 0 unchecked, 1 checked, 2 greyed.
qint16 storedCheck(Qt::CheckState state) {
    return state == Qt::Checked ? 1 : state == Qt::PartiallyChecked ? 2 : 0;
}

}  // namespace

std::function<void()> bind(QCheckBox* box, qint16& option) {
    auto write = [box, &option] { option = storedCheck(box->checkState()); };
    QObject::connect(box, &QCheckBox::stateChanged, box, write);
    return write;
}

int assign(QCheckBox* box, qint16 value) {
    if (value < 0 || value > 2) return runtime_error::InvalidPropertyValue;
    if (value == 2) box->setTristate(true);
    box->setCheckState(value == 0 ? Qt::Unchecked : value == 1 ? Qt::Checked : Qt::PartiallyChecked);
    return 0;
}

std::function<void()> bind(QRadioButton* choice, qint16& option) {
    auto write = [choice, &option] { option = choice->isChecked() ? -1 : 0; };
    QObject::connect(choice, &QRadioButton::toggled, choice, write);
    return write;
}

int assign(QRadioButton* choice, qint16 value) {
    if (value != 0) {
        choice->setChecked(true);
        return 0;
    }
    if (!choice->isChecked()) return 0;
    // An exclusive group keeps one choice selected; a stored group may have none.
    QButtonGroup* group = choice->group();
    const bool autoExclusive = choice->autoExclusive();
    if (group) group->setExclusive(false);
    choice->setAutoExclusive(false);
    choice->setChecked(false);
    choice->setAutoExclusive(autoExclusive);
    if (group) group->setExclusive(true);
    return 0;
}

std::function<void()> bind(QComboBox* list, qint16& option) {
    auto write = [list, &option] { option = qint16(list->currentIndex()); };
    QObject::connect(list, &QComboBox::currentIndexChanged, list, write);
    return write;
}

int assign(QComboBox* list, qint16 value) {
    if (value < -1 || value >= list->count()) return runtime_error::InvalidPropertyValue;
    list->setCurrentIndex(value);
    return 0;
}

std::function<void()> bind(QLineEdit* text, QString& option) {
    auto write = [text, &option] { option = text->text(); };
    QObject::connect(text, &QLineEdit::textChanged, text, write);
    return write;
}

int assign(QLineEdit* text, const QString& value) {
    text->setText(value);
    return 0;
}

std::function<void()> bind(ColourButton* button, quint32& option) {
    auto write = [button, &option] { option = button->colour(); };
    QObject::connect(button, &ColourButton::colourChanged, button, write);
    return write;
}

int assign(ColourButton* button, quint32 value) {
    button->setColour(value);
    return 0;
}

}  // namespace option_widgets
