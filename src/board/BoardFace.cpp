#include "board/BoardFace.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <array>

#include "platform/Twips.h"

namespace {

constexpr QSize kFaceSize{429, 234};

// The window is cut with a 28 x 28 corner ellipse; the plate sits one pixel
// inside that outline so its antialiased edge is never clipped by the cut.
constexpr qreal kPlateInset = 1.0;
constexpr qreal kPlateRadius = 14.0 - kPlateInset;

// Where the board window puts its fare displays and captions (twips).
constexpr std::array kFareLefts{1650, 2745, 3825, 4920};
constexpr std::array kFareTops{1440, 2490};
constexpr QSize kFareSize{975, 510};
constexpr std::array kCaptionLefts{1725, 2820, 3885, 4995};
constexpr std::array kCaptionTops{1050, 2115};
constexpr QSize kCaptionSize{810, 315};
constexpr int kRows = int(kFareTops.size());
constexpr int kColumns = int(kFareLefts.size());

// Everything else is in pixels, laid out around the controls above.
constexpr int kNoticeTop = 14;
constexpr int kNoticeHeight = 26;
constexpr int kNoticeRight = 357;  // leaves the clock area plain
constexpr int kNoticePadding = 5;
constexpr int kCellGap = 4;      // black between a segment window and a grid line
constexpr int kPanelPadding = 6; // black above the upper captions and below the lower windows
constexpr int kWindowFrame = 2;
constexpr int kLabelFontPx = 17;
constexpr int kFareCharFontPx = 40;
constexpr int kNoticeFontPx = 15;

const QColor kWindowGrey(102, 102, 102);  // the fare displays' own background
const QColor kWindowFrameGrey(72, 72, 72);
const QColor kGridLine(85, 85, 85);

const QString kNotice = QStringLiteral("小児運賃は大人の半額（10円未満の端数は10円に切り上げ）");

QRect fareWindow(int row, int column) {
    return twips::toPixels(kFareLefts[column], kFareTops[row], kFareSize.width(), kFareSize.height());
}

QRect captionBand(int row, int column) {
    return twips::toPixels(kCaptionLefts[column], kCaptionTops[row], kCaptionSize.width(), kCaptionSize.height());
}

QFont boardFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// Shrinks the notice font until the text fits the strip.
QFont fittedFont(const QString& text, int pixelSize, int width) {
    QFont font = boardFont(pixelSize, true);
    while (font.pixelSize() > 8 && QFontMetrics(font).horizontalAdvance(text) > width)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

// Grid lines run midway between neighbouring segment windows and captions.
int columnBoundary(int column) {
    if (column == 0) return fareWindow(0, 0).left() - kCellGap;
    if (column == kColumns) return fareWindow(0, kColumns - 1).right() + kCellGap;
    return (fareWindow(0, column - 1).right() + fareWindow(0, column).left() + 1) / 2;
}

int rowBoundary() { return (fareWindow(0, 0).bottom() + captionBand(1, 0).top() + 1) / 2; }

// The panel ends at the outer grid lines and is centred on the plate.
QRect panelRect() {
    const int right = columnBoundary(kColumns);
    const int left = kFaceSize.width() - 1 - right;
    return QRect(QPoint(left, captionBand(0, 0).top() - kPanelPadding),
                 QPoint(right, fareWindow(kRows - 1, 0).bottom() + kPanelPadding));
}

void drawPlate(QPainter& p, const BoardFaceLook& look) {
    const QRectF outline =
        QRectF(QPointF(0, 0), QSizeF(kFaceSize)).adjusted(kPlateInset, kPlateInset, -kPlateInset, -kPlateInset);
    // The pen is centred on the path, so half a pixel in keeps the edge inside.
    p.setPen(QPen(look.plateEdge, 1.0));
    p.setBrush(look.plate);
    p.drawRoundedRect(outline.adjusted(0.5, 0.5, -0.5, -0.5), kPlateRadius - 0.5, kPlateRadius - 0.5);
}

void drawNotice(QPainter& p, const BoardFaceLook& look) {
    p.setPen(QPen(look.noticeEdge, 1.0));
    p.setBrush(look.notice);
    const QRect strip(QPoint(panelRect().left(), kNoticeTop), QPoint(kNoticeRight, kNoticeTop + kNoticeHeight - 1));
    p.drawRect(QRectF(strip).adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(look.noticeText);
    p.setFont(fittedFont(kNotice, kNoticeFontPx, strip.width() - 2 * kNoticePadding));
    p.drawText(strip, Qt::AlignCenter, kNotice);
}

void drawPanel(QPainter& p) {
    const QRect panel = panelRect();
    p.fillRect(panel, Qt::black);

    // Lines sit on pixel centres so they stay one crisp pixel wide.
    p.setPen(QPen(kGridLine, 1.0, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(panel).adjusted(0.5, 0.5, -0.5, -0.5));
    const qreal middle = rowBoundary() + 0.5;
    p.drawLine(QPointF(panel.left(), middle), QPointF(panel.right() + 1, middle));
    for (int column = 0; column < kColumns; ++column) {
        const qreal x = columnBoundary(column) + 0.5;
        p.drawLine(QPointF(x, panel.top()), QPointF(x, panel.bottom() + 1));
    }

    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            const QRect window = fareWindow(row, column);
            p.fillRect(window.adjusted(-kWindowFrame, -kWindowFrame, kWindowFrame, kWindowFrame), kWindowFrameGrey);
            p.fillRect(window, kWindowGrey);
        }
}

void drawLabels(QPainter& p) {
    const int columnLeft = panelRect().left();
    const int columnWidth = columnBoundary(0) - columnLeft;
    p.setPen(Qt::white);

    // 整理券 heads the caption band of the upper row.
    const QRect upperCaption = captionBand(0, 0);
    p.setFont(boardFont(kLabelFontPx, true));
    p.drawText(QRect(columnLeft, upperCaption.top(), columnWidth, upperCaption.height()), Qt::AlignCenter,
               QStringLiteral("整理券"));

    // 運 and 賃 stand beside the segment windows of their rows.
    p.setFont(boardFont(kFareCharFontPx, true));
    const std::array fareChars{QStringLiteral("運"), QStringLiteral("賃")};
    for (int row = 0; row < kRows; ++row) {
        const QRect window = fareWindow(row, 0);
        p.drawText(QRect(columnLeft, window.top() - kCellGap, columnWidth, window.height() + 2 * kCellGap),
                   Qt::AlignCenter, fareChars[row]);
    }
}

}  // namespace

QImage drawBuiltinBoardFace(qreal scale) { return drawBoardFace(BoardFaceLook{}, scale); }

QImage drawBoardFace(const BoardFaceLook& look, qreal scale) {
    QImage face(qRound(kFaceSize.width() * scale), qRound(kFaceSize.height() * scale),
                QImage::Format_ARGB32_Premultiplied);
    face.fill(Qt::transparent);
    QPainter p(&face);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    // Laid out at 100 % and drawn through the scale, so nothing is stretched.
    p.scale(scale, scale);
    drawPlate(p, look);
    drawNotice(p, look);
    drawPanel(p);
    drawLabels(p);
    return face;
}
