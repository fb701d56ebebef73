#include "zfp4res/src/FormatDialog.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

#include "zfp4res/src/DialogParts.h"
#include "zfp4res/src/DigitRow.h"
#include "zfp4res/ZFP4Res.h"

namespace {

constexpr int kMaxKeta = 15;

const char* const kZeroModeTexts[] = {
    "0: 0 と空欄は何も表示しない",
    "1: 0 と空欄は 0 を表示する",
    "2: -1 は 0 と表示し、0 と空欄は何も表示しない",
    "3: -1、0、空欄はすべて 0 を表示する",
};

// Between them these values show what every zero mode does, and 5 shows the
// zero fill and the shift.
struct SampleValue {
    const char* caption;
    DigitValue value;
};
const SampleValue kSamples[] = {
    {"5", DigitValue::number(5)},
    {"0", DigitValue::number(0)},
    {"-1", DigitValue::number(-1)},
    {"空欄", DigitValue::text(QString())},
};

QSpinBox* createSpinBox(const char* name, int maximum, int value, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(0, maximum);
    box->setValue(std::clamp(value, 0, maximum));
    return box;
}

}  // namespace

FormatDialog::FormatDialog(int keta, int zeroMode, int shift, int fillZero, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("表示形式の設定"));
    const int digits = std::clamp(keta, 1, kMaxKeta);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createZeroModes(zeroMode));

    auto* form = new QFormLayout;
    shift_ = createSpinBox("shift", digits - 1, shift, this);
    fillZero_ = createSpinBox("fillZero", digits, fillZero, this);
    form->addRow(QStringLiteral("左へずらす桁数:"), shift_);
    form->addRow(QStringLiteral("0 で埋める桁数 (0 は埋めない):"), fillZero_);
    layout->addLayout(form);

    layout->addWidget(createSample(digits));
    dialog_parts::addOkCancel(this, layout);

    connect(zeroModes_, &QButtonGroup::idToggled, this, [this] { updateSample(); });
    connect(shift_, &QSpinBox::valueChanged, this, [this] { updateSample(); });
    connect(fillZero_, &QSpinBox::valueChanged, this, [this] { updateSample(); });
    updateSample();
}

QWidget* FormatDialog::createZeroModes(int zeroMode) {
    auto* box = new QGroupBox(QStringLiteral("0 と空欄の表示"), this);
    auto* layout = new QVBoxLayout(box);
    zeroModes_ = new QButtonGroup(this);
    for (int mode = 0; mode < 4; ++mode) {
        auto* button = new QRadioButton(QString::fromUtf8(kZeroModeTexts[mode]), box);
        button->setObjectName(QStringLiteral("zeroMode%1").arg(mode));
        zeroModes_->addButton(button, mode);
        layout->addWidget(button);
    }
    zeroModes_->button(std::clamp(zeroMode, 0, 3))->setChecked(true);
    return box;
}

QWidget* FormatDialog::createSample(int keta) {
    auto* box = new QGroupBox(QStringLiteral("見本"), this);
    box->setObjectName(QStringLiteral("sample"));
    auto* grid = new QGridLayout(box);
    for (const SampleValue& sample : kSamples) {
        const int row = static_cast<int>(rows_.size());
        auto* digits = new DigitRow(sample.value, keta, box);
        digits->setObjectName(QStringLiteral("sampleRow%1").arg(row));
        grid->addWidget(new QLabel(QString::fromUtf8(sample.caption), box), row, 0, Qt::AlignRight);
        grid->addWidget(digits, row, 1, Qt::AlignLeft);
        rows_.append(digits);
    }
    return box;
}

void FormatDialog::updateSample() {
    for (DigitRow* row : rows_) row->setFormat(zeroMode(), shift(), fillZero());
}

int FormatDialog::zeroMode() const { return zeroModes_->checkedId(); }
int FormatDialog::shift() const { return shift_->value(); }
int FormatDialog::fillZero() const { return fillZero_->value(); }

extern "C" ZFP4RES_API int32_t Call_dlg100(void* owner, int16_t keta, int16_t* zeroMode, int16_t* shift,
                                           int16_t* fillZero) {
    FormatDialog dialog(keta, zeroMode ? *zeroMode : 0, shift ? *shift : 0, fillZero ? *fillZero : 0,
                        dialog_parts::owner(owner));
    if (dialog.exec() != QDialog::Accepted) return 0;
    if (zeroMode) *zeroMode = static_cast<int16_t>(dialog.zeroMode());
    if (shift) *shift = static_cast<int16_t>(dialog.shift());
    if (fillZero) *fillZero = static_cast<int16_t>(dialog.fillZero());
    return 1;
}
