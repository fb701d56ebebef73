#include "board/Form1.h"

#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTime>
#include <QTimer>
#include <QWindow>

#include "board/BoardFace.h"
#include "controls/digit/DegitLook.h"
#include "controls/digit/M_Degit.h"
#include "controls/digit/M_DegitEmNB.h"
#include "platform/PropertyBag.h"
#include "board/SharedState.h"
#include "platform/DesignLayout.h"

namespace {

constexpr int kClientWidth = 6435;  // twips
constexpr int kClientHeight = 3510;
constexpr int kCornerEllipse = 28;  // pixels
constexpr quint32 kFareBackColor = 0x666666;  // RGB 102,102,102

constexpr std::array<int, 4> kColumnLefts = {1650, 2745, 3825, 4920};
constexpr std::array<int, 4> kCaptionLefts = {1725, 2820, 3885, 4995};

// The window's icon: a lit fare on a dark board, 32 x 32 in four colours.
QIcon boardIcon() {
    const QList<QRgb> colors = {qRgb(0, 0, 0), qRgb(231, 231, 231), qRgb(102, 102, 102), qRgb(248, 210, 114)};
    QImage face(32, 32, QImage::Format_RGB32);
    face.fill(colors[1]);
    QPainter painter(&face);
    painter.fillRect(3, 7, 26, 18, QColor(colors[0]));
    painter.fillRect(6, 10, 20, 12, QColor(colors[2]));
    QFont digits(QStringLiteral("M_DegitB"));
    digits.setPixelSize(14);
    painter.setFont(digits);
    painter.setPen(QColor(colors[3]));
    painter.drawText(QRect(6, 10, 20, 12), Qt::AlignCenter, QStringLiteral("80"));
    painter.end();
    return QIcon(QPixmap::fromImage(face.convertToFormat(QImage::Format_Indexed8, colors, Qt::ThresholdDither)));
}

QLabel* captionLabel(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(design::font(QStringLiteral("M_NumP1"), 15.75));
    return label;
}

}  // namespace

Form1::Form1(SharedState& state) : state_(state) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Form2"));
    setWindowIcon(boardIcon());
    setFixedSize(twips::toPixels(kClientWidth, kClientHeight));
    setAutoFillBackground(false);
    createControls();
}

void Form1::createControls() {
    for (int i = 0; i <= 8; ++i) {
        Degit[i] = new M_DegitEmNB(this);
        Degit[i]->setKeta(3);
        Degit[i]->setBackColor(kFareBackColor);
        connect(Degit[i], &DegitBase::DblClick, this, [this, i] { Degit_DblClick(i); });
    }
    design::place(Degit[0], 630, -180, 960, 510);
    Degit[0]->hide();
    for (int i = 1; i <= 8; ++i) {
        const int column = (i - 1) % 4;
        design::place(Degit[i], kColumnLefts[column], i <= 4 ? 1440 : 2490, 975, 510);
    }

    lblSeiriNum[0] = new QLabel(QStringLiteral("１"), this);
    lblSeiriNum[0]->setFont(design::font(QStringLiteral("ＭＳ Ｐゴシック"), 11.25, true));
    design::place(lblSeiriNum[0], 330, 0, 780, 240);
    lblSeiriNum[0]->hide();
    for (int i = 1; i <= 8; ++i) {
        lblSeiriNum[i] = captionLabel(this, QString(QChar(u'０' + i)));
        design::place(lblSeiriNum[i], kCaptionLefts[(i - 1) % 4], i <= 4 ? 1050 : 2115, 810, 315);
    }

    for (int i = 0; i < 2; ++i) {
        TimeDegit[i] = new M_Degit(this);
        TimeDegit[i]->setKeta(2);
        TimeDegit[i]->move(twips::toPixels(i == 0 ? 5490 : 5895), twips::toPixels(105));
        TimeDegit[i]->hide();
    }

    // Right of the fare columns; this model keeps it hidden. The board's saved
    // design gives it paler amber dots on a flat strip.
    ChimeiCtl = new ChimeiCtl_B(this);
    design::place(ChimeiCtl, 5895, 330, 525, 2880);
    PropertyBag chimeiDesign;
    chimeiDesign.write(QStringLiteral("ForeColor"), 0x0080C0FFu, {});
    chimeiDesign.write(QStringLiteral("Appearance"), 0, {});
    ChimeiCtl->ReadProperties(chimeiDesign);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);

    imgRes[0] = QPixmap::fromImage(drawBuiltinBoardFace());
}

void Form1::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void Form1::placeAtStart() {
    move(0, 0);
    shapeWindow();
    update();
}

void Form1::showFare(int display, const DigitValue& value) { Degit[display]->setValue(value); }

void Form1::resetFares(bool lit) {
    for (int k = 1; k <= 8; ++k) Degit[k]->ResetDegit(lit);
}

void Form1::showStopName(const QString& name) { ChimeiCtl->SetChimei(name); }

void Form1::setStopNameScroll(qint16 speed, qint32 startWait) {
    ChimeiCtl->setSpeed(speed);
    ChimeiCtl->setScrollStartWait(startWait);
}

void Form1::blank() {
    ChimeiCtl->SetChimei(QString());
    resetFares(false);
    Timer1->stop();
    for (M_Degit* clock : TimeDegit) clock->setValue(DigitValue::text(QString()));
}

void Form1::resumeClock() {
    if (!TimeDegit[0]->isHidden()) Timer1->start();
}

void Form1::showBuiltinFace(int index) { setPicture(imgRes[index]); }

void Form1::setCaptionColor(quint32 colour) {
    const QColor caption = degit_look::color(colour);
    for (int k = 1; k <= 8; ++k) {
        QPalette palette = lblSeiriNum[k]->palette();
        palette.setColor(QPalette::WindowText, caption);
        lblSeiriNum[k]->setPalette(palette);
    }
}

void Form1::setStopNameColors(quint32 back, quint32 fore) {
    ChimeiCtl->setBackColor(back);
    ChimeiCtl->setForeColor(fore);
}

void Form1::setStopNameLettering(qint16 fontMode, bool bold) {
    ChimeiCtl->setFontMode(fontMode);
    ChimeiCtl->setFontBold(bold);
}

DegitSetting Form1::fareFormat(int display) const {
    const M_DegitEmNB& shown = *Degit[display];
    return {shown.Shift(), shown.ZeroMode(), shown.FillZero()};
}

void Form1::restoreFareFormat(int display, const DegitSetting& format, const OptDegit& colors) {
    M_DegitEmNB& shown = *Degit[display];
    const DegitBase::Batch once(shown);
    shown.setZeroMode(format.ZeroMode);
    shown.setShift(format.Shift);
    shown.setFillZero(format.FillZero);
    applyDigitColors(shown, colors);
    shown.setValue(DigitValue::text(QStringLiteral(" ")));
}

void Form1::applyClockColors(const OptDegit& colors) {
    for (M_Degit* clock : TimeDegit) applyDigitColors(*clock, colors);
}

void Form1::GetFormInfo() {
    state_.formInfo.FormLeft = twips::fromPixels(x());
    state_.formInfo.FormTop = twips::fromPixels(y());
}

void Form1::SetFormInfo() {
    // Applied as stored, even off the current screen.
    move(twips::toPixels(state_.formInfo.FormLeft), twips::toPixels(state_.formInfo.FormTop));
}

void Form1::shapeWindow() {
    setMask(design::roundedMask(size(), rect(), kCornerEllipse / 2.0));
}

void Form1::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.drawPixmap(0, 0, picture_);
}

void Form1::mousePressEvent(QMouseEvent* event) {
    // Only the background drags: presses on displays and captions reach us
    // too, but land on a child.
    if (event->button() != Qt::LeftButton || childAt(event->position().toPoint())) return;
    if (windowHandle() && windowHandle()->startSystemMove()) return;
    dragging_ = true;
    dragOffset_ = event->globalPosition().toPoint() - pos();
}

void Form1::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) move(event->globalPosition().toPoint() - dragOffset_);
}

void Form1::mouseReleaseEvent(QMouseEvent*) { dragging_ = false; }

void Form1::Degit_DblClick(int index) {
    M_DegitEmNB& clicked = *Degit[index];
    if (!clicked.UserSet()) return;
    emit formatDialogOpen(true);
    if (clicked.ShowSetDlg() == 1) {
        const qint16 zeroMode = clicked.ZeroMode(), shift = clicked.Shift(), fillZero = clicked.FillZero();
        for (int j = 1; j <= 8; ++j) {
            const DigitValue value = Degit[j]->Value();
            Degit[j]->setShift(shift);
            Degit[j]->setFillZero(fillZero);
            Degit[j]->setZeroMode(zeroMode);
            Degit[j]->setValue(value);
        }
    }
    emit formatDialogOpen(false);
}

void Form1::Timer1_Timer() { showClockTime(QTime::currentTime()); }

void Form1::showClockTime(const QTime& time) {
    const QString now = time.toString(QStringLiteral("HH:mm:ss"));
    TimeDegit[0]->setValue(DigitValue::number(now.mid(0, 2).toInt()));
    TimeDegit[1]->setValue(DigitValue::number(now.mid(3, 2).toInt()));
}
