#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <memory>
#include <vector>

#include "app/Program.h"
#include "controls/digit/M_DegitEmNB.h"
#include "formats/Cp932.h"
#include "sound/TextToSpeech.h"
#include "tests/fares/FareFileBytes.h"
#include "tests/support/RecordingReporter.h"

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
    void setReadings(std::vector<readings_file::Reading>) override {}
    void showVoiceDialog(QWidget*, const QString&) override {}

private:
    std::vector<QString>& spoken_;
    bool& released_;
};

// The program built and started as main() does, on fake sound and speech,
// with its settings file, fare and broadcast files in a folder of the test's
// own, and a lamp test that only records how long it waits and how many
// displays are lit meanwhile.
class PanelTest : public ::testing::Test {
protected:
    PanelTest() {
        // Chosen in the options dialog, as a user does.
        for (QLineEdit* folder : program.options.Text2) folder->setText(dir.path());
        panel.setLampWait([this](int ms) {
            int lit = 0;
            for (int k = 1; k <= 8; ++k) lit += shown(k) == DigitValue::text(QStringLiteral("888"));
            lampTests.push_back({ms, lit});
        });
        panel.setProgramEnd([this] { ++programEnds; });
        program.start();
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
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    // Presses keypad keys (R 系統, S 区間), then sets the route when asked.
    void press(const QString& keys, bool set = false) {
        for (QChar c : keys)
            panel.CommandButton1[c == u'R' ? Keypad::kRouteKey : c == u'S' ? Keypad::kSectionKey : c.digitValue()]->click();
        if (set) panel.Command1[1]->click();
    }
    void setRoute(const QString& route, const QString& section) { press(u'R' + route + u'S' + section, true); }
    DigitValue shown(int display) const { return board.fareDisplay(display).Value(); }
    // A fare display as the user reaches it on the board.
    M_DegitEmNB& display(int i) { return *board.findChildren<M_DegitEmNB*>(Qt::FindDirectChildrenOnly).at(i); }
    static DigitValue number(double n) { return DigitValue::number(n); }

    QTemporaryDir dir;
    RecordingReporter messages;
    FakeSound sound;
    std::vector<QString> spoken;
    bool engineReleased = false;
    std::vector<std::pair<int, int>> lampTests;  // the wait and the lit displays
    int programEnds = 0;
    Program program{{messages, sound, [this] { return std::make_unique<FakeSpeech>(spoken, engineReleased); },
                     dir.filePath(QStringLiteral("X9-000")), QString(), [] { return QStringLiteral("Linux"); }}};
    SharedState& state = program.state;
    Form1& board = program.board;
    frmCtl& panel = program.panel;
    mdlM_Tape& tape = program.tape;
};
