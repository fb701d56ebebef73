#include <gtest/gtest.h>

#include "controls/stopname/ChimeiCtl_B.h"
#include "platform/PropertyBag.h"

TEST(ChimeiProperties, DefaultsAreLeftOutAndEverythingElseRoundTrips) {
    ChimeiCtl_B fresh;
    EXPECT_EQ(fresh.BackColor(), 0x808080u);
    EXPECT_EQ(fresh.ForeColor(), 0x00BEFFu);
    EXPECT_EQ(fresh.Speed(), 5);
    EXPECT_EQ(fresh.ScrollStartWait(), 1500);
    EXPECT_EQ(fresh.Mode(), 2);
    EXPECT_EQ(fresh.Appearance(), 1);
    EXPECT_EQ(fresh.FontMode(), 0);
    EXPECT_FALSE(fresh.FontBold());
    PropertyBag empty;
    fresh.WriteProperties(empty);
    EXPECT_TRUE(empty.values().isEmpty());

    ChimeiCtl_B ctl;
    int changes = 0;
    QObject::connect(&ctl, &ChimeiCtl_B::propertyChanged, [&] { ++changes; });
    ctl.setBackColor(0x102030);
    ctl.setForeColor(0x0080C0FF);
    ctl.setSpeed(120);
    ctl.setScrollStartWait(0);
    ctl.setMode(1);
    ctl.setAppearance(0);
    ctl.setFontMode(3);
    ctl.setFontBold(true);
    EXPECT_EQ(changes, 8);
    PropertyBag bag;
    ctl.WriteProperties(bag);
    EXPECT_EQ(bag.values().size(), 8);

    ChimeiCtl_B loaded;
    loaded.ReadProperties(bag);
    PropertyBag again;
    loaded.WriteProperties(again);
    EXPECT_EQ(again.values(), bag.values());
    EXPECT_EQ(loaded.canvasImage().pixel(0, 0), QColor(0x30, 0x20, 0x10).rgb());
    EXPECT_EQ(loaded.viewportHeight(), 192) << "a saved strip keeps its designed size";
}

TEST(ChimeiProperties, AppearanceResizesTheStripAndBlanksIt) {
    ChimeiCtl_B ctl;
    ctl.SetChimei(QStringLiteral("駅"));
    ctl.setAppearance(0);
    EXPECT_EQ(ctl.viewportHeight(), 185);
    QImage blank(ctl.canvasImage().size(), QImage::Format_RGB32);
    blank.fill(QColor(128, 128, 128));
    EXPECT_EQ(ctl.canvasImage(), blank);
    ctl.setAppearance(1);
    EXPECT_EQ(ctl.viewportHeight(), 195);
}
