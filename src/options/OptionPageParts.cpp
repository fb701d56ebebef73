#include "options/OptionPageParts.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace option_page {

namespace {

const QString kEllipsis = QStringLiteral("...");

}  // namespace

QLabel* wrappingLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

// The remarks ("※…") in small print, as the pages have room for.
QLabel* noteLabel(const QString& text, QWidget* parent) {
    QLabel* label = wrappingLabel(text, parent);
    QFont small = label->font();
    small.setPixelSize(11);
    label->setFont(small);
    return label;
}

// A page button's caption breaks where its full-width spaces stand:
// "運賃データと　放送用データ" is two lines (a line too long for the face
// still wraps).
QString pageButtonLines(const QString& caption) {
    return caption.split(QChar(0x3000), Qt::SkipEmptyParts).join(u'\n');
}

QPushButton* ellipsisButton(QWidget* parent) {
    auto* button = new QPushButton(kEllipsis, parent);
    button->setFixedSize(28, 20);
    return button;
}

QLineEdit* textBox(QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setFixedHeight(20);
    return box;
}

// Choices too long for one line carry their caption in a wrapping label that
// selects the choice when clicked.
QRadioButton* longChoice(const QString& caption, QWidget* parent, QBoxLayout* layout) {
    auto* row = new QHBoxLayout;
    auto* choice = new QRadioButton(parent);
    choice->setAccessibleName(caption);
    auto* label = new QLabel(caption, parent);
    label->setWordWrap(true);
    label->setBuddy(choice);
    QObject::connect(label, &QLabel::linkActivated, choice, &QRadioButton::click);
    label->setText(QStringLiteral("<a href=\"#\" style=\"color: black; text-decoration: none\">%1</a>")
                       .arg(caption.toHtmlEscaped()));
    label->setAccessibleName(caption);
    row->addWidget(choice, 0, Qt::AlignTop);
    row->addWidget(label, 1);
    layout->addLayout(row);
    return choice;
}

// Push buttons that stay pressed, one of them at a time.
void makePageButtons(QAbstractButton* const* buttons, int count, QObject* owner) {
    auto* group = new QButtonGroup(owner);
    for (int i = 0; i < count; ++i) {
        buttons[i]->setCheckable(true);
        group->addButton(buttons[i]);
    }
}

void groupChoices(std::initializer_list<QRadioButton*> choices, QObject* owner) {
    auto* group = new QButtonGroup(owner);
    for (QRadioButton* choice : choices) group->addButton(choice);
}

// The frame choosing whether a sound plays to its end before what follows.
QGroupBox* playMethodFrame(std::array<QRadioButton*, 2>& choices, const QString& sync, const QString& async,
                           QWidget* parent) {
    auto* frame = new QGroupBox(QStringLiteral("再生方法"), parent);
    auto* layout = new QVBoxLayout(frame);
    layout->setSpacing(0);
    layout->setContentsMargins(6, 0, 6, 0);
    choices[0] = new QRadioButton(sync, frame);
    choices[1] = new QRadioButton(async, frame);
    layout->addWidget(choices[0]);
    layout->addWidget(choices[1]);
    return frame;
}

}  // namespace option_page
