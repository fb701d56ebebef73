#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>

#include "controls/stopname/ChimeiLayout.h"
#include "tests/support/Dots.h"
#include "platform/PropertyBag.h"

using namespace chimei_layout;

// Cells go by byte pairs of the code page 932 form: two half-width letters
// share one, and an odd byte gets a cell of its own where the layout puts it.
// Rows: name, FontMode, FontBold, then the top and the dots of each cell.
TEST(ChimeiDraw, EachCellShowsItsTextInTheFaceFormAndPlaceTheNameGives) {
    Cell upperA = gothic("A");
    std::fill(upperA.begin() + 8, upperA.end(), std::string(16, '.'));
    const std::tuple<const char*, int, bool, std::vector<std::pair<int, Cell>>> cases[] = {
        {"A", 0, false, {{0, gothic("A")}}},  // a lone letter sits at the top
        {"AB", 0, false, {{80, gothic("AB")}}},
        {"市役A", 0, false, {{48, gothic("市")}, {112, gothic("役")}, {176, upperA}}},  // only half fits
        {"市役所A", 0, false, {{16, gothic("市")}, {80, gothic("役")}, {144, gothic("所")}}},  // A falls off
        {"一二三四五六", 0, false, {{0, gothic("一")}, {32, gothic("二")}, {64, gothic("三")}, {96, gothic("四")},
                                {128, gothic("五")}, {160, gothic("六")}}},
        // vertical writing: a stand-in for the long vowel mark, turned brackets
        // and arrows, stops in the upper right; 申 and 山 move a dot right where
        // the mode prints them in Gothic (0 and 2), which draws them a dot left
        {"ー", 0, false, {{80, gothic("丨")}}},
        {"（", 0, false, {{80, glyph("IPAGothic", "（", 0, 0, false, true)}}},
        {"→", 0, false, {{80, glyph("IPAGothic", "→", 0, 0, false, true)}}},
        {"。", 0, false, {{80, gothic("。", 10, -10)}}},
        {"申", 0, false, {{80, gothic("申", 1)}}}, {"山", 2, false, {{80, gothic("山", 1)}}},
        {"山", 1, false, {{80, mincho("山")}}}, {"山", 3, false, {{80, mincho("山")}}},
        // 2 draws kanji in Gothic and the rest in Mincho, 4 only full-width
        // letters and digits in Gothic
        {"あ駅", 2, false, {{48, mincho("あ")}, {112, gothic("駅")}}},
        {"Ａ駅", 4, false, {{48, gothic("Ａ")}, {112, mincho("駅")}}},
        {"駅", 0, true, {{80, glyph("IPAGothic", "駅", 0, 0, true)}}}};
    for (const char* c : {"あ", "駅", "Ａ", "山"}) ASSERT_NE(gothic(c), mincho(c)) << "the faces must tell apart";
    for (const auto& [name, fontMode, bold, cells] : cases) {
        SCOPED_TRACE(testing::Message() << name << " FontMode " << fontMode << " FontBold " << bold);
        ChimeiCtl_B ctl;
        ctl.setFontMode(fontMode);
        ctl.setFontBold(bold);
        ctl.SetChimei(QString::fromUtf8(name));
        int lit = 0;
        for (const auto& [top, cell] : cells) {
            EXPECT_EQ(cellAt(ctl, top), cell) << top;
            for (const std::string& row : cell) lit += static_cast<int>(std::count(row.begin(), row.end(), '#'));
        }
        EXPECT_EQ(countColour(ctl.canvasImage(), ctl.ForeColor()), lit) << "no other dot is lit";
        EXPECT_EQ(ctl.canvasImage().height(), 192) << "a name that stands still has a strip-high canvas";
    }
    QString text = QStringLiteral("ー");
    int x = 2, y = 0;
    ChimeiCtl_B().DrawDot16(x, y, text);
    EXPECT_EQ(text, QStringLiteral("丨")) << "the caller's text is replaced";
}

TEST(ChimeiDraw, TheStripShowsTheCanvasInsideItsEdgeAndANewLookBlanksIt) {
    ChimeiCtl_B ctl;
    ctl.SetChimei(QStringLiteral("市役所前"));
    const quint32 amber = ctl.ForeColor();
    const QImage shown = ctl.grab().toImage();
    EXPECT_EQ(shown.copy(2, 2, 31, 188), ctl.canvasImage().copy(0, 0, 31, 188).convertToFormat(shown.format()));
    const int lit = countColour(ctl.canvasImage(), amber);
    ctl.setForeColor(0x00FF00);
    EXPECT_EQ(countColour(ctl.canvasImage(), amber), lit) << "drawn dots keep their colour";
    ctl.setAppearance(0);
    EXPECT_EQ(ctl.viewportHeight(), 185) << "flat";
    EXPECT_EQ(countColour(ctl.canvasImage(), amber), 0);
    ctl.setAppearance(1);
    EXPECT_EQ(ctl.viewportHeight(), 195) << "sunken";
    ctl.SetChimei(QStringLiteral("市役所前"));
    ctl.setBackColor(0x202020);
    EXPECT_EQ(countColour(ctl.canvasImage(), 0x202020), 37 * 192);
    EXPECT_EQ(countColour(ctl.grab().toImage(), 0x00FF00), 0);
}

TEST(ChimeiLayout, NamesThatStandStillAreCentredInTheStrip) {
    for (int mode : {2, 0})
        for (int cells = 1; cells <= kStillCells; ++cells) {
            const Placement p = placement(cells, mode);
            EXPECT_EQ(p.firstTop, kStripHeight - (p.firstTop + (cells - 1) * p.pitch + kCellStep)) << cells << " cells";
            EXPECT_GE(p.pitch, cells > 1 ? kCellStep : 0) << cells << " cells do not overlap";
        }
    EXPECT_NE(placement(2, 2).pitch, placement(2, 1).pitch);
}

// The last code before the kanji and the first kanji; the first and last
// full-width letter or digit and their neighbours.
TEST(ChimeiLayout, TheFaceFollowsTheSignedCodeOfTheFirstCharacter) {
    EXPECT_EQ(signedCode(QStringLiteral("ｱ")), 0xB1);
    EXPECT_EQ(signedCode(QStringLiteral("あい")), 0x82A0 - 65536);
    const int lastKana = 0x889E - 65536, firstKanji = 0x889F - 65536;
    const std::tuple<int, int, Face> cases[] = {
        {2, lastKana, Face::Mincho},       {2, firstKanji, Face::Gothic},     {2, 'A', Face::Gothic},
        {3, lastKana, Face::Gothic},       {3, 'A', Face::Mincho},            {4, 0x824E - 65536, Face::Mincho},
        {4, 0x824F - 65536, Face::Gothic}, {4, 0x829A - 65536, Face::Gothic}, {4, 0x829B - 65536, Face::Mincho},
        {4, 'A', Face::Mincho},            {1, firstKanji, Face::Mincho},     {0, lastKana, Face::Gothic},
        {-1, lastKana, Face::Gothic},      {5, lastKana, Face::Gothic}};
    for (const auto& [mode, code, face] : cases) EXPECT_EQ(faceFor(mode, code), face) << mode << ':' << code;
}

// The values differ from each other and from the defaults, so a swapped or
// dropped field shows.
TEST(ChimeiProperties, AreSavedUnderTheirNamesWithoutDefaultsAndLoadAsSaved) {
    ChimeiCtl_B ctl;
    EXPECT_EQ(std::make_tuple(ctl.BackColor(), ctl.ForeColor(), ctl.Speed(), ctl.ScrollStartWait(), ctl.Mode(),
                              ctl.Appearance(), ctl.FontMode(), ctl.FontBold()),
              std::make_tuple(0x808080u, 0x00BEFFu, 5, 1500, 2, 1, 0, false));
    PropertyBag bag, again, none;
    ctl.WriteProperties(bag);
    EXPECT_TRUE(bag.values().isEmpty()) << "defaults are left out";
    int changes = 0;
    QObject::connect(&ctl, &ChimeiCtl_B::propertyChanged, [&] { ++changes; });
    ctl.setBackColor(0x102030);
    ctl.setForeColor(0x0080C0FF);
    ctl.setSpeed(120);
    ctl.setScrollStartWait(250);
    ctl.setMode(1);
    ctl.setAppearance(0);
    ctl.setFontMode(3);
    ctl.setFontBold(true);
    EXPECT_EQ(changes, 8) << "each setter marks the design changed";
    ctl.WriteProperties(bag);
    const QVariantMap changed = {{"BackColor", 0x102030u}, {"ForeColor", 0x0080C0FFu}, {"Speed", 120},
                                 {"ScrollStartWait", 250}, {"Mode", 1}, {"Appearance", 0}, {"FontMode", 3},
                                 {"FontBold", true}};
    EXPECT_EQ(bag.values(), changed);

    ChimeiCtl_B loaded;
    loaded.ReadProperties(bag);
    loaded.WriteProperties(again);
    EXPECT_EQ(again.values(), changed) << "loaded as saved";
    EXPECT_EQ(loaded.canvasImage().pixel(0, 0), rgbOf(0x102030));
    EXPECT_EQ(loaded.viewportHeight(), 192) << "a loaded strip keeps its designed size";
    loaded.ReadProperties(PropertyBag());
    loaded.WriteProperties(none);
    EXPECT_TRUE(none.values().isEmpty()) << "missing properties load their defaults";
}

static const QString kLong = QStringLiteral("一二三四五六七");  // a 224-pixel canvas

// A pass: a blank pause of ScrollStartWait with the canvas below the strip,
// then Speed / 200 pixels a millisecond up until the canvas is a strip height
// above the strip. The clock is the test's.
TEST(ChimeiScroll, PausesBlankEntersFromBelowTravelsByTheClockAndStartsOverUntilTheNextName) {
    ChimeiCtl_B ctl;
    qint64 now = 0;
    ctl.setClock([&] { return now; });
    ctl.setSpeed(0);
    ctl.SetChimei(kLong);
    EXPECT_EQ(ctl.canvasImage().height(), 224);
    EXPECT_EQ(cellAt(ctl, 192), gothic("七"));
    int changes = 0;
    QObject::connect(&ctl, &ChimeiCtl_B::propertyChanged, [&] { ++changes; });
    const QString six = kLong.left(6), none;
    // Each step sets Speed (unless -1) and a name (unless null), lets the clock
    // reach `ms`, and gives the canvas top and Speed then. Phases: 'P' paused,
    // on one single-shot wait; 'M' moving on frame ticks; 'I' idle, no timer.
    const std::tuple<int, const QString*, qint64, double, char, int> steps[] = {
        // Speed 0 becomes 1 as a scroll starts; a pixel a ms; 400 steps of 1/40 pixel
        {-1, nullptr, 1499, 192, 'P', 0}, {-1, nullptr, 1500, 192, 'M', 1}, {-1, nullptr, 1700, 191, 'M', 1},
        {200, nullptr, 1800, 91, 'M', 200}, {5, nullptr, 2200, 81, 'M', 5},
        // a strip height above the strip: below it again, but Speed 0 stays when a later pass starts
        {200, nullptr, 2696, -415, 'M', 200}, {-1, nullptr, 2697, 192, 'P', 200}, {0, nullptr, 4207, 192, 'M', 0},
        {200, nullptr, 4217, 182, 'M', 200}, {-1, nullptr, 4815 + 1500 + 10, 182, 'M', 200},  // a late timer catches up
        // six cells stand still; a new long name pauses anew; an empty one blanks the canvas, which moves on
        {-1, &six, 7000, 0, 'I', 200}, {-1, &kLong, 8499, 192, 'P', 200}, {-1, nullptr, 8600, 92, 'M', 200},
        {-1, &kLong, 10099, 192, 'P', 200}, {-1, nullptr, 10200, 92, 'M', 200}, {-1, &none, 10200, 0, 'M', 200},
        {-1, nullptr, 10210, 82, 'M', 200}};
    QTimer* ticks = ctl.findChild<QTimer*>();
    for (const auto& [speed, name, ms, top, phase, speedAfter] : steps) {
        SCOPED_TRACE(testing::Message() << "at " << ms << " ms");
        if (speed >= 0) ctl.setSpeed(speed);
        if (name) ctl.SetChimei(*name);
        const auto before = std::make_pair(changes, ctl.Speed());
        now = ms;
        ctl.advanceScroll();
        EXPECT_NEAR(ctl.canvasTop(), top, 1e-9);
        EXPECT_EQ(ctl.Speed(), speedAfter);
        EXPECT_EQ(changes - before.first, ctl.Speed() != before.second) << "a raised Speed marks the design changed";
        EXPECT_EQ(std::make_pair(ctl.isScrolling(), ticks->isActive()), std::make_pair(phase != 'I', phase != 'I'));
        if (phase != 'I') { EXPECT_EQ(ticks->isSingleShot(), phase == 'P'); }
        if (phase == 'P') { EXPECT_EQ(countColour(ctl.grab().toImage(), ctl.ForeColor()), 0) << "blank"; }
    }
    EXPECT_EQ(ctl.canvasImage().height(), 224);
    EXPECT_EQ(countColour(ctl.canvasImage(), ctl.ForeColor()), 0);
}

TEST(ChimeiScroll, TheWindowThreadsTimersDriveIt) {
    ChimeiCtl_B ctl;
    ctl.setScrollStartWait(20);
    ctl.setSpeed(200);
    ctl.SetChimei(kLong);
    EXPECT_EQ(ctl.canvasTop(), 192) << "SetChimei returns before anything moves";
    QEventLoop loop;
    QTimer::singleShot(150, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_LT(ctl.canvasTop(), 192 - 60);
    EXPECT_GT(ctl.canvasTop(), -416);
}
