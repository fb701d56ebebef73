#pragma once

#include <QDialog>

#include <functional>

#include "sound/VoiceSettings.h"

class QComboBox;
class QFormLayout;
class QSlider;

// The foot both voice dialogs share, below their form: 試聴, which calls
// `tryOut` to hear the settings as they stand, then OK and キャンセル.
void finishVoiceDialog(QDialog& dialog, QFormLayout* form, std::function<void()> tryOut);

// The speech engine's voice settings: variant, rate, pitch and volume, and a
// button that lets the user hear them before keeping them.
class VoiceDialog : public QDialog {
    Q_OBJECT
public:
    // The sentence the test button speaks.
    static const QString SampleSentence;

    VoiceDialog(QWidget* owner, const QString& title, const VoiceSettings& settings,
                const QList<QPair<QString, QString>>& variants, std::function<void(const VoiceSettings&)> tryOut);

    VoiceSettings settings() const;

private:
    QComboBox* variant_;
    QSlider* rate_;
    QSlider* pitch_;
    QSlider* volume_;
};
