#include "board/Form1.h"

#include <QActionGroup>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
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
constexpr std::array<int, 2> kClockLefts = {5490, 5895};
constexpr int kClockTop = 105;

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

QPoint zoomedPoint(int leftTwips, int topTwips, qreal factor, QPoint origin) {
    return origin + QPoint(qRound(twips::toPixels(leftTwips) * factor), qRound(twips::toPixels(topTwips) * factor));
}

}  // namespace

Form1::Form1(SharedState& state) : state_(state) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Form2"));
    setWindowIcon(boardIcon());
    setFixedSize(twips::toPixels(kClientWidth, kClientHeight));
    setAutoFillBackground(false);
    faceRect_ = rect();
    createControls();
    createMenu();
}

void Form1::createControls() {
    for (int i = 0; i <= 8; ++i) {
        Degit[i] = new M_DegitEmNB(this);
        Degit[i]->setKeta(3);
        Degit[i]->setBackColor(kFareBackColor);
        connect(Degit[i], &DegitBase::DblClick, this, [this, i] { Degit_DblClick(i); });
    }
    place(Degit[0], twips::toPixels(630, -180, 960, 510));
    Degit[0]->hide();
    for (int i = 1; i <= 8; ++i) {
        const int column = (i - 1) % 4;
        place(Degit[i], twips::toPixels(kColumnLefts[column], i <= 4 ? 1440 : 2490, 975, 510));
    }

    lblSeiriNum[0] = new QLabel(QStringLiteral("１"), this);
    setCaptionFont(0, design::font(QStringLiteral("ＭＳ Ｐゴシック"), 11.25, true));
    place(lblSeiriNum[0], twips::toPixels(330, 0, 780, 240));
    lblSeiriNum[0]->hide();
    for (int i = 1; i <= 8; ++i) {
        lblSeiriNum[i] = new QLabel(QString(QChar(u'０' + i)), this);
        lblSeiriNum[i]->setAlignment(Qt::AlignCenter);
        setCaptionFont(i, design::font(QStringLiteral("M_NumP1"), 15.75));
        place(lblSeiriNum[i], twips::toPixels(kCaptionLefts[(i - 1) % 4], i <= 4 ? 1050 : 2115, 810, 315));
    }

    for (int i = 0; i < 2; ++i) {
        TimeDegit[i] = new M_Degit(this);
        TimeDegit[i]->setKeta(2);
        TimeDegit[i]->move(zoomedPoint(kClockLefts[i], kClockTop, 1.0, {}));
        TimeDegit[i]->hide();
    }

    // Right of the fare columns; this model keeps it hidden. The board's saved
    // design gives it paler amber dots on a flat strip.
    ChimeiCtl = new ChimeiCtl_B(this);
    place(ChimeiCtl, twips::toPixels(5895, 330, 525, 2880));
    PropertyBag chimeiDesign;
    chimeiDesign.write(QStringLiteral("ForeColor"), 0x0080C0FFu, {});
    chimeiDesign.write(QStringLiteral("Appearance"), 0, {});
    ChimeiCtl->ReadProperties(chimeiDesign);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);

    imgRes[0] = QPixmap::fromImage(drawBuiltinBoardFace());
}

void Form1::place(QWidget* control, const QRect& designed) {
    designed_.emplace_back(control, designed);
    control->setGeometry(zoomed(designed, factor_, faceRect_.topLeft()));
}

void Form1::setCaptionFont(int position, const QFont& designed) {
    captionFonts_[position] = designed;
    QFont font = designed;
    font.setPixelSize(qMax(1, qRound(designed.pixelSize() * factor_)));
    lblSeiriNum[position]->setFont(font);
}

void Form1::createMenu() {
    menu_ = new QMenu(this);
    menu_->addSection(QStringLiteral("表示倍率"));
    zoomItems_ = new QActionGroup(this);
    std::vector<BoardZoom> zooms;
    for (int percent : BoardZoom::kLevels) zooms.push_back(BoardZoom::level(percent));
    zooms.push_back(BoardZoom::fitted());
    for (const BoardZoom& zoom : zooms) {
        QAction* item = menu_->addAction(zoom.caption());
        item->setCheckable(true);
        item->setChecked(zoom == view_.zoom);
        item->setData(zoom.key());
        zoomItems_->addAction(item);
        connect(item, &QAction::triggered, this, [this, zoom] {
            setZoom(zoom);
            rememberView();
        });
    }
    menu_->addSeparator();
    onTopItem_ = menu_->addAction(QStringLiteral("常に手前に表示"));
    onTopItem_->setCheckable(true);
    connect(onTopItem_, &QAction::triggered, this, [this](bool onTop) {
        setAlwaysOnTop(onTop);
        rememberView();
    });
}

void Form1::contextMenuEvent(QContextMenuEvent* event) { menu_->popup(event->globalPos()); }

void Form1::rememberView() { view_.save(BoardView::defaultFile()); }

void Form1::setZoom(BoardZoom zoom) {
    // The monitor the board is on, also when it fills one already.
    QScreen* on = screen();
    if (!view_.zoom.fit) normalPos_ = pos();
    view_.zoom = zoom;
    applyZoom(on);
}

void Form1::applyZoom(QScreen* screen) {
    const BoardZoom zoom = view_.zoom;
    const QRect screenRect = zoom.fit && screen ? screen->geometry() : QRect();
    factor_ = zoom.factor(screenRect);
    faceRect_ = zoom.faceRect(screenRect);
    setWindowState(zoom.fit ? windowState() | Qt::WindowFullScreen : windowState() & ~Qt::WindowFullScreen);
    setFixedSize(zoom.fit ? screenRect.size() : faceRect_.size());
    move(zoom.fit ? screenRect.topLeft() : normalPos_);

    for (M_DegitEmNB* fare : Degit) fare->setZoom(factor_);
    for (const auto& [control, designed] : designed_) control->setGeometry(zoomed(designed, factor_, faceRect_.topLeft()));
    for (int i = 0; i < 2; ++i) {
        TimeDegit[i]->setZoom(factor_);
        TimeDegit[i]->move(zoomedPoint(kClockLefts[i], kClockTop, factor_, faceRect_.topLeft()));
    }
    ChimeiCtl->setZoom(factor_);
    for (int i = 0; i <= 8; ++i) setCaptionFont(i, captionFonts_[i]);
    scalePicture();
    shapeWindow();
    for (QAction* item : zoomItems_->actions()) item->setChecked(BoardZoom::fromKey(item->data().toString()) == zoom);
    update();
}

void Form1::setAlwaysOnTop(bool onTop) {
    view_.onTop = onTop;
    onTopItem_->setChecked(onTop);
    if (onTop == windowFlags().testFlag(Qt::WindowStaysOnTopHint)) return;
    // New window flags hide a shown window.
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (shown) show();
}

void Form1::setPicture(const QPixmap& picture) {
    picture_ = picture;
    scalePicture();
    update();
}

void Form1::scalePicture() {
    if (factor_ == 1.0 || picture_.isNull())
        shownPicture_ = picture_;
    else if (picture_.cacheKey() == imgRes[0].cacheKey())
        shownPicture_ = QPixmap::fromImage(drawBuiltinBoardFace(factor_));
    else
        shownPicture_ = picture_.scaled(qRound(picture_.width() * factor_), qRound(picture_.height() * factor_),
                                        Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!view_.zoom.fit) return;
    // No window outline cuts a board that fills its screen: its corners are
    // rounded here, smoothly against the black around it.
    QPixmap rounded(faceRect_.size());
    rounded.fill(Qt::transparent);
    QPainter painter(&rounded);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::Button));
    const qreal radius = kCornerEllipse / 2.0 * factor_;
    painter.drawRoundedRect(QRectF(rounded.rect()), radius, radius);
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    painter.drawPixmap(0, 0, shownPicture_);
    painter.end();
    shownPicture_ = rounded;
}

void Form1::placeAtStart() {
    move(0, 0);
    normalPos_ = QPoint(0, 0);
    const BoardView remembered = BoardView::load(BoardView::defaultFile());
    setAlwaysOnTop(remembered.onTop);
    setZoom(remembered.zoom);
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
    const QPoint at = view_.zoom.fit ? normalPos_ : pos();
    state_.formInfo.FormLeft = twips::fromPixels(at.x());
    state_.formInfo.FormTop = twips::fromPixels(at.y());
}

void Form1::SetFormInfo() {
    // Applied as stored, even off the current screen.
    const QPoint at(twips::toPixels(state_.formInfo.FormLeft), twips::toPixels(state_.formInfo.FormTop));
    if (!view_.zoom.fit) {
        move(at);
        return;
    }
    // A fitted board fills the screen of the place it returns to.
    normalPos_ = at;
    QScreen* there = QGuiApplication::screenAt(at);
    applyZoom(there ? there : QGuiApplication::primaryScreen());
}

void Form1::shapeWindow() {
    if (view_.zoom.fit)
        clearMask();
    else
        setMask(design::roundedMask(size(), rect(), kCornerEllipse / 2.0 * factor_));
}

void Form1::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (view_.zoom.fit)
        painter.fillRect(rect(), Qt::black);
    else
        painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.drawPixmap(faceRect_.topLeft(), shownPicture_);
}

void Form1::mousePressEvent(QMouseEvent* event) {
    // Only the background drags: presses on displays and captions reach us
    // too, but land on a child. The right button opens the menu instead, and
    // a board filling its screen stays put.
    if (event->button() != Qt::LeftButton || view_.zoom.fit || childAt(event->position().toPoint())) return;
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
