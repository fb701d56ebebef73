#pragma once

#include <QDialog>

#include <functional>

#include "sound/JTalkSettings.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;

// The natural voice's settings: which voice file speaks, its speed, pitch,
// volume and all-pass constant, and a button that lets the user hear them
// before keeping them.
class JTalkVoiceDialog : public QDialog {
    Q_OBJECT
public:
    JTalkVoiceDialog(QWidget* owner, const QString& title, const JTalkSettings& settings,
                     const QString& defaultVoiceFile, std::function<void(const JTalkSettings&)> tryOut);

    JTalkSettings settings() const;

private:
    void setVoice(const QString& file);
    void chooseVoice();
    void showVoicesOwnAllPass();
    void showValues();

    QString defaultVoiceFile_;
    QString voiceFile_;
    QLabel* voiceName_;
    QPushButton* defaultVoice_;
    QSlider* speed_;
    QSlider* halfTones_;
    QSlider* volume_;
    QSlider* allPass_;
    QCheckBox* allPassAuto_;
    QLabel* speedValue_;
    QLabel* halfTonesValue_;
    QLabel* volumeValue_;
    QLabel* allPassValue_;
};
