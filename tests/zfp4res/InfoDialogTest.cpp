#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>

#include "formats/Cp932.h"
#include "tests/support/ModalDriver.h"
#include "zfp4res/ZFP4Res.h"

namespace {

TEST(Call_dlg110, ShowsTheTextLineByLineAndReturnsOnOk) {
    const QByteArray text = cp932::encode(QStringLiteral("型番：FareBoard\r\nバージョン：1.2.3\r\n\r\n"));
    QString shown;
    ModalDriver driver([&](QDialog* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        shown = box->text();
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        ASSERT_NE(box->button(QMessageBox::Ok), nullptr);
        EXPECT_EQ(box->button(QMessageBox::Ok)->text(), QStringLiteral("OK"));
        box->button(QMessageBox::Ok)->click();
    });
    Call_dlg110(nullptr, 1, text.constData());
    EXPECT_EQ(shown, QStringLiteral("型番：FareBoard\nバージョン：1.2.3\n\n"));
}

TEST(Call_dlg110, IsModalToItsOwner) {
    QWidget owner;
    owner.show();
    ModalDriver driver([&](QDialog* dialog) {
        EXPECT_EQ(dialog->parentWidget(), &owner);
        EXPECT_TRUE(dialog->isModal());
        dialog->accept();
    });
    Call_dlg110(&owner, 1, "text");
}

}  // namespace
