#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

#include "app/MessageBoxReporter.h"
#include "tests/support/ModalDriver.h"
#include "platform/QtJapanese.h"

// Qt's own buttons speak Japanese once the program's start-up loaded the
// translation: the panel's close confirmation reads はい / いいえ.
TEST(QtJapanese, TheCloseConfirmationAsksWithJapaneseButtons) {
    ASSERT_TRUE(qt_japanese::install(*QCoreApplication::instance()));
    QStringList captions;
    ModalDriver answer([&](QDialog* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* button : box->buttons()) captions << button->text().remove(u'&');
        box->button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(MessageBoxReporter().ask({QStringLiteral("ハルカゼを終了しますか？"), QStringLiteral("ハルカゼの終了確認"),
                                           Message::Icon::Question}));
    captions.sort();
    EXPECT_EQ(captions, QStringList({QStringLiteral("いいえ(N)"), QStringLiteral("はい(Y)")}));
}
