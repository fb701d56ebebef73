#include "MessageBoxReporter.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace {

QMessageBox::Icon toBoxIcon(Message::Icon icon) {
    switch (icon) {
    case Message::Icon::Information: return QMessageBox::Information;
    case Message::Icon::Warning: return QMessageBox::Warning;
    case Message::Icon::Critical: return QMessageBox::Critical;
    case Message::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void MessageBoxReporter::report(const Message& message) {
    const QString title = message.title.isEmpty() ? QGuiApplication::applicationDisplayName() : message.title;
    QMessageBox box(toBoxIcon(message.icon), title, message.text, QMessageBox::Ok, parent_);
    box.exec();
}
