#pragma once

#include "platform/PropertyBag.h"

#include <functional>

#include <QImage>
#include <QWidget>

#include "controls/digit/format/DigitValue.h"


// What the digit displays share: the persisted properties and their common
// setter rules, the format dialog, the lamp test, persistence, the double-click
// event and a surface that keeps its picture between redraws. A display adds
// its redraw and its own rules for Keta, DegitSize and Shift.
class DegitBase : public QWidget {
    Q_OBJECT

public:
    // The display-format dialog: owner, Keta, then ZeroMode, Shift and FillZero
    // in and out; returns 1 when the user accepted.
    using FormatDialog =
        std::function<int(QWidget* owner, qint16 keta, qint16& zeroMode, qint16& shift, qint16& fillZero)>;

    const DigitValue& Value() const { return value_; }
    qint16 Keta() const { return keta_; }
    qint16 ZeroMode() const { return zeroMode_; }
    qint16 Shift() const { return shift_; }
    qint16 FillZero() const { return fillZero_; }
    qint16 DegitSize() const { return degitSize_; }
    qint16 DegitStyle() const { return degitStyle_; }
    quint32 BaseForeColor() const { return baseForeColor_; }
    quint32 DegitForeColor() const { return degitForeColor_; }
    quint32 BackColor() const { return backColor_; }
    bool UserSet() const { return userSet_; }
    QWidget* hwnd() { return this; }

    void setValue(const DigitValue& value);
    void setBaseForeColor(quint32 color);
    void setDegitForeColor(quint32 color);
    void setFillZero(qint16 fillZero);
    void setZeroMode(qint16 zeroMode);
    void setDegitStyle(qint16 degitStyle);
    void setUserSet(bool userSet);
    void setBackColor(quint32 color);
    virtual void setKeta(qint16 keta) = 0;
    virtual void setDegitSize(qint16 degitSize) = 0;
    virtual void setShift(qint16 shift) = 0;

    // Lets the user edit ZeroMode, Shift and FillZero; returns the dialog's result.
    int ShowSetDlg();
    // True lights every segment (lamp test), false blanks the display.
    void ResetDegit(bool nMode);

    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

    // Holds the redraws of a run of property changes and draws once when the
    // last batch ends: the picture is the same, drawn once.
    class Batch {
    public:
        explicit Batch(DegitBase& display) : display_(display) { ++display_.batchDepth_; }
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        DegitBase& display_;
    };

    // The sibling library's dialog unless replaced.
    void setFormatDialog(FormatDialog dialog) { formatDialog_ = std::move(dialog); }

signals:
    // A persisted property was set, so the host's saved design is out of date.
    void propertyChanged();
    void DblClick();

protected:
    explicit DegitBase(QWidget* parent);

    // Draws the current value onto the surface, at once or when the batch ends.
    void redraw();
    virtual void drawNow() = 0;

    void markChanged() { emit propertyChanged(); }
    void storeKeta(qint16 keta) { keta_ = keta; }
    void storeDegitSize(qint16 degitSize) { degitSize_ = degitSize; }
    void storeShift(qint16 shift) { shift_ = shift; }
    // Above Keta - 1 becomes Keta - 1, then below 0 becomes 0.
    qint16 clampedShift(qint16 shift) const;

    // The value as the zero mode, zero fill and shift make it.
    QString formattedValue() const;
    // The kept picture, sized to the widget; a size change keeps what was drawn.
    QImage& surface();
    void clearSurface();

    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // The stored properties, read and written from this one table.
    static const std::vector<StoredProperty<DegitBase>>& storedProperties();
    // The defaults a new display gets and that persistence leaves out.
    static constexpr quint32 kDefaultBaseForeColor = 9868950;  // RGB 150,150,150
    static constexpr quint32 kDefaultDegitForeColor = 7525112;  // RGB 248,210,114
    static constexpr qint16 kDefaultFillZero = 0;
    static constexpr qint16 kDefaultZeroMode = 0;
    static constexpr qint16 kDefaultShift = 0;
    static constexpr qint16 kDefaultKeta = 4;
    static constexpr qint16 kDefaultDegitSize = 0;
    static constexpr qint16 kDefaultDegitStyle = 0;
    static constexpr int kDefaultValue = 0;
    static constexpr bool kDefaultUserSet = true;
    static constexpr quint32 kDefaultBackColor = 8421504;  // RGB 128,128,128

    void applyBackColor(quint32 color);

    DigitValue value_ = DigitValue::number(kDefaultValue);
    qint16 keta_ = kDefaultKeta;
    qint16 zeroMode_ = kDefaultZeroMode;
    qint16 shift_ = kDefaultShift;
    qint16 fillZero_ = kDefaultFillZero;
    qint16 degitSize_ = kDefaultDegitSize;
    qint16 degitStyle_ = kDefaultDegitStyle;
    quint32 baseForeColor_ = kDefaultBaseForeColor;
    quint32 degitForeColor_ = kDefaultDegitForeColor;
    quint32 backColor_ = kDefaultBackColor;
    bool userSet_ = kDefaultUserSet;

    FormatDialog formatDialog_;
    QImage surface_;
    int batchDepth_ = 0;
    bool redrawPending_ = false;
};
