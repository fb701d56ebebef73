#pragma once

#include <vector>

#include "platform/MessageReporter.h"

// Keeps every message instead of showing it; questions are kept too and
// answered with `answer`.
class RecordingReporter : public MessageReporter {
public:
    void report(const Message& message) override { messages.push_back(message); }
    bool ask(const Message& question) override {
        questions.push_back(question);
        return answer;
    }
    std::vector<Message> messages;
    std::vector<Message> questions;
    bool answer = false;
};
