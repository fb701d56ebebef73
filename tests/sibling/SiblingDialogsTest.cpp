#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include "tests/support/ModalDriver.h"
#include "sibling/Sibling.h"

namespace {

// Japanese names cross the library as code page 932 and must come back intact.
class SiblingFiles : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("整理券")));
        QFile file(plugin());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QString folder() const { return QDir(dir_.path()).filePath(QStringLiteral("整理券")); }
    QString plugin() const { return QDir(folder()).filePath(QStringLiteral("南町線①.4SP")); }

    QTemporaryDir dir_;
};

TEST_F(SiblingFiles, TheFileDialogTakesTheFilterPairsAndGivesThePath) {
    const QList<QPair<QString, QString>> filter = {
        {QStringLiteral("整理券プラグイン(*.4SP)"), QStringLiteral("*.4SP")},
        {QStringLiteral("ビットマップ(*.bmp)"), QStringLiteral("*.bmp")}};
    ModalDriver driver([&](QDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("プラグインの選択"));
        auto* types = child<QComboBox>(dialog, "fileTypeCombo");
        ASSERT_NE(types, nullptr);
        ASSERT_EQ(types->count(), 2);
        EXPECT_EQ(types->itemText(0), filter[0].first);
        EXPECT_EQ(types->itemText(1), filter[1].first);
        chooseFile(dialog, plugin());
    });
    EXPECT_EQ(Sibling::Zf3FileDlg(nullptr, filter, QString(), QStringLiteral("プラグインの選択")), plugin());
}

TEST(SiblingDialogs, TheDisplayFormatComesBackThroughTheReferences) {
    qint16 zeroMode = 0, shift = 0, fillZero = 0;
    ModalDriver accept([](QDialog* dialog) {
        child<QRadioButton>(dialog, "zeroMode3")->click();
        child<QSpinBox>(dialog, "shift")->setValue(2);
        child<QSpinBox>(dialog, "fillZero")->setValue(1);
        dialog->accept();
    });
    EXPECT_EQ(Sibling::Call_dlg100(nullptr, 3, zeroMode, shift, fillZero), 1);
    EXPECT_EQ(zeroMode, 3);
    EXPECT_EQ(shift, 2);
    EXPECT_EQ(fillZero, 1);

    ModalDriver cancel([](QDialog* dialog) {
        child<QRadioButton>(dialog, "zeroMode0")->click();
        dialog->reject();
    });
    EXPECT_EQ(Sibling::Call_dlg100(nullptr, 3, zeroMode, shift, fillZero), 0);
    EXPECT_EQ(zeroMode, 3);
}

TEST(SiblingDialogs, TheInformationShowsTheJapaneseText) {
    QString shown;
    ModalDriver driver([&](QDialog* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        shown = box->text();
        dialog->accept();
    });
    Sibling::Call_dlg110(nullptr, QStringLiteral("型番：運賃表示器\r\nバージョン：2.0.1\r\n"));
    EXPECT_EQ(shown, QStringLiteral("型番：運賃表示器\nバージョン：2.0.1\n"));
}

}  // namespace
