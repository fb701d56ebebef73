#include "sound/JTalkVoiceDialog.h"

#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>

#include <cmath>

#include "sound/VoiceDialog.h"

namespace {

// The speed slider counts hundredths and keeps to twentieths.
constexpr int SpeedStep = 5;

QSlider* slider(QWidget* parent, const char* name, int min, int max, int step) {
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setObjectName(QLatin1String(name));
    s->setRange(min, max);
    s->setSingleStep(step);
    s->setPageStep(step * 5);
    s->setMinimumWidth(200);
    return s;
}

QLabel* valueLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setMinimumWidth(60);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QHBoxLayout* row(std::initializer_list<QWidget*> widgets) {
    auto* layout = new QHBoxLayout;
    for (QWidget* widget : widgets) layout->addWidget(widget);
    return layout;
}

QString signedNumber(int value) { return value > 0 ? u'+' + QString::number(value) : QString::number(value); }

// The all-pass constant the voice was trained with, from its text header; -1
// when the file does not say.
double voicesOwnAllPass(const QString& file) {
    QFile voice(file);
    if (!voice.open(QIODevice::ReadOnly)) return -1;
    static const QRegularExpression alpha(u"ALPHA=([0-9.]+)"_qs);
    const auto match = alpha.match(QString::fromLatin1(voice.read(4096)));
    bool ok = false;
    const double value = match.captured(1).toDouble(&ok);
    return ok && value >= 0 && value <= 1 ? value : -1;
}

}  // namespace

JTalkVoiceDialog::JTalkVoiceDialog(QWidget* owner, const QString& title, const JTalkSettings& settings,
                                   const QString& defaultVoiceFile,
                                   std::function<void(const JTalkSettings&)> tryOut)
    : QDialog(owner), defaultVoiceFile_(defaultVoiceFile) {
    setWindowTitle(title);
    auto* engine = new QLabel(u"Open JTalk"_qs, this);
    engine->setObjectName(u"engine"_qs);
    voiceName_ = new QLabel(this);
    voiceName_->setObjectName(u"voiceName"_qs);
    auto* choose = new QPushButton(u"声の選択..."_qs, this);
    choose->setObjectName(u"chooseVoice"_qs);
    defaultVoice_ = new QPushButton(u"標準の声"_qs, this);
    defaultVoice_->setObjectName(u"defaultVoice"_qs);

    speed_ = slider(this, "speed", int(JTalkSettings::MinSpeed * 100), int(JTalkSettings::MaxSpeed * 100), SpeedStep);
    halfTones_ = slider(this, "halfTones", -int(JTalkSettings::MaxHalfTones), int(JTalkSettings::MaxHalfTones), 1);
    volume_ = slider(this, "volume", int(JTalkSettings::MinVolumeDb), int(JTalkSettings::MaxVolumeDb), 1);
    allPass_ = slider(this, "allPass", 0, 100, 1);
    allPassAuto_ = new QCheckBox(u"自動"_qs, this);
    allPassAuto_->setObjectName(u"allPassAuto"_qs);
    speedValue_ = valueLabel(this, "speedValue");
    halfTonesValue_ = valueLabel(this, "halfTonesValue");
    volumeValue_ = valueLabel(this, "volumeValue");
    allPassValue_ = valueLabel(this, "allPassValue");

    // Stored values between the sliders' steps go to the nearest step.
    speed_->setValue(int(std::lround(settings.speed * 100 / SpeedStep)) * SpeedStep);
    halfTones_->setValue(int(std::lround(settings.halfTones)));
    volume_->setValue(int(std::lround(settings.volumeDb)));
    allPassAuto_->setChecked(settings.allPass < 0);
    allPass_->setEnabled(settings.allPass >= 0);
    if (settings.allPass >= 0) allPass_->setValue(int(std::lround(settings.allPass * 100)));
    setVoice(settings.voiceFile);
    showValues();

    // A drag passes every hundredth; the speed keeps to its steps.
    connect(speed_, &QSlider::valueChanged, this, [this](int value) {
        speed_->setValue(int(std::lround(double(value) / SpeedStep)) * SpeedStep);
    });
    for (QSlider* s : {speed_, halfTones_, volume_, allPass_}) connect(s, &QSlider::valueChanged, this, &JTalkVoiceDialog::showValues);
    connect(allPassAuto_, &QCheckBox::toggled, this, [this](bool automatic) {
        allPass_->setEnabled(!automatic);
        if (automatic) showVoicesOwnAllPass();
    });
    connect(choose, &QPushButton::clicked, this, &JTalkVoiceDialog::chooseVoice);
    connect(defaultVoice_, &QPushButton::clicked, this, [this] { setVoice({}); });

    auto* form = new QFormLayout;
    form->addRow(u"エンジン"_qs, engine);
    form->addRow(u"声"_qs, row({voiceName_, choose, defaultVoice_}));
    form->addRow(u"速さ"_qs, row({speed_, speedValue_}));
    form->addRow(u"高さ"_qs, row({halfTones_, halfTonesValue_}));
    form->addRow(u"音量"_qs, row({volume_, volumeValue_}));
    form->addRow(u"声質"_qs, row({allPass_, allPassValue_, allPassAuto_}));

    finishVoiceDialog(*this, form, [this, tryOut] { tryOut(this->settings()); });
}

JTalkSettings JTalkVoiceDialog::settings() const {
    return {voiceFile_, speed_->value() / 100.0, double(halfTones_->value()), double(volume_->value()),
            allPassAuto_->isChecked() ? -1.0 : allPass_->value() / 100.0};
}

void JTalkVoiceDialog::setVoice(const QString& file) {
    voiceFile_ = file;
    const QString speaking = file.isEmpty() ? defaultVoiceFile_ : file;
    voiceName_->setText(QFileInfo(speaking).completeBaseName());
    voiceName_->setToolTip(speaking);
    defaultVoice_->setEnabled(!file.isEmpty());
    showVoicesOwnAllPass();
}

// Left to the voice, the all-pass slider shows the voice's value, where the
// user starts from on unchecking 自動.
void JTalkVoiceDialog::showVoicesOwnAllPass() {
    if (!allPassAuto_->isChecked()) return;
    const double own = voicesOwnAllPass(voiceFile_.isEmpty() ? defaultVoiceFile_ : voiceFile_);
    if (own >= 0) allPass_->setValue(int(std::lround(own * 100)));
}

void JTalkVoiceDialog::chooseVoice() {
    // Qt's own dialog, as the program's other file choosers.
    QFileDialog chooser(this, u"声のファイル"_qs);
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    chooser.setFileMode(QFileDialog::ExistingFile);
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    chooser.setNameFilter(u"HTS 音声 (*.htsvoice)"_qs);
    chooser.setLabelText(QFileDialog::LookIn, u"場所:"_qs);
    chooser.setLabelText(QFileDialog::FileName, u"名前:"_qs);
    chooser.setLabelText(QFileDialog::FileType, u"ファイルの種類:"_qs);
    chooser.setLabelText(QFileDialog::Accept, u"開く"_qs);
    chooser.setLabelText(QFileDialog::Reject, u"キャンセル"_qs);
    chooser.setDirectory(QFileInfo(voiceFile_.isEmpty() ? defaultVoiceFile_ : voiceFile_).absolutePath());
    if (chooser.exec() == QDialog::Accepted && !chooser.selectedFiles().isEmpty()) setVoice(chooser.selectedFiles().first());
}

void JTalkVoiceDialog::showValues() {
    speedValue_->setText(QString::number(speed_->value() / 100.0, 'f', 2) + u" 倍"_qs);
    halfTonesValue_->setText(signedNumber(halfTones_->value()) + u" 半音"_qs);
    volumeValue_->setText(signedNumber(volume_->value()) + u" dB"_qs);
    allPassValue_->setText(QString::number(allPass_->value() / 100.0, 'f', 2));
}
