#include "app/MessageBoxReporter.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace {

QMessageBox::Icon toBoxIcon(Message::Icon icon) {
    switch (icon) {
    case Message::Icon::Information: return QMessageBox::Information;
    case Message::Icon::Warning: return QMessageBox::Warning;
    case Message::Icon::Critical: return QMessageBox::Critical;
    case Message::Icon::Question: return QMessageBox::Question;
    case Message::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QString titleOf(const Message& message) {
    return message.title.isEmpty() ? QGuiApplication::applicationDisplayName() : message.title;
}

}  // namespace

void MessageBoxReporter::report(const Message& message) {
    QMessageBox box(toBoxIcon(message.icon), titleOf(message), message.text, QMessageBox::Ok, parent_);
    box.exec();
}

bool MessageBoxReporter::ask(const Message& question) {
    QMessageBox box(toBoxIcon(question.icon), titleOf(question), question.text, QMessageBox::Yes | QMessageBox::No,
                    parent_);
    return box.exec() == QMessageBox::Yes;
}
