#pragma once

#include "MessageReporter.h"

class QWidget;

// Shows each message as a modal box with an OK button.
class MessageBoxReporter : public MessageReporter {
public:
    explicit MessageBoxReporter(QWidget* parent = nullptr) : parent_(parent) {}
    void report(const Message& message) override;

private:
    QWidget* parent_;
};
