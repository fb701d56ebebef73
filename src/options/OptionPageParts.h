#pragma once

#include <QString>

#include <array>
#include <initializer_list>

class QAbstractButton;
class QBoxLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QObject;
class QPushButton;
class QRadioButton;
class QWidget;

// The small parts the options dialog's pages are built from.
namespace option_page {

QLabel* wrappingLabel(const QString& text, QWidget* parent);

// The remarks ("※…") in small print, as the pages have room for.
QLabel* noteLabel(const QString& text, QWidget* parent);

// A page button's caption breaks where its full-width spaces stand:
// "運賃データと　放送用データ" is two lines (a line too long for the face
// still wraps).
QString pageButtonLines(const QString& caption);

QPushButton* ellipsisButton(QWidget* parent);

QLineEdit* textBox(QWidget* parent);

// Choices too long for one line carry their caption in a wrapping label that
// selects the choice when clicked.
QRadioButton* longChoice(const QString& caption, QWidget* parent, QBoxLayout* layout);

// Push buttons that stay pressed, one of them at a time.
void makePageButtons(QAbstractButton* const* buttons, int count, QObject* owner);

// Choices of which one at a time is selected.
void groupChoices(std::initializer_list<QRadioButton*> choices, QObject* owner);

// The frame choosing whether a sound plays to its end before what follows.
QGroupBox* playMethodFrame(std::array<QRadioButton*, 2>& choices, const QString& sync, const QString& async,
                           QWidget* parent);

}  // namespace option_page
