#include <gtest/gtest.h>

#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>

#include <array>
#include <functional>
#include <tuple>

#include "formats/Cp932.h"
#include "tests/support/ModalDriver.h"
#include "zfp4res/ZFP4Res.h"

namespace {

class Dialogs : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid() && QDir(dir.path()).mkdir(QStringLiteral("音声")));
        for (const char* name : {"a.wav", "駅前.wav"}) ASSERT_TRUE(QFile(path(name)).open(QIODevice::WriteOnly));
    }
    QString path(const char* name) const { return QDir(dir.path()).filePath(QString::fromUtf8(name)); }

    QTemporaryDir dir;
    QWidget owner;
};

// Every dialog alike: what it opens with, what the user changes, and what
// the caller gets back on OK and on cancel.
TEST_F(Dialogs, OkGivesTheUsersChoiceAndCancelLeavesTheCallersValues) {
    char out[4096];
    const auto customAt = [](int i) { return int32_t(i | 2 * i << 8 | 3 * i << 16); };
    // A name, what the user does (then OK or cancel, unless that closed the
    // dialog) and the call with what it gives back.
    using Row = std::tuple<const char*, std::function<void(QDialog*, bool ok)>, std::function<void(bool ok)>>;
    const QByteArray filter = cp932::encode(QStringLiteral("サウンド")) + '\0' + "*.WAV; *.mp3" + '\0' +
                              cp932::encode(QStringLiteral("テキスト")) + '\0' + "*.txt" + '\0' + '\0';
    const Row rows[] = {
        {"colour",
         [](QDialog* dialog, bool) {
             EXPECT_EQ(dialog->property("currentColor"), QColor(0x34, 0x56, 0x78));
             for (int i = 0; i < 16; ++i) EXPECT_EQ(QColorDialog::customColor(i), QColor(i, 2 * i, 3 * i)) << i;
             dialog->setProperty("currentColor", QColor(0x12, 0x34, 0x56));
             QColorDialog::setCustomColor(5, QColor(0xAA, 0xBB, 0xCC));
         },
         [&](bool ok) {
             int32_t color = 0x00785634, custom[17];
             for (int i = 0; i < 17; ++i) custom[i] = customAt(i);
             EXPECT_EQ(Zf3ChooseColor(&owner, &color, custom) != 0, ok);
             EXPECT_EQ(color, ok ? 0x00563412 : 0x00785634);
             // The user's custom colours stay either way; the last entry has
             // no place in the dialog.
             for (int i = 0; i < 17; ++i) EXPECT_EQ(custom[i], i == 5 ? 0x00CCBBAA : customAt(i)) << i;
         }},
        {"date",  // not a date opens at today; the day of week counts from Sunday 0
         [](QDialog* dialog, bool) {
             EXPECT_EQ(child<QWidget>(dialog, "calendar")->property("selectedDate"), QDate::currentDate());
             child<QWidget>(dialog, "calendar")->setProperty("selectedDate", QDate(2023, 12, 31));
         },
         [&](bool ok) {
             DateRecord date{2023, 2, 0, 30};
             EXPECT_EQ(Call_dlg111(&owner, &date) != 0, ok);
             EXPECT_EQ(std::tuple(date.year, date.month, date.dayOfWeek, date.day),
                       ok ? std::tuple(2023, 12, 0, 31) : std::tuple(2023, 2, 0, 30));
         }},
        {"file",
         [&](QDialog* dialog, bool ok) {
             auto* files = qobject_cast<QFileDialog*>(dialog);
             ASSERT_NE(files, nullptr);
             EXPECT_EQ(files->windowTitle(), QStringLiteral("サウンドの選択"));
             EXPECT_EQ(files->selectedFiles(), QStringList{path("a.wav")});
             // A pattern may list several globs; the list shows the descriptions alone.
             EXPECT_EQ(files->nameFilters(), QStringList({"サウンド (*.WAV *.mp3)", "テキスト (*.txt)"}));
             EXPECT_EQ(child<QComboBox>(dialog, "fileTypeCombo")->itemText(1), QStringLiteral("テキスト"));
             if (ok) chooseFile(dialog, path("駅前.wav"));
         },
         [&](bool ok) {
             const QByteArray initial = cp932::encode(path("a.wav")), title = cp932::encode(QStringLiteral("サウンドの選択"));
             EXPECT_EQ(Zf3FileDlg(&owner, 0, filter.constData(), initial.constData(), title.constData(), out, sizeof out) != 0, ok);
             EXPECT_EQ(cp932::decode(out), ok ? path("駅前.wav") : QString());
         }},
        {"folder",
         [&](QDialog* dialog, bool) {
             EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Data"));
             qobject_cast<QFileDialog*>(dialog)->setDirectory(path("音声"));
         },
         [&](bool ok) {
             EXPECT_EQ(Zf3FolderDlg(&owner, "Data", out, sizeof out) != 0, ok);
             EXPECT_EQ(cp932::decode(out), ok ? path("音声") : QString());
         }},
    };
    for (const auto& [name, drive, call] : rows)
        for (const bool ok : {true, false}) {
            SCOPED_TRACE(std::string(name) + (ok ? ", OK" : ", cancel"));
            ModalDriver driver([&](QDialog* dialog) {
                EXPECT_EQ(dialog->parentWidget(), &owner);
                drive(dialog, ok);
                if (dialog->isVisible()) ok ? dialog->accept() : dialog->reject();
            });
            call(ok);
        }
}

TEST_F(Dialogs, TheDisplayFormatFitsTheDigitCount) {
    // Shift 0..keta-1 and zero fill 0..keta, keta kept within 1..15, zero
    // mode 0..3: values beyond them are shown clamped, and so given back.
    const std::array<int16_t, 7> cases[] = {{3, 0, 9, 9, 0, 2, 3},  {15, 2, 5, 9, 2, 5, 9},  {0, 0, 9, 9, 0, 0, 1},
                                            {-4, 1, 1, 1, 1, 0, 1}, {99, 3, 99, 99, 3, 14, 15}, {4, 7, -2, 12, 3, 0, 4},
                                            {4, -1, 2, -3, 0, 2, 0}};  // keta, given, given back
    for (const auto& c : cases) {
        ModalDriver driver([](QDialog* dialog) { dialog->accept(); });
        std::array<int16_t, 3> values = {c[1], c[2], c[3]};
        EXPECT_EQ(Call_dlg100(nullptr, c[0], &values[0], &values[1], &values[2]), 1);
        EXPECT_EQ(values, (std::array<int16_t, 3>{c[4], c[5], c[6]})) << "keta " << c[0];
    }
}

// How many pixels of a sample row are lit, and where.
using Lit = std::pair<int, QRect>;

Lit lit(QWidget* widget) {
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    Lit result;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == qRgb(248, 210, 114)) ++result.first, result.second |= QRect(x, y, 1, 1);
    return result;
}

TEST_F(Dialogs, TheDisplayFormatSampleFollowsTheEdits) {
    int16_t zeroMode = 1, shift = 0, fillZero = 0;
    ModalDriver driver([](QDialog* dialog) {
        QWidget* rows[4];  // 5, 0, -1 and an empty value
        for (int i = 0; i < 4; ++i)
            ASSERT_NE(rows[i] = child<QWidget>(dialog, ("sampleRow" + std::to_string(i)).c_str()), nullptr);
        const Lit zero = lit(rows[1]);  // zero mode 1 shows 0 as a lit 0
        // What each row shows: nothing ('-'), that same 0 ('0') or something else ('x').
        for (const auto& [button, shows] : {std::pair("zeroMode0", "x-x-"), std::pair("zeroMode1", "x0x0"),
                                            std::pair("zeroMode2", "x-0-"), std::pair("zeroMode3", "x000")}) {
            child<QWidget>(dialog, button)->setProperty("checked", true);
            for (int i = 0; i < 4; ++i) {
                const Lit l = lit(rows[i]);
                EXPECT_EQ(l.first == 0 ? '-' : l == zero ? '0' : 'x', shows[i]) << button << ", row " << i;
            }
        }
        // Zero fill makes 5 into 005, ending where 5 did; the shift moves 5 left.
        const Lit five = lit(rows[0]);
        child<QWidget>(dialog, "fillZero")->setProperty("value", 3);
        const Lit filled = lit(rows[0]);
        EXPECT_TRUE(filled.first > five.first && filled.second.left() < five.second.left());
        EXPECT_EQ(filled.second.right(), five.second.right());
        child<QWidget>(dialog, "fillZero")->setProperty("value", 0);
        child<QWidget>(dialog, "shift")->setProperty("value", 2);
        const Lit shifted = lit(rows[0]);
        EXPECT_TRUE(shifted.first == five.first && shifted.second.right() < five.second.left());
        dialog->reject();
    });
    // Cancelled: the edits are not given back.
    EXPECT_EQ(Call_dlg100(&owner, 4, &zeroMode, &shift, &fillZero), 0);
    EXPECT_EQ(std::tuple(zeroMode, shift, fillZero), std::tuple(1, 0, 0));
}

}  // namespace
