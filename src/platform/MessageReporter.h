#pragma once

#include <QString>

#include <utility>

// Every message the program shows to the user goes through this seam: a modal
// message box in the program, a recorder in tests.
struct Message {
    enum class Icon { None, Information, Warning, Critical, Question };

    Message(QString text, QString title = {}, Icon icon = Icon::None)
        : text(std::move(text)), title(std::move(title)), icon(icon) {}

    QString text;
    // Empty means the program's own title.
    QString title;
    Icon icon;
};

class MessageReporter {
public:
    virtual ~MessageReporter() = default;
    virtual void report(const Message& message) = 0;
    // A question with Yes and No buttons; true for Yes. A reporter that cannot
    // ask shows the question and takes No, so nothing irreversible follows.
    virtual bool ask(const Message& question) {
        report(question);
        return false;
    }
};
