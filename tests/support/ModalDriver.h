#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include <functional>

// Plays the user of the next modal dialog: once the dialog is shown, `drive`
// sets its widgets and accepts or rejects it. Create it right before the
// call that opens the dialog.
class ModalDriver {
public:
    explicit ModalDriver(std::function<void(QDialog*)> drive) : drive_(std::move(drive)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(10);
    }
    ~ModalDriver() { EXPECT_TRUE(ran_) << "no modal dialog was shown"; }

    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

private:
    void poll() {
        QPointer<QDialog> dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        timer_.stop();
        ran_ = true;
        drive_(dialog);
        // A failed assertion leaves `drive` early; close the dialog so the
        // test reports instead of hanging.
        if (dialog && dialog->isVisible()) {
            ADD_FAILURE() << "the dialog was left open";
            dialog->reject();
        }
    }

    std::function<void(QDialog*)> drive_;
    QTimer timer_;
    bool ran_ = false;
};

// The child of `dialog` named `name`; fails the test when there is none.
template <typename T>
T* child(QDialog* dialog, const char* name) {
    T* widget = dialog->findChild<T*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// Chooses `path` in a file dialog as a user who types it does, and accepts.
// Selecting it alone races with the dialog's listing of the folder, which
// runs in the background and may clear the selection when it ends; typing it
// alone races with a file the dialog opened on, which the listing selects.
inline void chooseFile(QDialog* dialog, const QString& path) {
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    if (auto* files = qobject_cast<QFileDialog*>(dialog)) files->selectFile(path);
    QElapsedTimer waited;
    waited.start();
    while (dialog->isVisible() && waited.elapsed() < 3000) {
        name->setText(path);
        dialog->accept();
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}
