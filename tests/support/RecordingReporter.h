#pragma once

#include <vector>

#include "MessageReporter.h"

// Keeps every message instead of showing it.
class RecordingReporter : public MessageReporter {
public:
    void report(const Message& message) override { messages.push_back(message); }
    std::vector<Message> messages;
};
