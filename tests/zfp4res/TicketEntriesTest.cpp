#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextEdit>

#include <array>
#include <vector>

#include "formats/Cp932.h"
#include "zfp4res/ZFP4Res.h"

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// The pixels of `area` that stand out from its top-left pixel, as a mask
// cropped to their bounding box; `where` gets that box.
QImage inkIn(const QImage& image, const QRect& area, QRect* where = nullptr) {
    const QColor bg = image.pixelColor(area.topLeft());
    QImage mask(area.size(), QImage::Format_Grayscale8);
    mask.fill(0);
    QRect bounds;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x) {
            const QColor c = image.pixelColor(area.topLeft() + QPoint(x, y));
            if (std::max({std::abs(c.red() - bg.red()), std::abs(c.green() - bg.green()), std::abs(c.blue() - bg.blue())}) > 110)
                mask.setPixel(x, y, 255), bounds |= QRect(x, y, 1, 1);
        }
    if (where) *where = bounds.translated(area.topLeft());
    return bounds.isNull() ? QImage() : mask.copy(bounds);
}

// By default the journey of the authors' page example.
struct Ticket {
    QString stop = QStringLiteral("市民病院前");
    QByteArray date = "05-13-2024", time = "09:41:30";
    int route = 121, ticket = 5, stopNo = 5, company = -1;
};

// The ticket drawn on white, `scale` device pixels to a preview pixel, with a
// margin of 9 pixels on its right that must stay white; the painter must come
// back as it was handed over, with no clip.
QImage drawn(const QString& plugin, const Ticket& t, QSize twips, int scale = 3) {
    QImage image(twips * scale / 15 + QSize(9, 0), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    ZF4_DrawSeiriken(cp932::encode(plugin).constData(), &painter, cp932::encode(t.stop).constData(), t.date.constData(),
                     t.time.constData(), t.route, int16_t(t.ticket), int16_t(t.stopNo), t.company);
    EXPECT_EQ(painter.worldTransform(), QTransform::fromScale(scale, scale));
    EXPECT_FALSE(painter.hasClipping());
    EXPECT_TRUE(inkIn(image, QRect(image.width() - 9, 0, 9, image.height())).isNull());
    return image;
}

// The NW-7 symbols a reader finds in the image, in reading order.
QStringList barcodesIn(const QImage& image) {
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("ticket.png"));
    EXPECT_TRUE(image.save(png));
    QProcess reader;
    reader.start(QStringLiteral(ZBARIMG), {"--raw", "-q", "-Sdisable", "-Scodabar.enable", png});
    EXPECT_TRUE(reader.waitForFinished(30000));
    return QString::fromLatin1(reader.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

// `text` written by the test itself in the face that stands in for
// "ＭＳ ゴシック", as a ticket is drawn at scale 3.
QImage inkOfText(const QString& text, double points, int weight) {
    QImage image(1800, 240, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(3, 3);
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(qRound(points * 96 / 72));
    font.setWeight(static_cast<QFont::Weight>(weight));
    painter.setFont(font);
    painter.drawText(QPointF(20, 50), text);
    painter.end();
    return inkIn(image, image.rect());
}

// Share of differing pixels between two masks; 1 when their sizes differ by
// more than two pixels either way.
double mismatch(const QImage& a, const QImage& b) {
    if (a.isNull() || b.isNull() || std::abs(a.width() - b.width()) > 2 || std::abs(a.height() - b.height()) > 2) return 1;
    const int w = std::max(a.width(), b.width()), h = std::max(a.height(), b.height());
    int differing = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            differing += (a.valid(x, y) && qGray(a.pixel(x, y)) > 0) != (b.valid(x, y) && qGray(b.pixel(x, y)) > 0);
    return double(differing) / (w * h);
}

// Boxes in twips; the drawing test knows where each lands.
const QByteArray kLayout =
    "[plugin]\nformat = 1\nsize = 3000 x 1500\nroute-max = 50\nstops = 2 - 20\nbarcode-route = serial\npaper = #fffdf6\n"
    "[remarks]\n一行目\n二行目\n[companies]\n甲バス\n乙交通\n"
    "[frame]\nbox = 2850, 600, 120, 540\nfill = red\ncolor = navy\n"
    "[line]\nfrom = 3000, 0\nto = 3000, 1500\nwidth = 30\ncolor = green\n"
    "[text]\nbox = 150, 150, 2700, 360\ntext = {stop}\nsize = 12\nweight = bold\n"
    "[text]\nbox = 150, 600, 2700, 240\ntext = {date} {time}\nalign = right\n"
    "[text]\nbox = 150, 900, 2700, 240\ntext = {company}\nalign = centre\nshow = in-range\n"
    "[text]\nbox = 150, 900, 2700, 240\ntext = 範囲外\nalign = center\nshow = stop-out-of-range\n"
    "[barcode]\nbox = 150, 1170, 2700, 300\ndata = A{route:2}{stopno:2}{ticket:3}B\n";
const QSize kLayoutSize(3000, 1500);
const QString kSample = QStringLiteral(SAMPLE_PLUGINS_DIR "/hoshimizaka.4SP");

class TicketPlugIns : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid() && writeFile(layout, kLayout)); }
    QTemporaryDir dir;
    const QString layout = dir.filePath(QStringLiteral("layout.4SP"));
};

TEST_F(TicketPlugIns, OnlyAUsablePlugInFillsTheRecordAndTheWidgetsAndDraws) {
    const QString broken = dir.filePath(QStringLiteral("broken.4SP"));
    ASSERT_TRUE(writeFile(broken, kLayout + "[nonsense]\n"));
    // The record's fourteen fields in order; none when the file is not usable.
    const std::pair<QString, std::vector<int32_t>> cases[] = {
        {kSample, {1, 3300, 1740, 1, 1, 1, 1, 1, 2, 999, 0, 1, 99, 1}},
        {QStringLiteral(SAMPLE_PLUGINS_DIR "/kirigahara.4SP"), {1, 3300, 1395, 1, 0, 0, 1, 0, 0, 99999, 0, 1, 60, 0}},
        {layout, {1, 3000, 1500, 1, 1, 1, 1, 1, 1, 50, 1, 2, 20, 1}},
        {broken, {}}, {dir.filePath(QStringLiteral("missing.4SP")), {}}, {dir.path(), {}}, {QString(), {}},
    };
    for (const auto& [path, fields] : cases) {
        SCOPED_TRACE(path.toStdString());
        const QByteArray name = cp932::encode(path);
        std::vector<int32_t> got(14, 0);
        EXPECT_EQ(ZF4_GetPlgInfo(name.constData(), reinterpret_cast<PlgInfo*>(got.data())), fields.empty() ? 0 : 1);
        EXPECT_EQ(got, fields.empty() ? std::vector<int32_t>(14, 0) : fields);
        if (!fields.empty()) continue;
        QPlainTextEdit remarks(QStringLiteral("keep"));
        QComboBox companies;
        ZF4_SetPlgComment(name.constData(), &remarks);
        ZF4_SetCorpAddList(name.constData(), &companies);
        EXPECT_TRUE(remarks.toPlainText() == QStringLiteral("keep") && companies.count() == 0);
        const QImage ticket = drawn(path, {}, kLayoutSize, 1);
        EXPECT_TRUE(ticket.pixel(0, 0) == qRgb(255, 255, 255) && inkIn(ticket, ticket.rect()).isNull());
    }
    EXPECT_EQ(ZF4_GetPlgInfo(cp932::encode(layout).constData(), nullptr), 0);

    const QByteArray path = cp932::encode(layout);
    QPlainTextEdit plain(QStringLiteral("old"));
    QTextEdit rich;
    QLineEdit line;
    QLabel label;
    for (QWidget* box : std::initializer_list<QWidget*>{&plain, &rich, &line, &label})
        ZF4_SetPlgComment(path.constData(), box);
    EXPECT_EQ(QStringList({plain.toPlainText(), rich.toPlainText(), line.text(), label.text()}),
              QStringList({"一行目\n二行目", "一行目\n二行目", "一行目 二行目", "一行目\n二行目"}));
    // Added to what the list holds: the options empty it themselves.
    QComboBox combo;
    combo.addItem(QStringLiteral("既存"));
    QListWidget list;
    ZF4_SetCorpAddList(path.constData(), &combo);
    ZF4_SetCorpAddList(path.constData(), &list);
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(QStringList({combo.itemText(0), combo.itemText(1), combo.itemText(2), list.item(0)->text(), list.item(1)->text()}),
              QStringList({"既存", "甲バス", "乙交通", "甲バス", "乙交通"}));
}

TEST_F(TicketPlugIns, AFileIsReadAgainOnlyWhenItsSizeOrTimeChanges) {
    const QDateTime written(QDate(2024, 5, 13), QTime(14, 5));
    QByteArray changed = kLayout;
    changed.replace("route-max = 50", "route-max = 60");
    // What the file holds, its time, and the highest route then reported.
    const std::tuple<QByteArray, QDateTime, int> steps[] = {
        {kLayout, written, 50}, {changed, written, 50}, {changed, written.addSecs(2), 60},
        {changed + "[nonsense]\n", written.addSecs(2), 0}};
    for (const auto& [bytes, time, routeMax] : steps) {
        QFile file(layout);
        ASSERT_TRUE(writeFile(layout, bytes) && file.open(QIODevice::ReadWrite) &&
                    file.setFileTime(time, QFileDevice::FileModificationTime));
        PlgInfo info{};
        ZF4_GetPlgInfo(cp932::encode(layout).constData(), &info);
        EXPECT_EQ(info.RouteNumMax, routeMax) << bytes.size();
    }
}

TEST_F(TicketPlugIns, TheTicketShowsWhatTheLayoutDeclaresForTheJourney) {
    // The text boxes in twips; at scale 3 a fifth of a twip value is a pixel.
    const QRect boxes[] = {{150, 150, 2700, 360}, {150, 600, 2700, 240}, {150, 900, 2700, 240}};
    const int points[] = {12, 9, 9}, weights[] = {700, 400, 400};
    const QString stop = QStringLiteral("市民病院前"), when = QStringLiteral("2024.05.13 09:41");
    // The journey, the texts in the boxes (empty: nothing there) and the
    // barcodes. Routes 1 to 50 and stops 2 to 20 are in range; a date that is
    // not one leaves out the text that prints it, and a ticket number that
    // does not fit its field, or is negative, the barcode.
    const std::tuple<Ticket, std::array<QString, 3>, QStringList> rows[] = {
        {{.route = 7, .ticket = 5, .stopNo = 3, .company = 1}, {stop, when, "乙交通"}, {"A0703005B"}},
        {{.date = "13-45-2024", .route = 50, .ticket = 17, .stopNo = 20}, {stop, "", "甲バス"}, {"A5020017B"}},
        {{.route = 51, .stopNo = 2}, {stop, when, ""}, {}},
        {{.route = 0, .stopNo = 5}, {stop, when, ""}, {}},
        {{.route = 7, .stopNo = 1}, {stop, when, "範囲外"}, {}},
        {{.route = 7, .stopNo = 21}, {stop, when, "範囲外"}, {}},
        {{.route = 7, .ticket = 1000, .stopNo = 3}, {stop, when, "甲バス"}, {}},
        {{.route = 7, .ticket = -5, .stopNo = 3}, {stop, when, "甲バス"}, {}},
    };
    for (const auto& [t, texts, barcodes] : rows) {
        SCOPED_TRACE(QStringLiteral("route %1, stop %2, ticket %3").arg(t.route).arg(t.stopNo).arg(t.ticket).toStdString());
        const QImage image = drawn(layout, t, kLayoutSize);
        EXPECT_EQ(barcodesIn(image), barcodes);
        for (int i = 0; i < 3; ++i) {
            const QRect box(boxes[i].topLeft() / 5, boxes[i].size() / 5);
            QRect at;
            const QImage ink = inkIn(image, box, &at);
            EXPECT_EQ(ink.isNull(), texts[i].isEmpty()) << i;
            if (ink.isNull() || texts[i].isEmpty()) continue;
            EXPECT_LT(mismatch(ink, inkOfText(texts[i], points[i], weights[i])), 0.06) << i;
            // Left, right and centred in turn, within a few pixels of side
            // bearing; centred vertically.
            EXPECT_NEAR((i == 0 ? at.left() : i == 1 ? at.right() : at.center().x()),
                        (i == 0 ? box.left() : i == 1 ? box.right() : box.center().x()), 9) << i;
            EXPECT_NEAR(at.center().y(), box.center().y(), 9) << i;
        }
    }
    // The frame's border and fill, the paper and the rule on the edge, whose
    // outer half is left off, at their edges.
    const QImage image = drawn(layout, {}, kLayoutSize);
    const QRgb navy = qRgb(0, 0, 128), green = qRgb(0, 128, 0), paper = qRgb(0xff, 0xfd, 0xf6);
    const std::pair<QPoint, QRgb> pixels[] = {{{569, 200}, paper}, {{570, 200}, navy},  {{572, 200}, navy},
                                              {{573, 200}, qRgb(255, 0, 0)}, {{596, 200}, paper}, {{597, 200}, green}};
    for (const auto& [at, rgb] : pixels) EXPECT_EQ(image.pixel(at), rgb) << at.x() << "," << at.y();
    // A long stop name is narrowed into its box rather than cut or spilled.
    QRect at;
    inkIn(drawn(layout, {.stop = QStringLiteral("とても長い名前の停留所前バスターミナル第二乗り場")}, kLayoutSize),
          QRect(0, 30, 596, 72), &at);
    EXPECT_TRUE(at.left() >= 30 && at.right() < 570 && at.width() > 500) << at.left() << "-" << at.right();
    // The sample reads route 121 as route 12, direction 1, as its page says.
    EXPECT_EQ(barcodesIn(drawn(kSample, {}, {3300, 1740})), (QStringList{"A12105A", "B13005B"}));
}

}  // namespace
