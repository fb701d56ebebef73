#include <gtest/gtest.h>

#include "tests/controls/digit/DisplayReading.h"
#include "controls/digit/M_DegitEmNB.h"
#include "platform/Twips.h"

using namespace display_reading;

namespace {

// The fare fields of the board: 975 x 510 twips, three digits.
const QSize kBoardField = twips::toPixels(975, 510);

bool isLitPixel(QRgb p) { return qRed(p) > 2 * qMax(qGreen(p), qBlue(p)) && qRed(p) > 100; }

// The horizontal extent of each lit glyph, found on the lamp test, where every
// position shows a lit eight.
struct Cells {
    std::vector<std::pair<int, int>> columns;  // first and last x of each glyph
    int top = -1, bottom = -1;
};

Cells cellsOf(const QImage& image) {
    Cells cells;
    int start = -1;
    for (int x = 0; x <= image.width(); ++x) {
        bool lit = false;
        for (int y = 0; x < image.width() && y < image.height(); ++y)
            if (isLitPixel(image.pixel(x, y))) {
                lit = true;
                cells.top = cells.top < 0 ? y : qMin(cells.top, y);
                cells.bottom = qMax(cells.bottom, y);
            }
        if (lit && start < 0) start = x;
        if (!lit && start >= 0) {
            cells.columns.emplace_back(start, x - 1);
            start = -1;
        }
    }
    return cells;
}

// Reads the digit in one glyph box from its seven segments.
QChar readDigit(const QImage& image, std::pair<int, int> column, int top, int bottom) {
    static const struct {
        double x, y;
    } kSegments[7] = {{0.5, 0.03}, {0.94, 0.27}, {0.94, 0.73}, {0.5, 0.97}, {0.06, 0.73}, {0.06, 0.27}, {0.5, 0.5}};
    static const QHash<int, QChar> kDigits = {
        {0b0111111, u'0'}, {0b0000110, u'1'}, {0b1011011, u'2'}, {0b1001111, u'3'}, {0b1100110, u'4'},
        {0b1101101, u'5'}, {0b1111101, u'6'}, {0b0100111, u'7'} /* with the upper-left segment */, {0b1111111, u'8'}, {0b1101111, u'9'},
        {0b0000000, u' '}, {0b1000000, u'-'}};
    int bits = 0;
    for (int s = 0; s < 7; ++s) {
        const int x = qRound(column.first + kSegments[s].x * (column.second - column.first));
        const int y = qRound(top + kSegments[s].y * (bottom - top));
        if (isLitPixel(image.pixel(x, y))) bits |= 1 << s;
    }
    return kDigits.value(bits, u'?');
}

// What the display shows, one character per position, read from its pixels.
QString shown(M_DegitEmNB& display) {
    const DigitValue value = display.Value();
    const qint16 shift = display.Shift(), zeroMode = display.ZeroMode(), fillZero = display.FillZero();
    display.ResetDegit(true);
    display.setShift(0);
    const Cells cells = cellsOf(picture(display));
    display.setShift(shift);
    display.setZeroMode(zeroMode);
    display.setFillZero(fillZero);
    display.setValue(value);
    const QImage image = picture(display);
    QString text;
    for (const auto& column : cells.columns) text += readDigit(image, column, cells.top, cells.bottom);
    return text;
}

std::unique_ptr<M_DegitEmNB> boardField(QSize size = kBoardField) {
    auto display = std::make_unique<M_DegitEmNB>();
    useReadingColors(*display);
    display->resize(size);
    display->setKeta(3);
    return display;
}

TEST(M_DegitEmNB, ShowsTheFormattedValueInTheRightmostPositions) {
    const struct {
        qint16 zeroMode, fillZero, shift;
        DigitValue value;
        const char* lit;
    } cases[] = {
        {0, 0, 0, DigitValue::number(7), "  7"},
        {0, 0, 0, DigitValue::number(1234), "234"},
        {0, 0, 0, DigitValue::number(0), "   "},
        {2, 0, 0, DigitValue::number(-1), "  0"},
        {0, 2, 0, DigitValue::number(5), " 05"},
        {0, 0, 1, DigitValue::number(12), "12 "},
        {0, 0, 0, DigitValue::number(-5), " -5"},
        {0, 0, 0, DigitValue::number(690), "690"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lit);
        auto display = boardField();
        display->setZeroMode(c.zeroMode);
        display->setFillZero(c.fillZero);
        display->setShift(c.shift);
        display->setValue(c.value);
        EXPECT_EQ(shown(*display), QString::fromLatin1(c.lit));
    }
}

TEST(M_DegitEmNB, DigitsFillTheWidthAndFollowAResize) {
    auto display = boardField();
    display->ResetDegit(true);
    const Cells narrow = cellsOf(picture(*display));
    ASSERT_EQ(narrow.columns.size(), 3u);
    EXPECT_LE(narrow.columns.front().first, 10);
    EXPECT_GE(narrow.columns.back().second, kBoardField.width() - 10);
    // The picture is 1.14 times as tall as the control: its empty bottom is cut off.
    EXPECT_GE(narrow.bottom, kBoardField.height() - 4);

    display->resize(kBoardField.width() * 2, kBoardField.height());  // no property set
    const Cells wide = cellsOf(picture(*display));
    ASSERT_EQ(wide.columns.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(wide.columns[i].first, 2 * narrow.columns[i].first, 2);
        EXPECT_NEAR(wide.columns[i].second, 2 * narrow.columns[i].second, 3);
    }
}

TEST(M_DegitEmNB, LampTestWithShiftEndsShifted) {
    auto display = boardField();
    display->setShift(1);
    display->ResetDegit(true);
    EXPECT_EQ(display->Shift(), 1);
    display->setShift(0);
    const Cells all = cellsOf(picture(*display));
    display->setShift(1);
    const QImage image = picture(*display);
    ASSERT_EQ(all.columns.size(), 3u);
    QString text;
    for (const auto& column : all.columns) text += readDigit(image, column, all.top, all.bottom);
    EXPECT_EQ(text, "88 ");
}

TEST(M_DegitEmNB, KetaIsKeptAsGiven) {
    auto display = boardField();
    display->setKeta(0);
    EXPECT_EQ(display->Keta(), 0);
    const QImage blank = picture(*display);
    EXPECT_EQ(countPixels(blank, kBack), blank.width() * blank.height());

    display->setKeta(20);
    EXPECT_EQ(display->Keta(), 20);
    display->ResetDegit(true);
    const Cells squeezed = cellsOf(picture(*display));
    EXPECT_GE(squeezed.columns.size(), 10u) << "twenty narrow eights across the same width";
    EXPECT_LE(squeezed.columns.front().first, 3);
    EXPECT_GE(squeezed.columns.back().second, kBoardField.width() - 4);
}

TEST(M_DegitEmNB, DegitSizeChangesNothingAndShiftRedrawsAtOnce) {
    auto display = boardField();
    display->setValue(DigitValue::number(45));
    const QImage before = picture(*display);
    for (qint16 size : {1, 3, 7, -2}) {
        display->setDegitSize(size);
        EXPECT_EQ(display->DegitSize(), size);
        EXPECT_EQ(display->size(), kBoardField);
        EXPECT_EQ(picture(*display), before);
    }
    display->setShift(1);
    EXPECT_NE(picture(*display), before);
    EXPECT_EQ(shown(*display), "45 ");
}

}  // namespace

namespace {

// A batch of property changes draws the picture the changes draw one by one,
// once, when the batch ends.
TEST(DegitBatch, DrawsOnceAtTheEndWhatSingleChangesDraw) {
    const auto configure = [](DegitBase& d) {
        d.setBackColor(0x102030);
        d.setBaseForeColor(0x405060);
        d.setDegitForeColor(0x0000FF);
        d.setZeroMode(1);
        d.setValue(DigitValue::number(7));
    };
    M_DegitEmNB single, batched;
    for (M_DegitEmNB* d : {&single, &batched}) {
        d->resize(kBoardField);
        d->setKeta(3);
    }
    configure(single);
    const QImage before = picture(batched);
    {
        const DegitBase::Batch outer(batched);
        {
            const DegitBase::Batch inner(batched);
            configure(batched);
        }
    }
    EXPECT_EQ(picture(batched), picture(single));
    EXPECT_NE(picture(batched), before);
}

}  // namespace
