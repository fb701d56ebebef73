#include "controls/stopname/ChimeiCtl_B.h"

#include <QFontMetrics>
#include <QFrame>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <cmath>

#include "controls/stopname/ChimeiLayout.h"
#include "platform/PropertyBag.h"
#include "sibling/Sibling.h"
#include "platform/DesignLayout.h"

namespace {

constexpr quint32 kDefaultBackColor = 0x808080;
constexpr quint32 kDefaultForeColor = 0x00BEFF;  // amber
constexpr qint16 kDefaultSpeed = 5;
constexpr qint32 kDefaultScrollStartWait = 1500;
constexpr qint16 kDefaultMode = 2;
constexpr qint16 kDefaultAppearance = 1;
constexpr qint16 kDefaultFontMode = 0;
constexpr bool kDefaultFontBold = false;

constexpr int kCanvasWidth = 37;
constexpr int kCellDots = 16;
constexpr int kFrameMs = 16;  // about one display frame

QColor colorOf(quint32 bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

QFont cellFont(chimei_layout::Face face) {
    QFont font = design::font(chimei_layout::faceName(face), 12);
    // Single-level glyphs: a pixel is either exactly black or not lit.
    font.setStyleStrategy(QFont::NoAntialias);
    font.setKerning(false);
    return font;
}

}  // namespace

// The visible strip: clips the canvas to the inside of its edge.
class ChimeiCtl_B::Viewport : public QFrame {
public:
    explicit Viewport(QWidget* parent) : QFrame(parent), inside(new QWidget(this)) { setAutoFillBackground(true); }

    void setBackground(const QColor& color) {
        QPalette p = palette();
        p.setColor(QPalette::Window, color);
        setPalette(p);
    }
    void setAppearance(qint16 appearance) {
        setFrameStyle(appearance == 0 ? QFrame::NoFrame : (QFrame::WinPanel | QFrame::Sunken));
        inside->setGeometry(contentsRect());
    }

    QWidget* const inside;

protected:
    void resizeEvent(QResizeEvent* event) override {
        QFrame::resizeEvent(event);
        inside->setGeometry(contentsRect());
    }
};

// Shows the kept canvas picture; drawing happens on the picture, not here.
class ChimeiCtl_B::Canvas : public QWidget {
public:
    Canvas(QWidget* parent, const QImage& image, const qreal& zoom) : QWidget(parent), image_(image), zoom_(zoom) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    // Each dot grows into a block of the zoom's size; no smoothing blurs them.
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.scale(zoom_, zoom_);
        painter.drawImage(0, 0, image_);
    }

private:
    const QImage& image_;
    const qreal& zoom_;
};

ChimeiCtl_B::ChimeiCtl_B(QWidget* parent)
    : QWidget(parent),
      backColor_(kDefaultBackColor),
      foreColor_(kDefaultForeColor),
      speed_(kDefaultSpeed),
      scrollStartWait_(kDefaultScrollStartWait),
      mode_(kDefaultMode),
      appearance_(kDefaultAppearance),
      fontMode_(kDefaultFontMode),
      fontBold_(kDefaultFontBold),
      Picture2(new Viewport(this)),
      Picture3(kCellDots, kCellDots, QImage::Format_RGB32),
      gothic_(cellFont(chimei_layout::Face::Gothic)),
      mincho_(cellFont(chimei_layout::Face::Mincho)),
      ticks_(this) {
    resize(sizeHint());
    resizeViewport({36, chimei_layout::kStripHeight});
    Picture2->setAppearance(appearance_);
    canvasImage_ = QImage(kCanvasWidth, chimei_layout::kStripHeight, QImage::Format_RGB32);
    canvasImage_.fill(colorOf(backColor_));
    Picture1 = new Canvas(Picture2->inside, canvasImage_, zoom_);
    Picture1->setGeometry(0, 0, kCanvasWidth, chimei_layout::kStripHeight);
    Picture2->setBackground(colorOf(backColor_));
    Picture3.fill(Qt::white);

    steady_.start();
    clock_ = [this] { return steady_.elapsed(); };
    connect(&ticks_, &QTimer::timeout, this, &ChimeiCtl_B::advanceScroll);
}

void ChimeiCtl_B::setBackColor(quint32 color) {
    backColor_ = color;
    clearCanvas();
    Picture2->setBackground(colorOf(color));
    markChanged();
}

void ChimeiCtl_B::setForeColor(quint32 color) {
    foreColor_ = color;
    markChanged();
}

void ChimeiCtl_B::Refresh() {
    Picture1->update();
    Picture2->update();
}

void ChimeiCtl_B::setSpeed(qint16 speed) {
    speed_ = speed;
    markChanged();
}

void ChimeiCtl_B::setScrollStartWait(qint32 ms) {
    scrollStartWait_ = ms;
    markChanged();
}

void ChimeiCtl_B::setMode(qint16 mode) {
    mode_ = mode;
    markChanged();
}

void ChimeiCtl_B::setAppearance(qint16 appearance) {
    appearance_ = appearance;
    Picture2->setAppearance(appearance);
    clearCanvas();
    resizeViewport(appearance == 0 ? QSize(35, 185) : QSize(37, 195));
    markChanged();
}

void ChimeiCtl_B::setFontMode(qint16 fontMode) {
    fontMode_ = fontMode;
    markChanged();
}

void ChimeiCtl_B::setFontBold(bool bold) {
    fontBold_ = bold;
    markChanged();
}

int ChimeiCtl_B::viewportHeight() const { return viewport_.height(); }

void ChimeiCtl_B::resizeViewport(QSize designed) {
    viewport_ = designed;
    Picture2->resize(qRound(designed.width() * zoom_), qRound(designed.height() * zoom_));
}

void ChimeiCtl_B::setZoom(qreal zoom) {
    zoom_ = zoom;
    resizeViewport(viewport_);
    resizeCanvas(canvasImage_.height());
    setCanvasTop(canvasTop_);
    Picture1->update();
}

void ChimeiCtl_B::clearCanvas() {
    canvasImage_.fill(colorOf(backColor_));
    Picture1->update();
}

void ChimeiCtl_B::resizeCanvas(int height) {
    if (canvasImage_.height() != height) {
        canvasImage_ = QImage(kCanvasWidth, height, QImage::Format_RGB32);
        canvasImage_.fill(colorOf(backColor_));
    }
    Picture1->resize(qRound(kCanvasWidth * zoom_), qRound(height * zoom_));
}

void ChimeiCtl_B::setCanvasTop(double top) {
    canvasTop_ = top;
    // Only a downward runaway (a negative Speed) gets this far from the strip.
    const double shown = std::clamp(std::round(top), -1.0e6, 1.0e6);
    Picture1->move(0, static_cast<int>(std::round(shown * zoom_)));
}

void ChimeiCtl_B::SetChimei(const QString& strText) {
    clearCanvas();
    Picture2->setBackground(colorOf(backColor_));
    if (strText.isEmpty()) {
        // A running scroll goes on, moving the blank canvas.
        setCanvasTop(0);
        return;
    }

    const int bytes = Sibling::LenB_ASCII(strText);
    const int cells = bytes / 2;
    setCanvasTop(viewportHeight());
    const chimei_layout::Placement place = chimei_layout::placement(cells, mode_);
    resizeCanvas(place.canvasHeight);
    if (cells <= chimei_layout::kStillCells)
        setCanvasTop(0);
    else if (canvasTop_ == 0)
        setCanvasTop(viewportHeight());

    // Byte pairs, not characters: two half-width letters share a cell, and
    // pairs past the end are empty.
    for (int i = 1; i <= (bytes + 1) / 2; ++i) {
        QString cell = Sibling::MidB_ASCII(strText, 2 * i - 1, 2);
        int x = 2;
        int y = place.firstTop + (i - 1) * place.pitch;
        DrawDot16(x, y, cell);
    }

    if (cells > chimei_layout::kStillCells)
        startScroll();
    else
        stopScroll();
}

void ChimeiCtl_B::DrawDot16(int& x, int& y, QString& strText) {
    Picture3.fill(Qt::white);
    if (strText.isEmpty()) return;

    const chimei_layout::CellPrint print = chimei_layout::cellPrint(strText, fontMode_);
    strText = print.text;
    QFont& font =
        chimei_layout::faceFor(fontMode_, chimei_layout::signedCode(strText)) == chimei_layout::Face::Mincho
            ? mincho_
            : gothic_;
    font.setBold(fontBold_);
    {
        QPainter painter(&Picture3);
        painter.setFont(font);
        painter.setPen(Qt::black);
        // The print position is the top of the text line, not its baseline.
        painter.drawText(print.dx, print.dy + QFontMetrics(font).ascent(), strText);
    }

    const QRgb lit = colorOf(foreColor_).rgb();
    const int width = canvasImage_.width();
    const int height = canvasImage_.height();
    for (int a = 0; a < kCellDots; ++a) {
        for (int b = 0; b < kCellDots; ++b) {
            if ((Picture3.pixel(a, b) & 0xFFFFFF) != 0) continue;
            const int px = x + 2 * (print.transposed ? b : a);
            const int py = y + 2 * (print.transposed ? a : b);
            if (px >= 0 && px < width && py >= 0 && py < height) canvasImage_.setPixel(px, py, lit);
        }
    }
    Picture1->update();
}

ScrollCycle::Settings ChimeiCtl_B::scrollSettings() const {
    return {viewportHeight(), canvasImage_.height(), speed_, scrollStartWait_};
}

void ChimeiCtl_B::startScroll() {
    Refresh();
    cycle_.start(clock_(), scrollSettings());
    scheduleTicks();
}

void ChimeiCtl_B::stopScroll() {
    cycle_.stop();
    scheduleTicks();
}

void ChimeiCtl_B::advanceScroll() {
    if (isScrolling()) {
        ScrollCycle::Settings settings = scrollSettings();
        bool speedRaised = false;
        if (cycle_.advance(clock_(), settings, speedRaised)) setCanvasTop(cycle_.top());
        if (speedRaised) setSpeed(settings.speed);
    }
    scheduleTicks();
}

void ChimeiCtl_B::scheduleTicks() {
    switch (cycle_.phase()) {
    case ScrollCycle::Phase::Idle:
        ticks_.stop();
        break;
    case ScrollCycle::Phase::Pausing:
        ticks_.setSingleShot(true);
        ticks_.setTimerType(Qt::PreciseTimer);
        ticks_.start(static_cast<int>(std::clamp<qint64>(cycle_.pauseEnd() - clock_(), 0, INT_MAX)));
        break;
    case ScrollCycle::Phase::Moving:
        if (!ticks_.isActive() || ticks_.isSingleShot()) {
            ticks_.setSingleShot(false);
            ticks_.setTimerType(Qt::PreciseTimer);
            ticks_.start(kFrameMs);
        }
        break;
    }
}

const std::vector<StoredProperty<ChimeiCtl_B>>& ChimeiCtl_B::storedProperties() {
    using P = StoredProperty<ChimeiCtl_B>;
    static const std::vector<P> table = {
        {QStringLiteral("BackColor"), kDefaultBackColor, [](const ChimeiCtl_B& c) { return QVariant(c.backColor_); },
         [](ChimeiCtl_B& c, const QVariant& v) {
             c.backColor_ = v.toUInt();
             c.clearCanvas();
             c.Picture2->setBackground(colorOf(c.backColor_));
         }},
        P::field(QStringLiteral("ForeColor"), &ChimeiCtl_B::foreColor_, kDefaultForeColor),
        P::field(QStringLiteral("Speed"), &ChimeiCtl_B::speed_, kDefaultSpeed),
        P::field(QStringLiteral("ScrollStartWait"), &ChimeiCtl_B::scrollStartWait_, kDefaultScrollStartWait),
        P::field(QStringLiteral("Mode"), &ChimeiCtl_B::mode_, kDefaultMode),
        // A saved strip keeps its designed size.
        {QStringLiteral("Appearance"), kDefaultAppearance, [](const ChimeiCtl_B& c) { return QVariant(c.appearance_); },
         [](ChimeiCtl_B& c, const QVariant& v) {
             c.appearance_ = static_cast<qint16>(v.toInt());
             c.Picture2->setAppearance(c.appearance_);
         }},
        P::field(QStringLiteral("FontMode"), &ChimeiCtl_B::fontMode_, kDefaultFontMode),
        P::field(QStringLiteral("FontBold"), &ChimeiCtl_B::fontBold_, kDefaultFontBold),
    };
    return table;
}

void ChimeiCtl_B::ReadProperties(const PropertyBag& bag) { readProperties(*this, bag, storedProperties()); }

void ChimeiCtl_B::WriteProperties(PropertyBag& bag) const { writeProperties(*this, bag, storedProperties()); }
