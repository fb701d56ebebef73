#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>

#include <cstring>

#include "formats/Cp932.h"
#include "zfp4res/ZFP4Res.h"

namespace {

QString samplePath(const char* name) { return QDir(QStringLiteral(SAMPLE_PLUGINS_DIR)).filePath(QString::fromUtf8(name)); }

const QString kWithBarcodes = samplePath("hoshimizaka.4SP");
const QString kDateAndStop = samplePath("kirigahara.4SP");

int32_t getInfo(const QString& path, PlgInfo& info) { return ZF4_GetPlgInfo(cp932::encode(path).constData(), &info); }

int32_t fieldAt(const PlgInfo& info, int offset) {
    int32_t value;
    std::memcpy(&value, reinterpret_cast<const char*>(&info) + offset, sizeof value);
    return value;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

struct Ticket {
    QString stop = QStringLiteral("市民病院前");
    QString date = QStringLiteral("05-13-2024");
    QString time = QStringLiteral("14:05:09");
    int route = 121;
    int ticket = 5;
    int stopNo = 5;
    int company = -1;
};

void draw(QPainter& painter, const QString& plugin, const Ticket& t) {
    ZF4_DrawSeiriken(cp932::encode(plugin).constData(), &painter, cp932::encode(t.stop).constData(),
                     t.date.toLatin1().constData(), t.time.toLatin1().constData(), t.route, static_cast<int16_t>(t.ticket),
                     static_cast<int16_t>(t.stopNo), t.company);
}

// The ticket drawn on a white surface `scale` device pixels per preview pixel.
QImage drawn(const QString& plugin, const Ticket& t, QSize twips, int scale) {
    QImage image(twips.width() * scale / 15, twips.height() * scale / 15, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    draw(painter, plugin, t);
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

// The pixels of `area` that stand out from its background (its top-left
// pixel), as a mask cropped to their bounding box; `where` gets that box.
QImage inkIn(const QImage& image, const QRect& area, QRect* where = nullptr) {
    const QColor background = image.pixelColor(area.topLeft());
    QImage mask(area.size(), QImage::Format_Grayscale8);
    mask.fill(0);
    QRect bounds;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x) {
            const QColor c = image.pixelColor(area.x() + x, area.y() + y);
            const int difference = std::max({std::abs(c.red() - background.red()), std::abs(c.green() - background.green()),
                                             std::abs(c.blue() - background.blue())});
            if (difference > 110) {
                mask.setPixel(x, y, 255);
                bounds |= QRect(x, y, 1, 1);
            }
        }
    if (where) *where = bounds.translated(area.topLeft());
    return bounds.isNull() ? QImage() : mask.copy(bounds);
}

// `text` written by the test itself in the face the library stands in for
// "ＭＳ ゴシック", at `points` and `scale`.
QImage inkOfText(const QString& text, double points, int weight, int scale) {
    QImage image(600 * scale, 80 * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
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
        for (int x = 0; x < w; ++x) {
            const bool inA = x < a.width() && y < a.height() && qGray(a.pixel(x, y)) > 0;
            const bool inB = x < b.width() && y < b.height() && qGray(b.pixel(x, y)) > 0;
            differing += inA != inB;
        }
    return double(differing) / (w * h);
}

// Boxes in twips; the test compares what lands in them.
const QByteArray kLayout = R"([plugin]
format = 1
size = 3000 x 1500
route-max = 50
stops = 1 - 20
barcode-route = serial
[companies]
甲バス
乙交通
[text]
box = 150, 150, 2700, 360
text = {stop}
size = 12
weight = bold
[text]
box = 150, 600, 2700, 240
text = {date} {time}
size = 9
align = right
[text]
box = 150, 900, 2700, 240
text = {company}
size = 9
align = center
show = in-range
[text]
box = 150, 900, 2700, 240
text = 範囲外
size = 9
align = center
show = stop-out-of-range
[barcode]
box = 150, 1170, 2700, 300
data = A{route:2}{stopno:2}B
)";
const QSize kLayoutSize(3000, 1500);

QRect devicePixels(const QRect& twips, int scale) {
    return {twips.x() * scale / 15, twips.y() * scale / 15, twips.width() * scale / 15, twips.height() * scale / 15};
}

class TicketDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        layout = dir.filePath(QStringLiteral("layout.4SP"));
        ASSERT_TRUE(writeFile(layout, kLayout));
    }
    QTemporaryDir dir;
    QString layout;
};

TEST(TicketPlugins, RecordHoldsTheDeclarationsAtTheirOffsets) {
    PlgInfo a{};
    ASSERT_EQ(getInfo(kWithBarcodes, a), 1);
    const int32_t expectedA[14] = {1, 3300, 1740, 1, 1, 1, 1, 1, 2, 999, 0, 1, 99, 1};
    for (int i = 0; i < 14; ++i) EXPECT_EQ(fieldAt(a, 4 * i), expectedA[i]) << "offset " << 4 * i;

    PlgInfo b{};
    ASSERT_EQ(getInfo(kDateAndStop, b), 1);
    const int32_t expectedB[14] = {1, 3300, 1395, 1, 0, 0, 1, 0, 0, 99999, 0, 1, 60, 0};
    for (int i = 0; i < 14; ++i) EXPECT_EQ(fieldAt(b, 4 * i), expectedB[i]) << "offset " << 4 * i;
}

TEST(TicketPlugins, UnusableFilesGiveZeroAndTouchNothing) {
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("broken.4SP"));
    ASSERT_TRUE(writeFile(broken, "[plugin]\nformat = 2\nsize = 3000 x 1500\nroute-max = 5\nstops = 1-2\n"));
    const PlgInfo zero{};
    PlgInfo info{};
    for (const QString& path : {broken, dir.filePath(QStringLiteral("missing.4SP")), dir.path(), QString()}) {
        EXPECT_EQ(getInfo(path, info), 0) << path.toStdString();
        EXPECT_EQ(std::memcmp(&info, &zero, sizeof info), 0) << path.toStdString();

        QPlainTextEdit remarks(QStringLiteral("keep"));
        ZF4_SetPlgComment(cp932::encode(path).constData(), &remarks);
        EXPECT_EQ(remarks.toPlainText(), QStringLiteral("keep"));
        QComboBox companies;
        ZF4_SetCorpAddList(cp932::encode(path).constData(), &companies);
        EXPECT_EQ(companies.count(), 0);
        const QImage blank = drawn(path, Ticket{}, {3000, 1500}, 1);
        EXPECT_EQ(blank.pixel(0, 0), qRgb(255, 255, 255));
        EXPECT_EQ(inkIn(blank, blank.rect()).size(), QSize(0, 0));
    }
    EXPECT_EQ(ZF4_GetPlgInfo(cp932::encode(kWithBarcodes).constData(), nullptr), 0);
}

TEST(TicketPlugins, RemarksAndCompaniesReachTheWidgets) {
    const QByteArray path = cp932::encode(kWithBarcodes);
    QPlainTextEdit plain(QStringLiteral("old remarks"));
    ZF4_SetPlgComment(path.constData(), &plain);
    const QStringList lines = plain.toPlainText().split(u'\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], QStringLiteral("星見坂交通の整理券（NW-7 バーコード 2 本付き）です。"));
    EXPECT_EQ(lines[4], QStringLiteral("・社名は運行会社に合わせて切り替えられます。"));
    QLineEdit single;
    ZF4_SetPlgComment(path.constData(), &single);
    EXPECT_EQ(single.text(), lines.join(u' '));

    // The list is added to, not replaced: the options empty it themselves.
    QComboBox combo;
    combo.addItem(QStringLiteral("既存"));
    ZF4_SetCorpAddList(path.constData(), &combo);
    QStringList items;
    for (int i = 0; i < combo.count(); ++i) items << combo.itemText(i);
    EXPECT_EQ(items, (QStringList{"既存", "星見坂交通", "星見坂交通 北営業所", "ほしみ観光バス"}));
    QListWidget list;
    ZF4_SetCorpAddList(path.constData(), &list);
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.item(2)->text(), QStringLiteral("ほしみ観光バス"));
}

TEST(TicketPlugins, FileIsReadAgainOnlyWhenItChangesOnDisk) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("changing.4SP"));
    const QByteArray first = "[plugin]\nformat = 1\nsize = 3000 x 1500\nroute-max = 50\nstops = 1 - 20\n";
    QByteArray second = first;
    second.replace("route-max = 50", "route-max = 60");
    const QDateTime written(QDate(2024, 5, 13), QTime(14, 5));
    const auto stamp = [&](const QDateTime& time) {
        QFile file(path);
        return file.open(QIODevice::ReadWrite) && file.setFileTime(time, QFileDevice::FileModificationTime);
    };
    ASSERT_TRUE(writeFile(path, first) && stamp(written));
    PlgInfo info{};
    ASSERT_EQ(getInfo(path, info), 1);
    EXPECT_EQ(info.RouteNumMax, 50);

    // Same size and time: the parsed plug-in is used as it was.
    ASSERT_TRUE(writeFile(path, second) && stamp(written));
    info = {};
    ASSERT_EQ(getInfo(path, info), 1);
    EXPECT_EQ(info.RouteNumMax, 50);

    ASSERT_TRUE(stamp(written.addSecs(2)));
    info = {};
    ASSERT_EQ(getInfo(path, info), 1);
    EXPECT_EQ(info.RouteNumMax, 60);

    ASSERT_TRUE(writeFile(path, second + "[nonsense]\n"));
    EXPECT_EQ(getInfo(path, info), 0);
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_EQ(getInfo(path, info), 0);
}

TEST_F(TicketDrawing, TextsAppearWhereDeclared) {
    constexpr int kScale = 2;
    Ticket t;
    t.time = QStringLiteral("09:41:30");
    t.route = 7;
    t.stopNo = 3;
    t.company = 1;
    const QImage image = drawn(layout, t, kLayoutSize, kScale);

    struct Expected {
        QRect box;
        QString text;
        double points;
        int weight;
        Qt::Alignment align;
    };
    const Expected expected[] = {
        {{150, 150, 2700, 360}, QStringLiteral("市民病院前"), 12, 700, Qt::AlignLeft},
        {{150, 600, 2700, 240}, QStringLiteral("2024.05.13 09:41"), 9, 400, Qt::AlignRight},
        {{150, 900, 2700, 240}, QStringLiteral("乙交通"), 9, 400, Qt::AlignHCenter},
    };
    for (const Expected& e : expected) {
        const QRect box = devicePixels(e.box, kScale);
        QRect where;
        const QImage ink = inkIn(image, box, &where);
        EXPECT_LT(mismatch(ink, inkOfText(e.text, e.points, e.weight, kScale)), 0.06) << e.text.toStdString();
        // Placed by the alignment, within a few pixels of side bearing, and
        // centred vertically in its box.
        const int slack = 3 * kScale;
        const auto [at, want] = e.align == Qt::AlignLeft    ? std::pair(where.left(), box.left())
                                : e.align == Qt::AlignRight ? std::pair(where.right(), box.right())
                                                            : std::pair(where.center().x(), box.center().x());
        EXPECT_NEAR(at, want, slack) << e.text.toStdString();
        EXPECT_NEAR(where.center().y(), box.center().y(), slack) << e.text.toStdString();
    }
    // The comparison tells texts apart.
    const QImage stopInk = inkIn(image, devicePixels({150, 150, 2700, 360}, kScale));
    EXPECT_GT(mismatch(stopInk, inkOfText(QStringLiteral("市民会館前"), 12, 700, kScale)), 0.06);
    EXPECT_GT(mismatch(stopInk, inkOfText(QStringLiteral("市民病院前"), 12, 400, kScale)), 0.06);
}

TEST_F(TicketDrawing, BarcodesDecodeToTheRouteAndStop) {
    Ticket t;
    t.route = 7;
    t.stopNo = 3;
    EXPECT_EQ(barcodesIn(drawn(layout, t, kLayoutSize, 3)), QStringList{"A0703B"});

    // The sample reads route 121 as route 12, direction 1; the second symbol
    // carries the day and the ticket number.
    t = Ticket{};
    t.ticket = 17;
    t.stopNo = 42;
    EXPECT_EQ(barcodesIn(drawn(kWithBarcodes, t, {3300, 1740}, 3)), (QStringList{"A12142A", "B13017B"}));
}

TEST_F(TicketDrawing, OutOfRangeShowsTheDeclaredFallbackAndNoBarcode) {
    constexpr int kScale = 2;
    Ticket t;
    t.route = 7;
    t.stopNo = 21;
    t.company = 0;
    const QImage image = drawn(layout, t, kLayoutSize, 3);
    EXPECT_TRUE(barcodesIn(image).isEmpty());
    const QImage scaled = drawn(layout, t, kLayoutSize, kScale);
    EXPECT_LT(mismatch(inkIn(scaled, devicePixels({150, 900, 2700, 240}, kScale)), inkOfText(QStringLiteral("範囲外"), 9, 400, kScale)),
              0.06);
    // The stop name still prints: only the fallback's own element is swapped.
    EXPECT_LT(mismatch(inkIn(scaled, devicePixels({150, 150, 2700, 360}, kScale)), inkOfText(t.stop, 12, 700, kScale)), 0.06);

    // The sample's route range ends at 999; its fallback note takes the
    // place of both barcodes.
    t = Ticket{};
    t.route = 1000;
    const QImage sample = drawn(kWithBarcodes, t, {3300, 1740}, 3);
    EXPECT_TRUE(barcodesIn(sample).isEmpty());
    EXPECT_FALSE(inkIn(sample, devicePixels({300, 1350, 2700, 300}, 3)).isNull());
    t.route = 999;
    EXPECT_EQ(barcodesIn(drawn(kWithBarcodes, t, {3300, 1740}, 3)).size(), 2);
}

TEST_F(TicketDrawing, StaysInsideTheTicketAndLeavesThePainterAsItWas) {
    // A face far taller than its box at the ticket's top edge, and a stop
    // name far longer than its box.
    QByteArray spilling = kLayout;
    spilling += "[text]\nbox = 0, 0, 3000, 150\ntext = 整理券\nsize = 40\nvalign = bottom\n";
    ASSERT_TRUE(writeFile(layout, spilling));
    QImage image(300, 160, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    painter.translate(30, 20);
    const QTransform transform = painter.worldTransform();
    painter.setPen(Qt::green);
    Ticket t;
    t.stop = QStringLiteral("とても長い名前の停留所前バスターミナル第二乗り場");
    draw(painter, layout, t);
    EXPECT_EQ(painter.worldTransform(), transform);
    EXPECT_EQ(painter.pen().color(), QColor(Qt::green));
    EXPECT_FALSE(painter.hasClipping());
    painter.end();
    const QRect ticket(30, 20, 200, 100);
    int outside = 0, paper = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (!ticket.contains(x, y)) outside += image.pixel(x, y) != QColor(Qt::gray).rgb();
            else paper += image.pixel(x, y) == qRgb(255, 255, 255);
        }
    EXPECT_EQ(outside, 0);
    EXPECT_GT(paper, ticket.width() * ticket.height() / 2);
    // The long name is narrowed into its box (10 to 190) rather than cut or
    // spilled.
    QRect where;
    inkIn(image, QRect(30, 20 + 12, 200, 20), &where);
    EXPECT_GE(where.left(), 30 + 10);
    EXPECT_LE(where.right(), 30 + 190);
    EXPECT_GT(where.width(), 170);
}

}  // namespace
