#pragma once

#include <QString>

// Every message the program shows to the user goes through this seam: a modal
// message box in the program, a recorder in tests.
struct Message {
    enum class Icon { None, Information, Warning, Critical };

    QString text;
    // Empty means the program's own title.
    QString title;
    Icon icon = Icon::None;
};

class MessageReporter {
public:
    virtual ~MessageReporter() = default;
    virtual void report(const Message& message) = 0;
};
