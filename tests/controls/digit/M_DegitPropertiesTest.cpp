#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSpinBox>

#include "tests/controls/digit/DisplayReading.h"
#include "controls/digit/M_Degit.h"
#include "tests/support/ModalDriver.h"
#include "platform/PropertyBag.h"

using namespace display_reading;

namespace {

// Counts how often the display says its persisted properties changed.
struct ChangeCounter {
    explicit ChangeCounter(DegitBase& display) {
        QObject::connect(&display, &DegitBase::propertyChanged, [this] { ++count; });
    }
    int count = 0;
};

}  // namespace

TEST(M_DegitProperties, SettersKeepValuesInRangeAndMarkChanged) {
    M_Degit display;
    ChangeCounter changes(display);

    display.setKeta(0);
    EXPECT_EQ(display.Keta(), 4);
    display.setKeta(16);
    EXPECT_EQ(display.Keta(), 4);
    display.setKeta(15);
    EXPECT_EQ(display.Keta(), 15);
    display.setKeta(1);
    EXPECT_EQ(display.Keta(), 1);

    display.setDegitSize(7);
    EXPECT_EQ(display.DegitSize(), 0);
    display.setDegitSize(-1);
    EXPECT_EQ(display.DegitSize(), 0);
    display.setDegitSize(3);
    EXPECT_EQ(display.DegitSize(), 3);

    display.setZeroMode(5);
    EXPECT_EQ(display.ZeroMode(), 0);
    display.setZeroMode(4);
    EXPECT_EQ(display.ZeroMode(), 0);
    display.setZeroMode(3);
    EXPECT_EQ(display.ZeroMode(), 3);
    display.setZeroMode(-1);
    EXPECT_EQ(display.ZeroMode(), -1);

    display.setKeta(4);
    display.setFillZero(9);
    EXPECT_EQ(display.FillZero(), 4);
    display.setFillZero(4);
    EXPECT_EQ(display.FillZero(), 4);
    display.setShift(9);
    EXPECT_EQ(display.Shift(), 3);
    display.setShift(-2);
    EXPECT_EQ(display.Shift(), 0);
    display.setShift(2);
    EXPECT_EQ(display.Shift(), 2);

    display.setDegitStyle(9);
    EXPECT_EQ(display.DegitStyle(), 9);
    display.setUserSet(false);
    EXPECT_FALSE(display.UserSet());
    display.setValue(DigitValue::text(QStringLiteral("12")));
    EXPECT_EQ(display.Value(), DigitValue::text(QStringLiteral("12")));
    display.setBaseForeColor(1);
    display.setDegitForeColor(2);
    display.setBackColor(3);
    EXPECT_EQ(display.BaseForeColor(), 1u);
    EXPECT_EQ(display.DegitForeColor(), 2u);
    EXPECT_EQ(display.BackColor(), 3u);

    EXPECT_EQ(changes.count, 23);
}

TEST(M_DegitProperties, KetaAndDegitSizeResizeTheDisplay) {
    M_Degit display;
    EXPECT_EQ(display.size(), QSize(52, 20));
    display.setKeta(2);
    EXPECT_EQ(display.size(), QSize(26, 20));
    display.setDegitSize(1);
    EXPECT_EQ(display.size(), QSize(34, 26));
    display.setDegitSize(2);
    EXPECT_EQ(display.size(), QSize(38, 29));
    display.setDegitSize(3);
    EXPECT_EQ(display.size(), QSize(22, 15));
    display.setKeta(15);
    EXPECT_EQ(display.size(), QSize(165, 15));
    display.setDegitSize(7);
    EXPECT_EQ(display.size(), QSize(195, 20));
    EXPECT_EQ(picture(display).size(), QSize(195, 20));
}

TEST(M_DegitProperties, FormatTakesEffectOnlyAtTheNextRedraw) {
    M_Degit display;
    useReadingColors(display);
    display.setKeta(4);
    display.setValue(DigitValue::number(5));
    display.show();
    const QImage before = picture(display);

    display.setFillZero(3);
    display.setShift(1);
    display.setZeroMode(1);
    display.setUserSet(false);
    display.repaint();
    EXPECT_EQ(picture(display), before);
    EXPECT_EQ(litText(display), "   5");

    display.setDegitStyle(0);
    EXPECT_EQ(litText(display), "005 ");
}

TEST(M_DegitProperties, ResetDegitShowsLampTestOrBlankAndKeepsTheFormat) {
    M_Degit display;
    useReadingColors(display);
    display.setKeta(4);
    display.setShift(2);
    display.setZeroMode(1);
    display.setFillZero(3);
    display.setValue(DigitValue::number(0));
    ASSERT_EQ(litText(display), "00  ");

    display.ResetDegit(true);
    EXPECT_EQ(litText(display), "8888");
    EXPECT_EQ(display.Value(), DigitValue::text(QStringLiteral("8888")));
    EXPECT_EQ(display.Shift(), 2);
    EXPECT_EQ(display.ZeroMode(), 1);
    EXPECT_EQ(display.FillZero(), 3);

    display.ResetDegit(false);
    EXPECT_EQ(litText(display), "    ");
    EXPECT_TRUE(showsEveryEight(display));
    EXPECT_EQ(display.Value(), DigitValue::text(QString()));
    EXPECT_EQ(display.Shift(), 2);
    EXPECT_EQ(display.ZeroMode(), 1);
    EXPECT_EQ(display.FillZero(), 3);
}

TEST(M_DegitProperties, ShowSetDlgStoresTheDialogValuesUncheckedAndReturnsItsResult) {
    M_Degit display;
    useReadingColors(display);
    display.setKeta(4);
    display.setShift(1);
    display.setZeroMode(2);
    display.setFillZero(3);
    display.setValue(DigitValue::number(5));
    ChangeCounter changes(display);

    struct Call {
        QWidget* owner;
        qint16 keta, zeroMode, shift, fillZero;
    };
    std::vector<Call> calls;
    int result = 1;
    qint16 newZeroMode = 7, newShift = 9, newFillZero = 2;
    display.setFormatDialog([&](QWidget* owner, qint16 keta, qint16& zeroMode, qint16& shift, qint16& fillZero) {
        calls.push_back({owner, keta, zeroMode, shift, fillZero});
        zeroMode = newZeroMode;
        shift = newShift;
        fillZero = newFillZero;
        return result;
    });

    EXPECT_EQ(display.ShowSetDlg(), 1);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].owner, display.hwnd());
    EXPECT_EQ(calls[0].keta, 4);
    EXPECT_EQ(calls[0].zeroMode, 2);
    EXPECT_EQ(calls[0].shift, 1);
    EXPECT_EQ(calls[0].fillZero, 3);
    EXPECT_EQ(display.ZeroMode(), 7);
    EXPECT_EQ(display.Shift(), 9);
    EXPECT_EQ(display.FillZero(), 2);
    EXPECT_EQ(changes.count, 0);

    // A cancelled dialog's values are taken too, and the display redraws.
    result = 0;
    newZeroMode = 0;
    newShift = 1;
    newFillZero = 2;
    EXPECT_EQ(display.ShowSetDlg(), 0);
    EXPECT_EQ(display.Shift(), 1);
    EXPECT_EQ(litText(display), " 05 ");
    EXPECT_EQ(changes.count, 0);
}

TEST(M_DegitProperties, DoubleClickRaisesDblClick) {
    M_Degit display;
    int clicks = 0;
    QObject::connect(&display, &DegitBase::DblClick, [&] { ++clicks; });
    const QPointF at(5, 5);
    QMouseEvent press(QEvent::MouseButtonPress, at, display.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&display, &press);
    EXPECT_EQ(clicks, 0);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, at, display.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
    QCoreApplication::sendEvent(&display, &dbl);
    EXPECT_EQ(clicks, 1);
}

TEST(M_DegitProperties, PersistenceRoundTripsAndLeavesDefaultsOut) {
    M_Degit fresh;
    PropertyBag defaults;
    fresh.WriteProperties(defaults);
    EXPECT_TRUE(defaults.values().isEmpty());

    M_Degit loaded;
    loaded.setKeta(9);
    loaded.ReadProperties(defaults);
    EXPECT_EQ(loaded.BaseForeColor(), 9868950u);
    EXPECT_EQ(loaded.DegitForeColor(), 7525112u);
    EXPECT_EQ(loaded.FillZero(), 0);
    EXPECT_EQ(loaded.ZeroMode(), 0);
    EXPECT_EQ(loaded.Shift(), 0);
    EXPECT_EQ(loaded.Keta(), 4);
    EXPECT_EQ(loaded.DegitSize(), 0);
    EXPECT_EQ(loaded.DegitStyle(), 0);
    EXPECT_EQ(loaded.Value(), DigitValue::number(0));
    EXPECT_TRUE(loaded.UserSet());
    EXPECT_EQ(loaded.BackColor(), 8421504u);

    M_Degit saved;
    saved.setBaseForeColor(0x010203);
    saved.setDegitForeColor(0x040506);
    saved.setKeta(6);
    saved.setFillZero(3);
    saved.setZeroMode(2);
    saved.setShift(1);
    saved.setDegitSize(2);
    saved.setDegitStyle(1);
    saved.setUserSet(false);
    saved.setBackColor(0x070809);
    for (const DigitValue& value : {DigitValue::text(QStringLiteral("0")), DigitValue::number(-1),
                                    DigitValue::number(2.5), DigitValue::text(QString())}) {
        SCOPED_TRACE(value.toText().toStdString());
        saved.setValue(value);
        PropertyBag bag;
        saved.WriteProperties(bag);
        EXPECT_EQ(bag.values().size(), 11);
        M_Degit restored;
        restored.ReadProperties(bag);
        EXPECT_EQ(restored.BaseForeColor(), 0x010203u);
        EXPECT_EQ(restored.DegitForeColor(), 0x040506u);
        EXPECT_EQ(restored.FillZero(), 3);
        EXPECT_EQ(restored.ZeroMode(), 2);
        EXPECT_EQ(restored.Shift(), 1);
        EXPECT_EQ(restored.Keta(), 6);
        EXPECT_EQ(restored.DegitSize(), 2);
        EXPECT_EQ(restored.DegitStyle(), 1);
        EXPECT_EQ(restored.Value(), value);
        EXPECT_FALSE(restored.UserSet());
        EXPECT_EQ(restored.BackColor(), 0x070809u);
    }
}

TEST(M_DegitProperties, ReadingTakesValuesAsStoredAndDrawsOnlyTheBackground) {
    PropertyBag bag;
    bag.write(QStringLiteral("Keta"), 20, 4);
    bag.write(QStringLiteral("Shift"), 30, 0);
    bag.write(QStringLiteral("ZeroMode"), 9, 0);
    bag.write(QStringLiteral("Value"), 77, 0);
    bag.write(QStringLiteral("BackColor"), kBack, 8421504u);
    M_Degit display;
    ChangeCounter changes(display);
    display.ReadProperties(bag);
    EXPECT_EQ(display.Keta(), 20);
    EXPECT_EQ(display.Shift(), 30);
    EXPECT_EQ(display.ZeroMode(), 9);
    EXPECT_EQ(display.Value(), DigitValue::number(77));
    EXPECT_EQ(changes.count, 0);
    const QImage image = picture(display);
    EXPECT_EQ(countPixels(image, kBack), image.width() * image.height());
}

TEST(M_DegitProperties, ShowSetDlgOpensTheSiblingFormatDialogByDefault) {
    M_Degit display;
    display.setKeta(3);
    display.show();
    ModalDriver driver([&](QDialog* dialog) {
        EXPECT_EQ(dialog->parentWidget(), display.hwnd());
        child<QRadioButton>(dialog, "zeroMode2")->click();
        child<QSpinBox>(dialog, "shift")->setValue(1);
        child<QSpinBox>(dialog, "fillZero")->setValue(2);
        dialog->accept();
    });
    EXPECT_EQ(display.ShowSetDlg(), 1);
    EXPECT_EQ(display.ZeroMode(), 2);
    EXPECT_EQ(display.Shift(), 1);
    EXPECT_EQ(display.FillZero(), 2);
}
