#pragma once

#include <QFont>
#include <QWidget>

#include "controls/digit/format/DigitValue.h"

// One sample value on a segment display of `keta` digits: unlit eights with
// the value lit over them, formatted the way the digit displays format it.
class DigitRow : public QWidget {
public:
    DigitRow(const DigitValue& value, int keta, QWidget* parent = nullptr);

    void setFormat(int zeroMode, int shift, int fillZero);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont font_;
    DigitValue value_;
    int keta_;
    int zeroMode_ = 0;
    int shift_ = 0;
    int fillZero_ = 0;
};
