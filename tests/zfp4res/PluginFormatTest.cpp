#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "zfp4res/src/TicketPlugin.h"

using namespace ticket;

namespace {

QByteArray sampleBytes(const char* name) {
    QFile file(QDir(QStringLiteral(SAMPLE_PLUGINS_DIR)).filePath(QString::fromUtf8(name)));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

// The smallest usable plug-in; cases below add one mistake to it.
const QByteArray kHead = "[plugin]\nformat = 1\nsize = 3000 x 1500\nroute-max = 50\nstops = 1 - 20\n";

ParseResult parse(const QByteArray& text) { return parsePlugin(text); }

// The declarations themselves are checked through the record
// (TicketEntriesTest); here what only the parser shows.
TEST(PluginFormat, SamplesParse) {
    const ParseResult withBarcodes = parse(sampleBytes("hoshimizaka.4SP"));
    ASSERT_TRUE(withBarcodes.plugin) << withBarcodes.line << ": " << withBarcodes.error.toStdString();
    EXPECT_EQ(withBarcodes.plugin->companies, (QStringList{"星見坂交通", "星見坂交通 北営業所", "ほしみ観光バス"}));
    EXPECT_EQ(withBarcodes.plugin->elements.size(), 16u);
    EXPECT_EQ(withBarcodes.plugin->paper, QColor(0xff, 0xfd, 0xf6));

    const ParseResult dateAndStop = parse(sampleBytes("kirigahara.4SP"));
    ASSERT_TRUE(dateAndStop.plugin) << dateAndStop.line << ": " << dateAndStop.error.toStdString();
    EXPECT_TRUE(dateAndStop.plugin->companies.isEmpty());
    EXPECT_EQ(dateAndStop.plugin->remarks.count(u'\n'), 1);  // the blank line before the next section is dropped
}

TEST(PluginFormat, TheAuthorsPageShowsTheSampleAsItIs) {
    QFile page(QStringLiteral(PLUGIN_FORMAT_PAGE));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QByteArray text = page.readAll();
    const qsizetype start = text.indexOf("```ini\n", text.indexOf("## A complete example"));
    ASSERT_GE(start, 0);
    const qsizetype end = text.indexOf("```", start + 7);
    EXPECT_EQ(text.mid(start + 7, end - start - 7), sampleBytes("hoshimizaka.4SP"));
}

TEST(PluginFormat, ForgivesHowAPersonTypesIt) {
    // BOM, CRLF, a full-width '=' and digits, capitals, "colour", blank
    // padding, sections in any order, quotes that keep blanks.
    const QByteArray relaxed =
        "\xEF\xBB\xBF; comment\r\n[Text]\r\n  BOX =  150 , 150 , 900 , 300 \r\ntext = \"  {stop} \"\r\n"
        "Colour = Red\r\n\r\n[PLUGIN]\r\nformat \xEF\xBC\x9D \xEF\xBC\x91\r\nsize = 3000x1500\r\n"
        "route_max = \xEF\xBC\x95\xEF\xBC\x90\r\nstops = 1\xEF\xBD\x9E" "20\r\n";
    const ParseResult result = parse(relaxed);
    ASSERT_TRUE(result.plugin) << result.line << ": " << result.error.toStdString();
    EXPECT_EQ(result.plugin->routeMax, 50);
    EXPECT_EQ(result.plugin->stopTo, 20);
    ASSERT_EQ(result.plugin->elements.size(), 1u);
    const auto& text = std::get<TextElement>(result.plugin->elements[0]);
    EXPECT_EQ(text.box, QRect(150, 150, 900, 300));
    EXPECT_EQ(text.color, QColor(Qt::red));
    TicketValues values;
    values.stop = QStringLiteral("駅前");
    EXPECT_EQ(text.text.expand(values), QStringLiteral("  駅前 "));
}

struct Broken {
    const char* what;
    QByteArray text;
    int line;  // where the error is reported
    const char* says;
};

TEST(PluginFormat, RefusesBrokenFilesAndSaysWhere) {
    const Broken cases[] = {
        {"empty file", "", 0, "no [plugin]"},
        {"no size", "[plugin]\nformat = 1\nroute-max = 5\nstops = 1-2\n", 1, "size"},
        {"unknown format", "[plugin]\nformat = 2\nsize = 3000 x 1500\nroute-max = 5\nstops = 1-2\n", 2, "format"},
        {"ticket too small", "[plugin]\nformat = 1\nsize = 100 x 1500\nroute-max = 5\nstops = 1-2\n", 3, "300 to 7200"},
        {"stops backwards", "[plugin]\nformat = 1\nsize = 3000 x 1500\nroute-max = 5\nstops = 9 - 2\n", 5, "ends before"},
        {"route-max zero", "[plugin]\nformat = 1\nsize = 3000 x 1500\nroute-max = 0\nstops = 1 - 2\n", 4, "route-max"},
        {"misspelt key", kHead + "sise = 1\n", 6, "no key \"sise\""},
        {"unknown section", kHead + "[txt]\n", 6, "unknown section"},
        {"key twice", kHead + "[line]\nfrom = 0,0\nfrom = 0,0\n", 8, "twice"},
        {"no equals sign", kHead + "[line]\nfrom 0 0\n", 7, "key = value"},
        {"text outside sections", "size = 1\n" + kHead, 1, "before the first"},
        {"second head", kHead + kHead, 6, "second [plugin]"},
        {"box off the ticket", kHead + "[frame]\nbox = 2000, 0, 1001, 100\n", 7, "beyond the ticket"},
        {"empty box", kHead + "[frame]\nbox = 0, 0, 0, 100\n", 7, "no width"},
        {"box with three numbers", kHead + "[frame]\nbox = 0, 0, 100\n", 7, "4 numbers"},
        {"text without text", kHead + "[text]\nbox = 0, 0, 100, 100\n", 6, "text = ..."},
        {"unknown placeholder", kHead + "[text]\nbox = 0,0,100,100\ntext = {stoop}\n", 8, "{stoop}"},
        {"open brace", kHead + "[text]\nbox = 0,0,100,100\ntext = {stop\n", 8, "'{'"},
        {"font size", kHead + "[text]\nbox = 0,0,100,100\ntext = a\nsize = 200\n", 9, "points"},
        {"bad colour", kHead + "[text]\nbox = 0,0,100,100\ntext = a\ncolor = #12\n", 9, "colour"},
        {"bad choice", kHead + "[text]\nbox = 0,0,100,100\ntext = a\nalign = middle\n", 9, "left, center"},
        {"company without names", kHead + "[text]\nbox = 0,0,100,100\ntext = {company}\n", 8, "[companies]"},
        {"switch without names", kHead + "company-switch = yes\n", 6, "[companies]"},
        {"barcode without guards", kHead + "barcode-route = serial\n[barcode]\nbox = 0,0,3000,300\ndata = {stopno:2}\n", 9,
         "begin and end"},
        {"barcode with a name", kHead + "barcode-route = serial\n[barcode]\nbox = 0,0,3000,300\ndata = A{stop}A\n", 9,
         "numbers only"},
        {"barcode number without width", kHead + "barcode-route = serial\n[barcode]\nbox = 0,0,3000,300\ndata = A{route}A\n",
         9, "width"},
        {"barcode too long", kHead + "barcode-route = serial\n[barcode]\nbox = 0,0,3000,300\ndata = A{route:10}{route:10}{route:10}{route:10}A\n",
         9, "longer"},
        {"barcode letter", kHead + "barcode-route = serial\n[barcode]\nbox = 0,0,3000,300\ndata = A1X2A\n", 9, "'X'"},
        {"barcode without route mode", kHead + "[barcode]\nbox = 0,0,3000,300\ndata = A{route:2}A\n", 1, "barcode-route"},
        {"declared time not printed", kHead + "print-time = yes\n", 6, "prints the time"},
        {"printed date declared absent", kHead + "print-date = no\n[text]\nbox = 0,0,100,100\ntext = {day}\n", 6,
         "prints the date"},
        {"not UTF-8", kHead + "[remarks]\n\x82\xa0\n", 0, "UTF-8"},
        {"control character", kHead + "[remarks]\nab\x01" "c\n", 7, "control"},
    };
    for (const Broken& c : cases) {
        const ParseResult result = parse(c.text);
        EXPECT_FALSE(result.plugin) << c.what;
        EXPECT_EQ(result.line, c.line) << c.what << ": " << result.error.toStdString();
        EXPECT_TRUE(result.error.contains(QString::fromUtf8(c.says))) << c.what << ": " << result.error.toStdString();
    }
}

TEST(PluginFormat, SizesAreBounded) {
    QByteArray manyElements = kHead;
    for (int i = 0; i < limits::kElements; ++i) manyElements += "[line]\nfrom = 0, 0\nto = 10, 10\n";
    ASSERT_TRUE(parse(manyElements).plugin);
    EXPECT_EQ(parse(manyElements + "[line]\n").line, 6 + 3 * limits::kElements);

    QByteArray manyBarcodes = kHead + "barcode-route = serial\n";
    for (int i = 0; i <= limits::kBarcodes; ++i) manyBarcodes += "[barcode]\nbox = 0,0,3000,300\ndata = A1A\n";
    EXPECT_TRUE(parse(manyBarcodes).error.contains(QStringLiteral("barcodes")));

    QByteArray manyNames = kHead + "[companies]\n";
    for (int i = 0; i <= limits::kCompanies; ++i) manyNames += "name\n";
    EXPECT_TRUE(parse(manyNames).error.contains(QStringLiteral("company names")));
    EXPECT_FALSE(parse(kHead + "[companies]\n" + QByteArray(limits::kCompanyChars + 1, 'n')).plugin);

    QByteArray longRemarks = kHead + "[remarks]\n";
    for (int i = 0; i <= limits::kRemarkLines; ++i) longRemarks += "x\n";
    EXPECT_TRUE(parse(longRemarks).error.contains(QStringLiteral("remarks")));

    EXPECT_EQ(parse(kHead + "; " + QByteArray(limits::kLineChars, 'x')).line, 6);
    EXPECT_FALSE(parse(kHead + "[text]\nbox=0,0,9,9\ntext = " + QByteArray(limits::kValueChars + 1, 'x')).plugin);
    // Comment lines alone push the file over its size limit.
    QByteArray big = kHead;
    while (big.size() <= limits::kFileBytes) big += "; " + QByteArray(500, 'x') + '\n';
    EXPECT_EQ(parse(big).line, 0);
    EXPECT_FALSE(parse(big).plugin);
}

TEST(TicketTemplate, FillsPlaceholders) {
    QString error;
    TicketValues v;
    v.date = parseTicketDate(u"05-03-2024");
    v.time = parseTicketTime(u"09:04:30");
    v.route = 121;
    v.ticket = 7;
    v.stopNo = 5;
    v.stop = QStringLiteral("中央一丁目南口バスターミナル");
    v.company = QStringLiteral("甲");
    const auto text = Template::compile(u"{date} {time} {yy}/{month}/{day:2} {hour}{minute:2}{second:2} "
                                        u"{route:5}={line}+{dir} {stopno:3} #{ticket} {stop:6}{company} {{x}}",
                                        Template::Use::Text, error);
    ASSERT_TRUE(text) << error.toStdString();
    EXPECT_EQ(text->expand(v), QStringLiteral("2024.05.03 09:04 24/5/03 90430 00121=12+1 005 #7 中央一丁目南甲 {x}"));

    // A number wider than its field prints whole in a text, but empties the
    // barcode it would shift.
    v.ticket = 1234;
    EXPECT_EQ(Template::compile(u"{ticket:3}", Template::Use::Text, error)->expand(v), QStringLiteral("1234"));
    const auto barcode = Template::compile(u"c{ticket:3}{dir}d", Template::Use::Barcode, error);
    ASSERT_TRUE(barcode) << error.toStdString();
    EXPECT_FALSE(barcode->expand(v));
    v.ticket = -5;
    EXPECT_FALSE(barcode->expand(v));
    v.ticket = 42;
    EXPECT_EQ(barcode->expand(v), QStringLiteral("C0421D"));

    // A date or time that is not one leaves out what prints it.
    v.date = parseTicketDate(u"13-45-2024");
    EXPECT_FALSE(v.date);
    EXPECT_FALSE(Template::compile(u"{month}", Template::Use::Text, error)->expand(v));
    EXPECT_FALSE(parseTicketTime(u"25:00:00"));
    EXPECT_EQ(parseTicketDate(u"1/2/2025"), QDate(2025, 1, 2));
}

}  // namespace
