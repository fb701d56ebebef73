#include <gtest/gtest.h>

#include <QColorDialog>

#include <array>

#include "tests/support/ModalDriver.h"
#include "zfp4res/ZFP4Res.h"

namespace {

// A custom colour table whose entries all differ.
std::array<int32_t, 17> distinctTable() {
    std::array<int32_t, 17> table{};
    for (int i = 0; i < 17; ++i) table[i] = 0x00102030 + i * 0x00010203;
    return table;
}

TEST(Zf3ChooseColor, ConfirmingWritesTheChosenColourAsBgr) {
    int32_t color = 0x00FFFFFF;
    auto custom = distinctTable();
    ModalDriver driver([](QDialog* dialog) {
        auto* colors = qobject_cast<QColorDialog*>(dialog);
        ASSERT_NE(colors, nullptr);
        EXPECT_EQ(colors->currentColor(), QColor(255, 255, 255));
        colors->setCurrentColor(QColor(0x12, 0x34, 0x56));
        colors->accept();
    });
    EXPECT_NE(Zf3ChooseColor(nullptr, &color, custom.data()), 0);
    EXPECT_EQ(color, 0x00563412);
}

TEST(Zf3ChooseColor, StartsAtTheGivenColour) {
    int32_t color = 0x00785634;  // red 0x34, green 0x56, blue 0x78
    auto custom = distinctTable();
    ModalDriver driver([](QDialog* dialog) {
        EXPECT_EQ(qobject_cast<QColorDialog*>(dialog)->currentColor(), QColor(0x34, 0x56, 0x78));
        dialog->accept();
    });
    EXPECT_NE(Zf3ChooseColor(nullptr, &color, custom.data()), 0);
    EXPECT_EQ(color, 0x00785634);
}

TEST(Zf3ChooseColor, CustomColoursRoundTripAndTheLastEntryIsLeft) {
    int32_t color = 0;
    auto custom = distinctTable();
    custom[16] = 0x7F010203;
    const auto given = custom;
    ModalDriver driver([&](QDialog* dialog) {
        for (int i = 0; i < 16; ++i) {
            const auto v = static_cast<uint32_t>(given[i]);
            EXPECT_EQ(QColorDialog::customColor(i), QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF)) << i;
        }
        // The user adds a custom colour.
        QColorDialog::setCustomColor(5, QColor(0xAA, 0xBB, 0xCC));
        dialog->accept();
    });
    EXPECT_NE(Zf3ChooseColor(nullptr, &color, custom.data()), 0);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(custom[i], i == 5 ? 0x00CCBBAA : given[i]) << i;
    EXPECT_EQ(custom[16], 0x7F010203);
}

TEST(Zf3ChooseColor, CancellingLeavesTheColourButKeepsCustomColours) {
    int32_t color = 0x00336699;
    auto custom = distinctTable();
    ModalDriver driver([](QDialog* dialog) {
        auto* colors = qobject_cast<QColorDialog*>(dialog);
        ASSERT_NE(colors, nullptr);
        colors->setCurrentColor(QColor(1, 2, 3));
        QColorDialog::setCustomColor(0, QColor(4, 5, 6));
        colors->reject();
    });
    EXPECT_EQ(Zf3ChooseColor(nullptr, &color, custom.data()), 0);
    EXPECT_EQ(color, 0x00336699);
    EXPECT_EQ(custom[0], 0x00060504);
}

}  // namespace
