#include <gtest/gtest.h>

#include <QImage>
#include <QRadioButton>
#include <QSpinBox>

#include "tests/support/ModalDriver.h"
#include "zfp4res/ZFP4Res.h"

namespace {

const QRgb kLit = qRgb(248, 210, 114);

// Where a widget shows the lit colour, and on how many pixels: what the
// sample shows beyond its unlit eights.
struct Lit {
    int pixels = 0;
    QRect bounds;
};

Lit lit(QWidget* widget) {
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    Lit result;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == kLit) {
                ++result.pixels;
                result.bounds |= QRect(x, y, 1, 1);
            }
    return result;
}

struct Format {
    int16_t zeroMode;
    int16_t shift;
    int16_t fillZero;
};

TEST(Call_dlg100, AcceptingWritesTheEditedValues) {
    Format f{0, 0, 0};
    ModalDriver driver([](QDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("表示形式の設定"));
        child<QRadioButton>(dialog, "zeroMode2")->click();
        child<QSpinBox>(dialog, "shift")->setValue(1);
        child<QSpinBox>(dialog, "fillZero")->setValue(3);
        dialog->accept();
    });
    EXPECT_EQ(Call_dlg100(nullptr, 4, &f.zeroMode, &f.shift, &f.fillZero), 1);
    EXPECT_EQ(f.zeroMode, 2);
    EXPECT_EQ(f.shift, 1);
    EXPECT_EQ(f.fillZero, 3);
}

TEST(Call_dlg100, CancellingLeavesTheValues) {
    Format f{3, 2, 1};
    ModalDriver driver([](QDialog* dialog) {
        child<QRadioButton>(dialog, "zeroMode0")->click();
        child<QSpinBox>(dialog, "shift")->setValue(0);
        child<QSpinBox>(dialog, "fillZero")->setValue(4);
        dialog->reject();
    });
    EXPECT_EQ(Call_dlg100(nullptr, 4, &f.zeroMode, &f.shift, &f.fillZero), 0);
    EXPECT_EQ(f.zeroMode, 3);
    EXPECT_EQ(f.shift, 2);
    EXPECT_EQ(f.fillZero, 1);
}

TEST(Call_dlg100, TheDigitCountLimitsShiftAndFill) {
    struct Case {
        int16_t keta;
        int shiftMax;
        int fillMax;
    };
    for (const Case c : {Case{3, 2, 3}, Case{15, 14, 15}, Case{0, 0, 1}, Case{-4, 0, 1}, Case{99, 14, 15}}) {
        Format f{0, 0, 0};
        ModalDriver driver([&](QDialog* dialog) {
            EXPECT_EQ(child<QSpinBox>(dialog, "shift")->maximum(), c.shiftMax) << "keta " << c.keta;
            EXPECT_EQ(child<QSpinBox>(dialog, "fillZero")->maximum(), c.fillMax) << "keta " << c.keta;
            dialog->reject();
        });
        EXPECT_EQ(Call_dlg100(nullptr, c.keta, &f.zeroMode, &f.shift, &f.fillZero), 0);
    }
}

TEST(Call_dlg100, OutOfRangeValuesAreShownClampedAndWrittenSoOnOk) {
    Format f{7, 9, 12};
    ModalDriver driver([](QDialog* dialog) {
        EXPECT_TRUE(child<QRadioButton>(dialog, "zeroMode3")->isChecked());
        EXPECT_EQ(child<QSpinBox>(dialog, "shift")->value(), 3);
        EXPECT_EQ(child<QSpinBox>(dialog, "fillZero")->value(), 4);
        dialog->accept();
    });
    EXPECT_EQ(Call_dlg100(nullptr, 4, &f.zeroMode, &f.shift, &f.fillZero), 1);
    EXPECT_EQ(f.zeroMode, 3);
    EXPECT_EQ(f.shift, 3);
    EXPECT_EQ(f.fillZero, 4);

    Format negative{-1, -2, -3};
    ModalDriver again([](QDialog* dialog) { dialog->accept(); });
    EXPECT_EQ(Call_dlg100(nullptr, 4, &negative.zeroMode, &negative.shift, &negative.fillZero), 1);
    EXPECT_EQ(negative.zeroMode, 0);
    EXPECT_EQ(negative.shift, 0);
    EXPECT_EQ(negative.fillZero, 0);
}

TEST(Call_dlg100, TheSampleRedrawsAsTheFormatIsEdited) {
    Format f{0, 0, 0};
    ModalDriver driver([](QDialog* dialog) {
        QWidget* sample = child<QWidget>(dialog, "sample");
        QWidget* five = child<QWidget>(dialog, "sampleRow0");
        QWidget* zero = child<QWidget>(dialog, "sampleRow1");
        QWidget* minusOne = child<QWidget>(dialog, "sampleRow2");
        QWidget* empty = child<QWidget>(dialog, "sampleRow3");
        ASSERT_TRUE(sample && five && zero && minusOne && empty);

        // Zero mode 0: 0 and empty show nothing lit, -1 and 5 are lit.
        const QImage before = sample->grab().toImage();
        EXPECT_EQ(lit(zero).pixels, 0);
        EXPECT_EQ(lit(empty).pixels, 0);
        EXPECT_GT(lit(minusOne).pixels, 0);
        const Lit fiveAlone = lit(five);
        EXPECT_GT(fiveAlone.pixels, 0);

        // Zero mode 1: 0 and empty show a lit 0.
        child<QRadioButton>(dialog, "zeroMode1")->click();
        EXPECT_NE(sample->grab().toImage(), before);
        const Lit litZero = lit(zero);
        EXPECT_GT(litZero.pixels, 0);
        EXPECT_EQ(lit(empty).pixels, litZero.pixels);

        // Zero mode 2: -1 shows that same 0, and 0 and empty nothing.
        child<QRadioButton>(dialog, "zeroMode2")->click();
        EXPECT_EQ(lit(zero).pixels, 0);
        EXPECT_EQ(lit(empty).pixels, 0);
        EXPECT_EQ(lit(minusOne).pixels, litZero.pixels);
        EXPECT_EQ(lit(minusOne).bounds, litZero.bounds);

        // Zero mode 3: all three show it.
        child<QRadioButton>(dialog, "zeroMode3")->click();
        EXPECT_EQ(lit(zero).pixels, litZero.pixels);
        EXPECT_EQ(lit(empty).pixels, litZero.pixels);
        EXPECT_EQ(lit(minusOne).pixels, litZero.pixels);

        // Zero fill lights more digits: 5 becomes 005, ending where 5 did.
        child<QSpinBox>(dialog, "fillZero")->setValue(3);
        const Lit filled = lit(five);
        EXPECT_GT(filled.pixels, fiveAlone.pixels);
        EXPECT_LT(filled.bounds.left(), fiveAlone.bounds.left());
        EXPECT_EQ(filled.bounds.right(), fiveAlone.bounds.right());
        dialog->reject();
    });
    EXPECT_EQ(Call_dlg100(nullptr, 4, &f.zeroMode, &f.shift, &f.fillZero), 0);
}

TEST(Call_dlg100, TheShiftMovesTheSampleLeft) {
    Format f{1, 0, 0};
    ModalDriver driver([](QDialog* dialog) {
        QWidget* five = child<QWidget>(dialog, "sampleRow0");
        ASSERT_NE(five, nullptr);
        const Lit atRight = lit(five);
        child<QSpinBox>(dialog, "shift")->setValue(2);
        const Lit shifted = lit(five);
        // The same digit, two places further left.
        EXPECT_EQ(shifted.pixels, atRight.pixels);
        EXPECT_EQ(shifted.bounds.size(), atRight.bounds.size());
        EXPECT_LT(shifted.bounds.right(), atRight.bounds.left());
        dialog->reject();
    });
    EXPECT_EQ(Call_dlg100(nullptr, 4, &f.zeroMode, &f.shift, &f.fillZero), 0);
}

}  // namespace
