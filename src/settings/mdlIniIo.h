#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

#include "formats/SettingsFile.h"

class Form1;
class MessageReporter;
class Options;
class frmCtl;
class frmOption;
struct SharedState;

// The settings file: written once at the confirmed close, read once at the
// end of the board's start-up.
class mdlIniIo {
public:
    // `executablePath` names the file; `fallbackFolder` holds it when the
    // executable's folder cannot be written.
    mdlIniIo(Form1& board, frmCtl& panel, frmOption& options, SharedState& state, Options& optionInfo,
             MessageReporter& messages, QString executablePath, QString fallbackFolder);

    // The executable's folder and name without extension, then ".in4".
    QString fileName() const;
    // The same name in the fallback folder.
    QString fallbackFileName() const;
    // Where a save writes: beside the executable while its folder can be
    // written (or there is no fallback folder), else the fallback folder.
    QString saveTarget() const;
    // What a load reads: the file a save writes now, so that settings saved
    // in the fallback folder win over an older file beside a read-only
    // executable; the other file when that one does not exist.
    QString loadSource() const;

    // How a folder is found writable; tests, which run as root, replace it.
    void setFolderWritable(std::function<bool(const QString& folder)> writable) {
        folderWritable_ = std::move(writable);
    }

    void SaveIni();
    void LoadIni();

    DegitSettings degitSettings{};

private:
    int save();
    int load();
    int apply();
    SettingsRecords records();

    Form1& board_;
    frmCtl& panel_;
    frmOption& options_;
    SharedState& state_;
    Options& optionInfo_;
    MessageReporter& messages_;
    QString executablePath_;
    QString fallbackFolder_;
    std::function<bool(const QString&)> folderWritable_;
};
