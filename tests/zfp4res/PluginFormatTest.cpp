#include <gtest/gtest.h>

#include "zfp4res/src/TicketDraw.h"
#include "zfp4res/src/TicketPlugin.h"

using namespace ticket;

namespace {

// The smallest usable plug-in; the cases below add to it. What the record
// reports is checked through the entry points (TicketEntriesTest).
const QByteArray kHead = "[plugin]\nformat = 1\nsize = 3000 x 1500\nroute-max = 50\nstops = 1 - 20\n";
const QByteArray kText = kHead + "[text]\nbox = 0,0,100,100\n";
const QByteArray kBarcode = kHead + "barcode-route = serial\n[barcode]\nbox = 0,0,3000,300\ndata = ";

TEST(PluginFormat, ReadsAFileAsAPersonTypesIt) {
    // BOM, CR LF and CR, a full-width '=' and digits, capitals, "colour",
    // blanks and tabs, sections in any order, quotes that keep blanks; remarks
    // as written, company names without blank lines and comments, and one
    // name alone is not switched.
    const QByteArray relaxed =
        "\xEF\xBB\xBF; comment\r\n[Text]\r\n\tBOX =  150 , 150 , 900 , 300 \r\ntext = \"  {stop} \"\r\nsize = 144\r\n"
        "Colour = Red\r\n\r\n[PLUGIN]\r\nformat \xEF\xBC\x9D \xEF\xBC\x91\r\nsize = 3000x1500\r\n"
        "route_max = \xEF\xBC\x95\xEF\xBC\x90\r\nstops = 1\xEF\xBD\x9E" "20\r\nPaper = Navy\r[number]\rbox = 0,0,90,90\r"
        "[remarks]\n\n; kept\n[not a section]\n  indented\n\n[companies]\n# no\n甲\n\n";
    const ParseResult result = parsePlugin(relaxed);
    ASSERT_TRUE(result.plugin) << result.line << ": " << result.error.toStdString();
    const Plugin& p = *result.plugin;
    EXPECT_TRUE(p.routeMax == 50 && p.stopTo == 20 && p.paper == QColor(0, 0, 128) && !p.companySwitch);
    ASSERT_EQ(p.elements.size(), 2u);
    const auto& text = std::get<TextElement>(p.elements[0]);
    EXPECT_TRUE(text.box == QRect(150, 150, 900, 300) && text.color == QColor(Qt::red));
    const TicketValues values{{}, {}, 0, 12, 0, QStringLiteral("駅前"), {}};
    EXPECT_EQ(text.text.expand(values), QStringLiteral("  駅前 "));
    // A number prints the ticket number, fitted to its box, bold and centred.
    const auto& number = std::get<TextElement>(p.elements[1]);
    EXPECT_TRUE(number.fit && number.weight == 700 && number.align == Align::Center);
    EXPECT_EQ(number.text.expand(values), QStringLiteral("12"));
    EXPECT_EQ(p.remarks, QStringLiteral("; kept\n[not a section]\n  indented"));
    EXPECT_EQ(p.companies, QStringList{"甲"});
}

TEST(PluginFormat, ShowDecidesForWhichJourneysAnElementIsDrawn) {
    // Drawn or not with both in range, the route only, the stop only, neither.
    const std::pair<const char*, const char*> cases[] = {
        {"always", "1111"},         {"in-range", "1000"},           {"out-of-range", "0111"},
        {"route-in-range", "1100"}, {"route-out-of-range", "0011"}, {"stop-in-range", "1010"},
        {"stop-out-of-range", "0101"}};
    for (const auto& [name, shown] : cases) {
        const ParseResult r = parsePlugin(kHead + "[line]\nfrom = 0, 0\nto = 9, 9\nshow = " + name + "\n");
        ASSERT_TRUE(r.plugin) << name;
        const Show show = std::get<LineElement>(r.plugin->elements[0]).show;
        for (int i = 0; i < 4; ++i) EXPECT_EQ(isShown(show, i < 2, i % 2 == 0), shown[i] == '1') << name << " " << i;
    }
}

TEST(PluginFormat, TakesWhatKeepsTheRulesAndSaysWhereAFileBreaksThem) {
    const auto lines = [](const QByteArray& line, int count) { return line.repeated(count); };
    const auto remarks = [&](int count, int chars) { return kHead + "[remarks]\n" + lines(QByteArray(chars, 'x') + '\n', count); };
    QByteArray maxFile = kHead + lines("; " + QByteArray(500, 'x') + "\n", 130);
    maxFile += "; " + QByteArray(64 * 1024 - maxFile.size() - 3, 'x') + "\n";
    // What the file has, its text, the line the first error is reported at,
    // and what the message says (null: the file is usable).
    const std::tuple<const char*, QByteArray, int, const char*> cases[] = {
        {"empty file", "", 0, "no [plugin]"},
        {"no size", "[plugin]\nformat = 1\nroute-max = 5\nstops = 1-2\n", 1, "size"},
        {"the smallest ticket, one stop, 4 points, the widest rule",
         "[plugin]\nformat = 1\nsize = 300 x 300\nroute-max = 1\nstops = 7 - 7\n[text]\nbox = 0,0,9,9\ntext = a\nsize = 4\n"
         "[line]\nfrom = 0,0\nto = 9,9\nwidth = 600\n", 0, nullptr},
        {"unknown format", "[plugin]\nformat = 2\nsize = 3000 x 1500\nroute-max = 5\nstops = 1-2\n", 2, "format"},
        {"ticket too small", "[plugin]\nformat = 1\nsize = 299 x 1500\nroute-max = 5\nstops = 1-2\n", 3, "300 to 7200"},
        {"ticket too large", "[plugin]\nformat = 1\nsize = 300 x 7201\nroute-max = 5\nstops = 1-2\n", 3, "300 to 7200"},
        {"stops backwards", "[plugin]\nformat = 1\nsize = 3000 x 1500\nroute-max = 5\nstops = 9 - 2\n", 5, "ends before"},
        {"route-max zero", "[plugin]\nformat = 1\nsize = 3000 x 1500\nroute-max = 0\nstops = 1 - 2\n", 4, "route-max"},
        {"misspelt key", kHead + "sise = 1\n", 6, "no key \"sise\""},
        {"unknown section", kHead + "[txt]\n", 6, "unknown section"},
        {"key twice", kHead + "[line]\nfrom = 0,0\nfrom = 0,0\n", 8, "twice"},
        {"no equals sign", kHead + "[line]\nfrom 0 0\n", 7, "key = value"},
        {"text outside sections", "size = 1\n" + kHead, 1, "before the first"},
        {"second head", kHead + kHead, 6, "second [plugin]"},
        {"box off the ticket", kHead + "[frame]\nbox = 2000, 0, 1001, 100\n", 7, "beyond the ticket"},
        {"box below the ticket", kHead + "[frame]\nbox = 0, 1000, 100, 501\n", 7, "beyond the ticket"},
        {"box at the edge", kHead + "[frame]\nbox = 2000, 0, 1000, 1500\n", 0, nullptr},
        {"empty box", kHead + "[frame]\nbox = 0, 0, 0, 100\n", 7, "no width"},
        {"flat box", kHead + "[frame]\nbox = 0, 0, 100, 0\n", 7, "no width"},
        {"box with three numbers", kHead + "[frame]\nbox = 0, 0, 100\n", 7, "4 numbers"},
        {"text without text", kText, 6, "text = ..."},
        {"unknown placeholder", kText + "text = {stoop}\n", 8, "{stoop}"},
        {"open brace", kText + "text = {stop\n", 8, "'{'"},
        {"font size", kText + "text = a\nsize = 145\n", 9, "points"},
        {"bad colour", kText + "text = a\ncolor = #12\n", 9, "colour"},
        {"bad choice", kText + "text = a\nalign = middle\n", 9, "left, center"},
        {"company without names", kText + "text = {company}\n", 8, "[companies]"},
        {"switch without names", kHead + "company-switch = yes\n", 6, "[companies]"},
        {"barcode without guards", kBarcode + "{stopno:2}\n", 9, "begin and end"},
        {"barcode with a name", kBarcode + "A{stop}A\n", 9, "numbers only"},
        {"barcode number without width", kBarcode + "A{route}A\n", 9, "width"},
        {"barcode too long", kBarcode + "A{route:10}{route:10}{route:10}{route:9}A\n", 9, "longer"},
        {"barcode at its longest", kBarcode + "A-$:/.+{route:10}{route:10}{route:10}{route:2}A\n", 0, nullptr},
        {"barcode letter", kBarcode + "A1X2A\n", 9, "'X'"},
        {"barcode without route mode", kHead + "[barcode]\nbox = 0,0,3000,300\ndata = A{route:2}A\n", 1, "barcode-route"},
        {"declared time not printed", kHead + "print-time = yes\n", 6, "prints the time"},
        {"printed date declared absent", kHead + "print-date = no\n[text]\nbox = 0,0,9,9\ntext = {day}\n", 6, "prints the date"},
        {"not UTF-8", kHead + "[remarks]\n\x82\xa0\n", 0, "UTF-8"},
        {"control character", kHead + "[remarks]\nab\x01" "c\n", 7, "control"},
        // The limits, each just reached and just passed.
        {"64 drawing sections", kHead + lines("[line]\nfrom = 0, 0\nto = 9, 9\n", 64), 0, nullptr},
        {"65 drawing sections", kHead + lines("[line]\nfrom = 0, 0\nto = 9, 9\n", 65), 198, "more than 64"},
        {"4 barcodes", kBarcode + "A1A\n" + lines("[barcode]\nbox = 0,0,3000,300\ndata = A1A\n", 3), 0, nullptr},
        {"5 barcodes", kBarcode + "A1A\n" + lines("[barcode]\nbox = 0,0,3000,300\ndata = A1A\n", 4), 19, "more than 4"},
        {"32 companies of 40", kHead + "[companies]\n" + QByteArray(40, 'n').append('\n').repeated(32), 0, nullptr},
        {"33 companies", kHead + "[companies]\n" + lines("n\n", 33), 39, "more than 32"},
        {"company of 41", kHead + "[companies]\n" + QByteArray(41, 'n'), 7, "longer than 40"},
        {"remarks of 100 lines, 4000 characters", remarks(100, 39), 0, nullptr},
        {"remarks of 101 lines", remarks(101, 1), 107, "more than 100"},
        {"remarks of 4001 characters", remarks(20, 199) + "x\n", 27, "longer than 4000"},
        {"value of 200, line of 1000", kText + "text = " + QByteArray(200, 'x') + "\n; " + QByteArray(998, 'x'), 0, nullptr},
        {"line of 1001", kHead + "; " + QByteArray(999, 'x'), 6, "longer than 1000"},
        {"value of 201", kText + "text = " + QByteArray(201, 'x'), 8, "longer than 200"},
        {"file of 64 KiB", maxFile, 0, nullptr},
        {"file of 64 KiB and a byte", maxFile + "\n", 0, "larger than"},
    };
    for (const auto& [what, text, line, says] : cases) {
        const ParseResult result = parsePlugin(text);
        EXPECT_EQ(bool(result.plugin), !says) << what << ": " << result.error.toStdString();
        EXPECT_EQ(result.line, line) << what << ": " << result.error.toStdString();
        EXPECT_TRUE(result.error.contains(QString::fromUtf8(says ? says : ""))) << what;
    }
}

TEST(TicketTemplate, FillsPlaceholders) {
    QString error;
    TicketValues v{parseTicketDate(u"05-03-2024"), parseTicketTime(u"09:04:30"), 121, 1234, 5,
                   QStringLiteral("中央一丁目南口バスターミナル"), QStringLiteral("甲")};
    const auto text = Template::compile(u"{date} {time} {yy}/{month}/{day:2} {hour}{minute:2}{second:2} "
                                        u"{route:5}={line}+{dir} {stopno:3} #{ticket:3} {stop:6}{company} {{x}}",
                                        Template::Use::Text, error);
    ASSERT_TRUE(text) << error.toStdString();
    // A number wider than its field prints whole in a text (a barcode leaves it off).
    EXPECT_EQ(text->expand(v), QStringLiteral("2024.05.03 09:04 24/5/03 90430 00121=12+1 005 #1234 中央一丁目南甲 {x}"));
    const auto barcode = Template::compile(u"c{ticket:4}{dir}d", Template::Use::Barcode, error);
    ASSERT_TRUE(barcode) << error.toStdString();
    EXPECT_EQ(barcode->expand(v), QStringLiteral("C12341D"));
    // A date or time that is not one leaves out what prints it.
    v.date = parseTicketDate(u"13-45-2024");
    EXPECT_FALSE(v.date);
    EXPECT_FALSE(text->expand(v));
    EXPECT_TRUE(!parseTicketTime(u"25:00:00") && parseTicketTime(u"9:05") == QTime(9, 5));
    EXPECT_EQ(parseTicketDate(u"1/2/2025"), QDate(2025, 1, 2));
}

}  // namespace
