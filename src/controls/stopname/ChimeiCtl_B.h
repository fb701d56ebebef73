#pragma once

#include "platform/PropertyBag.h"

#include <functional>

#include <QElapsedTimer>
#include <QFont>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include "controls/stopname/ScrollCycle.h"


// The stop-name strip of the board: a narrow, tall dot-matrix on which a stop
// name is written top to bottom, one 16 x 16-dot cell under the other. Up to
// six cells stand still, centred; a longer name scrolls up through the strip,
// pauses blank and comes in again from the bottom until another name is set.
//
// The scroll runs on timers of the window thread: SetChimei returns at once,
// and the strip costs nothing while no name scrolls.
class ChimeiCtl_B : public QWidget {
    Q_OBJECT

public:
    // Milliseconds of a monotonic clock.
    using Clock = std::function<qint64()>;

    explicit ChimeiCtl_B(QWidget* parent = nullptr);

    // Colours are 0x00BBGGRR. A new BackColor blanks the strip until the next name.
    quint32 BackColor() const { return backColor_; }
    void setBackColor(quint32 color);
    // Dots already drawn keep their colour until the next name.
    quint32 ForeColor() const { return foreColor_; }
    void setForeColor(quint32 color);
    void Refresh();
    // Speed / 200 pixels a step, 1000 steps a second.
    qint16 Speed() const { return speed_; }
    void setSpeed(qint16 speed);
    // The blank pause before each pass of a scrolling name, in milliseconds.
    qint32 ScrollStartWait() const { return scrollStartWait_; }
    void setScrollStartWait(qint32 ms);
    // Prints one cell with its top-left dot at canvas pixel (x, y). A "ー"
    // becomes "丨" in strText as well.
    void DrawDot16(int& x, int& y, QString& strText);
    // Shows a stop name; a long one scrolls until the next name. An empty name
    // blanks the strip but leaves a running scroll moving.
    void SetChimei(const QString& strText);
    // 2 puts a two-cell name closer together.
    qint16 Mode() const { return mode_; }
    void setMode(qint16 mode);
    // 0 flat, otherwise a sunken edge; resizes the strip.
    qint16 Appearance() const { return appearance_; }
    void setAppearance(qint16 appearance);
    // Which characters are drawn in Mincho and which in Gothic (0..4).
    qint16 FontMode() const { return fontMode_; }
    void setFontMode(qint16 fontMode);
    bool FontBold() const { return fontBold_; }
    void setFontBold(bool bold);

    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

    // The clock the scroll is timed by; a steady clock unless replaced.
    void setClock(Clock clock) { clock_ = std::move(clock); }
    // Brings the scroll up to the clock's present; the timers call it.
    void advanceScroll();
    bool isScrolling() const { return cycle_.phase() != ScrollCycle::Phase::Idle; }

    // The canvas: its position in the strip and the dots drawn on it.
    double canvasTop() const { return canvasTop_; }
    const QImage& canvasImage() const { return canvasImage_; }
    int viewportHeight() const;

    QSize sizeHint() const override { return {35, 192}; }
    // Shown `zoom` times larger, for a board shown larger than designed: the
    // strip and its dots grow, the scroll keeps its designed steps.
    void setZoom(qreal zoom);

signals:
    // A persisted property was set, so the host's saved design is out of date.
    void propertyChanged();

private:
    // The stored properties, read and written from this one table.
    static const std::vector<StoredProperty<ChimeiCtl_B>>& storedProperties();
    class Viewport;
    class Canvas;

    void markChanged() { emit propertyChanged(); }
    // Clears the canvas to the background colour, keeping its size.
    void clearCanvas();
    void resizeCanvas(int height);
    void setCanvasTop(double top);
    ScrollCycle::Settings scrollSettings() const;
    void startScroll();
    void stopScroll();
    // Frame ticks while the canvas moves, one wake-up at the end of a pause,
    // nothing at all otherwise.
    void scheduleTicks();
    // The strip at its designed size, shown at the zoom.
    void resizeViewport(QSize designed);

    quint32 backColor_;
    quint32 foreColor_;
    qint16 speed_;
    qint32 scrollStartWait_;
    qint16 mode_;
    qint16 appearance_;
    qint16 fontMode_;
    bool fontBold_;

    Viewport* Picture2;
    Canvas* Picture1;
    QImage canvasImage_;
    double canvasTop_ = 0;
    QSize viewport_;
    qreal zoom_ = 1.0;
    // The work cell: one cell's text printed black on white, then sampled.
    QImage Picture3;
    QFont gothic_;
    QFont mincho_;

    ScrollCycle cycle_;
    QTimer ticks_;
    QElapsedTimer steady_;
    Clock clock_;
};
