#include <gtest/gtest.h>

#include <QRadioButton>
#include <QSpinBox>

#include "tests/support/DisplayReading.h"
#include "tests/support/ModalDriver.h"
#include "platform/PropertyBag.h"

// The format rules themselves are DigitFormatTest's: here, that both displays
// pass the format properties through and show the result right-aligned over
// an unlit eight in every position. The second row's settings are distinct,
// so a swapped pair shows.
TEST(DegitDraw, BothDisplaysLightTheFormattedValueInTheRightmostPositions) {
    const std::tuple<qint16, qint16, qint16, qint16, double, const char*> cases[] = {
        {3, 0, 0, 0, 0, "   "}, {6, 1, 3, 2, 0, " 000  "}, {3, 0, 0, 0, 1234, "234"}, {3, 0, 2, 0, -5, "-05"},
        {15, 0, 0, 0, 123456789, "      123456789"}};
    for (bool emNB : {false, true})
        for (const auto& [keta, zeroMode, fillZero, shift, value, lit] : cases)
            EXPECT_EQ(shown(*display(emNB, keta, zeroMode, fillZero, shift, value)), lit)
                << (emNB ? "M_DegitEmNB" : "M_Degit");
}

// Shift, ZeroMode and FillZero are put back one by one after the lamp test;
// of them only M_DegitEmNB's Shift redraws.
TEST(DegitDraw, ResetDegitLightsOrBlanksEveryPositionAndKeepsTheFormat) {
    for (bool emNB : {false, true}) {
        SCOPED_TRACE(emNB ? "M_DegitEmNB" : "M_Degit");
        auto d = display(emNB, 4, 1, 3, 2);
        d->ResetDegit(true);
        EXPECT_EQ(shown(*d), emNB ? "88  " : "8888");
        EXPECT_EQ(d->Value(), DigitValue::text(QStringLiteral("8888")));
        d->ResetDegit(false);
        EXPECT_EQ(shown(*d), "    ");
        EXPECT_EQ(d->Value(), DigitValue::text(QString()));
        EXPECT_EQ(std::make_tuple(d->ZeroMode(), d->FillZero(), d->Shift()), std::make_tuple(1, 3, 2));
    }
}

// Each colour set alone redraws in it at once; a batch of changes draws the
// same picture once, when the last batch ends.
TEST(DegitDraw, SettersRedrawAndABatchDrawsWhatTheyDrawOnceAtItsEnd) {
    const quint32 yellow = 0x00FFFF, magenta = 0xFF00FF, cyan = 0xFFFF00;
    const std::pair<void (DegitBase::*)(quint32), quint32> colours[] = {{&DegitBase::setDegitForeColor, yellow},
        {&DegitBase::setBaseForeColor, magenta}, {&DegitBase::setBackColor, cyan}};
    for (bool emNB : {false, true}) {
        SCOPED_TRACE(emNB ? "M_DegitEmNB" : "M_Degit");
        auto single = display(emNB, 3, 1, 0, 0, 7), batched = display(emNB, 3, 0, 0, 0, 1);
        for (const auto& [set, colour] : colours) {
            EXPECT_EQ(changesDuring(*single, [&] { ((*single).*set)(colour); }), 1);
            EXPECT_GT(countColour(picture(*single), colour), 0) << colour;
        }
        const QImage image = picture(*single);
        for (quint32 gone : {kLit, kUnlit, kBack}) EXPECT_EQ(countColour(image, gone), 0) << gone;
        for (quint32 now : {yellow, magenta}) EXPECT_GT(countColour(image, now), 0) << now;
        {
            const DegitBase::Batch outer(*batched);
            {
                const DegitBase::Batch inner(*batched);
                for (const auto& [set, colour] : colours) ((*batched).*set)(colour);
                batched->setZeroMode(1);
            }
            batched->setValue(DigitValue::number(7));
            EXPECT_EQ(countColour(picture(*batched), yellow), 0) << "the outer batch still holds the redraws";
        }
        EXPECT_EQ(picture(*batched), image);
    }
}

// Rows: DegitSize, size at three digits, first and last row of the eights in the first face.
TEST(M_Degit, SizeClassesSetTheSizeAndSpaceTheDigitsOfEveryFaceToIt) {
    const std::tuple<qint16, QSize, int, int> classes[] = {
        {0, {39, 20}, 1, 18}, {1, {51, 26}, 1, 24}, {2, {57, 29}, 1, 28}, {3, {33, 15}, 0, 14}};
    for (const auto& [size, threeDigits, top, bottom] : classes) {
        std::vector<QImage> faces;
        for (qint16 style : {0, 1, 2, 5, -1}) {
            SCOPED_TRACE(testing::Message() << "DegitSize " << size << " DegitStyle " << style);
            auto d = display(false, 3, 0, 0, 0, 47);
            d->setDegitSize(size);
            d->setDegitStyle(style);
            EXPECT_EQ(d->size(), threeDigits);
            EXPECT_EQ(shown(*d), " 47");
            const Cells cells = cellsOf(faces.emplace_back(picture(*d)));
            ASSERT_EQ(cells.columns.size(), 3u);
            for (int i = 1; i < 3; ++i)
                EXPECT_NEAR(cells.columns[i].first - cells.columns[0].first, i * threeDigits.width() / 3, 1);
            if (style == 0) { EXPECT_EQ(std::make_pair(cells.top, cells.bottom), std::make_pair(top, bottom)); }
            d->setKeta(15);
            EXPECT_EQ(d->size(), QSize(5 * threeDigits.width(), threeDigits.height()));
        }
        EXPECT_TRUE(faces[0] != faces[1] && faces[1] != faces[2] && faces[0] != faces[2]) << "three faces";
        EXPECT_TRUE(faces[3] == faces[0] && faces[4] == faces[0]) << "unknown styles take the first face";
    }
}

// In the bold face each of the eight's three bars is two rows thick; the
// regular face draws them one row thick.
TEST(M_Degit, DrawsInTheBoldFace) {
    const QImage image = picture(*display(false, 1, 0, 0, 0, 8));
    int barRows = 0;
    for (int y = 0; y < image.height(); ++y) barRows += countColour(image.copy(0, y, image.width(), 1), kLit) >= 5;
    EXPECT_EQ(barRows, 6);
}

TEST(M_DegitEmNB, StretchesTheDigitsOverTheControlAndKeepsKetaAsGiven) {
    auto d = display(true, 3);
    d->ResetDegit(true);
    const Cells narrow = cellsOf(picture(*d));
    ASSERT_EQ(narrow.columns.size(), 3u);
    EXPECT_LE(narrow.columns.front().first, 2);
    EXPECT_GE(narrow.columns.back().second, 60);
    EXPECT_EQ(narrow.bottom, 33) << "1.14 times as tall: the cell's empty bottom falls below the edge";

    d->resize(130, 34);  // no property set
    const Cells wide = cellsOf(picture(*d));
    ASSERT_EQ(wide.columns.size(), 3u);
    for (size_t i = 0; i < 3; ++i) EXPECT_NEAR(wide.columns[i].first, 2 * narrow.columns[i].first, 2);

    const QImage before = picture(*d);
    for (qint16 size : {1, 3, 7, -2}) d->setDegitSize(size);
    EXPECT_EQ(picture(*d), before) << "DegitSize changes nothing, not even the size";

    d->setKeta(20);
    d->ResetDegit(true);
    EXPECT_EQ(cellsOf(picture(*d)).columns.size(), 20u);
    d->setKeta(0);
    EXPECT_TRUE(showsOnly(*d, kBack));
}

// Every stored property as the public API reads it.
static QVariantMap state(const DegitBase& d) {
    return {{"BaseForeColor", d.BaseForeColor()}, {"DegitForeColor", d.DegitForeColor()}, {"FillZero", d.FillZero()},
            {"ZeroMode", d.ZeroMode()}, {"Shift", d.Shift()}, {"Keta", d.Keta()}, {"DegitSize", d.DegitSize()},
            {"DegitStyle", d.DegitStyle()}, {"Value", d.Value().toVariant()}, {"UserSet", d.UserSet()},
            {"BackColor", d.BackColor()}};
}

// Equal in type as well: QVariant finds the text "0" equal to the number 0.
static void expectSame(const QVariantMap& actual, const QVariantMap& expected) {
    ASSERT_EQ(actual.keys(), expected.keys());
    for (const QString& key : expected.keys())
        EXPECT_TRUE(actual[key].typeId() == expected[key].typeId() && actual[key] == expected[key])
            << key.toStdString() << " is " << actual[key].toString().toStdString();
}

// The values differ from each other and from the defaults, so a swapped or
// dropped field shows; Keta and ZeroMode are out of the setters' range.
TEST(M_DegitProperties, AreSavedUnderTheirNamesWithoutDefaultsAndLoadAsSaved) {
    const QVariantMap defaults = {{"BaseForeColor", 9868950u}, {"DegitForeColor", 7525112u}, {"FillZero", 0},
                                  {"ZeroMode", 0}, {"Shift", 0}, {"Keta", 4}, {"DegitSize", 0}, {"DegitStyle", 0},
                                  {"Value", 0}, {"UserSet", true}, {"BackColor", 8421504u}};
    QVariantMap saved = {{"BaseForeColor", 0x010203u}, {"DegitForeColor", 0x040506u}, {"FillZero", 3},
                         {"ZeroMode", 9}, {"Shift", 1}, {"Keta", 20}, {"DegitSize", 2}, {"DegitStyle", 7},
                         {"UserSet", false}, {"BackColor", 0x070809u}};
    M_Degit fresh;
    expectSame(state(fresh), defaults);
    EXPECT_TRUE(showsOnly(fresh, 8421504)) << "a new display draws nothing but its background";
    PropertyBag empty;
    fresh.WriteProperties(empty);
    EXPECT_TRUE(empty.values().isEmpty()) << "defaults are left out";
    // The text "0" is not the number 0, nor is the empty text.
    for (const QVariant& value :
         {QVariant(QStringLiteral("0")), QVariant(QString()), QVariant(-1), QVariant(2.5), QVariant(3e10)}) {
        SCOPED_TRACE(testing::Message() << "Value " << value.typeName() << ' ' << value.toString().toStdString());
        saved["Value"] = value;
        PropertyBag bag, again;
        for (const QString& name : saved.keys()) bag.write(name, saved[name], defaults[name]);
        M_Degit loaded;
        EXPECT_EQ(changesDuring(loaded, [&] { loaded.ReadProperties(bag); }), 0);
        expectSame(state(loaded), saved);
        EXPECT_TRUE(showsOnly(loaded, 0x070809)) << "the loaded background only, until a redraw";
        loaded.WriteProperties(again);
        EXPECT_EQ(again.values(), bag.values());
        loaded.ReadProperties(empty);
        expectSame(state(loaded), defaults);
    }
}

TEST(DegitProperties, SettersKeepValuesInRangeAndEachMarksTheDesignChanged) {
#define SET(N) &DegitBase::set##N, #N
    // M_DegitEmNB?, setter, property, value set, value kept
    const std::tuple<bool, void (DegitBase::*)(qint16), const char*, qint16, qint16> cases[] = {
        {false, SET(Keta), 0, 4},         {false, SET(Keta), 16, 4},       {false, SET(Keta), 15, 15},
        {false, SET(Keta), 1, 1},         {false, SET(DegitSize), 4, 0},   {false, SET(DegitSize), -1, 0},
        {false, SET(DegitSize), 3, 3},    {false, SET(ZeroMode), 4, 0},    {false, SET(ZeroMode), 3, 3},
        {false, SET(ZeroMode), -1, -1},   {false, SET(FillZero), 5, 4},    {false, SET(FillZero), 4, 4},
        {false, SET(Shift), 4, 3},        {false, SET(Shift), 3, 3},       {false, SET(Shift), -1, 0},
        {false, SET(DegitStyle), 9, 9},   {true, SET(Keta), 0, 0},         {true, SET(Keta), 20, 20},
        {true, SET(DegitSize), 7, 7},     {true, SET(Shift), 4, 3},        {true, SET(Shift), -1, 0}};
    for (const auto& [emNB, set, name, in, out] : cases) {
        SCOPED_TRACE(testing::Message() << (emNB ? "M_DegitEmNB " : "M_Degit ") << name << ' ' << in);
        auto d = display(emNB, 4);  // FillZero and Shift are limited by Keta
        EXPECT_EQ(changesDuring(*d, [&] { ((*d).*set)(in); }), 1);
        EXPECT_EQ(state(*d)[name], out);
    }
    auto d = display(false, 4);
    d->setZeroMode(1);
    EXPECT_EQ(changesDuring(*d, [&] { d->setUserSet(false); }), 1);
    EXPECT_EQ(shown(*d), "    ") << "UserSet waits for the next redraw, as ZeroMode does";
    EXPECT_EQ(changesDuring(*d, [&] { d->setValue(DigitValue::text("1")); }), 1);
    EXPECT_FALSE(d->UserSet());
}

// The sibling library's dialog is the default; it writes nothing when cancelled.
TEST(M_DegitProperties, ShowSetDlgEditsTheFormatInTheSiblingDialogAndRedraws) {
    auto d = display(false, 4, 2, 3, 1, 5);
    for (bool accept : {true, false}) {
        SCOPED_TRACE(accept ? "accepted" : "cancelled");
        ModalDriver driver([&](QDialog* dialog) {
            EXPECT_EQ(dialog->parentWidget(), d->hwnd());
            if (accept) {  // the values given are all different, so a swap shows; Keta limits the spin boxes
                EXPECT_TRUE(child<QRadioButton>(dialog, "zeroMode2")->isChecked());
                EXPECT_EQ(child<QSpinBox>(dialog, "shift")->value(), 1);
                EXPECT_EQ(child<QSpinBox>(dialog, "fillZero")->value(), 3);
            }
            child<QRadioButton>(dialog, "zeroMode1")->click();
            child<QSpinBox>(dialog, "shift")->setValue(2);
            child<QSpinBox>(dialog, "fillZero")->setValue(2);
            accept ? dialog->accept() : dialog->reject();
        });
        EXPECT_EQ(changesDuring(*d, [&] { EXPECT_EQ(d->ShowSetDlg(), accept ? 1 : 0); }), 0);
        EXPECT_EQ(std::make_tuple(d->ZeroMode(), d->Shift(), d->FillZero()), std::make_tuple(1, 2, 2));
        EXPECT_EQ(shown(*d), "05  ");
    }
}
