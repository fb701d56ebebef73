#include "zfp4res/src/DigitRow.h"

#include <QPainter>

#include "controls/digit/format/DigitFormat.h"
#include "platform/OsVersion.h"
#include "platform/Twips.h"

namespace {

// The digit displays' own default colours, so the sample looks like the board.
const QColor kBackground(128, 128, 128);
const QColor kUnlit(150, 150, 150);
const QColor kLit(248, 210, 114);
constexpr int kMargin = 3;

}  // namespace

DigitRow::DigitRow(const DigitValue& value, int keta, QWidget* parent)
    : QWidget(parent), font_(QStringLiteral("M_DegitA")), value_(value), keta_(keta) {
    font_.setPixelSize(twips::pointsToPixels(18));
    font_.setBold(!os_version::isLegacyWindows());
    const QFontMetrics metrics(font_);
    setFixedSize(metrics.horizontalAdvance(QString(keta_, u'8')) + 2 * kMargin, metrics.height() + 2 * kMargin);
}

void DigitRow::setFormat(int zeroMode, int shift, int fillZero) {
    zeroMode_ = zeroMode;
    shift_ = shift;
    fillZero_ = fillZero;
    update();
}

void DigitRow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    painter.setFont(font_);
    const QFontMetrics metrics(font_);
    const int baseline = kMargin + metrics.ascent();
    painter.setPen(kUnlit);
    painter.drawText(kMargin, baseline, QString(keta_, u'8'));
    const QString text =
        digit_format::rightmost(digit_format::formatValue(value_, zeroMode_, fillZero_, shift_), keta_);
    painter.setPen(kLit);
    painter.drawText(width() - kMargin - metrics.horizontalAdvance(text), baseline, text);
}
