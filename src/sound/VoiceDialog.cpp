#include "sound/VoiceDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

const QString VoiceDialog::SampleSentence = u"次は、市役所前です。お降りの方はお知らせください。"_qs;

namespace {

QSlider* slider(QWidget* parent, const char* name, int min, int max, int value) {
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setObjectName(QLatin1String(name));
    s->setRange(min, max);
    s->setValue(value);
    s->setMinimumWidth(200);
    return s;
}

}  // namespace

VoiceDialog::VoiceDialog(QWidget* owner, const QString& title, const VoiceSettings& settings,
                         const QList<QPair<QString, QString>>& variants,
                         std::function<void(const VoiceSettings&)> tryOut)
    : QDialog(owner) {
    setWindowTitle(title);
    auto* engine = new QLabel(u"espeak-ng"_qs, this);
    engine->setObjectName(u"engine"_qs);
    variant_ = new QComboBox(this);
    variant_->setObjectName(u"variant"_qs);
    for (const auto& [id, caption] : variants) variant_->addItem(caption, id);
    variant_->setCurrentIndex(std::max(0, variant_->findData(settings.variant)));
    rate_ = slider(this, "rate", VoiceSettings::MinRate, VoiceSettings::MaxRate, settings.rate);
    pitch_ = slider(this, "pitch", 0, VoiceSettings::MaxPitch, settings.pitch);
    volume_ = slider(this, "volume", 0, VoiceSettings::MaxVolume, settings.volume);

    auto* form = new QFormLayout;
    form->addRow(u"エンジン"_qs, engine);
    form->addRow(u"声の種類"_qs, variant_);
    form->addRow(u"速さ"_qs, rate_);
    form->addRow(u"高さ"_qs, pitch_);
    form->addRow(u"音量"_qs, volume_);

    finishVoiceDialog(*this, form, [this, tryOut] { tryOut(this->settings()); });
}

VoiceSettings VoiceDialog::settings() const {
    return {variant_->currentData().toString(), rate_->value(), pitch_->value(), volume_->value()};
}

void finishVoiceDialog(QDialog& dialog, QFormLayout* form, std::function<void()> tryOut) {
    auto* test = new QPushButton(u"試聴"_qs, &dialog);
    test->setObjectName(u"test"_qs);
    QObject::connect(test, &QPushButton::clicked, &dialog, std::move(tryOut));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(u"ok"_qs);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(u"cancel"_qs);
    buttons->button(QDialogButtonBox::Cancel)->setText(u"キャンセル"_qs);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(test, 0, Qt::AlignLeft);
    layout->addWidget(buttons);
}
