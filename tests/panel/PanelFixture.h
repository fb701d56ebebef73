#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <memory>
#include <vector>

#include "Cp932.h"
#include "FareFileBytes.h"
#include "Form1.h"
#include "M_DegitEmNB.h"
#include "PanelServices.h"
#include "RecordingReporter.h"
#include "SharedState.h"
#include "TextToSpeech.h"
#include "frmCtl.h"
#include "mdlM_Tape.h"

// Every sound the panel and the announcements ask for, none played.
class FakeSound : public PanelSound {
public:
    struct Play {
        QString file, alias;
        qint16 waitForEnd, pauseMs;
        bool operator==(const Play&) const = default;
    };
    void SndPlay(const QString& file, const QString& alias, qint16 waitForEnd, qint16 pauseMs) override {
        plays.push_back({file, alias, waitForEnd, pauseMs});
    }
    void SndCloseAll() override { ++closeAll; }
    std::vector<Play> plays;
    int closeAll = 0;
};

// A speech engine that keeps what it was asked to say.
class FakeSpeech : public TextToSpeech {
public:
    FakeSpeech(std::vector<QString>& spoken, bool& released) : spoken_(spoken), released_(released) {}
    ~FakeSpeech() override { released_ = true; }
    void speak(const QString& text) override { spoken_.push_back(text); }
    void stop() override {}
    qint32 state() const override { return Idle; }
    void showVoiceDialog(QWidget*, const QString&) override {}

private:
    std::vector<QString>& spoken_;
    bool& released_;
};

// The board and the panel started as the program starts them, with fare and
// broadcast files in a folder of the test's own and a lamp test that only
// records what the board showed when it began.
class PanelTest : public ::testing::Test {
protected:
    PanelTest() {
        state.options.dataFolders.FareDataDir = dir.path();
        state.options.dataFolders.TapeDataDir = dir.path();
        panel.setLampWait([this](int ms) { lampTests.push_back({ms, litDisplays()}); });
        panel.setProgramEnd([this] { ++programEnds; });
        panel.Form_Load(tape);
        board.attachPanel(&panel);
        board.Form_Load();
    }

    // Stop s (from 1) charges 100 * s + k for ticket k unless `fare` says otherwise.
    void writeRoute(int route, int stops, const std::function<void(int stop, std::vector<int>&)>& fare = {}) {
        FareFileBytes file(stops);
        for (int s = 1; s <= stops; ++s) {
            std::vector<int> fares(150);
            for (int k = 1; k <= 150; ++k) fares[k - 1] = 100 * s + k;
            if (fare) fare(s, fares);
            file.stop(QByteArray("Stop") + QByteArray::number(s), 10 + s, fares);
        }
        write(QString::number(route) + QStringLiteral(".hy3"), file.bytes());
    }
    void write(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void press(const QString& keys) {
        for (QChar c : keys) {
            const int key = c == u'R' ? Keypad::kRouteKey : c == u'S' ? Keypad::kSectionKey : c.digitValue();
            panel.CommandButton1[key]->click();
        }
    }
    // Sets a route through the keypad.
    void setRoute(const QString& route, const QString& section) {
        press(QStringLiteral("R") + route + QStringLiteral("S") + section);
        panel.Command1[1]->click();
    }
    DigitValue shown(int display) const { return board.Degit[display]->Value(); }
    static DigitValue number(double n) { return DigitValue::number(n); }
    int litDisplays() const {
        int lit = 0;
        for (int k = 1; k <= 8; ++k) lit += shown(k) == DigitValue::text(QStringLiteral("888"));
        return lit;
    }
    std::vector<FakeSound::Play> playsOn(const QString& alias) const {
        std::vector<FakeSound::Play> on;
        for (const auto& play : sound.plays)
            if (play.alias == alias) on.push_back(play);
        return on;
    }

    struct LampTest {
        int ms, litDisplays;
        bool operator==(const LampTest&) const = default;
    };

    QTemporaryDir dir;
    SharedState state;
    RecordingReporter messages;
    FakeSound sound;
    std::vector<QString> spoken;
    bool engineReleased = false;
    std::vector<LampTest> lampTests;
    int programEnds = 0;
    Form1 board{state, messages};
    frmCtl panel{board, state, messages, sound};
    mdlM_Tape tape{state.options, sound, panel,
                   [this] { return std::make_unique<FakeSpeech>(spoken, engineReleased); },
                   [] { return QStringLiteral("Linux"); }};
};
