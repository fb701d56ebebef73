#pragma once

#include "platform/MessageReporter.h"

class QWidget;

// Shows each message as a modal box with an OK button, each question with Yes and No.
class MessageBoxReporter : public MessageReporter {
public:
    explicit MessageBoxReporter(QWidget* parent = nullptr) : parent_(parent) {}
    void report(const Message& message) override;
    bool ask(const Message& question) override;

private:
    QWidget* parent_;
};
