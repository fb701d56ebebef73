#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

class Form1;
class MessageReporter;
class Options;
class frmCtl;
struct SharedState;

// One fare display's format as the settings file keeps it.
struct DegitSetting {
    qint16 Shift = 0;
    qint16 ZeroMode = 0;
    qint16 FillZero = 0;

    template <class Self, class F>
    static void forEachField(Self& r, F&& f) {
        f(r.Shift);
        f(r.ZeroMode);
        f(r.FillZero);
    }
    bool operator==(const DegitSetting&) const = default;
};

// Live options to their stored image and back. Until the options dialog
// exists the live options are the dialog's state, so these are plain copies;
// SetOptionInfo also re-applies the panel's backlight so the board face and
// captions follow the loaded panel options.
void GetOptionInfo(const Options& live, Options& stored);
int SetOptionInfo(const Options& stored, Options& live, frmCtl& panel);
// The board's look from the live options, then the backlight again.
int SetProp(Form1& board, frmCtl& panel, const Options& live, MessageReporter& messages);

// The settings file: written once at the confirmed close, read once at the
// end of the board's start-up.
class mdlIniIo {
public:
    // `executablePath` names the file; `fallbackFolder` holds it when the
    // executable's folder cannot be written.
    mdlIniIo(Form1& board, frmCtl& panel, SharedState& state, Options& optionInfo, MessageReporter& messages,
             QString executablePath, QString fallbackFolder);

    // The executable's folder and name without extension, then ".in4".
    QString fileName() const;
    // The same name in the fallback folder.
    QString fallbackFileName() const;

    void SaveIni();
    void LoadIni();

    std::array<DegitSetting, 8> degitSettings{};

private:
    int save();
    int load();
    int apply();

    Form1& board_;
    frmCtl& panel_;
    SharedState& state_;
    Options& optionInfo_;
    MessageReporter& messages_;
    QString executablePath_;
    QString fallbackFolder_;
};
