#pragma once

#include <QDialog>
#include <QList>

class DigitRow;
class QButtonGroup;
class QSpinBox;

// The display-format dialog of a digit display: zero mode, shift and zero
// fill, with sample values that redraw as they are edited.
class FormatDialog : public QDialog {
public:
    // Values out of range are shown clamped; `keta` is kept within 1..15.
    FormatDialog(int keta, int zeroMode, int shift, int fillZero, QWidget* parent);

    int zeroMode() const;
    int shift() const;
    int fillZero() const;

private:
    QWidget* createZeroModes(int zeroMode);
    QWidget* createSample(int keta);
    void updateSample();

    QButtonGroup* zeroModes_;
    QSpinBox* shift_;
    QSpinBox* fillZero_;
    QList<DigitRow*> rows_;
};
